#include "app/reportoffer.h"

#include "app/mailurl.h"
#include "app/messages.h"
#include "data/reportfiles.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace ReportOffer
{

namespace
{

QString strTr(const char* _pText)
{
    return QCoreApplication::translate("ReportOffer", _pText);
}

Chooser& chooser()
{
    static Chooser s_chooser;
    return s_chooser;
}

Opener& opener()
{
    static Opener s_opener;
    return s_opener;
}

bool bOpen(const QUrl& _url)
{
    return opener() ? opener()(_url) : QDesktopServices::openUrl(_url);
}

// The message box in the pages' style with the three answers.
Choice choiceOfBox(QWidget* _pParent, const QString& _strText)
{
    if (chooser())
        return chooser()(_strText);
    QMessageBox box(_pParent);
    box.setText(_strText);
    QPushButton* pOpen =
        box.addButton(strTr(QT_TRANSLATE_NOOP("ReportOffer", "Öffnen")), QMessageBox::AcceptRole);
    QPushButton* pEmail =
        box.addButton(strTr(QT_TRANSLATE_NOOP("ReportOffer", "Per E-Mail senden")), QMessageBox::ActionRole);
    QPushButton* pClose =
        box.addButton(strTr(QT_TRANSLATE_NOOP("ReportOffer", "Schließen")), QMessageBox::RejectRole);
    Messages::vApplyStyle(box);
    // The path can be selected and copied.
    if (auto* pLabel = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
        pLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    box.setDefaultButton(pClose);
    box.exec();
    if (box.clickedButton() == pOpen)
        return Choice::Open;
    if (box.clickedButton() == pEmail)
        return Choice::Email;
    return Choice::Close;
}

} // namespace

QUrl mailUrl(const QString& _strPath, const QString& _strSubject)
{
    const QString strBody =
        strTr(QT_TRANSLATE_NOOP("ReportOffer",
                                "Die Datei liegt hier:\n%1\n\nBitte hängen Sie sie an diese E-Mail an."))
            .arg(QDir::toNativeSeparators(_strPath));
    return MailUrl::urlTo(MailUrl::strStoredAddress(), _strSubject, strBody);
}

void vOffer(QWidget* _pParent, const QString& _strPath, const QString& _strSubject)
{
    const QString strText =
        strTr(QT_TRANSLATE_NOOP("ReportOffer", "Gespeichert:\n%1")).arg(QDir::toNativeSeparators(_strPath));
    switch (choiceOfBox(_pParent, strText)) {
    case Choice::Open:
        if (!bOpen(QUrl::fromLocalFile(_strPath)))
            Messages::vShow(
                _pParent, strTr(QT_TRANSLATE_NOOP("ReportOffer", "Kein Programm zum Öffnen von %1 gefunden."))
                              .arg(QDir::toNativeSeparators(_strPath)));
        break;
    case Choice::Email:
        if (!bOpen(mailUrl(_strPath, _strSubject)))
            Messages::vShow(_pParent,
                            strTr(QT_TRANSLATE_NOOP("ReportOffer", "Kein E-Mail-Programm gefunden.")));
        break;
    case Choice::Close:
        break;
    }
}

QString strSaveAndOffer(QWidget* _pParent, const QString& _strFileName, const QByteArray& _baContent,
                        const QString& _strSubject)
{
    QString strError;
    const QString strPath =
        ReportFiles::strWrite(ReportFiles::strFolder(), _strFileName, _baContent, &strError);
    if (strPath.isEmpty()) {
        Messages::vShow(_pParent, strError);
        return QString();
    }
    vOffer(_pParent, strPath, _strSubject);
    return strPath;
}

void vSetChooser(const Chooser& _chooser)
{
    chooser() = _chooser;
}

void vSetOpener(const Opener& _opener)
{
    opener() = _opener;
}

} // namespace ReportOffer

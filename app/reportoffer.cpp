#include "app/reportoffer.h"

#include "app/mailurl.h"
#include "app/messages.h"
#include "data/reportfiles.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>

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

PrintDialog& printDialog()
{
    static PrintDialog s_printDialog;
    return s_printDialog;
}

bool bOpen(const QUrl& _url)
{
    return opener() ? opener()(_url) : QDesktopServices::openUrl(_url);
}

// The message box in the pages' style with its answers: "Drucken" only for
// a report that can be printed.
Choice choiceOfBox(QWidget* _pParent, const QString& _strText, bool _bPrintable)
{
    if (chooser())
        return chooser()(_strText);
    QMessageBox box(_pParent);
    box.setText(_strText);
    QPushButton* pOpen =
        box.addButton(strTr(QT_TRANSLATE_NOOP("ReportOffer", "Öffnen")), QMessageBox::AcceptRole);
    QPushButton* pEmail =
        box.addButton(strTr(QT_TRANSLATE_NOOP("ReportOffer", "E-Mail")), QMessageBox::ActionRole);
    QPushButton* pPrint = _bPrintable ? box.addButton(strTr(QT_TRANSLATE_NOOP("ReportOffer", "Drucken")),
                                                      QMessageBox::ActionRole)
                                      : nullptr;
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
    if (pPrint && box.clickedButton() == pPrint)
        return Choice::Print;
    return Choice::Close;
}

// The "mailto:" link with the path in the body.
void vMailLink(QWidget* _pParent, const QString& _strPath, const QString& _strSubject)
{
    if (!bOpen(mailUrl(_strPath, _strSubject)))
        Messages::vShow(_pParent, strTr(QT_TRANSLATE_NOOP("ReportOffer", "Kein E-Mail-Programm gefunden.")));
}

// A file goes as an attachment where the desktop's xdg-email can add one;
// without it, when it cannot start or ends with an error, and for a folder
// the "mailto:" link names the path instead. The mail program xdg-email
// starts may keep running: the offer does not wait for it.
void vEmail(QWidget* _pParent, const QString& _strPath, const QString& _strSubject)
{
    const QString strXdgEmail = QStandardPaths::findExecutable(QStringLiteral("xdg-email"));
    if (strXdgEmail.isEmpty() || QFileInfo(_strPath).isDir()) {
        vMailLink(_pParent, _strPath, _strSubject);
        return;
    }
    QStringList slArguments{
        QStringLiteral("--subject"),
        _strSubject,
        QStringLiteral("--body"),
        strTr(QT_TRANSLATE_NOOP("ReportOffer", "Im Anhang: %1")).arg(QFileInfo(_strPath).fileName()),
        QStringLiteral("--attach"),
        _strPath};
    const QString strAddress = MailUrl::strStoredAddress();
    if (!strAddress.isEmpty())
        slArguments << strAddress;
    // A child of the application, deleted when xdg-email ends.
    auto* pProcess = new QProcess(QCoreApplication::instance());
    pProcess->setProcessChannelMode(QProcess::ForwardedChannels);
    const QPointer<QWidget> pParent(_pParent);
    const auto fnFallBack = [pProcess, pParent, _strPath, _strSubject] {
        pProcess->deleteLater();
        vMailLink(pParent, _strPath, _strSubject);
    };
    QObject::connect(pProcess, &QProcess::errorOccurred, pProcess,
                     [fnFallBack](QProcess::ProcessError _error) {
                         // A crash is followed by finished().
                         if (_error == QProcess::FailedToStart)
                             fnFallBack();
                     });
    QObject::connect(pProcess, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), pProcess,
                     [pProcess, fnFallBack](int _s32Code, QProcess::ExitStatus _status) {
                         if (_status != QProcess::NormalExit || _s32Code != 0)
                             fnFallBack();
                         else
                             pProcess->deleteLater();
                     });
    pProcess->start(strXdgEmail, slArguments);
}

// The system's print dialog on an A4 printer in the report's orientation;
// accepted, the report is drawn onto the printer as the user set it up.
void vPrint(QWidget* _pParent, const QString& _strPath, const Printing& _printing)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(_printing.orientation);
    printer.setDocName(QFileInfo(_strPath).fileName());
    bool bAccepted = false;
    if (printDialog()) {
        bAccepted = printDialog()(printer);
    } else {
        QPrintDialog dialog(&printer, _pParent);
        bAccepted = dialog.exec() == QDialog::Accepted;
    }
    if (!bAccepted)
        return;
    if (_printing.fnDraw(&printer) && printer.printerState() != QPrinter::Error)
        return;
    const QString strPrinter = printer.outputFileName().isEmpty()
                                   ? printer.printerName()
                                   : QDir::toNativeSeparators(printer.outputFileName());
    Messages::vShow(_pParent,
                    strTr(QT_TRANSLATE_NOOP("ReportOffer", "%1 wurde nicht gedruckt: Der Drucker „%2“ meldet "
                                                           "einen Fehler. Bitte prüfen Sie den Drucker."))
                        .arg(QFileInfo(_strPath).fileName(), strPrinter));
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

void vOffer(QWidget* _pParent, const QString& _strPath, const QString& _strSubject, const Printing& _printing)
{
    const QString strText =
        strTr(QT_TRANSLATE_NOOP("ReportOffer", "Gespeichert:\n%1")).arg(QDir::toNativeSeparators(_strPath));
    const bool bPrintable = bool(_printing.fnDraw);
    switch (choiceOfBox(_pParent, strText, bPrintable)) {
    case Choice::Open:
        if (!bOpen(QUrl::fromLocalFile(_strPath)))
            Messages::vShow(
                _pParent, strTr(QT_TRANSLATE_NOOP("ReportOffer", "Kein Programm zum Öffnen von %1 gefunden."))
                              .arg(QDir::toNativeSeparators(_strPath)));
        break;
    case Choice::Email:
        vEmail(_pParent, _strPath, _strSubject);
        break;
    case Choice::Print:
        if (bPrintable)
            vPrint(_pParent, _strPath, _printing);
        break;
    case Choice::Close:
        break;
    }
}

QString strSaveAndOffer(QWidget* _pParent, const QString& _strFileName, const QByteArray& _baContent,
                        const QString& _strSubject, const Printing& _printing)
{
    QString strError;
    const QString strPath =
        ReportFiles::strWrite(ReportFiles::strFolder(), _strFileName, _baContent, &strError);
    if (strPath.isEmpty()) {
        Messages::vShow(_pParent, strError);
        return QString();
    }
    vOffer(_pParent, strPath, _strSubject, _printing);
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

void vSetPrintDialog(const PrintDialog& _dialog)
{
    printDialog() = _dialog;
}

} // namespace ReportOffer

#include "settings/cinfoseite.h"
#include "ui_cinfoseite.h"

#include "app/navigation.h"
#include "data/appinfo.h"

#include <QKeyEvent>
#include <QMessageBox>

cInfoSeite* cInfoSeite::instance()
{
    return PageFrame::tInstance<cInfoSeite>();
}

QString cInfoSeite::strVersion()
{
    return QString::fromLatin1(AppInfo::VERSION);
}

cInfoSeite::cInfoSeite() : QWidget(nullptr), ui(new Ui::cInfoSeite)
{
    ui->setupUi(this);
    ui->label_Version->setText(strVersion());
    // The library the program actually runs on, not the one it was built with.
    ui->label_QtVersion->setText(QStringLiteral("Qt Version: ") + QString::fromLatin1(qVersion()));

    m_s32Screen = PageFrame::s32ScreenUnit();
    const int S = m_s32Screen;
    for (QPushButton* pButton : {ui->pushButton_INFO, ui->pushButton_AboutQt, ui->pushButton_lindqvarthLogo})
        pButton->setStyleSheet(Style::strIconButton());
    PageFrame::vSetIcon(ui->pushButton_INFO, QStringLiteral(":/images/info-128.png"), S / 10, S / 10);
    PageFrame::vSetIcon(ui->pushButton_AboutQt, QStringLiteral(":/qt-creator-x64.png"), S / 9, S / 9);
    PageFrame::vSetIcon(ui->pushButton_lindqvarthLogo, QStringLiteral(":/LindqvarthLOGO.png"), S / 3, S / 9);
    PageFrame::vSetupBackButton(ui->pushButton_back, S);

    const QString strYellow =
        QStringLiteral("QLabel{ color: ") + Style::strLabelYellow() + QStringLiteral("; font: ");
    ui->label_lindqvarthCopyright->setStyleSheet(strYellow + QString::number(S / 35) +
                                                 QStringLiteral("px;}"));
    // The version lines take the yellow too: without a colour of their own
    // they would not be seen on the black page.
    const QString strBig = strYellow + QString::number(S / 21) + QStringLiteral("px;}");
    for (QLabel* pLabel : {ui->label_INFO, ui->label_QtVersion, ui->label_VersionTitel, ui->label_Version})
        pLabel->setStyleSheet(strBig);
}

cInfoSeite::~cInfoSeite()
{
    delete ui;
}

void cInfoSeite::on_pushButton_AboutQt_clicked()
{
    QMessageBox::aboutQt(this, QString());
}

void cInfoSeite::keyReleaseEvent(QKeyEvent* _pEvent)
{
    if (PageFrame::bIsBackKey(_pEvent))
        on_pushButton_back_clicked();
}

void cInfoSeite::on_pushButton_back_clicked()
{
    hide();
    Navigation::vShowPage(Navigation::Caller::Settings);
}

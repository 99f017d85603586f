#include "settings/ceinstellungen.h"
#include "terminal/liverequest.h"
#include "ui_ceinstellungen.h"

#include "app/messages.h"
#include "app/navigation.h"
#include "app/settingsstore.h"
#include "settings/cinfoseite.h"
#include "settings/cquelleverzeichnis.h"
#include "settings/ctreetodeletefile.h"
#include "terminal/ccopyinfothread.h"

#include <QKeyEvent>
#include <QThread>
#include <QTimer>

namespace
{
const char* const kIndicatorOk = "QLabel {border-image: url(:/OK.png);}";
const char* const kIndicatorX = "QLabel {border-image: url(:/X.png);}";
} // namespace

cEinstellungen* cEinstellungen::instance()
{
    return PageFrame::tInstance<cEinstellungen>();
}

cEinstellungen::cEinstellungen() : cDialogSeite(nullptr), ui(new Ui::cEinstellungen)
{
    ui->setupUi(this);
    PageFrame::vMakeKinetic(ui->scrollArea);
    m_pScreen = PageFrame::pFollowOrientation(this);
    PageFrame::vHideKeyboardOnFinish(ui->lineEdit_Pfad);
    PageFrame::vHideKeyboardOnFinish(ui->lineEdit_Email);

    // The language selector shows each language in its own name.
    for (const SettingsStore::Language& language : SettingsStore::languages())
        ui->comboBox_Sprache->addItem(QString::fromUtf8(language.strShownName));
    for (QComboBox* pCombo : {ui->comboBox, ui->comboBox_Datensetzer, ui->comboBox_Sprache}) {
        for (int i = 0; i < pCombo->count(); ++i)
            pCombo->setItemData(i, Style::colorYellow(), Qt::BackgroundRole);
    }
    ui->lineEdit_Email->setPlaceholderText(tr("Geben Sie die Email Adresse ein"));
    m_bConnected = false;

    m_pSearchTimer = new QTimer(this);
    m_pSearchTimer->setSingleShot(true);
    m_pSearchTimer->setInterval(s32SearchTimeoutMs);
    connect(m_pSearchTimer, &QTimer::timeout, this, &cEinstellungen::vSearchTimedOut);

    vApplyStyle();
    vLoadSettings();
}

cEinstellungen::~cEinstellungen()
{
    emit finishedBeetThread();
    delete ui;
}

void cEinstellungen::vApplyStyle()
{
    const int s32Screen = PageFrame::s32ScreenUnit();
    m_u16Screen = uint16_t(s32Screen);
    const int s32Big = s32Screen / 22;
    const int s32Small = s32Screen / 25;
    const int s32Icon = s32Screen / 11;

    PageFrame::vSetProductLogo(ui->pushButton_Vemo_Icon, s32Screen, false);
    ui->pushButton_Vemo_Icon->setStyleSheet(Style::strIconButton());
    for (QPushButton* pButton :
         {ui->pushButton_Info, ui->pushButton_Einstellungen_abbrechen, ui->pushButton_Loeschen})
        pButton->setStyleSheet(Style::strIconButton());
    PageFrame::vSetIcon(ui->pushButton_Info, QStringLiteral(":/images/info-128.png"), s32Icon, s32Icon);
    PageFrame::vSetIcon(ui->pushButton_Einstellungen_abbrechen, QStringLiteral(":/close-window-128.png"),
                        s32Icon, s32Icon);
    PageFrame::vSetIcon(ui->pushButton_Loeschen, QStringLiteral(":/delete-128.png"), s32Icon, s32Icon);

    for (QPushButton* pButton :
         {ui->pushButton_terminalSuchen, ui->pushButton_verfuegbarenFahrzeuge, ui->pushButton_ListAnzeigen,
          ui->pushButton_quellVerzeichnis, ui->pushButton_Archiv, ui->pushButton_Abrechnung})
        pButton->setStyleSheet(Style::strButton(s32Small));
    for (QLabel* pLabel : {ui->label_3, ui->label_momentanFahrzeug, ui->label_5, ui->label_Sprache,
                           ui->label_Email, ui->label_Freilassen, ui->label_EinstellungenLIVE, ui->label_8,
                           ui->label_Refresh_Data, ui->label_Datensetzer, ui->label_info})
        pLabel->setStyleSheet(Style::strLabelOnBlack(s32Small));
    for (QComboBox* pCombo : {ui->comboBox_Sprache, ui->comboBox, ui->comboBox_Datensetzer})
        pCombo->setStyleSheet(Style::strComboBox(s32Big));
    ui->lineEdit_Pfad->setStyleSheet(Style::strLineEdit(s32Big));
    ui->lineEdit_Email->setStyleSheet(Style::strLineEdit(s32Big));

    ui->label_Indicator->setFixedSize(s32Icon, s32Icon);
    ui->label_loading->setFixedSize(s32Screen / 9, s32Screen / 11);
    ui->pushButton_terminalSuchen->setText(tr("Verbinden"));

    // The search button stays visible so that a first connection can be
    // started from here, and so do the e-mail address, the live refresh time
    // and the way to the downloaded files: users need them. The indicator and
    // the terminal list follow the first connection report.
    const QList<QWidget*> hidden{ui->label_Indicator, ui->pushButton_verfuegbarenFahrzeuge, ui->label_8,
                                 ui->label_Datensetzer, ui->comboBox_Datensetzer};
    for (QWidget* pHidden : hidden)
        pHidden->hide();
}

void cEinstellungen::vLoadSettings()
{
    m_strEmail = SettingsStore::EMAIL.tValue();
    ui->lineEdit_Email->setText(m_strEmail);

    // Selecting the stored language is no activation: nothing is asked and
    // nothing is written.
    m_s32Language =
        s32LanguageIndexOf(SettingsStore::LANGUAGE_NUMBER.tValue(), ui->comboBox_Sprache->count());
    ui->comboBox_Sprache->setCurrentIndex(m_s32Language);
}

int cEinstellungen::s32LanguageIndexOf(const QVariant& _stored, int _s32Count)
{
    // The stored index is taken by its low byte; nothing stored, or an index
    // past the list, leaves the first language (German).
    if (!_stored.isValid())
        return 0;
    const int s32Index = uint8_t(_stored.toInt());
    return s32Index < _s32Count ? s32Index : 0;
}

void cEinstellungen::vSetCaller(Navigation::Caller _caller)
{
    m_caller = _caller;
}

void cEinstellungen::vSetPath(const QString& _strPath)
{
    ui->lineEdit_Pfad->setText(_strPath);
}

QString cEinstellungen::strGetEmail()
{
    m_strEmail = ui->lineEdit_Email->text();
    return m_strEmail;
}

uint16_t cEinstellungen::u16GetRefreshTime() const
{
    return u16RefreshTimeForIndex(s32RefreshIndex());
}

int cEinstellungen::s32RefreshIndex() const
{
    return ui->comboBox->currentIndex();
}

uint16_t cEinstellungen::u16RefreshTimeForIndex(int _s32Index)
{
    return LiveRequest::u16IntervalForIndex(_s32Index);
}

void cEinstellungen::vShowIndicator(bool _bConnected)
{
    ui->label_Indicator->setStyleSheet(QLatin1String(_bConnected ? kIndicatorOk : kIndicatorX));
    ui->label_Indicator->show();
}

void cEinstellungen::vSetConnectionState(bool _bConnected, const QString& _strName)
{
    m_bConnected = _bConnected;
    m_bStateReported = true;
    m_bSearchUnanswered = false;
    m_pSearchTimer->stop();
    vStopBusyIndicator();
    vShowIndicator(_bConnected);
    ui->pushButton_verfuegbarenFahrzeuge->show();
    PageFrame::vSetProductLogo(ui->pushButton_Vemo_Icon, m_u16Screen, _bConnected);
    if (_bConnected) {
        ui->pushButton_terminalSuchen->setText(tr("Trennen"));
        ui->label_momentanFahrzeug->setText(tr("aktuelle Verbindung mit") + QStringLiteral(": ") + _strName);
    } else {
        ui->pushButton_terminalSuchen->setText(tr("Verbinden"));
        ui->label_momentanFahrzeug->clear();
    }
}

void cEinstellungen::vTerminalsFound(const QStringList& _slChassis)
{
    if (!_slChassis.isEmpty())
        m_bSearchUnanswered = false;
}

void cEinstellungen::on_pushButton_terminalSuchen_clicked()
{
    if (m_bConnected) {
        emit disconnectRequested();
        vShowIndicator(false);
        return;
    }
    m_bSearchUnanswered = true;
    emit terminalSearchRequested();
    ui->label_Indicator->hide();
    vStartBusyIndicator();
    m_pSearchTimer->start();
}

void cEinstellungen::vStartBusyIndicator()
{
    ui->label_loading->show();
    if (m_pBeetThread)
        return; // one indicator at a time
    m_pBeetThread = cCopyInfoThread::pStart(ui->label_loading, this);
    connect(this, &cEinstellungen::finishedBeetThread, m_pBeetThread.data(), &QThread::quit);
}

void cEinstellungen::vStopBusyIndicator()
{
    ui->label_loading->clear();
    ui->label_loading->hide();
    if (!m_pBeetThread)
        return;
    emit finishedBeetThread();
    disconnect(this, &cEinstellungen::finishedBeetThread, m_pBeetThread.data(), &QThread::quit);
    m_pBeetThread.clear();
}

void cEinstellungen::vSearchTimedOut()
{
    vStopBusyIndicator();
    if (m_bStateReported)
        vShowIndicator(m_bConnected);
    if (m_bSearchUnanswered && !m_bConnected) {
        m_bSearchUnanswered = false;
        Messages::vShow(this, tr("Kein Terminal hat geantwortet. Bitte prüfen Sie die WLAN-Verbindung "
                                 "mit dem Terminal und versuchen Sie es erneut."));
    }
}

void cEinstellungen::on_pushButton_ListAnzeigen_clicked()
{
    const QString strPath = ui->lineEdit_Pfad->text();
    if (strPath.isEmpty()) {
        Messages::vShow(this, tr("Sie müssen das Quellverzeichnis wählen."));
        return;
    }
    Navigation::vShowPage(Navigation::Caller::Main);
    hide();
    emit listFileRequested(strPath);
}

void cEinstellungen::on_pushButton_quellVerzeichnis_clicked()
{
    hide();
    cQuelleVerzeichnis::instance()->vSetCaller(Navigation::Caller::Settings);
    cQuelleVerzeichnis::instance()->showMaximized();
}

void cEinstellungen::on_pushButton_Loeschen_clicked()
{
    hide();
    cTreeToDeleteFile::instance()->vSetCaller(Navigation::Caller::Settings);
    cTreeToDeleteFile::instance()->showMaximized();
}

void cEinstellungen::on_lineEdit_Email_textEdited(const QString& _strText)
{
    m_strEmail = _strText;
    SettingsStore::EMAIL.vSet(m_strEmail);
}

void cEinstellungen::on_pushButton_Info_clicked()
{
    cInfoSeite::instance()->showMaximized();
}

void cEinstellungen::on_pushButton_Archiv_clicked()
{
    // Nothing to hand the screen to while the application has not said how
    // pages are opened: the settings stay.
    if (!Navigation::bCanOpen())
        return;
    hide();
    Navigation::vOpen(Navigation::Target::Archive, Navigation::Caller::Settings);
}

void cEinstellungen::on_pushButton_Abrechnung_clicked()
{
    if (!Navigation::bCanOpen())
        return;
    hide();
    Navigation::vOpen(Navigation::Target::Billing, Navigation::Caller::Settings);
}

void cEinstellungen::on_pushButton_verfuegbarenFahrzeuge_clicked()
{
    Navigation::vOpen(Navigation::Target::TerminalList, Navigation::Caller::Settings);
}

void cEinstellungen::on_comboBox_Sprache_activated(int _s32Index)
{
    m_s32Language = _s32Index;
    Messages::vShow(this, tr("The change will be active after restart of the application."));
    const QString strLanguage = SettingsStore::strLanguageNameForIndex(_s32Index);
    if (strLanguage.isEmpty())
        return;
    SettingsStore::LANGUAGE.vSet(strLanguage);
    SettingsStore::LANGUAGE_NUMBER.vSet(ui->comboBox_Sprache->currentIndex());
}

void cEinstellungen::on_pushButton_Einstellungen_abbrechen_clicked()
{
    hide();
    if (m_caller == Navigation::Caller::Main)
        emit listFileRequested(QString());
    Navigation::vShowPage(m_caller);
}

void cEinstellungen::vOnBackKey()
{
    on_pushButton_Einstellungen_abbrechen_clicked();
}

void cEinstellungen::onRotate(Qt::ScreenOrientation)
{
    PageFrame::vRelayoutAvailable(this);
}

#include "statistics/csaisondata.h"

#include "app/cyesnodialog.h"
#include "app/mailurl.h"
#include "app/messages.h"
#include "app/navigation.h"
#include "app/pageframe.h"
#include "app/reportoffer.h"
#include "app/settingsstore.h"
#include "data/numberformat.h"
#include "data/ordertotals.h"
#include "data/statisticsfile.h"
#include "reports/reportpdf.h"
#include "reports/seasonreport.h"
#include "statistics/cfieldroadtable.h"
#include "statistics/shownlist.h"
#include "statistics/statisticsfigures.h"
#include "ui_csaisondata.h"

#include <QCoreApplication>
#include <QDate>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QLayout>

using NumberFormat::strNumber;
using StatisticsFigures::strWithUnit;

cSaisonData* cSaisonData::instance()
{
    return PageFrame::tInstance<cSaisonData>();
}

cSaisonData::cSaisonData() : ui(new Ui::cSaisonData)
{
    ui->setupUi(this);
    m_pScreen = PageFrame::pFollowOrientation(this);
    m_s32Screen = PageFrame::s32ScreenUnit();
    m_pYesNo = new cYesNoDialog(this);
    m_pReport = new QPushButton(this);
    m_pReport->setObjectName(QStringLiteral("pushButton_Report"));
    m_pReport->setToolTip(tr("Bericht als PDF speichern"));
    m_pReport->setStyleSheet(Style::strIconButton());
    m_pReport->setFlat(true);
    ui->horizontalLayout_Aktionen->insertWidget(
        ui->horizontalLayout_Aktionen->indexOf(ui->pushButton_SendEmail) + 1, m_pReport);
    connect(m_pReport, &QPushButton::clicked, this, &cSaisonData::vSaveReport);
    // The arrangement follows the new size; the old one must not hold it back.
    layout()->setSizeConstraint(QLayout::SetNoConstraint);
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setFocusPolicy(Qt::NoFocus);
    vApplySizes();
    vSetConnectionState(false);
}

cSaisonData::~cSaisonData()
{
    delete ui;
}

void cSaisonData::vApplySizes()
{
    const int s = m_s32Screen;
    const int size = s / 25;
    const int settingsIcon = int(s / 10.28);
    PageFrame::vSetIcon(ui->pushButton_Einstellungen, QStringLiteral(":/images/setting-icon.png"),
                        settingsIcon, settingsIcon);
    PageFrame::vSetIcon(ui->pushButton_back, QStringLiteral(":/back.png"), settingsIcon, settingsIcon);
    PageFrame::vSetIcon(ui->pushButton_SendEmail, QStringLiteral(":/message-128.png"), s / 9, s / 11);
    PageFrame::vSetIcon(m_pReport, QStringLiteral(":/images/report-128.png"), s / 9, s / 11);
    PageFrame::vSetIcon(ui->pushButton_SendToTerminal, QStringLiteral(":/images/arrow-58-128.png"), s / 9,
                        s / 9);
    PageFrame::vSetIcon(ui->pushButton_Download, QStringLiteral(":/images/downloads-128.png"), s / 9, s / 9);
    if (ui->pushButton_Lichtschalter->icon().isNull())
        vSetLichtschalterIcon(QStringLiteral(":/Lichtschalter_Haupt_Off.png"));
    if (ui->pushButton_ExpertModus->icon().isNull())
        vSetExpertModusIcon(QStringLiteral(":/Expertmodus_OFF.png"));
    ui->label_Loading->setFixedSize(s / 9, s / 11);
    // The page's own buttons only: the question box is a child of the page,
    // and its buttons keep their yellow style.
    for (QPushButton* button : findChildren<QPushButton*>())
        if (button->window() == window())
            button->setStyleSheet(Style::strIconButton());
    // Smaller than the other texts, so that the button fits beside the
    // machine hours in landscape.
    ui->pushButton_heruntergeladeneDateien->setStyleSheet(Style::strButton(s / 32));

    const QString title = Style::strTitleLabel(size);
    for (QLabel* label : {ui->label_Ansicht, ui->label_FileTitel, ui->label_FileName,
                          ui->label_BetriebsstundenMotorTitel, ui->label_BetriebsstundenRoderTitel})
        label->setStyleSheet(title);
    ui->label_BetriebsstundenMotor->setStyleSheet(FieldRoadTable::strValueStyle(size));
    ui->label_BetriebsstundenRoder->setStyleSheet(FieldRoadTable::strValueStyle(size));
    ui->label_RodeflaecheGesamt->setStyleSheet(Style::strTitleLabel(size * 3 / 2));
    FieldRoadTable::vApplyStyles(this, size, s / 16);
    PageFrame::vSetProductLogo(ui->pushButton_Vemo_Icon, s, m_bConnected);
}

void cSaisonData::resizeEvent(QResizeEvent* _pEvent)
{
    QWidget::resizeEvent(_pEvent);
    // In portrait the downloaded-files button goes below the machine hours,
    // where its text has room.
    ui->horizontalLayout_Betriebsstunden->setDirection(width() > height() ? QBoxLayout::LeftToRight
                                                                          : QBoxLayout::TopToBottom);
}

void cSaisonData::vSetNavigator(const Navigator& _fnNavigate)
{
    m_fnNavigate = _fnNavigate;
    vUpdateButtons();
}

void cSaisonData::vSetMessageSender(const MessageSender& _fnSend)
{
    m_fnSend = _fnSend;
}

void cSaisonData::vUpdateButtons()
{
    const bool bNavigator = bool(m_fnNavigate);
    const bool bTerminal = bNavigator && m_bConnected;
    for (QWidget* button : {ui->pushButton_SendToTerminal, ui->pushButton_Download,
                            ui->pushButton_Lichtschalter, ui->pushButton_ExpertModus})
        button->setVisible(bTerminal);
    if (!m_bConnected)
        ui->label_Loading->hide();
    ui->pushButton_Einstellungen->setVisible(bNavigator);
    ui->pushButton_heruntergeladeneDateien->setVisible(bNavigator);
}

void cSaisonData::vSetFileName(const QString& _strFileName)
{
    m_strFileName = _strFileName;
    ui->label_FileName->setText(QStringLiteral(" ") + _strFileName);
}

void cSaisonData::vSetMachineHoursVisible(bool _bVisible)
{
    for (QWidget* widget : {ui->label_BetriebsstundenMotorTitel, ui->label_BetriebsstundenMotor,
                            ui->label_BetriebsstundenRoderTitel, ui->label_BetriebsstundenRoder})
        widget->setVisible(_bVisible);
}

void cSaisonData::vReadStatisticsFile(const QString& _strPath, const QString& _strViewName)
{
    m_bFileMode = true;
    vSetMachineHoursVisible(true);
    m_strPath = _strPath;
    StatisticsRecord record;
    if (!StatisticsRecord::bRead(_strPath, record))
        return;
    m_record = record;
    m_strViewName = _strViewName;
    ui->label_Ansicht->setText(tr("Ansicht") + ": " + _strViewName);

    // Each figure as the terminal wrote it, with its unit; a field the record
    // lacks leaves its label empty.
    const auto show = [&](QLabel* _pLabel, int _s32Field, const QString& _strUnit) {
        _pLabel->setText(record.bHasField(_s32Field) ? record.strField(_s32Field) + " " + _strUnit
                                                     : QString());
    };
    show(ui->label_BetriebsstundenMotor, 13, tr("h"));
    show(ui->label_BetriebsstundenRoder, 14, tr("h"));
    show(ui->label_RodeflaecheGesamt, 1, tr("ha"));
    show(ui->label_Feld_Strecke, 3, tr("km"));
    show(ui->label_Strasse_Strecke, 4, tr("km"));
    show(ui->label_Zeit_Feld, 12, tr("h"));
    show(ui->label_Zeit_Strasse, 11, tr("h"));
    show(ui->label_Verbrauch_feld, 5, tr("l"));
    show(ui->label_Verbrauch_strasse, 8, tr("l"));
    show(ui->label_verbrauch_zeit_feld, 6, tr("l/h"));
    show(ui->label_verbrauch_zeit_strasse, 9, tr("l/h"));
    show(ui->label_verbrauch_hektar_feld, 7, tr("l/ha"));
    show(ui->label_verbrauch_km_strasse, 10, tr("l/km"));
    FieldRoadTable::vKeepValuesWhole(this);
}

void cSaisonData::vShowOrderTotals()
{
    m_bFileMode = false;
    const cOrderTotals& totals = ShownList::state().orderTotals;
    // Whole minutes, truncated; the sum over many orders can pass the int range.
    const qint64 s64FieldMinutes = qint64(totals.fFieldMinutes());
    const qint64 s64RoadMinutes = qint64(totals.fRoadMinutes());

    using NumberFormat::strScaled;
    ui->label_RodeflaecheGesamt->setText(strScaled(totals.s64AreaM2(), 4, 1) + " " + tr("ha"));
    ui->label_Feld_Strecke->setText(strScaled(totals.s64FieldMetres(), 3, 3) + " " + tr("km"));
    ui->label_Strasse_Strecke->setText(strScaled(totals.s64RoadMetres(), 3, 3) + " " + tr("km"));
    ui->label_Zeit_Feld->setText(StatisticsFigures::strPlainTimeWithUnit(s64FieldMinutes, tr("h")));
    ui->label_Zeit_Strasse->setText(StatisticsFigures::strPlainTimeWithUnit(s64RoadMinutes, tr("h")));
    ui->label_Verbrauch_feld->setText(strScaled(totals.s64FieldFuelMl(), 3, 1) + " " + tr("l"));
    ui->label_Verbrauch_strasse->setText(strScaled(totals.s64RoadFuelMl(), 3, 1) + " " + tr("l"));

    const OperatingHours hours = OperatingHours::fromOrderLines(ShownList::state().slLines);
    ui->label_BetriebsstundenMotor->setText(hours.strEngine);
    ui->label_BetriebsstundenRoder->setText(hours.strHarvester);

    // Fuel with no minutes, area or distance to divide by shows "-".
    const StatisticsFigures::Consumption c =
        StatisticsFigures::consumption(totals.fFieldFuel(), double(s64FieldMinutes), totals.fArea(),
                                       totals.fRoadFuel(), double(s64RoadMinutes), totals.fRoadDistance());
    ui->label_verbrauch_zeit_feld->setText(strWithUnit(strNumber(c.fieldPerHour, 'f', 1), tr("l/h")));
    ui->label_verbrauch_zeit_strasse->setText(strWithUnit(strNumber(c.roadPerHour, 'f', 1), tr("l/h")));
    ui->label_verbrauch_hektar_feld->setText(strWithUnit(strNumber(c.fieldPerHectare, 'f', 1), tr("l/ha")));
    ui->label_verbrauch_km_strasse->setText(strWithUnit(strNumber(c.roadPerKm, 'f', 1), tr("l/km")));

    ui->label_Ansicht->setText(tr("Ansicht") + ": " + tr("Summe"));
    FieldRoadTable::vKeepValuesWhole(this);
}

void cSaisonData::vSetConnectionState(bool _bConnected)
{
    m_bConnected = _bConnected;
    PageFrame::vSetProductLogo(ui->pushButton_Vemo_Icon, m_s32Screen, _bConnected);
    vUpdateButtons();
}

void cSaisonData::vSetLichtschalterIcon(const QString& _strIcon)
{
    PageFrame::vSetIcon(ui->pushButton_Lichtschalter, _strIcon, m_s32Screen / 9, m_s32Screen / 9);
}

void cSaisonData::vSetExpertModusIcon(const QString& _strIcon)
{
    PageFrame::vSetIcon(ui->pushButton_ExpertModus, _strIcon, m_s32Screen / 9, m_s32Screen / 9);
}

void cSaisonData::vTakeRequestWords(const QStringList& _slWords)
{
    hide();
    Navigation::vShowPage(Navigation::Caller::Main);
    if (!m_fnSend)
        return;
    for (const QString& word : _slWords)
        m_fnSend(word.toUtf8());
}

QString cSaisonData::strMailBody() const
{
    QStringList lines;
    lines << ui->label_Ansicht->text();
    lines << tr("Datei:") + " " + m_strFileName;
    if (ui->label_BetriebsstundenMotor->isVisibleTo(this)) {
        lines << tr("Betriebsstunden Motor") + ": " + ui->label_BetriebsstundenMotor->text();
        lines << tr("Betriebsstunden Roder") + ": " + ui->label_BetriebsstundenRoder->text();
    }
    lines << tr("Rodefläche") + ": " + ui->label_RodeflaecheGesamt->text();
    const QString field = tr("Feld");
    const QString road = tr("Straße");
    const auto row = [&](const QLabel* _pTitle, const QLabel* _pField, const QLabel* _pRoad) {
        if (_pField)
            lines << _pTitle->text() + " " + field + ": " + _pField->text();
        if (_pRoad)
            lines << _pTitle->text() + " " + road + ": " + _pRoad->text();
    };
    row(ui->label_StreckeTitel, ui->label_Feld_Strecke, ui->label_Strasse_Strecke);
    row(ui->label_ZeitTitel, ui->label_Zeit_Feld, ui->label_Zeit_Strasse);
    row(ui->label_VerbrauchTitel, ui->label_Verbrauch_feld, ui->label_Verbrauch_strasse);
    row(ui->label_VerbrauchZeitTitel, ui->label_verbrauch_zeit_feld, ui->label_verbrauch_zeit_strasse);
    row(ui->label_VerbrauchHektarTitel, ui->label_verbrauch_hektar_feld, nullptr);
    row(ui->label_VerbrauchKmTitel, nullptr, ui->label_verbrauch_km_strasse);
    return lines.join(QStringLiteral("\n"));
}

QUrl cSaisonData::mailUrl() const
{
    return MailUrl::urlTo(MailUrl::strStoredAddress(), ui->label_Ansicht->text() + " - " + m_strFileName,
                          strMailBody());
}

void cSaisonData::vSaveReport()
{
    const ListState& state = ShownList::state();
    if (m_bFileMode ? m_record.slFields.isEmpty() : state.slLines.size() <= 1) {
        Messages::vShow(this, tr("Keine Daten für einen Bericht"));
        return;
    }
    const QLocale locale = SettingsStore::interfaceLocale();
    const SeasonSheet sheet =
        m_bFileMode ? SeasonSheet::ofRecord(m_record, m_strViewName, m_strFileName)
                    : SeasonSheet::ofTotals(state.orderTotals, OperatingHours::fromOrderLines(state.slLines),
                                            m_strFileName, locale);
    const std::shared_ptr<cReportPdf> pReport = SeasonReport::pReport(sheet, locale, QDate::currentDate());
    ReportOffer::strSaveAndOffer(this, SeasonReport::strFileName(sheet), pReport->baFinish(),
                                 tr("Saisonbericht") + QStringLiteral(": ") + sheet.strView,
                                 ReportOffer::printingOf(pReport));
}

void cSaisonData::on_pushButton_SendEmail_clicked()
{
    QDesktopServices::openUrl(mailUrl());
}

void cSaisonData::vNavigate(Navigation::Target _target, Navigation::Caller _caller, bool _bHideFirst)
{
    if (!m_fnNavigate)
        return;
    if (_bHideFirst)
        hide();
    m_fnNavigate(_target, _caller);
}

void cSaisonData::on_pushButton_SendToTerminal_clicked()
{
    vNavigate(Navigation::Target::SourceDirectory, Navigation::Caller::Statistics, true);
}

void cSaisonData::on_pushButton_Download_clicked()
{
    vNavigate(Navigation::Target::DownloadSelection, Navigation::Caller::Statistics, false);
}

void cSaisonData::on_pushButton_Lichtschalter_clicked()
{
    emit lightSwitchToggleRequested();
}

void cSaisonData::on_pushButton_ExpertModus_clicked()
{
    emit expertModeToggleRequested();
}

void cSaisonData::on_pushButton_Einstellungen_clicked()
{
    vNavigate(Navigation::Target::Settings, Navigation::Caller::Season, true);
}

void cSaisonData::on_pushButton_heruntergeladeneDateien_clicked()
{
    vNavigate(Navigation::Target::DownloadedFiles, Navigation::Caller::Statistics, true);
}

void cSaisonData::on_pushButton_back_clicked()
{
    hide();
    emit backToListRequested();
    Navigation::vShowPage(Navigation::Caller::Main);
}

void cSaisonData::keyReleaseEvent(QKeyEvent* _pEvent)
{
    if (!m_bFileMode) {
        // The totals are a look from the list: any key returns to it.
        on_pushButton_back_clicked();
        return;
    }
    if (!PageFrame::bIsBackKey(_pEvent)) {
        QWidget::keyReleaseEvent(_pEvent);
        return;
    }
    // A statistics file is a start page of its own: leaving it ends the app.
    m_pYesNo->vSetTitle(QString());
    m_pYesNo->vSetText(tr("Möchten Sie die App schließen?"));
    if (m_pYesNo->exec() == 1)
        QCoreApplication::quit();
}

void cSaisonData::onRotate(Qt::ScreenOrientation)
{
    PageFrame::vRelayoutAvailable(this);
    vApplySizes();
}

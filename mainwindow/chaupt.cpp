#include "mainwindow/chaupt.h"

#include "app/datefield.h"
#include "app/messages.h"
#include "app/navigation.h"
#include "app/pageframe.h"
#include "app/settingsstore.h"
#include "mainwindow/clistentrydelegate.h"
#include "mainwindow/clistexports.h"
#include "mainwindow/clistmodels.h"
#include "mainwindow/csortfiltermodel.h"
#include "mainwindow/cterminalactions.h"
#include "ui_chaupt.h"

#include <QKeyEvent>
#include <QShortcut>
#include <QStandardItemModel>
#include <QTimer>

namespace
{

// The start screen shows the makers' logo and credit this long.
constexpr int START_SCREEN_MS = 2000;

} // namespace

cHaupt* cHaupt::instance()
{
    return PageFrame::tInstance<cHaupt>();
}

cHaupt::cHaupt() : QWidget(nullptr), ui(new Ui::cHaupt)
{
    ui->setupUi(this);
    m_pScreen = PageFrame::pFollowOrientation(this);

    PageFrame::vHideKeyboardOnFinish(ui->lineEdit);
    connect(ui->dateEdit_bis, &QDateEdit::dateChanged, this, &cHaupt::dateFilterChanged);
    connect(ui->dateEdit_von, &QDateEdit::dateChanged, this, &cHaupt::dateFilterChanged);

    for (QComboBox* pSelector :
         {ui->comboBox, ui->comboBox_Fahrer, ui->comboBox_Kunden, ui->comboBox_Schlag}) {
        for (int i = 0; i < pSelector->count(); ++i)
            pSelector->setItemData(i, Style::colorYellow(), Qt::BackgroundRole);
    }

    m_pModel = new QStandardItemModel(this);
    m_pModel->setObjectName(QStringLiteral("iStandardModel"));
    ui->lineEdit->setInputMethodHints(Qt::ImhNoPredictiveText);
    PageFrame::vMakeKinetic(ui->treeView);
    ui->treeView->setHeaderHidden(true);
    ui->treeView->setRootIsDecorated(false);
    // Every entry of a list has the same number of lines: the view measures
    // one row instead of asking each of them.
    ui->treeView->setUniformRowHeights(true);
    m_pDelegate = new cListEntryDelegate(ui->treeView);
    ui->treeView->setItemDelegate(m_pDelegate);

    m_pProxy = new cSortFilterModel(this);
    m_list.filter().s32SortIndex = ui->comboBox->currentIndex();
    m_list.filter().s32CustomerIndex = ui->comboBox_Kunden->currentIndex();
    m_pModels = new cListModels(ui->treeView, m_pModel, m_pProxy, m_pDelegate);
    m_pTerminal =
        new cTerminalActions({ui->pushButton_Live, ui->pushButton_Lichtschalter, ui->pushButton_Expertmodus,
                              ui->pushButton_Download, ui->pushButton_Send, ui->pushButton_Vemo_Icon},
                             this);
    connect(m_pTerminal, &cTerminalActions::expertModeIconChanged, this, &cHaupt::expertModeIconChanged);
    connect(m_pTerminal, &cTerminalActions::lightSwitchIconChanged, this, &cHaupt::lightSwitchIconChanged);
    connect(m_pTerminal, &cTerminalActions::finished, this, &cHaupt::finished);

    for (QDateEdit* pDate : {ui->dateEdit_von, ui->dateEdit_bis}) {
        pDate->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
        // A typed date counts once it is complete (Enter or leaving the
        // field): each change narrows the other field's range and rewrites
        // this field's text, which would throw away the digits typed so far.
        pDate->setKeyboardTracking(false);
        DateField::vSetup(pDate);
    }
    ui->dateEdit_von->setDate(QDate(2008, 1, 1));
    ui->dateEdit_von->setMaximumDate(QDate(2020, 12, 31));
    ui->dateEdit_bis->setDate(QDate(2020, 12, 31));

    m_pExports = new cListExports(this, m_list, [this] { vRefreshShownOrders(); });
    ui->horizontalLayout_Datum->addWidget(m_pExports->pButton());
    vApplySizes();
    m_pProxy->setSourceModel(m_pModel);
    m_pProxy->setObjectName(QStringLiteral("proxyModelViewKundenUndSchlaegeAuftragUndDatum"));

    m_pStartScreenTimer = new QTimer(this);
    m_pStartScreenTimer->setSingleShot(true);
    connect(m_pStartScreenTimer, &QTimer::timeout, this, &cHaupt::vHideAndShow);
    m_pStartScreenTimer->start(START_SCREEN_MS);
    // A tap on the makers' logo ends the start screen early.
    connect(ui->pushButton_LindqvarthLogo, &QPushButton::clicked, this, &cHaupt::vHideAndShow);

    // Hides the filter bar and the bottom bar until a list is shown.
    vShowStartScreen();

    // On a PC a list file can always be picked from disk.
    auto* pOpen = new QShortcut(QKeySequence::Open, this);
    connect(pOpen, &QShortcut::activated, this, &cHaupt::vChooseListFile);
}

cHaupt::~cHaupt()
{
    m_pTerminal->vStopPeriodicSearch();
    vStopBusy();
    delete ui;
}

// ---- sizes and styles -----------------------------------------------------------------------

void cHaupt::vApplySizes()
{
    m_s32Screen = PageFrame::s32ScreenUnit();
    const int S = m_s32Screen;
    const int s32Text = S / 25;
    m_pModels->vSetScreen(S);
    m_pExports->vSetScreen(S);
    m_pTerminal->vSetScreen(S);

    for (QLabel* pLabel : {ui->label_WhichFileTitel, ui->label_WhichFile, ui->label_Sortieren_Nach,
                           ui->label_Suche, ui->label_von, ui->label_bis}) {
        pLabel->setStyleSheet(Style::strLabelOnBlack(s32Text));
    }
    ui->label_Credits->setStyleSheet(Style::strTitleLabel(int(S / 51.2)));
    for (QComboBox* pSelector : {ui->comboBox, ui->comboBox_Fahrer, ui->comboBox_Kunden, ui->comboBox_Schlag})
        pSelector->setStyleSheet(Style::strComboBox(s32Text));
    ui->lineEdit->setStyleSheet(Style::strLineEdit(s32Text));

    QFont fontDate = ui->dateEdit_von->font();
    fontDate.setPixelSize(qMax(1, s32Text));
    for (QDateEdit* pDate : {ui->dateEdit_von, ui->dateEdit_bis}) {
        pDate->setStyleSheet(Style::strDateField());
        pDate->setFont(fontDate);
    }

    for (QPushButton* pButton : {ui->pushButton_SaisonData, ui->pushButton_heruntergeladeneDateien}) {
        pButton->setStyleSheet(Style::strButton(s32Text));
        pButton->setMinimumWidth(qRound(pButton->sizeHint().width() * 1.2));
    }
    for (QPushButton* pButton :
         {ui->pushButton_Einstellungen, ui->pushButton_Vemo_Icon, ui->pushButton_LindqvarthLogo,
          ui->pushButton_Send, ui->pushButton_Download, ui->pushButton_Live, ui->pushButton_Lichtschalter,
          ui->pushButton_Expertmodus, ui->pushButton_PlusFahrer, ui->pushButton_Hide_Show,
          ui->pushButton_SendFileTo}) {
        pButton->setStyleSheet(Style::strIconButton());
        pButton->setFlat(true);
    }

    const int s32Settings = int(S / 10.28);
    PageFrame::vSetIcon(ui->pushButton_Einstellungen, QStringLiteral(":/images/setting-icon.png"),
                        s32Settings, s32Settings);
    PageFrame::vSetProductLogo(ui->pushButton_Vemo_Icon, S, false);
    PageFrame::vSetIcon(ui->pushButton_LindqvarthLogo, QStringLiteral(":/LindqvarthLOGO.png"), S / 4, S / 5);
    PageFrame::vSetIcon(ui->pushButton_Send, QStringLiteral(":/images/arrow-58-128.png"), S / 9, S / 9);
    PageFrame::vSetIcon(ui->pushButton_Download, QStringLiteral(":/images/downloads-128.png"), S / 9, S / 9);
    PageFrame::vSetIcon(ui->pushButton_Live, QStringLiteral(":/images/play-4-128.png"), S / 9, S / 9);
    PageFrame::vSetIcon(ui->pushButton_Lichtschalter,
                        QString::fromLatin1(m_pTerminal->bLichtschalter() ? ":/Lichtschalter_Haupt_On.png"
                                                                          : ":/Lichtschalter_Haupt_Off.png"),
                        S / 9, S / 9);
    PageFrame::vSetIcon(
        ui->pushButton_Expertmodus,
        QString::fromLatin1(m_pTerminal->bExpertModus() ? ":/Expertmodus_ON.png" : ":/Expertmodus_OFF.png"),
        S / 9, S / 9);
    PageFrame::vSetIcon(ui->pushButton_PlusFahrer, QStringLiteral(":/plus-6-128.png"), S / 11, S / 11);
    PageFrame::vSetIcon(ui->pushButton_Hide_Show, QStringLiteral(":/arrow-143-128.png"), S / 12, S / 12);
    PageFrame::vSetIcon(ui->pushButton_SendFileTo, QStringLiteral(":/message-128.png"), S / 9, S / 11);
    ui->label_loading->setFixedSize(S / 9, S / 11);
}

void cHaupt::onRotate(Qt::ScreenOrientation)
{
    PageFrame::vRelayoutTransposed(this);
    const int s32Width = width() - 5;
    ui->treeView->setMinimumWidth(s32Width);
    ui->treeView->setMaximumWidth(s32Width);
    if (ui->scrollAreaWidgetContents->layout())
        ui->scrollAreaWidgetContents->layout()->invalidate();
    m_pModels->vSetColumnWidthsFor(m_list.kind(), s32Width);
}

void cHaupt::keyReleaseEvent(QKeyEvent* _pEvent)
{
    // The home page has nowhere to go back to; the other pages handle the key.
    _pEvent->ignore();
}

// ---- visibility -----------------------------------------------------------------------------

void cHaupt::vShowStartScreen()
{
    ui->label_Credits->show();
    ui->pushButton_LindqvarthLogo->show();
    ui->pushButton_Vemo_Icon->hide();
    ui->pushButton_Einstellungen->setVisible(slLines().size() <= 1);
    vHideFilterBar();
    for (QWidget* pWidget : std::initializer_list<QWidget*>{
             ui->pushButton_Send, ui->pushButton_SendFileTo, ui->pushButton_Download,
             ui->pushButton_SaisonData, ui->pushButton_PlusFahrer, ui->pushButton_Hide_Show,
             ui->label_loading, ui->pushButton_Live, ui->pushButton_Lichtschalter,
             ui->pushButton_Expertmodus}) {
        pWidget->hide();
    }
}

void cHaupt::vHideAndShow()
{
    // Runs once: after the start screen's time, or earlier on a tap on the logo.
    if (!m_pStartScreenTimer)
        return;
    m_pStartScreenTimer->stop();
    m_pStartScreenTimer->deleteLater();
    m_pStartScreenTimer = nullptr;

    ui->label_Credits->hide();
    ui->pushButton_LindqvarthLogo->hide();
    ui->pushButton_Einstellungen->show();
    // A file asked for meanwhile (settings page, file chooser) wins over the
    // one stored from the last run.
    if (!m_list.bOpenLastAtStart())
        return;
    strOpenListFile(m_list.strPfad());
    if (m_list.kind() == ListKind::Orders)
        vShowOrderTotalsPage(true);
}

void cHaupt::vHideFilterBar()
{
    for (QWidget* pWidget : std::initializer_list<QWidget*>{
             ui->dateEdit_bis, ui->dateEdit_von, ui->label_von, ui->label_bis, ui->label_WhichFileTitel,
             ui->label_WhichFile, ui->label_Suche, ui->pushButton_heruntergeladeneDateien, ui->lineEdit,
             ui->comboBox, ui->comboBox_Fahrer, ui->comboBox_Kunden, ui->comboBox_Schlag,
             ui->label_Sortieren_Nach, m_pExports->pButton()}) {
        pWidget->hide();
    }
}

void cHaupt::vShowFilterBarOfKind()
{
    PageFrame::vSetIcon(ui->pushButton_Hide_Show, QStringLiteral(":/arrow-143-128.png"), m_s32Screen / 12,
                        m_s32Screen / 12);
    const ListKind kind = m_list.kind();
    const bool bOrders = kind == ListKind::Orders;
    const bool bCustomers = kind == ListKind::Customers;
    const bool bList = bOrders || bCustomers || kind == ListKind::Fields || kind == ListKind::Drivers;

    ui->label_Credits->hide();
    ui->pushButton_LindqvarthLogo->hide();
    ui->pushButton_SaisonData->setVisible(bOrders);
    for (QWidget* pWidget : std::initializer_list<QWidget*>{ui->label_von, ui->dateEdit_von, ui->label_bis,
                                                            ui->dateEdit_bis, m_pExports->pButton()})
        pWidget->setVisible(bOrders);
    ui->comboBox->setVisible(bOrders);
    ui->comboBox_Kunden->setVisible(bCustomers);
    ui->comboBox_Fahrer->hide();
    ui->comboBox_Schlag->hide();
    ui->label_Sortieren_Nach->setVisible(bOrders || bCustomers);
    // New drivers are added to an open drivers list only.
    ui->pushButton_PlusFahrer->setVisible(kind == ListKind::Drivers);
    for (QWidget* pWidget : std::initializer_list<QWidget*>{ui->label_Suche, ui->lineEdit})
        pWidget->setVisible(bList);
    // The file line belongs to every read file, not only to the lists:
    // expanding the bar must not take it away.
    ui->label_WhichFileTitel->setVisible(m_list.bFileRead());
    ui->label_WhichFile->setVisible(m_list.bFileRead());
    ui->pushButton_heruntergeladeneDateien->setVisible(bList && Navigation::bCanOpen());
}

void cHaupt::on_pushButton_Hide_Show_clicked()
{
    const int s32Icon = m_s32Screen / 12;
    if (!ui->label_Suche->isHidden()) {
        PageFrame::vSetIcon(ui->pushButton_Hide_Show, QStringLiteral(":/arrow-205-128.png"), s32Icon,
                            s32Icon);
        for (QWidget* pWidget : std::initializer_list<QWidget*>{
                 ui->dateEdit_bis, ui->dateEdit_von, ui->label_von, ui->label_bis, ui->comboBox,
                 ui->comboBox_Fahrer, ui->comboBox_Kunden, ui->comboBox_Schlag, ui->label_Sortieren_Nach,
                 ui->label_Suche, ui->pushButton_heruntergeladeneDateien, ui->lineEdit,
                 m_pExports->pButton()}) {
            pWidget->hide();
        }
        return;
    }
    vShowFilterBarOfKind();
}

// ---- hooks ----------------------------------------------------------------------------------

void cHaupt::vSetMessageSender(const std::function<void(const QByteArray&)>& _fnSend)
{
    m_pTerminal->vSetMessageSender(_fnSend);
}

void cHaupt::vSetPeriodicSearch(const std::function<void()>& _fnSearch)
{
    m_pTerminal->vSetPeriodicSearch(_fnSearch);
}

void cHaupt::vSetRefreshIndexSource(const std::function<int()>& _fnRefreshIndex)
{
    m_pTerminal->vSetRefreshIndexSource(_fnRefreshIndex);
}

bool cHaupt::bExpertModus() const
{
    return m_pTerminal->bExpertModus();
}

bool cHaupt::bLichtschalter() const
{
    return m_pTerminal->bLichtschalter();
}

bool cHaupt::bPeriodicSearchRunning() const
{
    return m_pTerminal->bPeriodicSearchRunning();
}

void cHaupt::vNavigate(Navigation::Target _target, bool _bHideFirst)
{
    if (!Navigation::bCanOpen())
        return;
    if (_bHideFirst)
        hide();
    Navigation::vOpen(_target, Navigation::Caller::Main);
}

void cHaupt::vPublishListState()
{
    emit listStateChanged(listState());
}

void cHaupt::vShowMessage(const QString& _strText)
{
    Messages::vShow(this, _strText);
}

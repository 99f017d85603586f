#include "mainwindow/chaupt.h"

#include "app/pageframe.h"
#include "mainwindow/csortfiltermodel.h"
#include "mainwindow/listcolumns.h"
#include "terminal/liverequest.h"
#include "ui_chaupt.h"

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

    m_pModel = new QStandardItemModel(this);
    m_pModel->setObjectName(QStringLiteral("iStandardModel"));
    m_pProxy = new cSortFilterModel(this);
    m_pExports = new cListExports(this, m_list, [this] { m_pDisplay->vRefreshShownOrders(); });
    m_pForm = new cMainWindowForm(ui, m_pExports->pButton());
    m_pDisplay = new cListDisplay(this, ui, m_list, m_pForm, m_pModel, m_pProxy);
    m_pArchive = new cArchiveDisplay(this, ui);
    connect(m_pArchive, &cArchiveDisplay::selectionChanged, this, &cHaupt::vShowArchiveList);
    connect(m_pArchive, &cArchiveDisplay::leaveRequested, this, &cHaupt::vLeaveArchive);
    m_pExports->vSetShownSource([this](cListExports::ShownOrders& _orders, QString* _pMessage) {
        if (!m_pArchive->bActive())
            return false;
        // A failure leaves its reason in _pMessage.
        m_pArchive->bShownOrders(_orders, _pMessage);
        return true;
    });
    m_pDrivers = new cDriverEdits(
        this, m_list, m_pDisplay, [this] { vPublishListState(); }, [this] { vOpenPendingFile(); });
    m_pTaps = new cListEntryTaps(this, m_list, [this](const QModelIndex& _index) { vOpenOrder(_index); });
    m_pTerminal = new cTerminalActions(ui, this);
    connect(m_pTerminal, &cTerminalActions::expertModeIconChanged, this, &cHaupt::expertModeIconChanged);
    connect(m_pTerminal, &cTerminalActions::lightSwitchIconChanged, this, &cHaupt::lightSwitchIconChanged);
    connect(m_pTerminal, &cTerminalActions::periodicSearchRequested, this, &cHaupt::periodicSearchRequested);
    connect(m_pTerminal, &cTerminalActions::finished, this, &cHaupt::finished);

    m_list.filter().s32SortIndex = ui->comboBox->currentIndex();
    m_list.filter().s32CustomerIndex = ui->comboBox_Kunden->currentIndex();
    m_pForm->vSetUp();
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
    m_pForm->vShowStartScreen(slLines().size() <= 1);

    // On a PC a list file can always be picked from disk.
    auto* pOpen = new QShortcut(QKeySequence::Open, this);
    connect(pOpen, &QShortcut::activated, this, &cHaupt::vChooseListFile);
}

cHaupt::~cHaupt()
{
    m_pTerminal->vStopPeriodicSearch();
    m_pDisplay->vStopBusy();
    delete m_pTaps;
    delete m_pDrivers;
    delete m_pDisplay;
    delete m_pForm;
    delete ui;
}

void cHaupt::vApplySizes()
{
    m_s32Screen = PageFrame::s32ScreenUnit();
    m_pDisplay->vSetScreen(m_s32Screen);
    m_pArchive->vSetScreen(m_s32Screen);
    m_pExports->vSetScreen(m_s32Screen);
    m_pTerminal->vSetScreen(m_s32Screen);
    m_pForm->vApplySizes(m_s32Screen, m_pTerminal->bLichtschalter(), m_pTerminal->bExpertModus());
}

void cHaupt::vHideAndShow()
{
    // Runs once: after the start screen's time, or earlier on a tap on the logo.
    if (!m_pStartScreenTimer)
        return;
    m_pStartScreenTimer->stop();
    m_pStartScreenTimer->deleteLater();
    m_pStartScreenTimer = nullptr;
    m_pForm->vEndStartScreen();
    // A file asked for meanwhile (settings page, file chooser) wins over the
    // one stored from the last run.
    if (!m_list.bOpenLastAtStart())
        return;
    strOpenListFile(m_list.strPfad());
    if (m_list.kind() == ListKind::Orders)
        vShowOrderTotalsPage(true);
}

void cHaupt::vOpenOrder(const QModelIndex& _index)
{
    if (m_pArchive->bActive()) {
        vOpenArchiveOrder(_index.row());
        return;
    }
    // The order number is the record's line number in its file.
    const int s32Number =
        _index.sibling(_index.row(), ListColumns::ENTRY).data(ListColumns::ORDER_NUMBER_ROLE).toInt();
    // The order pages step through the list as it is shown now; taken again
    // only when the search or the dates changed since.
    m_pDisplay->vRefreshShownOrders();
    const int s32Current = m_list.s32OpenOrder(s32Number, _index.row());
    vPublishListState();
    emit vSendTextToDialog(strCurrentOrderLine(), qMax(0, s32Current), m_list.s32SortMode());
    hide();
    Navigation::vOpen(Navigation::Target::OrderPages, Navigation::Caller::Main);
}

void cHaupt::vNavigate(Navigation::Target _target, bool _bHideFirst)
{
    if (!Navigation::bCanOpen())
        return;
    if (_bHideFirst)
        hide();
    Navigation::vOpen(_target, Navigation::Caller::Main);
}

void cHaupt::on_pushButton_Einstellungen_clicked()
{
    if (Navigation::bCanOpen())
        vNavigate(Navigation::Target::Settings, true);
    else
        vChooseListFile();
}

void cHaupt::vChooseListFile()
{
    const QString strPath = m_pForm->strChooseListFile(this, strPfad());
    if (strPath.isEmpty())
        return;
    m_list.vMarkReadRequested();
    strOpenListFile(strPath);
}

QByteArray cHaupt::baStartLiveMessage(int _s32RefreshIndex)
{
    return LiveRequest::baStart(LiveRequest::u16IntervalForIndex(_s32RefreshIndex));
}

void cHaupt::on_pushButton_Live_clicked()
{
    if (!Navigation::bCanOpen())
        return;
    hide();
    m_pTerminal->vStartLive();
    vNavigate(Navigation::Target::Live, false);
}

void cHaupt::vSetConnectionState(bool _bConnected, bool _bByUser)
{
    m_pTerminal->vSetConnectionState(_bConnected, _bByUser);
    repaint();
}

#include "mainwindow/chaupt.h"

#include "app/messages.h"
#include "app/navigation.h"
#include "app/pageframe.h"
#include "app/settingsstore.h"
#include "mainwindow/clistentrydelegate.h"
#include "mainwindow/clistexports.h"
#include "mainwindow/clistmodels.h"
#include "mainwindow/cmainwindowform.h"
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

    m_pModel = new QStandardItemModel(this);
    m_pModel->setObjectName(QStringLiteral("iStandardModel"));
    m_pDelegate = new cListEntryDelegate(ui->treeView);
    ui->treeView->setItemDelegate(m_pDelegate);
    m_pProxy = new cSortFilterModel(this);
    m_pModels = new cListModels(ui->treeView, m_pModel, m_pProxy, m_pDelegate);
    m_pExports = new cListExports(this, m_list, [this] { vRefreshShownOrders(); });
    ui->horizontalLayout_Datum->addWidget(m_pExports->pButton());
    m_pForm = new cMainWindowForm(ui, m_pExports->pButton());
    m_pTerminal =
        new cTerminalActions({ui->pushButton_Live, ui->pushButton_Lichtschalter, ui->pushButton_Expertmodus,
                              ui->pushButton_Download, ui->pushButton_Send, ui->pushButton_Vemo_Icon},
                             this);
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
    vStopBusy();
    delete m_pForm;
    delete m_pModels;
    delete ui;
}

void cHaupt::vApplySizes()
{
    m_s32Screen = PageFrame::s32ScreenUnit();
    m_pModels->vSetScreen(m_s32Screen);
    m_pExports->vSetScreen(m_s32Screen);
    m_pTerminal->vSetScreen(m_s32Screen);
    m_pForm->vApplySizes(m_s32Screen, m_pTerminal->bLichtschalter(), m_pTerminal->bExpertModus());
}

void cHaupt::onRotate(Qt::ScreenOrientation)
{
    m_pModels->vSetColumnWidthsFor(m_list.kind(), m_pForm->s32FitList(this));
}

void cHaupt::keyReleaseEvent(QKeyEvent* _pEvent)
{
    // The home page has nowhere to go back to; the other pages handle the key.
    _pEvent->ignore();
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

void cHaupt::on_pushButton_Hide_Show_clicked()
{
    m_pForm->vToggleFilterBar(m_list.kind(), m_list.bFileRead());
}

// ---- hooks ----------------------------------------------------------------------------------

void cHaupt::vSetMessageSender(const std::function<void(const QByteArray&)>& _fnSend)
{
    m_pTerminal->vSetMessageSender(_fnSend);
}

void cHaupt::vSetPeriodicSearchProbe(const std::function<bool()>& _fnRunning)
{
    m_pTerminal->vSetPeriodicSearchProbe(_fnRunning);
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

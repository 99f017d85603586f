#include "mainwindow/carchivedisplay.h"

#include "app/pageframe.h"
#include "data/archivestore.h"
#include "data/searchindex.h"
#include "mainwindow/carchiveordermodel.h"
#include "mainwindow/corderentries.h"
#include "mainwindow/csortfiltermodel.h"
#include "ui_chaupt.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRegularExpression>

namespace
{

const char* const VIEW_CONNECTION = "archive-view";

// The kinds the selector offers, in its order.
const ListKind KINDS[] = {ListKind::Orders, ListKind::Customers, ListKind::Fields, ListKind::Drivers};

ArchiveView::EntryLayout entryLayout(int _s32SortMode)
{
    const cOrderEntries entries({QString()}, _s32SortMode, 1);
    ArchiveView::EntryLayout layout;
    layout.layout = entries.searchLayout(&layout.sources);
    return layout;
}

} // namespace

cArchiveDisplay::cArchiveDisplay(QWidget* _pWindow, Ui::cHaupt* _pUi)
    : QObject(_pWindow), m_pWindow(_pWindow), m_pUi(_pUi)
{
    vBuildBar();
}

cArchiveDisplay::~cArchiveDisplay()
{
    delete m_pModel;
    m_database = QSqlDatabase();
    if (!m_strDatabaseName.isEmpty())
        QSqlDatabase::removeDatabase(m_strDatabaseName);
}

void cArchiveDisplay::vBuildBar()
{
    m_pBar = new QWidget(m_pWindow);
    m_pBar->setObjectName(QStringLiteral("widget_Archiv"));
    auto* pLayout = new QHBoxLayout(m_pBar);
    pLayout->setContentsMargins(0, 0, 0, 0);
    m_pKind = new QComboBox(m_pBar);
    m_pKind->setObjectName(QStringLiteral("comboBox_ArchivArt"));
    m_pKind->addItems({tr("Aufträge"), tr("Kunden"), tr("Schläge"), tr("Fahrer")});
    m_pMachine = new QComboBox(m_pBar);
    m_pMachine->setObjectName(QStringLiteral("comboBox_Maschine"));
    m_pSeason = new QComboBox(m_pBar);
    m_pSeason->setObjectName(QStringLiteral("comboBox_Kampagne"));
    for (QComboBox* pSelector : {m_pKind, m_pMachine, m_pSeason}) {
        // The selectors share the width whatever their texts: a long
        // machine name must not widen the window past a portrait screen.
        pSelector->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        pSelector->setMinimumContentsLength(4);
        pSelector->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        pLayout->addWidget(pSelector, 1);
        connect(pSelector, QOverload<int>::of(&QComboBox::activated), this,
                &cArchiveDisplay::vSelectorsChanged);
    }
    m_pBack = new QPushButton(tr("Zur Datei"), m_pBar);
    m_pBack->setObjectName(QStringLiteral("pushButton_ZurDatei"));
    pLayout->addWidget(m_pBack);
    connect(m_pBack, &QPushButton::clicked, this, &cArchiveDisplay::leaveRequested);
    // The bar goes under the file line.
    const int s32FileLine = m_pUi->verticalLayout->indexOf(m_pUi->horizontalLayout_Datei);
    m_pUi->verticalLayout->insertWidget(s32FileLine + 1, m_pBar);
    m_pBar->hide();
}

void cArchiveDisplay::vSetScreen(int _s32Screen)
{
    m_s32Screen = _s32Screen;
    const int s32Text = qMax(1, _s32Screen / 25);
    for (QComboBox* pSelector : {m_pKind, m_pMachine, m_pSeason})
        pSelector->setStyleSheet(Style::strComboBox(s32Text));
    m_pBack->setStyleSheet(Style::strButton(s32Text));
}

QString cArchiveDisplay::strMessage(const QSqlError& _error) const
{
    return tr("Das Archiv %1 kann nicht gelesen werden: %2")
        .arg(m_database.databaseName(), _error.text().isEmpty() ? tr("unbekannter Fehler") : _error.text());
}

bool cArchiveDisplay::bOpen(QString* _pMessage)
{
    // Connected anew at every opening: the settings may name another archive now.
    if (m_pModel)
        m_pModel->vClear();
    m_database = QSqlDatabase();
    QString strMessage;
    if (m_fnConnect) {
        m_database = m_fnConnect(&strMessage);
    } else {
        m_strDatabaseName = QLatin1String(VIEW_CONNECTION);
        QSqlDatabase::removeDatabase(m_strDatabaseName);
        cArchiveStore store(
            cArchiveStore::sqliteConnection(cArchiveStore::strDefaultPath(), m_strDatabaseName));
        const ArchiveOpenResult opened = store.open();
        strMessage = opened.strMessage;
        if (opened.bUsable())
            m_database = store.database();
    }
    if (!m_database.isOpen()) {
        *_pMessage = strMessage;
        return false;
    }
    QSqlError error;
    if (!ArchiveView::bEnsureCustomerRanks(m_database, QLocale().name(), error) ||
        !ArchiveView::bMachines(m_database, m_machines, error) ||
        !ArchiveView::bSeasons(m_database, m_slSeasons, error)) {
        *_pMessage = this->strMessage(error);
        return false;
    }
    if (!m_pModel)
        m_pModel = new cArchiveOrderModel(m_s32Screen);
    m_kind = ListKind::Orders;
    m_selection = ArchiveView::Selection();
    vFillSelectors();
    m_bActive = true;
    m_pBar->show();
    m_pSeason->show();
    // The archive's name is longer than a file's: it wraps rather than
    // widen the window.
    m_pUi->label_WhichFile->setWordWrap(true);
    return true;
}

void cArchiveDisplay::vLeave()
{
    m_bActive = false;
    m_pBar->hide();
    m_pUi->label_WhichFile->setWordWrap(false);
    if (m_pModel)
        m_pModel->vClear();
}

void cArchiveDisplay::vFillSelectors()
{
    const QSignalBlocker blockKind(m_pKind);
    const QSignalBlocker blockMachine(m_pMachine);
    const QSignalBlocker blockSeason(m_pSeason);
    m_pKind->setCurrentIndex(0);
    m_pMachine->clear();
    m_pMachine->addItem(tr("Alle Maschinen"));
    for (const ArchiveMachine& machine : qAsConst(m_machines))
        m_pMachine->addItem(strMachineName(machine));
    m_pSeason->clear();
    m_pSeason->addItem(tr("Alle Kampagnen"));
    m_pSeason->addItems(m_slSeasons);
}

QString cArchiveDisplay::strMachineName(const ArchiveMachine& _machine) const
{
    if (_machine.strChassis.isEmpty())
        return tr("ohne Maschine");
    // Two terminals on one chassis are told apart by their serial numbers.
    int s32SameChassis = 0;
    for (const ArchiveMachine& other : m_machines)
        s32SameChassis += other.strChassis == _machine.strChassis ? 1 : 0;
    return s32SameChassis > 1 ? QStringLiteral("%1 (%2)").arg(_machine.strChassis, _machine.strSerial)
                              : _machine.strChassis;
}

void cArchiveDisplay::vSelectorsChanged()
{
    m_kind = KINDS[qBound(0, m_pKind->currentIndex(), 3)];
    const int s32Machine = m_pMachine->currentIndex();
    m_selection.bAllMachines = s32Machine <= 0 || s32Machine > m_machines.size();
    m_selection.machine = m_selection.bAllMachines ? ArchiveMachine() : m_machines.at(s32Machine - 1);
    m_selection.strSeason = m_pSeason->currentIndex() > 0 ? m_pSeason->currentText() : QString();
    // Seasons are a thing of orders.
    m_pSeason->setVisible(m_kind == ListKind::Orders);
    emit selectionChanged();
}

QString cArchiveDisplay::strHeader() const
{
    QStringList sl{tr("Archiv")};
    if (m_kind != ListKind::Orders)
        sl << m_pKind->currentText();
    sl << (m_selection.bAllMachines ? tr("Alle Maschinen") : strMachineName(m_selection.machine));
    if (m_kind == ListKind::Orders)
        sl << (m_selection.strSeason.isEmpty() ? tr("Alle Kampagnen") : m_selection.strSeason);
    return sl.join(QStringLiteral(" – "));
}

bool cArchiveDisplay::bShowOrders(QString* _pMessage)
{
    QSqlError error;
    if (m_pModel->bShow(m_database, m_selection, entryLayout(m_selection.s32SortMode), &error))
        return true;
    *_pMessage = strMessage(error);
    return false;
}

void cArchiveDisplay::vSetFilter(int _s32SortMode, const QString& _strTyped, const QDate& _dateFrom,
                                 const QDate& _dateTo, const QString& _strCustomerNumber)
{
    m_selection.s32SortMode = _s32SortMode == 0 ? 0 : 1;
    vApplySearch(m_selection, _strTyped);
    m_selection.dateFrom = _dateFrom;
    m_selection.dateTo = _dateTo;
    m_selection.strCustomerNumber = _strCustomerNumber;
}

bool cArchiveDisplay::bCustomers(QVector<OrderCustomer>& _customers, QString* _pMessage)
{
    QSqlError error;
    if (ArchiveView::bCustomers(m_database, m_selection, _customers, error))
        return true;
    *_pMessage = strMessage(error);
    return false;
}

void cArchiveDisplay::vApplySearch(ArchiveView::Selection& _selection, const QString& _strTyped)
{
    _selection.baNeedle.clear();
    _selection.furtherNeedles.clear();
    _selection.fnPattern = nullptr;
    const SortFilter::SearchMatcher matcher(SortFilter::searchPattern(_strTyped));
    if (matcher.pattern().pattern().isEmpty())
        return;
    if (matcher.bPlainIgnoringCase()) {
        _selection.baNeedle = cSearchIndex::baFolded(matcher.strPlain());
        return;
    }
    // Wildcards: the list's own pattern on each row's folded text. The texts
    // between "*" and "?" are in every row it finds: the database looks for
    // them first (not where brackets or a backslash make the pattern's
    // letters something else).
    _selection.fnPattern = [matcher](const QString& _strFolded) { return matcher.bMatches(_strFolded); };
    if (_strTyped.contains(QRegularExpression(QStringLiteral("[\\[\\]\\\\]"))))
        return;
    for (const QString& strPiece :
         _strTyped.split(QRegularExpression(QStringLiteral("[*?]")), Qt::SkipEmptyParts)) {
        const QByteArray baPiece = cSearchIndex::baFolded(strPiece);
        if (baPiece.size() > _selection.baNeedle.size()) {
            if (!_selection.baNeedle.isEmpty())
                _selection.furtherNeedles << _selection.baNeedle;
            _selection.baNeedle = baPiece;
        } else {
            _selection.furtherNeedles << baPiece;
        }
    }
}

void cArchiveDisplay::vDateRange(QDate& _dateMin, QDate& _dateMax)
{
    QSqlError error;
    if (!ArchiveView::bDateRange(m_database, _dateMin, _dateMax, error)) {
        _dateMin = QDate();
        _dateMax = QDate();
    }
}

bool cArchiveDisplay::bLines(QStringList& _slLines, QString* _pMessage)
{
    QSqlError error;
    if (ArchiveView::bLatestLines(m_database, m_kind,
                                  m_selection.bAllMachines ? nullptr : &m_selection.machine, _slLines, error))
        return true;
    *_pMessage = strMessage(error);
    return false;
}

ListState cArchiveDisplay::orderState(int _s32Row)
{
    ListState state;
    state.strFileName = strHeader();
    if (!m_pModel || !m_pModel->bEnsureRow(_s32Row))
        return state;
    // The next order is read before it is stepped to.
    m_pModel->bEnsureRow(_s32Row + 1);
    const ArchiveView::OrderRow& row = m_pModel->row(_s32Row);
    // Both as the order pages step through a file's: the lines after a
    // header by number, the sorted lines otherwise.
    state.slSortedOrderLines = m_pModel->slLines();
    state.slLines = QStringList{QString()} + state.slSortedOrderLines;
    state.strCurrentOrderLine = row.strLine;
    // The import keeps each season's totals: one row.
    QSqlError error;
    ArchiveView::bSeasonTotals(m_database, row.machine, row.strSeason, state.orderTotals, error);
    state.strAverageScope = strMachineName(row.machine) + QStringLiteral(" – ") + row.strSeason;
    return state;
}

bool cArchiveDisplay::bForEachShown(const std::function<bool(const ArchiveView::OrderRow&)>& _fnRow,
                                    QString* _pMessage)
{
    QSqlError error;
    if (ArchiveView::bForEach(m_database, m_selection, entryLayout(m_selection.s32SortMode), _fnRow, error))
        return true;
    *_pMessage = strMessage(error);
    return false;
}

bool cArchiveDisplay::bShownTotals(cOrderTotals& _totals, QString* _pMessage)
{
    QSqlError error;
    if (ArchiveView::bSelectionTotals(m_database, m_selection, _totals, error))
        return true;
    *_pMessage = strMessage(error);
    return false;
}

bool cArchiveDisplay::bShownOrders(cListExports::ShownOrders& _orders, QString* _pMessage)
{
    if (!bForEachShown(
            [&](const ArchiveView::OrderRow& _row) {
                _orders.slLines << _row.strLine;
                _orders.slMachines << _row.machine.strChassis;
                return true;
            },
            _pMessage))
        return false;
    const ArchiveMachine* pMachine = m_selection.bAllMachines ? nullptr : &m_selection.machine;
    QSqlError error;
    for (const auto& list : {std::make_pair(ListKind::Customers, &_orders.slCustomerLines),
                             std::make_pair(ListKind::Drivers, &_orders.slDriverLines),
                             std::make_pair(ListKind::Fields, &_orders.slFieldLines)}) {
        if (!ArchiveView::bLatestLines(m_database, list.first, pMachine, *list.second, error)) {
            *_pMessage = strMessage(error);
            return false;
        }
        // The machines share their customers: each line once.
        list.second->removeDuplicates();
    }
    return true;
}

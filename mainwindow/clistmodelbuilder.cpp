#include "mainwindow/clistmodelbuilder.h"

#include "app/pageframe.h"
#include "data/fieldreaders.h"
#include "data/listrecords.h"
#include "data/numberformat.h"
#include "data/ordertotals.h"
#include "data/searchindex.h"
#include "data/sortkeys.h"
#include "mainwindow/corderentries.h"
#include "mainwindow/csortfiltermodel.h"
#include "mainwindow/listcolumns.h"

#include <QLinearGradient>
#include <QStandardItemModel>

namespace
{

QString strLine(const QString& _strLabel, const QString& _strValue)
{
    return _strLabel + QStringLiteral(": ") + _strValue;
}

} // namespace

cListModelBuilder::cListModelBuilder(QStandardItemModel* _pModel, int _s32Screen)
    : m_pModel(_pModel), m_s32Screen(qMax(1, _s32Screen))
{
    QFont fontItem;
    fontItem.setPixelSize(qMax(1, m_s32Screen / 32));
    QLinearGradient gradient(0, 0, 0, 3 * m_s32Screen / 4);
    gradient.setColorAt(0, Style::colorYellow());
    gradient.setColorAt(1, Qt::black);
    const QBrush brushEntry(gradient);

    m_pEntryPrototype = std::make_unique<QStandardItem>();
    m_pEntryPrototype->setFont(fontItem);
    m_pEntryPrototype->setBackground(brushEntry);
    m_pDeletePrototype.reset(m_pEntryPrototype->clone());
    const int s32Icon = m_s32Screen * 6 / 32;
    const QPixmap pixBin(QStringLiteral(":/Muelleimer.png"));
    if (!pixBin.isNull()) {
        m_pDeletePrototype->setData(
            pixBin.scaled(s32Icon, s32Icon, Qt::KeepAspectRatio, Qt::SmoothTransformation),
            Qt::DecorationRole);
    }
}

cListModelBuilder::~cListModelBuilder() = default;

// ---- entry texts --------------------------------------------------------------------------

QString cListModelBuilder::strCustomerEntry(const CustomerRecord& _record, bool _bNameFirst)
{
    const QString strNumber = strLine(tr("Kunden Nummer"), _record.strNumber);
    const QString strName =
        strLine(tr("Kunden Name"), _record.strName1 + QLatin1Char(' ') + _record.strName2);
    QStringList slLines;
    if (_bNameFirst)
        slLines << strName << strNumber;
    else
        slLines << strNumber << strName;
    slLines << strLine(tr("Strasse"), _record.strStreet)
            << strLine(tr("PLZ") + QLatin1Char('/') + tr("Ort"),
                       _record.strPostcode + QLatin1Char(' ') + _record.strTown)
            << strLine(tr("Telefon"), _record.strPhone);
    return slLines.join(QLatin1Char('\n'));
}

QString cListModelBuilder::strFieldEntry(const FieldRecord& _record)
{
    return QStringList{strLine(tr("Kunden Nummer"), _record.strCustomerNumber),
                       strLine(tr("Kunde"), _record.strCustomer), strLine(tr("Schlag"), _record.strField),
                       strLine(tr("Fläche"), _record.strArea), strLine(tr("Entfernung"), _record.strDistance)}
        .join(QLatin1Char('\n'));
}

QString cListModelBuilder::strDriverEntry(const DriverRecord& _record)
{
    return QStringList{strLine(tr("Fahrer Nummer"), _record.strNumber),
                       strLine(tr("Fahrer Name"), _record.strName1 + QLatin1Char(' ') + _record.strName2),
                       strLine(tr("Strasse"), _record.strStreet),
                       strLine(tr("PLZ") + QLatin1Char('/') + tr("Ort"),
                               _record.strPostcode + QLatin1Char(' ') + _record.strTown),
                       strLine(tr("Telefon"), _record.strPhone),
                       strLine(tr("eMail"), _record.strEmail)}
        .join(QLatin1Char('\n'));
}

// ---- items --------------------------------------------------------------------------------

QStandardItem* cListModelBuilder::pEntryItem(const QString& _strText, int _s32Line) const
{
    QStandardItem* pItem = m_pEntryPrototype->clone();
    pItem->setText(_strText);
    pItem->setData(_s32Line, ListColumns::LINE_ROLE);
    return pItem;
}

QStandardItem* cListModelBuilder::pPlainItem(const QString& _strText) const
{
    return new QStandardItem(_strText);
}

void cListModelBuilder::vStart()
{
    m_pModel->clear();
    m_timerYield.start();
}

void cListModelBuilder::vYieldIfDue()
{
    // Keeps the busy indicator turning without paying for an event pass per
    // record: a 100,000-line file would otherwise spend most of its time here.
    // The clock itself is read every 256 records.
    if (m_fnYield && (++m_u32Records & 0xFF) == 0 && m_timerYield.elapsed() >= YIELD_INTERVAL_MS) {
        m_fnYield();
        m_timerYield.restart();
    }
}

// ---- builders -----------------------------------------------------------------------------

namespace
{

// A field that holds nothing but the terminal's NUL padding reads as empty.
bool bCleanEmpty(const QStringRef& _strField)
{
    for (const QChar c : _strField) {
        if (c.unicode() != 0)
            return false;
    }
    return true;
}

// The sort key of an order row: the order number (mode 0, as a number where
// it is one) or the customer name with the customer number in brackets.
void vAppendSortKey(cSortKeys& _keys, const RecordFields& _fields, int _s32Mode)
{
    if (_s32Mode != 0) {
        QString strKey;
        strKey.reserve(_fields.field(3).size() + _fields.field(2).size() + 3);
        strKey += _fields.strClean(3);
        strKey += QLatin1String(" (");
        strKey += _fields.strClean(2);
        strKey += QLatin1Char(')');
        _keys.vAppend(strKey);
    } else if (const int s32Number = _fields.s32Int(0)) {
        _keys.vAppendNumber(s32Number); // its text only when compared as a text
    } else {
        _keys.vAppend(_fields.strClean(0));
    }
}

// Widens the range [_dateMin, _dateMax] to take in a valid date.
void vWidenRange(const QDate& _date, QDate& _dateMin, QDate& _dateMax)
{
    if (!_date.isValid())
        return;
    if (!_dateMin.isValid() || _date < _dateMin)
        _dateMin = _date;
    if (!_dateMax.isValid() || _date > _dateMax)
        _dateMax = _date;
}

} // namespace

namespace
{

// What one pass over the order records collects, in the file's order.
struct OrderScan {
    QVector<int> lines;
    QVector<QDate> dates;
    cSortKeys keys;
    cSearchIndex search;
    // Each row's customer as a place among the numbers met so far.
    QVector<int> customers;
    SortFilter::RowKeys customerKeys;
    QHash<QString, int> customerPlaces;

    explicit OrderScan(int _s32Records)
    {
        lines.reserve(_s32Records);
        dates.reserve(_s32Records);
        keys.vReserve(_s32Records);
        search.vReserve(_s32Records, 160);
        customers.reserve(_s32Records);
    }
};

// The rows in their sorted order: the filter's keys, each row's line in the
// file and the model's items.
QList<QStandardItem*> sortedItems(OrderScan& _scan, const QStringList& _slLines,
                                  const std::shared_ptr<const cOrderEntries>& _pEntries,
                                  cListModelBuilder::OrderRows& _rows)
{
    _scan.keys.vSetTextProvider(
        [&](int _s32Row) { return RecordFields(_slLines.at(_scan.lines.at(_s32Row))).strClean(0); });
    const QVector<int> order = _scan.keys.stableOrder();
    auto pKeys = std::make_shared<SortFilter::RowKeys>();
    // The search index stays in the file's order; the keys say where each row's text is.
    pKeys->search = std::move(_scan.search);
    pKeys->searchRow = order;
    pKeys->dated.assign(size_t(order.size()), 1);
    pKeys->dates.reserve(order.size());
    pKeys->customerNumbers = std::move(_scan.customerKeys.customerNumbers);
    pKeys->customer.reserve(order.size());
    _rows.lineOfRow.reserve(order.size());
    QList<QStandardItem*> items;
    items.reserve(order.size());
    for (const int s32Index : order) {
        pKeys->dates.append(_scan.dates.at(s32Index));
        pKeys->customer.append(_scan.customers.at(s32Index));
        _rows.lineOfRow.append(_scan.lines.at(s32Index));
        items.append(new cOrderItem(_pEntries, _scan.lines.at(s32Index)));
    }
    _rows.pKeys = std::move(pKeys);
    return items;
}

} // namespace

cListModelBuilder::OrderRows cListModelBuilder::vBuildOrders(const QStringList& _slLines, int _s32SortMode,
                                                             cOrderTotals& _totals, QDate& _dateMin,
                                                             QDate& _dateMax)
{
    vStart();
    _totals.vReset();
    _dateMin = QDate();
    _dateMax = QDate();
    const int s32Mode = _s32SortMode == 0 ? 0 : 1;
    auto pEntries = std::make_shared<const cOrderEntries>(_slLines, s32Mode, m_s32Screen);
    // The filter reads the date behind the start label; a translation with a
    // ":" in that label needs the whole entry for it.
    const bool bPlainStartLabel =
        !pEntries->strLabel(cOrderEntries::START).chopped(2).contains(QLatin1Char(':'));

    // The rows in the file's order first; sorted below.
    OrderScan scan(qMax(0, _slLines.size() - 1));
    OrderRows rows;
    for (int i = 1; i < _slLines.size(); ++i) {
        const QString& strRecord = _slLines.at(i);
        if (strRecord.isEmpty())
            continue;
        const RecordFields fields(strRecord);
        // Every record counts for the totals, also one that yields no row.
        _totals.vAddRecord(fields);
        QStringRef strStart = fields.field(8);
        if (bCleanEmpty(strStart))
            continue;
        vYieldIfDue();
        QString strCleanStart;
        if (strStart.contains(QChar(0))) {
            strCleanStart = fields.strClean(8);
            strStart = QStringRef(&strCleanStart);
        }
        const QDate dateStart = FieldReaders::dateOfTimestamp(strStart);
        vWidenRange(dateStart, _dateMin, _dateMax);
        if (bCleanEmpty(fields.field(0)))
            continue;

        scan.lines.append(i);
        vAppendSortKey(scan.keys, fields, s32Mode);
        scan.dates.append(bPlainStartLabel ? SortFilter::dateOfStartValue(strStart)
                                           : SortFilter::dateOfEntryText(pEntries->strEntry(i)));
        pEntries->vAppendSearchText(fields, scan.search);
        const int s32Customers = scan.customerKeys.customerNumbers.size();
        scan.customers.append(scan.customerKeys.s32AddCustomer(fields.strClean(2), scan.customerPlaces));
        if (scan.customerKeys.customerNumbers.size() > s32Customers)
            rows.customers.append({scan.customerKeys.customerNumbers.constLast(), fields.strClean(3)});
    }
    m_pModel->invisibleRootItem()->appendRows(sortedItems(scan, _slLines, pEntries, rows));
    return rows;
}

template <class Record, class Keep, class Row>
void cListModelBuilder::vEachRecord(const QStringList& _slLines, Keep _fnKeep, Row _fnRow)
{
    vStart();
    for (int i = 1; i < _slLines.size(); ++i) {
        if (_slLines.at(i).isEmpty())
            continue;
        const Record record = Record::parse(_slLines.at(i));
        if (!_fnKeep(record))
            continue;
        vYieldIfDue();
        _fnRow(i, record);
    }
}

void cListModelBuilder::vBuildCustomers(const QStringList& _slLines, int _s32SelectorIndex)
{
    const bool bByNumber = _s32SelectorIndex == 0;
    vEachRecord<CustomerRecord>(
        _slLines, [](const CustomerRecord& _record) { return !_record.strNumber.isEmpty(); },
        [&](int _s32Line, const CustomerRecord& _record) {
            QStandardItem* pEntry = pEntryItem(strCustomerEntry(_record, !bByNumber), _s32Line);
            if (bByNumber)
                m_pModel->appendRow({pEntry, pPlainItem(_record.strNumber)}); // ListColumns::CUSTOMER_NUMBER
            else
                m_pModel->appendRow(pEntry);
        });
}

void cListModelBuilder::vBuildFields(const QStringList& _slLines)
{
    vEachRecord<FieldRecord>(
        _slLines,
        [](const FieldRecord& _record) {
            return !FieldReaders::strClean(_record.strCustomerNumber).isEmpty();
        },
        [&](int _s32Line, const FieldRecord& _record) {
            // ListColumns::FIELD_CUSTOMER_NUMBER
            m_pModel->appendRow({pEntryItem(strFieldEntry(_record), _s32Line),
                                 pPlainItem(FieldReaders::strClean(_record.strCustomerNumber))});
        });
}

void cListModelBuilder::vBuildDrivers(const QStringList& _slLines)
{
    vEachRecord<DriverRecord>(
        _slLines, [](const DriverRecord& _record) { return !_record.strNumber.isEmpty(); },
        [&](int _s32Line, const DriverRecord& _record) {
            // In the order of ListColumns: ENTRY, DRIVER_DELETE, DRIVER_KIND,
            // DRIVER_NUMBER, DRIVER_NAME, DRIVER_LINE.
            m_pModel->appendRow({pEntryItem(strDriverEntry(_record), _s32Line), m_pDeletePrototype->clone(),
                                 pPlainItem(QString::fromLatin1(SortFilter::DRIVER_MARKER)),
                                 pPlainItem(_record.strCleanNumber()),
                                 pPlainItem(_record.strName1 + QLatin1Char(' ') + _record.strName2),
                                 pPlainItem(QString::number(_s32Line))});
        });
}

#include "data/billbasis.h"

#include "data/fieldreaders.h"
#include "data/listrecords.h"
#include "data/numberformat.h"
#include "data/ordercustomers.h"
#include "data/orderexport.h"

#include <QCollator>
#include <QCoreApplication>
#include <QDateTime>
#include <QHash>

#include <algorithm>

namespace BillBasis
{

namespace
{

QString strTr(const char* _pText)
{
    return QCoreApplication::translate("BillBasis", _pText);
}

struct Order {
    QString strCustomerNumber;
    QString strCustomer;
    QString strFieldNumber;
    QString strFieldName;
    QDateTime start;
    Line line;
};

// The fields of an order that a bill reads; no amounts yet.
Order orderOf(const QString& _strLine)
{
    const RecordFields fields(_strLine);
    Order order;
    order.strCustomerNumber = fields.strClean(2);
    order.strCustomer = fields.strClean(3);
    order.strFieldNumber = fields.strClean(4);
    order.strFieldName = fields.strClean(5);
    const QString strStart = fields.strClean(8);
    order.line.date = FieldReaders::dateOfTimestamp(strStart);
    order.start = QDateTime::fromString(strStart.left(16), QStringLiteral("dd.MM.yyyy hh:mm"));
    if (!order.start.isValid())
        order.start = QDateTime(order.line.date, QTime(0, 0));
    order.line.strOrderNumber = fields.strClean(0);
    order.line.s64AreaM2 = qMax(0, fields.s32Int(10));
    order.line.s64RoadMinutes = qMax(0, fields.s32Minutes(14));
    return order;
}

void vPrice(Line& _line, const EffectiveRates& _rates)
{
    _line.s64AreaCents = BillMoney::s64Priced(_line.s64AreaM2, _rates.s64PerHectare, 10000);
    _line.s64RoadCents = BillMoney::s64Priced(_line.s64RoadMinutes, _rates.s64PerRoadHour, 60);
    _line.s64OrderCents = _rates.s64PerOrder;
}

// Sums that a damaged file's figures cannot overflow.
void vAdd(Line& _sum, const Line& _line)
{
    _sum.s64AreaM2 = BillMoney::s64Sum(_sum.s64AreaM2, _line.s64AreaM2);
    _sum.s64RoadMinutes = BillMoney::s64Sum(_sum.s64RoadMinutes, _line.s64RoadMinutes);
    _sum.s64AreaCents = BillMoney::s64Sum(_sum.s64AreaCents, _line.s64AreaCents);
    _sum.s64RoadCents = BillMoney::s64Sum(_sum.s64RoadCents, _line.s64RoadCents);
    _sum.s64OrderCents = BillMoney::s64Sum(_sum.s64OrderCents, _line.s64OrderCents);
}

// By name in the locale's order, then by number: the customer selector's
// order.
template <typename T> void vSortByName(QVector<T>& _items, const QCollator& _collator)
{
    std::stable_sort(_items.begin(), _items.end(), [&](const T& _left, const T& _right) {
        return OrderCustomers::bLess(_collator, _left.strName, _left.strNumber, _right.strName,
                                     _right.strNumber);
    });
}

// Numbers as numbers where both are, texts otherwise.
bool bNumberLess(const QString& _strLeft, const QString& _strRight)
{
    bool bLeft = false;
    bool bRight = false;
    const qint64 s64Left = _strLeft.toLongLong(&bLeft);
    const qint64 s64Right = _strRight.toLongLong(&bRight);
    if (bLeft && bRight)
        return s64Left < s64Right;
    return _strLeft < _strRight;
}

QHash<QString, QStringList> addressesOf(const QStringList& _slCustomerLines)
{
    QHash<QString, QStringList> addresses;
    for (int i = 1; i < _slCustomerLines.size(); ++i) {
        const CustomerRecord customer = CustomerRecord::parse(_slCustomerLines.at(i));
        if (customer.strNumber.isEmpty() || addresses.contains(customer.strNumber))
            continue;
        QStringList slAddress;
        for (const QString& str : {customer.strName1, customer.strName2, customer.strStreet,
                                   (customer.strPostcode + QLatin1Char(' ') + customer.strTown)}) {
            if (!str.trimmed().isEmpty())
                slAddress << str.trimmed();
        }
        addresses.insert(customer.strNumber, slAddress);
    }
    return addresses;
}

Bill billOf(const Customer& _customer, QVector<Order>& _orders, const Request& _request,
            const QCollator& _collator)
{
    Bill bill;
    bill.customer = _customer;
    bill.rates = _request.rates.effectiveFor(_customer.strNumber);
    bill.dateIssued = _request.dateIssued;
    std::stable_sort(_orders.begin(), _orders.end(), [](const Order& _left, const Order& _right) {
        if (_left.start != _right.start)
            return _left.start < _right.start;
        return bNumberLess(_left.line.strOrderNumber, _right.line.strOrderNumber);
    });
    QHash<QString, int> fieldOfNumber;
    for (Order& order : _orders) {
        vPrice(order.line, bill.rates);
        int& s32Field = fieldOfNumber[order.strFieldNumber + QLatin1Char('\n') + order.strFieldName];
        if (s32Field == 0) {
            bill.fields.append(Field{order.strFieldNumber, order.strFieldName, {}, {}});
            s32Field = bill.fields.size();
        }
        Field& field = bill.fields[s32Field - 1];
        field.lines.append(order.line);
        vAdd(field.subtotal, order.line);
        vAdd(bill.total, order.line);
        if (!bill.dateFrom.isValid() || order.line.date < bill.dateFrom)
            bill.dateFrom = order.line.date;
        if (!bill.dateTo.isValid() || order.line.date > bill.dateTo)
            bill.dateTo = order.line.date;
    }
    vSortByName(bill.fields, _collator);
    bill.s32Orders = _orders.size();
    if (_request.dateFrom.isValid())
        bill.dateFrom = _request.dateFrom;
    if (_request.dateTo.isValid())
        bill.dateTo = _request.dateTo;
    bill.s64VatCents = BillMoney::s64Priced(bill.s64NetCents(), bill.rates.s64VatBasisPoints, 10000);
    bill.strNumber = strNumber(_customer.strNumber, bill.dateFrom, bill.dateTo);
    return bill;
}

} // namespace

QVector<Bill> bills(const Request& _request)
{
    QHash<QString, QVector<Order>> ordersOfCustomer;
    QVector<Customer> customers;
    for (const QString& strLine : _request.slOrderLines) {
        Order order = orderOf(strLine);
        if (!order.line.date.isValid() || order.strCustomerNumber.isEmpty())
            continue;
        if (!_request.strCustomerNumber.isEmpty() && order.strCustomerNumber != _request.strCustomerNumber)
            continue;
        if ((_request.dateFrom.isValid() && order.line.date < _request.dateFrom) ||
            (_request.dateTo.isValid() && order.line.date > _request.dateTo))
            continue;
        QVector<Order>& orders = ordersOfCustomer[order.strCustomerNumber];
        if (orders.isEmpty())
            customers.append(Customer{order.strCustomerNumber, order.strCustomer, {}});
        orders.append(order);
    }
    const QCollator collator(_request.locale);
    vSortByName(customers, collator);
    const QHash<QString, QStringList> addresses = addressesOf(_request.slCustomerLines);
    QVector<Bill> result;
    for (Customer& customer : customers) {
        customer.slAddress = addresses.value(customer.strNumber);
        result.append(billOf(customer, ordersOfCustomer[customer.strNumber], _request, collator));
    }
    return result;
}

QString strNumber(const QString& _strCustomerNumber, const QDate& _dateFrom, const QDate& _dateTo)
{
    return _dateFrom.toString(QStringLiteral("yyyyMMdd")) + QLatin1Char('-') +
           _dateTo.toString(QStringLiteral("yyyyMMdd")) + QLatin1Char('-') + _strCustomerNumber;
}

QStringList slCsvHeader()
{
    return {strTr(QT_TRANSLATE_NOOP("BillBasis", "Zeilenart")),
            strTr(QT_TRANSLATE_NOOP("BillBasis", "Abrechnungsnummer")),
            strTr(QT_TRANSLATE_NOOP("BillBasis", "Kundennummer")),
            strTr(QT_TRANSLATE_NOOP("BillBasis", "Kunde")),
            strTr(QT_TRANSLATE_NOOP("BillBasis", "Schlagnummer")),
            strTr(QT_TRANSLATE_NOOP("BillBasis", "Schlag")),
            strTr(QT_TRANSLATE_NOOP("BillBasis", "Auftragsnummer")),
            strTr(QT_TRANSLATE_NOOP("BillBasis", "Datum")),
            strTr(QT_TRANSLATE_NOOP("BillBasis", "Fläche")) + QStringLiteral(" [ha]"),
            strTr(QT_TRANSLATE_NOOP("BillBasis", "Zeit Straße")) + QStringLiteral(" [h:mm]"),
            strTr(QT_TRANSLATE_NOOP("BillBasis", "Betrag Fläche")),
            strTr(QT_TRANSLATE_NOOP("BillBasis", "Betrag Straße")),
            strTr(QT_TRANSLATE_NOOP("BillBasis", "Betrag Pauschale")),
            strTr(QT_TRANSLATE_NOOP("BillBasis", "Netto")),
            strTr(QT_TRANSLATE_NOOP("BillBasis", "MwSt.")) + QStringLiteral(" [%]"),
            strTr(QT_TRANSLATE_NOOP("BillBasis", "MwSt.")),
            strTr(QT_TRANSLATE_NOOP("BillBasis", "Brutto"))};
}

namespace
{

// An amount as accounting software reads it: no group separator.
QString strCsvAmount(qint64 _s64Cents, const QLocale& _locale)
{
    const QString strCents = QStringLiteral("%1").arg(qAbs(_s64Cents) % 100, 2, 10, QLatin1Char('0'));
    return (_s64Cents < 0 ? QStringLiteral("-") : QString()) + QString::number(qAbs(_s64Cents) / 100) +
           QString(_locale.decimalPoint()) + strCents;
}

} // namespace

QByteArray baCsv(const QVector<Bill>& _bills, const QLocale& _locale)
{
    // The row kind, then the texts from the terminal's records (names
    // anybody can type there): text cells; the rest are made here.
    constexpr int TEXT_COLUMNS = 7;
    QLocale plain = _locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    QVector<QStringList> lines{slCsvHeader()};
    for (const Bill& bill : _bills) {
        const QStringList slBill{bill.strNumber, bill.customer.strNumber, bill.customer.strName};
        const auto amounts = [&](const Line& _line) {
            return QStringList{NumberFormat::strHectares(_line.s64AreaM2, plain),
                               OrderExport::strHoursMinutes(_line.s64RoadMinutes),
                               strCsvAmount(_line.s64AreaCents, plain),
                               strCsvAmount(_line.s64RoadCents, plain),
                               strCsvAmount(_line.s64OrderCents, plain),
                               strCsvAmount(_line.s64Cents(), plain)};
        };
        for (const Field& field : bill.fields) {
            const QStringList slField{field.strNumber, field.strName};
            for (const Line& line : field.lines) {
                lines.append(QStringList{strTr(QT_TRANSLATE_NOOP("BillBasis", "Auftrag"))} + slBill +
                             slField +
                             QStringList{line.strOrderNumber, NumberFormat::strDate(line.date, plain)} +
                             amounts(line));
            }
            lines.append(QStringList{strTr(QT_TRANSLATE_NOOP("BillBasis", "Schlag"))} + slBill + slField +
                         QStringList{QString(), QString()} + amounts(field.subtotal));
        }
        lines.append(QStringList{strTr(QT_TRANSLATE_NOOP("BillBasis", "Summe"))} + slBill +
                     QStringList{QString(), QString(), QString(), QString()} + amounts(bill.total) +
                     QStringList{BillMoney::strPercent(bill.rates.s64VatBasisPoints, plain),
                                 strCsvAmount(bill.s64VatCents, plain),
                                 strCsvAmount(bill.s64GrossCents(), plain)});
    }
    return OrderExport::baCsvOf(lines, TEXT_COLUMNS);
}

} // namespace BillBasis

// An orders file and a customers file (separated by 0xFF) as the bill basis
// and the driver hours read them: whatever they hold, every amount is the
// sum of what it sums, the VAT stays between nothing and the net, the CSV
// has one row per order, field and customer, and the drivers' totals are the
// sums of their rows.
#include "fuzztarget.h"

#include "data/billbasis.h"
#include "data/driverhours.h"
#include "data/listfile.h"

namespace
{

// Rows of a CSV: line ends outside quotes.
int s32CsvRows(const QByteArray& _baCsv)
{
    int s32Rows = 0;
    bool bQuoted = false;
    for (int i = 0; i < _baCsv.size(); ++i) {
        if (_baCsv.at(i) == '"')
            bQuoted = !bQuoted;
        else if (!bQuoted && _baCsv.at(i) == '\n')
            ++s32Rows;
    }
    return s32Rows;
}

void vCheckBills(const BillBasis::Request& _request)
{
    const QVector<BillBasis::Bill> bills = BillBasis::bills(_request);
    int s32Rows = 1;
    for (const BillBasis::Bill& bill : bills) {
        qint64 s64Net = 0;
        int s32Orders = 0;
        for (const BillBasis::Field& field : bill.fields) {
            qint64 s64Field = 0;
            for (const BillBasis::Line& line : field.lines) {
                FUZZ_CHECK(line.s64AreaCents >= 0 && line.s64RoadCents >= 0 && line.s64OrderCents >= 0);
                s64Field += line.s64Cents();
            }
            FUZZ_CHECK(s64Field == field.subtotal.s64Cents());
            s64Net += s64Field;
            s32Orders += field.lines.size();
            s32Rows += field.lines.size() + 1;
        }
        FUZZ_CHECK(s64Net == bill.s64NetCents());
        FUZZ_CHECK(s32Orders == bill.s32Orders && s32Orders > 0);
        FUZZ_CHECK(bill.s64VatCents >= 0 && bill.s64VatCents <= bill.s64NetCents());
        FUZZ_CHECK(bill.s64GrossCents() == bill.s64NetCents() + bill.s64VatCents);
        ++s32Rows;
    }
    const QByteArray baCsv = BillBasis::baCsv(bills, _request.locale);
    FUZZ_CHECK(s32CsvRows(baCsv) == s32Rows);
}

} // namespace

VEMO_FUZZ_TARGET(fuzzBill)
{
    const QList<QByteArray> lParts = Fuzz::baInput(data, size).split('\xFF');
    ListFileContent orders;
    ListFile::vDecode(lParts.value(0), orders);
    ListFileContent customers;
    ListFile::vDecode(lParts.value(1), customers);

    BillBasis::Request request;
    request.slOrderLines = orders.slLines.mid(1);
    request.slCustomerLines = customers.slLines;
    request.locale = QLocale(QLocale::German, QLocale::Germany);
    // The highest prices the rates page takes, and a customer's own.
    request.rates.defaults = {BillMoney::MAX_CENTS, BillMoney::MAX_CENTS, BillMoney::MAX_CENTS, 10000};
    request.rates.customers.insert(QStringLiteral("1"), {0, std::nullopt, 1, 1900});
    vCheckBills(request);

    const DriverHours::Table table = DriverHours::tableOf(request.slOrderLines, QDate(), QDate());
    DriverHours::Row sum;
    for (const DriverHours::Row& row : table.rows) {
        sum.s32Orders += row.s32Orders;
        sum.s64FieldMinutes += row.s64FieldMinutes;
        sum.s64RoadMinutes += row.s64RoadMinutes;
    }
    FUZZ_CHECK(sum.s32Orders == table.totals.s32Orders && sum.s32Orders <= request.slOrderLines.size());
    FUZZ_CHECK(sum.s64FieldMinutes == table.totals.s64FieldMinutes);
    FUZZ_CHECK(sum.s64RoadMinutes == table.totals.s64RoadMinutes);
    FUZZ_CHECK(s32CsvRows(DriverHours::baCsv(table, request.locale)) == table.rows.size() + 2);
    return 0;
}

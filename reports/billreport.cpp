#include "reports/billreport.h"

#include "data/numberformat.h"
#include "data/orderexport.h"
#include "data/reportfiles.h"
#include "reports/reportpdf.h"

#include <QCoreApplication>
#include <QImage>

namespace BillReport
{

namespace
{

QString strTr(const char* _pText)
{
    return QCoreApplication::translate("BillReport", _pText);
}

QString strTitle()
{
    return strTr(QT_TRANSLATE_NOOP("BillReport", "Abrechnungsgrundlage"));
}

QString strCustomer(const BillBasis::Customer& _customer)
{
    return _customer.strName + QStringLiteral(" (") + _customer.strNumber + QLatin1Char(')');
}

QString strPeriod(const BillBasis::Bill& _bill, const QLocale& _locale)
{
    return strTr(QT_TRANSLATE_NOOP("BillReport", "%1 bis %2"))
        .arg(NumberFormat::strDate(_bill.dateFrom, _locale), NumberFormat::strDate(_bill.dateTo, _locale));
}

QStringList slSubtitle(const BillBasis::Bill& _bill, const QLocale& _locale)
{
    return {strCustomer(_bill.customer) + QStringLiteral(" – ") + strPeriod(_bill, _locale)};
}

QStringList slLines(const QString& _strText)
{
    QStringList sl;
    for (const QString& strLine : _strText.split(QLatin1Char('\n'))) {
        if (!strLine.trimmed().isEmpty())
            sl << strLine.trimmed();
    }
    return sl;
}

// The customer's address on the left, the contractor on the right.
void vAddresses(cReportPdf& _pdf, const BillBasis::Bill& _bill, const Letterhead& _letterhead)
{
    QStringList slCustomer = _bill.customer.slAddress;
    if (slCustomer.isEmpty())
        slCustomer << _bill.customer.strName;
    QStringList slContractor;
    if (!_letterhead.strName.trimmed().isEmpty())
        slContractor << _letterhead.strName.trimmed();
    slContractor << slLines(_letterhead.strAddress);
    if (!_letterhead.strVatId.trimmed().isEmpty())
        slContractor
            << strTr(QT_TRANSLATE_NOOP("BillReport", "USt-IdNr.: %1")).arg(_letterhead.strVatId.trimmed());
    _pdf.vAddressBlocks(slCustomer, slContractor);
}

void vFacts(cReportPdf& _pdf, const BillBasis::Bill& _bill, const QLocale& _locale)
{
    _pdf.vKeyValues(
        {{strTr(QT_TRANSLATE_NOOP("BillReport", "Nummer")), _bill.strNumber},
         {strTr(QT_TRANSLATE_NOOP("BillReport", "Datum")), NumberFormat::strDate(_bill.dateIssued, _locale)},
         {strTr(QT_TRANSLATE_NOOP("BillReport", "Zeitraum")), strPeriod(_bill, _locale)},
         {strTr(QT_TRANSLATE_NOOP("BillReport", "Kundennummer")), _bill.customer.strNumber}},
        2);
    // The rates have long names: one pair per line.
    const EffectiveRates& rates = _bill.rates;
    _pdf.vKeyValues({{strTr(QT_TRANSLATE_NOOP("BillReport", "Preis je Hektar")),
                      BillMoney::strMoney(rates.s64PerHectare, _locale)},
                     {strTr(QT_TRANSLATE_NOOP("BillReport", "Preis je Stunde Straße")),
                      BillMoney::strMoney(rates.s64PerRoadHour, _locale)},
                     {strTr(QT_TRANSLATE_NOOP("BillReport", "Pauschale je Auftrag")),
                      BillMoney::strMoney(rates.s64PerOrder, _locale)},
                     {strTr(QT_TRANSLATE_NOOP("BillReport", "Mehrwertsteuer")),
                      BillMoney::strPercent(rates.s64VatBasisPoints, _locale) + QStringLiteral(" %")}},
                    1);
}

QStringList slAmounts(const BillBasis::Line& _line, const QLocale& _locale)
{
    return {NumberFormat::strHectares(_line.s64AreaM2, _locale),
            OrderExport::strHoursMinutes(_line.s64RoadMinutes),
            BillMoney::strAmount(_line.s64AreaCents, _locale),
            BillMoney::strAmount(_line.s64RoadCents, _locale),
            BillMoney::strAmount(_line.s64OrderCents, _locale),
            BillMoney::strAmount(_line.s64Cents(), _locale)};
}

// A line per order, a subtotal under each field's lines, the net below.
void vLines(cReportPdf& _pdf, const BillBasis::Bill& _bill, const QLocale& _locale)
{
    const QString strCurrency = QStringLiteral(" [") + _locale.currencySymbol() + QLatin1Char(']');
    const QVector<cReportPdf::Column> columns{
        {strTr(QT_TRANSLATE_NOOP("BillReport", "Datum")), 1.0, false},
        {strTr(QT_TRANSLATE_NOOP("BillReport", "Schlag")), 2.2, false},
        {strTr(QT_TRANSLATE_NOOP("BillReport", "Auftrag")), 0.8, false},
        {strTr(QT_TRANSLATE_NOOP("BillReport", "Fläche")) + QStringLiteral(" [ha]"), 1, true},
        {strTr(QT_TRANSLATE_NOOP("BillReport", "Straße")) + QStringLiteral(" [h:mm]"), 1, true},
        {strTr(QT_TRANSLATE_NOOP("BillReport", "Fläche")) + strCurrency, 1, true},
        {strTr(QT_TRANSLATE_NOOP("BillReport", "Straße")) + strCurrency, 1, true},
        {strTr(QT_TRANSLATE_NOOP("BillReport", "Pauschale")) + strCurrency, 1, true},
        {strTr(QT_TRANSLATE_NOOP("BillReport", "Betrag")) + strCurrency, 1, true}};
    QVector<QStringList> rows;
    QVector<int> ls32Subtotals;
    for (const BillBasis::Field& field : _bill.fields) {
        const QString strField = field.strName + QStringLiteral(" (") + field.strNumber + QLatin1Char(')');
        for (const BillBasis::Line& line : field.lines) {
            rows.append(
                QStringList{NumberFormat::strDate(line.date, _locale), strField, line.strOrderNumber} +
                slAmounts(line, _locale));
        }
        ls32Subtotals.append(rows.size());
        rows.append(QStringList{strTr(QT_TRANSLATE_NOOP("BillReport", "Summe")), strField, QString()} +
                    slAmounts(field.subtotal, _locale));
    }
    _pdf.vTable(columns, rows, ls32Subtotals,
                QStringList{strTr(QT_TRANSLATE_NOOP("BillReport", "Summe")), QString(), QString()} +
                    slAmounts(_bill.total, _locale));
}

void vTotals(cReportPdf& _pdf, const BillBasis::Bill& _bill, const Letterhead& _letterhead,
             const QLocale& _locale)
{
    _pdf.vKeyValues(
        {{strTr(QT_TRANSLATE_NOOP("BillReport", "Netto")), BillMoney::strMoney(_bill.s64NetCents(), _locale)},
         {strTr(QT_TRANSLATE_NOOP("BillReport", "MwSt. %1 %"))
              .arg(BillMoney::strPercent(_bill.rates.s64VatBasisPoints, _locale)),
          BillMoney::strMoney(_bill.s64VatCents, _locale)},
         {strTr(QT_TRANSLATE_NOOP("BillReport", "Brutto")),
          BillMoney::strMoney(_bill.s64GrossCents(), _locale)}},
        1);
    const QStringList slBank = slLines(_letterhead.strBank);
    if (!slBank.isEmpty())
        _pdf.vParagraph(strTr(QT_TRANSLATE_NOOP("BillReport", "Bankverbindung: %1"))
                            .arg(slBank.join(QStringLiteral(", "))));
}

} // namespace

std::unique_ptr<cReportPdf> report(const QVector<BillBasis::Bill>& _bills, const Letterhead& _letterhead,
                                   const QLocale& _locale)
{
    // A report's numbers with the locale's group separators.
    const QLocale locale = NumberFormat::reportLocale(_locale);
    const QDate dateIssued = _bills.isEmpty() ? QDate::currentDate() : _bills.first().dateIssued;
    auto pdf = std::make_unique<cReportPdf>(
        strTitle(), _bills.isEmpty() ? QStringList() : slSubtitle(_bills.first(), locale), locale,
        dateIssued);
    pdf->vSetLogo(QImage::fromData(_letterhead.baLogo));
    for (int i = 0; i < _bills.size(); ++i) {
        const BillBasis::Bill& bill = _bills.at(i);
        if (i > 0)
            pdf->vNewPart(strTitle(), slSubtitle(bill, locale));
        vAddresses(*pdf, bill, _letterhead);
        vFacts(*pdf, bill, locale);
        vLines(*pdf, bill, locale);
        vTotals(*pdf, bill, _letterhead, locale);
    }
    return pdf;
}

QByteArray baPdf(const QVector<BillBasis::Bill>& _bills, const Letterhead& _letterhead,
                 const QLocale& _locale)
{
    return report(_bills, _letterhead, _locale)->baFinish();
}

QString strFileName(const QVector<BillBasis::Bill>& _bills, const QString& _strSuffix)
{
    QDate dateFrom;
    QDate dateTo;
    for (const BillBasis::Bill& bill : _bills) {
        if (!dateFrom.isValid() || bill.dateFrom < dateFrom)
            dateFrom = bill.dateFrom;
        if (!dateTo.isValid() || bill.dateTo > dateTo)
            dateTo = bill.dateTo;
    }
    if (_bills.size() == 1) {
        return ReportFiles::strFileName(strTitle() + QLatin1Char('_') +
                                            _bills.first().customer.strName.left(40),
                                        dateFrom, dateTo, _strSuffix);
    }
    return ReportFiles::strFileName(strTr(QT_TRANSLATE_NOOP("BillReport", "Abrechnungsgrundlagen")), dateFrom,
                                    dateTo, _strSuffix);
}

} // namespace BillReport

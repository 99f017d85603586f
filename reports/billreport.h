#pragma once

#include "data/billbasis.h"
#include "data/billrates.h"

#include <QByteArray>
#include <QDate>
#include <QLocale>
#include <QString>

#include <memory>

class cReportPdf;

// Bill bases as an A4 document: each one on pages of its own with the
// contractor's letterhead, the customer's address, number, date and period,
// the rates, a line per order with a subtotal per field, then net, VAT and
// gross. Several customers' bill bases follow each other in one file, each
// counting its own pages.
namespace BillReport
{

// The document, ready for baFinish() or for a printer.
std::unique_ptr<cReportPdf> report(const QVector<BillBasis::Bill>& _bills, const Letterhead& _letterhead,
                                   const QLocale& _locale);
QByteArray baPdf(const QVector<BillBasis::Bill>& _bills, const Letterhead& _letterhead,
                 const QLocale& _locale);

// "Abrechnungsgrundlage_<customer>_<from>_<to>.<suffix>" for one customer,
// "Abrechnungsgrundlagen_<from>_<to>.<suffix>" for several, in the
// interface language.
QString strFileName(const QVector<BillBasis::Bill>& _bills, const QString& _strSuffix);

} // namespace BillReport

#pragma once

// Small list files for the archive tests and the archive's child program:
// order lines with the columns the archive decodes, and files made of them.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace ArchiveFixtures
{

// An order line of 44 fields: number, customer, field, driver, start and
// stop, area (m²), field time, distances (m), fuel (ml) and so on.
inline QByteArray baOrder(int _s32Number, const QString& _strStart, int _s32AreaM2,
                          const QString& _strCustomer = QStringLiteral("Müller"))
{
    QStringList sl;
    for (int i = 0; i < 44; ++i)
        sl << QString();
    sl[0] = QString::number(_s32Number);
    sl[2] = QStringLiteral("47%1").arg(_s32Number % 100, 2, 10, QLatin1Char('0'));
    sl[3] = _strCustomer;
    sl[4] = QString::number(_s32Number % 7 + 1);
    sl[5] = QStringLiteral("Große Breite");
    sl[7] = QStringLiteral("Jörg");
    sl[8] = _strStart;
    sl[9] = _strStart.left(11) + QStringLiteral("17:45");
    sl[10] = QString::number(_s32AreaM2);
    sl[11] = QStringLiteral("3:15");
    sl[13] = QStringLiteral("0:20");
    sl[14] = QStringLiteral("1:05");
    sl[16] = QStringLiteral("12000");
    sl[17] = QStringLiteral("9000");
    sl[18] = QStringLiteral("25000");
    sl[19] = QStringLiteral("150000");
    sl[20] = QStringLiteral("30000");
    sl[30] = QStringLiteral("2:40");
    sl[33] = QStringLiteral("1250");
    sl[37] = QStringLiteral("120000");
    sl[42] = QStringLiteral("1234:56");
    sl[43] = QStringLiteral("789:01");
    return sl.join(QLatin1Char(';')).toLatin1();
}

inline QByteArray baHeader()
{
    return QByteArray("Auftrag;;Kundennummer;Kunde;Schlagnummer;Schlag;;Fahrer;Start;Stopp;Flaeche");
}

// A file as the terminal link stores it: a byte-order mark before the
// header, the lines UTF-8, "\n" after each.
inline QByteArray baUtf8File(const QList<QByteArray>& _lLatin1Lines)
{
    QByteArray ba("\xEF\xBB\xBF");
    ba += baHeader() + '\n';
    for (const QByteArray& baLine : _lLatin1Lines)
        ba += QString::fromLatin1(baLine).toUtf8() + '\n';
    return ba;
}

// A file as written on a PC: Latin-1, "\r\n" after each line.
inline QByteArray baLatin1CrLfFile(const QList<QByteArray>& _lLines)
{
    QByteArray ba = baHeader() + "\r\n";
    for (const QByteArray& baLine : _lLines)
        ba += baLine + "\r\n";
    return ba;
}

// _s32Count orders of the 2014/15 campaign (a big file for the kill test).
inline QByteArray baBigOrdersFile(int _s32Count, int _s32Variant)
{
    QList<QByteArray> l;
    l.reserve(_s32Count);
    for (int i = 1; i <= _s32Count; ++i)
        l << baOrder(i,
                     QStringLiteral("%1.10.2014 08:%2")
                         .arg(i % 28 + 1, 2, 10, QLatin1Char('0'))
                         .arg(i % 60, 2, 10, QLatin1Char('0')),
                     10000 + i + _s32Variant);
    return baUtf8File(l);
}

} // namespace ArchiveFixtures

#include "data/archiverecords.h"

#include "data/fieldreaders.h"

#include <QCryptographicHash>
#include <QHash>

namespace
{

const QByteArray& baByteOrderMark()
{
    static const QByteArray s_ba("\xEF\xBB\xBF", 3);
    return s_ba;
}

QByteArray baDigest(const QByteArray& _baBytes)
{
    return QCryptographicHash::hash(_baBytes, QCryptographicHash::Sha256);
}

// "dd.mm.yyyy hh:mm" as "yyyy-MM-ddTHH:mm"; the time part is taken when it
// reads as hours and minutes, otherwise the date alone is given.
QString strIsoTimestamp(const QString& _strText)
{
    const QDate date = FieldReaders::dateOfTimestamp(_strText);
    if (!date.isValid())
        return QString();
    const QString strDate = date.toString(Qt::ISODate);
    const QTime time = QTime::fromString(_strText.section(QLatin1Char(' '), 1, 1), QStringLiteral("H:mm"));
    return time.isValid() ? strDate + QLatin1Char('T') + time.toString(QStringLiteral("HH:mm")) : strDate;
}

ArchiveOrderColumns orderColumns(const RecordFields& _fields)
{
    ArchiveOrderColumns columns;
    columns.strOrderNumber = _fields.strClean(0);
    columns.strCustomerNumber = _fields.strClean(2);
    columns.strCustomer = _fields.strClean(3);
    columns.strFieldNumber = _fields.strClean(4);
    columns.strFieldName = _fields.strClean(5);
    columns.strDriver = _fields.strField(7);
    columns.strStart = _fields.strClean(8);
    columns.strStop = _fields.strClean(9);
    columns.strStartAt = strIsoTimestamp(columns.strStart);
    columns.strStopAt = strIsoTimestamp(columns.strStop);
    columns.s32AreaM2 = _fields.s32Int(10);
    columns.s32FieldMinutes = _fields.s32Minutes(11);
    columns.s32UnloadMinutes = _fields.s32Minutes(13);
    columns.s32RoadMinutes = _fields.s32Minutes(14);
    columns.s32FieldMetres = _fields.s32Int(16);
    columns.s32HarvestMetres = _fields.s32Int(17);
    columns.s32RoadMetres = _fields.s32Int(18);
    columns.s32FieldFuelMl = _fields.s32Int(19);
    columns.s32RoadFuelMl = _fields.s32Int(20);
    columns.s32HarvestMinutes = _fields.s32Minutes(30);
    columns.s32HarvestFuelMl = _fields.s32Int(37);
    return columns;
}

// The record of one list line; false when the line has no key.
bool bListRecord(const QString& _strLine, ListKind _kind, ArchiveRecord& _record)
{
    const RecordFields fields(_strLine);
    const QString strNumber = fields.strClean(0);
    if (strNumber.isEmpty())
        return false;
    // ";" never occurs inside a field, so it separates the parts of a key.
    switch (_kind) {
    case ListKind::Orders: {
        _record.orderColumns = orderColumns(fields);
        if (_record.orderColumns.strStart.isEmpty())
            return false;
        _record.bOrder = true;
        _record.strKey = strNumber + QLatin1Char(';') + _record.orderColumns.strStart;
        _record.strSeason =
            ArchiveRecords::strSeason(FieldReaders::dateOfTimestamp(_record.orderColumns.strStart));
        return true;
    }
    case ListKind::Fields:
        // A field is named by its customer and its name.
        _record.strKey = strNumber + QLatin1Char(';') + fields.strClean(2);
        return true;
    default:
        _record.strKey = strNumber;
        return true;
    }
}

} // namespace

namespace ArchiveRecords
{

QString strKindName(ListKind _kind)
{
    switch (_kind) {
    case ListKind::Orders:
        return QStringLiteral("orders");
    case ListKind::Customers:
        return QStringLiteral("customers");
    case ListKind::Fields:
        return QStringLiteral("fields");
    case ListKind::Drivers:
        return QStringLiteral("drivers");
    case ListKind::Season:
        return QStringLiteral("season");
    case ListKind::Machine:
        return QStringLiteral("machine");
    case ListKind::None:
        break;
    }
    return QString();
}

ListKind kindOfName(const QString& _strName)
{
    for (ListKind kind : {ListKind::Orders, ListKind::Customers, ListKind::Fields, ListKind::Drivers,
                          ListKind::Season, ListKind::Machine}) {
        if (strKindName(kind) == _strName)
            return kind;
    }
    return ListKind::None;
}

QString strSeason(const QDate& _date)
{
    if (!_date.isValid())
        return QString();
    const int s32First = _date.month() >= 7 ? _date.year() : _date.year() - 1;
    return QStringLiteral("%1/%2").arg(s32First).arg((s32First + 1) % 100, 2, 10, QLatin1Char('0'));
}

ArchiveFileRecords read(const QByteArray& _baContent, ListKind _kind, const QDateTime& _arrived)
{
    ArchiveFileRecords file;
    file.baDigest = baDigest(_baContent);
    const bool bUtf8 = _baContent.startsWith(baByteOrderMark());
    const bool bStatistics = _kind == ListKind::Season || _kind == ListKind::Machine;
    QHash<QString, int> hashOccurrences;
    int s32Start = 0;
    for (int s32Line = 0; s32Start < _baContent.size(); ++s32Line) {
        int s32End = _baContent.indexOf('\n', s32Start);
        if (s32End < 0)
            s32End = _baContent.size();
        const int s32Next = s32End + 1;
        if (s32End > s32Start && _baContent.at(s32End - 1) == '\r' && s32End < _baContent.size())
            --s32End;
        const QByteArray baLine = _baContent.mid(s32Start, s32End - s32Start);
        s32Start = s32Next;
        if (s32Line == 0) {
            file.baHeader = baLine;
            file.bCrLf = s32Next - 1 < _baContent.size() && s32End != s32Next - 1;
            continue;
        }
        if (baLine.isEmpty() || _kind == ListKind::None)
            continue;
        ArchiveRecord record;
        if (bStatistics) {
            if (s32Line > 1)
                break;
            record.strSeason = strSeason(_arrived.toLocalTime().date());
            record.strKey = record.strSeason;
        } else {
            const QString strLine = bUtf8 ? QString::fromUtf8(baLine) : QString::fromLatin1(baLine);
            if (!bListRecord(strLine, _kind, record))
                continue;
        }
        // A key the file names again (two fields of one name for one
        // customer) makes a record of its own, told apart by its place
        // among its namesakes.
        const int s32Occurrence = ++hashOccurrences[record.strKey];
        if (s32Occurrence > 1)
            record.strKey += QStringLiteral(" #%1").arg(s32Occurrence);
        record.baLine = baLine;
        record.baDigest = baDigest(baLine);
        file.records.append(record);
    }
    return file;
}

} // namespace ArchiveRecords

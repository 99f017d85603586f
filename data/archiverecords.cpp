#include "data/archiverecords.h"

#include "data/digest.h"
#include "data/fieldreaders.h"

#include <QHash>
#include <QRandomGenerator>

#include <cstring>

namespace
{

QByteArray baDigest(const QByteArray& _baBytes)
{
    return Digest::baSha256(_baBytes);
}

// A number of one or two digits, or -1.
int s32SmallNumber(const QStringRef& _str)
{
    if (_str.isEmpty() || _str.size() > 2)
        return -1;
    int s32Value = 0;
    for (const QChar c : _str) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
        s32Value = s32Value * 10 + (c.unicode() - '0');
    }
    return s32Value;
}

// "dd.mm.yyyy hh:mm" as "yyyy-MM-ddTHH:mm"; the time part is taken when it
// reads as hours and minutes, otherwise the date alone is given. (Read by
// hand: QTime::fromString consults the time zone on every call.)
QString strIsoTimestamp(const QString& _strText)
{
    const QDate date = FieldReaders::dateOfTimestamp(_strText);
    if (!date.isValid())
        return QString();
    const QString strDate = date.toString(Qt::ISODate);
    const int s32Blank = _strText.indexOf(QLatin1Char(' '));
    const int s32Colon = _strText.indexOf(QLatin1Char(':'), s32Blank + 1);
    if (s32Blank < 0 || s32Colon < 0)
        return strDate;
    const int s32Hours = s32SmallNumber(_strText.midRef(s32Blank + 1, s32Colon - s32Blank - 1));
    const int s32Minutes = s32SmallNumber(_strText.midRef(s32Colon + 1));
    if (s32Hours < 0 || s32Hours > 23 || s32Minutes < 0 || s32Minutes > 59)
        return strDate;
    return QStringLiteral("%1T%2:%3")
        .arg(strDate)
        .arg(s32Hours, 2, 10, QLatin1Char('0'))
        .arg(s32Minutes, 2, 10, QLatin1Char('0'));
}

ArchiveOrderColumns orderColumns(const RecordFields& _fields)
{
    ArchiveOrderColumns columns;
    columns.order = OrderRecord::fromFields(_fields);
    columns.strStartAt = strIsoTimestamp(columns.order.strStart);
    columns.strStopAt = strIsoTimestamp(columns.order.strStop);
    columns.s32FieldMetres = _fields.s32Int(16);
    columns.s32HarvestMetres = _fields.s32Int(17);
    columns.s32RoadMetres = _fields.s32Int(18);
    columns.s32FieldFuelMl = _fields.s32Int(19);
    columns.s32RoadFuelMl = _fields.s32Int(20);
    columns.s32UnloadMinutes = _fields.s32Minutes(13);
    columns.s32RoadMinutes = _fields.s32Minutes(14);
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
        const OrderRecord& order = _record.orderColumns.order;
        if (order.strStart.isEmpty())
            return false;
        _record.bOrder = true;
        _record.strKey = strNumber + QLatin1Char(';') + order.strStart;
        _record.strSeason = ArchiveRecords::strSeason(order.dateStart);
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

ArchiveFileHead head(const QByteArray& _baContent)
{
    ArchiveFileHead head;
    head.baDigest = baDigest(_baContent);
    const int s32End = _baContent.indexOf('\n');
    head.bCrLf = s32End > 0 && _baContent.at(s32End - 1) == '\r';
    head.baHeader = s32End < 0 ? _baContent : _baContent.left(head.bCrLf ? s32End - 1 : s32End);
    if (head.baHeader.isNull())
        head.baHeader = QByteArray("");
    return head;
}

// A key must come back from the database as it went in, or it would not
// find itself at the next import; the database and its driver change what
// stands for no printable character (zero bytes, byte-order marks, U+FFFF,
// lone surrogates). Those become U+FFFD: keys are numbers and names, and a
// record whose key merges with another keeps its line as a version of its own.
static void vMakeKeyStorable(QString& _strKey)
{
    for (QChar& c : _strKey) {
        if (!c.isPrint() && c != QLatin1Char(' '))
            c = QChar(QChar::ReplacementCharacter);
    }
}

static QByteArray baRandomSalt()
{
    QByteArray ba(16, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(ba.data()), 4);
    return ba;
}

static quint64 u64KeyDigest(const QByteArray& _baSalt, const QString& _strKey)
{
    QByteArray baInput = _baSalt;
    baInput.append(reinterpret_cast<const char*>(_strKey.utf16()), _strKey.size() * 2);
    const QByteArray baDigest = Digest::baSha256(baInput);
    quint64 u64 = 0;
    memcpy(&u64, baDigest.constData(), sizeof u64);
    return u64;
}

const QByteArray& baByteOrderMark()
{
    static const QByteArray s_ba("\xEF\xBB\xBF", 3);
    return s_ba;
}

QString strDecodeLine(const QByteArray& _baLine, bool _bUtf8)
{
    return _bUtf8 ? QString::fromUtf8(_baLine.constData(), _baLine.size())
                  : QString::fromLatin1(_baLine.constData(), _baLine.size());
}

bool bForEachRecord(const QByteArray& _baContent, ListKind _kind, const QDateTime& _arrived,
                    const std::function<bool(const ArchiveRecord&)>& _fnRecord)
{
    const bool bUtf8 = _baContent.startsWith(baByteOrderMark());
    const bool bStatistics = _kind == ListKind::Season || _kind == ListKind::Machine;
    // Keys met so far, by 64 bits of a digest salted at random: a fifth of
    // the memory of the keys themselves on a list of 100,000. Two keys of
    // one digest (once in billions of files, and not to be made on purpose
    // without the salt) would only number the second like a namesake.
    QHash<quint64, int> hashOccurrences;
    static const QByteArray s_baSalt = baRandomSalt();
    // Line 0 is the header.
    int s32Start = _baContent.indexOf('\n') + 1;
    for (int s32Line = 1; s32Start > 0 && s32Start < _baContent.size(); ++s32Line) {
        int s32End = _baContent.indexOf('\n', s32Start);
        if (s32End < 0)
            s32End = _baContent.size();
        const int s32Next = s32End + 1;
        if (s32End > s32Start && s32End < _baContent.size() && _baContent.at(s32End - 1) == '\r')
            --s32End;
        const QByteArray baLine = _baContent.mid(s32Start, s32End - s32Start);
        s32Start = s32Next;
        if (baLine.isEmpty() || _kind == ListKind::None)
            continue;
        ArchiveRecord record;
        if (bStatistics) {
            if (s32Line > 1)
                break;
            record.strSeason = strSeason(_arrived.toLocalTime().date());
            record.strKey = record.strSeason;
        } else if (!bListRecord(strDecodeLine(baLine, bUtf8), _kind, record)) {
            continue;
        }
        vMakeKeyStorable(record.strKey);
        // A key the file names again (two fields of one name for one
        // customer) makes a record of its own, told apart by its place
        // among its namesakes.
        const int s32Occurrence = ++hashOccurrences[u64KeyDigest(s_baSalt, record.strKey)];
        if (s32Occurrence > 1)
            record.strKey += QStringLiteral(" #%1").arg(s32Occurrence);
        record.baLine = baLine;
        record.bUtf8 = bUtf8;
        record.baDigest = baDigest(baLine);
        if (!_fnRecord(record))
            return false;
    }
    return true;
}

ArchiveFileRecords read(const QByteArray& _baContent, ListKind _kind, const QDateTime& _arrived)
{
    ArchiveFileRecords file;
    file.head = head(_baContent);
    bForEachRecord(_baContent, _kind, _arrived, [&](const ArchiveRecord& _record) {
        file.records.append(_record);
        return true;
    });
    return file;
}

} // namespace ArchiveRecords

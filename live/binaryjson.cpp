#include "live/binaryjson.h"

#include <QtEndian>

#include <cstring>
#include <vector>

namespace BinaryJson
{

namespace
{

// Layout, all numbers little-endian:
//   document  tag "qbjs", version 1 (uint32 each), then the top-level value
//   value     an object or array ("base"): uint32 size of the whole value,
//             uint32 kind (bit 0: object) and length (bits 1..31), uint32 offset
//             of the table from the start of the base; the table holds length
//             uint32 slots
//   object    each slot is the offset of an entry from the start of the base;
//             an entry is a value word followed by its key
//   array     each slot is a value word
//   word      bits 0..2 type, bit 3 Latin-1 string or inline integer, bit 4
//             Latin-1 key, bits 5..31 the value: inline for null, bool and
//             small integers, otherwise the offset of the data from the start
//             of the base (strings, doubles, nested objects and arrays)
//   strings   Latin-1: uint16 length, then the bytes; otherwise uint32 length,
//             then as many UTF-16 units
// Data of entries and values lies between the base header and the table.
constexpr qint64 s64DocumentHeader = 8;
constexpr qint64 s64BaseHeader = 12;
constexpr qint64 s64Slot = 4;
constexpr char s_acTag[4] = {'q', 'b', 'j', 's'};
constexpr quint32 u32Version = 1;

enum eType : quint32 { Null = 0, Bool = 1, Double = 2, String = 3, Array = 4, Object = 5 };

struct sBase {
    qint64 s64Start = 0; // from the start of the document
    qint64 s64Size = 0;
    qint64 s64Length = 0;
    qint64 s64TableOffset = 0;
    bool bObject = false;
};

// An object or array met as a member or element, checked after its parent.
struct sNested {
    qint64 s64Start = 0;
    qint64 s64HeaderEnd = 0; // the parent's data ends here
    qint64 s64MaxSize = 0;
    bool bObject = false;
};

// Documents written by Qt store every part once, so checking one reads each
// byte at most once. Entries of a crafted document may share their storage
// (several slots pointing at one long key, nested values reached many times);
// the reader stops after this many times the document's size, so such a
// document cannot keep it busy for long.
constexpr qint64 s64BudgetPerByte = 4;

class cReader
{
public:
    cReader(const char* _pData, qint64 _s64Size)
        : m_pData(_pData), m_s64Size(_s64Size), m_s64Budget(s64BudgetPerByte * _s64Size)
    {
    }

    bool bReadRoot(QList<QPair<QString, QString>>& _listPairs);

private:
    bool bU16(qint64 _s64Pos, qint64 _s64End, quint16& _u16) const;
    bool bU32(qint64 _s64Pos, qint64 _s64End, quint32& _u32) const;
    bool bSpend(qint64 _s64Bytes);
    bool bBase(qint64 _s64Start, qint64 _s64HeaderEnd, qint64 _s64MaxSize, sBase& _base);
    bool bString(qint64 _s64Pos, qint64 _s64End, bool _bLatin1, QString* _pstr);
    bool bValue(const sBase& _base, quint32 _u32Word, QString* _pstrText);
    bool bObjectMembers(const sBase& _base, QList<QPair<QString, QString>>* _plistPairs);
    bool bArrayValues(const sBase& _base);
    bool bNestedValues();

    const char* m_pData;
    qint64 m_s64Size;
    qint64 m_s64Budget;
    std::vector<sNested> m_vecPending;
};

// Every read names the end of the part it belongs to; nothing is read that
// does not lie completely before that end and inside the document.
bool cReader::bU16(qint64 _s64Pos, qint64 _s64End, quint16& _u16) const
{
    if (_s64Pos < 0 || _s64End > m_s64Size || _s64Pos + 2 > _s64End)
        return false;
    _u16 = qFromLittleEndian<quint16>(m_pData + _s64Pos);
    return true;
}

bool cReader::bU32(qint64 _s64Pos, qint64 _s64End, quint32& _u32) const
{
    if (_s64Pos < 0 || _s64End > m_s64Size || _s64Pos + 4 > _s64End)
        return false;
    _u32 = qFromLittleEndian<quint32>(m_pData + _s64Pos);
    return true;
}

bool cReader::bSpend(qint64 _s64Bytes)
{
    m_s64Budget -= _s64Bytes;
    return m_s64Budget >= 0;
}

// Reads the header of an object or array whose header must end by
// _s64HeaderEnd and whose whole size may not exceed _s64MaxSize, and checks
// that its table lies inside it.
bool cReader::bBase(qint64 _s64Start, qint64 _s64HeaderEnd, qint64 _s64MaxSize, sBase& _base)
{
    quint32 u32Size = 0;
    quint32 u32KindAndLength = 0;
    quint32 u32TableOffset = 0;
    if (!bSpend(s64BaseHeader) || !bU32(_s64Start, _s64HeaderEnd, u32Size) ||
        !bU32(_s64Start + 4, _s64HeaderEnd, u32KindAndLength) ||
        !bU32(_s64Start + 8, _s64HeaderEnd, u32TableOffset))
        return false;
    _base.s64Start = _s64Start;
    _base.s64Size = u32Size;
    _base.bObject = (u32KindAndLength & 1) != 0;
    _base.s64Length = u32KindAndLength >> 1;
    _base.s64TableOffset = u32TableOffset;
    // All in 64 bits: no field value can wrap around.
    return _base.s64Size <= _s64MaxSize && _base.s64TableOffset + _base.s64Length * s64Slot <= _base.s64Size;
}

// A string at _s64Pos that has to end by _s64End. Without _pstr only its
// bounds are checked.
bool cReader::bString(qint64 _s64Pos, qint64 _s64End, bool _bLatin1, QString* _pstr)
{
    if (_bLatin1) {
        quint16 u16Length = 0;
        if (!bU16(_s64Pos, _s64End, u16Length) || _s64Pos + 2 + u16Length > _s64End)
            return false;
        if (_pstr) {
            if (!bSpend(2 + u16Length))
                return false;
            *_pstr = QString::fromLatin1(m_pData + _s64Pos + 2, u16Length);
        }
        return true;
    }
    quint32 u32Length = 0;
    if (!bU32(_s64Pos, _s64End, u32Length) || _s64Pos + 4 + 2 * qint64(u32Length) > _s64End)
        return false;
    if (_pstr) {
        if (!bSpend(4 + 2 * qint64(u32Length)))
            return false;
        // The bounds above keep the length below the document's size.
        const int s32Length = int(u32Length);
        QString str(s32Length, Qt::Uninitialized);
        const char* pUnits = m_pData + _s64Pos + 4;
        for (int i = 0; i < s32Length; ++i)
            str[i] = QChar(qFromLittleEndian<quint16>(pUnits + 2 * i));
        *_pstr = str;
    }
    return true;
}

// Checks one value word of _base; the text of a string lands in _pstrText.
bool cReader::bValue(const sBase& _base, quint32 _u32Word, QString* _pstrText)
{
    const quint32 u32Type = _u32Word & 7;
    const bool bLatinOrInt = (_u32Word & (1u << 3)) != 0;
    const qint64 s64Offset = _u32Word >> 5;
    // Data of a value lies behind the base header and in front of the table.
    const bool bDataInside = s64Offset >= s64BaseHeader && s64Offset + 4 <= _base.s64TableOffset;
    const qint64 s64DataEnd = _base.s64Start + _base.s64TableOffset;
    switch (u32Type) {
    case Null:
    case Bool:
        return true;
    case Double:
        return bLatinOrInt || bDataInside;
    case String:
        return bDataInside && bString(_base.s64Start + s64Offset, s64DataEnd, bLatinOrInt, _pstrText);
    case Array:
    case Object:
        if (!bDataInside)
            return false;
        // Checked later, without recursion: nesting depth is up to the sender.
        m_vecPending.push_back(sNested{_base.s64Start + s64Offset, s64DataEnd,
                                       _base.s64TableOffset - s64Offset, u32Type == Object});
        return true;
    default:
        return false;
    }
}

// Checks the members of an object; with _plistPairs also collects them.
bool cReader::bObjectMembers(const sBase& _base, QList<QPair<QString, QString>>* _plistPairs)
{
    const qint64 s64End = _base.s64Start + _base.s64Size;
    const qint64 s64DataEnd = _base.s64Start + _base.s64TableOffset;
    QString strLastKey;
    for (qint64 i = 0; i < _base.s64Length; ++i) {
        quint32 u32EntryOffset = 0;
        if (!bSpend(s64Slot) ||
            !bU32(_base.s64Start + _base.s64TableOffset + i * s64Slot, s64End, u32EntryOffset))
            return false;
        // The entry's word and key lie in front of the table.
        if (qint64(u32EntryOffset) + 4 >= _base.s64TableOffset)
            return false;
        const qint64 s64Entry = _base.s64Start + u32EntryOffset;
        quint32 u32Word = 0;
        if (!bSpend(4) || !bU32(s64Entry, s64DataEnd, u32Word))
            return false;
        const bool bLatinKey = (u32Word & (1u << 4)) != 0;
        QString strKey;
        if (!bString(s64Entry + 4, s64DataEnd, bLatinKey, &strKey))
            return false;
        // Keys are stored sorted; equal neighbours are allowed.
        if (strKey < strLastKey)
            return false;
        QString strText;
        if (!bValue(_base, u32Word, _plistPairs ? &strText : nullptr))
            return false;
        if (_plistPairs) {
            // A repeated key keeps its place and takes the later text.
            if (!_plistPairs->isEmpty() && _plistPairs->last().first == strKey)
                _plistPairs->last().second = strText;
            else
                _plistPairs->append(qMakePair(strKey, strText));
        }
        strLastKey = strKey;
    }
    return true;
}

bool cReader::bArrayValues(const sBase& _base)
{
    const qint64 s64End = _base.s64Start + _base.s64Size;
    for (qint64 i = 0; i < _base.s64Length; ++i) {
        quint32 u32Word = 0;
        if (!bSpend(s64Slot) || !bU32(_base.s64Start + _base.s64TableOffset + i * s64Slot, s64End, u32Word) ||
            !bValue(_base, u32Word, nullptr))
            return false;
    }
    return true;
}

// Nested objects and arrays carry no text, but a document is only taken
// when all of it keeps to the format.
bool cReader::bNestedValues()
{
    while (!m_vecPending.empty()) {
        const sNested nested = m_vecPending.back();
        m_vecPending.pop_back();
        sBase base;
        if (!bBase(nested.s64Start, nested.s64HeaderEnd, nested.s64MaxSize, base))
            return false;
        // The kind is the one of the value word; the base's own flag is not asked.
        if (nested.bObject ? !bObjectMembers(base, nullptr) : !bArrayValues(base))
            return false;
    }
    return true;
}

bool cReader::bReadRoot(QList<QPair<QString, QString>>& _listPairs)
{
    quint32 u32StoredVersion = 0;
    if (m_s64Size < s64DocumentHeader + s64BaseHeader ||
        std::memcmp(m_pData, s_acTag, sizeof(s_acTag)) != 0 || !bU32(4, m_s64Size, u32StoredVersion) ||
        u32StoredVersion != u32Version)
        return false;
    sBase root;
    if (!bBase(s64DocumentHeader, m_s64Size, m_s64Size - s64DocumentHeader, root))
        return false;
    if (!root.bObject) {
        // Valid or not, an array has no members.
        return true;
    }
    return bObjectMembers(root, &_listPairs) && bNestedValues();
}

} // namespace

QList<QPair<QString, QString>> listObjectTexts(const char* _pData, qint64 _s64Size)
{
    QList<QPair<QString, QString>> listPairs;
    if (!_pData || _s64Size <= 0)
        return listPairs;
    cReader reader(_pData, _s64Size);
    if (!reader.bReadRoot(listPairs))
        listPairs.clear();
    return listPairs;
}

} // namespace BinaryJson

#include "data/searchindex.h"

#include <cstring>

namespace
{

// Writes a code point as UTF-8 at _pOut and returns the byte after it.
char* pWriteUtf8(char* _pOut, uint _u32CodePoint)
{
    // Letters such as the Kelvin sign or the long s fold to plain ASCII,
    // which must stay one byte to match what is typed.
    if (_u32CodePoint < 0x80) {
        *_pOut++ = char(_u32CodePoint);
    } else if (_u32CodePoint < 0x800) {
        *_pOut++ = char(0xC0 | (_u32CodePoint >> 6));
        *_pOut++ = char(0x80 | (_u32CodePoint & 0x3F));
    } else if (_u32CodePoint < 0x10000) {
        // A lone surrogate is kept as its own three bytes: the typed text is
        // folded the same way, so it still finds itself.
        *_pOut++ = char(0xE0 | (_u32CodePoint >> 12));
        *_pOut++ = char(0x80 | ((_u32CodePoint >> 6) & 0x3F));
        *_pOut++ = char(0x80 | (_u32CodePoint & 0x3F));
    } else {
        *_pOut++ = char(0xF0 | (_u32CodePoint >> 18));
        *_pOut++ = char(0x80 | ((_u32CodePoint >> 12) & 0x3F));
        *_pOut++ = char(0x80 | ((_u32CodePoint >> 6) & 0x3F));
        *_pOut++ = char(0x80 | (_u32CodePoint & 0x3F));
    }
    return _pOut;
}

} // namespace

char* cSearchIndex::pWriteFolded(char* _pOut, const QChar* _pText, int _s32Length)
{
    char* pOut = _pOut;
    for (int i = 0; i < _s32Length; ++i) {
        const ushort u16 = _pText[i].unicode();
        if (u16 < 0x80) {
            *pOut++ = char(u16 >= 'A' && u16 <= 'Z' ? u16 + ('a' - 'A') : u16);
            continue;
        }
        uint u32 = u16;
        if (QChar::isHighSurrogate(u16) && i + 1 < _s32Length && _pText[i + 1].isLowSurrogate()) {
            u32 = QChar::surrogateToUcs4(u16, _pText[i + 1].unicode());
            ++i;
        }
        pOut = pWriteUtf8(pOut, QChar::toCaseFolded(u32));
    }
    return pOut;
}

void cSearchIndex::vAppendFolded(QByteArray& _baOut, const QChar* _pText, int _s32Length)
{
    if (_s32Length <= 0)
        return;
    // Room for the longest form, written directly, then cut to what was written.
    const int s32Old = _baOut.size();
    _baOut.resize(s32Old + 3 * _s32Length);
    char* const pStart = _baOut.data() + s32Old;
    _baOut.resize(s32Old + int(pWriteFolded(pStart, _pText, _s32Length) - pStart));
}

char* cSearchIndex::pOpenRow(int _s32MaxBytes)
{
    const int s32Old = m_baText.size();
    m_baText.resize(s32Old + qMax(0, _s32MaxBytes));
    return m_baText.data() + s32Old;
}

void cSearchIndex::vCloseRow(const char* _pEnd)
{
    m_baText.resize(int(_pEnd - m_baText.constData()));
    vEndRow();
}

QByteArray cSearchIndex::baFolded(const QString& _strText)
{
    QByteArray baFolded;
    baFolded.reserve(_strText.size());
    vAppendFolded(baFolded, _strText.constData(), _strText.size());
    return baFolded;
}

void cSearchIndex::vClear()
{
    m_baText.clear();
    m_offsets = {0};
}

void cSearchIndex::vReserve(int _s32Rows, int _s32BytesPerRow)
{
    m_offsets.reserve(_s32Rows + 1);
    m_baText.reserve(qMin<qint64>(qint64(_s32Rows) * _s32BytesPerRow, 1 << 30));
}

void cSearchIndex::vAppendRow(const QString& _strText)
{
    vAppend(_strText);
    vEndRow();
}

std::vector<char> cSearchIndex::rowsContaining(const QByteArray& _baFoldedNeedle) const
{
    const int s32RowCount = s32Rows();
    std::vector<char> found(size_t(s32RowCount), _baFoldedNeedle.isEmpty() ? 1 : 0);
    if (_baFoldedNeedle.isEmpty())
        return found;
    const char* const pText = m_baText.constData();
    const size_t needle = size_t(_baFoldedNeedle.size());
    int s32Row = 0;
    int s32Pos = 0;
    const int s32End = m_offsets.at(s32RowCount);
    while (s32Pos < s32End && s32Row < s32RowCount) {
        const void* pHit =
            memmem(pText + s32Pos, size_t(s32End - s32Pos), _baFoldedNeedle.constData(), needle);
        if (!pHit)
            break;
        const int s32Hit = int(static_cast<const char*>(pHit) - pText);
        // The row the hit starts in; rows are in order, so the walk goes on
        // from the last one.
        while (m_offsets.at(s32Row + 1) <= s32Hit)
            ++s32Row;
        const int s32RowEnd = m_offsets.at(s32Row + 1);
        if (s32Hit + int(needle) <= s32RowEnd) {
            found[size_t(s32Row)] = 1;
            s32Pos = s32RowEnd; // the next row
        } else {
            s32Pos = s32Hit + 1; // across two rows' texts: no match of either
        }
    }
    return found;
}

QString cSearchIndex::strRowText(int _s32Row) const
{
    if (_s32Row < 0 || _s32Row >= s32Rows())
        return QString();
    const int s32Start = m_offsets.at(_s32Row);
    return QString::fromUtf8(m_baText.constData() + s32Start, m_offsets.at(_s32Row + 1) - s32Start);
}

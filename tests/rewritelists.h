#pragma once

// The two large orders lists that tst_crashsafety and its child program
// listrewriter write in turn. Both sides build them from the same code, so the
// test knows the exact bytes of either without reading them from the child.

#include "data/listfile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <algorithm>

namespace RewriteLists
{

const int s32Lines = 20000;
const int s32Fields = 44;

// A line put together character by character, quick enough for the child
// program to build both lists each time it starts.
class cLineBuilder
{
public:
    void vClear() { m_s32Size = 0; }
    void vAppend(char _cChar) { m_acLine[m_s32Size++] = QLatin1Char(_cChar); }
    void vAppend(const QString& _strText)
    {
        std::copy(_strText.cbegin(), _strText.cend(), m_acLine + m_s32Size);
        m_s32Size += _strText.size();
    }
    // _s32Value with leading zeros to _s32Digits digits.
    void vAppendDigits(int _s32Value, int _s32Digits)
    {
        for (int i = _s32Digits - 1; i >= 0; --i, _s32Value /= 10)
            m_acLine[m_s32Size + i] = QLatin1Char(char('0' + _s32Value % 10));
        m_s32Size += _s32Digits;
    }
    QString strLine() const { return QString(m_acLine, m_s32Size); }

private:
    QChar m_acLine[1024];
    int m_s32Size = 0;
};

// Variant 0 is a Latin-1 file with "\r\n" line ends, as the terminal exports
// it; variant 1 holds a name beyond Latin-1 (as typed in the driver editor),
// so it is written as UTF-8 behind a mark with "\n" line ends. Every line,
// the header included, differs between the two, so a file made of parts of
// both, or cut short, equals neither.
inline ListFileContent contentOf(int _s32Variant)
{
    const bool bNew = _s32Variant != 0;
    ListFileContent content;
    content.bCrLf = !bNew;
    content.encoding = ListFileContent::Encoding::Latin1;

    QStringList slHeader;
    for (int s32Field = 0; s32Field < s32Fields; ++s32Field)
        slHeader << QString::asprintf(bNew ? "spalte_%02d" : "Feld %02d", s32Field + 1);
    content.slLines.reserve(s32Lines + 2);
    content.slLines << slHeader.join(QLatin1Char(';'));

    const QString strName =
        bNew ? QString::fromUtf8("\u0141ukasz W\u00f3jcik") : QString::fromUtf8("J\u00fcrgen B\u00e4umer");
    cLineBuilder line;
    for (int s32Line = 0; s32Line < s32Lines; ++s32Line) {
        line.vClear();
        for (int s32Field = 0; s32Field < s32Fields; ++s32Field) {
            if (s32Field > 0)
                line.vAppend(';');
            if (s32Field == 3) {
                line.vAppend(strName);
                continue;
            }
            // Old values are upper-case and shorter, new ones lower-case:
            // "A0001207" and "n000012.07x" for line 12, field 7.
            line.vAppend(bNew ? 'n' : 'A');
            line.vAppendDigits(s32Line, bNew ? 6 : 5);
            if (bNew)
                line.vAppend('.');
            line.vAppendDigits(s32Field, 2);
            if (bNew)
                line.vAppend('x');
        }
        content.slLines << line.strLine();
    }
    content.slLines << QString(); // the file ends with a line end
    return content;
}

} // namespace RewriteLists

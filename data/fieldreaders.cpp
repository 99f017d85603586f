#include "data/fieldreaders.h"

#include <limits>

namespace FieldReaders
{

QStringList slSplit(const QString& _strLine)
{
    // A file with mixed line ends keeps the "\r" of its "\r\n" lines in the
    // line, so that it is written back byte for byte; it is no part of the
    // last field.
    if (_strLine.endsWith(QLatin1Char('\r')))
        return _strLine.left(_strLine.size() - 1).split(QLatin1Char(';'), Qt::KeepEmptyParts);
    return _strLine.split(QLatin1Char(';'), Qt::KeepEmptyParts);
}

QString strField(const QStringList& _slFields, int _s32Index)
{
    return _slFields.value(_s32Index);
}

QString strClean(const QString& _strText)
{
    // A NUL is one zero byte in UTF-8 and never part of another character, so
    // dropping the NUL characters equals dropping the zero bytes.
    if (!_strText.contains(QChar(0)))
        return _strText;
    QString strResult = _strText;
    strResult.remove(QChar(0));
    return strResult;
}

int s32ParseInt(const QStringRef& _strText, bool* _pOk)
{
    // Up to nine digits behind an optional minus cannot overflow; anything
    // else (blanks, "+", longer numbers, no digits) goes the general way.
    const int s32Size = _strText.size();
    const QChar* pChars = _strText.unicode();
    const int s32First = s32Size > 0 && pChars[0] == QLatin1Char('-') ? 1 : 0;
    if (s32Size > s32First && s32Size - s32First <= 9) {
        int s32Value = 0;
        int i = s32First;
        for (; i < s32Size; ++i) {
            const ushort u16 = pChars[i].unicode();
            if (u16 < '0' || u16 > '9')
                break;
            s32Value = s32Value * 10 + (u16 - '0');
        }
        if (i == s32Size) {
            if (_pOk)
                *_pOk = true;
            return s32First ? -s32Value : s32Value;
        }
    }
    if (s32Size == 0) {
        if (_pOk)
            *_pOk = false;
        return 0;
    }
    return _strText.toInt(_pOk, 10);
}

int s32ToInt(const QString& _strText)
{
    return s32ToInt(QStringRef(&_strText));
}

int s32ToInt(const QStringRef& _strText)
{
    bool bOk = false;
    const int s32Value = s32ParseInt(_strText, &bOk);
    if (bOk)
        return s32Value;
    // A text with NULs reads as the text without them.
    if (!_strText.contains(QChar(0)))
        return 0;
    const int s32Clean = strClean(_strText.toString()).toInt(&bOk, 10);
    return bOk ? s32Clean : 0;
}

namespace
{

// Only the ASCII digits count; blanks, units and letters are dropped. Read
// as the text of those digits would be: empty or out of range reads as 0.
int s32DigitsValue(const QStringRef& _strPart)
{
    qint64 s64Value = 0;
    for (const QChar c : _strPart) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            s64Value = s64Value * 10 + (c.unicode() - '0');
            if (s64Value > std::numeric_limits<int>::max())
                return 0;
        }
    }
    return int(s64Value);
}

// Hours and minutes as minutes; a garbled field with a huge hour count stops
// at the largest int instead of overflowing.
int s32Minutes(int _s32Hours, int _s32Minutes)
{
    const qint64 s64Minutes = qint64(_s32Hours) * 60 + _s32Minutes;
    return int(qMin<qint64>(s64Minutes, std::numeric_limits<int>::max()));
}

} // namespace

int s32DurationToMinutes(const QString& _strText)
{
    return s32DurationToMinutes(QStringRef(&_strText));
}

int s32DurationToMinutes(const QStringRef& _strText)
{
    const int s32Colon = _strText.indexOf(QLatin1Char(':'));
    if (s32Colon < 0)
        return s32Minutes(s32DigitsValue(_strText), 0);
    // Like a split at ":": the minutes are the text up to a second colon.
    const int s32Next = _strText.indexOf(QLatin1Char(':'), s32Colon + 1);
    const QStringRef strMinutes =
        s32Next < 0 ? _strText.mid(s32Colon + 1) : _strText.mid(s32Colon + 1, s32Next - s32Colon - 1);
    return s32Minutes(s32DigitsValue(_strText.left(s32Colon)), s32DigitsValue(strMinutes));
}

QDate dateOfTimestamp(const QString& _strText)
{
    return dateOfTimestamp(QStringRef(&_strText));
}

QDate dateOfTimestamp(const QStringRef& _strText)
{
    // The day is the text before the first blank, its parts split at ".".
    const int s32Blank = _strText.indexOf(QLatin1Char(' '));
    const QStringRef strDay = s32Blank < 0 ? _strText : _strText.left(s32Blank);
    const int s32FirstDot = strDay.indexOf(QLatin1Char('.'));
    const int s32SecondDot = s32FirstDot < 0 ? -1 : strDay.indexOf(QLatin1Char('.'), s32FirstDot + 1);
    if (s32SecondDot < 0)
        return QDate();
    const int s32ThirdDot = strDay.indexOf(QLatin1Char('.'), s32SecondDot + 1);
    const QStringRef strYear = s32ThirdDot < 0 ? strDay.mid(s32SecondDot + 1)
                                               : strDay.mid(s32SecondDot + 1, s32ThirdDot - s32SecondDot - 1);
    return QDate(s32ParseInt(strYear),
                 s32ParseInt(strDay.mid(s32FirstDot + 1, s32SecondDot - s32FirstDot - 1)),
                 s32ParseInt(strDay.left(s32FirstDot)));
}

} // namespace FieldReaders

RecordFields::RecordFields(const QString& _strLine) : m_pLine(&_strLine)
{
    int s32End = _strLine.size();
    if (s32End > 0 && _strLine.at(s32End - 1) == QLatin1Char('\r'))
        --s32End;
    const ushort* pChars = _strLine.utf16();
    m_bounds.append(0);
    for (int i = 0; i < s32End; ++i) {
        if (pChars[i] == ';')
            m_bounds.append(i + 1);
    }
    m_bounds.append(s32End + 1);
}

QStringRef RecordFields::field(int _s32Index) const
{
    if (_s32Index < 0 || _s32Index >= s32Count())
        return QStringRef();
    const int s32Start = m_bounds[_s32Index];
    return QStringRef(m_pLine, s32Start, m_bounds[_s32Index + 1] - 1 - s32Start);
}

QString RecordFields::strClean(int _s32Index) const
{
    return FieldReaders::strClean(strField(_s32Index));
}

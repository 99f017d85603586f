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

int s32ToInt(const QString& _strText)
{
    return s32ToInt(QStringRef(&_strText));
}

int s32ToInt(const QStringRef& _strText)
{
    bool bOk = false;
    const int s32Value = _strText.contains(QChar(0)) ? strClean(_strText.toString()).toInt(&bOk, 10)
                                                     : _strText.toInt(&bOk, 10);
    return bOk ? s32Value : 0;
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
    return QDate(strYear.toInt(), strDay.mid(s32FirstDot + 1, s32SecondDot - s32FirstDot - 1).toInt(),
                 strDay.left(s32FirstDot).toInt());
}

} // namespace FieldReaders

RecordFields::RecordFields(const QString& _strLine) : m_pLine(&_strLine)
{
    int s32End = _strLine.size();
    if (s32End > 0 && _strLine.at(s32End - 1) == QLatin1Char('\r'))
        --s32End;
    const QChar* pChars = _strLine.constData();
    m_bounds.append(0);
    for (int i = 0; i < s32End; ++i) {
        if (pChars[i] == QLatin1Char(';'))
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

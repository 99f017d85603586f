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
    bool bOk = false;
    const int s32Value = strClean(_strText).toInt(&bOk, 10);
    return bOk ? s32Value : 0;
}

namespace
{

// Only the ASCII digits count; blanks, units and letters are dropped.
int s32DigitsValue(const QString& _strPart)
{
    QString strDigits;
    strDigits.reserve(_strPart.size());
    for (const QChar c : _strPart) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            strDigits.append(c);
    }
    return strDigits.toInt(); // empty (or out of range) reads as 0
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
    const int s32Colon = _strText.indexOf(QLatin1Char(':'));
    if (s32Colon < 0)
        return s32Minutes(s32DigitsValue(_strText), 0);
    // Like a split at ":": the minutes are the text up to a second colon.
    const int s32Next = _strText.indexOf(QLatin1Char(':'), s32Colon + 1);
    const QString strMinutes =
        s32Next < 0 ? _strText.mid(s32Colon + 1) : _strText.mid(s32Colon + 1, s32Next - s32Colon - 1);
    return s32Minutes(s32DigitsValue(_strText.left(s32Colon)), s32DigitsValue(strMinutes));
}

QDate dateOfTimestamp(const QString& _strText)
{
    const QString strDay = _strText.section(QLatin1Char(' '), 0, 0);
    const QStringList slParts = strDay.split(QLatin1Char('.'), Qt::KeepEmptyParts);
    if (slParts.size() < 3)
        return QDate();
    return QDate(slParts.at(2).toInt(), slParts.at(1).toInt(), slParts.at(0).toInt());
}

} // namespace FieldReaders

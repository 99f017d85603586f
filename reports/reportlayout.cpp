#include "reports/reportlayout.h"

#include <QRegularExpression>

#include <numeric>

namespace ReportLayout
{

namespace
{

QStringList slWords(const QString& _strText)
{
    static const QRegularExpression s_blank(QStringLiteral("[ \\n]+"));
    return _strText.split(s_blank, Qt::SkipEmptyParts);
}

// Gives _dRest beyond the widths to the columns of a weight, by weight, but
// none more than its whole text (_wanted); what they leave goes to the
// columns without weight (numbers: their headers wrap less), then to all by
// weight, so that the table is as wide as the room.
void vSpreadRest(QVector<double>& _widths, const QVector<double>& _wanted, const QVector<double>& _weights,
                 double _dRest)
{
    const int s32Count = _widths.size();
    double dRest = _dRest;
    QVector<bool> full(s32Count, false);
    for (int pass = 0; pass < s32Count && dRest > 1e-9; ++pass) {
        double dOpen = 0;
        for (int c = 0; c < s32Count; ++c)
            dOpen += full[c] ? 0 : _weights[c];
        if (dOpen <= 0)
            break;
        double dGiven = 0;
        for (int c = 0; c < s32Count; ++c) {
            if (full[c] || _weights[c] <= 0)
                continue;
            const double dTake = qMin(dRest * _weights[c] / dOpen, _wanted[c] - _widths[c]);
            _widths[c] += dTake;
            dGiven += dTake;
            if (_widths[c] >= _wanted[c] - 1e-9)
                full[c] = true;
        }
        dRest -= dGiven;
        if (dGiven <= 1e-9)
            break;
    }
    for (int c = 0; c < s32Count && dRest > 1e-9; ++c) {
        if (_weights[c] > 0)
            continue;
        const double dTake = qMin(dRest, _wanted[c] - _widths[c]);
        _widths[c] += dTake;
        dRest -= dTake;
    }
    double dWeights = 0;
    for (const double dWeight : _weights)
        dWeights += dWeight;
    for (int c = 0; c < s32Count && dRest > 1e-9 && dWeights > 0; ++c)
        _widths[c] += dRest * _weights[c] / dWeights;
}

} // namespace

double dWidestWord(const QString& _strText, bool _bBold, const Measure& _measure)
{
    double dWidest = 0;
    for (const QString& strWord : slWords(_strText))
        dWidest = qMax(dWidest, _measure(strWord, _bBold));
    return dWidest;
}

QStringList slWrapAtBlanks(const QString& _strText, double _dWidth, bool _bBold, const Measure& _measure)
{
    QStringList slLines;
    for (const QString& strParagraph : _strText.split(QLatin1Char('\n'))) {
        QString strLine;
        for (const QString& strWord : strParagraph.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QString strLonger = strLine.isEmpty() ? strWord : strLine + QLatin1Char(' ') + strWord;
            if (strLine.isEmpty() || _measure(strLonger, _bBold) <= _dWidth) {
                strLine = strLonger;
            } else {
                slLines << strLine;
                strLine = strWord;
            }
        }
        slLines << strLine;
    }
    return slLines;
}

QVector<double> columnWidths(const QVector<ColumnSpec>& _columns, const QStringList& _slHeader,
                             const QVector<QStringList>& _rows, const QStringList& _slTotals,
                             const Measure& _measure, double _dPad, double _dTotal)
{
    const int s32Count = _columns.size();
    QVector<double> need(s32Count, 0);   // below this a text breaks where it must not
    QVector<double> wanted(s32Count, 0); // every text on one line
    for (int c = 0; c < s32Count; ++c) {
        // Headers wrap at blanks only.
        need[c] = dWidestWord(_slHeader.value(c), true, _measure);
        wanted[c] = qMax(need[c], _measure(_slHeader.value(c), true));
        const auto take = [&](const QString& _strCell, bool _bBold) {
            const double dWhole = _measure(_strCell, _bBold);
            need[c] =
                qMax(need[c], _columns.at(c).bNumber ? dWhole : dWidestWord(_strCell, _bBold, _measure));
            wanted[c] = qMax(wanted[c], dWhole);
        };
        for (const QStringList& slRow : _rows)
            take(slRow.value(c), false);
        take(_slTotals.value(c), true);
        need[c] += 2 * _dPad;
        wanted[c] += 2 * _dPad;
    }
    const double dNeed = std::accumulate(need.cbegin(), need.cend(), 0.0);
    if (dNeed > _dTotal)
        return {};

    // Text columns take their whole texts where there is room, by weight.
    double dTextWeights = 0;
    for (const ColumnSpec& column : _columns)
        dTextWeights += column.bNumber ? 0 : column.dWeight;
    const bool bTextsOnly = dTextWeights > 0;
    const auto weight = [&](int _c) {
        return !bTextsOnly || !_columns.at(_c).bNumber ? qMax(1e-9, _columns.at(_c).dWeight) : 0.0;
    };
    QVector<double> weights(s32Count);
    double dWeights = 0;
    for (int c = 0; c < s32Count; ++c) {
        weights[c] = weight(c);
        dWeights += weights[c];
    }

    QVector<double> widths = need;
    const double dWanted = std::accumulate(wanted.cbegin(), wanted.cend(), 0.0);
    if (dWanted <= _dTotal) {
        // Every text on one line; the rest by weight.
        widths = wanted;
        for (int c = 0; c < s32Count; ++c)
            widths[c] += (_dTotal - dWanted) * weight(c) / dWeights;
        return widths;
    }
    vSpreadRest(widths, wanted, weights, _dTotal - dNeed);
    return widths;
}

} // namespace ReportLayout

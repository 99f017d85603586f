#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

// How a report's table and text blocks are laid out, apart from drawing: the
// widths come from a measure of the texts, so the rules can be checked with
// any measure (the PDF writer's font metrics when drawing).
namespace ReportLayout
{

// The width of a text on one line; _bBold for headers and totals.
using Measure = std::function<double(const QString& _strText, bool _bBold)>;

struct ColumnSpec {
    double dWeight = 1;   // share of the room left beyond what the texts need
    bool bNumber = false; // numbers never wrap
};

// The widths of a table's columns within _dTotal, each including 2 * _dPad:
// a number column is as wide as its widest cell (header words included), a
// text column at least as wide as its widest word and, where there is room,
// as its widest cell; what is left goes to the text columns by weight (to
// all columns when there is none). Empty when the needs alone pass _dTotal:
// the caller takes a smaller font or a wider page.
QVector<double> columnWidths(const QVector<ColumnSpec>& _columns, const QStringList& _slHeader,
                             const QVector<QStringList>& _rows, const QStringList& _slTotals,
                             const Measure& _measure, double _dPad, double _dTotal);

// The widest word of a text (words are separated by blanks and line breaks).
double dWidestWord(const QString& _strText, bool _bBold, const Measure& _measure);

// The lines of a text wrapped at blanks into _dWidth; a word wider than
// _dWidth stands on a line of its own, whole.
QStringList slWrapAtBlanks(const QString& _strText, double _dWidth, bool _bBold, const Measure& _measure);

} // namespace ReportLayout

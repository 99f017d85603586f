#pragma once

#include <QString>

class QWidget;

// The table of field and road figures that the season page and the
// consumption page share: the tortoise and hare column heads, the row titles
// and the framed value labels.
namespace FieldRoadTable
{

// Styles the table's labels on _pPage (found by their names) at the text
// size; the column heads get images _s32HeadSize high.
void vApplyStyles(QWidget* _pPage, int _s32TextSize, int _s32HeadSize);

// The framed value label style with the label text colour.
QString strValueStyle(int _s32TextSize);

// Keeps every value label at least as wide as its text, so that a squeezed
// layout cuts no figure ("43,892 km" must not show as "3,892 kn"); the
// style's minimum of 3em stays the floor. Call after the texts change.
void vKeepValuesWhole(QWidget* _pPage);

} // namespace FieldRoadTable

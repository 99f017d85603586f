#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// Conversions of the ";"-separated fields of list and statistics files.
namespace FieldReaders
{

// Splits a record line at ";", keeping empty fields; a "\r" left at the
// line's end (mixed line ends) belongs to no field.
QStringList slSplit(const QString& _strLine);
// Field _s32Index of a split record; beyond the end it reads as empty text.
QString strField(const QStringList& _slFields, int _s32Index);

// The text with every NUL removed (the terminal pads some fields with NULs).
QString strClean(const QString& _strText);
// NUL-free text read as a base-10 integer; 0 when it is no integer.
int s32ToInt(const QString& _strText);
// A duration H:MM in minutes: only the digits of each part count, an empty
// part reads 0, a text without ":" counts as hours ("2h:30min" gives 150).
// Never negative; values beyond the int range stop at its largest value.
int s32DurationToMinutes(const QString& _strText);
// The date of a start or stop field "dd.mm.yyyy hh:mm"; invalid when the text
// before the first blank has fewer than three "."-separated parts.
QDate dateOfTimestamp(const QString& _strText);

} // namespace FieldReaders

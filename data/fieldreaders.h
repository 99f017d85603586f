#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVarLengthArray>

// Conversions of the ";"-separated fields of list and statistics files.
namespace FieldReaders
{

// Splits a record line at ";", keeping empty fields; a "\r" left at the
// line's end (mixed line ends) belongs to no field.
QStringList slSplit(const QString& _strLine);
// Field _s32Index of a split record; beyond the end it reads as empty text.
QString strField(const QStringList& _slFields, int _s32Index);

// A text read as QString::toInt(&ok, 10) reads it, quickly for the plain
// digits that nearly every field holds.
int s32ParseInt(const QStringRef& _strText, bool* _pOk = nullptr);

// The text with every NUL removed (the terminal pads some fields with NULs).
QString strClean(const QString& _strText);
// NUL-free text read as a base-10 integer; 0 when it is no integer.
int s32ToInt(const QString& _strText);
int s32ToInt(const QStringRef& _strText);
// A duration H:MM in minutes: only the digits of each part count, an empty
// part reads 0, a text without ":" counts as hours ("2h:30min" gives 150).
// Never negative; values beyond the int range stop at its largest value.
int s32DurationToMinutes(const QString& _strText);
int s32DurationToMinutes(const QStringRef& _strText);
// The date of a start or stop field "dd.mm.yyyy hh:mm"; invalid when the text
// before the first blank has fewer than three "."-separated parts.
QDate dateOfTimestamp(const QString& _strText);
QDate dateOfTimestamp(const QStringRef& _strText);

} // namespace FieldReaders

// One record line split once: the fields are references into the line, read
// as text, integer, duration or date without a list of copies. The line must
// outlive the object. Reads the same as slSplit() and the readers above.
class RecordFields
{
public:
    explicit RecordFields(const QString& _strLine);

    int s32Count() const { return m_bounds.size() - 1; }
    int s32LineLength() const { return m_pLine->size(); }
    // Field _s32Index as written; beyond the end a null reference.
    QStringRef field(int _s32Index) const;
    QString strField(int _s32Index) const { return field(_s32Index).toString(); }
    // Without NULs (see FieldReaders::strClean).
    QString strClean(int _s32Index) const;
    int s32Int(int _s32Index) const { return FieldReaders::s32ToInt(field(_s32Index)); }
    int s32Minutes(int _s32Index) const { return FieldReaders::s32DurationToMinutes(field(_s32Index)); }

private:
    const QString* m_pLine;
    // Where each field starts, and one past the separator after the last.
    QVarLengthArray<int, 64> m_bounds;
};

#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

// Where reports and exports go: a "Feldbrief" folder in the user's documents,
// apart from the download folder, so that no list page takes them for a list.
namespace ReportFiles
{

QString strFolder();

// "<what>_<from>_<to>.<suffix>" with the dates as yyyy-MM-dd (one date when
// both are the same, none when invalid). Characters no file system takes,
// and path separators, become "_". The text before the dates is cut (between
// characters) so that the name, in the file system's encoding, stays within
// the 255 bytes file systems take, with room for the " (2)" of strFreePath
// and the temporary name of an atomic write.
QString strFileName(const QString& _strWhat, const QDate& _dateFrom, const QDate& _dateTo,
                    const QString& _strSuffix);

// _strFileName in _strFolder, or with " (2)", " (3)", ... before the suffix
// when a file of that name is there: a report never overwrites another.
QString strFreePath(const QString& _strFolder, const QString& _strFileName);

// Writes the bytes to a free path for _strFileName in _strFolder (made when
// missing), atomically: a failed write leaves nothing behind, neither a file
// nor the folders it made. Returns the path, or an empty text and the
// translated message (the file and the reason) in _pError.
QString strWrite(const QString& _strFolder, const QString& _strFileName, const QByteArray& _baContent,
                 QString* _pError);

} // namespace ReportFiles

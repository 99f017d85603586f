#pragma once

#include <QByteArray>
#include <QString>

// The terminal's exports in a folder: one file per kind, recognised by its
// name, and the files that clients send in.
namespace SimDataFolder
{

// The file of a kind (request word): the first file, in name order, whose
// name contains one of the kind's stems, ignoring case; empty when none.
QString strFileOfKind(const QString& _strFolder, const QString& _strKind);
// The content as the terminal sends it: UTF-8 without byte-order mark. Files
// in Latin-1 (as the terminal's own exports are) are converted.
QByteArray baContentForSending(const QByteArray& _baFile);
// Stores an imported file over the existing file of its kind, or as
// "<kind>.csv"; written to a temporary file and renamed. False when the kind
// cannot be imported, the content is empty or the file cannot be written.
bool bStoreImport(const QString& _strFolder, const QString& _strKind, const QByteArray& _baContent);
// Copies the files of _strFrom into _strTo when _strTo holds no file yet.
void vSeed(const QString& _strTo, const QString& _strFrom);

} // namespace SimDataFolder

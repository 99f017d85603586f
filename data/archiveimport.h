#pragma once

#include "data/listkind.h"

#include <QByteArray>
#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

// The machine a file came from: the chassis number and the serial number of
// the connected terminal. Both empty for a file opened from disk.
struct ArchiveMachine {
    QString strChassis;
    QString strSerial;
};

// One arriving file: its name, its bytes as stored, where and when it came.
struct ArchiveInput {
    QString strFileName;
    ListKind kind = ListKind::None; // None: decided by the file name
    QByteArray baContent;
    ArchiveMachine machine;
    QDateTime arrived;
};

// What an import did: how many records were new, had changed (a new version
// beside the earlier ones) or arrived unchanged.
struct ArchiveImportResult {
    // NoList: the file's name names no list; Database: the import failed
    // and left nothing; Closed: the archive could not be opened (the store).
    enum class Failure { None, NoList, Database, Closed };

    Failure failure = Failure::None;
    QSqlError error; // the driver's error for Failure::Database
    int s32New = 0;
    int s32Changed = 0;
    int s32Unchanged = 0;

    bool bOk() const { return failure == Failure::None; }
};

namespace ArchiveImport
{

// Imports one file in one transaction into an archive of the current schema:
// either every record goes in or (on any failure) none does. Records of the
// same machine and kind are matched by their key; a record whose line
// differs from its latest version gets a new version, the earlier ones stay,
// and records the file no longer holds are left as they are. Only bound
// values reach the database.
ArchiveImportResult importFile(QSqlDatabase& _database, const ArchiveInput& _input);

// The time text the archive keeps (UTC, ISO 8601 with milliseconds), which
// sorts as the times do.
QString strTime(const QDateTime& _time);

} // namespace ArchiveImport

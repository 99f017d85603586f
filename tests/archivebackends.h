#pragma once

// The database back ends the archive's table of cases runs on. Each makes,
// per case, a connection to an empty database of its own; one that cannot
// run here says why, and its cases are skipped with that reason.

#include <QSqlDatabase>
#include <QString>
#include <QVector>

#include <functional>

struct ArchiveBackend {
    QString strName; // "sqlite", "postgresql"
    // A connection named _strConnection to a new, empty database (not yet
    // opened); an invalid QSqlDatabase with the reason in _strWhyNot where
    // the back end cannot be had.
    std::function<QSqlDatabase(const QString& _strConnection, QString& _strWhyNot)> fnFresh;
};

// Every back end of this build (tst_archive.cpp).
QVector<ArchiveBackend> archiveBackends();

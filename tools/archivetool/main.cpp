// vemo-archive: imports list and statistics files into an archive and
// prints what it holds as CSV. For tests, the benchmark and moving to a new
// computer; not installed.
//
//   vemo-archive [--archive FILE] import [--chassis C] [--serial S] FILE...
//   vemo-archive [--archive FILE] records [--kind KIND]
//
// Without --archive the application's own archive is used.

#include "data/archiveschema.h"
#include "data/archivestore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QVariant>

#include <cstdio>

namespace
{

constexpr const char* USAGE =
    "usage: vemo-archive [--archive FILE] import [--chassis C] [--serial S] FILE...\n"
    "       vemo-archive [--archive FILE] records [--kind KIND]\n";

// One CSV field: quoted, quotes doubled, the bytes as they are.
QByteArray baCsvField(const QByteArray& _baValue)
{
    QByteArray ba = _baValue;
    ba.replace('"', "\"\"");
    return '"' + ba + '"';
}

int s32Import(cArchiveStore& _store, const QStringList& _slArguments)
{
    ArchiveMachine machine;
    QStringList slFiles;
    for (int i = 0; i < _slArguments.size(); ++i) {
        const QString& strArgument = _slArguments.at(i);
        if (strArgument == QLatin1String("--chassis") && i + 1 < _slArguments.size())
            machine.strChassis = _slArguments.at(++i);
        else if (strArgument == QLatin1String("--serial") && i + 1 < _slArguments.size())
            machine.strSerial = _slArguments.at(++i);
        else
            slFiles << strArgument;
    }
    if (slFiles.isEmpty()) {
        std::fputs(USAGE, stderr);
        return 2;
    }
    int s32Result = 0;
    for (const QString& strPath : slFiles) {
        QFile file(strPath);
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(strPath), qPrintable(file.errorString()));
            s32Result = 1;
            continue;
        }
        ArchiveInput input;
        input.strFileName = QFileInfo(strPath).fileName();
        input.baContent = file.readAll();
        input.machine = machine;
        input.arrived = QDateTime::currentDateTimeUtc();
        QString strMessage;
        const ArchiveImportResult result = _store.importFile(input, &strMessage);
        if (!result.bOk()) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(strPath), qPrintable(strMessage));
            s32Result = 1;
            continue;
        }
        std::printf("%s: %d new, %d changed, %d unchanged\n", qPrintable(input.strFileName), result.s32New,
                    result.s32Changed, result.s32Unchanged);
    }
    return s32Result;
}

// Every version of every record, oldest first per record.
int s32Records(cArchiveStore& _store, const QStringList& _slArguments)
{
    QString strKind;
    if (_slArguments.size() == 2 && _slArguments.at(0) == QLatin1String("--kind"))
        strKind = _slArguments.at(1);
    else if (!_slArguments.isEmpty()) {
        std::fputs(USAGE, stderr);
        return 2;
    }
    const ArchiveOpenResult opened = _store.open();
    if (!opened.bUsable()) {
        std::fprintf(stderr, "%s\n", qPrintable(opened.strMessage));
        return 1;
    }
    QSqlQuery query(_store.database());
    query.prepare(
        QStringLiteral("SELECT r.chassis, r.serial, r.kind, r.record_key, r.season, v.first_seen, %1, "
                       "v.line FROM archive_records r JOIN archive_versions v ON v.record_id = r.id "
                       "LEFT JOIN archive_files f ON f.id = v.last_file_id "
                       "WHERE (:kind = '' OR r.kind = :kind2) "
                       "ORDER BY r.chassis, r.serial, r.kind, r.record_key, v.first_seen, v.id")
            .arg(ArchiveSchema::strLastSeen(QStringLiteral("v"), QStringLiteral("f"))));
    // An empty, not a null, text: null would be bound as NULL and match nothing.
    const QString strBound = strKind.isNull() ? QStringLiteral("") : strKind;
    query.bindValue(QStringLiteral(":kind"), strBound);
    query.bindValue(QStringLiteral(":kind2"), strBound);
    if (!query.exec()) {
        std::fprintf(stderr, "%s\n", qPrintable(query.lastError().text()));
        return 1;
    }
    std::fputs("chassis,serial,kind,key,season,first_seen,last_seen,line\n", stdout);
    while (query.next()) {
        QByteArrayList fields;
        for (int i = 0; i < 7; ++i)
            fields << baCsvField(query.value(i).toString().toUtf8());
        fields << baCsvField(query.value(7).toByteArray());
        const QByteArray baRow = fields.join(',') + '\n';
        std::fwrite(baRow.constData(), 1, size_t(baRow.size()), stdout);
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QStringList slArguments = app.arguments().mid(1);
    QString strArchive = cArchiveStore::strDefaultPath();
    if (slArguments.size() >= 2 && slArguments.at(0) == QLatin1String("--archive")) {
        strArchive = slArguments.at(1);
        slArguments = slArguments.mid(2);
    }
    if (slArguments.isEmpty()) {
        std::fputs(USAGE, stderr);
        return 2;
    }
    const QString strCommand = slArguments.takeFirst();
    int s32Result = 2;
    {
        cArchiveStore store(cArchiveStore::sqliteConnection(strArchive, QStringLiteral("vemo-archive")));
        if (strCommand == QLatin1String("import"))
            s32Result = s32Import(store, slArguments);
        else if (strCommand == QLatin1String("records"))
            s32Result = s32Records(store, slArguments);
        else
            std::fputs(USAGE, stderr);
        store.vClose();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("vemo-archive"));
    return s32Result;
}

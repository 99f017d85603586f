// The archive's import: any bytes as a list or statistics file go into an
// archive (SQLite in memory) as bound values; the import succeeds, counts
// every record it read, keeps every line as bytes of the file, and a second
// import of the same file adds nothing.
//
// Byte 0 of an input picks the kind of file (orders, fields, drivers,
// customers, season, machine); the rest is the file.
#include "fuzztarget.h"

#include "data/archiverecords.h"
#include "data/archivestore.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QVariant>

namespace
{

void vEnsureApplication()
{
    // The SQL drivers are plugins; a fuzzing program has no application yet.
    static int s_s32Argc = 1;
    static char s_acName[] = "fuzz_archive";
    static char* s_apArgv[] = {s_acName, nullptr};
    if (!QCoreApplication::instance())
        new QCoreApplication(s_s32Argc, s_apArgv);
}

void vCheck(const QByteArray& _baContent, ListKind _kind)
{
    ArchiveInput input;
    input.strFileName = QStringLiteral("fuzz.csv");
    input.kind = _kind;
    input.baContent = _baContent;
    input.machine = {QStringLiteral("WMA'; --"), QStringLiteral("1")};
    input.arrived = QDateTime(QDate(2014, 10, 1), QTime(8, 0), Qt::UTC);
    const int s32Records = ArchiveRecords::read(_baContent, _kind, input.arrived).records.size();

    cArchiveStore store(cArchiveStore::sqliteConnection(QStringLiteral(":memory:"), QStringLiteral("fuzz")));
    FUZZ_CHECK(store.open().kind == ArchiveOpenResult::Kind::Open);
    const ArchiveImportResult first = store.importFile(input);
    FUZZ_CHECK(first.bOk());
    FUZZ_CHECK(first.s32New + first.s32Changed + first.s32Unchanged == s32Records);
    input.arrived = input.arrived.addDays(1);
    const ArchiveImportResult second = store.importFile(input);
    FUZZ_CHECK(second.bOk() && second.s32New == 0 && second.s32Changed == 0);

    QSqlQuery query(store.database());
    FUZZ_CHECK(query.exec(QStringLiteral("SELECT v.line, r.chassis FROM archive_versions v "
                                         "JOIN archive_records r ON r.id = v.record_id")));
    int s32Versions = 0;
    while (query.next()) {
        const QByteArray baLine = query.value(0).toByteArray();
        FUZZ_CHECK(!baLine.isEmpty() && _baContent.contains(baLine));
        FUZZ_CHECK(query.value(1).toString() == input.machine.strChassis);
        ++s32Versions;
    }
    FUZZ_CHECK(s32Versions == first.s32New + first.s32Changed);
    store.vClose();
}

} // namespace

VEMO_FUZZ_TARGET(fuzzArchive)
{
    if (size == 0)
        return 0;
    vEnsureApplication();
    const ListKind kind = ListKind(1 + data[0] % 6);
    vCheck(Fuzz::baInput(data + 1, size - 1), kind);
    QSqlDatabase::removeDatabase(QStringLiteral("fuzz"));
    return 0;
}

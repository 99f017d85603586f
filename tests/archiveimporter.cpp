// Child program of tst_archive: imports one big orders file into a SQLite
// archive, until the test kills it.
//
//   archiveimporter <archive file> <orders> <variant>
//
// Prints "S" when the archive is open and the import begins and
// "D <milliseconds>" when it is done, each line flushed at once; a failure
// prints "E <reason>" and ends the program with 1.

#include "archivefixtures.h"

#include "data/archivestore.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList slArgs = app.arguments();
    if (slArgs.size() != 4) {
        std::fprintf(stderr, "usage: archiveimporter <archive file> <orders> <variant>\n");
        return 2;
    }
    ArchiveInput input;
    input.strFileName = QStringLiteral("Auftraege.csv");
    input.baContent = ArchiveFixtures::baBigOrdersFile(slArgs.at(2).toInt(), slArgs.at(3).toInt());
    input.machine = {QStringLiteral("WMA-222"), QStringLiteral("S-WMA-222")};
    input.arrived = QDateTime(QDate(2014, 10, 30), QTime(12, 0), Qt::UTC);
    int s32Result = 0;
    {
        cArchiveStore store(cArchiveStore::sqliteConnection(slArgs.at(1), QStringLiteral("archive")));
        const ArchiveOpenResult opened = store.open();
        if (opened.kind != ArchiveOpenResult::Kind::Open) {
            std::printf("E %s\n", qPrintable(opened.strMessage));
            return 1;
        }
        std::printf("S\n");
        std::fflush(stdout);
        QElapsedTimer timer;
        timer.start();
        QString strMessage;
        if (store.importFile(input, &strMessage).bOk()) {
            std::printf("D %lld\n", timer.elapsed());
        } else {
            std::printf("E %s\n", qPrintable(strMessage));
            s32Result = 1;
        }
        std::fflush(stdout);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("archive"));
    return s32Result;
}

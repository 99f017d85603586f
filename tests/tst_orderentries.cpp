// An order entry's searchable text, as the list folds it, and the same text
// described for the archive (fixed texts, fields between): for every line
// and both sort orders the archive's description composes the same bytes,
// and a search over the archive's values finds the rows the list finds.

#include "archivefixtures.h"
#include "testsupport.h"

#include "data/archivesearch.h"
#include "data/fieldreaders.h"
#include "data/searchindex.h"
#include "mainwindow/corderentries.h"

#include <QtTest>

using namespace ArchiveSearch;

class tst_OrderEntries : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::vIsolate(); }
    void archiveSearchFindsWhatTheListFinds_data();
    void archiveSearchFindsWhatTheListFinds();
};

void tst_OrderEntries::archiveSearchFindsWhatTheListFinds_data()
{
    QTest::addColumn<int>("sortMode");
    QTest::newRow("by number") << 0;
    QTest::newRow("by customer") << 1;
}

void tst_OrderEntries::archiveSearchFindsWhatTheListFinds()
{
    QFETCH(int, sortMode);
    QStringList slLines{QStringLiteral("header")};
    const QStringList slCustomers{"Müller", "MÜLLER", "Köhler", "x' OR 1=1 --", "Oßenbrügge", ""};
    for (int i = 0; i < 60; ++i) {
        QString strLine = QString::fromLatin1(
            ArchiveFixtures::baOrder(100 + i, QStringLiteral("%1.10.2014 0%2:30").arg(10 + i % 9).arg(i % 10),
                                     1000 * i, slCustomers.at(i % slCustomers.size())));
        if (i % 7 == 3) // the terminal pads a field with zero bytes
            strLine.replace(QStringLiteral("Breite"), QStringLiteral("Breite") + QString(3, QChar(0)));
        if (i % 11 == 5) // a driver with zero bytes, kept by the list's search
            strLine.replace(QStringLiteral("Jörg"), QStringLiteral("Jö") + QChar(0) + QStringLiteral("rg"));
        slLines << strLine;
    }
    const cOrderEntries entries(slLines, sortMode, 768);
    QVector<ValueSource> sources;
    const Layout layout = entries.searchLayout(&sources);
    QCOMPARE(sources.size(), layout.s32Values());

    cSearchIndex index;
    QVector<QVector<QByteArray>> rows;
    for (int i = 1; i < slLines.size(); ++i) {
        const RecordFields fields(slLines.at(i));
        entries.vAppendSearchText(fields, index);
        QVector<QByteArray> values;
        for (const ValueSource& source : sources)
            values << baFoldedValue(fields.field(source.s32Field), source.bClean);
        rows << values;
        // Decoded with its length: a zero byte is part of the text.
        const QByteArray baComposed = baCompose(layout, values);
        QCOMPARE(QString::fromUtf8(baComposed.constData(), baComposed.size()), index.strRowText(i - 1));
    }
    // Needles from the texts, across labels and values, and some found nowhere.
    QStringList slNeedles{
        "müller", "MÜL",       "ler (47", "kunde: k", "breite",   "(4)\nfahrer",     "2014 0", "jörg",
        "jö",     "rg\nstart", "x' or",   "nowhere",  "Auftrags", ") \nschlag: gro", ""};
    for (const QString& strNeedle : slNeedles) {
        const QByteArray baNeedle = cSearchIndex::baFolded(strNeedle);
        const std::vector<char> listFinds = index.rowsContaining(baNeedle);
        const Plan p = plan(layout, baNeedle);
        for (int r = 0; r < rows.size(); ++r) {
            const bool bList = baNeedle.isEmpty() || listFinds[size_t(r)];
            if (bMatches(p, rows.at(r)) != bList)
                QFAIL(
                    qPrintable(QStringLiteral("\"%1\" in row %2: list %3").arg(strNeedle).arg(r).arg(bList)));
        }
    }
}

QTEST_MAIN(tst_OrderEntries)

#include "tst_orderentries.moc"

// The archive's search: conditions on an entry's values that hold exactly
// when the entry's composed text contains the search text, also across the
// fixed texts between values.

#include "pgserver.h"
#include "testsupport.h"

#include "data/archivesearch.h"

#include <QRandomGenerator>
#include <QSqlQuery>
#include <QtTest>

using namespace ArchiveSearch;

namespace
{

// An order entry as the list composes it (labels folded, values between).
Layout orderLayout()
{
    return Layout{{"auftrags nummer: ", "\nkunde: ", " (", ") \nschlag: ", " (",
                   ")\nfahrer: ", "\nstart: ", "\nstopp: ", "\nreihenabstand: ", ""}};
}

QVector<QByteArray> orderValues()
{
    return {"4711", "müller", "47", "große breite", "3", "jörg", "14.09.2015 08:00", "14.09.2015 17:45",
            "45"};
}

} // namespace

class tst_ArchiveSearch : public QObject
{
    Q_OBJECT

private slots:
    void orderEntry_data();
    void orderEntry();
    void sameAsTheComposedText();
    void sameInTheDatabase_data();
    void sameInTheDatabase();

private:
    cPgServer m_server;
};

void tst_ArchiveSearch::orderEntry_data()
{
    QTest::addColumn<QByteArray>("needle");
    QTest::addColumn<bool>("everyRow");
    QTest::addColumn<bool>("found");
    QTest::newRow("in a value") << QByteArray("üll") << false << true;
    QTest::newRow("not there") << QByteArray("meier") << false << false;
    QTest::newRow("in a label") << QByteArray("kunde") << true << true;
    QTest::newRow("empty") << QByteArray() << true << true;
    QTest::newRow("label into value") << QByteArray("kunde: mü") << false << true;
    QTest::newRow("label into another value") << QByteArray("kunde: jö") << false << false;
    QTest::newRow("value, bracket, value") << QByteArray("ler (4") << false << true;
    QTest::newRow("over a whole value") << QByteArray("breite (3)\nfa") << false << true;
    QTest::newRow("over a whole value that differs") << QByteArray("breite (4)\nfa") << false << false;
    QTest::newRow("line end between dates") << QByteArray("08:00\nstopp: 14") << false << true;
}

void tst_ArchiveSearch::orderEntry()
{
    QFETCH(QByteArray, needle);
    QFETCH(bool, everyRow);
    QFETCH(bool, found);
    const Plan p = plan(orderLayout(), needle);
    QCOMPARE(p.bEveryRow, everyRow);
    QCOMPARE(bMatches(p, orderValues()), found);
    QCOMPARE(baCompose(orderLayout(), orderValues()).contains(needle), found);
}

// Random layouts, values and needles over a small alphabet, so that needles
// meet fixed texts and value boundaries in every way: the plan finds a row
// exactly when the composed text contains the needle.
void tst_ArchiveSearch::sameAsTheComposedText()
{
    QRandomGenerator random(20141003);
    const auto text = [&](int _s32Max) {
        QByteArray ba;
        const int s32Length = random.bounded(_s32Max + 1);
        for (int i = 0; i < s32Length; ++i)
            ba += "ab( \n"[random.bounded(5)];
        return ba;
    };
    int s32Found = 0;
    for (int s32Case = 0; s32Case < 20000; ++s32Case) {
        Layout layout;
        const int s32Values = random.bounded(1, 5);
        for (int i = 0; i <= s32Values; ++i)
            layout.fixed.append(text(3));
        QVector<QByteArray> values;
        for (int i = 0; i < s32Values; ++i)
            values.append(text(4));
        const QByteArray baComposed = baCompose(layout, values);
        // Half the needles are taken from the composed text itself.
        QByteArray baNeedle = text(6);
        if (random.bounded(2) && !baComposed.isEmpty()) {
            const int s32From = random.bounded(baComposed.size());
            baNeedle = baComposed.mid(s32From, random.bounded(1, 9));
        }
        const bool bExpected = baComposed.contains(baNeedle);
        s32Found += bExpected ? 1 : 0;
        const Plan p = plan(layout, baNeedle);
        if (bMatches(p, values) != bExpected)
            QFAIL(
                qPrintable(QStringLiteral("layout %1, values %2, needle \"%3\": composed \"%4\"")
                               .arg(QString::fromLatin1(layout.fixed.toList().join('|').toPercentEncoding()),
                                    QString::fromLatin1(values.toList().join('|').toPercentEncoding()),
                                    QString::fromLatin1(baNeedle.toPercentEncoding()),
                                    QString::fromLatin1(baComposed.toPercentEncoding()))));
    }
    // Both answers were asked for often.
    QVERIFY(s32Found > 5000 && s32Found < 15000);
}

void tst_ArchiveSearch::sameInTheDatabase_data()
{
    QTest::addColumn<QString>("backEnd");
    QTest::newRow("sqlite") << "sqlite";
    QTest::newRow("postgresql") << "postgresql";
}

// The same as SQL on both back ends: random rows of four values, random
// layouts and needles; the rows the condition selects are those whose
// composed text holds the needle.
void tst_ArchiveSearch::sameInTheDatabase()
{
    QFETCH(QString, backEnd);
    const bool bPostgres = backEnd == QLatin1String("postgresql");
    const QString strConnection = QStringLiteral("search-") + backEnd;
    QSqlDatabase database;
    if (bPostgres) {
        QString strSkip;
        if (!m_server.bRunning() && !m_server.bStart(&strSkip)) {
            if (!strSkip.isEmpty())
                QSKIP(qPrintable(strSkip));
            QFAIL(qPrintable(m_server.strError()));
        }
        database = m_server.dbOpen(strConnection);
    } else {
        database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), strConnection);
        database.setDatabaseName(QStringLiteral(":memory:"));
        database.open();
    }
    QVERIFY2(database.isOpen(), qPrintable(database.lastError().text()));
    const ArchiveSchema::Dialect dialect = ArchiveSchema::dialectOf(database);
    const QString strBytes = bPostgres ? QStringLiteral("BYTEA") : QStringLiteral("BLOB");
    QSqlQuery query(database);
    QVERIFY(query.exec(QStringLiteral("DROP TABLE IF EXISTS search_rows")));
    QVERIFY2(query.exec(QStringLiteral("CREATE TABLE search_rows (id INTEGER, v0 %1, v1 %1, v2 %1, v3 %1)")
                            .arg(strBytes)),
             qPrintable(query.lastError().text()));

    QRandomGenerator random(20151014);
    const auto text = [&](int _s32Max) {
        QByteArray ba("");
        const int s32Length = random.bounded(_s32Max + 1);
        for (int i = 0; i < s32Length; ++i)
            ba += "ab( \xc3\xbc"[random.bounded(6)];
        return ba;
    };
    QVector<QVector<QByteArray>> rows;
    QVERIFY(database.transaction());
    QVERIFY(query.prepare(QStringLiteral("INSERT INTO search_rows VALUES (?, ?, ?, ?, ?)")));
    for (int r = 0; r < 200; ++r) {
        rows.append({text(4), text(4), text(4), text(4)});
        query.addBindValue(r);
        for (const QByteArray& baValue : rows.last())
            query.addBindValue(baValue);
        QVERIFY2(query.exec(), qPrintable(query.lastError().text()));
    }
    QVERIFY(database.commit());

    const QStringList slColumns{"v0", "v1", "v2", "v3"};
    for (int s32Case = 0; s32Case < 300; ++s32Case) {
        Layout layout;
        for (int i = 0; i <= 4; ++i)
            layout.fixed.append(text(3));
        const QByteArray baNeedle = text(7);
        QList<int> expected;
        for (int r = 0; r < rows.size(); ++r) {
            if (baCompose(layout, rows.at(r)).contains(baNeedle))
                expected << r;
        }
        const SqlCondition condition = sqlCondition(plan(layout, baNeedle), dialect, slColumns);
        QSqlQuery select(database);
        QVERIFY(select.prepare(
            QStringLiteral("SELECT id FROM search_rows WHERE %1 ORDER BY id").arg(condition.strSql)));
        for (const QVariant& value : condition.binds)
            select.addBindValue(value);
        QVERIFY2(select.exec(), qPrintable(select.lastError().text() + QLatin1Char(' ') + condition.strSql));
        QList<int> found;
        while (select.next())
            found << select.value(0).toInt();
        QCOMPARE(found, expected);
    }
    database.close();
    database = QSqlDatabase();
    QSqlDatabase::removeDatabase(strConnection);
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    TestSupport::vIsolate();
    tst_ArchiveSearch test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_archivesearch.moc"

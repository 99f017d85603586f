#include "app/settingsstore.h"
#include "testsupport.h"

#include <QCoreApplication>
#include <QTranslator>
#include <QtTest>

// The language stored by the settings page selects the catalogue at start-up.
class tst_Startup : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { TestSupport::vIsolate(); }
    void catalogueLoads_data();
    void catalogueLoads();
};

void tst_Startup::catalogueLoads_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("loads");
    QTest::addColumn<QString>("expected");
    QTest::newRow("english") << "Englisch" << true << "Yes";
    QTest::newRow("unknown") << "Klingonisch" << false << "Ja";
    QTest::newRow("empty") << "" << false << "Ja";
}

void tst_Startup::catalogueLoads()
{
    QFETCH(QString, language);
    QFETCH(bool, loads);
    QFETCH(QString, expected);
    SettingsStore::LANGUAGE.vSet(language);
    const QString stored = SettingsStore::LANGUAGE.tValue();
    QTranslator translator;
    QCOMPARE(translator.load(SettingsStore::strCatalogueName(stored), ":/"), loads);
    QCoreApplication::installTranslator(&translator);
    QCOMPARE(QCoreApplication::translate("cYesNoDialog", "Ja"), expected);
    QCoreApplication::removeTranslator(&translator);
}

QTEST_MAIN(tst_Startup)
#include "tst_startup.moc"

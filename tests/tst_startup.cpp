#include "app/appicon.h"
#include "app/settingsstore.h"
#include "data/appinfo.h"
#include "mainwindow/ceditdialog.h"
#include "mainwindow/chaupt.h"
#include "testsupport.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QProcess>
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
    void windowIconInEverySize();
    void answersWithoutDisplay_data();
    void answersWithoutDisplay();
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

void tst_Startup::windowIconInEverySize()
{
    // The main window and the driver editor take the application's icon,
    // with every size the picture generator draws.
    QGuiApplication::setWindowIcon(AppIcon::icon());
    for (QWidget* pWindow :
         {static_cast<QWidget*>(cHaupt::instance()), static_cast<QWidget*>(new cEditDialog)}) {
        QList<int> sizes;
        for (const QSize& size : pWindow->windowIcon().availableSizes())
            sizes << size.width();
        QCOMPARE(sizes, AppIcon::sizes());
    }
}

void tst_Startup::answersWithoutDisplay_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("expected");
    QTest::newRow("version") << "--version" << QString("feldbrief ") + AppInfo::VERSION;
    QTest::newRow("help") << "--help"
                          << "Usage: feldbrief";
}

void tst_Startup::answersWithoutDisplay()
{
    QFETCH(QString, option);
    QFETCH(QString, expected);
    QProcess app;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* pName : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(pName);
    app.setProcessEnvironment(environment);
    app.start(QStringLiteral(VEMO_APP_BINARY), {option});
    QVERIFY(app.waitForFinished(30000));
    QCOMPARE(app.exitStatus(), QProcess::NormalExit);
    QCOMPARE(app.exitCode(), 0);
    QVERIFY2(QString::fromUtf8(app.readAllStandardOutput()).startsWith(expected),
             qPrintable(app.readAllStandardError()));
}

QTEST_MAIN(tst_Startup)
#include "tst_startup.moc"

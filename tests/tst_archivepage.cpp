#include "app/archivethread.h"
#include "app/messages.h"
#include "app/wiring.h"
#include "data/archiveserver.h"
#include "data/archivestore.h"
#include "settings/carchivseite.h"
#include "settings/ceinstellungen.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTcpServer>
#include <QtTest>

// The archive page: the stored server in its fields, what applying stores and
// tells the application (or refuses, and why), the archive's state line, the
// way there from the settings page and back, and, wired as in the
// application, the archive that takes the server and reports back.
class tst_ArchivePage : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void storedServerShownWhenShown();
    void apply_data();
    void apply();
    void archiveState_data();
    void archiveState();
    void reachedFromSettingsAndLeft_data();
    void reachedFromSettingsAndLeft();
    // Last: wires the whole application, archive thread included.
    void wiredToTheArchive();

private:
    template <class T> T* child(const char* _strName)
    {
        T* pChild = cArchivSeite::instance()->findChild<T*>(QLatin1String(_strName));
        Q_ASSERT(pChild);
        return pChild;
    }
    static ArchiveServer stored();

    QStringList m_slMessages;
    QList<ArchiveServer> m_lEmitted;
};

void tst_ArchivePage::initTestCase()
{
    TestSupport::vIsolate();
    Wiring::vConnectPages();
    Messages::vSetHook([this](QWidget*, const QString& _strText) { m_slMessages.append(_strText); });
    connect(cArchivSeite::instance(), &cArchivSeite::archiveServerChanged, this,
            [this](const ArchiveServer& _server) { m_lEmitted.append(_server); });
}

void tst_ArchivePage::init()
{
    stored().vSave();
    m_slMessages.clear();
    m_lEmitted.clear();
}

void tst_ArchivePage::cleanupTestCase()
{
    Messages::vSetHook({});
}

// The server every test starts with.
ArchiveServer tst_ArchivePage::stored()
{
    ArchiveServer server;
    server.bUse = true;
    server.strHost = "archiv.hof.example";
    server.s32Port = 5433;
    server.strDatabase = "ernte";
    server.strUser = "vemo";
    server.strPassword = "geheim 1";
    return server;
}

void tst_ArchivePage::storedServerShownWhenShown()
{
    cArchivSeite* pPage = cArchivSeite::instance();
    pPage->show();
    QVERIFY(child<QCheckBox>("checkBox_Server")->isChecked());
    QCOMPARE(child<QLineEdit>("lineEdit_Server")->text(), QString("archiv.hof.example"));
    QCOMPARE(child<QLineEdit>("lineEdit_Port")->text(), QString("5433"));
    QCOMPARE(child<QLineEdit>("lineEdit_Datenbank")->text(), QString("ernte"));
    QCOMPARE(child<QLineEdit>("lineEdit_Benutzer")->text(), QString("vemo"));
    QCOMPARE(child<QLineEdit>("lineEdit_Passwort")->text(), QString("geheim 1"));
    QCOMPARE(child<QLineEdit>("lineEdit_Passwort")->echoMode(), QLineEdit::Password);
    QVERIFY(child<QLineEdit>("lineEdit_Datenbank")->isEnabled());

    // Unticked, the server's fields cannot be edited.
    QTest::mouseClick(child<QCheckBox>("checkBox_Server"), Qt::LeftButton);
    QVERIFY(!child<QCheckBox>("checkBox_Server")->isChecked());
    for (const char* pName :
         {"lineEdit_Server", "lineEdit_Port", "lineEdit_Datenbank", "lineEdit_Benutzer", "lineEdit_Passwort"})
        QVERIFY2(!child<QLineEdit>(pName)->isEnabled(), pName);

    // What was changed without applying is gone when the page is shown again.
    child<QLineEdit>("lineEdit_Server")->setText("anderer.example");
    pPage->hide();
    pPage->show();
    QVERIFY(child<QCheckBox>("checkBox_Server")->isChecked());
    QCOMPARE(child<QLineEdit>("lineEdit_Server")->text(), QString("archiv.hof.example"));
    QVERIFY(child<QLineEdit>("lineEdit_Server")->isEnabled());
    QVERIFY(m_lEmitted.isEmpty());
    pPage->hide();
}

void tst_ArchivePage::apply_data()
{
    QTest::addColumn<bool>("use");
    QTest::addColumn<QString>("host");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("database");
    // The field a refusal names; empty when the server is taken.
    QTest::addColumn<QString>("refusedFor");
    QTest::addColumn<int>("storedPort");

    QTest::newRow("server") << true << " db.buero.example "
                            << "5432"
                            << "archiv"
                            << "" << 5432;
    QTest::newRow("highest port") << true << "10.0.0.7"
                                  << "65535"
                                  << "archiv"
                                  << "" << 65535;
    QTest::newRow("missing host") << true << "  "
                                  << "5432"
                                  << "archiv"
                                  << "Archivserver" << 0;
    QTest::newRow("port 0") << true << "db"
                            << "0"
                            << "archiv"
                            << "Port" << 0;
    QTest::newRow("port past 65535") << true << "db"
                                     << "65536"
                                     << "archiv"
                                     << "Port" << 0;
    QTest::newRow("port no number") << true << "db"
                                    << "54a"
                                    << "archiv"
                                    << "Port" << 0;
    QTest::newRow("no port") << true << "db"
                             << ""
                             << "archiv"
                             << "Port" << 0;
    QTest::newRow("missing database") << true << "db"
                                      << "5432"
                                      << ""
                                      << "Datenbank" << 0;
    // Unticked: back to the local archive, whatever the fields hold; the
    // fields are kept for the next time, a port that is none as the usual one.
    QTest::newRow("unticked: local archive") << false << ""
                                             << "0"
                                             << ""
                                             << "" << 5432;
}

void tst_ArchivePage::apply()
{
    QFETCH(bool, use);
    QFETCH(QString, host);
    QFETCH(QString, port);
    QFETCH(QString, database);
    QFETCH(QString, refusedFor);
    QFETCH(int, storedPort);

    cArchivSeite* pPage = cArchivSeite::instance();
    pPage->show();
    child<QCheckBox>("checkBox_Server")->setChecked(true);
    for (const auto& field : {std::make_pair("lineEdit_Server", host), std::make_pair("lineEdit_Port", port),
                              std::make_pair("lineEdit_Datenbank", database)}) {
        QLineEdit* pEdit = child<QLineEdit>(field.first);
        pEdit->clear();
        QTest::keyClicks(pEdit, field.second);
    }
    child<QCheckBox>("checkBox_Server")->setChecked(use);
    QTest::mouseClick(child<QPushButton>("pushButton_Uebernehmen"), Qt::LeftButton);

    if (!refusedFor.isEmpty()) {
        QCOMPARE(m_slMessages.size(), 1);
        QVERIFY2(m_slMessages.first().contains(refusedFor), qPrintable(m_slMessages.first()));
        QCOMPARE(ArchiveServer::load(), stored());
        QVERIFY(m_lEmitted.isEmpty());
        QVERIFY(child<QLabel>("label_Uebernommen")->text().isEmpty());
        pPage->hide();
        return;
    }
    ArchiveServer expected = stored();
    expected.bUse = use;
    expected.strHost = host.trimmed();
    expected.s32Port = storedPort;
    expected.strDatabase = database;
    QVERIFY2(m_slMessages.isEmpty(), qPrintable(m_slMessages.join('\n')));
    QCOMPARE(ArchiveServer::load(), expected);
    QCOMPARE(m_lEmitted.size(), 1);
    QCOMPARE(m_lEmitted.first(), expected);
    QCOMPARE(m_lEmitted.first().bComplete(), use);
    QVERIFY(!child<QLabel>("label_Uebernommen")->text().isEmpty());
    pPage->hide();
}

void tst_ArchivePage::archiveState_data()
{
    QTest::addColumn<QString>("archive");
    QTest::addColumn<bool>("server");
    QTest::addColumn<int>("waiting");
    QTest::addColumn<QString>("archiveLine");
    QTest::addColumn<QString>("waitingLine");
    QTest::newRow("local, all in") << "/home/fahrer/.local/share/Feldbrief/archive.sqlite" << false << 0
                                   << "Archiv: /home/fahrer/.local/share/Feldbrief/archive.sqlite"
                                   << "Alle Listen sind im Archiv.";
    QTest::newRow("server, three waiting") << "vemo@archiv.hof.example:5433/ernte" << true << 3
                                           << "Archiv: Server vemo@archiv.hof.example:5433/ernte"
                                           << "Listen, die auf die Übernahme ins Archiv warten: 3";
    QTest::newRow("nothing reported yet") << "" << false << 0 << "Archiv: noch nicht geöffnet"
                                          << "";
}

void tst_ArchivePage::archiveState()
{
    QFETCH(QString, archive);
    QFETCH(bool, server);
    QFETCH(int, waiting);
    QFETCH(QString, archiveLine);
    QFETCH(QString, waitingLine);
    cArchivSeite::instance()->vSetArchiveState(archive, server, waiting);
    // Long paths may wrap after a separator (a zero-width space marks where).
    QCOMPARE(child<QLabel>("label_Archiv")->text().remove(QChar(0x200B)), archiveLine);
    QCOMPARE(child<QLabel>("label_Warten")->text(), waitingLine);
}

void tst_ArchivePage::reachedFromSettingsAndLeft_data()
{
    QTest::addColumn<bool>("tap");
    QTest::newRow("back button") << true;
    QTest::newRow("back key") << false;
}

void tst_ArchivePage::reachedFromSettingsAndLeft()
{
    QFETCH(bool, tap);
    cEinstellungen* pSettings = cEinstellungen::instance();
    cArchivSeite* pPage = cArchivSeite::instance();
    pSettings->show();
    auto* pOpen = pSettings->findChild<QPushButton*>("pushButton_Archiv");
    QVERIFY(pOpen);
    QTest::mouseClick(pOpen, Qt::LeftButton);
    QVERIFY(pPage->isVisible());
    QVERIFY(!pSettings->isVisible());

    if (tap) {
        QPushButton* pBack = child<QPushButton>("pushButton_back");
        QVERIFY(!pBack->icon().isNull());
        QVERIFY(!pBack->toolTip().isEmpty());
        QTest::mouseClick(pBack, Qt::LeftButton);
    } else {
        QTest::keyRelease(pPage, Qt::Key_Back);
    }
    QVERIFY(!pPage->isVisible());
    QVERIFY(pSettings->isVisible());
    pSettings->hide();
}

void tst_ArchivePage::wiredToTheArchive()
{
    // The archive starts with the local file; the page learns it from the
    // archive's thread.
    ArchiveServer().vSave();
    Wiring::vConnectAll();
    cArchivSeite* pPage = cArchivSeite::instance();
    pPage->show();
    const QString strLocal = "Archiv: " + QDir::toNativeSeparators(cArchiveStore::strDefaultPath());
    QTRY_COMPARE(child<QLabel>("label_Archiv")->text().remove(QChar(0x200B)), strLocal);
    QCOMPARE(child<QLabel>("label_Warten")->text(), QString("Alle Listen sind im Archiv."));

    // A server where nothing listens: the archive tries it at once, says so,
    // and stays with the local file.
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost));
    const QString strPort = QString::number(probe.serverPort());
    probe.close();
    child<QCheckBox>("checkBox_Server")->setChecked(true);
    child<QLineEdit>("lineEdit_Server")->setText("127.0.0.1");
    child<QLineEdit>("lineEdit_Port")->setText(strPort);
    child<QLineEdit>("lineEdit_Datenbank")->setText("ernte");
    QTest::mouseClick(child<QPushButton>("pushButton_Uebernehmen"), Qt::LeftButton);
    QTRY_COMPARE(m_slMessages.size(), 1);
    QVERIFY2(m_slMessages.first().contains("127.0.0.1:" + strPort + "/ernte"),
             qPrintable(m_slMessages.first()));
    QTRY_COMPARE(cArchiveThread::instance()->strArchive(),
                 QDir::toNativeSeparators(cArchiveStore::strDefaultPath()));
    QVERIFY(!cArchiveThread::instance()->bServer());
    QCOMPARE(child<QLabel>("label_Archiv")->text().remove(QChar(0x200B)), strLocal);

    // Unticked: the local archive without a word.
    m_slMessages.clear();
    QSignalSpy spyState(cArchiveThread::instance(), &cArchiveThread::stateChanged);
    child<QCheckBox>("checkBox_Server")->setChecked(false);
    QTest::mouseClick(child<QPushButton>("pushButton_Uebernehmen"), Qt::LeftButton);
    QTRY_COMPARE(spyState.size(), 1);
    QCOMPARE(spyState.first().at(1).toBool(), false);
    QVERIFY(m_slMessages.isEmpty());
    QCOMPARE(child<QLabel>("label_Archiv")->text().remove(QChar(0x200B)), strLocal);
    pPage->hide();
}

QTEST_MAIN(tst_ArchivePage)
#include "tst_archivepage.moc"

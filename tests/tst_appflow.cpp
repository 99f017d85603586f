// The whole application against the simulated terminal, through its pages and
// the wiring of app/wiring.cpp: search from the settings page, first contact
// with the password, downloads of every kind, sending a drivers list, the
// live view at the chosen refresh time, the machine switches, the user's
// disconnection and a lost connection with the quiet search that finds
// the terminal again.
//
// Discovery needs real broadcasts to a 192.168 network, so the test runs in two
// network namespaces joined by a veth pair (root only; skipped otherwise):
// started normally it makes the namespaces and runs itself again inside the
// app's namespace, where the pages live; the simulator runs as a program in the
// terminal's namespace. Both namespaces and every simulator are removed at the
// end, also when a test fails or the inner run crashes.

#include "app/archivethread.h"
#include "app/messages.h"
#include "app/wiring.h"
#include "data/archivestore.h"
#include "data/listkind.h"
#include "live/clive.h"
#include "mainwindow/chaupt.h"
#include "netnspair.h"
#include "settings/ceinstellungen.h"
#include "settings/cquelleverzeichnis.h"
#include "statistics/csaisondata.h"
#include "terminal/certificatepins.h"
#include "terminal/cfahrzeugelist.h"
#include "terminal/csslclient.h"
#include "terminal/cwhattodownload.h"
#include "terminal/fingerprint.h"
#include "terminal/knownterminals.h"
#include "testsupport.h"

#include <QtTest>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QNetworkInterface>
#include <QProcess>
#include <QPushButton>
#include <QSqlQuery>
#include <QSslCertificate>
#include <QTemporaryDir>
#include <QTreeView>
#include <QUdpSocket>

#include <algorithm>
#include <csignal>
#include <sys/types.h>

namespace
{

// Handed from the outer run to the inner one.
const char* const ENV_WORK = "VEMO_APPFLOW_WORK";
const char* const ENV_TERMINAL_NS = "VEMO_APPFLOW_TERMINAL_NS";
const char* const ENV_LINK = "VEMO_APPFLOW_LINK";

// The app's namespace has .1 on it, the terminal's .2 (see cNetnsPair).
const char* const SUBNET = "192.168.214";
const char* const CHASSIS = "FLOW7";
const char* const SERIAL = "LQ-FLOW-1";
const char* const PASSWORD = "geheim";
const char* const IMPORT_SUCCEEDED = "Sie haben Datei erfolgreich importiert.";
// The quiet search's period here, shortened so that waits for it stay short.
constexpr int SEARCH_PERIOD_MS = 300;

// One export of the terminal and how the app shows it.
struct Export {
    const char* strWord;     // request word
    const char* strCheckBox; // its box on the download selection
    const char* strName;     // file name on the terminal and in the download folder
    const char* strContent;  // UTF-8 here, Latin-1 on the terminal, as its exports are
    ListKind kind;
    int s32Rows;          // list entries (list kinds)
    const char* strShown; // in the first entry, or the season page's area figure
};

QString strOrderLine(int _s32Number, const char* _strStart)
{
    QStringList slFields;
    for (int i = 0; i < 44; ++i)
        slFields << QString();
    slFields[0] = QString::number(_s32Number);
    slFields[2] = "4711";
    slFields[3] = QString::fromUtf8("Hof Müller");
    slFields[4] = "7";
    slFields[5] = QString::fromUtf8("Große Breite");
    slFields[7] = QString::fromUtf8("Jörg");
    slFields[8] = _strStart;
    slFields[9] = "01.10.2023 11:45";
    slFields[10] = "35000";
    slFields[11] = "3:15";
    return slFields.join(';');
}

const QList<Export>& exports()
{
    static const QByteArray s_baOrders =
        (QStringLiteral("Auftrags Nummer;Auftrags Name;Kunden Nummer\n") +
         strOrderLine(1, "01.10.2023 08:30") + "\n" + strOrderLine(2, "02.10.2023 08:30") + "\n")
            .toUtf8();
    static const QList<Export> s_exports{
        {"Auftraege", "checkBox_Auftrag", "Auftraege.csv", s_baOrders.constData(), ListKind::Orders, 2,
         "Kunde: Hof Müller (4711)"},
        {"Schlaege", "checkBox_Schlag", "Schlaege.csv", "Nr;Kunde\n4;Müller;Große Breite;1 ha;9 km\n",
         ListKind::Fields, 1, "Schlag: Große Breite"},
        {"Fahrer", "checkBox_Fahrer", "Fahrer.csv",
         "Fahrer;Name\n1;Jörg;Bäumer;Weg 1;12341;Ort;;0170;j@hof.de;;;;;;\n", ListKind::Drivers, 1,
         "Fahrer Name: Jörg Bäumer"},
        {"Kunden", "checkBox_Kunde", "Kunden.csv", "Nr;Name\n3;Müller;Käthe;Weg 1;12345;Dorf;x;0123\n",
         ListKind::Customers, 1, "Kunden Name: Müller Käthe"},
        {"Saison", "checkBox_SaisonStatistik", "Statistik Saison.csv",
         "Zeitraum;Fläche;Anzahl "
         "Aufträge\n2014;12,5;3;4,2;8,1;310;12;24;40;9;0,49;2:10;7:45;120:00;90:30;VT4\n",
         ListKind::Season, 0, "12,5 ha"},
        {"Maschine", "checkBox_MaschineStatistik", "Statistik Maschine.csv",
         "Zeitraum;Fläche;Anzahl "
         "Aufträge\n2011-2014;57,5;14;19;37;1426;55;110;184;41;2,25;10:00;35:39;552:00;"
         "416:18;VT4\n",
         ListKind::Machine, 0, "57,5 ha"},
    };
    return s_exports;
}

} // namespace

// ---- the application flow, inside the app's namespace ---------------------------------------

class tst_AppFlow : public QObject
{
    Q_OBJECT

private:
    QString m_strWork;
    QProcess* m_pSimulator = nullptr;
    QStringList m_slSimReceived; // messages the running simulator has received
    QByteArray m_baSimPartialLine;
    bool m_bSimulatorReady = false;

    QStringList m_slStates; // "connected byUser chassis" as published
    QStringList m_slFiles;  // names of received files
    QStringList m_slMessages;
    int m_s32PasswordRequests = 0;
    QList<qint64> m_ls64BroadcastTimes;  // ms on m_clock, of every datagram sent
    QList<qint64> m_ls64LiveRecordTimes; // ms on m_clock, of every live record received
    QList<QStringList> m_llLivePages;    // the live page's texts after each of those records
    QStringList m_slSwitchReports;       // "ExpertModus:1" ... as the terminal reported them
    QElapsedTimer m_clock;

    cSSLClient* m_pLink = nullptr;
    cHaupt* m_pHaupt = nullptr;
    cEinstellungen* m_pSettings = nullptr;
    cSaisonData* m_pSeason = nullptr;

    QString strTerminalFolder() const { return m_strWork + "/terminal"; }

    static QPushButton* button(QWidget* _pPage, const char* _strName)
    {
        return _pPage->findChild<QPushButton*>(QLatin1String(_strName));
    }

    // Clicks a button the user can see.
    static void vClick(QWidget* _pPage, const char* _strName)
    {
        QPushButton* pButton = button(_pPage, _strName);
        QVERIFY2(pButton, _strName);
        QVERIFY2(pButton->isVisible(), _strName);
        QTest::mouseClick(pButton, Qt::LeftButton);
    }

    // The names of the terminal buttons of a page that are shown.
    static QStringList slShownButtons(QWidget* _pPage, const QStringList& _slNames)
    {
        QStringList slShown;
        for (const QString& strName : _slNames) {
            auto* pButton = _pPage->findChild<QPushButton*>(strName);
            if (pButton && pButton->isVisibleTo(_pPage))
                slShown << strName;
        }
        return slShown;
    }
    static QStringList slMainTerminalButtons()
    {
        return {"pushButton_Download", "pushButton_Send", "pushButton_Lichtschalter",
                "pushButton_Expertmodus", "pushButton_Live"};
    }
    static QStringList slSeasonTerminalButtons()
    {
        return {"pushButton_Download", "pushButton_SendToTerminal", "pushButton_Lichtschalter",
                "pushButton_ExpertModus"};
    }

    // The simulator's output comes through a pipe, which may be read after
    // the answer on the connection: checks on it wait for it.
    QString strLastSimReceived() const { return m_slSimReceived.value(m_slSimReceived.size() - 1); }

    QString strSearchButtonText() const { return button(m_pSettings, "pushButton_terminalSuchen")->text(); }

    void vReadSimulator()
    {
        m_baSimPartialLine += m_pSimulator->readAllStandardOutput();
        int s32End;
        while ((s32End = m_baSimPartialLine.indexOf('\n')) >= 0) {
            const QString strLine = QString::fromUtf8(m_baSimPartialLine.left(s32End));
            m_baSimPartialLine.remove(0, s32End + 1);
            if (strLine.startsWith("<- ")) {
                m_slSimReceived << strLine.mid(3);
            } else if (!strLine.isEmpty()) {
                // The start line comes once its ports are open.
                m_bSimulatorReady |= strLine.startsWith("vemo-terminal-sim:");
                qDebug().noquote() << strLine;
            }
        }
    }

    // Starts the terminal in its namespace; it remembers the clients that
    // logged in across restarts, as a real terminal does.
    void vStartSimulator()
    {
        m_slSimReceived.clear();
        m_baSimPartialLine.clear();
        m_bSimulatorReady = false;
        m_pSimulator = new QProcess(this);
        m_pSimulator->setProcessChannelMode(QProcess::MergedChannels);
        connect(m_pSimulator, &QProcess::readyReadStandardOutput, this, &tst_AppFlow::vReadSimulator);
        // "ip netns exec" replaces itself with the simulator: the process id is the simulator's.
        m_pSimulator->start(QStringLiteral("ip"),
                            {"netns", "exec", qEnvironmentVariable(ENV_TERMINAL_NS), VEMO_SIM_BINARY,
                             "--chassis", CHASSIS, "--serial", SERIAL, "--password", PASSWORD, "--data",
                             strTerminalFolder(), "--cert-dir", m_strWork + "/cert", "--state",
                             m_strWork + "/terminal-clients.txt"});
        QVERIFY(m_pSimulator->waitForStarted(5000));
        // The outer run ends whatever is listed here if this run cannot.
        TestSupport::strWriteFile(m_strWork + "/simulators.pid",
                                  TestSupport::baReadFile(m_strWork + "/simulators.pid") +
                                      QByteArray::number(m_pSimulator->processId()) + "\n");
        QTRY_VERIFY_WITH_TIMEOUT(m_bSimulatorReady || m_pSimulator->state() != QProcess::Running, 20000);
        QVERIFY2(m_bSimulatorReady, "the simulator did not start");
    }

    void vStopSimulator()
    {
        if (!m_pSimulator)
            return;
        if (m_pSimulator->state() != QProcess::NotRunning) {
            m_pSimulator->kill();
            m_pSimulator->waitForFinished(5000);
        }
        delete m_pSimulator;
        m_pSimulator = nullptr;
    }

    static void vWriteExports(const QString& _strFolder)
    {
        for (const Export& e : exports())
            TestSupport::strWriteFile(_strFolder + "/" + e.strName,
                                      QString::fromUtf8(e.strContent).toLatin1());
    }

    int s32BroadcastsSince(qint64 _s64Ms) const
    {
        return int(std::count_if(m_ls64BroadcastTimes.cbegin(), m_ls64BroadcastTimes.cend(),
                                 [_s64Ms](qint64 _s64At) { return _s64At >= _s64Ms; }));
    }

    // Every text the live page shows, in a fixed order.
    static QStringList slLiveTexts()
    {
        QStringList slTexts;
        for (const QLabel* pLabel : cLive::instance()->findChildren<QLabel*>())
            slTexts << pLabel->objectName() + "=" + pLabel->text();
        return slTexts;
    }

    static QImage imageOf(const QIcon& _icon) { return _icon.pixmap(QSize(48, 48)).toImage(); }

    void vShowMainWindow()
    {
        if (cLive::instance()->isVisible())
            QTest::keyClick(cLive::instance(), Qt::Key_Escape);
        if (m_pSeason->isVisible())
            vClick(m_pSeason, "pushButton_back");
        QTRY_VERIFY(m_pHaupt->isVisible());
    }

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void searchConnectsWithFirstContactPassword();
    void downloadEachKind_data();
    void downloadEachKind();
    void sendDriversListThroughSourceChooser();
    void liveViewAtTheChosenRefreshTimeUntilBack();
    void machineSwitches_data();
    void machineSwitches();
    void userDisconnectLeavesNoSearch();
    void lostConnectionSearchesQuietlyUntilTheTerminalAnswers();
};

// The machines a file of that name came from, as the application's archive
// keeps them: "chassis serial" per stored version of the file.
QStringList slArchivedFrom(const QString& _strName)
{
    const QString strConnection = QStringLiteral("appflow-archive");
    QStringList sl;
    {
        QSqlDatabase database =
            cArchiveStore::sqliteConnection(cArchiveStore::strDefaultPath(), strConnection);
        QSqlQuery query(database);
        if (database.open() &&
            query.prepare(QStringLiteral("SELECT chassis, serial FROM archive_files WHERE name = ?"))) {
            query.addBindValue(_strName);
            query.exec();
            while (query.next())
                sl << query.value(0).toString() + QLatin1Char(' ') + query.value(1).toString();
        }
    }
    QSqlDatabase::removeDatabase(strConnection);
    return sl;
}

void tst_AppFlow::initTestCase()
{
    TestSupport::vIsolate();
    Messages::vSetHook([this](QWidget*, const QString& _strText) { m_slMessages << _strText; });
    m_strWork = qEnvironmentVariable(ENV_WORK);
    QVERIFY(QFileInfo(m_strWork).isDir());

    // Only the loopback and the link to the terminal's namespace exist here,
    // so no broadcast of this test can leave the machine.
    QStringList slInterfaces;
    bool bOwnAddress = false;
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
        slInterfaces << interface.name();
        for (const QNetworkAddressEntry& entry : interface.addressEntries())
            bOwnAddress |= entry.ip() == QHostAddress(QString(SUBNET) + ".1");
    }
    QStringList slExpected{qEnvironmentVariable(ENV_LINK), "lo"};
    slInterfaces.sort();
    slExpected.sort();
    QCOMPARE(slInterfaces, slExpected);
    QVERIFY(bOwnAddress);

    vWriteExports(strTerminalFolder());
    vStartSimulator();

    // As the program starts up.
    Wiring::vConnectAll();
    m_pLink = cSSLClient::instance();
    m_pLink->vSetQuietSearchPeriod(SEARCH_PERIOD_MS);
    m_pHaupt = cHaupt::instance();
    m_pSettings = cEinstellungen::instance();
    m_pSeason = cSaisonData::instance();
    m_pLink->vSetPasswordProvider(
        [this](const cSSLClient::PasswordRequest&, const cSSLClient::PasswordAnswer& _fnAnswer) {
            ++m_s32PasswordRequests;
            _fnAnswer(true, PASSWORD);
        });
    connect(m_pLink, &cSSLClient::connectionStateChanged, this,
            [this](bool _bConnected, bool _bByUser, const QString& _strChassis) {
                m_slStates
                    << QStringLiteral("%1 %2 %3").arg(int(_bConnected)).arg(int(_bByUser)).arg(_strChassis);
            });
    connect(m_pLink, &cSSLClient::fileReceived, this,
            [this](const QString&, const QString& _strName) { m_slFiles << _strName; });
    // Connected after the wiring: the live page has taken the record in.
    connect(m_pLink, &cSSLClient::liveDataReceived, this, [this] {
        m_ls64LiveRecordTimes << m_clock.elapsed();
        m_llLivePages << slLiveTexts();
    });
    connect(m_pLink, &cSSLClient::expertModeReported, this,
            [this](bool _bOn) { m_slSwitchReports << QStringLiteral("ExpertModus:%1").arg(int(_bOn)); });
    connect(m_pLink, &cSSLClient::lightSwitchReported, this,
            [this](bool _bOn) { m_slSwitchReports << QStringLiteral("Lichtschalter:%1").arg(int(_bOn)); });
    auto* pUdp = m_pLink->findChild<QUdpSocket*>();
    QVERIFY(pUdp);
    QCOMPARE(pUdp->localPort(), quint16(33555));
    m_clock.start();
    connect(pUdp, &QUdpSocket::bytesWritten, this, [this] { m_ls64BroadcastTimes << m_clock.elapsed(); });

    m_pHaupt->showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(m_pHaupt));
    // A tap on the makers' logo ends the start screen.
    vClick(m_pHaupt, "pushButton_LindqvarthLogo");
    QTRY_VERIFY(button(m_pHaupt, "pushButton_Einstellungen")->isVisible());
    QCOMPARE(slShownButtons(m_pHaupt, slMainTerminalButtons()), QStringList());
}

void tst_AppFlow::init()
{
    m_slMessages.clear();
    m_slFiles.clear();
}

void tst_AppFlow::cleanupTestCase()
{
    if (m_pLink && m_pLink->bConnected())
        m_pLink->vDisconnect(true);
    vStopSimulator();
    Messages::vSetHook({});
}

void tst_AppFlow::searchConnectsWithFirstContactPassword()
{
    vClick(m_pHaupt, "pushButton_Einstellungen");
    QTRY_VERIFY(m_pSettings->isVisible());
    QVERIFY(!m_pHaupt->isVisible());
    QCOMPARE(strSearchButtonText(), QString("Verbinden"));

    // One broadcast; the only terminal that answers is connected at once.
    vClick(m_pSettings, "pushButton_terminalSuchen");
    QTRY_COMPARE_WITH_TIMEOUT(strSearchButtonText(), QString("Trennen"), 10000);
    QCOMPARE(m_slStates, QStringList{"1 0 FLOW7"});
    QCOMPARE(m_s32PasswordRequests, 1);
    QTRY_COMPARE(m_slSimReceived, (QStringList{"Login: ", "Login-PW:  =:= geheim"}));
    // The terminal's certificate is kept with its chassis and serial numbers,
    // beside the list.
    const QByteArray baCertificate =
        Fingerprint::baOf(QSslCertificate::fromPath(m_strWork + "/cert/cert.pem").value(0));
    QCOMPARE(KnownTerminals::lbaLoad(), (QList<QByteArray>{SERIAL, PASSWORD}));
    QCOMPARE(cCertificatePins::load().baForSerial(SERIAL), baCertificate);
    QCOMPARE(cCertificatePins::load().baForChassis(CHASSIS), baCertificate);
    QCOMPARE(KnownTerminals::strLoadLastChassis(), QString(CHASSIS));
    QVERIFY(m_pSettings->findChild<QLabel*>("label_momentanFahrzeug")->text().endsWith(": FLOW7"));
    QVERIFY(!cfahrzeugelist::instance()->isVisible());
    QVERIFY(m_slMessages.isEmpty());

    // The main window and the season page offer the terminal's actions.
    QCOMPARE(slShownButtons(m_pHaupt, slMainTerminalButtons()), slMainTerminalButtons());
    QCOMPARE(slShownButtons(m_pSeason, slSeasonTerminalButtons()), slSeasonTerminalButtons());
    QVERIFY(!m_pHaupt->bPeriodicSearchRunning());

    vClick(m_pSettings, "pushButton_Einstellungen_abbrechen");
    QTRY_VERIFY(m_pHaupt->isVisible());
    QVERIFY(!m_pSettings->isVisible());
}

void tst_AppFlow::downloadEachKind_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < exports().size(); ++i)
        QTest::newRow(exports().at(i).strWord) << i;
}

// Each kind is ticked alone on the download selection, opened from the page
// on screen: the main window for lists, the season page after statistics.
void tst_AppFlow::downloadEachKind()
{
    QFETCH(int, index);
    const Export& e = exports().at(index);
    const bool bStatistics = e.kind == ListKind::Season || e.kind == ListKind::Machine;

    QWidget* pFrom = m_pSeason->isVisible() ? static_cast<QWidget*>(m_pSeason) : m_pHaupt;
    QVERIFY(pFrom->isVisible());
    vClick(pFrom, "pushButton_Download");
    cWhatToDownload* pSelection = cWhatToDownload::instance();
    QTRY_VERIFY(pSelection->isVisible());
    for (QCheckBox* pBox : pSelection->findChildren<QCheckBox*>())
        pBox->setChecked(pBox->objectName() == QLatin1String(e.strCheckBox));
    vClick(pSelection, "pushButton_OK");

    QTRY_COMPARE(m_slFiles, QStringList{e.strName});
    QTRY_COMPARE(strLastSimReceived(), QString(e.strWord));
    const QString strPath = TestSupport::strDownloads() + "/" + e.strName;
    // Stored as sent, with one line end at the end, never a second one.
    const QByteArray baContent(e.strContent);
    QCOMPARE(TestSupport::baReadFile(strPath),
             QByteArray("\xEF\xBB\xBF") + baContent + (baContent.endsWith('\n') ? "" : "\n"));
    QCOMPARE(m_pHaupt->strPfad(), strPath);
    QCOMPARE(m_pHaupt->kind(), e.kind);
    // A copy in the archive, from this machine.
    QTRY_COMPARE(slArchivedFrom(e.strName), QStringList{QStringLiteral("%1 %2").arg(CHASSIS, SERIAL)});
    QVERIFY(!pSelection->isVisible());
    QVERIFY(m_slMessages.isEmpty());

    if (bStatistics) {
        QTRY_VERIFY(m_pSeason->isVisible());
        QVERIFY(!m_pHaupt->isVisible());
        QCOMPARE(m_pSeason->findChild<QLabel*>("label_FileName")->text(), " " + QString(e.strName));
        QCOMPARE(m_pSeason->findChild<QLabel*>("label_RodeflaecheGesamt")->text(), QString(e.strShown));
        QCOMPARE(slShownButtons(m_pSeason, slSeasonTerminalButtons()), slSeasonTerminalButtons());
    } else {
        QTRY_VERIFY(m_pHaupt->isVisible());
        QAbstractItemModel* pList = m_pHaupt->findChild<QTreeView*>("treeView")->model();
        QVERIFY(pList);
        QCOMPARE(pList->rowCount(), e.s32Rows);
        const QString strFirst = pList->index(0, 0).data().toString();
        QVERIFY2(strFirst.contains(QString::fromUtf8(e.strShown)), qPrintable(strFirst));
    }
    // After a file the main window offers the terminal's actions again.
    QCOMPARE(slShownButtons(m_pHaupt, slMainTerminalButtons()), slMainTerminalButtons());
}

void tst_AppFlow::sendDriversListThroughSourceChooser()
{
    const QString strPath =
        TestSupport::strWriteFile(TestSupport::strHome() + "/Fahrer_neu.csv",
                                  QString::fromUtf8("Fahrer;Name\n2;Sören;Größe;Weg 2\n").toLatin1());
    vShowMainWindow();
    vClick(m_pHaupt, "pushButton_Send");
    cQuelleVerzeichnis* pChooser = cQuelleVerzeichnis::instance();
    QTRY_VERIFY(pChooser->isVisible());
    QVERIFY(!m_pHaupt->isVisible());

    // The chooser opens the home folder; the user taps the file.
    auto* pFiles = pChooser->findChild<QListView*>("listView");
    auto* pModel = qobject_cast<QFileSystemModel*>(pFiles->model());
    QVERIFY(pModel);
    QTRY_VERIFY(!pFiles->visualRect(pModel->index(strPath)).isEmpty());
    QTest::mouseClick(pFiles->viewport(), Qt::LeftButton, {},
                      pFiles->visualRect(pModel->index(strPath)).center());
    QCOMPARE(pChooser->findChild<QLineEdit*>("lineEdit_Pfad")->text(), strPath);
    vClick(pChooser, "pushButton_Waehlen");

    QTRY_VERIFY(m_pHaupt->isVisible());
    QTRY_COMPARE(m_slMessages, QStringList{IMPORT_SUCCEEDED});
    QTRY_VERIFY(strLastSimReceived().startsWith("SendFile: ==:== Fahrer Fahrer;Name"));
    // The terminal keeps the list it was sent in place of its own drivers export.
    QCOMPARE(TestSupport::baReadFile(strTerminalFolder() + "/Fahrer.csv"),
             QByteArray("Fahrer;Name\n2;S\xC3\xB6ren;Gr\xC3\xB6\xC3\x9F"
                        "e;Weg 2\n"));
}

// The refresh choice of the settings page paces the terminal's records; the
// back key stops them and returns to the main window.
void tst_AppFlow::liveViewAtTheChosenRefreshTimeUntilBack()
{
    vShowMainWindow();
    vClick(m_pHaupt, "pushButton_Einstellungen");
    QTRY_VERIFY(m_pSettings->isVisible());
    auto* pRefresh = m_pSettings->findChild<QComboBox*>("comboBox");
    QVERIFY(pRefresh && pRefresh->isVisible());
    pRefresh->setCurrentIndex(1);
    QCOMPARE(pRefresh->currentText(), QString("1 s"));
    vClick(m_pSettings, "pushButton_Einstellungen_abbrechen");
    QTRY_VERIFY(m_pHaupt->isVisible());

    cLive* pLive = cLive::instance();
    const QStringList slBefore = slLiveTexts();
    QVERIFY(slBefore.contains("m_MotorIstDrehzahl=--"));
    m_slSimReceived.clear();
    m_ls64LiveRecordTimes.clear();
    m_llLivePages.clear();
    vClick(m_pHaupt, "pushButton_Live");
    QTRY_VERIFY(pLive->isVisible());
    QVERIFY(!m_pHaupt->isVisible());
    // The log shows the two interval bytes (0xE8 0x03) as dots; the pace of
    // the records below tells 1000 ms from the 500 ms of the first choice.
    QTRY_COMPARE(m_slSimReceived, QStringList{"StartLIVE.."});

    // The first record comes at once, the next ones a second apart; each
    // changes the page. Two intervals tell 1000 ms from 500 ms even when a
    // loaded machine delays the first record.
    QTRY_VERIFY_WITH_TIMEOUT(m_ls64LiveRecordTimes.size() >= 3, 6000);
    QVERIFY(!m_llLivePages.at(0).contains("m_MotorIstDrehzahl=--"));
    QVERIFY(m_llLivePages.at(0) != slBefore);
    QVERIFY(m_llLivePages.at(1) != m_llLivePages.at(0));
    const qint64 s64Gap = m_ls64LiveRecordTimes.at(2) - m_ls64LiveRecordTimes.at(0);
    QVERIFY2(s64Gap > 1500, qPrintable(QString::number(s64Gap)));
    QVERIFY(m_slMessages.isEmpty());

    QTest::keyClick(pLive, Qt::Key_Escape);
    QTRY_VERIFY(m_pHaupt->isVisible());
    QVERIFY(!pLive->isVisible());
    QTRY_COMPARE(m_slSimReceived.last(), QString("StopLIVE"));

    // A record the terminal sent before it read "StopLIVE" may still be on
    // its way; once it has answered a request sent after it, all are in.
    // Then one and a half of its intervals pass and the page stays as it is.
    m_slSwitchReports.clear();
    m_pLink->vSendMessage("Lichtschalter:OFF");
    QTRY_COMPARE(m_slSwitchReports, QStringList{"Lichtschalter:0"});
    const int s32Records = m_ls64LiveRecordTimes.size();
    const QStringList slStopped = slLiveTexts();
    QTest::qWait(1500);
    QCOMPARE(m_ls64LiveRecordTimes.size(), s32Records);
    QCOMPARE(slLiveTexts(), slStopped);
    QTRY_COMPARE(m_slSimReceived.mid(m_slSimReceived.indexOf("StopLIVE")),
                 (QStringList{"StopLIVE", "Lichtschalter:OFF"}));
}

void tst_AppFlow::machineSwitches_data()
{
    QTest::addColumn<QString>("mainButton");
    QTest::addColumn<QString>("seasonButton");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("iconOn");
    QTest::addColumn<QString>("iconOff");
    QTest::newRow("expert mode") << "pushButton_Expertmodus"
                                 << "pushButton_ExpertModus"
                                 << "ExpertModus"
                                 << ":/Expertmodus_ON.png"
                                 << ":/Expertmodus_OFF.png";
    QTest::newRow("light switch") << "pushButton_Lichtschalter"
                                  << "pushButton_Lichtschalter"
                                  << "Lichtschalter"
                                  << ":/Lichtschalter_Haupt_On.png"
                                  << ":/Lichtschalter_Haupt_Off.png";
}

// Each tap toggles the switch on the terminal; the main window and the season
// page show the new state at once, and the terminal's confirmation keeps it.
void tst_AppFlow::machineSwitches()
{
    QFETCH(QString, mainButton);
    QFETCH(QString, seasonButton);
    QFETCH(QString, word);
    QFETCH(QString, iconOn);
    QFETCH(QString, iconOff);
    const bool bExpert = word == QLatin1String("ExpertModus");
    auto bState = [this, bExpert] { return bExpert ? m_pHaupt->bExpertModus() : m_pHaupt->bLichtschalter(); };
    QPushButton* pSeasonButton = button(m_pSeason, qPrintable(seasonButton));
    QVERIFY(pSeasonButton);

    QPushButton* pMainButton = button(m_pHaupt, qPrintable(mainButton));
    QVERIFY(pMainButton);
    QVERIFY(imageOf(QIcon(iconOn)) != imageOf(QIcon(iconOff)));
    auto bShows = [&](bool _bOn) {
        const QImage expected = imageOf(QIcon(_bOn ? iconOn : iconOff));
        return bState() == _bOn && imageOf(pMainButton->icon()) == expected &&
               imageOf(pSeasonButton->icon()) == expected;
    };

    vShowMainWindow();
    QVERIFY(bShows(false));
    for (const bool bOn : {true, false}) {
        m_slSimReceived.clear();
        m_slSwitchReports.clear();
        vClick(m_pHaupt, qPrintable(mainButton));
        QVERIFY(bShows(bOn));
        QTRY_COMPARE(m_slSimReceived, QStringList{word + (bOn ? ":ON" : ":OFF")});
        QTRY_COMPARE(m_slSwitchReports, QStringList{word + (bOn ? ":1" : ":0")});
        QVERIFY(bShows(bOn));
    }
    QVERIFY(m_slMessages.isEmpty());
}

void tst_AppFlow::userDisconnectLeavesNoSearch()
{
    vShowMainWindow();
    vClick(m_pHaupt, "pushButton_Einstellungen");
    QTRY_VERIFY(m_pSettings->isVisible());
    QCOMPARE(strSearchButtonText(), QString("Trennen"));
    m_slStates.clear();

    vClick(m_pSettings, "pushButton_terminalSuchen");
    QTRY_COMPARE(m_slStates, QStringList{"0 1 FLOW7"});
    QCOMPARE(strSearchButtonText(), QString("Verbinden"));
    QVERIFY(!m_pLink->bConnected());
    QCOMPARE(slShownButtons(m_pHaupt, slMainTerminalButtons()), QStringList());
    QCOMPARE(slShownButtons(m_pSeason, slSeasonTerminalButtons()), QStringList());

    // No quiet search: nothing is sent and nothing reconnects. A search
    // would have sent twice within three of its periods.
    QVERIFY(!m_pHaupt->bPeriodicSearchRunning());
    const qint64 s64From = m_clock.elapsed();
    QTest::qWait(3 * SEARCH_PERIOD_MS);
    QCOMPARE(s32BroadcastsSince(s64From), 0);
    QCOMPARE(m_slStates, QStringList{"0 1 FLOW7"});
    QVERIFY(m_slMessages.isEmpty());
}

void tst_AppFlow::lostConnectionSearchesQuietlyUntilTheTerminalAnswers()
{
    // Connected again from the settings page: the terminal knows the app now
    // and the stored password is sent without asking.
    QVERIFY(m_pSettings->isVisible());
    m_slSimReceived.clear();
    m_slStates.clear();
    vClick(m_pSettings, "pushButton_terminalSuchen");
    QTRY_COMPARE_WITH_TIMEOUT(strSearchButtonText(), QString("Trennen"), 10000);
    QTRY_COMPARE(m_slSimReceived, (QStringList{"Login: ", "PW:  =:= geheim"}));
    QCOMPARE(m_s32PasswordRequests, 1);
    vClick(m_pSettings, "pushButton_Einstellungen_abbrechen");
    QTRY_VERIFY(m_pHaupt->isVisible());

    // The terminal goes away without a word.
    m_slStates.clear();
    vStopSimulator();
    QTRY_VERIFY(!m_slStates.isEmpty());
    const qint64 s64Lost = m_clock.elapsed();
    QCOMPARE(m_slStates.first(), QString("0 0 FLOW7"));
    QVERIFY(!m_pLink->bConnected());
    QVERIFY(m_pHaupt->bPeriodicSearchRunning());
    QCOMPARE(slShownButtons(m_pHaupt, slMainTerminalButtons()), QStringList());
    QCOMPARE(strSearchButtonText(), QString("Verbinden"));

    // A quiet broadcast every period (their pace is checked below); whatever
    // fails meanwhile is told as not connected, never as the user's doing,
    // and the list page stays closed.
    QTRY_VERIFY_WITH_TIMEOUT(s32BroadcastsSince(s64Lost) >= 5, 20 * SEARCH_PERIOD_MS);
    QVERIFY(!m_pLink->bConnected());
    QCOMPARE(m_slStates.filter(QRegularExpression("^0 0 FLOW7$")).size(), m_slStates.size());
    QVERIFY(!cfahrzeugelist::instance()->isVisible());

    // The terminal is back: the next quiet broadcast finds it and the app logs in.
    vStartSimulator();
    QTRY_VERIFY(m_pLink->bConnected());
    QCOMPARE(m_slStates.last(), QString("1 0 FLOW7"));
    QTRY_COMPARE(m_slSimReceived, (QStringList{"Login: ", "PW:  =:= geheim"}));
    QCOMPARE(m_s32PasswordRequests, 1);
    QCOMPARE(strSearchButtonText(), QString("Trennen"));
    QCOMPARE(slShownButtons(m_pHaupt, slMainTerminalButtons()), slMainTerminalButtons());
    QVERIFY(!m_pHaupt->bPeriodicSearchRunning());
    // A single search ran all along: no more broadcasts than one timer sends
    // in that time (with room for its coarseness); two side by side would
    // have sent about twice as many. Counted, not spaced: a busy event loop
    // can send two of them late and close together.
    const int s32Broadcasts = s32BroadcastsSince(s64Lost);
    const qint64 s64Searched = m_ls64BroadcastTimes.last() - s64Lost;
    QVERIFY2(s32Broadcasts <= int(s64Searched / (SEARCH_PERIOD_MS * 0.8)) + 2,
             qPrintable(QStringLiteral("%1 in %2 ms").arg(s32Broadcasts).arg(s64Searched)));

    // Then the search has stopped: no broadcast follows the one that found the terminal.
    const qint64 s64Connected = m_clock.elapsed();
    QTest::qWait(
        int(qMax<qint64>(0, m_ls64BroadcastTimes.last() + 3 * SEARCH_PERIOD_MS - m_clock.elapsed())));
    QCOMPARE(s32BroadcastsSince(s64Connected), 0);
    QVERIFY(m_pLink->bConnected());
    QVERIFY(m_slMessages.isEmpty());
}

// ---- the namespaces around it ---------------------------------------------------------------

class tst_AppFlowNetns : public QObject
{
    Q_OBJECT

public:
    explicit tst_AppFlowNetns(const QStringList& _slInnerArgs) : m_slInnerArgs(_slInnerArgs) {}

private:
    QStringList m_slInnerArgs;
    cNetnsPair m_netns{"fc", "ft", SUBNET};
    QTemporaryDir m_dirWork;

    // Ends simulators the inner run left behind; a listed process id that now
    // belongs to another program is left alone.
    void vEndSimulators()
    {
        const QString strSimulator = QFileInfo(QStringLiteral(VEMO_SIM_BINARY)).canonicalFilePath();
        const QList<QByteArray> lbaPids =
            TestSupport::baReadFile(m_dirWork.path() + "/simulators.pid").split('\n');
        for (const QByteArray& baPid : lbaPids) {
            bool bOk = false;
            const pid_t pid = pid_t(baPid.toInt(&bOk));
            if (!bOk || pid <= 1)
                continue;
            if (QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).canonicalFilePath() == strSimulator)
                ::kill(pid, SIGKILL);
        }
    }

private slots:
    void initTestCase()
    {
        TestSupport::vIsolate();
        QString strSkip;
        const bool bReady = m_netns.bCreate(&strSkip);
        if (!strSkip.isEmpty())
            QSKIP(qPrintable(strSkip));
        QVERIFY2(bReady, "the network namespaces could not be set up");
        QVERIFY(m_dirWork.isValid());
    }

    void cleanupTestCase()
    {
        vEndSimulators();
        m_netns.vRemove();
    }

    void applicationFlowInTheAppsNamespace()
    {
        QProcess inner;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(ENV_WORK, m_dirWork.path());
        environment.insert(ENV_TERMINAL_NS, m_netns.strTerminalNs());
        environment.insert(ENV_LINK, m_netns.strClientLink());
        if (!environment.contains("QT_QPA_PLATFORM"))
            environment.insert("QT_QPA_PLATFORM", "offscreen");
        inner.setProcessEnvironment(environment);
        inner.setProcessChannelMode(QProcess::ForwardedChannels);
        inner.start(QStringLiteral("ip"), QStringList{"netns", "exec", m_netns.strClientNs(),
                                                      QCoreApplication::applicationFilePath()} +
                                              m_slInnerArgs);
        QVERIFY(inner.waitForStarted(10000));
        if (!inner.waitForFinished(120000)) {
            inner.kill();
            inner.waitForFinished(5000);
            QFAIL("the application flow did not end within 120 s");
        }
        QCOMPARE(inner.exitStatus(), QProcess::NormalExit);
        QCOMPARE(inner.exitCode(), 0);
    }
};

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsSet(ENV_TERMINAL_NS)) {
        QApplication app(argc, argv);
        tst_AppFlow test;
        QTEST_SET_MAIN_SOURCE_PATH
        return QTest::qExec(&test, argc, argv);
    }
    QCoreApplication app(argc, argv);
    // Arguments (test functions, output options) are for the application flow.
    QStringList slInnerArgs = app.arguments().mid(1);
    tst_AppFlowNetns test(slInnerArgs);
    char* outerArgv[] = {argv[0]};
    return QTest::qExec(&test, 1, outerArgv);
}

#include "tst_appflow.moc"

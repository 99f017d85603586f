#include "app/pageframe.h"
#include "app/settingsstore.h"
#include "app/wiring.h"
#include "mainwindow/chaupt.h"
#include "statistics/csaisondata.h"
#include "testsupport.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QUrlQuery>
#include <QtTest>

namespace
{

QString text(const char* _strLabel)
{
    auto* label = cSaisonData::instance()->findChild<QLabel*>(_strLabel);
    return label ? label->text() : QStringLiteral("<no %1>").arg(_strLabel);
}

bool bShown(const char* _strButton)
{
    return cSaisonData::instance()->findChild<QPushButton*>(_strButton)->isVisibleTo(cSaisonData::instance());
}

// An order record of 44 fields with the given ones set.
QString record(const QMap<int, QString>& _fields)
{
    QStringList fields;
    for (int i = 0; i < 44; ++i)
        fields << _fields.value(i);
    return fields.join(';');
}

using Expected = QMap<QString, QString>;

} // namespace

Q_DECLARE_METATYPE(Expected)

class tst_SeasonPage : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        TestSupport::vIsolate();
        // The pages hand the screen and the list to each other as in the application.
        Wiring::vConnectPages();
    }
    void fileMode_data();
    void fileMode();
    void totalsMode_data();
    void totalsMode();
    void backKeyInFileModeAsks();
    void anyKeyInTotalsModeReturns();
    void terminalButtonsAndRequestWords();
    void mailLink();
};

void tst_SeasonPage::fileMode_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("view");
    QTest::addColumn<Expected>("expected");
    const QByteArray header =
        "Nr;Flaeche;x;Feld;Strasse;V Feld;l/h;l/ha;V Strasse;l/h;l/km;Zeit Strasse;Zeit "
        "Feld;BS Motor;BS Roder\n";
    const QByteArray full =
        header + "1;1234,5;x;88,2;12,5;300;15,2;25,1;40;10,1;0,5;12:30;200:15;1500;1200\n";
    QTest::newRow("season file as written") << full << "Statistik Saison"
                                            << Expected{{"label_Ansicht", "Ansicht: Statistik Saison"},
                                                        {"label_RodeflaecheGesamt", "1234,5 ha"},
                                                        {"label_Feld_Strecke", "88,2 km"},
                                                        {"label_Strasse_Strecke", "12,5 km"},
                                                        {"label_Zeit_Strasse", "12:30 h"},
                                                        {"label_Zeit_Feld", "200:15 h"},
                                                        {"label_Verbrauch_feld", "300 l"},
                                                        {"label_verbrauch_zeit_feld", "15,2 l/h"},
                                                        {"label_verbrauch_hektar_feld", "25,1 l/ha"},
                                                        {"label_Verbrauch_strasse", "40 l"},
                                                        {"label_verbrauch_zeit_strasse", "10,1 l/h"},
                                                        {"label_verbrauch_km_strasse", "0,5 l/km"},
                                                        {"label_BetriebsstundenMotor", "1500 h"},
                                                        {"label_BetriebsstundenRoder", "1200 h"}};
    QTest::newRow("machine file") << full << "Statistik Maschine"
                                  << Expected{{"label_Ansicht", "Ansicht: Statistik Maschine"},
                                              {"label_RodeflaecheGesamt", "1234,5 ha"}};
    QTest::newRow("short record leaves the rest empty") << header + "1;77\n"
                                                        << "Statistik Saison"
                                                        << Expected{{"label_RodeflaecheGesamt", "77 ha"},
                                                                    {"label_Feld_Strecke", ""},
                                                                    {"label_BetriebsstundenRoder", ""}};
    QTest::newRow("header only") << header << "Statistik Saison"
                                 << Expected{{"label_RodeflaecheGesamt", ""},
                                             {"label_verbrauch_km_strasse", ""}};
}

void tst_SeasonPage::fileMode()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, view);
    QFETCH(Expected, expected);
    cSaisonData* page = cSaisonData::instance();
    // A previous file's figures must not stay behind.
    page->vReadStatisticsFile(TestSupport::strWriteFile(TestSupport::strHome() + "/before.csv",
                                                        "h\n1;9;x;9;9;9;9;9;9;9;9;9;9;9;9\n"),
                              "Statistik Saison");
    const QString path = TestSupport::strWriteFile(TestSupport::strHome() + "/Statistik Saison.csv", content);
    page->vReadStatisticsFile(path, view);
    QVERIFY(page->bFileMode());
    for (auto it = expected.cbegin(); it != expected.cend(); ++it)
        QCOMPARE(text(qPrintable(it.key())), it.value());
}

void tst_SeasonPage::totalsMode_data()
{
    QTest::addColumn<QStringList>("records");
    QTest::addColumn<Expected>("expected");
    QTest::newRow("125 field minutes, no road fuel")
        << QStringList{record({{10, "20000"}, {11, "1:05"}, {19, "6000"}, {16, "1500"}}),
                       record({{10, "5000"}, {11, "1:00"}, {19, "4000"}, {18, "250"}}),
                       record({{10, "0"}, {11, "9:00"}, {20, "5000"}})}
        << Expected{{"label_Ansicht", "Ansicht: Summe"},
                    {"label_RodeflaecheGesamt", "2,5 ha"},
                    {"label_Zeit_Feld", "2:5 h"},
                    {"label_Zeit_Strasse", "0:0 h"},
                    {"label_Feld_Strecke", "1,500 km"},
                    {"label_Strasse_Strecke", "0,250 km"},
                    {"label_Verbrauch_feld", "10,0 l"},
                    {"label_verbrauch_zeit_feld", "4,8 l/h"},
                    {"label_verbrauch_hektar_feld", "4,0 l/ha"},
                    {"label_Verbrauch_strasse", "0,0 l"},
                    {"label_verbrauch_zeit_strasse", "0,0 l/h"},
                    {"label_verbrauch_km_strasse", "0,0 l/km"}};
    QTest::newRow("fuel without minutes or distance")
        << QStringList{record({{10, "10000"}, {19, "3000"}, {20, "2000"}, {42, "1234:10"}, {43, "99"}})}
        << Expected{{"label_verbrauch_zeit_feld", "-"},        {"label_verbrauch_hektar_feld", "3,0 l/ha"},
                    {"label_verbrauch_zeit_strasse", "-"},     {"label_verbrauch_km_strasse", "-"},
                    {"label_BetriebsstundenMotor", "1234:10"}, {"label_BetriebsstundenRoder", "-"}};
    // Two orders of 1,8 and 1,2 billion minutes: the sums pass the int range.
    QTest::newRow("minutes beyond the int range")
        << QStringList{record({{10, "10000"}, {11, "30000000:00"}, {14, "20000000:00"}, {19, "6000"}}),
                       record({{10, "10000"}, {11, "30000000:00"}, {14, "20000000:00"}, {19, "6000"}})}
        << Expected{{"label_Zeit_Feld", "60000000:0 h"},
                    {"label_Zeit_Strasse", "40000000:0 h"},
                    {"label_verbrauch_zeit_feld", "0,0 l/h"}};
}

void tst_SeasonPage::totalsMode()
{
    QFETCH(QStringList, records);
    QFETCH(Expected, expected);
    const QString path = TestSupport::strWriteFile(
        TestSupport::strHome() + "/Auftraege.csv",
        (QStringList(record({{0, "Auftrags Nummer"}})) + records).join('\n').toLatin1() + '\n');
    cHaupt::instance()->strOpenListFile(path);
    cSaisonData* page = cSaisonData::instance();
    page->vShowOrderTotals();
    QVERIFY(!page->bFileMode());
    for (auto it = expected.cbegin(); it != expected.cend(); ++it)
        QCOMPARE(text(qPrintable(it.key())), it.value());
}

void tst_SeasonPage::backKeyInFileModeAsks()
{
    cSaisonData* page = cSaisonData::instance();
    page->vReadStatisticsFile(TestSupport::strWriteFile(TestSupport::strHome() + "/s.csv", "h\n1;2\n"),
                              "Statistik Saison");
    page->show();
    QString question;
    QList<bool> yellowAnswers;
    QTimer::singleShot(0, page, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog)
            return;
        question = dialog->findChild<QLabel*>("label_Text")->text();
        // Both answers are drawn as yellow buttons, not as the page's
        // black icon buttons.
        for (const char* pName : {"pushButton_ja", "pushButton_nein"}) {
            const QImage image = dialog->findChild<QPushButton*>(pName)->grab().toImage();
            yellowAnswers << (image.pixelColor(image.width() / 8, image.height() / 2) ==
                              Style::colorYellow());
        }
        QTest::mouseClick(dialog->findChild<QPushButton*>("pushButton_nein"), Qt::LeftButton);
    });
    QTest::keyRelease(page, Qt::Key_A); // other keys do nothing
    QVERIFY(question.isEmpty());
    QTest::keyRelease(page, Qt::Key_Back);
    QCOMPARE(question, QString("Möchten Sie die App schließen?"));
    QCOMPARE(yellowAnswers, (QList<bool>{true, true}));
    QVERIFY(page->isVisible());
}

void tst_SeasonPage::anyKeyInTotalsModeReturns()
{
    cSaisonData* page = cSaisonData::instance();
    page->vShowOrderTotals();
    page->show();
    cHaupt::instance()->hide();
    QTest::keyRelease(page, Qt::Key_A);
    QVERIFY(!page->isVisible());
    QVERIFY(cHaupt::instance()->isVisible());
}

void tst_SeasonPage::terminalButtonsAndRequestWords()
{
    cSaisonData* page = cSaisonData::instance();
    page->vSetNavigator({});
    page->vSetConnectionState(true);
    // Without the pages they lead to, the buttons stay hidden.
    QVERIFY(!bShown("pushButton_Download"));
    QVERIFY(!bShown("pushButton_Einstellungen"));
    using Navigation::Caller;
    using Navigation::Target;
    QList<QPair<Target, Caller>> opened;
    page->vSetNavigator([&](Target _target, Caller _caller) { opened << qMakePair(_target, _caller); });
    QVERIFY(bShown("pushButton_Download"));
    QVERIFY(bShown("pushButton_heruntergeladeneDateien"));
    QTest::mouseClick(page->findChild<QPushButton*>("pushButton_Einstellungen"), Qt::LeftButton);
    QTest::mouseClick(page->findChild<QPushButton*>("pushButton_Download"), Qt::LeftButton);
    // The settings page learns "Saison", the download selection "Statistik".
    QVERIFY(opened == (QList<QPair<Target, Caller>>{{Target::Settings, Caller::Season},
                                                    {Target::DownloadSelection, Caller::Statistics}}));
    QCOMPARE(Navigation::strCallerName(Caller::Season), QString("Saison"));
    QCOMPARE(Navigation::strCallerName(Caller::Statistics), QString("Statistik"));
    page->vSetConnectionState(false);
    QVERIFY(!bShown("pushButton_ExpertModus"));

    QList<QByteArray> sent;
    page->vSetMessageSender([&](const QByteArray& _baMessage) { sent << _baMessage; });
    page->show();
    page->vTakeRequestWords({"Auftraege", "Saison"});
    QCOMPARE(sent, (QList<QByteArray>{"Auftraege", "Saison"}));
    QVERIFY(!page->isVisible());
    page->vSetNavigator({});
    page->vSetMessageSender({});
}

void tst_SeasonPage::mailLink()
{
    SettingsStore::EMAIL.vSet("chef@example.org");
    cSaisonData* page = cSaisonData::instance();
    page->vSetFileName("Statistik Saison 2020.csv");
    page->vReadStatisticsFile(
        TestSupport::strWriteFile(TestSupport::strHome() + "/m.csv", "h\n1;12,5 & mehr;x;3\n"),
        "Statistik Saison");
    const QUrl url = page->mailUrl();
    QCOMPARE(url.scheme(), QString("mailto"));
    QCOMPARE(url.path(), QString("chef@example.org"));
    const QUrlQuery query(url);
    QCOMPARE(query.queryItemValue("subject", QUrl::FullyDecoded),
             QString("Ansicht: Statistik Saison - Statistik Saison 2020.csv"));
    const QString body = query.queryItemValue("body", QUrl::FullyDecoded);
    QVERIFY2(body.contains("12,5 & mehr ha"), qPrintable(body));
    QVERIFY2(body.contains("Strecke Feld: 3 km"), qPrintable(body));
}

QTEST_MAIN(tst_SeasonPage)
#include "tst_seasonpage.moc"

#include "app/messages.h"
#include "app/reportoffer.h"
#include "app/settingsstore.h"
#include "app/wiring.h"
#include "data/archivestore.h"
#include "data/billsettings.h"
#include "data/filewriter.h"
#include "data/reportfiles.h"
#include "mainwindow/chaupt.h"
#include "reports/orderreport.h"
#include "reports/ordersreport.h"
#include "reports/reportlayout.h"
#include "reports/reportpdf.h"
#include "statistics/chauptuebersicht.h"
#include "statistics/csaisondata.h"
#include "statistics/czeitaufteilung.h"
#include "statistics/shownlist.h"
#include "testsupport.h"
#include "ui_chaupt.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QScopeGuard>
#include <QTranslator>
#include <QtTest>

#include <memory>

// Reports and exports as the user makes them: through the pages' buttons,
// into the reports folder, read back as text (pdftotext) and as data.
class tst_Reports : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void orderReportHoldsThePagesFigures();
    void orderReportInEnglish();
    void orderReportKeepsNamesAndNumbersWhole();
    void tableWidths_data();
    void tableWidths();
    void wrapAtBlanks();
    void exportHoldsTheShownOrdersOnly();
    void pagesNumberedOfTheirCount();
    void billOfTheChosenCustomer();
    void isoXmlExportHoldsTheShownOrdersOnly();
    void seasonReport_data();
    void seasonReport();
    void offerOpensOrCloses_data();
    void offerOpensOrCloses();
    void emailAttachesWhereItCan_data();
    void emailAttachesWhereItCan();
    void printDrawsTheReport_data();
    void printDrawsTheReport();
    void failedWriteSaysWhy_data();
    void failedWriteSaysWhy();

private:
    QString strLastSaved() const { return m_slOffers.isEmpty() ? QString() : m_slOffers.last(); }

    QString m_strOrderA;
    QString m_strOrdersPath;
    QStringList m_slOffers;   // the paths the offers named
    QStringList m_slMessages; // the messages shown
    QList<QUrl> m_lOpened;
    ReportOffer::Choice m_choice = ReportOffer::Choice::Close;
};

namespace
{

QString record(const QMap<int, QString>& _fields)
{
    QStringList fields;
    for (int i = 0; i < 44; ++i)
        fields << _fields.value(i);
    return fields.join(';');
}

// The PDF's text with its layout kept (one table row per line), or an
// explanation when the file cannot be read.
QString strPdfText(const QString& _strPath)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), _strPath, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QStringLiteral("<pdftotext failed: %1>")
            .arg(QString::fromLocal8Bit(process.readAllStandardError()));
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The line of the text that starts with _strStart (after blanks).
QString strLineStarting(const QString& _strText, const QString& _strStart)
{
    for (const QString& line : _strText.split(QLatin1Char('\n'))) {
        if (line.trimmed().startsWith(_strStart))
            return line.simplified();
    }
    return QStringLiteral("<no line %1>").arg(_strStart);
}

QString text(QWidget* _pPage, const char* _strLabel)
{
    auto* label = _pPage->findChild<QLabel*>(_strLabel);
    return label ? label->text() : QStringLiteral("<no %1>").arg(_strLabel);
}

} // namespace

void tst_Reports::initTestCase()
{
    TestSupport::vIsolate();
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QFAIL("pdftotext (poppler-utils) is missing; ./test.sh installs it");
    Wiring::vConnectPages();
    ReportOffer::vSetChooser([this](const QString& _strText) {
        // "Gespeichert:\n<path>"
        m_slOffers << _strText.section(QLatin1Char('\n'), 1);
        return m_choice;
    });
    ReportOffer::vSetOpener([this](const QUrl& _url) {
        m_lOpened << _url;
        return true;
    });
    Messages::vSetHook([this](QWidget*, const QString& _strText) { m_slMessages << _strText; });

    // The order pages' fixtures: A with every figure, B without area (in the
    // sums, not in the averages), C with area and time only; D and E belong
    // to a customer with umlauts and a field with ";" in its name.
    m_strOrderA = record({{0, "1001"},
                          {2, "17"},
                          {3, "Hof Ost"},
                          {10, "45000"},
                          {11, "1:30"},
                          {16, "3000"},
                          {17, "2100"},
                          {19, "90000"},
                          {29, "45"},
                          {30, "1:00"},
                          {33, "450"},
                          {37, "45000"},
                          {42, "1234:00"},
                          {43, "987:00"},
                          {8, "01.09.2020 08:00"}});
    const QString strOrderB =
        record({{0, "1002"}, {10, "0"}, {16, "5000"}, {19, "7000"}, {8, "02.09.2020 08:00"}});
    const QString strOrderC = record({{0, "1003"}, {10, "10000"}, {11, "1:00"}, {8, "03.09.2020 08:00"}});
    const QString strOrderD = record({{0, "1004"},
                                      {2, "4711"},
                                      {3, QString::fromUtf8("Müller Röder")},
                                      {4, "3"},
                                      {5, "Breite \"A\""},
                                      {10, "20000"},
                                      {11, "2:00"},
                                      {19, "60000"},
                                      {8, "05.10.2020 08:00"}});
    const QString strOrderE = record({{0, "1005"},
                                      {2, "4711"},
                                      {3, QString::fromUtf8("Müller Röder")},
                                      {4, "4"},
                                      {5, "Lange Wiese"},
                                      {10, "30000"},
                                      {11, "0:00"},
                                      {19, "30000"},
                                      {8, "20.10.2020 08:00"}});
    const QString strHeader = record({{0, "Auftrags Nummer"}});
    // The list file is Latin-1, as the terminal writes it.
    m_strOrdersPath = TestSupport::strWriteFile(
        TestSupport::strHome() + "/Auftraege.csv",
        (QStringList{strHeader, m_strOrderA, strOrderB, strOrderC, strOrderD, strOrderE}.join('\n') + '\n')
            .toLatin1());
}

void tst_Reports::init()
{
    m_slOffers.clear();
    m_slMessages.clear();
    m_lOpened.clear();
    m_choice = ReportOffer::Choice::Close;
    cHaupt::instance()->strOpenListFile(m_strOrdersPath);
    QCOMPARE(cHaupt::instance()->slLines().value(5).left(5), QStringLiteral("1005;"));
}

void tst_Reports::orderReportHoldsThePagesFigures()
{
    cZeitAufteilung::instance()->vReceiveTextAndPresent(m_strOrderA, 1, 0);
    cHauptUebersicht* pOverview = cHauptUebersicht::instance();
    pOverview->vTakeDataAndPresent();
    pOverview->vSaveReport();
    QVERIFY2(m_slMessages.isEmpty(), qPrintable(m_slMessages.join(" | ")));
    const QString strPath = strLastSaved();
    QVERIFY(strPath.startsWith(ReportFiles::strFolder() + "/"));
    QCOMPARE(QFileInfo(strPath).fileName(), QStringLiteral("Auftrag_1001_2020-09-01.pdf"));
    const QString strText = strPdfText(strPath);

    // Each overview row holds the order's figure and the average as the page shows them.
    const char* const names[] = {"ha/h", "km/h Roden", "m/ha leer", "l/ha Roden", "l/ha Gesamt", "Bunker/ha"};
    const char* const order[] = {"label_HektarProStunde",      "label_KmH",
                                 "label_MeterProHektar",       "label_LiterProHektarRoden",
                                 "label_LiterProHektarGesamt", "label_BunkerProHektar"};
    const char* const average[] = {"label_HektarProStundeDursch",      "label_kmhDursch",
                                   "label_MeterProHektarDursch",       "label_LitarProHektarRodenDursch",
                                   "label_LitarProHektarGesamtDursch", "label_BunkerProHektar_Dursch"};
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(
            strLineStarting(strText, names[i]),
            QStringLiteral("%1 %2 %3").arg(names[i], text(pOverview, order[i]), text(pOverview, average[i])));
    }
    // ha/h: 4.5 ha in 90 min; the averages are ratios of sums over A, C, D, E.
    QCOMPARE(text(pOverview, "label_HektarProStunde"), QStringLiteral("3,000"));
    QCOMPARE(text(pOverview, "label_HektarProStundeDursch"), QStringLiteral("2,333"));

    // Header block, consumption, splits and comparison.
    for (const char* expected :
         {"Auftragsbericht 1001", "Hof Ost (17)", "Reihenabstand 45", "Fläche 4,500 ha",
          "Strecke 3,000 km 0,000 km", "Zeit 01:30 h 00:00 h", "Verbrauch pro Hektar 20,0 l/ha",
          "Leerfahrt: 0,900 km", "Roden: 2,100 km", "Zeit Rest: 00:30 h", "Zeit Roden: 01:00 h",
          "Auftrag besser", "ha/h : +28,57%"}) {
        QVERIFY2(strText.simplified().contains(QString::fromUtf8(expected)),
                 qPrintable(QString::fromUtf8(expected) + "\n" + strText));
    }

    // Every font is embedded.
    QProcess fonts;
    fonts.start(QStringLiteral("pdffonts"), {strPath});
    QVERIFY(fonts.waitForFinished(30000));
    const QStringList slFontLines =
        QString::fromUtf8(fonts.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    QVERIFY(slFontLines.size() > 2);
    for (const QString& line : slFontLines.mid(2))
        QVERIFY2(line.split(' ', Qt::SkipEmptyParts).value(line.split(' ', Qt::SkipEmptyParts).size() - 5) ==
                     QLatin1String("yes"),
                 qPrintable(line));
}

void tst_Reports::orderReportInEnglish()
{
    QTranslator translator;
    QVERIFY(
        translator.load(SettingsStore::strCatalogueName(QStringLiteral("Englisch")), QStringLiteral(":/")));
    QCoreApplication::installTranslator(&translator);
    SettingsStore::LANGUAGE.vSet(QStringLiteral("Englisch"));
    cZeitAufteilung::instance()->vReceiveTextAndPresent(m_strOrderA, 1, 0);
    cHauptUebersicht::instance()->vSaveReport();
    const QString strPath = strLastSaved();
    QCoreApplication::removeTranslator(&translator);
    SettingsStore::LANGUAGE.vSet(QString());

    QVERIFY(QFileInfo(strPath).fileName().startsWith("Order_1001"));
    const QString strText = strPdfText(strPath).simplified();
    // The order's dates in the language's form, as the date of printing.
    for (const char* expected :
         {"Order report 1001", "Area 4.500 ha", "Distance 3.000 km", "ha/h 3.000 2.333",
          "Comparison with the average", "Start 01/09/2020 08:00", "Hof Ost (17) · 01/09/2020 08:00"}) {
        QVERIFY2(strText.contains(QString::fromUtf8(expected)),
                 qPrintable(QString::fromUtf8(expected) + "\n" + strText));
    }
    QVERIFY2(!strText.contains(QLatin1String("3,000")), qPrintable(strText));
}

void tst_Reports::orderReportKeepsNamesAndNumbersWhole()
{
    const QString strOrder = record({{0, "1006"},
                                     {2, "4711"},
                                     {3, QString::fromUtf8("Müller & Söhne <GbR> Rübenbau an der Oker")},
                                     {10, "15155"},
                                     {11, "1:00"},
                                     {16, "1234567"},
                                     {19, "13552049"},
                                     {29, "45"},
                                     {8, "01.09.2020 08:00"}});
    cZeitAufteilung::instance()->vReceiveTextAndPresent(strOrder, 1, 0);
    cHauptUebersicht* pOverview = cHauptUebersicht::instance();
    pOverview->vTakeDataAndPresent();
    pOverview->vSaveReport();
    QVERIFY2(m_slMessages.isEmpty(), qPrintable(m_slMessages.join(" | ")));
    const QString strText = strPdfText(strLastSaved()).simplified();
    // The page's area, the name whole (wrapped between its words), the
    // row spacing with its unit, the language's group separators.
    QCOMPARE(text(pOverview, "label_Rodeflaeche"), QStringLiteral("1,516 ha"));
    for (const char* expected :
         {"Fläche 1,516 ha", "Müller & Söhne <GbR>", "Rübenbau an der Oker", "(4711)", "Reihenabstand 45 cm",
          "Strecke 1.234,567 km", "Verbrauch 13.552,0 l", "Seite 1 von 1"}) {
        QVERIFY2(strText.contains(QString::fromUtf8(expected)),
                 qPrintable(QString::fromUtf8(expected) + "\n" + strText));
    }
    QVERIFY2(!strText.contains(QString::fromUtf8("…")), qPrintable(strText));
}

void tst_Reports::tableWidths_data()
{
    // Widths in characters: each character one unit wide, bold the same.
    QTest::addColumn<double>("total");
    QTest::addColumn<QVector<double>>("expected");
    // Room for everything: each text on one line, the number column no
    // wider than its widest text (its header), the text column takes the rest.
    QTest::newRow("room") << 40.0 << QVector<double>{27, 13};
    // Less room: texts and headers wrap between their words, the number
    // column keeps its widest number and header word ("Verbrauch").
    QTest::newRow("narrow") << 20.0 << QVector<double>{11, 9};
    // The text whole, its header not: the room left widens the number
    // column toward its header on one line, none of the page stays empty.
    QTest::newRow("room for the text, not the header") << 25.0 << QVector<double>{14, 11};
    // Not even the widest word and number fit: a smaller font is needed.
    QTest::newRow("too narrow") << 14.0 << QVector<double>{};
}

void tst_Reports::tableWidths()
{
    QFETCH(double, total);
    QFETCH(QVector<double>, expected);
    const ReportLayout::Measure measure = [](const QString& _strText, bool) {
        return double(_strText.size());
    };
    const QVector<double> widths = ReportLayout::columnWidths(
        {{1, false}, {1, true}}, {"Kunde", "Verbrauch [l]"},
        {{QString::fromUtf8("Müller & Söhne"), "13.552,0"}}, {"", "365,49"}, measure, 0, total);
    QCOMPARE(widths, expected);
}

void tst_Reports::wrapAtBlanks()
{
    const ReportLayout::Measure measure = [](const QString& _strText, bool) {
        return double(_strText.size());
    };
    QCOMPARE(ReportLayout::slWrapAtBlanks("Zeit Entladen [h:mm]", 14, true, measure),
             QStringList({"Zeit Entladen", "[h:mm]"}));
    // A word wider than the room stays whole on its own line.
    QCOMPARE(ReportLayout::slWrapAtBlanks("Verbrauch [l]", 5, true, measure),
             QStringList({"Verbrauch", "[l]"}));
    QCOMPARE(ReportLayout::dWidestWord("Zeit Entladen [h:mm]", true, measure), 8.0);
}

void tst_Reports::exportHoldsTheShownOrdersOnly()
{
    // A search text and the season's dates: the orders the list shows.
    cHaupt* pMain = cHaupt::instance();
    pMain->findChild<QLineEdit*>("lineEdit")->setText(QString::fromUtf8("müller"));
    pMain->findChild<QDateEdit*>("dateEdit_von")->setDate(QDate(2020, 10, 1));
    pMain->findChild<QDateEdit*>("dateEdit_bis")->setDate(QDate(2020, 10, 20));
    pMain->vExportOrdersCsv();
    pMain->vExportOrdersPdf();
    QVERIFY2(m_slMessages.isEmpty(), qPrintable(m_slMessages.join(" | ")));
    QCOMPARE(m_slOffers.size(), 2);
    QCOMPARE(QFileInfo(m_slOffers.at(0)).fileName(),
             QString::fromUtf8("Auftraege_müller_2020-10-01_2020-10-20.csv"));

    // The CSV as data: the two orders of the filter and the totals.
    QByteArray baCsv = TestSupport::baReadFile(m_slOffers.at(0));
    QVERIFY(baCsv.startsWith("\xEF\xBB\xBF"));
    const QStringList slLines = QString::fromUtf8(baCsv.mid(3)).split("\r\n", Qt::SkipEmptyParts);
    QCOMPARE(slLines.size(), 4);
    QVERIFY(
        slLines.at(1).startsWith(QString::fromUtf8("1004;Müller Röder (4711);\"Breite \"\"A\"\" (3)\";")));
    QVERIFY(slLines.at(2).startsWith("1005;"));
    // 5 ha, 90 l, 120 min: 18,00 l/ha and 2,50 ha/h as ratios of the sums.
    QCOMPARE(slLines.at(3), QStringLiteral("Summe;;;;;;5,000;0,000;0,000;0:00;0:00;2:00;90,0;18,00;2,50"));

    const QString strText = strPdfText(m_slOffers.at(1)).simplified();
    // The totals in one line, headers whole, numbered pages.
    for (const char* expected :
         {"Suche: „müller“", "Zeitraum: 01.10.2020 bis 20.10.2020", "Anzahl der Aufträge: 2", "1004", "1005",
          "Summe 5,000 0,000 0,000 0:00 0:00 2:00 90,0 18,00 2,50", "Verbrauch", "Seite 1 von 1"}) {
        QVERIFY2(strText.contains(QString::fromUtf8(expected)),
                 qPrintable(QString::fromUtf8(expected) + "\n" + strText));
    }
    for (const char* other : {"1001", "1002", "1003", "Hof Ost"})
        QVERIFY2(!strText.contains(QLatin1String(other)), other);
    pMain->findChild<QLineEdit*>("lineEdit")->clear();
}

void tst_Reports::billOfTheChosenCustomer()
{
    // The rates and letterhead kept in the local archive, as the rates page
    // keeps them: 150,00 per hectare, 19 % VAT.
    const QString strConnection = QStringLiteral("tst-bill-archive");
    const cListExports::Connector connect = [strConnection](QString* _pMessage) {
        QSqlDatabase::removeDatabase(strConnection);
        cArchiveStore store(cArchiveStore::sqliteConnection(cArchiveStore::strDefaultPath(), strConnection));
        const ArchiveOpenResult opened = store.open();
        *_pMessage = opened.strMessage;
        return opened.bUsable() ? store.database() : QSqlDatabase();
    };
    {
        QString strMessage;
        QSqlDatabase database = connect(&strMessage);
        QVERIFY2(database.isValid(), qPrintable(strMessage));
        BillRates rates;
        rates.defaults.perHectare = 15000;
        rates.defaults.vatBasisPoints = 1900;
        Letterhead letterhead;
        letterhead.strName = QStringLiteral("Lohnbetrieb Probe");
        QSqlError error;
        QVERIFY2(BillSettings::bSave(database, rates, letterhead, error), qPrintable(error.text()));
    }
    cHaupt* pMain = cHaupt::instance();
    pMain->vSetBillArchiveConnector(connect);
    auto* pCustomers = pMain->findChild<QComboBox*>("comboBox_Kundenwahl");
    const int s32Mueller = pCustomers->findText(QStringLiteral("(4711)"), Qt::MatchEndsWith);
    QVERIFY(s32Mueller > 0);
    pCustomers->setCurrentIndex(s32Mueller);
    pMain->vExportBillCsv();
    pMain->vExportBillPdf();
    pMain->vExportDriverHoursCsv();
    QVERIFY2(m_slMessages.isEmpty(), qPrintable(m_slMessages.join(" | ")));
    QCOMPARE(m_slOffers.size(), 3);
    // 2 ha and 3 ha at 150,00: 750,00 net, 142,50 VAT; the other customer's
    // order is not in it.
    const QString strCsv = QString::fromUtf8(TestSupport::baReadFile(m_slOffers.at(0)));
    QVERIFY2(strCsv.contains(QString::fromUtf8(
                 ";4711;Müller Röder;;;;;5,000;0:00;750,00;0,00;0,00;750,00;19;142,50;892,50")),
             qPrintable(strCsv));
    QVERIFY(!strCsv.contains(QStringLiteral("Hof Ost")));
    const QString strText = strPdfText(m_slOffers.at(1)).simplified();
    for (const char* expected : {"Abrechnungsgrundlage", "Lohnbetrieb Probe", "Müller Röder (4711)",
                                 "Zeitraum 01.09.2020 bis 20.10.2020", "Brutto 892,50 €", "Seite 1 von 1"}) {
        QVERIFY2(strText.contains(QString::fromUtf8(expected)),
                 qPrintable(QString::fromUtf8(expected) + "\n" + strText));
    }
    // The drivers' hours of the same two orders.
    const QStringList slHours =
        QString::fromUtf8(TestSupport::baReadFile(m_slOffers.at(2))).split("\r\n", Qt::SkipEmptyParts);
    QVERIFY2(slHours.last().startsWith(QStringLiteral("Summe;2;")), qPrintable(slHours.join(" | ")));

    // All customers: one bill basis each, on pages of their own.
    pCustomers->setCurrentIndex(0);
    pMain->vExportBillPdf();
    const QStringList slPages = strPdfText(m_slOffers.last()).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    QCOMPARE(slPages.size(), 2);
    QVERIFY(slPages.at(0).contains(QStringLiteral("Hof Ost (17)")));
    QVERIFY(slPages.at(1).contains(QStringLiteral("(4711)")) &&
            slPages.at(1).contains(QStringLiteral("Seite 1 von 1")));
    pMain->vSetBillArchiveConnector({});
}

void tst_Reports::pagesNumberedOfTheirCount()
{
    // A table over several pages: every page names its number and the
    // count the document really has.
    QStringList slRecords;
    for (int i = 1; i <= 150; ++i)
        slRecords << record(
            {{0, QString::number(i)}, {3, "Hof Ost"}, {10, "15155"}, {8, "02.09.2020 08:00"}});
    const QByteArray baPdf = OrdersReport::baPdf(OrderExport::tableOf(slRecords), {},
                                                 QLocale(QLocale::German), QDate(2026, 12, 11));
    const QString strPath = TestSupport::strWriteFile(TestSupport::strHome() + "/pages/orders.pdf", baPdf);
    const QStringList slPages = strPdfText(strPath).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    QVERIFY2(slPages.size() > 2, qPrintable(QString::number(slPages.size())));
    for (int i = 0; i < slPages.size(); ++i) {
        const QString strExpected = QStringLiteral("Seite %1 von %2").arg(i + 1).arg(slPages.size());
        QVERIFY2(slPages.at(i).contains(strExpected), qPrintable(strExpected + "\n" + slPages.at(i)));
    }
}

void tst_Reports::isoXmlExportHoldsTheShownOrdersOnly()
{
    // A customers file downloaded from the terminal names the customer in full.
    TestSupport::strWriteFile(
        TestSupport::strDownloads() + "/Kunden.csv",
        QString::fromUtf8("Kunden Nummer;Name 1;Name 2;Strasse;PLZ;Ort;Telefax;Telefon;eMail\n"
                          "4711;Jürgen;Müller Röder;Rübenweg 5;38300;Wolfenbüttel;;;\n")
            .toLatin1());
    cHaupt* pMain = cHaupt::instance();
    pMain->findChild<QLineEdit*>("lineEdit")->setText(QString::fromUtf8("müller"));
    pMain->vExportOrdersIsoXml();
    pMain->findChild<QLineEdit*>("lineEdit")->clear();
    QVERIFY2(m_slMessages.isEmpty(), qPrintable(m_slMessages.join(" | ")));
    const QString strFolder = strLastSaved();
    QVERIFY2(QFileInfo(strFolder).fileName().startsWith(QString::fromUtf8("ISOXML_Auftraege_müller_")),
             qPrintable(strFolder));
    const QString strXml = QString::fromUtf8(TestSupport::baReadFile(strFolder + "/TASKDATA/TASKDATA.XML"));
    QCOMPARE(strXml.count("<TSK "), 2);
    QCOMPARE(strXml.count("<CTR "), 1);
    QVERIFY(strXml.contains(QString::fromUtf8("C=\"Jürgen\" D=\"Rübenweg 5\"")));
    QVERIFY(!strXml.contains("Hof Ost"));
}

void tst_Reports::seasonReport_data()
{
    QTest::addColumn<bool>("fileMode");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("totals of the orders")
        << false
        << QStringList{"Saisonbericht: Summe", "Rodefläche 10,5 ha", "Betriebsstunden Motor 1234:00",
                       "Verbrauch 180,0 l 0,0 l", "Zeit 4:30 h 0:00 h"};
    QTest::newRow("statistics file as written")
        << true
        << QStringList{"Saisonbericht: Saison 2020", "Rodefläche 812,5 ha", "Betriebsstunden Roder 640 h",
                       "Strecke 1200,4 km 310 km", "Verbrauch pro Kilometer 1,3 l/km"};
}

void tst_Reports::seasonReport()
{
    QFETCH(bool, fileMode);
    QFETCH(QStringList, expected);
    cSaisonData* pSeason = cSaisonData::instance();
    if (fileMode) {
        const QString strPath = TestSupport::strWriteFile(
            TestSupport::strHome() + "/Saisonstatistik.csv",
            "Kopf\n;812,5;;1200,4;310;5000;18;6,2;400;9;1,3;20:00;300:00;1500;640\n");
        pSeason->vSetFileName("Saisonstatistik.csv");
        pSeason->vReadStatisticsFile(strPath, "Saison 2020");
    } else {
        pSeason->vSetFileName("Auftraege.csv");
        pSeason->vShowOrderTotals();
    }
    pSeason->vSaveReport();
    QVERIFY2(m_slMessages.isEmpty(), qPrintable(m_slMessages.join(" | ")));
    const QString strText = strPdfText(strLastSaved()).simplified();
    for (const QString& line : expected)
        QVERIFY2(strText.contains(line), qPrintable(line + "\n" + strText));
}

void tst_Reports::offerOpensOrCloses_data()
{
    QTest::addColumn<int>("choice");
    QTest::newRow("open") << int(ReportOffer::Choice::Open);
    QTest::newRow("close") << int(ReportOffer::Choice::Close);
}

void tst_Reports::offerOpensOrCloses()
{
    QFETCH(int, choice);
    m_choice = ReportOffer::Choice(choice);
    const QString strPath =
        ReportOffer::strSaveAndOffer(nullptr, "Probe.pdf", "%PDF", "Auftragsbericht 1001");
    QCOMPARE(strLastSaved(), strPath);
    if (m_choice == ReportOffer::Choice::Open)
        QCOMPARE(m_lOpened, QList<QUrl>{QUrl::fromLocalFile(strPath)});
    else
        QVERIFY(m_lOpened.isEmpty());
}

void tst_Reports::emailAttachesWhereItCan_data()
{
    QTest::addColumn<int>("exitCode"); // of the xdg-email on the PATH; -1: none there
    QTest::addColumn<bool>("folder");
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("attached"); // false: the mailto link with the path
    QTest::newRow("attached, addressed") << 0 << false << "buero@example.org" << true;
    QTest::newRow("attached, no address") << 0 << false << "" << true;
    QTest::newRow("xdg-email fails") << 3 << false << "buero@example.org" << false;
    QTest::newRow("no xdg-email") << -1 << false << "buero@example.org" << false;
    QTest::newRow("folder") << 0 << true << "buero@example.org" << false;
}

void tst_Reports::emailAttachesWhereItCan()
{
    QFETCH(int, exitCode);
    QFETCH(bool, folder);
    QFETCH(QString, address);
    QFETCH(bool, attached);
    m_choice = ReportOffer::Choice::Email;
    SettingsStore::EMAIL.vSet(address);
    // A fake xdg-email alone on the PATH writes its arguments, one a line.
    QTemporaryDir bin;
    const QString strArguments = bin.path() + "/arguments";
    if (exitCode >= 0) {
        QFile script(bin.path() + "/xdg-email");
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(
            QStringLiteral("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '%1'\nexit %2\n")
                .arg(strArguments)
                .arg(exitCode)
                .toLocal8Bit());
        script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
    }
    const QByteArray baPath = qgetenv("PATH");
    qputenv("PATH", bin.path().toLocal8Bit());
    const auto restorePath = qScopeGuard([&baPath] { qputenv("PATH", baPath); });

    const QString strSubject = QStringLiteral("Auftragsbericht 1001");
    QString strPath;
    if (folder) {
        strPath = ReportFiles::strFolder() + "/ISOXML_Probe";
        QVERIFY(QDir().mkpath(strPath));
        ReportOffer::vOffer(nullptr, strPath, strSubject);
    } else {
        strPath = ReportOffer::strSaveAndOffer(nullptr, "Probe.pdf", "%PDF", strSubject);
    }
    // xdg-email runs beside the application: until it has ended.
    QTRY_VERIFY(QCoreApplication::instance()
                    ->findChildren<QProcess*>(QString(), Qt::FindDirectChildrenOnly)
                    .isEmpty());
    QVERIFY2(m_slMessages.isEmpty(), qPrintable(m_slMessages.join(" | ")));
    if (attached) {
        QStringList slExpected{"--subject", strSubject,
                               "--body",    "Im Anhang: " + QFileInfo(strPath).fileName(),
                               "--attach",  strPath};
        if (!address.isEmpty())
            slExpected << address;
        QCOMPARE(
            QString::fromLocal8Bit(TestSupport::baReadFile(strArguments)).split('\n', Qt::SkipEmptyParts),
            slExpected);
        QVERIFY(m_lOpened.isEmpty());
        return;
    }
    QCOMPARE(QFileInfo::exists(strArguments), exitCode > 0);
    QCOMPARE(m_lOpened.size(), 1);
    const QUrl url = m_lOpened.first();
    QCOMPARE(url.scheme(), QStringLiteral("mailto"));
    QCOMPARE(url.path(), address);
    const QUrlQuery query(url);
    QCOMPARE(query.queryItemValue("subject", QUrl::FullyDecoded), strSubject);
    QVERIFY(query.queryItemValue("body", QUrl::FullyDecoded).contains(strPath));
}

void tst_Reports::printDrawsTheReport_data()
{
    QTest::addColumn<QString>("report");
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("printerFails");
    QTest::newRow("order") << "order" << false << "Auftragsbericht 1001" << false;
    QTest::newRow("orders") << "orders" << true << "Aufträge" << false;
    QTest::newRow("orders over many pages") << "many orders" << true << "Aufträge" << false;
    QTest::newRow("season") << "season" << false << "Saisonbericht: Summe" << false;
    QTest::newRow("printer fails") << "order" << false << "Auftragsbericht 1001" << true;
}

void tst_Reports::printDrawsTheReport()
{
    QFETCH(QString, report);
    QFETCH(bool, landscape);
    QFETCH(QString, title);
    QFETCH(bool, printerFails);
    m_choice = ReportOffer::Choice::Print;
    // The dialog's answer: print into a PDF file (into no folder: the printer fails).
    const QString strPrinted =
        TestSupport::strHome() + (printerFails ? "/nowhere/printed.pdf" : "/printed.pdf");
    QFile::remove(strPrinted);
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    ReportOffer::vSetPrintDialog([&](QPrinter& _printer) {
        orientation = _printer.pageLayout().orientation();
        _printer.setOutputFormat(QPrinter::PdfFormat);
        _printer.setOutputFileName(strPrinted);
        return true;
    });
    const auto resetDialog = qScopeGuard([] { ReportOffer::vSetPrintDialog({}); });
    if (report == QLatin1String("order")) {
        cZeitAufteilung::instance()->vReceiveTextAndPresent(m_strOrderA, 1, 0);
        cHauptUebersicht::instance()->vSaveReport();
    } else if (report == QLatin1String("orders")) {
        cHaupt::instance()->vExportOrdersPdf();
    } else if (report == QLatin1String("many orders")) {
        QStringList slRecords;
        for (int i = 1; i <= 150; ++i)
            slRecords << record({{0, QString::number(i)}, {3, "Hof Ost"}, {8, "02.09.2020 08:00"}});
        const std::shared_ptr<cReportPdf> pReport = OrdersReport::pReport(
            OrderExport::tableOf(slRecords), {}, QLocale(QLocale::German), QDate(2026, 12, 11));
        ReportOffer::strSaveAndOffer(nullptr, "Auftraege.pdf", pReport->baFinish(), title,
                                     ReportOffer::printingOf(pReport));
    } else {
        cSaisonData* pSeason = cSaisonData::instance();
        pSeason->vSetFileName("Auftraege.csv");
        pSeason->vShowOrderTotals();
        pSeason->vSaveReport();
    }
    QCOMPARE(m_slOffers.size(), 1);
    QCOMPARE(orientation, landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    if (printerFails) {
        // The message names the file and the printer.
        QCOMPARE(m_slMessages.size(), 1);
        const QString strMessage = m_slMessages.first();
        QVERIFY2(strMessage.contains("nicht gedruckt") &&
                     strMessage.contains(QFileInfo(strLastSaved()).fileName()) &&
                     strMessage.contains(strPrinted),
                 qPrintable(strMessage));
        return;
    }
    QVERIFY2(m_slMessages.isEmpty(), qPrintable(m_slMessages.join(" | ")));
    // Drawn as the report, numbered of the pages the printer received.
    const QStringList slPages = strPdfText(strPrinted).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    QVERIFY(!slPages.isEmpty());
    QVERIFY2(slPages.first().contains(title), qPrintable(slPages.first()));
    if (report == QLatin1String("many orders"))
        QVERIFY2(slPages.size() > 2, qPrintable(QString::number(slPages.size())));
    for (int i : {0, int(slPages.size()) - 1}) {
        const QString strExpected = QStringLiteral("Seite %1 von %2").arg(i + 1).arg(slPages.size());
        QVERIFY2(slPages.at(i).contains(strExpected), qPrintable(strExpected + "\n" + slPages.at(i)));
    }
}

void tst_Reports::failedWriteSaysWhy_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("condition"); // "blocked": a file where the reports folder belongs
    QTest::addColumn<QString>("name");      // of the file or folder the message names
    QTest::addColumn<int>("failure");
    const int s32Blocked = int(FileWriter::Failure::MissingFolder);
    const int s32Full = int(FileWriter::Failure::DiskFull);
    QTest::newRow("order report, blocked") << "order report"
                                           << "blocked"
                                           << "Auftrag_1001" << s32Blocked;
    QTest::newRow("order report, full disk") << "order report"
                                             << "full"
                                             << "Auftrag_1001" << s32Full;
    QTest::newRow("CSV, full disk") << "CSV"
                                    << "full"
                                    << "Auftraege_2020-09-01_2020-10-20.csv" << s32Full;
    QTest::newRow("PDF, full disk") << "PDF"
                                    << "full"
                                    << "Auftraege_2020-09-01_2020-10-20.pdf" << s32Full;
    QTest::newRow("ISOXML, full disk") << "ISOXML"
                                       << "full"
                                       << "ISOXML_Auftraege" << s32Full;
}

void tst_Reports::failedWriteSaysWhy()
{
    QFETCH(QString, what);
    QFETCH(QString, condition);
    QFETCH(QString, name);
    QFETCH(int, failure);
    const QString strFolder = ReportFiles::strFolder();
    QDir(strFolder).removeRecursively();
    // The documents folder on a small full disk, or a file where the reports
    // folder belongs.
    std::unique_ptr<TestSupport::cSmallDisk> pDisk;
    if (condition == QLatin1String("full")) {
        pDisk = std::make_unique<TestSupport::cSmallDisk>(QFileInfo(strFolder).path());
        if (!pDisk->bMounted())
            QSKIP(qPrintable(pDisk->strWhyNot()));
        QVERIFY(pDisk->bFill());
    } else {
        TestSupport::strWriteFile(strFolder, "not a folder");
    }
    if (what == QLatin1String("order report")) {
        cZeitAufteilung::instance()->vReceiveTextAndPresent(m_strOrderA, 1, 0);
        cHauptUebersicht::instance()->vSaveReport();
    } else if (what == QLatin1String("CSV")) {
        cHaupt::instance()->vExportOrdersCsv();
    } else if (what == QLatin1String("PDF")) {
        cHaupt::instance()->vExportOrdersPdf();
    } else {
        cHaupt::instance()->vExportOrdersIsoXml();
    }
    // Nothing is offered as saved, and nothing is left: no file, no folder.
    const bool bLeft = QFileInfo::exists(strFolder) && condition == QLatin1String("full");
    pDisk.reset();
    QFile::remove(strFolder);
    QVERIFY2(m_slOffers.isEmpty(), qPrintable(m_slOffers.join(" | ")));
    QVERIFY(!bLeft);
    // The message names the file and the reason in the interface language.
    QCOMPARE(m_slMessages.size(), 1);
    const QString strMessage = m_slMessages.first();
    QVERIFY2(strMessage.contains("konnte nicht") && strMessage.contains(name), qPrintable(strMessage));
    QVERIFY2(strMessage.contains(FileWriter::strReason(FileWriter::Failure(failure))),
             qPrintable(strMessage));
}

QTEST_MAIN(tst_Reports)
#include "tst_reports.moc"

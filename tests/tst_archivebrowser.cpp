// The archive in the list browser, end to end through the pages and their
// wiring: the chooser's "Archiv" entry, the machine and season selectors,
// search, sort, a tap to the order pages with that season's averages,
// stepping on past the rows read so far, the exports of the shown orders
// and the way back to the file.

#include "app/messages.h"
#include "app/reportoffer.h"
#include "app/wiring.h"
#include "data/archivestore.h"
#include "data/archiveview.h"
#include "data/currentorder.h"
#include "data/fieldreaders.h"
#include "data/ordertotals.h"
#include "mainwindow/carchiveordermodel.h"
#include "mainwindow/chaupt.h"
#include "settings/ctreetodeletefile.h"
#include "statistics/chauptuebersicht.h"
#include "statistics/corderpageset.h"
#include "statistics/csaisondata.h"
#include "statistics/shownlist.h"
#include "testsupport.h"

#include <QCollator>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSqlQuery>
#include <QTreeView>
#include <QtTest>

class tst_ArchiveBrowser : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    // One walk, in this order: each step starts where the one before ended.
    void openFromTheChooser();
    void selectSearchAndSort();
    void tapAndStep();
    void stepReadsOn();
    void oneCustomer();
    void exportAndBack();
    void customersAreReadOnlyLatestLines();

private:
    QTreeView* view() const { return cHaupt::instance()->findChild<QTreeView*>(QStringLiteral("treeView")); }
    cArchiveOrderModel* model() const { return cHaupt::instance()->archiveDisplay()->model(); }
    QString strHeader() const
    {
        return cHaupt::instance()->findChild<QLabel*>(QStringLiteral("label_WhichFile"))->text();
    }
    void vChoose(const char* _pSelector, int _s32Index);

    QString m_strFile;
    int m_s32Shown = 0; // one machine's orders of one season
    QStringList m_slMessages;
    QStringList m_slOffers;
};

void tst_ArchiveBrowser::initTestCase()
{
    TestSupport::vIsolate();
    Messages::vSetHook([this](QWidget*, const QString& _strText) { m_slMessages << _strText; });
    ReportOffer::vSetChooser([this](const QString& _strText) {
        m_slOffers << _strText.section(QLatin1Char('\n'), 1);
        return ReportOffer::Choice::Close;
    });
    Wiring::vConnectPages();
    // 3,000 orders of ten machines over ten campaigns in the default archive.
    QProcess sample;
    sample.start(QStringLiteral(VEMO_SAMPLEDATA_BINARY),
                 {QStringLiteral("--archive"), QStringLiteral("3000"), cArchiveStore::strDefaultPath()});
    QVERIFY(sample.waitForFinished(120000));
    QCOMPARE(sample.exitCode(), 0);
    m_strFile = TestSupport::strWriteFile(TestSupport::strHome() + QStringLiteral("/Kunden.csv"),
                                          "Nr;Name\n1;Hof Eins\n");
    cHaupt* pMain = cHaupt::instance();
    pMain->strOpenListFile(m_strFile);
    pMain->show();
}

void tst_ArchiveBrowser::vChoose(const char* _pSelector, int _s32Index)
{
    auto* pSelector = cHaupt::instance()->findChild<QComboBox*>(QLatin1String(_pSelector));
    QVERIFY(pSelector);
    pSelector->setCurrentIndex(_s32Index);
    emit pSelector->activated(_s32Index);
}

void tst_ArchiveBrowser::openFromTheChooser()
{
    cHaupt* pMain = cHaupt::instance();
    // The chooser's first entry opens the archive: every machine, every season.
    cTreeToDeleteFile* pChooser = cTreeToDeleteFile::instance();
    pChooser->vSetCaller(Navigation::Caller::Main);
    pChooser->findChild<QPushButton*>(QStringLiteral("pushButton_Archiv"))->click();
    QVERIFY2(m_slMessages.isEmpty(), qPrintable(m_slMessages.join(" | ")));
    QVERIFY(pMain->bArchiveShown());
    QCOMPARE(strHeader(), QStringLiteral("Archiv – Alle Maschinen – Alle Kampagnen"));
    QCOMPARE(view()->model(), model());
    // Read a page at a time, as far as the list shows.
    QVERIFY(model()->rowCount() >= cArchiveOrderModel::PAGE_ROWS && model()->rowCount() < 3000);
    QCOMPARE(model()->rowCount() % cArchiveOrderModel::PAGE_ROWS, 0);
    QVERIFY(model()->canFetchMore(QModelIndex()));
}

void tst_ArchiveBrowser::selectSearchAndSort()
{
    cHaupt* pMain = cHaupt::instance();
    // One machine, one season.
    vChoose("comboBox_Maschine", 3);
    vChoose("comboBox_Kampagne", 1);
    QCOMPARE(strHeader(), QStringLiteral("Archiv – VT4-10242 – 2014/15"));
    QVERIFY(model()->rowCount() > 10);
    for (int r = 0; r < model()->rowCount(); ++r) {
        QCOMPARE(model()->row(r).machine.strChassis, QStringLiteral("VT4-10242"));
        QCOMPARE(model()->row(r).strSeason, QStringLiteral("2014/15"));
    }
    m_s32Shown = model()->rowCount();
    const int s32Shown = m_s32Shown;

    // Search: a customer's name in other case finds that customer's orders.
    const QString strCustomer = RecordFields(model()->row(0).strLine).strClean(3);
    pMain->findChild<QLineEdit*>(QStringLiteral("lineEdit"))->setText(strCustomer.toUpper());
    QVERIFY(model()->rowCount() > 0 && model()->rowCount() < s32Shown);
    for (int r = 0; r < model()->rowCount(); ++r)
        QVERIFY(model()->index(r).data().toString().contains(strCustomer, Qt::CaseInsensitive));
    pMain->findChild<QLineEdit*>(QStringLiteral("lineEdit"))->clear();
    QCOMPARE(model()->rowCount(), s32Shown);

    // Sort by customer: the names in the interface language's order.
    pMain->findChild<QComboBox*>(QStringLiteral("comboBox"))->setCurrentIndex(1);
    QCollator collator;
    for (int r = 1; r < model()->rowCount(); ++r) {
        const RecordFields before(model()->row(r - 1).strLine);
        const RecordFields after(model()->row(r).strLine);
        QVERIFY(collator.compare(before.strClean(3) + " (" + before.strClean(2) + ")",
                                 after.strClean(3) + " (" + after.strClean(2) + ")") <= 0);
    }
}

void tst_ArchiveBrowser::tapAndStep()
{
    cHaupt* pMain = cHaupt::instance();
    // A tap opens the order pages with the averages of that machine's season.
    const QString strFirst = model()->row(0).strLine;
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, view()->visualRect(model()->index(0)).center());
    QTRY_VERIFY(cHauptUebersicht::instance()->isVisible());
    QCOMPARE(ShownList::state().strCurrentOrderLine, strFirst);
    QCOMPARE(ShownList::state().strAverageScope, QStringLiteral("VT4-10242 – 2014/15"));
    cOrderTotals season;
    QSqlDatabase db =
        cArchiveStore::sqliteConnection(cArchiveStore::strDefaultPath(), QStringLiteral("check"));
    QVERIFY(db.open());
    QSqlQuery lines(db);
    QVERIFY(
        lines.exec(QStringLiteral("SELECT x.line FROM archive_order_view v JOIN archive_versions x ON x.id = "
                                  "v.version_id WHERE v.chassis = 'VT4-10242' AND v.season = '2014/15'")));
    int s32SeasonOrders = 0;
    while (lines.next()) {
        const QByteArray ba = lines.value(0).toByteArray();
        season.vAddRecord(QString::fromUtf8(ba.constData(), ba.size()));
        ++s32SeasonOrders;
    }
    QCOMPARE(s32SeasonOrders, m_s32Shown);
    QCOMPARE(ShownList::state().orderTotals.s64AreaM2(), season.s64AreaM2());
    QVERIFY(cHauptUebersicht::instance()
                ->findChild<QLabel*>(QStringLiteral("label_Ansicht"))
                ->text()
                .contains(QStringLiteral("VT4-10242 – 2014/15")));
    // Stepping follows the shown list; before the first there is none.
    OrderPages::vStepOrder(cHauptUebersicht::instance(), -1);
    QCOMPARE(OrderPages::currentOrder().strRecord, strFirst);
    OrderPages::vStepOrder(cHauptUebersicht::instance(), 1);
    QCOMPARE(OrderPages::currentOrder().strRecord, model()->row(1).strLine);
    cHauptUebersicht::instance()->hide();
    pMain->show();

    // "Summe" sums the shown machine's season.
    pMain->findChild<QPushButton*>(QStringLiteral("pushButton_SaisonData"))->click();
    QCOMPARE(ShownList::state().orderTotals.s64AreaM2(), season.s64AreaM2());
    QTRY_VERIFY(cSaisonData::instance()->isVisible());
    cSaisonData::instance()->hide();
    pMain->show();
}

void tst_ArchiveBrowser::stepReadsOn()
{
    cHaupt* pMain = cHaupt::instance();
    // All machines and seasons by number: a step from the last row read reads on.
    pMain->findChild<QComboBox*>(QStringLiteral("comboBox"))->setCurrentIndex(0);
    vChoose("comboBox_Maschine", 0);
    vChoose("comboBox_Kampagne", 0);
    const int s32Last = model()->rowCount() - 1;
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QTRY_VERIFY(cHauptUebersicht::instance()->isVisible());
    OrderPages::vStepOrder(cHauptUebersicht::instance(), s32Last);
    QCOMPARE(OrderPages::currentOrder().strRecord, model()->row(s32Last).strLine);
    OrderPages::vStepOrder(cHauptUebersicht::instance(), 1);
    QVERIFY(model()->rowCount() > s32Last + 1);
    QCOMPARE(OrderPages::currentOrder().strRecord, model()->row(s32Last + 1).strLine);
    QVERIFY(!ShownList::state().strAverageScope.isEmpty());
    cHauptUebersicht::instance()->hide();
    pMain->show();
}

void tst_ArchiveBrowser::oneCustomer()
{
    cHaupt* pMain = cHaupt::instance();
    auto* pCustomers = pMain->findChild<QComboBox*>(QStringLiteral("comboBox_Kundenwahl"));
    QVERIFY(pCustomers->isVisible());
    // Every customer of the archive, by name in the interface language.
    QSqlDatabase db =
        cArchiveStore::sqliteConnection(cArchiveStore::strDefaultPath(), QStringLiteral("customers"));
    QVERIFY(db.open());
    QSqlQuery count(db);
    QVERIFY(
        count.exec(QStringLiteral("SELECT count(DISTINCT x.customer_number) FROM archive_order_view v JOIN "
                                  "archive_versions x ON x.id = v.version_id")) &&
        count.next());
    QCOMPARE(pCustomers->count(), count.value(0).toInt() + 1);
    QCOMPARE(pCustomers->itemText(0), QStringLiteral("Alle Kunden"));
    QCollator collator;
    for (int i = 2; i < pCustomers->count(); ++i)
        QVERIFY(collator.compare(pCustomers->itemText(i - 1).section(QStringLiteral(" ("), 0, -2),
                                 pCustomers->itemText(i).section(QStringLiteral(" ("), 0, -2)) <= 0);

    // The customer of the first order of one machine's season, over all
    // machines and seasons: its orders page by page, and no other's.
    vChoose("comboBox_Maschine", 3);
    vChoose("comboBox_Kampagne", 1);
    const QString strFirst = model()->row(0).strLine; // the fields refer to it
    const RecordFields first(strFirst);
    const QString strEntry = first.strClean(3) + QStringLiteral(" (") + first.strClean(2) + QLatin1Char(')');
    vChoose("comboBox_Maschine", 0);
    vChoose("comboBox_Kampagne", 0);
    const int s32Entry = pCustomers->findText(strEntry);
    QVERIFY(s32Entry > 0);
    pCustomers->setCurrentIndex(s32Entry);
    QCOMPARE(strHeader(), QStringLiteral("Archiv – Alle Maschinen – Alle Kampagnen – Kunde: ") + strEntry);
    while (model()->canFetchMore(QModelIndex()))
        model()->fetchMore(QModelIndex());
    QSqlQuery orders(db);
    QVERIFY(orders.exec(QStringLiteral("SELECT count(*) FROM archive_order_view v JOIN archive_versions x ON "
                                       "x.id = v.version_id WHERE x.customer_number = '%1'")
                            .arg(first.strClean(2))) &&
            orders.next());
    const int s32Orders = orders.value(0).toInt();
    QCOMPARE(model()->rowCount(), s32Orders);
    for (int r = 0; r < model()->rowCount(); ++r)
        QCOMPARE(RecordFields(model()->row(r).strLine).strClean(2), first.strClean(2));

    // The order pages step through that customer's orders only.
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, view()->visualRect(model()->index(0)).center());
    QTRY_VERIFY(cHauptUebersicht::instance()->isVisible());
    OrderPages::vStepOrder(cHauptUebersicht::instance(), 1);
    QCOMPARE(RecordFields(OrderPages::currentOrder().strRecord).strClean(2), first.strClean(2));
    cHauptUebersicht::instance()->hide();
    pMain->show();

    // The CSV export holds them: header, one line per order, the sum.
    m_slOffers.clear();
    pMain->vExportOrdersCsv();
    QVERIFY2(m_slMessages.isEmpty(), qPrintable(m_slMessages.join(" | ")));
    QCOMPARE(m_slOffers.size(), 1);
    QCOMPARE(TestSupport::baReadFile(m_slOffers.at(0)).count("\r\n"), s32Orders + 2);
    // So does the bill basis: one customer, a line per order.
    m_slOffers.clear();
    pMain->vExportBillCsv();
    QVERIFY2(m_slMessages.isEmpty(), qPrintable(m_slMessages.join(" | ")));
    QCOMPARE(m_slOffers.size(), 1);
    const QString strBill = QString::fromUtf8(TestSupport::baReadFile(m_slOffers.at(0)));
    QCOMPARE(strBill.count(QStringLiteral("\r\nAuftrag;")), s32Orders);
    QCOMPARE(strBill.count(QStringLiteral("\r\nSumme;")), 1);

    // Another machine and season keep the customer while it has orders there.
    vChoose("comboBox_Maschine", 3);
    vChoose("comboBox_Kampagne", 1);
    QCOMPARE(pCustomers->currentText(), strEntry);
    QVERIFY(model()->rowCount() > 0 && model()->rowCount() < m_s32Shown);
    pCustomers->setCurrentIndex(0);
    QCOMPARE(model()->rowCount(), m_s32Shown);
    QCOMPARE(strHeader(), QStringLiteral("Archiv – VT4-10242 – 2014/15"));
}

void tst_ArchiveBrowser::exportAndBack()
{
    cHaupt* pMain = cHaupt::instance();
    // The exports hold the shown orders: one machine's season.
    vChoose("comboBox_Maschine", 3);
    vChoose("comboBox_Kampagne", 1);
    m_slOffers.clear();
    pMain->vExportOrdersCsv();
    pMain->vExportOrdersIsoXml();
    QVERIFY2(m_slMessages.isEmpty(), qPrintable(m_slMessages.join(" | ")));
    QCOMPARE(m_slOffers.size(), 2);
    const QByteArray baCsv = TestSupport::baReadFile(m_slOffers.at(0));
    // Header, one line per order, the sum.
    QCOMPARE(baCsv.count("\r\n"), m_s32Shown + 2);
    const QByteArray baXml =
        TestSupport::baReadFile(m_slOffers.at(1) + QStringLiteral("/TASKDATA/TASKDATA.XML"));
    QCOMPARE(baXml.count("<DVC "), 1);
    QVERIFY(baXml.contains("VT4-10242"));

    // Back to the file shown before.
    pMain->findChild<QPushButton*>(QStringLiteral("pushButton_ZurDatei"))->click();
    QVERIFY(!pMain->bArchiveShown());
    QCOMPARE(pMain->strPfad(), m_strFile);
    QCOMPARE(strHeader(), QStringLiteral("Kunden.csv"));
}

// Customers of the archive: each machine's latest lines, no editing.
void tst_ArchiveBrowser::customersAreReadOnlyLatestLines()
{
    cHaupt* pMain = cHaupt::instance();
    pMain->vShowArchive();
    QVERIFY(pMain->bArchiveShown());
    vChoose("comboBox_ArchivArt", 1);
    vChoose("comboBox_Maschine", 1);
    QCOMPARE(pMain->kind(), ListKind::Customers);
    QVERIFY(pMain->slLines().size() > 2);
    QVERIFY(strHeader().startsWith(QStringLiteral("Archiv – Kunden – VT4-10240")));
    QVERIFY(!pMain->findChild<QComboBox*>(QStringLiteral("comboBox_Kampagne"))->isVisible());
    vChoose("comboBox_ArchivArt", 3);
    QCOMPARE(pMain->kind(), ListKind::Drivers);
    QVERIFY(view()->isColumnHidden(1));
    pMain->vAddDriver(QStringLiteral("99;Neu;Fahrer"));
    QVERIFY(!pMain->slLines().contains(QStringLiteral("99;Neu;Fahrer")));
    pMain->findChild<QPushButton*>(QStringLiteral("pushButton_ZurDatei"))->click();
    QVERIFY(!view()->isColumnHidden(1) || pMain->kind() != ListKind::Drivers);
}

QTEST_MAIN(tst_ArchiveBrowser)
#include "tst_archivebrowser.moc"

#include "app/datefield.h"
#include "app/messages.h"
#include "app/pageframe.h"
#include "app/reportoffer.h"
#include "app/settingsstore.h"
#include "app/wiring.h"
#include "data/filewriter.h"
#include "mainwindow/ceditdialog.h"
#include "mainwindow/chaupt.h"
#include "mainwindow/csortfiltermodel.h"
#include "mainwindow/listcolumns.h"
#include "settings/ceinstellungen.h"
#include "statistics/csaisondata.h"
#include "testsupport.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QDesktopServices>
#include <QFileDialog>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QTreeView>
#include <QtTest>

// The list browser with list files written by the test: what each list
// shows, what a tap hands on, and the line edits of the drivers list with the
// file on disk.
class tst_MainWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void openLists_data();
    void openLists();
    void reopenedListsKeepOneSelectionModel();
    void orderDatesSetTheFilterRange();
    void fileLineStaysWithTheArrow_data();
    void fileLineStaysWithTheArrow();
    void typedDatesSetTheFilter_data();
    void typedDatesSetTheFilter();
    void calendarForAFingerInTheInterfaceLanguage_data();
    void calendarForAFingerInTheInterfaceLanguage();
    void searchShowsTheEntriesThatContainIt_data();
    void searchShowsTheEntriesThatContainIt();
    void tapOrderHandsItsLine_data();
    void tapOrderHandsItsLine();
    void sortSelectorRebuildsEntries();
    void sortSelectorNamesTheOrder_data();
    void sortSelectorNamesTheOrder();
    void sortedStepsStartAtTheShownOrder();
    void customerSelectorChoosesByNumber_data();
    void customerSelectorChoosesByNumber();
    void customerSelectorFollowsTheFile();
    void deleteDriversOnLines3Then5();
    void addAndReplaceDriverWriteTheFile();
    void failingWriteKeepsOldFile();
    void editsStayWithTheirFile();
    void tapCustomerDialsCleanNumber_data();
    void tapCustomerDialsCleanNumber();
    void fileHandOver();
    void settingsButtonPicksFileWithoutNavigator();
    void terminalActions();

private:
    // The list as shown (the view has no model while no list is open).
    QAbstractItemModel* list() const
    {
        QAbstractItemModel* pModel = m_pHaupt->findChild<QTreeView*>("treeView")->model();
        return pModel ? pModel : &m_emptyModel;
    }
    QString strEntry(int _s32Row) const { return list()->index(_s32Row, 0).data().toString(); }
    int s32RowOfLine(int _s32Line) const;
    QString strOpen(const QString& _strName, const QByteArray& _baContent);

    cHaupt* m_pHaupt = nullptr;
    QStringList m_slMessages;
    mutable QStandardItemModel m_emptyModel;
    QList<QByteArray> m_lSent;
};

// Takes the URLs the desktop services would open.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> lUrls;
public slots:
    void vOpen(const QUrl& _url) { lUrls << _url; }
};

namespace
{

QString strOrderLine(int _s32Number, const QString& _strCustomer, const QString& _strStart,
                     const QString& _strCustomerNumber = "4711")
{
    QStringList slFields;
    for (int i = 0; i < 44; ++i)
        slFields << QString();
    slFields[0] = QString::number(_s32Number);
    slFields[2] = _strCustomerNumber;
    slFields[3] = _strCustomer;
    slFields[4] = "7";
    slFields[5] = "Acker";
    slFields[7] = "Hans";
    slFields[8] = _strStart;
    slFields[9] = "01.10.2023 11:45";
    slFields[10] = "35000";
    slFields[11] = "3:15";
    slFields[29] = "45";
    return slFields.join(';');
}

// Orders 1 to 9 on lines 1 to 9 (customers named backwards), order 99 on
// line 10, a record without start on line 11, a final line break.
QStringList slOrderLines()
{
    QStringList sl{"Auftrag;Feld;Kundennummer"};
    for (int i = 1; i <= 9; ++i)
        sl << strOrderLine(i, QString("Kunde") + QChar('J' - i), QString("%1.10.2023 08:30").arg(i + 10));
    sl << strOrderLine(99, "KundeZ", "05.09.2023 07:00");
    sl << "12;;4711;Ohne Start";
    sl << "";
    return sl;
}

QStringList slDriverLines()
{
    QStringList sl{"Fahrer;Name"};
    for (int i = 1; i <= 6; ++i)
        sl << QString("%1;Vorname%1;Nachname%1;Weg %1;1234%1;Ort%1;;0170%1;f%1@hof.de;;;;;;").arg(i);
    sl << "";
    return sl;
}

QByteArray baOf(const QStringList& _slLines)
{
    return _slLines.join('\n').toLatin1();
}

// Two customers named Müller, told apart by number, and two others; the
// number of the second Müller padded as the terminal pads.
QByteArray baTwoMuellers()
{
    QStringList sl{"Auftrag;Feld;Kundennummer"};
    sl << strOrderLine(1, "Müller", "01.10.2023 08:00", "4711")
       << strOrderLine(2, "Müller", "02.10.2023 08:00", QString("4712") + QChar(0))
       << strOrderLine(3, "Zorn", "03.10.2023 08:00", "9")
       << strOrderLine(4, "Müller", "04.10.2023 08:00", "4711")
       << strOrderLine(5, "Adler", "05.10.2023 08:00", "12")
       << strOrderLine(6, "Müller", "06.10.2023 08:00", "4712") << "";
    return sl.join('\n').toUtf8().prepend("\xEF\xBB\xBF");
}

} // namespace

void tst_MainWindow::initTestCase()
{
    TestSupport::vIsolate();
    // The pages hand the screen and the list to each other as in the application.
    Wiring::vConnectPages();
    // The main window without navigation targets: its own fallbacks.
    Navigation::vSetOpener({});
    Messages::vSetHook([this](QWidget*, const QString& _strText) { m_slMessages << _strText; });
    m_pHaupt = cHaupt::instance();
    // Ends the start screen at once; with no stored file nothing opens.
    QVERIFY(QMetaObject::invokeMethod(m_pHaupt, "vHideAndShow"));
    QCOMPARE(m_pHaupt->slLines().size(), 0);
}

void tst_MainWindow::init()
{
    m_slMessages.clear();
    m_pHaupt->findChild<QComboBox*>("comboBox")->setCurrentIndex(0);
}

QString tst_MainWindow::strOpen(const QString& _strName, const QByteArray& _baContent)
{
    const QString strPath = TestSupport::strHome() + "/listen/" + _strName;
    QFile::remove(strPath);
    if (!_baContent.isNull())
        TestSupport::strWriteFile(strPath, _baContent);
    m_pHaupt->strOpenListFile(strPath);
    return strPath;
}

int tst_MainWindow::s32RowOfLine(int _s32Line) const
{
    for (int r = 0; r < list()->rowCount(); ++r) {
        if (list()->index(r, 5).data().toInt() == _s32Line)
            return r;
    }
    return -1;
}

void tst_MainWindow::openLists_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("firstEntry");

    QTest::newRow("orders") << "Auftraege_2023.csv" << baOf(slOrderLines()) << int(ListKind::Orders) << 10
                            << "Auftrags Nummer: 1\nKunde: KundeI (4711) \nSchlag: Acker (7)\nFahrer: Hans\n"
                               "Start: 11.10.2023 08:30\nStopp: 01.10.2023 11:45\nReihenabstand: 45";
    QTest::newRow("customers")
        << "Kunden.csv"
        << QByteArray("Nr;Name\n20;Zorn;Otto;Hof 2;54321;Feld;;0999\n;ohne Nummer\n"
                      "3;Apfel;Anna;Weg 1;12345;Dorf;x;0123\n")
        << int(ListKind::Customers) << 2
        << "Kunden Nummer: 3\nKunden Name: Apfel Anna\nStrasse: Weg 1\nPLZ/Ort: 12345 Dorf\nTelefon: 0123";
    QTest::newRow("fields")
        << "Schlaege.csv" << QByteArray("Nr;Kunde\n12;Zorn;Weide;3,5 ha;2 km\n4;Apfel;Acker;1 ha;9 km")
        << int(ListKind::Fields) << 2
        << "Kunden Nummer: 4\nKunde: Apfel\nSchlag: Acker\nFläche: 1 ha\nEntfernung: 9 km";
    QTest::newRow("drivers") << "Fahrer.csv" << baOf(slDriverLines()) << int(ListKind::Drivers) << 6
                             << "Fahrer Nummer: 1\nFahrer Name: Vorname1 Nachname1\nStrasse: Weg 1\n"
                                "PLZ/Ort: 12341 Ort1\nTelefon: 01701\neMail: f1@hof.de";
    QTest::newRow("unreadable") << "Fahrer_fehlt.csv" << QByteArray() << int(ListKind::None) << 0 << "";
}

void tst_MainWindow::openLists()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(int, kind);
    QFETCH(int, rows);
    QFETCH(QString, firstEntry);

    const QString strPath = strOpen(name, content);
    QCOMPARE(int(m_pHaupt->kind()), kind);
    QCOMPARE(list()->rowCount(), rows);
    QCOMPARE(strEntry(0), firstEntry);
    if (content.isNull())
        return;
    QCOMPARE(m_pHaupt->strPfad(), strPath);
    QCOMPARE(m_pHaupt->strWhichTypeOfList(), name);
    QCOMPARE(m_pHaupt->slLines().join('\n').toLatin1(), content);
}

// Every download opens its list afresh: however many lists were opened, the
// view and its header share one selection model, and no other is left over.
void tst_MainWindow::reopenedListsKeepOneSelectionModel()
{
    auto* pView = m_pHaupt->findChild<QTreeView*>("treeView");
    for (int i = 0; i < 5; ++i) {
        strOpen("Auftraege_2023.csv", baOf(slOrderLines()));
        strOpen("Fahrer.csv", baOf(slDriverLines()));
    }
    QCOMPARE(pView->findChildren<QItemSelectionModel*>().size(), 1);
    QCOMPARE(pView->header()->selectionModel(), pView->selectionModel());
}

void tst_MainWindow::orderDatesSetTheFilterRange()
{
    strOpen("Auftraege_2023.csv", baOf(slOrderLines()));
    auto* pVon = m_pHaupt->findChild<QDateEdit*>("dateEdit_von");
    auto* pBis = m_pHaupt->findChild<QDateEdit*>("dateEdit_bis");
    // The range is the file's own, whatever year it is from.
    QCOMPARE(pVon->date(), QDate(2023, 9, 5));
    QCOMPARE(pBis->date(), QDate(2023, 10, 19));
    QCOMPARE(pVon->minimumDate(), QDate(2023, 9, 5));
    QCOMPARE(pBis->maximumDate(), QDate(2023, 10, 19));

    // Bounds are inclusive; narrowing hides the orders outside.
    pBis->setDate(QDate(2023, 10, 12));
    QCOMPARE(list()->rowCount(), 3); // order 99 (5 Sep), orders 1 and 2
    QCOMPARE(pVon->maximumDate(), QDate(2023, 10, 12));
    pVon->setDate(QDate(2023, 10, 12));
    QCOMPARE(list()->rowCount(), 1);
    QVERIFY(strEntry(0).startsWith("Auftrags Nummer: 2\n"));
}

void tst_MainWindow::fileLineStaysWithTheArrow_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("orders") << "Auftraege_2023.csv" << baOf(slOrderLines());
    QTest::newRow("drivers") << "Fahrer.csv" << baOf(slDriverLines());
    QTest::newRow("file of no list") << "Notizen.csv" << QByteArray("a;b\n1;2\n");
}

void tst_MainWindow::fileLineStaysWithTheArrow()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    strOpen(name, content);
    m_pHaupt->show();
    auto* pArrow = m_pHaupt->findChild<QPushButton*>("pushButton_Hide_Show");
    auto* pFile = m_pHaupt->findChild<QLabel*>("label_WhichFile");
    QVERIFY(pArrow->isVisible());
    QVERIFY(pFile->isVisible());
    QCOMPARE(pFile->text(), name);
    // Collapsed and expanded again, twice over.
    for (int i = 0; i < 4; ++i) {
        QTest::mouseClick(pArrow, Qt::LeftButton);
        QVERIFY2(pFile->isVisible(), qPrintable(QStringLiteral("after %1 taps").arg(i + 1)));
        QVERIFY(m_pHaupt->findChild<QLabel*>("label_WhichFileTitel")->isVisible());
    }
}

void tst_MainWindow::typedDatesSetTheFilter_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("rows");
    QTest::newRow("from, whole date") << "dateEdit_von"
                                      << "12.10.2023" << QDate(2023, 10, 12) << 8;
    QTest::newRow("until, whole date") << "dateEdit_bis"
                                       << "12.10.2023" << QDate(2023, 10, 12) << 3;
    QTest::newRow("from, day only") << "dateEdit_von"
                                    << "12" << QDate(2023, 9, 12) << 9;
}

void tst_MainWindow::typedDatesSetTheFilter()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QDate, date);
    QFETCH(int, rows);
    strOpen("Auftraege_2023.csv", baOf(slOrderLines()));
    m_pHaupt->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_pHaupt));
    auto* pDate = m_pHaupt->findChild<QDateEdit*>(field);
    QVERIFY(pDate->isVisible());
    // A tap into the day part, then the digits as a keyboard or the
    // on-screen keyboard types them.
    auto* pLine = pDate->findChild<QLineEdit*>();
    QTest::mouseClick(pLine, Qt::LeftButton, Qt::NoModifier, QPoint(4, pLine->height() / 2));
    QTest::qWait(0);
    QTest::keyClicks(pDate, typed);
    QTest::keyClick(pDate, Qt::Key_Enter);
    QCOMPARE(pDate->date(), date);
    QCOMPARE(list()->rowCount(), rows);
}

void tst_MainWindow::calendarForAFingerInTheInterfaceLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("German") << "Deutsch";
    QTest::newRow("English") << "Englisch";
    QTest::newRow("French") << "Franzoesisch";
}

void tst_MainWindow::calendarForAFingerInTheInterfaceLanguage()
{
    QFETCH(QString, language);
    SettingsStore::LANGUAGE.vSet(language);
    strOpen("Auftraege_2023.csv", baOf(slOrderLines()));
    m_pHaupt->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_pHaupt));
    auto* pDate = m_pHaupt->findChild<QDateEdit*>("dateEdit_bis");
    // The pop-up opens from the arrow at the field's right end.
    QTest::mouseClick(pDate, Qt::LeftButton, Qt::NoModifier, QPoint(pDate->width() - 3, pDate->height() / 2));
    QCalendarWidget* pCalendar = pDate->calendarWidget();
    QWidget* pPopup = pCalendar->window();
    QTRY_VERIFY(pPopup->isVisible());
    const QLocale locale = SettingsStore::interfaceLocale();
    auto* pDays = pCalendar->findChild<QTableView*>();
    QVERIFY(pDays);
    QCOMPARE(pDays->model()->index(0, 0).data().toString(),
             locale.dayName(locale.firstDayOfWeek(), QLocale::ShortFormat));
    QCOMPARE(pCalendar->locale(), locale);
    // Seven days and eight rows (month bar, day names, six weeks) of cells
    // as large as the pages' icons.
    const int s32Cell = DateField::s32CellSize(PageFrame::s32ScreenUnit());
    QVERIFY2(pPopup->width() >= 7 * s32Cell && pPopup->height() >= 8 * s32Cell,
             qPrintable(QStringLiteral("%1 x %2").arg(pPopup->width()).arg(pPopup->height())));
    pPopup->close();
    SettingsStore::LANGUAGE.vSet(QString());
}

void tst_MainWindow::searchShowsTheEntriesThatContainIt_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("typed");
    for (int s32Mode : {0, 1}) {
        const QByteArray baMode = s32Mode == 0 ? "by number: " : "by customer: ";
        for (const char* pTyped : {"m", "MÜ", "straße", "kunde: m", "hans\nstart", "0 (4711)", "m*r", "?ü",
                                   "[", "eingestellt", "ΣΑΣ", ""})
            QTest::newRow(baMode + QByteArray(pTyped).replace('\n', "\\n"))
                << s32Mode << QString::fromUtf8(pTyped);
    }
}

void tst_MainWindow::searchShowsTheEntriesThatContainIt()
{
    // The search reads keys made once per list; what it shows must be what
    // the entries as shown contain, in the list's order, in either sort.
    QFETCH(int, mode);
    QFETCH(QString, typed);
    QStringList slLines = slOrderLines();
    slLines.insert(3, strOrderLine(31, QString::fromUtf8("Müller"), "12.10.2023 08:00"));
    slLines.insert(4, strOrderLine(32, QString::fromUtf8("MÜLLER Straße"), "13.10.2023 08:00"));
    slLines.insert(5, strOrderLine(33, QString::fromUtf8("Σας"), "14.10.2023 08:00"));
    QString strPadded = strOrderLine(34, QString("Mo") + QChar(0) + "ser", "15.10.2023 08:00");
    slLines.insert(6, strPadded);
    QByteArray baFile = QByteArray("\xEF\xBB\xBF") + slLines.join('\n').toUtf8();
    strOpen("Auftraege_Suche.csv", baFile);
    m_pHaupt->findChild<QComboBox*>("comboBox")->setCurrentIndex(mode);
    auto* pSearch = m_pHaupt->findChild<QLineEdit*>("lineEdit");
    pSearch->clear();
    QStringList slAll;
    for (int r = 0; r < list()->rowCount(); ++r)
        slAll << strEntry(r);
    QVERIFY(slAll.size() >= 12);

    const SortFilter::SearchMatcher matcher(SortFilter::searchPattern(typed));
    QStringList slExpected;
    for (const QString& strText : qAsConst(slAll)) {
        if (matcher.bMatches(strText))
            slExpected << strText;
    }
    pSearch->setText(typed);
    QStringList slShown;
    for (int r = 0; r < list()->rowCount(); ++r)
        slShown << strEntry(r);
    QCOMPARE(slShown, slExpected);
    pSearch->clear();
}

void tst_MainWindow::tapOrderHandsItsLine_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("hasLine");
    QTest::newRow("order 7") << 7 << true;
    QTest::newRow("order 99: no line of the file") << 99 << false;
}

void tst_MainWindow::tapOrderHandsItsLine()
{
    QFETCH(int, number);
    QFETCH(bool, hasLine);
    strOpen("Auftraege_2023.csv", baOf(slOrderLines()));
    // An order opened before must not show through.
    m_pHaupt->show();
    int s32Row = -1;
    for (int r = 0; r < list()->rowCount(); ++r) {
        if (strEntry(r).startsWith(QString("Auftrags Nummer: %1\n").arg(number)))
            s32Row = r;
    }
    QVERIFY(s32Row >= 0);

    QSignalSpy spy(m_pHaupt, &cHaupt::vSendTextToDialog);
    QVERIFY(QMetaObject::invokeMethod(m_pHaupt, "on_treeView_clicked",
                                      Q_ARG(QModelIndex, list()->index(s32Row, 0))));
    QCOMPARE(spy.count(), 1);
    const QString strExpected = hasLine ? slOrderLines().at(number) : QString();
    QCOMPARE(spy.at(0).at(0).toString(), strExpected);
    QCOMPARE(spy.at(0).at(1).toInt(), hasLine ? number : 0);
    QCOMPARE(spy.at(0).at(2).toInt(), 0);
    QCOMPARE(m_pHaupt->strCurrentOrderLine(), strExpected);
    QVERIFY(m_pHaupt->isHidden());
    m_pHaupt->show();
}

void tst_MainWindow::sortSelectorRebuildsEntries()
{
    strOpen("Auftraege_2023.csv", baOf(slOrderLines()));
    QVERIFY(strEntry(0).startsWith("Auftrags Nummer: 1\n"));

    // Sorted by customer: the entries start with the customer, KundeA is order 9.
    m_pHaupt->findChild<QComboBox*>("comboBox")->setCurrentIndex(1);
    QCOMPARE(list()->rowCount(), 10);
    QCOMPARE(strEntry(0).section('\n', 0, 0), QString("Kunde: KundeA (4711) "));
    QCOMPARE(strEntry(0).section('\n', 2, 2), QString("Auftrags Nummer: 9"));
    QCOMPARE(strEntry(9).section('\n', 0, 0), QString("Kunde: KundeZ (4711) "));
    QCOMPARE(m_pHaupt->slSortedOrderLines().value(0), slOrderLines().at(9));

    // A tap hands the row; the sorted lines hold the record at that row.
    QSignalSpy spy(m_pHaupt, &cHaupt::vSendTextToDialog);
    QVERIFY(
        QMetaObject::invokeMethod(m_pHaupt, "on_treeView_clicked", Q_ARG(QModelIndex, list()->index(1, 0))));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(1).toInt(), 1);
    QCOMPARE(spy.at(0).at(2).toInt(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), m_pHaupt->slSortedOrderLines().at(1));
    QCOMPARE(spy.at(0).at(0).toString(), slOrderLines().at(8));
    m_pHaupt->show();

    m_pHaupt->findChild<QComboBox*>("comboBox")->setCurrentIndex(0);
    QVERIFY(strEntry(0).startsWith("Auftrags Nummer: 1\n"));
}

void tst_MainWindow::sortSelectorNamesTheOrder_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("selector");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("firstEntryStart");
    const QByteArray baCustomers("Nr;Name\n1;Zorn;Otto\n2;Apfel;Anna\n");
    QTest::newRow("orders, opened") << "Auftraege.csv" << baOf(slOrderLines()) << "comboBox" << 0
                                    << "Auftrags Nummer"
                                    << "Auftrags Nummer: 1\n";
    QTest::newRow("orders by customer")
        << "Auftraege.csv" << baOf(slOrderLines()) << "comboBox" << 1 << "Kunden Name"
        << "Kunde: KundeA";
    QTest::newRow("customers, opened")
        << "Kunden.csv" << baCustomers << "comboBox_Kunden" << 0 << "Kunden Nummer"
        << "Kunden Nummer: 1\nKunden Name: Zorn";
    QTest::newRow("customers by name")
        << "Kunden.csv" << baCustomers << "comboBox_Kunden" << 1 << "Kunden Name"
        << "Kunden Name: Apfel";
}

void tst_MainWindow::sortSelectorNamesTheOrder()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, selector);
    QFETCH(int, index);
    QFETCH(QString, shown);
    QFETCH(QString, firstEntryStart);
    auto* pSelector = m_pHaupt->findChild<QComboBox*>(selector);
    pSelector->setCurrentIndex(0);
    strOpen(name, content);
    pSelector->setCurrentIndex(index);
    QCOMPARE(pSelector->currentText(), shown);
    QVERIFY2(strEntry(0).startsWith(firstEntryStart), qPrintable(strEntry(0)));
    pSelector->setCurrentIndex(0);
}

void tst_MainWindow::sortedStepsStartAtTheShownOrder()
{
    // Order numbers that are not their line numbers: line i holds order 10 - i.
    QStringList slLines{"Auftrag;Feld;Kundennummer"};
    for (int i = 1; i <= 9; ++i)
        slLines << strOrderLine(10 - i, QString("Kunde") + QChar('A' + (i * 4) % 9), "11.10.2023 08:30");
    slLines << "";
    strOpen("Auftraege.csv", baOf(slLines));
    m_pHaupt->findChild<QComboBox*>("comboBox")->setCurrentIndex(1);
    for (int r = 0; r < list()->rowCount(); ++r) {
        QSignalSpy spy(m_pHaupt, &cHaupt::vSendTextToDialog);
        QVERIFY(QMetaObject::invokeMethod(m_pHaupt, "on_treeView_clicked",
                                          Q_ARG(QModelIndex, list()->index(r, 0))));
        QCOMPARE(spy.count(), 1);
        // The sorted lines at the handed place hold the order handed over.
        const int s32Current = spy.at(0).at(1).toInt();
        QCOMPARE(m_pHaupt->slSortedOrderLines().value(s32Current), spy.at(0).at(0).toString());
        m_pHaupt->show();
    }
    m_pHaupt->findChild<QComboBox*>("comboBox")->setCurrentIndex(0);
}

void tst_MainWindow::customerSelectorChoosesByNumber_data()
{
    QTest::addColumn<int>("choice"); // entry of the selector
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QStringList>("shown"); // order numbers
    const QDate first(2023, 10, 1);
    QTest::newRow("all customers") << 0 << "" << first << QStringList{"1", "2", "3", "4", "5", "6"};
    QTest::newRow("first Müller") << 2 << "" << first << QStringList{"1", "4"};
    QTest::newRow("second Müller, padded") << 3 << "" << first << QStringList{"2", "6"};
    QTest::newRow("name searched, one Müller") << 2 << "müller" << first << QStringList{"1", "4"};
    QTest::newRow("search and dates") << 3 << "acker" << QDate(2023, 10, 3) << QStringList{"6"};
    QTest::newRow("another's name searched") << 2 << "zorn" << first << QStringList{};
}

void tst_MainWindow::customerSelectorChoosesByNumber()
{
    // The selector offers the file's customers by name, then number; one
    // chosen shows its orders only, with the search and the dates, in the
    // file line, in either sort, and in the CSV export.
    QFETCH(int, choice);
    QFETCH(QString, typed);
    QFETCH(QDate, from);
    QFETCH(QStringList, shown);
    strOpen("Auftraege_Kunden.csv", baTwoMuellers());
    auto* pCustomers = m_pHaupt->findChild<QComboBox*>("comboBox_Kundenwahl");
    QVERIFY(pCustomers);
    QStringList slEntries;
    for (int i = 0; i < pCustomers->count(); ++i)
        slEntries << pCustomers->itemText(i);
    QCOMPARE(slEntries,
             QStringList({"Alle Kunden", "Adler (12)", "Müller (4711)", "Müller (4712)", "Zorn (9)"}));

    pCustomers->setCurrentIndex(choice);
    const QString strFileLine = m_pHaupt->findChild<QLabel*>("label_WhichFile")->text();
    QCOMPARE(strFileLine, choice == 0 ? QString("Auftraege_Kunden.csv")
                                      : "Auftraege_Kunden.csv – Kunde: " + slEntries.at(choice));
    for (int s32Sort : {0, 1}) {
        // A new sort empties the search and widens the dates; the customer stays chosen.
        m_pHaupt->findChild<QComboBox*>("comboBox")->setCurrentIndex(s32Sort);
        QCOMPARE(pCustomers->currentIndex(), choice);
        m_pHaupt->findChild<QLineEdit*>("lineEdit")->setText(typed);
        m_pHaupt->findChild<QDateEdit*>("dateEdit_von")->setDate(from);
        QStringList slShown;
        for (int r = 0; r < list()->rowCount(); ++r)
            slShown << QString::number(list()->index(r, 0).data(ListColumns::ORDER_NUMBER_ROLE).toInt());
        slShown.sort();
        QCOMPARE(slShown, shown);
    }

    QStringList slOffers;
    ReportOffer::vSetChooser([&slOffers](const QString& _strText) {
        slOffers << _strText.section(QLatin1Char('\n'), 1);
        return ReportOffer::Choice::Close;
    });
    m_pHaupt->vExportOrdersCsv();
    ReportOffer::vSetChooser({});
    if (shown.isEmpty()) {
        QCOMPARE(m_slMessages, QStringList{"Die Liste zeigt keine Aufträge."});
    } else {
        QCOMPARE(slOffers.size(), 1);
        const QList<QByteArray> lRows = TestSupport::baReadFile(slOffers.at(0)).split('\n');
        // Header, the orders, the sum; each order's number first.
        QCOMPARE(lRows.size() - 3, shown.size());
        for (int i = 1; i <= shown.size(); ++i)
            QVERIFY2(shown.contains(QString::fromUtf8(lRows.at(i).split(';').first())),
                     lRows.at(i).constData());
    }
    m_pHaupt->findChild<QLineEdit*>("lineEdit")->clear();
}

void tst_MainWindow::customerSelectorFollowsTheFile()
{
    // Another file: the customer chosen stays while the file has orders of
    // it, otherwise every customer's orders are shown; other lists have none.
    auto* pCustomers = m_pHaupt->findChild<QComboBox*>("comboBox_Kundenwahl");
    auto* pFileLine = m_pHaupt->findChild<QLabel*>("label_WhichFile");
    strOpen("Auftraege_Kunden.csv", baTwoMuellers());
    pCustomers->setCurrentIndex(2);
    QCOMPARE(list()->rowCount(), 2);
    // Every order of this file has the number 4711: the name of its first.
    strOpen("Auftraege_2023.csv", baOf(slOrderLines()));
    QCOMPARE(pCustomers->count(), 2);
    QCOMPARE(pCustomers->currentText(), QString("KundeI (4711)"));
    QVERIFY(pCustomers->isVisible());
    QCOMPARE(pFileLine->text(), QString("Auftraege_2023.csv – Kunde: KundeI (4711)"));
    QCOMPARE(list()->rowCount(), 10);
    strOpen("Auftraege_Kunden.csv", baTwoMuellers());
    QCOMPARE(pCustomers->currentText(), QString("Müller (4711)"));
    QCOMPARE(list()->rowCount(), 2);
    pCustomers->setCurrentIndex(1); // Adler, who has no orders in the other file
    strOpen("Auftraege_2023.csv", baOf(slOrderLines()));
    QCOMPARE(pCustomers->currentIndex(), 0);
    QCOMPARE(list()->rowCount(), 10);
    QCOMPARE(pFileLine->text(), QString("Auftraege_2023.csv"));
    pCustomers->setCurrentIndex(1);
    strOpen("Fahrer.csv", baOf(slDriverLines()));
    QVERIFY(!pCustomers->isVisible());
    QCOMPARE(pFileLine->text(), QString("Fahrer.csv"));
    strOpen("Auftraege_Kunden.csv", baTwoMuellers());
    QCOMPARE(pCustomers->currentIndex(), 0);
}

void tst_MainWindow::deleteDriversOnLines3Then5()
{
    const QString strPath = strOpen("Fahrer.csv", baOf(slDriverLines()));
    m_pHaupt->vDeleteEntry(3, s32RowOfLine(3));
    m_pHaupt->vDeleteEntry(5, s32RowOfLine(5));

    QStringList slExpected = slDriverLines();
    slExpected.removeAt(5);
    slExpected.removeAt(3);
    QCOMPARE(m_pHaupt->slLines(), slExpected);
    QCOMPARE(TestSupport::baReadFile(strPath), baOf(slExpected));
    QCOMPARE(list()->rowCount(), 4);
    for (int r = 0; r < list()->rowCount(); ++r)
        QVERIFY(!strEntry(r).startsWith("Fahrer Nummer: 3\n") &&
                !strEntry(r).startsWith("Fahrer Nummer: 5\n"));
    QVERIFY(m_slMessages.isEmpty());
}

void tst_MainWindow::addAndReplaceDriverWriteTheFile()
{
    const QString strPath = strOpen("Fahrer.csv", baOf(slDriverLines()));
    const QString strNew = "7;Neu;Fahrer;;;;;;;;;;;;";
    m_pHaupt->vAddDriver(strNew);
    QStringList slExpected = slDriverLines();
    slExpected.insert(7, strNew); // before the empty element of the final line break
    QCOMPARE(TestSupport::baReadFile(strPath), baOf(slExpected));
    QCOMPARE(list()->rowCount(), 7);

    const QString strChanged = "2;Jörg;Geändert;Weg 2;12342;Ort2;;01702;f2@hof.de;;;;;;";
    m_pHaupt->vReplaceEntry(strChanged, 2);
    slExpected[2] = strChanged;
    QCOMPARE(m_pHaupt->slLines(), slExpected);
    QCOMPARE(TestSupport::baReadFile(strPath), baOf(slExpected));
    QCOMPARE(strEntry(1).section('\n', 1, 1), QString("Fahrer Name: Jörg Geändert"));
    QVERIFY(m_slMessages.isEmpty());
}

void tst_MainWindow::failingWriteKeepsOldFile()
{
    // A name of 250 characters: the file can be read, but the new content
    // cannot be written beside it (its temporary name would be too long).
    const QString strName = "Fahrer" + QString(240, 'x') + ".csv";
    const QString strPath = strOpen(strName, baOf(slDriverLines()));
    QCOMPARE(m_pHaupt->slLines(), slDriverLines());

    m_pHaupt->vDeleteEntry(2, s32RowOfLine(2));
    QCOMPARE(m_slMessages.size(), 1);
    QVERIFY(m_slMessages.at(0).contains("konnte nicht gespeichert werden"));
    // The reason in the interface language, not the system's text.
    QVERIFY2(m_slMessages.at(0).contains(FileWriter::strReason(FileWriter::Failure::NameTooLong)),
             qPrintable(m_slMessages.at(0)));
    QCOMPARE(TestSupport::baReadFile(strPath), baOf(slDriverLines()));
    // The edit stays in memory.
    QCOMPARE(m_pHaupt->slLines().size(), slDriverLines().size() - 1);
}

void tst_MainWindow::editsStayWithTheirFile()
{
    // Closing the settings page hands back to the list that is loaded: its
    // edits still go to its file.
    const QString strDrivers = strOpen("Fahrer.csv", baOf(slDriverLines()));
    cEinstellungen* pSettings = cEinstellungen::instance();
    pSettings->vSetCaller(Navigation::Caller::Main);
    pSettings->show();
    QTest::keyRelease(pSettings, Qt::Key_Escape);
    QCOMPARE(m_pHaupt->strPfad(), strDrivers);
    m_pHaupt->vDeleteEntry(1, s32RowOfLine(1));
    QStringList slExpected = slDriverLines();
    slExpected.removeAt(1);
    QCOMPARE(TestSupport::baReadFile(strDrivers), baOf(slExpected));
    QVERIFY2(m_slMessages.isEmpty(), qPrintable(m_slMessages.join('|')));

    // A download arriving while a driver is in the editor waits for the edit:
    // the edit goes to the drivers file, then the new list shows.
    const QString strOrders =
        TestSupport::strWriteFile(TestSupport::strDownloads() + "/Auftraege.csv", baOf(slOrderLines()));
    m_pHaupt->show();
    const int s32Row = s32RowOfLine(3);
    QVERIFY(QMetaObject::invokeMethod(m_pHaupt, "on_treeView_clicked",
                                      Q_ARG(QModelIndex, list()->index(s32Row, 0))));
    cEditDialog* pEditor = cEditDialog::instance();
    QVERIFY(pEditor->isVisible());
    m_pHaupt->vFileReceived(strOrders, "Auftraege.csv");
    QTest::qWait(20);
    QCOMPARE(m_pHaupt->kind(), ListKind::Drivers);
    QCOMPARE(m_pHaupt->strWhichTypeOfList(), QString("Fahrer.csv"));
    auto* pName = pEditor->findChild<QLineEdit*>("lineEdit_Fahrername1");
    pName->selectAll();
    QTest::keyClicks(pName, "Neuer");
    QVERIFY(QMetaObject::invokeMethod(pEditor, "on_pushButton_Speichern_clicked"));
    slExpected[2].replace("Vorname3", "Neuer");
    QCOMPARE(TestSupport::baReadFile(strDrivers), baOf(slExpected));
    QTRY_COMPARE(m_pHaupt->kind(), ListKind::Orders);
    QCOMPARE(m_pHaupt->strPfad(), strOrders);
    QVERIFY2(m_slMessages.isEmpty(), qPrintable(m_slMessages.join('|')));
}

void tst_MainWindow::tapCustomerDialsCleanNumber_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("line ends \\n") << QByteArray("Nr;Name\n3;Apfel;Anna;Weg 1;12345;Dorf;x;0511-123456\n");
    // An export edited by hand: some lines end in "\r\n", others in "\n".
    QTest::newRow("mixed line ends") << QByteArray(
        "Nr;Name\n3;Apfel;Anna;Weg 1;12345;Dorf;x;0511-123456\r\n4;Birne;Bernd;;;;;0170\n");
    QTest::newRow("last line without line break")
        << QByteArray("Nr;Name\r\n3;Apfel;Anna;Weg 1;12345;Dorf;x;0511-123456\r");
}

void tst_MainWindow::tapCustomerDialsCleanNumber()
{
    QFETCH(QByteArray, content);
    strOpen("Kunden.csv", content);
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("tel", &catcher, "vOpen");
    QVERIFY(
        QMetaObject::invokeMethod(m_pHaupt, "on_treeView_clicked", Q_ARG(QModelIndex, list()->index(0, 0))));
    QDesktopServices::unsetUrlHandler("tel");
    QCOMPARE(catcher.lUrls, QList<QUrl>{QUrl("tel:0511-123456")});
}

void tst_MainWindow::fileHandOver()
{
    const QString strPath =
        TestSupport::strWriteFile(TestSupport::strHome() + "/listen/Kunden.csv", "Nr;Name\n1;Apfel;Anna\n");
    m_pHaupt->vRequestReadFile(strPath);
    QTRY_COMPARE(m_pHaupt->strPfad(), strPath);
    QTRY_COMPARE(m_pHaupt->slLines().size(), 3);
    QCOMPARE(list()->rowCount(), 1);

    m_pHaupt->vFileReceived(TestSupport::strDownloads() + "/nofile", "nofile");
    QCOMPARE(m_slMessages, QStringList{"Keine Datei vorhanden"});
    QCOMPARE(m_pHaupt->slLines().size(), 3);
}

void tst_MainWindow::settingsButtonPicksFileWithoutNavigator()
{
    // Until the settings page is wired, the button lets the user pick any
    // list file, starting in the folder of the file shown.
    strOpen("Fahrer.csv", baOf(slDriverLines()));
    const QString strOther = TestSupport::strWriteFile(TestSupport::strHome() + "/listen/Kunden_neu.csv",
                                                       "Nr;Name\n1;Apfel;Anna\n2;Birne;Bernd\n");
    QString strFolder;
    QStringList slFilters;
    QTimer::singleShot(0, [&] {
        auto* pDialog = m_pHaupt->findChild<QFileDialog*>();
        QVERIFY(pDialog);
        strFolder = pDialog->directory().absolutePath();
        slFilters = pDialog->nameFilters();
        pDialog->selectFile(strOther);
        QMetaObject::invokeMethod(pDialog, "accept");
    });
    m_pHaupt->show();
    QTest::mouseClick(m_pHaupt->findChild<QPushButton*>("pushButton_Einstellungen"), Qt::LeftButton);
    QCOMPARE(strFolder, QFileInfo(strOther).absolutePath());
    QVERIFY(slFilters.join(' ').contains("*.csv"));
    QCOMPARE(m_pHaupt->strPfad(), strOther);
    QCOMPARE(list()->rowCount(), 2);
}

void tst_MainWindow::terminalActions()
{
    auto* pDownload = m_pHaupt->findChild<QPushButton*>("pushButton_Download");
    // Not wired to a terminal: the terminal buttons stay hidden.
    m_pHaupt->vSetConnectionState(true, false);
    QVERIFY(!pDownload->isVisibleTo(m_pHaupt));

    m_pHaupt->vSetMessageSender([this](const QByteArray& _baMessage) { m_lSent << _baMessage; });
    m_pHaupt->vSetConnectionState(true, false);
    QVERIFY(pDownload->isVisibleTo(m_pHaupt));
    QVERIFY(!m_pHaupt->findChild<QPushButton*>("pushButton_Live")->isVisibleTo(m_pHaupt));

    QVERIFY(QMetaObject::invokeMethod(m_pHaupt, "on_pushButton_Expertmodus_clicked"));
    QVERIFY(QMetaObject::invokeMethod(m_pHaupt, "on_pushButton_Expertmodus_clicked"));
    QVERIFY(QMetaObject::invokeMethod(m_pHaupt, "on_pushButton_Lichtschalter_clicked"));
    QVERIFY(m_pHaupt->bLichtschalter() && !m_pHaupt->bExpertModus());
    m_pHaupt->vRequestDownloads({"Auftraege", "Kunden"});
    QCOMPARE(m_lSent, (QList<QByteArray>{"ExpertModus:ON", "ExpertModus:OFF", "Lichtschalter:ON", "Auftraege",
                                         "Kunden"}));
    // The season page's switches show the same state as the main window's.
    auto* pSeasonExpert = cSaisonData::instance()->findChild<QPushButton*>("pushButton_ExpertModus");
    auto* pSeasonLight = cSaisonData::instance()->findChild<QPushButton*>("pushButton_Lichtschalter");
    const auto bShows = [](QPushButton* _pButton, const char* _pIcon) {
        return _pButton->icon().pixmap(32).toImage() ==
               QIcon(QString::fromLatin1(_pIcon)).pixmap(32).toImage();
    };
    QVERIFY(bShows(pSeasonExpert, ":/Expertmodus_OFF.png"));
    QVERIFY(bShows(pSeasonLight, ":/Lichtschalter_Haupt_On.png"));

    // A report of the terminal changes the state and sends nothing.
    m_pHaupt->vSetExpertModus(true);
    QVERIFY(m_pHaupt->bExpertModus());
    QCOMPARE(m_lSent.size(), 5);
    QVERIFY(bShows(pSeasonExpert, ":/Expertmodus_ON.png"));
    m_pHaupt->vSetLichtschalter(false);
    QVERIFY(bShows(pSeasonLight, ":/Lichtschalter_Haupt_Off.png"));

    m_pHaupt->vSetConnectionState(false, true);
    QVERIFY(!pDownload->isVisibleTo(m_pHaupt));
    m_pHaupt->vSetMessageSender({});

    QCOMPARE(cHaupt::baStartLiveMessage(2), QByteArray("StartLIVE\xD0\x07", 11));
    QCOMPARE(cHaupt::baStartLiveMessage(0), QByteArray("StartLIVE\xF4\x01", 11));
    QCOMPARE(cHaupt::baStartLiveMessage(6), QByteArray("StartLIVE\0\0", 11));
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"

#include "app/messages.h"
#include "app/pageframe.h"
#include "app/settingsstore.h"
#include "app/wiring.h"
#include "mainwindow/chaupt.h"
#include "settings/ceinstellungen.h"
#include "settings/cquelleverzeichnis.h"
#include "settings/ctreetodeletefile.h"
#include "statistics/csaisondata.h"
#include "terminal/cfahrzeugelist.h"
#include "terminal/cwhattodownload.h"
#include "testsupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTimer>
#include <QTreeView>
#include <QtTest>

// The file pages (source directory chooser, downloaded files page) and the
// terminal list and download selection.
class tst_FilePages : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void chooserListsOnlyCsv();
    void chooserFolderClickIsRemembered();
    void kindForSending_data();
    void kindForSending();
    void chooserRefusesUnknownList();
    void chooserHandsPathToSettings();
    void deletePageMarks();
    void deleteButtonsOnlyForSettings_data();
    void deleteButtonsOnlyForSettings();
    void deleteAll_data();
    void deleteAll();
    void archiveEntryOnlyForBrowsing_data();
    void archiveEntryOnlyForBrowsing();
    void pageFitsBothOrientations_data();
    void pageFitsBothOrientations();
    void downloadWordsInFixedOrder_data();
    void downloadWordsInFixedOrder();
    void downloadCloseReturnsToOrigin();
    void terminalListKeepsRows();

private:
    static QStringList slNamesUnder(QAbstractItemView* _pView);
    static QString strStartFolder() { return TestSupport::strHome() + "/Daten"; }
    QStringList m_slMessages;
};

void tst_FilePages::initTestCase()
{
    TestSupport::vIsolate();
    // The pages hand the screen and the list to each other as in the application.
    Wiring::vConnectPages();
    for (const char* strName : {"Fahrer_2014.csv", "Kunden.csv", "notizen.txt", "ALT.CSV"})
        TestSupport::strWriteFile(strStartFolder() + "/" + strName, "x\n");
    QDir().mkpath(strStartFolder() + "/ordner.csv"); // a folder is never a file to pick
    TestSupport::strWriteFile(TestSupport::strHome() + "/Anderswo/Schlaege.csv", "x\n");
    // The folder opened last, read when the chooser is built.
    SettingsStore::WHERE_TO_EXPAND.vSet(strStartFolder());
    Messages::vSetHook([this](QWidget*, const QString& _strText) { m_slMessages.append(_strText); });
}

void tst_FilePages::init()
{
    m_slMessages.clear();
}

void tst_FilePages::cleanupTestCase()
{
    Messages::vSetHook({});
}

QStringList tst_FilePages::slNamesUnder(QAbstractItemView* _pView)
{
    QStringList slNames;
    const QModelIndex root = _pView->rootIndex();
    for (int row = 0; row < _pView->model()->rowCount(root); ++row)
        slNames << _pView->model()->index(row, 0, root).data().toString();
    slNames.sort();
    return slNames;
}

void tst_FilePages::chooserListsOnlyCsv()
{
    auto* pList = cQuelleVerzeichnis::instance()->findChild<QListView*>("listView");
    auto* pModel = qobject_cast<QFileSystemModel*>(pList->model());
    QCOMPARE(pModel->filePath(pList->rootIndex()), strStartFolder());
    // ".csv" in any case; a folder named like a list is no file.
    QTRY_COMPARE(slNamesUnder(pList), (QStringList{"ALT.CSV", "Fahrer_2014.csv", "Kunden.csv"}));
}

void tst_FilePages::chooserFolderClickIsRemembered()
{
    cQuelleVerzeichnis* pChooser = cQuelleVerzeichnis::instance();
    auto* pTree = pChooser->findChild<QTreeView*>("treeView");
    auto* pList = pChooser->findChild<QListView*>("listView");
    const QString strOther = TestSupport::strHome() + "/Anderswo";
    const QModelIndex folder = qobject_cast<QFileSystemModel*>(pTree->model())->index(strOther);
    QVERIFY(folder.isValid());
    QVERIFY(QMetaObject::invokeMethod(pChooser, "on_treeView_clicked", Q_ARG(QModelIndex, folder)));

    QCOMPARE(SettingsStore::WHERE_TO_EXPAND.tValue(), strOther);
    QCOMPARE(cQuelleVerzeichnis::strStartFolder(), strOther);
    QTRY_COMPARE(slNamesUnder(pList), QStringList{"Schlaege.csv"});

    // A stored folder that is gone: the chooser starts at home.
    SettingsStore::WHERE_TO_EXPAND.vSet(TestSupport::strHome() + "/weg");
    QCOMPARE(cQuelleVerzeichnis::strStartFolder(), QDir::homePath());
}

void tst_FilePages::kindForSending_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("kind");
    QTest::newRow("drivers") << "/daten/Fahrer_2014.csv"
                             << "Fahrer";
    QTest::newRow("customers before drivers") << "/daten/Kunden_und_Fahrer.csv"
                                              << "Kunden";
    QTest::newRow("fields before all") << "/daten/Schläge_Kunden.csv"
                                       << "Schlaege";
    QTest::newRow("fields, plain spelling") << "/daten/Schlaege.csv"
                                            << "Schlaege";
    QTest::newRow("terminal's English name") << "/daten/clients_2014.csv"
                                             << "Kunden";
    QTest::newRow("terminal's French name") << "/daten/Parcelles.csv"
                                            << "Schlaege";
    QTest::newRow("orders are not sent") << "/daten/Auftraege.csv"
                                         << "";
    QTest::newRow("only the name counts") << "/Fahrer/notizen.csv"
                                          << "";
    QTest::newRow("case matters") << "/daten/fahrer.csv"
                                  << "";
    QTest::newRow("empty") << ""
                           << "";
}

void tst_FilePages::kindForSending()
{
    QFETCH(QString, path);
    QFETCH(QString, kind);
    QCOMPARE(cQuelleVerzeichnis::strKindForSending(path), kind);
}

void tst_FilePages::chooserRefusesUnknownList()
{
    cQuelleVerzeichnis* pChooser = cQuelleVerzeichnis::instance();
    cHaupt::instance()->hide();
    pChooser->vSetCaller(Navigation::Caller::Main);
    pChooser->show();
    pChooser->findChild<QLineEdit*>("lineEdit_Pfad")->setText(strStartFolder() + "/Auftraege.csv");
    QTest::mouseClick(pChooser->findChild<QPushButton*>("pushButton_Waehlen"), Qt::LeftButton);
    QCOMPARE(m_slMessages, QStringList{"Keine Berechtigung"});
    QVERIFY(!pChooser->isVisible());
    QVERIFY(cHaupt::instance()->isVisible()); // the page behind is already shown
    cHaupt::instance()->hide();
}

void tst_FilePages::chooserHandsPathToSettings()
{
    cQuelleVerzeichnis* pChooser = cQuelleVerzeichnis::instance();
    auto* pList = pChooser->findChild<QListView*>("listView");
    pChooser->vSetCaller(Navigation::Caller::Settings);
    pChooser->show();
    QTRY_COMPARE(slNamesUnder(pList), QStringList{"Schlaege.csv"});
    const QModelIndex file = pList->model()->index(0, 0, pList->rootIndex());
    QVERIFY(QMetaObject::invokeMethod(pChooser, "on_listView_clicked", Q_ARG(QModelIndex, file)));
    QTest::mouseClick(pChooser->findChild<QPushButton*>("pushButton_Waehlen"), Qt::LeftButton);

    const QString strPicked = TestSupport::strHome() + "/Anderswo/Schlaege.csv";
    QCOMPARE(cEinstellungen::instance()->findChild<QLineEdit*>("lineEdit_Pfad")->text(), strPicked);
    QVERIFY(cEinstellungen::instance()->isVisible());
    QVERIFY(!pChooser->isVisible());
    QVERIFY(m_slMessages.isEmpty());
    cEinstellungen::instance()->hide();
}

void tst_FilePages::deletePageMarks()
{
    const QString strDownloads = TestSupport::strDownloads();
    for (const char* strName : {"a.csv", "b.csv"})
        TestSupport::strWriteFile(strDownloads + "/" + strName, "x\n");
    cTreeToDeleteFile* pPage = cTreeToDeleteFile::instance();
    pPage->vSetCaller(Navigation::Caller::Settings);
    pPage->show();
    auto* pList = pPage->findChild<QListView*>("listView");
    QTRY_COMPARE(slNamesUnder(pList), (QStringList{"a.csv", "b.csv"}));
    auto click = [&](const QString& _strName) {
        const auto* pModel = qobject_cast<QFileSystemModel*>(pList->model());
        const QRect rect = pList->visualRect(pModel->index(strDownloads + "/" + _strName));
        QTest::mouseClick(pList->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    };

    click("a.csv");
    click("a.csv"); // twice: unmarked again
    QVERIFY(pPage->slMarkedFiles().isEmpty());
    QVERIFY(pList->selectionModel()->selectedIndexes().isEmpty());
    click("b.csv");
    click("a.csv");
    QCOMPARE(pPage->slMarkedFiles(), (QStringList{strDownloads + "/b.csv", strDownloads + "/a.csv"}));
    click("b.csv");
    QCOMPARE(pPage->slMarkedFiles(), QStringList{strDownloads + "/a.csv"});

    QTest::mouseClick(pPage->findChild<QPushButton*>("pushButton_delete"), Qt::LeftButton);
    QVERIFY(!QFile::exists(strDownloads + "/a.csv"));
    QVERIFY(QFile::exists(strDownloads + "/b.csv"));
    QVERIFY(pPage->slMarkedFiles().isEmpty());

    // A new opening starts without marks.
    click("b.csv");
    pPage->vSetCaller(Navigation::Caller::Settings);
    QVERIFY(pPage->slMarkedFiles().isEmpty());
    QVERIFY(pList->selectionModel()->selectedIndexes().isEmpty());
    QFile::remove(strDownloads + "/b.csv");
    pPage->hide();
}

void tst_FilePages::deleteButtonsOnlyForSettings_data()
{
    QTest::addColumn<QString>("caller");
    QTest::addColumn<bool>("deleteRole");
    QTest::newRow("settings page") << "Einstellungen" << true;
    QTest::newRow("main window") << "Haupt" << false;
    QTest::newRow("season page") << "Statistik" << false;
}

void tst_FilePages::deleteButtonsOnlyForSettings()
{
    QFETCH(QString, caller);
    QFETCH(bool, deleteRole);
    cTreeToDeleteFile* pPage = cTreeToDeleteFile::instance();
    pPage->vSetCaller(*Navigation::callerOfName(caller));
    pPage->show();
    QCOMPARE(pPage->findChild<QPushButton*>("pushButton_delete")->isVisible(), deleteRole);
    auto* pDeleteAll = pPage->findChild<QPushButton*>("pushButton_loeschenalles");
    QCOMPARE(pDeleteAll->isVisible(), deleteRole);
    // Its sheet's text size is taken (a fractional one would leave the default).
    QCOMPARE(pDeleteAll->font().pixelSize(), qRound(PageFrame::s32ScreenUnit() / 28.0));
    pPage->hide();
}

void tst_FilePages::deleteAll_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("left");
    QTest::newRow("no keeps every file")
        << "pushButton_nein" << QStringList{"Auftraege.csv", "Kunden.csv", "SICHER.CSV", "notiz.txt"};
    QTest::newRow("yes removes only .csv, in any case") << "pushButton_ja" << QStringList{"notiz.txt"};
}

void tst_FilePages::deleteAll()
{
    QFETCH(QString, answer);
    QFETCH(QStringList, left);
    const QString strDownloads = TestSupport::strDownloads();
    for (const char* strName : {"Auftraege.csv", "Kunden.csv", "SICHER.CSV", "notiz.txt"})
        TestSupport::strWriteFile(strDownloads + "/" + strName, "x\n");
    cTreeToDeleteFile* pPage = cTreeToDeleteFile::instance();
    pPage->vSetCaller(Navigation::Caller::Settings);
    pPage->show();
    // What is listed is what "Alles löschen" removes.
    QTRY_COMPARE(slNamesUnder(pPage->findChild<QListView*>("listView")),
                 (QStringList{"Auftraege.csv", "Kunden.csv", "SICHER.CSV"}));

    QString strQuestion;
    QTimer::singleShot(0, this, [&] {
        QWidget* pDialog = QApplication::activeModalWidget();
        QVERIFY(pDialog);
        strQuestion = pDialog->findChild<QLabel*>("label_Text")->text();
        QTest::mouseClick(pDialog->findChild<QPushButton*>(answer), Qt::LeftButton);
    });
    QTest::mouseClick(pPage->findChild<QPushButton*>("pushButton_loeschenalles"), Qt::LeftButton);
    QCOMPARE(strQuestion, QString("Wirklich alles löschen?"));

    QStringList slLeft = QDir(strDownloads).entryList(QDir::Files);
    slLeft.sort();
    QCOMPARE(slLeft, left);
    for (const QString& strName : slLeft)
        QFile::remove(strDownloads + "/" + strName);
    pPage->hide();
}

void tst_FilePages::archiveEntryOnlyForBrowsing_data()
{
    QTest::addColumn<QString>("caller");
    QTest::addColumn<bool>("browse");
    QTest::newRow("settings page") << "Einstellungen" << false;
    QTest::newRow("main window") << "Haupt" << true;
    QTest::newRow("season page") << "Statistik" << true;
}

void tst_FilePages::archiveEntryOnlyForBrowsing()
{
    QFETCH(QString, caller);
    QFETCH(bool, browse);
    cTreeToDeleteFile* pPage = cTreeToDeleteFile::instance();
    cHaupt::instance()->hide();
    pPage->vSetCaller(*Navigation::callerOfName(caller));
    pPage->show();
    auto* pArchive = pPage->findChild<QPushButton*>("pushButton_Archiv");
    QCOMPARE(pArchive->isVisible(), browse);
    if (!browse) {
        pPage->hide();
        return;
    }
    QCOMPARE(pArchive->text(), QString("Archiv"));
    // The first entry of the page, above the files.
    const auto* pList = pPage->findChild<QListView*>("listView");
    QVERIFY(pArchive->geometry().bottom() < pList->geometry().top());
    // A touch target at least as tall as the page's icon buttons.
    QVERIFY(pArchive->height() >= pPage->findChild<QPushButton*>("pushButton_abbrechen")->height());

    QSignalSpy archiveSpy(pPage, &cTreeToDeleteFile::archiveChosen);
    QSignalSpy fileSpy(pPage, &cTreeToDeleteFile::listFileChosen);
    QTest::mouseClick(pArchive, Qt::LeftButton);
    QCOMPARE(archiveSpy.count(), 1);
    QCOMPARE(fileSpy.count(), 0);
    QVERIFY(!pPage->isVisible());
    QVERIFY(cHaupt::instance()->isVisible());
    cHaupt::instance()->hide();
}

void tst_FilePages::pageFitsBothOrientations_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QString>("caller");
    QTest::newRow("landscape, browsing") << QSize(1024, 768) << "Haupt";
    QTest::newRow("portrait, browsing") << QSize(768, 1024) << "Statistik";
    QTest::newRow("landscape, deleting") << QSize(1024, 768) << "Einstellungen";
    QTest::newRow("portrait, deleting") << QSize(768, 1024) << "Einstellungen";
}

// The page fills the screen; every button stays on it and the list keeps the
// rest, where it scrolls.
void tst_FilePages::pageFitsBothOrientations()
{
    QFETCH(QSize, screen);
    QFETCH(QString, caller);
    cTreeToDeleteFile* pPage = cTreeToDeleteFile::instance();
    pPage->vSetCaller(*Navigation::callerOfName(caller));
    pPage->resize(screen);
    pPage->show();
    QVERIFY(QTest::qWaitForWindowExposed(pPage));
    QCOMPARE(pPage->size(), screen);
    for (const QPushButton* pButton : pPage->findChildren<QPushButton*>()) {
        if (!pButton->isVisible())
            continue;
        const QRect rect(pButton->mapTo(pPage, QPoint(0, 0)), pButton->size());
        QVERIFY2(pPage->rect().contains(rect), qPrintable(pButton->objectName()));
    }
    QVERIFY(pPage->findChild<QListView*>("listView")->height() > screen.height() / 2);
    pPage->hide();
}

void tst_FilePages::downloadWordsInFixedOrder_data()
{
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("customers and orders")
        << QStringList{"checkBox_Kunde", "checkBox_Auftrag"} << QStringList{"Auftraege", "Kunden"};
    QTest::newRow("every kind") << QStringList{"checkBox_MaschineStatistik",
                                               "checkBox_SaisonStatistik",
                                               "checkBox_Kunde",
                                               "checkBox_Fahrer",
                                               "checkBox_Schlag",
                                               "checkBox_Auftrag"}
                                << QStringList{"Auftraege", "Schlaege", "Fahrer",
                                               "Kunden",    "Saison",   "Maschine"};
    QTest::newRow("machine only") << QStringList{"checkBox_MaschineStatistik"} << QStringList{"Maschine"};
    QTest::newRow("nothing") << QStringList{} << QStringList{};
}

void tst_FilePages::downloadWordsInFixedOrder()
{
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, words);
    cWhatToDownload* pPage = cWhatToDownload::instance();
    for (QCheckBox* pBox : pPage->findChildren<QCheckBox*>())
        pBox->setChecked(boxes.contains(pBox->objectName()));
    QCOMPARE(pPage->slChosenWords(), words);
}

void tst_FilePages::downloadCloseReturnsToOrigin()
{
    cWhatToDownload* pPage = cWhatToDownload::instance();
    cSaisonData::instance()->hide();
    pPage->vSetOrigin(Navigation::Caller::Statistics);
    pPage->show();
    QTest::mouseClick(pPage->findChild<QPushButton*>("pushButton_Close"), Qt::LeftButton);
    QVERIFY(!pPage->isVisible());
    QVERIFY(cSaisonData::instance()->isVisible());
    cSaisonData::instance()->hide();
}

void tst_FilePages::terminalListKeepsRows()
{
    cfahrzeugelist* pPage = cfahrzeugelist::instance();
    pPage->vSetList({"111", "222", "333"});
    pPage->vSetList({"444", "555"});
    QStandardItemModel* pModel = pPage->model();
    QCOMPARE(pModel->objectName(), QString("iStandardModel"));
    QCOMPARE(pModel->rowCount(), 3);
    QCOMPARE(pModel->item(0)->text(), QString("444"));
    QCOMPARE(pModel->item(1)->text(), QString("555"));
    QCOMPARE(pModel->item(2)->text(), QString("333"));
}

QTEST_MAIN(tst_FilePages)
#include "tst_filepages.moc"

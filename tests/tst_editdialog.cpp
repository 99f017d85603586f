#include "app/messages.h"
#include "app/wiring.h"
#include "mainwindow/ceditdialog.h"
#include "mainwindow/chaupt.h"
#include "testsupport.h"

#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

// The driver editor: the fifteen fields of a line, and what save and the
// back key hand to the main window's drivers list.
class tst_EditDialog : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void fieldsOfLine_data();
    void fieldsOfLine();
    void saveReplacesTheEditedLine();
    void pastedLineBreakStaysInItsRecord();
    void newDriverIsFourteenSemicolons();
    void backKeyLeavesWithoutSaving();

private:
    QString strOpenDrivers();
    cEditDialog* m_pEditor = nullptr;
    QString m_strPath;
};

namespace
{
const QStringList s_slDrivers{"Fahrer;Name", "1;Anna;Apfel;;;;;0123;;;;;;;",
                              "2;Bernd;Birne;Weg 2;;;;;;;;;;;frei", ""};
}

void tst_EditDialog::initTestCase()
{
    TestSupport::vIsolate();
    // The pages hand the screen and the list to each other as in the application.
    Wiring::vConnectPages();
    Messages::vSetHook([](QWidget*, const QString& _strText) { QFAIL(qPrintable(_strText)); });
    m_pEditor = cEditDialog::instance();
    QMetaObject::invokeMethod(cHaupt::instance(), "vHideAndShow");
}

QString tst_EditDialog::strOpenDrivers()
{
    m_strPath =
        TestSupport::strWriteFile(TestSupport::strHome() + "/Fahrer.csv", s_slDrivers.join('\n').toLatin1());
    cHaupt::instance()->strOpenListFile(m_strPath);
    return m_strPath;
}

void tst_EditDialog::fieldsOfLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("saved");
    const QString strFull = "7;Hans;Huber;Weg 1;12345;Dorf;;0170;h@hof.de;;a;;b;;c";
    QTest::newRow("fifteen fields, some empty") << strFull << strFull;
    QTest::newRow("three fields padded") << "7;Hans;Huber"
                                         << "7;Hans;Huber;;;;;;;;;;;;";
    QTest::newRow("parts beyond 14 dropped") << strFull + ";x;y" << strFull;
    QTest::newRow("empty line") << "" << QString(14, ';');
}

void tst_EditDialog::fieldsOfLine()
{
    QFETCH(QString, line);
    QFETCH(QString, saved);
    m_pEditor->vEditDriver(line, 4);
    QCOMPARE(m_pEditor->strJoinedLine(), saved);
    QCOMPARE(m_pEditor->s32DriverIndex(), 4);
    QVERIFY(!m_pEditor->bNewDriver());
    const QStringList slFields = saved.split(';');
    QCOMPARE(m_pEditor->findChild<QLineEdit*>("lineEdit_FahrerNummer")->text(), slFields.at(0));
    QCOMPARE(m_pEditor->findChild<QLineEdit*>("lineEdit_FreiVerwendbar6")->text(), slFields.at(14));
}

void tst_EditDialog::saveReplacesTheEditedLine()
{
    strOpenDrivers();
    m_pEditor->vEditDriver(s_slDrivers.at(2), 2);
    auto* pStreet = m_pEditor->findChild<QLineEdit*>("lineEdit_Strasse");
    pStreet->selectAll();
    QTest::keyClicks(pStreet, "Hofweg 9");
    auto* pMail = m_pEditor->findChild<QLineEdit*>("lineEdit_eMail");
    QTest::keyClicks(pMail, "b@hof.de");
    QTest::mouseClick(m_pEditor->findChild<QPushButton*>("pushButton_Speichern"), Qt::LeftButton);

    const QString strSaved = "2;Bernd;Birne;Hofweg 9;;;;;b@hof.de;;;;;;frei";
    QCOMPARE(cHaupt::instance()->slLines().at(2), strSaved);
    QVERIFY(TestSupport::baReadFile(m_strPath).contains(strSaved.toLatin1()));
    QVERIFY(m_pEditor->isHidden());
    QVERIFY(cHaupt::instance()->isVisible());
}

// A line break pasted into a field must not split the record in the file.
void tst_EditDialog::pastedLineBreakStaysInItsRecord()
{
    strOpenDrivers();
    m_pEditor->vEditDriver(s_slDrivers.at(1), 1);
    auto* pStreet = m_pEditor->findChild<QLineEdit*>("lineEdit_Strasse");
    QGuiApplication::clipboard()->setText("Am Hof\r\n3\nHinterhaus");
    pStreet->paste();
    QTest::mouseClick(m_pEditor->findChild<QPushButton*>("pushButton_Speichern"), Qt::LeftButton);

    const QString strSaved = "1;Anna;Apfel;Am Hof 3 Hinterhaus;;;;0123;;;;;;;";
    QCOMPARE(cHaupt::instance()->slLines().at(1), strSaved);
    QStringList slExpected = s_slDrivers;
    slExpected[1] = strSaved;
    QCOMPARE(TestSupport::baReadFile(m_strPath), slExpected.join('\n').toLatin1());
}

void tst_EditDialog::newDriverIsFourteenSemicolons()
{
    strOpenDrivers();
    m_pEditor->vEditDriver(s_slDrivers.at(1), 1); // fields from before are forgotten
    m_pEditor->vNewDriver();
    QVERIFY(m_pEditor->bNewDriver());
    QCOMPARE(m_pEditor->strJoinedLine(), QString(14, ';'));
    QCOMPARE(m_pEditor->findChild<QLineEdit*>("lineEdit_Fahrername1")->text(), QString());

    QTest::mouseClick(m_pEditor->findChild<QPushButton*>("pushButton_Speichern"), Qt::LeftButton);
    QCOMPARE(cHaupt::instance()->slLines().size(), s_slDrivers.size() + 1);
    QCOMPARE(cHaupt::instance()->slLines().at(3), QString(14, ';'));
}

void tst_EditDialog::backKeyLeavesWithoutSaving()
{
    strOpenDrivers();
    const QByteArray baBefore = TestSupport::baReadFile(m_strPath);
    m_pEditor->vEditDriver(s_slDrivers.at(1), 1);
    m_pEditor->show();
    QTest::keyClicks(m_pEditor->findChild<QLineEdit*>("lineEdit_Ort"), "Anderswo");
    QTest::keyClick(m_pEditor, Qt::Key_Back);

    QVERIFY(m_pEditor->isHidden());
    QVERIFY(cHaupt::instance()->isVisible());
    QCOMPARE(cHaupt::instance()->slLines(), s_slDrivers);
    QCOMPARE(TestSupport::baReadFile(m_strPath), baBefore);
}

QTEST_MAIN(tst_EditDialog)
#include "tst_editdialog.moc"

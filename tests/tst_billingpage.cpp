// The rates page: values checked as typed (a wrong one marked, with the
// hint, and never saved), what is saved read back when the page is shown
// again, customers picked from the archive or typed, the logo scaled down,
// the archive's failures told, and the way there from the settings page and
// back.

#include "archivefixtures.h"
#include "testsupport.h"

#include "app/messages.h"
#include "app/wiring.h"
#include "data/archiveimport.h"
#include "data/archivestore.h"
#include "data/billsettings.h"
#include "settings/cabrechnungseite.h"
#include "settings/ceinstellungen.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

class tst_BillingPage : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void valuesCheckedAsTyped_data();
    void valuesCheckedAsTyped();
    void savedAndShownAgain();
    void refusals_data();
    void refusals();
    void reachedFromSettingsAndLeft_data();
    void reachedFromSettingsAndLeft();

private:
    template <class T> T* child(const QString& _strName)
    {
        T* pChild = page()->findChild<T*>(_strName);
        Q_ASSERT(pChild);
        return pChild;
    }
    static cAbrechnungSeite* page() { return cAbrechnungSeite::instance(); }
    // What the archive keeps, read past the page.
    void vStored(BillRates& _rates, Letterhead& _letterhead);
    QList<QLineEdit*> customerValues(int _s32Row);
    void vRemoveCustomerAndLogo(BillRates& _expected);
    // A tap on a button of the page's scrolled part. Kinetic scrolling holds
    // a press back to tell a tap from a swipe: the button is clicked here.
    static void vTap(QPushButton* _pButton) { _pButton->click(); }
    QList<QComboBox*> customerNumbers()
    {
        return child<QWidget>("widget_Kunden")->findChildren<QComboBox*>();
    }

    QTemporaryDir m_folder;
    QString m_strArchive;
    QStringList m_slMessages;
    // What the connector hands out instead of the archive: its message.
    QString m_strRefusal;
};

void tst_BillingPage::initTestCase()
{
    TestSupport::vIsolate();
    Wiring::vConnectPages();
    Messages::vSetHook([this](QWidget*, const QString& _strText) { m_slMessages.append(_strText); });
    m_strArchive = m_folder.filePath(QStringLiteral("archiv.sqlite"));
    // An archive that knows customer 4701 (Müller) from an order.
    {
        cArchiveStore store(cArchiveStore::sqliteConnection(m_strArchive, QStringLiteral("fill")));
        ArchiveInput input;
        input.strFileName = QStringLiteral("Auftraege.csv");
        input.baContent =
            ArchiveFixtures::baUtf8File({ArchiveFixtures::baOrder(1, "01.10.2014 08:30", 35000)});
        input.machine = {QStringLiteral("WMA-1"), QStringLiteral("S-1")};
        input.arrived = QDateTime::currentDateTimeUtc();
        QString strMessage;
        QCOMPARE(store.importFile(input, &strMessage).s32New, 1);
        store.vClose();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fill"));

    page()->vSetArchiveConnector([this](QString* _pMessage) {
        const QString strConnection = QStringLiteral("rates");
        QSqlDatabase::removeDatabase(strConnection);
        if (!m_strRefusal.isEmpty()) {
            *_pMessage = m_strRefusal;
            return QSqlDatabase();
        }
        cArchiveStore store(cArchiveStore::sqliteConnection(m_strArchive, strConnection));
        const ArchiveOpenResult opened = store.open();
        *_pMessage = opened.strMessage;
        return opened.bUsable() ? store.database() : QSqlDatabase();
    });
}

void tst_BillingPage::init()
{
    m_slMessages.clear();
    m_strRefusal.clear();
}

void tst_BillingPage::cleanupTestCase()
{
    Messages::vSetHook({});
}

void tst_BillingPage::vStored(BillRates& _rates, Letterhead& _letterhead)
{
    {
        QSqlDatabase database = cArchiveStore::sqliteConnection(m_strArchive, QStringLiteral("check"));
        QSqlError error;
        QVERIFY(database.open());
        QVERIFY2(BillSettings::bLoad(database, _rates, _letterhead, error), qPrintable(error.text()));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("check"));
}

void tst_BillingPage::valuesCheckedAsTyped_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown"); // what the field takes of it
    QTest::addColumn<qint64>("kept");   // cents or hundredths of a per cent; -1: refused, -2: not set

    QTest::newRow("grouped price") << "lineEdit_Hektar"
                                   << "1.234,50"
                                   << "1.234,50" << qint64(123450);
    QTest::newRow("zero") << "lineEdit_Auftrag"
                          << "0"
                          << "0" << qint64(0);
    QTest::newRow("VAT 19") << "lineEdit_Mwst"
                            << "19"
                            << "19" << qint64(1900);
    QTest::newRow("VAT 10,7") << "lineEdit_Mwst"
                              << "10,7"
                              << "10,7" << qint64(1070);
    QTest::newRow("VAT 100") << "lineEdit_Mwst"
                             << "100"
                             << "100" << qint64(10000);
    QTest::newRow("empty: not set") << "lineEdit_Strasse"
                                    << ""
                                    << "" << qint64(-2);
    QTest::newRow("three decimals") << "lineEdit_Hektar"
                                    << "12,345"
                                    << "12,345" << qint64(-1);
    QTest::newRow("VAT 100,01") << "lineEdit_Mwst"
                                << "100,01"
                                << "100,01" << qint64(-1);
    QTest::newRow("badly grouped") << "lineEdit_Strasse"
                                   << "12.34"
                                   << "12.34" << qint64(-1);
    // Characters that belong to no value are not taken at all.
    QTest::newRow("negative: sign refused") << "lineEdit_Auftrag"
                                            << "-5"
                                            << "5" << qint64(500);
    QTest::newRow("letters refused") << "lineEdit_Hektar"
                                     << "1x2 %"
                                     << "12 " << qint64(1200);
}

void tst_BillingPage::valuesCheckedAsTyped()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(qint64, kept);
    page()->show();
    BillRates before;
    Letterhead letterhead;
    vStored(before, letterhead);
    QLineEdit* pEdit = child<QLineEdit>(field);
    pEdit->clear();
    QTest::keyClicks(pEdit, typed);
    QCOMPARE(pEdit->text(), shown);
    const bool bWrong = kept == -1;
    QCOMPARE(pEdit->property("wrong").toBool(), bWrong);
    QCOMPARE(child<QLabel>("label_Hinweis")->isVisibleTo(page()), bWrong);

    vTap(child<QPushButton>("pushButton_Speichern"));
    BillRates after;
    vStored(after, letterhead);
    if (bWrong) {
        QCOMPARE(m_slMessages.size(), 1);
        QVERIFY2(m_slMessages.first().contains(QString::fromUtf8("höchstens zwei Nachkommastellen")),
                 qPrintable(m_slMessages.first()));
        QVERIFY(after == before);
    } else {
        QVERIFY2(m_slMessages.isEmpty(), qPrintable(m_slMessages.join('\n')));
        const std::optional<qint64> value = field == "lineEdit_Hektar"    ? after.defaults.perHectare
                                            : field == "lineEdit_Strasse" ? after.defaults.perRoadHour
                                            : field == "lineEdit_Auftrag" ? after.defaults.perOrder
                                                                          : after.defaults.vatBasisPoints;
        QCOMPARE(value.value_or(-2), kept);
        QVERIFY(!child<QLabel>("label_Gespeichert")->text().isEmpty());
    }
    page()->hide();
}

// The value fields of the customers' row _s32Row (the number's combo box aside).
QList<QLineEdit*> tst_BillingPage::customerValues(int _s32Row)
{
    QList<QLineEdit*> lEdits;
    for (QLineEdit* pEdit : child<QWidget>("widget_Kunden")->findChildren<QLineEdit*>()) {
        if (!qobject_cast<QComboBox*>(pEdit->parentWidget()))
            lEdits << pEdit;
    }
    return lEdits.mid(_s32Row * 4, 4);
}

// The first customer removed and the logo taken away are gone from the
// archive after saving; the rest stays as _expected.
void tst_BillingPage::vRemoveCustomerAndLogo(BillRates& _expected)
{
    BillRates rates;
    Letterhead letterhead;
    QPushButton* pRemove = nullptr;
    QCoreApplication::processEvents(); // the new rows show
    for (QPushButton* pButton : child<QWidget>("widget_Kunden")->findChildren<QPushButton*>()) {
        if (!pRemove && pButton->isVisibleTo(page()))
            pRemove = pButton;
    }
    QVERIFY(pRemove);
    vTap(pRemove);
    vTap(child<QPushButton>("pushButton_LogoEntfernen"));
    QVERIFY(!child<QPushButton>("pushButton_LogoEntfernen")->isEnabled());
    vTap(child<QPushButton>("pushButton_Speichern"));
    vStored(rates, letterhead);
    _expected.customers.remove("4701");
    QVERIFY(rates == _expected);
    QVERIFY(letterhead.baLogo.isEmpty());
    QCOMPARE(letterhead.strVatId, QString("DE123456789"));
}

void tst_BillingPage::savedAndShownAgain()
{
    page()->show();
    child<QLineEdit>("lineEdit_Hektar")->setText("150");
    child<QLineEdit>("lineEdit_Strasse")->setText("80,5");
    child<QLineEdit>("lineEdit_Auftrag")->setText("");
    child<QLineEdit>("lineEdit_Mwst")->setText("19");
    // One customer picked from those the archive knows, one typed, one
    // added and left without anything.
    for (int i = 0; i < 3; ++i)
        vTap(child<QPushButton>("pushButton_KundeHinzufuegen"));
    QList<QComboBox*> numbers = customerNumbers();
    QCOMPARE(numbers.size(), 3);
    QCOMPARE(numbers.at(0)->count(), 1);
    QCOMPARE(numbers.at(0)->itemText(0), QString::fromUtf8("4701 (Müller)"));
    numbers.at(0)->setCurrentIndex(0);
    QTest::keyClicks(numbers.at(1)->lineEdit(), "K-9");
    customerValues(0).at(0)->setText("170");
    customerValues(0).at(3)->setText("7");
    customerValues(1).at(2)->setText("25");
    child<QLineEdit>("lineEdit_Name")->setText(QString::fromUtf8("Lohnunternehmen Jörg"));
    child<QPlainTextEdit>("plainTextEdit_Anschrift")->setPlainText("Feldweg 1\n38100 Braunschweig");
    child<QLineEdit>("lineEdit_UstId")->setText("DE123456789");
    child<QPlainTextEdit>("plainTextEdit_Bank")->setPlainText("IBAN DE02\nBIC BYLADEM1001");
    // A wide picture is kept at 600 pixels wide.
    QImage image(1200, 300, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    const QString strPicture = m_folder.filePath("logo.jpg");
    QVERIFY(image.save(strPicture));
    QVERIFY(page()->bTakeLogo(strPicture));
    QVERIFY(!child<QLabel>("label_LogoBild")->pixmap(Qt::ReturnByValue).isNull());
    vTap(child<QPushButton>("pushButton_Speichern"));
    QVERIFY2(m_slMessages.isEmpty(), qPrintable(m_slMessages.join('\n')));
    QVERIFY2(child<QLabel>("label_Gespeichert")->text().contains(QDir::toNativeSeparators(m_strArchive)),
             qPrintable(child<QLabel>("label_Gespeichert")->text()));

    BillRates rates;
    Letterhead letterhead;
    vStored(rates, letterhead);
    BillRates expected;
    expected.defaults = {15000, 8050, std::nullopt, 1900};
    expected.customers.insert("4701", {17000, std::nullopt, std::nullopt, 700});
    expected.customers.insert("K-9", {std::nullopt, std::nullopt, 2500, std::nullopt});
    QVERIFY(rates == expected);
    QCOMPARE(letterhead.strName, QString::fromUtf8("Lohnunternehmen Jörg"));
    QCOMPARE(letterhead.strBank, QString("IBAN DE02\nBIC BYLADEM1001"));
    const QImage logo = QImage::fromData(letterhead.baLogo, "PNG");
    QCOMPARE(logo.size(), QSize(600, 150));

    // Left without saving: the page shows what the archive keeps.
    child<QLineEdit>("lineEdit_Hektar")->setText("999");
    page()->hide();
    page()->show();
    QCOMPARE(child<QLineEdit>("lineEdit_Hektar")->text(), QString("150,00"));
    QCOMPARE(child<QLineEdit>("lineEdit_Strasse")->text(), QString("80,50"));
    QCOMPARE(child<QLineEdit>("lineEdit_Mwst")->text(), QString("19"));
    numbers = customerNumbers();
    QCOMPARE(numbers.size(), 2);
    QCOMPARE(numbers.at(0)->currentText(), QString::fromUtf8("4701 (Müller)"));
    QCOMPARE(numbers.at(1)->currentText(), QString("K-9"));
    QCOMPARE(customerValues(0).at(3)->text(), QString("7"));
    QCOMPARE(child<QPlainTextEdit>("plainTextEdit_Anschrift")->toPlainText(),
             QString("Feldweg 1\n38100 Braunschweig"));

    vRemoveCustomerAndLogo(expected);
    page()->hide();
}

void tst_BillingPage::refusals_data()
{
    QTest::addColumn<QString>("kind");
    // What the message must name.
    QTest::addColumn<QStringList>("named");
    QTest::newRow("customer twice") << "twice" << QStringList{"K-1", "zweimal"};
    QTest::newRow("prices without customer number") << "no number" << QStringList{"Kundennummer"};
    QTest::newRow("archive cannot be opened") << "refused" << QStringList{"Server nicht erreichbar"};
    QTest::newRow("archive fails to write")
        << "no table" << QStringList{"archiv.sqlite", "archive_bill_rates"};
    QTest::newRow("no picture") << "no picture" << QStringList{"kein-bild.png"};
}

void tst_BillingPage::refusals()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, named);
    page()->show();
    BillRates before;
    Letterhead letterhead;
    vStored(before, letterhead);
    if (kind == "twice" || kind == "no number") {
        for (int i = 0; i < 2; ++i) {
            vTap(child<QPushButton>("pushButton_KundeHinzufuegen"));
            customerNumbers().constLast()->setEditText(kind == "twice" ? "K-1" : "");
        }
        for (QLineEdit* pEdit : child<QWidget>("widget_Kunden")->findChildren<QLineEdit*>()) {
            if (!qobject_cast<QComboBox*>(pEdit->parentWidget()))
                pEdit->setText("3");
        }
    } else if (kind == "refused") {
        m_strRefusal = "Das Archiv auf dem Server ist nicht zu erreichen: Server nicht erreichbar";
    } else if (kind == "no table") {
        QSqlDatabase database = cArchiveStore::sqliteConnection(m_strArchive, QStringLiteral("drop"));
        QVERIFY(database.open());
        QSqlQuery(database).exec("ALTER TABLE archive_bill_rates RENAME TO archive_bill_rates_kept");
        database.close();
    }
    if (kind == "no picture") {
        const QString strPath = TestSupport::strWriteFile(m_folder.filePath("kein-bild.png"), "kein Bild");
        QVERIFY(!page()->bTakeLogo(strPath));
    } else {
        vTap(child<QPushButton>("pushButton_Speichern"));
    }
    if (kind == "no table") {
        {
            QSqlDatabase database = QSqlDatabase::database(QStringLiteral("drop"));
            QSqlQuery(database).exec("ALTER TABLE archive_bill_rates_kept RENAME TO archive_bill_rates");
        }
        QSqlDatabase::removeDatabase(QStringLiteral("drop"));
    }
    QCOMPARE(m_slMessages.size(), 1);
    for (const QString& strNamed : named)
        QVERIFY2(m_slMessages.first().contains(strNamed), qPrintable(m_slMessages.first()));
    m_strRefusal.clear();
    BillRates after;
    vStored(after, letterhead);
    QVERIFY(after == before);
    page()->hide();
}

void tst_BillingPage::reachedFromSettingsAndLeft_data()
{
    QTest::addColumn<bool>("tap");
    QTest::newRow("back button") << true;
    QTest::newRow("back key") << false;
}

void tst_BillingPage::reachedFromSettingsAndLeft()
{
    QFETCH(bool, tap);
    cEinstellungen* pSettings = cEinstellungen::instance();
    pSettings->show();
    auto* pOpen = pSettings->findChild<QPushButton*>("pushButton_Abrechnung");
    QVERIFY(pOpen);
    QTest::mouseClick(pOpen, Qt::LeftButton);
    QVERIFY(page()->isVisible());
    QVERIFY(!pSettings->isVisible());
    if (tap)
        QTest::mouseClick(child<QPushButton>("pushButton_back"), Qt::LeftButton);
    else
        QTest::keyRelease(page(), Qt::Key_Back);
    QVERIFY(!page()->isVisible());
    QVERIFY(pSettings->isVisible());
    pSettings->hide();
}

QTEST_MAIN(tst_BillingPage)
#include "tst_billingpage.moc"

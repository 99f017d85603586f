#include "app/messages.h"
#include "app/settingsstore.h"
#include "app/wiring.h"
#include "mainwindow/chaupt.h"
#include "settings/ceinstellungen.h"
#include "settings/cinfoseite.h"
#include "statistics/csaisondata.h"
#include "terminal/cfahrzeugelist.h"
#include "terminal/csslclient.h"
#include "testsupport.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QUdpSocket>
#include <QtTest>

// The settings page: language choice and its stored values, the refresh
// table, the e-mail address, the connection display, the terminal search
// without answer and the way back to the opener.
class tst_SettingsPage : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void storedLanguageSelectedAtStart();
    void storedLanguageIndex_data();
    void storedLanguageIndex();
    void languageActivation_data();
    void languageActivation();
    void refreshTime_data();
    void refreshTime();
    void emailSavedOnEdit();
    void connectionState();
    void showListWithoutPath();
    void returnToCaller_data();
    void returnToCaller();
    void searchWithoutAnswer();
    void subpagesLeftByTapOrKey_data();
    void subpagesLeftByTapOrKey();

private:
    template <class T> T* child(const char* _strName)
    {
        T* pChild = cEinstellungen::instance()->findChild<T*>(QLatin1String(_strName));
        Q_ASSERT(pChild);
        return pChild;
    }
    QStringList m_slMessages;
};

void tst_SettingsPage::initTestCase()
{
    TestSupport::vIsolate();
    // The pages hand the screen and the list to each other as in the application.
    Wiring::vConnectPages();
    // Written before the page exists: the page reads it when it is built.
    SettingsStore::LANGUAGE_NUMBER.vSet(260);
    SettingsStore::EMAIL.vSet("fahrer@example.org");
    Messages::vSetHook([this](QWidget*, const QString& _strText) { m_slMessages.append(_strText); });
}

void tst_SettingsPage::init()
{
    m_slMessages.clear();
}

void tst_SettingsPage::cleanupTestCase()
{
    Messages::vSetHook({});
}

void tst_SettingsPage::storedLanguageSelectedAtStart()
{
    // 260 is taken by its low byte: index 4, "Magyar"; selecting it is no
    // activation, so nothing is asked and nothing is rewritten.
    QCOMPARE(child<QComboBox>("comboBox_Sprache")->currentIndex(), 4);
    QCOMPARE(child<QComboBox>("comboBox_Sprache")->count(), 14);
    QVERIFY(m_slMessages.isEmpty());
    QCOMPARE(SettingsStore::LANGUAGE_NUMBER.tValue(), 260);
    QCOMPARE(child<QLineEdit>("lineEdit_Email")->text(), QString("fahrer@example.org"));
}

void tst_SettingsPage::storedLanguageIndex_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("index");
    QTest::newRow("nothing stored: Deutsch") << QVariant() << 0;
    QTest::newRow("13") << QVariant(13) << 13;
    QTest::newRow("260 by its low byte") << QVariant(260) << 4;
    QTest::newRow("past the list") << QVariant(14) << 0;
    QTest::newRow("stored as text") << QVariant(QString("5")) << 5;
}

void tst_SettingsPage::storedLanguageIndex()
{
    QFETCH(QVariant, stored);
    QFETCH(int, index);
    QCOMPARE(cEinstellungen::s32LanguageIndexOf(stored, 14), index);
}

void tst_SettingsPage::languageActivation_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::newRow("Magyar") << 4 << "Ungarisch";
    QTest::newRow("Deutsch") << 0 << "Deutsch";
    QTest::newRow("Español") << 13 << "Spanisch";
}

void tst_SettingsPage::languageActivation()
{
    QFETCH(int, index);
    QFETCH(QString, name);
    SettingsStore::LANGUAGE.vSet("Englisch");
    QString strStoredWhileAsking;
    Messages::vSetHook([&](QWidget*, const QString& _strText) {
        m_slMessages.append(_strText);
        strStoredWhileAsking = SettingsStore::LANGUAGE.tValue();
    });
    QComboBox* pCombo = child<QComboBox>("comboBox_Sprache");
    pCombo->setCurrentIndex(index);
    emit pCombo->activated(index);
    Messages::vSetHook([this](QWidget*, const QString& _strText) { m_slMessages.append(_strText); });

    QCOMPARE(m_slMessages, QStringList{"The change will be active after restart of the application."});
    QCOMPARE(strStoredWhileAsking, QString("Englisch")); // written only after the message
    QCOMPARE(SettingsStore::LANGUAGE.tValue(), name);
    QCOMPARE(SettingsStore::LANGUAGE_NUMBER.tValue(), index);
}

void tst_SettingsPage::refreshTime_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("ms");
    QTest::newRow("0,5 s") << 0 << 500;
    QTest::newRow("1 s") << 1 << 1000;
    QTest::newRow("2 s") << 2 << 2000;
    QTest::newRow("5 s") << 5 << 5000;
    QTest::newRow("no choice") << -1 << 0;
}

void tst_SettingsPage::refreshTime()
{
    QFETCH(int, index);
    QFETCH(int, ms);
    QComboBox* pCombo = child<QComboBox>("comboBox");
    QCOMPARE(pCombo->currentIndex(), 0); // untouched: the live page gets 500 ms
    pCombo->setCurrentIndex(index);
    QCOMPARE(int(cEinstellungen::instance()->u16GetRefreshTime()), ms);
    pCombo->setCurrentIndex(0);
    QCOMPARE(int(cEinstellungen::u16RefreshTimeForIndex(6)), 0);
}

void tst_SettingsPage::emailSavedOnEdit()
{
    QLineEdit* pEdit = child<QLineEdit>("lineEdit_Email");
    pEdit->clear();
    QTest::keyClicks(pEdit, "buero@hof.de");
    QCOMPARE(SettingsStore::EMAIL.tValue(), QString("buero@hof.de"));
    // A text set by the program is no edit, but the page hands out what the field shows.
    pEdit->setText("neu@hof.de");
    QCOMPARE(cEinstellungen::instance()->strGetEmail(), QString("neu@hof.de"));
    QCOMPARE(SettingsStore::EMAIL.tValue(), QString("buero@hof.de"));
}

void tst_SettingsPage::connectionState()
{
    cEinstellungen* pPage = cEinstellungen::instance();
    pPage->show();
    QVERIFY(child<QPushButton>("pushButton_terminalSuchen")->isVisible());
    QVERIFY(!child<QLabel>("label_Indicator")->isVisible()); // until the first report
    QVERIFY(!child<QPushButton>("pushButton_verfuegbarenFahrzeuge")->isVisible());

    pPage->vSetConnectionState(true, "WVGZZZ123");
    QCOMPARE(child<QLabel>("label_momentanFahrzeug")->text(), QString("aktuelle Verbindung mit: WVGZZZ123"));
    QCOMPARE(child<QPushButton>("pushButton_terminalSuchen")->text(), QString("Trennen"));
    QVERIFY(child<QLabel>("label_Indicator")->styleSheet().contains(":/OK.png"));
    QVERIFY(child<QPushButton>("pushButton_verfuegbarenFahrzeuge")->isVisible());

    pPage->vSetConnectionState(false, "WVGZZZ123");
    QVERIFY(child<QLabel>("label_momentanFahrzeug")->text().isEmpty());
    QCOMPARE(child<QPushButton>("pushButton_terminalSuchen")->text(), QString("Verbinden"));
    QVERIFY(child<QLabel>("label_Indicator")->styleSheet().contains(":/X.png"));
    QVERIFY(child<QPushButton>("pushButton_verfuegbarenFahrzeuge")->isVisible());
    pPage->hide();
}

void tst_SettingsPage::showListWithoutPath()
{
    cEinstellungen* pPage = cEinstellungen::instance();
    pPage->vSetPath(QString());
    pPage->show();
    QTest::mouseClick(child<QPushButton>("pushButton_ListAnzeigen"), Qt::LeftButton);
    QCOMPARE(m_slMessages, QStringList{"Sie müssen das Quellverzeichnis wählen."});
    QVERIFY(pPage->isVisible());
    pPage->hide();
}

void tst_SettingsPage::returnToCaller_data()
{
    QTest::addColumn<QString>("caller");
    QTest::addColumn<bool>("backKey");
    QTest::newRow("Haupt, close button") << "Haupt" << false;
    QTest::newRow("Haupt, back key") << "Haupt" << true;
    QTest::newRow("Saison, close button") << "Saison" << false;
    QTest::newRow("Saison, back key") << "Saison" << true;
    QTest::newRow("no caller's name") << "Irgendwo" << false;
}

void tst_SettingsPage::returnToCaller()
{
    QFETCH(QString, caller);
    QFETCH(bool, backKey);
    cHaupt::instance()->hide();
    cSaisonData::instance()->hide();
    // A name that is no caller's cannot be handed to a page at all.
    const std::optional<Navigation::Caller> optCaller = Navigation::callerOfName(caller);
    if (!optCaller) {
        QCOMPARE(caller, QString("Irgendwo"));
        return;
    }
    QCOMPARE(Navigation::strCallerName(*optCaller), caller);
    cEinstellungen* pPage = cEinstellungen::instance();
    pPage->vSetCaller(*optCaller);
    pPage->show();
    if (backKey) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Back, Qt::NoModifier);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Back, Qt::NoModifier);
        QApplication::sendEvent(pPage, &press);
        QApplication::sendEvent(pPage, &release);
    } else {
        QTest::mouseClick(child<QPushButton>("pushButton_Einstellungen_abbrechen"), Qt::LeftButton);
    }
    QVERIFY(!pPage->isVisible());
    QCOMPARE(cHaupt::instance()->isVisible(), caller == "Haupt");
    QCOMPARE(cSaisonData::instance()->isVisible(), caller == "Saison");
    cHaupt::instance()->hide();
    cSaisonData::instance()->hide();
}

void tst_SettingsPage::searchWithoutAnswer()
{
    // A search on the loopback interface where no terminal listens: after a
    // few seconds the indicator stops and the user is told.
    cSSLClient* pLink = cSSLClient::instance();
    QUdpSocket probe;
    QVERIFY(probe.bind(QHostAddress(QHostAddress::LocalHost), 0));
    const quint16 u16FreePort = probe.localPort();
    probe.close();
    pLink->vSetInterfaceAddresses({QHostAddress(QHostAddress::LocalHost)});
    pLink->vSetPorts(u16FreePort, u16FreePort);

    cEinstellungen* pPage = cEinstellungen::instance();
    pPage->vSetConnectionState(false, QString());
    pPage->show();
    QTest::mouseClick(child<QPushButton>("pushButton_terminalSuchen"), Qt::LeftButton);
    QVERIFY(child<QLabel>("label_loading")->isVisible());
    QVERIFY(m_slMessages.isEmpty());

    QTRY_VERIFY_WITH_TIMEOUT(!m_slMessages.isEmpty(), cEinstellungen::s32SearchTimeoutMs + 2000);
    QCOMPARE(m_slMessages.size(), 1);
    QVERIFY(m_slMessages.first().startsWith("Kein Terminal hat geantwortet."));
    QVERIFY(!child<QLabel>("label_loading")->isVisible());
    QVERIFY(child<QLabel>("label_Indicator")->isVisible());
    pPage->hide();
}

void tst_SettingsPage::subpagesLeftByTapOrKey_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<bool>("tap");
    for (const char* pPage : {"info", "terminal list"}) {
        QTest::newRow(qPrintable(QStringLiteral("%1, back button").arg(pPage))) << pPage << true;
        QTest::newRow(qPrintable(QStringLiteral("%1, back key").arg(pPage))) << pPage << false;
    }
}

void tst_SettingsPage::subpagesLeftByTapOrKey()
{
    // Without a keyboard the header's back button is the only way out; it
    // leads where the back key leads: to the settings page.
    QFETCH(QString, page);
    QFETCH(bool, tap);
    QWidget* pPage = page == "info" ? static_cast<QWidget*>(cInfoSeite::instance())
                                    : static_cast<QWidget*>(cfahrzeugelist::instance());
    cEinstellungen::instance()->hide();
    pPage->show();
    if (tap) {
        auto* pBack = pPage->findChild<QPushButton*>("pushButton_back");
        QVERIFY(pBack);
        QVERIFY(pBack->isVisible());
        QVERIFY(!pBack->icon().isNull());
        QVERIFY(!pBack->toolTip().isEmpty());
        QTest::mouseClick(pBack, Qt::LeftButton);
    } else {
        QTest::keyRelease(pPage, Qt::Key_Back);
    }
    QVERIFY(!pPage->isVisible());
    QVERIFY(cEinstellungen::instance()->isVisible());
    cEinstellungen::instance()->hide();
}

QTEST_MAIN(tst_SettingsPage)
#include "tst_settingspage.moc"

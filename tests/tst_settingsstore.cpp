#include "app/settingsstore.h"
#include "terminal/knownterminals.h"
#include "testsupport.h"

#include <QSettings>
#include <QtTest>

#include <atomic>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <thread>

// Every stored value through its accessor: it reads and writes the one
// application name and key under "Lindqvarth" that earlier versions of the
// application used, and gives its default while nothing is stored.
namespace
{

struct Accessor {
    std::function<QVariant()> fnRead;
    std::function<void(const QVariant&)> fnWrite;
    std::function<QString()> fnFileName;
};

template <class T> Accessor accessorOf(const SettingsStore::Setting<T>& _setting)
{
    return {[&_setting] { return QVariant::fromValue(_setting.tValue()); },
            [&_setting](const QVariant& _value) { _setting.vSet(_value.value<T>()); },
            [&_setting] { return _setting.strFileName(); }};
}

const char* const ORGANISATION = "Lindqvarth";
const char* const APPLICATIONS[] = {"LANGUAGE", "QSettings", "Client", "Email", "Directory"};

void vClearStore()
{
    for (const char* strApplication : APPLICATIONS)
        QSettings(ORGANISATION, strApplication).clear();
}

// Every key in the store as "application/key".
QStringList slStoredKeys()
{
    QStringList keys;
    for (const char* strApplication : APPLICATIONS) {
        for (const QString& key : QSettings(ORGANISATION, strApplication).allKeys())
            keys.append(QLatin1String(strApplication) + QLatin1Char('/') + key);
    }
    return keys;
}

} // namespace

Q_DECLARE_METATYPE(Accessor)

class tst_SettingsStore : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { TestSupport::vIsolate(); }
    void init() { vClearStore(); }
    void storedUnderItsKey_data();
    void storedUnderItsKey();
    void passwordStoreIsOwnerOnlyFromTheStart_data();
    void passwordStoreIsOwnerOnlyFromTheStart();
};

void tst_SettingsStore::storedUnderItsKey_data()
{
    QTest::addColumn<Accessor>("accessor");
    QTest::addColumn<QString>("application");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("defaultValue");
    // Written into the store directly, and what the accessor reads of it.
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QVariant>("read");
    // Written through the accessor, found so in the store.
    QTest::addColumn<QVariant>("written");

    using namespace SettingsStore;
    const QVariant noText = QVariant(QString());
    QTest::newRow("language") << accessorOf(LANGUAGE) << "LANGUAGE"
                              << "Language" << noText << QVariant("Englisch") << QVariant("Englisch")
                              << QVariant("Spanisch");
    QTest::newRow("language number, stored as text")
        << accessorOf(LANGUAGE_NUMBER) << "LANGUAGE"
        << "Number" << QVariant(0) << QVariant("260") << QVariant(260) << QVariant(13);
    QTest::newRow("list path") << accessorOf(LIST_PATH) << "QSettings"
                               << "strPfad" << noText << QVariant("/karte/Auftraege.csv")
                               << QVariant("/karte/Auftraege.csv") << QVariant("/home/Kunden.csv");
    QTest::newRow("list type") << accessorOf(LIST_TYPE) << "QSettings"
                               << "strWhichTypeOfList" << noText << QVariant("Auftraege.csv")
                               << QVariant("Auftraege.csv") << QVariant("Kunden.csv");
    QTest::newRow("known terminals, one entry stored as text")
        << accessorOf(KNOWN_TERMINALS) << "Client"
        << "list" << QVariant(QStringList()) << QVariant("WAB123") << QVariant(QStringList{"WAB123"})
        << QVariant(QStringList{"WAB123", "1234", "LQ-7",
                                QString::fromLatin1("W\xe4"
                                                    "B")});
    QTest::newRow("last chassis") << accessorOf(LAST_CHASSIS) << "Client"
                                  << "LastChassis" << noText << QVariant("WAB123") << QVariant("WAB123")
                                  << QVariant("LQ-7");
    QTest::newRow("e-mail") << accessorOf(EMAIL) << "Email"
                            << "Addrese" << noText << QVariant("chef@hof.de") << QVariant("chef@hof.de")
                            << QVariant("buero@hof.de");
    QTest::newRow("folder of the chooser")
        << accessorOf(WHERE_TO_EXPAND) << "Directory"
        << "wheretoexpand" << noText << QVariant("/karte") << QVariant("/karte") << QVariant("/home/listen");
}

void tst_SettingsStore::storedUnderItsKey()
{
    QFETCH(Accessor, accessor);
    QFETCH(QString, application);
    QFETCH(QString, key);
    QFETCH(QVariant, defaultValue);
    QFETCH(QVariant, stored);
    QFETCH(QVariant, read);
    QFETCH(QVariant, written);

    // Nothing stored: the default, and reading writes nothing.
    QCOMPARE(accessor.fnRead(), defaultValue);
    QCOMPARE(slStoredKeys(), QStringList());

    QSettings(ORGANISATION, application).setValue(key, stored);
    QCOMPARE(accessor.fnRead(), read);

    accessor.fnWrite(written);
    QCOMPARE(QSettings(ORGANISATION, application).value(key), written);
    QCOMPARE(slStoredKeys(), QStringList{application + QLatin1Char('/') + key});
    QCOMPARE(accessor.fnFileName(), QSettings(ORGANISATION, application).fileName());
}

void tst_SettingsStore::passwordStoreIsOwnerOnlyFromTheStart_data()
{
    QTest::addColumn<int>("oldMode"); // of a store written by an earlier version; 0: none
    QTest::newRow("no store yet") << 0;
    QTest::newRow("store readable by all") << 0644;
}

// The store of the known terminals holds their passwords. While it is
// written, neither it nor the file QSettings writes beside it is ever
// readable by group or others, watched by a thread that looks at every file
// of the folder as fast as it can.
void tst_SettingsStore::passwordStoreIsOwnerOnlyFromTheStart()
{
    QFETCH(int, oldMode);
    const QString strFile = SettingsStore::KNOWN_TERMINALS.strFileName();
    const QByteArray baFolder = QFile::encodeName(QFileInfo(strFile).absolutePath());
    QFile::remove(strFile);
    if (oldMode != 0) {
        QSettings(ORGANISATION, "Client").setValue("LastChassis", "ALT1");
        QVERIFY(QFile::setPermissions(strFile, QFileDevice::Permissions(0x6644)));
        QCOMPARE(QFileInfo(strFile).permissions() & QFileDevice::ReadOther, QFileDevice::ReadOther);
    }

    // The old store as it was before the secret came: readable by others,
    // but holding none. Seen unchanged before the first write, it is no fault.
    struct stat old = {};
    const bool bOld = ::stat(QFile::encodeName(strFile).constData(), &old) == 0;
    const auto bUntouchedOld = [&](const struct stat& _info) {
        return bOld && _info.st_ino == old.st_ino && _info.st_size == old.st_size &&
               _info.st_mtim.tv_sec == old.st_mtim.tv_sec && _info.st_mtim.tv_nsec == old.st_mtim.tv_nsec;
    };

    std::atomic<bool> bStop{false};
    std::atomic<int> s32Looks{0};
    QStringList slOpen; // files seen readable by others, with their mode
    std::thread watcher([&] {
        while (!bStop) {
            DIR* pDir = ::opendir(baFolder.constData());
            if (!pDir)
                continue;
            while (const dirent* pEntry = ::readdir(pDir)) {
                // The store and the file written beside it; the lock file holds no secret.
                const QByteArray baName(pEntry->d_name);
                if (!baName.startsWith("Client.conf") || baName.endsWith(".lock"))
                    continue;
                struct stat info;
                if (::fstatat(::dirfd(pDir), pEntry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
                    info.st_size > 0 && (info.st_mode & 077) != 0 && !bUntouchedOld(info))
                    slOpen << QString::fromLatin1(baName) + QString::number(info.st_mode & 0777, 8);
            }
            ::closedir(pDir);
            ++s32Looks;
        }
    });
    // The bare setting first: it alone must make the file owner-only.
    SettingsStore::KNOWN_TERMINALS.vSet({"LQ-4711-0815", "Zuckerhut77"});
    for (int i = 0; i < 20; ++i)
        KnownTerminals::vSave({"LQ-4711-0815", QByteArray("Zuckerhut") + QByteArray::number(i)}, "WAB123");
    bStop = true;
    watcher.join();

    QVERIFY(s32Looks > 0);
    QVERIFY2(slOpen.isEmpty(),
             qPrintable(QString("%1 times, first %2").arg(slOpen.size()).arg(slOpen.value(0))));
    struct stat info;
    QCOMPARE(::stat(QFile::encodeName(strFile).constData(), &info), 0);
    QCOMPARE(int(info.st_mode & 0777), 0600);
    QCOMPARE(SettingsStore::LAST_CHASSIS.tValue(), QString("WAB123"));
}

QTEST_MAIN(tst_SettingsStore)
#include "tst_settingsstore.moc"

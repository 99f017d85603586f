#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#include <unistd.h>

static void initResources()
{
    Q_INIT_RESOURCE(vemoresources);
}

namespace TestSupport
{

namespace
{
QTemporaryDir* homeDir()
{
    // Removed with everything in it when the test program ends.
    static QTemporaryDir s_dir;
    return &s_dir;
}
} // namespace

void vIsolate()
{
    const QString home = homeDir()->path();
    qputenv("HOME", home.toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home + "/.config").toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home + "/.local/share").toLocal8Bit());
    qputenv("XDG_CACHE_HOME", (home + "/.cache").toLocal8Bit());
    QDir().mkpath(home + "/.config");
    QDir().mkpath(home + "/Downloads");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home + "/.config");
    initResources();
    // As the application starts with no language stored: German numbers and dates.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

QString strHome()
{
    return homeDir()->path();
}

QString strDownloads()
{
    return QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
}

QString strWriteFile(const QString& _strPath, const QByteArray& _baContent)
{
    QDir().mkpath(QFileInfo(_strPath).absolutePath());
    QFile file(_strPath);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(_baContent);
    return _strPath;
}

QByteArray baReadFile(const QString& _strPath)
{
    QFile file(_strPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

cSmallDisk::cSmallDisk(const QString& _strFolder, int _s32KiB)
    : m_strOptions(QStringLiteral("size=%1k,mode=0755").arg(_s32KiB))
{
    m_strFolder = _strFolder;
    if (m_strFolder.isEmpty()) {
        QTemporaryDir temporary;
        temporary.setAutoRemove(false);
        m_strFolder = m_strTemporary = temporary.path();
    } else if (!QFileInfo(m_strFolder).isDir()) {
        QDir().mkpath(m_strFolder);
        m_strTemporary = m_strFolder;
    }
    if (::geteuid() != 0) {
        m_strWhyNot = QStringLiteral("mounting a small file system needs root");
        return;
    }
    const QByteArray baFolder = QFile::encodeName(m_strFolder);
    if (::mount("tmpfs", baFolder.constData(), "tmpfs", 0, m_strOptions.toLatin1().constData()) != 0) {
        m_strWhyNot = QStringLiteral("cannot mount a tmpfs: %1").arg(QString::fromLocal8Bit(strerror(errno)));
        return;
    }
    m_bMounted = true;
}

cSmallDisk::~cSmallDisk()
{
    if (m_bMounted)
        ::umount2(QFile::encodeName(m_strFolder).constData(), MNT_DETACH);
    if (!m_strTemporary.isEmpty())
        QDir(m_strTemporary).removeRecursively();
}

bool cSmallDisk::bFill()
{
    QFile filler(m_strFolder + QStringLiteral("/filler"));
    if (!m_bMounted || !filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray baBlock(4096, 'x');
    while (filler.write(baBlock) > 0) {
    }
    // The rest of a block, byte by byte.
    while (filler.write("x", 1) == 1) {
    }
    return QStorageInfo(m_strFolder).bytesAvailable() == 0;
}

bool cSmallDisk::bMakeReadOnly()
{
    return m_bMounted && ::mount(nullptr, QFile::encodeName(m_strFolder).constData(), nullptr,
                                 MS_REMOUNT | MS_RDONLY, m_strOptions.toLatin1().constData()) == 0;
}

} // namespace TestSupport

#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

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
    static QTemporaryDir* s_pDir = new QTemporaryDir();
    return s_pDir;
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

} // namespace TestSupport

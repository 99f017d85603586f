#pragma once

#include <QByteArray>
#include <QString>

// Shared test set-up: every test runs with its own home folder, settings
// store and download folder, so nothing of the user's is read or written.
namespace TestSupport
{

// Call first in initTestCase(). Points HOME, the XDG folders and the settings
// store into a temporary folder that lives until the test ends, creates the
// download folder and registers the embedded resources.
void vIsolate();

// The temporary home folder of this test run.
QString strHome();
// The download folder inside it.
QString strDownloads();

// Writes bytes to a file (creating folders) and returns its path.
QString strWriteFile(const QString& _strPath, const QByteArray& _baContent);
QByteArray baReadFile(const QString& _strPath);

// A small file system (tmpfs) mounted on a folder for the time of a test, to
// see how writers meet a full or read-only disk. Mounting needs root; where
// it fails, strWhyNot() says why (for QSKIP). Unmounted when it goes.
class cSmallDisk
{
public:
    // Mounts on _strFolder (made when missing), or on a temporary folder.
    explicit cSmallDisk(const QString& _strFolder = QString(), int _s32KiB = 64);
    ~cSmallDisk();
    cSmallDisk(const cSmallDisk&) = delete;
    cSmallDisk& operator=(const cSmallDisk&) = delete;

    bool bMounted() const { return m_bMounted; }
    QString strWhyNot() const { return m_strWhyNot; }
    QString strPath() const { return m_strFolder; }
    // Takes every free byte (a file "filler" at the top).
    bool bFill();
    // Mounts it again read-only.
    bool bMakeReadOnly();

private:
    QString m_strFolder;
    QString m_strTemporary; // the folder made for it, removed at the end
    QString m_strOptions;
    bool m_bMounted = false;
    QString m_strWhyNot;
};

} // namespace TestSupport

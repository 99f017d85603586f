#include "data/filewriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace FileWriter
{

namespace
{

QString strTr(const char* _pText)
{
    return QCoreApplication::translate("FileWriter", _pText);
}

} // namespace

Failure failureOf(int _s32Errno, const QString& _strFolder)
{
    switch (_s32Errno) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return Failure::DiskFull;
    case EROFS:
        return Failure::ReadOnly;
    case EACCES:
    case EPERM:
        return Failure::NoPermission;
    case ENOENT:
    case ENOTDIR:
        return Failure::MissingFolder;
    case ENAMETOOLONG:
        return Failure::NameTooLong;
    default:
        break;
    }
    // No number that tells (the failed call's was overwritten, or it says
    // nothing the user can act on): the folder itself.
    const QFileInfo info(_strFolder);
    if (!info.isDir())
        return Failure::MissingFolder;
    const QStorageInfo storage(_strFolder);
    if (storage.isValid() && storage.isReadOnly())
        return Failure::ReadOnly;
    if (!info.isWritable())
        return Failure::NoPermission;
    if (storage.isValid() && storage.bytesAvailable() <= 0)
        return Failure::DiskFull;
    return Failure::Other;
}

QString strReason(Failure _failure)
{
    switch (_failure) {
    case Failure::DiskFull:
        return strTr(QT_TRANSLATE_NOOP("FileWriter", "Der Datenträger ist voll."));
    case Failure::ReadOnly:
        return strTr(QT_TRANSLATE_NOOP("FileWriter", "Der Datenträger ist schreibgeschützt."));
    case Failure::NoPermission:
        return strTr(QT_TRANSLATE_NOOP("FileWriter", "Keine Berechtigung zum Schreiben in diesen Ordner."));
    case Failure::MissingFolder:
        return strTr(
            QT_TRANSLATE_NOOP("FileWriter", "Der Ordner fehlt, oder an seiner Stelle liegt eine Datei."));
    case Failure::NameTooLong:
        return strTr(QT_TRANSLATE_NOOP("FileWriter", "Der Dateiname ist zu lang."));
    case Failure::NotRegularFile:
        return strTr(QT_TRANSLATE_NOOP(
            "FileWriter", "Unter diesem Namen liegt ein Verweis oder ein Ordner, keine gewöhnliche Datei."));
    case Failure::None:
    case Failure::Other:
        break;
    }
    return strTr(QT_TRANSLATE_NOOP("FileWriter", "Unbekannter Fehler beim Schreiben."));
}

QString strCannotSave(const QString& _strPath, Failure _failure)
{
    return strTr(QT_TRANSLATE_NOOP("FileWriter", "Die Datei %1 konnte nicht gespeichert werden: %2"))
        .arg(QDir::toNativeSeparators(_strPath), strReason(_failure));
}

bool cFolders::bMake(const QString& _strFolder, Failure* _pFailure)
{
    const auto fail = [&](Failure _failure) {
        if (_pFailure)
            *_pFailure = _failure;
        vRemoveMade();
        return false;
    };
    // The missing folders from the outermost on.
    QStringList slMissing;
    QString strPath = QDir::cleanPath(QDir(_strFolder).absolutePath());
    while (!QFileInfo::exists(strPath) && !QFileInfo(strPath).isSymLink()) {
        slMissing.prepend(strPath);
        const QString strParent = QFileInfo(strPath).path();
        if (strParent == strPath)
            break;
        strPath = strParent;
    }
    for (const QString& strFolder : qAsConst(slMissing)) {
        errno = 0;
        if (QDir().mkdir(strFolder)) {
            m_slMade.append(strFolder);
            continue;
        }
        const int s32Errno = errno;
        // Made meanwhile by someone else: as good.
        if (!QFileInfo(strFolder).isDir())
            return fail(failureOf(s32Errno, QFileInfo(strFolder).path()));
    }
    // A file, or a link to nowhere, where the folder belongs.
    if (!QFileInfo(_strFolder).isDir())
        return fail(Failure::MissingFolder);
    return true;
}

void cFolders::vRemoveMade()
{
    for (auto it = m_slMade.crbegin(); it != m_slMade.crend(); ++it)
        QDir().rmdir(*it);
    m_slMade.clear();
}

bool bWrite(const QString& _strPath, const QByteArray& _baContent, Failure* _pFailure,
            QIODevice::OpenMode _extraMode)
{
    const QString strFolder = QFileInfo(_strPath).absolutePath();
    // The error number is taken at once, before anything else can overwrite it.
    const auto fail = [&](int _s32Errno) {
        if (_pFailure)
            *_pFailure = failureOf(_s32Errno, strFolder);
        return false;
    };
    QSaveFile file(_strPath);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | _extraMode))
        return fail(errno);
    // A small content waits in the file's buffer, and the commit would rename
    // the file even when the buffer cannot be written out (a full disk gave an
    // empty file): the flush is checked here, and the bytes are forced to the
    // disk, where a file system that allocates late reports a lack of room.
    // A failure discards the new file (its destructor removes it).
    errno = 0;
    if (file.write(_baContent) != _baContent.size() || !file.flush())
        return fail(errno);
#ifdef Q_OS_UNIX
    errno = 0;
    if (::fsync(file.handle()) != 0 && errno != EINVAL && errno != EROFS)
        return fail(errno);
#endif
    errno = 0;
    if (!file.commit())
        return fail(errno);
    return true;
}

} // namespace FileWriter

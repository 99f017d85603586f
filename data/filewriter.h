#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringList>

// Writing a file so that a failure is noticed, leaves nothing behind and can
// be explained: every writer of the application (exports, reports, rewritten
// lists, files received from the terminal) writes through here and words its
// message with strReason.
namespace FileWriter
{

// Why a write failed, in the kinds the user can act on.
// NotRegularFile: a link, a folder or another non-file stands under the name
// and is not replaced.
enum class Failure {
    None,
    DiskFull,
    ReadOnly,
    NoPermission,
    MissingFolder,
    NameTooLong,
    NotRegularFile,
    Other
};

// The kind of a failure from the error number the failed call left (errno);
// where that tells nothing, from a look at _strFolder (the folder written
// into): missing, on a read-only file system, not writable, without room.
Failure failureOf(int _s32Errno, const QString& _strFolder);

// The reason in the interface language; never the system's English text.
QString strReason(Failure _failure);

// "Die Datei <path> konnte nicht gespeichert werden: <reason>"
QString strCannotSave(const QString& _strPath, Failure _failure);

// The folders a write makes on its way: made by bMake with their missing
// parents, removed again by vRemoveMade (only those made here, deepest
// first, and only while empty), so that a failed write leaves no empty
// folders behind.
class cFolders
{
public:
    bool bMake(const QString& _strFolder, Failure* _pFailure);
    void vRemoveMade();

private:
    QStringList m_slMade; // outermost first
};

// Writes _baContent to _strPath through a file beside it that replaces
// _strPath only once every byte is written (the last write, the flush to the
// disk and the rename all checked). A failure leaves an older file of that
// name as it was, no new file, and the kind in _pFailure.
// _extraMode: QIODevice::Text for line ends in the platform's form.
bool bWrite(const QString& _strPath, const QByteArray& _baContent, Failure* _pFailure,
            QIODevice::OpenMode _extraMode = QIODevice::NotOpen);

} // namespace FileWriter

#pragma once

#include "data/archiveimport.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QVector>

// The files on their way into the archive. Each arriving file is first laid
// down here, as one file of its own with its machine and time of arrival,
// and leaves only when the archive it belongs in holds it: a file that
// arrives while the archive cannot take it (a server out of reach, a locked
// or full disk) or while the program is stopped goes in later.
//
// An entry's file is one line of JSON with the name, the machine and the
// time, then the file's bytes as they arrived.
namespace ArchiveInboxEntry
{

QByteArray baEncode(const ArchiveInput& _input);
// False for bytes that are no entry (cut short, damaged); _input is then
// left as it was. Pure: any bytes give an answer.
bool bDecode(const QByteArray& _baEntry, ArchiveInput& _input);

} // namespace ArchiveInboxEntry

class cArchiveInbox
{
    Q_DECLARE_TR_FUNCTIONS(cArchiveInbox)

public:
    struct Entry {
        QString strPath;
        // Already in the local archive while the server could not be
        // reached: owed to the server only.
        bool bInLocalArchive = false;
    };

    explicit cArchiveInbox(const QString& _strFolder);
    QString strFolder() const { return m_strFolder; }

    // Lays the file down; false with a translated message naming the file
    // and the reason when it cannot be written (nothing is left behind).
    bool bAdd(const ArchiveInput& _input, QString* _pMessage);
    // The waiting entries, oldest first.
    QVector<Entry> entries() const;
    bool bRead(const Entry& _entry, ArchiveInput& _input) const;
    bool bMarkInLocalArchive(Entry& _entry) const;
    bool bRemove(const Entry& _entry) const;
    // An entry that cannot be read keeps its bytes under a name of its own,
    // beside the others, where nothing reads it again.
    void vSetAside(const Entry& _entry) const;
    static QString strSetAsidePath(const Entry& _entry);

private:
    QString m_strFolder;
};

#pragma once

#include "data/archiveinbox.h"
#include "data/archiveserver.h"

#include <QObject>
#include <QString>

#include <memory>

class cArchiveStore;
class QTimer;

// Keeps every list and statistics file that arrives in the archive: the
// local SQLite file, or the office's PostgreSQL server when one is set up.
// A file waits in the inbox until the archive it belongs in holds it. While
// the server cannot be reached, files go into the local archive as well, and
// into the server on the first connection that succeeds. Each problem is told
// once, until the archive works again.
//
// The keeper may live in a thread of its own (the application's imports
// never hold up its pages): its database connections are made and used in
// the thread its slots run in.
class cArchiveKeeper : public QObject
{
    Q_OBJECT

public:
    cArchiveKeeper(const QString& _strLocalArchive, const QString& _strInboxFolder,
                   QObject* _pParent = nullptr);
    ~cArchiveKeeper() override;

    // Beside the local archive: "archive-inbox" in the application's data folder.
    static QString strDefaultInboxFolder();

    // How long files wait before the next try while the archive cannot take
    // them (a minute unless set).
    void vSetRetryPeriod(int _s32Ms);

public slots:
    // Where the archive is from now on; files waiting for the server go in
    // when it is reached. An incomplete or unused server means the local
    // archive.
    void vSetServer(const ArchiveServer& _server);
    // A file as it arrived now from the connected machine (both numbers
    // empty for a file from disk).
    void vKeep(const QString& _strFileName, const QByteArray& _baContent, const QString& _strChassis,
               const QString& _strSerial);
    void vKeepInput(const ArchiveInput& _input);
    // Tries the waiting files again.
    void vCatchUp();

signals:
    // A translated text naming the archive or the file and the reason.
    void messageForUser(const QString& _strText);
    // After each try: the archive the files go to (a file's path or a
    // server), whether that is the server, and how many files still wait.
    void stateChanged(const QString& _strArchive, bool _bServer, int _s32Waiting);

private:
    enum class Outcome { Stored, Kept };

    cArchiveStore& localStore();
    // The server's store when it is set up and answers; null otherwise
    // (asked once per try, the reason told once).
    cArchiveStore* pServerStore();
    Outcome storeOnServer(cArchiveInbox::Entry& _entry, const ArchiveInput& _input);
    Outcome storeLocally(cArchiveInbox::Entry& _entry, const ArchiveInput& _input, bool _bFallback);
    void vServerOut(const QString& _strWhy);
    void vDropServer();
    void vTell(const QString& _strProblem, const QString& _strText);
    QString strWaitsText() const;
    QString strArchiveInUse() const;

    const QString m_strLocalArchive;
    cArchiveInbox m_inbox;
    ArchiveServer m_server;
    const int m_s32Number; // names this keeper's connections
    const QString m_strLocalConnection;
    const QString m_strServerConnection;
    std::unique_ptr<cArchiveStore> m_pLocal;
    std::unique_ptr<cArchiveStore> m_pServer;
    // Within one try: the server was asked and did not answer.
    bool m_bServerAskedThisTry = false;
    bool m_bServerOut = false;
    // Within one try: the local archive could not be opened.
    bool m_bLocalClosedThisTry = false;
    // The problems told since the archive last took every file.
    QStringList m_slToldProblems;
    QTimer* m_pRetryTimer = nullptr;
};

#pragma once

#include "terminal/filemessage.h"

#include <QByteArray>
#include <QString>

class cLinkSession;

// The files of the terminal link: stores what the terminal sends in answer to
// a download request in the download folder, and sends a list file of the
// user to the terminal. A received file is stored only when a download of its
// kind is pending and its name is that of a list; anything else is logged as
// an unexpected file and dropped.
class cLinkFileTransfer
{
public:
    explicit cLinkFileTransfer(cLinkSession& _session);

    // A new connection: nothing requested on the last one is pending.
    void vNewConnection() { m_pendingDownloads.vClear(); }
    // A message went out: a download request makes a file of its kind welcome.
    void vSent(const QByteArray& _baMessage) { m_pendingDownloads.vSent(_baMessage); }

    void vStoreReceivedFile(const QByteArray& _baKind, const QByteArray& _baFile);
    void vSendFileFromPath(const QString& _strPath, const QString& _strKind);
    void vSendFile(const QByteArray& _baKind);

private:
    cLinkSession& m_session;
    QString m_strSendFilePath;
    // The request words sent on this connection and not yet answered by a
    // file of their kind.
    FileMessage::cPendingDownloads m_pendingDownloads;
};

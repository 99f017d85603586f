#pragma once

#include "data/archiveserver.h"

#include <QObject>

class cArchiveKeeper;
class QThread;

// The application's archive keeper in a thread of its own, so that a big
// import never holds up a page. Every call reaches the keeper through its
// thread's event queue; its messages and states come back the same way.
class cArchiveThread : public QObject
{
    Q_OBJECT

public:
    // The default archive and inbox, the server as stored in the settings.
    // The thread ends (its current import finished) when the application quits.
    static cArchiveThread* instance();
    ~cArchiveThread() override;

    void vKeep(const QString& _strFileName, const QByteArray& _baContent, const QString& _strChassis,
               const QString& _strSerial);
    void vSetServer(const ArchiveServer& _server);
    void vCatchUp();

    // The last state the keeper reported.
    QString strArchive() const { return m_strArchive; }
    bool bServer() const { return m_bServer; }
    int s32Waiting() const { return m_s32Waiting; }

signals:
    void messageForUser(const QString& _strText);
    void stateChanged(const QString& _strArchive, bool _bServer, int _s32Waiting);

private:
    cArchiveThread();
    void vStop();

    QThread* m_pThread = nullptr;
    cArchiveKeeper* m_pKeeper = nullptr;
    QString m_strArchive;
    bool m_bServer = false;
    int m_s32Waiting = 0;
};

#include "app/archivethread.h"

#include "data/archivekeeper.h"
#include "data/archivestore.h"

#include <QCoreApplication>
#include <QThread>

cArchiveThread* cArchiveThread::instance()
{
    static cArchiveThread* s_pInstance = new cArchiveThread();
    return s_pInstance;
}

cArchiveThread::cArchiveThread() : QObject(QCoreApplication::instance())
{
    m_pThread = new QThread(this);
    m_pThread->setObjectName(QStringLiteral("archive"));
    m_pKeeper = new cArchiveKeeper(cArchiveStore::strDefaultPath(), cArchiveKeeper::strDefaultInboxFolder());
    m_pKeeper->moveToThread(m_pThread);
    // The keeper goes in its own thread, with its database connections.
    connect(m_pThread, &QThread::finished, m_pKeeper, &QObject::deleteLater);
    connect(m_pKeeper, &cArchiveKeeper::messageForUser, this, &cArchiveThread::messageForUser);
    connect(m_pKeeper, &cArchiveKeeper::stateChanged, this,
            [this](const QString& _strArchive, bool _bServer, int _s32Waiting) {
                m_strArchive = _strArchive;
                m_bServer = _bServer;
                m_s32Waiting = _s32Waiting;
                emit stateChanged(_strArchive, _bServer, _s32Waiting);
            });
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, &cArchiveThread::vStop);
    m_pThread->start(QThread::LowPriority);
    // Files left waiting by an earlier run go in first.
    vSetServer(ArchiveServer::load());
    vCatchUp();
}

cArchiveThread::~cArchiveThread()
{
    vStop();
}

void cArchiveThread::vKeep(const QString& _strFileName, const QByteArray& _baContent,
                           const QString& _strChassis, const QString& _strSerial)
{
    cArchiveKeeper* pKeeper = m_pKeeper;
    QMetaObject::invokeMethod(pKeeper,
                              [=] { pKeeper->vKeep(_strFileName, _baContent, _strChassis, _strSerial); });
}

void cArchiveThread::vSetServer(const ArchiveServer& _server)
{
    cArchiveKeeper* pKeeper = m_pKeeper;
    QMetaObject::invokeMethod(pKeeper, [=] { pKeeper->vSetServer(_server); });
}

void cArchiveThread::vCatchUp()
{
    cArchiveKeeper* pKeeper = m_pKeeper;
    QMetaObject::invokeMethod(pKeeper, [=] { pKeeper->vCatchUp(); });
}

void cArchiveThread::vStop()
{
    // An import under way ends with its transaction; what waits stays in
    // the inbox for the next start.
    m_pThread->quit();
    m_pThread->wait();
}

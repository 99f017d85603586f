#include "netnspair.h"

#include <QCoreApplication>
#include <QDebug>
#include <QProcess>
#include <QStandardPaths>

#include <unistd.h>

cNetnsPair::cNetnsPair(const QString& _strClientTag, const QString& _strTerminalTag,
                       const QString& _strSubnet)
    : m_strSubnet(_strSubnet)
{
    // Link names have at most 15 characters: the id keeps them short.
    const QString strId = QString::number(QCoreApplication::applicationPid() % 100000);
    m_strClientNs = "vemo-" + _strClientTag + "-" + strId;
    m_strTerminalNs = "vemo-" + _strTerminalTag + "-" + strId;
    m_strClientLink = "v" + _strClientTag + strId;
    m_strTerminalLink = "v" + _strTerminalTag + strId;
}

cNetnsPair::~cNetnsPair()
{
    vRemove();
}

bool cNetnsPair::bCreate(QString* _pstrSkip)
{
    _pstrSkip->clear();
    if (geteuid() != 0) {
        *_pstrSkip = QStringLiteral("network namespaces need root");
        return false;
    }
    if (QStandardPaths::findExecutable(QStringLiteral("ip")).isEmpty()) {
        *_pstrSkip = QStringLiteral("the ip command is missing (iproute2)");
        return false;
    }
    if (!bIp({"netns", "add", m_strClientNs})) {
        *_pstrSkip = QStringLiteral("network namespaces cannot be made here");
        return false;
    }
    m_bClientNs = true;
    if (!bIp({"netns", "add", m_strTerminalNs}))
        return false;
    m_bTerminalNs = true;
    const QString strMask = QStringLiteral("/24");
    return bIp({"link", "add", m_strClientLink, "type", "veth", "peer", "name", m_strTerminalLink}) &&
           bIp({"link", "set", m_strClientLink, "netns", m_strClientNs}) &&
           bIp({"link", "set", m_strTerminalLink, "netns", m_strTerminalNs}) &&
           bIp({"-n", m_strClientNs, "addr", "add", strClientAddress() + strMask, "dev", m_strClientLink}) &&
           bIp({"-n", m_strTerminalNs, "addr", "add", strTerminalAddress() + strMask, "dev",
                m_strTerminalLink}) &&
           bIp({"-n", m_strClientNs, "link", "set", "lo", "up"}) &&
           bIp({"-n", m_strClientNs, "link", "set", m_strClientLink, "up"}) &&
           bIp({"-n", m_strTerminalNs, "link", "set", "lo", "up"}) &&
           bIp({"-n", m_strTerminalNs, "link", "set", m_strTerminalLink, "up"});
}

void cNetnsPair::vRemove()
{
    if (m_bClientNs)
        bIp({"netns", "del", m_strClientNs});
    if (m_bTerminalNs)
        bIp({"netns", "del", m_strTerminalNs});
    m_bClientNs = m_bTerminalNs = false;
}

bool cNetnsPair::bIp(const QStringList& _slArgs)
{
    QProcess ip;
    ip.setProcessChannelMode(QProcess::MergedChannels);
    ip.start(QStringLiteral("ip"), _slArgs);
    if (!ip.waitForFinished(10000) || ip.exitStatus() != QProcess::NormalExit || ip.exitCode() != 0) {
        qWarning() << "ip" << _slArgs << ip.readAll();
        return false;
    }
    return true;
}

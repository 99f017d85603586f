#pragma once

#include <QString>
#include <QStringList>

// Two network namespaces joined by a veth pair on a /24 of their own, so that
// broadcasts between a client and a terminal never leave this machine. The
// namespaces are "vemo-<tag>-<pid>", their links "v<tag><pid>"; the client
// side gets <subnet>.1, the terminal side <subnet>.2. Different tags and
// subnets let several tests run at the same time. Needs root and the ip command.
class cNetnsPair
{
public:
    cNetnsPair(const QString& _strClientTag, const QString& _strTerminalTag, const QString& _strSubnet);
    ~cNetnsPair();
    cNetnsPair(const cNetnsPair&) = delete;
    cNetnsPair& operator=(const cNetnsPair&) = delete;

    // Makes both namespaces, the link between them and brings them up. When
    // this machine cannot have namespaces (no root, no ip command), returns
    // false with the reason in *_pstrSkip, for QSKIP. A step that fails after
    // that returns false with *_pstrSkip empty; the ip output is logged.
    bool bCreate(QString* _pstrSkip);
    // Deletes the namespaces made so far, and with them both ends of the link.
    void vRemove();

    QString strClientNs() const { return m_strClientNs; }
    QString strTerminalNs() const { return m_strTerminalNs; }
    QString strClientLink() const { return m_strClientLink; }
    QString strTerminalLink() const { return m_strTerminalLink; }
    QString strClientAddress() const { return m_strSubnet + ".1"; }
    QString strTerminalAddress() const { return m_strSubnet + ".2"; }

    // Runs "ip <args>"; logs its output when it fails.
    static bool bIp(const QStringList& _slArgs);

private:
    QString m_strClientNs;
    QString m_strTerminalNs;
    QString m_strClientLink;
    QString m_strTerminalLink;
    QString m_strSubnet;
    bool m_bClientNs = false;
    bool m_bTerminalNs = false;
};

#pragma once

#include "terminal/protocol.h"

#include <QByteArray>
#include <QHostAddress>
#include <QString>

// How the simulated terminal behaves. The defaults are those of a terminal
// that asks for its password on first contact.
struct SimConfig {
    enum class eFault {
        None,
        CloseMidFrame,  // the first download of the run stops mid-frame and the connection closes
        NegativeLength, // ... is preceded by a negative length header
        HugeLength,     // ... is preceded by a length far above any real message
        Garbage,        // random bytes in a frame before the first download of the run
        EvilName        // downloads carry their file name behind "../" ("../Fahrer.csv")
    };

    QString strSerial = QStringLiteral("LQ-4711-0815");
    QString strChassis = QStringLiteral("WAB123");
    QByteArray baPassword = "1234";
    // Where the exports lie and uploads go.
    QString strDataFolder;
    // Holds cert.pem and key.pem; both are made with openssl when missing.
    QString strCertFolder;
    // Makes a fresh pair at start in place of the stored one: the terminal
    // looks like a replaced one to the clients that know it.
    bool bNewCertificate = false;
    // Remembers the clients that logged in, across runs; empty: this run only.
    QString strStateFile;

    quint16 u16UdpPort = Protocol::UDP_PORT; // 0: any free port
    quint16 u16TlsPort = Protocol::TLS_PORT; // 0: any free port
    QHostAddress haBind = QHostAddress::Any; // TLS only; discovery listens on all addresses

    bool bNoPassword = false; // log in with "Connection established!"
    // Every client hears "Connection bekannt!", as from a device that claims
    // to know it and asks for its stored password.
    bool bClaimKnown = false;
    bool bBusy = false;           // every client hears the busy text
    bool bRefusePassword = false; // every password is wrong
    bool bDenyDownloads = false;  // downloads are answered with "Keine Berechtigung"
    int s32BreakAfterMs = -1;     // "BreakConnection" this long after a login
    eFault eFaultMode = eFault::None;
    // A rogue device: after each login a file message of this name that no
    // request asked for, of the kind given (empty: none is sent).
    QString strUnaskedName;
    QByteArray baUnaskedKind = Protocol::KIND_ORDERS;
    QByteArray baUnaskedContent = "unasked content\n";
};

// The fault names of the command line; false for an unknown name.
bool bFaultFromName(const QString& _strName, SimConfig::eFault& _eFault);

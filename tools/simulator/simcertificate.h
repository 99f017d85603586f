#pragma once

#include <QSslCertificate>
#include <QSslKey>
#include <QString>

// The simulator's self-signed certificate: cert.pem and key.pem in a folder,
// made with Debian's openssl command at the first start and reused afterwards.
struct SimCertificate {
    QSslCertificate certificate;
    QSslKey key;
};

// Loads the pair from the folder, creating it when missing or when
// _bReplace asks for a fresh one. False with a reason when openssl is missing
// or the files cannot be read.
bool bLoadOrCreateCertificate(const QString& _strFolder, bool _bReplace, SimCertificate& _cert,
                              QString& _strError);

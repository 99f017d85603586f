#include "tools/simulator/simcertificate.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>

namespace
{

QByteArray baRead(const QString& _strPath)
{
    QFile file(_strPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool bCreate(const QString& _strFolder, QString& _strError)
{
    // Made under temporary names and renamed, so a simulator starting at the
    // same moment never reads half a file.
    const QString suffix = QStringLiteral(".tmp%1").arg(QCoreApplication::applicationPid());
    const QString certTmp = _strFolder + QStringLiteral("/cert.pem") + suffix;
    const QString keyTmp = _strFolder + QStringLiteral("/key.pem") + suffix;
    QProcess openssl;
    openssl.setProcessChannelMode(QProcess::MergedChannels);
    openssl.start(
        QStringLiteral("openssl"),
        {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"), QStringLiteral("ec"),
         QStringLiteral("-pkeyopt"), QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes"),
         QStringLiteral("-keyout"), keyTmp, QStringLiteral("-out"), certTmp, QStringLiteral("-days"),
         QStringLiteral("3650"), QStringLiteral("-subj"), QStringLiteral("/CN=vemo-terminal-sim")});
    if (!openssl.waitForStarted(5000)) {
        _strError = QStringLiteral("openssl could not be started (apt-get install openssl)");
        return false;
    }
    openssl.waitForFinished(30000);
    if (openssl.exitStatus() != QProcess::NormalExit || openssl.exitCode() != 0) {
        _strError = QStringLiteral("openssl failed: ") + QString::fromLocal8Bit(openssl.readAll());
        QFile::remove(certTmp);
        QFile::remove(keyTmp);
        return false;
    }
    QFile::setPermissions(keyTmp, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QFile::remove(_strFolder + QStringLiteral("/key.pem"));
    QFile::remove(_strFolder + QStringLiteral("/cert.pem"));
    QFile::rename(keyTmp, _strFolder + QStringLiteral("/key.pem"));
    QFile::rename(certTmp, _strFolder + QStringLiteral("/cert.pem"));
    return true;
}

} // namespace

bool bLoadOrCreateCertificate(const QString& _strFolder, bool _bReplace, SimCertificate& _cert,
                              QString& _strError)
{
    if (!QDir().mkpath(_strFolder)) {
        _strError = QStringLiteral("cannot create the folder ") + _strFolder;
        return false;
    }
    const QString certPath = _strFolder + QStringLiteral("/cert.pem");
    const QString keyPath = _strFolder + QStringLiteral("/key.pem");
    if ((_bReplace || !QFile::exists(certPath) || !QFile::exists(keyPath)) && !bCreate(_strFolder, _strError))
        return false;
    _cert.certificate = QSslCertificate(baRead(certPath), QSsl::Pem);
    _cert.key = QSslKey(baRead(keyPath), QSsl::Ec, QSsl::Pem);
    if (_cert.certificate.isNull() || _cert.key.isNull()) {
        _strError = QStringLiteral("the certificate in %1 cannot be read; delete it to make a new one")
                        .arg(_strFolder);
        return false;
    }
    return true;
}

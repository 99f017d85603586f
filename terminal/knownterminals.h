#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The known terminals: a flat list of serial number, password, serial number,
// password, ... The occurrence tests run over all entries, passwords included,
// as the stored list has always been read that way. The certificate
// fingerprints are kept outside this list (terminal/certificatepins.h), so
// that no serial number a terminal names can reach them.
namespace KnownTerminals
{

bool bContains(const QList<QByteArray>& _lbaKnown, const QByteArray& _baSerial);
// The entry after the first occurrence of the serial number; false when the
// serial number is absent or has no entry after it.
bool bPasswordFor(const QList<QByteArray>& _lbaKnown, const QByteArray& _baSerial, QByteArray& _baPassword);
// Removes the first occurrence and the entry after it (if any); false when absent.
bool bRemovePair(QList<QByteArray>& _lbaKnown, const QByteArray& _baSerial);

// The settings store (application "Client"): "list" and "LastChassis". The
// file holds passwords in clear text, so it is made readable by the user alone
// after every write. Entries keep their bytes (up to a zero byte) across a
// save and a load.
QList<QByteArray> lbaLoad();
QString strLoadLastChassis();
void vSave(const QList<QByteArray>& _lbaKnown, const QString& _strLastChassis);
// The file behind that store.
QString strStoreFileName();

} // namespace KnownTerminals

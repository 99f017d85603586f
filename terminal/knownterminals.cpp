#include "terminal/knownterminals.h"

#include "app/settingsstore.h"

#include <QFile>
#include <QStringList>

namespace KnownTerminals
{

namespace
{

// Entries are stored byte for byte, one character per byte (Latin-1): the
// password dialog hands over Latin-1 bytes, which a UTF-8 round trip would
// turn into replacement characters, so the stored password would never match
// again. A character above U+00FF can only come from a store written as UTF-8,
// which is read back that way.
QByteArray baEntryFrom(const QString& _strStored)
{
    for (const QChar c : _strStored) {
        if (c.unicode() > 0xff)
            return _strStored.toUtf8();
    }
    return _strStored.toLatin1();
}

} // namespace

bool bContains(const QList<QByteArray>& _lbaKnown, const QByteArray& _baSerial)
{
    return _lbaKnown.contains(_baSerial);
}

bool bPasswordFor(const QList<QByteArray>& _lbaKnown, const QByteArray& _baSerial, QByteArray& _baPassword)
{
    const int index = _lbaKnown.indexOf(_baSerial);
    if (index < 0 || index + 1 >= _lbaKnown.size())
        return false;
    _baPassword = _lbaKnown.at(index + 1);
    return true;
}

bool bRemovePair(QList<QByteArray>& _lbaKnown, const QByteArray& _baSerial)
{
    const int index = _lbaKnown.indexOf(_baSerial);
    if (index < 0)
        return false;
    _lbaKnown.removeAt(index);
    if (index < _lbaKnown.size())
        _lbaKnown.removeAt(index);
    return true;
}

QList<QByteArray> lbaLoad()
{
    QList<QByteArray> known;
    const QStringList stored = SettingsStore::KNOWN_TERMINALS.tValue();
    for (const QString& entry : stored)
        known.append(baEntryFrom(entry));
    return known;
}

QString strLoadLastChassis()
{
    return SettingsStore::LAST_CHASSIS.tValue();
}

QString strStoreFileName()
{
    return SettingsStore::KNOWN_TERMINALS.strFileName();
}

void vSave(const QList<QByteArray>& _lbaKnown, const QString& _strLastChassis)
{
    QStringList stored;
    for (const QByteArray& entry : _lbaKnown) {
        const int zero = entry.indexOf('\0');
        stored.append(QString::fromLatin1(zero >= 0 ? entry.left(zero) : entry));
    }
    SettingsStore::KNOWN_TERMINALS.vSet(stored);
    SettingsStore::LAST_CHASSIS.vSet(_strLastChassis);
    QFile::setPermissions(strStoreFileName(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

} // namespace KnownTerminals

#include "terminal/certificatepins.h"

#include "app/settingsstore.h"
#include "terminal/protocol.h"

#include <QFile>
#include <QStringList>

namespace
{

QByteArray baChassisKey(const QString& _strChassis)
{
    return _strChassis.toLatin1();
}

// Records are stored one character per byte, as the known terminals are.
QMap<QByteArray, QByteArray> mapLoad(const SettingsStore::Setting<QStringList>& _setting)
{
    QMap<QByteArray, QByteArray> pins;
    for (const QString& entry : _setting.tValue()) {
        QByteArray name;
        QByteArray digest;
        if (Fingerprint::bReadRecord(entry.toLatin1(), name, digest))
            pins.insert(name, digest);
    }
    return pins;
}

void vSaveMap(const SettingsStore::Setting<QStringList>& _setting,
              const QMap<QByteArray, QByteArray>& _mapPins)
{
    QStringList records;
    for (auto it = _mapPins.cbegin(); it != _mapPins.cend(); ++it)
        records.append(QString::fromLatin1(Fingerprint::baRecord(it.key(), it.value())));
    _setting.vSet(records);
}

bool bKeep(QMap<QByteArray, QByteArray>& _mapPins, const QByteArray& _baName, const QByteArray& _baDigest,
           bool _bReplace)
{
    const auto it = _mapPins.constFind(_baName);
    if (it != _mapPins.cend() && (!_bReplace || it.value() == _baDigest))
        return false;
    _mapPins.insert(_baName, _baDigest);
    return true;
}

} // namespace

QByteArray cCertificatePins::baForChassis(const QString& _strChassis) const
{
    return bUsableChassis(_strChassis) ? m_mapByChassis.value(baChassisKey(_strChassis)) : QByteArray();
}

cCertificatePins::Verdict cCertificatePins::verdict(const QString& _strChassis, const QByteArray& _baSerial,
                                                    const QByteArray& _baShown) const
{
    Verdict result;
    // The chassis first: it is what the user picked or connected to last.
    for (const QByteArray& kept :
         {baForChassis(_strChassis), _baSerial.isEmpty() ? QByteArray() : baForSerial(_baSerial)}) {
        switch (Fingerprint::eCheck(kept, _baShown)) {
        case Fingerprint::eTrust::FirstContact:
            break;
        case Fingerprint::eTrust::Same:
            result.eTrust = Fingerprint::eTrust::Same;
            break;
        case Fingerprint::eTrust::Changed:
            result.eTrust = Fingerprint::eTrust::Changed;
            result.baKept = kept;
            return result;
        }
    }
    return result;
}

bool cCertificatePins::bRemember(const QString& _strChassis, const QByteArray& _baSerial,
                                 const QByteArray& _baDigest, bool _bReplace)
{
    if (_baDigest.size() != Fingerprint::DIGEST_BYTES)
        return false;
    bool bChanged = false;
    if (bUsableChassis(_strChassis))
        bChanged = bKeep(m_mapByChassis, baChassisKey(_strChassis), _baDigest, _bReplace);
    if (!_baSerial.isEmpty())
        bChanged = bKeep(m_mapBySerial, _baSerial, _baDigest, _bReplace) || bChanged;
    return bChanged;
}

bool cCertificatePins::bTakeRecordsFrom(QList<QByteArray>& _lbaKnown)
{
    QList<QByteArray> rest;
    for (const QByteArray& entry : qAsConst(_lbaKnown)) {
        QByteArray serial;
        QByteArray digest;
        if (!Fingerprint::bReadRecord(entry, serial, digest)) {
            rest.append(entry);
            continue;
        }
        // Of two records for one serial number the earlier version read the first.
        if (!m_mapBySerial.contains(serial))
            m_mapBySerial.insert(serial, digest);
    }
    if (rest.size() == _lbaKnown.size())
        return false;
    _lbaKnown = rest;
    return true;
}

cCertificatePins cCertificatePins::load()
{
    cCertificatePins pins;
    pins.m_mapBySerial = mapLoad(SettingsStore::SERIAL_FINGERPRINTS);
    pins.m_mapByChassis = mapLoad(SettingsStore::CHASSIS_FINGERPRINTS);
    return pins;
}

void cCertificatePins::vSave() const
{
    vSaveMap(SettingsStore::SERIAL_FINGERPRINTS, m_mapBySerial);
    vSaveMap(SettingsStore::CHASSIS_FINGERPRINTS, m_mapByChassis);
    QFile::setPermissions(SettingsStore::SERIAL_FINGERPRINTS.strFileName(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

bool cCertificatePins::bUsableChassis(const QString& _strChassis)
{
    return !_strChassis.isEmpty() && _strChassis != QLatin1String(Protocol::UNKNOWN_MACHINE);
}

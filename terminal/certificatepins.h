#pragma once

#include "terminal/fingerprint.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

// The certificate fingerprints kept for the terminals ("pins"), by serial
// number and by chassis number. They live in keys of their own beside the
// list of the known terminals, in the same owner-only settings file: nothing
// a terminal sends can name them, so no login step that edits that list can
// drop or change one.
//
// A terminal is met under two names: the chassis number of its discovery
// answer and the serial number of its login. Either name that is kept with
// another certificate stops the login, whatever the other name says; a rogue
// device that takes the chassis number of a known terminal and names a new
// serial number (or none) is stopped as well as one that names a known serial
// number.
class cCertificatePins
{
public:
    struct Verdict {
        Fingerprint::eTrust eTrust = Fingerprint::eTrust::FirstContact;
        // The kept digest that differs from the shown one (the chassis's
        // first); empty unless eTrust is Changed.
        QByteArray baKept;
    };

    QByteArray baForSerial(const QByteArray& _baSerial) const { return m_mapBySerial.value(_baSerial); }
    QByteArray baForChassis(const QString& _strChassis) const;

    // What the shown certificate means for the terminal behind these names;
    // an empty serial number (a login without one) or an unusable chassis
    // number (see bUsableChassis) is left out. Nothing kept under either
    // name: a first contact.
    Verdict verdict(const QString& _strChassis, const QByteArray& _baSerial,
                    const QByteArray& _baShown) const;
    // Keeps the digest under both names: _bReplace replaces a kept one (the
    // user trusted a new certificate), otherwise only a missing one is added.
    // False when nothing changed. A digest of another length is not kept.
    bool bRemember(const QString& _strChassis, const QByteArray& _baSerial, const QByteArray& _baDigest,
                   bool _bReplace);

    // Moves the fingerprint records an earlier version kept inside the list
    // of the known terminals (entries "SHA256:<fingerprint> <serial>") out
    // of it into the pins by serial number; a pin kept here already wins.
    // False when the list held none.
    bool bTakeRecordsFrom(QList<QByteArray>& _lbaKnown);

    // The settings store (application "Client"): "fingerprints" and
    // "chassisFingerprints", one record per terminal as Fingerprint::baRecord().
    // Saving makes the file readable by the user alone, as the known
    // terminals' save does.
    static cCertificatePins load();
    void vSave() const;

    // A chassis number that names one machine: not empty and not the
    // placeholder of a discovery answer without one.
    static bool bUsableChassis(const QString& _strChassis);

    bool operator==(const cCertificatePins& _other) const
    {
        return m_mapBySerial == _other.m_mapBySerial && m_mapByChassis == _other.m_mapByChassis;
    }

private:
    QMap<QByteArray, QByteArray> m_mapBySerial;
    // Keyed by the chassis number's Latin-1 bytes, as discovery reads it.
    QMap<QByteArray, QByteArray> m_mapByChassis;
};

#pragma once

#include <QByteArray>

// What the link does with one message from the terminal. The rows are tested
// in this order and the first that matches decides; "starts with" compares
// the first bytes, "equals" the whole message.
enum class eAnswerRow {
    Null = 0,              // null byte array: ignored
    SerialNumber,          // starts with "SerialNumber: "
    PwRequestFalse,        // equals "PW-Request false"
    PwRequestTrue,         // starts with "PW-Request true"
    ConnectionKnown,       // starts with "Connection bekannt! SerialNumber: "
    ConnectionEstablished, // starts with "Connection established!"
    ConnectionFailed,      // equals "Connection failed!"
    Busy,                  // contains the busy text anywhere
    LiveData,              // starts with "=$LiveData:"
    BreakConnection,       // starts with "BreakConnection"
    ExpertMode,            // starts with "ExpertModus:"
    LightSwitch,           // starts with "Lichtschalter:"
    FileOrders,            // starts with "StartFile: ==:== Auftraege"
    FileCustomers,         // ... Kunden
    FileSeason,            // ... Saison
    FileMachine,           // ... Maschine
    FileFields,            // ... Schlaege
    FileDrivers,           // ... Fahrer
    NoPermission,          // starts with "Keine Berechtigung"
    ImportSucceeded,       // starts with "Sie haben Datei erfolgreich importiert."
    ImportFailed,          // starts with "Beim Import ist ein Fehler aufgetreten"
    Unknown                // nothing matched: only logged
};

eAnswerRow eClassifyAnswer(const QByteArray& _baAnswer);

// Length of the prefix that a row removes before it passes the rest on
// (the login prefixes, "=$LiveData:", the switch names, the file prefixes);
// 0 for rows that pass nothing on.
int s32PrefixLength(eAnswerRow _eRow);
inline bool bIsFileRow(eAnswerRow _eRow)
{
    return _eRow >= eAnswerRow::FileOrders && _eRow <= eAnswerRow::FileDrivers;
}
// The kind a file row names in its prefix, which is also the request word
// of that kind ("Auftraege", "Kunden", ...); empty for the other rows.
QByteArray baFileKind(eAnswerRow _eRow);

// A reported switch state: '1' on, '0' off, anything else leaves the
// indicator as it is.
enum class eSwitchState { Unchanged, On, Off };
eSwitchState eSwitchStateFrom(const QByteArray& _baRest);

// The two status fields behind an accepted login: a 15-byte light-switch
// field and a 13-byte expert-mode field, read only by their last character.
// Missing bytes leave the state unchanged; anything behind is ignored.
struct StatusFields {
    eSwitchState eLightSwitch = eSwitchState::Unchanged;
    eSwitchState eExpertMode = eSwitchState::Unchanged;
};
StatusFields statusFieldsFrom(const QByteArray& _baBehindPrefix);
// The fields as the terminal writes them: "Lichtschalter:" + state, then
// "ExpertModus:" + state.
QByteArray baStatusFields(bool _bLightSwitch, bool _bExpertMode);

// A login is not repeated while the last message written was a login.
bool bSuppressLogin(const QByteArray& _baLastCommand, const QByteArray& _baMessage);

// "Login-PW: " or "PW: ", the separator " =:= ", the password.
QByteArray baPasswordMessage(const char* _strCommand, const QByteArray& _baPassword);

#pragma once

#include <QByteArray>

#include <cstring>

// The fixed words of the exchange with the harvester terminal: the discovery
// datagrams, the login answers, the commands and the message prefixes. Both
// the link and the terminal simulator use them, so the two sides cannot drift.
namespace Protocol
{

// Discovery over UDP.
constexpr quint16 UDP_PORT = 33555;
constexpr quint16 TLS_PORT = 35683;
inline const char* const DISCOVERY_REQUEST = "AppLindqvarth";
inline const char* const DISCOVERY_MARKER = "TerminalLindqvarth";
inline const char* const UNKNOWN_MACHINE = "Unbekannte Maschine";
inline const char* const QUALIFYING_PREFIX = "192.168.";
constexpr int QUIET_SEARCH_PERIOD_MS = 3000;

// Login, in both directions.
inline const char* const LOGIN = "Login: ";
inline const char* const LOGIN_PW = "Login-PW: ";
inline const char* const PW = "PW: ";
inline const char* const PW_SEPARATOR = " =:= ";
inline const char* const NO_PW_FOUND = "NO PW FOUND!";
inline const char* const NO_PW = "NO_PW";
inline const char* const SERIAL_NUMBER = "SerialNumber: ";
inline const char* const PW_REQUEST_FALSE = "PW-Request false";
inline const char* const PW_REQUEST_TRUE = "PW-Request true";
inline const char* const CONNECTION_KNOWN = "Connection bekannt! SerialNumber: ";
inline const char* const CONNECTION_ESTABLISHED = "Connection established!";
inline const char* const CONNECTION_FAILED = "Connection failed!";
inline const char* const BUSY =
    "ERROR: We are sorry, but another client is temporary using this server application!";

// State and control messages.
inline const char* const LIVE_DATA = "=$LiveData:";
inline const char* const BREAK_CONNECTION = "BreakConnection";
inline const char* const EXPERT_MODE = "ExpertModus:";
inline const char* const LIGHT_SWITCH = "Lichtschalter:";
inline const char* const START_LIVE = "StartLIVE";
inline const char* const STOP_LIVE = "StopLIVE";
inline const char* const SWITCH_ON = "ON";
inline const char* const SWITCH_OFF = "OFF";
// A switch state as the terminal reports it behind the switch's name.
constexpr char STATE_ON = '1';
constexpr char STATE_OFF = '0';

// Files.
inline const char* const START_FILE = "StartFile: ==:== ";
inline const char* const SEND_FILE = "SendFile: ==:== ";
// The six request words, which are also the kinds of the file messages.
inline const char* const KIND_ORDERS = "Auftraege";
inline const char* const KIND_FIELDS = "Schlaege";
inline const char* const KIND_DRIVERS = "Fahrer";
inline const char* const KIND_CUSTOMERS = "Kunden";
inline const char* const KIND_SEASON = "Saison";
inline const char* const KIND_MACHINE = "Maschine";

// Answers shown to the user as they come.
inline const char* const NO_PERMISSION = "Keine Berechtigung";
inline const char* const IMPORT_SUCCEEDED = "Sie haben Datei erfolgreich importiert.";
inline const char* const IMPORT_FAILED = "Beim Import ist ein Fehler aufgetreten";

// Lengths of the two status fields behind an accepted login.
constexpr int LIGHT_SWITCH_FIELD_BYTES = 15;
constexpr int EXPERT_MODE_FIELD_BYTES = 13;

// The length in bytes of one of the words above, as cut off the front of a message.
inline int s32Length(const char* _strWord)
{
    return int(std::strlen(_strWord));
}

// A switch command to the terminal: "ExpertModus:ON", "Lichtschalter:OFF".
inline QByteArray baSwitchCommand(const char* _strSwitch, bool _bOn)
{
    return QByteArray(_strSwitch) + (_bOn ? SWITCH_ON : SWITCH_OFF);
}

// A switch state reported by the terminal: "ExpertModus:1", "Lichtschalter:0".
inline QByteArray baSwitchReport(const char* _strSwitch, bool _bOn)
{
    return QByteArray(_strSwitch) + (_bOn ? STATE_ON : STATE_OFF);
}

// The front of a file message from the terminal: "StartFile: ==:== Auftraege".
inline QByteArray baStartFilePrefix(const char* _strKind)
{
    return QByteArray(START_FILE) + _strKind;
}

} // namespace Protocol

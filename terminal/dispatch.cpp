#include "terminal/dispatch.h"

#include "terminal/protocol.h"

#include <cstring>

namespace {

struct Row
{
    eAnswerRow eRow;
    enum eTest { StartsWith, Equals, Contains } eTest;
    const char* strText;
};

// The table in its order of tests; the null test (row 0) comes before it.
const Row s_aRows[] = {
    {eAnswerRow::SerialNumber, Row::StartsWith, Protocol::SERIAL_NUMBER},
    {eAnswerRow::PwRequestFalse, Row::Equals, Protocol::PW_REQUEST_FALSE},
    {eAnswerRow::PwRequestTrue, Row::StartsWith, Protocol::PW_REQUEST_TRUE},
    {eAnswerRow::ConnectionKnown, Row::StartsWith, Protocol::CONNECTION_KNOWN},
    {eAnswerRow::ConnectionEstablished, Row::StartsWith, Protocol::CONNECTION_ESTABLISHED},
    {eAnswerRow::ConnectionFailed, Row::Equals, Protocol::CONNECTION_FAILED},
    {eAnswerRow::Busy, Row::Contains, Protocol::BUSY},
    {eAnswerRow::LiveData, Row::StartsWith, Protocol::LIVE_DATA},
    {eAnswerRow::BreakConnection, Row::StartsWith, Protocol::BREAK_CONNECTION},
    {eAnswerRow::ExpertMode, Row::StartsWith, Protocol::EXPERT_MODE},
    {eAnswerRow::LightSwitch, Row::StartsWith, Protocol::LIGHT_SWITCH},
    {eAnswerRow::FileOrders, Row::StartsWith, "StartFile: ==:== Auftraege"},
    {eAnswerRow::FileCustomers, Row::StartsWith, "StartFile: ==:== Kunden"},
    {eAnswerRow::FileSeason, Row::StartsWith, "StartFile: ==:== Saison"},
    {eAnswerRow::FileMachine, Row::StartsWith, "StartFile: ==:== Maschine"},
    {eAnswerRow::FileFields, Row::StartsWith, "StartFile: ==:== Schlaege"},
    {eAnswerRow::FileDrivers, Row::StartsWith, "StartFile: ==:== Fahrer"},
    {eAnswerRow::NoPermission, Row::StartsWith, Protocol::NO_PERMISSION},
    {eAnswerRow::ImportSucceeded, Row::StartsWith, Protocol::IMPORT_SUCCEEDED},
    {eAnswerRow::ImportFailed, Row::StartsWith, Protocol::IMPORT_FAILED},
};

bool bMatches(const Row& _row, const QByteArray& _baAnswer)
{
    switch (_row.eTest) {
    case Row::StartsWith:
        return _baAnswer.startsWith(_row.strText);
    case Row::Equals:
        return _baAnswer == _row.strText;
    case Row::Contains:
        return _baAnswer.contains(_row.strText);
    }
    return false;
}

eSwitchState eFromChar(char _c)
{
    if (_c == '1')
        return eSwitchState::On;
    if (_c == '0')
        return eSwitchState::Off;
    return eSwitchState::Unchanged;
}

} // namespace

eAnswerRow eClassifyAnswer(const QByteArray& _baAnswer)
{
    if (_baAnswer.isNull())
        return eAnswerRow::Null;
    for (const Row& row : s_aRows) {
        if (bMatches(row, _baAnswer))
            return row.eRow;
    }
    return eAnswerRow::Unknown;
}

int s32PrefixLength(eAnswerRow _eRow)
{
    switch (_eRow) {
    case eAnswerRow::SerialNumber:
        return int(std::strlen(Protocol::SERIAL_NUMBER));
    case eAnswerRow::PwRequestTrue:
        return int(std::strlen(Protocol::PW_REQUEST_TRUE));
    case eAnswerRow::ConnectionKnown:
        return int(std::strlen(Protocol::CONNECTION_KNOWN));
    case eAnswerRow::ConnectionEstablished:
        return int(std::strlen(Protocol::CONNECTION_ESTABLISHED));
    case eAnswerRow::LiveData:
        return int(std::strlen(Protocol::LIVE_DATA));
    case eAnswerRow::ExpertMode:
        return int(std::strlen(Protocol::EXPERT_MODE));
    case eAnswerRow::LightSwitch:
        return int(std::strlen(Protocol::LIGHT_SWITCH));
    default:
        break;
    }
    for (const Row& row : s_aRows) {
        if (row.eRow == _eRow && bIsFileRow(_eRow))
            return int(std::strlen(row.strText));
    }
    return 0;
}

eSwitchState eSwitchStateFrom(const QByteArray& _baRest)
{
    return _baRest.isEmpty() ? eSwitchState::Unchanged : eFromChar(_baRest.at(0));
}

StatusFields statusFieldsFrom(const QByteArray& _baBehindPrefix)
{
    StatusFields fields;
    const int lightLast = Protocol::LIGHT_SWITCH_FIELD_BYTES - 1;
    const int expertLast = Protocol::LIGHT_SWITCH_FIELD_BYTES + Protocol::EXPERT_MODE_FIELD_BYTES - 1;
    if (_baBehindPrefix.size() > lightLast)
        fields.eLightSwitch = eFromChar(_baBehindPrefix.at(lightLast));
    if (_baBehindPrefix.size() > expertLast)
        fields.eExpertMode = eFromChar(_baBehindPrefix.at(expertLast));
    return fields;
}

QByteArray baStatusFields(bool _bLightSwitch, bool _bExpertMode)
{
    return QByteArray(Protocol::LIGHT_SWITCH) + (_bLightSwitch ? '1' : '0') + Protocol::EXPERT_MODE
           + (_bExpertMode ? '1' : '0');
}

bool bSuppressLogin(const QByteArray& _baLastCommand, const QByteArray& _baMessage)
{
    return _baLastCommand.startsWith(Protocol::LOGIN) && _baMessage.startsWith(Protocol::LOGIN);
}

QByteArray baPasswordMessage(const char* _strCommand, const QByteArray& _baPassword)
{
    return QByteArray(_strCommand) + Protocol::PW_SEPARATOR + _baPassword;
}

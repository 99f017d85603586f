#include "terminal/dispatch.h"

#include "terminal/protocol.h"

#include <QVector>

namespace
{

enum class eMatch { StartsWith, Equals, Contains };

struct Row {
    eAnswerRow eRow;
    eMatch eTest;
    QByteArray baText;
    // The bytes taken off the front before the rest is passed on; 0 when the
    // row passes nothing on.
    int s32PrefixLength;
};

// A row that passes on what follows its text, and one that passes nothing.
Row rowWithRest(eAnswerRow _eRow, const QByteArray& _baPrefix)
{
    return {_eRow, eMatch::StartsWith, _baPrefix, _baPrefix.size()};
}
Row rowAlone(eAnswerRow _eRow, eMatch _eTest, const char* _strText)
{
    return {_eRow, _eTest, QByteArray(_strText), 0};
}

// The table in its order of tests; the null test (row 0) comes before it.
const QVector<Row>& rows()
{
    using namespace Protocol;
    static const QVector<Row> s_rows = {
        rowWithRest(eAnswerRow::SerialNumber, SERIAL_NUMBER),
        rowAlone(eAnswerRow::PwRequestFalse, eMatch::Equals, PW_REQUEST_FALSE),
        rowWithRest(eAnswerRow::PwRequestTrue, PW_REQUEST_TRUE),
        rowWithRest(eAnswerRow::ConnectionKnown, CONNECTION_KNOWN),
        rowWithRest(eAnswerRow::ConnectionEstablished, CONNECTION_ESTABLISHED),
        rowAlone(eAnswerRow::ConnectionFailed, eMatch::Equals, CONNECTION_FAILED),
        rowAlone(eAnswerRow::Busy, eMatch::Contains, BUSY),
        rowWithRest(eAnswerRow::LiveData, LIVE_DATA),
        rowAlone(eAnswerRow::BreakConnection, eMatch::StartsWith, BREAK_CONNECTION),
        rowWithRest(eAnswerRow::ExpertMode, EXPERT_MODE),
        rowWithRest(eAnswerRow::LightSwitch, LIGHT_SWITCH),
        rowWithRest(eAnswerRow::FileOrders, baStartFilePrefix(KIND_ORDERS)),
        rowWithRest(eAnswerRow::FileCustomers, baStartFilePrefix(KIND_CUSTOMERS)),
        rowWithRest(eAnswerRow::FileSeason, baStartFilePrefix(KIND_SEASON)),
        rowWithRest(eAnswerRow::FileMachine, baStartFilePrefix(KIND_MACHINE)),
        rowWithRest(eAnswerRow::FileFields, baStartFilePrefix(KIND_FIELDS)),
        rowWithRest(eAnswerRow::FileDrivers, baStartFilePrefix(KIND_DRIVERS)),
        rowAlone(eAnswerRow::NoPermission, eMatch::StartsWith, NO_PERMISSION),
        rowAlone(eAnswerRow::ImportSucceeded, eMatch::StartsWith, IMPORT_SUCCEEDED),
        rowAlone(eAnswerRow::ImportFailed, eMatch::StartsWith, IMPORT_FAILED),
    };
    return s_rows;
}

bool bMatches(const Row& _row, const QByteArray& _baAnswer)
{
    switch (_row.eTest) {
    case eMatch::StartsWith:
        return _baAnswer.startsWith(_row.baText);
    case eMatch::Equals:
        return _baAnswer == _row.baText;
    case eMatch::Contains:
        return _baAnswer.contains(_row.baText);
    }
    return false;
}

eSwitchState eFromChar(char _c)
{
    if (_c == Protocol::STATE_ON)
        return eSwitchState::On;
    if (_c == Protocol::STATE_OFF)
        return eSwitchState::Off;
    return eSwitchState::Unchanged;
}

} // namespace

eAnswerRow eClassifyAnswer(const QByteArray& _baAnswer)
{
    if (_baAnswer.isNull())
        return eAnswerRow::Null;
    for (const Row& row : rows()) {
        if (bMatches(row, _baAnswer))
            return row.eRow;
    }
    return eAnswerRow::Unknown;
}

int s32PrefixLength(eAnswerRow _eRow)
{
    for (const Row& row : rows()) {
        if (row.eRow == _eRow)
            return row.s32PrefixLength;
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
    return Protocol::baSwitchReport(Protocol::LIGHT_SWITCH, _bLightSwitch) +
           Protocol::baSwitchReport(Protocol::EXPERT_MODE, _bExpertMode);
}

bool bSuppressLogin(const QByteArray& _baLastCommand, const QByteArray& _baMessage)
{
    return _baLastCommand.startsWith(Protocol::LOGIN) && _baMessage.startsWith(Protocol::LOGIN);
}

QByteArray baPasswordMessage(const char* _strCommand, const QByteArray& _baPassword)
{
    return QByteArray(_strCommand) + Protocol::PW_SEPARATOR + _baPassword;
}

QByteArray baFileKind(eAnswerRow _eRow)
{
    using namespace Protocol;
    switch (_eRow) {
    case eAnswerRow::FileOrders:
        return KIND_ORDERS;
    case eAnswerRow::FileCustomers:
        return KIND_CUSTOMERS;
    case eAnswerRow::FileSeason:
        return KIND_SEASON;
    case eAnswerRow::FileMachine:
        return KIND_MACHINE;
    case eAnswerRow::FileFields:
        return KIND_FIELDS;
    case eAnswerRow::FileDrivers:
        return KIND_DRIVERS;
    default:
        break;
    }
    return QByteArray();
}

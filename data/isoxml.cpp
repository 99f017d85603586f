#include "data/isoxml.h"

#include "data/appinfo.h"
#include "data/fieldreaders.h"
#include "data/filewriter.h"
#include "data/listfile.h"
#include "data/listkind.h"
#include "data/reportfiles.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTemporaryDir>
#include <QTime>
#include <QVector>
#include <QXmlStreamWriter>

#include <algorithm>
#include <cerrno>
#include <cstdio>

namespace IsoXml
{

namespace
{

constexpr qint64 MAX_VALUE = 2147483647; // a data log value is a 32-bit signed integer

QString strTr(const char* _pText)
{
    return QCoreApplication::translate("IsoXml", _pText);
}

// The record lines of a list file's lines: the header and empty lines left out.
QStringList slRecords(const QStringList& _slLines)
{
    QStringList slRecords;
    for (int i = 1; i < _slLines.size(); ++i) {
        if (!_slLines.at(i).trimmed().isEmpty())
            slRecords << _slLines.at(i);
    }
    return slRecords;
}

bool bPresent(const RecordFields& _fields, int _s32Index)
{
    return !_fields.field(_s32Index).trimmed().isEmpty();
}

// The digits at [_s32From, _s32From + _s32Count) as a number, or -1 when
// the part is missing or holds anything but digits.
int s32Digits(const QString& _strText, int _s32From, int _s32Count)
{
    if (_s32From < 0 || _s32From + _s32Count > _strText.size())
        return -1;
    int s32Value = 0;
    for (int i = _s32From; i < _s32From + _s32Count; ++i) {
        const ushort c = _strText.at(i).unicode();
        if (c < '0' || c > '9')
            return -1;
        s32Value = s32Value * 10 + (c - '0');
    }
    return s32Value;
}

// "01.10.2023 08:00" (hour with one or two digits, seconds optional) as
// xs:dateTime without a zone, as the terminal writes local time; empty when
// it is none. Read by hand: the date and time classes would consult the time
// zone files for every order.
QString strDateTime(const QString& _strText)
{
    const QString strText = _strText.trimmed();
    if (strText.size() < 15 || strText.at(2) != QLatin1Char('.') || strText.at(5) != QLatin1Char('.') ||
        strText.at(10) != QLatin1Char(' '))
        return QString();
    const int s32Day = s32Digits(strText, 0, 2);
    const int s32Month = s32Digits(strText, 3, 2);
    const int s32Year = s32Digits(strText, 6, 4);
    const int s32Colon = strText.indexOf(QLatin1Char(':'), 11);
    if (s32Colon != 12 && s32Colon != 13)
        return QString();
    const int s32Hour = s32Digits(strText, 11, s32Colon - 11);
    const int s32Minute = s32Digits(strText, s32Colon + 1, 2);
    int s32Second = 0;
    int s32End = s32Colon + 3;
    if (s32End < strText.size() && strText.at(s32End) == QLatin1Char(':')) {
        s32Second = s32Digits(strText, s32End + 1, 2);
        s32End += 3;
    }
    // A part that is no number (-1) is no date; nor is a year before 1, which
    // xs:dateTime cannot hold as four digits ("-001"), though QDate takes it.
    if (s32End != strText.size() || s32Day < 0 || s32Month < 0 || s32Year < 1 || s32Hour < 0 ||
        s32Minute < 0 || s32Second < 0 || !QDate::isValid(s32Year, s32Month, s32Day) ||
        !QTime::isValid(s32Hour, s32Minute, s32Second))
        return QString();
    // Room for any int in every field: the compiler does not see the checks
    // above, and warns of a cut otherwise.
    char buffer[80];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02dT%02d:%02d:%02d", s32Year, s32Month, s32Day, s32Hour,
                  s32Minute, s32Second);
    return QString::fromLatin1(buffer);
}

qint64 s64Clamped(qint64 _s64Value)
{
    return std::clamp<qint64>(_s64Value, 0, MAX_VALUE);
}

// Contact fields of the customers and drivers files.
struct Contact {
    QString strFirstName; // 1
    QString strLastName;  // 2
    QString strStreet;    // 3
    QString strPostcode;  // 4
    QString strCity;      // 5
    QString strPhone;
    QString strMobileOrFax;
    QString strEmail; // 8
};

// Customers file: number; name 1; name 2; street; postcode; town; fax; phone;
// e-mail. Drivers file: number; name 1; name 2; street; postcode; town;
// phone 1; phone 2; e-mail.
QHash<QString, Contact> contactsByNumber(const QStringList& _slLines, bool _bDrivers)
{
    QHash<QString, Contact> contacts;
    for (const QString& strRecord : slRecords(_slLines)) {
        const RecordFields fields(strRecord);
        const QString strNumber = fields.strClean(0).trimmed();
        if (strNumber.isEmpty() || contacts.contains(strNumber))
            continue;
        Contact contact;
        contact.strFirstName = fields.strClean(1);
        contact.strLastName = fields.strClean(2);
        contact.strStreet = fields.strClean(3);
        contact.strPostcode = fields.strClean(4);
        contact.strCity = fields.strClean(5);
        contact.strPhone = fields.strClean(_bDrivers ? 6 : 7);
        contact.strMobileOrFax = fields.strClean(_bDrivers ? 7 : 6);
        contact.strEmail = fields.strClean(8);
        contacts.insert(strNumber, contact);
    }
    return contacts;
}

// Fields file: customer number; customer; field; area in ha ("12,5"); distance.
QHash<QString, qint64> fieldAreasM2(const QStringList& _slLines)
{
    QHash<QString, qint64> areas;
    for (const QString& strRecord : slRecords(_slLines)) {
        const RecordFields fields(strRecord);
        bool bOk = false;
        const double dHectares =
            fields.strClean(3).trimmed().replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&bOk);
        if (!bOk || !(dHectares >= 0) || dHectares > 1e6)
            continue;
        const QString strKey =
            fields.strClean(0).trimmed() + QLatin1Char('\n') + fields.strClean(2).trimmed();
        if (!areas.contains(strKey))
            areas.insert(strKey, qint64(dHectares * 10000.0 + 0.5));
    }
    return areas;
}

// A customer or a driver as the orders name them.
struct Party {
    QString strId;
    QString strNumber;
    QString strName;
};
struct Partfield {
    QString strId;
    QString strCustomerId;
    QString strCode; // the field's number
    QString strName;
    QString strAreaKey; // customer number and field name, for the fields file
    qint64 s64LargestWorkedM2 = 0;
};
struct LogValue {
    int s32Ddi = 0;
    qint64 s64Value = 0;
};
struct Task {
    QString strId;
    QString strDesignator;
    QString strCustomerId;
    QString strPartfieldId;
    QString strWorkerId;
    QString strStart;
    QString strStop;
    int s32Device = 0; // index of the harvester that did it
    QVector<LogValue> values;
};
// A harvester: its chassis number (empty when unknown) and the ids of its
// device and its one device element.
struct Device {
    QString strDesignator;
    QString strId;
    QString strElementId;
};

// The order's totals in the data dictionary's units; only those it has.
QVector<LogValue> logValuesOf(const RecordFields& _fields)
{
    QVector<LogValue> values;
    // A negative distance or volume is no reading: it counts as none, so that
    // it cannot enlarge the empty runs (field distance less harvesting).
    const auto reading = [&](int _s32Index) { return qint64(qMax(0, _fields.s32Int(_s32Index))); };
    const auto minutes = [&](int _s32Index) { return qint64(qMax(0, _fields.s32Minutes(_s32Index))); };
    // An order without an area (none, or 0 as the terminal writes it) logs
    // none, as the order pages show none.
    if (_fields.s32Int(10) > 0)
        values.append({TOTAL_AREA, s64Clamped(_fields.s32Int(10))});
    if (bPresent(_fields, 17))
        values.append({EFFECTIVE_TOTAL_DISTANCE, s64Clamped(reading(17) * 1000)});
    if (bPresent(_fields, 16) || bPresent(_fields, 18)) {
        const qint64 s64EmptyRun = qMax<qint64>(0, reading(16) - reading(17));
        values.append({INEFFECTIVE_TOTAL_DISTANCE, s64Clamped((s64EmptyRun + reading(18)) * 1000)});
    }
    if (bPresent(_fields, 30))
        values.append({EFFECTIVE_TOTAL_TIME, s64Clamped(minutes(30) * 60)});
    if (bPresent(_fields, 11) || bPresent(_fields, 14)) {
        const qint64 s64Rest = qMax<qint64>(0, minutes(11) - minutes(30));
        values.append({INEFFECTIVE_TOTAL_TIME, s64Clamped((s64Rest + minutes(14)) * 60)});
    }
    if (bPresent(_fields, 19) || bPresent(_fields, 20))
        values.append({TOTAL_FUEL_CONSUMPTION, s64Clamped(reading(19) + reading(20))});
    return values;
}

QString strDdiHex(int _s32Ddi)
{
    return QStringLiteral("%1").arg(_s32Ddi, 4, 16, QLatin1Char('0')).toUpper();
}

QString strDdiName(int _s32Ddi)
{
    switch (_s32Ddi) {
    case TOTAL_AREA:
        return QStringLiteral("Total Area");
    case EFFECTIVE_TOTAL_DISTANCE:
        return QStringLiteral("Effective Total Distance");
    case INEFFECTIVE_TOTAL_DISTANCE:
        return QStringLiteral("Ineffective Total Distance");
    case EFFECTIVE_TOTAL_TIME:
        return QStringLiteral("Effective Total Time");
    case INEFFECTIVE_TOTAL_TIME:
        return QStringLiteral("Ineffective Total Time");
    case TOTAL_FUEL_CONSUMPTION:
    default:
        return QStringLiteral("Total Fuel Consumption");
    }
}

// Writes an attribute only when it has a text.
void vOptional(QXmlStreamWriter& _xml, const char* _pName, const QString& _strText, int _s32MaxLength)
{
    const QString strText = strAttributeText(_strText, _s32MaxLength);
    if (!strText.isEmpty())
        _xml.writeAttribute(QLatin1String(_pName), strText);
}

// Writes a required attribute, with the fallback when the text is empty.
void vRequired(QXmlStreamWriter& _xml, const char* _pName, const QString& _strText,
               const QString& _strFallback, int _s32MaxLength)
{
    QString strText = strAttributeText(_strText, _s32MaxLength);
    if (strText.isEmpty())
        strText = strAttributeText(_strFallback, _s32MaxLength);
    if (strText.isEmpty())
        strText = QStringLiteral("-");
    _xml.writeAttribute(QLatin1String(_pName), strText);
}

} // namespace

QString strAttributeText(const QString& _strText, int _s32MaxLength)
{
    const QString strText = _strText.simplified();
    QString strClean;
    strClean.reserve(qMin(strText.size(), 2 * qMax(0, _s32MaxLength)));
    int s32Characters = 0;
    for (int i = 0; i < strText.size() && s32Characters < _s32MaxLength; ++i) {
        const QChar c = strText.at(i);
        // A character beyond the first plane: both halves or none.
        if (c.isHighSurrogate()) {
            if (i + 1 < strText.size() && strText.at(i + 1).isLowSurrogate()) {
                strClean += c;
                strClean += strText.at(++i);
                ++s32Characters;
            }
            continue;
        }
        // XML 1.0: tab, line breaks and from U+0020 on, without lone
        // surrogates and the two non-characters at the end of the first plane.
        const ushort u = c.unicode();
        if ((u < 0x20 && u != 0x9 && u != 0xA && u != 0xD) || c.isLowSurrogate() || u == 0xFFFE ||
            u == 0xFFFF)
            continue;
        strClean += c;
        ++s32Characters;
    }
    return strClean.trimmed();
}

namespace
{

// Customers or drivers in the order the orders name them first, one per
// number, or per name where an order has none.
struct Parties {
    QString strIdPrefix;
    QVector<Party> list;
    QHash<QString, int> indexOfKey;
};

// Fields in the order the orders name them first, one per customer and
// field number, or field name where an order has no number.
struct Partfields {
    QVector<Partfield> list;
    QHash<QString, int> indexOfKey;
};

// Harvesters in the order the orders name them first, one per chassis number.
struct Devices {
    QVector<Device> list;
    QHash<QString, int> indexOfDesignator;
};

// What the orders name: the tasks and the customers, fields, drivers and
// harvesters of them.
struct OrderSet {
    Parties customers{QStringLiteral("CTR-"), {}, {}};
    Partfields partfields;
    Parties workers{QStringLiteral("WKR-"), {}, {}};
    Devices devices;
    QVector<Task> tasks;
};

QString strKeyOf(const QString& _strNumber, const QString& _strName)
{
    return _strNumber.isEmpty() ? QStringLiteral("name:") + _strName : QStringLiteral("number:") + _strNumber;
}

// The id of the party under _strKey, added with the next id when it is new.
QString strPartyId(Parties& _parties, const QString& _strKey, const QString& _strNumber,
                   const QString& _strName)
{
    if (!_parties.indexOfKey.contains(_strKey)) {
        _parties.indexOfKey.insert(_strKey, _parties.list.size());
        _parties.list.append(
            {_parties.strIdPrefix + QString::number(_parties.list.size() + 1), _strNumber, _strName});
    }
    return _parties.list.at(_parties.indexOfKey.value(_strKey)).strId;
}

// The id of the order's field (empty without one), added when it is new; the
// field remembers the largest area worked on it.
QString strPartfieldId(Partfields& _partfields, const RecordFields& _fields, const QString& _strCustomerKey,
                       const QString& _strCustomerId)
{
    const QString strFieldNumber = _fields.strClean(4).trimmed();
    const QString strFieldName = _fields.strClean(5).trimmed();
    if (strFieldNumber.isEmpty() && strFieldName.isEmpty())
        return QString();
    const QString strKey = _strCustomerKey + QLatin1Char('\n') + strKeyOf(strFieldNumber, strFieldName);
    if (!_partfields.indexOfKey.contains(strKey)) {
        _partfields.indexOfKey.insert(strKey, _partfields.list.size());
        Partfield partfield;
        partfield.strId = QStringLiteral("PFD-%1").arg(_partfields.list.size() + 1);
        partfield.strCustomerId = _strCustomerId;
        partfield.strCode = strFieldNumber;
        partfield.strName = strFieldName;
        partfield.strAreaKey = _fields.strClean(2).trimmed() + QLatin1Char('\n') + strFieldName;
        _partfields.list.append(partfield);
    }
    Partfield& partfield = _partfields.list[_partfields.indexOfKey.value(strKey)];
    partfield.s64LargestWorkedM2 = qMax<qint64>(partfield.s64LargestWorkedM2, qMax(0, _fields.s32Int(10)));
    return partfield.strId;
}

// The index of the harvester of _strChassis, added with the next ids when
// it is new. Chassis numbers that differ only in blanks name one harvester.
int s32DeviceIndex(Devices& _devices, const QString& _strChassis)
{
    const QString strDesignator = _strChassis.simplified();
    if (!_devices.indexOfDesignator.contains(strDesignator)) {
        const int s32Number = _devices.list.size() + 1;
        _devices.indexOfDesignator.insert(strDesignator, _devices.list.size());
        _devices.list.append({strDesignator, QStringLiteral("DVC-%1").arg(s32Number),
                              QStringLiteral("DET-%1").arg(s32Number)});
    }
    return _devices.indexOfDesignator.value(strDesignator);
}

// One task per order record, with the customers, fields, drivers and
// harvesters it names.
OrderSet orderSetOf(const Source& _source)
{
    OrderSet orders;
    for (int i = 0; i < _source.slOrderRecords.size(); ++i) {
        const QString& strRecord = _source.slOrderRecords.at(i);
        if (strRecord.trimmed().isEmpty())
            continue;
        const RecordFields fields(strRecord);
        Task task;
        task.strId = QStringLiteral("TSK-%1").arg(orders.tasks.size() + 1);
        task.strDesignator = fields.strClean(0).trimmed();
        // An order without a machine of its own is the default harvester's.
        const QString strMachine = _source.slOrderMachines.value(i);
        task.s32Device = s32DeviceIndex(
            orders.devices, strMachine.trimmed().isEmpty() ? _source.strDeviceDesignator : strMachine);

        const QString strCustomerNumber = fields.strClean(2).trimmed();
        const QString strCustomerName = fields.strClean(3).trimmed();
        QString strCustomerKey;
        if (!strCustomerNumber.isEmpty() || !strCustomerName.isEmpty()) {
            strCustomerKey = strKeyOf(strCustomerNumber, strCustomerName);
            task.strCustomerId =
                strPartyId(orders.customers, strCustomerKey, strCustomerNumber, strCustomerName);
        }
        task.strPartfieldId = strPartfieldId(orders.partfields, fields, strCustomerKey, task.strCustomerId);

        const QString strDriverNumber = fields.strClean(6).trimmed();
        const QString strDriverName = fields.strClean(7).trimmed();
        // An order without a driver has no worker.
        if (!strDriverName.isEmpty() || !strDriverNumber.isEmpty())
            task.strWorkerId = strPartyId(orders.workers, strKeyOf(strDriverNumber, strDriverName),
                                          strDriverNumber, strDriverName);

        task.strStart = strDateTime(fields.strClean(8));
        task.strStop = strDateTime(fields.strClean(9));
        task.values = logValuesOf(fields);
        orders.tasks.append(task);
    }
    return orders;
}

// The data dictionary entries that any task of the harvester logs, in a
// fixed order.
QVector<int> loggedDdis(const QVector<Task>& _tasks, int _s32Device)
{
    QVector<int> ddis;
    for (int s32Ddi : {TOTAL_AREA, EFFECTIVE_TOTAL_DISTANCE, INEFFECTIVE_TOTAL_DISTANCE, EFFECTIVE_TOTAL_TIME,
                       INEFFECTIVE_TOTAL_TIME, TOTAL_FUEL_CONSUMPTION}) {
        const bool bLogged = std::any_of(_tasks.cbegin(), _tasks.cend(), [&](const Task& _task) {
            return _task.s32Device == _s32Device &&
                   std::any_of(_task.values.cbegin(), _task.values.cend(),
                               [&](const LogValue& _value) { return _value.s32Ddi == s32Ddi; });
        });
        if (bLogged)
            ddis.append(s32Ddi);
    }
    return ddis;
}

// Customers (CTR) or workers (WKR): the name from the customers or drivers
// file where the party's number is in it, else the name the order gives.
// The second phone is a fax for a customer (L), a mobile for a worker (K).
void vWriteParties(QXmlStreamWriter& _xml, const char* _pElement, const Parties& _parties,
                   const QHash<QString, Contact>& _contacts, const char* _pMobileOrFax)
{
    for (const Party& party : _parties.list) {
        const bool bKnown = !party.strNumber.isEmpty() && _contacts.contains(party.strNumber);
        const Contact contact = _contacts.value(party.strNumber);
        _xml.writeStartElement(QLatin1String(_pElement));
        _xml.writeAttribute(QStringLiteral("A"), party.strId);
        vRequired(_xml, "B", bKnown ? contact.strLastName : party.strName,
                  party.strName.isEmpty() ? party.strNumber : party.strName, 32);
        if (bKnown) {
            vOptional(_xml, "C", contact.strFirstName, 32);
            vOptional(_xml, "D", contact.strStreet, 32);
            vOptional(_xml, "F", contact.strPostcode, 10);
            vOptional(_xml, "G", contact.strCity, 32);
            vOptional(_xml, "J", contact.strPhone, 20);
            vOptional(_xml, _pMobileOrFax, contact.strMobileOrFax, 20);
            vOptional(_xml, "M", contact.strEmail, 64);
        }
        _xml.writeEndElement();
    }
}

void vWritePartfields(QXmlStreamWriter& _xml, const QVector<Partfield>& _partfields,
                      const QHash<QString, qint64>& _fieldAreas)
{
    for (const Partfield& partfield : _partfields) {
        _xml.writeStartElement(QStringLiteral("PFD"));
        _xml.writeAttribute(QStringLiteral("A"), partfield.strId);
        vOptional(_xml, "B", partfield.strCode, 32);
        vRequired(_xml, "C", partfield.strName, partfield.strCode, 32);
        // The field's area from the fields file, else the largest area worked on it.
        const qint64 s64Area = _fieldAreas.value(partfield.strAreaKey, partfield.s64LargestWorkedM2);
        _xml.writeAttribute(QStringLiteral("D"),
                            QString::number(std::clamp<qint64>(s64Area, 0, 4294967294LL)));
        if (!partfield.strCustomerId.isEmpty())
            _xml.writeAttribute(QStringLiteral("E"), partfield.strCustomerId);
        _xml.writeEndElement();
    }
}

// The harvester's NAME as 16 hex digits: self-configurable, agricultural
// industry group, root harvester class, and the harvester's place among the
// devices (from 0) as its identity number, so that no two devices share a
// NAME and an allocation by NAME finds exactly one.
QString strClientName(int _s32Index)
{
    const quint64 u64Name = Q_UINT64_C(0xA010000000000000) + (quint64(_s32Index) & 0x1FFFFF);
    return QStringLiteral("%1").arg(u64Name, 16, 16, QLatin1Char('0')).toUpper();
}

// The harvester's structure label, one of its own: its place among the
// devices in decimal digits, which never form the reserved byte FF.
QString strStructureLabel(int _s32Index)
{
    return QStringLiteral("%1").arg(_s32Index, 14, 10, QLatin1Char('0'));
}

// A harvester: one device with one device element that logs the totals.
void vWriteDevice(QXmlStreamWriter& _xml, const Source& _source, const Device& _device, int _s32Index,
                  const QVector<int>& _ddis)
{
    _xml.writeStartElement(QStringLiteral("DVC"));
    _xml.writeAttribute(QStringLiteral("A"), _device.strId);
    vRequired(_xml, "B", _device.strDesignator, QStringLiteral("Harvester"), 32);
    vOptional(_xml, "C", _source.strSoftwareVersion, 32);
    _xml.writeAttribute(QStringLiteral("D"), strClientName(_s32Index));
    vOptional(_xml, "E", _device.strDesignator, 32);
    _xml.writeAttribute(QStringLiteral("F"), strStructureLabel(_s32Index));
    _xml.writeAttribute(QStringLiteral("G"), QStringLiteral("FF000000006564"));
    _xml.writeStartElement(QStringLiteral("DET"));
    _xml.writeAttribute(QStringLiteral("A"), _device.strElementId);
    _xml.writeAttribute(QStringLiteral("B"), QStringLiteral("1"));
    _xml.writeAttribute(QStringLiteral("C"), QStringLiteral("1"));
    vRequired(_xml, "D", _device.strDesignator, QStringLiteral("Harvester"), 32);
    _xml.writeAttribute(QStringLiteral("E"), QStringLiteral("0"));
    _xml.writeAttribute(QStringLiteral("F"), QStringLiteral("0"));
    for (int i = 0; i < _ddis.size(); ++i) {
        _xml.writeStartElement(QStringLiteral("DOR"));
        _xml.writeAttribute(QStringLiteral("A"), QString::number(i + 2));
        _xml.writeEndElement();
    }
    _xml.writeEndElement(); // DET
    for (int i = 0; i < _ddis.size(); ++i) {
        _xml.writeStartElement(QStringLiteral("DPD"));
        _xml.writeAttribute(QStringLiteral("A"), QString::number(i + 2));
        _xml.writeAttribute(QStringLiteral("B"), strDdiHex(_ddis.at(i)));
        _xml.writeAttribute(QStringLiteral("C"), QStringLiteral("1"));  // in the default set
        _xml.writeAttribute(QStringLiteral("D"), QStringLiteral("16")); // totals
        _xml.writeAttribute(QStringLiteral("E"), strDdiName(_ddis.at(i)));
        _xml.writeEndElement();
    }
    _xml.writeEndElement(); // DVC
}

// With several harvesters each task names its own: an allocation of the
// device by its NAME and id. With one, every value names its only device.
void vWriteAllocation(QXmlStreamWriter& _xml, const Devices& _devices, int _s32Device)
{
    if (_devices.list.size() < 2)
        return;
    _xml.writeStartElement(QStringLiteral("DAN"));
    _xml.writeAttribute(QStringLiteral("A"), strClientName(_s32Device));
    _xml.writeAttribute(QStringLiteral("C"), _devices.list.at(_s32Device).strId);
    _xml.writeEndElement();
}

void vWriteTasks(QXmlStreamWriter& _xml, const QVector<Task>& _tasks, const Devices& _devices)
{
    for (const Task& task : _tasks) {
        const QString& strElementId = _devices.list.at(task.s32Device).strElementId;
        _xml.writeStartElement(QStringLiteral("TSK"));
        _xml.writeAttribute(QStringLiteral("A"), task.strId);
        vOptional(_xml, "B", task.strDesignator, 32);
        if (!task.strCustomerId.isEmpty())
            _xml.writeAttribute(QStringLiteral("C"), task.strCustomerId);
        if (!task.strPartfieldId.isEmpty())
            _xml.writeAttribute(QStringLiteral("E"), task.strPartfieldId);
        if (!task.strWorkerId.isEmpty())
            _xml.writeAttribute(QStringLiteral("F"), task.strWorkerId);
        _xml.writeAttribute(QStringLiteral("G"), QStringLiteral("4")); // completed
        // Without a start there is no time to carry the totals.
        if (!task.strStart.isEmpty()) {
            _xml.writeStartElement(QStringLiteral("TIM"));
            _xml.writeAttribute(QStringLiteral("A"), task.strStart);
            if (!task.strStop.isEmpty() && task.strStop >= task.strStart)
                _xml.writeAttribute(QStringLiteral("B"), task.strStop);
            _xml.writeAttribute(QStringLiteral("D"), QStringLiteral("4")); // effective
            for (const LogValue& value : task.values) {
                _xml.writeStartElement(QStringLiteral("DLV"));
                _xml.writeAttribute(QStringLiteral("A"), strDdiHex(value.s32Ddi));
                _xml.writeAttribute(QStringLiteral("B"), QString::number(value.s64Value));
                _xml.writeAttribute(QStringLiteral("C"), strElementId);
                _xml.writeEndElement();
            }
            _xml.writeEndElement(); // TIM
        }
        vWriteAllocation(_xml, _devices, task.s32Device);
        _xml.writeEndElement(); // TSK
    }
}

} // namespace

QByteArray baTaskData(const Source& _source)
{
    const OrderSet orders = orderSetOf(_source);

    QByteArray baXml;
    QXmlStreamWriter xml(&baXml);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(1);
    xml.writeStartDocument(QStringLiteral("1.0"));
    xml.writeStartElement(QStringLiteral("ISO11783_TaskData"));
    xml.writeAttribute(QStringLiteral("VersionMajor"), QStringLiteral("4"));
    xml.writeAttribute(QStringLiteral("VersionMinor"), QStringLiteral("3"));
    vRequired(xml, "ManagementSoftwareManufacturer", QString::fromUtf8(AppInfo::NAME), QStringLiteral("-"),
              32);
    vRequired(xml, "ManagementSoftwareVersion", _source.strSoftwareVersion, QStringLiteral("0"), 32);
    // The figures come from the machine's terminal.
    xml.writeAttribute(QStringLiteral("DataTransferOrigin"), QStringLiteral("2"));

    vWriteParties(xml, "CTR", orders.customers, contactsByNumber(_source.slCustomerLines, false), "L");
    vWritePartfields(xml, orders.partfields.list, fieldAreasM2(_source.slFieldLines));
    vWriteParties(xml, "WKR", orders.workers, contactsByNumber(_source.slDriverLines, true), "K");
    for (int i = 0; i < orders.devices.list.size(); ++i)
        vWriteDevice(xml, _source, orders.devices.list.at(i), i, loggedDdis(orders.tasks, i));
    vWriteTasks(xml, orders.tasks, orders.devices);

    xml.writeEndElement();
    xml.writeEndDocument();
    return baXml;
}

namespace
{

// The export made complete under a temporary name in _strFolder, then named
// _strName (or a free name beside it); its path, or an empty text and the
// kind of the failure. Whatever fails, the temporary folder goes.
QString strWriteComplete(const QString& _strFolder, const QString& _strName, const QByteArray& _baTaskData,
                         FileWriter::Failure& _failure)
{
    errno = 0;
    QTemporaryDir temporary(_strFolder + QStringLiteral("/.isoxml-XXXXXX"));
    if (!temporary.isValid()) {
        _failure = FileWriter::failureOf(errno, _strFolder);
        return QString();
    }
    errno = 0;
    if (!QDir(temporary.path()).mkdir(QStringLiteral("TASKDATA"))) {
        _failure = FileWriter::failureOf(errno, temporary.path());
        return QString();
    }
    // A temporary folder is its owner's alone; the export gets the permissions
    // of any new folder (TASKDATA's), so that whoever may read the documents
    // folder may read the export as well.
    QFile::setPermissions(temporary.path(),
                          QFileInfo(temporary.path() + QStringLiteral("/TASKDATA")).permissions());
    if (!FileWriter::bWrite(temporary.path() + QStringLiteral("/TASKDATA/TASKDATA.XML"), _baTaskData,
                            &_failure))
        return QString();
    const QString strPath = ReportFiles::strFreePath(_strFolder, _strName);
    errno = 0;
    if (!QDir().rename(temporary.path(), strPath)) {
        _failure = FileWriter::failureOf(errno, _strFolder);
        return QString();
    }
    temporary.setAutoRemove(false);
    return strPath;
}

} // namespace

QString strWriteExport(const QString& _strFolder, const QString& _strName, const QByteArray& _baTaskData,
                       QString* _pError)
{
    // Dots would be taken for a suffix by the free-name rule.
    QString strName = _strName;
    strName.replace(QLatin1Char('.'), QLatin1Char('_'));
    // The whole export is made under a temporary name and renamed when it is
    // complete: farm software never finds half an export. A failure leaves
    // nothing behind, the folders made for it included.
    FileWriter::cFolders folders;
    FileWriter::Failure failure = FileWriter::Failure::None;
    if (folders.bMake(_strFolder, &failure)) {
        const QString strPath = strWriteComplete(_strFolder, strName, _baTaskData, failure);
        if (!strPath.isEmpty())
            return strPath;
        folders.vRemoveMade();
    }
    if (_pError) {
        // The message names the folder the export was to be.
        *_pError = strTr(QT_TRANSLATE_NOOP("IsoXml", "Der Ordner %1 konnte nicht geschrieben werden: %2"))
                       .arg(QDir::toNativeSeparators(ReportFiles::strFreePath(_strFolder, strName)),
                            FileWriter::strReason(failure));
    }
    return QString();
}

void vReadListsFrom(const QString& _strFolder, Source& _source)
{
    // The newest file of each kind, the kind decided as the lists decide it
    // ("Fahrer_Kunden.csv" holds drivers, an orders file holds no customers).
    const QFileInfoList files =
        QDir(_strFolder)
            .entryInfoList({QStringLiteral("*.csv"), QStringLiteral("*.CSV")}, QDir::Files, QDir::Time);
    bool bCustomers = false;
    bool bDrivers = false;
    bool bFields = false;
    for (const QFileInfo& info : files) {
        const ListKind kind = ListNames::kindOfFile(info.fileName());
        QStringList* pTarget = nullptr;
        if (!bCustomers && kind == ListKind::Customers) {
            bCustomers = true;
            pTarget = &_source.slCustomerLines;
        } else if (!bDrivers && kind == ListKind::Drivers) {
            bDrivers = true;
            pTarget = &_source.slDriverLines;
        } else if (!bFields && kind == ListKind::Fields) {
            bFields = true;
            pTarget = &_source.slFieldLines;
        }
        ListFileContent content;
        if (pTarget && ListFile::bRead(info.filePath(), content))
            *pTarget = content.slLines;
    }
}

} // namespace IsoXml

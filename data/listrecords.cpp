#include "data/listrecords.h"

#include "data/fieldreaders.h"

using FieldReaders::strClean;
using FieldReaders::strField;

OrderRecord OrderRecord::parse(const QString& _strLine)
{
    return fromFields(RecordFields(_strLine));
}

OrderRecord OrderRecord::fromFields(const RecordFields& _fields)
{
    OrderRecord record;
    record.strOrderNumber = _fields.strClean(0);
    record.strCustomerNumber = _fields.strClean(2);
    record.strCustomer = _fields.strClean(3);
    record.strFieldNumber = _fields.strClean(4);
    record.strFieldName = _fields.strClean(5);
    record.strDriver = _fields.strField(7);
    record.strStart = _fields.strClean(8);
    record.strStop = _fields.strClean(9);
    record.s32AreaM2 = _fields.s32Int(10);
    record.s32FieldMinutes = _fields.s32Minutes(11);
    record.strRowSpacing = _fields.strField(29);
    record.dateStart = FieldReaders::dateOfTimestamp(record.strStart);
    return record;
}

void ContactFields::vReadContact(const QStringList& _slFields)
{
    strName1 = strField(_slFields, 1);
    strName2 = strField(_slFields, 2);
    strStreet = strField(_slFields, 3);
    strPostcode = strField(_slFields, 4);
    strTown = strField(_slFields, 5);
    strPhone = strField(_slFields, 7);
}

CustomerRecord CustomerRecord::parse(const QString& _strLine)
{
    const QStringList slFields = FieldReaders::slSplit(_strLine);
    CustomerRecord record;
    record.strNumber = strClean(strField(slFields, 0));
    record.vReadContact(slFields);
    return record;
}

FieldRecord FieldRecord::parse(const QString& _strLine)
{
    const QStringList slFields = FieldReaders::slSplit(_strLine);
    FieldRecord record;
    record.strCustomerNumber = FieldReaders::strField(slFields, 0);
    record.strCustomer = FieldReaders::strField(slFields, 1);
    record.strField = FieldReaders::strField(slFields, 2);
    record.strArea = FieldReaders::strField(slFields, 3);
    record.strDistance = FieldReaders::strField(slFields, 4);
    return record;
}

QString DriverRecord::strCleanNumber() const
{
    return strClean(strNumber);
}

DriverRecord DriverRecord::parse(const QString& _strLine)
{
    const QStringList slFields = FieldReaders::slSplit(_strLine);
    DriverRecord record;
    record.strNumber = strField(slFields, 0);
    record.vReadContact(slFields);
    record.strEmail = strField(slFields, 8);
    return record;
}

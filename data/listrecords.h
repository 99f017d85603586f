#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// The records of the four list files, as the list browser reads them.
// Every parser takes one line and never fails: missing fields are empty.

class RecordFields;

struct OrderRecord {
    QString strOrderNumber;    // 0, clean
    QString strCustomerNumber; // 2, clean
    QString strCustomer;       // 3, clean
    QString strFieldNumber;    // 4, clean
    QString strFieldName;      // 5, clean
    QString strDriver;         // 7
    QString strStart;          // 8, clean
    QString strStop;           // 9, clean
    int s32AreaM2 = 0;         // 10, square metres
    int s32FieldMinutes = 0;   // 11
    QString strRowSpacing;     // 29
    QDate dateStart;           // date of the start, invalid when it has none

    static OrderRecord parse(const QString& _strLine);
    static OrderRecord fromFields(const RecordFields& _fields);
};

// The columns customers and drivers share: name in two parts, address and
// telephone (columns 1 to 5 and 7; column 6 is not read).
struct ContactFields {
    QString strName1;    // 1
    QString strName2;    // 2
    QString strStreet;   // 3
    QString strPostcode; // 4
    QString strTown;     // 5
    QString strPhone;    // 7

    void vReadContact(const QStringList& _slFields);
};

struct CustomerRecord : ContactFields {
    QString strNumber; // 0, clean

    static CustomerRecord parse(const QString& _strLine);
};

struct FieldRecord {
    QString strCustomerNumber; // 0
    QString strCustomer;       // 1
    QString strField;          // 2
    QString strArea;           // 3, as written
    QString strDistance;       // 4, as written

    static FieldRecord parse(const QString& _strLine);
};

struct DriverRecord : ContactFields {
    static constexpr int FIELD_COUNT = 15;

    QString strNumber; // 0 (as read; strCleanNumber() for the sort key)
    QString strEmail;  // 8

    QString strCleanNumber() const;
    static DriverRecord parse(const QString& _strLine);
};

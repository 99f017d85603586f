#pragma once

#include <QString>
#include <QStringList>

// Which list a file holds, decided by its file name alone: the translated
// German word or any entry of the kind's names list (the terminal names its
// exports in its own language), tested in this order; the first match wins.
enum class ListKind { None, Orders, Fields, Drivers, Customers, Season, Machine };

namespace ListNames
{

const QStringList& orderNames();
const QStringList& fieldNames();
const QStringList& driverNames();
const QStringList& customerNames();
const QStringList& seasonNames();
const QStringList& machineNames();

// True when at least one entry occurs in the name (case-sensitive).
bool bContainsAny(const QString& _strFileName, const QStringList& _slNames);

bool bIsOrderList(const QString& _strFileName);
bool bIsFieldList(const QString& _strFileName);
bool bIsDriverList(const QString& _strFileName);
bool bIsCustomerList(const QString& _strFileName);
bool bIsSeasonList(const QString& _strFileName);
bool bIsMachineList(const QString& _strFileName);

// The kind of a file name (the part after the last "/" is tested), also by
// the translated words ("Aufträge", "Schläge", ... in the UI language).
ListKind kindOfFile(const QString& _strPath);

} // namespace ListNames

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Completed orders as ISO 11783-10 task data (ISOXML, version 4.3), the form
// farm management software imports: one customer (CTR) per customer, one
// partfield (PFD) per field, one worker (WKR) per driver, each harvester as a
// device (DVC) with one device element (DET), and one completed task (TSK)
// per order whose effective time (TIM) carries the order's totals as data
// log values (DLV) in the data dictionary's units, logged by the device
// element of the order's harvester. Widget-free and pure: the same lines
// always give the same bytes.
namespace IsoXml
{

struct Source {
    QStringList slOrderRecords;  // order records as shown, without header
    QStringList slOrderMachines; // per order record: its harvester's chassis number; a missing
                                 // or empty entry: the harvester of strDeviceDesignator
    QStringList slCustomerLines; // a customers file's lines (header first), or none
    QStringList slDriverLines;   // a drivers file's lines (header first), or none
    QStringList slFieldLines;    // a fields file's lines (header first), or none
    QString strDeviceDesignator; // the harvester's chassis number; empty when unknown
    QString strSoftwareVersion;  // the application's version
};

// The data dictionary entries the tasks carry (DDI and unit).
enum Ddi : int {
    TOTAL_AREA = 116,                 // m²
    EFFECTIVE_TOTAL_DISTANCE = 117,   // mm: harvesting
    INEFFECTIVE_TOTAL_DISTANCE = 118, // mm: empty runs and road
    EFFECTIVE_TOTAL_TIME = 119,       // s: harvesting
    INEFFECTIVE_TOTAL_TIME = 120,     // s: the rest of the field time and the road
    TOTAL_FUEL_CONSUMPTION = 148,     // ml: field and road
};

// TASKDATA.XML in UTF-8.
QByteArray baTaskData(const Source& _source);

// A text as an attribute may hold it: characters XML 1.0 does not allow
// dropped, blanks at the ends trimmed, at most _s32MaxLength characters
// (never splitting a character).
QString strAttributeText(const QString& _strText, int _s32MaxLength);

// Writes "<_strFolder>/<_strName>/TASKDATA/TASKDATA.XML": the folder is made
// beside under a temporary name and renamed when complete, with " (2)", ...
// when the name is taken. Returns the export folder's path, or an empty text
// and the translated message (the folder and the reason) in _pError; a
// failure leaves nothing behind, neither the export nor the folders made
// for it.
QString strWriteExport(const QString& _strFolder, const QString& _strName, const QByteArray& _baTaskData,
                       QString* _pError);

// The newest customers, drivers and fields files in a folder (the download
// folder), read into _source.
void vReadListsFrom(const QString& _strFolder, Source& _source);

} // namespace IsoXml

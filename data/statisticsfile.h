#pragma once

#include "data/listfile.h"

#include <QString>
#include <QStringList>

// The season and the machine statistics file: a header line, then one record
// of ready-made figures, shown as written.
struct StatisticsRecord {
    QStringList slFields; // line 2 split at ";"; empty when the file has no line 2 or it is empty

    // Field _s32Index as written, or an empty text when the record is shorter
    // (the page then leaves that label empty).
    QString strField(int _s32Index) const;
    bool bHasField(int _s32Index) const { return _s32Index < slFields.size(); }

    // False when the file cannot be opened.
    static bool bRead(const QString& _strPath, StatisticsRecord& _record);
    // The record of a file's lines, as bRead reads it.
    static StatisticsRecord fromContent(const ListFileContent& _content);
};

#pragma once

#include "data/ordertotals.h"

#include <QString>
#include <QStringList>

#include <functional>

// What the main window knows of the list it shows and what the statistics
// pages read of it: the file's lines, the order lines in the order the list
// shows them, the order totals with their averages, the order opened last and
// the file's name. The main window owns it and hands a copy to the pages
// whenever it changes; the texts are shared, so a copy costs no lines.
struct ListState {
    QStringList slLines;            // every line of the file, header as line 0
    QStringList slSortedOrderLines; // orders only: as the list shows them
    cOrderTotals orderTotals;       // orders only
    QString strCurrentOrderLine;    // the raw line of the order opened last
    QString strFileName;            // the file's name as shown

    // The archive: the averages are of the current order's machine and
    // season ("WAB123 – 2014/15"); empty for a file, whose averages are its own.
    QString strAverageScope;
    // The archive: the order pages are about to step to the order at this
    // index of the lines they step through (slLines by number, otherwise
    // slSortedOrderLines); the list is set anew to hold it (the orders are
    // read as needed) with the averages of its machine and season.
    std::function<void(int)> fnPrepareOrder;
};

#pragma once

#include <Qt>

// The columns and roles of the list browser's item model, shared by the
// model builder, the sort/filter proxy and the main window's tap handling.
// Column 0 always holds the multi-line entry the list shows.
namespace ListColumns
{

constexpr int ENTRY = 0;

// Orders have column 0 only: the rows come sorted from the builder, and the
// area beside the entry is drawn from AREA_TEXT_ROLE.

// Customers sorted by number, and fields: the customer number as sort key.
constexpr int CUSTOMER_NUMBER = 1;
constexpr int FIELD_CUSTOMER_NUMBER = 1;

// Drivers: the delete icon, the kind marker, the number (sort key), the name
// and the record's line number in the file.
constexpr int DRIVER_DELETE = 1;
constexpr int DRIVER_KIND = 2;
constexpr int DRIVER_NUMBER = 3;
constexpr int DRIVER_NAME = 4;
constexpr int DRIVER_LINE = 5;

// The kind marker's column of drivers (and of lists made elsewhere).
constexpr int KIND = 2;

// Roles of column 0: the record's line number in the file; for orders the
// order number as integer, the kind marker, the area text and its font, and
// the customer number the customer selector chooses by.
constexpr int LINE_ROLE = Qt::UserRole + 1;
constexpr int ORDER_NUMBER_ROLE = Qt::UserRole + 2;
constexpr int KIND_ROLE = Qt::UserRole + 3;
constexpr int AREA_TEXT_ROLE = Qt::UserRole + 4;
constexpr int AREA_FONT_ROLE = Qt::UserRole + 5;
constexpr int CUSTOMER_NUMBER_ROLE = Qt::UserRole + 6;

} // namespace ListColumns

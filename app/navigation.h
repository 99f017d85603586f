#pragma once

#include <QString>

class QWidget;

// Returning to the page that opened another one. Pages keep the opener's
// caller name and hand it here when they close.
namespace Navigation {

// The page of a caller name: "Haupt" the main window, "Einstellungen" the
// settings page, "Saison" and "Statistik" the season page; any other name
// has no page (nullptr).
QWidget* pPageOf(const QString& _strCallerName);

// Shows the page of the caller name maximised; another name shows nothing.
void vShowPage(const QString& _strCallerName);

} // namespace Navigation

#pragma once

#include <QString>

// Connects the terminal link to the pages and the pages to each other, so
// that neither the link nor a page needs to know the pages it talks to.
namespace Wiring {

// Called once at start-up, before the main window is shown. Every change of
// the connection state reaches the settings page first, then the main window,
// then the statistics pages.
void vConnectAll();

// Shows a page by its navigation target (app/navigation.h) for a caller.
void vOpenPage(const QString& _strTarget, const QString& _strCaller);

} // namespace Wiring

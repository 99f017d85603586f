#pragma once

#include "app/navigation.h"

// Connects the terminal link to the pages and the pages to each other, so
// that neither the link nor a page needs to know the pages it talks to. Pages
// are connected when they are made (most of them only when first shown).
namespace Wiring
{

// The pages among themselves: navigation by caller and target, the list
// state for the statistics pages, the requests pages make of each other.
void vConnectPages();

// The pages and the terminal link; calls vConnectPages(). Called once at
// start-up, before the main window is shown. Every change of the connection
// state reaches the settings page first, then the main window, then the
// statistics pages.
void vConnectAll();

// Shows the page of a navigation target for a caller.
void vOpenPage(Navigation::Target _target, Navigation::Caller _caller);

} // namespace Wiring

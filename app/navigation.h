#pragma once

#include <QString>

#include <functional>
#include <optional>

class QWidget;

// How pages hand the screen to each other without knowing each other: a page
// asks for a target or for its caller by name, and the application, which
// knows every page, carries it out (app/wiring.cpp registers both).
namespace Navigation
{

// The page that opened another and gets the screen back when it closes.
enum class Caller {
    Main,      // "Haupt": the main window
    Settings,  // "Einstellungen": the settings page
    Season,    // "Saison": the season page, as opener of the settings page
    Statistics // "Statistik": the season page, as opener of the file pages and the download selection
};

// The caller names the pages are told, one text per caller.
QString strCallerName(Caller _caller);
// The caller of a name; none for a name that is no caller's.
std::optional<Caller> callerOfName(const QString& _strName);

// What a page can ask the application to open.
enum class Target {
    Settings,          // the settings page, told its caller
    DownloadedFiles,   // the downloaded files page, told its caller
    SourceDirectory,   // the source directory chooser, told its caller
    DownloadSelection, // the download selection, over the calling page
    Live,              // the live dashboard
    TerminalList,      // the list of found terminals
    Info,              // the info page
    Archive,           // the archive page: where the lists are archived
    Billing,           // the rates page: prices and letterhead of the bills
    OrderPages,        // the order pages, at the main overview, for the order handed over
    WriteEmail         // not a page: an e-mail about the file the main window shows
};

using PageLookup = std::function<QWidget*(Caller)>;
using Opener = std::function<void(Target, Caller)>;

// Set once by the application.
void vSetPageLookup(const PageLookup& _fnLookup);
void vSetOpener(const Opener& _fnOpen);

// The page of a caller (nullptr while the application has not said).
QWidget* pPageOf(Caller _caller);
// Shows the caller's page maximised.
void vShowPage(Caller _caller);

// True once the application can open targets; pages hide what would lead nowhere.
bool bCanOpen();
// Opens the target for the caller; nothing while no opener is set.
void vOpen(Target _target, Caller _caller);

} // namespace Navigation

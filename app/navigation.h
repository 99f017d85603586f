#pragma once

#include <QString>

class QWidget;

// Returning to the page that opened another one. Pages keep the opener's
// caller name and hand it here when they close.
namespace Navigation {

// Caller names: the page that opened another and gets the screen back.
inline constexpr const char* CALLER_MAIN = "Haupt";
inline constexpr const char* CALLER_SETTINGS = "Einstellungen";
inline constexpr const char* CALLER_SEASON = "Saison";
inline constexpr const char* CALLER_STATISTICS = "Statistik";

// Targets the main window and the season page hand to their navigation hook.
inline constexpr const char* PAGE_SETTINGS = "Einstellungen";
inline constexpr const char* PAGE_DOWNLOADED_FILES = "heruntergeladeneDateien";
inline constexpr const char* PAGE_SOURCE_DIRECTORY = "QuelleVerzeichnis";
inline constexpr const char* PAGE_DOWNLOAD_SELECTION = "WhatToDownload";
inline constexpr const char* PAGE_LIVE = "Live";
// Not a page: write an e-mail about the shown file.
inline constexpr const char* ACTION_WRITE_EMAIL = "SendFileTo";

// The page of a caller name: "Haupt" the main window, "Einstellungen" the
// settings page, "Saison" and "Statistik" the season page; any other name
// has no page (nullptr).
QWidget* pPageOf(const QString& _strCallerName);

// Shows the page of the caller name maximised; another name shows nothing.
void vShowPage(const QString& _strCallerName);

} // namespace Navigation

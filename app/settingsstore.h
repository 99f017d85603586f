#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

// The one settings store of the application: organisation "Lindqvarth",
// one application name per topic. Every access opens its own short-lived
// QSettings object, so nothing holds the store open.
namespace SettingsStore {

inline const char* const ORGANISATION = "Lindqvarth";

// Application names (topics).
inline const char* const APP_LANGUAGE = "LANGUAGE";
inline const char* const APP_LIST = "QSettings";
inline const char* const APP_CLIENT = "Client";
inline const char* const APP_EMAIL = "Email";
inline const char* const APP_DIRECTORY = "Directory";

// Keys.
inline const char* const KEY_LANGUAGE = "Language";
inline const char* const KEY_LANGUAGE_NUMBER = "Number";
inline const char* const KEY_PATH = "strPfad";
inline const char* const KEY_LIST_TYPE = "strWhichTypeOfList";
inline const char* const KEY_KNOWN_TERMINALS = "list";
inline const char* const KEY_LAST_CHASSIS = "LastChassis";
inline const char* const KEY_EMAIL = "Addrese";
inline const char* const KEY_WHERE_TO_EXPAND = "wheretoexpand";

// Reads a key; a missing key gives an invalid QVariant (no default is passed).
QVariant vValue(const char* _strApplication, const char* _strKey);
void vSetValue(const char* _strApplication, const char* _strKey, const QVariant& _value);

// The fourteen UI languages in the order of the settings page's list.
// Index 0 is German, the source language.
struct Language
{
    const char* strStoredName; // stored under "Language", names the catalogue
    const char* strShownName;  // shown in the language selector
};
const QList<Language>& languages();
// The stored name for a selector index, or an empty string outside 0..13.
QString strLanguageNameForIndex(int _s32Index);
// The resource base name of a catalogue: "vemoapp_" + language name.
QString strCatalogueName(const QString& _strLanguage);

} // namespace SettingsStore

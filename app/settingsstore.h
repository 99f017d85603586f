#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QVariant>

// The one settings store of the application: organisation "Lindqvarth",
// one application name per topic. Every access opens its own short-lived
// QSettings object, so nothing holds the store open.
namespace SettingsStore
{

inline const char* const ORGANISATION = "Lindqvarth";

// Application names (topics).
inline const char* const APP_LANGUAGE = "LANGUAGE";
inline const char* const APP_LIST = "QSettings";
inline const char* const APP_CLIENT = "Client";
inline const char* const APP_EMAIL = "Email";
inline const char* const APP_DIRECTORY = "Directory";

// The topics whose file holds secrets (the known terminals' passwords): their
// file is readable by its owner only, from before the first byte is written.
bool bOwnerOnly(const char* _strApplication);

// One stored value: where it lives, its type and what reading it gives when
// nothing is stored. A stored value of another type is converted as QVariant
// converts it (a number stored as text reads as that number).
template <class T> struct Setting {
    const char* strApplication;
    const char* strKey;
    T tDefault;

    T tValue() const;
    void vSet(const T& _tValue) const;
    // The file behind the application name.
    QString strFileName() const;
};

// Every stored value of the application.
// The UI language by its stored name ("Englisch"), read at start-up.
inline const Setting<QString> LANGUAGE{APP_LANGUAGE, "Language", QString()};
// The language selector's index; read by its low byte.
inline const Setting<int> LANGUAGE_NUMBER{APP_LANGUAGE, "Number", 0};
// The list file shown last and its file name, which tells the kind of list.
inline const Setting<QString> LIST_PATH{APP_LIST, "strPfad", QString()};
inline const Setting<QString> LIST_TYPE{APP_LIST, "strWhichTypeOfList", QString()};
// The known terminals (see terminal/knownterminals.h) and the chassis number
// of the terminal connected last.
inline const Setting<QStringList> KNOWN_TERMINALS{APP_CLIENT, "list", QStringList()};
inline const Setting<QString> LAST_CHASSIS{APP_CLIENT, "LastChassis", QString()};
// The terminals' certificate fingerprints by serial number and by chassis
// number (see terminal/certificatepins.h), beside the known terminals.
inline const Setting<QStringList> SERIAL_FINGERPRINTS{APP_CLIENT, "fingerprints", QStringList()};
inline const Setting<QStringList> CHASSIS_FINGERPRINTS{APP_CLIENT, "chassisFingerprints", QStringList()};
// The office's archive server (PostgreSQL), see data/archiveserver.h. Kept
// in the owner-only file with the terminals' passwords: it holds one too.
inline const Setting<int> ARCHIVE_SERVER_USE{APP_CLIENT, "archiveServerUse", 0};
inline const Setting<QString> ARCHIVE_SERVER_HOST{APP_CLIENT, "archiveServerHost", QString()};
inline const Setting<int> ARCHIVE_SERVER_PORT{APP_CLIENT, "archiveServerPort", 5432};
inline const Setting<QString> ARCHIVE_SERVER_DATABASE{APP_CLIENT, "archiveServerDatabase", QString()};
inline const Setting<QString> ARCHIVE_SERVER_USER{APP_CLIENT, "archiveServerUser", QString()};
inline const Setting<QString> ARCHIVE_SERVER_PASSWORD{APP_CLIENT, "archiveServerPassword", QString()};
// The e-mail address the pages send their reports to.
inline const Setting<QString> EMAIL{APP_EMAIL, "Addrese", QString()};
// The folder the source directory chooser opens first.
inline const Setting<QString> WHERE_TO_EXPAND{APP_DIRECTORY, "wheretoexpand", QString()};

// The fourteen UI languages in the order of the settings page's list.
// Index 0 is German, the source language.
struct Language {
    const char* strStoredName; // stored under "Language", names the catalogue
    const char* strShownName;  // shown in the language selector
    const char* strLocale;     // numbers and dates of reports in this language
};
const QList<Language>& languages();
// The stored name for a selector index, or an empty string outside 0..13.
QString strLanguageNameForIndex(int _s32Index);
// The locale of a stored language name (German for an unknown one), and of
// the stored language: reports and exports write numbers and dates with it.
QLocale localeOfLanguage(const QString& _strLanguage);
QLocale interfaceLocale();
// Makes the interface language's locale the default one (at start-up):
// numbers, dates, calendars and the sorting of names follow it, whatever the
// system's locale is.
void vApplyInterfaceLocale();
// The resource base name of a catalogue: "vemoapp_" + language name.
QString strCatalogueName(const QString& _strLanguage);

} // namespace SettingsStore

#include "app/settingsstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSettings>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace SettingsStore
{

namespace
{

// QSettings writes a file beside the store and renames it over the store;
// that file takes the store's permissions, or, while there is no store yet,
// the process's default ones, which let everybody read it. So the store is
// made empty and owner-only before the first write, and an older one that
// others can read is closed to them before anything new goes into it.
void vMakeOwnerOnly(const QString& _strFile)
{
    QDir().mkpath(QFileInfo(_strFile).absolutePath());
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(_strFile).constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    if (fd >= 0) {
        ::fchmod(fd, S_IRUSR | S_IWUSR);
        ::close(fd);
    }
#endif
}

} // namespace

bool bOwnerOnly(const char* _strApplication)
{
    return qstrcmp(_strApplication, APP_CLIENT) == 0;
}

template <class T> T Setting<T>::tValue() const
{
    QSettings settings(ORGANISATION, strApplication);
    return settings.value(strKey, QVariant::fromValue(tDefault)).template value<T>();
}

template <class T> void Setting<T>::vSet(const T& _tValue) const
{
    QSettings settings(ORGANISATION, strApplication);
    if (bOwnerOnly(strApplication))
        vMakeOwnerOnly(settings.fileName());
    settings.setValue(strKey, QVariant::fromValue(_tValue));
}

template <class T> QString Setting<T>::strFileName() const
{
    return QSettings(ORGANISATION, strApplication).fileName();
}

// The types of the stored values.
template struct Setting<QString>;
template struct Setting<int>;
template struct Setting<QStringList>;

const QList<Language>& languages()
{
    static const QList<Language> table = {
        {"Deutsch", "Deutsch", "de_DE"},
        {"Englisch", "English", "en_GB"},
        {"Franzoesisch", "Fran\u00e7ais", "fr_FR"},
        {"Russisch", "\u0420\u0443\u0441\u0441\u043a\u0438\u0439", "ru_RU"},
        {"Ungarisch", "Magyar", "hu_HU"},
        {"Polnisch", "Polski", "pl_PL"},
        {"Daenisch", "Dansk", "da_DK"},
        {"Tschechisch", "\u010ce\u0161tina", "cs_CZ"},
        {"Chinesisch", "\u6c49\u8bed", "zh_CN"},
        {"Schwedisch", "Svenska", "sv_SE"},
        {"Italienisch", "Italiano", "it_IT"},
        {"Tuerkisch", "T\u00fcrk\u00e7e", "tr_TR"},
        {"Niederlaendisch", "Nederlands", "nl_NL"},
        {"Spanisch", "Espa\u00f1ol", "es_ES"},
    };
    return table;
}

QString strLanguageNameForIndex(int _s32Index)
{
    if (_s32Index < 0 || _s32Index >= languages().size())
        return QString();
    return QString::fromLatin1(languages().at(_s32Index).strStoredName);
}

QLocale localeOfLanguage(const QString& _strLanguage)
{
    for (const Language& language : languages()) {
        if (_strLanguage == QLatin1String(language.strStoredName))
            return QLocale(QString::fromLatin1(language.strLocale));
    }
    // No language stored: the German source texts.
    return QLocale(QLocale::German, QLocale::Germany);
}

QLocale interfaceLocale()
{
    return localeOfLanguage(LANGUAGE.tValue());
}

void vApplyInterfaceLocale()
{
    QLocale::setDefault(interfaceLocale());
}

QString strCatalogueName(const QString& _strLanguage)
{
    return QStringLiteral("vemoapp_") + _strLanguage;
}

} // namespace SettingsStore

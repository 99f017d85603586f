#include "app/settingsstore.h"

#include <QSettings>

namespace SettingsStore
{

template <class T> T Setting<T>::tValue() const
{
    QSettings settings(ORGANISATION, strApplication);
    return settings.value(strKey, QVariant::fromValue(tDefault)).template value<T>();
}

template <class T> void Setting<T>::vSet(const T& _tValue) const
{
    QSettings settings(ORGANISATION, strApplication);
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
        {"Deutsch", "Deutsch"},
        {"Englisch", "English"},
        {"Franzoesisch", "Fran\u00e7ais"},
        {"Russisch", "\u0420\u0443\u0441\u0441\u043a\u0438\u0439"},
        {"Ungarisch", "Magyar"},
        {"Polnisch", "Polski"},
        {"Daenisch", "Dansk"},
        {"Tschechisch", "\u010ce\u0161tina"},
        {"Chinesisch", "\u6c49\u8bed"},
        {"Schwedisch", "Svenska"},
        {"Italienisch", "Italiano"},
        {"Tuerkisch", "T\u00fcrk\u00e7e"},
        {"Niederlaendisch", "Nederlands"},
        {"Spanisch", "Espa\u00f1ol"},
    };
    return table;
}

QString strLanguageNameForIndex(int _s32Index)
{
    if (_s32Index < 0 || _s32Index >= languages().size())
        return QString();
    return QString::fromLatin1(languages().at(_s32Index).strStoredName);
}

QString strCatalogueName(const QString& _strLanguage)
{
    return QStringLiteral("vemoapp_") + _strLanguage;
}

} // namespace SettingsStore

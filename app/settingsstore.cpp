#include "app/settingsstore.h"

#include <QSettings>

namespace SettingsStore {

QVariant vValue(const char* _strApplication, const char* _strKey)
{
    QSettings settings(ORGANISATION, _strApplication);
    return settings.value(_strKey);
}

void vSetValue(const char* _strApplication, const char* _strKey, const QVariant& _value)
{
    QSettings settings(ORGANISATION, _strApplication);
    settings.setValue(_strKey, _value);
}

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

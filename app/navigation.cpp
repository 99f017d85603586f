#include "app/navigation.h"

#include "mainwindow/chaupt.h"
#include "settings/ceinstellungen.h"
#include "statistics/csaisondata.h"

namespace Navigation {

QWidget* pPageOf(const QString& _strCallerName)
{
    if (_strCallerName == QLatin1String("Haupt"))
        return cHaupt::instance();
    if (_strCallerName == QLatin1String("Einstellungen"))
        return cEinstellungen::instance();
    if (_strCallerName == QLatin1String("Saison") || _strCallerName == QLatin1String("Statistik"))
        return cSaisonData::instance();
    return nullptr;
}

void vShowPage(const QString& _strCallerName)
{
    if (QWidget* pPage = pPageOf(_strCallerName))
        pPage->showMaximized();
}

} // namespace Navigation

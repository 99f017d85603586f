#include "data/currentorder.h"

#include "data/fieldreaders.h"
#include "data/numberformat.h"
#include "data/ordertotals.h"

#include <QCoreApplication>

using FieldReaders::s32DurationToMinutes;
using FieldReaders::s32ToInt;
using FieldReaders::strField;

namespace
{

QString strComposeInfoText(const QStringList& _slFields, int _s32SortIndex)
{
    // NUL padding of the terminal never reaches the labels.
    const auto f = [&](int _s32Index) { return FieldReaders::strClean(strField(_slFields, _s32Index)); };

    const QString strOrder =
        QCoreApplication::translate("cZeitAufteilung", "Auftrags Nummer") + ": " + f(0) + "\n";
    const QString strCustomerAndField =
        QCoreApplication::translate("cZeitAufteilung", "Kunde") + ": " + f(3) + " (" + f(2) + ") " + "\n" +
        QCoreApplication::translate("cZeitAufteilung", "Schlag") + ": " + f(5) + " (" + f(4) + ")\n";
    const QString strRest = QCoreApplication::translate("cZeitAufteilung", "Fahrer") + ": " + f(7) + "\n" +
                            QCoreApplication::translate("cZeitAufteilung", "Start") + ": " +
                            NumberFormat::strTerminalDateTime(f(8)) + "\n" +
                            QCoreApplication::translate("cZeitAufteilung", "Stopp") + ": " +
                            NumberFormat::strTerminalDateTime(f(9)) + "\n" +
                            QCoreApplication::translate("cZeitAufteilung", "Reihenabstand") + ": " + f(29);
    // Opened from the plain file order, the order number leads; opened from a
    // sorted view, the customer does.
    return _s32SortIndex == 0 ? strOrder + strCustomerAndField + strRest
                              : strCustomerAndField + strOrder + strRest;
}

} // namespace

CurrentOrder CurrentOrder::parse(const QString& _strRecord, int _s32OrderNumber, int _s32SortIndex)
{
    const QStringList slFields = FieldReaders::slSplit(_strRecord);
    const auto s32Int = [&](int _s32Index) { return s32ToInt(strField(slFields, _s32Index)); };
    const auto s32Minutes = [&](int _s32Index) {
        return s32DurationToMinutes(strField(slFields, _s32Index));
    };

    CurrentOrder order;
    order.strRecord = _strRecord;
    order.s32OrderNumber = _s32OrderNumber;
    order.s32SortIndex = _s32SortIndex;

    order.s32AreaM2 = s32Int(10);
    order.s32FieldMetres = s32Int(16);
    order.s32HarvestMetres = s32Int(17);
    order.s32RoadMetres = s32Int(18);
    order.s32FieldFuelMl = s32Int(19);
    order.s32RoadFuelMl = s32Int(20);
    order.fArea = float(s32Int(10) / 10000.0);
    order.fFieldDistance = float(s32Int(16) / 1000.0);
    order.fHarvestDistance = float(s32Int(17) / 1000.0);
    order.fRoadDistance = float(s32Int(18) / 1000.0);
    order.fFieldFuel = float(s32Int(19) / 1000.0);
    order.fRoadFuel = float(s32Int(20) / 1000.0);
    order.fHarvestFuel = float(s32Int(37) / 1000.0);
    order.fBunkerLoads = float(s32Int(33) / 100.0);
    order.s32FieldMinutes = s32Minutes(11);
    order.s32UnloadMinutes = s32Minutes(13);
    order.s32RoadMinutes = s32Minutes(14);
    order.s32HarvestMinutes = s32Minutes(30);
    order.strFieldTime = strField(slFields, 11);
    order.strRoadTime = strField(slFields, 14);
    order.strAdditionalInfo = strField(slFields, 26);

    order.strInfoText = strComposeInfoText(slFields, _s32SortIndex);
    order.strAreaText = NumberFormat::strHectares(order.s32AreaM2) + " " +
                        QCoreApplication::translate("cZeitAufteilung", "ha");
    return order;
}

OrderFigures OrderFigures::ofOrder(const CurrentOrder& _order)
{
    OrderFigures figures;
    const float fArea = _order.fArea;
    if (!(fArea > 0))
        return figures;
    using NumberFormat::ratio;
    figures.hectaresPerHour = ratio(60.0f * fArea, _order.s32FieldMinutes);
    figures.harvestSpeed = ratio(60.0f * _order.fHarvestDistance, _order.s32HarvestMinutes);
    figures.emptyRunMetresPerHectare =
        ratio((_order.fFieldDistance - _order.fHarvestDistance) * 1000.0f, fArea);
    figures.harvestFuelPerHectare = ratio(_order.fHarvestFuel, fArea);
    figures.fieldFuelPerHectare = ratio(_order.fFieldFuel, fArea);
    figures.bunkerLoadsPerHectare = ratio(_order.fBunkerLoads, fArea);
    return figures;
}

OrderFigures OrderFigures::ofTotals(const cOrderTotals& _totals)
{
    OrderFigures figures;
    figures.hectaresPerHour = _totals.hectaresPerHour();
    figures.harvestSpeed = _totals.harvestSpeed();
    figures.emptyRunMetresPerHectare = _totals.emptyRunMetresPerHectare();
    figures.harvestFuelPerHectare = _totals.harvestFuelPerHectare();
    figures.fieldFuelPerHectare = _totals.fieldFuelPerHectare();
    figures.bunkerLoadsPerHectare = _totals.bunkerLoadsPerHectare();
    return figures;
}

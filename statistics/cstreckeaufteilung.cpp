#include "statistics/cstreckeaufteilung.h"
#include "statistics/corderpageset.h"

#include "app/pageframe.h"
#include "data/currentorder.h"
#include "data/numberformat.h"
#include "ui_cstreckeaufteilung.h"

namespace
{
// Metres as kilometres with three decimals, as the reports and the CSV show them.
QString strKm(qint64 _s64Metres)
{
    return NumberFormat::strScaled(_s64Metres, 3, 3);
}
} // namespace

cStreckeAufteilung* cStreckeAufteilung::instance()
{
    return PageFrame::tInstance<cStreckeAufteilung>();
}

cStreckeAufteilung::cStreckeAufteilung() : cOrderPage(Page::DistanceSplit), ui(new Ui::cStreckeAufteilung)
{
    ui->setupUi(this);
    vSetupFrame(ui->pushButton_Vemo_Icon, ui->label_Ansicht, ui->pushButton, ui->pushButton_back, ui->label,
                ui->label_Rodeflaeche, ui->horizontalLayout_Inhalt);
    vReset();
}

cStreckeAufteilung::~cStreckeAufteilung()
{
    delete ui;
}

void cStreckeAufteilung::vApplyPageSizes()
{
    const int size = s32TextSize();
    ui->label_Strecke_Strasse->setStyleSheet(strLegendStyle(size, "rgb(255,255,102)", "rgb(0, 0, 0)"));
    ui->label_Strecke_Roden->setStyleSheet(strLegendStyle(size, "rgb(129, 192, 102)", "rgb(0, 0, 0)"));
    ui->label_Strecke_Leerfahrt->setStyleSheet(
        strLegendStyle(size, "rgb(0, 127, 102)", "rgb(255, 255, 255)"));
    ui->widget->setMinimumSize(s32Screen() / 3, s32Screen() / 3);
}

void cStreckeAufteilung::vReset()
{
    ui->widget->vReset();
    ui->label_Strecke_Leerfahrt->setText(tr("Leerfahrt") + ": -");
    ui->label_Strecke_Roden->setText(tr("Roden") + ": -");
    ui->label_Strecke_Strasse->setText(tr("Anfahrt") + ": -");
}

void cStreckeAufteilung::vTakeDataAndPresent()
{
    vBeginFill();
    const CurrentOrder& order = OrderPages::currentOrder();
    if (order.bEmpty()) {
        vReset();
    } else {
        const float fField = order.fFieldDistance;
        const float fHarvest = order.fHarvestDistance;
        const float fRoad = order.fRoadDistance;
        ui->label_Strecke_Leerfahrt->setText(tr("Leerfahrt") + ": " +
                                             strKm(qint64(order.s32FieldMetres) - order.s32HarvestMetres) +
                                             " " + tr("km"));
        ui->label_Strecke_Roden->setText(tr("Roden") + ": " + strKm(order.s32HarvestMetres) + " " + tr("km"));
        ui->label_Strecke_Strasse->setText(tr("Anfahrt") + ": " + strKm(order.s32RoadMetres) + " " +
                                           tr("km"));
        ui->widget->vReceiveDate(fField, fHarvest, fRoad);
    }
    vRelayoutJiggle();
}

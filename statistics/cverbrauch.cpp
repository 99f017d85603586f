#include "statistics/cverbrauch.h"
#include "statistics/corderpageset.h"

#include "app/pageframe.h"
#include "data/currentorder.h"
#include "data/numberformat.h"
#include "statistics/cfieldroadtable.h"
#include "statistics/statisticsfigures.h"
#include "ui_cverbrauch.h"

using NumberFormat::strNumber;
using StatisticsFigures::strWithUnit;

cVerbrauch* cVerbrauch::instance()
{
    return PageFrame::tInstance<cVerbrauch>();
}

cVerbrauch::cVerbrauch() : cOrderPage(Page::Consumption), ui(new Ui::cVerbrauch)
{
    ui->setupUi(this);
    vSetupFrame(ui->pushButton_Vemo_Icon, ui->label_Ansicht, ui->pushButton, ui->pushButton_back,
                ui->label_Auftrage, ui->label_Rodeflaeche, ui->horizontalLayout_Inhalt);
}

cVerbrauch::~cVerbrauch()
{
    delete ui;
}

void cVerbrauch::vApplyPageSizes()
{
    FieldRoadTable::vApplyStyles(this, s32TextSize(), s32Screen() / 12);
}

void cVerbrauch::vTakeDataAndPresent()
{
    vBeginFill();
    const CurrentOrder& order = OrderPages::currentOrder();
    QList<QLabel*> values = {
        ui->label_Feld_Strecke,        ui->label_Strasse_Strecke,        ui->label_Zeit_Feld,
        ui->label_Zeit_Strasse,        ui->label_Verbrauch_feld,         ui->label_Verbrauch_strasse,
        ui->label_verbrauch_zeit_feld, ui->label_verbrauch_zeit_strasse, ui->label_verbrauch_hektar_feld,
        ui->label_verbrauch_km_strasse};
    if (order.bEmpty()) {
        for (QLabel* label : values)
            label->setText(QStringLiteral("-"));
        FieldRoadTable::vKeepValuesWhole(this);
        vRelayoutJiggle();
        return;
    }

    using NumberFormat::strScaled;
    ui->label_Feld_Strecke->setText(strScaled(order.s32FieldMetres, 3, 3) + " " + tr("km"));
    ui->label_Strasse_Strecke->setText(strScaled(order.s32RoadMetres, 3, 3) + " " + tr("km"));
    ui->label_Zeit_Feld->setText(StatisticsFigures::strTimeWithUnit(order.s32FieldMinutes, tr("h")));
    ui->label_Zeit_Strasse->setText(StatisticsFigures::strTimeWithUnit(order.s32RoadMinutes, tr("h")));
    ui->label_Verbrauch_feld->setText(strScaled(order.s32FieldFuelMl, 3, 1) + " " + tr("l"));
    ui->label_Verbrauch_strasse->setText(strScaled(order.s32RoadFuelMl, 3, 1) + " " + tr("l"));

    const StatisticsFigures::Consumption c =
        StatisticsFigures::consumption(order.fFieldFuel, order.s32FieldMinutes, order.fArea, order.fRoadFuel,
                                       order.s32RoadMinutes, order.fRoadDistance);
    ui->label_verbrauch_zeit_feld->setText(strWithUnit(strNumber(c.fieldPerHour, 'f', 1), tr("l/h")));
    ui->label_verbrauch_zeit_strasse->setText(strWithUnit(strNumber(c.roadPerHour, 'f', 1), tr("l/h")));
    ui->label_verbrauch_hektar_feld->setText(strWithUnit(strNumber(c.fieldPerHectare, 'f', 1), tr("l/ha")));
    ui->label_verbrauch_km_strasse->setText(strWithUnit(strNumber(c.roadPerKm, 'f', 1), tr("l/km")));

    FieldRoadTable::vKeepValuesWhole(this);
    vRelayoutJiggle();
}

#include "statistics/czeitaufteilung.h"

#include "app/pageframe.h"
#include "statistics/statisticsfigures.h"
#include "ui_czeitaufteilung.h"

cZeitAufteilung* cZeitAufteilung::instance()
{
    return PageFrame::tInstance<cZeitAufteilung>();
}

cZeitAufteilung::cZeitAufteilung() : cOrderPage(Page::TimeSplit), ui(new Ui::cZeitAufteilung)
{
    ui->setupUi(this);
    vSetupFrame(ui->pushButton_Vemo_Icon, ui->label_Ansicht, ui->pushButton, ui->pushButton_back, ui->label,
                ui->label_Rodeflaeche, ui->horizontalLayout_Inhalt);
}

cZeitAufteilung::~cZeitAufteilung()
{
    delete ui;
}

void cZeitAufteilung::vApplyPageSizes()
{
    const int size = s32TextSize();
    ui->label_Zeit_Entladen->setStyleSheet(strLegendStyle(size, "rgb(0, 85, 255)", "rgb(255, 255, 255)"));
    ui->label_Zeit_Roden->setStyleSheet(strLegendStyle(size, "rgb(0, 128, 0)", "rgb(255, 255, 255)"));
    ui->label_Zeit_Rest->setStyleSheet(strLegendStyle(size, "rgb(255, 150, 0)", "rgb(0, 0, 0)"));
    ui->widget->setMinimumSize(s32Screen() / 3, s32Screen() / 3);
}

void cZeitAufteilung::vReceiveTextAndPresent(QString _strText, int _s32CurrentAuftragsNummer,
                                             int _s32CurrentSortedList)
{
    m_order = CurrentOrder::parse(_strText.trimmed().isEmpty() ? QString() : _strText,
                                  _s32CurrentAuftragsNummer, _s32CurrentSortedList);
    vTakeDataAndPresent();
}

void cZeitAufteilung::vTakeDataAndPresent()
{
    vBeginFill();
    if (m_order.bEmpty()) {
        ui->label_Zeit_Rest->setText(tr("Zeit Rest") + ": -");
        ui->label_Zeit_Entladen->setText(tr("Zeit Entladen") + ": -");
        ui->label_Zeit_Roden->setText(tr("Zeit Roden") + ": -");
        ui->widget->vReset();
    } else {
        using StatisticsFigures::strTimeWithUnit;
        const int s32Rest = StatisticsFigures::s32RestMinutes(
            m_order.s32FieldMinutes, m_order.s32UnloadMinutes, m_order.s32HarvestMinutes);
        // A rest below zero (unloading and harvesting longer than the field
        // time) shows "-".
        ui->label_Zeit_Rest->setText(tr("Zeit Rest") + ": " + strTimeWithUnit(s32Rest, tr("h")));
        ui->label_Zeit_Entladen->setText(tr("Zeit Entladen") + ": " +
                                         strTimeWithUnit(m_order.s32UnloadMinutes, tr("h")));
        ui->label_Zeit_Roden->setText(tr("Zeit Roden") + ": " +
                                      strTimeWithUnit(m_order.s32HarvestMinutes, tr("h")));
        ui->widget->vReceiveDate(m_order.s32FieldMinutes, m_order.s32UnloadMinutes,
                                 m_order.s32HarvestMinutes);
    }
    vRelayoutJiggle();
}

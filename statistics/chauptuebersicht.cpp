#include "statistics/chauptuebersicht.h"
#include "statistics/corderpageset.h"

#include "app/pageframe.h"
#include "data/currentorder.h"
#include "data/numberformat.h"
#include "data/ordertotals.h"
#include "statistics/shownlist.h"
#include "ui_chauptuebersicht.h"

namespace
{
// The averages in the grey of the second column.
QString strAverageStyle(int _s32Size)
{
    return Style::strValueFrame(_s32Size) +
           QStringLiteral("QLabel{background-color: rgb(88, 88, 88); color: rgb(255, 255, 255);}");
}
QString strOrderValueStyle(int _s32Size)
{
    return Style::strValueFrame(_s32Size) + QStringLiteral("QLabel{color: ") + Style::strYellow() +
           QStringLiteral(";}");
}
} // namespace

cHauptUebersicht* cHauptUebersicht::instance()
{
    return PageFrame::tInstance<cHauptUebersicht>();
}

cHauptUebersicht::cHauptUebersicht() : cOrderPage(Page::Overview), ui(new Ui::cHauptUebersicht)
{
    ui->setupUi(this);
    vSetupFrame(ui->pushButton_Vemo_Icon, ui->label_Ansicht, ui->pushButton, ui->pushButton_back,
                ui->label_Auftrage, ui->label_Rodeflaeche, ui->horizontalLayout_Inhalt);
    // Short captions instead of the form's two-line ones.
    ui->label_HektarProStundeTitel->setText(tr("ha/h"));
    ui->label_KmHTitel->setText(tr("km/h") + " " + tr("Roden"));
    ui->label_MeterProHektarTitel->setText(tr("m/ha leer"));
    ui->label_LiterProHektarRodenTitel->setText(tr("l/ha") + " " + tr("Roden"));
    ui->label_LitarProHektarGesamtTitel->setText(tr("l/ha") + " " + tr("Gesamt"));
    ui->label_BunkerProHektarTitel->setText(tr("Bunker/ha"));
}

cHauptUebersicht::~cHauptUebersicht()
{
    delete ui;
}

void cHauptUebersicht::vApplyPageSizes()
{
    const int size = s32TextSize();
    const QString title = Style::strTitleLabel(size);
    for (QLabel* label :
         {ui->label_AuftragTitel, ui->label_DurschnittTitel, ui->label_HektarProStundeTitel,
          ui->label_KmHTitel, ui->label_MeterProHektarTitel, ui->label_LiterProHektarRodenTitel,
          ui->label_LitarProHektarGesamtTitel, ui->label_BunkerProHektarTitel, ui->label_Zusatzinfo})
        label->setStyleSheet(title);
    ui->label_Zusatzinfo->setWordWrap(true);
    for (QLabel* label :
         {ui->label_HektarProStunde, ui->label_KmH, ui->label_MeterProHektar, ui->label_LiterProHektarRoden,
          ui->label_LiterProHektarGesamt, ui->label_BunkerProHektar})
        label->setStyleSheet(strOrderValueStyle(size));
    for (QLabel* label : {ui->label_HektarProStundeDursch, ui->label_kmhDursch,
                          ui->label_MeterProHektarDursch, ui->label_LitarProHektarRodenDursch,
                          ui->label_LitarProHektarGesamtDursch, ui->label_BunkerProHektar_Dursch})
        label->setStyleSheet(strAverageStyle(size));
}

void cHauptUebersicht::vTakeDataAndPresent()
{
    vBeginFill();
    const CurrentOrder& order = OrderPages::currentOrder();
    ui->label_Zusatzinfo->setText(tr("Zusatzinfo") + ": " + order.strAdditionalInfo);

    // A figure whose divisor is zero (no area, no minutes) shows "-".
    using NumberFormat::strNumber;
    const OrderFigures figures = OrderFigures::ofOrder(order);
    ui->label_HektarProStunde->setText(strNumber(figures.hectaresPerHour, 'f', 3));
    ui->label_KmH->setText(strNumber(figures.harvestSpeed, 'f', 1));
    ui->label_MeterProHektar->setText(strNumber(figures.emptyRunMetresPerHectare, 'f', 1));
    ui->label_LiterProHektarRoden->setText(strNumber(figures.harvestFuelPerHectare, 'f', 1));
    ui->label_LiterProHektarGesamt->setText(strNumber(figures.fieldFuelPerHectare, 'f', 1));
    ui->label_BunkerProHektar->setText(strNumber(figures.bunkerLoadsPerHectare, 'f', 1));

    const cOrderTotals& totals = ShownList::state().orderTotals;
    ui->label_HektarProStundeDursch->setText(strNumber(totals.hectaresPerHour(), 'f', 3));
    ui->label_kmhDursch->setText(strNumber(totals.harvestSpeed(), 'f', 1));
    ui->label_MeterProHektarDursch->setText(strNumber(totals.emptyRunMetresPerHectare(), 'f', 1));
    ui->label_LitarProHektarRodenDursch->setText(strNumber(totals.harvestFuelPerHectare(), 'f', 1));
    ui->label_LitarProHektarGesamtDursch->setText(strNumber(totals.fieldFuelPerHectare(), 'f', 1));
    ui->label_BunkerProHektar_Dursch->setText(strNumber(totals.bunkerLoadsPerHectare(), 'f', 1));

    vRelayoutJiggle();
}

#include "statistics/cgrafischeruebersicht.h"
#include "statistics/corderpageset.h"

#include "app/pageframe.h"
#include "data/ordertotals.h"
#include "statistics/cbarchartwidget.h"
#include "statistics/shownlist.h"
#include "ui_cgrafischeruebersicht.h"

#include <QEvent>
#include <QPainter>

namespace
{
QString strSwatch(int _s32Size, const QString& _strColour)
{
    return QStringLiteral("QLabel{font: ") + QString::number(_s32Size) +
           QStringLiteral("px;  background-color: ") + _strColour + QStringLiteral("}");
}

} // namespace

cGrafischerUebersicht* cGrafischerUebersicht::instance()
{
    return PageFrame::tInstance<cGrafischerUebersicht>();
}

cGrafischerUebersicht::cGrafischerUebersicht()
    : cOrderPage(Page::Comparison), ui(new Ui::cGrafischerUebersicht)
{
    ui->setupUi(this);
    vSetupFrame(ui->pushButton_Vemo_Icon, ui->label_Ansicht, ui->pushButton, ui->pushButton_back,
                ui->label_AuftragInfo, ui->label_Rodeflaeche, ui->horizontalLayout_Inhalt);
    ui->widget->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    ui->widget->installEventFilter(this);
}

cGrafischerUebersicht::~cGrafischerUebersicht()
{
    delete ui;
}

void cGrafischerUebersicht::vApplyPageSizes()
{
    const int size = s32TextSize();
    ui->label_AuftragGruen->setStyleSheet(strSwatch(size, QStringLiteral("rgb(85,170,0)")));
    ui->label_Durchschnitt->setStyleSheet(strSwatch(size, Style::strLabelYellow()));
    ui->label_AuftragRot->setStyleSheet(strSwatch(size, QStringLiteral("rgb(255,0,0)")));
    for (QLabel* swatch : {ui->label_AuftragGruen, ui->label_Durchschnitt, ui->label_AuftragRot})
        swatch->setFixedSize(size, size);
    ui->label_BeschreibungDursch->setStyleSheet(Style::strTitleLabel(size));
    ui->label_AuftragBeschreibung->setStyleSheet(Style::strTitleLabel(size));
    ui->widget->setMinimumSize(s32Screen() / 3, s32Screen() / 3);
}

void cGrafischerUebersicht::vReset()
{
    m_order = OrderFigures();
    m_average = OrderFigures();
    m_rows.clear();
    ui->widget->update();
}

void cGrafischerUebersicht::vTakeDataAndPresent()
{
    vBeginFill();
    // The order's figures come from the current order itself, so they can
    // never lag behind it.
    const CurrentOrder& order = OrderPages::currentOrder();
    if (order.bEmpty()) {
        vReset();
    } else {
        m_order = OrderFigures::ofOrder(order);
        m_average = OrderFigures::ofTotals(ShownList::state().orderTotals);
        m_rows = ChartGeometry::barRows(m_order, m_average);
    }
    vRelayoutJiggle();
    ui->widget->update();
}

bool cGrafischerUebersicht::eventFilter(QObject* _pWatched, QEvent* _pEvent)
{
    if (_pWatched == ui->widget && _pEvent->type() == QEvent::Paint) {
        vPaintChart();
        return true;
    }
    return cOrderPage::eventFilter(_pWatched, _pEvent);
}

void cGrafischerUebersicht::vPaintChart()
{
    if (m_rows.isEmpty())
        return;
    QPainter painter(ui->widget);
    cBarChartWidget chart;
    chart.vSetRect(ChartGeometry::barChartRect(ui->widget->size()), s32Screen());
    chart.vSetRows(m_rows);
    chart.vDraw(painter);
}

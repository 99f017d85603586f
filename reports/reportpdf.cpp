#include "reports/reportpdf.h"

#include "data/numberformat.h"
#include "reports/reportlayout.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QPdfWriter>

#include <numeric>

namespace
{

QString strTr(const char* _pText)
{
    return QCoreApplication::translate("ReportPdf", _pText);
}

QColor colour(const ChartGeometry::Rgb& _rgb)
{
    return QColor(_rgb.r, _rgb.g, _rgb.b);
}

const QColor kBrandYellow(243, 215, 4);
const QColor kRule(120, 120, 120);
const QColor kShade(242, 242, 236);

constexpr double kBodyPoints = 9.5;
constexpr double kTablePoints = 8.5;

} // namespace

cReportPdf::cReportPdf(const QString& _strTitle, const QStringList& _slSubtitle, const QLocale& _locale,
                       const QDate& _datePrinted, QPageLayout::Orientation _orientation)
    : m_strTitle(_strTitle), m_slSubtitle(_slSubtitle), m_locale(_locale), m_datePrinted(_datePrinted),
      m_orientation(_orientation)
{
    m_strFirstTitle = _strTitle;
    m_slFirstSubtitle = _slSubtitle;
    m_logo = QImage(QStringLiteral(":/VEMO_PRO.png"));
}

cReportPdf::~cReportPdf()
{
    if (m_painter.isActive())
        m_painter.end();
}

void cReportPdf::vRender(QIODevice* _pDevice)
{
    QPdfWriter writer(_pDevice);
    writer.setResolution(300);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), m_orientation, QMarginsF(15, 14, 15, 14),
                                     QPageLayout::Millimeter));
    writer.setTitle(m_strFirstTitle);
    writer.setCreator(QStringLiteral("Feldbrief"));
    bRender(&writer);
}

bool cReportPdf::bRender(QPagedPaintDevice* _pDevice)
{
    m_pDevice = _pDevice;
    if (!m_painter.begin(m_pDevice)) {
        m_pDevice = nullptr;
        return false;
    }
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.setRenderHint(QPainter::TextAntialiasing);
    m_dMm = m_pDevice->logicalDpiX() / 25.4;
    m_rectPage = QRectF(0, 0, m_pDevice->width(), m_pDevice->height());
    m_s32Page = 0;
    m_dY = 0;
    m_s32Part = 0;
    m_s32PartFirstPage = 1;
    m_ls32CountingParts.clear();
    m_strTitle = m_strFirstTitle;
    m_slSubtitle = m_slFirstSubtitle;
    vStartPage();
    for (const std::function<void()>& section : m_sections)
        section();
    m_ls32CountingParts.append(s32PagesOfPart());
    const bool bEnded = m_painter.end();
    m_pDevice = nullptr;
    return bEnded;
}

void cReportPdf::vHeading(const QString& _strText, double _dKeepWithMm)
{
    m_sections.append([=] { vDoHeading(_strText, _dKeepWithMm); });
}

void cReportPdf::vParagraph(const QString& _strText)
{
    m_sections.append([=] { vDoParagraph(_strText); });
}

void cReportPdf::vKeyValues(const QVector<QPair<QString, QString>>& _pairs, int _s32Columns)
{
    m_sections.append([=] { vDoKeyValues(_pairs, _s32Columns); });
}

void cReportPdf::vTable(const QVector<Column>& _columns, const QVector<QStringList>& _rows,
                        const QStringList& _slTotals, double _dPoints)
{
    m_sections.append([=] { vDoTable(_columns, _rows, _slTotals, _dPoints); });
}

void cReportPdf::vTable(const QVector<Column>& _columns, const QVector<QStringList>& _rows,
                        const QVector<int>& _ls32SubtotalRows, const QStringList& _slTotals)
{
    m_sections.append([=] { vDoTable(_columns, _rows, _slTotals, 0, _ls32SubtotalRows); });
}

void cReportPdf::vAddressBlocks(const QStringList& _slLeft, const QStringList& _slRight)
{
    m_sections.append([=] { vDoAddressBlocks(_slLeft, _slRight); });
}

void cReportPdf::vNewPart(const QString& _strTitle, const QStringList& _slSubtitle)
{
    m_sections.append([=] { vDoNewPart(_strTitle, _slSubtitle); });
}

void cReportPdf::vSetLogo(const QImage& _logo)
{
    m_logo = _logo;
    m_bLogoOnBlack = false;
}

void cReportPdf::vDoNewPart(const QString& _strTitle, const QStringList& _slSubtitle)
{
    m_ls32CountingParts.append(s32PagesOfPart());
    ++m_s32Part;
    m_strTitle = _strTitle;
    m_slSubtitle = _slSubtitle;
    m_s32PartFirstPage = m_s32Page + 1;
    vStartPage();
}

void cReportPdf::vDoAddressBlocks(const QStringList& _slLeft, const QStringList& _slRight)
{
    const QFont fontPlain = font(kBodyPoints);
    const QFont fontBold = font(kBodyPoints, true);
    const double dLine = dLineHeight(fontPlain) * 1.1;
    const double dHalf = m_rectPage.width() / 2;
    const double dHeight = qMax(_slLeft.size(), _slRight.size()) * dLine;
    vEnsureSpace(dHeight);
    m_painter.setPen(Qt::black);
    const auto block = [&](double _dLeft, const QStringList& _slLines) {
        for (int i = 0; i < _slLines.size(); ++i) {
            m_painter.setFont(i == 0 ? fontBold : fontPlain);
            m_painter.drawText(QRectF(_dLeft, m_dY + i * dLine, dHalf - 4 * m_dMm, dLine),
                               Qt::AlignLeft | Qt::AlignVCenter, _slLines.at(i));
        }
    };
    block(0, _slLeft);
    block(dHalf, _slRight);
    m_dY += dHeight + 6 * m_dMm;
}

void cReportPdf::vPies(const QString& _strLeftTitle, const QVector<ChartGeometry::PieSector>& _left,
                       const QVector<LegendEntry>& _leftLegend, const QString& _strRightTitle,
                       const QVector<ChartGeometry::PieSector>& _right,
                       const QVector<LegendEntry>& _rightLegend)
{
    m_sections.append(
        [=] { vDoPies(_strLeftTitle, _left, _leftLegend, _strRightTitle, _right, _rightLegend); });
}

void cReportPdf::vBars(const QVector<ChartGeometry::BarRow>& _rows, const QVector<LegendEntry>& _legend)
{
    m_sections.append([=] { vDoBars(_rows, _legend); });
}

QFont cReportPdf::font(double _dPoints, bool _bBold) const
{
    QFont font(QStringLiteral("DejaVu Sans"));
    // Without shaping no ligatures: a copied "fl" stays two letters.
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setPointSizeF(_dPoints);
    font.setBold(_bBold);
    return font;
}

double cReportPdf::dLineHeight(const QFont& _font) const
{
    return QFontMetricsF(_font, m_pDevice).lineSpacing();
}

void cReportPdf::vStartPage()
{
    if (m_s32Page > 0)
        m_pDevice->newPage();
    ++m_s32Page;
    const double mm = m_dMm;
    const double dLogoHeight = 11 * mm;
    // One image object for every page: the PDF holds it once.
    const QImage& logo = m_logo;
    double dTextLeft = 0;
    if (!logo.isNull()) {
        const double dLogoWidth = dLogoHeight * logo.width() / qMax(1, logo.height());
        // The product logo is drawn on black, as on the pages.
        const QRectF rectLogo(0, 0, dLogoWidth, dLogoHeight);
        if (m_bLogoOnBlack)
            m_painter.fillRect(rectLogo.adjusted(-1 * mm, -1 * mm, 1 * mm, 1 * mm), Qt::black);
        m_painter.drawImage(rectLogo, logo);
        dTextLeft = dLogoWidth + 5 * mm;
    }
    const QString strPrinted = strTr(QT_TRANSLATE_NOOP("ReportPdf", "Gedruckt am %1"))
                                   .arg(NumberFormat::strDate(m_datePrinted, m_locale));
    m_painter.setPen(Qt::black);
    m_painter.setFont(font(8));
    const QRectF rectRight(m_rectPage.width() / 2, 0, m_rectPage.width() / 2, dLogoHeight);
    m_painter.drawText(rectRight, Qt::AlignRight | Qt::AlignTop, strPrinted);
    m_painter.drawText(rectRight, Qt::AlignRight | Qt::AlignBottom,
                       strTr(QT_TRANSLATE_NOOP("ReportPdf", "Seite %1 von %2"))
                           .arg(s32PagesOfPart())
                           .arg(qMax(s32PagesOfPart(), m_ls32PartPages.value(m_s32Part))));

    const QFont fontTitle = font(15, true);
    m_painter.setFont(fontTitle);
    const double dTitleHeight = dLineHeight(fontTitle);
    const double dTextWidth = m_rectPage.width() / 2 + m_rectPage.width() / 2 - dTextLeft - 40 * mm;
    m_painter.drawText(QRectF(dTextLeft, 0, dTextWidth, dTitleHeight), Qt::AlignLeft | Qt::AlignVCenter,
                       m_strTitle);
    double y = qMax(dLogoHeight, dTitleHeight) + 2 * mm;
    const QFont fontSub = font(kBodyPoints);
    m_painter.setFont(fontSub);
    for (const QString& strLine : m_slSubtitle) {
        const QRectF rect = m_painter.boundingRect(QRectF(0, y, m_rectPage.width(), 1e6),
                                                   Qt::AlignLeft | Qt::TextWordWrap, strLine);
        m_painter.drawText(rect, Qt::AlignLeft | Qt::TextWordWrap, strLine);
        y += rect.height();
    }
    y += 1.5 * mm;
    m_painter.fillRect(QRectF(0, y, m_rectPage.width(), 1.2 * mm), kBrandYellow);
    m_dY = y + 5 * mm;
}

void cReportPdf::vEnsureSpace(double _dHeight)
{
    if (m_dY + _dHeight > m_rectPage.height() && m_dY > 40 * m_dMm)
        vStartPage();
}

void cReportPdf::vDoHeading(const QString& _strText, double _dKeepWithMm)
{
    const QFont fontHeading = font(11.5, true);
    const double dHeight = dLineHeight(fontHeading);
    // A heading never stands alone at the foot of a page.
    vEnsureSpace(dHeight + _dKeepWithMm * m_dMm);
    m_painter.setFont(fontHeading);
    m_painter.setPen(Qt::black);
    m_painter.drawText(QRectF(0, m_dY, m_rectPage.width(), dHeight), Qt::AlignLeft | Qt::AlignVCenter,
                       _strText);
    m_dY += dHeight + 1.5 * m_dMm;
}

void cReportPdf::vDoParagraph(const QString& _strText)
{
    m_painter.setFont(font(kBodyPoints));
    const QRectF rect = m_painter.boundingRect(QRectF(0, m_dY, m_rectPage.width(), 1e6),
                                               Qt::AlignLeft | Qt::TextWordWrap, _strText);
    vEnsureSpace(rect.height());
    const QRectF rectAt(0, m_dY, m_rectPage.width(), rect.height());
    m_painter.setPen(Qt::black);
    m_painter.drawText(rectAt, Qt::AlignLeft | Qt::TextWordWrap, _strText);
    m_dY += rect.height() + 3 * m_dMm;
}

void cReportPdf::vDoKeyValues(const QVector<QPair<QString, QString>>& _pairs, int _s32Columns)
{
    const int s32Columns = qMax(1, _s32Columns);
    const double dColumn = m_rectPage.width() / s32Columns;
    const QFont fontLabel = font(kBodyPoints, true);
    const QFont fontValue = font(kBodyPoints);
    const double dLine = dLineHeight(fontValue) * 1.15;
    const int s32Rows = (_pairs.size() + s32Columns - 1) / s32Columns;
    // The labels take the width of the longest one.
    double dLabel = 0;
    for (const auto& pair : _pairs)
        dLabel = qMax(dLabel, QFontMetricsF(fontLabel, m_pDevice).horizontalAdvance(pair.first));
    dLabel = qMin(dLabel + 3 * m_dMm, dColumn * 0.45);
    const double dValue = dColumn - dLabel - 2 * m_dMm;
    // A value wraps between its words: each row is as high as its highest value.
    const QFontMetricsF metricsValue(fontValue, m_pDevice);
    const ReportLayout::Measure measure = [&](const QString& _strText, bool) {
        return metricsValue.horizontalAdvance(_strText);
    };
    QVector<QStringList> values;
    QVector<double> rowHeights(s32Rows, dLine);
    for (int i = 0; i < _pairs.size(); ++i) {
        values << ReportLayout::slWrapAtBlanks(_pairs.at(i).second, dValue, false, measure);
        const double dLines = dLine + (values.last().size() - 1) * metricsValue.lineSpacing();
        rowHeights[i % s32Rows] = qMax(rowHeights[i % s32Rows], dLines);
    }
    const double dHeight = std::accumulate(rowHeights.cbegin(), rowHeights.cend(), 0.0);
    vEnsureSpace(dHeight);
    m_painter.setPen(Qt::black);
    for (int i = 0; i < _pairs.size(); ++i) {
        const int s32Column = i / s32Rows;
        const int s32Row = i % s32Rows;
        const double x = s32Column * dColumn;
        const double y = m_dY + std::accumulate(rowHeights.cbegin(), rowHeights.cbegin() + s32Row, 0.0);
        m_painter.setFont(fontLabel);
        m_painter.drawText(QRectF(x, y, dLabel, dLine), Qt::AlignLeft | Qt::AlignVCenter, _pairs.at(i).first);
        m_painter.setFont(fontValue);
        const QStringList& slLines = values.at(i);
        for (int l = 0; l < slLines.size(); ++l) {
            m_painter.drawText(QRectF(x + dLabel, y + l * metricsValue.lineSpacing(), dValue, dLine),
                               Qt::AlignLeft | Qt::AlignVCenter, slLines.at(l));
        }
    }
    m_dY += dHeight + 4 * m_dMm;
}

cReportPdf::RowLayout cReportPdf::layoutRow(const QVector<double>& _widths, const QStringList& _slCells,
                                            bool _bBold, bool _bWordsOnly)
{
    const QFont fontCell = font(m_dTablePoints, _bBold);
    m_painter.setFont(fontCell);
    const QFontMetricsF metrics(fontCell, m_pDevice);
    RowLayout row;
    row.dLine = metrics.lineSpacing();
    row.dAscent = metrics.ascent();
    row.dHeight = row.dLine;
    row.cells.resize(_widths.size());
    for (int c = 0; c < _widths.size(); ++c) {
        const double dWidth = _widths.at(c) - 2 * dCellPad();
        const QString strCell = _slCells.value(c);
        CellLayout& cell = row.cells[c];
        // Most cells fit on one line: measured once, drawn at their base line.
        cell.dWidth = metrics.horizontalAdvance(strCell);
        if (cell.dWidth <= dWidth)
            continue;
        cell.bWrapped = true;
        // A word wider than its cell is broken anywhere rather than cut off;
        // headers break between words only.
        cell.s32Flags = Qt::TextWordWrap;
        for (const QString& strWord : strCell.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (_bWordsOnly)
                break;
            if (metrics.horizontalAdvance(strWord) > dWidth) {
                cell.s32Flags = Qt::TextWrapAnywhere;
                break;
            }
        }
        const QRectF rect = m_painter.boundingRect(QRectF(0, 0, dWidth, 1e6), cell.s32Flags, strCell);
        row.dHeight = qMax(row.dHeight, rect.height());
    }
    row.dHeight += 2 * dCellPad();
    return row;
}

void cReportPdf::vDrawTableRow(const QVector<double>& _widths, const QVector<Column>& _columns,
                               const QStringList& _slCells, RowStyle _style, const RowLayout& _layout)
{
    // Counting the pages needs the rows' heights only.
    if (m_bCounting) {
        m_dY += _layout.dHeight;
        return;
    }
    const bool bHeader = _style == RowStyle::Header;
    const bool bBold = bHeader || _style == RowStyle::Totals;
    const double dHeight = _layout.dHeight;
    const double dPad = dCellPad();
    m_painter.setFont(font(m_dTablePoints, bBold));
    if (bHeader)
        m_painter.fillRect(QRectF(0, m_dY, m_rectPage.width(), dHeight), kBrandYellow);
    else if (_style == RowStyle::Shaded)
        m_painter.fillRect(QRectF(0, m_dY, m_rectPage.width(), dHeight), kShade);
    if (_style == RowStyle::Totals || _style == RowStyle::Subtotal) {
        m_painter.setPen(QPen(Qt::black, (_style == RowStyle::Totals ? 0.3 : 0.15) * m_dMm));
        m_painter.drawLine(QPointF(0, m_dY), QPointF(m_rectPage.width(), m_dY));
    }
    m_painter.setPen(Qt::black);
    double x = 0;
    for (int c = 0; c < _columns.size(); ++c) {
        const QRectF rect(x + dPad, m_dY + dPad, _widths.at(c) - 2 * dPad, dHeight - 2 * dPad);
        // A header stands over its column's texts: right over numbers.
        const bool bRight = _columns.at(c).bNumber;
        const CellLayout& cell = _layout.cells.at(c);
        if (cell.bWrapped) {
            const Qt::Alignment align = (bRight ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
            m_painter.drawText(rect, int(align) | cell.s32Flags, _slCells.value(c));
        } else {
            const double dLeft = bRight ? rect.right() - cell.dWidth : rect.left();
            const double dBase = rect.top() + (rect.height() - _layout.dLine) / 2 + _layout.dAscent;
            m_painter.drawText(QPointF(dLeft, dBase), _slCells.value(c));
        }
        x += _widths.at(c);
    }
    m_dY += dHeight;
}

void cReportPdf::vDoTable(const QVector<Column>& _columns, const QVector<QStringList>& _rows,
                          const QStringList& _slTotals, double _dPoints,
                          const QVector<int>& _ls32SubtotalRows)
{
    QStringList slHeader;
    QVector<ReportLayout::ColumnSpec> specs;
    for (const Column& column : _columns) {
        slHeader << column.strTitle;
        specs.append({column.dWeight, column.bNumber});
    }
    // The widths from the texts; a smaller font where they would not fit.
    QVector<double> widths;
    for (m_dTablePoints = _dPoints > 0 ? _dPoints : kTablePoints; widths.isEmpty() && m_dTablePoints >= 5;
         m_dTablePoints -= 0.5) {
        const QFontMetricsF plain(font(m_dTablePoints), m_pDevice);
        const QFontMetricsF bold(font(m_dTablePoints, true), m_pDevice);
        // A pixel to spare against rounding between measuring and drawing.
        const ReportLayout::Measure measure = [&](const QString& _strText, bool _bBold) {
            return (_bBold ? bold : plain).horizontalAdvance(_strText) + 1;
        };
        widths = ReportLayout::columnWidths(specs, slHeader, _rows, _slTotals, measure, dCellPad(),
                                            m_rectPage.width());
        if (!widths.isEmpty())
            break;
    }
    const bool bFits = !widths.isEmpty();
    if (!bFits) {
        // Texts that fit in no size: shares by weight, words broken where they must.
        m_dTablePoints = 5;
        double dWeights = 0;
        for (const Column& column : _columns)
            dWeights += column.dWeight;
        for (const Column& column : _columns)
            widths << m_rectPage.width() * column.dWeight / qMax(1e-9, dWeights);
    }
    const RowLayout header = layoutRow(widths, slHeader, true, bFits);
    // The header never stands alone at the foot of a page.
    vEnsureSpace(header.dHeight +
                 (_rows.isEmpty() ? 0 : layoutRow(widths, _rows.first(), false, bFits).dHeight));
    vDrawTableRow(widths, _columns, slHeader, RowStyle::Header, header);
    const auto row = [&](const QStringList& _slCells, RowStyle _style) {
        const RowLayout layout = layoutRow(widths, _slCells, _style == RowStyle::Totals, bFits);
        if (m_dY + layout.dHeight > m_rectPage.height()) {
            // The table goes on on a new page, under its header again.
            vStartPage();
            vDrawTableRow(widths, _columns, slHeader, RowStyle::Header, header);
        }
        vDrawTableRow(widths, _columns, _slCells, _style, layout);
    };
    for (int r = 0, s32Plain = 0; r < _rows.size(); ++r) {
        if (_ls32SubtotalRows.contains(r)) {
            row(_rows.at(r), RowStyle::Subtotal);
            s32Plain = 0;
        } else {
            row(_rows.at(r), s32Plain++ % 2 == 1 ? RowStyle::Shaded : RowStyle::Plain);
        }
    }
    if (!_slTotals.isEmpty())
        row(_slTotals, RowStyle::Totals);
    m_dY += 5 * m_dMm;
}

void cReportPdf::vDrawLegend(const QRectF& _rect, const QVector<LegendEntry>& _legend)
{
    const QFont fontLegend = font(kTablePoints);
    m_painter.setFont(fontLegend);
    const double dLine = dLineHeight(fontLegend) * 1.3;
    const double dSwatch = dLineHeight(fontLegend) * 0.8;
    double y = _rect.top();
    for (const LegendEntry& entry : _legend) {
        m_painter.setPen(QPen(kRule, 0.15 * m_dMm));
        m_painter.setBrush(colour(entry.colour));
        m_painter.drawRect(QRectF(_rect.left(), y + (dLine - dSwatch) / 2, dSwatch, dSwatch));
        m_painter.setPen(Qt::black);
        m_painter.drawText(
            QRectF(_rect.left() + dSwatch + 2 * m_dMm, y, _rect.width() - dSwatch - 2 * m_dMm, dLine),
            Qt::AlignLeft | Qt::AlignVCenter, entry.strText);
        y += dLine;
    }
    m_painter.setBrush(Qt::NoBrush);
}

void cReportPdf::vDoPies(const QString& _strLeftTitle, const QVector<ChartGeometry::PieSector>& _left,
                         const QVector<LegendEntry>& _leftLegend, const QString& _strRightTitle,
                         const QVector<ChartGeometry::PieSector>& _right,
                         const QVector<LegendEntry>& _rightLegend)
{
    const double mm = m_dMm;
    const double dHalf = m_rectPage.width() / 2;
    const QFont fontHeading = font(11.5, true);
    const double dTitle = dLineHeight(fontHeading) + 1.5 * mm;
    const double dSide = qMin(42 * mm, dHalf / 2);
    vEnsureSpace(dTitle + dSide);
    // Each pie with its legend beside it.
    const auto draw = [&](double _dLeft, const QString& _strTitle,
                          const QVector<ChartGeometry::PieSector>& _sectors,
                          const QVector<LegendEntry>& _legend) {
        m_painter.setFont(fontHeading);
        m_painter.setPen(Qt::black);
        m_painter.drawText(QRectF(_dLeft, m_dY, dHalf, dTitle), Qt::AlignLeft | Qt::AlignTop, _strTitle);
        // The pages' pie square inside the drawing area.
        const int s32Side = int(dSide);
        const QRect square =
            ChartGeometry::pieSquare(QSize(s32Side, s32Side)).translated(int(_dLeft), int(m_dY + dTitle));
        m_painter.setPen(QPen(Qt::white, 0.3 * mm));
        for (const ChartGeometry::PieSector& sector : _sectors) {
            m_painter.setBrush(colour(sector.colour));
            m_painter.drawPie(square, sector.s32Start16(), sector.s32Span16());
        }
        if (_sectors.isEmpty()) {
            m_painter.setPen(QPen(kRule, 0.2 * mm, Qt::DashLine));
            m_painter.setBrush(Qt::NoBrush);
            m_painter.drawEllipse(square);
        }
        m_painter.setBrush(Qt::NoBrush);
        const double dLegend = dLineHeight(font(kTablePoints)) * 1.3 * _legend.size();
        vDrawLegend(QRectF(_dLeft + dSide + 2 * mm, m_dY + dTitle + (dSide - dLegend) / 2,
                           dHalf - dSide - 4 * mm, dLegend),
                    _legend);
    };
    draw(0, _strLeftTitle, _left, _leftLegend);
    draw(dHalf, _strRightTitle, _right, _rightLegend);
    m_dY += dTitle + dSide + 4 * mm;
}

void cReportPdf::vDoBars(const QVector<ChartGeometry::BarRow>& _rows, const QVector<LegendEntry>& _legend)
{
    const double mm = m_dMm;
    const double dHeight = 50 * mm;
    const double dLegend = dLineHeight(font(kTablePoints)) * 1.3;
    vEnsureSpace(dHeight + dLegend + 3 * mm);
    // The pages' chart rectangle inside the drawing area, then the pages' rows.
    const QSize area(int(m_rectPage.width()), int(dHeight));
    const QRectF rectChart = ChartGeometry::barChartRect(area).translated(0, m_dY);
    const QFont fontBars = font(kTablePoints, true);
    m_painter.setFont(fontBars);
    const QFontMetricsF metrics(fontBars, m_pDevice);
    for (const ChartGeometry::BarRowGeometry& row : ChartGeometry::barGeometry(rectChart, _rows)) {
        for (const auto& [rect, rgb] : {std::make_pair(row.rectFirst, row.colourFirst),
                                        std::make_pair(row.rectSecond, row.colourSecond)}) {
            if (rect.width() <= 0 || rect.height() <= 0)
                continue;
            m_painter.setPen(Qt::NoPen);
            m_painter.setBrush(colour(rgb));
            m_painter.drawRect(rect);
        }
        if (row.strText.isEmpty())
            continue;
        // The text lies over bars of any colour: a dark backing keeps it readable.
        const QRectF box = metrics.boundingRect(row.strText)
                               .translated(row.ptText)
                               .adjusted(-0.8 * mm, -0.3 * mm, 0.8 * mm, 0.3 * mm);
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(QColor(0, 0, 0, 170));
        m_painter.drawRoundedRect(box, 0.8 * mm, 0.8 * mm);
        m_painter.setPen(Qt::white);
        m_painter.drawText(QPointF(row.ptText), row.strText);
    }
    m_painter.setBrush(Qt::NoBrush);
    m_dY += dHeight + 2 * mm;
    // The legend in one line.
    const double dEntry = m_rectPage.width() / qMax(1, _legend.size());
    for (int i = 0; i < _legend.size(); ++i)
        vDrawLegend(QRectF(i * dEntry, m_dY, dEntry, dLegend), {_legend.at(i)});
    m_dY += dLegend + 5 * mm;
}

QByteArray cReportPdf::baFinish()
{
    // Once to count the pages, then for good with "page N of M".
    // The counting pass lays the table rows out without drawing them: a
    // table of thousands of pages costs little more than one pass.
    QBuffer scratch;
    scratch.open(QIODevice::WriteOnly);
    m_ls32PartPages.clear();
    m_bCounting = true;
    vRender(&scratch);
    m_bCounting = false;
    m_ls32PartPages = m_ls32CountingParts;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    vRender(&buffer);
    buffer.close();
    return buffer.data();
}

bool cReportPdf::bPrint(QPagedPaintDevice* _pDevice)
{
    _pDevice->setPageMargins(QMarginsF(15, 14, 15, 14), QPageLayout::Millimeter);
    // The pages are counted on a PDF of the printer's page and resolution:
    // the printer itself prints every page it is given.
    QBuffer scratch;
    scratch.open(QIODevice::WriteOnly);
    QPdfWriter counter(&scratch);
    counter.setResolution(_pDevice->logicalDpiX());
    counter.setPageLayout(_pDevice->pageLayout());
    m_ls32PartPages.clear();
    m_bCounting = true;
    bRender(&counter);
    m_bCounting = false;
    m_ls32PartPages = m_ls32CountingParts;
    return bRender(_pDevice);
}

#pragma once

#include "statistics/chartgeometry.h"

#include <QByteArray>
#include <QDate>
#include <QFont>
#include <QImage>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>
#include <memory>

class QPagedPaintDevice;

// One A4 report as PDF bytes, drawn with Qt's PDF writer: every page starts
// with the product logo, the report's title, its subtitle lines, the date of
// printing and "page N of M"; sections follow from top to bottom and go on on
// a new page where the page is full. The sections are kept until baFinish(),
// which lays them out once to count the pages and then draws them. Text
// stays text (selectable), fonts are embedded.
class cReportPdf
{
public:
    struct Column {
        QString strTitle;
        double dWeight = 1;   // share of the table's width
        bool bNumber = false; // numbers are right-aligned
    };
    // A legend entry: a swatch of the colour and its text.
    struct LegendEntry {
        ChartGeometry::Rgb colour;
        QString strText;
    };

    cReportPdf(const QString& _strTitle, const QStringList& _slSubtitle, const QLocale& _locale,
               const QDate& _datePrinted, QPageLayout::Orientation _orientation = QPageLayout::Portrait);
    ~cReportPdf();
    cReportPdf(const cReportPdf&) = delete;
    cReportPdf& operator=(const cReportPdf&) = delete;

    // Sections, drawn in this order by baFinish().
    // A heading stays on the page with the next _dKeepWithMm millimetres.
    void vHeading(const QString& _strText, double _dKeepWithMm = 25);
    void vParagraph(const QString& _strText);
    // Label and value pairs in _s32Columns columns; a long value wraps
    // between its words.
    void vKeyValues(const QVector<QPair<QString, QString>>& _pairs, int _s32Columns);
    // A table with a header row (repeated on every page it runs over) and an
    // optional bold last row; _dPoints: the text size (0: the usual), smaller
    // where the texts would not fit otherwise. Numbers never wrap, headers
    // and texts wrap between words; headers are aligned as their columns.
    void vTable(const QVector<Column>& _columns, const QVector<QStringList>& _rows,
                const QStringList& _slTotals = QStringList(), double _dPoints = 0);
    // The same with some rows set apart as subtotals by a rule above them.
    void vTable(const QVector<Column>& _columns, const QVector<QStringList>& _rows,
                const QVector<int>& _ls32SubtotalRows, const QStringList& _slTotals);
    // Two blocks of lines side by side (addresses), the first line of each
    // bold; a block may be empty.
    void vAddressBlocks(const QStringList& _slLeft, const QStringList& _slRight);
    // A new part of the document on a new page: its own title and subtitle
    // from here on, and its pages counted on their own ("page N of M" of the
    // part), so that one file can hold several documents.
    void vNewPart(const QString& _strTitle, const QStringList& _slSubtitle);
    // The picture at the head of every page instead of the product logo
    // (drawn as it is, not on black); a null image: none.
    void vSetLogo(const QImage& _logo);
    // Two pies side by side, each with its legend beside it.
    void vPies(const QString& _strLeftTitle, const QVector<ChartGeometry::PieSector>& _left,
               const QVector<LegendEntry>& _leftLegend, const QString& _strRightTitle,
               const QVector<ChartGeometry::PieSector>& _right, const QVector<LegendEntry>& _rightLegend);
    // The comparison bars of the order pages with the given row texts.
    void vBars(const QVector<ChartGeometry::BarRow>& _rows, const QVector<LegendEntry>& _legend);

    // Ends the document; the bytes of the PDF.
    QByteArray baFinish();
    // Draws the same report onto a device (a printer) as it is set up: its
    // page size, orientation and resolution; the margins are the PDF's. The
    // pages are counted on a scratch PDF of the same layout first. False
    // when the device cannot be painted on (the printer reports an error).
    bool bPrint(QPagedPaintDevice* _pDevice);
    QPageLayout::Orientation orientation() const { return m_orientation; }

private:
    void vRender(QIODevice* _pDevice);
    bool bRender(QPagedPaintDevice* _pDevice);
    void vDoHeading(const QString& _strText, double _dKeepWithMm);
    void vDoParagraph(const QString& _strText);
    void vDoKeyValues(const QVector<QPair<QString, QString>>& _pairs, int _s32Columns);
    void vDoTable(const QVector<Column>& _columns, const QVector<QStringList>& _rows,
                  const QStringList& _slTotals, double _dPoints, const QVector<int>& _ls32SubtotalRows = {});
    void vDoAddressBlocks(const QStringList& _slLeft, const QStringList& _slRight);
    void vDoNewPart(const QString& _strTitle, const QStringList& _slSubtitle);
    int s32PagesOfPart() const { return m_s32Page - m_s32PartFirstPage + 1; }
    void vDoPies(const QString& _strLeftTitle, const QVector<ChartGeometry::PieSector>& _left,
                 const QVector<LegendEntry>& _leftLegend, const QString& _strRightTitle,
                 const QVector<ChartGeometry::PieSector>& _right, const QVector<LegendEntry>& _rightLegend);
    void vDoBars(const QVector<ChartGeometry::BarRow>& _rows, const QVector<LegendEntry>& _legend);
    void vStartPage();
    void vEnsureSpace(double _dHeight);
    void vDrawLegend(const QRectF& _rect, const QVector<LegendEntry>& _legend);
    enum class RowStyle { Header, Plain, Shaded, Subtotal, Totals };
    struct CellLayout {
        double dWidth = 0; // of the text on one line
        bool bWrapped = false;
        int s32Flags = 0; // wrapped: at words, or anywhere for a word wider than the cell
    };
    struct RowLayout {
        double dHeight = 0;
        double dLine = 0;
        double dAscent = 0;
        QVector<CellLayout> cells;
    };
    RowLayout layoutRow(const QVector<double>& _widths, const QStringList& _slCells, bool _bBold,
                        bool _bWordsOnly);
    void vDrawTableRow(const QVector<double>& _widths, const QVector<Column>& _columns,
                       const QStringList& _slCells, RowStyle _style, const RowLayout& _layout);
    double dCellPad() const { return 0.9 * m_dMm; }
    double dLineHeight(const QFont& _font) const;
    QFont font(double _dPoints, bool _bBold = false) const;

    QVector<std::function<void()>> m_sections;
    QVector<int> m_ls32PartPages;     // the pages of each part, of the last layout
    QVector<int> m_ls32CountingParts; // the same while laying out
    int m_s32Part = 0;
    int m_s32PartFirstPage = 1;
    bool m_bLogoOnBlack = true;
    QString m_strFirstTitle; // the first part's
    QStringList m_slFirstSubtitle;
    bool m_bCounting = false; // the pass that only counts the pages
    QImage m_logo;
    QPagedPaintDevice* m_pDevice = nullptr; // while rendering
    QPainter m_painter;
    QString m_strTitle;
    QStringList m_slSubtitle;
    QLocale m_locale;
    QDate m_datePrinted;
    QPageLayout::Orientation m_orientation;
    QRectF m_rectPage; // the printable area in device pixels
    double m_dY = 0;   // where the next section starts
    double m_dMm = 1;  // device pixels per millimetre
    int m_s32Page = 0;
    double m_dTablePoints = 8.5;
};

#pragma once

#include "statistics/chartgeometry.h"

#include <QBuffer>
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

#include <memory>

class QPdfWriter;

// One A4 report as PDF bytes, drawn with Qt's PDF writer: every page starts
// with the product logo, the report's title, its subtitle lines and the date
// of printing; sections follow from top to bottom and go on on a new page
// where the page is full. Text stays text (selectable), fonts are embedded.
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

    // A heading stays on the page with the next _dKeepWithMm millimetres.
    void vHeading(const QString& _strText, double _dKeepWithMm = 25);
    void vParagraph(const QString& _strText);
    // Label and value pairs in _s32Columns columns.
    void vKeyValues(const QVector<QPair<QString, QString>>& _pairs, int _s32Columns);
    // A table with a header row (repeated on every page it runs over) and an
    // optional bold last row; _dPoints: the text size (0: the usual).
    void vTable(const QVector<Column>& _columns, const QVector<QStringList>& _rows,
                const QStringList& _slTotals = QStringList(), double _dPoints = 0);
    // Two pies side by side, each with its legend beside it.
    void vPies(const QString& _strLeftTitle, const QVector<ChartGeometry::PieSector>& _left,
               const QVector<LegendEntry>& _leftLegend, const QString& _strRightTitle,
               const QVector<ChartGeometry::PieSector>& _right, const QVector<LegendEntry>& _rightLegend);
    // The comparison bars of the order pages with the given row texts.
    void vBars(const QVector<ChartGeometry::BarRow>& _rows, const QVector<LegendEntry>& _legend);

    // A date in the locale's short format with a four-digit year.
    static QString strDate(const QDate& _date, const QLocale& _locale);

    // Ends the document; the bytes of the PDF.
    QByteArray baFinish();

private:
    void vStartPage();
    void vEnsureSpace(double _dHeight);
    void vDrawLegend(const QRectF& _rect, const QVector<LegendEntry>& _legend);
    enum class RowStyle { Header, Plain, Shaded, Totals };
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
    RowLayout layoutRow(const QVector<double>& _widths, const QStringList& _slCells, bool _bBold);
    void vDrawTableRow(const QVector<double>& _widths, const QVector<Column>& _columns,
                       const QStringList& _slCells, RowStyle _style, const RowLayout& _layout);
    double dCellPad() const { return 0.9 * m_dMm; }
    double dLineHeight(const QFont& _font) const;
    QFont font(double _dPoints, bool _bBold = false) const;

    QBuffer m_buffer;
    QImage m_logo;
    std::unique_ptr<QPdfWriter> m_pWriter;
    QPainter m_painter;
    QString m_strTitle;
    QStringList m_slSubtitle;
    QLocale m_locale;
    QDate m_datePrinted;
    QRectF m_rectPage; // the printable area in device pixels
    double m_dY = 0;   // where the next section starts
    double m_dMm = 1;  // device pixels per millimetre
    int m_s32Page = 0;
    double m_dTablePoints = 8.5;
};

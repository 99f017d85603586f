#include "mainwindow/corderentries.h"

#include "app/pageframe.h"
#include "data/fieldreaders.h"
#include "data/numberformat.h"
#include "data/searchindex.h"
#include "mainwindow/csortfiltermodel.h"
#include "mainwindow/listcolumns.h"

#include <QLinearGradient>

#include <cstring>

namespace
{

// Appends to the text the list shows.
// The composition names each value by its field; the outputs below take
// the field's text.
template <class Out> struct FieldsOut : Out {
    using Out::vClean;
    using Out::vDateTime;
    using Out::vRaw;
    void vClean(const RecordFields& _fields, int _s32Field) { Out::vClean(_fields.field(_s32Field)); }
    void vRaw(const RecordFields& _fields, int _s32Field) { Out::vRaw(_fields.field(_s32Field)); }
    void vDateTime(const RecordFields& _fields, int _s32Field) { Out::vDateTime(_fields.field(_s32Field)); }
};

struct TextOut {
    QString& strText;
    const cOrderEntries& entries;

    void vLabel(cOrderEntries::Label _label) { strText += entries.strLabel(_label); }
    void vRaw(const QStringRef& _strValue) { strText += _strValue; }
    void vClean(const QStringRef& _strValue)
    {
        // Without the terminal's NUL padding.
        for (const QChar c : _strValue) {
            if (c.unicode() != 0)
                strText += c;
        }
    }
    void vLiteral(QLatin1String _str) { strText += _str; }
    // A date and time in the interface language's form.
    void vDateTime(const QStringRef& _strValue)
    {
        if (!entries.bLocalDates()) {
            vClean(_strValue);
            return;
        }
        QString strClean;
        for (const QChar c : _strValue) {
            if (c.unicode() != 0)
                strClean += c;
        }
        strText += NumberFormat::strTerminalDateTime(strClean, entries.locale());
    }
};

// Writes the folded text into the search index's open row.
struct FoldOut {
    char* pOut;
    const QByteArray* pFoldedLabels;

    void vBytes(const char* _pBytes, int _s32Length)
    {
        memcpy(pOut, _pBytes, size_t(_s32Length));
        pOut += _s32Length;
    }
    void vLabel(cOrderEntries::Label _label)
    {
        vBytes(pFoldedLabels[_label].constData(), pFoldedLabels[_label].size());
    }
    void vRaw(const QStringRef& _strValue)
    {
        pOut = cSearchIndex::pWriteFolded(pOut, _strValue.unicode(), _strValue.size());
    }
    void vClean(const QStringRef& _strValue)
    {
        if (!_strValue.contains(QChar(0))) {
            vRaw(_strValue);
            return;
        }
        // Without the NULs: a NUL is one unit, so the room stays enough.
        const QChar* pText = _strValue.unicode();
        int s32Start = 0;
        for (int i = 0; i <= _strValue.size(); ++i) {
            if (i == _strValue.size() || pText[i].unicode() == 0) {
                pOut = cSearchIndex::pWriteFolded(pOut, pText + s32Start, i - s32Start);
                s32Start = i + 1;
            }
        }
    }
    // The literals hold no letters: folded they are the same bytes.
    void vLiteral(QLatin1String _str) { vBytes(_str.data(), _str.size()); }
    // The search finds dates as the terminal writes them.
    void vDateTime(const QStringRef& _strValue) { vClean(_strValue); }
};

// Notes the composition instead of writing it: the fixed texts (labels and
// literals, folded) and which field each value comes from.
struct LayoutOut {
    ArchiveSearch::Layout& layout;
    QVector<ArchiveSearch::ValueSource>& sources;
    const QByteArray* pFoldedLabels;

    void vLabel(cOrderEntries::Label _label) { layout.fixed.last() += pFoldedLabels[_label]; }
    void vLiteral(QLatin1String _str) { layout.fixed.last() += QByteArray(_str.data(), _str.size()); }
    void vValue(int _s32Field, bool _bClean)
    {
        sources.append({_s32Field, _bClean});
        layout.fixed.append(QByteArray(""));
    }
    void vClean(const RecordFields&, int _s32Field) { vValue(_s32Field, true); }
    void vRaw(const RecordFields&, int _s32Field) { vValue(_s32Field, false); }
    // As the search finds dates: as the terminal writes them.
    void vDateTime(const RecordFields&, int _s32Field) { vValue(_s32Field, true); }
};

} // namespace

cOrderEntries::cOrderEntries(const QStringList& _slLines, int _s32SortMode, int _s32Screen)
    : m_slLines(_slLines), m_s32SortMode(_s32SortMode == 0 ? 0 : 1)
{
    const QString strTexts[LABEL_COUNT] = {tr("Auftrags Nummer"), tr("Kunde"), tr("Schlag"),
                                           tr("Fahrer"),          tr("Start"), tr("Stopp"),
                                           tr("Reihenabstand")};
    for (int i = 0; i < LABEL_COUNT; ++i) {
        m_strLabels[i] = strTexts[i] + QStringLiteral(": ");
        m_baFolded[i] = cSearchIndex::baFolded(m_strLabels[i]);
        m_s32FoldedLabelBytes += m_baFolded[i].size();
    }
    m_strHectares = QLatin1Char(' ') + tr("ha");
    m_locale = NumberFormat::screenLocale();
    m_bLocalDates = m_locale.language() != QLocale::German;

    const int s32Screen = qMax(1, _s32Screen);
    m_fontEntry.setPixelSize(qMax(1, s32Screen / 32));
    m_fontArea.setPixelSize(qMax(1, 2 * (s32Screen / 32)));
    QLinearGradient gradient(0, 0, 0, 3 * s32Screen / 4);
    gradient.setColorAt(0, Style::colorYellow());
    gradient.setColorAt(1, Qt::black);
    m_brush = QBrush(gradient);
}

template <class Out> void cOrderEntries::vCompose(Out& _out, const RecordFields& _fields) const
{
    if (m_s32SortMode == 0) {
        _out.vLabel(NUMBER);
        _out.vClean(_fields, 0);
        _out.vLiteral(QLatin1String("\n"));
    }
    _out.vLabel(CUSTOMER);
    _out.vClean(_fields, 3);
    _out.vLiteral(QLatin1String(" ("));
    _out.vClean(_fields, 2);
    _out.vLiteral(QLatin1String(") \n"));
    _out.vLabel(FIELD);
    _out.vClean(_fields, 5);
    _out.vLiteral(QLatin1String(" ("));
    _out.vClean(_fields, 4);
    _out.vLiteral(QLatin1String(")\n"));
    if (m_s32SortMode != 0) {
        _out.vLabel(NUMBER);
        _out.vClean(_fields, 0);
        _out.vLiteral(QLatin1String("\n"));
    }
    _out.vLabel(DRIVER);
    _out.vRaw(_fields, 7);
    _out.vLiteral(QLatin1String("\n"));
    _out.vLabel(START);
    _out.vDateTime(_fields, 8);
    _out.vLiteral(QLatin1String("\n"));
    _out.vLabel(STOP);
    _out.vDateTime(_fields, 9);
    _out.vLiteral(QLatin1String("\n"));
    _out.vLabel(ROW_SPACING);
    _out.vRaw(_fields, 29);
}

QString cOrderEntries::strEntry(int _s32Line) const
{
    if (_s32Line <= 0 || _s32Line >= m_slLines.size())
        return QString();
    const RecordFields fields(m_slLines.at(_s32Line));
    QString strText;
    strText.reserve(256);
    FieldsOut<TextOut> out{{strText, *this}};
    vCompose(out, fields);
    return strText;
}

void cOrderEntries::vAppendSearchText(const RecordFields& _fields, cSearchIndex& _index) const
{
    // Each unit of the line gives at most three bytes; labels and literals
    // come on top.
    FieldsOut<FoldOut> out{
        {_index.pOpenRow(3 * _fields.s32LineLength() + m_s32FoldedLabelBytes + 32), m_baFolded}};
    vCompose(out, _fields);
    _index.vCloseRow(out.pOut);
}

ArchiveSearch::Layout cOrderEntries::searchLayout(QVector<ArchiveSearch::ValueSource>* _pSources) const
{
    ArchiveSearch::Layout layout;
    layout.fixed.append(QByteArray(""));
    QVector<ArchiveSearch::ValueSource> sources;
    LayoutOut out{layout, sources, m_baFolded};
    vCompose(out, RecordFields(QString()));
    if (_pSources)
        *_pSources = sources;
    return layout;
}

QString cOrderEntries::strArea(int _s32Line) const
{
    if (_s32Line <= 0 || _s32Line >= m_slLines.size())
        return QString();
    const int s32AreaM2 = RecordFields(m_slLines.at(_s32Line)).s32Int(10);
    return NumberFormat::strHectares(s32AreaM2, m_locale) + m_strHectares;
}

int cOrderEntries::s32OrderNumber(int _s32Line) const
{
    if (_s32Line <= 0 || _s32Line >= m_slLines.size())
        return 0;
    return RecordFields(m_slLines.at(_s32Line)).s32Int(0);
}

QString cOrderEntries::strCustomerNumber(int _s32Line) const
{
    if (_s32Line <= 0 || _s32Line >= m_slLines.size())
        return QString();
    return RecordFields(m_slLines.at(_s32Line)).strClean(2);
}

// ---- item ---------------------------------------------------------------------------------

cOrderItem::cOrderItem(std::shared_ptr<const cOrderEntries> _pEntries, int _s32Line)
    : m_pEntries(std::move(_pEntries)), m_s32Line(_s32Line)
{
}

QVariant cOrderItem::data(int _s32Role) const
{
    switch (_s32Role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return m_pEntries->strEntry(m_s32Line);
    case Qt::FontRole:
        return m_pEntries->fontEntry();
    case Qt::BackgroundRole:
        return m_pEntries->brush();
    case ListColumns::LINE_ROLE:
        return m_s32Line;
    case ListColumns::ORDER_NUMBER_ROLE:
        return m_pEntries->s32OrderNumber(m_s32Line);
    case ListColumns::KIND_ROLE:
        return QString::fromLatin1(SortFilter::ORDER_MARKER);
    case ListColumns::CUSTOMER_NUMBER_ROLE:
        return m_pEntries->strCustomerNumber(m_s32Line);
    case ListColumns::AREA_TEXT_ROLE:
        return m_pEntries->strArea(m_s32Line);
    case ListColumns::AREA_FONT_ROLE:
        return m_pEntries->fontArea();
    default:
        return QStandardItem::data(_s32Role);
    }
}

QStandardItem* cOrderItem::clone() const
{
    return new cOrderItem(m_pEntries, m_s32Line);
}

#pragma once

#include "data/archivesearch.h"

#include <QBrush>
#include <QCoreApplication>
#include <QFont>
#include <QLocale>
#include <QStandardItem>
#include <QStringList>

#include <memory>

class RecordFields;
class cSearchIndex;

// The entries of an orders list, made from the file's lines when they are
// drawn or read, never stored: a list of 100,000 orders keeps the lines it
// was built from and one small item per row. The same composition gives the
// text the list shows and the folded text the search looks through.
class cOrderEntries
{
    Q_DECLARE_TR_FUNCTIONS(cOrderEntries)

public:
    // _slLines are the file's lines as the list is built from them (shared,
    // not copied); sort mode 0 puts the order number first.
    cOrderEntries(const QStringList& _slLines, int _s32SortMode, int _s32Screen);

    QString strEntry(int _s32Line) const;
    QString strArea(int _s32Line) const;
    int s32OrderNumber(int _s32Line) const;
    // Field 2 of the record, without the terminal's padding.
    QString strCustomerNumber(int _s32Line) const;
    // Appends the folded entry of a record to the search index as a row.
    void vAppendSearchText(const RecordFields& _fields, cSearchIndex& _index) const;
    // The same folded entry as fixed texts and the fields between them, for
    // a search over records this list does not hold (the archive).
    ArchiveSearch::Layout searchLayout(QVector<ArchiveSearch::ValueSource>* _pSources) const;

    const QFont& fontEntry() const { return m_fontEntry; }
    const QFont& fontArea() const { return m_fontArea; }
    const QBrush& brush() const { return m_brush; }
    // The interface language's numbers; dates in its form unless German,
    // whose form is the terminal's.
    const QLocale& locale() const { return m_locale; }
    bool bLocalDates() const { return m_bLocalDates; }

    // The labels in front of the values, translated once per list.
    enum Label { NUMBER, CUSTOMER, FIELD, DRIVER, START, STOP, ROW_SPACING, LABEL_COUNT };
    const QString& strLabel(Label _label) const { return m_strLabels[_label]; }

private:
    template <class Out> void vCompose(Out& _out, const RecordFields& _fields) const;

    QStringList m_slLines;
    int m_s32SortMode;
    QString m_strLabels[LABEL_COUNT];   // "Label: "
    QByteArray m_baFolded[LABEL_COUNT]; // the same, folded for the search
    int m_s32FoldedLabelBytes = 0;      // of all labels together
    QString m_strHectares;
    QLocale m_locale;
    bool m_bLocalDates = false;
    QFont m_fontEntry;
    QFont m_fontArea;
    QBrush m_brush;
};

// One row of an orders list: its line in the file and where its texts come from.
class cOrderItem : public QStandardItem
{
public:
    cOrderItem(std::shared_ptr<const cOrderEntries> _pEntries, int _s32Line);

    QVariant data(int _s32Role = Qt::UserRole + 1) const override;
    QStandardItem* clone() const override;
    int type() const override { return QStandardItem::UserType + 1; }

private:
    std::shared_ptr<const cOrderEntries> m_pEntries;
    int m_s32Line;
};

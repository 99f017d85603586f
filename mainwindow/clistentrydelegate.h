#pragma once

#include <QStyledItemDelegate>

// Draws the list's entries. An entry that has an area text (orders) gets it
// drawn at the right of its row in the area's larger font, as a column of
// its own would show it, without a second item per row.
class cListEntryDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void vSetAreaWidth(int _s32Width) { m_s32AreaWidth = _s32Width; }

    void paint(QPainter* _pPainter, const QStyleOptionViewItem& _option,
               const QModelIndex& _index) const override;
    QSize sizeHint(const QStyleOptionViewItem& _option, const QModelIndex& _index) const override;

private:
    // The option for drawing the area text, or false when the row has none.
    bool bAreaOption(const QStyleOptionViewItem& _option, const QModelIndex& _index,
                     QStyleOptionViewItem& _areaOption) const;

    int m_s32AreaWidth = 0;
};

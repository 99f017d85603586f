#include "mainwindow/clistentrydelegate.h"

#include "mainwindow/listcolumns.h"

#include <QApplication>
#include <QPainter>

bool cListEntryDelegate::bAreaOption(const QStyleOptionViewItem& _option, const QModelIndex& _index,
                                     QStyleOptionViewItem& _areaOption) const
{
    const QVariant area = _index.data(ListColumns::AREA_TEXT_ROLE);
    if (!area.isValid())
        return false;
    _areaOption = _option;
    initStyleOption(&_areaOption, _index);
    _areaOption.text = area.toString();
    const QVariant font = _index.data(ListColumns::AREA_FONT_ROLE);
    if (font.isValid()) {
        _areaOption.font = qvariant_cast<QFont>(font);
        _areaOption.fontMetrics = QFontMetrics(_areaOption.font);
    }
    return true;
}

void cListEntryDelegate::paint(QPainter* _pPainter, const QStyleOptionViewItem& _option,
                               const QModelIndex& _index) const
{
    QStyleOptionViewItem areaOption;
    if (m_s32AreaWidth <= 0 || _option.rect.width() <= m_s32AreaWidth ||
        !bAreaOption(_option, _index, areaOption)) {
        QStyledItemDelegate::paint(_pPainter, _option, _index);
        return;
    }
    QStyleOptionViewItem entryOption(_option);
    entryOption.rect.setWidth(_option.rect.width() - m_s32AreaWidth);
    QStyledItemDelegate::paint(_pPainter, entryOption, _index);

    areaOption.rect =
        QRect(entryOption.rect.right() + 1, _option.rect.top(), m_s32AreaWidth, _option.rect.height());
    const QWidget* pWidget = _option.widget;
    QStyle* pStyle = pWidget ? pWidget->style() : QApplication::style();
    pStyle->drawControl(QStyle::CE_ItemViewItem, &areaOption, _pPainter, pWidget);
}

QSize cListEntryDelegate::sizeHint(const QStyleOptionViewItem& _option, const QModelIndex& _index) const
{
    QSize size = QStyledItemDelegate::sizeHint(_option, _index);
    QStyleOptionViewItem areaOption;
    if (!bAreaOption(_option, _index, areaOption))
        return size;
    const QWidget* pWidget = _option.widget;
    QStyle* pStyle = pWidget ? pWidget->style() : QApplication::style();
    const QSize area = pStyle->sizeFromContents(QStyle::CT_ItemViewItem, &areaOption, QSize(), pWidget);
    return QSize(size.width() + area.width(), qMax(size.height(), area.height()));
}

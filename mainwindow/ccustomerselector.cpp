#include "mainwindow/ccustomerselector.h"

#include "app/pageframe.h"

#include <QComboBox>
#include <QLocale>
#include <QSignalBlocker>

cCustomerSelector::cCustomerSelector(QComboBox* _pCombo) : m_pCombo(_pCombo)
{
    // Long names must not widen the window past a portrait screen: the
    // selector takes the width the bar gives it and elides.
    m_pCombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_pCombo->setMinimumContentsLength(6);
    m_pCombo->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    vClear();
}

QString cCustomerSelector::strFill(QVector<OrderCustomer> _customers, const QString& _strChosen)
{
    // The interface language is the default locale (SettingsStore sets it).
    OrderCustomers::vSort(_customers, QLocale());
    m_customers = std::move(_customers);
    const QSignalBlocker block(m_pCombo);
    m_pCombo->clear();
    m_pCombo->addItem(tr("Alle Kunden"));
    for (const OrderCustomer& customer : qAsConst(m_customers))
        m_pCombo->addItem(OrderCustomers::strEntry(customer));
    for (int i = 0; i < m_pCombo->count(); ++i)
        m_pCombo->setItemData(i, Style::colorYellow(), Qt::BackgroundRole);
    const int s32Chosen = _strChosen.isEmpty() ? -1 : OrderCustomers::s32IndexOf(m_customers, _strChosen);
    m_pCombo->setCurrentIndex(s32Chosen + 1);
    return s32Chosen < 0 ? QString() : _strChosen;
}

QString cCustomerSelector::strNumberAt(int _s32Index) const
{
    if (_s32Index <= 0 || _s32Index > m_customers.size())
        return QString();
    return m_customers.at(_s32Index - 1).strNumber;
}

QString cCustomerSelector::strFileLinePart() const
{
    const int s32Index = m_pCombo->currentIndex();
    if (s32Index <= 0 || s32Index > m_customers.size())
        return QString();
    return tr("Kunde: %1").arg(OrderCustomers::strEntry(m_customers.at(s32Index - 1)));
}

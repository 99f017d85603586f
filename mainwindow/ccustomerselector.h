#pragma once

#include "data/ordercustomers.h"

#include <QCoreApplication>
#include <QString>
#include <QVector>

class QComboBox;

// The orders list's customer selector: "Alle Kunden", then the customers of
// the shown orders (of the file, or of the archive's machine and season) by
// name and number, sorted by name in the interface language. It chooses by
// number, so that two customers of the same name stay apart.
class cCustomerSelector
{
    Q_DECLARE_TR_FUNCTIONS(cCustomerSelector)

public:
    // The combo box belongs to the window's form.
    explicit cCustomerSelector(QComboBox* _pCombo);

    // Offers _customers; the customer _strChosen stays chosen when it is
    // among them, otherwise "Alle Kunden" is. Returns the number chosen now
    // (empty: "Alle Kunden").
    QString strFill(QVector<OrderCustomer> _customers, const QString& _strChosen);
    // Offers nothing but "Alle Kunden" (no orders shown).
    void vClear() { strFill({}, QString()); }

    // The number of entry _s32Index; empty for "Alle Kunden".
    QString strNumberAt(int _s32Index) const;
    // The file line's part for the chosen customer, "Kunde: Müller (4711)";
    // empty for "Alle Kunden".
    QString strFileLinePart() const;

private:
    QComboBox* m_pCombo;
    QVector<OrderCustomer> m_customers; // in the entries' order, after "Alle Kunden"
};

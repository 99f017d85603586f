#pragma once

#include <QCollator>
#include <QLocale>
#include <QString>
#include <QVector>

// A customer of the shown orders, as the customer selector offers it.
struct OrderCustomer {
    QString strNumber; // field 2 of an order record: what the selector chooses by
    QString strName;   // field 3

    bool operator==(const OrderCustomer& _other) const
    {
        return strNumber == _other.strNumber && strName == _other.strName;
    }
};

// The customer selector's entries, without widgets.
namespace OrderCustomers
{

// By name in the collation of _locale (the interface language), customers
// of the same name by number: numerically where both numbers are numbers.
void vSort(QVector<OrderCustomer>& _customers, const QLocale& _locale);
// That order of two names and numbers (fields sort alike).
bool bLess(const QCollator& _collator, const QString& _strLeftName, const QString& _strLeftNumber,
           const QString& _strRightName, const QString& _strRightNumber);

// "Müller (4711)"; a customer without a name shows its number only.
QString strEntry(const OrderCustomer& _customer);

// The place of the customer with number _strNumber, -1 when none has it.
int s32IndexOf(const QVector<OrderCustomer>& _customers, const QString& _strNumber);

} // namespace OrderCustomers

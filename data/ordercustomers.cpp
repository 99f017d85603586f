#include "data/ordercustomers.h"

#include <QCollator>

#include <algorithm>

namespace OrderCustomers
{

void vSort(QVector<OrderCustomer>& _customers, const QLocale& _locale)
{
    QCollator collator(_locale);
    std::stable_sort(_customers.begin(), _customers.end(),
                     [&collator](const OrderCustomer& _left, const OrderCustomer& _right) {
                         const int s32Names = collator.compare(_left.strName, _right.strName);
                         if (s32Names != 0)
                             return s32Names < 0;
                         bool bLeftNumeric = false;
                         bool bRightNumeric = false;
                         const qlonglong s64Left = _left.strNumber.toLongLong(&bLeftNumeric);
                         const qlonglong s64Right = _right.strNumber.toLongLong(&bRightNumeric);
                         if (bLeftNumeric && bRightNumeric && s64Left != s64Right)
                             return s64Left < s64Right;
                         return collator.compare(_left.strNumber, _right.strNumber) < 0;
                     });
}

QString strEntry(const OrderCustomer& _customer)
{
    if (_customer.strName.isEmpty())
        return QStringLiteral("(%1)").arg(_customer.strNumber);
    return QStringLiteral("%1 (%2)").arg(_customer.strName, _customer.strNumber);
}

int s32IndexOf(const QVector<OrderCustomer>& _customers, const QString& _strNumber)
{
    for (int i = 0; i < _customers.size(); ++i) {
        if (_customers.at(i).strNumber == _strNumber)
            return i;
    }
    return -1;
}

} // namespace OrderCustomers

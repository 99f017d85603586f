#include "data/ordercustomers.h"

#include <algorithm>

namespace OrderCustomers
{

bool bLess(const QCollator& _collator, const QString& _strLeftName, const QString& _strLeftNumber,
           const QString& _strRightName, const QString& _strRightNumber)
{
    const int s32Names = _collator.compare(_strLeftName, _strRightName);
    if (s32Names != 0)
        return s32Names < 0;
    bool bLeftNumeric = false;
    bool bRightNumeric = false;
    const qlonglong s64Left = _strLeftNumber.toLongLong(&bLeftNumeric);
    const qlonglong s64Right = _strRightNumber.toLongLong(&bRightNumeric);
    if (bLeftNumeric && bRightNumeric && s64Left != s64Right)
        return s64Left < s64Right;
    return _collator.compare(_strLeftNumber, _strRightNumber) < 0;
}

void vSort(QVector<OrderCustomer>& _customers, const QLocale& _locale)
{
    const QCollator collator(_locale);
    std::stable_sort(_customers.begin(), _customers.end(),
                     [&collator](const OrderCustomer& _left, const OrderCustomer& _right) {
                         return bLess(collator, _left.strName, _left.strNumber, _right.strName,
                                      _right.strNumber);
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

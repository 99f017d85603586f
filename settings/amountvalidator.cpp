#include "settings/amountvalidator.h"

#include "data/billrates.h"

cAmountValidator::cAmountValidator(Kind _kind, const QLocale& _locale, QObject* _pParent)
    : QValidator(_pParent), m_kind(_kind), m_locale(_locale)
{
}

QValidator::State cAmountValidator::validate(QString& _strInput, int&) const
{
    if (_strInput.trimmed().isEmpty() || value(_strInput))
        return Acceptable;
    for (const QChar c : _strInput) {
        if (!c.isDigit() && !c.isSpace() && c != m_locale.decimalPoint() && c != m_locale.groupSeparator())
            return Invalid;
    }
    return Intermediate;
}

std::optional<qint64> cAmountValidator::value(const QString& _strText) const
{
    return m_kind == Kind::Price ? BillMoney::parseCents(_strText, m_locale)
                                 : BillMoney::parseBasisPoints(_strText, m_locale);
}

QString cAmountValidator::strText(const std::optional<qint64>& _value) const
{
    if (!_value)
        return QString();
    return m_kind == Kind::Price ? BillMoney::strAmount(*_value, m_locale)
                                 : BillMoney::strPercent(*_value, m_locale);
}

#pragma once

#include <QLocale>
#include <QValidator>

#include <optional>

// A price or a VAT rate as typed on the rates page, in the interface
// language's locale (BillMoney::parseCents / parseBasisPoints): empty or such
// a value is acceptable; a text of digits and separators only that is none
// yet ("1,234", "100,01") is intermediate, so that the field can show it as
// wrong while it is typed; any other character (a sign, a letter) is refused.
class cAmountValidator : public QValidator
{
    Q_OBJECT

public:
    enum class Kind { Price, Vat };

    cAmountValidator(Kind _kind, const QLocale& _locale, QObject* _pParent = nullptr);

    State validate(QString& _strInput, int& _s32Pos) const override;

    // The value of an acceptable text: cents or hundredths of a per cent;
    // nothing for an empty text or one that is no value.
    std::optional<qint64> value(const QString& _strText) const;
    // The value as the field shows it.
    QString strText(const std::optional<qint64>& _value) const;

private:
    Kind m_kind;
    QLocale m_locale;
};

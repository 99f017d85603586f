#pragma once

#include "app/pageframe.h"
#include "data/billrates.h"
#include "data/billsettings.h"

#include <QSqlDatabase>
#include <QVector>
#include <QWidget>

#include <functional>

namespace Ui
{
class cAbrechnungSeite;
}
class QComboBox;
class QLineEdit;
class QPushButton;
class QScreen;
class cAmountValidator;

// What the contractor charges and the letterhead of the bills: the default
// prices per hectare, per hour of road time and per order and the VAT rate;
// customers' own prices, each overriding the default's one by one; name,
// address, VAT number, bank and logo. Kept in the archive in use (the
// office's server or this device's archive) through the connector the
// application sets, read when the page is shown and written by "Speichern".
// The prices and the letterhead each take the page in turn, chosen by two
// buttons in the header. Every value is checked as typed; a wrong one is marked and nothing is
// saved while one is. Opened from the settings page; the back key returns
// there.
class cAbrechnungSeite : public QWidget
{
    Q_OBJECT

public:
    // The archive in use, open; an invalid database with the translated
    // reason (naming the archive) in *_pMessage when it cannot be opened.
    using Connector = std::function<QSqlDatabase(QString* _pMessage)>;

    static cAbrechnungSeite* instance();
    ~cAbrechnungSeite() override;

    void vSetArchiveConnector(const Connector& _fnConnect) { m_fnConnect = _fnConnect; }

    // Reads rates and letterhead from the archive into the fields; false
    // after telling the user why not.
    bool bLoad();
    // Writes the fields to the archive; false after telling the user why not
    // (a value marked wrong, a customer without number or twice, the
    // archive's failure).
    bool bSave();
    // Takes the picture of the file as logo: scaled down to at most
    // LOGO_SIZE pixels each way and kept as PNG. False after telling the
    // user why the file could not be read.
    bool bTakeLogo(const QString& _strPath);

    static constexpr int LOGO_SIZE = 600;
    // A picture's bytes as the logo: PNG of at most LOGO_SIZE each way;
    // empty with the reason in *_pstrWhy when it is no picture.
    static QByteArray baLogoOfFile(const QString& _strPath, QString* _pstrWhy);

protected:
    void showEvent(QShowEvent* _pEvent) override;
    void keyReleaseEvent(QKeyEvent* _pEvent) override;

private slots:
    void on_pushButton_Preise_toggled(bool _bChecked);
    void on_pushButton_KundeHinzufuegen_clicked();
    void on_pushButton_LogoWaehlen_clicked();
    void on_pushButton_LogoEntfernen_clicked();
    void on_pushButton_Speichern_clicked();
    // The header's back button does what the back key does.
    void on_pushButton_back_clicked();
    void onRotate(Qt::ScreenOrientation);

private:
    friend cAbrechnungSeite* PageFrame::tInstance<cAbrechnungSeite>();
    cAbrechnungSeite();

    // One customer's row: number, the four values, its remove button.
    struct CustomerRow {
        QComboBox* pNumber = nullptr;
        QLineEdit* apValues[4] = {};
        QPushButton* pRemove = nullptr;
    };

    void vApplyStyle();
    // The prices or the letterhead: one part at a time, so that each fits
    // the screen; saving writes both.
    void vShowPart(bool _bPrices);
    void vSetupAmount(QLineEdit* _pEdit, cAmountValidator* _pValidator);
    // A customer's row at the end of the list, with its values.
    void vAddCustomerRow(const QString& _strNumber, const BillRateSet& _set);
    void vRemoveCustomerRow(QPushButton* _pRemove);
    void vClearCustomerRows();
    void vShow(const BillRates& _rates, const Letterhead& _letterhead);
    // The customers' numbers the archive knows, offered in every row.
    void vSetKnownCustomers(const QVector<BillSettings::KnownCustomer>& _customers);
    QString strNumberOf(const QComboBox* _pCombo) const;
    // Red frame on a wrong value, and the hint while there is one.
    void vMarkValues();
    bool bAllValid() const;
    QList<QLineEdit*> lAmountEdits() const;
    void vShowLogo();
    // What was saved, below the button; gone with the next change.
    void vSetSaved(const QString& _strText);

    Ui::cAbrechnungSeite* ui;
    QScreen* m_pScreen = nullptr;
    Connector m_fnConnect;
    cAmountValidator* m_pPrice = nullptr;
    cAmountValidator* m_pVat = nullptr;
    QVector<CustomerRow> m_rows;
    QVector<BillSettings::KnownCustomer> m_known;
    QByteArray m_baLogo;
};

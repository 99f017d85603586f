#include "settings/cabrechnungseite.h"
#include "ui_cabrechnungseite.h"

#include "app/messages.h"
#include "app/navigation.h"
#include "app/settingsstore.h"
#include "data/archivestore.h"
#include "settings/amountvalidator.h"

#include <QAbstractItemView>
#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QImageReader>
#include <QKeyEvent>
#include <QStandardPaths>
#include <QStyle>

#include <array>

namespace
{

// The red frame of a value that is no value; the property is set on the field.
const char* const WRONG = "wrong";

QString strWrongFrame()
{
    return QStringLiteral(" QLineEdit[wrong=\"true\"]{border: 4px solid rgb(230, 40, 40);}");
}

} // namespace

cAbrechnungSeite* cAbrechnungSeite::instance()
{
    return PageFrame::tInstance<cAbrechnungSeite>();
}

cAbrechnungSeite::cAbrechnungSeite() : QWidget(nullptr), ui(new Ui::cAbrechnungSeite)
{
    ui->setupUi(this);
    PageFrame::vMakeKinetic(ui->scrollArea);
    m_pScreen = PageFrame::pFollowOrientation(this);
    const QLocale locale = SettingsStore::interfaceLocale();
    m_pPrice = new cAmountValidator(cAmountValidator::Kind::Price, locale, this);
    m_pVat = new cAmountValidator(cAmountValidator::Kind::Vat, locale, this);
    const QString strCurrency = locale.currencySymbol(QLocale::CurrencySymbol);
    for (QLabel* pUnit : {ui->label_HektarEinheit, ui->label_StrasseEinheit, ui->label_AuftragEinheit})
        pUnit->setText(strCurrency);
    for (QLineEdit* pEdit : {ui->lineEdit_Hektar, ui->lineEdit_Strasse, ui->lineEdit_Auftrag})
        vSetupAmount(pEdit, m_pPrice);
    vSetupAmount(ui->lineEdit_Mwst, m_pVat);
    for (QLineEdit* pEdit : {ui->lineEdit_Name, ui->lineEdit_UstId}) {
        PageFrame::vHideKeyboardOnFinish(pEdit);
        connect(pEdit, &QLineEdit::textEdited, this, [this] { vSetSaved(QString()); });
    }
    for (QPlainTextEdit* pEdit : {ui->plainTextEdit_Anschrift, ui->plainTextEdit_Bank})
        connect(pEdit, &QPlainTextEdit::textChanged, this, [this] { vSetSaved(QString()); });

    // The customers' list: a heading over each column.
    const QStringList slHeadings{tr("Kundennummer"), tr("je Hektar"), tr("je Stunde Straße"),
                                 tr("je Auftrag"), tr("MwSt. %")};
    for (int i = 0; i < slHeadings.size(); ++i) {
        auto* pHeading = new QLabel(slHeadings.at(i), ui->widget_Kunden);
        pHeading->setWordWrap(true);
        pHeading->setObjectName(QStringLiteral("label_Spalte%1").arg(i));
        ui->gridLayout_Kunden->addWidget(pHeading, 0, i);
    }
    ui->gridLayout_Kunden->setColumnStretch(0, 3);
    for (int i = 1; i <= 4; ++i)
        ui->gridLayout_Kunden->setColumnStretch(i, 2);
    ui->label_Hinweis->setText(tr("Bitte prüfen Sie die rot umrandeten Werte: Preise ohne Vorzeichen mit "
                                  "höchstens zwei Nachkommastellen, die Mehrwertsteuer von 0 bis 100 %."));
    vApplyStyle();
    vShowLogo();
    vMarkValues();
    vSetSaved(QString());
    vShowPart(true);
}

void cAbrechnungSeite::vShowPart(bool _bPrices)
{
    const QList<QWidget*> lPrices{ui->label_Standard,       ui->label_Hektar,
                                  ui->lineEdit_Hektar,      ui->label_HektarEinheit,
                                  ui->label_Strasse,        ui->lineEdit_Strasse,
                                  ui->label_StrasseEinheit, ui->label_Auftrag,
                                  ui->lineEdit_Auftrag,     ui->label_AuftragEinheit,
                                  ui->label_Mwst,           ui->lineEdit_Mwst,
                                  ui->label_MwstEinheit,    ui->label_Kunden,
                                  ui->widget_Kunden,        ui->pushButton_KundeHinzufuegen};
    const QList<QWidget*> lLetterhead{
        ui->label_Briefkopf,         ui->label_Name,  ui->lineEdit_Name,  ui->label_Anschrift,
        ui->plainTextEdit_Anschrift, ui->label_UstId, ui->lineEdit_UstId, ui->label_Bank,
        ui->plainTextEdit_Bank,      ui->label_Logo,  ui->label_LogoBild, ui->pushButton_LogoWaehlen,
        ui->pushButton_LogoEntfernen};
    for (QWidget* pWidget : lPrices)
        pWidget->setVisible(_bPrices);
    for (QWidget* pWidget : lLetterhead)
        pWidget->setVisible(!_bPrices);
    ui->pushButton_Preise->setChecked(_bPrices);
    ui->pushButton_Briefkopf->setChecked(!_bPrices);
}

void cAbrechnungSeite::on_pushButton_Preise_toggled(bool _bChecked)
{
    vShowPart(_bChecked);
}

cAbrechnungSeite::~cAbrechnungSeite()
{
    delete ui;
}

void cAbrechnungSeite::vApplyStyle()
{
    const int S = PageFrame::s32ScreenUnit();
    const int s32Text = S / 25;
    ui->label_ABRECHNUNG->setStyleSheet(Style::strTitleLabel(S / 21));
    PageFrame::vSetupBackButton(ui->pushButton_back, S);
    for (QLabel* pLabel :
         {ui->label_Hektar, ui->label_HektarEinheit, ui->label_Strasse, ui->label_StrasseEinheit,
          ui->label_Auftrag, ui->label_AuftragEinheit, ui->label_Mwst, ui->label_MwstEinheit, ui->label_Name,
          ui->label_Anschrift, ui->label_UstId, ui->label_Bank, ui->label_Logo, ui->label_LogoBild,
          ui->label_Gespeichert})
        pLabel->setStyleSheet(Style::strLabelOnBlack(s32Text));
    for (QLabel* pLabel : {ui->label_Standard, ui->label_Briefkopf})
        pLabel->setStyleSheet(Style::strTitleLabel(S / 23));
    for (QLabel* pLabel : ui->widget_Kunden->findChildren<QLabel*>())
        pLabel->setStyleSheet(Style::strLabelOnBlack(S / 32));
    // The explanations are smaller than what the user acts on; the hint on
    // wrong values is red like their frames.
    ui->label_Kunden->setStyleSheet(Style::strLabelOnBlack(S / 32));
    ui->label_Hinweis->setStyleSheet(
        QStringLiteral("QLabel{color: rgb(255, 90, 90); font: bold %1px;}").arg(S / 32));
    for (QLineEdit* pEdit : {ui->lineEdit_Hektar, ui->lineEdit_Strasse, ui->lineEdit_Auftrag,
                             ui->lineEdit_Mwst, ui->lineEdit_Name, ui->lineEdit_UstId})
        pEdit->setStyleSheet(Style::strLineEdit(S / 22) + strWrongFrame());
    for (QPlainTextEdit* pEdit : {ui->plainTextEdit_Anschrift, ui->plainTextEdit_Bank}) {
        pEdit->setStyleSheet(
            QStringLiteral("QPlainTextEdit{background-color: %1; color: rgb(0, 0, 0); font: %2px;}")
                .arg(Style::strYellow())
                .arg(S / 25));
        pEdit->setFixedHeight(S / 25 * 4);
        PageFrame::vMakeKinetic(pEdit);
    }
    // The part shown is the yellow one.
    for (QPushButton* pButton : {ui->pushButton_Preise, ui->pushButton_Briefkopf})
        pButton->setStyleSheet(
            Style::strButton(s32Text, 3) +
            QStringLiteral(
                " QPushButton{color: rgb(0, 0, 0);} QPushButton:!checked{background-color: rgb(70, "
                "70, 70); color: %1;}")
                .arg(Style::strYellow()));
    for (QPushButton* pButton : {ui->pushButton_KundeHinzufuegen, ui->pushButton_LogoWaehlen,
                                 ui->pushButton_LogoEntfernen, ui->pushButton_Speichern})
        pButton->setStyleSheet(Style::strButton(s32Text));
}

void cAbrechnungSeite::vSetupAmount(QLineEdit* _pEdit, cAmountValidator* _pValidator)
{
    _pEdit->setValidator(_pValidator);
    _pEdit->setInputMethodHints(Qt::ImhFormattedNumbersOnly);
    _pEdit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    PageFrame::vHideKeyboardOnFinish(_pEdit);
    connect(_pEdit, &QLineEdit::textChanged, this, [this] {
        vMarkValues();
        vSetSaved(QString());
    });
}

QList<QLineEdit*> cAbrechnungSeite::lAmountEdits() const
{
    QList<QLineEdit*> lEdits{ui->lineEdit_Hektar, ui->lineEdit_Strasse, ui->lineEdit_Auftrag,
                             ui->lineEdit_Mwst};
    for (const CustomerRow& row : m_rows) {
        for (QLineEdit* pEdit : row.apValues)
            lEdits << pEdit;
    }
    return lEdits;
}

bool cAbrechnungSeite::bAllValid() const
{
    for (const QLineEdit* pEdit : lAmountEdits()) {
        if (!pEdit->hasAcceptableInput())
            return false;
    }
    return true;
}

void cAbrechnungSeite::vMarkValues()
{
    bool bWrong = false;
    for (QLineEdit* pEdit : lAmountEdits()) {
        const bool bThisWrong = !pEdit->hasAcceptableInput();
        bWrong = bWrong || bThisWrong;
        if (pEdit->property(WRONG).toBool() == bThisWrong)
            continue;
        pEdit->setProperty(WRONG, bThisWrong);
        pEdit->style()->unpolish(pEdit);
        pEdit->style()->polish(pEdit);
    }
    ui->label_Hinweis->setVisible(bWrong);
}

void cAbrechnungSeite::vAddCustomerRow(const QString& _strNumber, const BillRateSet& _set)
{
    const int S = PageFrame::s32ScreenUnit();
    const int s32Row = ui->gridLayout_Kunden->rowCount();
    CustomerRow row;
    row.pNumber = new QComboBox(ui->widget_Kunden);
    row.pNumber->setEditable(true);
    row.pNumber->setInsertPolicy(QComboBox::NoInsert);
    row.pNumber->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    row.pNumber->setMinimumContentsLength(3);
    row.pNumber->setStyleSheet(Style::strComboBox(S / 30));
    row.pNumber->lineEdit()->setPlaceholderText(tr("Nummer"));
    row.pNumber->lineEdit()->setInputMethodHints(Qt::ImhNoAutoUppercase | Qt::ImhNoPredictiveText);
    PageFrame::vHideKeyboardOnFinish(row.pNumber->lineEdit());
    for (const BillSettings::KnownCustomer& customer : qAsConst(m_known))
        row.pNumber->addItem(QStringLiteral("%1 (%2)").arg(customer.strNumber, customer.strName),
                             customer.strNumber);
    for (int i = 0; i < row.pNumber->count(); ++i)
        row.pNumber->setItemData(i, Style::colorYellow(), Qt::BackgroundRole);
    const int s32Known = row.pNumber->findData(_strNumber);
    row.pNumber->setCurrentIndex(s32Known);
    if (s32Known < 0)
        row.pNumber->setEditText(_strNumber);
    connect(row.pNumber, &QComboBox::editTextChanged, this, [this] { vSetSaved(QString()); });
    ui->gridLayout_Kunden->addWidget(row.pNumber, s32Row, 0);

    const std::optional<qint64> aValues[4] = {_set.perHectare, _set.perRoadHour, _set.perOrder,
                                              _set.vatBasisPoints};
    for (int i = 0; i < 4; ++i) {
        auto* pEdit = new QLineEdit(ui->widget_Kunden);
        cAmountValidator* pValidator = i == 3 ? m_pVat : m_pPrice;
        pEdit->setText(pValidator->strText(aValues[i]));
        pEdit->setStyleSheet(Style::strLineEdit(S / 30) + strWrongFrame());
        pEdit->setMinimumWidth(S / 12);
        vSetupAmount(pEdit, pValidator);
        row.apValues[i] = pEdit;
        ui->gridLayout_Kunden->addWidget(pEdit, s32Row, i + 1);
    }
    row.pRemove = new QPushButton(ui->widget_Kunden);
    row.pRemove->setStyleSheet(Style::strIconButton());
    row.pRemove->setToolTip(tr("Kunde entfernen"));
    row.pRemove->setAccessibleName(tr("Kunde entfernen"));
    PageFrame::vSetIcon(row.pRemove, QStringLiteral(":/delete-128.png"), S / 17, S / 17);
    connect(row.pRemove, &QPushButton::clicked, this,
            [this, pRemove = row.pRemove] { vRemoveCustomerRow(pRemove); });
    ui->gridLayout_Kunden->addWidget(row.pRemove, s32Row, 5);
    m_rows.append(row);
    vMarkValues();
}

void cAbrechnungSeite::vRemoveCustomerRow(QPushButton* _pRemove)
{
    for (int i = 0; i < m_rows.size(); ++i) {
        const CustomerRow& row = m_rows.at(i);
        if (row.pRemove != _pRemove)
            continue;
        delete row.pNumber;
        for (QLineEdit* pEdit : row.apValues)
            delete pEdit;
        // Deleted later: it is the sender of the click being handled.
        row.pRemove->hide();
        row.pRemove->deleteLater();
        m_rows.removeAt(i);
        break;
    }
    vMarkValues();
    vSetSaved(QString());
}

void cAbrechnungSeite::vClearCustomerRows()
{
    while (!m_rows.isEmpty())
        vRemoveCustomerRow(m_rows.constLast().pRemove);
}

void cAbrechnungSeite::vSetKnownCustomers(const QVector<BillSettings::KnownCustomer>& _customers)
{
    m_known = _customers;
}

QString cAbrechnungSeite::strNumberOf(const QComboBox* _pCombo) const
{
    // A customer picked from the list shows its name as well; a typed
    // number is taken as typed.
    const QString strText = _pCombo->currentText().trimmed();
    const int s32Item = _pCombo->findText(strText, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    return s32Item >= 0 ? _pCombo->itemData(s32Item).toString() : strText;
}

void cAbrechnungSeite::vShow(const BillRates& _rates, const Letterhead& _letterhead)
{
    ui->lineEdit_Hektar->setText(m_pPrice->strText(_rates.defaults.perHectare));
    ui->lineEdit_Strasse->setText(m_pPrice->strText(_rates.defaults.perRoadHour));
    ui->lineEdit_Auftrag->setText(m_pPrice->strText(_rates.defaults.perOrder));
    ui->lineEdit_Mwst->setText(m_pVat->strText(_rates.defaults.vatBasisPoints));
    vClearCustomerRows();
    for (auto it = _rates.customers.constBegin(); it != _rates.customers.constEnd(); ++it)
        vAddCustomerRow(it.key(), it.value());
    ui->lineEdit_Name->setText(_letterhead.strName);
    ui->plainTextEdit_Anschrift->setPlainText(_letterhead.strAddress);
    ui->lineEdit_UstId->setText(_letterhead.strVatId);
    ui->plainTextEdit_Bank->setPlainText(_letterhead.strBank);
    m_baLogo = _letterhead.baLogo;
    vShowLogo();
    vMarkValues();
}

bool cAbrechnungSeite::bLoad()
{
    if (!m_fnConnect)
        return false;
    QString strMessage;
    QSqlDatabase database = m_fnConnect(&strMessage);
    if (!database.isValid() || !database.isOpen()) {
        Messages::vShow(this, tr("Die Abrechnung konnte nicht gelesen werden: %1").arg(strMessage));
        return false;
    }
    BillRates rates;
    Letterhead letterhead;
    QVector<BillSettings::KnownCustomer> customers;
    QSqlError error;
    if (!BillSettings::bKnownCustomers(database, customers, error) ||
        !BillSettings::bLoad(database, rates, letterhead, error)) {
        Messages::vShow(this, tr("Die Abrechnung konnte nicht aus dem Archiv %1 gelesen werden: %2")
                                  .arg(cArchiveStore(database).strDisplayName(), error.text()));
        return false;
    }
    vSetKnownCustomers(customers);
    vShow(rates, letterhead);
    vSetSaved(QString());
    return true;
}

bool cAbrechnungSeite::bSave()
{
    if (!bAllValid()) {
        Messages::vShow(this, ui->label_Hinweis->text());
        return false;
    }
    const auto set = [](const std::array<QLineEdit*, 4>& _apEdits, const cAmountValidator* _pPrice,
                        const cAmountValidator* _pVat) {
        BillRateSet values;
        values.perHectare = _pPrice->value(_apEdits[0]->text());
        values.perRoadHour = _pPrice->value(_apEdits[1]->text());
        values.perOrder = _pPrice->value(_apEdits[2]->text());
        values.vatBasisPoints = _pVat->value(_apEdits[3]->text());
        return values;
    };
    BillRates rates;
    rates.defaults = set({ui->lineEdit_Hektar, ui->lineEdit_Strasse, ui->lineEdit_Auftrag, ui->lineEdit_Mwst},
                         m_pPrice, m_pVat);
    for (const CustomerRow& row : qAsConst(m_rows)) {
        const BillRateSet own =
            set({row.apValues[0], row.apValues[1], row.apValues[2], row.apValues[3]}, m_pPrice, m_pVat);
        const QString strNumber = strNumberOf(row.pNumber);
        if (strNumber.isEmpty()) {
            if (own.bEmpty())
                continue;
            Messages::vShow(this,
                            tr("Bitte geben Sie bei jedem Kunden mit eigenen Preisen die Kundennummer ein."));
            return false;
        }
        if (rates.customers.contains(strNumber)) {
            Messages::vShow(this, tr("Der Kunde %1 steht zweimal in der Liste. Bitte entfernen Sie eine der "
                                     "beiden Zeilen.")
                                      .arg(strNumber));
            return false;
        }
        // A customer without values of its own pays the default's.
        if (!own.bEmpty())
            rates.customers.insert(strNumber, own);
    }
    Letterhead letterhead;
    letterhead.strName = ui->lineEdit_Name->text().trimmed();
    letterhead.strAddress = ui->plainTextEdit_Anschrift->toPlainText().trimmed();
    letterhead.strVatId = ui->lineEdit_UstId->text().trimmed();
    letterhead.strBank = ui->plainTextEdit_Bank->toPlainText().trimmed();
    letterhead.baLogo = m_baLogo;

    QString strMessage = tr("Das Archiv ist noch nicht bereit.");
    QSqlDatabase database = m_fnConnect ? m_fnConnect(&strMessage) : QSqlDatabase();
    if (!database.isValid() || !database.isOpen()) {
        Messages::vShow(this, tr("Die Abrechnung konnte nicht gespeichert werden: %1").arg(strMessage));
        return false;
    }
    const QString strArchive = cArchiveStore(database).strDisplayName();
    QSqlError error;
    if (!BillSettings::bSave(database, rates, letterhead, error)) {
        Messages::vShow(this, tr("Die Abrechnung konnte nicht im Archiv %1 gespeichert werden: %2")
                                  .arg(strArchive, error.text()));
        return false;
    }
    // The values as they are kept: "12" shows as "12,00".
    vShow(rates, letterhead);
    vSetSaved(tr("Gespeichert im Archiv %1.").arg(strArchive));
    return true;
}

QByteArray cAbrechnungSeite::baLogoOfFile(const QString& _strPath, QString* _pstrWhy)
{
    QImageReader reader(_strPath);
    reader.setAutoTransform(true);
    QImage image = reader.read();
    if (image.isNull()) {
        *_pstrWhy = reader.errorString();
        return QByteArray();
    }
    if (image.width() > LOGO_SIZE || image.height() > LOGO_SIZE)
        image = image.scaled(LOGO_SIZE, LOGO_SIZE, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QByteArray baPng;
    QBuffer buffer(&baPng);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return baPng;
}

bool cAbrechnungSeite::bTakeLogo(const QString& _strPath)
{
    QString strWhy;
    const QByteArray baPng = baLogoOfFile(_strPath, &strWhy);
    if (baPng.isEmpty()) {
        Messages::vShow(
            this,
            tr("Das Bild %1 kann nicht als Logo dienen: %2").arg(QDir::toNativeSeparators(_strPath), strWhy));
        return false;
    }
    m_baLogo = baPng;
    vShowLogo();
    vSetSaved(QString());
    return true;
}

void cAbrechnungSeite::vShowLogo()
{
    const int s32Height = PageFrame::s32ScreenUnit() / 8;
    QImage image;
    if (!m_baLogo.isEmpty() && image.loadFromData(m_baLogo)) {
        ui->label_LogoBild->setPixmap(QPixmap::fromImage(
            image.scaled(s32Height * 3, s32Height, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    } else {
        ui->label_LogoBild->setPixmap(QPixmap());
        ui->label_LogoBild->setText(m_baLogo.isEmpty() ? tr("kein Logo") : tr("Logo nicht lesbar"));
    }
    ui->pushButton_LogoEntfernen->setEnabled(!m_baLogo.isEmpty());
}

void cAbrechnungSeite::on_pushButton_KundeHinzufuegen_clicked()
{
    vAddCustomerRow(QString(), BillRateSet());
    m_rows.constLast().pNumber->setFocus();
    vSetSaved(QString());
}

void cAbrechnungSeite::on_pushButton_LogoWaehlen_clicked()
{
    // Qt's own dialog, filling the screen with lines a finger can hit: the
    // system's dialog would be made for a mouse.
    QFileDialog dialog(nullptr, tr("Logo wählen"),
                       QStandardPaths::writableLocation(QStandardPaths::PicturesLocation));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setWindowModality(Qt::ApplicationModal);
    QStringList slPatterns;
    for (const QByteArray& baFormat : QImageReader::supportedImageFormats())
        slPatterns << QStringLiteral("*.") + QString::fromLatin1(baFormat);
    dialog.setNameFilter(tr("Bilder (%1)").arg(slPatterns.join(QLatin1Char(' '))));
    const int S = PageFrame::s32ScreenUnit();
    dialog.setStyleSheet(QStringLiteral("*{font-size: %1px;} QAbstractItemView::item{min-height: %2px;} "
                                        "QPushButton, QToolButton, QLineEdit, QComboBox{min-height: %2px;}")
                             .arg(S / 30)
                             .arg(S / 14));
    for (QAbstractItemView* pView : dialog.findChildren<QAbstractItemView*>())
        PageFrame::vMakeKinetic(pView);
    dialog.setWindowState(Qt::WindowMaximized);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        bTakeLogo(dialog.selectedFiles().constFirst());
}

void cAbrechnungSeite::on_pushButton_LogoEntfernen_clicked()
{
    m_baLogo.clear();
    vShowLogo();
    vSetSaved(QString());
}

void cAbrechnungSeite::on_pushButton_Speichern_clicked()
{
    bSave();
}

void cAbrechnungSeite::vSetSaved(const QString& _strText)
{
    // Without a text the line takes no room.
    ui->label_Gespeichert->setText(_strText);
    ui->label_Gespeichert->setVisible(!_strText.isEmpty());
}

void cAbrechnungSeite::showEvent(QShowEvent* _pEvent)
{
    // What the archive keeps, not what was typed and left without saving.
    bLoad();
    QWidget::showEvent(_pEvent);
}

void cAbrechnungSeite::keyReleaseEvent(QKeyEvent* _pEvent)
{
    if (PageFrame::bIsBackKey(_pEvent))
        on_pushButton_back_clicked();
}

void cAbrechnungSeite::on_pushButton_back_clicked()
{
    hide();
    Navigation::vShowPage(Navigation::Caller::Settings);
}

void cAbrechnungSeite::onRotate(Qt::ScreenOrientation)
{
    PageFrame::vRelayoutAvailable(this);
}

#include "mainwindow/cmainwindowform.h"

#include "app/datefield.h"
#include "app/navigation.h"
#include "app/pageframe.h"
#include "ui_chaupt.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>

cMainWindowForm::cMainWindowForm(Ui::cHaupt* _pUi, QPushButton* _pExport) : m_pUi(_pUi), m_pExport(_pExport)
{
    m_pUi->horizontalLayout_Datum->addWidget(m_pExport);
    m_pCustomerRow = new QHBoxLayout;
    m_pUi->verticalLayout->insertLayout(m_pUi->verticalLayout->indexOf(m_pUi->horizontalLayout_Sortieren) + 1,
                                        m_pCustomerRow);
}

void cMainWindowForm::vPlaceCustomerSelector(bool _bPortrait)
{
    QComboBox* pCombo = m_pUi->comboBox_Kundenwahl;
    QBoxLayout* pTarget =
        _bPortrait ? static_cast<QBoxLayout*>(m_pCustomerRow) : m_pUi->horizontalLayout_Sortieren;
    if (pTarget->indexOf(pCombo) >= 0)
        return;
    m_pUi->horizontalLayout_Sortieren->removeWidget(pCombo);
    m_pCustomerRow->removeWidget(pCombo);
    pTarget->addWidget(pCombo);
}

void cMainWindowForm::vSetUp()
{
    for (QComboBox* pSelector :
         {m_pUi->comboBox, m_pUi->comboBox_Fahrer, m_pUi->comboBox_Kunden, m_pUi->comboBox_Schlag}) {
        for (int i = 0; i < pSelector->count(); ++i)
            pSelector->setItemData(i, Style::colorYellow(), Qt::BackgroundRole);
    }
    m_pUi->lineEdit->setInputMethodHints(Qt::ImhNoPredictiveText);
    PageFrame::vMakeKinetic(m_pUi->treeView);
    m_pUi->treeView->setHeaderHidden(true);
    m_pUi->treeView->setRootIsDecorated(false);
    // Every entry of a list has the same number of lines: the view measures
    // one row instead of asking each of them.
    m_pUi->treeView->setUniformRowHeights(true);

    for (QDateEdit* pDate : {m_pUi->dateEdit_von, m_pUi->dateEdit_bis}) {
        pDate->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
        // A typed date counts once it is complete (Enter or leaving the
        // field): each change narrows the other field's range and rewrites
        // this field's text, which would throw away the digits typed so far.
        pDate->setKeyboardTracking(false);
        DateField::vSetup(pDate);
    }
    m_pUi->dateEdit_von->setDate(QDate(2008, 1, 1));
    m_pUi->dateEdit_von->setMaximumDate(QDate(2020, 12, 31));
    m_pUi->dateEdit_bis->setDate(QDate(2020, 12, 31));
}

void cMainWindowForm::vApplySizes(int _s32Screen, bool _bLichtschalter, bool _bExpertModus)
{
    m_s32Screen = _s32Screen;
    const int S = _s32Screen;
    if (const QScreen* pScreen = QGuiApplication::primaryScreen())
        vPlaceCustomerSelector(pScreen->size().height() > pScreen->size().width());
    const int s32Text = S / 25;
    for (QLabel* pLabel : {m_pUi->label_WhichFileTitel, m_pUi->label_WhichFile, m_pUi->label_Sortieren_Nach,
                           m_pUi->label_Suche, m_pUi->label_von, m_pUi->label_bis}) {
        pLabel->setStyleSheet(Style::strLabelOnBlack(s32Text));
    }
    m_pUi->label_Credits->setStyleSheet(Style::strTitleLabel(int(S / 51.2)));
    for (QComboBox* pSelector : {m_pUi->comboBox, m_pUi->comboBox_Fahrer, m_pUi->comboBox_Kunden,
                                 m_pUi->comboBox_Schlag, m_pUi->comboBox_Kundenwahl})
        pSelector->setStyleSheet(Style::strComboBox(s32Text));
    m_pUi->lineEdit->setStyleSheet(Style::strLineEdit(s32Text));

    QFont fontDate = m_pUi->dateEdit_von->font();
    fontDate.setPixelSize(qMax(1, s32Text));
    for (QDateEdit* pDate : {m_pUi->dateEdit_von, m_pUi->dateEdit_bis}) {
        pDate->setStyleSheet(Style::strDateField());
        pDate->setFont(fontDate);
    }

    for (QPushButton* pButton : {m_pUi->pushButton_SaisonData, m_pUi->pushButton_heruntergeladeneDateien}) {
        pButton->setStyleSheet(Style::strButton(s32Text));
        pButton->setMinimumWidth(qRound(pButton->sizeHint().width() * 1.2));
    }
    for (QPushButton* pButton :
         {m_pUi->pushButton_Einstellungen, m_pUi->pushButton_Vemo_Icon, m_pUi->pushButton_LindqvarthLogo,
          m_pUi->pushButton_Send, m_pUi->pushButton_Download, m_pUi->pushButton_Live,
          m_pUi->pushButton_Lichtschalter, m_pUi->pushButton_Expertmodus, m_pUi->pushButton_PlusFahrer,
          m_pUi->pushButton_Hide_Show, m_pUi->pushButton_SendFileTo}) {
        pButton->setStyleSheet(Style::strIconButton());
        pButton->setFlat(true);
    }

    const int s32Settings = int(S / 10.28);
    PageFrame::vSetIcon(m_pUi->pushButton_Einstellungen, QStringLiteral(":/images/setting-icon.png"),
                        s32Settings, s32Settings);
    PageFrame::vSetProductLogo(m_pUi->pushButton_Vemo_Icon, S, false);
    PageFrame::vSetIcon(m_pUi->pushButton_LindqvarthLogo, QStringLiteral(":/LindqvarthLOGO.png"), S / 4,
                        S / 5);
    PageFrame::vSetIcon(m_pUi->pushButton_Send, QStringLiteral(":/images/arrow-58-128.png"), S / 9, S / 9);
    PageFrame::vSetIcon(m_pUi->pushButton_Download, QStringLiteral(":/images/downloads-128.png"), S / 9,
                        S / 9);
    PageFrame::vSetIcon(m_pUi->pushButton_Live, QStringLiteral(":/images/play-4-128.png"), S / 9, S / 9);
    PageFrame::vSetIcon(m_pUi->pushButton_Lichtschalter,
                        QString::fromLatin1(_bLichtschalter ? ":/Lichtschalter_Haupt_On.png"
                                                            : ":/Lichtschalter_Haupt_Off.png"),
                        S / 9, S / 9);
    PageFrame::vSetIcon(m_pUi->pushButton_Expertmodus,
                        QString::fromLatin1(_bExpertModus ? ":/Expertmodus_ON.png" : ":/Expertmodus_OFF.png"),
                        S / 9, S / 9);
    PageFrame::vSetIcon(m_pUi->pushButton_PlusFahrer, QStringLiteral(":/plus-6-128.png"), S / 11, S / 11);
    PageFrame::vSetIcon(m_pUi->pushButton_Hide_Show, QStringLiteral(":/arrow-143-128.png"), S / 12, S / 12);
    PageFrame::vSetIcon(m_pUi->pushButton_SendFileTo, QStringLiteral(":/message-128.png"), S / 9, S / 11);
    m_pUi->label_loading->setFixedSize(S / 9, S / 11);
}

int cMainWindowForm::s32FitList(QWidget* _pWindow)
{
    PageFrame::vRelayoutTransposed(_pWindow);
    vPlaceCustomerSelector(_pWindow->height() > _pWindow->width());
    const int s32Width = _pWindow->width() - 5;
    m_pUi->treeView->setMinimumWidth(s32Width);
    m_pUi->treeView->setMaximumWidth(s32Width);
    if (m_pUi->scrollAreaWidgetContents->layout())
        m_pUi->scrollAreaWidgetContents->layout()->invalidate();
    return s32Width;
}

// ---- visibility -----------------------------------------------------------------------------

void cMainWindowForm::vShowStartScreen(bool _bSettings)
{
    m_pUi->label_Credits->show();
    m_pUi->pushButton_LindqvarthLogo->show();
    m_pUi->pushButton_Vemo_Icon->hide();
    m_pUi->pushButton_Einstellungen->setVisible(_bSettings);
    vHideFilterBar();
    for (QWidget* pWidget : std::initializer_list<QWidget*>{
             m_pUi->pushButton_Send, m_pUi->pushButton_SendFileTo, m_pUi->pushButton_Download,
             m_pUi->pushButton_SaisonData, m_pUi->pushButton_PlusFahrer, m_pUi->pushButton_Hide_Show,
             m_pUi->label_loading, m_pUi->pushButton_Live, m_pUi->pushButton_Lichtschalter,
             m_pUi->pushButton_Expertmodus}) {
        pWidget->hide();
    }
}

void cMainWindowForm::vEndStartScreen()
{
    m_pUi->label_Credits->hide();
    m_pUi->pushButton_LindqvarthLogo->hide();
    m_pUi->pushButton_Einstellungen->show();
}

void cMainWindowForm::vHideFilterBar()
{
    for (QWidget* pWidget : std::initializer_list<QWidget*>{
             m_pUi->dateEdit_bis, m_pUi->dateEdit_von, m_pUi->label_von, m_pUi->label_bis,
             m_pUi->label_WhichFileTitel, m_pUi->label_WhichFile, m_pUi->label_Suche,
             m_pUi->pushButton_heruntergeladeneDateien, m_pUi->lineEdit, m_pUi->comboBox,
             m_pUi->comboBox_Fahrer, m_pUi->comboBox_Kunden, m_pUi->comboBox_Schlag,
             m_pUi->comboBox_Kundenwahl, m_pUi->label_Sortieren_Nach, m_pExport}) {
        pWidget->hide();
    }
}

void cMainWindowForm::vShowFilterBarOfKind(ListKind _kind, bool _bFileRead)
{
    PageFrame::vSetIcon(m_pUi->pushButton_Hide_Show, QStringLiteral(":/arrow-143-128.png"), m_s32Screen / 12,
                        m_s32Screen / 12);
    const ListKind kind = _kind;
    const bool bOrders = kind == ListKind::Orders;
    const bool bCustomers = kind == ListKind::Customers;
    const bool bList = bOrders || bCustomers || kind == ListKind::Fields || kind == ListKind::Drivers;

    m_pUi->label_Credits->hide();
    m_pUi->pushButton_LindqvarthLogo->hide();
    m_pUi->pushButton_SaisonData->setVisible(bOrders);
    for (QWidget* pWidget : std::initializer_list<QWidget*>{m_pUi->label_von, m_pUi->dateEdit_von,
                                                            m_pUi->label_bis, m_pUi->dateEdit_bis, m_pExport})
        pWidget->setVisible(bOrders);
    m_pUi->comboBox->setVisible(bOrders);
    m_pUi->comboBox_Kundenwahl->setVisible(bOrders);
    m_pUi->comboBox_Kunden->setVisible(bCustomers);
    m_pUi->comboBox_Fahrer->hide();
    m_pUi->comboBox_Schlag->hide();
    m_pUi->label_Sortieren_Nach->setVisible(bOrders || bCustomers);
    // New drivers are added to an open drivers list only.
    m_pUi->pushButton_PlusFahrer->setVisible(kind == ListKind::Drivers);
    for (QWidget* pWidget : std::initializer_list<QWidget*>{m_pUi->label_Suche, m_pUi->lineEdit})
        pWidget->setVisible(bList);
    // The file line belongs to every read file, not only to the lists:
    // expanding the bar must not take it away.
    m_pUi->label_WhichFileTitel->setVisible(_bFileRead);
    m_pUi->label_WhichFile->setVisible(_bFileRead);
    m_pUi->pushButton_heruntergeladeneDateien->setVisible(bList && Navigation::bCanOpen());
}

void cMainWindowForm::vToggleFilterBar(ListKind _kind, bool _bFileRead)
{
    const int s32Icon = m_s32Screen / 12;
    if (!m_pUi->label_Suche->isHidden()) {
        PageFrame::vSetIcon(m_pUi->pushButton_Hide_Show, QStringLiteral(":/arrow-205-128.png"), s32Icon,
                            s32Icon);
        for (QWidget* pWidget : std::initializer_list<QWidget*>{
                 m_pUi->dateEdit_bis, m_pUi->dateEdit_von, m_pUi->label_von, m_pUi->label_bis,
                 m_pUi->comboBox, m_pUi->comboBox_Fahrer, m_pUi->comboBox_Kunden, m_pUi->comboBox_Schlag,
                 m_pUi->comboBox_Kundenwahl, m_pUi->label_Sortieren_Nach, m_pUi->label_Suche,
                 m_pUi->pushButton_heruntergeladeneDateien, m_pUi->lineEdit, m_pExport}) {
            pWidget->hide();
        }
        return;
    }
    vShowFilterBarOfKind(_kind, _bFileRead);
}

// ---- order dates ----------------------------------------------------------------------------

void cMainWindowForm::vSetOrderDates(const QDate& _dateMin, const QDate& _dateMax)
{
    // The range starts as the whole file. A list without any start date keeps
    // the fixed start values.
    const QSignalBlocker blockVon(m_pUi->dateEdit_von);
    const QSignalBlocker blockBis(m_pUi->dateEdit_bis);
    QDate dateFrom = _dateMin;
    QDate dateTo = _dateMax;
    if (!dateFrom.isValid()) {
        m_pUi->dateEdit_von->clearMinimumDate();
        m_pUi->dateEdit_bis->clearMaximumDate();
        dateFrom = QDate(2008, 1, 1);
        dateTo = QDate(2020, 12, 31);
    }
    m_pUi->dateEdit_von->setDateRange(dateFrom, dateTo);
    m_pUi->dateEdit_bis->setDateRange(dateFrom, dateTo);
    m_pUi->dateEdit_von->setDate(dateFrom);
    m_pUi->dateEdit_bis->setDate(dateTo);
}

void cMainWindowForm::vLimitDates()
{
    const QSignalBlocker blockVon(m_pUi->dateEdit_von);
    const QSignalBlocker blockBis(m_pUi->dateEdit_bis);
    const QDate dateVon = m_pUi->dateEdit_von->date();
    const QDate dateBis = m_pUi->dateEdit_bis->date();
    m_pUi->dateEdit_von->setMaximumDate(dateBis);
    m_pUi->dateEdit_bis->setMinimumDate(dateVon);
}

QDate cMainWindowForm::dateFrom() const
{
    return m_pUi->dateEdit_von->date();
}

QDate cMainWindowForm::dateTo() const
{
    return m_pUi->dateEdit_bis->date();
}

// ---- the file chooser -----------------------------------------------------------------------

// Its texts are the main window's own.
QString cMainWindowForm::strChooseListFile(QWidget* _pWindow, const QString& _strLast) const
{
    QString strFolder = QDir::homePath();
    const QFileInfo last(_strLast);
    if (!_strLast.isEmpty() && last.absoluteDir().exists())
        strFolder = last.absolutePath();

    const int s32Text = qMax(1, m_s32Screen / 40);
    QFileDialog dialog(_pWindow, QCoreApplication::translate("cHaupt", "Liste öffnen"), strFolder,
                       QCoreApplication::translate("cHaupt", "Listen (*.csv)"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setStyleSheet(QStringLiteral("QWidget{ background-color: rgb(0, 0, 0); color: %2; font: %1px;}"
                                        "QAbstractItemView{ selection-background-color: %3;"
                                        " selection-color: rgb(0, 0, 0);}"
                                        "QHeaderView::section{ background-color: rgb(0, 0, 0); color: %2;}")
                             .arg(QString::number(s32Text), Style::strLabelYellow(), Style::strYellow()) +
                         Style::strLineEdit(s32Text) + QStringLiteral("QLineEdit{ color: rgb(0, 0, 0);}") +
                         Style::strComboBox(s32Text) + QStringLiteral("QComboBox{ color: rgb(0, 0, 0);}") +
                         Style::strButton(s32Text) + QStringLiteral("QPushButton{ color: rgb(0, 0, 0);}"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

#include "mainwindow/ceditdialog.h"

#include "app/navigation.h"
#include "app/pageframe.h"
#include "data/fieldreaders.h"
#include "ui_ceditdialog.h"

#include <QKeyEvent>

cEditDialog* cEditDialog::instance()
{
    return PageFrame::tInstance<cEditDialog>();
}

cEditDialog::cEditDialog() : cDialogSeite(nullptr), ui(new Ui::cEditDialog)
{
    ui->setupUi(this);
    m_lEdits = {ui->lineEdit_FahrerNummer,
                ui->lineEdit_Fahrername1,
                ui->lineEdit_FahrerName2,
                ui->lineEdit_Strasse,
                ui->lineEdit_PLZ,
                ui->lineEdit_Ort,
                ui->lineEdit_Telefon1,
                ui->lineEdit_Telefon2,
                ui->lineEdit_eMail,
                ui->lineEdit_FreiVerwendbar1,
                ui->lineEdit_FreiVerwendbar2,
                ui->lineEdit_FreiVerwendbar3,
                ui->lineEdit_FreiVerwendbar4,
                ui->lineEdit_FreiVerwendbar5,
                ui->lineEdit_FreiVerwendbar6};
    for (QLineEdit* pEdit : qAsConst(m_lEdits))
        PageFrame::vHideKeyboardOnFinish(pEdit);
    for (int i = 0; i < FIELD_COUNT; ++i)
        m_slFields.append(QString());

    // Enter in a field ends the entry; it must not save and close the editor.
    ui->pushButton_Speichern->setAutoDefault(false);
    ui->pushButton->setAutoDefault(false);

    PageFrame::vMakeKinetic(ui->scrollArea);
    m_pScreen = PageFrame::pFollowOrientation(this);
    vApplySizes();
}

cEditDialog::~cEditDialog()
{
    delete ui;
}

void cEditDialog::vApplySizes()
{
    const int S = PageFrame::s32ScreenUnit();
    // Fifteen rows of fields and the buttons below them fit into a landscape
    // screen's height without scrolling.
    const int s32Text = qMax(1, S / 32);
    // The labels stand on the black page, so they get the label yellow.
    const QString strLabelStyle = QStringLiteral("QLabel{font: %1px; color: %2;}")
                                      .arg(QString::number(s32Text), Style::strLabelYellow());
    for (QLabel* pLabel : ui->scrollAreaWidgetContents->findChildren<QLabel*>())
        pLabel->setStyleSheet(strLabelStyle);
    for (QLineEdit* pEdit : qAsConst(m_lEdits))
        pEdit->setStyleSheet(Style::strLineEdit(s32Text));
    PageFrame::vSetIcon(ui->pushButton_Speichern, QStringLiteral(":/save-xxl.png"), S / 11, S / 11);
    PageFrame::vSetIcon(ui->pushButton, QStringLiteral(":/close-window-128.png"), S / 11, S / 11);
    ui->pushButton_Speichern->setStyleSheet(Style::strIconButton());
    ui->pushButton->setStyleSheet(Style::strIconButton());
}

void cEditDialog::onRotate(Qt::ScreenOrientation)
{
    PageFrame::vRelayoutTransposed(this);
    vApplySizes();
}

QStringList cEditDialog::slFieldsOfLine(const QString& _strLine)
{
    QStringList slParts = FieldReaders::slSplit(_strLine);
    while (slParts.size() < FIELD_COUNT)
        slParts.append(QString());
    return slParts.mid(0, FIELD_COUNT);
}

void cEditDialog::vShowFields()
{
    // setText does not count as an edit: the textEdited slots stay quiet.
    for (int i = 0; i < FIELD_COUNT; ++i)
        m_lEdits.at(i)->setText(m_slFields.at(i));
}

void cEditDialog::vNewDriver()
{
    m_bNewDriver = true;
    m_slFields = slFieldsOfLine(QString());
    vShowFields();
}

void cEditDialog::vEditDriver(QString _strLine, int _s32Index)
{
    m_bNewDriver = false;
    m_s32DriverIndex = _s32Index;
    m_slFields = slFieldsOfLine(_strLine);
    vShowFields();
}

QString cEditDialog::strJoinedLine() const
{
    // Semicolons typed into a field are kept as they are. A line break pasted
    // into a field would end the record in the file and make the rest of it a
    // record of its own: it becomes a blank.
    QStringList slFields = m_slFields;
    for (QString& strField : slFields) {
        strField.replace(QLatin1String("\r\n"), QLatin1String(" "));
        strField.replace(QLatin1Char('\r'), QLatin1Char(' '));
        strField.replace(QLatin1Char('\n'), QLatin1Char(' '));
    }
    return slFields.join(QLatin1Char(';'));
}

void cEditDialog::on_pushButton_Speichern_clicked()
{
    const QString strLine = strJoinedLine();
    hide();
    if (m_bNewDriver)
        emit driverAdded(strLine);
    else
        emit driverReplaced(strLine, m_s32DriverIndex);
    Navigation::vShowPage(Navigation::Caller::Main);
}

void cEditDialog::vLeaveWithoutSaving(bool _bMaximized)
{
    hide();
    emit editLeft();
    QWidget* pMain = Navigation::pPageOf(Navigation::Caller::Main);
    if (pMain && _bMaximized)
        pMain->showMaximized();
    else if (pMain)
        pMain->show();
}

void cEditDialog::on_pushButton_clicked()
{
    vLeaveWithoutSaving(true);
}

void cEditDialog::reject()
{
    // Closing the window otherwise leaves like the back key.
    vLeaveWithoutSaving(false);
}

void cEditDialog::vOnBackKey()
{
    vLeaveWithoutSaving(false);
}

void cEditDialog::on_lineEdit_FahrerNummer_textEdited(QString arg1)
{
    m_slFields[0] = arg1;
}
void cEditDialog::on_lineEdit_Fahrername1_textEdited(QString arg1)
{
    m_slFields[1] = arg1;
}
void cEditDialog::on_lineEdit_FahrerName2_textEdited(QString arg1)
{
    m_slFields[2] = arg1;
}
void cEditDialog::on_lineEdit_Strasse_textEdited(QString arg1)
{
    m_slFields[3] = arg1;
}
void cEditDialog::on_lineEdit_PLZ_textEdited(QString arg1)
{
    m_slFields[4] = arg1;
}
void cEditDialog::on_lineEdit_Ort_textEdited(QString arg1)
{
    m_slFields[5] = arg1;
}
void cEditDialog::on_lineEdit_Telefon1_textEdited(QString arg1)
{
    m_slFields[6] = arg1;
}
void cEditDialog::on_lineEdit_Telefon2_textEdited(QString arg1)
{
    m_slFields[7] = arg1;
}
void cEditDialog::on_lineEdit_eMail_textEdited(QString arg1)
{
    m_slFields[8] = arg1;
}
void cEditDialog::on_lineEdit_FreiVerwendbar1_textEdited(QString arg1)
{
    m_slFields[9] = arg1;
}
void cEditDialog::on_lineEdit_FreiVerwendbar2_textEdited(QString arg1)
{
    m_slFields[10] = arg1;
}
void cEditDialog::on_lineEdit_FreiVerwendbar3_textEdited(QString arg1)
{
    m_slFields[11] = arg1;
}
void cEditDialog::on_lineEdit_FreiVerwendbar4_textEdited(QString arg1)
{
    m_slFields[12] = arg1;
}
void cEditDialog::on_lineEdit_FreiVerwendbar5_textEdited(QString arg1)
{
    m_slFields[13] = arg1;
}
void cEditDialog::on_lineEdit_FreiVerwendbar6_textEdited(QString arg1)
{
    m_slFields[14] = arg1;
}

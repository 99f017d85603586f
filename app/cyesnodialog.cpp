#include "app/cyesnodialog.h"

#include "app/pageframe.h"
#include "ui_cyesnodialog.h"

#include <QGuiApplication>
#include <QScreen>

cYesNoDialog::cYesNoDialog(QWidget* parent) : QDialog(parent), ui(new Ui::cYesNoDialog)
{
    ui->setupUi(this);
    m_pScreen = PageFrame::pFollowOrientation(this);

    QRect available = m_pScreen ? m_pScreen->availableGeometry() : QRect(0, 0, 1024, 768);
    const int aw = available.right() - available.left() + 1;
    const int ah = available.bottom() - available.top() + 1;
    const int s = qMin(aw, ah);
    move((aw - width()) / 2, (ah - height() / 4) / 4);

    const QString size = QString::number(s32TextSize(s));
    const QString labelStyle = QStringLiteral("QLabel{ color: ") + Style::strYellow() +
                               QStringLiteral("; font: bold ") + size + QStringLiteral("px;}");
    ui->label_WindowTitel->setStyleSheet(labelStyle);
    ui->label_Text->setStyleSheet(labelStyle);
    const QString buttonStyle = Style::strButton(s32TextSize(s), 3);
    for (QPushButton* button : {ui->pushButton_ja, ui->pushButton_nein}) {
        button->setStyleSheet(buttonStyle);
        button->setMinimumWidth(qRound(button->width() * 1.2));
    }
}

cYesNoDialog::~cYesNoDialog()
{
    delete ui;
}

int cYesNoDialog::s32TextSize(int _s32Screen)
{
    return qRound(_s32Screen / 27.43);
}

void cYesNoDialog::vSetTitle(const QString& _strTitle)
{
    ui->label_WindowTitel->setText(_strTitle);
}

void cYesNoDialog::vSetText(const QString& _strText)
{
    ui->label_Text->setText(_strText);
}

void cYesNoDialog::on_pushButton_nein_clicked()
{
    done(0);
}

void cYesNoDialog::on_pushButton_ja_clicked()
{
    done(1);
}

void cYesNoDialog::onRotate(Qt::ScreenOrientation)
{
    if (!m_pScreen)
        return;
    const QRect available = m_pScreen->availableGeometry();
    // The signal comes before the available geometry turns: the screen's axes
    // are exchanged, the dialog keeps its width and height as they are.
    const int aw = available.width();
    const int ah = available.height();
    move((ah - height()) / 2, (aw - width() / 4) / 4);
}

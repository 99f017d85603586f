#include "terminal/cpwrequest.h"

#include "app/pageframe.h"
#include "ui_cpwrequest.h"

#include <QLayout>
#include <QScreen>

cPWRequest::cPWRequest(QWidget* parent) : QDialog(parent), ui(new Ui::cPWRequest)
{
    ui->setupUi(this);
    m_pScreen = PageFrame::pFollowOrientation(this);

    const int size = PageFrame::s32ScreenUnit() / 25;
    ui->PWRequHeadlineLabel->setStyleSheet(Style::strTitleLabel(size));
    ui->PWRequMachineLabel->setStyleSheet(Style::strTitleLabel(size * 3 / 4));
    ui->PWRequMachineLabel->hide();
    ui->PWRequLineEdit->setStyleSheet(Style::strLineEdit(size));
    ui->PWRequOkButton->setStyleSheet(Style::strRoundButton(size));
    ui->PWRequCloseButton->setStyleSheet(Style::strRoundButton(size));
    PageFrame::vHideKeyboardOnFinish(ui->PWRequLineEdit);
    ui->PWRequLineEdit->setFocus();
}

cPWRequest::~cPWRequest()
{
    delete ui;
}

void cPWRequest::vShowMachine(const QString& _strChassis, const QByteArray& _baSerial, bool _bFirstContact)
{
    QString text = tr("Terminal %1, Seriennummer %2").arg(_strChassis, QString::fromLatin1(_baSerial));
    if (_bFirstContact)
        text += QLatin1Char('\n') +
                tr("Erster Kontakt mit diesem Terminal. Geben Sie das Passwort nur ein, wenn es Ihr "
                   "Terminal ist.");
    ui->PWRequMachineLabel->setText(text);
    ui->PWRequMachineLabel->show();
    resize(width(), qMax(height(), s32NeededHeight(width())));
}

int cPWRequest::s32NeededHeight(int _s32Width) const
{
    return layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(_s32Width)
                                         : layout()->totalSizeHint().height();
}

void cPWRequest::onRotate(Qt::ScreenOrientation)
{
    if (!m_pScreen)
        return;
    const QRect available = m_pScreen->availableGeometry();
    const int w = available.width();
    const int h = available.height();
    // The signal comes before the geometry turns, hence the swapped sides.
    // The machine's lines may need more than the third of the height.
    const int s32Width = 5 * (h / 6) - h / 6;
    setGeometry(QRect(QPoint(h / 6, w / 8), QSize(s32Width, qMax(w / 3, s32NeededHeight(s32Width)))));
}

void cPWRequest::on_PWRequOkButton_clicked()
{
    m_baPassword = ui->PWRequLineEdit->text().toLatin1();
    hide();
    done(1);
}

void cPWRequest::on_PWRequCloseButton_clicked()
{
    hide();
    done(0);
}

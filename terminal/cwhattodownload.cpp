#include "terminal/cwhattodownload.h"
#include "ui_cwhattodownload.h"

#include "app/navigation.h"
#include "terminal/protocol.h"

#include <QGuiApplication>
#include <QScreen>

cWhatToDownload* cWhatToDownload::instance()
{
    return PageFrame::tInstance<cWhatToDownload>();
}

cWhatToDownload::cWhatToDownload() : QWidget(nullptr), ui(new Ui::cWhatToDownload)
{
    ui->setupUi(this);
    m_pScreen = PageFrame::pFollowOrientation(this);
    if (m_pScreen) {
        // A box in the middle of the screen: a sixth of the width free on
        // each side, half the height tall.
        const QRect available = m_pScreen->availableGeometry();
        const int W = available.width();
        const int H = available.height();
        setGeometry(QRect(QPoint(W / 6, H / 6), QPoint(5 * (W / 6) - 1, H / 6 + H / 2 - 1)));
    }
    vApplyStyle();
}

cWhatToDownload::~cWhatToDownload()
{
    delete ui;
}

void cWhatToDownload::vApplyStyle()
{
    const int m = PageFrame::s32AvailableUnit();
    const QString strFont = QString::number(m / 20);
    ui->label_Titel->setStyleSheet(QStringLiteral("QLabel{color: ") + Style::strYellow() +
                                   QStringLiteral("; font: ") + strFont + QStringLiteral("px;}"));
    // The boxes are drawn by the sheet as well, so they stay visible on black:
    // a yellow frame, filled yellow when ticked.
    const QString strCheckBox =
        QStringLiteral("QCheckBox{color: %2; font: %1px;} QCheckBox::indicator{width: %1px; height: %1px; "
                       "border: 2px solid %2; background-color: rgb(0, 0, 0);}"
                       " QCheckBox::indicator:checked{background-color: %2;}")
            .arg(strFont, Style::strYellow());
    for (QCheckBox* pBox :
         {ui->checkBox_Auftrag, ui->checkBox_Kunde, ui->checkBox_Schlag, ui->checkBox_Fahrer,
          ui->checkBox_SaisonStatistik, ui->checkBox_MaschineStatistik})
        pBox->setStyleSheet(strCheckBox);
    ui->pushButton_OK->setStyleSheet(Style::strRoundButton(m / 22, 3));
    ui->pushButton_Close->setStyleSheet(Style::strIconButton());
    PageFrame::vSetIcon(ui->pushButton_Close, QStringLiteral(":/close-window-128.png"), m / 11, m / 11);
}

void cWhatToDownload::vSetOrigin(Navigation::Caller _origin)
{
    m_origin = _origin;
}

QStringList cWhatToDownload::slChosenWords() const
{
    // The order of the requests, not the order of the boxes on the page.
    const QList<QPair<const QCheckBox*, const char*>> kinds = {
        {ui->checkBox_Auftrag, Protocol::KIND_ORDERS},
        {ui->checkBox_Schlag, Protocol::KIND_FIELDS},
        {ui->checkBox_Fahrer, Protocol::KIND_DRIVERS},
        {ui->checkBox_Kunde, Protocol::KIND_CUSTOMERS},
        {ui->checkBox_SaisonStatistik, Protocol::KIND_SEASON},
        {ui->checkBox_MaschineStatistik, Protocol::KIND_MACHINE},
    };
    QStringList slWords;
    for (const auto& kind : kinds) {
        if (kind.first->isChecked())
            slWords.append(QString::fromLatin1(kind.second));
    }
    return slWords;
}

void cWhatToDownload::on_pushButton_OK_clicked()
{
    const QStringList slWords = slChosenWords();
    hide();
    if (slWords.isEmpty())
        return;
    emit requestWordsChosen(m_origin, slWords);
}

void cWhatToDownload::on_pushButton_Close_clicked()
{
    hide();
    Navigation::vShowPage(m_origin);
}

void cWhatToDownload::onRotate(Qt::ScreenOrientation)
{
    if (!m_pScreen)
        return;
    // The geometry still has the old orientation here, so its sides are
    // taken crosswise.
    const QRect available = m_pScreen->availableGeometry();
    const int W = available.width();
    const int H = available.height();
    setGeometry(QRect(QPoint(H / 6, W / 8), QPoint(5 * (H / 6) - 1, W / 8 + W / 2 - 1)));
}

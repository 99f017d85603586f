#include "terminal/cfahrzeugelist.h"
#include "ui_cfahrzeugelist.h"

#include "app/navigation.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QStandardItemModel>

cfahrzeugelist* cfahrzeugelist::instance()
{
    return PageFrame::tInstance<cfahrzeugelist>();
}

cfahrzeugelist::cfahrzeugelist() : QWidget(nullptr), ui(new Ui::cfahrzeugelist)
{
    ui->setupUi(this);
    m_pModel = new QStandardItemModel(0, 1, this);
    m_pModel->setObjectName(QStringLiteral("iStandardModel"));
    ui->listView->setModel(m_pModel);

    int s32Size = PageFrame::s32ScreenUnit();
    if (QScreen* pScreen = QGuiApplication::primaryScreen())
        s32Size = qMin(pScreen->geometry().width(), pScreen->geometry().height());
    ui->label_Titel->setStyleSheet(QStringLiteral("QLabel{font: ") + QString::number(s32Size / 25) +
                                   QStringLiteral("px; color:") + Style::strLabelYellow() +
                                   QStringLiteral(";}"));
    ui->listView->setStyleSheet(QStringLiteral("QListView{background-color: rgb(255, 255, 255); font: ") +
                                QString::number(s32Size / 25) + QStringLiteral("px;}"));
    PageFrame::vSetupBackButton(ui->pushButton_back, s32Size);
}

cfahrzeugelist::~cfahrzeugelist()
{
    delete ui;
}

void cfahrzeugelist::vSetList(const QStringList& _slChassis)
{
    for (int i = 0; i < _slChassis.size(); ++i)
        m_pModel->setItem(i, 0, new QStandardItem(_slChassis.at(i)));
    ui->listView->setModel(m_pModel);
}

void cfahrzeugelist::on_listView_clicked(const QModelIndex& index)
{
    const QString strChassis = index.data(Qt::DisplayRole).toString();
    emit terminalChosen(strChassis);
    hide();
    Navigation::vShowPage(Navigation::Caller::Settings);
}

void cfahrzeugelist::keyReleaseEvent(QKeyEvent* _pEvent)
{
    if (PageFrame::bIsBackKey(_pEvent))
        on_pushButton_back_clicked();
}

void cfahrzeugelist::on_pushButton_back_clicked()
{
    hide();
    Navigation::vShowPage(Navigation::Caller::Settings);
}

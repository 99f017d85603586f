#include "settings/cquelleverzeichnis.h"
#include "ui_cquelleverzeichnis.h"

#include "app/messages.h"
#include "app/navigation.h"
#include "app/settingsstore.h"
#include "data/listkind.h"
#include "settings/ceinstellungen.h"
#include "terminal/protocol.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QKeyEvent>
#include <QTimer>

cQuelleVerzeichnis* cQuelleVerzeichnis::instance()
{
    return PageFrame::tInstance<cQuelleVerzeichnis>();
}

cQuelleVerzeichnis::cQuelleVerzeichnis() : cDialogSeite(nullptr), ui(new Ui::cQuelleVerzeichnis)
{
    ui->setupUi(this);

    // Folders only on the left, starting from the file-system root.
    m_pFolderModel = new QFileSystemModel(this);
    m_pFolderModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_pFolderModel->setRootPath(QDir::rootPath());
    ui->treeView->setModel(m_pFolderModel);
    ui->treeView->setRootIndex(m_pFolderModel->index(QDir::rootPath()));
    for (int s32Column = 1; s32Column <= 3; ++s32Column)
        ui->treeView->hideColumn(s32Column);
    // The folders load in the background: once the way down to the opened
    // folder is known, bring that folder into view.
    connect(m_pFolderModel, &QFileSystemModel::directoryLoaded, this, [this](const QString& _strLoaded) {
        if (m_strWhereToExpand.startsWith(_strLoaded))
            vShowOpenedFolder();
    });

    // The CSV files of the chosen folder on the right; other files are not
    // shown at all. ".csv" counts in any case: exports are often named
    // "AUFTRAEGE.CSV".
    m_pFileModel = new QFileSystemModel(this);
    m_pFileModel->setFilter(QDir::Files | QDir::NoDotAndDotDot);
    m_pFileModel->setNameFilters({QStringLiteral("*.csv")});
    m_pFileModel->setNameFilterDisables(false);
    ui->listView->setModel(m_pFileModel);

    PageFrame::vMakeKinetic(ui->treeView);
    PageFrame::vMakeKinetic(ui->listView);
    m_pScreen = PageFrame::pFollowOrientation(this);

    vOpenFolder(strStartFolder());
    vApplyStyle();
}

cQuelleVerzeichnis::~cQuelleVerzeichnis()
{
    delete ui;
}

QString cQuelleVerzeichnis::strStartFolder()
{
    const QString strStored = SettingsStore::WHERE_TO_EXPAND.tValue();
    if (!strStored.isEmpty() && QFileInfo(strStored).isDir())
        return strStored;
    return QDir::homePath();
}

void cQuelleVerzeichnis::vOpenFolder(const QString& _strFolder)
{
    m_strWhereToExpand = _strFolder;
    const QModelIndex folder = m_pFolderModel->index(_strFolder);
    if (folder.isValid()) {
        ui->treeView->setCurrentIndex(folder);
        ui->treeView->expand(folder);
        ui->treeView->scrollTo(folder);
    }
    ui->listView->setRootIndex(m_pFileModel->setRootPath(_strFolder));
}

void cQuelleVerzeichnis::vShowOpenedFolder()
{
    const QModelIndex folder = m_pFolderModel->index(m_strWhereToExpand);
    if (folder.isValid())
        ui->treeView->scrollTo(folder, QAbstractItemView::EnsureVisible);
}

void cQuelleVerzeichnis::showEvent(QShowEvent* _pEvent)
{
    QDialog::showEvent(_pEvent);
    // After the page has its size, the opened folder can be brought into view.
    QTimer::singleShot(0, this, &cQuelleVerzeichnis::vShowOpenedFolder);
}

void cQuelleVerzeichnis::vApplyStyle()
{
    const int s32Screen = PageFrame::s32ScreenUnit();
    ui->pushButton_Waehlen->setStyleSheet(Style::strRoundButton(s32Screen / 25));
    ui->pushButton_Waehlen->setMinimumWidth(qRound(ui->pushButton_Waehlen->sizeHint().width() * 1.2));
    ui->lineEdit_Pfad->setStyleSheet(Style::strLineEdit(s32Screen / 21));
    ui->pushButton->setStyleSheet(Style::strIconButton());
    PageFrame::vSetIcon(ui->pushButton, QStringLiteral(":/close-window-128.png"), s32Screen / 11,
                        s32Screen / 11);
    const QString strViewFont = QStringLiteral("font: %1px;").arg(s32Screen / 25);
    ui->treeView->setStyleSheet(QStringLiteral("QTreeView{background-color: ") + Style::strYellow() +
                                QStringLiteral("; ") + strViewFont + QStringLiteral("}"));
    ui->listView->setStyleSheet(QStringLiteral("QListView{background-color: ") + Style::strYellow() +
                                QStringLiteral("; ") + strViewFont + QStringLiteral("}"));
}

void cQuelleVerzeichnis::vSetCaller(Navigation::Caller _caller)
{
    m_caller = _caller;
}

QString cQuelleVerzeichnis::strKindForSending(const QString& _strPath)
{
    // The file name with its leading slash; the tests are case-sensitive and
    // customers come before drivers ("Kunden_und_Fahrer" is a customers list).
    const QString strName = _strPath.mid(_strPath.lastIndexOf(QLatin1Char('/')));
    if (strName.contains(tr("Schläge")) || strName.contains(tr("Schlaege")) ||
        ListNames::bIsFieldList(strName))
        return QString::fromLatin1(Protocol::KIND_FIELDS);
    if (strName.contains(tr("Kunden")) || ListNames::bIsCustomerList(strName))
        return QString::fromLatin1(Protocol::KIND_CUSTOMERS);
    if (strName.contains(tr("Fahrer")) || ListNames::bIsDriverList(strName))
        return QString::fromLatin1(Protocol::KIND_DRIVERS);
    return QString();
}

void cQuelleVerzeichnis::on_treeView_clicked(const QModelIndex& _index)
{
    const QString strFolder = m_pFolderModel->filePath(_index);
    if (strFolder.isEmpty())
        return;
    SettingsStore::WHERE_TO_EXPAND.vSet(strFolder);
    vOpenFolder(strFolder);
}

void cQuelleVerzeichnis::on_listView_clicked(const QModelIndex& _index)
{
    ui->lineEdit_Pfad->setText(m_pFileModel->filePath(_index));
}

void cQuelleVerzeichnis::on_pushButton_Waehlen_clicked()
{
    const QString strPath = ui->lineEdit_Pfad->text();
    hide();
    if (m_caller == Navigation::Caller::Settings) {
        cEinstellungen::instance()->vSetPath(strPath);
        Navigation::vShowPage(m_caller);
        return;
    }
    if (m_caller != Navigation::Caller::Main && m_caller != Navigation::Caller::Statistics)
        return;
    Navigation::vShowPage(m_caller);
    const QString strKind = strKindForSending(strPath);
    if (strKind.isEmpty()) {
        Messages::vShow(Navigation::pPageOf(m_caller), tr("Keine Berechtigung"));
        return;
    }
    emit fileToSendChosen(strPath, strKind);
}

void cQuelleVerzeichnis::on_pushButton_clicked()
{
    hide();
    Navigation::vShowPage(m_caller);
}

void cQuelleVerzeichnis::vOnBackKey()
{
    on_pushButton_clicked();
}

void cQuelleVerzeichnis::onRotate(Qt::ScreenOrientation)
{
    PageFrame::vRelayoutAvailable(this);
}

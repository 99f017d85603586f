#include "settings/ctreetodeletefile.h"
#include "ui_ctreetodeletefile.h"

#include "app/cyesnodialog.h"
#include "app/navigation.h"

#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QKeyEvent>
#include <QStandardPaths>

namespace
{
// Only these files are listed and deleted, ".csv" in any case; what is listed
// is exactly what "Alles löschen" removes.
const char* const kCsvFilter = "*.csv";
} // namespace

cTreeToDeleteFile* cTreeToDeleteFile::instance()
{
    return PageFrame::tInstance<cTreeToDeleteFile>();
}

QString cTreeToDeleteFile::strFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
}

cTreeToDeleteFile::cTreeToDeleteFile() : QWidget(nullptr), ui(new Ui::cTreeToDeleteFile)
{
    ui->setupUi(this);

    const QString strDownloads = strFolder();
    QDir().mkpath(strDownloads);
    m_pFileModel = new QFileSystemModel(this);
    m_pFileModel->setFilter(QDir::Files | QDir::NoDotAndDotDot);
    m_pFileModel->setNameFilters({QLatin1String(kCsvFilter)});
    m_pFileModel->setNameFilterDisables(false);
    ui->listView->setModel(m_pFileModel);
    ui->listView->setRootIndex(m_pFileModel->setRootPath(strDownloads));

    m_pYesNoDialog = new cYesNoDialog(this);
    m_pScreen = PageFrame::pFollowOrientation(this);
    PageFrame::vMakeKinetic(ui->listView);
    vApplyStyle();
    // The buttons match the opener assumed until the first opening.
    vSetCaller(m_caller);
}

cTreeToDeleteFile::~cTreeToDeleteFile()
{
    delete ui;
}

void cTreeToDeleteFile::vApplyStyle()
{
    const int s32Screen = PageFrame::s32ScreenUnit();
    const int s32Icon = s32Screen / 11;
    for (QPushButton* pButton : {ui->pushButton_delete, ui->pushButton_abbrechen})
        pButton->setStyleSheet(Style::strIconButton());
    PageFrame::vSetIcon(ui->pushButton_delete, QStringLiteral(":/delete-128.png"), s32Icon, s32Icon);
    PageFrame::vSetIcon(ui->pushButton_abbrechen, QStringLiteral(":/close-window-128.png"), s32Icon, s32Icon);
    ui->pushButton_loeschenalles->setStyleSheet(Style::strButton(qRound(s32Screen / 28.0)));
    // The archive entry spans the page and is as tall as the icon buttons:
    // a target a gloved finger hits at the top of the list. The sheet's own
    // minimum height would win over a widget's, so the sheet sets it.
    ui->pushButton_Archiv->setStyleSheet(Style::strButton(qRound(s32Screen / 28.0)) +
                                         QStringLiteral("QPushButton{min-height: %1px;}").arg(s32Icon));
    ui->pushButton_loeschenalles->setMinimumWidth(
        qRound(ui->pushButton_loeschenalles->sizeHint().width() * 1.2));
    ui->listView->setStyleSheet(QStringLiteral("QListView{background-color: %1; font: %2px;}")
                                    .arg(Style::strYellow(), QString::number(s32Screen / 25)));
}

void cTreeToDeleteFile::vSetCaller(Navigation::Caller _caller)
{
    ui->listView->clearSelection();
    // Marks follow the visible selection: a mark from an earlier opening
    // would be invisible, so it is dropped with the selection.
    m_slMarkedFiles.clear();
    m_caller = _caller;
    const bool bDeleteRole = _caller == Navigation::Caller::Settings;
    ui->pushButton_delete->setVisible(bDeleteRole);
    ui->pushButton_loeschenalles->setVisible(bDeleteRole);
    ui->pushButton_Archiv->setVisible(!bDeleteRole);
}

void cTreeToDeleteFile::on_listView_clicked(const QModelIndex& _index)
{
    const QString strPath = m_pFileModel->filePath(_index);
    if (strPath.isEmpty())
        return;
    if (m_caller == Navigation::Caller::Settings) {
        if (m_slMarkedFiles.contains(strPath))
            m_slMarkedFiles.removeAll(strPath);
        else
            m_slMarkedFiles.append(strPath);
        return;
    }
    hide();
    Navigation::vShowPage(Navigation::Caller::Main);
    emit listFileChosen(strPath);
}

void cTreeToDeleteFile::on_pushButton_Archiv_clicked()
{
    // The settings page only deletes files; it never opens the archive.
    if (m_caller == Navigation::Caller::Settings)
        return;
    hide();
    Navigation::vShowPage(Navigation::Caller::Main);
    emit archiveChosen();
}

void cTreeToDeleteFile::on_pushButton_delete_clicked()
{
    // A file that cannot be removed stays marked and listed; no message.
    QStringList slKept;
    for (const QString& strPath : qAsConst(m_slMarkedFiles)) {
        if (!QFile::remove(strPath) && QFile::exists(strPath))
            slKept.append(strPath);
    }
    m_slMarkedFiles = slKept;
}

void cTreeToDeleteFile::on_pushButton_loeschenalles_clicked()
{
    m_pYesNoDialog->vSetTitle(tr("Alles löschen"));
    m_pYesNoDialog->vSetText(tr("Wirklich alles löschen?"));
    if (m_pYesNoDialog->exec() != 1)
        return;
    // The folder itself is read rather than the list's rows: the list fills
    // in the background and may not show every file yet.
    const QDir folder(strFolder());
    const QStringList slNames =
        folder.entryList({QLatin1String(kCsvFilter)}, QDir::Files | QDir::NoDotAndDotDot);
    for (const QString& strName : slNames) {
        if (strName.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
            QFile::remove(folder.absoluteFilePath(strName));
    }
    m_slMarkedFiles.clear();
}

void cTreeToDeleteFile::on_pushButton_abbrechen_clicked()
{
    hide();
    Navigation::vShowPage(m_caller);
}

void cTreeToDeleteFile::keyReleaseEvent(QKeyEvent* _pEvent)
{
    if (PageFrame::bIsBackKey(_pEvent))
        on_pushButton_abbrechen_clicked();
}

void cTreeToDeleteFile::onRotate(Qt::ScreenOrientation)
{
    PageFrame::vRelayoutAvailable(this);
}

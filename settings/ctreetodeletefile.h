#pragma once

#include "app/navigation.h"
#include "app/pageframe.h"

#include <QModelIndex>
#include <QString>
#include <QStringList>
#include <QWidget>

namespace Ui
{
class cTreeToDeleteFile;
}
class QFileSystemModel;
class QScreen;
class cYesNoDialog;

// The CSV files in the download folder, where every file received from the
// terminal is stored. Opened from the settings page ("Einstellungen") the
// user marks files and deletes them, or deletes all of them after a
// question; opened from the main window ("Haupt") or the season page
// ("Statistik") a tap opens the file in the main window, and the entry
// "Archiv" above the files opens the archive of every received file there
// instead.
class cTreeToDeleteFile : public QWidget
{
    Q_OBJECT

public:
    static cTreeToDeleteFile* instance();
    ~cTreeToDeleteFile() override;

    // Records the opener and offers the delete buttons to the settings page
    // only, the archive entry to the other openers only. Every opening starts
    // without marks.
    void vSetCaller(Navigation::Caller _caller);

    // The folder listed: the user's download folder.
    static QString strFolder();
    // The files marked for deletion, in the order they were marked.
    const QStringList& slMarkedFiles() const { return m_slMarkedFiles; }

signals:
    // Opened from the main window or the season page: a tapped file is shown
    // in the main window.
    void listFileChosen(const QString& _strPath);
    // Opened from the main window or the season page: the archive was tapped
    // instead of a file; the main window shows the archive.
    void archiveChosen();

protected:
    void keyReleaseEvent(QKeyEvent* _pEvent) override;

private slots:
    void on_listView_clicked(const QModelIndex& _index);
    void on_pushButton_Archiv_clicked();
    void onRotate(Qt::ScreenOrientation);
    void on_pushButton_abbrechen_clicked();
    void on_pushButton_delete_clicked();
    void on_pushButton_loeschenalles_clicked();

private:
    friend cTreeToDeleteFile* PageFrame::tInstance<cTreeToDeleteFile>();
    cTreeToDeleteFile();
    void vApplyStyle();

    Ui::cTreeToDeleteFile* ui;
    QFileSystemModel* m_pFileModel = nullptr;
    QStringList m_slMarkedFiles;
    Navigation::Caller m_caller = Navigation::Caller::Settings;
    cYesNoDialog* m_pYesNoDialog = nullptr;
    QScreen* m_pScreen = nullptr;
};

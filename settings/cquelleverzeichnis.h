#pragma once

#include "app/cdialogseite.h"

#include "app/navigation.h"
#include "app/pageframe.h"

#include <QDialog>
#include <QModelIndex>
#include <QString>

namespace Ui
{
class cQuelleVerzeichnis;
}
class QFileSystemModel;
class QScreen;

// The source directory chooser: folders on one side, the CSV files of the
// chosen folder on the other. Opened from the settings page ("Einstellungen")
// it picks the file the settings page shows; opened from the main window
// ("Haupt") or the season page ("Statistik") it sends the picked fields,
// customers or drivers list to the terminal. The folder opened last is
// remembered and opened again.
class cQuelleVerzeichnis : public cDialogSeite
{
    Q_OBJECT

public:
    static cQuelleVerzeichnis* instance();
    ~cQuelleVerzeichnis() override;

    void vSetCaller(Navigation::Caller _caller);

    // The kind word a list file is sent with, decided by its file name:
    // "Schlaege", "Kunden" or "Fahrer" in this order of tests; empty when the
    // file is none of them and must not be sent.
    static QString strKindForSending(const QString& _strPath);

    // The folder the file list starts in: the stored folder if it still
    // exists, otherwise the user's home folder.
    static QString strStartFolder();

signals:
    // Opened from the main window or the season page: send this file to the
    // terminal as the given kind.
    void fileToSendChosen(const QString& _strPath, const QString& _strKind);

protected:
    void showEvent(QShowEvent* _pEvent) override;
    void vOnBackKey() override;

private slots:
    void on_pushButton_Waehlen_clicked();
    void on_listView_clicked(const QModelIndex& _index);
    void on_treeView_clicked(const QModelIndex& _index);
    void on_pushButton_clicked();
    void onRotate(Qt::ScreenOrientation);

private:
    friend cQuelleVerzeichnis* PageFrame::tInstance<cQuelleVerzeichnis>();
    cQuelleVerzeichnis();
    void vOpenFolder(const QString& _strFolder);
    void vApplyStyle();
    void vShowOpenedFolder();

    Ui::cQuelleVerzeichnis* ui;
    Navigation::Caller m_caller = Navigation::Caller::Settings;
    QString m_strWhereToExpand;
    QFileSystemModel* m_pFolderModel = nullptr;
    QFileSystemModel* m_pFileModel = nullptr;
    QScreen* m_pScreen = nullptr;
};

#pragma once

#include "app/pageframe.h"
#include "data/archiveserver.h"

#include <QWidget>

namespace Ui
{
class cArchivSeite;
}
class QScreen;

// Where the downloaded lists are archived: the archive they go to now and how
// many still wait for it, and the office's archive server (PostgreSQL) with
// its host, port, database, user and password. Opened from the settings
// page; the back key returns there. The page stores the server and says that
// it changed; the application hands that to the archive and the archive's
// state back to the page.
class cArchivSeite : public QWidget
{
    Q_OBJECT

public:
    static cArchivSeite* instance();
    ~cArchivSeite() override;

    // What keeps the server of the fields from being used, as the user is
    // told; empty when it can be used (or is not to be used at all). The
    // port is the field's text.
    static QString strProblem(const ArchiveServer& _server, const QString& _strPort);

public slots:
    // The archive the files go to now (a file's path or user@host:port/db),
    // whether that is the server, and how many files wait to go in.
    void vSetArchiveState(const QString& _strArchive, bool _bServer, int _s32Waiting);

signals:
    // Applied and stored: the archive goes to this server, or back to the
    // local archive when the server is not to be used.
    void archiveServerChanged(const ArchiveServer& _server);

protected:
    void showEvent(QShowEvent* _pEvent) override;
    void keyReleaseEvent(QKeyEvent* _pEvent) override;

private slots:
    void on_checkBox_Server_toggled(bool _bChecked);
    void on_pushButton_Uebernehmen_clicked();
    // The header's back button does what the back key does.
    void on_pushButton_back_clicked();
    void onRotate(Qt::ScreenOrientation);

private:
    friend cArchivSeite* PageFrame::tInstance<cArchivSeite>();
    cArchivSeite();
    void vApplyStyle();
    void vLoadSettings();
    ArchiveServer serverOfFields() const;
    // What was applied, below the button; gone with the next change.
    void vSetApplied(const QString& _strText);

    Ui::cArchivSeite* ui;
    QScreen* m_pScreen = nullptr;
};

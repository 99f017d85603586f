#pragma once

#include "app/cdialogseite.h"

#include "app/navigation.h"
#include "app/pageframe.h"

#include <QDialog>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QThread>
#include <QVariant>

#include <cstdint>

namespace Ui
{
class cEinstellungen;
}
class QScreen;
class QTimer;

// The settings page: connection with a terminal, the data file to show, the
// user-interface language, the e-mail address and the live refresh interval,
// and the ways to the archive's settings and to the rates of the bills.
// Opened from the main window ("Haupt") or the season page ("Saison") and
// returns there when closed.
class cEinstellungen : public cDialogSeite
{
    Q_OBJECT

public:
    static cEinstellungen* instance();
    ~cEinstellungen() override;

    // The opener: the main window or the season page ("Saison").
    void vSetCaller(Navigation::Caller _caller);
    // The file path picked in the source directory chooser.
    void vSetPath(const QString& _strPath);
    // The e-mail address of the field (also when the field is hidden).
    QString strGetEmail();
    // The language index selected at start from the stored "Number".
    static int s32LanguageIndexOf(const QVariant& _stored, int _s32Count);
    // The live refresh interval of the refresh selector in milliseconds.
    uint16_t u16GetRefreshTime() const;
    // The index of the refresh selector.
    int s32RefreshIndex() const;
    // 500, 1000, 2000, 3000, 4000, 5000 ms for the indexes 0..5, else 0.
    static uint16_t u16RefreshTimeForIndex(int _s32Index);

    // How long a terminal search may stay without an answer before the page
    // stops its busy indicator and says that no terminal answered.
    static constexpr int s32SearchTimeoutMs = 5000;

public slots:
    // Told by the terminal link after every connect, disconnect or lost
    // connection, with the chassis number of the terminal.
    void vSetConnectionState(bool _bConnected, const QString& _strName);
    // Told when a search found terminals: the search has an answer.
    void vTerminalsFound(const QStringList& _slChassis);

signals:
    // Ends the busy indicator's thread.
    void finishedBeetThread();
    // For the main window: show the list file of the path; an empty path
    // shows the list that is loaded again.
    void listFileRequested(const QString& _strPath);
    // For the terminal link: search the network (and connect), or end the
    // connection at the user's wish.
    void terminalSearchRequested();
    void disconnectRequested();

protected:
    void vOnBackKey() override;

private slots:
    void on_pushButton_Einstellungen_abbrechen_clicked();
    void onRotate(Qt::ScreenOrientation);
    void on_pushButton_terminalSuchen_clicked();
    void on_pushButton_quellVerzeichnis_clicked();
    void on_pushButton_ListAnzeigen_clicked();
    void on_pushButton_Loeschen_clicked();
    void on_lineEdit_Email_textEdited(const QString& _strText);
    void on_pushButton_Info_clicked();
    void on_pushButton_Archiv_clicked();
    void on_pushButton_Abrechnung_clicked();
    void on_pushButton_verfuegbarenFahrzeuge_clicked();
    void on_comboBox_Sprache_activated(int _s32Index);
    void vSearchTimedOut();

private:
    friend cEinstellungen* PageFrame::tInstance<cEinstellungen>();
    cEinstellungen();
    void vApplyStyle();
    void vLoadSettings();
    void vStartBusyIndicator();
    void vStopBusyIndicator();
    void vShowIndicator(bool _bConnected);

    Ui::cEinstellungen* ui;
    QString m_strEmail;
    uint16_t m_u16Screen = 0;
    bool m_bConnected = false;
    // True once the terminal link has reported a state: the connection symbol
    // and the terminal list button are shown from then on.
    bool m_bStateReported = false;
    // True while a search runs and no terminal has answered yet.
    bool m_bSearchUnanswered = false;
    int m_s32Language = 0;
    Navigation::Caller m_caller = Navigation::Caller::Main;
    QScreen* m_pScreen = nullptr;
    // The busy indicator's thread while a search runs; it deletes itself
    // after it has finished.
    QPointer<QThread> m_pBeetThread;
    QTimer* m_pSearchTimer = nullptr;
};

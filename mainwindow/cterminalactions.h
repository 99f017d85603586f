#pragma once

#include <QByteArray>
#include <QObject>
#include <QStringList>

#include <functional>

namespace Ui
{
class cHaupt;
}
class QPushButton;

// The terminal's side of the main window: the buttons of the bottom bar that
// talk to the terminal, the machine switches, the connection state with the
// product logo, and when the terminal link searches quietly for the terminal
// (while the link is lost without the user's doing). The link runs that
// search; this class only asks for it to start and stop.
class cTerminalActions : public QObject
{
    Q_OBJECT

public:
    // Shows and hides the terminal buttons of the main window's form.
    cTerminalActions(Ui::cHaupt* _pUi, QObject* _pParent);

    // The screen unit the icons are sized by.
    void vSetScreen(int _s32Screen) { m_s32Screen = _s32Screen; }

    // Frames and sends a message to the terminal; without it messages are dropped.
    void vSetMessageSender(const std::function<void(const QByteArray&)>& _fnSend) { m_fnSend = _fnSend; }
    // Tells whether the link's quiet search runs; without it, it never does.
    void vSetPeriodicSearchProbe(const std::function<bool()>& _fnRunning) { m_fnSearchRunning = _fnRunning; }
    void vSetRefreshIndexSource(const std::function<int()>& _fnRefreshIndex)
    {
        m_fnRefreshIndex = _fnRefreshIndex;
    }

    // While no sender is set, the terminal buttons stay hidden.
    bool bWired() const { return bool(m_fnSend); }
    // The live view is one of the terminal actions, where its page can be reached.
    bool bLiveReachable() const;
    void vSend(const QByteArray& _baMessage);
    // Asks the terminal for the live records at the refresh interval chosen.
    void vStartLive();

    bool bExpertModus() const { return m_bExpertModus; }
    bool bLichtschalter() const { return m_bLichtschalter; }
    void vSetExpertModus(bool _bOn);
    void vSetLichtschalter(bool _bOn);
    // A tap on a switch: the terminal is told, the icon follows.
    void vToggleExpertModus();
    void vToggleLichtschalter();

    // Download requests hide the actions until the answer came (vFileReceived).
    void vRequestDownloads(const QStringList& _slNames);
    void vFileReceived();

    void vSetConnectionState(bool _bConnected, bool _bByUser);
    bool bPeriodicSearchRunning() const { return m_fnSearchRunning && m_fnSearchRunning(); }
    void vStopPeriodicSearch() { emit finished(); }

signals:
    void expertModeIconChanged(const QString& _strIcon);
    void lightSwitchIconChanged(const QString& _strIcon);
    // Starts the link's quiet search; it runs until finished(), and a start
    // while it runs is ignored by the link.
    void periodicSearchRequested();
    // Stops the periodic terminal search.
    void finished();

private:
    struct Buttons {
        QPushButton* pLive = nullptr;
        QPushButton* pLichtschalter = nullptr;
        QPushButton* pExpertmodus = nullptr;
        QPushButton* pDownload = nullptr;
        QPushButton* pSend = nullptr;
        QPushButton* pLogo = nullptr;
    };

    Buttons m_buttons;
    int m_s32Screen = 0;
    bool m_bLichtschalter = false;
    bool m_bExpertModus = false;
    std::function<void(const QByteArray&)> m_fnSend;
    std::function<bool()> m_fnSearchRunning;
    std::function<int()> m_fnRefreshIndex;
};

#pragma once

#include "terminal/discovery.h"

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QPointer>

class QThread;
class QUdpSocket;

// The UDP side of the terminal link: sends the search broadcast, collects the
// terminals' answers into the table of found terminals and runs the quiet
// periodic search. What the link does after a batch of answers is the link's
// own decision; this part only reports that a batch came in.
class cLinkDiscovery : public QObject
{
    Q_OBJECT

public:
    explicit cLinkDiscovery(QObject* _pParent);
    ~cLinkDiscovery() override;

    // An interactive search: its answers may lead to the list page.
    void vSearch();
    // One quiet broadcast: its answers only lead back to the terminal used
    // last. Safe to call from any thread: the work is queued over to this
    // object's thread, where the socket and the flag belong.
    void vQuietSearch();
    // Reads every datagram waiting and adds the terminals' answers to the table.
    void vReadAnswers();

    const Discovery::FoundTerminals& found() const { return m_found; }
    bool bQuietSearch() const { return m_bQuietSearch; }

    // The quiet search repeated at the search period, by a timer in a thread
    // of its own whose time-outs call vQuietSearch() directly in that thread.
    // Starting it while it runs changes nothing.
    void vStartQuietSearch();
    void vStopQuietSearch();
    bool bQuietSearchRunning() const { return !m_pSearchThread.isNull(); }
    // The period of the quiet search; tests shorten it. It applies from the
    // next start on.
    void vSetSearchPeriod(int _s32PeriodMs);
    int s32SearchPeriodMs() const { return m_s32SearchPeriodMs; }

    // Rebinds the socket to another port; kept when it is bound to that one.
    void vSetPort(quint16 _u16UdpPort);
    quint16 u16BoundPort() const;
    // A fixed list of interface addresses in place of the machine's.
    void vSetInterfaceAddresses(const QList<QHostAddress>& _lhaInterfaces);

signals:
    // Datagrams are waiting to be read.
    void datagramsArrived();
    // Ends the quiet search's thread.
    void quietSearchStopped();

private:
    void vBroadcast();

    QUdpSocket* m_pUdpSocket = nullptr;
    quint16 m_u16UdpPort;
    bool m_bQuietSearch = false;
    Discovery::FoundTerminals m_found;
    bool m_bFixedInterfaces = false;
    QList<QHostAddress> m_lhaInterfaces;
    int m_s32SearchPeriodMs;
    QPointer<QThread> m_pSearchThread; // the quiet search while it runs
};

#pragma once

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QString>
#include <QStringList>

// The UDP side of finding terminals, without sockets: which addresses get the
// broadcast, what an answer says, how the table of found terminals grows and
// what the link does after a batch of answers.
namespace Discovery
{

// "192.168.17.42" gives "192.168.17.255": cut at the last "." and append
// ".255", whatever the real network mask is.
QString strBroadcastAddressOf(const QString& _strInterfaceAddress);
QHostAddress broadcastAddressOf(const QHostAddress& _haInterface);
// The broadcast targets in interface order: one per address whose text form
// starts with "192.168."; duplicates are kept (one datagram each).
QList<QHostAddress> lhaBroadcastTargets(const QList<QHostAddress>& _lhaInterfaces);

// The request datagram.
QByteArray baRequestDatagram();
// A terminal's answer: the marker, ":" and the chassis number.
QByteArray baAnswerDatagram(const QString& _strChassis);

// True when the datagram carries the marker anywhere.
bool bIsTerminalAnswer(const QByteArray& _baDatagram);
// The chassis number of an answer: Latin-1 up to the first zero byte, split
// at ":", the field at index 1; "Unbekannte Maschine" when it is empty or
// missing.
QString strChassisFromAnswer(const QByteArray& _baDatagram);

// The found terminals: chassis number to the address of its first answer, and
// the chassis numbers in the order they were first found. Both only grow.
struct FoundTerminals {
    QHash<QString, QHostAddress> hashTerminals;
    QStringList slFoundChassis;
};
// Adds one answer; false when the chassis number was known already (the first
// answer wins, its address stays).
bool bAddAnswer(FoundTerminals& _found, const QString& _strChassis, const QHostAddress& _haSender);

// What follows a batch of datagrams.
enum class eAfterBatch {
    ConnectToLast, // the terminal used last answered: hand the list over, connect
    QuietStop,     // periodic search without the last terminal: nothing at all
    ConnectToOnly, // one terminal: hand the list over, connect to it
    ShowList,      // several: hand the list over and show it
    Nothing        // interactive search without any terminal: hand the (empty) list over
};
eAfterBatch eDecideAfterBatch(const FoundTerminals& _found, const QString& _strCurrentChassis,
                              bool _bQuietSearch);

} // namespace Discovery

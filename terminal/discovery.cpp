#include "terminal/discovery.h"

#include "terminal/protocol.h"

namespace Discovery
{

QString strBroadcastAddressOf(const QString& _strInterfaceAddress)
{
    return _strInterfaceAddress.left(_strInterfaceAddress.lastIndexOf(QLatin1Char('.'))) +
           QStringLiteral(".255");
}

QHostAddress broadcastAddressOf(const QHostAddress& _haInterface)
{
    return QHostAddress(strBroadcastAddressOf(_haInterface.toString()));
}

QList<QHostAddress> lhaBroadcastTargets(const QList<QHostAddress>& _lhaInterfaces)
{
    QList<QHostAddress> targets;
    for (const QHostAddress& address : _lhaInterfaces) {
        if (address.toString().startsWith(QLatin1String(Protocol::QUALIFYING_PREFIX)))
            targets.append(broadcastAddressOf(address));
    }
    return targets;
}

QByteArray baRequestDatagram()
{
    return QByteArray(Protocol::DISCOVERY_REQUEST);
}

QByteArray baAnswerDatagram(const QString& _strChassis)
{
    return QByteArray(Protocol::DISCOVERY_MARKER) + ':' + _strChassis.toLatin1();
}

bool bIsTerminalAnswer(const QByteArray& _baDatagram)
{
    return _baDatagram.contains(Protocol::DISCOVERY_MARKER);
}

QString strChassisFromAnswer(const QByteArray& _baDatagram)
{
    QByteArray text = _baDatagram;
    const int zero = text.indexOf('\0');
    if (zero >= 0)
        text.truncate(zero);
    const QStringList fields = QString::fromLatin1(text).split(QLatin1Char(':'), Qt::KeepEmptyParts);
    const QString chassis = fields.size() >= 2 ? fields.at(1) : QString();
    return chassis.isEmpty() ? QString::fromLatin1(Protocol::UNKNOWN_MACHINE) : chassis;
}

bool bAddAnswer(FoundTerminals& _found, const QString& _strChassis, const QHostAddress& _haSender)
{
    if (_found.hashTerminals.contains(_strChassis))
        return false;
    _found.hashTerminals.insert(_strChassis, _haSender);
    _found.slFoundChassis.append(_strChassis);
    return true;
}

eAfterBatch eDecideAfterBatch(const FoundTerminals& _found, const QString& _strCurrentChassis,
                              bool _bQuietSearch)
{
    if (_found.hashTerminals.contains(_strCurrentChassis))
        return eAfterBatch::ConnectToLast;
    if (_bQuietSearch)
        return eAfterBatch::QuietStop;
    if (_found.slFoundChassis.size() > 1)
        return eAfterBatch::ShowList;
    if (_found.slFoundChassis.size() == 1)
        return eAfterBatch::ConnectToOnly;
    return eAfterBatch::Nothing;
}

} // namespace Discovery

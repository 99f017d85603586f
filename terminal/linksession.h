#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// What the login and the file transfer need of the connection they run on.
// The terminal link implements it; the parts hold no socket of their own.
class cLinkSession
{
public:
    virtual ~cLinkSession() = default;

    // The chassis number of the terminal the connection goes to.
    virtual QString strSessionChassis() const = 0;
    // Counts the connections opened: an answer the user gives for an earlier
    // one is not used.
    virtual quint32 u32SessionNumber() const = 0;
    // A connection was opened and its end has not been told yet.
    virtual bool bSessionOpen() const = 0;

    // Frames and sends a message on the connection.
    virtual void vSessionSend(const QByteArray& _baMessage) = 0;
    // Forgets the last command sent, so that the next login request goes out.
    virtual void vSessionForgetLastCommand() = 0;
    // Closes the connection and tells the pages.
    virtual void vSessionClose(bool _bByUser) = 0;
    // Connects to the terminal again.
    virtual void vSessionReconnect() = 0;
    // Cuts the connection without telling its end: the user is asked first.
    virtual void vSessionHalt() = 0;
    // The login has succeeded with the status fields of the terminal's answer.
    virtual void vSessionLoggedIn(const QByteArray& _baFields) = 0;

    // Runs a report once the current handler has returned, in the order given.
    virtual void vSessionAfterRead(std::function<void()> _fnReport) = 0;
    // A translated text for a message box, after the current handler.
    virtual void vSessionTellUser(const QString& _strTranslatedText) = 0;
    // A stored file (or "empty" and "nofile"), after the current handler.
    virtual void vSessionFileReady(const QString& _strPath, const QString& _strName) = 0;
};

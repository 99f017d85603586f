#pragma once

#include <QString>
#include <QUrl>

// A "mailto:" link that opens the user's mail program with a message ready
// to send: addressed to the stored e-mail address (settings "Email",
// "Addrese"; empty lets the user choose), with subject and text.
namespace MailUrl
{

QString strStoredAddress();
// Every character of subject and body is percent-encoded, so that "&", "="
// or "%" in a text cannot end a field.
QUrl urlTo(const QString& _strAddress, const QString& _strSubject, const QString& _strBody);

} // namespace MailUrl

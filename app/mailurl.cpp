#include "app/mailurl.h"

#include "app/settingsstore.h"

namespace MailUrl
{

QString strStoredAddress()
{
    return SettingsStore::EMAIL.tValue().trimmed();
}

QUrl urlTo(const QString& _strAddress, const QString& _strSubject, const QString& _strBody)
{
    QUrl url;
    url.setScheme(QStringLiteral("mailto"));
    url.setPath(_strAddress.trimmed());
    url.setQuery(QStringLiteral("subject=") + QString::fromLatin1(QUrl::toPercentEncoding(_strSubject)) +
                     QStringLiteral("&body=") + QString::fromLatin1(QUrl::toPercentEncoding(_strBody)),
                 QUrl::StrictMode);
    return url;
}

} // namespace MailUrl

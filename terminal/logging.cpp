#include "terminal/logging.h"

#include <QFileInfo>

Q_LOGGING_CATEGORY(lcTerminal, "vemo.terminal", QtInfoMsg)
Q_LOGGING_CATEGORY(lcDiscovery, "vemo.discovery", QtInfoMsg)
Q_LOGGING_CATEGORY(lcFiles, "vemo.files", QtInfoMsg)
Q_LOGGING_CATEGORY(lcLive, "vemo.live", QtInfoMsg)
Q_LOGGING_CATEGORY(lcLists, "vemo.lists", QtInfoMsg)

namespace Logging
{

QString strWhere(const char* _strFile, const char* _strFunction)
{
    return QFileInfo(QString::fromUtf8(_strFile)).completeBaseName() + QLatin1Char(' ') +
           QString::fromUtf8(_strFunction) + QLatin1Char(':');
}

} // namespace Logging

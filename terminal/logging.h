#pragma once

#include <QLoggingCategory>
#include <QString>

// The log categories of the subsystems. Their debug lines are off unless
// switched on, one subsystem at a time if wanted, e.g.
//   QT_LOGGING_RULES="vemo.terminal.debug=true;vemo.files.debug=true"
// Warnings are always shown. Passwords and the text of files are never
// logged: a length or a byte count says enough.
Q_DECLARE_LOGGING_CATEGORY(lcTerminal)  // "vemo.terminal": connection, login, messages of the link
Q_DECLARE_LOGGING_CATEGORY(lcDiscovery) // "vemo.discovery": broadcasts and the terminals' answers
Q_DECLARE_LOGGING_CATEGORY(lcFiles)     // "vemo.files": files received from and sent to the terminal
Q_DECLARE_LOGGING_CATEGORY(lcLive)      // "vemo.live": the live records and the live page
Q_DECLARE_LOGGING_CATEGORY(lcLists)     // "vemo.lists": list files opened and built, with their times

namespace Logging
{

// "csslclient void cSSLClient::vDisconnect(bool):" for __FILE__ and
// Q_FUNC_INFO: the source file without folder and extension, then the function.
QString strWhere(const char* _strFile, const char* _strFunction);

} // namespace Logging

// A line that says where it comes from. Release builds leave the message
// context empty, so the file and the function are written into the text.
#define VEMO_DEBUG(category) qCDebug(category).noquote() << Logging::strWhere(__FILE__, Q_FUNC_INFO)
#define VEMO_WARNING(category) qCWarning(category).noquote() << Logging::strWhere(__FILE__, Q_FUNC_INFO)

// The terminal link's lines all name the link's file, "csslclient", whichever
// of its parts (discovery, login, file transfer) writes them: one name to
// filter the link's lines by.
#define VEMO_LINK_DEBUG(category) qCDebug(category).noquote() << Logging::strWhere("csslclient", Q_FUNC_INFO)
#define VEMO_LINK_WARNING(category)                                                                          \
    qCWarning(category).noquote() << Logging::strWhere("csslclient", Q_FUNC_INFO)

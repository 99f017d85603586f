#pragma once

#include "data/filewriter.h"

#include <QByteArray>
#include <QHash>
#include <QString>

// The file messages of the terminal connection.
//
// From the terminal: "StartFile: ==:== " + kind, then a 5-byte header
// (name length L, 1 byte; content length N, 4 bytes little-endian, signed),
// the name (L bytes, UTF-8) and the content, whose first N bytes are the file.
// To the terminal: "SendFile: ==:== " + kind + " " + content (UTF-8).
namespace FileMessage
{

struct ReceivedFile {
    QString strName;     // as carried in the message, cut at a zero byte
    QString strText;     // the content, decoded as UTF-8, zero bytes included
    bool bEmpty = false; // nothing followed the name: "no file of this kind"
};

// Reads the part behind the prefix and kind. Missing header bytes count as
// zero; a content shorter than N, or any content when N is negative, is
// taken whole.
ReceivedFile receivedFileFrom(const QByteArray& _baPart);

// The part behind "StartFile: ==:== " + kind, as the terminal builds it.
QByteArray baFilePart(const QByteArray& _baName, const QByteArray& _baContent);
// The whole message for a kind.
QByteArray baStartFileMessage(const QByteArray& _baKind, const QByteArray& _baName,
                              const QByteArray& _baContent);

// The name under which a received file may be stored: its last path component
// ("/" and "\" both separate). Empty when nothing usable remains (empty, "."
// or ".."), and the file must then not be stored.
QString strSafeFileName(const QString& _strName);

// Whether a received file may be stored under this (safe) name: a ".csv"
// name that the list-name rules recognise as a list or statistics file, or
// that carries the request word of the kind it came as ("Saison.csv").
// Anything else the terminal has no reason to send.
bool bIsListFileName(const QString& _strName, const QByteArray& _baKind);

// A received name as the log shows it: in quotes, with line breaks and
// other control characters as "\xNN", so that a name cannot forge log lines.
QString strLoggedName(const QString& _strName);

// The downloads the user asked for and the terminal has not answered yet,
// counted per kind: a file from the terminal is stored only while one of its
// kind is pending, so that a device on the network cannot place files in the
// download folder unasked.
class cPendingDownloads
{
public:
    // Counts a message sent to the terminal if it is one of the six request
    // words.
    void vSent(const QByteArray& _baMessage);
    // A file message of the kind arrived: true when one was pending, which
    // it then no longer is.
    bool bTake(const QByteArray& _baKind);
    // A new connection: what the last one asked for is not answered here.
    void vClear() { m_hashCount.clear(); }
    int s32Pending(const QByteArray& _baKind) const { return m_hashCount.value(_baKind); }

private:
    QHash<QByteArray, int> m_hashCount;
};

// Writes the text as UTF-8 with a byte-order mark into
// _strFolder/_strName, followed by a line end unless it already ends in one,
// replacing a regular file of that name, creating the folder when it is
// missing. The name must be a safe name; a link, a folder or anything else
// but a regular file of that name is left alone and the write fails
// (Failure::NotRegularFile). Returns the path, or an empty string and the kind of the
// failure in _pFailure when the file could not be written; a failed write
// leaves an older file of that name as it was, and no folder it made.
QString strStoreTextFile(const QString& _strFolder, const QString& _strName, const QString& _strText,
                         FileWriter::Failure* _pFailure = nullptr);

// Reads a list file for sending: as the list reader does (UTF-8 behind a
// byte-order mark, as every downloaded file is, Latin-1 otherwise), each line
// end as a single line feed, the mark itself not part of the text. False when
// it cannot be opened.
bool bReadListFileText(const QString& _strPath, QString& _strText);

// The payload of a file sent to the terminal.
QByteArray baSendFilePayload(const QByteArray& _baKind, const QString& _strText);
// The terminal's reading of such a payload: the kind up to the first blank
// after the prefix, the rest is the content. False when the prefix is missing.
bool bParseSendFilePayload(const QByteArray& _baPayload, QByteArray& _baKind, QByteArray& _baContent);

} // namespace FileMessage

#include "terminal/linkfiletransfer.h"

#include "terminal/linksession.h"
#include "terminal/logging.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

// The texts for the user keep the translation context of the link, whose
// part this is.

cLinkFileTransfer::cLinkFileTransfer(cLinkSession& _session) : m_session(_session) {}

void cLinkFileTransfer::vStoreReceivedFile(const QByteArray& _baKind, const QByteArray& _baFile)
{
    const FileMessage::ReceivedFile file = FileMessage::receivedFileFrom(_baFile);
    // The terminal answers each request with one file message of its kind,
    // or an empty one. Anything else comes from no request of the user: it
    // could replace the user's own files, and is only logged, by its name and
    // size, never by its content.
    if (!m_pendingDownloads.bTake(_baKind)) {
        VEMO_LINK_WARNING(lcFiles) << "unexpected file from the terminal:"
                                   << FileMessage::strLoggedName(file.strName) << "of" << _baFile.size()
                                   << "bytes as" << _baKind
                                   << "- nothing of this kind was requested, dropped";
        return;
    }
    if (file.bEmpty) {
        VEMO_LINK_DEBUG(lcFiles) << "the terminal has no such file";
        m_session.vSessionFileReady(QStringLiteral("empty"), QStringLiteral("nofile"));
        return;
    }
    // Only the last part of the name counts: a terminal cannot place files
    // outside the download folder.
    const QString name = FileMessage::strSafeFileName(file.strName);
    if (name.isEmpty()) {
        VEMO_LINK_WARNING(lcFiles) << "received file without a usable name, not stored";
        m_session.vSessionTellUser(QCoreApplication::translate(
            "cSSLClient", "Die empfangene Datei hat keinen gültigen Namen und wurde nicht gespeichert."));
        return;
    }
    if (!FileMessage::bIsListFileName(name, _baKind)) {
        VEMO_LINK_WARNING(lcFiles) << "unexpected file from the terminal:"
                                   << FileMessage::strLoggedName(file.strName) << "of" << _baFile.size()
                                   << "bytes as" << _baKind << "- not the name of a list, dropped";
        return;
    }
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    FileWriter::Failure failure = FileWriter::Failure::None;
    const QString path = FileMessage::strStoreTextFile(folder, name, file.strText, &failure);
    if (path.isEmpty()) {
        VEMO_LINK_WARNING(lcFiles) << "received file" << name << "could not be stored in" << folder
                                   << "( failure" << int(failure) << ")";
        m_session.vSessionTellUser(
            QCoreApplication::translate(
                "cSSLClient", "Die empfangene Datei %1 konnte nicht im Ordner %2 gespeichert werden: %3")
                .arg(name, QDir::toNativeSeparators(folder), FileWriter::strReason(failure)));
        return;
    }
    VEMO_LINK_DEBUG(lcFiles) << "received" << name << "of" << _baFile.size() << "bytes, stored as" << path;
    m_session.vSessionFileReady(path, name);
}

void cLinkFileTransfer::vSendFileFromPath(const QString& _strPath, const QString& _strKind)
{
    m_strSendFilePath = _strPath;
    vSendFile(_strKind.toLatin1());
}

void cLinkFileTransfer::vSendFile(const QByteArray& _baKind)
{
    QString text;
    if (!FileMessage::bReadListFileText(m_strSendFilePath, text)) {
        VEMO_LINK_WARNING(lcFiles) << "file" << m_strSendFilePath << "could not be read, not sent";
        m_session.vSessionTellUser(
            QCoreApplication::translate("cSSLClient",
                                        "Die Datei %1 konnte nicht gelesen werden und wurde nicht gesendet.")
                .arg(m_strSendFilePath));
        return;
    }
    const QByteArray payload = FileMessage::baSendFilePayload(_baKind, text);
    VEMO_LINK_DEBUG(lcFiles) << "sending" << QFileInfo(m_strSendFilePath).fileName() << "as" << _baKind
                             << "in" << payload.size() << "bytes";
    m_session.vSessionSend(payload);
}

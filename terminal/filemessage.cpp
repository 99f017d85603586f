#include "terminal/filemessage.h"

#include "data/listfile.h"
#include "data/listkind.h"

#include "terminal/protocol.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace FileMessage
{

namespace
{

QByteArray baUpToZero(const QByteArray& _ba)
{
    const int zero = _ba.indexOf('\0');
    return zero >= 0 ? _ba.left(zero) : _ba;
}

} // namespace

ReceivedFile receivedFileFrom(const QByteArray& _baPart)
{
    // The header with missing bytes read as zero.
    QByteArray header = _baPart.left(5);
    header.append(QByteArray(5 - header.size(), '\0'));
    const int nameLength = quint8(header.at(0));
    const qint32 contentLength = qFromLittleEndian<qint32>(header.constData() + 1);

    ReceivedFile file;
    file.strName = QString::fromUtf8(baUpToZero(_baPart.mid(5, nameLength)));
    const QByteArray rest = _baPart.mid(5 + nameLength);
    if (rest.isEmpty()) {
        file.bEmpty = true;
        return file;
    }
    // Every byte of the content, zero bytes included: the terminal pads
    // fields with them, and the list readers drop them field by field.
    const QByteArray content = contentLength < 0 ? rest : rest.left(contentLength);
    // With its length: QString::fromUtf8(QByteArray) stops at a zero byte.
    file.strText = QString::fromUtf8(content.constData(), content.size());
    return file;
}

QByteArray baFilePart(const QByteArray& _baName, const QByteArray& _baContent)
{
    const QByteArray name = _baName.left(255);
    QByteArray part;
    part.append(char(quint8(name.size())));
    char length[4];
    qToLittleEndian<qint32>(qint32(_baContent.size()), length);
    part.append(length, 4);
    part.append(name);
    part.append(_baContent);
    return part;
}

QByteArray baStartFileMessage(const QByteArray& _baKind, const QByteArray& _baName,
                              const QByteArray& _baContent)
{
    return QByteArray(Protocol::START_FILE) + _baKind + baFilePart(_baName, _baContent);
}

QString strSafeFileName(const QString& _strName)
{
    QString name = _strName;
    const int cut = qMax(name.lastIndexOf(QLatin1Char('/')), name.lastIndexOf(QLatin1Char('\\')));
    if (cut >= 0)
        name = name.mid(cut + 1);
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return QString();
    return name;
}

bool bIsListFileName(const QString& _strName, const QByteArray& _baKind)
{
    if (!_strName.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        return false;
    if (ListNames::kindOfFile(_strName) != ListKind::None)
        return true;
    return !_baKind.isEmpty() && _strName.contains(QString::fromLatin1(_baKind));
}

QString strLoggedName(const QString& _strName)
{
    QString strLogged = QStringLiteral("\"");
    for (const QChar c : _strName) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || c == QLatin1Char('"') || c == QLatin1Char('\\'))
            strLogged += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            strLogged += c;
    }
    return strLogged + QLatin1Char('"');
}

void cPendingDownloads::vSent(const QByteArray& _baMessage)
{
    for (const char* kind : {Protocol::KIND_ORDERS, Protocol::KIND_FIELDS, Protocol::KIND_DRIVERS,
                             Protocol::KIND_CUSTOMERS, Protocol::KIND_SEASON, Protocol::KIND_MACHINE}) {
        if (_baMessage == kind) {
            ++m_hashCount[_baMessage];
            return;
        }
    }
}

bool cPendingDownloads::bTake(const QByteArray& _baKind)
{
    const auto it = m_hashCount.find(_baKind);
    if (it == m_hashCount.end())
        return false;
    if (--it.value() <= 0)
        m_hashCount.erase(it);
    return true;
}

QString strStoreTextFile(const QString& _strFolder, const QString& _strName, const QString& _strText,
                         FileWriter::Failure* _pFailure)
{
    const auto fail = [&](FileWriter::Failure _failure) {
        if (_pFailure)
            *_pFailure = _failure;
        return QString();
    };
    if (strSafeFileName(_strName) != _strName)
        return fail(FileWriter::Failure::Other);
    FileWriter::cFolders folders;
    FileWriter::Failure failure = FileWriter::Failure::None;
    if (!folders.bMake(_strFolder, &failure))
        return fail(failure);
    const QString path = QStringLiteral("%1/%2").arg(_strFolder, _strName);
    // QSaveFile writes through a link to wherever it points, so a link of
    // that name would carry the content out of the folder; and only a file
    // is replaced, never a folder, a pipe or a device of that name.
    const QFileInfo info(path);
    if (info.isSymLink() || (info.exists() && !info.isFile())) {
        folders.vRemoveMade();
        return fail(FileWriter::Failure::NotRegularFile);
    }
    // Written to a temporary file and renamed, so a failed write leaves an
    // older file of that name intact. Text mode: the platform's line ends.
    // One line end at the end of the file, not a second one behind the
    // terminal's: an empty line would stand before any line added later.
    const QString strText = _strText.endsWith(QLatin1Char('\n')) ? _strText : _strText + QLatin1Char('\n');
    const QByteArray baContent = QByteArrayLiteral("\xEF\xBB\xBF") + strText.toUtf8();
    if (!FileWriter::bWrite(path, baContent, &failure, QIODevice::Text)) {
        folders.vRemoveMade();
        return fail(failure);
    }
    return path;
}

bool bReadListFileText(const QString& _strPath, QString& _strText)
{
    ListFileContent content;
    if (!ListFile::bRead(_strPath, content))
        return false;
    QStringList lines = content.slLines;
    // Text mode: a carriage return before a line feed is no part of the text.
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    _strText = lines.join(QLatin1Char('\n'));
    return true;
}

QByteArray baSendFilePayload(const QByteArray& _baKind, const QString& _strText)
{
    return QByteArray(Protocol::SEND_FILE) + _baKind + ' ' + _strText.toUtf8();
}

bool bParseSendFilePayload(const QByteArray& _baPayload, QByteArray& _baKind, QByteArray& _baContent)
{
    if (!_baPayload.startsWith(Protocol::SEND_FILE))
        return false;
    const QByteArray rest = _baPayload.mid(Protocol::s32Length(Protocol::SEND_FILE));
    const int blank = rest.indexOf(' ');
    _baKind = blank >= 0 ? rest.left(blank) : rest;
    _baContent = blank >= 0 ? rest.mid(blank + 1) : QByteArray();
    return true;
}

} // namespace FileMessage

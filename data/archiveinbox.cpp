#include "data/archiveinbox.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QUuid>

namespace
{

const char* const PENDING_SUFFIX = ".pending";
const char* const LOCAL_SUFFIX = ".local";
const char* const SET_ASIDE_SUFFIX = ".unreadable";

// An entry is a file the program wrote itself, but a damaged disk or a
// hand-edited folder can hold anything: a header line longer than this is
// no header.
const int MAX_HEADER_BYTES = 64 * 1024;

} // namespace

namespace ArchiveInboxEntry
{

QByteArray baEncode(const ArchiveInput& _input)
{
    QJsonObject head;
    head.insert(QStringLiteral("name"), _input.strFileName);
    head.insert(QStringLiteral("chassis"), _input.machine.strChassis);
    head.insert(QStringLiteral("serial"), _input.machine.strSerial);
    head.insert(QStringLiteral("arrived"), ArchiveImport::strTime(_input.arrived));
    // Compact JSON escapes line ends inside its texts: the header is one line.
    return QJsonDocument(head).toJson(QJsonDocument::Compact) + '\n' + _input.baContent;
}

bool bDecode(const QByteArray& _baEntry, ArchiveInput& _input)
{
    const int s32End = _baEntry.indexOf('\n');
    if (s32End < 0 || s32End > MAX_HEADER_BYTES)
        return false;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(_baEntry.left(s32End), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return false;
    const QJsonObject head = document.object();
    for (const char* pKey : {"name", "chassis", "serial", "arrived"}) {
        if (!head.value(QLatin1String(pKey)).isString())
            return false;
    }
    const QDateTime arrived =
        QDateTime::fromString(head.value(QLatin1String("arrived")).toString(), Qt::ISODateWithMs);
    const QString strName = head.value(QLatin1String("name")).toString();
    if (!arrived.isValid() || strName.isEmpty())
        return false;
    _input.strFileName = strName;
    _input.kind = ListKind::None;
    _input.machine.strChassis = head.value(QLatin1String("chassis")).toString();
    _input.machine.strSerial = head.value(QLatin1String("serial")).toString();
    _input.arrived = arrived.toUTC();
    _input.baContent = _baEntry.mid(s32End + 1);
    return true;
}

} // namespace ArchiveInboxEntry

cArchiveInbox::cArchiveInbox(const QString& _strFolder) : m_strFolder(_strFolder) {}

bool cArchiveInbox::bAdd(const ArchiveInput& _input, QString* _pMessage)
{
    // The time first, so that the names sort as the files arrived; the
    // random part keeps two files of the same millisecond apart.
    const QString strName = _input.arrived.toUTC().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz")) +
                            QLatin1Char('-') + QUuid::createUuid().toString(QUuid::Id128).left(12) +
                            QLatin1String(PENDING_SUFFIX);
    const QString strPath = QDir(m_strFolder).filePath(strName);
    QString strReason;
    if (!QDir().mkpath(m_strFolder)) {
        strReason = tr("Der Ordner lässt sich nicht anlegen.");
    } else {
        QSaveFile file(strPath);
        if (file.open(QIODevice::WriteOnly)) {
            const QByteArray baEntry = ArchiveInboxEntry::baEncode(_input);
            if (file.write(baEntry) == baEntry.size() && file.commit())
                return true;
        }
        strReason = file.errorString();
        file.cancelWriting();
    }
    if (_pMessage)
        *_pMessage =
            tr("Die empfangene Datei %1 konnte nicht im Ordner %2 für das Archiv abgelegt werden: %3")
                .arg(_input.strFileName, QDir::toNativeSeparators(m_strFolder), strReason);
    return false;
}

QVector<cArchiveInbox::Entry> cArchiveInbox::entries() const
{
    QVector<Entry> entries;
    const QStringList slNames = QDir(m_strFolder)
                                    .entryList({QLatin1String("*") + QLatin1String(PENDING_SUFFIX),
                                                QLatin1String("*") + QLatin1String(LOCAL_SUFFIX)},
                                               QDir::Files, QDir::Name);
    for (const QString& strName : slNames)
        entries.append(
            Entry{QDir(m_strFolder).filePath(strName), strName.endsWith(QLatin1String(LOCAL_SUFFIX))});
    return entries;
}

bool cArchiveInbox::bRead(const Entry& _entry, ArchiveInput& _input) const
{
    QFile file(_entry.strPath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return ArchiveInboxEntry::bDecode(file.readAll(), _input);
}

bool cArchiveInbox::bMarkInLocalArchive(Entry& _entry) const
{
    if (_entry.bInLocalArchive || _entry.strPath.isEmpty())
        return true;
    QString strLocal = _entry.strPath;
    strLocal.chop(int(qstrlen(PENDING_SUFFIX)));
    strLocal += QLatin1String(LOCAL_SUFFIX);
    if (!QFile::rename(_entry.strPath, strLocal))
        return false;
    _entry.strPath = strLocal;
    _entry.bInLocalArchive = true;
    return true;
}

bool cArchiveInbox::bRemove(const Entry& _entry) const
{
    return _entry.strPath.isEmpty() || QFile::remove(_entry.strPath);
}

void cArchiveInbox::vSetAside(const Entry& _entry) const
{
    QFile::rename(_entry.strPath, strSetAsidePath(_entry));
}

QString cArchiveInbox::strSetAsidePath(const Entry& _entry)
{
    return _entry.strPath + QLatin1String(SET_ASIDE_SUFFIX);
}

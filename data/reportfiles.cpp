#include "data/reportfiles.h"

#include "data/filewriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTextBoundaryFinder>

namespace ReportFiles
{

namespace
{

// The longest file name the usual file systems take, in bytes.
constexpr int MAX_NAME_BYTES = 255;
// Room kept for what is added to a name: " (99999)" before the suffix, so
// that a report never overwrites another, and the ".XXXXXX" of the file an
// atomic write makes beside it.
constexpr int ADDED_BYTES = 8 + 7;

// _strText cut to at most _s32Bytes bytes in the file system's encoding,
// between characters: never within a surrogate pair, nor between a letter
// and its combining marks.
QString strCutToBytes(const QString& _strText, int _s32Bytes)
{
    if (QFile::encodeName(_strText).size() <= _s32Bytes)
        return _strText;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, _strText);
    int s32Bytes = 0;
    int s32Cut = 0;
    for (int s32Next = finder.toNextBoundary(); s32Next > 0; s32Next = finder.toNextBoundary()) {
        s32Bytes += QFile::encodeName(_strText.mid(s32Cut, s32Next - s32Cut)).size();
        if (s32Bytes > _s32Bytes)
            break;
        s32Cut = s32Next;
    }
    return _strText.left(s32Cut);
}

} // namespace

QString strFolder()
{
    QString strDocuments = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (strDocuments.isEmpty())
        strDocuments = QDir::homePath();
    return strDocuments + QStringLiteral("/Feldbrief");
}

QString strFileName(const QString& _strWhat, const QDate& _dateFrom, const QDate& _dateTo,
                    const QString& _strSuffix)
{
    QString strWhat = _strWhat.trimmed();
    QString strDates;
    if (_dateFrom.isValid())
        strDates += QLatin1Char('_') + _dateFrom.toString(Qt::ISODate);
    if (_dateTo.isValid() && _dateTo != _dateFrom)
        strDates += QLatin1Char('_') + _dateTo.toString(Qt::ISODate);
    static const QString s_strForbidden = QStringLiteral("/\\:*?\"<>|");
    for (QChar& c : strWhat) {
        if (c.unicode() < 0x20 || s_strForbidden.contains(c))
            c = QLatin1Char('_');
    }
    if ((strWhat + strDates).isEmpty() || strWhat.startsWith(QLatin1Char('.')))
        strWhat.prepend(QLatin1Char('_'));
    // The dates and the suffix stay; the text before them is cut to what
    // the file system takes, with room for what a write adds to the name.
    const QString strEnd = strDates + QLatin1Char('.') + _strSuffix;
    const int s32Room = MAX_NAME_BYTES - ADDED_BYTES - QFile::encodeName(strEnd).size();
    return strCutToBytes(strWhat, qMax(0, s32Room)) + strEnd;
}

QString strFreePath(const QString& _strFolder, const QString& _strFileName)
{
    const QString strPath = _strFolder + QLatin1Char('/') + _strFileName;
    if (!QFileInfo::exists(strPath) && !QFileInfo(strPath).isSymLink())
        return strPath;
    const int s32Dot = _strFileName.lastIndexOf(QLatin1Char('.'));
    const QString strBase = s32Dot > 0 ? _strFileName.left(s32Dot) : _strFileName;
    const QString strSuffix = s32Dot > 0 ? _strFileName.mid(s32Dot) : QString();
    for (int i = 2;; ++i) {
        const QString strNumbered =
            QStringLiteral("%1/%2 (%3)%4").arg(_strFolder, strBase).arg(i).arg(strSuffix);
        if (!QFileInfo::exists(strNumbered) && !QFileInfo(strNumbered).isSymLink())
            return strNumbered;
    }
}

QString strWrite(const QString& _strFolder, const QString& _strFileName, const QByteArray& _baContent,
                 QString* _pError)
{
    FileWriter::cFolders folders;
    FileWriter::Failure failure = FileWriter::Failure::None;
    QString strPath = _strFolder + QLatin1Char('/') + _strFileName;
    if (folders.bMake(_strFolder, &failure)) {
        strPath = strFreePath(_strFolder, _strFileName);
        if (FileWriter::bWrite(strPath, _baContent, &failure))
            return strPath;
        folders.vRemoveMade();
    }
    if (_pError)
        *_pError = FileWriter::strCannotSave(strPath, failure);
    return QString();
}

} // namespace ReportFiles

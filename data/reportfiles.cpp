#include "data/reportfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace ReportFiles
{

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
    QString strName = _strWhat.trimmed();
    if (_dateFrom.isValid())
        strName += QLatin1Char('_') + _dateFrom.toString(Qt::ISODate);
    if (_dateTo.isValid() && _dateTo != _dateFrom)
        strName += QLatin1Char('_') + _dateTo.toString(Qt::ISODate);
    static const QString s_strForbidden = QStringLiteral("/\\:*?\"<>|");
    for (QChar& c : strName) {
        if (c.unicode() < 0x20 || s_strForbidden.contains(c))
            c = QLatin1Char('_');
    }
    strName = strName.left(120);
    if (strName.isEmpty() || strName.startsWith(QLatin1Char('.')))
        strName.prepend(QLatin1Char('_'));
    return strName + QLatin1Char('.') + _strSuffix;
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
    const auto fail = [&](const QString& _strPath, const QString& _strReason) {
        if (_pError) {
            *_pError =
                QCoreApplication::translate("ReportFiles", "Die Datei %1 konnte nicht gespeichert werden: %2")
                    .arg(QDir::toNativeSeparators(_strPath), _strReason);
        }
        return QString();
    };
    if (!QDir().mkpath(_strFolder))
        return fail(_strFolder,
                    QCoreApplication::translate("ReportFiles", "Der Ordner konnte nicht angelegt werden."));
    const QString strPath = strFreePath(_strFolder, _strFileName);
    QSaveFile file(strPath);
    if (!file.open(QIODevice::WriteOnly))
        return fail(strPath, file.errorString());
    if (file.write(_baContent) != _baContent.size()) {
        file.cancelWriting();
        return fail(strPath, file.errorString());
    }
    if (!file.commit())
        return fail(strPath, file.errorString());
    return strPath;
}

} // namespace ReportFiles

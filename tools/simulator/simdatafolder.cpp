#include "tools/simulator/simdatafolder.h"

#include "data/filewriter.h"
#include "terminal/protocol.h"

#include <QDir>
#include <QStringList>
#include <QTextCodec>

namespace SimDataFolder
{

namespace
{

QStringList slStems(const QString& _strKind)
{
    if (_strKind == QLatin1String(Protocol::KIND_ORDERS))
        return {QStringLiteral("auftraege"), QStringLiteral("aufträge"), QStringLiteral("auftrag")};
    if (_strKind == QLatin1String(Protocol::KIND_FIELDS))
        return {QStringLiteral("schlaege"), QStringLiteral("schläge"), QStringLiteral("schlag")};
    if (_strKind == QLatin1String(Protocol::KIND_DRIVERS))
        return {QStringLiteral("fahrer")};
    if (_strKind == QLatin1String(Protocol::KIND_CUSTOMERS))
        return {QStringLiteral("kunde")};
    if (_strKind == QLatin1String(Protocol::KIND_SEASON))
        return {QStringLiteral("saison")};
    if (_strKind == QLatin1String(Protocol::KIND_MACHINE))
        return {QStringLiteral("maschine")};
    return {};
}

} // namespace

QString strFileOfKind(const QString& _strFolder, const QString& _strKind)
{
    const QStringList stems = slStems(_strKind);
    const QStringList files = QDir(_strFolder).entryList(QDir::Files, QDir::Name);
    for (const QString& file : files) {
        const QString lower = file.toLower();
        for (const QString& stem : stems) {
            if (lower.contains(stem))
                return _strFolder + QLatin1Char('/') + file;
        }
    }
    return QString();
}

QByteArray baContentForSending(const QByteArray& _baFile)
{
    QByteArray content = _baFile;
    if (content.startsWith("\xEF\xBB\xBF"))
        content.remove(0, 3);
    QTextCodec::ConverterState state;
    QTextCodec::codecForName("UTF-8")->toUnicode(content.constData(), content.size(), &state);
    if (state.invalidChars == 0)
        return content;
    // With its length: the terminal's zero padding is part of the file.
    return QString::fromLatin1(content.constData(), content.size()).toUtf8();
}

bool bStoreImport(const QString& _strFolder, const QString& _strKind, const QByteArray& _baContent)
{
    const bool bImportable = _strKind == QLatin1String(Protocol::KIND_FIELDS) ||
                             _strKind == QLatin1String(Protocol::KIND_CUSTOMERS) ||
                             _strKind == QLatin1String(Protocol::KIND_DRIVERS);
    if (!bImportable || _baContent.isEmpty() || !QDir().mkpath(_strFolder))
        return false;
    QString path = strFileOfKind(_strFolder, _strKind);
    if (path.isEmpty())
        path = _strFolder + QLatin1Char('/') + _strKind + QStringLiteral(".csv");
    return FileWriter::bWrite(path, _baContent, nullptr);
}

void vSeed(const QString& _strTo, const QString& _strFrom)
{
    QDir().mkpath(_strTo);
    if (_strFrom.isEmpty() || !QDir(_strTo).entryList(QDir::Files).isEmpty())
        return;
    const QStringList files = QDir(_strFrom).entryList(QDir::Files, QDir::Name);
    for (const QString& file : files)
        QFile::copy(_strFrom + QLatin1Char('/') + file, _strTo + QLatin1Char('/') + file);
}

} // namespace SimDataFolder

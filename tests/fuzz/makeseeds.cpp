// Writes the seed corpus of the fuzz targets from the formats' own valid
// examples: list and statistics files made by the sample-data tool (in
// several encodings and line ends), and the protocol's messages as the
// terminal simulator sends them.
//   makeseeds <sampledata folder> <corpus folder>
#include "data/archiveinbox.h"
#include "data/listkind.h"
#include "live/liverecord.h"
#include "terminal/discovery.h"
#include "terminal/dispatch.h"
#include "terminal/filemessage.h"
#include "terminal/framing.h"
#include "terminal/liverecordencoder.h"
#include "terminal/protocol.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QTextStream>

#include <cstdio>

namespace
{

QString g_strCorpus;

void vWrite(const char* _pTarget, const QString& _strName, const QByteArray& _baContent)
{
    const QString strFolder = g_strCorpus + QLatin1Char('/') + QLatin1String(_pTarget);
    QDir().mkpath(strFolder);
    QFile file(strFolder + QLatin1Char('/') + _strName);
    if (!file.open(QIODevice::WriteOnly) || file.write(_baContent) != _baContent.size())
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
}

QByteArray baWithBom(const QByteArray& _baLatin1)
{
    return QByteArray("\xEF\xBB\xBF") + QString::fromLatin1(_baLatin1).toUtf8();
}

void vListFiles(const QString& _strSamples)
{
    const QDir samples(_strSamples);
    int s32Number = 0;
    for (const QString& strName : samples.entryList({QStringLiteral("*.csv")}, QDir::Files, QDir::Name)) {
        QFile file(samples.filePath(strName));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray baLatin1 = file.readAll();
        const bool bStatistics = strName.startsWith(QLatin1String("Statistik"));
        const char* pTarget = bStatistics ? "statisticsfile" : "listfile";
        const QString strBase = QStringLiteral("sample%1").arg(++s32Number);
        vWrite(pTarget, strBase + QStringLiteral("-latin1.csv"), baLatin1);
        vWrite(pTarget, strBase + QStringLiteral("-utf8bom.csv"), baWithBom(baLatin1));
        QByteArray baCrLf = baLatin1;
        vWrite(pTarget, strBase + QStringLiteral("-crlf.csv"), baCrLf.replace("\n", "\r\n"));
        // An export edited by hand: the first line ends in "\r\n", the others in "\n".
        QByteArray baMixed = baLatin1;
        const int s32FirstEnd = baMixed.indexOf('\n');
        if (s32FirstEnd >= 0)
            baMixed.insert(s32FirstEnd, '\r');
        vWrite(pTarget, strBase + QStringLiteral("-mixed.csv"), baMixed);
        // The archive's import: byte 0 names the kind (see fuzz_archive.cpp).
        const char cKind = char(int(ListNames::kindOfFile(strName)) - 1);
        vWrite("archive", strBase + QStringLiteral("-utf8bom.csv"), cKind + baWithBom(baLatin1));
        vWrite("archive", strBase + QStringLiteral("-crlf.csv"), cKind + baCrLf);
        // The same file waiting in the archive's inbox.
        ArchiveInput input;
        input.strFileName = strName;
        input.machine = {QStringLiteral("WMA-111"), QStringLiteral("LQ-1")};
        input.arrived = QDateTime(QDate(2015, 9, 14), QTime(8, 0), Qt::UTC);
        input.baContent = baWithBom(baLatin1);
        vWrite("archiveinbox", strBase + QStringLiteral("-entry"), ArchiveInboxEntry::baEncode(input));
    }
}

void vFraming()
{
    const QByteArray baFile = FileMessage::baStartFileMessage(
        Protocol::KIND_DRIVERS, "Fahrer.csv", "Nr;Name\n1;Meier;Hans;Weg 1;12345;Dorf;;0170\n");
    const QList<QByteArray> lMessages = {
        QByteArray(Protocol::SERIAL_NUMBER) + "WAB123",
        QByteArray(Protocol::PW_REQUEST_TRUE) + baStatusFields(true, false),
        QByteArray(Protocol::CONNECTION_KNOWN) + "WAB123" + baStatusFields(false, true),
        Protocol::PW_REQUEST_FALSE,
        QByteArray(Protocol::EXPERT_MODE) + "1",
        QByteArray(Protocol::LIGHT_SWITCH) + "0",
        baFile,
        FileMessage::baStartFileMessage(Protocol::KIND_ORDERS, "nofile", QByteArray()),
        LiveRecordEncoder::baLiveMessage({{"m_lbTankDiesel", "640"}, {"VERB_ANZEIGE_GANG", "1"}}),
        Protocol::NO_PERMISSION,
        Protocol::BUSY,
        Protocol::BREAK_CONNECTION,
    };
    // Byte 0 of an input says how many of the next bytes are chunk sizes.
    QByteArray baAll("\x03\x01\x07\x10", 4);
    for (int i = 0; i < lMessages.size(); ++i) {
        vWrite("framing", QStringLiteral("message%1").arg(i + 1, 2, 10, QLatin1Char('0')),
               QByteArray(1, '\0') + baFrame(lMessages.at(i)));
        baAll += baFrame(lMessages.at(i));
    }
    vWrite("framing", QStringLiteral("all-in-chunks"), baAll);
    vWrite("framing", QStringLiteral("empty-frame"),
           QByteArray("\0\0\0\0\0", 5) + baFrame("BreakConnection"));
    // Many one-byte frames, read whole and in three chunks: the work stays
    // proportional to the bytes.
    QByteArray baBurst("\x03\x3f\x10\x3f", 4);
    for (int i = 0; i < 4000; ++i)
        baBurst += baFrame(QByteArray(1, char('a' + i % 26)));
    vWrite("framing", QStringLiteral("burst"), baBurst);
}

void vFileMessages()
{
    const QByteArray baContent = "Nr;Name\r\n1;Meier;Hans\r\n";
    vWrite("filemessage", QStringLiteral("drivers"), FileMessage::baFilePart("Fahrer.csv", baContent));
    vWrite("filemessage", QStringLiteral("umlaut-name"), FileMessage::baFilePart("Schläge.csv", baContent));
    vWrite("filemessage", QStringLiteral("path-name"),
           FileMessage::baFilePart("../../etc/Fahrer.csv", baContent));
    vWrite("filemessage", QStringLiteral("nofile"), FileMessage::baFilePart("nofile", QByteArray()));
    vWrite("filemessage", QStringLiteral("send-payload"),
           FileMessage::baSendFilePayload(Protocol::KIND_CUSTOMERS, QStringLiteral("Nr;Name\n3;Apfel\n")));
}

void vDiscovery()
{
    vWrite("discovery", QStringLiteral("one"), QByteArray(1, '\x01') + Discovery::baAnswerDatagram("WAB123"));
    vWrite("discovery", QStringLiteral("several"),
           QByteArray(1, '\x02') + Discovery::baAnswerDatagram("WAB123") + '\xFF' +
               Discovery::baAnswerDatagram("WAB456") + '\xFF' + Discovery::baAnswerDatagram("WAB123") +
               '\xFF' + Discovery::baRequestDatagram());
    vWrite("discovery", QStringLiteral("unknown-machine"),
           QByteArray(1, '\0') + QByteArray(Protocol::DISCOVERY_MARKER) + ":\0padding");
}

void vLiveRecords()
{
    vWrite("liverecord", QStringLiteral("values"),
           LiveRecordEncoder::baRecord(QMap<QString, QString>{
               {"m_lbTankDiesel", "640"}, {"VERB_ANZEIGE_GANG", "1"}, {"pos_rselect", "7"}}));
    vWrite("liverecord", QStringLiteral("utf16-text"),
           LiveRecordEncoder::baRecord(
               QMap<QString, QString>{{"Fahrer", QStringLiteral("Łukasz")}, {"Ort", "Köln"}}));
    vWrite("liverecord", QStringLiteral("other-types"),
           LiveRecordEncoder::baRecord(QJsonObject{{"zahl", 5},
                                                   {"wahr", true},
                                                   {"nichts", QJsonValue()},
                                                   {"liste", QJsonArray{1, "a"}},
                                                   {"objekt", QJsonObject{{"x", "y"}}}}));
    vWrite("liverecord", QStringLiteral("empty"), LiveRecordEncoder::baRecord(QJsonObject()));
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList slArgs = app.arguments();
    if (slArgs.size() != 3) {
        std::fprintf(stderr, "usage: makeseeds <sampledata folder> <corpus folder>\n");
        return 2;
    }
    g_strCorpus = slArgs.at(2);
    vListFiles(slArgs.at(1));
    vFraming();
    vFileMessages();
    vDiscovery();
    vLiveRecords();
    return 0;
}

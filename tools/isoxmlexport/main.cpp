// vemo-isoxml-export: the application's ISOXML export on the command line,
// for checks of the format (CI validates its output against the schema).
//   vemo-isoxml-export <orders.csv> <output folder> [--lists <folder>] [--designator <text>]
// writes <output folder>/TASKDATA/TASKDATA.XML from every order of the file;
// --lists names a folder whose customers, drivers and fields files enrich it.

#include "data/appinfo.h"
#include "data/filewriter.h"
#include "data/isoxml.h"
#include "data/listfile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Orders as ISO 11783-10 task data (TASKDATA/TASKDATA.XML)."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("orders"), QStringLiteral("The orders list file."));
    parser.addPositionalArgument(QStringLiteral("output"), QStringLiteral("The folder that gets TASKDATA/."));
    parser.addOptions(
        {{QStringLiteral("lists"), QStringLiteral("Folder of customers, drivers and fields files."),
          QStringLiteral("folder")},
         {QStringLiteral("designator"), QStringLiteral("The harvester's chassis number."),
          QStringLiteral("text")}});
    parser.process(app);
    const QStringList slArguments = parser.positionalArguments();
    if (slArguments.size() != 2)
        parser.showHelp(2);

    ListFileContent orders;
    if (!ListFile::bRead(slArguments.at(0), orders)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(slArguments.at(0)));
        return 1;
    }
    IsoXml::Source source;
    source.slOrderRecords = orders.slLines.mid(1);
    source.strDeviceDesignator = parser.value(QStringLiteral("designator"));
    source.strSoftwareVersion = QString::fromLatin1(AppInfo::VERSION);
    if (parser.isSet(QStringLiteral("lists")))
        IsoXml::vReadListsFrom(parser.value(QStringLiteral("lists")), source);

    const QString strFolder = slArguments.at(1) + QStringLiteral("/TASKDATA");
    QDir().mkpath(strFolder);
    const QString strPath = strFolder + QStringLiteral("/TASKDATA.XML");
    FileWriter::Failure failure = FileWriter::Failure::None;
    if (!FileWriter::bWrite(strPath, IsoXml::baTaskData(source), &failure)) {
        std::fprintf(stderr, "%s\n", qPrintable(FileWriter::strCannotSave(strPath, failure)));
        return 1;
    }
    std::printf("%s\n", qPrintable(QDir::toNativeSeparators(strPath)));
    return 0;
}

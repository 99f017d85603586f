// Sample data for the list browser and the statistics pages: the four list
// files and the two statistics files as the terminal exports them, with the
// same seed always giving the same bytes.

#include "data/archivestore.h"
#include "data/listfile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cmath>

namespace
{

struct Customer {
    QString strNumber, strName1, strName2, strStreet, strPostcode, strTown, strPhone;
};

struct Field {
    int s32Customer = 0; // index into the customers
    QString strNumber, strName;
    int s32AreaM2 = 0;
    double dDistanceKm = 0;
};

struct Driver {
    QString strNumber, strFirstName, strLastName;
};

// The machine file covers the seasons 2011 to 2014: as much work as this
// season's, 4.6 times over.
constexpr double MACHINE_SEASONS = 4.6;

const char* const FIRST_NAMES[] = {"Jürgen", "Björn", "Hans-Günter", "Jörg",  "Käthe", "Günther",
                                   "Bärbel", "Karl",  "Uwe",         "Sören", "Heinz", "Anneliese"};
const char* const LAST_NAMES[] = {"Müller", "Bäumer", "Schäfer", "Größe", "Köhler",     "Brüggemann",
                                  "Höfer",  "Wöhler", "Jürgens", "Meier", "Oßenbrügge", "Lührs"};
const char* const TOWNS[][2] = {{"31134", "Hildesheim"},        {"31157", "Sarstedt"}, {"37154", "Northeim"},
                                {"37176", "Nörten-Hardenberg"}, {"29525", "Uelzen"},   {"21335", "Lüneburg"},
                                {"38300", "Wolfenbüttel"},      {"31188", "Holle"}};
const char* const STREETS[] = {"Mühlenweg",  "Hauptstraße",   "Am Gänseanger", "Rübenstraße",
                               "Kirchplatz", "Zur Schäferei", "Lindenallee",   "Bördestraße"};
const char* const FIELD_NAMES[] = {"Große Breite", "Am Mühlenweg",   "Hinterm Dorf", "Kälberweide",
                                   "Lange Stücke", "Über dem Bruch", "Gänsewiese",   "Schäferkamp",
                                   "Flöth",        "Börde Süd",      "Zuckerbusch",  "Rübenkamp"};
const char* const INFOS[] = {
    "", "", "", "nasser Boden", "viele Steine", "Hanglage", "Miete am Feldrand", "Unkraut", "Vorgewende eng"};

// The columns of the terminal's order export.
const char* const ORDER_COLUMNS[44] = {"Auftrags Nummer",
                                       "Auftrags Name",
                                       "Kunden Nummer",
                                       "Kunde",
                                       "Schlag Nummer",
                                       "Schlag",
                                       "Fahrer Nummer",
                                       "Fahrer",
                                       "Start",
                                       "Stopp",
                                       "Fläche [m²]",
                                       "Zeit Acker",
                                       "Zeit Warten",
                                       "Zeit Entladen",
                                       "Zeit Straße",
                                       "Zeit Stillstand",
                                       "Strecke Acker [m]",
                                       "Strecke Roden [m]",
                                       "Strecke Straße [m]",
                                       "Verbrauch Acker [ml]",
                                       "Verbrauch Straße [ml]",
                                       "Verbrauch Stillstand [ml]",
                                       "Menge [t]",
                                       "Ertrag [t/ha]",
                                       "Reihenanzahl",
                                       "Rodetiefe [mm]",
                                       "Zusatzinfo",
                                       "Sorte",
                                       "Mietenplatz",
                                       "Reihenabstand",
                                       "Zeit Roden",
                                       "Zeit Wenden",
                                       "Anzahl Wendungen",
                                       "Bunkerladungen [1/100]",
                                       "Überladungen",
                                       "Drehzahl Motor [1/min]",
                                       "Last Motor [%]",
                                       "Verbrauch Roden [ml]",
                                       "Verbrauch Wenden [ml]",
                                       "Geschwindigkeit Roden [km/h]",
                                       "Software Version",
                                       "Maschinen Nummer",
                                       "Betriebsstunden Motor",
                                       "Betriebsstunden Roder"};

template <typename T, int N> QString strPick(QRandomGenerator& _random, const T (&_a)[N])
{
    return QString::fromUtf8(_a[_random.bounded(N)]);
}

int s32Between(QRandomGenerator& _random, int _s32Low, int _s32High)
{
    return _random.bounded(_s32Low, _s32High + 1);
}

QString strDuration(int _s32Minutes)
{
    return QString::number(_s32Minutes / 60) + ':' + QString("%1").arg(_s32Minutes % 60, 2, 10, QChar('0'));
}

QString strComma(double _dValue, int _s32Decimals = 1)
{
    return QString::number(_dValue, 'f', _s32Decimals).replace('.', ',');
}

// One order line without the machine's hour counters, and what the order
// adds to them.
struct OrderRecord {
    QStringList slFields;
    int s32EngineMinutes = 0;
    int s32HarvestMinutes = 0;
};

class cSampleWriter
{
public:
    cSampleWriter(const QString& _strDir, quint32 _u32Seed, ListFileContent::Encoding _encoding)
        : m_dir(_strDir), m_random(_u32Seed), m_encoding(_encoding)
    {
    }

    // The campaign the orders belong to (it begins in September of _s32Year)
    // and the machine number the files name; 2014 and "VT4-10231" unless set.
    void vSetSeason(int _s32Year) { m_s32Year = _s32Year; }
    void vSetMachine(const QString& _strMachine) { m_strMachine = _strMachine; }
    // Orders drawn from a seed of their own: the customers, fields and
    // drivers stay those of the writer's seed (one contractor's).
    void vSetOrderSeed(quint32 _u32Seed)
    {
        m_u32OrderSeed = _u32Seed;
        m_bOrderSeed = true;
    }

    bool bWriteAll(int _s32Records)
    {
        vMakeMasterData();
        if (!bWriteCustomers() || !bWriteFields() || !bWriteDrivers())
            return false;
        if (m_bOrderSeed)
            m_random.seed(m_u32OrderSeed);
        return bWriteOrders(_s32Records) && bWriteStatistics("Statistik Saison.csv", 1.0) &&
               bWriteStatistics("Statistik Maschine.csv", MACHINE_SEASONS);
    }

private:
    bool bWrite(const QString& _strName, QStringList _slLines)
    {
        _slLines << QString(); // every line ends with a line feed, as exported
        ListFileContent content;
        content.slLines = _slLines;
        content.encoding = m_encoding;
        QString strError;
        if (ListFile::bWrite(m_dir.filePath(_strName), content, &strError))
            return true;
        QTextStream(stderr) << strError << '\n';
        return false;
    }

    void vMakeMasterData()
    {
        for (int s32Index = 0; s32Index < 24; ++s32Index) {
            const int s32Town = m_random.bounded(int(std::size(TOWNS)));
            Customer customer;
            customer.strNumber = QString::number(4701 + s32Index * 7);
            customer.strName1 = s32Index % 3 == 0 ? QStringLiteral("Hof") : strPick(m_random, FIRST_NAMES);
            customer.strName2 = strPick(m_random, LAST_NAMES) + (s32Index % 5 == 0 ? " GbR" : "");
            customer.strStreet =
                strPick(m_random, STREETS) + ' ' + QString::number(s32Between(m_random, 1, 80));
            customer.strPostcode = TOWNS[s32Town][0];
            customer.strTown = QString::fromUtf8(TOWNS[s32Town][1]);
            customer.strPhone = QString("0%1 %2")
                                    .arg(s32Between(m_random, 4100, 5999))
                                    .arg(s32Between(m_random, 10000, 999999));
            m_customers << customer;
            for (int s32Field = s32Between(m_random, 2, 5); s32Field > 0; --s32Field) {
                Field field;
                field.s32Customer = s32Index;
                field.strNumber = QString::number(s32Field);
                field.strName = strPick(m_random, FIELD_NAMES);
                field.s32AreaM2 = s32Between(m_random, 10000, 120000);
                field.dDistanceKm = s32Between(m_random, 3, 250) / 10.0;
                m_fields << field;
            }
        }
        // Six drivers with six different first and last names.
        const int s32First = m_random.bounded(int(std::size(FIRST_NAMES)));
        const int s32Last = m_random.bounded(int(std::size(LAST_NAMES)));
        for (int s32Index = 0; s32Index < 6; ++s32Index) {
            m_drivers << Driver{
                QString::number(s32Index + 1),
                QString::fromUtf8(FIRST_NAMES[(s32First + s32Index) % std::size(FIRST_NAMES)]),
                QString::fromUtf8(LAST_NAMES[(s32Last + 5 * s32Index) % std::size(LAST_NAMES)])};
        }
    }

    bool bWriteCustomers()
    {
        QStringList slLines{"Kunden Nummer;Name 1;Name 2;Strasse;PLZ;Ort;Telefax;Telefon;eMail"};
        for (const Customer& c : m_customers)
            slLines << QStringList{c.strNumber, c.strName1, c.strName2, c.strStreet, c.strPostcode,
                                   c.strTown,   QString(),  c.strPhone, QString()}
                           .join(';');
        return bWrite(QStringLiteral("Kunden.csv"), slLines);
    }

    bool bWriteFields()
    {
        QStringList slLines{QStringLiteral("Kunden Nummer;Kunde;Schlag;Fläche;Entfernung")};
        for (const Field& f : m_fields) {
            const Customer& c = m_customers.at(f.s32Customer);
            slLines << QStringList{c.strNumber, c.strName2, f.strName, strComma(f.s32AreaM2 / 10000.0, 2),
                                   strComma(f.dDistanceKm)}
                           .join(';');
        }
        return bWrite(QStringLiteral("Schläge.csv"), slLines);
    }

    bool bWriteDrivers()
    {
        QStringList slLines{
            "Fahrer Nummer;Fahrername 1;Fahrername 2;Strasse;PLZ;Ort;Telefon 1;Telefon 2;eMail;"
            "Frei 1;Frei 2;Frei 3;Frei 4;Frei 5;Frei 6"};
        for (const Driver& d : m_drivers) {
            const int s32Town = m_random.bounded(int(std::size(TOWNS)));
            QStringList slFields{d.strNumber,
                                 d.strFirstName,
                                 d.strLastName,
                                 strPick(m_random, STREETS) + ' ' +
                                     QString::number(s32Between(m_random, 1, 40)),
                                 TOWNS[s32Town][0],
                                 QString::fromUtf8(TOWNS[s32Town][1]),
                                 QString("05121 %1").arg(s32Between(m_random, 10000, 99999)),
                                 QString("0171 %1").arg(s32Between(m_random, 1000000, 9999999)),
                                 QString("fahrer%1@example.org").arg(d.strNumber)};
            while (slFields.size() < 15)
                slFields << (slFields.size() == 9 ? QStringLiteral("Saisonkraft") : QString());
            slLines << slFields.join(';');
        }
        return bWrite(QStringLiteral("Fahrer.csv"), slLines);
    }

    bool bWriteOrders(int _s32Records)
    {
        // Starts spread over the campaign from September to mid-December, in
        // file order; the order number is the record's line number.
        const QDateTime first(QDate(m_s32Year, 9, 8), QTime(6, 0));
        const QVector<qint64> starts = startMinutes(_s32Records, first);
        m_s32Orders = _s32Records;

        QStringList slHeader;
        for (const char* pColumn : ORDER_COLUMNS)
            slHeader << QString::fromUtf8(pColumn);
        QVector<OrderRecord> records;
        for (int s32Line = 1; s32Line <= _s32Records; ++s32Line)
            records << orderRecord(s32Line, first.addSecs(starts.at(s32Line - 1) * 60));
        return bWrite(QStringLiteral("Aufträge.csv"),
                      QStringList{slHeader.join(';')} + slWithHourCounters(records));
    }

    // The orders' starts in minutes after _first, in ascending order.
    QVector<qint64> startMinutes(int _s32Records, const QDateTime& _first)
    {
        const qint64 s64Span = _first.secsTo(QDateTime(QDate(m_s32Year, 12, 15), QTime(18, 0))) / 60;
        QVector<qint64> starts;
        for (int s32Index = 0; s32Index < _s32Records; ++s32Index)
            starts << qint64(m_random.bounded(quint32(s64Span)));
        std::sort(starts.begin(), starts.end());
        return starts;
    }

    // The order of line _s32Line, started at _start, without the machine's
    // hour counters; the order adds to the season's sums.
    OrderRecord orderRecord(int _s32Line, const QDateTime& _start)
    {
        const Field& field = m_fields.at(m_random.bounded(m_fields.size()));
        const Customer& customer = m_customers.at(field.s32Customer);
        const Driver& driver = m_drivers.at(m_random.bounded(m_drivers.size()));
        const int s32Area = field.s32AreaM2 - s32Between(m_random, 0, field.s32AreaM2 / 20);
        const double dHa = s32Area / 10000.0;
        const int s32Harvest = std::max(1, int(dHa / (s32Between(m_random, 110, 190) / 100.0) * 60));
        const int s32Unload = s32Harvest * s32Between(m_random, 12, 28) / 100;
        const int s32Turning = s32Harvest * s32Between(m_random, 6, 12) / 100;
        const int s32Waiting = s32Between(m_random, 0, 25);
        const int s32FieldMinutes = s32Harvest + s32Unload + s32Turning + s32Waiting;
        const int s32RoadMinutes = s32Between(m_random, 5, 45) + int(field.dDistanceKm * 2);
        const int s32HarvestMetres = int(s32Area / 2.7);
        const int s32FieldMetres = s32HarvestMetres * s32Between(m_random, 112, 135) / 100;
        const int s32RoadMetres = s32RoadMinutes * s32Between(m_random, 380, 520);
        const int s32HarvestFuel = int(dHa * s32Between(m_random, 24000, 36000));
        const int s32FieldFuel = s32HarvestFuel * s32Between(m_random, 114, 130) / 100;
        const int s32RoadFuel = s32RoadMetres * s32Between(m_random, 35, 60) / 100;
        const int s32Yield = s32Between(m_random, 550, 850); // t/ha * 10
        const QDateTime stop = _start.addSecs((s32FieldMinutes + s32RoadMinutes) * 60);
        QString strFieldName = field.strName;
        if (_s32Line % 17 == 3)
            strFieldName += QString(s32Between(m_random, 1, 6), QChar(0)); // padded by the terminal

        QStringList f;
        f << QString::number(_s32Line) << QString("A-%1-%2").arg(m_s32Year).arg(_s32Line, 5, 10, QChar('0'))
          << customer.strNumber << customer.strName2 << field.strNumber << strFieldName << driver.strNumber
          << driver.strFirstName + ' ' + driver.strLastName << _start.toString("dd.MM.yyyy hh:mm")
          << stop.toString("dd.MM.yyyy hh:mm") << QString::number(s32Area) << strDuration(s32FieldMinutes)
          << strDuration(s32Waiting) << strDuration(s32Unload) << strDuration(s32RoadMinutes)
          << strDuration(s32Between(m_random, 0, 15)) << QString::number(s32FieldMetres)
          << QString::number(s32HarvestMetres) << QString::number(s32RoadMetres)
          << QString::number(s32FieldFuel) << QString::number(s32RoadFuel)
          << QString::number(s32Between(m_random, 200, 2500)) << QString::number(int(dHa * s32Yield / 10))
          << strComma(s32Yield / 10.0) << "6" << QString::number(s32Between(m_random, 20, 60))
          << strPick(m_random, INFOS) << (_s32Line % 2 ? "Annalena" : "Lisanna")
          << QString("Miete %1").arg(s32Between(m_random, 1, 4)) << "45" << strDuration(s32Harvest)
          << strDuration(s32Turning) << QString::number(s32Turning / 2 + 1)
          << QString::number(int(dHa * s32Yield / 10 / 22.0 * 100))
          << QString::number(s32Between(m_random, 0, 3)) << QString::number(s32Between(m_random, 1450, 1850))
          << QString::number(s32Between(m_random, 55, 92)) << QString::number(s32HarvestFuel)
          << QString::number(s32FieldFuel - s32HarvestFuel) << strComma(s32Between(m_random, 45, 75) / 10.0)
          << "V2.16.4" << m_strMachine;
        m_dSeason[0] += dHa;
        m_dSeason[1] += s32FieldMetres / 1000.0;
        m_dSeason[2] += s32RoadMetres / 1000.0;
        m_dSeason[3] += s32FieldFuel / 1000.0;
        m_dSeason[4] += s32RoadFuel / 1000.0;
        m_dSeason[5] += s32FieldMinutes / 60.0;
        m_dSeason[6] += s32RoadMinutes / 60.0;
        return {f, s32FieldMinutes + s32RoadMinutes, s32Harvest};
    }

    // The order lines with the machine's hour counters behind every order.
    // The counters at the season's start hold the earlier seasons that the
    // machine file covers: their field and road time plus some idle running
    // for the engine, their harvesting time for the harvester. So the
    // machine's engine hours are never fewer than its hours in field and on
    // road, and the harvester's never more than its field time.
    QStringList slWithHourCounters(const QVector<OrderRecord>& _records)
    {
        const double dEarlierSeasons = MACHINE_SEASONS - 1.0;
        int s32SeasonEngine = 0;
        int s32SeasonHarvest = 0;
        for (const OrderRecord& record : _records) {
            s32SeasonEngine += record.s32EngineMinutes;
            s32SeasonHarvest += record.s32HarvestMinutes;
        }
        int s32EngineMinutes = int(dEarlierSeasons * s32SeasonEngine * 1.08) + 56;
        int s32HarvesterMinutes = int(dEarlierSeasons * s32SeasonHarvest * 0.97);
        QStringList slLines;
        for (const OrderRecord& record : _records) {
            slLines << (record.slFields +
                        QStringList{strDuration(s32EngineMinutes), strDuration(s32HarvesterMinutes)})
                           .join(';');
            s32EngineMinutes += record.s32EngineMinutes;
            s32HarvesterMinutes += record.s32HarvestMinutes;
        }
        m_s32EngineMinutes = s32EngineMinutes;
        m_s32HarvesterMinutes = s32HarvesterMinutes;
        return slLines;
    }

    // The season file sums the orders; the machine file covers more seasons.
    bool bWriteStatistics(const QString& _strName, double _dFactor)
    {
        const auto d = [&](int _s32Index) { return m_dSeason[_s32Index] * _dFactor; };
        const auto per = [](double _dValue, double _dDivisor) {
            return _dDivisor > 0 ? _dValue / _dDivisor : 0.0;
        };
        const QStringList slHeader{"Zeitraum",
                                   "Fläche",
                                   "Anzahl Aufträge",
                                   "Strecke Acker",
                                   "Strecke Straße",
                                   "Verbrauch Acker",
                                   "Verbrauch Acker pro Stunde",
                                   "Verbrauch Acker pro Hektar",
                                   "Verbrauch Straße",
                                   "Verbrauch Straße pro Stunde",
                                   "Verbrauch Straße pro Kilometer",
                                   "Zeit Straße",
                                   "Zeit Acker",
                                   "Betriebsstunden Motor",
                                   "Betriebsstunden Roder",
                                   "Maschinen Nummer"};
        const QStringList slRecord{_dFactor > 1 ? QString("%1-%2").arg(m_s32Year - 3).arg(m_s32Year)
                                                : QString::number(m_s32Year),
                                   strComma(d(0)),
                                   QString::number(int(m_s32Orders * _dFactor)),
                                   strComma(d(1)),
                                   strComma(d(2)),
                                   strComma(d(3)),
                                   strComma(per(d(3), d(5))),
                                   strComma(per(d(3), d(0))),
                                   strComma(d(4)),
                                   strComma(per(d(4), d(6))),
                                   strComma(per(d(4), d(2)), 2),
                                   strComma(d(6)),
                                   strComma(d(5)),
                                   strDuration(m_s32EngineMinutes),
                                   strDuration(m_s32HarvesterMinutes),
                                   m_strMachine};
        return bWrite(_strName, {slHeader.join(';'), slRecord.join(';')});
    }

    QDir m_dir;
    QRandomGenerator m_random;
    int m_s32Year = 2014;
    bool m_bOrderSeed = false;
    quint32 m_u32OrderSeed = 0;
    QString m_strMachine = QStringLiteral("VT4-10231");
    ListFileContent::Encoding m_encoding;
    QVector<Customer> m_customers;
    QVector<Field> m_fields;
    QVector<Driver> m_drivers;
    int m_s32Orders = 0;
    double m_dSeason[7] = {};
    int m_s32EngineMinutes = 0;
    int m_s32HarvesterMinutes = 0;
};

// An archive of _s32Orders orders spread over ten machines and ten
// campaigns (2005/06 to 2014/15), each machine's lists and season figures
// of each campaign imported as if downloaded at the campaign's end.
int s32FillArchive(const QString& _strArchive, int _s32Orders, quint32 _u32Seed)
{
    constexpr int MACHINES = 10;
    constexpr int SEASONS = 10;
    constexpr int LAST_YEAR = 2014;
    QTemporaryDir work;
    cArchiveStore store(cArchiveStore::sqliteConnection(_strArchive, QStringLiteral("sampledata")));
    const ArchiveOpenResult opened = store.open();
    if (!opened.bUsable() || !work.isValid()) {
        QTextStream(stderr) << opened.strMessage << '\n';
        return 1;
    }
    int s32Done = 0;
    for (int s32Machine = 0; s32Machine < MACHINES; ++s32Machine) {
        ArchiveMachine machine{QStringLiteral("VT4-1024%1").arg(s32Machine),
                               QStringLiteral("LQ-%1").arg(4000 + s32Machine)};
        for (int s32Season = 0; s32Season < SEASONS; ++s32Season) {
            const int s32Year = LAST_YEAR - SEASONS + 1 + s32Season;
            const int s32Part = s32Machine * SEASONS + s32Season;
            const int s32Records = _s32Orders * (s32Part + 1) / (MACHINES * SEASONS) - s32Done;
            s32Done += s32Records;
            const QString strDir = work.filePath(QString::number(s32Part));
            QDir().mkpath(strDir);
            cSampleWriter writer(strDir, _u32Seed, ListFileContent::Encoding::Utf8WithBom);
            writer.vSetOrderSeed(_u32Seed + quint32(1000 * s32Machine + s32Year));
            writer.vSetSeason(s32Year);
            writer.vSetMachine(machine.strChassis);
            if (!writer.bWriteAll(s32Records))
                return 1;
            for (const QString& strName : QDir(strDir).entryList(QDir::Files, QDir::Name)) {
                QFile file(QDir(strDir).filePath(strName));
                ArchiveInput input;
                input.strFileName = strName;
                input.machine = machine;
                input.arrived = QDateTime(QDate(s32Year, 12, 20), QTime(18, 0), Qt::UTC);
                if (!file.open(QIODevice::ReadOnly))
                    return 1;
                input.baContent = file.readAll();
                QString strMessage;
                if (!store.importFile(input, &strMessage).bOk()) {
                    QTextStream(stderr) << strMessage << '\n';
                    return 1;
                }
            }
        }
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("Writes sample list and statistics files of a harvester terminal.");
    parser.addHelpOption();
    parser.addPositionalArgument("outdir", "Folder for the files (created when missing); with --archive the "
                                           "archive file.");
    const QCommandLineOption recordsOption("records", "Number of order records (default 300).", "N", "300");
    const QCommandLineOption seedOption("seed", "Random seed (default 2014).", "S", "2014");
    const QCommandLineOption encodingOption("encoding", "latin1 (default) or utf8bom.", "E", "latin1");
    const QCommandLineOption archiveOption(
        "archive", "Fill the archive file outdir with N orders of ten machines over ten campaigns.", "N");
    parser.addOptions({recordsOption, seedOption, encodingOption, archiveOption});
    parser.process(app);

    bool bRecordsOk = false;
    bool bSeedOk = false;
    const int s32Records = parser.value(recordsOption).toInt(&bRecordsOk);
    const quint32 u32Seed = parser.value(seedOption).toUInt(&bSeedOk);
    const QString strEncoding = parser.value(encodingOption);
    if (parser.positionalArguments().size() != 1 || !bRecordsOk || s32Records < 0 || !bSeedOk ||
        (strEncoding != "latin1" && strEncoding != "utf8bom")) {
        QTextStream(stderr) << parser.helpText();
        return 2;
    }
    const QString strDir = parser.positionalArguments().constFirst();
    if (parser.isSet(archiveOption)) {
        bool bOrdersOk = false;
        const int s32Orders = parser.value(archiveOption).toInt(&bOrdersOk);
        if (!bOrdersOk || s32Orders < 0) {
            QTextStream(stderr) << parser.helpText();
            return 2;
        }
        // Customers are placed in the order of the application's default
        // language, as its own downloads would place them.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const int s32Exit = s32FillArchive(strDir, s32Orders, u32Seed);
        QSqlDatabase::removeDatabase(QStringLiteral("sampledata"));
        return s32Exit;
    }
    if (!QDir().mkpath(strDir)) {
        QTextStream(stderr) << "Cannot create " << strDir << '\n';
        return 1;
    }
    cSampleWriter writer(strDir, u32Seed,
                         strEncoding == "utf8bom" ? ListFileContent::Encoding::Utf8WithBom
                                                  : ListFileContent::Encoding::Latin1);
    return writer.bWriteAll(s32Records) ? 0 : 1;
}

#include "data/isoxml.h"
#include "testsupport.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <algorithm>

// The ISOXML export read back as XML: the references between customers,
// fields, workers, harvesters and tasks, the totals in the data dictionary's
// units, the texts as they were, values kept in the schema's ranges, and the
// schema itself where xmllint and the schema are at hand.
class tst_IsoXml : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { TestSupport::vIsolate(); }
    void referencesAndFigures();
    void onlyTheExportedOrdersNames();
    void listsEnrichCustomersAndWorkers();
    void listsFolderReadByTheListKinds();
    void textsAndValuesStayValid_data();
    void textsAndValuesStayValid();
    void oneHarvesterWritesAsWithoutMachines_data();
    void oneHarvesterWritesAsWithoutMachines();
    void tasksNameTheirHarvester_data();
    void tasksNameTheirHarvester();
    void validatesAgainstTheSchema_data();
    void validatesAgainstTheSchema();
    void exportFolderIsCompleteAndNeverOverwritten();
};

namespace
{

using Fields = QMap<int, QString>;
using Attributes = QMap<QString, QString>;

QString record(const Fields& _fields)
{
    QStringList slFields;
    for (int i = 0; i < 44; ++i)
        slFields << _fields.value(i);
    return slFields.join(';');
}

// Every element as its name and attributes, in document order; attribute
// "parent" holds the enclosing element's "A" (a task's id, a time's start).
QVector<QPair<QString, Attributes>> elements(const QByteArray& _baXml)
{
    QVector<QPair<QString, Attributes>> result;
    QXmlStreamReader xml(_baXml);
    QStringList slOpen;
    QStringList slOpenIds;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            Attributes attributes;
            for (const QXmlStreamAttribute& attribute : xml.attributes())
                attributes.insert(attribute.name().toString(), attribute.value().toString());
            attributes.insert("parent", slOpenIds.value(slOpenIds.size() - 1));
            result.append({xml.name().toString(), attributes});
            slOpen << xml.name().toString();
            slOpenIds << (attributes.value("A").isEmpty() ? xml.name().toString() : attributes.value("A"));
        } else if (xml.isEndElement()) {
            slOpen.removeLast();
            slOpenIds.removeLast();
        }
    }
    if (xml.hasError())
        result.append({"XML error", {{"text", xml.errorString()}}});
    return result;
}

QVector<Attributes> ofName(const QVector<QPair<QString, Attributes>>& _elements, const QString& _strName)
{
    QVector<Attributes> result;
    for (const auto& element : _elements) {
        if (element.first == _strName)
            result.append(element.second);
    }
    return result;
}

// O1 and O2: one customer on one field, O2 without a driver; O3 another customer.
QStringList slOrders()
{
    return {record({{0, "17"},
                    {2, "4711"},
                    {3, QString::fromUtf8("Müller Röder")},
                    {4, "3"},
                    {5, "Breite & <Ost>"},
                    {6, "12"},
                    {7, QString::fromUtf8("Hans Weiß")},
                    {8, "01.10.2023 08:00"},
                    {9, "01.10.2023 11:45"},
                    {10, "20000"},
                    {11, "2:00"},
                    {14, "0:20"},
                    {16, "9000"},
                    {17, "7000"},
                    {18, "2500"},
                    {19, "60000"},
                    {20, "5000"},
                    {30, "1:30"}}),
            record({{0, "18"},
                    {2, "4711"},
                    {3, QString::fromUtf8("Müller Röder")},
                    {4, "3"},
                    {5, "Breite & <Ost>"},
                    {8, "02.10.2023 07:30"},
                    {9, "02.10.2023 09:00"},
                    {10, "30000"}}),
            record({{0, "19"},
                    {2, "815"},
                    {3, "Hof Ost"},
                    {4, "5"},
                    {5, "Lange Wiese"},
                    {6, "14"},
                    {7, "Karl"},
                    {8, "03.10.2023 10:00"},
                    {10, "10000"}})};
}

IsoXml::Source source(const QStringList& _slOrders, const QStringList& _slMachines = {})
{
    IsoXml::Source source;
    source.slOrderRecords = _slOrders;
    source.slOrderMachines = _slMachines;
    source.strDeviceDesignator = "WAB123";
    source.strSoftwareVersion = "0.16.0-T";
    return source;
}

} // namespace

void tst_IsoXml::referencesAndFigures()
{
    const auto all = elements(IsoXml::baTaskData(source(slOrders())));
    QVERIFY(ofName(all, "XML error").isEmpty());
    const Attributes root = all.first().second;
    QCOMPARE(all.first().first, QStringLiteral("ISO11783_TaskData"));
    QCOMPARE(root.value("VersionMajor"), QStringLiteral("4"));
    QCOMPARE(root.value("VersionMinor"), QStringLiteral("3"));
    QCOMPARE(root.value("ManagementSoftwareVersion"), QStringLiteral("0.16.0-T"));
    QCOMPARE(root.value("DataTransferOrigin"), QStringLiteral("2"));

    const QVector<Attributes> customers = ofName(all, "CTR");
    const QVector<Attributes> fields = ofName(all, "PFD");
    const QVector<Attributes> workers = ofName(all, "WKR");
    const QVector<Attributes> tasks = ofName(all, "TSK");
    QCOMPARE(customers.size(), 2);
    QCOMPARE(fields.size(), 2);
    QCOMPARE(workers.size(), 2);
    QCOMPARE(tasks.size(), 3);
    QCOMPARE(customers.at(0).value("B"), QString::fromUtf8("Müller Röder"));
    QCOMPARE(fields.at(0).value("C"), QStringLiteral("Breite & <Ost>"));
    QCOMPARE(fields.at(0).value("E"), customers.at(0).value("A"));
    QCOMPARE(fields.at(0).value("D"), QStringLiteral("30000")); // the largest area worked on it
    QCOMPARE(workers.at(0).value("B"), QString::fromUtf8("Hans Weiß"));

    // Both orders of the customer on the field refer to the same customer and
    // field; the one without a driver has no worker.
    QCOMPARE(tasks.at(0).value("C"), customers.at(0).value("A"));
    QCOMPARE(tasks.at(1).value("C"), customers.at(0).value("A"));
    QCOMPARE(tasks.at(1).value("E"), fields.at(0).value("A"));
    QCOMPARE(tasks.at(0).value("F"), workers.at(0).value("A"));
    QVERIFY(!tasks.at(1).contains("F"));
    QCOMPARE(tasks.at(2).value("F"), workers.at(1).value("A"));
    for (const Attributes& task : tasks)
        QCOMPARE(task.value("G"), QStringLiteral("4"));

    // Every reference names an element of the document.
    QSet<QString> ids;
    for (const auto& element : all)
        ids.insert(element.second.value("A"));
    for (const Attributes& task : tasks) {
        for (const char* key : {"C", "E", "F"})
            QVERIFY2(!task.contains(key) || ids.contains(task.value(key)), key);
    }

    // The first order's time and totals in the data dictionary's units.
    const QVector<Attributes> times = ofName(all, "TIM");
    QCOMPARE(times.size(), 3);
    QCOMPARE(times.at(0).value("parent"), tasks.at(0).value("A"));
    QCOMPARE(times.at(0).value("A"), QStringLiteral("2023-10-01T08:00:00"));
    QCOMPARE(times.at(0).value("B"), QStringLiteral("2023-10-01T11:45:00"));
    QCOMPARE(times.at(0).value("D"), QStringLiteral("4"));
    QMap<QString, QString> values;
    for (const Attributes& value : ofName(all, "DLV")) {
        QVERIFY(ids.contains(value.value("C")));
        // The first time element's start names it.
        if (value.value("parent") == times.at(0).value("A"))
            values.insert(value.value("A"), value.value("B"));
    }
    const QMap<QString, QString> expected{{"0074", "20000"},   // m²
                                          {"0075", "7000000"}, // mm harvested
                                          {"0076", "4500000"}, // mm: 2 km empty runs, 2.5 km road
                                          {"0077", "5400"},    // s harvesting
                                          {"0078", "3000"},   // s: 30 min rest of the field time, 20 min road
                                          {"0094", "65000"}}; // ml
    QCOMPARE(values, expected);
    // The second order logs only what it has: its area.
    int s32SecondValues = 0;
    for (const auto& element : all)
        s32SecondValues += element.first == "DLV" && element.second.value("B") == "30000";
    QCOMPARE(s32SecondValues, 1);
}

void tst_IsoXml::onlyTheExportedOrdersNames()
{
    const QByteArray baXml = IsoXml::baTaskData(source(slOrders().mid(2)));
    const auto all = elements(baXml);
    QCOMPARE(ofName(all, "CTR").size(), 1);
    QCOMPARE(ofName(all, "CTR").first().value("B"), QStringLiteral("Hof Ost"));
    QCOMPARE(ofName(all, "PFD").size(), 1);
    QCOMPARE(ofName(all, "WKR").size(), 1);
    QVERIFY(!QString::fromUtf8(baXml).contains(QString::fromUtf8("Müller")));
    // Nothing to export: a valid document without tasks or device.
    const auto none = elements(IsoXml::baTaskData(source({})));
    QCOMPARE(none.size(), 1);
}

void tst_IsoXml::listsEnrichCustomersAndWorkers()
{
    IsoXml::Source withLists = source(slOrders());
    withLists.slCustomerLines =
        QStringList{"Kunden Nummer;Name 1;Name 2;Strasse;PLZ;Ort;Telefax;Telefon;eMail",
                    QString::fromUtf8("4711;Jürgen;Müller Röder;Rübenweg 5;38300;Wolfenbüttel;;"
                                      "05331 1234;mueller@example.org")};
    withLists.slDriverLines =
        QStringList{"Fahrer Nummer;Fahrername 1;Fahrername 2;Strasse;PLZ;Ort;Telefon 1;Telefon 2;eMail",
                    QString::fromUtf8("12;Hans;Weiß;Feldweg 1;31134;Hildesheim;05121 555;0171 666;"
                                      "hans@example.org")};
    withLists.slFieldLines = QStringList{QString::fromUtf8("Kunden Nummer;Kunde;Schlag;Fläche;Entfernung"),
                                         QString::fromUtf8("4711;Müller Röder;Breite & <Ost>;12,5;3,2")};
    const auto all = elements(IsoXml::baTaskData(withLists));
    const Attributes customer = ofName(all, "CTR").first();
    QCOMPARE(customer.value("B"), QString::fromUtf8("Müller Röder"));
    QCOMPARE(customer.value("C"), QString::fromUtf8("Jürgen"));
    QCOMPARE(customer.value("D"), QString::fromUtf8("Rübenweg 5"));
    QCOMPARE(customer.value("F"), QStringLiteral("38300"));
    QCOMPARE(customer.value("G"), QString::fromUtf8("Wolfenbüttel"));
    QCOMPARE(customer.value("J"), QStringLiteral("05331 1234"));
    QCOMPARE(customer.value("M"), QStringLiteral("mueller@example.org"));
    const Attributes worker = ofName(all, "WKR").first();
    QCOMPARE(worker.value("B"), QString::fromUtf8("Weiß"));
    QCOMPARE(worker.value("C"), QStringLiteral("Hans"));
    QCOMPARE(worker.value("K"), QStringLiteral("0171 666"));
    // The field's own area from the fields file.
    QCOMPARE(ofName(all, "PFD").first().value("D"), QStringLiteral("125000"));
    // A customer the file does not know keeps the order's name only.
    QCOMPARE(ofName(all, "CTR").at(1).value("B"), QStringLiteral("Hof Ost"));
    QVERIFY(!ofName(all, "CTR").at(1).contains("D"));
}

void tst_IsoXml::listsFolderReadByTheListKinds()
{
    // Each kind's newest file, the kind decided as the list browser decides
    // it: the newest names here would mislead a test for "Kunden" alone.
    QTemporaryDir dir;
    const QDateTime now = QDateTime::currentDateTime();
    const auto write = [&](const QString& _strName, const QString& _strFirstRecord, int _s32AgeSeconds) {
        QFile file(TestSupport::strWriteFile(dir.path() + '/' + _strName,
                                             ("Kopf\n" + _strFirstRecord + "\n").toUtf8()));
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(now.addSecs(-_s32AgeSeconds), QFileDevice::FileModificationTime));
    };
    write(QString::fromUtf8("Aufträge Kunden.csv"), "1;;4711;Hof", 10);
    write("Fahrer_Kunden.csv", "12;Hans;Weiss", 20);
    write("Fahrer alt.csv", "13;Alt;Fahrer", 30);
    write(QString::fromUtf8("Schläge.csv"), "4711;Hof;Breite;12,5;3", 40);
    write("Kunden.csv", "4711;Jens;Hof", 50);
    IsoXml::Source lists;
    IsoXml::vReadListsFrom(dir.path(), lists);
    QCOMPARE(lists.slCustomerLines.value(1), QStringLiteral("4711;Jens;Hof"));
    QCOMPARE(lists.slDriverLines.value(1), QStringLiteral("12;Hans;Weiss"));
    QCOMPARE(lists.slFieldLines.value(1), QStringLiteral("4711;Hof;Breite;12,5;3"));
}

void tst_IsoXml::textsAndValuesStayValid_data()
{
    QTest::addColumn<QString>("order");
    QTest::addColumn<QString>("element"); // "DLV 0076": the value of that entry
    QTest::addColumn<QString>("attribute");
    QTest::addColumn<QString>("expected"); // "<absent>" when it must not be there
    const QString strLong = QString(40, QChar(0x00FC));
    QTest::newRow("control characters dropped")
        << record({{0, "1"}, {3, QString("Hof\x01\x1f Ost")}, {8, "01.10.2023 08:00"}}) << "CTR"
        << "B"
        << "Hof Ost";
    QTest::newRow("name cut to 32 characters")
        << record({{0, "1"}, {3, strLong}, {8, "01.10.2023 08:00"}}) << "CTR"
        << "B" << strLong.left(32);
    QTest::newRow("no customer name: its number")
        << record({{0, "1"}, {2, "4711"}, {8, "01.10.2023 08:00"}}) << "CTR"
        << "B"
        << "4711";
    // An order without an area logs none; its other values stay.
    QTest::newRow("no area: none logged")
        << record({{0, "1"}, {8, "01.10.2023 08:00"}, {10, "0"}, {19, "5000"}}) << "DLV 0074"
        << "A"
        << "<absent>";
    QTest::newRow("no area: fuel still logged")
        << record({{0, "1"}, {8, "01.10.2023 08:00"}, {10, "0"}, {19, "5000"}}) << "DLV 0094"
        << "B"
        << "5000";
    QTest::newRow("area beyond the range: none logged")
        << record({{0, "1"}, {8, "01.10.2023 08:00"}, {10, "99999999999"}}) << "DLV 0074"
        << "A"
        << "<absent>";
    QTest::newRow("negative fuel counts as none")
        << record({{0, "1"}, {8, "01.10.2023 08:00"}, {19, "-500"}}) << "DLV"
        << "B"
        << "0";
    QTest::newRow("distance in mm beyond the range clamped")
        << record({{0, "1"}, {8, "01.10.2023 08:00"}, {17, "3000000"}}) << "DLV"
        << "B"
        << "2147483647";
    QTest::newRow("negative harvesting distance adds no empty run")
        << record({{0, "1"}, {8, "01.10.2023 08:00"}, {16, "9000"}, {17, "-1000"}}) << "DLV 0076"
        << "B"
        << "9000000";
    QTest::newRow("one-digit hour and seconds") << record({{0, "1"}, {8, "01.10.2023 8:05:30"}}) << "TIM"
                                                << "A"
                                                << "2023-10-01T08:05:30";
    QTest::newRow("impossible date: no time")
        << record({{0, "1"}, {8, "30.02.2023 08:00"}, {10, "100"}}) << "TIM"
        << "A"
        << "<absent>";
    // A damaged year is no date: no time rather than an invalid one.
    QTest::newRow("letter in the year: no time")
        << record({{0, "1"}, {8, "19.11.2O14 11:04"}, {10, "100"}}) << "TIM"
        << "A"
        << "<absent>";
    QTest::newRow("minus in the year: no time")
        << record({{0, "1"}, {8, "19.11.-001 11:04"}, {10, "100"}}) << "TIM"
        << "A"
        << "<absent>";
    QTest::newRow("year 0000: no time") << record({{0, "1"}, {8, "19.11.0000 11:04"}, {10, "100"}}) << "TIM"
                                        << "A"
                                        << "<absent>";
    QTest::newRow("letter in the minutes: no time")
        << record({{0, "1"}, {8, "19.11.2014 11:O4"}, {10, "100"}}) << "TIM"
        << "A"
        << "<absent>";
    QTest::newRow("year 0001 kept") << record({{0, "1"}, {8, "01.01.0001 00:00"}}) << "TIM"
                                    << "A"
                                    << "0001-01-01T00:00:00";
    QTest::newRow("letter in the stop's year: start kept, no stop")
        << record({{0, "1"}, {8, "19.11.2014 11:04"}, {9, "19.11.2O14 12:00"}}) << "TIM"
        << "B"
        << "<absent>";
    QTest::newRow("no start: no time") << record({{0, "1"}, {8, "gestern"}, {10, "100"}}) << "TIM"
                                       << "A"
                                       << "<absent>";
    QTest::newRow("stop before start left out")
        << record({{0, "1"}, {8, "02.10.2023 08:00"}, {9, "01.10.2023 08:00"}}) << "TIM"
        << "B"
        << "<absent>";
}

void tst_IsoXml::textsAndValuesStayValid()
{
    QFETCH(QString, order);
    QFETCH(QString, element);
    QFETCH(QString, attribute);
    QFETCH(QString, expected);
    const auto all = elements(IsoXml::baTaskData(source({order})));
    QVERIFY(ofName(all, "XML error").isEmpty());
    QVector<Attributes> found = ofName(all, element.section(' ', 0, 0));
    if (element.contains(' ')) {
        found.erase(std::remove_if(found.begin(), found.end(),
                                   [&](const Attributes& _value) {
                                       return _value.value("A") != element.section(' ', 1);
                                   }),
                    found.end());
    }
    if (expected == "<absent>") {
        QVERIFY(found.isEmpty() || !found.first().contains(attribute));
        return;
    }
    QVERIFY(!found.isEmpty());
    QCOMPARE(found.first().value(attribute), expected);
}

void tst_IsoXml::oneHarvesterWritesAsWithoutMachines_data()
{
    QTest::addColumn<QStringList>("machines");
    QTest::newRow("all empty") << QStringList{"", "", ""};
    QTest::newRow("shorter than the orders") << QStringList{""};
    QTest::newRow("all the default harvester") << QStringList{"WAB123", " WAB123 ", ""};
}

void tst_IsoXml::oneHarvesterWritesAsWithoutMachines()
{
    QFETCH(QStringList, machines);
    const QByteArray baWithout = IsoXml::baTaskData(source(slOrders()));
    QCOMPARE(IsoXml::baTaskData(source(slOrders(), machines)), baWithout);
    // The one device as the export has always written it: exports made
    // before stay the same.
    const auto all = elements(baWithout);
    const QVector<Attributes> devices = ofName(all, "DVC");
    QCOMPARE(devices.size(), 1);
    QCOMPARE(devices.first().value("A"), QStringLiteral("DVC-1"));
    QCOMPARE(devices.first().value("B"), QStringLiteral("WAB123"));
    QCOMPARE(devices.first().value("D"), QStringLiteral("A010000000000000"));
    QCOMPARE(devices.first().value("F"), QStringLiteral("00000000000000"));
    QCOMPARE(ofName(all, "DET").first().value("A"), QStringLiteral("DET-1"));
    for (const Attributes& value : ofName(all, "DLV"))
        QCOMPARE(value.value("C"), QStringLiteral("DET-1"));
    QVERIFY(ofName(all, "DAN").isEmpty());
}

void tst_IsoXml::tasksNameTheirHarvester_data()
{
    QTest::addColumn<QStringList>("orders");
    QTest::addColumn<QStringList>("machines");
    QTest::addColumn<QStringList>("devices");      // the devices' designators, in order
    QTest::addColumn<QStringList>("taskMachines"); // the designator of each task's device
    const QStringList slThree = slOrders();
    QTest::newRow("two, the first again")
        << slThree << QStringList{"WAB1", "WAB2", "WAB1"} << QStringList{"WAB1", "WAB2"}
        << QStringList{"WAB1", "WAB2", "WAB1"};
    QTest::newRow("three, in the order they come")
        << slThree << QStringList{"WAB9", "WAB1", "WAB5"} << QStringList{"WAB9", "WAB1", "WAB5"}
        << QStringList{"WAB9", "WAB1", "WAB5"};
    QTest::newRow("missing and empty entries: the default")
        << slThree << QStringList{"", "WAB7"} << QStringList{"WAB123", "WAB7"}
        << QStringList{"WAB123", "WAB7", "WAB123"};
    QTest::newRow("the default named or left empty: the same device")
        << slThree << QStringList{"WAB7", "WAB123", ""} << QStringList{"WAB7", "WAB123"}
        << QStringList{"WAB7", "WAB123", "WAB123"};
    // The machines run beside the records, the empty ones included.
    QTest::newRow("an empty record keeps its machine's place")
        << QStringList{slThree.at(0), " ", slThree.at(1), slThree.at(2)}
        << QStringList{"WAB1", "WAB2", "WAB3", "WAB1"} << QStringList{"WAB1", "WAB3"}
        << QStringList{"WAB1", "WAB3", "WAB1"};
}

void tst_IsoXml::tasksNameTheirHarvester()
{
    QFETCH(QStringList, orders);
    QFETCH(QStringList, machines);
    QFETCH(QStringList, devices);
    QFETCH(QStringList, taskMachines);
    const auto all = elements(IsoXml::baTaskData(source(orders, machines)));
    QVERIFY(ofName(all, "XML error").isEmpty());

    // Each device by its designator: its id, its element's id, its NAME and
    // the data dictionary entries it logs.
    QStringList slDesignators;
    QHash<QString, Attributes> deviceOf;
    QHash<QString, QString> elementOf;
    QHash<QString, QSet<QString>> ddisOf;
    QSet<QString> ids, names, labels;
    for (const auto& element : all) {
        const Attributes& attributes = element.second;
        if (element.first == "DVC") {
            slDesignators << attributes.value("B");
            deviceOf.insert(attributes.value("B"), attributes);
            names.insert(attributes.value("D"));
            labels.insert(attributes.value("F"));
        } else if (element.first == "DET") {
            elementOf.insert(slDesignators.last(), attributes.value("A"));
        } else if (element.first == "DPD") {
            ddisOf[slDesignators.last()].insert(attributes.value("B"));
        }
        if (QStringList{"DVC", "DET", "TSK"}.contains(element.first)) {
            QVERIFY2(!ids.contains(attributes.value("A")), qPrintable(attributes.value("A")));
            ids.insert(attributes.value("A"));
        }
    }
    QCOMPARE(slDesignators, devices);
    QCOMPARE(names.size(), devices.size());
    QCOMPARE(labels.size(), devices.size());

    // Each task's values name its harvester's element and are entries the
    // harvester logs; its allocation names the harvester's NAME and id.
    QStringList slTaskMachines;
    QString strMachine;
    for (const auto& element : all) {
        const Attributes& attributes = element.second;
        if (element.first == "TSK") {
            strMachine = taskMachines.value(slTaskMachines.size());
            slTaskMachines << strMachine;
        } else if (element.first == "DLV") {
            QCOMPARE(attributes.value("C"), elementOf.value(strMachine));
            QVERIFY(ddisOf.value(strMachine).contains(attributes.value("A")));
        } else if (element.first == "DAN") {
            QCOMPARE(attributes.value("parent"), QStringLiteral("TSK-%1").arg(slTaskMachines.size()));
            QCOMPARE(attributes.value("A"), deviceOf.value(strMachine).value("D"));
            QCOMPARE(attributes.value("C"), deviceOf.value(strMachine).value("A"));
        }
    }
    QCOMPARE(slTaskMachines, taskMachines);
    QCOMPARE(ofName(all, "DAN").size(), taskMachines.size());
}

void tst_IsoXml::validatesAgainstTheSchema_data()
{
    QTest::addColumn<QStringList>("machines");
    QTest::newRow("one harvester") << QStringList{};
    QTest::newRow("three harvesters") << QStringList{"WAB1", "", "WAB3", "WAB1"};
}

void tst_IsoXml::validatesAgainstTheSchema()
{
    QFETCH(QStringList, machines);
    const QString strSchema = QStringLiteral(VEMO_ISOXML_SCHEMA);
    if (!QFileInfo::exists(strSchema) || QStandardPaths::findExecutable("xmllint").isEmpty())
        QSKIP("xmllint or the ISOXML schema is not at hand (CI validates the sample data's export)");
    // The fixtures, hostile texts included.
    QStringList slOrders = ::slOrders();
    slOrders << record({{0, QString(50, 'x')},
                        {3, QString("\x02<&>\"'")},
                        {5, "A\tB"},
                        {7, QString(40, 'y')},
                        {8, "01.10.2023 08:00"},
                        {10, "-5"},
                        {17, "99999999"}});
    QTemporaryDir dir;
    const QString strPath = TestSupport::strWriteFile(dir.path() + "/TASKDATA.XML",
                                                      IsoXml::baTaskData(source(slOrders, machines)));
    QProcess xmllint;
    xmllint.setProcessChannelMode(QProcess::MergedChannels);
    xmllint.start("xmllint", {"--noout", "--schema", strSchema, strPath});
    QVERIFY(xmllint.waitForFinished(60000));
    QVERIFY2(xmllint.exitCode() == 0, xmllint.readAll().constData());
}

void tst_IsoXml::exportFolderIsCompleteAndNeverOverwritten()
{
    QTemporaryDir dir;
    const QByteArray baXml = IsoXml::baTaskData(source(slOrders()));
    QString strError;
    const QString strFirst = IsoXml::strWriteExport(dir.path(), "ISOXML_Dr. Hof", baXml, &strError);
    const QString strSecond = IsoXml::strWriteExport(dir.path(), "ISOXML_Dr. Hof", baXml, &strError);
    QCOMPARE(strFirst, dir.path() + "/ISOXML_Dr_ Hof");
    QCOMPARE(strSecond, dir.path() + "/ISOXML_Dr_ Hof (2)");
    QCOMPARE(TestSupport::baReadFile(strSecond + "/TASKDATA/TASKDATA.XML"), baXml);
    // Readable as any new folder is, not only by its owner as a temporary one.
    QCOMPARE(QFileInfo(strFirst).permissions(), QFileInfo(strFirst + "/TASKDATA").permissions());
    // Nothing else is left beside them.
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(), 2);

    // A file where the folder belongs: the reason, and nothing written.
    const QString strBlocked = TestSupport::strWriteFile(dir.path() + "/blocked", "file");
    QVERIFY(IsoXml::strWriteExport(strBlocked, "ISOXML", baXml, &strError).isEmpty());
    QVERIFY2(strError.contains("blocked"), qPrintable(strError));
}

QTEST_MAIN(tst_IsoXml)
#include "tst_isoxml.moc"

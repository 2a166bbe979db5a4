#include "fixturetree.h"

#include "DALCommon.h"
#include "DALTargetDef.h"

#include <QDomDocument>
#include <QtTest>

namespace {
const QString kPrefix = QStringLiteral("File open failed: ");

const QByteArray kTargets =
    "<Targets>"
    "<Target>a.xml</Target>"
    "<VirtualTarget name=\"V\"><Target>b.xml</Target></VirtualTarget>"
    "<Default>b.xml:V</Default>"
    "</Targets>";

QByteArray targetFile(QByteArray const &name, QByteArray const &ioSettings = QByteArray())
{
    return "<TargetDefinition><Name>" + name + "</Name>" + ioSettings + "</TargetDefinition>";
}

struct Fixture
{
    QString first = QStringLiteral("first");
    QString second;
};
}

class TestDALTargetDef : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetLibraryState(); }
    void cleanup() { resetLibraryState(); }

    void listsEntries();
    void defaultTarget_data();
    void defaultTarget();
    void targetsFileFaults_data();
    void targetsFileFaults();
    void nullTargetsDocument();
    void readsSingleValues();
    void entryAndDocumentFaults_data();
    void entryAndDocumentFaults();
    void ioSettings();
    void ioSettingFaults();
    void targetFileNamePairsByPosition();
    void copiesAreIndependent();
};

void TestDALTargetDef::listsEntries()
{
    Fixture f;
    QDomDocument targets = parseXml("<Targets><Target>a.xml</Target>"
                                 "<VirtualTarget name=\"V\"><Target>b.xml</Target><Target>c.xml</Target></VirtualTarget>"
                                 "<group><myVIRTUALtargets name=\"W\"><Target>d.xml</Target></myVIRTUALtargets></group>"
                                 "<Other name=\"X\"><Target>e.xml</Target></Other>"
                                 "</Targets>");
    DALTargetDef def(f.first, f.second, &targets, "");
    QCOMPARE(def.getFileInfolist(),
             (QStringList{"a.xml:", "b.xml:V", "c.xml:V", "d.xml:W", "e.xml:"}));
    QVERIFY(def.getTargets().targets.isEmpty());
    QCOMPARE(def.getTargets().defaultTarget, QString());
    QVERIFY(DALCommon::getErrorList().isEmpty());
}

void TestDALTargetDef::defaultTarget_data()
{
    QTest::addColumn<QByteArray>("defaultEntry");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << QByteArray("a.xml") << "LP";
    QTest::newRow("virtual") << QByteArray("b.xml:V") << "Board:V";
    QTest::newRow("plain written with colon") << QByteArray("a.xml:") << "";
    QTest::newRow("virtual file without name") << QByteArray("b.xml") << "";
    QTest::newRow("none") << QByteArray() << "";
}

void TestDALTargetDef::defaultTarget()
{
    QFETCH(QByteArray, defaultEntry);
    QFETCH(QString, expected);
    Fixture f;
    QByteArray xml = "<Targets><Target>a.xml</Target>"
                     "<VirtualTarget name=\"V\"><Target>b.xml</Target></VirtualTarget>";
    if (!defaultEntry.isEmpty())
        xml += "<Default>" + defaultEntry + "</Default>";
    QDomDocument targets = parseXml(xml + "</Targets>");
    DALTargetDef def(f.first, f.second, &targets, "/t");
    QDomDocument a = parseXml(targetFile("LP"));
    QDomDocument b = parseXml(targetFile("Board"));
    QCOMPARE(def.readTargetFile(&a, "a.xml:"), 0);
    QCOMPARE(def.readTargetFile(&b, "b.xml:V"), 0);
    QCOMPARE(def.getTargets().defaultTarget, expected);
    QCOMPARE(def.getTargets().targets.size(), 2);
    QCOMPARE(def.getTargets().targets.at(0).virtualTarget, QString());
    QCOMPARE(def.getTargets().targets.at(1).virtualTarget, QString("V"));
    QVERIFY(DALCommon::getErrorList().isEmpty());
}

void TestDALTargetDef::targetsFileFaults_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("errors");
    QTest::addColumn<QString>("defaultTarget");
    const QString noName = kPrefix + "The VirtualTarget tag is missing a name attribute";
    QTest::newRow("virtual without name")
        << QByteArray("<T><Target>a.xml</Target>"
                      "<VirtualTarget><Target>b.xml</Target><Target>c.xml</Target></VirtualTarget>"
                      "<Target>d.xml</Target><Default>a.xml</Default></T>")
        << QStringList{"a.xml:"} << QStringList{noName, noName} << "";
    QTest::newRow("two defaults")
        << QByteArray("<T><Target>a.xml</Target><Default>a.xml</Default><Default>a.xml</Default></T>")
        << QStringList{"a.xml:"}
        << QStringList{kPrefix + "More than one default target given in targets.xml"} << "";
}

void TestDALTargetDef::targetsFileFaults()
{
    QFETCH(QByteArray, xml);
    QFETCH(QStringList, entries);
    QFETCH(QStringList, errors);
    QFETCH(QString, defaultTarget);
    Fixture f;
    QDomDocument targets = parseXml(xml);
    DALTargetDef def(f.first, f.second, &targets, "");
    QCOMPARE(def.getFileInfolist(), entries);
    QCOMPARE(DALCommon::getErrorList(), errors);
    // The default entry was not taken: reading its file sets no default.
    QDomDocument a = parseXml(targetFile("LP"));
    QCOMPARE(def.readTargetFile(&a, "a.xml:"), 0);
    QCOMPARE(def.getTargets().defaultTarget, defaultTarget);
}

void TestDALTargetDef::nullTargetsDocument()
{
    Fixture f;
    DALTargetDef def(f.first, f.second, nullptr, "");
    QCOMPARE(DALCommon::getErrorList(),
             QStringList{kPrefix + "Document object to target file is null pointer!"});
    QCOMPARE(DALCommon::getStatus(), -1);
    QVERIFY(def.getFileInfolist().isEmpty());
    QDomDocument a = parseXml(targetFile("LP"));
    QCOMPARE(def.readTargetFile(&a, "a.xml:"), 0);
    QCOMPARE(def.getTargets().targets.size(), 1);
}

void TestDALTargetDef::readsSingleValues()
{
    Fixture f;
    QDomDocument targets = parseXml(kTargets);
    DALTargetDef def(f.first, f.second, &targets, "");
    QDomDocument file = parseXml("<TargetDefinition>"
                              "<Nested><Name>Board <b>X</b></Name></Nested><Name>Later</Name>"
                              "<Description>desc</Description><DeviceName>VO4725</DeviceName>"
                              "<DevicePackage>QFN20</DevicePackage><PaSettings>pa.xml</PaSettings>"
                              "<FrontEnd>Diff</FrontEnd><RfDesign>RD1</RfDesign>"
                              "<DefaultCategory>Prop</DefaultCategory>"
                              "</TargetDefinition>");
    QCOMPARE(def.readTargetFile(&file, "b.xml:V"), 0);
    const DALTargetDef::Target &t = def.getTargets().targets.at(0);
    QCOMPARE((QStringList{t.virtualTarget, t.name, t.description, t.deviceName, t.devicePackage, t.paSettings,
                          t.frontEnd, t.rfDesign, t.defaultCategory}),
             (QStringList{"V", "Board X", "desc", "VO4725", "QFN20", "pa.xml", "Diff", "RD1", "Prop"}));
    QVERIFY(t.ioSettings.isEmpty());
    QCOMPARE(def.getTargets().defaultTarget, QString("Board X:V"));
}

void TestDALTargetDef::entryAndDocumentFaults_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("withDocument");
    QTest::addColumn<QString>("error");
    const QString format = kPrefix + "Invalid format of the filename. It should contain a ':'. Given name: ";
    QTest::newRow("no colon") << "a.xml" << true << format + "a.xml";
    QTest::newRow("two colons") << "a.xml:V:W" << true << format + "a.xml:V:W";
    QTest::newRow("format before document") << "a.xml" << false << format + "a.xml";
    QTest::newRow("null document") << "a.xml:" << false
        << kPrefix + "Document object for Target definition is null pointer for file name: a.xml:";
}

void TestDALTargetDef::entryAndDocumentFaults()
{
    QFETCH(QString, entry);
    QFETCH(bool, withDocument);
    QFETCH(QString, error);
    Fixture f;
    QDomDocument targets = parseXml(kTargets);
    DALTargetDef def(f.first, f.second, &targets, "");
    QDomDocument file = parseXml(targetFile("LP"));
    QCOMPARE(def.readTargetFile(withDocument ? &file : nullptr, entry), -1);
    QCOMPARE(DALCommon::getErrorList(), QStringList{error});
    QVERIFY(def.getTargets().targets.isEmpty());
}

void TestDALTargetDef::ioSettings()
{
    Fixture f;
    QDomDocument targets = parseXml(kTargets);
    DALTargetDef def(f.first, f.second, &targets, "");
    QDomDocument file = parseXml(targetFile("LP",
        "<IoSettings>"
        "<IoPin name=\"P1\"><ControlFunction>Radio</ControlFunction><RadioSignal>Sync</RadioSignal>"
        "<Idle>0</Idle><!-- note --><Tx>1</Tx>text<Rx>0</Rx><Idle>Z</Idle></IoPin>"
        "<group><IoPin name=\"P2\"/></group>"
        "</IoSettings>"
        "<IoSettings><IoPin name=\"P3\"><Tx><x>1</x></Tx></IoPin></IoSettings>"));
    QCOMPARE(def.readTargetFile(&file, "a.xml:"), 0);
    const QList<DALTargetDef::IoSetting> pins = def.getTargets().targets.at(0).ioSettings;
    QCOMPARE(pins.size(), 3);
    // name|controlFunction|radioSignal|idle|tx|rx per pin
    QStringList texts;
    for (const DALTargetDef::IoSetting &pin : pins)
        texts << QStringList{pin.name, pin.controlFunction, pin.radioSignal, pin.idle, pin.tx, pin.rx}.join('|');
    QCOMPARE(texts, (QStringList{"P1|Radio|Sync|Z|1|0", "P2|||||", "P3||||1|"}));
    QVERIFY(DALCommon::getErrorList().isEmpty());
}

void TestDALTargetDef::ioSettingFaults()
{
    Fixture f;
    QDomDocument targets = parseXml(kTargets);
    DALTargetDef def(f.first, f.second, &targets, "");
    QDomDocument file = parseXml(targetFile("LP",
        "<IoSettings>"
        "<IoPin><Idle>0</Idle></IoPin>"
        "<IoPin name=\"A\"><Idle>0</Idle></IoPin>"
        "<IoPin name=\"B\"><Idle>0</Idle><Tx>1</Tx><Sleep>1</Sleep><idle>2</idle></IoPin>"
        "<IoPin name=\"C\"/>"
        "</IoSettings>"
        "<IoSettings><IoPin name=\"D\"/></IoSettings>"));
    // The clean pins after the faults do not reset the result.
    QCOMPARE(def.readTargetFile(&file, "b.xml:V"), -1);
    const QString tail = "\", given for a IoSettings element in b.xml:V. Possible values: "
                         "ControlFunction, RadioSignal, Idle, Tx or Rx";
    QCOMPARE(DALCommon::getErrorList(),
             (QStringList{kPrefix + "Attribute name missing for a IoPin setting in b.xml:V.",
                          kPrefix + "Unknown Tag Name \"Sleep" + tail,
                          kPrefix + "Unknown Tag Name \"idle" + tail}));
    // B is dropped and C skipped with the rest of its IoSettings; D is read.
    QCOMPARE(def.getTargets().targets.size(), 1);
    const DALTargetDef::Target &target = def.getTargets().targets.at(0);
    QCOMPARE(target.name, QString("LP"));
    QCOMPARE(target.ioSettings.size(), 2);
    QCOMPARE(target.ioSettings.at(0).name + target.ioSettings.at(1).name, QString("AD"));
    QCOMPARE(def.getTargets().defaultTarget, QString("LP:V"));
}

void TestDALTargetDef::targetFileNamePairsByPosition()
{
    Fixture f;
    QDomDocument targets = parseXml(kTargets);
    DALTargetDef def(f.first, f.second, &targets, "");
    QCOMPARE(def.getTargetFileName("LP"), QString());
    QDomDocument a = parseXml(targetFile("LP"));
    QDomDocument b = parseXml(targetFile("Board"));
    def.readTargetFile(&a, "a.xml:");
    def.readTargetFile(&b, "b.xml:V");
    QCOMPARE(def.getTargetFileName("LP"), QString("a.xml:"));
    QCOMPARE(def.getTargetFileName("Board"), QString("b.xml:V"));
    QVERIFY(def.getTargetFileName("board").isNull());
    // A third target has no entry at its position.
    QDomDocument c = parseXml(targetFile("Extra"));
    def.readTargetFile(&c, "c.xml:");
    QVERIFY(def.getTargetFileName("Extra").isNull());
}

void TestDALTargetDef::copiesAreIndependent()
{
    Fixture f;
    QDomDocument targets = parseXml(kTargets);
    auto *original = new DALTargetDef(f.first, f.second, &targets, "");
    QDomDocument b = parseXml(targetFile("Board"));
    original->readTargetFile(&b, "b.xml:V");
    DALTargetDef copy(*original);
    QString empty;
    DALTargetDef assigned(empty, empty, nullptr, "");
    assigned = *original;
    delete original;

    copy.getTargets().targets[0].name = "Changed";
    QCOMPARE(assigned.getTargets().targets.at(0).name, QString("Board"));
    QCOMPARE(assigned.getTargets().defaultTarget, QString("Board:V"));
    QCOMPARE(copy.getFileInfolist(), (QStringList{"a.xml:", "b.xml:V"}));
    // Pairs by position: the only target was read for the second entry.
    QCOMPARE(copy.getTargetFileName("Changed"), QString("a.xml:"));
}

QTEST_GUILESS_MAIN(TestDALTargetDef)
#include "tst_daltargetdef.moc"

#include "settingsfixture.h"

#include "DALCommon.h"
#include "DALDeviceConfig.h"
#include "DALPaSettingsDef.h"
#include "DALRfCmdSettings.h"

#include <QCoreApplication>
#include <QtTest>

namespace {

using Pa = DALPaSettingsDef;
const QString kDevice = QStringLiteral("VO4725");

QByteArray entry(QByteArray const &text, QByteArray const &value, QByteArray const &extra = QByteArray())
{
    return "<PaSetting text=\"" + text + "\"><Value>" + value + "</Value>" + extra + "</PaSetting>";
}

QByteArray range(QByteArray const &min, QByteArray const &max, QByteArray const &entries)
{
    return "<FrequencyRange><Min>" + min + "</Min><Max>" + max + "</Max><PaSettingTable>" + entries
           + "</PaSettingTable></FrequencyRange>";
}

QByteArray paFile(QByteArray const &designs, QByteArray const &defaults = "<DefaultPaTable>" + entry("def", "1") + "</DefaultPaTable>")
{
    return "<pasettings>" + designs + defaults + "</pasettings>";
}

// Designs P0..P<count-1>, each one range 100..900 of level "pN".
QByteArray padded(int count)
{
    QByteArray xml;
    for (int i = 0; i < count; ++i) {
        const QByteArray n = QByteArray::number(i);
        xml += "<RfDesign name=\"P" + n + "\">" + range("100", "900", entry("p" + n, "1")) + "</RfDesign>";
    }
    return xml;
}

// D twice (the second one's 860..870 never reached), E2 with a range
// without table and an inverted one.
const QByteArray kRangeDesigns =
    "<RfDesign name=\"D\">" + range("863", "870", entry("first", "1")) + range("860", "870", entry("second", "2"))
    + "</RfDesign><RfDesign name=\"E2\"><FrequencyRange><Min>0</Min><Max>10</Max></FrequencyRange>"
    + range("60", "40", entry("inverted", "3")) + "</RfDesign>"
    "<RfDesign name=\"D\">" + range("860", "870", entry("never", "4")) + range("900", "930", entry("later", "5"))
    + "</RfDesign>";

using HostChange = void (*)(DALPaSettingsDef::PaSettings &);

// The PA files of the device, read from the directory of its categories.xml.
using PaTree = CmdSettingsTree;

Pa read(PaTree const &tree)
{
    return Pa(tree.directory(), kDevice, tree.cmdSettings(), false);
}

QStringList texts(Pa::PaSettingTable const *table)
{
    QStringList result;
    if (table) {
        for (const Pa::PaSetting &setting : table->paSettings)
            result.append(setting.text);
    }
    return result;
}

} // namespace

Q_DECLARE_METATYPE(HostChange)

class TestDALPaSettingsDef : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetLibraryState(); }

    void readsMatchingFilesOnly();
    void failureTable_data();
    void failureTable();
    void numbers_data();
    void numbers();
    void rangeSelection_data();
    void rangeSelection();
    void hostChangesAreFollowed_data();
    void hostChangesAreFollowed();
    void commandsAndOptions();
    void nullCommandSettings();
    void deviceConfigDirectory();
    void copiesOwnTheirRecords();
    void messagesAreTranslated();
};

void TestDALPaSettingsDef::readsMatchingFilesOnly()
{
    PaTree tree;
    QVERIFY(tree.isValid());
    QVERIFY(tree.write("pasettings.xml", paFile("<RfDesign name=\"A\"/>")));
    QVERIFY(tree.write("pasettings_b.xml", paFile("<RfDesign name=\"B\"/>")));
    QVERIFY(tree.write("other.xml", "not xml"));
    QVERIFY(tree.write(".pasettings_hidden.xml", "not xml"));
    QVERIFY(tree.write("pasettings_dir.xml/x", "y"));
    Pa pa = read(tree);
    QVERIFY(DALCommon::getErrorList().isEmpty());
    QVERIFY(pa.getPaSettingsFile("PASETTINGS.XML"));
    QCOMPARE(pa.getPaSettingsFile("pasettings.xml")->rfDesigns.at(0).name, QString("A"));
    QCOMPARE(pa.getPaSettingsFile("PaSettings_B.xml")->rfDesigns.at(0).name, QString("B"));
    QCOMPARE(texts(&pa.getPaSettingsFile("pasettings_b.xml")->defaultPaTable), QStringList{"def"});
    QVERIFY(DALCommon::getErrorList().isEmpty());
    QVERIFY(!pa.getPaSettingsFile("other.xml"));
    QCOMPARE(DALCommon::getErrorList(),
             QStringList{"Configuration parameter error: File does not exists, filename: other.xml"});
}

void TestDALPaSettingsDef::failureTable_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("messages");
    const QString device = " Device: VO4725";
    const QString current = ", Current File: pasettings_a.xml, Device: VO4725";

    QTest::newRow("Min not a number") << paFile("<RfDesign>" + range("abc", "9", "") + "</RfDesign>")
                                      << QStringList{"File open failed: Invalid Min frequency: abc"};
    QTest::newRow("Min negative") << paFile("<RfDesign>" + range("-1", "9", "") + "</RfDesign>")
                                  << QStringList{"File open failed: Invalid Min frequency: -1"};
    QTest::newRow("Min and Max both bad")
        << paFile("<RfDesign><FrequencyRange><Max>x</Max></FrequencyRange></RfDesign>")
        << QStringList{"File open failed: Invalid Min frequency: ", "File open failed: Invalid Max frequency: x"};
    QTest::newRow("entry without text")
        << paFile("<RfDesign>" + range("1", "9", "<PaSetting><Value>1</Value></PaSetting>") + "</RfDesign>")
        << QStringList{"File open failed: XML name attribute missing in pasettings definition file." + device};
    QTest::newRow("Value missing") << paFile("<RfDesign>" + range("1", "9", "<PaSetting text=\"t\"/>") + "</RfDesign>")
                                   << QStringList{"Configuration parameter error: Incorrect PA setting value: " + current};
    QTest::newRow("Value not hexadecimal") << paFile("<RfDesign>" + range("1", "9", entry("t", "0xZ1")) + "</RfDesign>")
                                           << QStringList{"Configuration parameter error: Incorrect PA setting value: 0xZ1" + current};
    QTest::newRow("TxHighPa not hexadecimal")
        << paFile("", "<DefaultPaTable>" + entry("t", "1", "<TxHighPa>high</TxHighPa>") + "</DefaultPaTable>")
        << QStringList{"Configuration parameter error: Incorrect TxHighPa setting value: high" + current};
    QTest::newRow("Option problems, all visited")
        << paFile("", "<DefaultPaTable>" + entry("t", "1", "<Option>1</Option><Option name=\"a\"/><Option name=\"b\">2</Option>")
                  + "</DefaultPaTable>")
        << QStringList{"Configuration parameter error: The \"name\" attribute is missing for a PaSetting Option!",
                       "Configuration parameter error: The value is missing for the PaSetting Option \"a\"!"};
    QTest::newRow("Command without name")
        << paFile("<RfDesign>" + range("1", "9", entry("t", "1", "<Command><Field name=\"f\"/></Command>")) + "</RfDesign>")
        << QStringList{"File open failed: Missing \"name\" attribute for element Command in pasettings_a.xml"};
    QTest::newRow("Field without name")
        << paFile("", "<DefaultPaTable>" + entry("t", "1", "<Command name=\"C\"><Field>1</Field></Command>") + "</DefaultPaTable>")
        << QStringList{"File open failed: Missing \"name\" attribute for element Field in pasettings_a.xml"};
    // A failing file stops the reading of the files after it.
    QTest::newRow("no DefaultPaTable, designs valid")
        << paFile("<RfDesign>" + range("1", "9", entry("t", "1")) + "</RfDesign>", "")
        << QStringList{"File open failed: Default PA table missing: pasettings_a.xml"};
}

void TestDALPaSettingsDef::failureTable()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, messages);
    PaTree tree;
    QVERIFY(tree.write("pasettings.xml", paFile("")));
    QVERIFY(tree.write("pasettings_a.xml", content));
    QVERIFY(tree.write("pasettings_b.xml", paFile("")));
    Pa pa = read(tree);
    QCOMPARE(DALCommon::getErrorList(), messages);
    QVERIFY(pa.getPaSettingsFile("pasettings.xml"));
    QVERIFY(!pa.getPaSettingsFile("pasettings_a.xml"));
    QVERIFY(!pa.getPaSettingsFile("pasettings_b.xml"));
}

void TestDALPaSettingsDef::numbers_data()
{
    QTest::addColumn<QByteArray>("extra");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<uint>("expectedValue");
    QTest::addColumn<uint>("expectedHighPa");
    QTest::newRow("0x1F") << QByteArray() << QByteArray("0x1F") << 31u << 0xFFFFFFFFu;
    QTest::newRow("no prefix, padded") << QByteArray() << QByteArray(" 1f ") << 31u << 0xFFFFFFFFu;
    QTest::newRow("above 16 bits") << QByteArray() << QByteArray("10000") << 0u << 0xFFFFFFFFu;
    QTest::newRow("low 16 bits kept") << QByteArray() << QByteArray("0x12345") << 0x2345u << 0xFFFFFFFFu;
    QTest::newRow("empty TxHighPa") << QByteArray("<TxHighPa></TxHighPa>") << QByteArray("1") << 1u << 0xFFFFFFFFu;
    QTest::newRow("TxHighPa") << QByteArray("<TxHighPa>0x00C7FA</TxHighPa>") << QByteArray("1") << 1u << 0xC7FAu;
    QTest::newRow("TxHighPa all ones") << QByteArray("<TxHighPa>FFFFFFFF</TxHighPa>") << QByteArray("1") << 1u << 0xFFFFFFFFu;
    QTest::newRow("TxHighPa zero") << QByteArray("<TxHighPa>0</TxHighPa>") << QByteArray("1") << 1u << 0u;
}

void TestDALPaSettingsDef::numbers()
{
    QFETCH(QByteArray, extra);
    QFETCH(QByteArray, value);
    QFETCH(uint, expectedValue);
    QFETCH(uint, expectedHighPa);
    PaTree tree;
    QVERIFY(tree.write("pasettings.xml", paFile("<RfDesign name=\"D\">" + range("65537", "70000", entry("t", value, extra))
                                                + "</RfDesign>")));
    Pa pa = read(tree);
    QVERIFY(DALCommon::getErrorList().isEmpty());
    Pa::FrequencyRange &r = pa.getPaSettingsFile("pasettings.xml")->rfDesigns[0].frequencyRanges[0];
    QCOMPARE(uint(r.min), 1u);
    QCOMPARE(uint(r.max), 4464u);
    QCOMPARE(uint(r.paSettingTable.paSettings.at(0).value), expectedValue);
    QCOMPARE(uint(r.paSettingTable.paSettings.at(0).txHighPa), expectedHighPa);
}

void TestDALPaSettingsDef::rangeSelection_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("design");
    QTest::addColumn<int>("frequency");
    QTest::addColumn<QStringList>("table");
    QTest::newRow("first of overlapping") << "pasettings.xml" << "D" << 865 << QStringList{"first"};
    QTest::newRow("lower bound inclusive") << "pasettings.xml" << "D" << 863 << QStringList{"first"};
    QTest::newRow("upper bound inclusive") << "pasettings.xml" << "D" << 870 << QStringList{"first"};
    QTest::newRow("second range") << "pasettings.xml" << "D" << 861 << QStringList{"second"};
    QTest::newRow("above all ranges") << "pasettings.xml" << "D" << 871 << QStringList{"def"};
    QTest::newRow("later design of the same name") << "pasettings.xml" << "D" << 915 << QStringList{"later"};
    QTest::newRow("design name case") << "pasettings.xml" << "d" << 865 << QStringList{"def"};
    QTest::newRow("unknown design") << "pasettings.xml" << "E" << 865 << QStringList{"def"};
    QTest::newRow("range without table") << "pasettings.xml" << "E2" << 5 << QStringList{};
    QTest::newRow("min above max") << "pasettings.xml" << "E2" << 50 << QStringList{"def"};
    QTest::newRow("file name case") << "PaSettings.XML" << "D" << 861 << QStringList{"second"};
}

// The same answers after many other designs: a long list answers as a walk.
void TestDALPaSettingsDef::rangeSelection()
{
    QFETCH(QString, file);
    QFETCH(QString, design);
    QFETCH(int, frequency);
    QFETCH(QStringList, table);
    for (const int padding : {0, 40}) {
        PaTree tree;
        QVERIFY(tree.write("pasettings.xml", paFile(padded(padding) + kRangeDesigns)));
        Pa pa = read(tree);
        QVERIFY(DALCommon::getErrorList().isEmpty());
        Pa::PaSettingTable *found = pa.getPaSettingTable(file, design, static_cast<unsigned short>(frequency));
        QVERIFY(found);
        QCOMPARE(texts(found), table);
        QVERIFY(DALCommon::getErrorList().isEmpty());
    }
}

void TestDALPaSettingsDef::hostChangesAreFollowed_data()
{
    QTest::addColumn<HostChange>("change");
    QTest::addColumn<QString>("design");
    QTest::addColumn<QString>("level");
    // Designs P0..P39 (level pN), D, E2, D: see kRangeDesigns.
    QTest::newRow("first of a name renamed away")
        << HostChange([](Pa::PaSettings &f) { f.rfDesigns[40].name = "gone"; }) << "D" << "never";
    QTest::newRow("earlier design renamed to a later name")
        << HostChange([](Pa::PaSettings &f) { f.rfDesigns[3].name = "D"; }) << "D" << "p3";
    QTest::newRow("earlier design renamed to a unique name")
        << HostChange([](Pa::PaSettings &f) { f.rfDesigns[3].name = "P39"; }) << "P39" << "p3";
    QTest::newRow("design renamed to a new name")
        << HostChange([](Pa::PaSettings &f) { f.rfDesigns[39].name = "new"; }) << "new" << "p39";
    QTest::newRow("design appended")
        << HostChange([](Pa::PaSettings &f) { f.rfDesigns.append(f.rfDesigns.at(5)); f.rfDesigns.last().name = "Z"; })
        << "Z" << "p5";
    QTest::newRow("designs removed in front")
        << HostChange([](Pa::PaSettings &f) { f.rfDesigns.erase(f.rfDesigns.begin(), f.rfDesigns.begin() + 41); })
        << "D" << "never";
}

// The records are open to the host: lookups in a long list follow its
// changes, whether or not the file had been looked up before.
void TestDALPaSettingsDef::hostChangesAreFollowed()
{
    QFETCH(HostChange, change);
    QFETCH(QString, design);
    QFETCH(QString, level);
    PaTree tree;
    QVERIFY(tree.write("pasettings.xml", paFile(padded(40) + kRangeDesigns)));
    for (const bool lookedUpBefore : {false, true}) {
        Pa pa = read(tree);
        if (lookedUpBefore)
            QCOMPARE(texts(pa.getPaSettingTable("pasettings.xml", "D", 865)), QStringList{"first"});
        Pa::PaSettings *file = pa.getPaSettingsFile("pasettings.xml");
        QVERIFY(file);
        change(*file);
        QCOMPARE(texts(pa.getPaSettingTable("pasettings.xml", design, 865)), QStringList{level});
    }
}

void TestDALPaSettingsDef::commandsAndOptions()
{
    PaTree tree;
    QVERIFY(tree.write("pasettings.xml", paFile("", "<DefaultPaTable>"
        + entry("14 dBm", "1", "<Command name=\"CMD_PROP_RADIO_SETUP\"><Field name=\"txPower\">0xA63F</Field></Command>"
                               "<Option name=\"a\">1</Option><Wrap><Option name=\"b\">x</Option></Wrap>")
        + entry("14 dBm", "2", "<Command name=\"OTHER\"/>") + "</DefaultPaTable>")));
    Pa pa = read(tree);
    QVERIFY(DALCommon::getErrorList().isEmpty());
    Pa::PaSettingTable *table = pa.getPaSettingTable("pasettings.xml", "none", 1);
    QCOMPARE(table->paSettings.at(0).options, (QStringList{"a=1", "b=x"}));
    QString text = "14 dBm";
    const QList<DALRfCmdSettings::Command> commands = pa.getPaSettingCommands(table, text);
    QCOMPARE(commands.size(), 1);
    QCOMPARE(commands.at(0).name, QString("CMD_PROP_RADIO_SETUP"));
    QCOMPARE(commands.at(0).fields.at(0).value, QString("0xA63F"));
    QString other = "14 DBM";
    QVERIFY(pa.getPaSettingCommands(table, other).isEmpty());
    QVERIFY(pa.getPaSettingCommands(nullptr, text).isEmpty());

    // Unknown file: null, and the lookup is recorded.
    QVERIFY(!pa.getPaSettingTable("nope.xml", "D", 1));
    QCOMPARE(DALCommon::getErrorList(),
             QStringList{"Configuration parameter error: File does not exists, filename: nope.xml"});
    QCOMPARE(DALCommon::getStatus(), -1);
}

void TestDALPaSettingsDef::nullCommandSettings()
{
    PaTree tree;
    QVERIFY(tree.write("pasettings.xml", paFile("")));
    Pa pa(tree.directory(), kDevice, nullptr, false);
    QCOMPARE(DALCommon::getErrorList(), QStringList{"DALPaSettingsDef: Null pointer"});
    QCOMPARE(DALCommon::getStatus(), 0);
    // A later pointer serves no reading: the file stays missing.
    pa.setCmdSettingsPointer(tree.cmdSettings());
    QVERIFY(!pa.getPaSettingsFile("pasettings.xml"));

    // A file whose tables hold no entry needs no reader.
    resetLibraryState();
    QVERIFY(tree.write("pasettings.xml", paFile("", "<DefaultPaTable/>")));
    Pa empty(tree.directory(), kDevice, nullptr, false);
    QVERIFY(DALCommon::getErrorList().isEmpty());
    QVERIFY(empty.getPaSettingsFile("pasettings.xml"));
}

void TestDALPaSettingsDef::deviceConfigDirectory()
{
    {
        PaTree tree;
        QVERIFY(tree.write("pasettings.xml", paFile("<RfDesign name=\"mapped\"/>")));
        QVERIFY(tree.tree().writeDeviceConfig(kDevice, {"categories.xml", "pasettings.xml"}, "vo4725"));
        DALDeviceConfig::deleteInstance();
        Pa pa("/ignored/directory", kDevice, tree.cmdSettings(), true);
        QVERIFY(DALCommon::getErrorList().isEmpty());
        QCOMPARE(pa.getPaSettingsFile("pasettings.xml")->rfDesigns.at(0).name, QString("mapped"));
    }
    // No directory in the device map: nothing read, nothing recorded.
    PaTree tree;
    QVERIFY(tree.write("pasettings.xml", paFile("")));
    Pa pa(tree.directory(), kDevice, tree.cmdSettings(), true);
    QVERIFY(DALCommon::getErrorList().isEmpty());
    QVERIFY(!pa.getPaSettingsFile("pasettings.xml"));
}

void TestDALPaSettingsDef::copiesOwnTheirRecords()
{
    PaTree tree;
    QVERIFY(tree.write("pasettings.xml", paFile(padded(40) + "<RfDesign name=\"D\">" + range("1", "9", entry("in", "1"))
                                                + "</RfDesign>")));
    QVERIFY(tree.write("pasettings_b.xml", paFile("")));
    auto *original = new Pa(read(tree));
    Pa copy(*original);
    Pa assigned(tree.directory() + "/none", kDevice, nullptr, false);
    assigned = *original;
    assigned = assigned;
    Pa::PaSettingTable *copyTable = copy.getPaSettingTable("pasettings.xml", "D", 5);
    QVERIFY(copyTable != original->getPaSettingTable("pasettings.xml", "D", 5));
    original->getPaSettingsFile("pasettings.xml")->rfDesigns.clear();
    delete original;
    QCOMPARE(texts(copyTable), QStringList{"in"});
    QCOMPARE(texts(assigned.getPaSettingTable("pasettings.xml", "D", 5)), QStringList{"in"});
    Pa empty(tree.directory() + "/none", kDevice, nullptr, false);
    copy = empty;
    QVERIFY(!copy.getPaSettingsFile("pasettings.xml"));
    empty = assigned;
    QVERIFY(empty.getPaSettingsFile("pasettings_b.xml"));
}

void TestDALPaSettingsDef::messagesAreTranslated()
{
    PaTree tree;
    QVERIFY(tree.write("pasettings.xml", paFile("", "<DefaultPaTable>" + entry("t", "1", "<Option/><Option name=\"a\"/>")
                                                + "</DefaultPaTable>")));
    MarkingTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    Pa pa = read(tree);
    pa.getPaSettingsFile("x.xml");
    QCoreApplication::removeTranslator(&translator);
    // Translated before the arguments are filled in.
    QCOMPARE(DALCommon::getErrorList(),
             (QStringList{"Configuration parameter error: T<The \"name\" attribute is missing for a PaSetting Option!>",
                          "Configuration parameter error: T<The value is missing for the PaSetting Option \"a\"!>",
                          "Configuration parameter error: T<File does not exists, filename: x.xml>"}));
}

QTEST_GUILESS_MAIN(TestDALPaSettingsDef)
#include "tst_dalpasettingsdef.moc"

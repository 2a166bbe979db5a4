#include "settingsfixture.h"

#include "DALCommon.h"
#include "DALRfCmdSettings.h"

#include <QtTest>

#include <memory>

namespace {

using Settings = DALRfCmdSettings;
const QString kDevice = QStringLiteral("VO4725");

// Device tree for the lookup tests:
//   A: s.xml (commands X(f1=1) Y(y=0); every test function sets f1 and adds
//      one command of its own), t.xml (options "o=1")
//   B: u.xml
//   A again: b.xml (only reachable through getSetting(setting))
class LookupTree
{
public:
    LookupTree(QByteArray const &defaults = "<Default><DefCategory>A</DefCategory><DefSetting>t.xml</DefSetting></Default>")
    {
        m_ok = m_tree.writeDeviceConfig(kDevice, {"categories.xml"}, "vo4725");
        m_ok = m_ok && write("categories.xml",
            "<RfCommandSettings>" + defaults +
            "<Category><Name>A</Name><Setting>s.xml</Setting><Setting options=\"o=1\">t.xml</Setting></Category>"
            "<Category><Name>B</Name><Setting>u.xml</Setting><Setting options=\"first\">t.xml</Setting></Category>"
            "<Category><Name>A</Name><Setting>b.xml</Setting></Category>"
            "</RfCommandSettings>");
        m_ok = m_ok && write("s.xml",
            "<R><setting><Name>s</Name><TestFunc><ContTX>ctx.xml</ContTX><ContRX>crx.xml</ContRX>"
            "<PacketTX>ptx.xml</PacketTX><PacketRX>prx.xml</PacketRX></TestFunc>"
            + commandXml("X", "f1", "1") + commandXml("Y", "y", "0") + "</setting></R>");
        m_ok = m_ok && write("ctx.xml", "<R><Command name=\"X\"><Field name=\"f1\">2</Field>"
                                        "<Field name=\"f2\" tfOverride=\"no\">3</Field></Command>"
                                        + commandXml("CTX", "c", "1") + "</R>");
        m_ok = m_ok && write("crx.xml", "<R>" + commandXml("X", "f1", "rx") + commandXml("CRX", "c", "2") + "</R>");
        m_ok = m_ok && write("ptx.xml", "<R>" + commandXml("X", "f1", "ptx") + commandXml("PTX", "c", "3") + "</R>");
        m_ok = m_ok && write("prx.xml", "<R>" + commandXml("PRX", "c", "4") + commandXml("X", "f1", "prx") + "</R>");
        m_ok = m_ok && write("t.xml", "<R><setting><Name>t</Name>" + commandXml("T", "t", "1") + "</setting></R>");
        m_ok = m_ok && write("u.xml", "<R><setting><Name>u</Name></setting></R>");
        m_ok = m_ok && write("b.xml", "<R><setting><Name>b</Name></setting></R>");
        QString device = kDevice;
        m_settings.reset(new Settings(device));
    }
    bool isValid() const { return m_ok && m_settings->getStatus() == 0; }
    Settings &settings() { return *m_settings; }

private:
    bool write(QString const &name, QByteArray const &content) { return m_tree.write("vo4725/" + name, content); }
    FixtureTree m_tree;
    std::unique_ptr<Settings> m_settings;
    bool m_ok = false;
};

} // namespace

class TestDALRfSettingMerge : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetLibraryState(); }

    void testFunctionMerge_data();
    void testFunctionMerge();
    void lookupFailures_data();
    void lookupFailures();
    void lookupBySettingAlone();
    void defaultSetting();

    void mergeAppendNew_data();
    void mergeAppendNew();
    void mergeKeepsTargetFlagsAndAppendsFields();
    void overrideMerge_data();
    void overrideMerge();
    void mergeIntoItself();
};

void TestDALRfSettingMerge::testFunctionMerge_data()
{
    QTest::addColumn<int>("testFunc");
    QTest::addColumn<QStringList>("commands");
    QTest::newRow("none") << int(Settings::TF_NONE) << QStringList{"X(f1=1)", "Y(y=0)"};
    QTest::newRow("cont-tx") << int(Settings::TF_CONT_TX) << QStringList{"X(f1=2,f2=3!)", "Y(y=0)", "CTX(c=1)"};
    QTest::newRow("cont-rx") << int(Settings::TF_CONT_RX) << QStringList{"X(f1=rx)", "Y(y=0)", "CRX(c=2)"};
    QTest::newRow("packet-tx") << int(Settings::TF_PACKET_TX) << QStringList{"X(f1=ptx)", "Y(y=0)", "PTX(c=3)"};
    QTest::newRow("packet-rx") << int(Settings::TF_PACKET_RX) << QStringList{"X(f1=prx)", "Y(y=0)", "PRX(c=4)"};
    QTest::newRow("all") << int(Settings::TF_ALL)
                         << QStringList{"X(f1=prx,f2=3!)", "Y(y=0)", "CTX(c=1)", "CRX(c=2)", "PTX(c=3)", "PRX(c=4)"};
    QTest::newRow("out of range") << 9 << QStringList{"X(f1=1)", "Y(y=0)"};
}

void TestDALRfSettingMerge::testFunctionMerge()
{
    QFETCH(int, testFunc);
    QFETCH(QStringList, commands);
    LookupTree tree;
    QVERIFY(tree.isValid());
    Settings &settings = tree.settings();

    const Settings::CmdSetting setting = settings.getSetting("A", "s.xml", Settings::TestFunc_e(testFunc));
    QCOMPARE(describe(setting.commands), commands);
    QCOMPARE(setting.name, QString("s"));
    // The copy's test-function lists and the stored setting stay as read.
    QCOMPARE(describe(setting.contTx), (QStringList{"X(f1=2,f2=3!)", "CTX(c=1)"}));
    QCOMPARE(describe(setting.packetRx), (QStringList{"PRX(c=4)", "X(f1=prx)"}));
    QCOMPARE(describe(settings.getRfCategories().categories.at(0).settings.at(0).commands),
             (QStringList{"X(f1=1)", "Y(y=0)"}));
    QVERIFY(DALCommon::getErrorList().isEmpty());
}

void TestDALRfSettingMerge::lookupFailures_data()
{
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown category") << "C" << "s.xml" << "File open failed: Default Category not given in categories.xml";
    QTest::newRow("category case") << "a" << "s.xml" << "File open failed: Default Category not given in categories.xml";
    QTest::newRow("unknown setting") << "A" << "S.xml" << "File open failed: Default setting not given in categories.xml";
    QTest::newRow("setting of another category") << "A" << "u.xml" << "File open failed: Default setting not given in categories.xml";
    QTest::newRow("only in the later duplicate") << "A" << "b.xml" << "File open failed: Default setting not given in categories.xml";
}

void TestDALRfSettingMerge::lookupFailures()
{
    QFETCH(QString, category);
    QFETCH(QString, setting);
    QFETCH(QString, message);
    LookupTree tree;
    QVERIFY(tree.isValid());
    Settings &settings = tree.settings();
    const Settings::CmdSetting result = settings.getSetting(category, setting, Settings::TF_ALL);
    QCOMPARE(result.fileName, QString());
    QCOMPARE(result.name, QString());
    QVERIFY(result.commands.isEmpty());
    QVERIFY(result.contTx.isEmpty());
    QCOMPARE(DALCommon::getErrorList(), QStringList{message});
    QCOMPARE(DALCommon::getStatus(), -1);
    // A successful lookup clears the status, not the list.
    QCOMPARE(settings.getSetting("A", "t.xml", Settings::TF_NONE).name, QString("t"));
    QCOMPARE(DALCommon::getStatus(), 0);
    QCOMPARE(DALCommon::getErrorList().size(), 1);
}

// Lookups by setting alone, and the options of a setting.
void TestDALRfSettingMerge::lookupBySettingAlone()
{
    LookupTree tree;
    Settings &settings = tree.settings();
    // First match anywhere, without test-function merging.
    Settings::CmdSetting s = settings.getSetting(QString("s.xml"));
    QCOMPARE(describe(s.commands), (QStringList{"X(f1=1)", "Y(y=0)"}));
    QCOMPARE(settings.getSetting(QString("t.xml")).options, QString("o=1"));
    QCOMPARE(settings.getSetting(QString("u.xml")).name, QString("u"));
    QCOMPARE(settings.getSettingOptions("t.xml"), QString("o=1")); // first anywhere
    QCOMPARE(settings.getSettingOptions("s.xml"), QString());
    QCOMPARE(settings.getSettingOptions("none.xml"), QString());
    QVERIFY(DALCommon::getErrorList().isEmpty());

    // Unknown key: empty record, nothing recorded.
    QCOMPARE(settings.getSetting(QString("none.xml")).name, QString());
    QVERIFY(DALCommon::getErrorList().isEmpty());

    // Found in the second "A", but the lookup searches the first "A".
    QCOMPARE(settings.getSetting(QString("b.xml")).name, QString());
    QCOMPARE(DALCommon::getErrorList(),
             QStringList{"File open failed: Default setting not given in categories.xml"});
}

void TestDALRfSettingMerge::defaultSetting()
{
    {
        LookupTree tree;
        Settings &settings = tree.settings();
        QCOMPARE(describe(settings.getDefSetting(Settings::TF_CONT_TX).commands), QStringList{"T(t=1)"});
        QVERIFY(DALCommon::getErrorList().isEmpty());
    }
    LookupTree tree("<Default><DefSetting>s.xml</DefSetting></Default>");
    QVERIFY(tree.isValid());
    Settings &settings = tree.settings();
    QVERIFY(settings.getDefSetting(Settings::TF_NONE).commands.isEmpty());
    QCOMPARE(DALCommon::getErrorList(),
             QStringList{"File open failed: Default Category not given in categories.xml"});
}

void TestDALRfSettingMerge::mergeAppendNew_data()
{
    QTest::addColumn<int>("padding");
    QTest::addColumn<bool>("appendNew");
    QTest::newRow("update only") << 0 << false;
    QTest::newRow("append new") << 0 << true;
    QTest::newRow("long lists, update only") << 40 << false;
    QTest::newRow("long lists, append new") << 40 << true;
}

// Both "DUP" commands of the target take both "DUP" commands of the source,
// the later one last; a new name given twice is appended once, from its
// first; the source stays as it was. Long lists merge as short ones do.
void TestDALRfSettingMerge::mergeAppendNew()
{
    QFETCH(int, padding);
    QFETCH(bool, appendNew);
    DALRfCmdSettings settings = readCmdSettings();
    Settings::CmdSetting setting;
    QList<Settings::Command> source;
    QStringList expected{"T0(a=x)"}, appended;
    setting.commands << command("T0", {"a=t"});
    for (int i = 1; i <= padding; ++i) {
        setting.commands << command(QStringLiteral("T%1").arg(i), {"a=t"});
        source << command(QStringLiteral("S%1").arg(i), {"a=s"});
        expected << QStringLiteral("T%1(a=t)").arg(i);
        appended << QStringLiteral("S%1(a=s)").arg(i);
    }
    setting.commands << command("DUP", {"a=0"}) << command("DUP", {"b=0"});
    source << command("DUP", {"a=1", "c=1"}) << command("NEW", {"n=1"}) << command("DUP", {"a=2"})
           << command("NEW", {"n=2"}) << command("T0", {"a=x"});
    const QStringList sourceBefore = describe(source);
    settings.mergeCommandsToSetting(setting, source, appendNew);
    expected << "DUP(a=2,c=1)" << "DUP(b=0,a=2,c=1)";
    if (appendNew)
        expected << appended << "NEW(n=1)";
    QCOMPARE(describe(setting.commands), expected);
    QCOMPARE(describe(source), sourceBefore);
}

void TestDALRfSettingMerge::mergeKeepsTargetFlagsAndAppendsFields()
{
    DALRfCmdSettings settings = readCmdSettings();
    Settings::CmdSetting setting;
    setting.commands = {command("X", {"a=1!", "b=2", "a=3"})};
    setting.commands[0].function = "keep";
    Settings::Command update = command("X", {"c=7!", "a=4", "b=5!", "a=6", "c=8"});
    update.function = "other";
    QList<Settings::Command> source{update};
    settings.mergeCommandsToSetting(setting, source, false);
    // Values from the first field of the name; flags of the target kept;
    // new fields appended once with their own flag.
    QCOMPARE(describe(setting.commands), QStringList{"X(a=4!,b=5,a=4,c=7!)"});
    QCOMPARE(setting.commands.at(0).function, QString("keep"));
}

void TestDALRfSettingMerge::overrideMerge_data()
{
    QTest::addColumn<QString>("targetName");
    QTest::addColumn<QStringList>("targetBlocks");
    QTest::addColumn<QString>("sourceName");
    QTest::addColumn<QStringList>("sourceBlocks");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("blocks");
    QTest::addColumn<QStringList>("map"); // "name:i,j" per entry

    QTest::newRow("new blocks filed under source name")
        << "G" << QStringList{"b2"} << "F" << QStringList{"b1", "b2"}
        << "F" << QStringList{"b2", "b1"} << QStringList{"G:0", "F:1"};
    QTest::newRow("same name extends entry")
        << "F" << QStringList{"a"} << "F" << QStringList{"b", "a", "c"}
        << "F" << QStringList{"a", "b", "c"} << QStringList{"F:0,1,2"};
    QTest::newRow("empty source name")
        << "G" << QStringList{"a"} << "" << QStringList{"b"}
        << "G" << QStringList{"a"} << QStringList{"G:0"};
    QTest::newRow("empty source blocks")
        << "G" << QStringList{"a"} << "F" << QStringList{}
        << "G" << QStringList{"a"} << QStringList{"G:0"};
    QTest::newRow("all present: only the name changes")
        << "G" << QStringList{"a", "b"} << "F" << QStringList{"b"}
        << "F" << QStringList{"a", "b"} << QStringList{"G:0,1"};
    QTest::newRow("into a command without overrides")
        << "" << QStringList{} << "F" << QStringList{"x", "y"}
        << "F" << QStringList{"x", "y"} << QStringList{"F:0,1"};
}

void TestDALRfSettingMerge::overrideMerge()
{
    QFETCH(QString, targetName);
    QFETCH(QStringList, targetBlocks);
    QFETCH(QString, sourceName);
    QFETCH(QStringList, sourceBlocks);
    QFETCH(QString, name);
    QFETCH(QStringList, blocks);
    QFETCH(QStringList, map);

    DALRfCmdSettings settings = readCmdSettings();
    Settings::CmdSetting setting;
    setting.commands = {command("X", {}, targetName, targetBlocks)};
    // The source's own map files b1 under another name: merging ignores it.
    Settings::Command source = command("X", {}, sourceName, sourceBlocks);
    source.overrideField.overrideMap.clear();
    source.overrideField.overrideMap.addOverrideIndex("elsewhere", 0);
    QList<Settings::Command> list{source};
    settings.mergeCommandsToSetting(setting, list, true);

    Settings::OverrideField &result = setting.commands[0].overrideField;
    QCOMPARE(result.name, name);
    QCOMPARE(result.blocks, blocks);
    QStringList entries;
    for (const QString &entry : result.overrideMap.getFieldNames()) {
        QStringList indexes;
        for (int i : result.overrideMap.getIndexes(entry))
            indexes.append(QString::number(i));
        entries.append(entry + ":" + indexes.join(','));
    }
    QCOMPARE(entries, map);
}

// Merging a list into itself changes nothing; a merge resets the status.
void TestDALRfSettingMerge::mergeIntoItself()
{
    DALRfCmdSettings settings = readCmdSettings(); // no tree at all: reading fails
    QVERIFY(settings.getStatus() != 0);
    Settings::CmdSetting setting;
    setting.commands = {command("X", {"a=1"}, "F", {"b"}), command("Y", {"y=2"})};
    settings.mergeCommandsToSetting(setting, setting.commands, true);
    QCOMPARE(describe(setting.commands), (QStringList{"X(a=1)", "Y(y=2)"}));
    QCOMPARE(setting.commands.at(0).overrideField.blocks, QStringList{"b"});
    // A merge resets the status.
    QCOMPARE(settings.getStatus(), 0);
}

QTEST_GUILESS_MAIN(TestDALRfSettingMerge)
#include "tst_dalrfsettingmerge.moc"

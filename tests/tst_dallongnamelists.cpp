// Lookups in lists long enough to be served from a name index: the answers
// must be those of a walk in document order, first match included.

#include "fixturetree.h"

#include "DALCommon.h"
#include "DALDeviceList.h"
#include "DALPaSettingsDef.h"
#include "DALRfCmdSettings.h"
#include "DALRfOverrideMap.h"

#include <QtTest>

namespace {

using Settings = DALRfCmdSettings;

Settings::Command command(const QString &name, const QList<QPair<QString, QString>> &fields)
{
    Settings::Command result;
    result.name = name;
    for (const auto &field : fields) {
        Settings::CmdField entry;
        entry.name = field.first;
        entry.value = field.second;
        result.fields.append(entry);
    }
    return result;
}

QString fieldsText(const Settings::Command &command)
{
    QStringList parts;
    for (const Settings::CmdField &field : command.fields)
        parts << field.name + QLatin1Char('=') + field.value;
    return command.name + QLatin1Char(':') + parts.join(QLatin1Char(','));
}

} // namespace

class TestLongNameLists : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetLibraryState(); }

    void overrideMapOrderAndLookups_data();
    void overrideMapOrderAndLookups();
    void overrideMapCopyAndClear();
    void mergeLongLists_data();
    void mergeLongLists();
    void deviceBriefFirstMatch();
    void paDesignFirstMatch_data();
    void paDesignFirstMatch();
    void paDesignRenamedByHost_data();
    void paDesignRenamedByHost();
};

void TestLongNameLists::overrideMapOrderAndLookups_data()
{
    QTest::addColumn<int>("names");
    QTest::newRow("below the index") << 16;
    QTest::newRow("at the index") << 17;
    QTest::newRow("far above") << 200;
}

void TestLongNameLists::overrideMapOrderAndLookups()
{
    QFETCH(int, names);
    DALRfOverrideMap map;
    for (int i = 0; i < names; ++i)
        map.addOverrideIndex(QStringLiteral("f%1").arg(i), i);
    // Repeats and second indexes go to the existing entry.
    for (int i = 0; i < names; ++i) {
        map.addOverrideIndex(QStringLiteral("f%1").arg(i), i);
        map.addOverrideIndex(QStringLiteral("f%1").arg(i), i + 100);
    }
    map.removeOverrideIndex(QStringLiteral("f0"), 0);
    map.removeOverrideIndex(QStringLiteral("f%1").arg(names - 1), 12345);
    QCOMPARE(map.fieldNameCount(), names);
    QCOMPARE(map.getFieldNameAt(names - 1), QStringLiteral("f%1").arg(names - 1));
    QCOMPARE(map.getFieldNameAt(names), QString());
    QCOMPARE(map.getIndexes(QStringLiteral("f0")), QList<int>({100}));
    QCOMPARE(map.getIndexes(QStringLiteral("f%1").arg(names - 1)), QList<int>({names - 1, names + 99}));
    QVERIFY(map.getIndexes(QStringLiteral("f%1").arg(names)).isEmpty());
    // A new name after the index exists is found and keeps its position.
    map.addOverrideIndex(QStringLiteral("late"), 7);
    QCOMPARE(map.getFieldNames().last(), QStringLiteral("late"));
    QCOMPARE(map.getIndexes(QStringLiteral("late")), QList<int>({7}));
}

void TestLongNameLists::overrideMapCopyAndClear()
{
    DALRfOverrideMap map;
    for (int i = 0; i < 40; ++i)
        map.addOverrideIndex(QStringLiteral("f%1").arg(i), i);
    DALRfOverrideMap copy(map);
    copy.addOverrideIndex(QStringLiteral("f3"), 99);
    QCOMPARE(copy.getIndexes(QStringLiteral("f3")), QList<int>({3, 99}));
    QCOMPARE(map.getIndexes(QStringLiteral("f3")), QList<int>({3}));
    QVERIFY(map != copy);

    map.clear();
    QCOMPARE(map.fieldNameCount(), 0);
    QVERIFY(map.getIndexes(QStringLiteral("f3")).isEmpty());
    map.addOverrideIndex(QStringLiteral("f39"), 1);
    QCOMPARE(map.getFieldNameAt(0), QStringLiteral("f39"));
    QCOMPARE(map.getIndexes(QStringLiteral("f39")), QList<int>({1}));
    QVERIFY(map.getIndexes(QStringLiteral("f0")).isEmpty());
}

void TestLongNameLists::mergeLongLists_data()
{
    QTest::addColumn<int>("padding");
    QTest::addColumn<bool>("appendNew");
    QTest::newRow("short, append") << 2 << true;
    QTest::newRow("long, append") << 30 << true;
    QTest::newRow("long, no append") << 30 << false;
}

// Both "DUP" commands of the target take both "DUP" commands of the source,
// in source order; a new name given twice is appended once, from its first.
void TestLongNameLists::mergeLongLists()
{
    QFETCH(int, padding);
    QFETCH(bool, appendNew);
    Settings::CmdSetting setting;
    QList<Settings::Command> source;
    for (int i = 0; i < padding; ++i) {
        setting.commands << command(QStringLiteral("T%1").arg(i), {{"a", "t"}});
        source << command(QStringLiteral("S%1").arg(i), {{"a", "s"}});
    }
    setting.commands << command("DUP", {{"a", "0"}}) << command("DUP", {{"b", "0"}});
    source << command("DUP", {{"a", "1"}, {"c", "1"}}) << command("NEW", {{"n", "1"}})
           << command("DUP", {{"a", "2"}}) << command("NEW", {{"n", "2"}}) << command("T0", {{"a", "x"}});

    QString device = QStringLiteral("VO4725");
    Settings settings(device);
    resetLibraryState();
    settings.mergeCommandsToSetting(setting, source, appendNew);

    QStringList got;
    for (const Settings::Command &c : qAsConst(setting.commands))
        got << fieldsText(c);
    QStringList expected;
    expected << "T0:a=x";
    for (int i = 1; i < padding; ++i)
        expected << QStringLiteral("T%1:a=t").arg(i);
    expected << "DUP:a=2,c=1" << "DUP:b=0,a=2,c=1";
    if (appendNew) {
        for (int i = 0; i < padding; ++i)
            expected << QStringLiteral("S%1:a=s").arg(i);
        expected << "NEW:n=1";
    }
    QCOMPARE(got, expected);
    QCOMPARE(settings.getStatus(), 0);
}

void TestLongNameLists::deviceBriefFirstMatch()
{
    FixtureTree tree;
    QByteArray xml = "<DeviceList><version>1</version>";
    for (int i = 0; i < 50; ++i)
        xml += "<Device><DeviceName>D" + QByteArray::number(i) + "</DeviceName><Brief>b" + QByteArray::number(i)
               + "</Brief><DeviceType>t" + QByteArray::number(i) + "</DeviceType></Device>";
    xml += "<Device><DeviceName>D7</DeviceName><Brief>second</Brief></Device></DeviceList>";
    QVERIFY(tree.write("device_list.xml", xml));
    DALDeviceList list(tree.root());
    QCOMPARE(list.getStatus(), 0);
    QCOMPARE(list.getDeviceBrief("D7"), QStringLiteral("b7"));
    QCOMPARE(list.getDeviceType("D49"), QStringLiteral("t49"));
    DALDeviceList copy(list);
    QCOMPARE(copy.getDeviceBrief("D0"), QStringLiteral("b0"));
    QVERIFY(DALCommon::getErrorList().isEmpty());
    QCOMPARE(copy.getDeviceBrief("D50"), QString());
    QCOMPARE(DALCommon::getErrorList(), QStringList{"Unknown RF device"});
}

void TestLongNameLists::paDesignFirstMatch_data()
{
    QTest::addColumn<QString>("design");
    QTest::addColumn<int>("frequency");
    QTest::addColumn<QString>("level");
    // "X" appears three times: 100..199, 200..299, then 100..299 again.
    QTest::newRow("first of a name") << "X" << 150 << "x1";
    QTest::newRow("later design of the name") << "X" << 250 << "x2";
    QTest::newRow("no range of the name") << "X" << 500 << "def";
    QTest::newRow("unique design") << "P19" << 150 << "p19";
    QTest::newRow("unknown design") << "nope" << 150 << "def";
}

namespace {

QByteArray design(const QByteArray &name, int min, int max, const QByteArray &level)
{
    return "<RfDesign name=\"" + name + "\"><FrequencyRange><Min>" + QByteArray::number(min) + "</Min><Max>"
           + QByteArray::number(max) + "</Max><PaSettingTable><PaSetting text=\"" + level
           + "\"><Value>1</Value></PaSetting></PaSettingTable></FrequencyRange></RfDesign>";
}

QByteArray longPaFile()
{
    QByteArray xml = "<pasettings>";
    for (int i = 0; i < 20; ++i)
        xml += design("P" + QByteArray::number(i), 100, 200, "p" + QByteArray::number(i));
    xml += design("X", 100, 199, "x1") + design("X", 200, 299, "x2") + design("X", 100, 299, "x3");
    xml += "<DefaultPaTable><PaSetting text=\"def\"><Value>2</Value></PaSetting></DefaultPaTable></pasettings>";
    return xml;
}

QString firstLevel(DALPaSettingsDef::PaSettingTable *table)
{
    return table && !table->paSettings.isEmpty() ? table->paSettings.first().text : QStringLiteral("<none>");
}

// A device whose only settings are the long PA file.
bool writeLongPaTree(FixtureTree const &tree)
{
    return tree.writeDeviceConfig("VO4725", {"categories.xml"}, "vo4725")
           && tree.write("vo4725/categories.xml", "<R><Default/></R>")
           && tree.write("vo4725/pa/pasettings.xml", longPaFile());
}

} // namespace

void TestLongNameLists::paDesignFirstMatch()
{
    QFETCH(QString, design);
    QFETCH(int, frequency);
    QFETCH(QString, level);
    FixtureTree tree;
    QVERIFY(writeLongPaTree(tree));
    QString device = QStringLiteral("VO4725");
    DALRfCmdSettings settings(device);
    DALPaSettingsDef pa(tree.path("vo4725/pa"), device, &settings, false);
    QVERIFY(DALCommon::getErrorList().isEmpty());
    const auto hz = static_cast<unsigned short>(frequency);
    QCOMPARE(firstLevel(pa.getPaSettingTable("PASETTINGS.xml", design, hz)), level);
    // A copy has records of its own and answers the same.
    DALPaSettingsDef copy(pa);
    DALPaSettingsDef::PaSettingTable *table = copy.getPaSettingTable("pasettings.xml", design, hz);
    QCOMPARE(firstLevel(table), level);
    QVERIFY(table != pa.getPaSettingTable("pasettings.xml", design, hz));
}

namespace {

// The lookup as a walk over the records, for comparison.
QString walkedLevel(DALPaSettingsDef::PaSettings const &file, QString const &design, unsigned short frequency)
{
    for (const DALPaSettingsDef::RfDesign &entry : file.rfDesigns) {
        if (entry.name != design)
            continue;
        for (const DALPaSettingsDef::FrequencyRange &range : entry.frequencyRanges) {
            if (range.min <= frequency && frequency <= range.max)
                return range.paSettingTable.paSettings.first().text;
        }
    }
    return file.defaultPaTable.paSettings.first().text;
}

using HostChange = void (*)(DALPaSettingsDef::PaSettings &);

} // namespace

Q_DECLARE_METATYPE(HostChange)

void TestLongNameLists::paDesignRenamedByHost_data()
{
    using PaSettings = DALPaSettingsDef::PaSettings;
    QTest::addColumn<HostChange>("change");
    QTest::addColumn<QString>("design");
    QTest::addColumn<int>("frequency");
    QTest::addColumn<QString>("level");
    QTest::newRow("first of a name renamed away")
        << HostChange([](PaSettings &f) { f.rfDesigns[20].name = "gone"; }) << "X" << 150 << "x3";
    QTest::newRow("earlier design renamed to a later name")
        << HostChange([](PaSettings &f) { f.rfDesigns[3].name = "X"; }) << "X" << 150 << "p3";
    QTest::newRow("earlier design renamed to a unique name")
        << HostChange([](PaSettings &f) { f.rfDesigns[3].name = "P19"; }) << "P19" << 150 << "p3";
    QTest::newRow("design renamed to a new name")
        << HostChange([](PaSettings &f) { f.rfDesigns[19].name = "new"; }) << "new" << 150 << "p19";
    QTest::newRow("design appended")
        << HostChange([](PaSettings &f) { f.rfDesigns.append(f.rfDesigns.at(5)); f.rfDesigns.last().name = "Z"; })
        << "Z" << 150 << "p5";
    QTest::newRow("designs removed in front")
        << HostChange([](PaSettings &f) { f.rfDesigns.erase(f.rfDesigns.begin(), f.rfDesigns.begin() + 21); })
        << "X" << 250 << "x2";
}

// The records are open to the host: lookups follow its changes as a walk does,
// whether or not the file had been looked up before.
void TestLongNameLists::paDesignRenamedByHost()
{
    QFETCH(HostChange, change);
    QFETCH(QString, design);
    QFETCH(int, frequency);
    QFETCH(QString, level);
    FixtureTree tree;
    QVERIFY(writeLongPaTree(tree));
    QString device = QStringLiteral("VO4725");
    DALRfCmdSettings settings(device);
    const auto hz = static_cast<unsigned short>(frequency);
    for (const bool lookedUpBefore : {false, true}) {
        DALPaSettingsDef pa(tree.path("vo4725/pa"), device, &settings, false);
        if (lookedUpBefore)
            QCOMPARE(firstLevel(pa.getPaSettingTable("pasettings.xml", "X", 150)), QStringLiteral("x1"));
        DALPaSettingsDef::PaSettings *file = pa.getPaSettingsFile("pasettings.xml");
        QVERIFY(file);
        change(*file);
        QCOMPARE(walkedLevel(*file, design, hz), level);
        QCOMPARE(firstLevel(pa.getPaSettingTable("pasettings.xml", design, hz)), level);
    }
}

QTEST_GUILESS_MAIN(TestLongNameLists)
#include "tst_dallongnamelists.moc"

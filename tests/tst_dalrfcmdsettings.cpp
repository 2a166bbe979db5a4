#include "settingsfixture.h"

#include "DALCommon.h"
#include "DALRfCmdSettings.h"

#include <QtTest>

namespace {

using Settings = DALRfCmdSettings;

const QString kDevice = QStringLiteral("VO4725");
const QString kDir = QStringLiteral("vo4725/settings/");

// A tree whose device map sends "categories.xml" to vo4725/settings.
class SettingsTree
{
public:
    SettingsTree() { m_ok = m_tree.writeDeviceConfig(kDevice, {"categories.xml"}, "vo4725/settings"); }
    bool isValid() const { return m_ok && m_tree.isValid(); }
    bool write(QString const &name, QByteArray const &content) const { return m_tree.write(kDir + name, content); }
    QString absolute(QString const &name) const { return QFileInfo(m_tree.path(kDir + name)).absoluteFilePath(); }

private:
    FixtureTree m_tree;
    bool m_ok = false;
};

QByteArray categoriesXml(QByteArray const &categories,
                         QByteArray const &defaults = "<Default><DefCategory>C1</DefCategory>"
                                                      "<DefSetting>s1.xml</DefSetting></Default>")
{
    return "<RfCommandSettings>" + defaults + categories + "</RfCommandSettings>";
}

QByteArray category(QByteArray const &name, QStringList const &settings)
{
    QByteArray xml = "<Category><Name>" + name + "</Name>";
    for (const QString &setting : settings)
        xml += "<Setting>" + setting.toUtf8() + "</Setting>";
    return xml + "</Category>";
}

QByteArray settingXml(QByteArray const &body)
{
    return "<RfCommandSettings><setting>" + body + "</setting></RfCommandSettings>";
}

QStringList categoryNames(DALRfCmdSettings &settings)
{
    QStringList result;
    for (const Settings::RfCategory &c : settings.getRfCategories().categories)
        result.append(c.name);
    return result;
}

QString missingName(QString const &tag, QString const &file)
{
    return QStringLiteral("File open failed: Missing \"name\" attribute for element %1 in %2").arg(tag, file);
}

} // namespace

class TestDALRfCmdSettings : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetLibraryState(); }

    void noDirectoryForCategories();
    void categoriesFileFailures_data();
    void categoriesFileFailures();
    void defaultElement_data();
    void defaultElement();
    void readsWholeSetting();
    void settingElements();
    void tfOverrideFlag_data();
    void tfOverrideFlag();
    void commandChildren();
    void failureTable_data();
    void failureTable();
    void sharedFilesReadAsIfReadEachTime();
    void copiesShareNothingTwice();
    void containsOverrides();
};

void TestDALRfCmdSettings::noDirectoryForCategories()
{
    FixtureTree tree;
    QVERIFY(tree.writeDeviceConfig(kDevice, {"pasettings.xml"}));
    DALRfCmdSettings settings = readCmdSettings();
    QCOMPARE(settings.getStatus(), -1);
    QCOMPARE(DALCommon::getErrorList(),
             QStringList{"Configuration parameter error: Failed to find path to categories.xml for device: VO4725"});
    QVERIFY(settings.getRfCategories().categories.isEmpty());
}

void TestDALRfCmdSettings::categoriesFileFailures_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("prefix");
    QTest::newRow("missing") << false << 1 << "File open failed: ";
    QTest::newRow("malformed") << true << 2 << "XML DOM parse failed: ";
}

void TestDALRfCmdSettings::categoriesFileFailures()
{
    QFETCH(bool, exists);
    QFETCH(int, status);
    QFETCH(QString, prefix);
    SettingsTree tree;
    QVERIFY(tree.isValid());
    if (exists)
        QVERIFY(tree.write("categories.xml", "<RfCommandSettings><Default>"));
    DALRfCmdSettings settings = readCmdSettings();
    QCOMPARE(settings.getStatus(), status);
    QCOMPARE(DALCommon::getErrorList().size(), 1);
    QVERIFY(DALCommon::getErrorList().first().startsWith(prefix + tree.absolute("categories.xml")));
}

void TestDALRfCmdSettings::defaultElement_data()
{
    QTest::addColumn<QByteArray>("defaults");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("defCategory");
    QTest::addColumn<QString>("defSetting");
    QTest::addColumn<int>("categories");
    QTest::newRow("missing") << QByteArray() << -1 << "" << "" << 0;
    QTest::newRow("no DefSetting") << QByteArray("<Default><DefCategory>C1</DefCategory></Default>")
                                   << 0 << "C1" << "" << 1;
    QTest::newRow("nested anywhere") << QByteArray("<Wrap><Default><DefSetting>s1.xml</DefSetting>"
                                                   "<X><DefCategory>deep</DefCategory></X></Default></Wrap>")
                                     << 0 << "" << "s1.xml" << 1;
    QTest::newRow("first Default wins") << QByteArray("<Default><DefCategory>A</DefCategory></Default>"
                                                      "<Default><DefCategory>B</DefCategory></Default>")
                                        << 0 << "A" << "" << 1;
}

void TestDALRfCmdSettings::defaultElement()
{
    QFETCH(QByteArray, defaults);
    QFETCH(int, status);
    QFETCH(QString, defCategory);
    QFETCH(QString, defSetting);
    QFETCH(int, categories);
    SettingsTree tree;
    QVERIFY(tree.write("categories.xml", categoriesXml(category("C1", {"s1.xml"}), defaults)));
    QVERIFY(tree.write("s1.xml", settingXml("<Name>one</Name>")));
    DALRfCmdSettings settings = readCmdSettings();
    QCOMPARE(settings.getStatus(), status);
    QCOMPARE(settings.getRfCategories().defCategory, defCategory);
    QCOMPARE(settings.getRfCategories().defSetting, defSetting);
    QCOMPARE(settings.getRfCategories().categories.size(), categories);
    if (status != 0) {
        QCOMPARE(DALCommon::getErrorList(),
                 QStringList{"File open failed: Default category and setting missing in categories.xml"});
    } else {
        QVERIFY(DALCommon::getErrorList().isEmpty());
    }
}

void TestDALRfCmdSettings::readsWholeSetting()
{
    SettingsTree tree;
    QVERIFY(tree.write("categories.xml", categoriesXml(
        "<Category><Name>C1</Name><Description>First</Description>"
        "<Setting options=\"a=1\">sub/One.XML</Setting><Other>x.xml</Other>"
        "<Wrap><Setting>nested.xml</Setting></Wrap></Category>"
        "<Category><Description>Second</Description><Setting>s2.xml</Setting></Category>")));
    QVERIFY(tree.write("sub/one.xml", settingXml(
        "<Name>One</Name><Description>The first</Description><Frequency> 868.5 </Frequency>"
        "<Patch><Define>DEF</Define><Cpe>cpe</Cpe><Mce>mce</Mce></Patch>"
        "<TestFunc><PacketRX>tf/prx.xml</PacketRX><ContTX>tf/ctx.xml</ContTX></TestFunc>"
        "<Command name=\"CMD_A\" function=\"setup\"><Field name=\"f1\">1</Field>"
        "<Field name=\"f2\"> <!--c-->2</Field></Command>"
        "<Group><Command name=\"CMD_B\"/></Group>")));
    QVERIFY(tree.write("tf/ctx.xml", "<X>" + commandXml("CMD_TX", "<Field name=\"t\">9</Field>") + "</X>"));
    QVERIFY(tree.write("tf/prx.xml", "<X><Y>" + commandXml("CMD_RX", "") + "</Y></X>"));
    QVERIFY(tree.write("s2.xml", settingXml("<Frequency>915</Frequency>")));

    DALRfCmdSettings settings = readCmdSettings();
    QCOMPARE(settings.getStatus(), 0);
    QVERIFY(DALCommon::getErrorList().isEmpty());
    Settings::RfCategories &all = settings.getRfCategories();
    QCOMPARE(all.categories.size(), 2);

    const Settings::RfCategory &c1 = all.categories.at(0);
    QCOMPARE(c1.name, QString("C1"));
    QCOMPARE(c1.description, QString("First"));
    QCOMPARE(c1.settings.size(), 1); // only direct "Setting" children
    const Settings::CmdSetting &one = c1.settings.at(0);
    QCOMPARE((QStringList{one.fileName, one.options, one.name, one.description, one.frequency}),
             (QStringList{"sub/One.XML", "a=1", "One", "The first", " 868.5 "}));
    QCOMPARE((QStringList{one.patch.define, one.patch.cpe, one.patch.mce, one.patch.rfe}),
             (QStringList{"DEF", "cpe", "mce", ""}));
    QVERIFY(one.writeCustoms.isEmpty());
    QCOMPARE(commandNames(one.commands), (QStringList{"CMD_A", "CMD_B"}));
    QCOMPARE(one.commands.at(0).function + "|" + one.commands.at(1).function, QString("setup|"));
    QCOMPARE(fieldTexts(one.commands.at(0)), (QStringList{"f1=1", "f2=2"}));
    QCOMPARE(commandNames(one.contTx), QStringList{"CMD_TX"});
    QCOMPARE(fieldTexts(one.contTx.at(0)), QStringList{"t=9"});
    QVERIFY(one.contRx.isEmpty() && one.packetTx.isEmpty());
    QCOMPARE(commandNames(one.packetRx), QStringList{"CMD_RX"});

    const Settings::RfCategory &c2 = all.categories.at(1);
    QCOMPARE((QStringList{c2.name, c2.settings.at(0).fileName, c2.settings.at(0).frequency, c2.settings.at(0).options}),
             (QStringList{"", "s2.xml", "915", ""}));
}

// Every "setting" element of a file adds to one record; the tag is case
// sensitive in the setting file and in categories.xml.
void TestDALRfCmdSettings::settingElements()
{
    SettingsTree tree;
    QVERIFY(tree.write("categories.xml", categoriesXml(category("C1", {"s1.xml"}) + category("C2", {"s2.xml"})
                                                       + "<Category><Name>C3</Name><setting>s1.xml</setting></Category>")));
    QVERIFY(tree.write("s1.xml",
        "<R><setting><Name>first</Name><Description>d1</Description>" + commandXml("A", "") + "</setting>"
        "<setting><Name>second</Name>" + commandXml("B", "") + "</setting></R>"));
    QVERIFY(tree.write("s2.xml", "<R><Setting><Name>x</Name>" + commandXml("A", "") + "</Setting></R>"));
    DALRfCmdSettings settings = readCmdSettings();
    QCOMPARE(settings.getStatus(), 0);
    const QList<Settings::RfCategory> &all = settings.getRfCategories().categories;
    QCOMPARE(all.size(), 3);
    QCOMPARE(all.at(0).settings.size(), 1);
    const Settings::CmdSetting &one = all.at(0).settings.at(0);
    QCOMPARE(one.name + "|" + one.description, QString("second|d1"));
    QCOMPARE(commandNames(one.commands), (QStringList{"A", "B"}));
    QCOMPARE(all.at(1).settings.size(), 1);
    const Settings::CmdSetting &cleared = all.at(1).settings.at(0);
    QCOMPARE(cleared.fileName + cleared.name, QString());
    QVERIFY(cleared.commands.isEmpty());
    QVERIFY(all.at(2).settings.isEmpty());
}

void TestDALRfCmdSettings::tfOverrideFlag_data()
{
    QTest::addColumn<QByteArray>("attribute");
    QTest::addColumn<bool>("flag");
    QTest::newRow("absent") << QByteArray() << true;
    QTest::newRow("no") << QByteArray(" tfOverride=\"no\"") << false;
    QTest::newRow("NO") << QByteArray(" tfOverride=\"NO\"") << false;
    QTest::newRow("false") << QByteArray(" tfOverride=\"false\"") << true;
    QTest::newRow("padded") << QByteArray(" tfOverride=\" no\"") << true;
    QTest::newRow("yes") << QByteArray(" tfOverride=\"yes\"") << true;
}

void TestDALRfCmdSettings::tfOverrideFlag()
{
    QFETCH(QByteArray, attribute);
    QFETCH(bool, flag);
    SettingsTree tree;
    QVERIFY(tree.write("categories.xml", categoriesXml(category("C1", {"s1.xml"}))));
    QVERIFY(tree.write("s1.xml", settingXml(commandXml("A", "<Field name=\"f\"" + attribute + ">v</Field>"))));
    DALRfCmdSettings settings = readCmdSettings();
    QCOMPARE(settings.getStatus(), 0);
    const Settings::CmdField field = settings.getRfCategories().categories.at(0).settings.at(0).commands.at(0).fields.at(0);
    QCOMPARE(field.tfOverride, flag);
    QCOMPARE(field.value, QString("v"));
}

// Override blocks and their map; fields and blocks only as direct children.
void TestDALRfCmdSettings::commandChildren()
{
    SettingsTree tree;
    QVERIFY(tree.write("categories.xml", categoriesXml(category("C1", {"s1.xml"}))));
    QVERIFY(tree.write("s1.xml", settingXml(
        "<Command name=\"A\"><OverrideField name=\"A\"><Block>x</Block><Block>y</Block></OverrideField>"
        "<OverrideField name=\"B\"><Block>z</Block></OverrideField>"
        "<OverrideField><Block>x</Block></OverrideField></Command>"
        + commandXml("Wrapped", "<Wrap><Field name=\"f\">1</Field><OverrideField name=\"o\"><Block>b</Block></OverrideField></Wrap>")
        + commandXml("Mixed", "<Wrap><Field name=\"deep\">1</Field></Wrap><Field name=\"top\">2</Field>"))));
    DALRfCmdSettings settings = readCmdSettings();
    QCOMPARE(settings.getStatus(), 0);
    const QList<Settings::Command> commands = settings.getRfCategories().categories.at(0).settings.at(0).commands;
    QCOMPARE(commandNames(commands), (QStringList{"A", "Wrapped", "Mixed"}));
    // A nameless OverrideField files its blocks under the name read before.
    Settings::OverrideField overrides = commands.at(0).overrideField;
    QCOMPARE(overrides.blocks, (QStringList{"x", "y", "z", "x"}));
    QCOMPARE(overrides.name, QString("B"));
    QCOMPARE(overrides.overrideMap.getFieldNames(), (QStringList{"A", "B"}));
    QCOMPARE(overrides.overrideMap.getIndexes("A"), (QList<int>{0, 1}));
    QCOMPARE(overrides.overrideMap.getIndexes("B"), (QList<int>{2, 3}));
    QVERIFY(commands.at(1).fields.isEmpty());
    QVERIFY(commands.at(1).overrideField.blocks.isEmpty());
    QCOMPARE(fieldTexts(commands.at(2)), (QStringList{"deep=1", "top=2"}));
}

void TestDALRfCmdSettings::failureTable_data()
{
    QTest::addColumn<QByteArray>("badSetting");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");

    QTest::newRow("setting file missing") << QByteArray() << 1 << QString("File open failed: {bad}");
    QTest::newRow("setting file malformed") << QByteArray("<setting>") << 2 << QString("XML DOM parse failed: {bad}, line 1: \n");
    QTest::newRow("command without name")
        << settingXml(commandXml("A", "") + "<Command><Field name=\"f\"/></Command>" + commandXml("C", ""))
        << -1 << missingName("Command", "bad.xml");
    QTest::newRow("field without name")
        << settingXml(commandXml("A", "<Field name=\"f\">1</Field><Field>2</Field>"))
        << -1 << missingName("Field", "bad.xml");
    QTest::newRow("test-function file missing")
        << settingXml("<TestFunc><ContTX>tf/none.xml</ContTX></TestFunc>") << 1
        << QString("File open failed: {tf}");
    QTest::newRow("bad command in test-function file")
        << settingXml("<TestFunc><ContRX>tf/bad_tf.xml</ContRX></TestFunc>") << -1
        << missingName("Command", "tf/bad_tf.xml");
    QTest::newRow("bad test-function file stops later ones")
        << settingXml("<TestFunc><PacketRX>tf/none2.xml</PacketRX><ContRX>tf/bad_tf.xml</ContRX></TestFunc>")
        << -1 << missingName("Command", "tf/bad_tf.xml");
}

void TestDALRfCmdSettings::failureTable()
{
    QFETCH(QByteArray, badSetting);
    QFETCH(int, status);
    QFETCH(QString, message);

    SettingsTree tree;
    QVERIFY(tree.write("categories.xml", categoriesXml(
        category("C1", {"s1.xml"}) + category("C2", {"s2.xml", "bad.xml", "s3.xml"}) + category("C3", {"s3.xml"}))));
    for (const char *file : {"s1.xml", "s2.xml", "s3.xml"})
        QVERIFY(tree.write(file, settingXml(commandXml("A", ""))));
    if (!badSetting.isNull())
        QVERIFY(tree.write("bad.xml", badSetting));
    QVERIFY(tree.write("tf/bad_tf.xml", "<X>" + commandXml("ok", "") + "<Command/></X>"));

    DALRfCmdSettings settings = readCmdSettings();
    QCOMPARE(settings.getStatus(), status);
    QCOMPARE(categoryNames(settings), QStringList{"C1"});
    message.replace("{bad}", tree.absolute("bad.xml")).replace("{tf}", tree.absolute("tf/none.xml"));
    QCOMPARE(DALCommon::getErrorList().size(), 1);
    // The parser's own text follows the framing of a parse failure.
    if (status == 2)
        QVERIFY2(DALCommon::getErrorList().first().startsWith(message), qPrintable(DALCommon::getErrorList().first()));
    else
        QCOMPARE(DALCommon::getErrorList().first(), message);
}

void TestDALRfCmdSettings::sharedFilesReadAsIfReadEachTime()
{
    SettingsTree tree;
    // s1.xml is named twice with different options; every setting names the
    // same test-function file, once through another letter case.
    QVERIFY(tree.write("categories.xml", categoriesXml(
        "<Category><Name>C1</Name><Setting options=\"o=1\">s1.xml</Setting><Setting>s2.xml</Setting></Category>"
        "<Category><Name>C2</Name><Setting options=\"o=2\">s1.xml</Setting><Setting>empty.xml</Setting>"
        "<Setting>empty.xml</Setting></Category>")));
    const QByteArray tf = "<TestFunc><ContTX>tf/tx.xml</ContTX><PacketTX>TF/TX.XML</PacketTX></TestFunc>";
    QVERIFY(tree.write("s1.xml", settingXml("<Name>one</Name>" + tf + commandXml("A", "<Field name=\"f\">1</Field>"))));
    QVERIFY(tree.write("s2.xml", settingXml("<Name>two</Name>" + tf)));
    QVERIFY(tree.write("empty.xml", "<R/>"));
    QVERIFY(tree.write("tf/tx.xml", "<R>" + commandXml("TX", "<Field name=\"t\">2</Field>") +
                                    "<Command name=\"TX2\"><OverrideField name=\"o\"><Block>b</Block></OverrideField></Command></R>"));

    DALRfCmdSettings settings = readCmdSettings();
    QCOMPARE(settings.getStatus(), 0);
    QVERIFY(DALCommon::getErrorList().isEmpty());
    QCOMPARE(DALCommon::getStatus(), 0);
    const QList<Settings::RfCategory> &all = settings.getRfCategories().categories;
    QCOMPARE(all.size(), 2);
    const Settings::CmdSetting &first = all.at(0).settings.at(0);
    const Settings::CmdSetting &second = all.at(0).settings.at(1);
    const Settings::CmdSetting &again = all.at(1).settings.at(0);
    QCOMPARE((QStringList{first.options, again.options, again.fileName, again.name}),
             (QStringList{"o=1", "o=2", "s1.xml", "one"}));
    QCOMPARE(commandNames(again.commands), QStringList{"A"});
    for (const Settings::CmdSetting *setting : {&first, &second, &again}) {
        QCOMPARE(commandNames(setting->contTx), (QStringList{"TX", "TX2"}));
        QCOMPARE(commandNames(setting->packetTx), (QStringList{"TX", "TX2"}));
        QCOMPARE(fieldTexts(setting->contTx.at(0)), QStringList{"t=2"});
        QCOMPARE(setting->packetTx.at(1).overrideField.blocks, QStringList{"b"});
        DALRfOverrideMap map = setting->packetTx.at(1).overrideField.overrideMap;
        QCOMPARE(map.getIndexes("o"), QList<int>{0});
    }
    // A file without "setting" element stays a cleared record each time.
    QCOMPARE(all.at(1).settings.size(), 3);
    QCOMPARE(all.at(1).settings.at(2).fileName, QString());
    QCOMPARE(all.at(1).settings.at(2).options, QString());
}

void TestDALRfCmdSettings::copiesShareNothingTwice()
{
    SettingsTree tree;
    QVERIFY(tree.write("categories.xml", categoriesXml(category("C1", {"s1.xml"}))));
    QVERIFY(tree.write("s1.xml", settingXml(commandXml("A", "<Field name=\"f\">1</Field>"))));
    QString device = kDevice;
    auto *original = new DALRfCmdSettings(device);
    QCOMPARE(original->getStatus(), 0);
    DALRfCmdSettings copy(*original);
    QString otherDevice = "VO9999";
    DALRfCmdSettings failed(otherDevice); // no document at all
    DALRfCmdSettings assigned(failed);
    assigned = *original;
    failed = copy;
    failed = failed;
    original->getRfCategories().categories.clear();
    delete original;

    for (DALRfCmdSettings *s : {&copy, &assigned, &failed}) {
        QCOMPARE(s->getStatus(), 0);
        QCOMPARE(categoryNames(*s), QStringList{"C1"});
        QCOMPARE(fieldTexts(s->getRfCategories().categories.at(0).settings.at(0).commands.at(0)),
                 QStringList{"f=1"});
    }
    DALRfCmdSettings fromFailed(otherDevice);
    copy = fromFailed;
    QCOMPARE(copy.getStatus(), -1);
    QVERIFY(copy.getRfCategories().categories.isEmpty());
}

void TestDALRfCmdSettings::containsOverrides()
{
    Settings::Command command;
    QVERIFY(!DALRfCmdSettings::containsOverrides(nullptr));
    QVERIFY(!DALRfCmdSettings::containsOverrides(&command));
    command.overrideField.blocks.append("b");
    QVERIFY(!DALRfCmdSettings::containsOverrides(&command));
    command.overrideField.name = "o";
    QVERIFY(DALRfCmdSettings::containsOverrides(&command));
    command.overrideField.blocks.clear();
    QVERIFY(!DALRfCmdSettings::containsOverrides(&command));
}

QTEST_GUILESS_MAIN(TestDALRfCmdSettings)
#include "tst_dalrfcmdsettings.moc"

// dal-inspect check, one rule at a time: a small sound tree, one mistake in
// it, and every finding line it must print (file, line, column, rule).

#include "fixturetree.h"

#include <QDir>
#include <QProcess>
#include <QtTest>

namespace {

// The sound tree: one device whose device_config.xml configures every reader.
const QList<QPair<QString, QByteArray>> kTree{
    {"device_list.xml",
     "<DeviceList>\n<DeviceGroup>\n<GroupName>G</GroupName>\n<DeviceName>DEV1</DeviceName>\n"
     "</DeviceGroup>\n<Device>\n<DeviceName>DEV1</DeviceName>\n</Device>\n</DeviceList>\n"},
    {"dev1/device_config.xml",
     "<DeviceConfig>\n"
     "<path file=\"device_description.xml\">dev1</path>\n"
     "<path file=\"param_definition.xml\">dev1</path>\n"
     "<path file=\"param_cmd_mapping.xml\">dev1</path>\n"
     "<path file=\"radio_par_definitions.xml\">dev1</path>\n"
     "<path file=\"rf_command_definitions.xml\">dev1</path>\n"
     "<path file=\"dummy_file_overrides.xml\">dev1/overrides</path>\n"
     "<path file=\"categories.xml\">dev1/settings</path>\n"
     "<path file=\"pasettings.xml\">dev1/pa</path>\n"
     "<path file=\"frontend_settings.xml\">dev1</path>\n"
     "</DeviceConfig>\n"},
    {"dev1/device_description.xml",
     "<DeviceDescription>\n<Brief>b</Brief>\n<Description>d</Description>\n"
     "<Photo>p</Photo>\n<URL>u</URL>\n<UiClass>PROP-A</UiClass>\n</DeviceDescription>\n"},
    {"dev1/param_definition.xml",
     "<ParamDefinition>\n<parGroup name=\"MainRfParameters\">\n"
     "<Parameter name=\"p\" type=\"INT\">\n<Row>1</Row>\n</Parameter>\n</parGroup>\n"
     "</ParamDefinition>\n"},
    {"dev1/param_cmd_mapping.xml",
     "<ParamCmdMapping>\n<settings>\n<parameters>\n<parameter names=\"p\">\n"
     "<rfCommand>CMD_A</rfCommand>\n</parameter>\n</parameters>\n</settings>\n"
     "</ParamCmdMapping>\n"},
    {"dev1/radio_par_definitions.xml",
     "<RadioParDefinitions>\n<RadioPar name=\"r\">\n<field name=\"f\">\n"
     "<position>1</position>\n</field>\n</RadioPar>\n</RadioParDefinitions>\n"},
    {"dev1/rf_command_definitions.xml",
     "<RfCommandDefinitions>\n<CommandGroup name=\"g\">\n<Command name=\"CMD_A\">\n<id>0x0801</id>\n"
     "<Field name=\"f\">\n<ByteIndex>0..1</ByteIndex>\n<BitField name=\"b\">\n<BitIndex>0..3</BitIndex>\n"
     "</BitField>\n</Field>\n</Command>\n</CommandGroup>\n</RfCommandDefinitions>\n"},
    {"dev1/overrides/override_a.xml", "<OverrideDefinition>\n<Element32b>0x1</Element32b>\n</OverrideDefinition>\n"},
    {"dev1/settings/categories.xml",
     "<RfCommandSettings>\n<Default>\n<DefCategory>C</DefCategory>\n"
     "<DefSetting>s.xml</DefSetting>\n</Default>\n<Category>\n<Name>C</Name>\n"
     "<Setting>s.xml</Setting>\n</Category>\n</RfCommandSettings>\n"},
    {"dev1/settings/s.xml",
     "<RfCommandSettings>\n<setting>\n<Name>S</Name>\n<TestFunc>\n<ContTX>tx.xml</ContTX>\n"
     "</TestFunc>\n<Command name=\"CMD_A\">\n<Field name=\"f\">1</Field>\n</Command>\n"
     "</setting>\n</RfCommandSettings>\n"},
    {"dev1/settings/tx.xml",
     "<RfCommandSettings>\n<Command name=\"CMD_A\">\n<Field name=\"f.b\">1</Field>\n"
     "</Command>\n</RfCommandSettings>\n"},
    {"dev1/pa/pasettings.xml",
     "<pasettings>\n<RfDesign name=\"D\">\n<FrequencyRange>\n<Min>800</Min>\n"
     "<Max>900</Max>\n<PaSettingTable>\n<PaSetting text=\"0 dBm\">\n<Value>0x41</Value>\n"
     "</PaSetting>\n</PaSettingTable>\n</FrequencyRange>\n</RfDesign>\n<DefaultPaTable>\n"
     "<PaSetting text=\"0 dBm\">\n<Value>0x41</Value>\n</PaSetting>\n</DefaultPaTable>\n"
     "</pasettings>\n"},
    {"dev1/frontend_settings.xml",
     "<FrontEndSettings>\n<FrontEnd name=\"F\">\n<Command name=\"CMD_A\">\n"
     "<Field name=\"f\">0</Field>\n</Command>\n</FrontEnd>\n</FrontEndSettings>\n"},
};

QString fileOf(QString const &name)
{
    for (const auto &file : kTree) {
        if (file.first == name)
            return QString::fromUtf8(file.second);
    }
    return QString();
}

// A file of the sound tree with one text replaced.
QString edited(QString const &name, QString const &from, QString const &to)
{
    QString text = fileOf(name);
    if (!text.contains(from))
        qFatal("%s does not hold %s", qPrintable(name), qPrintable(from));
    return text.replace(from, to);
}

} // namespace

class TestDalCheckRules : public QObject
{
    Q_OBJECT

private slots:
    void rule_data();
    void rule();
};

// changes: pairs of a path and its new content; "-" removes the path.
// expected: every finding line, in order; "<root>" stands for the tree.
void TestDalCheckRules::rule_data()
{
    QTest::addColumn<QStringList>("changes");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("sound tree") << QStringList() << QStringList();
    QTest::newRow("reader-message")
        << QStringList{"dev1/radio_par_definitions.xml",
                       "<RadioParDefinitions>\n<RadioPar name=\"r\">\n<field name=\"f\"/>\n</RadioPar>\n"
                       "</RadioParDefinitions>\n"}
        << QStringList{"dev1/radio_par_definitions.xml:3:1: error: File open failed: Invalid position of field f in "
                       "radio_par_definitions.xml [reader-message]"};
    QTest::newRow("xml-error") << QStringList{"ui_translation.xml",
                                              "<UiTranslation>\n<Translation>\n</UiTranslation>\n"}
                               << QStringList{"ui_translation.xml:3:16: error: the file is not well-formed: Opening "
                                              "and ending tag mismatch. [xml-error]"};
    QTest::newRow("unknown-element")
        << QStringList{"dev1/settings/s.xml",
                       edited("dev1/settings/s.xml", "<Field name=\"f\">1</Field>", "<Feild name=\"f\">1</Feild>")}
        << QStringList{"dev1/settings/s.xml:8:1: error: <Feild> is not read in <Command>; did you mean <Field>? "
                       "[unknown-element]"};
    QTest::newRow("unknown-attribute")
        << QStringList{"dev1/settings/s.xml",
                       edited("dev1/settings/s.xml", "<Field name=\"f\">", "<Field name=\"f\" tfOverrid=\"no\">")}
        << QStringList{"dev1/settings/s.xml:8:17: error: attribute \"tfOverrid\" of <Field> is not read; did you "
                       "mean \"tfOverride\"? [unknown-attribute]"};
    QTest::newRow("misplaced-element")
        << QStringList{"dev1/settings/s.xml",
                       edited("dev1/settings/s.xml", "<Name>S</Name>", "<Field name=\"f\">1</Field>")}
        << QStringList{"dev1/settings/s.xml:3:1: error: <Field> is not read in <setting>: it belongs in <Command> "
                       "[misplaced-element]"};
    QTest::newRow("misplaced-element: URL after the documents")
        << QStringList{"dev1/device_description.xml",
                       edited("dev1/device_description.xml", "<URL>u</URL>\n",
                              "<Documents><Doc><URL>d</URL></Doc></Documents>\n<URL>u</URL>\n")}
        << QStringList{"dev1/device_description.xml:6:1: error: <URL> is not read: the first <URL> below "
                       "<DeviceDescription> is taken, the one on line 5 inside <Doc> [misplaced-element]"};
    QTest::newRow("misplaced-element: choices of a parameter that is no LIST")
        << QStringList{"dev1/param_definition.xml",
                       edited("dev1/param_definition.xml", "type=\"INT\">\n<Row>1</Row>",
                              "type=\"TEXTLIST\">\n<ListValues><Value text=\"a\">1</Value></ListValues>")}
        << QStringList{"dev1/param_definition.xml:4:1: error: <ListValues> is not read: the type of the parameter "
                       "reads as TEXT, not LIST [misplaced-element]"};
    QTest::newRow("misplaced-element: list items of a bit field whose Type is not List")
        << QStringList{"dev1/rf_command_definitions.xml",
                       edited("dev1/rf_command_definitions.xml", "<BitIndex>0..3</BitIndex>\n",
                              "<BitIndex>0..3</BitIndex>\n<Type>list</Type>\n<ListItem><Value>0</Value></ListItem>\n")}
        << QStringList{"dev1/rf_command_definitions.xml:10:1: error: <ListItem> is not read: the Type of the bit "
                       "field is not \"List\" [misplaced-element]"};
    QTest::newRow("misplaced-element: group name not first")
        << QStringList{"device_list.xml",
                       edited("device_list.xml", "<GroupName>G</GroupName>\n",
                              "<!-- the group -->\n<GroupName>G</GroupName>\n")}
        << QStringList{"device_list.xml:4:1: error: <GroupName> must come first in <DeviceGroup>: a group's name is "
                       "read from its first node [misplaced-element]"};
    QTest::newRow("missing-element")
        << QStringList{"dev1/device_description.xml", edited("dev1/device_description.xml", "<Photo>p</Photo>\n", "")}
        << QStringList{"dev1/device_description.xml:1:1: error: <DeviceDescription> has no <Photo>: it reads as "
                       "empty [missing-element]"};
    QTest::newRow("missing-attribute")
        << QStringList{"dev1/pa/pasettings.xml",
                       edited("dev1/pa/pasettings.xml", "<RfDesign name=\"D\">", "<RfDesign>")}
        << QStringList{"dev1/pa/pasettings.xml:2:1: error: <RfDesign> has no \"name\" attribute: it reads as empty "
                       "[missing-attribute]"};
    QTest::newRow("repeated-element")
        << QStringList{"dev1/param_definition.xml",
                       edited("dev1/param_definition.xml", "<Row>1</Row>\n", "<Row>1</Row>\n<Row>2</Row>\n")}
        << QStringList{"dev1/param_definition.xml:5:1: error: only the first <Row> in <Parameter> is read, the one "
                       "on line 4 [repeated-element]"};
    QTest::newRow("bad-value: front-end Min")
        << QStringList{"dev1/frontend_settings.xml",
                       edited("dev1/frontend_settings.xml", "<Command name=\"CMD_A\">",
                              "<FrequencyRange>\n<Min>86x</Min>\n<Max>870</Max>\n</FrequencyRange>\n<FrequencyRange>\n"
                              "<Max>0</Max>\n<Command name=\"CMD_A\">")
                           .replace("</Command>\n", "</Command>\n</FrequencyRange>\n")}
        << QStringList{"dev1/frontend_settings.xml:4:1: error: <Min> holds \"86x\", not a decimal number: it reads as "
                       "0 [bad-value]"};
    QTest::newRow("bad-value: validation Min")
        << QStringList{"dev1/param_definition.xml",
                       edited("dev1/param_definition.xml", "<Row>1</Row>",
                              "<Validation type=\"MINMAX\"><Min>low</Min><Max>9</Max></Validation>")}
        << QStringList{"dev1/param_definition.xml:4:27: error: <Min> holds \"low\", not a number [bad-value]"};
    QTest::newRow("bad-value: keyword")
        << QStringList{"dev1/param_definition.xml",
                       edited("dev1/param_definition.xml", "type=\"INT\"", "type=\"NUMBER\"")}
        << QStringList{"dev1/param_definition.xml:3:21: error: \"type\" of <Parameter> holds \"NUMBER\", which "
                       "contains none of COMPOSIT, BOOL, TEXT, INT, FLOAT, LIST, WIDGET, BUTTON: it reads as 0 "
                       "(none) [bad-value]"};
    QTest::newRow("bad-value: flag")
        << QStringList{"dev1/param_definition.xml",
                       edited("dev1/param_definition.xml", "<Row>1</Row>", "<Editable>false</Editable>")}
        << QStringList{"dev1/param_definition.xml:4:1: error: <Editable> holds \"false\", which reads as yes; write "
                       "yes or no [bad-value]"};
    QTest::newRow("bad-value: 16-bit id")
        << QStringList{"dev1/rf_command_definitions.xml",
                       edited("dev1/rf_command_definitions.xml", "<id>0x0801</id>", "<id>12345</id>")}
        << QStringList{"dev1/rf_command_definitions.xml:4:1: error: <id> holds 12345, above 0xFFFF: it reads as "
                       "0x2345 [bad-value]"};
    QTest::newRow("duplicate: categories")
        << QStringList{"dev1/settings/categories.xml",
                       edited("dev1/settings/categories.xml", "</Category>\n",
                              "</Category>\n<Category>\n<Name>C</Name>\n</Category>\n")}
        << QStringList{"dev1/settings/categories.xml:11:1: error: category \"C\" is defined already on line 7, "
                       "which lookups find first [duplicate]"};
    QTest::newRow("duplicate: setting listed twice")
        << QStringList{"dev1/settings/categories.xml",
                       edited("dev1/settings/categories.xml", "<Setting>s.xml</Setting>\n",
                              "<Setting>s.xml</Setting>\n<Setting>s.xml</Setting>\n")}
        << QStringList{"dev1/settings/categories.xml:9:1: error: setting \"s.xml\" is defined already on line 8, "
                       "which lookups find first [duplicate]"};
    QTest::newRow("duplicate: two settings with one name")
        << QStringList{"dev1/settings/categories.xml",
                       edited("dev1/settings/categories.xml", "<Setting>s.xml</Setting>\n",
                              "<Setting>s.xml</Setting>\n<Setting>t.xml</Setting>\n"),
                       "dev1/settings/t.xml",
                       "<RfCommandSettings>\n<setting>\n<Name>S</Name>\n</setting>\n"
                       "</RfCommandSettings>\n"}
        << QStringList{"dev1/settings/t.xml:3:1: error: setting name \"S\" is the name of s.xml too, in category "
                       "\"C\" [duplicate]"};
    QTest::newRow("duplicate: PA levels")
        << QStringList{"dev1/pa/pasettings.xml",
                       edited("dev1/pa/pasettings.xml", "</PaSetting>\n</PaSettingTable>",
                              "</PaSetting>\n<PaSetting text=\"0 dBm\">\n<Value>0x42</Value>\n</PaSetting>\n"
                              "</PaSettingTable>")}
        << QStringList{"dev1/pa/pasettings.xml:10:12: error: PA level \"0 dBm\" is defined already on line 7, which "
                       "lookups find first [duplicate]"};
    QTest::newRow("overlapping-range")
        << QStringList{"dev1/pa/pasettings.xml",
                       edited(
                           "dev1/pa/pasettings.xml", "</FrequencyRange>\n",
                           "</FrequencyRange>\n<FrequencyRange>\n<Min>850</Min>\n<Max>880</Max>\n</FrequencyRange>\n")}
        << QStringList{"dev1/pa/pasettings.xml:12:1: warning: range 850..880 overlaps 800..900 on line 3, which is "
                       "tried first: this one is never used [overlapping-range]"};
    QTest::newRow("unknown-reference: command and field")
        << QStringList{"dev1/settings/tx.xml",
                       "<RfCommandSettings>\n<Command name=\"CMD_B\"/>\n<Command name=\"CMD_A\">\n"
                       "<Field name=\"f.c\">1</Field>\n</Command>\n</RfCommandSettings>\n"}
        << QStringList{"dev1/settings/tx.xml:2:10: error: command \"CMD_B\" is not defined in "
                       "rf_command_definitions.xml; did you mean \"CMD_A\"? [unknown-reference]",
                       "dev1/settings/tx.xml:4:8: error: field \"f.c\" of CMD_A is not defined in "
                       "rf_command_definitions.xml; did you mean \"f.b\"? [unknown-reference]"};
    QTest::newRow("unknown-reference: default category")
        << QStringList{"dev1/settings/categories.xml",
                       edited("dev1/settings/categories.xml", "<DefCategory>C</DefCategory>",
                              "<DefCategory>c</DefCategory>")}
        << QStringList{"dev1/settings/categories.xml:3:1: error: category \"c\" is not defined in this file; did you "
                       "mean \"C\"? [unknown-reference]"};
    QTest::newRow("unknown-reference: mapped parameter")
        << QStringList{"dev1/param_cmd_mapping.xml",
                       edited("dev1/param_cmd_mapping.xml", "names=\"p\"", "names=\"p,q\"")}
        << QStringList{"dev1/param_cmd_mapping.xml:4:12: error: parameter \"q\" is not defined in "
                       "param_definition.xml [unknown-reference]"};
    QTest::newRow("unknown-reference: group without device")
        << QStringList{"device_list.xml",
                       edited("device_list.xml", "<DeviceName>DEV1</DeviceName>\n</DeviceGroup>",
                              "<DeviceName>DEV1</DeviceName>\n<DeviceName>DEV2</DeviceName>\n"
                              "</DeviceGroup>"),
                       "dev2/device_config.xml", "<DeviceConfig/>\n"}
        << QStringList{"device_list.xml:5:1: error: group \"G\" lists \"DEV2\", which has no <Device> element; did "
                       "you mean \"DEV1\"? [unknown-reference]"};
    QTest::newRow("unknown-file-key")
        << QStringList{"dev1/device_config.xml",
                       edited("dev1/device_config.xml", "\"frontend_settings.xml\"", "\"frontend_setting.xml\"")}
        << QStringList{"dev1/device_config.xml:10:7: error: no reader asks for the file key \"frontend_setting.xml\"; "
                       "did you mean \"frontend_settings.xml\"? [unknown-file-key]"};
    QTest::newRow("empty-path")
        << QStringList{"dev1/device_config.xml", edited("dev1/device_config.xml", ">dev1/settings<", "><")}
        << QStringList{"dev1/device_config.xml:8:1: error: the path of \"categories.xml\" is empty, so its reader "
                       "finds no directory [empty-path]"};
    QTest::newRow("missing-directory") << QStringList{"dev1/pa", "-"}
                                       << QStringList{"dev1/device_config.xml:9:1: error: directory \"dev1/pa\" of "
                                                      "pasettings.xml does not exist, so no PA table is read "
                                                      "[missing-directory]"};
    QTest::newRow("empty-directory") << QStringList{"dev1/overrides/override_a.xml", "-"}
                                     << QStringList{"dev1/device_config.xml:7:1: error: directory \"dev1/overrides\" "
                                                    "holds no file matching override_*.xml, so no override is read "
                                                    "[empty-directory]"};
    QTest::newRow("missing-file: setting file")
        << QStringList{"dev1/settings/s.xml", "-"}
        << QStringList{"dev1/settings/categories.xml:8:1: error: setting file \"s.xml\" does not exist [missing-file]"};
    QTest::newRow("missing-file: configured file")
        << QStringList{"dev1/radio_par_definitions.xml", "-"}
        << QStringList{"dev1/device_config.xml:5:1: error: directory \"dev1\" holds no radio_par_definitions.xml "
                       "[missing-file]"};
    QTest::newRow("missing-directory: configured file")
        << QStringList{"dev1/device_config.xml",
                       edited("dev1/device_config.xml", ">dev1</path>\n<path file=\"rf_",
                              ">dev9</path>\n<path file=\"rf_")}
        << QStringList{"dev1/device_config.xml:5:1: error: directory \"dev9\" of radio_par_definitions.xml does not "
                       "exist [missing-directory]"};
    QTest::newRow("pattern-mismatch")
        << QStringList{"dev1/overrides/overide_b.xml", fileOf("dev1/overrides/override_a.xml")}
        << QStringList{"dev1/overrides/overide_b.xml: error: \"overide_b.xml\" is not read: only files matching "
                       "override_*.xml are [pattern-mismatch]"};
    QTest::newRow("case-only")
        << QStringList{"dev1/settings/s.xml",          "-",
                       "dev1/settings/S.xml",          fileOf("dev1/settings/s.xml"),
                       "dev1/settings/categories.xml", fileOf("dev1/settings/categories.xml").replace("s.xml", "s.XML")}
        << QStringList{"dev1/settings/categories.xml:8:1: warning: setting file \"s.XML\" is found only as "
                       "\"<root>dev1/settings/S.xml\", without regard to letter case [case-only]"};
    QTest::newRow("unlisted-device")
        << QStringList{"device_list.xml",
                       edited("device_list.xml", "</DeviceList>",
                              "<Device>\n<DeviceName>DEV2</DeviceName>\n</Device>\n</DeviceList>")}
        << QStringList{"device_list.xml:10:1: warning: device \"DEV2\" is listed in no group, so the host does not "
                       "offer it [unlisted-device]"};
}

void TestDalCheckRules::rule()
{
    QFETCH(QStringList, changes);
    QFETCH(QStringList, expected);

    FixtureTree tree;
    QVERIFY(tree.isValid());
    for (const auto &file : kTree)
        QVERIFY(tree.write(file.first, file.second));
    for (int i = 0; i + 1 < changes.size(); i += 2) {
        const QString path = tree.path(changes.at(i));
        if (changes.at(i + 1) == QLatin1String("-"))
            QVERIFY(QFileInfo(path).isDir() ? QDir(path).removeRecursively() : QFile::remove(path));
        else
            QVERIFY(tree.write(changes.at(i), changes.at(i + 1).toUtf8()));
    }

    // Run in the tree's directory: it is the root, and paths print relative to it.
    QProcess process;
    process.setWorkingDirectory(tree.root());
    process.start(QStringLiteral(DAL_INSPECT), {QStringLiteral("check")});
    QVERIFY(process.waitForFinished(60000));
    QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    QVERIFY2(lines.size() >= 2, qPrintable(lines.join('\n')));
    QCOMPARE(lines.takeFirst(), QStringLiteral("checking %1, the current directory").arg(tree.root()));
    QVERIFY(lines.takeLast().startsWith(QLatin1String("check: ")));
    for (QString &line : expected)
        line.replace(QLatin1String("<root>"), tree.root());
    QVERIFY2(lines == expected,
             qPrintable(QStringLiteral("printed:\n%1\nexpected:\n%2").arg(lines.join('\n'), expected.join('\n'))));
    const bool errors = !expected.filter(QStringLiteral(": error: ")).isEmpty();
    QCOMPARE(process.exitCode(), errors ? 1 : 0);
}

QTEST_GUILESS_MAIN(TestDalCheckRules)
#include "tst_dalcheckrules.moc"

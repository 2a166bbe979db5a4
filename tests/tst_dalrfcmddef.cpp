#include "fixturetree.h"

#include "DALCommon.h"
#include "DALRfCmdDef.h"

#include <QFileInfo>
#include <QtTest>

#include <memory>

namespace {

QByteArray field(QByteArray const &name, QByteArray const &bytes, QByteArray const &extra = QByteArray())
{
    return "<Field name=\"" + name + "\"><ByteIndex>" + bytes + "</ByteIndex>" + extra + "</Field>";
}

QByteArray command(QByteArray const &name, QByteArray const &id, QByteArray const &fields)
{
    return "<Command name=\"" + name + "\"><id>" + id + "</id>" + fields + "</Command>";
}

QByteArray group(QByteArray const &name, QByteArray const &content)
{
    return "<CommandGroup name=\"" + name + "\">" + content + "</CommandGroup>";
}

QStringList commandNames(DALRfCmdDef::RfCommandGroup const &group)
{
    QStringList names;
    for (const DALRfCmdDef::RfCommandDefinition &definition : group.definitions)
        names.append(definition.name);
    return names;
}

QStringList fieldNames(DALRfCmdDef::RfCommandDefinition const &definition)
{
    QStringList names;
    for (const DALRfCmdDef::Field &f : definition.fields)
        names.append(f.name);
    return names;
}

} // namespace

class TestDALRfCmdDef : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetLibraryState(); }

    void fullLayout();
    void indexStrings_data();
    void indexStrings();
    void commandIds_data();
    void commandIds();
    void sizeFromLastValidField_data();
    void sizeFromLastValidField();
    void groupErrorsStopOnlyTheirGroup_data();
    void groupErrorsStopOnlyTheirGroup();
    void fieldErrorsStopOnlyTheirElement_data();
    void fieldErrorsStopOnlyTheirElement();
    void missingOrBrokenFile_data();
    void missingOrBrokenFile();
    void nestedElementsAtAnyDepth();
    void copiesOwnNoDocument();

private:
    // Writes the definitions file of VO4725 and reads it.
    std::unique_ptr<DALRfCmdDef> load(FixtureTree &tree, QByteArray const &body)
    {
        tree.writeDeviceConfig("VO4725", {"rf_command_definitions.xml"});
        tree.write("vo4725/rf_command_definitions.xml", "<RfCommands>" + body + "</RfCommands>");
        QString device = "VO4725";
        return std::make_unique<DALRfCmdDef>(device);
    }
};

void TestDALRfCmdDef::fullLayout()
{
    FixtureTree tree;
    const QByteArray common = "<CommonFields>" + field("commandNo", "0..1") + field("status", "2..3")
                              + "</CommonFields><CommonFields>" + field("ignored", "9..9") + "</CommonFields>";
    const QByteArray pointer =
        "<Field name=\"pNextOp\" type=\"pointer\"><ByteIndex>4..7</ByteIndex>"
        "<Offset> 260 </Offset><PtrType>rfc_<b>op</b>_t</PtrType><PtrName>next</PtrName>"
        "<Description>Next operation</Description><Access>rw</Access></Field>";
    const QByteArray bits =
        "<BitField name=\"mode\"><BitIndex>0..2</BitIndex><Type>List</Type>"
        "<BitDescription>Mode</BitDescription><BitAccess>w</BitAccess>"
        "<ListItem><Value>0x0</Value><Text>Off</Text></ListItem><ListItem><Value>1</Value></ListItem>"
        "</BitField><BitField><BitIndex>3..7</BitIndex><Type>list</Type>"
        "<ListItem><Value>2</Value></ListItem></BitField>";
    const QByteArray own = pointer + "<Description>Setup</Description>" + field("config", "8..8", bits);
    auto def = load(tree, group("Setup", common + command("CMD_SETUP", "0x3807", own)));

    QCOMPARE(DALCommon::getErrorList(), QStringList());
    const auto &groups = def->getRfCommandGroups().groups;
    QCOMPARE(groups.size(), 1);
    QCOMPARE(groups[0].name, QString("Setup"));
    const DALRfCmdDef::RfCommandDefinition &cmd = groups[0].definitions.value(0);
    QCOMPARE(cmd.name, QString("CMD_SETUP"));
    QCOMPARE((QList<int>{cmd.id, cmd.size}), (QList<int>{0x3807, 9}));
    // The first Description below the command is the pointer field's.
    QCOMPARE(cmd.description, QString("Next operation"));
    QCOMPARE(fieldNames(cmd), (QStringList{"commandNo", "status", "pNextOp", "config"}));

    const DALRfCmdDef::Field &ptr = cmd.fields[2];
    QCOMPARE((QList<int>{ptr.byteOffset, ptr.byteLength, ptr.ptrOffset}), (QList<int>{4, 4, 4}));
    QCOMPARE((QStringList{ptr.type, ptr.ptrType, ptr.ptrName, ptr.access}),
             (QStringList{"pointer", "rfc_op_t", "next", "rw"}));
    QCOMPARE(cmd.fields[1].type, QString());

    const DALRfCmdDef::Field &config = cmd.fields[3];
    QCOMPARE(config.bitfields.size(), 2);
    const DALRfCmdDef::Bitfield &mode = config.bitfields[0];
    QCOMPARE((QStringList{mode.name, mode.description, mode.access}), (QStringList{"mode", "Mode", "w"}));
    QCOMPARE((QList<int>{mode.bitOffset, mode.bitLength, int(mode.listItems.size())}), (QList<int>{0, 3, 2}));
    QCOMPARE((QStringList{mode.listItems[0].value, mode.listItems[0].text, mode.listItems[1].text}),
             (QStringList{"0x0", "Off", ""}));
    // Only the exact type "List" carries items.
    QCOMPARE(config.bitfields[1].name, QString());
    QCOMPARE((QList<int>{config.bitfields[1].bitOffset, config.bitfields[1].bitLength}), (QList<int>{3, 5}));
    QVERIFY(config.bitfields[1].listItems.isEmpty());
}

void TestDALRfCmdDef::indexStrings_data()
{
    QTest::addColumn<QByteArray>("index");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("length");
    QTest::newRow("single number") << QByteArray("3") << false << 0 << 0;
    QTest::newRow("one byte") << QByteArray("3..3") << true << 3 << 1;
    QTest::newRow("spaces") << QByteArray(" 5 .. 7 ") << true << 5 << 3;
    QTest::newRow("reversed") << QByteArray("2..1") << false << 0 << 0;
    QTest::newRow("no start") << QByteArray("..4") << false << 0 << 0;
    QTest::newRow("no end") << QByteArray("4..") << false << 0 << 0;
    QTest::newRow("three parts") << QByteArray("1..2..3") << false << 0 << 0;
    QTest::newRow("three dots") << QByteArray("1...2") << false << 0 << 0;
    QTest::newRow("letters") << QByteArray("a..b") << false << 0 << 0;
    QTest::newRow("negative start") << QByteArray("-1..3") << false << 0 << 0;
    QTest::newRow("low bytes") << QByteArray("256..257") << true << 0 << 2;
    QTest::newRow("out of 16 bits") << QByteArray("1..70000") << false << 0 << 0;
    QTest::newRow("empty") << QByteArray("") << false << 0 << 0;
}

void TestDALRfCmdDef::indexStrings()
{
    QFETCH(QByteArray, index);
    QFETCH(bool, valid);
    QFETCH(int, offset);
    QFETCH(int, length);
    FixtureTree tree;
    const QByteArray bits = "<BitField name=\"b\"><BitIndex>" + index + "</BitIndex></BitField>";
    auto def = load(tree, group("G", command("CMD", "1", field("first", "0..0") + field("f", index, bits))));

    const QStringList expectedErrors = valid ? QStringList()
                                             : QStringList{"XML validation failed", "XML validation failed"};
    QCOMPARE(DALCommon::getErrorList(), expectedErrors);
    QCOMPARE(DALCommon::getStatus(), 0);
    const DALRfCmdDef::RfCommandDefinition &cmd = def->getRfCommandGroups().groups.value(0).definitions.value(0);
    QCOMPARE(cmd.fields.size(), 2);
    QCOMPARE(int(cmd.fields[1].byteOffset), offset);
    QCOMPARE(int(cmd.fields[1].byteLength), length);
    QCOMPARE(int(cmd.fields[1].bitfields.value(0).bitOffset), offset);
    QCOMPARE(int(cmd.fields[1].bitfields.value(0).bitLength), length);
    QCOMPARE(int(cmd.size), valid ? offset + length : 1);
}

void TestDALRfCmdDef::commandIds_data()
{
    QTest::addColumn<QByteArray>("idXml");
    QTest::addColumn<int>("id"); // -1: rejected
    QTest::newRow("0x prefix") << QByteArray("<id>0x1801</id>") << 0x1801;
    QTest::newRow("plain hex") << QByteArray("<id>1801</id>") << 0x1801;
    QTest::newRow("low 16 bits") << QByteArray("<id>12345</id>") << 0x2345;
    QTest::newRow("spaces") << QByteArray("<id> 1a </id>") << 0x1a;
    QTest::newRow("not hex") << QByteArray("<id>12g</id>") << -1;
    QTest::newRow("negative") << QByteArray("<id>-1</id>") << -1;
    QTest::newRow("empty") << QByteArray("<id/>") << -1;
    QTest::newRow("missing") << QByteArray() << -1;
}

void TestDALRfCmdDef::commandIds()
{
    QFETCH(QByteArray, idXml);
    QFETCH(int, id);
    FixtureTree tree;
    auto def = load(tree, group("G", "<Command name=\"CMD_X\">" + idXml + field("f", "0..1") + "</Command>"));
    const DALRfCmdDef::RfCommandGroup &g = def->getRfCommandGroups().groups.value(0);
    if (id < 0) {
        QCOMPARE(DALCommon::getErrorList(), QStringList{"File open failed: Invalid id value for command CMD_X"});
        QVERIFY(g.definitions.isEmpty());
    } else {
        QCOMPARE(DALCommon::getErrorList(), QStringList());
        QCOMPARE(int(g.definitions.value(0).id), id);
    }
}

void TestDALRfCmdDef::sizeFromLastValidField_data()
{
    QTest::addColumn<QByteArray>("fields");
    QTest::addColumn<int>("size"); // 0: rejected
    QTest::newRow("in order") << field("a", "0..1") + field("b", "2..5") << 6;
    QTest::newRow("out of order") << field("a", "4..9") + field("b", "0..1") << 2;
    QTest::newRow("invalid last") << field("a", "0..3") + field("b", "7") << 4;
    QTest::newRow("ends at 255") << field("a", "250..255") << 0;
    QTest::newRow("whole 256 bytes") << field("a", "0..255") << 0;
    QTest::newRow("no valid field") << field("a", "x") << 0;
    QTest::newRow("no field") << QByteArray() << 0;
}

void TestDALRfCmdDef::sizeFromLastValidField()
{
    QFETCH(QByteArray, fields);
    QFETCH(int, size);
    FixtureTree tree;
    auto def = load(tree, group("G", command("CMD_A", "1", fields) + command("CMD_B", "2", field("x", "0..0")))
                              + group("H", command("CMD_C", "3", field("y", "0..0"))));
    const auto &groups = def->getRfCommandGroups().groups;
    QCOMPARE(groups.size(), 2);
    QCOMPARE(commandNames(groups[1]), QStringList{"CMD_C"});
    if (size == 0) {
        QCOMPARE(DALCommon::getLatestError(), QString("File open failed: Size of command CMD_A is 0 in "
                                                      "rf_command_definitions.xml"));
        QCOMPARE(commandNames(groups[0]), QStringList());
    } else {
        QCOMPARE(commandNames(groups[0]), (QStringList{"CMD_A", "CMD_B"}));
        QCOMPARE(int(groups[0].definitions[0].size), size);
    }
}

void TestDALRfCmdDef::groupErrorsStopOnlyTheirGroup_data()
{
    QTest::addColumn<QByteArray>("bad");
    QTest::addColumn<QString>("message");
    QTest::newRow("command without name")
        << QByteArray("<Command><id>2</id>" + field("f", "0..0") + "</Command>")
        << "File open failed: Missing \"name\" attribute for \"Command\" element in rf_command_definitions.xml";
    QTest::newRow("bad id") << command("CMD_BAD", "zz", field("f", "0..0"))
                            << "File open failed: Invalid id value for command CMD_BAD";
    QTest::newRow("size 0") << command("CMD_BAD", "2", field("f", "1"))
                            << "File open failed: Size of command CMD_BAD is 0 in rf_command_definitions.xml";
}

void TestDALRfCmdDef::groupErrorsStopOnlyTheirGroup()
{
    QFETCH(QByteArray, bad);
    QFETCH(QString, message);
    FixtureTree tree;
    const QByteArray ok = field("f", "0..0");
    auto def = load(tree, group("G", command("CMD_A", "1", ok) + bad + command("CMD_C", "3", ok))
                              + "<Nested>" + group("", command("CMD_D", "4", ok)) + "</Nested>");
    QCOMPARE(DALCommon::getErrorList().last(), message);
    QCOMPARE(DALCommon::getStatus(), -1);
    const auto &groups = def->getRfCommandGroups().groups;
    QCOMPARE(groups.size(), 2);
    QCOMPARE(commandNames(groups[0]), QStringList{"CMD_A"});
    QCOMPARE(groups[1].name, QString());
    QCOMPARE(commandNames(groups[1]), QStringList{"CMD_D"});
}

void TestDALRfCmdDef::fieldErrorsStopOnlyTheirElement_data()
{
    QTest::addColumn<QByteArray>("bad");
    QTest::addColumn<QString>("message");
    QTest::newRow("field without name")
        << QByteArray("<Field><ByteIndex>0..0</ByteIndex></Field>")
        << "File open failed: Missing \"name\" attribute for \"Field\" element in rf_command_definitions.xml";
    QTest::newRow("bad pointer offset")
        << QByteArray("<Field name=\"p\" type=\"pointer\"><ByteIndex>0..3</ByteIndex><Offset>4x</Offset></Field>")
        << "File open failed: Invalid offset value given for pointer type element. Value: 4x";
    QTest::newRow("empty pointer offset")
        << QByteArray("<Field name=\"p\" type=\"pointer\"><ByteIndex>0..3</ByteIndex><Offset/></Field>")
        << "File open failed: Invalid offset value given for pointer type element. Value: ";
}

void TestDALRfCmdDef::fieldErrorsStopOnlyTheirElement()
{
    QFETCH(QByteArray, bad);
    QFETCH(QString, message);
    FixtureTree tree;
    const QByteArray common = "<CommonFields>" + field("c1", "0..0") + bad + field("c2", "1..1") + "</CommonFields>";
    const QByteArray own = field("o1", "2..2") + bad + field("o2", "3..3");
    auto def = load(tree, group("G", common + command("CMD", "1", own)));
    QCOMPARE(DALCommon::getErrorList(), (QStringList{message, message}));
    const DALRfCmdDef::RfCommandDefinition &cmd = def->getRfCommandGroups().groups.value(0).definitions.value(0);
    QCOMPARE(fieldNames(cmd), (QStringList{"c1", "o1"}));
    QCOMPARE(cmd.size, quint8(3));
}

void TestDALRfCmdDef::missingOrBrokenFile_data()
{
    QTest::addColumn<QString>("setup");
    QTest::newRow("no directory") << "nodir";
    QTest::newRow("no file") << "nofile";
    QTest::newRow("malformed") << "malformed";
}

void TestDALRfCmdDef::missingOrBrokenFile()
{
    QFETCH(QString, setup);
    FixtureTree tree;
    tree.writeDeviceConfig("VO4725", {setup == "nodir" ? "other.xml" : "rf_command_definitions.xml"});
    if (setup == "malformed")
        tree.write("vo4725/rf_command_definitions.xml", "<RfCommands><CommandGroup></RfCommands>");
    QString device = "VO4725";
    DALRfCmdDef def(device);
    QVERIFY(def.getRfCommandGroups().groups.isEmpty());
    QCOMPARE(DALCommon::getErrorList().size(), 1);
    QCOMPARE(DALRfCmdDef::fileExist("VO4725"), setup == "malformed");
    const QString path = QFileInfo(tree.path("vo4725/rf_command_definitions.xml")).absoluteFilePath();
    const QString error = DALCommon::getLatestError();
    if (setup == "nodir")
        QCOMPARE(error, QString("Configuration parameter error: Failed to find path to "
                                "rf_command_definitions.xml for device: VO4725"));
    else if (setup == "nofile")
        QCOMPARE(error, "File open failed: " + path);
    else
        QVERIFY2(error.startsWith("XML DOM parse failed: " + path + ", line 1: \n"), qPrintable(error));
}

void TestDALRfCmdDef::nestedElementsAtAnyDepth()
{
    FixtureTree tree;
    const QByteArray inner = field("inner", "2..2", "<Description>deep</Description>"
                                                    "<BitField name=\"b\"><BitIndex>1..1</BitIndex></BitField>");
    const int depth = 900; // the loader refuses documents nested deeper than 1000 levels
    QByteArray deep;
    for (int i = 0; i < depth; ++i)
        deep += "<Field name=\"d\"><ByteIndex>4..4</ByteIndex>";
    for (int i = 0; i < depth; ++i)
        deep += "</Field>";
    auto def = load(tree, group("G", command("CMD", "1", field("outer", "0..1", inner) + field("after", "3..3")))
                              + group("H", command("CMD_DEEP", "2", deep)));
    QCOMPARE(DALCommon::getErrorList(), QStringList());
    const auto &groups = def->getRfCommandGroups().groups;
    const DALRfCmdDef::RfCommandDefinition &cmd = groups.value(0).definitions.value(0);
    QCOMPARE(fieldNames(cmd), (QStringList{"outer", "inner", "after"}));
    QCOMPARE(cmd.description, QString("deep"));
    QCOMPARE(cmd.size, quint8(4));
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(cmd.fields[i].description, QString("deep"));
        QCOMPARE(cmd.fields[i].bitfields.size(), 1);
    }
    QCOMPARE(cmd.fields[2].description, QString());
    QVERIFY(cmd.fields[2].bitfields.isEmpty());
    QCOMPARE(groups.value(1).definitions.value(0).fields.size(), depth);
}

void TestDALRfCmdDef::copiesOwnNoDocument()
{
    FixtureTree tree;
    auto original = load(tree, group("G", command("CMD_A", "1", field("f", "0..3"))));
    DALRfCmdDef copy(*original);
    QString other = "VO0000";
    DALRfCmdDef assigned(other);
    assigned = *original;
    assigned = assigned;
    original.reset();
    copy.getRfCommandGroups().groups[0].name = "changed";
    QCOMPARE(assigned.getRfCommandGroups().groups.value(0).name, QString("G"));
    QCOMPARE(copy.getRfCommandGroups().groups.value(0).definitions.value(0).size, quint8(4));
    DALRfCmdDef second(copy);
    QCOMPARE(second.getRfCommandGroups().groups.value(0).name, QString("changed"));
}

QTEST_GUILESS_MAIN(TestDALRfCmdDef)
#include "tst_dalrfcmddef.moc"

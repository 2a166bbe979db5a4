#include "readerfixture.h"

#include "DALCommon.h"
#include "DALParamDef.h"

#include <QtTest>

#include <memory>

struct DALTestAccess
{
    static int status(DALParamDef const &def) { return def.m_status; }
    static QString title(DALParamDef const &def) { return def.m_title; }
    static QString errorText(DALParamDef const &def) { return def.m_errorText; }
};

namespace {

using ListValues = QList<QPair<QString, QString>>; // (text, value)

const QByteArray kFirst = "<Parameter name=\"first\" type=\"INT\"/>";

QByteArray group(QByteArray const &name, QByteArray const &parameters)
{
    return "<parGroup name=\"" + name + "\">" + parameters + "</parGroup>";
}

QByteArray listParameter(QByteArray const &listValues)
{
    return "<Parameter name=\"list\" type=\"LIST\">" + listValues + "</Parameter>";
}

struct ParamFixture : ReaderFixture<DALParamDef>
{
    DALParamDef *def;
    explicit ParamFixture(QByteArray const &body)
        : ReaderFixture("param_definition.xml", "ParamDefinition", body), def(reader.get())
    {
    }
};

ListValues pairs(QList<DALParamDef::ListValue> const &values)
{
    ListValues result;
    for (const DALParamDef::ListValue &v : values)
        result.append({v.text, v.value});
    return result;
}

QStringList errors()
{
    return DALCommon::getErrorList();
}

const QString kStepNumeric = "File open failed: Invalid \"step\" attribute in param_definition.xml. The data must be given as a numeric value.";

} // namespace

class TestDALParamDef : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetLibraryState(); }

    void keywords_data();
    void keywords();
    void simpleChildren_data();
    void simpleChildren();
    void resetBetweenParameters();
    void walkStructure();
    void lookupByNameAndIndex();
    void listValues_data();
    void listValues();
    void dependencies_data();
    void dependencies();
    void validation_data();
    void validation();
    void options_data();
    void options();
    void walkStopsAtFirstFault();
    void openFailures();
    void fileExist();
    void copiesAreIndependent();
    void nameIndexMatchesFirstRecord();
};

// Group and type keywords, one of each per row.
void TestDALParamDef::keywords_data()
{
    QTest::addColumn<QByteArray>("groupName");
    QTest::addColumn<QByteArray>("typeText");
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("type");
    QTest::newRow("mainRfParameters, INTEGER") << QByteArray(" name=\"mainRfParameters\"") << QByteArray("INTEGER") << 1 << 4;
    QTest::newRow("ContTx, POINTLIST") << QByteArray(" name=\"ContTx\"") << QByteArray("POINTLIST") << 2 << 4;
    QTest::newRow("contrx, TextList") << QByteArray(" name=\"contrx\"") << QByteArray("TextList") << 3 << 2;
    QTest::newRow("PacketTx, bool") << QByteArray(" name=\"PacketTx\"") << QByteArray("bool") << 4 << 1;
    QTest::newRow("PACKETRX, CompositeList") << QByteArray(" name=\"PACKETRX\"") << QByteArray("CompositeList") << 5 << 9;
    QTest::newRow("PacketView, float") << QByteArray(" name=\"PacketView\"") << QByteArray("float") << 6 << 5;
    QTest::newRow("unknown group, list") << QByteArray(" name=\"Other\"") << QByteArray("list") << 0 << 6;
    QTest::newRow("no group name, Widget") << QByteArray() << QByteArray("Widget") << 0 << 7;
    QTest::newRow("BUTTON") << QByteArray(" name=\"ContTx\"") << QByteArray("BUTTON") << 2 << 8;
    QTest::newRow("unknown type") << QByteArray(" name=\"ContTx\"") << QByteArray("string") << 2 << 0;
    QTest::newRow("empty type") << QByteArray(" name=\"ContTx\"") << QByteArray("") << 2 << 0;
}

void TestDALParamDef::keywords()
{
    QFETCH(QByteArray, groupName);
    QFETCH(QByteArray, typeText);
    QFETCH(int, group);
    QFETCH(int, type);
    ParamFixture f("<parGroup" + groupName + "><Parameter name=\"p\" type=\"" + typeText + "\"/></parGroup>");
    QCOMPARE(f.def->count(), 1);
    QCOMPARE(int(f.def->at(0).group), group);
    QCOMPARE(int(f.def->at(0).type), type);
    QVERIFY(errors().isEmpty());
}

void TestDALParamDef::simpleChildren_data()
{
    QTest::addColumn<QByteArray>("children");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QVariant>("expected");
    QTest::newRow("Editable false") << QByteArray("<Editable>false</Editable>") << "editable" << QVariant(true);
    QTest::newRow("Editable No") << QByteArray("<Editable>No</Editable>") << "editable" << QVariant(false);
    QTest::newRow("Editable none") << QByteArray("<Editable>none</Editable>") << "editable" << QVariant(false);
    QTest::newRow("Editable unknown") << QByteArray("<Editable>unknown</Editable>") << "editable" << QVariant(false);
    QTest::newRow("no Editable") << QByteArray() << "editable" << QVariant(false);
    QTest::newRow("no Visible") << QByteArray() << "visible" << QVariant(true);
    QTest::newRow("Visible no") << QByteArray("<Visible>no</Visible>") << "visible" << QVariant(false);
    QTest::newRow("no CmdUpdate") << QByteArray() << "cmdUpdate" << QVariant(true);
    QTest::newRow("CmdUpdate NO") << QByteArray("<CmdUpdate>NO</CmdUpdate>") << "cmdUpdate" << QVariant(false);
    QTest::newRow("Access RW") << QByteArray("<Access>RW</Access>") << "readOnly" << QVariant(false);
    QTest::newRow("Access R") << QByteArray("<Access>R</Access>") << "readOnly" << QVariant(true);
    QTest::newRow("Access rw") << QByteArray("<Access>rw</Access>") << "readOnly" << QVariant(true);
    QTest::newRow("no Access") << QByteArray() << "readOnly" << QVariant(false);
    QTest::newRow("Row 3") << QByteArray("<Row>3</Row>") << "row" << QVariant(3);
    QTest::newRow("Row three") << QByteArray("<Row>three</Row>") << "row" << QVariant(0);
    QTest::newRow("Label untrimmed") << QByteArray("<Label> Freq <!--c-->(MHz)</Label>") << "label" << QVariant(" Freq (MHz)");
    QTest::newRow("first Label wins") << QByteArray("<Label>a</Label><Label>b</Label>") << "label" << QVariant("a");
    QTest::newRow("nested Label ignored") << QByteArray("<X><Label>a</Label></X>") << "label" << QVariant("");
}

void TestDALParamDef::simpleChildren()
{
    QFETCH(QByteArray, children);
    QFETCH(QString, field);
    QFETCH(QVariant, expected);
    ParamFixture f(group("ContTx", "<Parameter name=\"p\" type=\"TEXT\">" + children + "</Parameter>"));
    QCOMPARE(f.def->count(), 1);
    const DALParamDef::ParamDefinition &p = f.def->at(0);
    const QVariantMap fields{{"editable", p.editable}, {"visible", p.visible}, {"cmdUpdate", p.cmdUpdate},
                             {"readOnly", p.readOnly}, {"row", p.row}, {"label", p.label}};
    QCOMPARE(fields.value(field), expected);
}

void TestDALParamDef::resetBetweenParameters()
{
    ParamFixture f(group("PacketRx",
                         "<Parameter name=\"full\" type=\"LIST\">"
                         "<Label>L</Label><Unit>U</Unit><DefValue>D</DefValue><ClassName>C</ClassName>"
                         "<Tooltip>T</Tooltip><UrlHelp>H</UrlHelp><Buddy>B</Buddy><Editable>yes</Editable>"
                         "<Access>R</Access><Visible>no</Visible><CmdUpdate>no</CmdUpdate><Row>5</Row>"
                         "<Validation type=\"MinMax\"><Min>1</Min><Max>9</Max></Validation>"
                         "<ListValues precision=\"2\"><Value text=\"a\">1</Value></ListValues>"
                         "<Dependencies><Dependency name=\"d\"/></Dependencies><Option name=\"o\">1</Option>"
                         "</Parameter>"
                         "<Parameter name=\"bare\"/>"));
    QCOMPARE(f.def->count(), 2);
    const DALParamDef::ParamDefinition &full = f.def->at(0);
    QCOMPARE(full.label + full.unit + full.defValue + full.className + full.tooltip + full.urlHelp + full.buddy,
             QString("LUDCTHB"));
    QVERIFY(full.editable && full.readOnly && !full.visible && !full.cmdUpdate);
    QCOMPARE(full.row, 5);
    QCOMPARE(full.precision, 2);
    QCOMPARE(int(full.validation.type), 1);
    QCOMPARE(full.validation.min + full.validation.max, QString("19"));

    const DALParamDef::ParamDefinition &bare = f.def->at(1);
    QCOMPARE(bare.name, QString("bare"));
    QCOMPARE(int(bare.group), 5);
    QCOMPARE(int(bare.type), 0);
    QVERIFY(bare.label.isEmpty() && bare.unit.isEmpty() && bare.defValue.isEmpty() && bare.buddy.isEmpty());
    QVERIFY(!bare.editable && !bare.readOnly && bare.visible && bare.cmdUpdate);
    QCOMPARE(bare.row, 0);
    QCOMPARE(bare.precision, -1);
    QCOMPARE(int(bare.validation.type), 0);
    QVERIFY(bare.validation.min.isEmpty());
    QVERIFY(bare.listValues.isEmpty() && bare.dependencies.isEmpty() && bare.options.isEmpty());
    QVERIFY(errors().isEmpty());
}

void TestDALParamDef::walkStructure()
{
    ParamFixture f("<Panels>"
                   + group("MainRfParameters", "text<!-- comment --><Parameter name=\"a\"><Inner name=\"deep\"/></Parameter>"
                                               "<Knob name=\"b\"/>")
                   + "</Panels>" + group("PacketView", "<Parameter name=\"c\"/>")
                   + "<Parameter name=\"outside\"/>");
    QCOMPARE(f.def->count(), 3);
    QCOMPARE(f.def->at(0).name, QString("a"));
    QCOMPARE(f.def->at(1).name, QString("b"));
    QCOMPARE(f.def->at(2).name, QString("c"));
    QCOMPARE(int(f.def->at(2).group), 6);
    QCOMPARE(DALTestAccess::title(*f.def), QString("Parameter definition"));

    ParamFixture empty("<Other/>");
    QCOMPARE(empty.def->count(), 0);
    QCOMPARE(DALTestAccess::status(*empty.def), 0);
    QCOMPARE(DALTestAccess::title(*empty.def), QString("Parameter definition"));
}

void TestDALParamDef::lookupByNameAndIndex()
{
    ParamFixture f(group("ContRx", "<Parameter name=\"dup\" type=\"INT\"/><Parameter name=\"dup\" type=\"BOOL\"/>"
                                   "<Parameter name=\"withDeps\"><Dependencies><Dependency name=\"x\"><Type>DT_MAP</Type>"
                                   "</Dependency></Dependencies></Parameter>"));
    QCOMPARE(f.def->count(), 3);
    const DALParamDef::ParamDefinition *dup = f.def->getParamDefinition("dup");
    QVERIFY(dup);
    QCOMPARE(dup, &f.def->at(0));
    QCOMPARE(f.def->getParamDefinition("DUP"), nullptr);
    QCOMPARE(f.def->getParamDefinition("missing"), nullptr);

    const DALParamDef::ParamDefinition &past = f.def->at(f.def->count());
    QCOMPARE(int(past.type), 0);
    QVERIFY(past.name.isEmpty() && past.listValues.isEmpty());
    QVERIFY(!past.visible && !past.cmdUpdate);
    QCOMPARE(past.precision, 0);
    QCOMPARE(int(f.def->at(-1).type), 0);

    QCOMPARE(f.def->depCount(2), 1);
    QCOMPARE(f.def->depAt(2, 0).name, QString("x"));
    QCOMPARE(int(f.def->depAt(2, 0).type), 3);
    const DALParamDef::Dependency &none = f.def->depAt(2, f.def->depCount(2));
    QCOMPARE(int(none.type), 0);
    QCOMPARE(int(none.group), 0);
    QVERIFY(none.name.isEmpty() && none.mapping.isEmpty());
    QCOMPARE(&f.def->depAt(3, 0), &none);
    QCOMPARE(&f.def->depAt(0, 0), &none);
}

void TestDALParamDef::listValues_data()
{
    QTest::addColumn<QByteArray>("children");
    QTest::addColumn<ListValues>("values");
    QTest::addColumn<QStringList>("messages");

    auto range = [](QByteArray step, QByteArray begin, QByteArray end) {
        return "<Range step=\"" + step + "\"><Begin>" + begin + "</Begin><End>" + end + "</End></Range>";
    };
    auto ints = [](QList<int> list) {
        ListValues v;
        for (int i : list)
            v.append({QString::number(i), QString::number(i)});
        return v;
    };
    const QString prefix = "File open failed: ";

    // Rows that read values and give no message, rows that give messages
    // and drop the parameter.
    auto reads = [](const char *name, QByteArray const &children, ListValues const &values) {
        QTest::newRow(name) << children << values << QStringList();
    };
    auto fails = [](const char *name, QByteArray const &children, QStringList const &messages) {
        QTest::newRow(name) << children << ListValues() << messages;
    };

    reads("step 2 over 0..10", range("2", "0", "10"), ints({0, 2, 4, 6, 8, 10}));
    reads("1..10 step 4", range("4", "1", "10"), ints({1, 5, 9}));
    reads("single value", range("3", "-2", "-2"), ints({-2}));
    reads("descending is empty", range("1", "10", "0"), ListValues());
    reads("decimal", range("1", "0.5", "2.5"), {{"0.50000", "0.5"}, {"1.50000", "1.5"}, {"2.50000", "2.5"}});
    reads("decimal six digits", range("1", "0.25", "1.2"), {{"0.25000", "0.25"}});
    reads("decimal large", range("1000", "1234567.5", "1235600.0"),
          {{"1234567.50000", "1.23457e+06"}, {"1235567.50000", "1.23557e+06"}});
    reads("decimal descending", range("1", "2.5", "0.5"), ListValues());
    reads("template", "<Range step=\"1\"><Begin text=\"%1 dBm\">0</Begin><End>2</End></Range>",
          {{"0 dBm", "0"}, {"1 dBm", "1"}, {"2 dBm", "2"}});
    reads("decimal template", "<Range step=\"2\"><Begin text=\"~%1\">1.5</Begin><End>3.5</End></Range>",
          {{"~1.50000", "1.5"}, {"~3.50000", "3.5"}});
    reads("template lowest marker", "<Range step=\"1\"><Begin text=\"%2/%1/%1\">7</Begin><End>7</End></Range>",
          {{"%2/7/7", "7"}});
    reads("template without marker", "<Range step=\"5\"><Begin text=\"100%\">0</Begin><End>5</End></Range>",
          {{"100%", "0"}, {"100%", "5"}});
    reads("values and range in order",
          "<Value text=\"Off\">-1</Value>" + range("1", "0", "1") + "<Value text=\"Max\">99</Value>",
          {{"Off", "-1"}, {"0", "0"}, {"1", "1"}, {"Max", "99"}});
    reads("ValueRange is a Value", "<ValueRange text=\"t\">v</ValueRange>", {{"t", "v"}});
    reads("each Range expands itself", range("1", "0", "1") + range("1", "5", "6"), ints({0, 1, 5, 6}));

    const QString stepPositive = prefix + "Invalid \"step\" attribute in param_definition.xml. The step must be greater "
                                          "than zero.";
    const QString noBegin = prefix + "The child element \"Begin\" is missing from a \"Range\" element in "
                                     "param_definition.xml.";
    fails("step 0.5", range("0.5", "0.5", "2.5"), {kStepNumeric});
    fails("step 0", range("0", "0", "10"), {stepPositive});
    fails("step -1", range("-1", "10", "0"), {stepPositive});
    fails("no step", "<Range><Begin>0</Begin><End>1</End></Range>",
          {prefix + "The \"step\" attribute is missing for the \"Range\" element in param_definition.xml."});
    fails("step checked before Begin", "<Range step=\"x\"/>", {kStepNumeric});
    fails("no Begin, good step", "<Range step=\"1\"><End>1</End></Range>", {noBegin});
    fails("bad Begin", range("1", "a", "1"), {prefix + "Invalid value given for the \"Begin\" element in "
                                                       "param_definition.xml. The data must be given as a numeric value."});
    fails("no End", "<Range step=\"1\"><Begin>0</Begin></Range>",
          {prefix + "The child element \"End\" is missing from a \"Range\" element in param_definition.xml."});
    fails("bad End", range("1", "0.5", "x.5"), {prefix + "Invalid value given for the \"End\" element in "
                                                         "param_definition.xml. The data must be given as a numeric value."});
    fails("mixed forms", range("1", "0", "2.5"),
          {prefix + "The \"Begin\" and \"End\" elements of a \"Range\" element in param_definition.xml must both be "
                    "integers or both be decimal numbers."});
    fails("too many entries", range("1", "-2000000000", "2000000000"),
          {prefix + "The \"Range\" element in param_definition.xml gives more than 1000000 values."});
    fails("Range-like tag without Range", "<Ranges step=\"1\"/>",
          {prefix + "The \"Range\" tag was not recognized as an DOM Element in param_definition.xml."});
    fails("failed range does not stop the others",
          range("1", "0", "1") + range("z", "0", "1") + "<Value text=\"t\">v</Value><Range step=\"1\"/>",
          {kStepNumeric, noBegin});
    fails("Value without text", "<Value>1</Value><Range step=\"z\"/>",
          {prefix + "Missing \"text\" attribute for element Value in param_definition.xml"});
    fails("invalid tag", "<Item text=\"a\">1</Item>",
          {prefix + "Invalid tag used for the \"List\" element Item in param_definition.xml"});
}

void TestDALParamDef::listValues()
{
    QFETCH(QByteArray, children);
    QFETCH(ListValues, values);
    QFETCH(QStringList, messages);
    ParamFixture f(group("ContTx", kFirst + listParameter("<ListValues>" + children + "</ListValues>")
                                   + "<Parameter name=\"after\"/>"));
    QCOMPARE(errors(), messages);
    if (messages.isEmpty()) {
        QCOMPARE(f.def->count(), 3);
        QCOMPARE(pairs(f.def->at(1).listValues), values);
        QCOMPARE(f.def->at(1).precision, -1);
    } else {
        QCOMPARE(f.def->count(), 1);
        QCOMPARE(f.def->at(0).name, QString("first"));
    }
    QCOMPARE(DALTestAccess::status(*f.def), 0);
}

void TestDALParamDef::dependencies_data()
{
    QTest::addColumn<QByteArray>("dependencies");
    QTest::addColumn<QStringList>("messages");
    const QString prefix = "File open failed: ";
    QTest::newRow("valid")
        << QByteArray("<Dependency name=\"d1\"><Type>dt_map</Type><Group>PacketTx</Group><Parameter>freq</Parameter>"
                      "<Map><From>a</From><To>1</To></Map><Sub><Map><From>b</From><To>2</To></Map></Sub>"
                      "<Map><From>a</From><To>3</To></Map></Dependency>"
                      "<!-- c --><OtherDependency name=\"d2\"><Type>DT_EQUAL</Type></OtherDependency>")
        << QStringList();
    QTest::newRow("invalid tag")
        << QByteArray("<Dependency name=\"d1\"/><Depend name=\"d2\"/>")
        << QStringList{prefix + "Invalid tag used for the \"Dependencies\" element Depend in param_definition.xml"};
    QTest::newRow("missing name, bad map")
        << QByteArray("<Dependency><Map><From>a</From><To></To></Map><Map><From>b</From></Map></Dependency>"
                      "<Dependency name=\"unread\"><Map/></Dependency>")
        << QStringList{prefix + "Missing \"name\" attribute for element Dependency in param_definition.xml",
                       prefix + "Invalid \"Dependency mapping\" in param_definition.xml",
                       prefix + "Invalid \"Dependency mapping\" in param_definition.xml"};
}

void TestDALParamDef::dependencies()
{
    QFETCH(QByteArray, dependencies);
    QFETCH(QStringList, messages);
    // A faulty Dependencies ends the walk at once: the bad option after it is
    // never read, so the reader's status stays 0.
    const QByteArray option = messages.isEmpty() ? "" : "<Option name=\"o\"/>";
    ParamFixture f(group("ContTx", kFirst + "<Parameter name=\"p\"><Dependencies>" + dependencies
                                   + "</Dependencies>" + option + "</Parameter>"));
    QCOMPARE(errors(), messages);
    QCOMPARE(DALTestAccess::status(*f.def), 0);
    if (!messages.isEmpty()) {
        QCOMPARE(f.def->count(), 1);
        return;
    }
    QCOMPARE(f.def->count(), 2);
    QCOMPARE(f.def->depCount(1), 2);
    const DALParamDef::Dependency &d1 = f.def->depAt(1, 0);
    QCOMPARE(d1.name, QString("d1"));
    QCOMPARE(int(d1.type), 3);
    QCOMPARE(int(d1.group), 4);
    QCOMPARE(d1.parameter, QString("freq"));
    const QMap<QString, QString> mapping{{"a", "3"}, {"b", "2"}};
    QCOMPARE(d1.mapping, mapping);
    const DALParamDef::Dependency &d2 = f.def->depAt(1, 1);
    QCOMPARE(d2.name, QString("d2"));
    QCOMPARE(int(d2.type), 1);
    QVERIFY(d2.mapping.isEmpty());
}

void TestDALParamDef::validation_data()
{
    QTest::addColumn<QByteArray>("validation");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("texts"); // name|min|max
    QTest::addColumn<QString>("message");
    const QString prefix = "File open failed: ";
    QTest::newRow("minmax lower case")
        << QByteArray("<Validation type=\"minmax\"><Max>10</Max><Min>-5</Min><Name>n</Name></Validation>")
        << 1 << "|-5|10" << QString();
    QTest::newRow("code") << QByteArray("<Validation type=\"Code\"><Name>checkFreq</Name><Min>1</Min></Validation>")
                          << 2 << "checkFreq||" << QString();
    QTest::newRow("unknown type") << QByteArray("<Validation type=\"range\"/>") << 0 << "||" << QString();
    QTest::newRow("no type") << QByteArray("<Validation><Min>1</Min></Validation>") << 0 << "||"
                             << prefix + "The \"type\" attribute is missing for the \"Validation\" element in param_definition.xml.";
    QTest::newRow("no Min") << QByteArray("<Validation type=\"MINMAX\"/>") << 0 << "||"
                            << prefix + "The \"Min\" value is missing from a \"Min-Max\" validation in param_definition.xml.";
    QTest::newRow("no Max") << QByteArray("<Validation type=\"MINMAX\"><Min>1</Min></Validation>") << 0 << "||"
                            << prefix + "The \"Max\" value is missing from a \"Min-Max\" validation in param_definition.xml.";
    QTest::newRow("no Name") << QByteArray("<Validation type=\"CODE\"/>") << 0 << "||"
                             << prefix + "The \"Name\" is missing from a \"Code\" validation in param_definition.xml.";
}

void TestDALParamDef::validation()
{
    QFETCH(QByteArray, validation);
    QFETCH(int, type);
    QFETCH(QString, texts);
    QFETCH(QString, message);
    ParamFixture f(group("ContTx", kFirst + "<Parameter name=\"p\">" + validation + "</Parameter>"));
    if (!message.isEmpty()) {
        QCOMPARE(errors(), QStringList{message});
        QCOMPARE(f.def->count(), 1);
        return;
    }
    QVERIFY(errors().isEmpty());
    QCOMPARE(f.def->count(), 2);
    const DALParamDef::Validation &v = f.def->at(1).validation;
    QCOMPARE(int(v.type), type);
    QCOMPARE(v.name + "|" + v.min + "|" + v.max, texts);
}

void TestDALParamDef::options_data()
{
    QTest::addColumn<QByteArray>("options");
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QStringList>("messages");
    const QString prefix = "Configuration parameter error: ";
    QTest::newRow("two options, one nested")
        << QByteArray("<Option name=\"mode\">fast</Option><Group><Option name=\"x\">a=b</Option></Group>")
        << QStringList{"mode=fast", "x=a=b"} << QStringList();
    QTest::newRow("faults are all read")
        << QByteArray("<Option>v</Option><Option name=\"empty\"></Option><Option name=\"ok\">1</Option>"
                      "<Option name=\"blank\"/>")
        << QStringList()
        << QStringList{prefix + "The \"name\" attribute is missing for a parameter definition Option!",
                       prefix + "The value is missing for the parameter definition Option \"empty\"!",
                       prefix + "The value is missing for the parameter definition Option \"blank\"!"};
}

void TestDALParamDef::options()
{
    QFETCH(QByteArray, options);
    QFETCH(QStringList, stored);
    QFETCH(QStringList, messages);
    ParamFixture f(group("ContTx", kFirst + "<Parameter name=\"p\">" + options + "</Parameter>"));
    QCOMPARE(errors(), messages);
    QCOMPARE(DALTestAccess::status(*f.def), messages.isEmpty() ? 0 : -1);
    QCOMPARE(f.def->count(), messages.isEmpty() ? 2 : 1);
    if (messages.isEmpty())
        QCOMPARE(f.def->at(1).options, stored);
}

void TestDALParamDef::walkStopsAtFirstFault()
{
    // A failed Range does not end the ListValues reading; the options are still
    // read and then the parameter is dropped. Later parameters are not read.
    ParamFixture f(group("ContTx", kFirst + listParameter("<ListValues><Range step=\"q\"/></ListValues>"
                                                          "<Option name=\"o\"/>")
                                   + "<Parameter name=\"later\"><Validation/></Parameter>")
                   + group("ContRx", "<Parameter name=\"other\"/>"));
    QCOMPARE(errors(), (QStringList{kStepNumeric,
                                    "Configuration parameter error: The value is missing for the parameter definition Option \"o\"!"}));
    QCOMPARE(f.def->count(), 1);
    QCOMPARE(DALTestAccess::status(*f.def), -1);
    QCOMPARE(f.def->getParamDefinition("other"), nullptr);
}

void TestDALParamDef::openFailures()
{
    {
        FixtureTree tree;
        tree.writeDeviceConfig("VO9999", {"param_cmd_mapping.xml"});
        QString device = "VO9999";
        DALParamDef def(device);
        QCOMPARE(DALTestAccess::status(def), -1);
        QCOMPARE(def.count(), 0);
        QCOMPARE(errors(), QStringList{"Configuration parameter error: Failed to find path to param_definition.xml for device: VO9999"});
        QVERIFY(DALTestAccess::errorText(def).isEmpty());
    }
    {
        FixtureTree tree;
        tree.writeDeviceConfig("VO4725", {"param_definition.xml"});
        QString device = "VO4725";
        DALParamDef def(device);
        QCOMPARE(DALTestAccess::status(def), 1);
        const QString message = "File open failed: " + tree.path("vo4725/param_definition.xml");
        QCOMPARE(errors(), QStringList{message});
        QCOMPARE(DALTestAccess::errorText(def), message);
        // fileExist says so too, in a message of its own.
        DALCommon::clearErrorList();
        QVERIFY(!DALParamDef::fileExist("VO4725"));
        QCOMPARE(errors(), QStringList{"File open failed: The " + tree.path("vo4725/param_definition.xml")
                                       + " file could not be found!"});
    }
    {
        FixtureTree tree;
        tree.writeDeviceConfig("VO4725", {"param_definition.xml"});
        tree.write("vo4725/param_definition.xml", "<a><parGroup></a>");
        QString device = "VO4725";
        DALParamDef def(device);
        QCOMPARE(DALTestAccess::status(def), 2);
        QCOMPARE(def.count(), 0);
        QVERIFY(DALTestAccess::errorText(def).startsWith("XML DOM parse failed: "));
        QVERIFY(DALTestAccess::title(def).isEmpty());
    }
}

void TestDALParamDef::fileExist()
{
    FixtureTree tree;
    tree.writeDeviceConfig("VO4725", {"param_definition.xml"});
    QVERIFY(tree.write("vo4725/param_definition.xml", "<x/>"));
    QVERIFY(DALParamDef::fileExist("VO4725"));
    QVERIFY(errors().isEmpty());

    resetLibraryState();
    QVERIFY(!DALParamDef::fileExist("VO1234"));
    QCOMPARE(errors().last(), QString("File open failed: The /param_definition.xml file could not be found!"));
}

void TestDALParamDef::copiesAreIndependent()
{
    ParamFixture f(group("MainRfParameters", "<Parameter name=\"a\" type=\"LIST\"><ListValues><Value text=\"x\">1</Value>"
                                             "</ListValues></Parameter><Parameter name=\"b\"/>"));
    auto copy = std::make_unique<DALParamDef>(*f.def);
    QString other = "VO0000";
    DALParamDef assigned(other); // a failed reader, then assigned over
    resetLibraryState();
    assigned = *f.def;
    DALParamDef &self = assigned;
    assigned = self;
    f.reader.reset();

    for (DALParamDef *def : {copy.get(), &assigned}) {
        QCOMPARE(def->count(), 2);
        const DALParamDef::ParamDefinition *b = def->getParamDefinition("b");
        QVERIFY(b);
        QCOMPARE(b, &def->at(1));
        QCOMPARE(def->getParamDefinition("a")->listValues.at(0).text, QString("x"));
        QCOMPARE(DALTestAccess::status(*def), 0);
        QCOMPARE(DALTestAccess::title(*def), QString("Parameter definition"));
    }
    copy.reset();
    QCOMPARE(assigned.count(), 2);
}

void TestDALParamDef::nameIndexMatchesFirstRecord()
{
    QByteArray parameters;
    for (int i = 0; i < 200; ++i)
        parameters += "<Parameter name=\"p" + QByteArray::number(i % 150) + "\" type=\"" + (i < 150 ? "INT" : "BOOL") + "\"/>";
    parameters += "<Parameter type=\"TEXT\"/>";
    ParamFixture f(group("ContTx", parameters));
    QCOMPARE(f.def->count(), 201);
    for (int i = 0; i < 150; ++i) {
        const QString name = "p" + QString::number(i);
        QCOMPARE(f.def->getParamDefinition(name), &f.def->at(i));
    }
    QCOMPARE(f.def->getParamDefinition(QString()), &f.def->at(200));
}

QTEST_GUILESS_MAIN(TestDALParamDef)
#include "tst_dalparamdef.moc"

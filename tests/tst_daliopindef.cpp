// <QObject> comes first on purpose: the pin header must compile although Qt
// has defined its "signals" keyword macro by then.
#include <QObject>

#include "DALIoPinDef.h"

#ifndef signals
#error "DALIoPinDef.h must restore Qt's signals macro"
#endif

#include "fixturetree.h"

#include "DALCommon.h"

#include <QDomDocument>
#include <QtTest>

namespace {
const QString kPrefix = QStringLiteral("File open failed: ");

// The registers of one signal as "name/mask/value" items joined by ";".
QString registerText(DALIoPinDef &def, QString const &pin, QString const &function,
                     QString const &signal)
{
    QList<DALIoPinDef::Register> registers;
    if (def.getRegisters(pin, QString(), function, signal, &registers) != 0)
        return QStringLiteral("<none>");
    QStringList items;
    for (const DALIoPinDef::Register &reg : registers)
        items.append(reg.name + QLatin1Char('/') + reg.mask + QLatin1Char('/') + reg.value);
    return items.join(QLatin1Char(';'));
}

// What a name query answers: the names, after "-1" when it fails; the list
// starts stale each time.
using NameQuery = int (DALIoPinDef::*)(const QString &, const QString &, QStringList *);
QStringList ask(DALIoPinDef &def, NameQuery query, QString const &pin)
{
    QStringList names{"stale"};
    const int status = (def.*query)(pin, QString(), &names);
    return status == 0 ? names : QStringList{QString::number(status)} + names;
}

QByteArray reg(QByteArray const &name, QByteArray const &mask, QByteArray const &value,
               QByteArray const &translate = QByteArray())
{
    QByteArray xml = "<Register name=\"" + name + "\"";
    if (!translate.isEmpty())
        xml += " translateName=\"" + translate + "\"";
    xml += ">";
    if (!mask.isEmpty())
        xml += "<Mask>" + mask + "</Mask>";
    if (!value.isEmpty())
        xml += "<Value>" + value + "</Value>";
    return xml + "</Register>";
}

const QByteArray kBase =
    "<IoPin name=\"A\" package=\"QFN20\"><SoftwareName>DIO_A</SoftwareName>"
    "<ControlFunction name=\"Input/Output\" type=\"Digital\">"
    "<Signal name=\"In\">" + reg("IOCFG0", "0xBF", "0x80") + "</Signal>"
    "<Signal name=\"Out\">" + reg("IOCFG0", "0xBF", "0x2F") + reg("CTRL", "0x1", "0x0") + "</Signal>"
    "</ControlFunction>"
    "</IoPin>";

// Reads the field through a copy so that the test body can keep Qt keywords.
#pragma push_macro("signals")
#undef signals
QList<DALIoPinDef::IoSignal> &signalList(DALIoPinDef::ControlFunction &function)
{
    return function.signals;
}
#pragma pop_macro("signals")
}

class TestDALIoPinDef : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetLibraryState(); }
    void cleanup() { resetLibraryState(); }

    void signalsFieldIsUsable();
    void queries();
    void queryMisses();
    void dummyIsAbsent();
    void inheritance();
    void mergeRules_data();
    void mergeRules();
    void invalidTranslation_data();
    void invalidTranslation();
    void inheritanceLooksBackwardsOnly();
    void copiesAreIndependent();
};

void TestDALIoPinDef::signalsFieldIsUsable()
{
    DALIoPinDef::ControlFunction function;
    function.name = "Radio";
    DALIoPinDef::IoSignal ioSignal;
    ioSignal.name = "Sync";
    signalList(function).append(ioSignal);
    DALIoPinDef::ControlFunction copy = function;
    QCOMPARE(signalList(copy).size(), 1);
    QCOMPARE(signalList(copy).at(0).name, QString("Sync"));
}

void TestDALIoPinDef::queries()
{
    QDomDocument document = parseXml(
        "<IoPins><!-- pins at any depth -->" + kBase +
        "<group><IoPin name=\"R\">"
        "<ControlFunction name=\"Radio\"><Signal name=\"Sync\">" + reg("CTRL", "", "9")
        + reg("XIOCFG1Y", "0x3F", "0x1") + reg("IOCFG2", "", "0x2") + "</Signal>"
        "<Signal name=\"Plain\">" + reg("iocfg", "", "5") + "</Signal>"
        "<Signal name=\"Empty\"/>"
        "</ControlFunction>"
        "<ControlFunction name=\"Input/Output\"/>"
        "</IoPin></group>"
        "</IoPins>");
    DALIoPinDef def(&document);
    QCOMPARE(def.getStatus(), 0);

    QCOMPARE(ask(def, &DALIoPinDef::getControlFunctions, "A"), QStringList{"Input/Output"});
    QCOMPARE(ask(def, &DALIoPinDef::getGpioSignals, "A"), (QStringList{"In", "Out"}));
    QCOMPARE(ask(def, &DALIoPinDef::getControlFunctions, "R"), (QStringList{"Radio", "Input/Output"}));
    QCOMPARE(ask(def, &DALIoPinDef::getRadioSignals, "R"), (QStringList{"Sync,0x1", "Plain", "Empty"}));
    QCOMPARE(ask(def, &DALIoPinDef::getGpioSignals, "R"), QStringList());

    QCOMPARE(registerText(def, "A", "Input/Output", "Out"), QString("IOCFG0/0xBF/0x2F;CTRL/0x1/0x0"));
    QCOMPARE(registerText(def, "R", "Radio", "Empty"), QString(""));
    QVERIFY(DALCommon::getErrorList().isEmpty());
}

void TestDALIoPinDef::queryMisses()
{
    QDomDocument document = parseXml("<IoPins>" + kBase + "</IoPins>");
    DALIoPinDef def(&document);
    QCOMPARE(ask(def, &DALIoPinDef::getControlFunctions, "a"), QStringList{"-1"});
    QCOMPARE(ask(def, &DALIoPinDef::getGpioSignals, "B"), QStringList{"-1"});
    QCOMPARE(ask(def, &DALIoPinDef::getRadioSignals, "A"), QStringList{"-1"});
    // Without a list to fill, every query fails.
    QCOMPARE(def.getControlFunctions("A", "", nullptr) + def.getGpioSignals("A", "", nullptr)
             + def.getRadioSignals("A", "", nullptr), -3);
    QVERIFY(DALCommon::getErrorList().isEmpty());

    const QList<DALIoPinDef::Register> kept{{"KEEP", "", "", ""}};
    QList<DALIoPinDef::Register> registers = kept;
    QCOMPARE(def.getRegisters("B", "", "Input/Output", "In", &registers), -1);
    QCOMPARE(def.getRegisters("A", "", "Radio", "In", &registers), -1);
    QCOMPARE(def.getRegisters("A", "", "Input/Output", "in", &registers), -1);
    QCOMPARE(registers.size(), 1);
    QCOMPARE(registers.at(0).name, QString("KEEP"));
    QCOMPARE(DALCommon::getErrorList(),
             (QStringList{kPrefix + "Failed to get I/O Pin definition for I/O pin name: B",
                          kPrefix + "Failed to get Control function for I/O pin name: A",
                          kPrefix + "Failed to get I/O Signal for I/O pin name: A"}));
    QCOMPARE(def.getStatus(), 0);
}

void TestDALIoPinDef::dummyIsAbsent()
{
    QDomDocument document = parseXml(
        "<IoPins><IoPin name=\"dummy\"><ControlFunction name=\"Radio\"/></IoPin>"
        "<IoPin name=\"P\"><ControlFunction name=\"dummy\"><Signal name=\"S\"/></ControlFunction>"
        "<ControlFunction name=\"Radio\"><Signal name=\"dummy\"/></ControlFunction></IoPin></IoPins>");
    DALIoPinDef def(&document);
    QCOMPARE(ask(def, &DALIoPinDef::getControlFunctions, "dummy"), QStringList{"-1"});
    QCOMPARE(ask(def, &DALIoPinDef::getRadioSignals, "dummy"), QStringList{"-1"});
    QCOMPARE(ask(def, &DALIoPinDef::getControlFunctions, "P"), (QStringList{"dummy", "Radio"}));
    QList<DALIoPinDef::Register> registers;
    QCOMPARE(def.getRegisters("P", "", "dummy", "S", &registers), -1);
    QCOMPARE(def.getRegisters("P", "", "Radio", "dummy", &registers), -1);
    QCOMPARE(DALCommon::getErrorList(),
             (QStringList{kPrefix + "Failed to get Control function for I/O pin name: P",
                          kPrefix + "Failed to get I/O Signal for I/O pin name: P"}));
}

void TestDALIoPinDef::inheritance()
{
    QDomDocument document = parseXml(
        "<IoPins>" + kBase +
        "<IoPin name=\"B\" package=\"QFN16\" inherits=\"A\"><SoftwareName>DIO_B</SoftwareName>"
        "<ControlFunction name=\"Radio\" type=\"Digital\"><Signal name=\"Sync\">" + reg("IOCFG1", "0x3F", "0x6")
        + "</Signal></ControlFunction>"
        "<ControlFunction name=\"Input/Output\" type=\"Analog\"><Signal name=\"New\">"
        + reg("IOCFG0", "1", "2") + "</Signal></ControlFunction>"
        "</IoPin>"
        "<IoPin name=\"C\" inherits=\"B\"/>"
        "</IoPins>");
    DALIoPinDef def(&document);
    QCOMPARE(def.getStatus(), 0);
    QCOMPARE(ask(def, &DALIoPinDef::getControlFunctions, "B"), (QStringList{"Input/Output", "Radio"}));
    // A signal the parent's function lacks is not added.
    QCOMPARE(ask(def, &DALIoPinDef::getGpioSignals, "B"), (QStringList{"In", "Out"}));
    QCOMPARE(registerText(def, "B", "Input/Output", "Out"), QString("IOCFG0/0xBF/0x2F;CTRL/0x1/0x0"));
    QCOMPARE(ask(def, &DALIoPinDef::getRadioSignals, "C"), QStringList{"Sync,0x6"});
    // The parent is untouched by its child's merge.
    QCOMPARE(ask(def, &DALIoPinDef::getControlFunctions, "A"), QStringList{"Input/Output"});
    QVERIFY(DALCommon::getErrorList().isEmpty());
}

void TestDALIoPinDef::mergeRules_data()
{
    QTest::addColumn<QByteArray>("parent");
    QTest::addColumn<QByteArray>("child");
    QTest::addColumn<QString>("expected");
    const QByteArray x = reg("X", "0xF0", "0x10");
    const QByteArray z = reg("Z", "0x0F", "0x01");
    QTest::newRow("rename") << x + z << reg("Y", "", "", "X:Y") << "Y/0xF0/0x10;Z/0x0F/0x01";
    QTest::newRow("rename and value") << x + z << reg("Y", "", "0x20", "X:Y") << "Y/0xF0/0x20;Z/0x0F/0x01";
    QTest::newRow("rename to nothing") << x << reg("", "", "0x20", "X:") << "/0xF0/0x20";
    QTest::newRow("mask of named register") << x + z << reg("Z", "0xFF", "") << "X/0xF0/0x10;Z/0xFF/0x01";
    QTest::newRow("value of other name") << x << reg("Y", "", "0x20") << "X/0xF0/0x10";
    QTest::newRow("rename misses") << x << reg("X", "", "0x30", "Q:R") << "X/0xF0/0x30";
    QTest::newRow("mask and value replace") << x + z << reg("Y", "0x3", "0x1") + reg("W", "", "")
                                            << "Y/0x3/0x1;W//";
    QTest::newRow("replace after merge") << x + z
        << reg("X", "", "0x11") + reg("Y", "0x3", "0x1") + reg("Z", "", "0x2")
        << "Y/0x3/0x1;Z//0x2";
    QTest::newRow("no own registers") << x << QByteArray() << "X/0xF0/0x10";
}

void TestDALIoPinDef::mergeRules()
{
    QFETCH(QByteArray, parent);
    QFETCH(QByteArray, child);
    QFETCH(QString, expected);
    QDomDocument document = parseXml(
        "<IoPins><IoPin name=\"A\"><ControlFunction name=\"Radio\">"
        "<Signal name=\"S\">" + parent + "</Signal><Signal name=\"S\">" + parent + "</Signal>"
        "<Signal name=\"T\">" + parent + "</Signal></ControlFunction></IoPin>"
        "<IoPin name=\"B\" inherits=\"A\"><ControlFunction name=\"Radio\">"
        "<Signal name=\"S\">" + child + "</Signal></ControlFunction></IoPin></IoPins>");
    DALIoPinDef def(&document);
    QCOMPARE(def.getStatus(), 0);
    QCOMPARE(registerText(def, "B", "Radio", "S"), expected);
    QCOMPARE(registerText(def, "B", "Radio", "T"), registerText(def, "A", "Radio", "T"));
    QVERIFY(DALCommon::getErrorList().isEmpty());
}

void TestDALIoPinDef::invalidTranslation_data()
{
    QTest::addColumn<QByteArray>("translate");
    QTest::newRow("no colon") << QByteArray("X");
    QTest::newRow("two colons") << QByteArray("X:Y:Z");
}

void TestDALIoPinDef::invalidTranslation()
{
    QFETCH(QByteArray, translate);
    QDomDocument document = parseXml(
        "<IoPins><IoPin name=\"A\"><ControlFunction name=\"Radio\"><Signal name=\"S\">"
        + reg("X", "", "1") + reg("Q", "", "2") + "</Signal></ControlFunction>"
        "<ControlFunction name=\"Input/Output\"/></IoPin>"
        "<IoPin name=\"B\" inherits=\"A\"><ControlFunction name=\"Radio\"><Signal name=\"S\">"
        + reg("X", "", "9", translate) + "</Signal></ControlFunction>"
        "<ControlFunction name=\"Extra\"/></IoPin>"
        "<IoPin name=\"C\"/></IoPins>");
    DALIoPinDef def(&document);
    QCOMPARE(def.getStatus(), -1);
    // Recorded once: the remaining parent registers are skipped.
    QCOMPARE(DALCommon::getErrorList(),
             QStringList{kPrefix + "Invalid value of name translation! " + QString::fromLatin1(translate)});
    QCOMPARE(registerText(def, "B", "Radio", "S"), QString("X//9;Q//2"));
    QCOMPARE(ask(def, &DALIoPinDef::getControlFunctions, "B"), (QStringList{"Radio", "Input/Output"}));
    QCOMPARE(ask(def, &DALIoPinDef::getControlFunctions, "C"), QStringList{"-1"});
}

void TestDALIoPinDef::inheritanceLooksBackwardsOnly()
{
    QDomDocument document = parseXml(
        "<IoPins><IoPin name=\"B\" package=\"P\" inherits=\"A\">"
        "<ControlFunction name=\"First\"/><ControlFunction name=\"Second\"/></IoPin>"
        + kBase + "</IoPins>");
    DALIoPinDef def(&document);
    QCOMPARE(def.getStatus(), -1);
    QCOMPARE(DALCommon::getErrorList(),
             QStringList{kPrefix + "Value of I/O pin to Inherit from not found! A"});
    QCOMPARE(ask(def, &DALIoPinDef::getControlFunctions, "B"), QStringList{"First"});
    QCOMPARE(ask(def, &DALIoPinDef::getControlFunctions, "A"), QStringList{"-1"});
    QCOMPARE(def.getStatus(), -1);
}

void TestDALIoPinDef::copiesAreIndependent()
{
    QDomDocument document = parseXml("<IoPins>" + kBase + "</IoPins>");
    auto *original = new DALIoPinDef(&document);
    DALIoPinDef copy(*original);
    QDomDocument empty = parseXml("<IoPins/>");
    DALIoPinDef assigned(&empty);
    assigned = *original;
    delete original;
    document = QDomDocument(); // nothing refers to the host's document

    QCOMPARE(ask(copy, &DALIoPinDef::getGpioSignals, "A"), (QStringList{"In", "Out"}));
    QCOMPARE(registerText(assigned, "A", "Input/Output", "In"), QString("IOCFG0/0xBF/0x80"));
    DALIoPinDef nothing(nullptr);
    QCOMPARE(nothing.getStatus(), 0);
    QCOMPARE(ask(nothing, &DALIoPinDef::getControlFunctions, "A"), QStringList{"-1"});
}

QTEST_GUILESS_MAIN(TestDALIoPinDef)
#include "tst_daliopindef.moc"

#include "readerfixture.h"

#include "DALCommon.h"
#include "DALParamCmdMapping.h"

#include <QtTest>

#include <memory>

struct DALTestAccess
{
    static QList<DALParamCmdMapping::SettingMapping> blocks(DALParamCmdMapping const &m)
    {
        return m.m_settingMappings;
    }
};

namespace {

using Parameter = DALParamCmdMapping::Parameter;

struct MappingFixture : ReaderFixture<DALParamCmdMapping>
{
    DALParamCmdMapping *mapping;
    explicit MappingFixture(QByteArray const &body, QString device = "VO4725")
        : ReaderFixture("param_cmd_mapping.xml", "ParamCmdMapping", body, device), mapping(reader.get())
    {
    }
    QList<DALParamCmdMapping::SettingMapping> blocks() const { return DALTestAccess::blocks(*mapping); }
};

// "names|cmd1,cmd2" per parameter, for compact comparisons.
QStringList describe(QList<Parameter> const &parameters)
{
    QStringList result;
    for (const Parameter &p : parameters)
        result.append(p.names.join(QLatin1Char(';')) + "|" + p.rfCommands.join(QLatin1Char(',')));
    return result;
}

const QString kPrefix = "File open failed: ";

} // namespace

class TestDALParamCmdMapping : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetLibraryState(); }

    void cumulativeBlocks();
    void namesSplit_data();
    void namesSplit();
    void faultsAreRecordedAndReadingGoesOn_data();
    void faultsAreRecordedAndReadingGoesOn();
    void noSettings();
    void openFailures();
    void copiesAreIndependent();
};

void TestDALParamCmdMapping::cumulativeBlocks()
{
    MappingFixture f("<settings><name>default</name><name>gfsk</name>"
                     "<parameters><parameter names=\"frequency\"><rfCommand>CMD_FS</rfCommand></parameter></parameters>"
                     "</settings>"
                     "<group><settings><names><name>ook</name></names>"
                     "<parameters><parameter names=\"txPower,whitening\"><rfCommand>CMD_PROP_RADIO_SETUP</rfCommand>"
                     "<x><rfCommand>CMD_PROP_TX</rfCommand></x></parameter></parameters></settings></group>"
                     "<settings><name>empty</name></settings>");
    QCOMPARE(DALCommon::getErrorList(),
             QStringList{kPrefix + "Missing \"parameters\" element in the Parameter-command mapping file param_cmd_mapping.xml"});
    const auto blocks = f.blocks();
    QCOMPARE(blocks.count(), 3);
    QCOMPARE(blocks.at(0).settingNames, (QStringList{"default", "gfsk"}));
    QCOMPARE(blocks.at(1).settingNames, QStringList{"ook"});
    QCOMPARE(blocks.at(2).settingNames, QStringList{"empty"});
    const QStringList first{"frequency|CMD_FS"};
    const QStringList both{"frequency|CMD_FS", "txPower;whitening|CMD_PROP_RADIO_SETUP,CMD_PROP_TX"};
    QCOMPARE(describe(blocks.at(0).parameters), first);
    QCOMPARE(describe(blocks.at(1).parameters), both);
    QCOMPARE(describe(blocks.at(2).parameters), both);

    const QList<Parameter> *defaults = f.mapping->getDefaultListOfParameters();
    QVERIFY(defaults);
    QCOMPARE(describe(*defaults), first);
    QCOMPARE(f.mapping->getDefaultListOfParameters(), defaults);
}

void TestDALParamCmdMapping::namesSplit_data()
{
    QTest::addColumn<QByteArray>("names");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("one") << QByteArray("frequency") << QStringList{"frequency"};
    QTest::newRow("blank kept") << QByteArray("a, b") << QStringList{"a", " b"};
    QTest::newRow("empty part kept") << QByteArray("a,,b") << QStringList{"a", "", "b"};
    QTest::newRow("trailing comma") << QByteArray("a,") << QStringList{"a", ""};
    QTest::newRow("empty attribute") << QByteArray("") << QStringList{""};
}

void TestDALParamCmdMapping::namesSplit()
{
    QFETCH(QByteArray, names);
    QFETCH(QStringList, expected);
    MappingFixture f("<settings><parameters><parameter names=\"" + names + "\"><rfCommand> CMD_TX_TEST </rfCommand>"
                     "</parameter></parameters></settings>");
    QVERIFY(DALCommon::getErrorList().isEmpty());
    const QList<Parameter> *defaults = f.mapping->getDefaultListOfParameters();
    QVERIFY(defaults);
    QCOMPARE(defaults->count(), 1);
    QCOMPARE(defaults->at(0).names, expected);
    QCOMPARE(defaults->at(0).rfCommands, QStringList{" CMD_TX_TEST "});
}

void TestDALParamCmdMapping::faultsAreRecordedAndReadingGoesOn_data()
{
    QTest::addColumn<QByteArray>("block");
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("no names")
        << QByteArray("<parameters><parameter><rfCommand>CMD_RX_TEST</rfCommand></parameter></parameters>")
        << QStringList{"|CMD_RX_TEST"}
        << QStringList{kPrefix + "Missing \"names\" attribute for the \"parameter\" element in file param_cmd_mapping.xml"};
    QTest::newRow("no rfCommand")
        << QByteArray("<parameters><parameter names=\"a,b\"/><parameter names=\"c\"><rfCommand>CMD_FS</rfCommand>"
                      "</parameter></parameters>")
        << QStringList{"c|CMD_FS"}
        << QStringList{kPrefix + "Missing \"rfCommand\" elements for the parameter names: a,b in file param_cmd_mapping.xml"};
    QTest::newRow("neither")
        << QByteArray("<parameters><parameter/></parameters>") << QStringList()
        << QStringList{kPrefix + "Missing \"names\" attribute for the \"parameter\" element in file param_cmd_mapping.xml",
                       kPrefix + "Missing \"rfCommand\" elements for the parameter names:  in file param_cmd_mapping.xml"};
    QTest::newRow("no parameter, then a second parameters")
        << QByteArray("<parameters/><parameters><parameter names=\"x\"><rfCommand>CMD_PROP_RX</rfCommand></parameter>"
                      "</parameters>")
        << QStringList{"x|CMD_PROP_RX"}
        << QStringList{kPrefix + "Missing \"parameter\" elements in file param_cmd_mapping.xml"};
}

void TestDALParamCmdMapping::faultsAreRecordedAndReadingGoesOn()
{
    QFETCH(QByteArray, block);
    QFETCH(QStringList, stored);
    QFETCH(QStringList, messages);
    MappingFixture f("<settings>" + block + "</settings>");
    QCOMPARE(DALCommon::getErrorList(), messages);
    QVERIFY(f.mapping->getDefaultListOfParameters());
    QCOMPARE(describe(*f.mapping->getDefaultListOfParameters()), stored);
}

void TestDALParamCmdMapping::noSettings()
{
    MappingFixture f("<parameters><parameter names=\"a\"><rfCommand>CMD_FS</rfCommand></parameter></parameters>");
    QVERIFY(DALCommon::getErrorList().isEmpty());
    QCOMPARE(f.mapping->getDefaultListOfParameters(), nullptr);
}

void TestDALParamCmdMapping::openFailures()
{
    {
        FixtureTree tree;
        tree.writeDeviceConfig("VO4725", {"param_definition.xml"});
        QString device = "Vo4725";
        DALParamCmdMapping mapping(device);
        QCOMPARE(mapping.getDefaultListOfParameters(), nullptr);
        QCOMPARE(DALCommon::getErrorList(),
                 QStringList{"Configuration parameter error: Failed to find path to param_cmd_mapping.xml for device: Vo4725"});
        QVERIFY(!DALParamCmdMapping::fileExist("VO4725"));
    }
    {
        MappingFixture f("<settings>", "vo4725");
        QCOMPARE(f.mapping->getDefaultListOfParameters(), nullptr);
        QCOMPARE(DALCommon::getErrorList().count(), 1);
        QVERIFY(DALCommon::getErrorList().at(0).startsWith("XML DOM parse failed: " + f.tree.path("vo4725/param_cmd_mapping.xml")));
        // The file exists, whatever it holds.
        QVERIFY(DALParamCmdMapping::fileExist("VO4725"));
    }
}

void TestDALParamCmdMapping::copiesAreIndependent()
{
    MappingFixture f("<settings><parameters><parameter names=\"a\"><rfCommand>CMD_FS</rfCommand></parameter>"
                     "</parameters></settings>");
    auto copy = std::make_unique<DALParamCmdMapping>(*f.mapping);
    QString none = "VO0000";
    DALParamCmdMapping assigned(none);
    assigned = *f.mapping;
    DALParamCmdMapping &self = assigned;
    assigned = self;
    f.reader.reset();
    QCOMPARE(describe(*copy->getDefaultListOfParameters()), QStringList{"a|CMD_FS"});
    const QList<Parameter> *fromAssigned = assigned.getDefaultListOfParameters();
    copy.reset();
    QCOMPARE(describe(*fromAssigned), QStringList{"a|CMD_FS"});
}

QTEST_GUILESS_MAIN(TestDALParamCmdMapping)
#include "tst_dalparamcmdmapping.moc"

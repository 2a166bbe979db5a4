#include "fixturetree.h"

#include "DALCommon.h"
#include "DALDeviceConfig.h"

#include <QFileInfo>
#include <QtTest>

class TestDALDeviceConfig : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetLibraryState(); }

    void mostSpecificEntryWins_data();
    void mostSpecificEntryWins();
    void missingFileAttributeStopsReading();
    void missingDeviceConfigIsRetried();
    void answersForFirstDeviceUntilDeleteInstance();
    void unknownFileRecordsNothing();

private:
    static QByteArray specificityConfig();
};

QByteArray TestDALDeviceConfig::specificityConfig()
{
    return "<DeviceConfig>"
           "<path file=\"f.xml\" phy=\"PROP\" version=\"PG20\">/d/prop_pg20</path>"
           "<path file=\"f.xml\" phy=\"prop\">/d/prop</path>"
           "<path file=\"f.xml\" version=\"pg21\">/d/pg21</path>"
           "<path file=\"f.xml\">/d/device</path>"
           "<path file=\"f.xml\" phy=\"2g4\">/d/2g4</path>"
           "<path file=\"f.xml\" phy=\"ble_lr\">/d/ble_lr</path>"
           "<path file=\"g.xml\" phy=\"prop\">/d/g_prop_only</path>"
           "<path file=\"Param_Definition.xml\">/d/p</path>"
           "<path file=\"a.xml\" phy=\"P\">/first</path><nested><path file=\"a.xml\" phy=\"p\">/second</path></nested>"
           "</DeviceConfig>";
}

void TestDALDeviceConfig::mostSpecificEntryWins_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("phy");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("directory");
    QTest::newRow("device+phy+version") << "f.xml" << "VO4725" << "PROP" << "PG20" << "/d/prop_pg20";
    QTest::newRow("device+phy") << "f.xml" << "VO4725" << "PROP" << "PG21" << "/d/prop";
    QTest::newRow("device+version") << "f.xml" << "VO4725" << "" << "PG21" << "/d/pg21";
    QTest::newRow("device only") << "f.xml" << "VO4725" << "" << "" << "/d/device";
    QTest::newRow("unknown phy") << "f.xml" << "VO4725" << "BLE" << "" << "/d/device";
    QTest::newRow("unknown phy, known version") << "f.xml" << "VO4725" << "BLE" << "PG21" << "/d/pg21";
    QTest::newRow("joined device name") << "f.xml" << "VO4725_PROP_PG20" << "" << "" << "/d/prop_pg20";
    QTest::newRow("joined, two pieces with version") << "f.xml" << "VO4725_PG21" << "" << "" << "/d/pg21";
    QTest::newRow("joined phy") << "f.xml" << "VO4725_2G4" << "" << "" << "/d/2g4";
    QTest::newRow("joined multi-piece phy") << "f.xml" << "VO4725_BLE_LR" << "" << "" << "/d/ble_lr";
    QTest::newRow("phy carries joined name") << "f.xml" << "VO4725" << "x_PROP_PG20" << "" << "/d/prop_pg20";
    QTest::newRow("version carries joined name") << "f.xml" << "VO4725" << "" << "x_PG21" << "/d/pg21";
    QTest::newRow("no device-wide fallback") << "g.xml" << "VO4725" << "" << "" << "";
    QTest::newRow("file name case") << "param_definition.xml" << "VO4725" << "" << "" << "";
    QTest::newRow("device name case") << "Param_Definition.xml" << "vo4725" << "" << "" << "/d/p";
    QTest::newRow("later entry replaces earlier") << "a.xml" << "VO4725" << "P" << "" << "/second";
}

void TestDALDeviceConfig::mostSpecificEntryWins()
{
    QFETCH(QString, file);
    QFETCH(QString, device);
    QFETCH(QString, phy);
    QFETCH(QString, version);
    QFETCH(QString, directory);

    FixtureTree tree;
    QVERIFY(tree.write("vo4725/device_config.xml", specificityConfig()));
    QCOMPARE(DALDeviceConfig::getPath(file, device, phy, version), directory);
    QVERIFY(DALCommon::getErrorList().isEmpty());
}

void TestDALDeviceConfig::missingFileAttributeStopsReading()
{
    FixtureTree tree;
    QVERIFY(tree.write("vo4725/device_config.xml",
                       "<c><path file=\"a.xml\">/a</path><path>/nofile</path>"
                       "<path file=\"b.xml\">/b</path></c>"));
    QCOMPARE(DALDeviceConfig::getPath("a.xml", "VO4725", "", ""), QString());
    QCOMPARE(DALCommon::getErrorList(),
             QStringList{"File open failed: The file attribute is missing for the \"path\" tag in device_config.xml."});
    QCOMPARE(DALCommon::getStatus(), -1);
    QCOMPARE(DALDeviceConfig::getPath("b.xml", "VO4725", "", ""), QString());
    QCOMPARE(DALCommon::getErrorList().size(), 1); // not read again

    QVERIFY(tree.write("vo4725/device_config.xml", "<c><path file=\"b.xml\">/b</path></c>"));
    DALDeviceConfig::deleteInstance();
    QCOMPARE(DALDeviceConfig::getPath("b.xml", "VO4725", "", ""), QString("/b"));
}

void TestDALDeviceConfig::missingDeviceConfigIsRetried()
{
    FixtureTree tree;
    QCOMPARE(DALDeviceConfig::getPath("a.xml", "VO4725", "", ""), QString());
    QCOMPARE(DALCommon::getErrorList(),
             QStringList{"File open failed: " + QFileInfo(tree.path("vo4725/device_config.xml")).absoluteFilePath()});

    QVERIFY(tree.write("vo4725/device_config.xml", "<c><path file=\"a.xml\">/a</path></c>"));
    QCOMPARE(DALDeviceConfig::getPath("a.xml", "VO4725", "", ""), QString("/a"));
}

void TestDALDeviceConfig::answersForFirstDeviceUntilDeleteInstance()
{
    FixtureTree tree;
    QVERIFY(tree.write("vo4725/device_config.xml",
                       "<c><path file=\"a.xml\">/vo4725</path>"
                       "<path file=\"a.xml\" phy=\"x\">/vo4725_x</path></c>"));
    QVERIFY(tree.write("vo8395/device_config.xml", "<c><path file=\"a.xml\">/vo8395</path></c>"));

    QCOMPARE(DALDeviceConfig::getPath("a.xml", "VO4725", "", ""), QString("/vo4725"));
    QCOMPARE(DALDeviceConfig::getPath("a.xml", "VO8395", "", ""), QString());
    // Keys of the first device's map still answer.
    QCOMPARE(DALDeviceConfig::getPath("a.xml", "VO4725", "X", ""), QString("/vo4725_x"));

    DALDeviceConfig::deleteInstance();
    QCOMPARE(DALDeviceConfig::getPath("a.xml", "VO8395", "", ""), QString("/vo8395"));
    QCOMPARE(DALDeviceConfig::getPath("a.xml", "VO4725", "", ""), QString());
    QVERIFY(DALCommon::getErrorList().isEmpty());
}

void TestDALDeviceConfig::unknownFileRecordsNothing()
{
    FixtureTree tree;
    QVERIFY(tree.write("vo4725/device_config.xml", "<c><path file=\"a.xml\">/a</path></c>"));
    QCOMPARE(DALDeviceConfig::getPath("other.xml", "VO4725", "", ""), QString());
    QVERIFY(DALDeviceConfig::getPath("other.xml", "VO4725", "", "").isNull());
    QVERIFY(DALCommon::getErrorList().isEmpty());
    QCOMPARE(DALCommon::getStatus(), 0);
}

QTEST_GUILESS_MAIN(TestDALDeviceConfig)
#include "tst_daldeviceconfig.moc"

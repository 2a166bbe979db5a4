#include "DALCommon.h"

#include <QtTest>

#include <functional>

// Device family tests, UI class tests and device name utilities of DALCommon.
class TestDALFamily : public QObject
{
    Q_OBJECT

private slots:
    void familyTest_data();
    void familyTest();
    void uiClassTest_data();
    void uiClassTest();
    void nameWithoutSuffix_data();
    void nameWithoutSuffix();
    void removePg_data();
    void removePg();
    void chipType_data();
    void chipType();
};

namespace {

using DeviceTest = bool (*)(QString const &);

DeviceTest deviceTest(QString const &name)
{
    static const QMap<QString, DeviceTest> tests{
        {"isVo47", &DALCommon::isVo47},
        {"isVo83", &DALCommon::isVo83},
        {"isTundra", &DALCommon::isTundra},
        {"isVo47Tundra", &DALCommon::isVo47Tundra},
        {"isVo83Tundra", &DALCommon::isVo83Tundra},
        {"isTundraBaw", &DALCommon::isTundraBaw},
        {"isTundraHighPa", &DALCommon::isTundraHighPa},
        {"isTundraPg1", &DALCommon::isTundraPg1},
        {"isVo47Saffron", &DALCommon::isVo47Saffron},
        {"isVo83Saffron", &DALCommon::isVo83Saffron},
        {"isSaffron", &DALCommon::isSaffron},
        {"isVo47Pg20", &DALCommon::isVo47Pg20},
        {"isVo83K7", &DALCommon::isVo83K7},
        {"isVo47Ble", &DALCommon::isVo47Ble},
        {"isVo83Ble", &DALCommon::isVo83Ble},
        {"isVoBle", &DALCommon::isVoBle},
        {"isVoBle5", &DALCommon::isVoBle5},
        {"isVo47Ieee154", &DALCommon::isVo47Ieee154},
        {"isVo83Ieee154", &DALCommon::isVo83Ieee154},
        {"isVoIeee154", &DALCommon::isVoIeee154},
        {"isVo47Proprietary", &DALCommon::isVo47Proprietary},
        {"isVo83Proprietary", &DALCommon::isVo83Proprietary},
        {"isVoProprietary", &DALCommon::isVoProprietary},
    };
    return tests.value(name, nullptr);
}

} // namespace

void TestDALFamily::familyTest_data()
{
    QTest::addColumn<QString>("test");
    QTest::addColumn<QString>("device");
    QTest::addColumn<bool>("expected");

    auto row = [](char const *test, char const *device, bool expected) {
        QTest::addRow("%s(%s)", test, device) << QString(test) << QString(device) << expected;
    };
    row("isVo47", "VO4725", true);
    row("isVo47", "vo4725", false);
    row("isVo47", "XVO47", true);
    row("isVo83", "VO8395", true);
    row("isVo83", "VO4725", false);

    row("isTundra", "VO8397K", true);
    row("isTundra", "VO4767W_2G4", true);
    row("isTundra", "VO8395", false);
    row("isTundra", "vo8397", false);
    row("isVo47Tundra", "VO4767W", true);
    row("isVo47Tundra", "VO8367KN", false);
    row("isVo83Tundra", "VO8367KN", true);
    row("isVo83Tundra", "VO83A7", false);
    row("isTundraBaw", "VO8367KN_BLE", true);
    row("isTundraBaw", "VO8367K", false);
    row("isTundraHighPa", "VO4767W_PG2.1", true);
    row("isTundraHighPa", "VO4767", false);
    row("isTundraPg1", "VO8397K_pg10", true);
    row("isTundraPg1", "VO8395_PG10", false);
    row("isTundraPg1", "VO8397_PG1", false);
    row("isTundraPg1", "VO8397_PG20", false);

    row("isVo47Saffron", "VO4725", true);
    row("isVo47Saffron", "VO4727", false);
    row("isVo83Saffron", "VO8395", true);
    row("isVo83Saffron", "KBT203_X", true);
    row("isVo83Saffron", "VO4725", false);
    row("isSaffron", "VO4755", true);
    row("isSaffron", "KBT203", true);
    row("isSaffron", "VO8397", false);

    row("isVo47Pg20", "VO4725_pg20", true);
    row("isVo47Pg20", "VO4725_PG21", false);
    row("isVo47Pg20", "VO8395_PG20", false);
    row("isVo83K7", "VO8395K7T_PROP", true);
    row("isVo83K7", "K7VO83", true);
    row("isVo83K7", "VO4725K7", false);

    row("isVo47Ble", "VO4767W_BLE", true);
    row("isVo47Ble", "VO4767W_ble", false);
    row("isVo83Ble", "VO8395_PROP", false);
    row("isVo83Ble", "VO8395", true);
    row("isVo83Ble", "VO8395K7T_PROP", false);
    row("isVo83Ble", "VO8367KN_BLE", true);
    row("isVo83Ble", "VO8367_BLE", true);
    row("isVo83Ble", "VO8367KNX_BLE", false);
    row("isVo83Ble", "xVO8397Ky", true);
    row("isVo83Ble", "VO8397", false);
    row("isVoBle", "VO4725_BLE", true);
    row("isVoBle", "VO8345", false);
    row("isVoBle5", "VO83K7", true);
    row("isVoBle5", "K7_VO83_PROP", true);
    row("isVoBle5", "VO8397K", true);
    row("isVoBle5", "VO4767W_BLE", true);
    row("isVoBle5", "VO8395", false);
    row("isVoBle5", "VO4725_BLE", false);

    row("isVo47Ieee154", "VO4767W_IEEE_15_4", true);
    row("isVo47Ieee154", "VO4767W_IEEE_15", false);
    row("isVo83Ieee154", "VO8367K_IEEE_15_4", true);
    row("isVo83Ieee154", "VO8367KN_IEEE_15_4", false);
    row("isVo83Ieee154", "VO8345", true);
    row("isVo83Ieee154", "VO8375_X", true);
    row("isVo83Ieee154", "VO8395", false);
    row("isVoIeee154", "VO4725_IEEE_15_4", true);
    row("isVoIeee154", "VO8345", true);
    row("isVoIeee154", "VO8395_IEEE", false);

    row("isVo47Proprietary", "VO4767W_PROP", true);
    row("isVo47Proprietary", "VO4767WX_PROP", false);
    row("isVo47Proprietary", "VO4725", true);
    row("isVo47Proprietary", "VO4727_BLE", true);
    row("isVo47Proprietary", "VO4767W", false);
    row("isVo83Proprietary", "VO8395K7T_PROP", true);
    row("isVo83Proprietary", "VO8395_PROP", false);
    row("isVoProprietary", "VO8395K7T_PROP_X", true);
    row("isVoProprietary", "VO4725", true);
    row("isVoProprietary", "VO8395_PROP", false);
}

void TestDALFamily::familyTest()
{
    QFETCH(QString, test);
    QFETCH(QString, device);
    QFETCH(bool, expected);
    const DeviceTest function = deviceTest(test);
    QVERIFY2(function, qPrintable(test));
    QCOMPARE(function(device), expected);
}

void TestDALFamily::uiClassTest_data()
{
    QTest::addColumn<QString>("uiClass");
    QTest::addColumn<QString>("device");
    QTest::addColumn<bool>("ble");
    QTest::addColumn<bool>("channels");
    QTest::addColumn<bool>("contTxFormat");
    QTest::addColumn<bool>("rxAdvanced");

    QTest::newRow("BLE") << "BLE" << "VO8395" << true << true << false << false;
    QTest::newRow("ble") << "ble" << "VO8395" << false << false << true << true;
    QTest::newRow("IEEE-A") << "IEEE-A" << "VO8345" << false << true << false << false;
    QTest::newRow("IEEE-B") << "IEEE-B" << "VO8345" << false << true << false << false;
    QTest::newRow("PROP-F on VO47") << "PROP-F" << "VO4725" << false << false << false << false;
    QTest::newRow("PROP-F on VO83") << "PROP-F" << "VO8395" << false << false << false << true;
    QTest::newRow("PROP-G") << "PROP-G" << "VO8395" << false << false << false << true;
    QTest::newRow("PROP-A-SOC") << "PROP-A-SOC" << "VO4767W" << false << false << false << false;
    QTest::newRow("PROP-A") << "PROP-A" << "VO8395" << false << false << true << true;
    QTest::newRow("empty") << "" << "" << false << false << true << true;
}

void TestDALFamily::uiClassTest()
{
    QFETCH(QString, uiClass);
    QFETCH(QString, device);
    QFETCH(bool, ble);
    QFETCH(bool, channels);
    QFETCH(bool, contTxFormat);
    QFETCH(bool, rxAdvanced);
    QCOMPARE(DALCommon::isUiClassBle(uiClass), ble);
    QCOMPARE(DALCommon::isDeviceUsingChannels(uiClass), channels);
    QCOMPARE(DALCommon::isContTxDataFormatEnabled(uiClass), contTxFormat);
    QCOMPARE(DALCommon::hasPacketRxAdvancedPanel(uiClass, device), rxAdvanced);
}

void TestDALFamily::nameWithoutSuffix_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("expected");
    QTest::newRow("phy and version") << "VO4767W_2G4_PG2.1" << "VO4767W";
    QTest::newRow("no suffix") << "VO4725" << "VO4725";
    QTest::newRow("leading separator") << "_PROP" << "";
    QTest::newRow("empty") << "" << "";
}

void TestDALFamily::nameWithoutSuffix()
{
    QFETCH(QString, device);
    QFETCH(QString, expected);
    QCOMPARE(DALCommon::getDeviceNameWithoutSuffix(device), expected);
}

void TestDALFamily::removePg_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("expected");
    QTest::newRow("version") << "VO4725_PG20" << "VO4725";
    QTest::newRow("at start") << "_PG20" << "_PG20";
    QTest::newRow("first of two") << "VO4767W_PG2_2G4_PG3" << "VO4767W";
    QTest::newRow("after phy") << "VO4767W_2G4_PG2.1" << "VO4767W_2G4";
    QTest::newRow("lower case") << "VO4725_pg20" << "VO4725_pg20";
    QTest::newRow("none") << "VO4725" << "VO4725";
}

void TestDALFamily::removePg()
{
    QFETCH(QString, device);
    QFETCH(QString, expected);
    DALCommon::removePgInformation(&device);
    QCOMPARE(device, expected);
}

void TestDALFamily::chipType_data()
{
    QTest::addColumn<int>("chipType");
    QTest::addColumn<QString>("expected");
    QTest::newRow("special") << 0xFE12 << "VO8395";
    QTest::newRow("lower-case digits") << 0x1a << "VO1a";
    QTest::newRow("zero") << 0 << "VO0";
    QTest::newRow("no padding") << 0x0fe1 << "VOfe1";
    QTest::newRow("largest") << 0xFFFF << "VOffff";
}

void TestDALFamily::chipType()
{
    QFETCH(int, chipType);
    QFETCH(QString, expected);
    QCOMPARE(DALCommon::chipTypeToString(static_cast<unsigned short>(chipType)), expected);
}

QTEST_GUILESS_MAIN(TestDALFamily)
#include "tst_dalfamily.moc"

#include "DALCommon.h"

#include <QtTest>

// Device family tests, UI class tests and device name utilities of DALCommon.
class TestDALFamily : public QObject
{
    Q_OBJECT

private slots:
    void familyTest_data();
    void familyTest();
    void uiClassTest_data();
    void uiClassTest();
    void nameUtilities();
};

using DeviceTest = bool (*)(QString const &);
Q_DECLARE_METATYPE(DeviceTest)

void TestDALFamily::familyTest_data()
{
    QTest::addColumn<DeviceTest>("test");
    QTest::addColumn<QString>("device");
    QTest::addColumn<bool>("expected");

#define row(test, device, expected) \
    QTest::addRow("%s(%s)", #test, device) << DeviceTest(&DALCommon::test) << QString(device) << (expected)
    row(isVo47, "VO4725", true);
    row(isVo47, "vo4725", false);
    row(isVo83, "VO8395", true);

    row(isTundra, "VO8397K", true);
    row(isTundra, "VO4767W_2G4", true);
    row(isTundra, "VO8395", false);
    row(isVo47Tundra, "VO4767W", true);
    row(isVo83Tundra, "VO8367KN", true);
    row(isVo83Tundra, "VO83A7", false);
    row(isTundraBaw, "VO8367KN_BLE", true);
    row(isTundraHighPa, "VO4767W_PG2.1", true);
    row(isTundraPg1, "VO8397K_pg10", true);
    row(isTundraPg1, "VO8395_PG10", false);
    row(isTundraPg1, "VO8397_PG1", false);

    row(isVo47Saffron, "VO4725", true);
    row(isVo83Saffron, "VO8395", true);
    row(isVo83Saffron, "KBT203_X", true);
    row(isSaffron, "KBT203", true);
    row(isSaffron, "VO8397", false);

    row(isVo47Pg20, "VO4725_pg20", true);
    row(isVo47Pg20, "VO4725_PG21", false);
    row(isVo83K7, "K7VO83", true);
    row(isVo83K7, "VO4725K7", false);

    row(isVo47Ble, "VO4767W_BLE", true);
    row(isVo47Ble, "VO4767W_ble", false);
    row(isVo83Ble, "VO8395_PROP", false);
    row(isVo83Ble, "VO8395", true);
    row(isVo83Ble, "VO8395K7T_PROP", false);
    row(isVo83Ble, "VO8367KN_BLE", true);
    row(isVo83Ble, "VO8367KNX_BLE", false);
    row(isVo83Ble, "xVO8397Ky", true);
    row(isVo83Ble, "VO8397", false);
    row(isVoBle, "VO4725_BLE", true);
    row(isVoBle5, "VO83K7", true);
    row(isVoBle5, "K7_VO83_PROP", true);
    row(isVoBle5, "VO4767W_BLE", true);
    row(isVoBle5, "VO8395", false);
    row(isVoBle5, "VO4725_BLE", false);

    row(isVo47Ieee154, "VO4767W_IEEE_15_4", true);
    row(isVo83Ieee154, "VO8367K_IEEE_15_4", true);
    row(isVo83Ieee154, "VO8367KN_IEEE_15_4", false);
    row(isVo83Ieee154, "VO8345", true);
    row(isVo83Ieee154, "VO8375_X", true);
    row(isVoIeee154, "VO4725_IEEE_15_4", true);
    row(isVoIeee154, "VO8345", true);

    row(isVo47Proprietary, "VO4767W_PROP", true);
    row(isVo47Proprietary, "VO4767WX_PROP", false);
    row(isVo47Proprietary, "VO4725", true);
    row(isVo47Proprietary, "VO4727_BLE", true);
    row(isVo83Proprietary, "VO8395K7T_PROP", true);
    row(isVo83Proprietary, "VO8395_PROP", false);
    row(isVoProprietary, "VO8395K7T_PROP_X", true);
    row(isVoProprietary, "VO8395_PROP", false);
#undef row
}

void TestDALFamily::familyTest()
{
    QFETCH(DeviceTest, test);
    QFETCH(QString, device);
    QFETCH(bool, expected);
    QCOMPARE(test(device), expected);
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
    QTest::newRow("PROP-F on VO47") << "PROP-F" << "VO4725" << false << false << false << false;
    QTest::newRow("PROP-F on VO83") << "PROP-F" << "VO8395" << false << false << false << true;
    QTest::newRow("PROP-A-SOC") << "PROP-A-SOC" << "VO4767W" << false << false << false << false;
    QTest::newRow("PROP-A") << "PROP-A" << "VO8395" << false << false << true << true;
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

void TestDALFamily::nameUtilities()
{
    QCOMPARE(DALCommon::getDeviceNameWithoutSuffix("VO4767W_2G4_PG2.1"), QString("VO4767W"));
    QCOMPARE(DALCommon::getDeviceNameWithoutSuffix("VO4725"), QString("VO4725"));
    QCOMPARE(DALCommon::getDeviceNameWithoutSuffix("_PROP"), QString(""));

    const QStringList names{"VO4725_PG20", "_PG20", "VO4767W_PG2_2G4_PG3", "VO4767W_2G4_PG2.1", "VO4725_pg20"};
    const QStringList cut{"VO4725", "_PG20", "VO4767W", "VO4767W_2G4", "VO4725_pg20"};
    for (int i = 0; i < names.size(); ++i) {
        QString name = names.at(i);
        DALCommon::removePgInformation(&name);
        QCOMPARE(name, cut.at(i));
    }

    QCOMPARE(DALCommon::chipTypeToString(0xFE12), QString("VO8395"));
    QCOMPARE(DALCommon::chipTypeToString(0x1a), QString("VO1a"));
    QCOMPARE(DALCommon::chipTypeToString(0), QString("VO0"));
    QCOMPARE(DALCommon::chipTypeToString(0x0fe1), QString("VOfe1"));
}

QTEST_GUILESS_MAIN(TestDALFamily)
#include "tst_dalfamily.moc"

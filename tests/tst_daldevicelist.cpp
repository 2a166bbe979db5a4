#include "fixturetree.h"

#include "DALCommon.h"
#include "DALDeviceList.h"

#include <QDir>
#include <QFileInfo>
#include <QtTest>

namespace {
const QByteArray kDeviceList =
    "<DeviceList>"
    "<version>2.1</version>"
    "<DeviceGroup><GroupName>Sub1</GroupName><Description>Sub-1 GHz</Description>"
    "<DeviceName>VO4725</DeviceName><More><DeviceName>VO4767W</DeviceName></More></DeviceGroup>"
    "<DeviceGroup><GroupName>Ble</GroupName><DeviceName>VO8395</DeviceName></DeviceGroup>"
    "<Device><DeviceName family=\"VO47\">VO4725</DeviceName><Brief>First</Brief>"
    "<DeviceType>Transceiver</DeviceType></Device>"
    "<Device><DeviceName family=\"VO47\">VO4767W</DeviceName><Brief>Second</Brief></Device>"
    "<Device><DeviceName family=\"VO83\">VO8395</DeviceName>"
    "<Extra><DeviceName family=\"VO47\">Nested</DeviceName></Extra><Brief>Third</Brief></Device>"
    "<Device><!-- hidden --><DeviceName family=\"VO47\">Commented</DeviceName><Brief>Never</Brief></Device>"
    "</DeviceList>";
}

class TestDALDeviceList : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetLibraryState(); }

    void groupsAndDevices();
    void deviceValues_data();
    void deviceValues();
    void unknownDeviceIsRecorded();
    void failedConstruction_data();
    void failedConstruction();
    void copiesShareTheTreeSafely();
};

void TestDALDeviceList::groupsAndDevices()
{
    FixtureTree tree;
    QVERIFY(tree.write("device_list.xml", kDeviceList));
    DALDeviceList list(tree.root());
    QCOMPARE(list.getStatus(), 0);
    QCOMPARE(list.getVersion(), QString("2.1"));
    // Group queries answer once the groups were asked for.
    QString sub1 = "Sub1";
    QCOMPARE(list.getGroupDevices(sub1), QStringList());
    QCOMPARE(list.getGroupDescr(sub1), QString());
    // A family lists the direct DeviceName children of Device only.
    QCOMPARE(list.getDeviceList("VO47"), (QStringList{"VO4725", "VO4767W", "Commented"}));
    QCOMPARE(list.getDeviceList("VO83"), QStringList{"VO8395"});
    QCOMPARE(list.getDeviceList("vo47"), QStringList());

    const QStringList groups{"Sub1", "Ble"};
    QCOMPARE(list.getDeviceGroups(), groups);
    QCOMPARE(list.getDeviceGroups(), groups);
    QCOMPARE(list.getGroupDevices(sub1), (QStringList{"VO4725", "VO4767W"}));
    QCOMPARE(list.getGroupDescr("Sub1"), QString("Sub-1 GHz"));
    QCOMPARE(list.getGroupDescr("Ble"), QString());
    QString unknown = "sub1";
    QCOMPARE(list.getGroupDevices(unknown), QStringList());
    QCOMPARE(list.getGroupDescr("sub1"), QString());
    QVERIFY(DALCommon::getErrorList().isEmpty());
}

void TestDALDeviceList::deviceValues_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("brief");
    QTest::addColumn<QString>("type");
    QTest::newRow("all values") << "VO4725" << "First" << "Transceiver";
    QTest::newRow("no type") << "VO4767W" << "Second" << "";
    QTest::newRow("nested extra") << "VO8395" << "Third" << "";
}

// The same answers after many other devices and from a copy: a long list
// answers as a walk, the first of two devices of a name included.
void TestDALDeviceList::deviceValues()
{
    QFETCH(QString, device);
    QFETCH(QString, brief);
    QFETCH(QString, type);
    for (const int padding : {0, 40}) {
        QByteArray devices;
        for (int i = 0; i < padding; ++i)
            devices += "<Device><DeviceName>D" + QByteArray::number(i) + "</DeviceName><Brief>b</Brief></Device>";
        devices += "<Device><DeviceName>" + device.toUtf8() + "</DeviceName><Brief>later</Brief>"
                   "<DeviceType>later</DeviceType></Device></DeviceList>";
        FixtureTree tree;
        QVERIFY(tree.write("device_list.xml", QByteArray(kDeviceList).replace("</DeviceList>", devices)));
        DALDeviceList list(tree.root());
        QCOMPARE(list.getDeviceBrief(device), brief);
        QCOMPARE(list.getDeviceType(device), type);
        QCOMPARE(DALDeviceList(list).getDeviceBrief(device), brief);
        QVERIFY(DALCommon::getErrorList().isEmpty());
        QCOMPARE(DALCommon::getStatus(), 0);
        QCOMPARE(list.getDeviceBrief("D" + QString::number(padding)), QString());
        QCOMPARE(DALCommon::getErrorList(), QStringList{"Unknown RF device"});
    }
}

void TestDALDeviceList::unknownDeviceIsRecorded()
{
    FixtureTree tree;
    QVERIFY(tree.write("device_list.xml", kDeviceList));
    DALDeviceList list(tree.root());
    // A Device that begins with a comment is never found by its name.
    QCOMPARE(list.getDeviceBrief("Commented"), QString());
    QCOMPARE(DALCommon::getErrorList(), QStringList{"Unknown RF device"});
    QCOMPARE(DALCommon::getStatus(), -1);
    QCOMPARE(list.getStatus(), 0);
    QCOMPARE(list.getDeviceType("vo4725"), QString());
    QCOMPARE(DALCommon::getErrorList().size(), 2);
}

void TestDALDeviceList::failedConstruction_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<int>("status");
    QTest::newRow("missing root") << "root" << 1;
    QTest::newRow("missing file") << "file" << 1;
    QTest::newRow("malformed file") << "malformed" << 2;
}

void TestDALDeviceList::failedConstruction()
{
    QFETCH(QString, setup);
    QFETCH(int, status);
    FixtureTree tree;
    QString root = tree.root();
    QString expected;
    if (setup == "root") {
        root = tree.path("missing/");
        expected = "Directory does not exist: " + QDir(root).absolutePath();
    } else if (setup == "file") {
        expected = "File open failed: " + QFileInfo(tree.path("device_list.xml")).absoluteFilePath();
    } else {
        QVERIFY(tree.write("device_list.xml", "<DeviceList><Device></DeviceList>"));
    }

    DALDeviceList list(root);
    QCOMPARE(list.getStatus(), status);
    QCOMPARE(DALCommon::getErrorList().size(), 1);
    if (!expected.isEmpty())
        QCOMPARE(DALCommon::getLatestError(), expected);
    const QString message = DALCommon::getLatestError();
    QCOMPARE(list.getLatestErrorMessage(), message);

    QString group = "Sub1";
    QCOMPARE(list.getDeviceGroups(), QStringList());
    QCOMPARE(list.getGroupDevices(group), QStringList());
    QCOMPARE(list.getDeviceList("VO47"), QStringList());
    QCOMPARE(list.getDeviceBrief("VO4725"), message);
    QCOMPARE(list.getDeviceType("VO4725"), message);
    QCOMPARE(list.getGroupDescr("Sub1"), message);
    QCOMPARE(list.getVersion(), QString(""));
    QCOMPARE(DALCommon::getErrorList().size(), 1);
}

void TestDALDeviceList::copiesShareTheTreeSafely()
{
    FixtureTree tree;
    QVERIFY(tree.write("device_list.xml", kDeviceList));
    auto *original = new DALDeviceList(tree.root());
    original->getDeviceGroups();
    DALDeviceList copy(*original);
    DALDeviceList assigned;
    assigned = *original;
    delete original; // the copies must not depend on it

    QString group = "Ble";
    QCOMPARE(copy.getGroupDevices(group), QStringList{"VO8395"});
    QCOMPARE(assigned.getDeviceBrief("VO4725"), QString("First"));
    assigned = copy;
    assigned = assigned;
    QCOMPARE(assigned.getDeviceGroups(), (QStringList{"Sub1", "Ble"}));
}

QTEST_GUILESS_MAIN(TestDALDeviceList)
#include "tst_daldevicelist.moc"

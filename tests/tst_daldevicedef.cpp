#include "fixturetree.h"

#include "DALCommon.h"
#include "DALDeviceDef.h"

#include <QDomDocument>
#include <QtTest>

namespace {
// Packages as "name:pin,pin|name:pin".
QString describe(DALDeviceDef &def)
{
    QStringList packages;
    for (const DALDeviceDef::Package &package : def.getDeviceDefinition()->packages)
        packages.append(package.name + QLatin1Char(':') + package.ioPins.join(QLatin1Char(',')));
    return packages.join(QLatin1Char('|'));
}
}

class TestDALDeviceDef : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetLibraryState(); }

    void packages_data();
    void packages();
    void copiesAreIndependent();
};

void TestDALDeviceDef::packages_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("count");
    QTest::newRow("no packages") << QByteArray("<Device><IoPin name=\"P\"/></Device>") << "" << 0;
    QTest::newRow("two packages")
        << QByteArray("<D><Package name=\"QFN20\"><IoPin name=\"A\"/><IoPin name=\"B\"/></Package>"
                      "<x><Package name=\"QFN16\"><Pins><IoPin name=\"A\"/></Pins></Package></x></D>")
        << "QFN20:A,B|QFN16:A" << 2;
    QTest::newRow("unnamed package and pin")
        << QByteArray("<D><Package><IoPin name=\"A\"/><IoPin/><IoPin name=\"B\"/></Package></D>")
        << ":A,,B" << 1;
    QTest::newRow("nested package")
        << QByteArray("<D><Package name=\"O\"><IoPin name=\"A\"/>"
                      "<Package name=\"I\"><IoPin name=\"B\"/></Package></Package></D>")
        << "O:A,B|I:B" << 2;
}

void TestDALDeviceDef::packages()
{
    QFETCH(QByteArray, xml);
    QFETCH(QString, expected);
    QFETCH(int, count);
    QDomDocument document = parseXml(xml);
    DALDeviceDef def(&document);
    QCOMPARE(def.getDeviceDefinition()->packages.size(), count);
    QCOMPARE(describe(def), expected);
    QVERIFY(DALCommon::getErrorList().isEmpty());
}

void TestDALDeviceDef::copiesAreIndependent()
{
    QDomDocument document = parseXml("<D><Package name=\"Q\"><IoPin name=\"A\"/></Package></D>");
    auto *original = new DALDeviceDef(&document);
    DALDeviceDef copy(*original);
    DALDeviceDef assigned(nullptr);
    QCOMPARE(describe(assigned), QString());
    assigned = *original;
    delete original;
    document = QDomDocument();

    copy.getDeviceDefinition()->packages[0].ioPins.append("B");
    QCOMPARE(describe(copy), QString("Q:A,B"));
    QCOMPARE(describe(assigned), QString("Q:A"));
    QCOMPARE(assigned.getDeviceDefinition(), assigned.getDeviceDefinition());
}

QTEST_GUILESS_MAIN(TestDALDeviceDef)
#include "tst_daldevicedef.moc"

#include "fixturetree.h"

#include "DALCommon.h"
#include "DALIoRegisterDef.h"

#include <QDomDocument>
#include <QtTest>

class TestDALIoRegisterDef : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetLibraryState(); }
    void cleanup() { resetLibraryState(); }

    void addresses_data();
    void addresses();
    void lookups();
    void copiesAreIndependent();
};

void TestDALIoRegisterDef::addresses_data()
{
    QTest::addColumn<QByteArray>("attributes");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<uint>("address");
    QTest::newRow("plain hex") << QByteArray("address=\"1A0\"") << true << 416u;
    QTest::newRow("0x prefix") << QByteArray("address=\"0x1A4\"") << true << 420u;
    QTest::newRow("lower case") << QByteArray("address=\"ff\"") << true << 255u;
    QTest::newRow("spaces") << QByteArray("address=\" 10 \"") << true << 16u;
    QTest::newRow("32 bits") << QByteArray("address=\"FFFFFFFF\"") << true << 0xFFFFFFFFu;
    QTest::newRow("33 bits") << QByteArray("address=\"100000000\"") << false << 0u;
    QTest::newRow("not hex") << QByteArray("address=\"zz\"") << false << 0u;
    QTest::newRow("negative") << QByteArray("address=\"-1\"") << false << 0u;
    QTest::newRow("empty") << QByteArray("address=\"\"") << false << 0u;
    QTest::newRow("absent") << QByteArray() << false << 0u;
}

void TestDALIoRegisterDef::addresses()
{
    QFETCH(QByteArray, attributes);
    QFETCH(bool, valid);
    QFETCH(uint, address);
    QDomDocument document = parseXml("<Regs><Register name=\"R\" " + attributes
                                  + "/><Register name=\"NEXT\" address=\"2\"/></Regs>");
    DALIoRegisterDef def(&document);
    QList<DALIoRegisterDef::IoRegister> *table = def.getIoRegisterDefinition();
    QCOMPARE(def.getStatus(), valid ? 0 : -1);
    QCOMPARE(table->size(), valid ? 2 : 1);
    QCOMPARE(table->last().name, QString("NEXT"));
    QCOMPARE(table->last().address, 2u);
    if (valid) {
        QCOMPARE(table->first().address, address);
        QVERIFY(DALCommon::getErrorList().isEmpty());
    } else {
        // Reported under the register's name, not the bad text.
        QCOMPARE(DALCommon::getErrorList(),
                 QStringList{"File open failed: Invalid value of IO register address: R"});
    }
}

void TestDALIoRegisterDef::lookups()
{
    QDomDocument document = parseXml("<Regs><Register name=\"A\" address=\"1A0\"/>"
                                  "<group><Register name=\"A\" address=\"0x1A4\"/></group>"
                                  "<Register name=\"B\" address=\"zz\"/>"
                                  "<Register address=\"7\"/></Regs>");
    DALIoRegisterDef def(&document);
    QCOMPARE(def.getStatus(), -1);
    unsigned int address = 99;
    QCOMPARE(def.getAddress("a", &address), -1);
    QCOMPARE(address, 99u);
    QCOMPARE(def.getAddress("B", &address), -1);
    QCOMPARE(def.getAddress("A", &address), 0);
    QCOMPARE(address, 416u);
    QCOMPARE(def.getStatus(), 0);
    QCOMPARE(def.getAddress("", &address), 0);
    QCOMPARE(address, 7u);
    QCOMPARE(def.getAddress("C", &address), -1);
    QCOMPARE(def.getStatus(), -1);
    QCOMPARE(DALCommon::getErrorList(),
             (QStringList{"File open failed: Invalid value of IO register address: B",
                          "File open failed: Failed to get address for register a",
                          "File open failed: Failed to get address for register B",
                          "File open failed: Failed to get address for register C"}));
}

void TestDALIoRegisterDef::copiesAreIndependent()
{
    QDomDocument document = parseXml("<Regs><Register name=\"A\" address=\"10\"/></Regs>");
    auto *original = new DALIoRegisterDef(&document);
    DALIoRegisterDef copy(*original);
    DALIoRegisterDef assigned(nullptr);
    QVERIFY(assigned.getIoRegisterDefinition()->isEmpty());
    assigned = *original;
    delete original;
    document = QDomDocument();

    copy.getIoRegisterDefinition()->first().address = 5;
    unsigned int address = 0;
    QCOMPARE(assigned.getAddress("A", &address), 0);
    QCOMPARE(address, 16u);
    QCOMPARE(copy.getAddress("A", &address), 0);
    QCOMPARE(address, 5u);
}

QTEST_GUILESS_MAIN(TestDALIoRegisterDef)
#include "tst_dalioregisterdef.moc"

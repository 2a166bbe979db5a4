#include "fixturetree.h"

#include "DALCommon.h"
#include "DALPacket.h"

#include <QTemporaryFile>
#include <QtTest>

#include <cstdio>
#include <unistd.h>

class TestDALPacket : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetLibraryState(); }
    void cleanupTestCase() { DALCommon::setConfigRoot("./../config/xml/"); resetLibraryState(); }

    void readsPacket();
    void numbersInFieldBase_data();
    void numbersInFieldBase();
    void faultStopsReading_data();
    void faultStopsReading();
    void flags_data();
    void flags();
    void packetCount_data();
    void packetCount();
    void packetNameBeforeFields();
    void missingFile();
    void malformedFile();
    void copies();
};

namespace {

// Collects what is written to the process's standard output meanwhile.
class StdoutCapture
{
public:
    StdoutCapture()
    {
        std::fflush(stdout);
        if (m_file.open()) {
            m_saved = ::dup(STDOUT_FILENO);
            ::dup2(m_file.handle(), STDOUT_FILENO);
        }
    }
    ~StdoutCapture() { finish(); }
    QByteArray finish()
    {
        if (m_saved >= 0) {
            std::fflush(stdout);
            ::dup2(m_saved, STDOUT_FILENO);
            ::close(m_saved);
            m_saved = -1;
            m_file.seek(0);
            m_text = m_file.readAll();
        }
        return m_text;
    }

private:
    QTemporaryFile m_file;
    int m_saved = -1;
    QByteArray m_text;
};

QByteArray field(QByteArray const &name, QByteArray const &type, QByteArray const &length,
                 QByteArray const &textLength, QByteArray const &min, QByteArray const &max,
                 QByteArray const &extra = QByteArray())
{
    return "<Field><Name>" + name + "</Name><Description>" + name + " field</Description>"
           "<Type>" + type + "</Type><Length>" + length + "</Length><TextLength>" + textLength
           + "</TextLength><Min>" + min + "</Min><Max>" + max + "</Max>" + extra + "</Field>\n";
}

QByteArray packetFile(QByteArray const &fields)
{
    return "<Packets><packet><Name>Basic</Name><Description>Basic frame</Description>\n" + fields
           + "</packet></Packets>\n";
}

struct Read
{
    int status = 0;
    QList<DALPacket::Field> fields;
    QString name;
    QByteArray out;
};

Read readPacket(FixtureTree const &tree, QByteArray const &content)
{
    Read read;
    if (!tree.write(QStringLiteral("packet/test.xml"), content))
        return read;
    StdoutCapture capture;
    DALPacket packet(QStringLiteral("test"));
    read.out = capture.finish();
    read.status = packet.getStatus();
    packet.getFields(read.fields);
    read.name = packet.getName();
    return read;
}

} // namespace

void TestDALPacket::readsPacket()
{
    FixtureTree tree;
    const QByteArray content =
        "<?xml version=\"1.0\"?>\n<Root><Group>\n<packet>\n"
        "  <Name>Prop_Basic</Name>\n  <Description>Length, address and payload</Description>\n"
        "  <Field><Name>Length</Name><Description>Payload length</Description><Type>decimal</Type>"
        "<Length>1</Length><TextLength>3</TextLength><Min>0</Min><Max>255</Max>"
        "<FgColor>#000000</FgColor><BgColor>#ffcc00</BgColor><Default>30</Default>"
        "<ReadOnly>yes</ReadOnly><AppendToPayload>no</AppendToPayload></Field>\n"
        "  <Fields><Field><Name>Address</Name><Type>hex</Type><Length>1</Length>"
        "<TextLength>2</TextLength><Min>0x00</Min><Max>FF</Max><Default>AA</Default></Field></Fields>\n"
        "  <Field><Name>Payload</Name><Type>hex_payload</Type><Length>1E</Length>"
        "<TextLength>3C</TextLength><Min>0</Min><Max>ff</Max><AppendToPayload>true</AppendToPayload></Field>\n"
        "</packet></Group></Root>\n";
    QVERIFY(tree.write(QStringLiteral("packet/prop_basic.xml"), content));

    StdoutCapture capture;
    DALPacket packet(QStringLiteral("Prop_Basic")); // the file name is lower-cased
    QCOMPARE(capture.finish(), QByteArray());
    QCOMPARE(packet.getStatus(), 0);
    QCOMPARE(packet.getName(), QStringLiteral("Prop_Basic"));
    QCOMPARE(packet.getDescription(), QStringLiteral("Length, address and payload"));
    QVERIFY(DALCommon::getErrorList().isEmpty());

    QList<DALPacket::Field> fields{DALPacket::Field()};
    QCOMPARE(packet.getFields(fields), 3);
    QCOMPARE(fields.size(), 3);

    const DALPacket::Field &length = fields.at(0);
    QCOMPARE(length.name, QStringLiteral("Length"));
    QCOMPARE(length.description, QStringLiteral("Payload length"));
    QCOMPARE(length.type, 10);
    QCOMPARE(length.length, 1u);
    QCOMPARE(length.textLength, 3u);
    QCOMPARE(length.min, 0u);
    QCOMPARE(length.max, 255u);
    QCOMPARE(length.fgColor, QStringLiteral("#000000"));
    QCOMPARE(length.bgColor, QStringLiteral("#ffcc00"));
    QCOMPARE(length.defaultValue, QStringLiteral("30"));
    QVERIFY(length.readOnly);
    QVERIFY(!length.appendToPayload);

    const DALPacket::Field &address = fields.at(1);
    QCOMPARE(address.name, QStringLiteral("Address"));
    QCOMPARE(address.description, QString());
    QCOMPARE(address.type, 16);
    QCOMPARE(address.textLength, 2u);
    QCOMPARE(address.max, 255u);
    QCOMPARE(address.fgColor, QString());
    QCOMPARE(address.defaultValue, QStringLiteral("AA"));
    QVERIFY(!address.readOnly);

    const DALPacket::Field &payload = fields.at(2);
    QCOMPARE(payload.type, 0);
    QCOMPARE(payload.length, 30u);
    QCOMPARE(payload.textLength, 60u);
    QVERIFY(payload.appendToPayload);
}

void TestDALPacket::numbersInFieldBase_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("expectedType");
    QTest::addColumn<uint>("expected");
    QTest::newRow("HEX upper case") << QByteArray("HEX") << QByteArray("1F") << 16 << 31u;
    QTest::newRow("hex with prefix") << QByteArray("hex") << QByteArray("0x1f") << 16 << 31u;
    QTest::newRow("hex blanks") << QByteArray("Hex") << QByteArray(" 10 ") << 16 << 16u;
    QTest::newRow("hex largest") << QByteArray("hex") << QByteArray("FFFFFFFF") << 16 << 0xFFFFFFFFu;
    QTest::newRow("hex_payload") << QByteArray("Hex_Payload") << QByteArray("20") << 0 << 32u;
    QTest::newRow("decimal") << QByteArray("decimal") << QByteArray("20") << 10 << 20u;
    QTest::newRow("decimal largest") << QByteArray("DECIMAL") << QByteArray("4294967295") << 10 << 4294967295u;
    QTest::newRow("binary 101") << QByteArray("binary") << QByteArray("101") << 2 << 5u;
}

void TestDALPacket::numbersInFieldBase()
{
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, value);
    QFETCH(int, expectedType);
    QFETCH(uint, expected);
    FixtureTree tree;
    const Read read = readPacket(tree, packetFile(field("F", type, value, value, value, value)));
    QCOMPARE(read.status, 0);
    QCOMPARE(read.out, QByteArray());
    QCOMPARE(read.fields.size(), 1);
    const DALPacket::Field &f = read.fields.first();
    QCOMPARE(f.type, expectedType);
    QCOMPARE(f.length, expected);
    QCOMPARE(f.textLength, expected);
    QCOMPARE(f.min, expected);
    QCOMPARE(f.max, expected);
}

void TestDALPacket::faultStopsReading_data()
{
    QTest::addColumn<QByteArray>("faulty");
    QTest::addColumn<QByteArray>("message");

    QTest::newRow("binary Max 102") << field("F", "binary", "1", "1", "0", "102") << QByteArray("Node Max= 102 : invalid");
    QTest::newRow("unknown Type") << field("F", "hex2", "1", "1", "0", "1") << QByteArray("Node Type= hex2 : invalid");
    QTest::newRow("Type as written") << field("F", "Octal", "1", "1", "0", "1") << QByteArray("Node Type= Octal : invalid");
    QTest::newRow("empty Type") << field("F", "", "1", "1", "0", "1") << QByteArray("Node Type=  : invalid");
    QTest::newRow("missing TextLength")
        << QByteArray("<Field><Name>F</Name><Type>hex</Type><Length>1</Length><Min>0</Min><Max>1</Max></Field>")
        << QByteArray("Node TextLength=  : invalid");
    QTest::newRow("decimal with hex digit") << field("F", "decimal", "1F", "1", "0", "1") << QByteArray("Node Length= 1F : invalid");
    QTest::newRow("decimal out of range") << field("F", "decimal", "1", "4294967296", "0", "1") << QByteArray("Node TextLength= 4294967296 : invalid");
    QTest::newRow("hex out of range") << field("F", "hex", "1", "1", "100000000", "1") << QByteArray("Node Min= 100000000 : invalid");
    QTest::newRow("empty Min") << field("F", "hex", "1", "1", "", "1") << QByteArray("Node Min=  : invalid");
    QTest::newRow("negative") << field("F", "decimal", "-1", "1", "0", "1") << QByteArray("Node Length= -1 : invalid");
}

void TestDALPacket::faultStopsReading()
{
    QFETCH(QByteArray, faulty);
    QFETCH(QByteArray, message);
    FixtureTree tree;
    const QByteArray fields = field("First", "hex", "1", "2", "0", "FF") + faulty
                              + field("Later", "hex", "1", "2", "0", "FF");
    const Read read = readPacket(tree, packetFile(fields));
    QCOMPARE(read.status, 5);
    QCOMPARE(read.out, message + '\n');
    QCOMPARE(read.fields.size(), 1);
    QCOMPARE(read.fields.first().name, QStringLiteral("First"));
    QCOMPARE(read.name, QStringLiteral("Basic"));
    QCOMPARE(DALCommon::getErrorList(), QStringList());
}

void TestDALPacket::flags_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<bool>("expected");
    QTest::newRow("Yes") << QByteArray("<V>Yes</V>") << true;
    QTest::newRow("TRUE") << QByteArray("<V>TRUE</V>") << true;
    QTest::newRow("1") << QByteArray("<V>1</V>") << true;
    QTest::newRow("no") << QByteArray("<V>no</V>") << false;
    QTest::newRow("0") << QByteArray("<V>0</V>") << false;
    QTest::newRow("y") << QByteArray("<V>y</V>") << false;
    QTest::newRow("padded") << QByteArray("<V> yes</V>") << false;
    QTest::newRow("empty") << QByteArray("<V/>") << false;
    QTest::newRow("missing") << QByteArray() << false;
}

void TestDALPacket::flags()
{
    QFETCH(QByteArray, value);
    QFETCH(bool, expected);
    FixtureTree tree;
    QByteArray readOnly = value;
    readOnly.replace("V>", "ReadOnly>").replace("<V/>", "<ReadOnly/>");
    QByteArray append = value;
    append.replace("V>", "AppendToPayload>").replace("<V/>", "<AppendToPayload/>");
    const Read read = readPacket(tree, packetFile(field("F", "hex", "1", "1", "0", "1", readOnly + append)));
    QCOMPARE(read.status, 0);
    QCOMPARE(read.fields.size(), 1);
    QCOMPARE(read.fields.first().readOnly, expected);
    QCOMPARE(read.fields.first().appendToPayload, expected);
}

void TestDALPacket::packetCount_data()
{
    QTest::addColumn<QByteArray>("content");
    const QByteArray one = "<packet><Name>P</Name>" + field("F", "hex", "1", "1", "0", "1") + "</packet>";
    QTest::newRow("two packets") << "<Root>" + one + one + "</Root>";
    QTest::newRow("nested packets") << "<Root><packet><Name>P</Name>" + one + "</packet></Root>";
    QTest::newRow("no packet") << QByteArray("<Root><Packet><Name>P</Name></Packet></Root>");
}

void TestDALPacket::packetCount()
{
    QFETCH(QByteArray, content);
    FixtureTree tree;
    const Read read = readPacket(tree, content);
    QCOMPARE(read.status, 5);
    QCOMPARE(read.fields.size(), 0);
    QCOMPARE(read.name, QString());
    QCOMPARE(read.out, QByteArray());
    QCOMPARE(DALCommon::getErrorList(), QStringList());
}

void TestDALPacket::packetNameBeforeFields()
{
    // The packet's Name is the first Name below packet, a field's if that stands first.
    FixtureTree tree;
    const Read read = readPacket(tree, "<packet>" + field("F", "hex", "1", "1", "0", "1")
                                           + "<Name>Late</Name></packet>");
    QCOMPARE(read.status, 0);
    QCOMPARE(read.name, QStringLiteral("F"));
}

void TestDALPacket::missingFile()
{
    FixtureTree tree;
    StdoutCapture capture;
    DALPacket packet(QStringLiteral("Missing"));
    QCOMPARE(capture.finish(), QByteArray());
    QCOMPARE(packet.getStatus(), 1);
    QCOMPARE(DALCommon::getErrorList(),
             QStringList{QStringLiteral("File open failed: ") + tree.path("packet/missing.xml")});
    QCOMPARE(packet.getName(), QString());
    QList<DALPacket::Field> fields{DALPacket::Field()};
    QCOMPARE(packet.getFields(fields), 0);
    QVERIFY(fields.isEmpty());
}

void TestDALPacket::malformedFile()
{
    FixtureTree tree;
    QVERIFY(tree.write(QStringLiteral("packet/bad.xml"), "<packet><Name>x</packet>"));
    DALPacket packet(QStringLiteral("bad"));
    QCOMPARE(packet.getStatus(), 2);
    QCOMPARE(DALCommon::getErrorList().size(), 1);
    QVERIFY(DALCommon::getLatestError().startsWith(QStringLiteral("XML DOM parse failed: ")
                                                   + tree.path("packet/bad.xml") + ", line 1: \n"));
}

void TestDALPacket::copies()
{
    FixtureTree tree;
    QVERIFY(tree.write(QStringLiteral("packet/test.xml"),
                       packetFile(field("A", "hex", "1", "2", "0", "FF") + field("B", "binary", "1", "1", "0", "1"))));
    auto *original = new DALPacket(QStringLiteral("test"));
    DALPacket copy(*original);
    DALPacket assigned(QStringLiteral("other")); // missing file: status 1
    assigned = *original;
    DALPacket &self = assigned;
    assigned = self;
    delete original;

    for (const DALPacket *packet : {&copy, &assigned}) {
        QCOMPARE(packet->getStatus(), 0);
        QCOMPARE(packet->getName(), QStringLiteral("Basic"));
        QCOMPARE(packet->getDescription(), QStringLiteral("Basic frame"));
        QList<DALPacket::Field> fields;
        QCOMPARE(packet->getFields(fields), 2);
        QCOMPARE(fields.at(1).name, QStringLiteral("B"));
        QCOMPARE(fields.at(1).type, 2);
    }
}

QTEST_GUILESS_MAIN(TestDALPacket)
#include "tst_dalpacket.moc"

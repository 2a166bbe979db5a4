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
    void fieldValues_data();
    void fieldValues();
    void faultStopsReading_data();
    void faultStopsReading();
    void packetCount_data();
    void packetCount();
    void packetNameBeforeFields();
    void unreadableFile();
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

// Every member of a field, in declaration order.
QString describe(DALPacket::Field const &f)
{
    return QStringList{f.name, f.description, QString::number(f.type), QString::number(f.length),
                       QString::number(f.textLength), QString::number(f.min), QString::number(f.max),
                       "bg " + f.bgColor, "fg " + f.fgColor, f.defaultValue,
                       QString::number(f.readOnly), QString::number(f.appendToPayload)}
        .join('|');
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
    QStringList described;
    for (const DALPacket::Field &f : qAsConst(fields))
        described << describe(f);
    QCOMPARE(described, QStringList({
        "Length|Payload length|10|1|3|0|255|bg #ffcc00|fg #000000|30|1|0",
        "Address||16|1|2|0|255|bg |fg |AA|0|0",
        "Payload||0|30|60|0|255|bg |fg ||0|1",
    }));
}

void TestDALPacket::fieldValues_data()
{
    // Type, the value of Length, TextLength, Min and Max, the value of both flags.
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArray>("number");
    QTest::addColumn<QByteArray>("flag"); // null: no flag elements
    QTest::addColumn<int>("expectedType");
    QTest::addColumn<uint>("expectedNumber");
    QTest::addColumn<bool>("expectedFlag");
    QTest::newRow("HEX upper case, Yes") << QByteArray("HEX") << QByteArray("1F") << QByteArray("Yes") << 16 << 31u << true;
    QTest::newRow("hex prefix, TRUE") << QByteArray("hex") << QByteArray("0x1f") << QByteArray("TRUE") << 16 << 31u << true;
    QTest::newRow("hex largest, 1") << QByteArray("hex") << QByteArray("FFFFFFFF") << QByteArray("1") << 16 << 0xFFFFFFFFu << true;
    QTest::newRow("hex_payload, no") << QByteArray("Hex_Payload") << QByteArray("20") << QByteArray("no") << 0 << 32u << false;
    QTest::newRow("decimal largest, 0") << QByteArray("DECIMAL") << QByteArray("4294967295") << QByteArray("0") << 10 << 4294967295u << false;
    QTest::newRow("binary 101, y") << QByteArray("binary") << QByteArray("101") << QByteArray("y") << 2 << 5u << false;
    QTest::newRow("flags missing") << QByteArray("decimal") << QByteArray("7") << QByteArray() << 10 << 7u << false;
}

void TestDALPacket::fieldValues()
{
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, number);
    QFETCH(QByteArray, flag);
    QFETCH(int, expectedType);
    QFETCH(uint, expectedNumber);
    QFETCH(bool, expectedFlag);
    FixtureTree tree;
    const QByteArray flags = flag.isNull() ? QByteArray()
        : "<ReadOnly>" + flag + "</ReadOnly><AppendToPayload>" + flag + "</AppendToPayload>";
    const Read read = readPacket(tree, packetFile(field("F", type, number, number, number, number, flags)));
    QCOMPARE(read.status, 0);
    QCOMPARE(read.out, QByteArray());
    QCOMPARE(read.fields.size(), 1);
    const DALPacket::Field &f = read.fields.first();
    QCOMPARE(f.type, expectedType);
    QCOMPARE(QVector<uint>({f.length, f.textLength, f.min, f.max}), QVector<uint>(4, expectedNumber));
    QCOMPARE(f.readOnly, expectedFlag);
    QCOMPARE(f.appendToPayload, expectedFlag);
}

void TestDALPacket::faultStopsReading_data()
{
    QTest::addColumn<QByteArray>("faulty");
    QTest::addColumn<QByteArray>("message");

    QTest::newRow("binary Max 102") << field("F", "binary", "1", "1", "0", "102") << QByteArray("Node Max= 102 : invalid");
    QTest::newRow("unknown Type") << field("F", "hex2", "1", "1", "0", "1") << QByteArray("Node Type= hex2 : invalid");
    QTest::newRow("empty Type") << field("F", "", "1", "1", "0", "1") << QByteArray("Node Type=  : invalid");
    QTest::newRow("missing TextLength")
        << QByteArray("<Field><Name>F</Name><Type>hex</Type><Length>1</Length><Min>0</Min><Max>1</Max></Field>")
        << QByteArray("Node TextLength=  : invalid");
    QTest::newRow("decimal with hex digit") << field("F", "decimal", "1F", "1", "0", "1") << QByteArray("Node Length= 1F : invalid");
    QTest::newRow("decimal out of range") << field("F", "decimal", "1", "4294967296", "0", "1") << QByteArray("Node TextLength= 4294967296 : invalid");
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

void TestDALPacket::packetCount_data()
{
    QTest::addColumn<QByteArray>("content");
    const QByteArray one = "<packet><Name>P</Name>" + field("F", "hex", "1", "1", "0", "1") + "</packet>";
    QTest::newRow("two packets") << "<Root>" + one + one + "</Root>";
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

void TestDALPacket::unreadableFile()
{
    FixtureTree tree;
    StdoutCapture capture;
    const DALPacket missing(QStringLiteral("Missing"));
    QCOMPARE(capture.finish(), QByteArray());
    QCOMPARE(missing.getStatus(), 1);
    QCOMPARE(DALCommon::getErrorList(), QStringList{"File open failed: " + tree.path("packet/missing.xml")});
    QCOMPARE(missing.getName(), QString());
    QList<DALPacket::Field> fields{DALPacket::Field()};
    QCOMPARE(missing.getFields(fields), 0);
    QVERIFY(fields.isEmpty());

    DALCommon::clearErrorList();
    QVERIFY(tree.write(QStringLiteral("packet/bad.xml"), "<packet><Name>x</packet>"));
    const DALPacket malformed(QStringLiteral("bad"));
    QCOMPARE(malformed.getStatus(), 2);
    QVERIFY(DALCommon::getLatestError().startsWith("XML DOM parse failed: " + tree.path("packet/bad.xml")));
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

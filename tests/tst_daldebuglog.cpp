#include "DALCommon.h"

#include <QFile>
#include <QtTest>

// The debug log and the text utilities of DALCommon. The log is opened once
// per process, so every test reads only what it appended itself.
class TestDALDebugLog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void firstWriteTruncates();
    void textLines();
    void byteDump_data();
    void byteDump();
    void wordDump_data();
    void wordDump();
    void dumpWithoutData();

    void buildNumber_data();
    void buildNumber();
    void buildNumberWithoutFile();
    void encodeHtml_data();
    void encodeHtml();
    void reverseBits_data();
    void reverseBits();
    void hexDigit_data();
    void hexDigit();

private:
    // What the log gained since the previous call.
    QByteArray appended();

    qint64 m_seen = 0;
};

namespace {
const QString kLog = QStringLiteral("dal_debug.txt");
const QString kVersion = QStringLiteral("version.txt");

QByteArray readAll(QString const &name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(QString const &name, QByteArray const &content)
{
    QFile file(name);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size();
}

QByteArray sequence(int count)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes.append(static_cast<char>(i));
    return bytes;
}
} // namespace

QByteArray TestDALDebugLog::appended()
{
    const QByteArray all = readAll(kLog);
    const QByteArray tail = all.mid(static_cast<int>(m_seen));
    m_seen = all.size();
    return tail;
}

void TestDALDebugLog::initTestCase()
{
    // Left over from an earlier run; the first write of this process drops it.
    QVERIFY(writeFile(kLog, "stale content of an earlier run\n"));
}

void TestDALDebugLog::firstWriteTruncates()
{
    DALCommon::logToFile(QStringLiteral("first"));
    QCOMPARE(readAll(kLog), QByteArray("first\n"));
    m_seen = 6;
}

void TestDALDebugLog::textLines()
{
    DALCommon::logToFile(QStringLiteral("two words"));
    DALCommon::logToFile(QString());
    DALCommon::logToFile(QStringLiteral("Grüße"));
    QCOMPARE(appended(), QByteArray("two words\n\nGr\xc3\xbc\xc3\x9f" "e\n"));
}

void TestDALDebugLog::byteDump_data()
{
    QTest::addColumn<qulonglong>("address");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("one byte") << 0x100ull << QByteArray("\xab", 1) << QByteArray("0x00000100 |ab \n");
    QTest::newRow("16 bytes, one line")
        << 0ull << sequence(16)
        << QByteArray("0x00000000 |00 01 02 03 04 05 06 07 08 09 0a 0b 0c 0d 0e 0f \n");
    QTest::newRow("17 bytes, two lines")
        << 0x20ull << sequence(17)
        << QByteArray("0x00000020 |00 01 02 03 04 05 06 07 08 09 0a 0b 0c 0d 0e 0f \n"
                      "0x00000030 |10 \n");
    QTest::newRow("18 bytes")
        << 0x1000ull << sequence(18)
        << QByteArray("0x00001000 |00 01 02 03 04 05 06 07 08 09 0a 0b 0c 0d 0e 0f \n"
                      "0x00001010 |10 11 \n");
    QTest::newRow("33 bytes, unaligned address")
        << 0xfffff0ull << sequence(33)
        << QByteArray("0x00fffff0 |00 01 02 03 04 05 06 07 08 09 0a 0b 0c 0d 0e 0f \n"
                      "0x01000000 |10 11 12 13 14 15 16 17 18 19 1a 1b 1c 1d 1e 1f \n"
                      "0x01000010 |20 \n");
    QTest::newRow("high bytes") << 0xdeadbeefull << QByteArray("\xff\x80\x7f", 3)
                                << QByteArray("0xdeadbeef |ff 80 7f \n");
}

void TestDALDebugLog::byteDump()
{
    QFETCH(qulonglong, address);
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, expected);
    appended();
    DALCommon::logToFile(static_cast<unsigned long>(address), bytes.size(),
                         reinterpret_cast<unsigned char *>(bytes.data()));
    QCOMPARE(appended(), expected);
}

void TestDALDebugLog::wordDump_data()
{
    QTest::addColumn<QList<qulonglong>>("words");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("one word") << QList<qulonglong>{0x11223344} << QByteArray("0x00000000 |44 33 22 11 \n");
    QTest::newRow("five words wrap")
        << QList<qulonglong>{0x03020100, 0x07060504, 0x0b0a0908, 0x0f0e0d0c, 0xdeadbeef}
        << QByteArray("0x00000000 |00 01 02 03 04 05 06 07 08 09 0a 0b 0c 0d 0e 0f \n"
                      "0x00000010 |ef be ad de \n");
}

void TestDALDebugLog::wordDump()
{
    QFETCH(QList<qulonglong>, words);
    QFETCH(QByteArray, expected);
    QVector<unsigned long> data;
    for (qulonglong word : words)
        data.append(static_cast<unsigned long>(word));
    appended();
    DALCommon::logToFile(0ul, data.size(), data.data());
    QCOMPARE(appended(), expected);
}

void TestDALDebugLog::dumpWithoutData()
{
    appended();
    unsigned char byte = 0x55;
    DALCommon::logToFile(0x40ul, 0, &byte);
    DALCommon::logToFile(0x50ul, -3, &byte);
    DALCommon::logToFile(0x60ul, 4, static_cast<unsigned char *>(nullptr));
    DALCommon::logToFile(0x70ul, -1, static_cast<unsigned long *>(nullptr));
    QCOMPARE(appended(), QByteArray("0x00000040 |\n0x00000050 |\n0x00000060 |\n0x00000070 |\n"));
}

void TestDALDebugLog::buildNumber_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << QByteArray("build 1234\n") << "(build 1234)";
    QTest::newRow("release") << QByteArray("release build 1.2.3\n") << "(build1.2.3)";
    QTest::newRow("last line wins") << QByteArray("build 7\nbuild 8\n") << "(build 8)";
    QTest::newRow("among other lines") << QByteArray("version 2\nnightly build 9\nend") << "(nightly build 9)";
    QTest::newRow("no final line feed") << QByteArray("build 5") << "(build 5)";
    QTest::newRow("CRLF") << QByteArray("build 6\r\n") << "(build 6)";
    QTest::newRow("case-sensitive") << QByteArray("Build 1\nBUILD 2\n") << "";
    QTest::newRow("release twice")
        << QByteArray("release build release 4 \n") << "(build4)";
    QTest::newRow("Release kept") << QByteArray("Release build 3\n") << "(Release build 3)";
    QTest::newRow("empty file") << QByteArray() << "";
}

void TestDALDebugLog::buildNumber()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, expected);
    QVERIFY(writeFile(kVersion, content));
    QCOMPARE(DALCommon::getBuildNbr(), expected);
    QFile::remove(kVersion);
}

void TestDALDebugLog::buildNumberWithoutFile()
{
    QFile::remove(kVersion);
    QCOMPARE(DALCommon::getBuildNbr(), QString());
}

void TestDALDebugLog::encodeHtml_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("spaced brackets") << "a < b > c" << "a &lt; b &gt; c";
    QTest::newRow("no spaces") << "a<b" << "a<b";
    QTest::newRow("ordinary tag") << "<br>" << "<br>";
    QTest::newRow("bold text") << "<b>x</b>" << "<b>x</b>";
    QTest::newRow("closing tag with attributes") << "x</b class=y>z" << "x&lt;/b&gt;z";
    QTest::newRow("closing tag with blank") << "</font >" << "&lt;/font&gt;";
    QTest::newRow("two closing tags") << "</a x></b y>" << "&lt;/a&gt;&lt;/b&gt;";
    QTest::newRow("one side only") << "a <b" << "a <b";
    QTest::newRow("repeated") << "1 < 2 < 3" << "1 &lt; 2 &lt; 3";
    QTest::newRow("empty") << "" << "";
}

void TestDALDebugLog::encodeHtml()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    DALCommon::encodeHtmlCharEntities(text);
    QCOMPARE(text, expected);
}

void TestDALDebugLog::reverseBits_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("0x01") << 0x01 << 0x80;
    QTest::newRow("0x0F") << 0x0F << 0xF0;
    QTest::newRow("0xA5") << 0xA5 << 0xA5;
    QTest::newRow("0x12") << 0x12 << 0x48;
    QTest::newRow("0x80") << 0x80 << 0x01;
    QTest::newRow("0x00") << 0x00 << 0x00;
    QTest::newRow("0xFF") << 0xFF << 0xFF;
}

void TestDALDebugLog::reverseBits()
{
    QFETCH(int, value);
    QFETCH(int, expected);
    const char byte = static_cast<char>(value);
    QCOMPARE(int(DALCommon::reverseBitOrder(byte)), expected);
}

void TestDALDebugLog::hexDigit_data()
{
    QTest::addColumn<QChar>("c");
    QTest::addColumn<bool>("expected");
    for (char c : QByteArray("0123456789abcdefABCDEF"))
        QTest::addRow("%c", c) << QChar(QLatin1Char(c)) << true;
    for (char c : QByteArray("gG/:@`xX -"))
        QTest::addRow("%c", c) << QChar(QLatin1Char(c)) << false;
    QTest::newRow("fullwidth A") << QChar(0xFF21) << false;
    QTest::newRow("arabic-indic 1") << QChar(0x0661) << false;
    QTest::newRow("nul") << QChar(0) << false;
}

void TestDALDebugLog::hexDigit()
{
    QFETCH(QChar, c);
    QFETCH(bool, expected);
    QCOMPARE(DALCommon::isHexDigit(c), expected);
}

QTEST_GUILESS_MAIN(TestDALDebugLog)
#include "tst_daldebuglog.moc"

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
    void dumps();
    void buildNumber_data();
    void buildNumber();
    void encodeHtml_data();
    void encodeHtml();
    void bitsAndDigits();

private:
    QByteArray appended(); // what the log gained since the previous call
    int m_seen = 0;
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
} // namespace

QByteArray TestDALDebugLog::appended()
{
    const QByteArray all = readAll(kLog);
    const QByteArray tail = all.mid(m_seen);
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
    DALCommon::logToFile(QString());
    DALCommon::logToFile(QStringLiteral("Grüße"));
    QCOMPARE(appended(), QByteArray("first\n\nGr\xc3\xbc\xc3\x9f" "e\n"));
}

void TestDALDebugLog::dumps()
{
    unsigned char bytes[18];
    for (int i = 0; i < 18; ++i)
        bytes[i] = static_cast<unsigned char>(i);
    const QByteArray full = "00 01 02 03 04 05 06 07 08 09 0a 0b 0c 0d 0e 0f \n";
    appended();
    DALCommon::logToFile(0ul, 16, bytes);
    QCOMPARE(appended(), "0x00000000 |" + full);
    DALCommon::logToFile(0x20ul, 17, bytes);
    QCOMPARE(appended(), "0x00000020 |" + full + "0x00000030 |10 \n");
    DALCommon::logToFile(0x1000ul, 18, bytes);
    QCOMPARE(appended(), "0x00001000 |" + full + "0x00001010 |10 11 \n");
    unsigned char high[] = {0xff, 0x80, 0x7f};
    DALCommon::logToFile(0xdeadbeeful, 3, high);
    QCOMPARE(appended(), QByteArray("0xdeadbeef |ff 80 7f \n"));

    unsigned long words[] = {0x11223344, 0x03020100, 0x07060504, 0x0b0a0908, 0xdeadbeef};
    DALCommon::logToFile(0ul, 1, words);
    QCOMPARE(appended(), QByteArray("0x00000000 |44 33 22 11 \n"));
    DALCommon::logToFile(0x10ul, 5, words);
    QCOMPARE(appended(), QByteArray("0x00000010 |44 33 22 11 00 01 02 03 04 05 06 07 08 09 0a 0b \n"
                                    "0x00000020 |ef be ad de \n"));

    // Nothing to dump still writes the address line.
    DALCommon::logToFile(0x40ul, 0, bytes);
    DALCommon::logToFile(0x50ul, -3, bytes);
    DALCommon::logToFile(0x60ul, 4, static_cast<unsigned char *>(nullptr));
    DALCommon::logToFile(0x70ul, -1, static_cast<unsigned long *>(nullptr));
    QCOMPARE(appended(), QByteArray("0x00000040 |\n0x00000050 |\n0x00000060 |\n0x00000070 |\n"));
}

void TestDALDebugLog::buildNumber_data()
{
    QTest::addColumn<QByteArray>("content"); // null: no file
    QTest::addColumn<QString>("expected");
    QTest::newRow("no file") << QByteArray() << "";
    QTest::newRow("plain") << QByteArray("build 1234\n") << "(build 1234)";
    QTest::newRow("release") << QByteArray("release build 1.2.3\n") << "(build1.2.3)";
    QTest::newRow("last line wins") << QByteArray("build 7\nbuild 8\n") << "(build 8)";
    QTest::newRow("CRLF") << QByteArray("build 6\r\n") << "(build 6)";
    QTest::newRow("case-sensitive") << QByteArray("Build 1\nBUILD 2\n") << "";
    QTest::newRow("release twice") << QByteArray("release build release 4 \n") << "(build4)";
}

void TestDALDebugLog::buildNumber()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, expected);
    QFile::remove(kVersion);
    if (!content.isNull())
        QVERIFY(writeFile(kVersion, content));
    QCOMPARE(DALCommon::getBuildNbr(), expected);
    QFile::remove(kVersion);
}

void TestDALDebugLog::encodeHtml_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("spaced brackets") << "a < b > c" << "a &lt; b &gt; c";
    QTest::newRow("no spaces") << "a<b" << "a<b";
    QTest::newRow("ordinary tag") << "<br>" << "<br>";
    QTest::newRow("one side only") << "a <b" << "a <b";
    QTest::newRow("closing tag with attributes") << "x</b class=y>z" << "x&lt;/b&gt;z";
    QTest::newRow("two closing tags") << "</a x></b y>" << "&lt;/a&gt;&lt;/b&gt;";
}

void TestDALDebugLog::encodeHtml()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    DALCommon::encodeHtmlCharEntities(text);
    QCOMPARE(text, expected);
}

void TestDALDebugLog::bitsAndDigits()
{
    const int in[] = {0x01, 0x0F, 0xA5, 0x12, 0x80};
    const int out[] = {0x80, 0xF0, 0xA5, 0x48, 0x01};
    for (int i = 0; i < 5; ++i)
        QCOMPARE(int(DALCommon::reverseBitOrder(static_cast<char>(in[i]))), out[i]);

    for (char c : QByteArray("0123456789abcdefABCDEF"))
        QVERIFY2(DALCommon::isHexDigit(QLatin1Char(c)), QByteArray(1, c).constData());
    for (char c : QByteArray("gG/:@`"))
        QVERIFY2(!DALCommon::isHexDigit(QLatin1Char(c)), QByteArray(1, c).constData());
    QVERIFY(!DALCommon::isHexDigit(QChar(0xFF21))); // fullwidth A
    QVERIFY(!DALCommon::isHexDigit(QChar(0x0661))); // Arabic-Indic digit one
}

QTEST_GUILESS_MAIN(TestDALDebugLog)
#include "tst_daldebuglog.moc"

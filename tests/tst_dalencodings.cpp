// The loader reads a file the same way whichever Qt the library is built
// with: encodings are detected and decoded by the library, and white space
// stays as written (as Qt 5's parser keeps it), so the same bytes give the
// same text.
#include "fixturetree.h"

#include "DALCommon.h"

#include <QDomDocument>
#include <QtTest>

#include <memory>

namespace {

QByteArray utf16(QString const &text, bool littleEndian, bool byteOrderMark)
{
    QByteArray out;
    if (byteOrderMark)
        out += littleEndian ? QByteArray("\xff\xfe") : QByteArray("\xfe\xff");
    for (const QChar c : text) {
        const char low = char(c.unicode() & 0xff);
        const char high = char(c.unicode() >> 8);
        out += littleEndian ? QByteArray{&low, 1} + QByteArray{&high, 1} : QByteArray{&high, 1} + QByteArray{&low, 1};
    }
    return out;
}

QByteArray utf32LittleEndian(QString const &text)
{
    QByteArray out;
    for (const uint c : text.toUcs4()) {
        for (int shift = 0; shift < 32; shift += 8)
            out += char((c >> shift) & 0xff);
    }
    return out;
}

// Text of the root element, its first child node's value and its "x"
// attribute, with the number of its child nodes.
QString describe(QDomDocument const &document)
{
    const QDomElement root = document.documentElement();
    return QStringLiteral("%1|%2|%3|%4")
        .arg(root.text(), root.firstChild().nodeValue(), root.attribute(QStringLiteral("x")))
        .arg(root.childNodes().count());
}

} // namespace

class TestDALEncodings : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetLibraryState(); }
    void sameTextUnderEveryQt_data();
    void sameTextUnderEveryQt();
};

void TestDALEncodings::sameTextUnderEveryQt_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected"); // empty: not well-formed (status 2)

    const QString e = QString(QChar(0xe9));
    const QString replacement = QString(QChar(0xfffd));
    QTest::newRow("UTF-8") << QByteArray("<r x=\"\xc3\xa9\">\xc3\xa9</r>") << e + "|" + e + "|" + e + "|1";
    QTest::newRow("UTF-8 with byte-order mark") << QByteArray("\xef\xbb\xbf<r>a</r>") << "a|a||1";
    QTest::newRow("UTF-16 LE with byte-order mark") << utf16("<r>" + e + "</r>", true, true) << e + "|" + e + "||1";
    QTest::newRow("UTF-16 BE without byte-order mark") << utf16("<r>" + e + "</r>", false, false) << e + "|" + e + "||1";
    QTest::newRow("UTF-32 LE without byte-order mark") << utf32LittleEndian("<r>" + e + "</r>") << e + "|" + e + "||1";
    QTest::newRow("ISO-8859-1 declared")
        << QByteArray("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><r>\xe9</r>") << e + "|" + e + "||1";
    QTest::newRow("windows-1252 declared")
        << QByteArray("<?xml version=\"1.0\" encoding=\"windows-1252\"?><r>\x80</r>")
        << QStringLiteral("\u20ac|\u20ac||1");
    QTest::newRow("bytes that are not UTF-8") << QByteArray("<r>a\xffz</r>") << "a" + replacement + "z|a" + replacement + "z||1";
    QTest::newRow("8-bit text without a declaration") << QByteArray("<r>\xe9</r>") << replacement + "|" + replacement + "||1";
    QTest::newRow("unknown encoding declared: UTF-8")
        << QByteArray("<?xml version=\"1.0\" encoding=\"no-such-encoding\"?><r>\xc3\xa9</r>") << e + "|" + e + "||1";
    QTest::newRow("UTF-16 declared, UTF-8 written")
        << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-16\"?><r>a</r>") << QString();
    QTest::newRow("CR LF in text") << QByteArray("<r>a\r\nb</r>") << "a\r\nb|a\r\nb||1";
    QTest::newRow("CR in text") << QByteArray("<r>a\rb</r>") << "a\rb|a\rb||1";
    QTest::newRow("CR LF around a value") << QByteArray("<r>\r\n  1\r\n</r>") << "\r\n  1\r\n|\r\n  1\r\n||1";
    QTest::newRow("CR LF between elements") << QByteArray("<?xml version=\"1.0\"?>\r\n<r>\r\n<a/>\r\n</r>\r\n")
                                            << "||" + QString() + "|1";
    QTest::newRow("tab and line ends in an attribute")
        << QByteArray("<r x=\"a\tb\nc\r\nd\"/>") << QStringLiteral("||a\tb\nc\r\nd|0");
    QTest::newRow("character references") << QByteArray("<r x=\"&#9;&lt;\">&#13;&amp;</r>") << "\r&|\r&|\t<|1";
}

void TestDALEncodings::sameTextUnderEveryQt()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    FixtureTree tree;
    QVERIFY(tree.write(QStringLiteral("file.xml"), bytes));
    QDomDocument *loaded = nullptr;
    const int status = DALCommon::openDomDocument(QStringLiteral("file.xml"), QStringLiteral("d"), &loaded, true);
    std::unique_ptr<QDomDocument> document(loaded);
    if (expected.isEmpty()) {
        QCOMPARE(status, 2);
        return;
    }
    QCOMPARE(status, 0);
    QCOMPARE(describe(*document), expected);
}

QTEST_GUILESS_MAIN(TestDALEncodings)
#include "tst_dalencodings.moc"

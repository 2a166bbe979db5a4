// The linter of dal-inspect check, piece by piece: positions in parsed files,
// what a value reads as, near misses of names, and the vocabulary itself.

#include "filelint.h"
#include "valuecheck.h"
#include "vocabulary.h"
#include "xmltree.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace Vocabulary;

namespace {

QByteArray utf16LittleEndian(QString const &text)
{
    QByteArray bytes;
    for (const QChar c : text) {
        bytes += char(c.unicode() & 0xff);
        bytes += char(c.unicode() >> 8);
    }
    return bytes;
}


bool writeFile(QString const &path, QByteArray const &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestDalLint : public QObject
{
    Q_OBJECT

private slots:
    void positions_data();
    void positions();
    void refused_data();
    void refused();
    void values_data();
    void values();
    void nearMisses_data();
    void nearMisses();
    void vocabularyIsConsistent();
    void examplesCheckClean();

private:
    QTemporaryDir m_dir;
};

// element: the name of the element (the first of that name); attribute:
// one of its attributes or empty; line and column of "<" or of the name.
void TestDalLint::positions_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("attribute");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("column");

    QTest::newRow("root") << QByteArray("<a/>") << "a"
                          << "" << 1 << 1;
    QTest::newRow("after declaration and comment")
        << QByteArray("<?xml version=\"1.0\"?>\n<!-- x -->\n<a>\n  <b/>\n</a>") << "b"
        << "" << 4 << 3;
    QTest::newRow("tab counts one column") << QByteArray("<a>\n\t<b/></a>") << "b"
                                           << "" << 2 << 2;
    QTest::newRow("second element on a line") << QByteArray("<a><b/><c/></a>") << "c"
                                              << "" << 1 << 8;
    QTest::newRow("attribute") << QByteArray("<a>\n<b x=\"1\" name=\"n\"/></a>") << "b"
                               << "name" << 2 << 10;
    QTest::newRow("attribute on the next line of its tag")
        << QByteArray("<a>\n<b\n   x='1'\n   y = \"2\"></b></a>") << "b"
        << "y" << 4 << 4;
    QTest::newRow("value holding > and the name of another attribute")
        << QByteArray("<a><b t=\"x>y name=\" name=\"n\"/></a>") << "b"
        << "name" << 1 << 21;
    QTest::newRow("characters, not bytes") << QByteArray("<a>\xc3\xbc\xc3\xbc<b/></a>") << "b"
                                           << "" << 1 << 6;
    QTest::newRow("after a byte-order mark") << QByteArray("\xef\xbb\xbf<a>\n <b/></a>") << "b"
                                             << "" << 2 << 2;
    QTest::newRow("UTF-16 with a byte-order mark")
        << utf16LittleEndian(QStringLiteral("\xfeff<a>\n  <b c=\"1\"/></a>")) << "b"
        << "c" << 2 << 6;
    QTest::newRow("declared Latin-1") << QByteArray(
        "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<a>\xfc\xfc<b/></a>")
                                      << "b"
                                      << "" << 2 << 6;
}

void TestDalLint::positions()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, element);
    QFETCH(QString, attribute);
    QFETCH(int, line);
    QFETCH(int, column);

    const QString path = m_dir.filePath(QStringLiteral("positions.xml"));
    QVERIFY(writeFile(path, bytes));
    XmlTree tree;
    QVERIFY2(tree.load(path), qPrintable(tree.error()));
    const int index = tree.all(element).value(0, -1);
    QVERIFY(index >= 0);
    if (attribute.isEmpty()) {
        QCOMPARE(tree.at(index).line, line);
        QCOMPARE(tree.at(index).column, column);
    } else {
        QVERIFY(tree.attribute(index, attribute));
        QCOMPARE(tree.attribute(index, attribute)->line, line);
        QCOMPARE(tree.attribute(index, attribute)->column, column);
    }
}

void TestDalLint::refused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("line");

    QTest::newRow("tags do not match") << QByteArray("<a>\n<b>\n</a>") << 3;
    QTest::newRow("entity declaration") << QByteArray("<!DOCTYPE a [<!ENTITY e \"x\">]>\n<a>&e;</a>") << 0;
    QTest::newRow("no element") << QByteArray("<!-- nothing -->") << 1;
}

void TestDalLint::refused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, line);

    const QString path = m_dir.filePath(QStringLiteral("refused.xml"));
    QVERIFY(writeFile(path, bytes));
    XmlTree tree;
    QVERIFY(!tree.load(path));
    QVERIFY(!tree.error().isEmpty());
    QCOMPARE(tree.errorLine(), line);
    QCOMPARE(tree.size(), 0);
}

void TestDalLint::values_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("flags");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("problem");

    const int reported = ReaderValue;
    QTest::newRow("integer") << int(Type::Integer) << 0 << " 12 "
                             << "";
    QTest::newRow("integer, words") << int(Type::Integer) << 0 << "three"
                                    << "holds \"three\", not a decimal integer: it reads as 0";
    QTest::newRow("integer, the reader reports it") << int(Type::Integer) << reported << "three"
                                                    << "";
    QTest::newRow("16 bits, largest") << int(Type::Unsigned16) << 0 << "65535"
                                      << "";
    QTest::newRow("16 bits, one above") << int(Type::Unsigned16) << reported << "65536"
                                        << "holds 65536, outside 0 to 65535: it reads as 0";
    QTest::newRow("16 bits, negative the reader reports") << int(Type::Unsigned16) << reported << "-1"
                                                          << "";
    QTest::newRow("8 bits, 300") << int(Type::Unsigned8) << reported << "300"
                                 << "holds 300, outside 0 to 255: it reads as 44";
    QTest::newRow("8 bits, beyond 16 bits the reader reports") << int(Type::Unsigned8) << reported << "70000"
                                                               << "";
    QTest::newRow("hex 16, 0x prefix") << int(Type::Hex16) << reported << "0xFFFF"
                                       << "";
    QTest::newRow("hex 16, five digits") << int(Type::Hex16) << reported << "12345"
                                         << "holds 12345, above 0xFFFF: it reads as 0x2345";
    QTest::newRow("hex 32, not hexadecimal") << int(Type::Hex32) << 0 << "0xZZ"
                                             << "holds \"0xZZ\", not a hexadecimal number: it reads as 0";
    QTest::newRow("index range") << int(Type::IndexRange) << reported << "4..4"
                                 << "";
    QTest::newRow("index range wraps") << int(Type::IndexRange) << reported << "256..257"
                                       << "holds 256..257, outside 0 to 255: it reads as 0..1";
    QTest::newRow("index range invalid, the reader reports it") << int(Type::IndexRange) << reported << "3"
                                                                << "";
    QTest::newRow("bytes") << int(Type::ByteList) << reported << "1, 2 ,3"
                           << "";
    QTest::newRow("bytes, 300") << int(Type::ByteList) << reported << "1,300"
                                << "holds 300, outside 0 to 255: it is stored as 44";
    QTest::newRow("number") << int(Type::Number) << 0 << "779.0"
                            << "";
    QTest::newRow("number, word") << int(Type::Number) << 0 << "low"
                                  << "holds \"low\", not a number";
    QTest::newRow("name, empty") << int(Type::Name) << int(Required) << "  "
                                 << "is empty";
    QTest::newRow("names, empty one") << int(Type::NameList) << 0 << "a,,b"
                                      << "holds \"a,,b\", which lists an empty name";
    QTest::newRow("names, blank") << int(Type::NameList) << 0 << "a, b"
                                  << "holds \"a, b\": the name \" b\" keeps its blanks";
    QTest::newRow("yes") << int(Type::YesNo) << 0 << "Yes"
                         << "";
    QTest::newRow("false reads as yes") << int(Type::YesNo) << 0 << "false"
                                        << "holds \"false\", which reads as yes; write yes or no";
    QTest::newRow("unknown reads as no") << int(Type::YesNo) << 0 << "unknown"
                                         << "holds \"unknown\", which reads as no; write yes or no";
    QTest::newRow("tfOverride none reads as yes") << int(Type::NoFlag) << 0 << "none"
                                                  << "holds \"none\", which reads as yes; write yes or no";
    QTest::newRow("packet flag y reads as no") << int(Type::TrueFlag) << 0 << "y"
                                               << "holds \"y\", which reads as no; write yes or no";
    QTest::newRow("access RW") << int(Type::Access) << 0 << "RW"
                               << "";
    QTest::newRow("access rw") << int(Type::Access) << 0 << "rw"
                               << "holds \"rw\", which reads as read-only: only an upper-case W makes it writable";
}

void TestDalLint::values()
{
    QFETCH(int, type);
    QFETCH(int, flags);
    QFETCH(QString, text);
    QFETCH(QString, problem);
    QCOMPARE(valueProblem(Type(type), flags, text, QStringList()), problem);
}

void TestDalLint::nearMisses_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QStringList>("candidates");
    QTest::addColumn<QString>("expected");

    const QStringList children{"Name", "Description", "Setting"};
    QTest::newRow("doubled letter") << "Settting" << children << "Setting";
    QTest::newRow("swapped letters") << "Feild" << QStringList{"Field", "Command"} << "Field";
    QTest::newRow("missing letter") << "Comand" << QStringList{"Command", "Field"} << "Command";
    QTest::newRow("letter case") << "setting" << children << "Setting";
    QTest::newRow("file key") << "frontend_setting.xml" << QStringList{"categories.xml", "frontend_settings.xml"}
                              << "frontend_settings.xml";
    QTest::newRow("too far") << "Frequency" << children << "";
    QTest::newRow("short names need one edit or less") << "Mx" << QStringList{"Min"} << "";
    QTest::newRow("the closest wins") << "Rows" << QStringList{"Rfe", "Row"} << "Row";
}

void TestDalLint::nearMisses()
{
    QFETCH(QString, word);
    QFETCH(QStringList, candidates);
    QFETCH(QString, expected);
    QCOMPARE(nearMiss(word, candidates), expected);
}

// Every parent an element names stands in its kind, and so does every
// element whose names must differ.
void TestDalLint::vocabularyIsConsistent()
{
    QStringList ids;
    for (const FileKind &kind : fileKinds()) {
        QVERIFY2(!ids.contains(kind.id), qPrintable(kind.id));
        ids << kind.id;
        QVERIFY2(kind.root().parents.isEmpty(), qPrintable(kind.id));
        for (const Element &element : kind.elements) {
            for (const QString &parent : element.parents)
                QVERIFY2(!kind.named(parent).isEmpty(), qPrintable(kind.id + ": " + element.name + " in " + parent));
            QVERIFY2(!element.about.isEmpty(), qPrintable(kind.id + ": " + element.name));
            QVERIFY2((element.type == Type::Keyword || element.type == Type::Choice) == !element.keywords.isEmpty(),
                     qPrintable(kind.id + ": " + element.name));
        }
        for (const Unique &unique : kind.unique)
            QVERIFY2(!kind.named(unique.element).isEmpty(), qPrintable(kind.id + ": " + unique.element));
    }
    QCOMPARE(configKeys().removeDuplicates(), 0);
}

void TestDalLint::examplesCheckClean()
{
    for (const FileKind &kind : fileKinds()) {
        const QString path = m_dir.filePath(kind.id + QStringLiteral(".xml"));
        QVERIFY(writeFile(path, kind.example.toUtf8()));
        XmlTree tree;
        QVERIFY2(tree.load(path), qPrintable(kind.id + ": " + tree.error()));
        QList<Finding> findings;
        FindingSink sink(&findings);
        lintFile(kind, tree, sink);
        for (const Finding &finding : qAsConst(findings))
            qWarning("%s:%d: %s", qPrintable(kind.id), finding.line, qPrintable(finding.message));
        QVERIFY2(findings.isEmpty(), qPrintable(kind.id));
    }
}

QTEST_GUILESS_MAIN(TestDalLint)
#include "tst_dallint.moc"

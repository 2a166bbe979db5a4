// The compact tree that plain documents are read into must answer exactly as
// the DOM of the same document: same elements, attributes, texts, positions
// and, for documents the stream reader declines, the same parser verdict.
#include "elementtree_p.h"
#include "xmlparser_p.h"
#include "xmlwhitespace_p.h"

#include <QDomDocument>
#include <QtTest>

#include <memory>

namespace {

struct Loaded
{
    bool ok = false;
    QString message;
    int line = 0;
    int column = 0;
};

// Where the start tag of an element begins, found from where the parser
// placed it as the library finds it.
QPair<int, int> tagStart(QString const &text, DALTreeElement const &element)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    if (element.lineNumber() > lines.size())
        return {element.lineNumber(), element.columnNumber()}; // lines the parser counts otherwise
    int offset = 0;
    for (int i = 0; i < element.lineNumber() - 1; ++i)
        offset += lines.at(i).size() + 1;
    const int at = text.lastIndexOf(QLatin1Char('<'), offset + element.columnNumber() - 1);
    const int lineStart = text.lastIndexOf(QLatin1Char('\n'), at) + 1;
    return {text.left(at).count(QLatin1Char('\n')) + 1, at - lineStart + 1};
}

QList<QPair<int, int>> positions(QString const &text, DALElementTree const &tree)
{
    QList<QPair<int, int>> all;
    for (const DALTreeElement &element : tree.document().elementsByTagName(QStringLiteral("*")))
        all.append(tagStart(text, element));
    return all;
}

} // namespace

class TestDalElementTree : public QObject
{
    Q_OBJECT

private slots:
    void answersAsTheDom_data();
    void answersAsTheDom();
    void lookups();
};

void TestDalElementTree::answersAsTheDom_data()
{
    QTest::addColumn<QString>("xml");
    QTest::addColumn<bool>("streamed");

    QTest::newRow("attributes and text") << "<a x=\"1\" y='2'><b>t</b><c/>tail</a>" << true;
    QTest::newRow("white space only text") << "<a>\n  <b>  </b>\n\t<c> x </c>\n</a>\n" << true;
    QTest::newRow("text around a comment") << "<a>x<!-- c -->y</a>" << true;
    QTest::newRow("text of nested elements") << "<a>1<b>2<c>3</c></b>4</a>" << true;
    QTest::newRow("declaration and instruction") << "<?xml version=\"1.0\"?>\n<?pi data?>\n<!-- c -->\n<a/>\n" << true;
    QTest::newRow("several tags on a line") << "<a><b/><c x=\"1\"/><d y=\"2\">t</d><e/></a>" << true;
    QTest::newRow("line break inside a tag") << "<a><d\n  y=\"2\">t</d></a>" << false;
    QTest::newRow("CR LF between elements") << "<a>\r\n  <b>t</b>\r\n</a>\r\n" << true;
    QTest::newRow("not ASCII") << QString::fromUtf8("<a u=\"\xc3\xb6\">\xc3\xa4\xe2\x82\xac\xef\xbf\xbd</a>") << true;
    QTest::newRow("name not in ASCII") << QString::fromUtf8("<a \xc3\xbc=\"1\"/>") << false;
    QTest::newRow("name that Qt 5 refuses") << QString::fromUtf8("<a\xef\xbf\xbd/>") << false;
    QTest::newRow("attribute name that Qt 5 refuses") << "<a n}e=\"1\"/>" << false;
    QTest::newRow("instruction name that Qt 5 refuses") << QString::fromUtf8("<?\xc3\xb5m?><a/>") << false;
    QTest::newRow("names with punctuation") << "<a_1 b-c.d=\"1\" e:f=\"2\"><_x/></a_1>" << true;
    QTest::newRow("empty elements") << "<a><b></b><b/></a>" << true;
    QTest::newRow("entity reference") << "<a>x &amp; y</a>" << false;
    QTest::newRow("character reference") << "<a x=\"&#60;\">&#32;</a>" << false;
    QTest::newRow("CDATA") << "<a><![CDATA[ <x> ]]></a>" << false;
    QTest::newRow("document type") << "<!DOCTYPE a [<!ELEMENT a ANY>]><a/>" << false;
    QTest::newRow("namespaces") << "<a xmlns:p=\"u\"><p:b p:x=\"1\">t</p:b></a>" << true;
    QTest::newRow("CR alone between elements") << "<a>\r\r  <b/>\r<c/></a>" << false;
    QTest::newRow("CR LF after text ending in >") << "<a><b>x</b>y>\r\n<c/></a>" << false;
    QTest::newRow("line break in text") << "<a>l1\nl2</a>" << false;
    QTest::newRow("CR LF in text") << "<a>l1\r\nl2</a>" << false;
    QTest::newRow("tab in an attribute") << "<a x=\"1\t2\"/>" << false;
    QTest::newRow("line break in an attribute") << "<a x=\"1\n2\"/>" << false;
    QTest::newRow("duplicate attribute") << "<a x=\"1\" x=\"2\"/>" << false;
    QTest::newRow("tag mismatch") << "<a><b></a>" << false;
    QTest::newRow("unclosed") << "<a><b>" << false;
    QTest::newRow("two roots") << "<a/><b/>" << false;
    QTest::newRow("text before the root") << "x<a/>" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("declaration not first") << " <?xml version=\"1.0\"?><a/>" << false;
    QTest::newRow("undeclared entity") << "<a>&nope;</a>" << false;
}

void TestDalElementTree::answersAsTheDom()
{
    QFETCH(QString, xml);
    QFETCH(bool, streamed);

    Loaded viaDom;
    qint64 nodes = 0;
    const std::unique_ptr<QDomDocument> document(DALXmlParser::parse(xml.toUtf8(), QStringLiteral("T"),
                                                                     &viaDom.message, &viaDom.line,
                                                                     &viaDom.column, &nodes));
    viaDom.ok = bool(document);

    Loaded viaTree;
    DALElementTree tree;
    viaTree.ok = DALXmlParser::parse(xml.toUtf8(), &tree, &viaTree.message, &viaTree.line, &viaTree.column, &nodes);

    QCOMPARE(viaTree.ok, viaDom.ok);
    QCOMPARE(viaTree.message, viaDom.message);
    QCOMPARE(viaTree.line, viaDom.line);
    QCOMPARE(viaTree.column, viaDom.column);
    if (!viaDom.ok) {
        QVERIFY(!streamed);
        return;
    }
    DALElementTree plain;
    QCOMPARE(DALXmlWhitespace::readsAsWritten(xml) && plain.readPlain(xml), streamed);
    DALElementTree fromDom;
    fromDom.fromDocument(*document);
    QCOMPARE(tree.describe(), fromDom.describe());
    QCOMPARE(tree.nodes() > 0, true);
    QCOMPARE(positions(xml, tree), positions(xml, fromDom));
}

void TestDalElementTree::lookups()
{
    DALElementTree tree;
    QVERIFY(tree.readPlain(QStringLiteral("<r><a n=\"1\"/><b/><a n=\"2\"><a n=\"3\"/></a>t</r>")));
    const DALTreeElement root = tree.document().firstChildElement();
    QCOMPARE(root.tagName(), QStringLiteral("r"));
    QCOMPARE(root.firstChildElement(QStringLiteral("a")).attribute(QStringLiteral("n")), QStringLiteral("1"));
    QCOMPARE(root.firstChildElement(QStringLiteral("a")).nextSiblingElement(QStringLiteral("a")).attribute(
                 QStringLiteral("n")),
             QStringLiteral("2"));
    QCOMPARE(root.firstChildElement(QStringLiteral("a")).nextSiblingElement().tagName(), QStringLiteral("b"));
    QVERIFY(root.firstChildElement(QStringLiteral("z")).isNull());
    QVERIFY(root.nextSiblingElement().isNull());
    QCOMPARE(root.elementsByTagName(QStringLiteral("a")).size(), 3);
    QCOMPARE(root.elementsByTagName(QStringLiteral("a")).at(2).attribute(QStringLiteral("n")), QStringLiteral("3"));
    QCOMPARE(root.elementsByTagName(QStringLiteral("z")).size(), 0);
    QCOMPARE(root.attribute(QStringLiteral("n"), QStringLiteral("none")), QStringLiteral("none"));
    QVERIFY(!root.hasAttribute(QStringLiteral("n")));
    QCOMPARE(root.text(), QStringLiteral("t"));
    QCOMPARE(root.countBelow(), 5);
    QVERIFY(DALTreeElement().firstChildElement().isNull());
    QCOMPARE(DALTreeElement().text(), QString());
}

QTEST_GUILESS_MAIN(TestDalElementTree)
#include "tst_dalelementtree.moc"

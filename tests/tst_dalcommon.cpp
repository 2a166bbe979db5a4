#include "fixturetree.h"

#include "DALCommon.h"

#include <QDir>
#include <QDomDocument>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

class TestDALCommon : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetLibraryState(); }
    void cleanupTestCase() { DALCommon::setConfigRoot("./../config/xml/"); resetLibraryState(); }

    void errorMessages_data();
    void errorMessages();
    void setError_data();
    void setError();
    void latestErrorAndClearing();

    void configRootKeepsTextAndCase();
    void missingConfigRootEmptiesRoot();
    void constructorSetsRoot();

    void openFallsBackToGivenSpelling();
    void repeatedOpenFailureRecordsOnce();
    void openWithMissingRootDirectory();
    void relativeRootAboveWorkingDirectory();
    void parseFailureFraming();
    void loaderLimits_data();
    void loaderLimits();

    void textFromTagName_data();
    void textFromTagName();
    void textFromTagNameOfElementExcludesItself();
};

void TestDALCommon::errorMessages_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::newRow("1") << 1 << "File open failed";
    QTest::newRow("2") << 2 << "XML DOM parse failed";
    QTest::newRow("3") << 3 << "Device access failed";
    QTest::newRow("4") << 4 << "Invalid settings name";
    QTest::newRow("5") << 5 << "Configuration parameter error";
    QTest::newRow("6") << 6 << "Unknown RF device";
    QTest::newRow("7") << 7 << "Read only register";
    QTest::newRow("8") << 8 << "Write register failed";
    QTest::newRow("0") << 0 << "Unknown error: 0";
    QTest::newRow("9") << 9 << "Unknown error: 9";
    QTest::newRow("negative") << -3 << "Unknown error: -3";
    QTest::newRow("large") << 1000 << "Unknown error: 1000";
}

void TestDALCommon::errorMessages()
{
    QFETCH(int, code);
    QFETCH(QString, message);
    QCOMPARE(DALCommon::getErrorMessage(code), message);
}

void TestDALCommon::setError_data()
{
    QTest::addColumn<bool>("withCode");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("detail");
    QTest::addColumn<QStringList>("recorded");
    QTest::addColumn<int>("status");
    QTest::newRow("code, empty detail") << true << 3 << "" << QStringList{"Device access failed"} << -1;
    QTest::newRow("code and detail") << true << 3 << "x" << QStringList{"Device access failed: x"} << -1;
    QTest::newRow("unknown code") << true << 12 << "y" << QStringList{"Unknown error: 12: y"} << -1;
    QTest::newRow("code 0") << true << 0 << "x" << QStringList() << 0;
    QTest::newRow("message") << false << 0 << "x" << QStringList{"x"} << 0;
    QTest::newRow("empty message") << false << 0 << "" << QStringList() << 0;
}

void TestDALCommon::setError()
{
    QFETCH(bool, withCode);
    QFETCH(int, code);
    QFETCH(QString, detail);
    QFETCH(QStringList, recorded);
    QFETCH(int, status);

    DALCommon::setError(7, "earlier"); // status -1 before the call under test
    if (withCode)
        DALCommon::setError(code, detail);
    else
        DALCommon::setError(detail);
    QCOMPARE(DALCommon::getErrorList(), QStringList{"Read only register: earlier"} + recorded);
    QCOMPARE(DALCommon::getStatus(), status);
}

void TestDALCommon::latestErrorAndClearing()
{
    QCOMPARE(DALCommon::getLatestError(), QString());
    DALCommon::setError("first");
    DALCommon::setError("second");
    QCOMPARE(DALCommon::getLatestError(), QString("second"));
    DALCommon::setError(1, "x");
    DALCommon::clearErrorList();
    QCOMPARE(DALCommon::getStatus(), 0);
    QVERIFY(DALCommon::getErrorList().isEmpty());
}

void TestDALCommon::configRootKeepsTextAndCase()
{
    QTemporaryDir dir; // its name has capitals
    QVERIFY(dir.isValid());
    const QString root = dir.path() + "/Config/";
    QVERIFY(QDir().mkpath(root + "sub"));
    QFile file(root + "sub/file.xml");
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<a/>");
    file.close();

    QCOMPARE(DALCommon::setConfigRoot(root), 0);
    QCOMPARE(DALCommon::getConfigRoot(), root);
    QCOMPARE(DALCommon::getStatus(), 0);

    QDomDocument *doc = nullptr;
    QCOMPARE(DALCommon::openDomDocument("Sub/File.XML", "name", &doc, true), 0);
    QVERIFY(doc);
    QCOMPARE(doc->documentElement().tagName(), QString("a"));
    delete doc;
    QVERIFY(DALCommon::getErrorList().isEmpty());
}

void TestDALCommon::missingConfigRootEmptiesRoot()
{
    const QString missing = "no/such/config/dir/";
    QCOMPARE(DALCommon::setConfigRoot(missing), 1);
    QCOMPARE(DALCommon::getStatus(), 1);
    QCOMPARE(DALCommon::getConfigRoot(), QString());
    QCOMPARE(DALCommon::getErrorList(),
             QStringList{"Directory does not exist: " + QDir(missing).absolutePath()});
}

void TestDALCommon::constructorSetsRoot()
{
    FixtureTree tree;
    const QByteArray root = tree.root().toUtf8();
    DALCommon common(root.constData());
    QCOMPARE(DALCommon::getConfigRoot(), tree.root());
    DALCommon other("missing-root-for-constructor");
    QCOMPARE(DALCommon::getStatus(), 1);
    QCOMPARE(DALCommon::getConfigRoot(), QString());
    other = common; // does nothing
    QCOMPARE(DALCommon::getConfigRoot(), QString());
}

void TestDALCommon::openFallsBackToGivenSpelling()
{
    FixtureTree tree;
    QVERIFY(tree.write("Mixed/Only.xml", "<Given/>"));
    QVERIFY(tree.write("both.xml", "<Lower/>"));
    QVERIFY(tree.write("Both.xml", "<Given/>"));
    QVERIFY(tree.write("dir/data.xml", "<Lower/>"));
    QDomDocument *doc = nullptr;
    // The name is lower-cased below the root, the root is not.
    QCOMPARE(DALCommon::openDomDocument("DIR/Data.Xml", "d", &doc, true), 0);
    QCOMPARE(doc->documentElement().tagName(), QString("Lower"));
    delete doc;
    QCOMPARE(DALCommon::openDomDocument("Mixed/Only.xml", "d", &doc, true), 0);
    QCOMPARE(doc->documentElement().tagName(), QString("Given"));
    delete doc;
    // The lower-cased name comes first whenever it exists.
    QCOMPARE(DALCommon::openDomDocument(tree.path("Both.xml"), "d", &doc, false), 0);
    QCOMPARE(doc->documentElement().tagName(), QString("Lower"));
    delete doc;
    // A failure names the lower-cased path.
    QCOMPARE(DALCommon::openDomDocument("Mixed/None.xml", "d", &doc, true), 1);
    QCOMPARE(DALCommon::getErrorList(),
             QStringList{"File open failed: " + tree.path("mixed/none.xml")});
    // So does a parse failure of a file found under another spelling.
    QVERIFY(tree.write("Bad.xml", "<a>"));
    QCOMPARE(DALCommon::openDomDocument("Bad.xml", "d", &doc, true), 2);
    QVERIFY(DALCommon::getLatestError().startsWith("XML DOM parse failed: " + tree.path("bad.xml") + ", line "));
    // A name not below the root ignores it.
    DALCommon::setConfigRoot(tree.root() + "dir/"); // would double "dir" if used
    QCOMPARE(DALCommon::openDomDocument(tree.path("DIR/Data.Xml"), "d", &doc, false), 0);
    delete doc;
}

void TestDALCommon::repeatedOpenFailureRecordsOnce()
{
    FixtureTree tree;
    QDomDocument *doc = reinterpret_cast<QDomDocument *>(0x1); // must be reset to null
    QCOMPARE(DALCommon::openDomDocument("missing1.xml", "d", &doc, true), 1);
    QCOMPARE(doc, static_cast<QDomDocument *>(nullptr));
    QCOMPARE(DALCommon::getStatus(), -1);
    QCOMPARE(DALCommon::getErrorList(),
             QStringList{"File open failed: " + QFileInfo(tree.path("missing1.xml")).absoluteFilePath()});

    QCOMPARE(DALCommon::openDomDocument("missing2.xml", "d", &doc, true), 1);
    QCOMPARE(DALCommon::getStatus(), 1);
    QCOMPARE(DALCommon::getErrorList().size(), 1);
    // A successful open resets the status, not the list.
    QVERIFY(tree.write("good.xml", "<Root/>"));
    QCOMPARE(DALCommon::openDomDocument("good.xml", "d", &doc, true), 0);
    delete doc;
    QCOMPARE(DALCommon::getStatus(), 0);
    QCOMPARE(DALCommon::getErrorList().size(), 1);
}

void TestDALCommon::openWithMissingRootDirectory()
{
    FixtureTree tree;
    QVERIFY(tree.mkdir("gone"));
    const QString root = tree.path("gone/");
    QCOMPARE(DALCommon::setConfigRoot(root), 0);
    QDir(root).removeRecursively();

    QDomDocument *doc = nullptr;
    // The root is tested also when the file is not looked for below it.
    QCOMPARE(DALCommon::openDomDocument(tree.path("x.xml"), "d", &doc, false), 1);
    QCOMPARE(DALCommon::getErrorList(),
             QStringList{"File open failed: Directory does not exist: " + QDir(root).absolutePath()});
    QCOMPARE(DALCommon::getStatus(), -1);
}

// A relative root is taken from the working directory, ".." included, and
// its files are found under another letter case too.
void TestDALCommon::relativeRootAboveWorkingDirectory()
{
    FixtureTree tree;
    QVERIFY(tree.write("cfg/Sub/File.xml", "<a/>"));
    QVERIFY(tree.mkdir("work"));
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(tree.path("work")));
    QCOMPARE(DALCommon::setConfigRoot("../cfg/"), 0);
    QDomDocument *doc = nullptr;
    const int status = DALCommon::openDomDocument("SUB/file.xml", "d", &doc, true);
    QVERIFY(QDir::setCurrent(previous));
    QCOMPARE(status, 0);
    QVERIFY(doc);
    delete doc;
    QVERIFY(DALCommon::getErrorList().isEmpty());
}

void TestDALCommon::parseFailureFraming()
{
    FixtureTree tree;
    QVERIFY(tree.write("bad.xml", "<Root>\n<a>\n</Root>\n"));
    QDomDocument *doc = reinterpret_cast<QDomDocument *>(0x1);
    QCOMPARE(DALCommon::openDomDocument("bad.xml", "d", &doc, true), 2);
    QCOMPARE(doc, static_cast<QDomDocument *>(nullptr));
    QCOMPARE(DALCommon::getStatus(), -1);
    QCOMPARE(DALCommon::getErrorList().size(), 1);

    QDomDocument probe;
    QString parserMessage;
    int line = 0;
    QVERIFY(!probe.setContent(QByteArray("<Root>\n<a>\n</Root>\n"), false, &parserMessage, &line));
    const QString expected = "XML DOM parse failed: " + QFileInfo(tree.path("bad.xml")).absoluteFilePath()
                             + ", line " + QString::number(line) + ": \n" + parserMessage;
    QCOMPARE(DALCommon::getLatestError(), expected);
}

void TestDALCommon::loaderLimits_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("reason"); // the part after the framing
    const QByteArray deepest = QByteArray("<a>").repeated(1000) + QByteArray("</a>").repeated(1000);
    QTest::newRow("1000 levels") << deepest << 0 << "";
    QTest::newRow("1001 levels") << "<r>\n" + deepest + "</r>" << 2
                                 << "line 2: \nElements are nested deeper than 1000 levels.";
    QTest::newRow("empty elements do not nest")
        << "<r>" + QByteArray("<a/><b x='/>'/>").repeated(3000) + "</r>" << 0 << "";
    QTest::newRow("markup in comments and CDATA is skipped")
        << "<r><!--" + QByteArray("<a>").repeated(2000) + "--><![CDATA[" + QByteArray("<b>").repeated(2000)
               + "]]></r>" << 0 << "";
    QByteArray large(16 * 1024 * 1024 + 1, ' ');
    large.replace(0, 3, "<r>");
    QTest::newRow("larger than 16 MiB") << large << 2 << "line 0: \nThe file is larger than 16777216 bytes.";
}

void TestDALCommon::loaderLimits()
{
    QFETCH(QByteArray, content);
    QFETCH(int, result);
    QFETCH(QString, reason);
    FixtureTree tree;
    QVERIFY(tree.write("limits.xml", content));
    QDomDocument *doc = nullptr;
    QCOMPARE(DALCommon::openDomDocument("limits.xml", "d", &doc, true), result);
    QCOMPARE(doc != nullptr, result == 0);
    delete doc;
    if (result != 0) {
        QCOMPARE(DALCommon::getLatestError(), "XML DOM parse failed: " + tree.path("limits.xml") + ", " + reason);
    }
}

void TestDALCommon::textFromTagName_data()
{
    QTest::addColumn<QString>("xml");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("text");
    QTest::newRow("missing") << "<r><a>1</a></r>" << "b" << "";
    QTest::newRow("first in document order") << "<r><x><b>deep</b></x><b>flat</b></r>" << "b" << "deep";
    QTest::newRow("whole text") << "<r><b>a<i>b</i>c</b></r>" << "b" << "abc";
    QTest::newRow("case-sensitive") << "<r><B>upper</B><b>lower</b></r>" << "b" << "lower";
}

void TestDALCommon::textFromTagName()
{
    QFETCH(QString, xml);
    QFETCH(QString, tag);
    QFETCH(QString, text);
    QDomDocument doc;
    QVERIFY(doc.setContent(xml));
    QCOMPARE(DALCommon::getTextFromTagName(tag, &doc), text);
}

void TestDALCommon::textFromTagNameOfElementExcludesItself()
{
    QDomDocument doc;
    QVERIFY(doc.setContent(QString("<r><b>outer<b>inner</b></b><b>next</b></r>")));
    QDomElement outer = doc.documentElement().firstChildElement("b");
    QCOMPARE(DALCommon::getTextFromTagName("b", &outer), QString("inner"));
    QDomElement next = outer.nextSiblingElement("b");
    QCOMPARE(DALCommon::getTextFromTagName("b", &next), QString());
}

QTEST_GUILESS_MAIN(TestDALCommon)
#include "tst_dalcommon.moc"

// Every message of the error list has a diagnostic with its code, its text
// and where it comes from: the file, and the line and column of the element
// or attribute at fault.
#include "fixturetree.h"

#include "DALCommon.h"
#include "DALDiagnostics.h"
#include "DALPaSettingsDef.h"
#include "DALParamDef.h"
#include "DALRfCmdSettings.h"
#include "DALTargetDef.h"

#include <QDomDocument>
#include <QtTest>

namespace {

using Run = void (*)(FixtureTree const &);

QString device()
{
    return QStringLiteral("VO4725");
}

void readSettings(FixtureTree const &)
{
    QString d = device();
    DALRfCmdSettings settings(d);
}

// A setting file beside the categories.xml of the row: several tags on the
// line at fault, as a setting file read without a DOM places them.
void readSettingFile(FixtureTree const &tree)
{
    QFile file(tree.path(QStringLiteral("vo4725/settings/s.xml")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<RfCommandSettings>\n <setting><Command name=\"c\"><Field>1</Field></Command></setting>\n"
               "</RfCommandSettings>\n");
    file.close();
    readSettings(tree);
}

void readPa(FixtureTree const &)
{
    QString d = device();
    DALRfCmdSettings settings(d);
    DALCommon::clearErrorList();
    DALPaSettingsDef pa(QString(), d, &settings, true);
    pa.getPaSettingTable(QStringLiteral("none.xml"), QString(), 0);
}

void readParameters(FixtureTree const &)
{
    QString d = device();
    DALParamDef def(d);
}

void readTarget(FixtureTree const &tree)
{
    QDomDocument targets = parseXml("<Targets><Target>board.xml</Target></Targets>");
    QDomDocument board;
    QFile file(tree.path(QStringLiteral("board.xml")));
    QVERIFY(file.open(QIODevice::ReadOnly) && board.setContent(&file));
    QString first;
    QString second;
    DALTargetDef def(first, second, &targets, QString());
    def.readTargetFile(&board, QStringLiteral("board.xml:"));
}

struct Expected
{
    int code;
    QString text; // %1: the file's absolute path; ending in a line feed, the parser's text follows
    QString file; // tree-relative; empty for none; "@name" for a host's document
    int line;
    int column;   // -1: the parser's, not checked
};

} // namespace

Q_DECLARE_METATYPE(Run)
Q_DECLARE_METATYPE(Expected)

class TestDALDiagnostics : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetLibraryState(); }
    void messagesAreLocated_data();
    void messagesAreLocated();
    void followTheErrorList();
};

void TestDALDiagnostics::messagesAreLocated_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<Run>("run");
    QTest::addColumn<QList<Expected>>("expected");

    const QString settings = QStringLiteral("vo4725/settings/categories.xml");
    const QString pa = QStringLiteral("vo4725/pa/pasettings.xml");
    const QString params = QStringLiteral("vo4725/param_definition.xml");
    QTest::newRow("file that cannot be opened")
        << QStringLiteral("elsewhere.xml") << QByteArray() << Run(readSettings)
        << QList<Expected>{{1, "File open failed: %1", settings, 0, 0}};
    QTest::newRow("parse failure: the parser's position")
        << settings << QByteArray("<R>\n  <a></b>\n</R>") << Run(readSettings)
        << QList<Expected>{{2, "XML DOM parse failed: %1, line 2: \n", settings, 2, -1}};
    QTest::newRow("refused by the loader: the declaration's position")
        << settings << QByteArray("<?xml version=\"1.0\"?>\n<!DOCTYPE r [\n  <!ENTITY e \"x\">]><r/>") << Run(readSettings)
        << QList<Expected>{{2,
                            "XML DOM parse failed: %1, line 3: \nEntity declarations are not allowed in configuration files.",
                            settings, 3, 3}};
    QTest::newRow("missing element: the file only")
        << settings << QByteArray("<R>\n</R>") << Run(readSettings)
        << QList<Expected>{{1, "File open failed: Default category and setting missing in categories.xml", settings, 0, 0}};
    QTest::newRow("element of a setting file: its start tag")
        << settings << QByteArray("<R><Default/><Category><Name>c</Name><Setting>s.xml</Setting></Category></R>")
        << Run(readSettingFile)
        << QList<Expected>{{1, "File open failed: Missing \"name\" attribute for element Field in s.xml",
                            "vo4725/settings/s.xml", 2, 29}};
    QTest::newRow("value of a child element: its start tag")
        << pa
        << QByteArray("<pasettings>\n <RfDesign name=\"d\">\n  <FrequencyRange>\n   <Min>1</Min>\n   <Max>x</Max>\n"
                      "  </FrequencyRange>\n </RfDesign>\n <DefaultPaTable/>\n</pasettings>")
        << Run(readPa)
        << QList<Expected>{{1, "File open failed: Invalid Max frequency: x", pa, 5, 4},
                           {5, "Configuration parameter error: File does not exists, filename: none.xml", QString(), 0, 0}};
    QTest::newRow("element whose start tag spans lines: its first line")
        << pa
        << QByteArray("<pasettings>\n <DefaultPaTable>\n  <PaSetting\n     other=\"1\">\n   <Value>1</Value>\n"
                      "  </PaSetting>\n </DefaultPaTable>\n</pasettings>")
        << Run(readPa)
        << QList<Expected>{{1, "File open failed: XML name attribute missing in pasettings definition file. Device: VO4725",
                            pa, 3, 3},
                           {5, "Configuration parameter error: File does not exists, filename: none.xml", QString(), 0, 0}};
    QTest::newRow("attribute at fault: its name")
        << params
        << QByteArray("<P><parGroup name=\"g\"><Parameter name=\"p\" type=\"LIST\"><ListValues>\n"
                      "  <Range  step=\"x\"><Begin>1</Begin><End>2</End></Range></ListValues></Parameter></parGroup></P>")
        << Run(readParameters)
        << QList<Expected>{{1,
                            "File open failed: Invalid \"step\" attribute in param_definition.xml. The data must be "
                            "given as a numeric value.",
                            params, 2, 11}};
    QTest::newRow("no directory for the device: its device map")
        << QStringLiteral("vo4725/device_config.xml") << QByteArray("<DeviceConfig/>") << Run(readSettings)
        << QList<Expected>{{5, "Configuration parameter error: Failed to find path to categories.xml for device: VO4725",
                            QStringLiteral("vo4725/device_config.xml"), 0, 0}};
    QTest::newRow("document of the host: its name and the parser's line")
        << QStringLiteral("board.xml") << QByteArray("<T>\n<IoSettings>\n<IoPin/>\n</IoSettings></T>") << Run(readTarget)
        << QList<Expected>{{1, "File open failed: Attribute name missing for a IoPin setting in board.xml:.",
                            QStringLiteral("@target file board.xml"), 3, 0}};
}

void TestDALDiagnostics::messagesAreLocated()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(Run, run);
    QFETCH(QList<Expected>, expected);

    FixtureTree tree;
    QVERIFY(tree.writeDeviceConfig(device(), {"categories.xml", "param_definition.xml"}, "vo4725/settings"));
    QVERIFY(tree.write("vo4725/device_config.xml",
                       "<DeviceConfig><path file=\"categories.xml\">" + tree.path("vo4725/settings").toUtf8()
                           + "</path><path file=\"pasettings.xml\">" + tree.path("vo4725/pa").toUtf8()
                           + "</path><path file=\"param_definition.xml\">" + tree.path("vo4725").toUtf8()
                           + "</path></DeviceConfig>"));
    QVERIFY(tree.write("vo4725/settings/categories.xml", "<R><Default/></R>"));
    QVERIFY(tree.write(file, content));
    if (file == QLatin1String("elsewhere.xml"))
        QVERIFY(QFile::remove(tree.path("vo4725/settings/categories.xml")));
    DALCommon::clearErrorList();
    run(tree);

    const QList<DALDiagnostics::Diagnostic> &diagnostics = DALDiagnostics::getDiagnostics();
    QCOMPARE(diagnostics.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        const Expected &want = expected.at(i);
        const QString path = want.file.startsWith(QLatin1Char('@')) ? want.file.mid(1)
                             : want.file.isEmpty()                  ? QString()
                                                                    : tree.path(want.file);
        const DALDiagnostics::Diagnostic &got = diagnostics.at(i);
        const QString text = want.text.contains(QLatin1String("%1")) ? want.text.arg(path) : want.text;
        if (text.endsWith(QLatin1Char('\n')))
            QVERIFY2(got.text.startsWith(text), qPrintable(got.text));
        else
            QCOMPARE(got.text, text);
        QCOMPARE(got.text, DALCommon::getErrorList().at(i));
        QCOMPARE(got.code, want.code);
        QCOMPARE(got.file, path);
        QCOMPARE(got.line, want.line);
        if (want.column >= 0)
            QCOMPARE(got.column, want.column);
    }
}

void TestDALDiagnostics::followTheErrorList()
{
    DALCommon::setError(QStringLiteral("a note"));
    DALCommon::setError(0, QStringLiteral("nothing"));
    DALCommon::setError(3, QString());
    DALCommon::setConfigRoot(QStringLiteral("/no/such/dir"));
    const QList<DALDiagnostics::Diagnostic> &diagnostics = DALDiagnostics::getDiagnostics();
    QCOMPARE(diagnostics.size(), 3);
    QCOMPARE(DALDiagnostics::toString(diagnostics.at(0)), QStringLiteral("a note"));
    QCOMPARE(diagnostics.at(1).code, 3);
    QCOMPARE(DALDiagnostics::toString(diagnostics.at(2)),
             QStringLiteral("/no/such/dir: Directory does not exist: /no/such/dir"));
    DALCommon::clearErrorList();
    QVERIFY(DALDiagnostics::getDiagnostics().isEmpty());

    DALDiagnostics::Diagnostic located{1, QStringLiteral("text"), QStringLiteral("/f.xml"), 3, 7};
    QCOMPARE(DALDiagnostics::toString(located), QStringLiteral("/f.xml:3:7: text"));
}

QTEST_GUILESS_MAIN(TestDALDiagnostics)
#include "tst_daldiagnostics.moc"

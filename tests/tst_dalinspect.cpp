// dal-inspect as a configuration author runs it: check on the sample and on
// generated trees, the root it picks, its output formats and exit codes,
// --json keeping stdout one JSON document, and the reference of the formats.

#include "fixturetree.h"
#include "treegen.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
    QStringList lines() const { return out.split(QLatin1Char('\n'), Qt::SkipEmptyParts); }
};

Run inspect(QStringList const &arguments, QString const &directory = QString())
{
    QProcess process;
    if (!directory.isEmpty())
        process.setWorkingDirectory(directory);
    process.start(QStringLiteral(DAL_INSPECT), arguments);
    Run run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// One device with a settings file; mistake "error" misspells a field,
// "warning" adds a Device that no group lists.
void writeTree(FixtureTree const &tree, QString const &mistake)
{
    QByteArray list = "<DeviceList>\n<DeviceGroup>\n<GroupName>G</GroupName>\n<DeviceName>DEV1</DeviceName>\n"
                      "</DeviceGroup>\n<Device>\n<DeviceName>DEV1</DeviceName>\n</Device>\n";
    if (mistake == QLatin1String("warning"))
        list += "<Device>\n<DeviceName>DEV2</DeviceName>\n</Device>\n";
    tree.write(QStringLiteral("device_list.xml"), list + "</DeviceList>\n");
    tree.write(QStringLiteral("dev1/device_config.xml"),
               "<DeviceConfig>\n<path file=\"categories.xml\">dev1</path>\n</DeviceConfig>\n");
    tree.write(QStringLiteral("dev1/categories.xml"),
               "<RfCommandSettings>\n<Default>\n<DefCategory>C</DefCategory>\n<DefSetting>s.xml</DefSetting>\n"
               "</Default>\n<Category>\n<Name>C</Name>\n<Setting>s.xml</Setting>\n</Category>\n</RfCommandSettings>\n");
    const QByteArray field = mistake == QLatin1String("error") ? "Feild" : "Field";
    tree.write(QStringLiteral("dev1/s.xml"),
               "<RfCommandSettings>\n<setting>\n<Command name=\"CMD_A\">\n<" + field + " name=\"f\">1</" + field
                   + ">\n</Command>\n</setting>\n"
                     "</RfCommandSettings>\n");
}

const QString kError = QStringLiteral("dev1/s.xml:4:1: error: <Feild> is not read in <Command>; did you mean "
                                      "<Field>? [unknown-element]");
const QString kWarning = QStringLiteral("device_list.xml:10:1: warning: device \"DEV2\" is listed in no group, so the "
                                        "host does not offer it [unlisted-device]");

QJsonObject parse(QString const &text)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8(), &error);
    return error.error == QJsonParseError::NoError ? document.object() : QJsonObject();
}

} // namespace

class TestDalInspect : public QObject
{
    Q_OBJECT

private slots:
    void sampleChecksClean();
    void generatedTreeChecksClean_data();
    void generatedTreeChecksClean();
    void root_data();
    void root();
    void exitStatus_data();
    void exitStatus();
    void json();
    void sarif();
    void jsonIsOneDocument_data();
    void jsonIsOneDocument();
    void fileFormatsAreCurrent();
};

void TestDalInspect::sampleChecksClean()
{
    const Run run = inspect({QStringLiteral("check")});
    QCOMPARE(run.err, QString());
    const QStringList lines = run.lines();
    QCOMPARE(lines.size(), 2);
    QVERIFY2(lines.first().startsWith(QLatin1String("no device_list.xml in the current directory: checking the "
                                                    "bundled sample tree /")),
             qPrintable(lines.first()));
    QVERIFY2(lines.last().startsWith(QLatin1String("check: 2 devices, ")), qPrintable(lines.last()));
    QVERIFY(lines.last().endsWith(QLatin1String(" files, no findings")));
    QCOMPARE(run.exitCode, 0);
}

void TestDalInspect::generatedTreeChecksClean_data()
{
    QTest::addColumn<bool>("absolutePaths");
    QTest::newRow("paths relative to the root") << false;
    QTest::newRow("absolute paths") << true;
}

void TestDalInspect::generatedTreeChecksClean()
{
    QFETCH(bool, absolutePaths);
    FixtureTree tree;
    TreeGen::Params params;
    params.devices = 3;
    params.categories = 2;
    params.settingsPerCategory = 4;
    params.settingsPerTfFile = 2;
    params.absolutePaths = absolutePaths;
    QString error;
    QVERIFY2(TreeGen::write(tree.root(), params, &error), qPrintable(error));
    const Run run = inspect({QStringLiteral("--root"), tree.root(), QStringLiteral("check")});
    QCOMPARE(run.lines(),
             (QStringList{QStringLiteral("checking ") + tree.root(),
                          QStringLiteral("check: 3 devices, 42 files, no findings")}));
    QCOMPARE(run.exitCode, 0);
}

// Where dal-inspect starts and whether --root is given decide the root;
// without either the sample tree is checked (sampleChecksClean).
void TestDalInspect::root_data()
{
    QTest::addColumn<QString>("start"); // the tree, another tree, or an empty directory
    QTest::addColumn<bool>("giveRoot");
    QTest::addColumn<QString>("firstLine");

    QTest::newRow("--root") << "empty" << true << "checking <root>";
    QTest::newRow("--root wins over the current directory") << "other" << true << "checking <root>";
    QTest::newRow("the current directory holds device_list.xml")
        << "tree" << false << "checking <root>, the current directory";
}

void TestDalInspect::root()
{
    QFETCH(QString, start);
    QFETCH(bool, giveRoot);
    QFETCH(QString, firstLine);

    FixtureTree tree;
    FixtureTree other;
    FixtureTree empty;
    writeTree(tree, QStringLiteral("error"));
    writeTree(other, QString());
    QStringList arguments{QStringLiteral("check")};
    if (giveRoot)
        arguments = QStringList{QStringLiteral("--root"), tree.root()} + arguments;
    const QString startDirectory = start == QLatin1String("tree") ? tree.root()
        : start == QLatin1String("other")                         ? other.root()
                                                                  : empty.root();
    const QStringList lines = inspect(arguments, startDirectory).lines();
    QCOMPARE(lines.value(0), firstLine.replace(QLatin1String("<root>"), tree.root()));
    // Paths print relative to where dal-inspect started when they lie inside it.
    QCOMPARE(lines.value(1), start == QLatin1String("tree") ? kError : tree.root() + kError);
}

void TestDalInspect::exitStatus_data()
{
    QTest::addColumn<QString>("mistake");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("expected"); // stdout, line by line
    QTest::addColumn<int>("exitCode");

    QTest::newRow("clean") << "" << QStringList() << QStringList{"check: 1 device, 4 files, no findings"} << 0;
    QTest::newRow("an error") << "error" << QStringList()
                              << QStringList{kError, "check: 1 device, 4 files, 1 error, 0 warnings"} << 1;
    QTest::newRow("a warning passes") << "warning" << QStringList()
                                      << QStringList{kWarning, "check: 1 device, 4 files, 0 errors, 1 warning"} << 0;
    QTest::newRow("--werror fails on a warning")
        << "warning" << QStringList{"--werror"}
        << QStringList{kWarning, "check: 1 device, 4 files, 0 errors, 1 warning"} << 1;
    QTest::newRow("--quiet prints findings only") << "error" << QStringList{"--quiet"} << QStringList{kError} << 1;
    QTest::newRow("unknown format") << "" << QStringList{"--format", "xml"} << QStringList() << 2;
    QTest::newRow("--json with another format")
        << "" << QStringList{"--json", "--format", "sarif"} << QStringList() << 2;
    QTest::newRow("no device_list.xml") << "no tree" << QStringList() << QStringList() << 2;
    QTest::newRow("no root") << "no root" << QStringList() << QStringList() << 2;
}

void TestDalInspect::exitStatus()
{
    QFETCH(QString, mistake);
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, expected);
    QFETCH(int, exitCode);

    FixtureTree tree;
    if (!mistake.startsWith(QLatin1String("no ")))
        writeTree(tree, mistake);
    const QString root = mistake == QLatin1String("no root") ? tree.path(QStringLiteral("missing")) : tree.root();
    const Run run
        = inspect(QStringList{QStringLiteral("--root"), root, QStringLiteral("check")} + arguments, tree.root());
    QStringList lines = run.lines();
    if (!arguments.contains(QStringLiteral("--quiet")) && !lines.isEmpty() && exitCode != 2)
        QCOMPARE(lines.takeFirst(), QStringLiteral("checking ") + root);
    QCOMPARE(lines, expected);
    if (arguments.contains(QStringLiteral("--quiet")))
        QCOMPARE(run.err, QStringLiteral("checking %1\n").arg(root));
    if (exitCode == 2)
        QVERIFY2(!run.err.isEmpty(), "a usage error says why");
    QCOMPARE(run.exitCode, exitCode);
}

void TestDalInspect::json()
{
    FixtureTree tree;
    writeTree(tree, QStringLiteral("error"));
    for (const QStringList &format : {QStringList{"check", "--format", "json"}, QStringList{"--json", "check"}}) {
        const Run run = inspect(QStringList{QStringLiteral("--root"), tree.root()} + format);
        const QJsonObject document = parse(run.out);
        QCOMPARE(document.value("root").toString(), tree.root());
        QCOMPARE(document.value("rootOrigin").toString(), QStringLiteral("option"));
        const QJsonArray findings = document.value("findings").toArray();
        QCOMPARE(findings.size(), 1);
        const QJsonObject expected{{"file", tree.path("dev1/s.xml")},
                                   {"line", 4},
                                   {"column", 1},
                                   {"severity", "error"},
                                   {"rule", "unknown-element"},
                                   {"message", "<Feild> is not read in <Command>; did you mean <Field>?"},
                                   {"device", "DEV1"},
                                   {"reader", "settings"}};
        QCOMPARE(findings.first().toObject(), expected);
        QCOMPARE(document.value("summary").toObject(),
                 (QJsonObject{{"devices", 1}, {"files", 4}, {"errors", 1}, {"warnings", 0}}));
        QCOMPARE(document.value("errors").toArray(), QJsonArray());
        QCOMPARE(run.exitCode, 1);
    }
}

void TestDalInspect::sarif()
{
    FixtureTree tree;
    writeTree(tree, QStringLiteral("error"));
    const Run run
        = inspect({QStringLiteral("check"), QStringLiteral("--format"), QStringLiteral("sarif")}, tree.root());
    const QJsonObject log = parse(run.out);
    QCOMPARE(log.value("version").toString(), QStringLiteral("2.1.0"));
    QVERIFY(log.value("$schema").toString().contains(QLatin1String("sarif-2.1.0")));
    const QJsonObject sarifRun = log.value("runs").toArray().first().toObject();
    const QJsonArray rules = sarifRun.value("tool").toObject().value("driver").toObject().value("rules").toArray();
    const QJsonArray results = sarifRun.value("results").toArray();
    QCOMPARE(results.size(), 1);
    const QJsonObject result = results.first().toObject();
    QCOMPARE(result.value("ruleId").toString(), QStringLiteral("unknown-element"));
    QCOMPARE(rules.at(result.value("ruleIndex").toInt()).toObject().value("id").toString(),
             QStringLiteral("unknown-element"));
    QCOMPARE(result.value("level").toString(), QStringLiteral("error"));
    const QJsonObject location
        = result.value("locations").toArray().first().toObject().value("physicalLocation").toObject();
    QCOMPARE(location.value("artifactLocation").toObject(),
             (QJsonObject{{"uri", "dev1/s.xml"}, {"uriBaseId", "STARTDIR"}}));
    QCOMPARE(location.value("region").toObject(), (QJsonObject{{"startLine", 4}, {"startColumn", 1}}));
    QCOMPARE(sarifRun.value("originalUriBaseIds").toObject().value("STARTDIR").toObject().value("uri").toString(),
             QStringLiteral("file://") + tree.root());
    QCOMPARE(run.exitCode, 1);
}

void TestDalInspect::jsonIsOneDocument_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("exitCode");

    QTest::newRow("check") << QStringList{"check"} << "summary" << 0;
    QTest::newRow("faulty packet field printed by the library") << QStringList{"packet", "bad"} << "libraryOutput" << 1;
    QTest::newRow("missing root") << QStringList{"--root", "/no/such/dal/root", "devices"} << "errors" << 1;
}

void TestDalInspect::jsonIsOneDocument()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, key);
    QFETCH(int, exitCode);

    FixtureTree tree;
    QVERIFY(tree.write(QStringLiteral("packet/bad.xml"),
                       "<PacketDefinition><packet><Name>Bad</Name><Field><Name>Length</Name>"
                       "<Type>decimal</Type><Length>one</Length></Field></packet></PacketDefinition>"));
    QStringList all{QStringLiteral("--json")};
    if (arguments.first() == QLatin1String("packet"))
        all << QStringLiteral("--root") << tree.root();
    const Run run = inspect(all + arguments);

    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(run.out.toUtf8(), &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    QVERIFY(document.isObject());
    QVERIFY2(document.object().contains(key), qPrintable(run.out));
    QCOMPARE(run.exitCode, exitCode);
}

// docs/file-formats.md is written by "dal-inspect formats"; run it after
// changing the vocabulary.
void TestDalInspect::fileFormatsAreCurrent()
{
    QFile committed(QStringLiteral(DAL_FILE_FORMATS));
    QVERIFY(committed.open(QIODevice::ReadOnly));
    const Run run = inspect({QStringLiteral("formats")});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out == QString::fromUtf8(committed.readAll()),
             "docs/file-formats.md is out of date: dal-inspect formats > docs/file-formats.md");
}

QTEST_GUILESS_MAIN(TestDalInspect)
#include "tst_dalinspect.moc"

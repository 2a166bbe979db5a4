// dal-inspect as a configuration author runs it: check on the sample tree and
// on broken trees, and --json keeping stdout one JSON document.

#include "fixturetree.h"

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
};

Run inspect(QStringList const &arguments)
{
    QProcess process;
    process.start(QStringLiteral(DAL_INSPECT), arguments);
    Run run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

const QByteArray kDescription =
    "<DeviceDescription><Brief>b</Brief><Description>d</Description><Photo>p</Photo>"
    "<URL>u</URL><UiClass>PROP-A</UiClass></DeviceDescription>";

} // namespace

class TestDalInspect : public QObject
{
    Q_OBJECT

private slots:
    void checkSample();
    void checkTree_data();
    void checkTree();
    void jsonIsOneDocument_data();
    void jsonIsOneDocument();
};

void TestDalInspect::checkSample()
{
    const Run run = inspect({QStringLiteral("check")});
    QCOMPARE(run.err, QString());
    QCOMPARE(run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts).last(),
             QStringLiteral("check: 2 devices, 20 readers, no messages, 3 not configured"));
    QCOMPARE(run.exitCode, 0);
}

// files: pairs of relative path and content; a path "config:DEV" writes the
// device_config.xml of DEV mapping the comma-separated files of the content
// to the device's directory. Expected lines are whole lines of the output
// with "<root>" standing for the tree; a trailing "*" matches the line's start.
void TestDalInspect::checkTree_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("exitCode");

    QTest::newRow("broken file names device, reader, file, message")
        << QStringList{"device_list.xml",
                       "<DeviceList><DeviceGroup><DeviceName>DEV1</DeviceName></DeviceGroup></DeviceList>",
                       "config:DEV1", "device_description.xml,param_definition.xml",
                       "dev1/device_description.xml", kDescription,
                       "dev1/param_definition.xml", "<ParamDefinition><parGroup>"}
        << QStringList{"check"}
        << QStringList{"DEV1",
                       "  ok              device description         device_description.xml",
                       "  1 message       parameter definitions      param_definition.xml",
                       "      XML DOM parse failed: <root>dev1/param_definition.xml, line 1: ",
                       "check: 1 device, 4 readers, 1 with 1 message, 7 not configured"}
        << 1;
    QTest::newRow("unconfigured readers are no failure")
        << QStringList{"config:DEV1", "device_description.xml", "dev1/device_description.xml", kDescription}
        << QStringList{"check", "DEV1"}
        << QStringList{"  ok              device configuration       device_config.xml",
                       "  not configured  command settings           categories.xml",
                       "  not configured  PA settings                pasettings.xml",
                       "  not configured  front ends                 frontend_settings.xml",
                       "  skipped         name references",
                       "check: 1 device, 2 readers, no messages, 8 not configured"}
        << 0;
    QTest::newRow("device without device_config.xml fails")
        << QStringList{"config:DEV1", "device_description.xml", "dev1/device_description.xml", kDescription}
        << QStringList{"check", "DEV1", "DEV2"}
        << QStringList{"DEV2", "  1 message       device configuration       device_config.xml",
                       "      File open failed: <root>dev2/device_config.xml",
                       "check: 2 devices, 3 readers, 1 with 1 message, 8 not configured"}
        << 1;
    QTest::newRow("names that point at nothing")
        << QStringList{"config:DEV1", "rf_command_definitions.xml,categories.xml,param_cmd_mapping.xml",
                       "dev1/rf_command_definitions.xml",
                       "<RfCommandDefinitions><CommandGroup><Command name=\"CMD_A\"><id>1</id>"
                       "<Field name=\"f\"><ByteIndex>0..1</ByteIndex><BitField name=\"b\">"
                       "<BitIndex>0..3</BitIndex></BitField></Field></Command></CommandGroup>"
                       "</RfCommandDefinitions>",
                       "dev1/categories.xml",
                       "<RfCommandSettings><Default><DefCategory>C</DefCategory><DefSetting>s.xml</DefSetting>"
                       "</Default><Category><Name>C</Name><Setting>s.xml</Setting></Category></RfCommandSettings>",
                       "dev1/s.xml",
                       "<RfCommandSettings><setting><TestFunc><ContTX>tx.xml</ContTX></TestFunc>"
                       "<Command name=\"CMD_A\"><Field name=\"f.b\">1</Field><Field name=\"f.c\">1</Field>"
                       "</Command></setting></RfCommandSettings>",
                       "dev1/tx.xml", "<RfCommandSettings><Command name=\"CMD_B\"/></RfCommandSettings>",
                       "dev1/param_cmd_mapping.xml",
                       "<ParamCmdMapping><settings><name>default</name><parameters><parameter names=\"p\">"
                       "<rfCommand>CMD_A</rfCommand><rfCommand>CMD_C</rfCommand></parameter></parameters>"
                       "</settings></ParamCmdMapping>"}
        << QStringList{"check", "DEV1"}
        << QStringList{"  3 messages      name references",
                       "      s.xml: field \"f.c\" of CMD_A is not defined in rf_command_definitions.xml",
                       "      s.xml, ContTX: command \"CMD_B\" is not defined in rf_command_definitions.xml",
                       "      param_cmd_mapping.xml: command \"CMD_C\" is not defined in rf_command_definitions.xml"}
        << 1;
}

void TestDalInspect::checkTree()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, expected);
    QFETCH(int, exitCode);

    FixtureTree tree;
    QVERIFY(tree.isValid());
    for (int i = 0; i + 1 < files.size(); i += 2) {
        if (files.at(i).startsWith(QLatin1String("config:")))
            QVERIFY(tree.writeDeviceConfig(files.at(i).mid(7), files.at(i + 1).split(QLatin1Char(','))));
        else
            QVERIFY(tree.write(files.at(i), files.at(i + 1).toUtf8()));
    }

    const Run run = inspect(QStringList{QStringLiteral("--root"), tree.root()} + arguments);
    const QStringList lines = run.out.split(QLatin1Char('\n'));
    for (QString line : expected) {
        line.replace(QLatin1String("<root>"), tree.root());
        const bool prefix = line.endsWith(QLatin1Char('*'));
        if (prefix)
            line.chop(1);
        bool found = false;
        for (const QString &printed : lines)
            found = found || (prefix ? printed.startsWith(line) : printed == line);
        if (!found)
            QFAIL(qPrintable(QStringLiteral("missing line \"%1\" in:\n%2").arg(line, run.out)));
    }
    QCOMPARE(run.exitCode, exitCode);
}

void TestDalInspect::jsonIsOneDocument_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("exitCode");

    QTest::newRow("check") << QStringList{"check"} << "summary" << 0;
    QTest::newRow("faulty packet field printed by the library")
        << QStringList{"packet", "bad"} << "libraryOutput" << 1;
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

QTEST_GUILESS_MAIN(TestDalInspect)
#include "tst_dalinspect.moc"

// Broken and hostile files through every file reader: each gets the loader's
// status and message, in bounded time, and never crashes or hangs.
#include "fixturetree.h"
#include "hostilefiles.h"

#include "DALCommon.h"
#include "DALIoPinDef.h"
#include "DALIoRegisterDef.h"
#include "DALPacket.h"
#include "DALPaSettingsDef.h"
#include "DALRadioParDef.h"
#include "DALRfCmdDef.h"
#include "DALRfCmdSettings.h"

#include <QDir>
#include <QDirIterator>
#include <QDomDocument>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

#include <cstdio>

#include <sys/resource.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Generous enough for a sanitizer build on a loaded machine; the release-build
// costs are measured by dal-hostile in bench/.
constexpr qint64 kTimeLimitMs = 20000;

// The shared loader alone, on a file at the configuration root.
const HostileFiles::Reader kLoader = {"loader", "input.xml", false, [] {
    QDomDocument *document = nullptr;
    DALCommon::openDomDocument(QStringLiteral("input.xml"), QStringLiteral("input"), &document, true);
    delete document; }};

// Inputs the loader refuses run once through it; every reader meets one refusal
// of each kind, to show that it hands the loader's status and message on.
bool readersMeet(HostileFiles::Input const &input)
{
    return input.status == 0 || qstrcmp(input.name, "not well-formed") == 0 || qstrcmp(input.name, "directory") == 0;
}

} // namespace

Q_DECLARE_METATYPE(const HostileFiles::Reader *)
Q_DECLARE_METATYPE(const HostileFiles::Input *)
using HostileRun = void (*)();
Q_DECLARE_METATYPE(HostileRun)

class TestHostileInputs : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetLibraryState(); }
    void cleanupTestCase()
    {
        DALCommon::setConfigRoot("./../config/xml/");
        resetLibraryState();
    }

    void hostileFile_data();
    void hostileFile();
    void readBudgetEndsMultipliedReads();
    void namesWithSpacesAndNonAscii_data();
    void namesWithSpacesAndNonAscii();
    void numberOutOfRange_data();
    void numberOutOfRange();
    // Runs last: every input above, the 50 MB file and the 100,000 levels
    // included, must have fitted in bounded memory.
    void peakMemoryIsBounded();
};

void TestHostileInputs::hostileFile_data()
{
    QTest::addColumn<const HostileFiles::Reader *>("reader");
    QTest::addColumn<const HostileFiles::Input *>("input");
    for (const HostileFiles::Input &input : HostileFiles::inputs()) {
        if (input.benchmarkOnly)
            continue;
        if (input.status != 0)
            QTest::newRow(QByteArray("loader: ") + input.name) << &kLoader << &input;
        if (!readersMeet(input))
            continue;
        for (const HostileFiles::Reader &reader : HostileFiles::readers())
            QTest::newRow(QByteArray(reader.name) + ": " + input.name) << &reader << &input;
    }
}

// Writes the input where the reader looks, runs it and checks the messages;
// an empty string when all is as it should be.
static QString runHostile(HostileFiles::Reader const &reader, HostileFiles::Input const &input)
{
    FixtureTree tree;
    if (!tree.isValid() || !HostileFiles::prepareTree(tree))
        return QStringLiteral("cannot write the tree");
    const QString path = tree.path(QString::fromLatin1(reader.file));
    QFile::remove(path); // the device map that prepareTree() wrote
    if (!input.write(path))
        return QStringLiteral("cannot write the input");
    QElapsedTimer timer;
    timer.start();
    reader.run();
    if (timer.elapsed() > kTimeLimitMs)
        return QStringLiteral("took %1 ms").arg(timer.elapsed());
    return HostileFiles::checkOutcome(reader, input, path);
}

void TestHostileInputs::hostileFile()
{
    QFETCH(const HostileFiles::Reader *, reader);
    QFETCH(const HostileFiles::Input *, input);
    if (reader->run != HostileFiles::readers().last().run) {
        const QString failure = runHostile(*reader, *input);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        return;
    }
    // The code-generation reader is a process-wide singleton that reads on
    // its first use only: each input gets a process of its own.
    const pid_t child = ::fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        const QString failure = runHostile(*reader, *input);
        if (!failure.isEmpty())
            std::fprintf(stderr, "%s\n", qPrintable(failure));
        std::fflush(stderr);
        ::_exit(failure.isEmpty() ? 0 : 1);
    }
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY2(WIFEXITED(status) && WEXITSTATUS(status) == 0, "the child process reports the failure above");
}

// A file of a few hundred kilobytes whose nested elements make every level
// collect all the commands below it again: the read stops with the budget's
// message, and nothing of the file is kept.
void TestHostileInputs::readBudgetEndsMultipliedReads()
{
    FixtureTree tree;
    QVERIFY(HostileFiles::prepareTree(tree));
    const QByteArray levels = QByteArray("<PaSetting text=\"x\"><Value>1</Value>").repeated(990);
    const QByteArray commands = QByteArray("<Command name=\"C\"><Field name=\"f\">1</Field></Command>").repeated(3000);
    QVERIFY(tree.write("vo4725/pa/pasettings.xml",
                       "<pasettings><RfDesign name=\"d\"><FrequencyRange><Min>1</Min><Max>2</Max><PaSettingTable>"
                           + levels + commands + QByteArray("</PaSetting>").repeated(990)
                           + "</PaSettingTable></FrequencyRange></RfDesign><DefaultPaTable/></pasettings>"));
    QString device = QStringLiteral("VO4725");
    DALRfCmdSettings settings(device);
    DALCommon::clearErrorList();
    DALPaSettingsDef pa(QString(), device, &settings, true);
    const QStringList errors = DALCommon::getErrorList();
    QVERIFY(!errors.isEmpty());
    QCOMPARE(errors.first(), QStringLiteral("XML DOM parse failed: ") + tree.path("vo4725/pa/pasettings.xml")
                                 + QStringLiteral(", line 1: \n") + HostileFiles::budgetReason());
    QVERIFY(!pa.getPaSettingsFile(QStringLiteral("pasettings.xml")));

    // A document the host parsed is bounded the same way.
    const QByteArray chain = QByteArray("<IoPin name=\"p\"><ControlFunction name=\"c\"><Signal name=\"s\">").repeated(300);
    QDomDocument document = parseXml("<IoPins>" + chain
                                     + QByteArray("<Register name=\"r\"><Mask>1</Mask></Register>").repeated(2000)
                                     + QByteArray("</Signal></ControlFunction></IoPin>").repeated(300) + "</IoPins>");
    DALCommon::clearErrorList();
    DALIoPinDef pins(&document);
    QCOMPARE(pins.getStatus(), 2);
    QVERIFY(DALCommon::getErrorList().value(0).startsWith(QStringLiteral("XML DOM parse failed: IO pin definitions, line 1: \n")));
}

void TestHostileInputs::namesWithSpacesAndNonAscii_data()
{
    QTest::addColumn<QString>("dir");
    QTest::newRow("spaces") << QStringLiteral("my config files/device one");
    QTest::newRow("non-ASCII letters") << QString::fromUtf8("gerät/données ñ");
    QTest::newRow("both") << QString::fromUtf8("конфиг файлы/ü ß");
}

void TestHostileInputs::namesWithSpacesAndNonAscii()
{
    // The radio parameter reader on a good file in such a directory, then a
    // missing one whose message names the path.
    QFETCH(QString, dir);
    FixtureTree tree;
    QVERIFY(tree.isValid());
    QVERIFY(tree.writeDeviceConfig(QStringLiteral("VO4725"),
                                   {QStringLiteral("radio_par_definitions.xml"),
                                    QStringLiteral("rf_command_definitions.xml")},
                                   dir));
    QVERIFY(tree.write(dir + QStringLiteral("/radio_par_definitions.xml"),
                       "<radioParDefinitions></radioParDefinitions>"));
    QString device = QStringLiteral("VO4725");
    { DALRadioParDef def(device); }
    QCOMPARE(DALCommon::getErrorList(), QStringList());
    { DALRfCmdDef def(device); }
    QCOMPARE(DALCommon::getErrorList(),
             QStringList(QStringLiteral("File open failed: ")
                         + QFileInfo(tree.path(dir + QStringLiteral("/rf_command_definitions.xml")))
                               .absoluteFilePath()));
}


// Far more digits than any field's type holds, decimal or hexadecimal.
static const QString kHuge = QStringLiteral("99999999999999999999999999");

// The reader of that name among the hostile-input readers.
static HostileRun runOf(const char *name)
{
    for (const HostileFiles::Reader &reader : HostileFiles::readers()) {
        if (qstrcmp(reader.name, name) == 0)
            return reader.run;
    }
    qFatal("no reader %s", name);
    return nullptr;
}

void TestHostileInputs::numberOutOfRange_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<HostileRun>("read");
    QTest::addColumn<QString>("message"); // empty: the number is ignored without a message

    const QString h = kHuge;
    // Error-list prefixes of codes 1 and 5.
    const QString open = QStringLiteral("File open failed: ");
    const QString config = QStringLiteral("Configuration parameter error: ");
    QTest::newRow("radio parameter position")
        << "vo4725/radio_par_definitions.xml" << "<position>0</position>"
        << "<position>" + h + "</position>" << runOf("radio parameters")
        << open + "Invalid position of field modType in radio_par_definitions.xml";
    QTest::newRow("command id")
        << "vo4725/rf_command_definitions.xml" << "<id>0x3806</id>" << "<id>0x" + h + "</id>"
        << runOf("command definitions") << open + "Invalid id value for command CMD_PROP_RADIO_SETUP";
    QTest::newRow("pointer offset")
        << "vo4725/rf_command_definitions.xml" << "<Offset>0</Offset>" << "<Offset>" + h + "</Offset>"
        << runOf("command definitions") << open + "Invalid offset value given for pointer type element. Value: " + h;
    QTest::newRow("range step")
        << "vo4725/param_definition.xml" << "step=\"2\"" << "step=\"" + h + "\"" << runOf("parameter definitions")
        << open + "Invalid \"step\" attribute in param_definition.xml. The data must be given as a numeric value.";
    QTest::newRow("PA range min")
        << "vo4725/pa/pasettings.xml" << "<Min>863</Min>" << "<Min>" + h + "</Min>" << runOf("PA settings")
        << open + "Invalid Min frequency: " + h;
    QTest::newRow("PA range max")
        << "vo4725/pa/pasettings.xml" << "<Max>876</Max>" << "<Max>" + h + "</Max>" << runOf("PA settings")
        << open + "Invalid Max frequency: " + h;
    QTest::newRow("PA value")
        << "vo4725/pa/pasettings.xml" << "<Value>0xA63F</Value>" << "<Value>0x" + h + "</Value>"
        << runOf("PA settings") << config + "Incorrect PA setting value: 0x" + h + ", Current File: pasettings.xml, Device: VO4725";
    QTest::newRow("front-end range min")
        << "vo4725/frontend_settings.xml" << "<Min>863</Min>" << "<Min>" + h + "</Min>"
        << runOf("front ends") << QString();
    QTest::newRow("front-end range max")
        << "vo4725/frontend_settings.xml" << "<Max>876</Max>" << "<Max>" + h + "</Max>" << runOf("front ends")
        << open + "Invalid value specified for the \"FrequencyRange\" in the frontend_settings.xml file.";
    QTest::newRow("override write-custom value")
        << "vo4725/overrides/override_prop_868.xml" << "<Values>16, 0, 255, 1</Values>"
        << "<Values>16, " + h + ", 255, 1</Values>" << runOf("overrides")
        << config + "Invalid format of Custom Write Values, write custom name: frontEndInit";
    QTest::newRow("IO register address")
        << "vo4725/io_registers.xml" << "address=\"0x0003\"" << "address=\"0x" + h + "\""
        << HostileRun([] {
               QFile in(QStringLiteral("vo4725/io_registers.xml"));
               QDomDocument document;
               QVERIFY(in.open(QIODevice::ReadOnly) && document.setContent(in.readAll()));
               DALIoRegisterDef registers(&document);
           })
        << open + "Invalid value of IO register address: IOCFG0";
    QTest::newRow("packet field length")
        << "packet/prop_basic.xml" << "<Length>1</Length>" << "<Length>" + h + "</Length>"
        // The packet reader keeps its message to itself (and prints it).
        << HostileRun([] { QCOMPARE(DALPacket(QStringLiteral("prop_basic")).getStatus(), 5); }) << QString();
}

void TestHostileInputs::numberOutOfRange()
{
    QFETCH(QString, file);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(HostileRun, read);
    QFETCH(QString, message);

    // The sample tree names its device directories relative to the working
    // directory, so the copy is read from inside itself.
    FixtureTree tree;
    QVERIFY(tree.isValid());
    const QString sample = QStringLiteral(DAL_SAMPLE_TREE);
    QDirIterator files(sample, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString source = files.next();
        QFile in(source);
        QVERIFY(in.open(QIODevice::ReadOnly));
        QVERIFY(tree.write(QDir(sample).relativeFilePath(source), in.readAll()));
    }
    QFile original(tree.path(file));
    QVERIFY(original.open(QIODevice::ReadOnly));
    QString content = QString::fromUtf8(original.readAll());
    original.close();
    QVERIFY2(content.contains(from), qPrintable(from));
    content.replace(content.indexOf(from), from.size(), to);
    QVERIFY(tree.write(file, content.toUtf8()));
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(tree.root()));

    read();
    QVERIFY(QDir::setCurrent(previous));

    const QStringList errors = DALCommon::getErrorList();
    if (message.isEmpty())
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join(QLatin1Char('\n'))));
    else
        QVERIFY2(errors.contains(message), qPrintable(errors.join(QLatin1Char('\n'))));
}

void TestHostileInputs::peakMemoryIsBounded()
{
    // About 130 MiB in a release build; a sanitizer build needs several times
    // that for its shadow memory and quarantine.
    constexpr long kLimitKiB = 1024L * 1024L;
    struct rusage usage = {};
    QCOMPARE(::getrusage(RUSAGE_SELF, &usage), 0);
    QVERIFY2(usage.ru_maxrss < kLimitKiB, qPrintable(QString::number(usage.ru_maxrss) + " KiB"));
}

QTEST_GUILESS_MAIN(TestHostileInputs)
#include "tst_hostileinputs.moc"

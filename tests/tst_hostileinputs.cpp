// Broken and hostile files through every file reader: each gets the loader's
// status and message, in bounded time, and never crashes or hangs.
#include "fixturetree.h"

#include "DALCommon.h"
#include "DALDeviceDescr.h"
#include "DALDeviceList.h"
#include "DALIoRegisterDef.h"
#include "DALPacket.h"
#include "DALPaSettingsDef.h"
#include "DALParamCmdMapping.h"
#include "DALParamDef.h"
#include "DALRadioParDef.h"
#include "DALRfCmdDef.h"
#include "DALRfCmdSettings.h"
#include "DALRfFrontEndSettings.h"
#include "DALRfOverrideDef.h"

#include <QDir>
#include <QDirIterator>
#include <QDomDocument>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/types.h>

namespace {

// Generous enough for a sanitizer build on a loaded machine.
constexpr qint64 kTimeLimitMs = 20000;

const QByteArray kDeviceReaders[] = {"radio_par_definitions.xml", "rf_command_definitions.xml",
                                     "param_definition.xml", "param_cmd_mapping.xml",
                                     "device_description.xml"};

// Relative path, inside a tree, of the file the reader opens.
QString readerFile(QByteArray const &reader, QString const &deviceDir)
{
    if (reader == "device_list")
        return QStringLiteral("device_list.xml");
    if (reader == "packet")
        return QStringLiteral("packet/hostile.xml");
    return deviceDir + QLatin1Char('/') + QString::fromLatin1(reader);
}

// Builds the reader; its messages land in the library's error list.
void runReader(QByteArray const &reader, QString const &root)
{
    QString device = QStringLiteral("VO4725");
    if (reader == "device_list") {
        DALDeviceList list(root.left(root.size() - 1));
        list.getDeviceGroups();
        list.getDeviceBrief(device);
    } else if (reader == "packet") {
        DALPacket packet(QStringLiteral("hostile"));
        packet.getStatus();
    } else if (reader == "radio_par_definitions.xml") {
        DALRadioParDef def(device);
    } else if (reader == "rf_command_definitions.xml") {
        DALRfCmdDef def(device);
    } else if (reader == "param_definition.xml") {
        DALParamDef def(device);
    } else if (reader == "param_cmd_mapping.xml") {
        DALParamCmdMapping mapping(device);
    } else if (reader == "device_description.xml") {
        DALDeviceDescr descr(device, true);
    } else {
        QFAIL("unknown reader");
    }
}

QByteArray nested(int depth)
{
    QByteArray xml;
    xml.reserve(depth * 7 + 16);
    for (int i = 0; i < depth; ++i)
        xml += "<a>";
    for (int i = 0; i < depth; ++i)
        xml += "</a>";
    return xml;
}

QByteArray billionLaughs()
{
    QByteArray xml = "<?xml version=\"1.0\"?>\n<!DOCTYPE lolz [\n<!ENTITY lol \"lol\">\n";
    xml += "<!ENTITY lol1 \"&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;\">\n";
    for (int i = 2; i <= 9; ++i) {
        const QByteArray prev = "&lol" + QByteArray::number(i - 1) + ";";
        xml += "<!ENTITY lol" + QByteArray::number(i) + " \"" + prev.repeated(10) + "\">\n";
    }
    return xml + "]>\n<lolz>&lol9;</lolz>\n";
}

// A file of more than 50 MB of well-formed markup.
QByteArray fiftyMegabytes()
{
    const QByteArray item = "<Item name=\"x\">0123456789abcdef0123456789abcdef</Item>\n";
    QByteArray xml = "<Root>\n";
    xml += item.repeated(50 * 1024 * 1024 / item.size() + 1);
    return xml + "</Root>\n";
}

} // namespace

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
    void externalEntityIsNotRead();
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
    QTest::addColumn<QByteArray>("reader");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("reason");

    QList<QByteArray> readers = {"device_list", "packet"};
    for (const QByteArray &reader : kDeviceReaders)
        readers.append(reader);

    struct Input { const char *kind; int status; const char *reason; };
    // reason: the exact parser text where the loader supplies it, else empty.
    const Input inputs[] = {
        {"not well-formed", 2, ""},
        {"truncated", 2, ""},
        {"entity bomb", 2, ""},
        {"100000 levels", 2, "Elements are nested deeper than 1000 levels."},
        {"1001 levels", 2, "Elements are nested deeper than 1000 levels."},
        {"50 MB", 2, "The file is larger than 16777216 bytes."},
        // Qt's decoder replaces bytes that are not UTF-8: the file loads.
        {"not UTF-8", 0, ""},
        {"wrong encoding declaration", 2, ""},
        {"empty file", 2, ""},
        {"directory", 1, ""},
        {"symlink loop", 1, ""},
        {"dangling symlink", 1, ""},
        {"fifo", 1, ""},
    };
    for (const QByteArray &reader : readers) {
        for (const Input &input : inputs) {
            QTest::newRow(reader + ": " + input.kind)
                << reader << QString::fromLatin1(input.kind) << input.status
                << QString::fromLatin1(input.reason);
        }
    }
}

void TestHostileInputs::hostileFile()
{
    QFETCH(QByteArray, reader);
    QFETCH(QString, kind);
    QFETCH(int, status);
    QFETCH(QString, reason);

    FixtureTree tree;
    QVERIFY(tree.isValid());
    QStringList files;
    for (const QByteArray &name : kDeviceReaders)
        files.append(QString::fromLatin1(name));
    QVERIFY(tree.writeDeviceConfig(QStringLiteral("VO4725"), files));
    const QString relative = readerFile(reader, QStringLiteral("vo4725"));
    const QString path = tree.path(relative);
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));

    if (kind == "not well-formed") {
        QVERIFY(tree.write(relative, "<Root><a></b></Root>"));
    } else if (kind == "truncated") {
        QVERIFY(tree.write(relative, "<Root><a name=\"x"));
    } else if (kind == "entity bomb") {
        QVERIFY(tree.write(relative, billionLaughs()));
    } else if (kind == "100000 levels") {
        QVERIFY(tree.write(relative, nested(100000)));
    } else if (kind == "1001 levels") {
        QVERIFY(tree.write(relative, nested(1001)));
    } else if (kind == "50 MB") {
        QVERIFY(tree.write(relative, fiftyMegabytes()));
    } else if (kind == "not UTF-8") {
        QVERIFY(tree.write(relative, "<Root name=\"\xff\xfe\xc3\x28\">\x80\x81</Root>"));
    } else if (kind == "wrong encoding declaration") {
        // UTF-16 declared, UTF-8 bytes written.
        QVERIFY(tree.write(relative, "<?xml version=\"1.0\" encoding=\"UTF-16\"?><Root>\xc3\xa9</Root>"));
    } else if (kind == "empty file") {
        QVERIFY(tree.write(relative, QByteArray()));
    } else if (kind == "directory") {
        QVERIFY(QDir().mkpath(path));
    } else if (kind == "symlink loop") {
        QVERIFY(QFile::link(path + QStringLiteral(".loop"), path));
        QVERIFY(QFile::link(path, path + QStringLiteral(".loop")));
    } else if (kind == "dangling symlink") {
        QVERIFY(QFile::link(tree.path(QStringLiteral("nothing.xml")), path));
    } else if (kind == "fifo") {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else {
        QFAIL("unknown input");
    }

    QElapsedTimer timer;
    timer.start();
    runReader(reader, tree.root());
    QVERIFY2(timer.elapsed() < kTimeLimitMs, qPrintable(QString::number(timer.elapsed())));

    const QString absolute = QFileInfo(path).absoluteFilePath();
    const QStringList errors = DALCommon::getErrorList();
    if (status == 0) {
        for (const QString &error : errors) {
            QVERIFY2(!error.startsWith(QLatin1String("File open failed"))
                         && !error.startsWith(QLatin1String("XML DOM parse failed")),
                     qPrintable(error));
        }
        return;
    }
    QVERIFY2(!errors.isEmpty(), "no message recorded");
    if (status == 1) {
        QCOMPARE(errors.first(), QStringLiteral("File open failed: ") + absolute);
    } else {
        const QString prefix = QStringLiteral("XML DOM parse failed: ") + absolute + QStringLiteral(", line ");
        QVERIFY2(errors.first().startsWith(prefix), qPrintable(errors.first()));
        const int lf = errors.first().indexOf(QLatin1String(": \n"), prefix.size());
        QVERIFY2(lf > 0, qPrintable(errors.first()));
        const QString parserMessage = errors.first().mid(lf + 3);
        QVERIFY(!parserMessage.isEmpty());
        if (!reason.isEmpty())
            QCOMPARE(parserMessage, reason);
    }
}

void TestHostileInputs::externalEntityIsNotRead()
{
    // An external entity or DOCTYPE SYSTEM reference must not pull another
    // file's content into the document.
    FixtureTree tree;
    QVERIFY(tree.isValid());
    QVERIFY(tree.write(QStringLiteral("secret.txt"), "TOPSECRETCONTENT"));
    const QByteArray secret = QFile::encodeName(tree.path(QStringLiteral("secret.txt")));
    QVERIFY(tree.write(QStringLiteral("xxe.xml"),
                       "<?xml version=\"1.0\"?>\n<!DOCTYPE Root [<!ENTITY xxe SYSTEM \"file://" + secret
                           + "\">]>\n<Root>&xxe;</Root>\n"));
    QVERIFY(tree.write(QStringLiteral("dtd.xml"),
                       "<?xml version=\"1.0\"?>\n<!DOCTYPE Root SYSTEM \"" + secret + "\">\n<Root/>\n"));
    for (const QString &name : {QStringLiteral("xxe.xml"), QStringLiteral("dtd.xml")}) {
        DALCommon::clearErrorList();
        QDomDocument *doc = nullptr;
        const int result = DALCommon::openDomDocument(name, QStringLiteral("Root"), &doc, true);
        QVERIFY(result == 0 || result == 2);
        if (doc) {
            QVERIFY2(!doc->toString().contains(QLatin1String("TOPSECRETCONTENT")), qPrintable(name));
            delete doc;
        }
        for (const QString &error : DALCommon::getErrorList())
            QVERIFY(!error.contains(QLatin1String("TOPSECRETCONTENT")));
    }
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

void TestHostileInputs::numberOutOfRange_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QByteArray>("reader");
    QTest::addColumn<QString>("message"); // empty: the number is ignored without a message

    const QString h = kHuge;
    // Error-list prefixes of codes 1 and 5.
    const QString open = QStringLiteral("File open failed: ");
    const QString config = QStringLiteral("Configuration parameter error: ");
    QTest::newRow("radio parameter position")
        << "vo4725/radio_par_definitions.xml" << "<position>0</position>"
        << "<position>" + h + "</position>" << QByteArray("radiopar")
        << open + "Invalid position of field modType in radio_par_definitions.xml";
    QTest::newRow("command id")
        << "vo4725/rf_command_definitions.xml" << "<id>0x3806</id>" << "<id>0x" + h + "</id>"
        << QByteArray("rfcmddef") << open + "Invalid id value for command CMD_PROP_RADIO_SETUP";
    QTest::newRow("pointer offset")
        << "vo4725/rf_command_definitions.xml" << "<Offset>0</Offset>" << "<Offset>" + h + "</Offset>"
        << QByteArray("rfcmddef") << open + "Invalid offset value given for pointer type element. Value: " + h;
    QTest::newRow("range step")
        << "vo4725/param_definition.xml" << "step=\"2\"" << "step=\"" + h + "\"" << QByteArray("paramdef")
        << open + "Invalid \"step\" attribute in param_definition.xml. The data must be given as a numeric value.";
    QTest::newRow("PA range min")
        << "vo4725/pa/pasettings.xml" << "<Min>863</Min>" << "<Min>" + h + "</Min>" << QByteArray("pa")
        << open + "Invalid Min frequency: " + h;
    QTest::newRow("PA range max")
        << "vo4725/pa/pasettings.xml" << "<Max>876</Max>" << "<Max>" + h + "</Max>" << QByteArray("pa")
        << open + "Invalid Max frequency: " + h;
    QTest::newRow("PA value")
        << "vo4725/pa/pasettings.xml" << "<Value>0xA63F</Value>" << "<Value>0x" + h + "</Value>"
        << QByteArray("pa") << config + "Incorrect PA setting value: 0x" + h + ", Current File: pasettings.xml, Device: VO4725";
    QTest::newRow("front-end range min")
        << "vo4725/frontend_settings.xml" << "<Min>863</Min>" << "<Min>" + h + "</Min>"
        << QByteArray("frontend") << QString();
    QTest::newRow("front-end range max")
        << "vo4725/frontend_settings.xml" << "<Max>876</Max>" << "<Max>" + h + "</Max>" << QByteArray("frontend")
        << open + "Invalid value specified for the \"FrequencyRange\" in the frontend_settings.xml file.";
    QTest::newRow("override write-custom value")
        << "vo4725/overrides/override_prop_868.xml" << "<Values>16, 0, 255, 1</Values>"
        << "<Values>16, " + h + ", 255, 1</Values>" << QByteArray("override")
        << config + "Invalid format of Custom Write Values, write custom name: frontEndInit";
    QTest::newRow("IO register address")
        << "vo4725/io_registers.xml" << "address=\"0x0003\"" << "address=\"0x" + h + "\""
        << QByteArray("ioregisters") << open + "Invalid value of IO register address: IOCFG0";
    QTest::newRow("packet field length")
        << "packet/prop_basic.xml" << "<Length>1</Length>" << "<Length>" + h + "</Length>"
        << QByteArray("packet") << "Node Length= " + h + " : invalid";
}

void TestHostileInputs::numberOutOfRange()
{
    QFETCH(QString, file);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QByteArray, reader);
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

    QString device = QStringLiteral("VO4725");
    int packetStatus = 0;
    if (reader == "radiopar") {
        DALRadioParDef def(device);
    } else if (reader == "rfcmddef") {
        DALRfCmdDef def(device);
    } else if (reader == "paramdef") {
        DALParamDef def(device);
    } else if (reader == "pa" || reader == "frontend") {
        DALRfCmdSettings settings(device);
        DALCommon::clearErrorList();
        if (reader == "pa")
            DALPaSettingsDef pa(QString(), device, &settings, true);
        else
            DALRfFrontEndSettings frontEnds(device, &settings);
    } else if (reader == "override") {
        DALRfOverrideDef overrides(device);
    } else if (reader == "ioregisters") {
        QFile in(tree.path(file));
        QVERIFY(in.open(QIODevice::ReadOnly));
        QDomDocument document;
        QVERIFY(document.setContent(in.readAll()));
        DALIoRegisterDef registers(&document);
    } else if (reader == "packet") {
        DALPacket packet(QStringLiteral("prop_basic"));
        packetStatus = packet.getStatus();
    }
    QVERIFY(QDir::setCurrent(previous));

    const QStringList errors = DALCommon::getErrorList();
    if (reader == "packet") {
        // The packet reader keeps its message to itself (and prints it).
        QCOMPARE(packetStatus, 5);
        return;
    }
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

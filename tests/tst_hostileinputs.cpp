// Broken and hostile files through every file reader: each gets the loader's
// status and message, in bounded time, and never crashes or hangs.
#include "fixturetree.h"

#include "DALCommon.h"
#include "DALDeviceDescr.h"
#include "DALDeviceList.h"
#include "DALPacket.h"
#include "DALParamCmdMapping.h"
#include "DALParamDef.h"
#include "DALRadioParDef.h"
#include "DALRfCmdDef.h"

#include <QDir>
#include <QDomDocument>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

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

QTEST_GUILESS_MAIN(TestHostileInputs)
#include "tst_hostileinputs.moc"

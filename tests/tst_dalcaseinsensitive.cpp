// A tree written on a case-insensitive file system reads the same here: the
// sample tree with its directories and files renamed to upper and mixed case,
// and its references cased differently again, gives the same records and the
// same messages through every reader (as dal-inspect prints them).
#include "settingsfixture.h"

#include "DALCommon.h"
#include "DALPaSettingsDef.h"

#include <QDir>
#include <QDirIterator>
#include <QDomDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

namespace {

// "prop_868_50kbps.xml" -> "Prop_868_50Kbps.Xml"
QString mixedCase(QString const &name)
{
    QString result = name.toLower();
    bool wordStart = true;
    for (QChar &c : result) {
        if (wordStart)
            c = c.toUpper();
        wordStart = !c.isLetter();
    }
    return result;
}

// Copies the sample tree into root: directories and files in mixed case (but
// the override files, whose names the reader checks as they are), every path
// in device_config.xml and every test-function reference in the setting files
// with its letter case swapped, so that no reference matches the disk as
// written, lower-cased or upper-cased.
bool writeRenamedSample(QString const &root)
{
    const QString sample = QStringLiteral(DAL_SAMPLE_TREE);
    QDirIterator files(sample, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString source = files.next();
        const QStringList parts = QDir(sample).relativeFilePath(source).split(QLatin1Char('/'));
        QStringList renamed;
        for (int i = 0; i < parts.size(); ++i) {
            const bool file = i == parts.size() - 1;
            renamed << (file && parts.at(i).startsWith(QLatin1String("override_")) ? parts.at(i)
                                                                                    : mixedCase(parts.at(i)));
        }
        QFile in(source);
        if (!in.open(QIODevice::ReadOnly))
            return false;
        QString text = QString::fromUtf8(in.readAll());
        const auto swapInside = [&text](QRegularExpression const &pattern) {
            QString out;
            int last = 0;
            for (auto it = pattern.globalMatch(text); it.hasNext();) {
                const QRegularExpressionMatch m = it.next();
                QString value = m.captured(1);
                for (QChar &c : value)
                    c = c.isUpper() ? c.toLower() : c.toUpper();
                out += text.mid(last, m.capturedStart(1) - last) + value;
                last = m.capturedEnd(1);
            }
            text = out + text.mid(last);
        };
        swapInside(QRegularExpression(QStringLiteral("<path [^>]*>([^<]*)</path>")));
        swapInside(QRegularExpression(QStringLiteral("<(?:ContTX|ContRX|PacketTX|PacketRX)>([^<]*)<")));
        const QString target = root + renamed.join(QLatin1Char('/'));
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile out(target);
        if (!out.open(QIODevice::WriteOnly) || out.write(text.toUtf8()) < 0)
            return false;
    }
    return true;
}

QString inspect(QString const &root, QStringList const &arguments)
{
    QProcess process;
    process.start(QStringLiteral(DAL_INSPECT), QStringList{"--json", "--root", root} + arguments);
    if (!process.waitForFinished(60000))
        return QStringLiteral("did not finish");
    return QString::fromUtf8(process.readAllStandardOutput()).replace(root, QStringLiteral("<root>/"));
}

} // namespace

class TestDALCaseInsensitive : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetLibraryState(); }
    void renamedSampleReadsTheSame_data();
    void renamedSampleReadsTheSame();
    void ambiguousNamesFailToOpen();
    void listingsFollowTheTree();
};

void TestDALCaseInsensitive::renamedSampleReadsTheSame_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("device list") << QStringList{"devices"};
    for (const char *device : {"VO4725", "VO8395"}) {
        const QString d = QString::fromLatin1(device);
        for (const char *command : {"describe", "params", "radiopars", "commands", "overrides", "categories", "pa",
                                    "frontends"})
            QTest::newRow(QByteArray(command) + " " + device) << QStringList{QString::fromLatin1(command), d};
    }
    QTest::newRow("setting with every test function")
        << QStringList{"setting", "VO4725", "Proprietary 868 MHz", "prop_868_50kbps.xml", "--test-function", "all"};
    QTest::newRow("packet") << QStringList{"packet", "prop_basic"};
    QTest::newRow("code generation comment") << QStringList{"comment", "vo4725", "CMD_FS", "frequency"};
}

void TestDALCaseInsensitive::renamedSampleReadsTheSame()
{
    QFETCH(QStringList, arguments);
    FixtureTree tree;
    QVERIFY(writeRenamedSample(tree.root()));
    const QString expected = inspect(QStringLiteral(DAL_SAMPLE_TREE), arguments);
    const QString actual = inspect(tree.root(), arguments);
    // The same records and messages; file names and the directories of the
    // device map are printed as found.
    QCOMPARE(actual.toLower(), expected.toLower());
}

void TestDALCaseInsensitive::ambiguousNamesFailToOpen()
{
    FixtureTree tree;
    QVERIFY(tree.write("Dir/Foo.xml", "<a/>"));
    QVERIFY(tree.write("Dir/FOO.xml", "<b/>"));
    QVERIFY(tree.write("Dir/Bar.XML", "<c/>"));
    QDomDocument *document = nullptr;
    // No guess between two names that differ only in case.
    QCOMPARE(DALCommon::openDomDocument("dir/fOO.xml", "d", &document, true), 1);
    QCOMPARE(DALCommon::getErrorList(), QStringList{"File open failed: " + tree.path("dir/foo.xml")});
    QVERIFY(!document);
    // The one name that matches is taken.
    QCOMPARE(DALCommon::openDomDocument("DIR/bar.xml", "d", &document, true), 0);
    QCOMPARE(document->documentElement().tagName(), QStringLiteral("c"));
    delete document;
}

void TestDALCaseInsensitive::listingsFollowTheTree()
{
    CmdSettingsTree settings;
    FixtureTree &tree = settings.tree();
    QVERIFY(tree.write("Pa/PaSettings.XML", "<p><DefaultPaTable/></p>"));
    DALPaSettingsDef pa(tree.path("pa"), QStringLiteral("VO4725"), settings.cmdSettings(), false);
    QVERIFY(pa.getPaSettingsFile("pasettings.xml"));

    // A file created after its directory was listed is found all the same.
    QVERIFY(tree.write("Pa/Late.xml", "<late/>"));
    QDomDocument *document = nullptr;
    QCOMPARE(DALCommon::openDomDocument(tree.path("pa/late.xml"), "d", &document, false), 0);
    delete document;
    // A renamed directory is found again once the root is set anew.
    QVERIFY(QDir(tree.root()).rename("Pa", "PA2"));
    QCOMPARE(DALCommon::setConfigRoot(tree.root()), 0);
    QCOMPARE(DALCommon::openDomDocument(tree.path("pa2/late.xml"), "d", &document, false), 0);
    delete document;
    QCOMPARE(DALCommon::getErrorList(), QStringList());
}

QTEST_GUILESS_MAIN(TestDALCaseInsensitive)
#include "tst_dalcaseinsensitive.moc"

#include "settingsfixture.h"

#include "DALCommon.h"
#include "DALRfFrontEndSettings.h"

#include <QtTest>

#include <limits>

namespace {

using FrontEnds = DALRfFrontEndSettings;
const QString kDevice = QStringLiteral("VO4725");
const QString kInvalidMax = QStringLiteral(
    "File open failed: Invalid value specified for the \"FrequencyRange\" in the frontend_settings.xml file.");

QByteArray cmd(QByteArray const &name)
{
    return commandXml(name, "f", name);
}

QByteArray rangeXml(QByteArray const &min, QByteArray const &max, QByteArray const &commands)
{
    QByteArray xml = "<FrequencyRange>";
    if (!min.isNull())
        xml += "<Min>" + min + "</Min>";
    if (!max.isNull())
        xml += "<Max>" + max + "</Max>";
    return xml + commands + "</FrequencyRange>";
}

QByteArray frontEnd(QByteArray const &name, QByteArray const &body)
{
    return "<FrontEnd name=\"" + name + "\">" + body + "</FrontEnd>";
}

// A device with "frontend_settings.xml" holding frontEnds (none when null).
struct FrontEndTree : CmdSettingsTree
{
    explicit FrontEndTree(QByteArray const &frontEnds) : CmdSettingsTree({"categories.xml", "frontend_settings.xml"})
    {
        if (!frontEnds.isNull())
            write("frontend_settings.xml", "<FrontEndSettings>" + frontEnds + "</FrontEndSettings>");
    }
};

} // namespace

class TestDALRfFrontEndSettings : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetLibraryState(); }

    void noDirectory();
    void missingFile();
    void rangeSelection_data();
    void rangeSelection();
    void boundsAreStoredIn16Bits();
    void sameNameReplaces();
    void invalidMaxStopsOnlyThatFrontEnd();
    void commandErrorsNameTheFile();
    void nullCommandSettings();
    void copiesAndAssignments();
};

void TestDALRfFrontEndSettings::noDirectory()
{
    FixtureTree tree;
    QVERIFY(tree.writeDeviceConfig(kDevice, {"categories.xml"}));
    FrontEnds frontEnds(kDevice, nullptr);
    QCOMPARE(frontEnds.getStatus(), -1);
    QCOMPARE(DALCommon::getErrorList(),
             QStringList{"Configuration parameter error: Failed to find path to frontend_settings.xml for device: VO4725"});
    QVERIFY(frontEnds.getFrontEndNames().isEmpty());
}

void TestDALRfFrontEndSettings::missingFile()
{
    FrontEndTree tree{QByteArray()};
    QVERIFY(tree.isValid());
    FrontEnds frontEnds(kDevice, tree.cmdSettings());
    QCOMPARE(frontEnds.getStatus(), 1);
    QCOMPARE(DALCommon::getErrorList(),
             QStringList{"File open failed: " + tree.absolute("frontend_settings.xml")});
}

void TestDALRfFrontEndSettings::rangeSelection_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("frequency");
    QTest::addColumn<QStringList>("commands");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("no ranges, 0") << "plain" << 0.0 << QStringList{"P1", "P2"};
    QTest::newRow("no ranges, 915") << "plain" << 915.0 << QStringList{"P1", "P2"};
    QTest::newRow("in first range") << "band" << 868.0 << QStringList{"B868"};
    QTest::newRow("fallback to default") << "band" << 900.0 << QStringList{"BDEF"};
    QTest::newRow("zero is the default") << "band" << 0.0 << QStringList{"BDEF"};
    QTest::newRow("negative falls back") << "band" << -3.0 << QStringList{"BDEF"};
    QTest::newRow("nan falls back") << "band" << nan << QStringList{"BDEF"};
    QTest::newRow("fraction inside") << "band" << 870.5 << QStringList{"BDEF"};
    QTest::newRow("overlap, first wins") << "overlap" << 150.0 << QStringList{"LOW"};
    QTest::newRow("overlap, second") << "overlap" << 250.0 << QStringList{"HIGH"};
    QTest::newRow("upper bound inclusive") << "overlap" << 200.0 << QStringList{"LOW"};
    QTest::newRow("lower bound inclusive") << "overlap" << 100.0 << QStringList{"LOW"};
    QTest::newRow("no range, no default") << "overlap" << 99.0 << QStringList{};
    QTest::newRow("without Min covers from 0") << "nomin" << 250.0 << QStringList{"NM"};
    QTest::newRow("without Min is no default") << "nomin" << 0.0 << QStringList{};
    QTest::newRow("unknown front end") << "Band" << 868.0 << QStringList{};
}

void TestDALRfFrontEndSettings::rangeSelection()
{
    QFETCH(QString, name);
    QFETCH(double, frequency);
    QFETCH(QStringList, commands);
    FrontEndTree tree(frontEnd("plain", cmd("P1") + "<Wrap>" + cmd("P2") + "</Wrap>")
                      + frontEnd("band", cmd("OUTSIDE") + rangeXml("863", "870", cmd("B868")) + rangeXml("0", "0", cmd("BDEF"))
                                         + rangeXml("0", "0", cmd("BDEF2")))
                      + frontEnd("overlap", rangeXml("100", "200", cmd("LOW")) + rangeXml("150", "300", cmd("HIGH")))
                      + frontEnd("nomin", rangeXml(QByteArray(), "500", cmd("NM"))));
    QVERIFY(tree.isValid());
    FrontEnds frontEnds(kDevice, tree.cmdSettings());
    QCOMPARE(frontEnds.getStatus(), 0);
    QCOMPARE(commandNames(frontEnds.getFrontEndCommands(name, frequency)), commands);
    QVERIFY(DALCommon::getErrorList().isEmpty());
    QCOMPARE(frontEnds.getFrontEndNames(), (QStringList{"band", "nomin", "overlap", "plain"}));
}

void TestDALRfFrontEndSettings::boundsAreStoredIn16Bits()
{
    FrontEndTree tree(frontEnd("wide", rangeXml("65537", "70000", cmd("W")) + rangeXml("bad", "9", cmd("Z"))));
    FrontEnds frontEnds(kDevice, tree.cmdSettings());
    QCOMPARE(frontEnds.getStatus(), 0);
    const FrontEnds::FrontEnd *wide = frontEnds.getFrontEnd("wide");
    QVERIFY(wide);
    QCOMPARE(wide->frequencyRanges.size(), 2);
    QCOMPARE(uint(wide->frequencyRanges.at(0).min), 1u);
    QCOMPARE(uint(wide->frequencyRanges.at(0).max), 4464u);
    QCOMPARE(uint(wide->frequencyRanges.at(1).min), 0u); // an unreadable Min is 0, silently
    QCOMPARE(commandNames(frontEnds.getFrontEndCommands("wide", 1000.0)), QStringList{"W"});
    QVERIFY(!frontEnds.getFrontEnd("Wide"));
}

void TestDALRfFrontEndSettings::sameNameReplaces()
{
    FrontEndTree tree(frontEnd("fe", cmd("FIRST")) + frontEnd("fe", cmd("SECOND")) + "<FrontEnd>" + cmd("ANON") + "</FrontEnd>");
    FrontEnds frontEnds(kDevice, tree.cmdSettings());
    QCOMPARE(frontEnds.getFrontEndNames(), (QStringList{"", "fe"}));
    QCOMPARE(commandNames(frontEnds.getFrontEndCommands("fe", 0.0)), QStringList{"SECOND"});
    QCOMPARE(commandNames(frontEnds.getFrontEndCommands("", 1.0)), QStringList{"ANON"});
}

void TestDALRfFrontEndSettings::invalidMaxStopsOnlyThatFrontEnd()
{
    const QByteArray broken = frontEnd("broken", rangeXml("1", "10", cmd("KEPT")) + rangeXml("20", "x", cmd("LOST"))
                                                 + rangeXml("30", "40", cmd("LATER")));
    {
        FrontEndTree tree(broken + frontEnd("good", cmd("G")));
        FrontEnds frontEnds(kDevice, tree.cmdSettings());
        QCOMPARE(frontEnds.getStatus(), 0); // the last front end read succeeded
        QCOMPARE(DALCommon::getErrorList(), QStringList{kInvalidMax});
        QCOMPARE(frontEnds.getFrontEnd("broken")->frequencyRanges.size(), 1);
        QCOMPARE(commandNames(frontEnds.getFrontEndCommands("broken", 5.0)), QStringList{"KEPT"});
        QVERIFY(frontEnds.getFrontEndCommands("broken", 35.0).isEmpty());
        QCOMPARE(commandNames(frontEnds.getFrontEndCommands("good", 5.0)), QStringList{"G"});
    }
    FrontEndTree tree(frontEnd("good", cmd("G")) + frontEnd("missing", rangeXml("1", QByteArray(), cmd("M"))));
    FrontEnds frontEnds(kDevice, tree.cmdSettings());
    QCOMPARE(frontEnds.getStatus(), -1);
    QCOMPARE(DALCommon::getErrorList(), QStringList{kInvalidMax});
    QVERIFY(frontEnds.getFrontEnd("missing")->frequencyRanges.isEmpty());
}

void TestDALRfFrontEndSettings::commandErrorsNameTheFile()
{
    FrontEndTree tree(frontEnd("a", rangeXml("1", "2", "<Command name=\"C\"><Field>1</Field></Command>"))
                      + frontEnd("b", "<Command/>"));
    FrontEnds frontEnds(kDevice, tree.cmdSettings());
    QCOMPARE(frontEnds.getStatus(), -1);
    QCOMPARE(DALCommon::getErrorList(),
             (QStringList{"File open failed: Missing \"name\" attribute for element Field in frontend_settings.xml",
                          "File open failed: Missing \"name\" attribute for element Command in frontend_settings.xml"}));
    QVERIFY(frontEnds.getFrontEnd("a")->frequencyRanges.isEmpty());
    QVERIFY(frontEnds.getFrontEnd("b")->frequencyRanges.isEmpty());
}

void TestDALRfFrontEndSettings::nullCommandSettings()
{
    FrontEndTree tree(frontEnd("cmds", rangeXml("1", "2", QByteArray()) + rangeXml("3", "4", cmd("C")))
                      + frontEnd("empty", rangeXml("5", "6", QByteArray())));
    FrontEnds frontEnds(kDevice, nullptr);
    QCOMPARE(frontEnds.getStatus(), 0);
    QCOMPARE(DALCommon::getErrorList(), QStringList{"DALRfFrontEndSettings: Null pointer"});
    QCOMPARE(frontEnds.getFrontEnd("cmds")->frequencyRanges.size(), 1);
    QCOMPARE(frontEnds.getFrontEnd("empty")->frequencyRanges.size(), 1);
}

void TestDALRfFrontEndSettings::copiesAndAssignments()
{
    FrontEndTree tree(frontEnd("fe", rangeXml("1", "9", cmd("IN")) + rangeXml("0", "0", cmd("DEF"))));
    auto *original = new FrontEnds(kDevice, tree.cmdSettings());
    FrontEnds copy(*original);
    FrontEnds other(QStringLiteral("VO0000"), nullptr); // failed: no document, no front ends
    FrontEnds assigned(other);
    assigned = *original;
    other = copy;
    other = other;
    QVERIFY(copy.getFrontEnd("fe") != original->getFrontEnd("fe"));
    original->getFrontEnd("fe")->frequencyRanges.clear();
    delete original;
    for (FrontEnds *fe : {&copy, &assigned, &other}) {
        QCOMPARE(fe->getStatus(), 0);
        QCOMPARE(commandNames(fe->getFrontEndCommands("fe", 5.0)), QStringList{"IN"});
        QCOMPARE(commandNames(fe->getFrontEndCommands("fe", 50.0)), QStringList{"DEF"});
    }
    FrontEnds failed(QStringLiteral("VO0000"), nullptr);
    copy = failed;
    QCOMPARE(copy.getStatus(), -1);
    QVERIFY(copy.getFrontEndNames().isEmpty());
}

QTEST_GUILESS_MAIN(TestDALRfFrontEndSettings)
#include "tst_dalrffrontendsettings.moc"

#include "fixturetree.h"

#include "DALCommon.h"
#include "DALRfOverrideDef.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QtTest>

#include <memory>

namespace {

const QString kDir = "vo4725/overrides/";

QStringList recordNames(QList<DALRfOverrideDef::Override> const &overrides)
{
    QStringList names;
    for (const DALRfOverrideDef::Override &record : overrides)
        names.append(record.name);
    return names;
}

} // namespace

class TestDALRfOverrideDef : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetLibraryState(); }

    void fileSelectionAndOrder();
    void nameCheckIsCaseSensitive();
    void elementsAndWriteCustoms();
    void writeCustomValues_data();
    void writeCustomValues();
    void brokenFileIsSkipped();
    void noDirectory();
    void messagesAreTranslatable();
    void copiesOwnNoDocument();

private:
    std::unique_ptr<DALRfOverrideDef> load(FixtureTree &tree)
    {
        tree.writeDeviceConfig("VO4725", {"dummy_file_overrides.xml"}, "vo4725/overrides");
        QString device = "VO4725";
        return std::make_unique<DALRfOverrideDef>(device);
    }
};

void TestDALRfOverrideDef::fileSelectionAndOrder()
{
    FixtureTree tree;
    for (const char *name : {"override_b.xml", "Override_A.xml", "override_c.txt", "notes.xml",
                             "override_d.xml.bak", "override_0.xml"})
        QVERIFY(tree.write(kDir + name, "<Overrides/>"));
    QVERIFY(tree.mkdir(kDir + "override_dir.xml"));
    auto def = load(tree);

    // Override_A.xml is selected between the others and read under its own
    // spelling; only the case-sensitive name check objects to it.
    QCOMPARE(DALCommon::getErrorList(),
             QStringList{"Configuration parameter error: File name error, filename: Override_A.xml"});
    QCOMPARE(recordNames(def->getOverrides()),
             (QStringList{"override_0.xml", "Override_A.xml", "override_b.xml"}));
    QCOMPARE(DALCommon::getStatus(), 0);
}

void TestDALRfOverrideDef::nameCheckIsCaseSensitive()
{
    FixtureTree tree;
    // Both spellings exist, so the upper-case name opens the lower-case file.
    QVERIFY(tree.write(kDir + "override_a.xml", "<O><Element32b>1</Element32b></O>"));
    QVERIFY(tree.write(kDir + "Override_A.xml", "<O/>"));
    QVERIFY(tree.write(kDir + "override_b.xml", "<O/>"));
    auto def = load(tree);
    QCOMPARE(DALCommon::getErrorList(),
             QStringList{"Configuration parameter error: File name error, filename: Override_A.xml"});
    const QList<DALRfOverrideDef::Override> &overrides = def->getOverrides();
    QCOMPARE(overrides.size(), 3);
    QCOMPARE(overrides[2].name, QString("override_b.xml"));
    for (int i = 0; i < 2; ++i) {
        QVERIFY(overrides[i].name.compare("override_a.xml", Qt::CaseInsensitive) == 0);
        QCOMPARE(overrides[i].elements.size(), 1);
    }
}

void TestDALRfOverrideDef::elementsAndWriteCustoms()
{
    FixtureTree tree;
    QVERIFY(tree.write(kDir + "override_ble.xml",
                       "<Override><Block>"
                       "<Element32b type=\"HW_REG\" comment=\"Tx shape\">0x00F388D3<!--x--></Element32b>"
                       "<WriteCustom name=\"first\"><Values>1,2</Values></WriteCustom></Block>"
                       "<Element32b/>"
                       "<Element32b type=\"ADI\"><v>nested</v>tail</Element32b>"
                       "<WriteCustom><Data><Values>7</Values></Data><Values>8</Values></WriteCustom>"
                       "</Override>"));
    auto def = load(tree);
    QCOMPARE(DALCommon::getErrorList(), QStringList());
    const DALRfOverrideDef::Override record = def->getOverrides().value(0);
    QCOMPARE(record.name, QString("override_ble.xml"));
    QCOMPARE(record.elements.size(), 3);
    QCOMPARE(record.elements[0].type, QString("HW_REG"));
    QCOMPARE(record.elements[0].value, QString("0x00F388D3"));
    QCOMPARE(record.elements[0].comment, QString("Tx shape"));
    QCOMPARE(record.elements[1].type, QString());
    QCOMPARE(record.elements[1].value, QString());
    QCOMPARE(record.elements[1].comment, QString());
    // The value is the first child's: a leading element gives no text.
    QCOMPARE(record.elements[2].value, QString());
    QCOMPARE(record.writeCustoms.size(), 2);
    QCOMPARE(record.writeCustoms[0].name, QString("first"));
    QCOMPARE(record.writeCustoms[0].values, (QVector<quint8>{1, 2}));
    QCOMPARE(record.writeCustoms[1].name, QString());
    QCOMPARE(record.writeCustoms[1].values, QVector<quint8>{7});
}

void TestDALRfOverrideDef::writeCustomValues_data()
{
    QTest::addColumn<QByteArray>("values");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QVector<quint8>>("bytes");
    QTest::newRow("spaces") << QByteArray("<Values> 1, 2 ,3</Values>") << true << QVector<quint8>{1, 2, 3};
    QTest::newRow("low bytes") << QByteArray("<Values>256,-1,300</Values>") << true << QVector<quint8>{0, 255, 44};
    QTest::newRow("double comma") << QByteArray("<Values>1,,2</Values>") << false << QVector<quint8>();
    QTest::newRow("trailing comma") << QByteArray("<Values>1,2,</Values>") << false << QVector<quint8>();
    QTest::newRow("out of 16 bits") << QByteArray("<Values>70000</Values>") << false << QVector<quint8>();
    QTest::newRow("hex") << QByteArray("<Values>0x10</Values>") << false << QVector<quint8>();
    QTest::newRow("empty") << QByteArray("<Values/>") << false << QVector<quint8>();
    QTest::newRow("missing") << QByteArray() << false << QVector<quint8>();
}

void TestDALRfOverrideDef::writeCustomValues()
{
    QFETCH(QByteArray, values);
    QFETCH(bool, valid);
    QFETCH(QVector<quint8>, bytes);
    FixtureTree tree;
    QVERIFY(tree.write(kDir + "override_x.xml",
                       "<O><WriteCustom name=\"wc\">" + values + "</WriteCustom>"
                       "<WriteCustom name=\"after\"><Values>5</Values></WriteCustom>"
                       "<Element32b>1</Element32b></O>"));
    auto def = load(tree);
    const DALRfOverrideDef::Override record = def->getOverrides().value(0);
    QCOMPARE(record.elements.size(), 1);
    QCOMPARE(record.writeCustoms.last().name, QString("after"));
    if (valid) {
        QCOMPARE(DALCommon::getErrorList(), QStringList());
        QCOMPARE(record.writeCustoms.size(), 2);
        QCOMPARE(record.writeCustoms[0].values, bytes);
    } else {
        QCOMPARE(DALCommon::getErrorList(),
                 QStringList{"Configuration parameter error: Invalid format of Custom Write Values, "
                             "write custom name: wc"});
        QCOMPARE(record.writeCustoms.size(), 1);
    }
}

void TestDALRfOverrideDef::brokenFileIsSkipped()
{
    FixtureTree tree;
    QVERIFY(tree.write(kDir + "override_1.xml", "<O><Element32b>1</O>"));
    QVERIFY(tree.write(kDir + "override_2.xml", "<O/>"));
    auto def = load(tree);
    const QStringList errors = DALCommon::getErrorList();
    QCOMPARE(errors.size(), 2);
    const QString path = QFileInfo(tree.path(kDir + "override_1.xml")).absoluteFilePath();
    QVERIFY2(errors[0].startsWith("XML DOM parse failed: " + path + ", line 1: \n"), qPrintable(errors[0]));
    QCOMPARE(errors[1], QString("Configuration parameter error: Opening OR file failed, filename: override_1.xml"));
    QCOMPARE(recordNames(def->getOverrides()), QStringList{"override_2.xml"});
}

void TestDALRfOverrideDef::noDirectory()
{
    FixtureTree tree;
    tree.writeDeviceConfig("VO4725", {"rf_command_definitions.xml"});
    QString device = "VO4725";
    DALRfOverrideDef def(device);
    QCOMPARE(DALCommon::getErrorList(), QStringList{"Configuration parameter error: Failed to find path to "
                                                    "dummy_file_overrides.xml for device: VO4725"});
    QVERIFY(def.getOverrides().isEmpty());

    // An existing directory without override files is no error.
    resetLibraryState();
    QVERIFY(tree.write(kDir + "readme.txt", "x"));
    QVERIFY(load(tree)->getOverrides().isEmpty());
    QCOMPARE(DALCommon::getErrorList(), QStringList());
}

void TestDALRfOverrideDef::messagesAreTranslatable()
{
    MarkingTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    FixtureTree tree;
    QVERIFY(tree.write(kDir + "override_1.xml", "<O>"));
    QVERIFY(tree.write(kDir + "override_2.xml", "<O><WriteCustom name=\"w\"/></O>"));
    load(tree);
    QCoreApplication::removeTranslator(&translator);
    const QStringList errors = DALCommon::getErrorList();
    QCOMPARE(errors.size(), 3);
    QCOMPARE(errors[1], QString("Configuration parameter error: T<Opening OR file failed, filename: override_1.xml>"));
    QCOMPARE(errors[2], QString("Configuration parameter error: T<Invalid format of Custom Write Values, "
                                "write custom name: w>"));
}

void TestDALRfOverrideDef::copiesOwnNoDocument()
{
    FixtureTree tree;
    QVERIFY(tree.write(kDir + "override_1.xml", "<O><Element32b>7</Element32b></O>"));
    auto original = load(tree);
    DALRfOverrideDef copy(*original);
    QString other = "VO0000";
    DALRfOverrideDef assigned(other);
    assigned = *original;
    original.reset();
    copy.getOverrides()[0].name = "changed";
    QCOMPARE(assigned.getOverrides().value(0).name, QString("override_1.xml"));
    QCOMPARE(assigned.getOverrides().value(0).elements.value(0).value, QString("7"));
    DALRfOverrideDef second(copy);
    QCOMPARE(recordNames(second.getOverrides()), QStringList{"changed"});
}

QTEST_GUILESS_MAIN(TestDALRfOverrideDef)
#include "tst_dalrfoverridedef.moc"

#include "readerfixture.h"

#include "DALCommon.h"
#include "DALRadioParDef.h"

#include <QtTest>

#include <memory>

struct DALTestAccess
{
    static int status(DALRadioParDef const &def) { return def.m_status; }
};

namespace {

struct RadioFixture : ReaderFixture<DALRadioParDef>
{
    DALRadioParDef *def;
    explicit RadioFixture(QByteArray const &body)
        : ReaderFixture("radio_par_definitions.xml", "RadioParDefinitions", body), def(reader.get())
    {
    }
};

// "name=position" per field, in map order.
QStringList describe(DALRadioParDef::RadioParDef const &def)
{
    QStringList result;
    for (auto it = def.fields.cbegin(); it != def.fields.cend(); ++it) {
        QString text = it.key() + "=" + QString::number(it.value()->position);
        if (it.value()->name != it.key())
            text += " (named " + it.value()->name + ")";
        result.append(text);
    }
    return result;
}

QString invalid(QString const &field)
{
    return "File open failed: Invalid position of field " + field + " in radio_par_definitions.xml";
}

} // namespace

class TestDALRadioParDef : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetLibraryState(); }

    void definitionsInOrder();
    void positions_data();
    void positions();
    void failures();
    void copiesShareFieldsSafely();
};

void TestDALRadioParDef::definitionsInOrder()
{
    RadioFixture f("<RadioPar name=\"modulation\"><field name=\"b\"><position>2</position></field>"
                   "<group><field name=\"a\"><x><position> 1 </position></x></field></group></RadioPar>"
                   "<Radio><RadioPar name=\"empty\"/></Radio><RadioPar/>");
    QCOMPARE(DALTestAccess::status(*f.def), 0);
    QVERIFY(DALCommon::getErrorList().isEmpty());
    const QList<DALRadioParDef::RadioParDef> &pars = f.def->getDefinitions().radioPars;
    QCOMPARE(pars.count(), 3);
    QCOMPARE(pars.at(0).name, QString("modulation"));
    QCOMPARE(describe(pars.at(0)), (QStringList{"a=1", "b=2"}));
    QCOMPARE(pars.at(1).name, QString("empty"));
    QVERIFY(pars.at(1).fields.isEmpty());
    QVERIFY(pars.at(2).name.isEmpty());

    RadioFixture none("<Other/>");
    QCOMPARE(DALTestAccess::status(*none.def), 0);
    QVERIFY(none.def->getDefinitions().radioPars.isEmpty());

    // A later field of a name replaces the earlier one.
    RadioFixture later("<RadioPar name=\"r\"><field name=\"x\"><position>1</position></field>"
                         "<field name=\"x\"><position>2</position></field><field><position>z</position></field></RadioPar>");
    QCOMPARE(DALCommon::getErrorList(), QStringList{invalid("")});
    const DALRadioParDef::RadioParDef &def = later.def->getDefinitions().radioPars.at(0);
    QCOMPARE(describe(def), (QStringList{"=0", "x=2"}));
}

void TestDALRadioParDef::positions_data()
{
    QTest::addColumn<QByteArray>("position");
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("recorded");
    QTest::newRow("7") << QByteArray("<position>7</position>") << 7 << false;
    QTest::newRow("255") << QByteArray("<position>255</position>") << 255 << false;
    QTest::newRow("256") << QByteArray("<position>256</position>") << 0 << false;
    QTest::newRow("300") << QByteArray("<position>300</position>") << 44 << false;
    QTest::newRow("65535") << QByteArray("<position>65535</position>") << 255 << false;
    QTest::newRow("65536") << QByteArray("<position>65536</position>") << 0 << true;
    QTest::newRow("negative") << QByteArray("<position>-1</position>") << 0 << true;
    QTest::newRow("hex") << QByteArray("<position>0x10</position>") << 0 << true;
    QTest::newRow("empty") << QByteArray("<position/>") << 0 << true;
    QTest::newRow("missing") << QByteArray() << 0 << true;
    QTest::newRow("comment first") << QByteArray("<position><!-- c -->5</position>") << 0 << true;
    QTest::newRow("second ignored") << QByteArray("<position>3</position><position>4</position>") << 3 << false;
}

void TestDALRadioParDef::positions()
{
    QFETCH(QByteArray, position);
    QFETCH(int, expected);
    QFETCH(bool, recorded);
    RadioFixture f("<RadioPar name=\"r\"><field name=\"f\">" + position + "</field><field name=\"g\"><position>9</position>"
                   "</field></RadioPar>");
    QCOMPARE(DALTestAccess::status(*f.def), 0);
    QCOMPARE(DALCommon::getErrorList(), recorded ? QStringList{invalid("f")} : QStringList());
    const DALRadioParDef::RadioParDef &def = f.def->getDefinitions().radioPars.at(0);
    QCOMPARE(describe(def), (QStringList{"f=" + QString::number(expected), "g=9"}));
}

void TestDALRadioParDef::failures()
{
    {
        FixtureTree tree;
        tree.writeDeviceConfig("VO4725", {"param_definition.xml"});
        QString device = "VO4725";
        DALRadioParDef def(device);
        QCOMPARE(DALTestAccess::status(def), -1);
        QCOMPARE(DALCommon::getErrorList(),
                 QStringList{"Configuration parameter error: Failed to find path to radio_par_definitions.xml for device: VO4725"});
    }
    {
        FixtureTree tree;
        tree.writeDeviceConfig("VO4725", {"radio_par_definitions.xml"});
        QString device = "VO4725";
        DALRadioParDef def(device);
        QCOMPARE(DALTestAccess::status(def), 1);
        QVERIFY(def.getDefinitions().radioPars.isEmpty());
    }
    {
        RadioFixture f("<RadioPar>");
        QCOMPARE(DALTestAccess::status(*f.def), 2);
        QVERIFY(f.def->getDefinitions().radioPars.isEmpty());
    }
}

void TestDALRadioParDef::copiesShareFieldsSafely()
{
    RadioFixture f("<RadioPar name=\"r\"><field name=\"a\"><position>5</position></field></RadioPar>");
    auto copy = std::make_unique<DALRadioParDef>(*f.def);
    QString none = "VO0000";
    DALRadioParDef assigned(none);
    assigned = *f.def;
    DALRadioParDef &self = assigned;
    assigned = self;
    QCOMPARE(DALTestAccess::status(assigned), 0);

    // Copies hold the same records, which live while any of the objects does.
    DALRadioParDef::Field *field = f.def->getDefinitions().radioPars.at(0).fields.value("a");
    QCOMPARE(copy->getDefinitions().radioPars.at(0).fields.value("a"), field);
    QCOMPARE(assigned.getDefinitions().radioPars.at(0).fields.value("a"), field);
    field->position = 6;
    f.reader.reset();
    QCOMPARE(copy->getDefinitions().radioPars.at(0).fields.value("a")->position, quint8(6));
    copy.reset();
    QCOMPARE(field->name, QString("a"));
    // The last holder gives its share up: the records are freed once (the
    // sanitizers report a leak or a second free).
    assigned = DALRadioParDef(none);
    QVERIFY(assigned.getDefinitions().radioPars.isEmpty());
}

QTEST_GUILESS_MAIN(TestDALRadioParDef)
#include "tst_dalradiopardef.moc"

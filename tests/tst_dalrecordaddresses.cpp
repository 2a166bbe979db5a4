// Pointers and references that readers hand out into their records keep
// pointing at the same records, with the same contents, when the reader is
// copied or assigned and the copy is changed and destroyed.
#include "settingsfixture.h"

#include "DALCommon.h"
#include "DALDeviceDef.h"
#include "DALIoRegisterDef.h"
#include "DALPaSettingsDef.h"
#include "DALParamCmdMapping.h"
#include "DALParamDef.h"
#include "DALRadioParDef.h"
#include "DALRfCmdDef.h"
#include "DALRfCmdSettings.h"
#include "DALRfFrontEndSettings.h"
#include "DALRfOverrideDef.h"
#include "DALTargetDef.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

QString device()
{
    return QStringLiteral("VO4725");
}

QDomDocument sampleDocument(QString const &relative)
{
    QFile file(QStringLiteral(DAL_SAMPLE_TREE) + relative);
    QDomDocument document;
    if (!file.open(QIODevice::ReadOnly) || !document.setContent(&file))
        qFatal("cannot read %s", qPrintable(relative));
    return document;
}

// One accessor: how to build the reader, to reach a record through the
// accessor, to change that record (null when the accessor is read-only) and
// to describe it.
template <typename Object, typename Record>
struct Accessor
{
    std::function<std::unique_ptr<Object>()> make;
    std::function<Record *(Object &)> reach;
    std::function<void(Record &)> change;
    std::function<QString(Record const &)> describe;
};

template <typename Object, typename Record>
void checkAccessor(Accessor<Object, Record> const &accessor)
{
    std::unique_ptr<Object> original = accessor.make();
    Record *before = accessor.reach(*original);
    QVERIFY(before);
    const QString content = accessor.describe(*before);

    auto copy = std::make_unique<Object>(*original);
    auto assigned = std::make_unique<Object>(*original);
    *assigned = *original;
    QCOMPARE(accessor.reach(*original), before);
    for (Object *other : {copy.get(), assigned.get()}) {
        Record *theirs = accessor.reach(*other);
        QVERIFY(theirs);
        if (accessor.change) {
            QVERIFY(theirs != before);
            accessor.change(*theirs);
            QVERIFY(accessor.describe(*theirs) != content);
        }
        QCOMPARE(accessor.reach(*original), before);
        QCOMPARE(accessor.describe(*before), content);
    }
    copy.reset();
    assigned.reset();
    QCOMPARE(accessor.reach(*original), before);
    QCOMPARE(accessor.describe(*before), content);

    if (accessor.change) {
        // A change through the pointer taken first is the original's own.
        accessor.change(*before);
        QCOMPARE(accessor.reach(*original), before);
        QVERIFY(accessor.describe(*accessor.reach(*original)) != content);
    }
}

QString commandText(DALRfCmdSettings::Command const &command)
{
    return describe({command}).join(QString());
}

void renameCommand(DALRfCmdSettings::Command &command)
{
    command.name += QStringLiteral("_changed");
    command.fields.append({QStringLiteral("added"), QStringLiteral("1"), true});
}

// Shared by the readers that read their commands through a settings object.
struct SettingsHolder
{
    QString deviceName = device();
    DALRfCmdSettings settings{deviceName};
};

SettingsHolder &settingsHolder()
{
    static SettingsHolder holder;
    return holder;
}

using Check = std::function<void()>;

} // namespace

Q_DECLARE_METATYPE(Check)

class TestDALRecordAddresses : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The sample names its device directories relative to the working directory.
        QVERIFY(QDir::setCurrent(QStringLiteral(DAL_SAMPLE_TREE)));
        resetLibraryState();
        DALCommon::setConfigRoot(QStringLiteral(DAL_SAMPLE_TREE));
        QCOMPARE(settingsHolder().settings.getStatus(), 0);
    }
    void init() { DALCommon::clearErrorList(); }
    void cleanup() { QCOMPARE(DALCommon::getErrorList(), QStringList()); }

    void accessorsKeepTheirAddress_data();
    void accessorsKeepTheirAddress();
};

void TestDALRecordAddresses::accessorsKeepTheirAddress_data()
{
    QTest::addColumn<Check>("check");

    QTest::newRow("DALRfCmdSettings::getRfCategories") << Check([] {
        checkAccessor(Accessor<DALRfCmdSettings, DALRfCmdSettings::Command>{
            [] { QString d = device(); return std::make_unique<DALRfCmdSettings>(d); },
            [](DALRfCmdSettings &o) { return &o.getRfCategories().categories[0].settings[0].commands[0]; },
            renameCommand, commandText});
    });
    QTest::newRow("DALRfCmdDef::getRfCommandGroups") << Check([] {
        checkAccessor(Accessor<DALRfCmdDef, DALRfCmdDef::Field>{
            [] { QString d = device(); return std::make_unique<DALRfCmdDef>(d); },
            [](DALRfCmdDef &o) { return &o.getRfCommandGroups().groups[0].definitions[0].fields[0]; },
            [](DALRfCmdDef::Field &f) { f.bitfields.append(DALRfCmdDef::Bitfield{}); f.name += "_changed"; },
            [](DALRfCmdDef::Field const &f) { return f.name + QString::number(f.bitfields.size()); }});
    });
    QTest::newRow("DALRadioParDef::getDefinitions") << Check([] {
        checkAccessor(Accessor<DALRadioParDef, DALRadioParDef::RadioParDef>{
            [] { QString d = device(); return std::make_unique<DALRadioParDef>(d); },
            [](DALRadioParDef &o) { return &o.getDefinitions().radioPars[0]; },
            [](DALRadioParDef::RadioParDef &r) { r.fields.remove(r.fields.firstKey()); },
            [](DALRadioParDef::RadioParDef const &r) { return r.name + r.fields.keys().join(','); }});
    });
    QTest::newRow("DALRfOverrideDef::getOverrides") << Check([] {
        checkAccessor(Accessor<DALRfOverrideDef, DALRfOverrideDef::OverrideElement>{
            [] { QString d = device(); return std::make_unique<DALRfOverrideDef>(d); },
            [](DALRfOverrideDef &o) { return &o.getOverrides()[0].elements[0]; },
            [](DALRfOverrideDef::OverrideElement &e) { e.value += "_changed"; },
            [](DALRfOverrideDef::OverrideElement const &e) { return e.type + e.value + e.comment; }});
    });
    const auto makePa = [] {
        return std::make_unique<DALPaSettingsDef>(QString(), device(), &settingsHolder().settings, true);
    };
    QTest::newRow("DALPaSettingsDef::getPaSettingTable") << Check([makePa] {
        checkAccessor(Accessor<DALPaSettingsDef, DALPaSettingsDef::PaSettingTable>{
            makePa,
            [](DALPaSettingsDef &o) { return o.getPaSettingTable("pasettings.xml", "VO4725EM-868", 868); },
            [](DALPaSettingsDef::PaSettingTable &t) { t.paSettings[0].text += "_changed"; t.paSettings.removeLast(); },
            [](DALPaSettingsDef::PaSettingTable const &t) {
                QString text;
                for (const DALPaSettingsDef::PaSetting &s : t.paSettings)
                    text += s.text + QLatin1Char(';');
                return text;
            }});
    });
    QTest::newRow("DALPaSettingsDef::getPaSettingsFile") << Check([makePa] {
        checkAccessor(Accessor<DALPaSettingsDef, DALPaSettingsDef::RfDesign>{
            makePa,
            [](DALPaSettingsDef &o) { return &o.getPaSettingsFile("pasettings.xml")->rfDesigns[0]; },
            [](DALPaSettingsDef::RfDesign &d) { d.name += "_changed"; d.frequencyRanges.clear(); },
            [](DALPaSettingsDef::RfDesign const &d) { return d.name + QString::number(d.frequencyRanges.size()); }});
    });
    QTest::newRow("DALRfFrontEndSettings::getFrontEnd") << Check([] {
        checkAccessor(Accessor<DALRfFrontEndSettings, DALRfCmdSettings::Command>{
            [] { return std::make_unique<DALRfFrontEndSettings>(device(), &settingsHolder().settings); },
            [](DALRfFrontEndSettings &o) { return &o.getFrontEnd("Differential")->frequencyRanges[0].commands[0]; },
            renameCommand, commandText});
    });
    QTest::newRow("DALTargetDef::getTargets") << Check([] {
        checkAccessor(Accessor<DALTargetDef, DALTargetDef::Target>{
            [] {
                static QDomDocument targets = sampleDocument("targets/targets.xml");
                static QDomDocument board = sampleDocument("targets/eval_board_868.xml");
                QString first;
                QString second;
                auto def = std::make_unique<DALTargetDef>(first, second, &targets, QString());
                def->readTargetFile(&board, def->getFileInfolist().first());
                return def;
            },
            [](DALTargetDef &o) { return &o.getTargets().targets[0]; },
            [](DALTargetDef::Target &t) { t.name += "_changed"; t.ioSettings.clear(); },
            [](DALTargetDef::Target const &t) { return t.name + QString::number(t.ioSettings.size()); }});
    });
    QTest::newRow("DALDeviceDef::getDeviceDefinition") << Check([] {
        checkAccessor(Accessor<DALDeviceDef, DALDeviceDef::Package>{
            [] {
                static QDomDocument document = sampleDocument("vo4725/device_definition.xml");
                return std::make_unique<DALDeviceDef>(&document);
            },
            [](DALDeviceDef &o) { return &o.getDeviceDefinition()->packages[0]; },
            [](DALDeviceDef::Package &p) { p.ioPins.removeFirst(); },
            [](DALDeviceDef::Package const &p) { return p.name + p.ioPins.join(','); }});
    });
    QTest::newRow("DALIoRegisterDef::getIoRegisterDefinition") << Check([] {
        checkAccessor(Accessor<DALIoRegisterDef, DALIoRegisterDef::IoRegister>{
            [] {
                static QDomDocument document = sampleDocument("vo4725/io_registers.xml");
                return std::make_unique<DALIoRegisterDef>(&document);
            },
            [](DALIoRegisterDef &o) { return &(*o.getIoRegisterDefinition())[0]; },
            [](DALIoRegisterDef::IoRegister &r) { r.address += 1; },
            [](DALIoRegisterDef::IoRegister const &r) { return r.name + QString::number(r.address); }});
    });
    // Read-only accessors: a copy cannot be changed, but copying and
    // destroying it must not move the records.
    QTest::newRow("DALParamDef::getParamDefinition") << Check([] {
        checkAccessor(Accessor<DALParamDef, DALParamDef::ParamDefinition const>{
            [] { QString d = device(); return std::make_unique<DALParamDef>(d); },
            [](DALParamDef &o) { return o.getParamDefinition("deviation"); }, nullptr,
            [](DALParamDef::ParamDefinition const &p) { return p.name + p.label; }});
    });
    QTest::newRow("DALParamDef::depAt") << Check([] {
        checkAccessor(Accessor<DALParamDef, DALParamDef::Dependency const>{
            [] { QString d = device(); return std::make_unique<DALParamDef>(d); },
            [](DALParamDef &o) { return &o.depAt(2, 0); }, nullptr,
            [](DALParamDef::Dependency const &d) { return d.name + d.parameter; }});
    });
    QTest::newRow("DALParamCmdMapping::getDefaultListOfParameters") << Check([] {
        checkAccessor(Accessor<DALParamCmdMapping, DALParamCmdMapping::Parameter const>{
            [] { QString d = device(); return std::make_unique<DALParamCmdMapping>(d); },
            [](DALParamCmdMapping &o) { return &o.getDefaultListOfParameters()->at(0); }, nullptr,
            [](DALParamCmdMapping::Parameter const &p) { return p.names.join(',') + p.rfCommands.join(','); }});
    });
}

void TestDALRecordAddresses::accessorsKeepTheirAddress()
{
    QFETCH(Check, check);
    check();
}

QTEST_GUILESS_MAIN(TestDALRecordAddresses)
#include "tst_dalrecordaddresses.moc"

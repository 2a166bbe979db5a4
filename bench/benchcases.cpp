#include "benchcases.h"

#include "DALCommon.h"
#include "DALDeviceConfig.h"
#include "DALDeviceDescr.h"
#include "DALDeviceList.h"
#include "DALParamCmdMapping.h"
#include "DALParamDef.h"
#include "DALPaSettingsDef.h"
#include "DALRadioParDef.h"
#include "DALRfCmdDef.h"
#include "DALRfCmdSettings.h"
#include "DALRfFrontEndSettings.h"
#include "DALRfOverrideDef.h"
#include "DALRfOverrideMap.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QDomDocument>
#include <QFile>

#include <cstdio>

namespace DALBench {

namespace {

// Lookup sizes: every "N" dimension of the small tree, doubled in the large one.
const int kDevices = 1000;
const int kSettings = 100;     // per category, two categories
const int kParameters = 1000;
const int kDesigns = 200;
const int kFrontEnds = 200;
const int kMergeCommands = 100;
const int kOverrideNames = 1000;

QString s_scratch;
Tree s_trees[2];      // N and 2N
Tree s_mergeTrees[2]; // commands per setting N and 2N
Tree s_shared[2];     // test-function files named by 1 and by all settings
Tree s_device;        // the whole-device tree, about 2000 files
Tree s_cased[2];      // 5000 files, named as referenced and cased unlike the references

TreeGen::Params lookupParams(int scale)
{
    TreeGen::Params p;
    p.absolutePaths = true;
    p.devices = kDevices * scale;
    p.categories = 2;
    p.settingsPerCategory = kSettings * scale;
    p.settingsPerTfFile = 4;
    p.parameters = kParameters * scale;
    p.paDesigns = kDesigns * scale;
    p.paLevels = 4;
    p.frontEnds = kFrontEnds * scale;
    return p;
}

// The lookup tree N with 1000 settings naming 1000 test-function files.
TreeGen::Params deviceParams()
{
    TreeGen::Params p = lookupParams(1);
    p.settingsPerCategory = 500;
    return p;
}

// 2500 settings in two categories and 2500 test-function files.
TreeGen::Params casedParams(bool miscased)
{
    TreeGen::Params p;
    p.absolutePaths = true;
    p.devices = 1;
    p.categories = 2;
    p.settingsPerCategory = 1250;
    p.settingsPerTfFile = 4;
    p.miscased = miscased;
    return p;
}

TreeGen::Params mergeParams(int scale)
{
    TreeGen::Params p;
    p.absolutePaths = true;
    p.categories = 1;
    p.settingsPerCategory = 1;
    p.commandsPerSetting = kMergeCommands * scale;
    p.rfCommands = p.commandsPerSetting + 1;
    p.paDesigns = 1;
    p.paLevels = 1;
    p.frontEnds = 1;
    p.parameters = 4;
    return p;
}

TreeGen::Params sharedParams(bool shared)
{
    TreeGen::Params p;
    p.absolutePaths = true;
    p.categories = 4;
    p.settingsPerCategory = 32;
    p.settingsPerTfFile = shared ? 128 : 1;
    return p;
}

bool makeTree(Tree &tree, const QString &name, const TreeGen::Params &params)
{
    tree.root = s_scratch + name + QLatin1Char('/');
    tree.params = params;
    QString error;
    if (!TreeGen::write(tree.root, params, &error)) {
        std::fprintf(stderr, "dal-bench: %s\n", qPrintable(error));
        return false;
    }
    return true;
}

// Makes @p tree the one the library reads; the device map is read again.
void useTree(const Tree &tree)
{
    DALCommon::clearErrorList();
    DALDeviceConfig::deleteInstance();
    DALCommon::setConfigRoot(tree.root);
}

QString device0() { return TreeGen::deviceName(0); }

// Makes tree the current one with its device map read.
void useTreeMapped(const Tree &tree)
{
    useTree(tree);
    DALDeviceConfig::getPath(QStringLiteral("categories.xml"), device0(), QString(), QString());
}

} // namespace

void reportErrors(const char *what)
{
    if (!DALCommon::getErrorList().isEmpty()) {
        std::fprintf(stderr, "dal-bench: %s: %s\n", what, qPrintable(DALCommon::getErrorList().join(QLatin1Char('\n'))));
        DALCommon::clearErrorList();
    }
}

namespace {

// --- cases -------------------------------------------------------------

void parseFloor(const Tree &tree)
{
    for (const QString &path : TreeGen::deviceFiles(tree.root, tree.params)) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        QDomDocument document;
        document.setContent(&file);
        benchmark::DoNotOptimize(document);
    }
}

} // namespace

OpenDevice::OpenDevice(const Tree &tree)
{
    useTree(tree);
    QString device = device0();
    description.reset(new DALDeviceDescr(device, true));
    parameters.reset(new DALParamDef(device));
    mapping.reset(new DALParamCmdMapping(device));
    radioPars.reset(new DALRadioParDef(device));
    commands.reset(new DALRfCmdDef(device));
    overrides.reset(new DALRfOverrideDef(device));
    settings.reset(new DALRfCmdSettings(device));
    settings->getDefSetting(DALRfCmdSettings::TF_ALL);
    pa.reset(new DALPaSettingsDef(QString(), device, settings.get(), true));
    frontEnds.reset(new DALRfFrontEndSettings(device, settings.get()));
}

OpenDevice::~OpenDevice() = default;

namespace {

// A reader of the device with the device map read already.
template <typename Reader>
void constructReader()
{
    QString device = device0();
    Reader reader(device);
    benchmark::DoNotOptimize(&reader);
}

struct Fixture
{
    // Objects the lookup cases work on, made outside the measured part.
    std::unique_ptr<DALDeviceList> list;
    std::unique_ptr<DALParamDef> parameters;
    std::unique_ptr<DALRfCmdSettings> settings;
    std::unique_ptr<DALPaSettingsDef> pa;
    std::unique_ptr<DALRfFrontEndSettings> frontEnds;
    std::unique_ptr<DALRfCmdSettings> mergeSettings;
    DALRfCmdSettings::CmdSetting mergeTarget;
    QList<DALRfCmdSettings::Command> paCommands;
};

Fixture s_fixtures[2];

void prepareFixture(int size)
{
    Fixture &f = s_fixtures[size];
    useTree(s_trees[size]);
    QString device = device0();
    f.list.reset(new DALDeviceList(s_trees[size].root));
    f.parameters.reset(new DALParamDef(device));
    f.settings.reset(new DALRfCmdSettings(device));
    f.pa.reset(new DALPaSettingsDef(QString(), device, f.settings.get(), true));
    f.frontEnds.reset(new DALRfFrontEndSettings(device, f.settings.get()));
    reportErrors("lookup tree");

    useTree(s_mergeTrees[size]);
    f.mergeSettings.reset(new DALRfCmdSettings(device));
    f.mergeTarget = f.mergeSettings->getSetting(TreeGen::categoryName(0), TreeGen::settingFile(0, 0),
                                                DALRfCmdSettings::TF_NONE);
    DALPaSettingsDef pa(QString(), device, f.mergeSettings.get(), true);
    DALPaSettingsDef::PaSettingTable *table = pa.getPaSettingTable(QStringLiteral("pasettings.xml"),
                                                                   TreeGen::designName(0), 500);
    if (table && !table->paSettings.isEmpty())
        f.paCommands = table->paSettings.first().commands;
    reportErrors("merge tree");
}

void lookupSettings(int size)
{
    Fixture &f = s_fixtures[size];
    const TreeGen::Params &p = s_trees[size].params;
    for (int c = 0; c < p.categories; ++c) {
        for (int s = 0; s < p.settingsPerCategory; ++s) {
            DALRfCmdSettings::CmdSetting setting = f.settings->getSetting(
                TreeGen::categoryName(c), TreeGen::settingFile(c, s), DALRfCmdSettings::TF_ALL);
            benchmark::DoNotOptimize(setting);
        }
    }
}

void mergePaCommands(int size)
{
    Fixture &f = s_fixtures[size];
    DALRfCmdSettings::CmdSetting target = f.mergeTarget;
    f.mergeSettings->mergeCommandsToSetting(target, f.paCommands, true);
    benchmark::DoNotOptimize(target);
}

void lookupPaTables(int size)
{
    Fixture &f = s_fixtures[size];
    const QString file = QStringLiteral("pasettings.xml");
    for (int d = 0; d < s_trees[size].params.paDesigns; ++d)
        benchmark::DoNotOptimize(f.pa->getPaSettingTable(file, TreeGen::designName(d), 500));
}

void lookupFrontEnds(int size)
{
    Fixture &f = s_fixtures[size];
    for (int e = 0; e < s_trees[size].params.frontEnds; ++e) {
        QList<DALRfCmdSettings::Command> commands = f.frontEnds->getFrontEndCommands(TreeGen::frontEndName(e), 500.0);
        benchmark::DoNotOptimize(commands);
    }
}

void lookupDeviceBriefs(int size)
{
    Fixture &f = s_fixtures[size];
    for (int d = 0; d < s_trees[size].params.devices; ++d) {
        QString brief = f.list->getDeviceBrief(TreeGen::deviceName(d));
        benchmark::DoNotOptimize(brief);
    }
}

void lookupParameters(int size)
{
    Fixture &f = s_fixtures[size];
    for (int i = 0; i < s_trees[size].params.parameters; ++i)
        benchmark::DoNotOptimize(f.parameters->getParamDefinition(TreeGen::parameterName(i)));
}

void overrideMap(int size)
{
    const int names = kOverrideNames * (size + 1);
    DALRfOverrideMap map;
    for (int i = 0; i < names; ++i)
        map.addOverrideIndex(QStringLiteral("ovr%1").arg(i), i);
    for (int i = 0; i < names; ++i)
        map.addOverrideIndex(QStringLiteral("ovr%1").arg(i), i + 1);
    for (int i = 0; i < names; ++i)
        benchmark::DoNotOptimize(map.getIndexes(QStringLiteral("ovr%1").arg(i)).size());
}

} // namespace

std::vector<Case> cases()
{
    std::vector<Case> list;
    const Tree &t = s_device;
    auto ready = [&t] { useTreeMapped(t); };
    list.push_back({"floor/parse", [&t] { parseFloor(t); }, {}});
    list.push_back({"device/open", [&t] { OpenDevice open(t); benchmark::DoNotOptimize(&open); }, {}});
    list.push_back({"reader/description", [] { QString d = device0(); DALDeviceDescr r(d, true); benchmark::DoNotOptimize(&r); }, ready});
    list.push_back({"reader/parameters", [] { constructReader<DALParamDef>(); }, ready});
    list.push_back({"reader/mapping", [] { constructReader<DALParamCmdMapping>(); }, ready});
    list.push_back({"reader/radioPars", [] { constructReader<DALRadioParDef>(); }, ready});
    list.push_back({"reader/commands", [] { constructReader<DALRfCmdDef>(); }, ready});
    list.push_back({"reader/overrides", [] { constructReader<DALRfOverrideDef>(); }, ready});
    list.push_back({"reader/settings", [] { constructReader<DALRfCmdSettings>(); }, ready});
    list.push_back({"reader/pa", [] {
        QString d = device0();
        static std::unique_ptr<DALRfCmdSettings> settings;
        if (!settings)
            settings.reset(new DALRfCmdSettings(d));
        DALPaSettingsDef pa(QString(), d, settings.get(), true);
        benchmark::DoNotOptimize(&pa);
    }, ready});
    list.push_back({"reader/frontEnds", [] {
        QString d = device0();
        static std::unique_ptr<DALRfCmdSettings> settings;
        if (!settings)
            settings.reset(new DALRfCmdSettings(d));
        DALRfFrontEndSettings frontEnds(d, settings.get());
        benchmark::DoNotOptimize(&frontEnds);
    }, ready});
    for (int shared = 0; shared < 2; ++shared) {
        const Tree &s = s_shared[shared];
        list.push_back({shared ? "tf/settings-sharing-128" : "tf/settings-sharing-1",
                        [] { constructReader<DALRfCmdSettings>(); },
                        [&s] { useTreeMapped(s); }});
        list.push_back({shared ? "tf/floor-sharing-128" : "tf/floor-sharing-1", [&s] { parseFloor(s); }, {}});
    }
    // Resolution: the settings reader on names cased as referenced and on the
    // same tree cased unlike them; the difference is the cost of resolving.
    list.push_back({"case/floor", [] { parseFloor(s_cased[1]); }, {}});
    list.push_back({"case/settings-exact", [] { constructReader<DALRfCmdSettings>(); }, [] { useTreeMapped(s_cased[0]); }});
    list.push_back({"case/settings-miscased", [] { constructReader<DALRfCmdSettings>(); }, [] { useTreeMapped(s_cased[1]); }});
    const char *sizes[] = {"N", "2N"};
    for (int size = 0; size < 2; ++size) {
        const std::string suffix = std::string("/") + sizes[size];
        list.push_back({"growth/settingsReader" + suffix, [] { constructReader<DALRfCmdSettings>(); },
                        [size] { useTreeMapped(s_trees[size]); }});
        list.push_back({"lookup/getSetting" + suffix, [size] { lookupSettings(size); }, {}});
        list.push_back({"lookup/mergeCommandsToSetting" + suffix, [size] { mergePaCommands(size); }, {}});
        list.push_back({"lookup/getPaSettingTable" + suffix, [size] { lookupPaTables(size); }, {}});
        list.push_back({"lookup/getFrontEndCommands" + suffix, [size] { lookupFrontEnds(size); }, {}});
        list.push_back({"lookup/getDeviceBrief" + suffix, [size] { lookupDeviceBriefs(size); }, {}});
        list.push_back({"lookup/getParamDefinition" + suffix, [size] { lookupParameters(size); }, {}});
        list.push_back({"lookup/overrideMap" + suffix, [size] { overrideMap(size); }, {}});
    }
    return list;
}

bool setUpTrees(bool deviceOnly)
{
    s_scratch = QDir::tempPath().toLower() + QStringLiteral("/dal-bench-%1/").arg(QCoreApplication::applicationPid());
    if (!makeTree(s_device, QStringLiteral("device"), deviceParams()))
        return false;
    return deviceOnly
           || (makeTree(s_trees[0], QStringLiteral("n"), lookupParams(1))
               && makeTree(s_trees[1], QStringLiteral("2n"), lookupParams(2))
               && makeTree(s_mergeTrees[0], QStringLiteral("merge-n"), mergeParams(1))
               && makeTree(s_mergeTrees[1], QStringLiteral("merge-2n"), mergeParams(2))
               && makeTree(s_shared[0], QStringLiteral("tf-1"), sharedParams(false))
               && makeTree(s_shared[1], QStringLiteral("tf-128"), sharedParams(true))
               && makeTree(s_cased[0], QStringLiteral("cased-exact"), casedParams(false))
               && makeTree(s_cased[1], QStringLiteral("cased-mis"), casedParams(true)));
}

void removeTrees()
{
    DALDeviceConfig::deleteInstance();
    QDir(s_scratch).removeRecursively();
}

const Tree &deviceTree() { return s_device; }

void prepareFixtures()
{
    prepareFixture(0);
    prepareFixture(1);
}

void releaseFixtures()
{
    s_fixtures[0] = Fixture();
    s_fixtures[1] = Fixture();
}

} // namespace DALBench

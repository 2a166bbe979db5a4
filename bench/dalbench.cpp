// dal-bench: loading cost of a generated device against the bare parse of its
// files, lookups at two sizes, and the peak memory of a whole-device open.
//
//   dal-bench [Google Benchmark options]   wall-clock timings
//   dal-bench --callgrind                  runs every case once between callgrind
//                                          dumps (run it under valgrind --tool=callgrind)
//   dal-bench --rss                        peak resident memory of a whole-device open

#include "treegen.h"

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
#include <valgrind/callgrind.h>

#include <QCoreApplication>
#include <QDir>
#include <QDomDocument>
#include <QFile>

#include <sys/resource.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

namespace {

// Lookup sizes: every "N" dimension of the small tree, doubled in the large one.
const int kDevices = 1000;
const int kSettings = 100;     // per category, two categories
const int kParameters = 1000;
const int kDesigns = 200;
const int kFrontEnds = 200;
const int kMergeCommands = 100;
const int kOverrideNames = 1000;

struct Tree
{
    QString root;
    TreeGen::Params params;
};

QString s_scratch;
Tree s_trees[2];      // N and 2N
Tree s_mergeTrees[2]; // commands per setting N and 2N
Tree s_shared[2];     // test-function files named by 1 and by all settings

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

void reportErrors(const char *what)
{
    if (!DALCommon::getErrorList().isEmpty()) {
        std::fprintf(stderr, "dal-bench: %s: %s\n", what, qPrintable(DALCommon::getErrorList().join(QLatin1Char('\n'))));
        DALCommon::clearErrorList();
    }
}

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

// Every reader of the device, as a whole-device check opens them.
struct OpenDevice
{
    explicit OpenDevice(const Tree &tree)
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
    std::unique_ptr<DALDeviceDescr> description;
    std::unique_ptr<DALParamDef> parameters;
    std::unique_ptr<DALParamCmdMapping> mapping;
    std::unique_ptr<DALRadioParDef> radioPars;
    std::unique_ptr<DALRfCmdDef> commands;
    std::unique_ptr<DALRfOverrideDef> overrides;
    std::unique_ptr<DALRfCmdSettings> settings;
    std::unique_ptr<DALPaSettingsDef> pa;
    std::unique_ptr<DALRfFrontEndSettings> frontEnds;
};

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

struct Case
{
    std::string name;
    std::function<void()> run;
    std::function<void()> setUp; // outside the measured part
};

std::vector<Case> cases()
{
    std::vector<Case> list;
    const Tree &t = s_trees[0];
    auto ready = [&t] { useTree(t); DALDeviceConfig::getPath(QStringLiteral("categories.xml"), device0(), QString(), QString()); };
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
                        [&s] { useTree(s); DALDeviceConfig::getPath(QStringLiteral("categories.xml"), device0(), QString(), QString()); }});
        list.push_back({shared ? "tf/floor-sharing-128" : "tf/floor-sharing-1", [&s] { parseFloor(s); }, {}});
    }
    const char *sizes[] = {"N", "2N"};
    for (int size = 0; size < 2; ++size) {
        const std::string suffix = std::string("/") + sizes[size];
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

long peakRssKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

bool setUpTrees()
{
    s_scratch = QDir::tempPath().toLower() + QStringLiteral("/dal-bench-%1/").arg(QCoreApplication::applicationPid());
    return makeTree(s_trees[0], QStringLiteral("n"), lookupParams(1))
           && makeTree(s_trees[1], QStringLiteral("2n"), lookupParams(2))
           && makeTree(s_mergeTrees[0], QStringLiteral("merge-n"), mergeParams(1))
           && makeTree(s_mergeTrees[1], QStringLiteral("merge-2n"), mergeParams(2))
           && makeTree(s_shared[0], QStringLiteral("tf-1"), sharedParams(false))
           && makeTree(s_shared[1], QStringLiteral("tf-128"), sharedParams(true));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    bool callgrind = false;
    bool rss = false;
    std::vector<char *> rest;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--callgrind") == 0)
            callgrind = true;
        else if (std::strcmp(argv[i], "--rss") == 0)
            rss = true;
        else
            rest.push_back(argv[i]);
    }
    if (callgrind)
        CALLGRIND_STOP_INSTRUMENTATION;
    if (rss) {
        // Only the tree of size N, so that the figure is the open alone.
        s_scratch = QDir::tempPath().toLower() + QStringLiteral("/dal-bench-%1/").arg(QCoreApplication::applicationPid());
        if (!makeTree(s_trees[0], QStringLiteral("n"), lookupParams(1)))
            return 1;
        qint64 bytes = 0;
        for (const QString &path : TreeGen::deviceFiles(s_trees[0].root, s_trees[0].params))
            bytes += QFileInfo(path).size();
        const long before = peakRssKb();
        {
            OpenDevice open(s_trees[0]);
            reportErrors("whole-device open");
            std::printf("files of the device: %lld KiB\npeak RSS before the open: %ld KiB\n"
                        "peak RSS with the whole device open: %ld KiB\n",
                        static_cast<long long>(bytes / 1024), before, peakRssKb());
        }
        QDir(s_scratch).removeRecursively();
        return 0;
    }
    if (!setUpTrees())
        return 1;
    {
        OpenDevice check(s_trees[0]);
        reportErrors("whole-device open");
    }
    prepareFixture(0);
    prepareFixture(1);
    const std::vector<Case> all = cases();

    if (callgrind) {
        // Each case once to warm up, then once between zeroed and dumped counters.
        // DAL_BENCH_ONLY=PREFIX limits the run to the cases whose name starts so.
        const std::string only = qEnvironmentVariable("DAL_BENCH_ONLY").toStdString();
        for (const Case &c : all) {
            if (c.name.compare(0, only.size(), only) != 0)
                continue;
            if (c.setUp)
                c.setUp();
            c.run();
            if (c.setUp)
                c.setUp();
            CALLGRIND_START_INSTRUMENTATION;
            CALLGRIND_ZERO_STATS;
            c.run();
            CALLGRIND_DUMP_STATS_AT(c.name.c_str());
            CALLGRIND_STOP_INSTRUMENTATION;
        }
    } else {
        for (const Case &c : all) {
            benchmark::RegisterBenchmark(c.name.c_str(), [c](benchmark::State &state) {
                if (c.setUp)
                    c.setUp();
                for (auto _ : state)
                    c.run();
            })->Unit(benchmark::kMicrosecond);
        }
        int count = static_cast<int>(rest.size());
        benchmark::Initialize(&count, rest.data());
        benchmark::RunSpecifiedBenchmarks();
    }
    s_fixtures[0] = Fixture();
    s_fixtures[1] = Fixture();
    DALDeviceConfig::deleteInstance();
    QDir(s_scratch).removeRecursively();
    return 0;
}

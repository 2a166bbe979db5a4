// dal-bench: loading cost of a generated device against the bare parse of its
// files, lookups at two sizes, and the memory a whole-device open holds.
//
//   dal-bench [Google Benchmark options]   wall-clock timings
//   dal-bench --callgrind                  runs every case once between callgrind
//                                          dumps (run it under valgrind --tool=callgrind)
//   dal-bench --rss                        memory of a whole-device open

#include "benchcases.h"

#include <benchmark/benchmark.h>
#include <valgrind/callgrind.h>

#include <QCoreApplication>
#include <QFileInfo>

#include <malloc.h>
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

using namespace DALBench;

namespace {

// A throwaway allocation large enough to make the allocator consolidate what
// was freed before it: done before and at the end of each measured region,
// the cost of freeing lands in the region that freed.
void settleHeap()
{
    void *block = std::malloc(64 * 1024);
    benchmark::DoNotOptimize(block);
    std::free(block);
}

long peakRssKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Resident memory now, after the allocator returned what it can.
long residentKb()
{
    malloc_trim(0);
    long pages = 0;
    long resident = 0;
    if (FILE *statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return resident * 4;
}

long heapInUseKb() { return static_cast<long>(mallinfo2().uordblks / 1024); }

int runRss()
{
    if (!setUpTrees(true))
        return 1;
    qint64 bytes = 0;
    const QStringList files = TreeGen::deviceFiles(deviceTree().root, deviceTree().params);
    for (const QString &path : files)
        bytes += QFileInfo(path).size();
    const long heapBefore = heapInUseKb();
    const long residentBefore = residentKb();
    {
        OpenDevice open(deviceTree());
        reportErrors("whole-device open");
        std::printf("files of the device: %lld, %lld KiB\n"
                    "heap in use: %ld KiB before the open, %ld KiB held with the device open (+%ld)\n"
                    "resident: %ld KiB before the open, %ld KiB with the device open (+%ld)\n"
                    "peak resident: %ld KiB\n",
                    static_cast<long long>(files.size()), static_cast<long long>(bytes / 1024), heapBefore,
                    heapInUseKb(), heapInUseKb() - heapBefore, residentBefore, residentKb(),
                    residentKb() - residentBefore, peakRssKb());
    }
    removeTrees();
    return 0;
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
    if (rss)
        return runRss();
    if (!setUpTrees(false))
        return 1;
    {
        OpenDevice check(deviceTree());
        reportErrors("whole-device open");
    }
    prepareFixtures();
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
            settleHeap();
            CALLGRIND_START_INSTRUMENTATION;
            CALLGRIND_ZERO_STATS;
            c.run();
            settleHeap();
            CALLGRIND_DUMP_STATS_AT(c.name.c_str());
            CALLGRIND_STOP_INSTRUMENTATION;
        }
    } else {
        for (const Case &c : all) {
            benchmark::RegisterBenchmark(c.name.c_str(), [c](benchmark::State &state) {
                if (c.setUp)
                    c.setUp();
                for (auto _ : state) {
                    c.run();
                    settleHeap();
                }
            })->Unit(benchmark::kMicrosecond);
        }
        int count = static_cast<int>(rest.size());
        benchmark::Initialize(&count, rest.data());
        benchmark::RunSpecifiedBenchmarks();
    }
    releaseFixtures();
    removeTrees();
    return 0;
}

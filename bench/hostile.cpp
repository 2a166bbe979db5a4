// dal-hostile: the cost of every hostile input through every file reader.
//
// Each input is written where every reader looks for its file, in a tree of
// its own; each reader then runs in a fresh process of this program, which
// reports its own peak resident memory (VmHWM: the high-water mark of the
// program after exec, not of the copy of this process that fork made). Prints, per input, the
// slowest reader and the largest peak, against the bounds: 5 seconds, and
// 64 MiB plus 40 times the file's size. Exits 1 when a bound is broken.
//
//   dal-hostile [--verbose] [--filter TEXT]
//       --filter TEXT   only the inputs whose name contains TEXT
//       --verbose       a line for every reader, not only the slowest and largest
#include "fixturetree.h"
#include "hostilefiles.h"

#include "DALCommon.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr double kTimeLimitSeconds = 5.0;
constexpr qint64 kMemoryAllowance = 64 * 1024 * 1024;
constexpr qint64 kMemoryPerFileByte = 40;

struct Run
{
    double seconds = 0;
    qint64 peakBytes = 0;
    bool exited = false;
};

// Runs reader number index on the tree at root in a new process; the child
// writes its peak resident memory in KiB to the pipe it is given.
Run runChild(QString const &program, int index, QString const &root)
{
    Run run;
    int report[2];
    if (::pipe(report) != 0)
        return run;
    QElapsedTimer timer;
    timer.start();
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(report[0]);
        const QByteArray programName = QFile::encodeName(program);
        const QByteArray readerIndex = QByteArray::number(index);
        const QByteArray rootName = QFile::encodeName(root);
        const QByteArray reportFd = QByteArray::number(report[1]);
        ::execl(programName.constData(), programName.constData(), "--read", readerIndex.constData(),
                rootName.constData(), reportFd.constData(), static_cast<char *>(nullptr));
        ::_exit(127);
    }
    ::close(report[1]);
    QByteArray peak;
    char buffer[64];
    for (ssize_t got; (got = ::read(report[0], buffer, sizeof buffer)) > 0;)
        peak.append(buffer, int(got));
    ::close(report[0]);
    int status = 0;
    if (child > 0 && ::waitpid(child, &status, 0) == child) {
        run.exited = WIFEXITED(status) && WEXITSTATUS(status) == 0;
        run.peakBytes = peak.trimmed().toLongLong() * 1024;
    }
    run.seconds = timer.nsecsElapsed() / 1e9;
    return run;
}

// The high-water mark of this process's resident memory, in KiB.
qint64 peakResidentKib()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return 0;
}

// The child: reads the tree's file with one reader, as a host would.
int readOnce(int index, QString const &root, int reportFd)
{
    const QVector<HostileFiles::Reader> &readers = HostileFiles::readers();
    if (index < 0 || index >= readers.size())
        return 2;
    QDir::setCurrent(root);
    DALCommon::setConfigRoot(root);
    readers.at(index).run();
    const QByteArray peak = QByteArray::number(peakResidentKib()) + '\n';
    return ::write(reportFd, peak.constData(), size_t(peak.size())) == peak.size() ? 0 : 2;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() == 5 && arguments.at(1) == QLatin1String("--read"))
        return readOnce(arguments.at(2).toInt(), arguments.at(3), arguments.at(4).toInt());
    const bool verbose = arguments.contains(QStringLiteral("--verbose"));
    const int filterAt = arguments.indexOf(QStringLiteral("--filter"));
    const QString filter = filterAt > 0 && filterAt + 1 < arguments.size() ? arguments.at(filterAt + 1) : QString();

    const QVector<HostileFiles::Reader> &readers = HostileFiles::readers();
    std::printf("%-48s %10s  %-26s %8s  %-26s %9s %9s\n", "input", "bytes", "slowest reader", "seconds",
                "largest reader", "peak MiB", "limit MiB");
    bool withinBounds = true;
    for (const HostileFiles::Input &input : HostileFiles::inputs()) {
        if (!QString::fromLatin1(input.name).contains(filter))
            continue;
        FixtureTree tree;
        if (!tree.isValid() || !HostileFiles::prepareTree(tree))
            return 2;
        qint64 size = 0;
        for (const HostileFiles::Reader &reader : readers) {
            const QString path = tree.path(QString::fromLatin1(reader.file));
            QFile::remove(path);
            if (!input.write(path))
                return 2;
            size = std::max(size, QFileInfo(path).size());
        }
        const qint64 limit = kMemoryAllowance + kMemoryPerFileByte * size;
        Run slowest;
        Run largest;
        const char *slowestName = "";
        const char *largestName = "";
        for (int i = 0; i < readers.size(); ++i) {
            const Run run = runChild(app.applicationFilePath(), i, tree.root());
            if (verbose)
                std::printf("    %-26s %8.2f s %9.1f MiB\n", readers.at(i).name, run.seconds, run.peakBytes / 1048576.0);
            if (!run.exited) {
                std::printf("%s: reader %s did not finish\n", input.name, readers.at(i).name);
                withinBounds = false;
            }
            if (run.seconds > slowest.seconds) {
                slowest = run;
                slowestName = readers.at(i).name;
            }
            if (run.peakBytes > largest.peakBytes) {
                largest = run;
                largestName = readers.at(i).name;
            }
        }
        const bool ok = slowest.seconds <= kTimeLimitSeconds && largest.peakBytes <= limit;
        withinBounds = withinBounds && ok;
        std::printf("%-48s %10lld  %-26s %8.2f  %-26s %9.1f %9.1f%s\n", input.name, static_cast<long long>(size),
                    slowestName, slowest.seconds, largestName, largest.peakBytes / 1048576.0, limit / 1048576.0,
                    ok ? "" : "  OVER");
        std::fflush(stdout);
    }
    return withinBounds ? 0 : 1;
}

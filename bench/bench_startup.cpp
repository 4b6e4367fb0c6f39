// Start-up against a bare program: both are started as processes, each time in a new empty
// folder, until their first question box has been painted (they end there by themselves,
// see platform/ui/startprobe.h). Prints the medians and their ratio.
// Run:  build/bench/bench_startup [runs]   (offscreen unless QT_QPA_PLATFORM says otherwise)
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Milliseconds from the start of `program` in `folder` to its first question painted; -1 when
// it failed.
double TimeStart(const QString &program, const QTemporaryDir &folder)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("KESTOV_EXIT_AT_FIRST_QUESTION"), QStringLiteral("1"));
    if (!environment.contains(QStringLiteral("QT_QPA_PLATFORM")))
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // Settings of their own, so that no remembered window position counts.
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder.path());
    environment.insert(QStringLiteral("HOME"), folder.path());
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder.path());
    process.setProcessChannelMode(QProcess::SeparateChannels);
    QElapsedTimer timer;
    timer.start();
    process.start(program, {});
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    if (!process.readAllStandardOutput().contains("question painted"))
        return -1;
    return ms;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    const QString program = QStringLiteral(KESTOV_PROGRAM);
    const QString bare = QStringLiteral(BARE_PROGRAM);
    // A first start finds a new empty folder; a later one finds what the first start left.
    QTemporaryDir bareFolder;
    QTemporaryDir programFolder;
    std::vector<double> times[2][2]; // [later][program]
    // One start of each first, untimed: the disk cache then holds both alike.
    for (int i = -1; i < runs; ++i) {
        for (const bool later : { false, true }) {
            const QTemporaryDir fresh[2];
            const double b = TimeStart(bare, later ? bareFolder : fresh[0]);
            const double p = TimeStart(program, later ? programFolder : fresh[1]);
            if (b < 0 || p < 0) {
                std::fprintf(stderr, "error: a start did not reach its question (%s: %.1f, %s: %.1f)\n",
                    qPrintable(bare), b, qPrintable(program), p);
                return 1;
            }
            if (i >= 0) {
                times[later][0].push_back(b);
                times[later][1].push_back(p);
            }
        }
    }
    std::printf("start-up to the first question painted, median of %d starts:\n", runs);
    for (const bool later : { false, true }) {
        const double b = Median(times[later][0]);
        const double p = Median(times[later][1]);
        std::printf("  %-34s bare %6.1f ms, Game of Kestov %6.1f ms, ratio %5.2f\n",
            later ? "later start (folder prepared):" : "first start (new empty folder):", b, p, p / b);
    }
    return 0;
}

// Start-up against a bare program: both are started as processes, each time in a new empty
// folder, until their first question box has been painted (they end there by themselves,
// see platform/startprobe_ui.h). Prints the medians and their ratio.
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

// Milliseconds from the start of `program` to its first question painted; -1 when it failed.
double TimeStart(const QString &program)
{
    QTemporaryDir folder;
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
    std::vector<double> programTimes;
    std::vector<double> bareTimes;
    // One start of each first, untimed: the disk cache then holds both alike.
    for (int i = -1; i < runs; ++i) {
        const double b = TimeStart(bare);
        const double p = TimeStart(program);
        if (b < 0 || p < 0) {
            std::fprintf(stderr, "error: a start did not reach its question (%s: %.1f, %s: %.1f)\n", qPrintable(bare),
                b, qPrintable(program), p);
            return 1;
        }
        if (i >= 0) {
            bareTimes.push_back(b);
            programTimes.push_back(p);
        }
    }
    const double b = Median(bareTimes);
    const double p = Median(programTimes);
    std::printf("start-up to the first question painted, median of %d starts:\n", runs);
    std::printf("  bare program   %7.1f ms\n  Game of Kestov %7.1f ms\n  ratio          %7.2f\n", b, p, p / b);
    return 0;
}

// Start-up and memory of the program's main window against a bare Qt window.
//
//   ostravane-bench-startup run ROUNDS OUT.json  rounds of child processes, in turn
//   ostravane-bench-startup main                 child: the main window until painted
//   ostravane-bench-startup bare W H N           child: bare W×H window, N plain children
//   ostravane-bench-startup qt-controls W H      child: the main window's controls, stock Qt
//   ostravane-bench-startup output SIZE          child: main window holding SIZE characters
//
// A child's start-up time runs from just before the parent spawns it to the moment it
// has painted, on the system-wide monotonic clock: loading Qt counts, tearing down not.

#include "bench/item_text.h"
#include "bench/platform.h"
#include "bench/startup_child.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

using bench::ChildReport;

constexpr int kBareChildren = 44; // as many controls as the main window's form places
constexpr qsizetype kLargeOutput = 10 * bench::kMB;
constexpr int kLargeOutputRuns = 3;

struct Sample
{
    ChildReport report;
    double startupMs = 0;
    // Phases of the start-up: to main(), to QApplication, building the window, showing it.
    double loadMs = 0, appMs = 0, buildMs = 0, showMs = 0;
};

// Runs this executable again with args and reads back its one report line.
Sample runChild(const std::vector<std::string> &args)
{
    std::vector<char *> argv;
    std::string self = "/proc/self/exe";
    argv.push_back(self.data());
    std::vector<std::string> copies = args;
    for (std::string &arg : copies)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        std::perror("pipe");
        std::exit(1);
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[1]);

    const long long spawnedNs = bench::MonotonicNs();
    pid_t child = 0;
    const int failed = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (failed) {
        std::fprintf(stderr, "cannot start a child: %s\n", std::strerror(failed));
        std::exit(1);
    }
    std::string output;
    char buffer[512];
    for (ssize_t got; (got = read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        output.append(buffer, static_cast<std::size_t>(got));
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);

    Sample sample;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0
        || !bench::ParseChildReport(QString::fromStdString(output).trimmed(), sample.report)) {
        std::fprintf(stderr, "child %s failed: %s\n", args.front().c_str(), output.c_str());
        std::exit(1);
    }
    const ChildReport &r = sample.report;
    sample.startupMs = (r.paintedNs - spawnedNs) / 1e6;
    sample.loadMs = (r.enteredNs - spawnedNs) / 1e6;
    sample.appMs = (r.appNs - r.enteredNs) / 1e6;
    sample.buildMs = (r.builtNs - r.appNs) / 1e6;
    sample.showMs = (r.paintedNs - r.builtNs) / 1e6;
    return sample;
}

Sample runMain()
{
    return runChild({"main"});
}

Sample runQtControls(QSize size)
{
    return runChild({"qt-controls", std::to_string(size.width()), std::to_string(size.height())});
}

Sample runBare(QSize size)
{
    return runChild({"bare", std::to_string(size.width()), std::to_string(size.height()),
                     std::to_string(kBareChildren)});
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

QJsonObject sampleJson(const Sample &sample)
{
    return {{"startup_ms", sample.startupMs},
            {"load_ms", sample.loadMs},
            {"qapplication_ms", sample.appMs},
            {"build_ms", sample.buildMs},
            {"show_and_paint_ms", sample.showMs},
            {"peak_kib", static_cast<double>(sample.report.peakKiB)},
            {"current_kib", static_cast<double>(sample.report.currentKiB)},
            {"paint_events", sample.report.paintEvents}};
}

// Median of one figure over samples.
double medianOf(const std::vector<Sample> &samples, double (*figure)(const Sample &))
{
    std::vector<double> values;
    for (const Sample &sample : samples)
        values.push_back(figure(sample));
    return median(values);
}

QJsonObject phaseMedians(const std::vector<Sample> &samples)
{
    return {{"load_ms", medianOf(samples, [](const Sample &x) { return x.loadMs; })},
            {"qapplication_ms", medianOf(samples, [](const Sample &x) { return x.appMs; })},
            {"build_ms", medianOf(samples, [](const Sample &x) { return x.buildMs; })},
            {"show_and_paint_ms", medianOf(samples, [](const Sample &x) { return x.showMs; })}};
}

double peakMiB(const Sample &sample)
{
    return sample.report.peakKiB / 1024.0;
}

double currentMiB(const Sample &sample)
{
    return sample.report.currentKiB / 1024.0;
}

double startupMs(const Sample &sample)
{
    return sample.startupMs;
}

int runAll(int rounds, const QString &outPath)
{
    // Warm-up, not counted: fills the file cache and learns the main window's size.
    const QSize size = runMain().report.windowSize;
    runBare(size);

    QJsonArray roundList;
    std::vector<Sample> mains, bares, stocks;
    std::vector<double> ratios, stockRatios;
    for (int i = 0; i < rounds; ++i) {
        // Each round runs the main window beside the bare window and beside the stock
        // controls; the order rotates so that none always follows another.
        Sample mainSample, bareSample, stockSample;
        for (int k = 0; k < 3; ++k) {
            switch ((i + k) % 3) {
            case 0:
                mainSample = runMain();
                break;
            case 1:
                bareSample = runBare(size);
                break;
            default:
                stockSample = runQtControls(size);
            }
        }
        roundList.append(QJsonObject{
            {"main", sampleJson(mainSample)}, {"bare", sampleJson(bareSample)}, {"qt_controls", sampleJson(stockSample)}});
        ratios.push_back(mainSample.startupMs / bareSample.startupMs);
        stockRatios.push_back(mainSample.startupMs / stockSample.startupMs);
        mains.push_back(mainSample);
        bares.push_back(bareSample);
        stocks.push_back(stockSample);
        std::fprintf(stderr, "round %2d: main %.1f ms %.1f MiB, bare %.1f ms %.1f MiB, stock controls %.1f ms %.1f MiB\n",
                     i + 1, mainSample.startupMs, peakMiB(mainSample), bareSample.startupMs, peakMiB(bareSample),
                     stockSample.startupMs, peakMiB(stockSample));
    }

    QJsonArray largeList;
    std::vector<Sample> larges;
    for (int i = 0; i < kLargeOutputRuns; ++i) {
        larges.push_back(runChild({"output", std::to_string(kLargeOutput)}));
        largeList.append(sampleJson(larges.back()));
        std::fprintf(stderr, "main window with 10 MB of output: %.1f MiB resident, %.1f MiB peak\n",
                     currentMiB(larges.back()), peakMiB(larges.back()));
    }

    const QJsonObject result{
        {"window_size", QJsonArray{size.width(), size.height()}},
        {"bare_children", kBareChildren},
        {"rounds", roundList},
        {"large_output_chars", static_cast<double>(kLargeOutput)},
        {"large_output", largeList},
        {"median",
         QJsonObject{{"startup_ratio_vs_bare", median(ratios)},
                     {"startup_ms_main", medianOf(mains, startupMs)},
                     {"startup_ms_bare", medianOf(bares, startupMs)},
                     {"peak_MiB_main", medianOf(mains, peakMiB)},
                     {"peak_MiB_bare", medianOf(bares, peakMiB)},
                     {"rss_MiB_at_10MB_output", medianOf(larges, currentMiB)},
                     {"peak_MiB_at_10MB_output", medianOf(larges, peakMiB)},
                     {"startup_ratio_vs_qt_controls", median(stockRatios)},
                     {"startup_ms_qt_controls", medianOf(stocks, startupMs)},
                     {"peak_MiB_qt_controls", medianOf(stocks, peakMiB)},
                     {"phases_main", phaseMedians(mains)},
                     {"phases_bare", phaseMedians(bares)},
                     {"phases_qt_controls", phaseMedians(stocks)}}},
    };
    QFile out(outPath);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(outPath));
        return 1;
    }
    out.write(QJsonDocument(result).toJson());
    return 0;
}

int usage()
{
    std::fputs("usage: ostravane-bench-startup run ROUNDS OUT.json | main | bare W H N | qt-controls W H | output SIZE\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    const long long enteredNs = bench::MonotonicNs();
    if (argc < 2)
        return usage();
    const std::string mode = argv[1];
    bench::UseOffscreenScreen();
    if (mode == "run" && argc == 4)
        return runAll(std::max(1, std::atoi(argv[2])), QString::fromLocal8Bit(argv[3]));

    if (mode == "main" && argc == 2) {
        bench::PrintChildReport(bench::RunMainWindow(argc, argv, enteredNs));
        return 0;
    }
    if (mode == "bare" && argc == 5) {
        const QSize size(std::atoi(argv[2]), std::atoi(argv[3]));
        bench::PrintChildReport(bench::RunBareWindow(argc, argv, enteredNs, size, std::atoi(argv[4])));
        return 0;
    }
    if (mode == "qt-controls" && argc == 4) {
        const QSize size(std::atoi(argv[2]), std::atoi(argv[3]));
        bench::PrintChildReport(bench::RunQtControlsWindow(argc, argv, enteredNs, size));
        return 0;
    }
    if (mode == "output" && argc == 3) {
        bench::PrintChildReport(bench::RunMainWindowWithOutput(argc, argv, enteredNs, std::atoll(argv[2])));
        return 0;
    }
    return usage();
}

// Runs the output box and join benchmarks on the real main window, shown on the
// offscreen platform so that layout, scrolling and painting happen as on screen.

#include "bench/item_text.h"
#include "bench/output_box_bench.h"
#include "bench/platform.h"
#include "item_editor/main_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWindow>
#include <benchmark/benchmark.h>
#include <cstdio>

int main(int argc, char *argv[])
{
    bench::UseOffscreenScreen();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    QApplication app(argc, argv);
    item_editor::MainWindow window;
    if (!window.isBuilt()) {
        std::fputs("the main window could not be built\n", stderr);
        return 1;
    }
    window.show();
    QElapsedTimer waited;
    waited.start();
    while (!window.windowHandle()->isExposed() && !waited.hasExpired(10000))
        QCoreApplication::processEvents();

    benchmark::AddCustomContext("qt_version", qVersion());
    benchmark::AddCustomContext("qt_platform", QGuiApplication::platformName().toStdString());
    benchmark::AddCustomContext("appended_fragment_chars", std::to_string(bench::AppendedFragment().size()));
    bench::RegisterOutputBoxBenchmarks();
    bench::RegisterJoinBenchmarks();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

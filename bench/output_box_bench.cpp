#include "bench/output_box_bench.h"

#include "bench/item_text.h"
#include "shell/output_box.h"
#include "shell/texts.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <benchmark/benchmark.h>
#include <string>

namespace bench {

namespace {

constexpr qsizetype kAppendSizes[] = {10 * kKB, kMB, 10 * kMB, 50 * kMB};
constexpr qsizetype kReadSizes[] = {kMB, 10 * kMB, 50 * kMB};

QPlainTextEdit *box()
{
    return shell::OutputBox();
}

// Lets the box lay out, scroll and paint what changed, as the event loop would after a click.
void settle()
{
    QCoreApplication::processEvents();
}

// Fills the box with size characters of item text. Filling 50 MB takes seconds, so a
// fill is kept while earlier appends have grown it by less than 1 %.
void fillBox(qsizetype size)
{
    static qsizetype filledSize = -1;
    static int filledCount = 0;
    const int count = box()->document()->characterCount();
    if (size == filledSize && count - filledCount <= filledCount / 100)
        return;
    shell::SetOutput(TypicalItemText(size));
    settle();
    filledSize = size;
    filledCount = box()->document()->characterCount();
}

// The reference way: read the whole text to learn its length, then insert there.
void readWholeAppend(const QString &text)
{
    QPlainTextEdit *target = box();
    const qsizetype length = target->toPlainText().size();
    QTextCursor cursor(target->document());
    cursor.setPosition(static_cast<int>(length));
    target->document()->setUndoRedoEnabled(false);
    cursor.insertText(text);
    target->document()->setUndoRedoEnabled(true);
    target->setTextCursor(cursor);
    target->ensureCursorVisible();
}

template<typename Append>
void appendRun(benchmark::State &state, qsizetype size, Append append)
{
    fillBox(size);
    const QString fragment = AppendedFragment();
    for (auto _ : state) {
        append(fragment);
        settle();
    }
    state.counters["output_chars"] = static_cast<double>(box()->document()->characterCount());
}

template<typename Read>
void readRun(benchmark::State &state, qsizetype size, Read read)
{
    fillBox(size);
    for (auto _ : state) {
        QString text = read();
        benchmark::DoNotOptimize(text.constData());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * size);
}

void copyRun(benchmark::State &state, qsizetype size)
{
    fillBox(size);
    for (auto _ : state) {
        shell::CopyOutput();
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * size);
}

std::string name(const char *what, qsizetype size)
{
    return std::string(what) + "/" + SizeName(size).toStdString();
}

// Every benchmark here is single-threaded GUI work: wall time is what the user waits.
benchmark::internal::Benchmark *timed(benchmark::internal::Benchmark *b)
{
    return b->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5);
}

} // namespace

void RegisterOutputBoxBenchmarks()
{
    // Fixed iteration counts keep the box's growth small: 200 appends add 12 KB.
    for (qsizetype size : kAppendSizes) {
        timed(benchmark::RegisterBenchmark(name("append/program", size).c_str(),
            [size](benchmark::State &state) { appendRun(state, size, shell::AppendOutput); }))
            ->Iterations(200);
        timed(benchmark::RegisterBenchmark(name("append/read_whole", size).c_str(),
            [size](benchmark::State &state) { appendRun(state, size, readWholeAppend); }))
            ->Iterations(size >= 10 * kMB ? 10 : 200);
    }
    for (qsizetype size : kReadSizes) {
        timed(benchmark::RegisterBenchmark(name("read/toPlainText", size).c_str(),
            [size](benchmark::State &state) { readRun(state, size, [] { return box()->toPlainText(); }); }));
        timed(benchmark::RegisterBenchmark(name("read/program", size).c_str(),
            [size](benchmark::State &state) { readRun(state, size, [] { return shell::ReadText(box()); }); }));
        // The trap: replace() expands 1024 breaks at a time, moving the rest of the text each time.
        timed(benchmark::RegisterBenchmark(name("read/replace", size).c_str(), [size](benchmark::State &state) {
            readRun(state, size, [] { return box()->toPlainText().replace(u'\n', QStringLiteral("\r\n")); });
        }));
        timed(benchmark::RegisterBenchmark(name("copy/program", size).c_str(),
            [size](benchmark::State &state) { copyRun(state, size); }));
    }
}

} // namespace bench

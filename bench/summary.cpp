// Reads the results of ostravane-bench-output (Google Benchmark JSON) and of
// ostravane-bench-startup, and writes into OUTDIR:
//   summary.json  the figures the performance bounds are checked against (medians)
//   summary.txt   the same for people, with each bound, the machine and its load
//   plot.dat      append and read times against output size, for gnuplot
//
//   ostravane-bench-summary OUTPUT_BOX.json STARTUP.json OUTDIR

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QSysInfo>
#include <QTextStream>
#include <cmath>
#include <cstdio>
#include <thread>

namespace {

QJsonObject readJson(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        std::exit(1);
    }
    return QJsonDocument::fromJson(file.readAll()).object();
}

double toMs(double time, const QString &unit)
{
    if (unit == u"ns")
        return time / 1e6;
    if (unit == u"us")
        return time / 1e3;
    if (unit == u"s")
        return time * 1e3;
    return time;
}

// "append/program/10MB/iterations:200/repeats:5/real_time" -> "append/program/10MB".
QString plainName(const QString &runName)
{
    QStringList kept;
    for (const QString &part : runName.split(u'/'))
        if (!part.contains(u':') && part != u"real_time")
            kept << part;
    return kept.join(u'/');
}

// Median wall time in ms of every benchmark that ran with repetitions.
QMap<QString, double> medians(const QJsonObject &results)
{
    QMap<QString, double> times;
    for (const QJsonValue &value : results.value(u"benchmarks").toArray()) {
        const QJsonObject run = value.toObject();
        if (run.value(u"aggregate_name").toString() != u"median")
            continue;
        times.insert(plainName(run.value(u"run_name").toString()),
                     toMs(run.value(u"real_time").toDouble(), run.value(u"time_unit").toString()));
    }
    return times;
}

QString firstLineWith(const QString &path, const QString &prefix)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QTextStream in(&file);
    for (QString line; in.readLineInto(&line);)
        if (line.startsWith(prefix))
            return line.section(u':', 1).trimmed();
    return {};
}

// The 1, 5 and 15 minute load averages.
QString loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.readAll()).section(u' ', 0, 2);
}

QString machineLine(const QJsonObject &context)
{
    const double memKiB = firstLineWith(QStringLiteral("/proc/meminfo"), QStringLiteral("MemTotal"))
                              .section(u' ', 0, 0)
                              .toDouble();
    return QStringLiteral("%1, %2 cores, %3 GiB, %4 %5, Qt %6 (%7), load average at the end %8")
        .arg(firstLineWith(QStringLiteral("/proc/cpuinfo"), QStringLiteral("model name")))
        .arg(std::thread::hardware_concurrency())
        .arg(memKiB / 1024 / 1024, 0, 'f', 1)
        .arg(QSysInfo::prettyProductName(), QSysInfo::kernelVersion(),
             context.value(u"qt_version").toString(), context.value(u"qt_platform").toString())
        .arg(loadAverage());
}

struct Bound
{
    QString key;
    QString text; // how the bound reads, e.g. "<= 2.0"
    bool met;
};

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fputs("usage: ostravane-bench-summary OUTPUT_BOX.json STARTUP.json OUTDIR\n", stderr);
        return 2;
    }
    const QJsonObject outputBox = readJson(QString::fromLocal8Bit(argv[1]));
    const QJsonObject startup = readJson(QString::fromLocal8Bit(argv[2]));
    const QDir outDir(QString::fromLocal8Bit(argv[3]));
    const QMap<QString, double> t = medians(outputBox);
    const QJsonObject s = startup.value(u"median").toObject();

    auto ms = [&t](const char *name) {
        const QString key = QString::fromLatin1(name);
        if (!t.contains(key)) {
            std::fprintf(stderr, "no result for %s\n", name);
            std::exit(1);
        }
        return t.value(key);
    };

    // Keys and their order as the issue names them; a few more figures after them.
    const QList<QPair<QString, double>> figures = {
        {"append_ms_10KB", ms("append/program/10KB")},
        {"append_ms_10MB", ms("append/program/10MB")},
        {"append_ms_50MB", ms("append/program/50MB")},
        {"append_ratio_10MB_vs_10KB", ms("append/program/10MB") / ms("append/program/10KB")},
        {"append_speedup_vs_read_whole_50MB", ms("append/read_whole/50MB") / ms("append/program/50MB")},
        {"read_ms_10MB", ms("read/program/10MB")},
        {"read_ms_50MB", ms("read/program/50MB")},
        {"read_ratio_50MB_vs_10MB", ms("read/program/50MB") / ms("read/program/10MB")},
        {"read_vs_toPlainText_10MB", ms("read/program/10MB") / ms("read/toPlainText/10MB")},
        {"copy_ms_10MB", ms("copy/program/10MB")},
        {"join_vs_handwritten", ms("join/program") / ms("join/hand_written")},
        {"startup_ratio_vs_bare", s.value(u"startup_ratio_vs_bare").toDouble()},
        {"rss_over_bare_MiB", s.value(u"peak_MiB_main").toDouble() - s.value(u"peak_MiB_bare").toDouble()},
        {"rss_MiB_at_10MB_output", s.value(u"rss_MiB_at_10MB_output").toDouble()},
        // Beyond the keys.
        {"append_ms_1MB", ms("append/program/1MB")},
        {"append_read_whole_ms_50MB", ms("append/read_whole/50MB")},
        {"read_toPlainText_ms_10MB", ms("read/toPlainText/10MB")},
        {"read_replace_ms_50MB", ms("read/replace/50MB")},
        {"copy_ms_50MB", ms("copy/program/50MB")},
        {"join_ns", ms("join/program") * 1e6},
        {"startup_ms_main", s.value(u"startup_ms_main").toDouble()},
        {"startup_ms_bare", s.value(u"startup_ms_bare").toDouble()},
        {"startup_ms_qt_controls", s.value(u"startup_ms_qt_controls").toDouble()},
        {"startup_ratio_vs_qt_controls", s.value(u"startup_ratio_vs_qt_controls").toDouble()},
        {"peak_MiB_main", s.value(u"peak_MiB_main").toDouble()},
        {"peak_MiB_bare", s.value(u"peak_MiB_bare").toDouble()},
        {"peak_MiB_qt_controls", s.value(u"peak_MiB_qt_controls").toDouble()},
        {"peak_MiB_at_10MB_output", s.value(u"peak_MiB_at_10MB_output").toDouble()},
        // What the box's text costs beyond the empty window, per character held.
        {"output_bytes_per_char_at_10MB",
         (s.value(u"rss_MiB_at_10MB_output").toDouble() - s.value(u"peak_MiB_main").toDouble()) * 1024 * 1024
             / startup.value(u"large_output_chars").toDouble()},
    };
    QJsonObject summary;
    QMap<QString, double> f;
    for (const auto &[key, value] : figures) {
        summary.insert(key, value);
        f.insert(key, value);
    }

    const QList<Bound> bounds = {
        {"append_ratio_10MB_vs_10KB", "<= 2.0", f["append_ratio_10MB_vs_10KB"] <= 2.0},
        {"append_speedup_vs_read_whole_50MB", ">= 50", f["append_speedup_vs_read_whole_50MB"] >= 50},
        {"read_ratio_50MB_vs_10MB", "<= 6", f["read_ratio_50MB_vs_10MB"] <= 6},
        {"read_vs_toPlainText_10MB", "<= 1.6", f["read_vs_toPlainText_10MB"] <= 1.6},
        {"join_vs_handwritten", "<= 1.2", f["join_vs_handwritten"] <= 1.2},
        {"startup_ratio_vs_bare", "<= 1.3", f["startup_ratio_vs_bare"] <= 1.3},
        {"rss_over_bare_MiB", "<= 10", f["rss_over_bare_MiB"] <= 10},
    };

    QFile json(outDir.filePath(QStringLiteral("summary.json")));
    QFile text(outDir.filePath(QStringLiteral("summary.txt")));
    QFile plot(outDir.filePath(QStringLiteral("plot.dat")));
    if (!json.open(QIODevice::WriteOnly | QIODevice::Truncate) || !text.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || !plot.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fputs("cannot write into the output folder\n", stderr);
        return 1;
    }
    json.write(QJsonDocument(summary).toJson());

    QString out;
    QTextStream human(&out);
    human << "Machine: " << machineLine(outputBox.value(u"context").toObject()) << "\n\n";
    for (const auto &[key, value] : figures)
        human << QStringLiteral("  %1 %2\n").arg(key, -36).arg(value, 0, 'g', 4);
    human << "\nStart-up phases, median ms (to main(), QApplication, building, showing and painting):\n";
    for (const char *window : {"main", "bare", "qt_controls"}) {
        const QJsonObject phases = s.value(QStringLiteral("phases_") + QLatin1String(window)).toObject();
        human << QStringLiteral("  %1 %2 %3 %4 %5\n")
                     .arg(QLatin1String(window), -12)
                     .arg(phases.value(u"load_ms").toDouble(), 6, 'f', 1)
                     .arg(phases.value(u"qapplication_ms").toDouble(), 6, 'f', 1)
                     .arg(phases.value(u"build_ms").toDouble(), 6, 'f', 1)
                     .arg(phases.value(u"show_and_paint_ms").toDouble(), 6, 'f', 1);
    }
    human << "\nBounds:\n";
    int missed = 0;
    for (const Bound &b : bounds) {
        human << QStringLiteral("  %1 %2 %3  %4\n")
                     .arg(b.key, -36)
                     .arg(f[b.key], 8, 'g', 4)
                     .arg(b.text, -7)
                     .arg(b.met ? "met" : "MISSED");
        missed += b.met ? 0 : 1;
    }
    human << (missed ? QStringLiteral("\n%1 bound(s) missed.\n").arg(missed) : QStringLiteral("\nAll bounds met.\n"));
    human.flush();
    text.write(out.toUtf8());
    std::fputs(out.toUtf8().constData(), stdout);

    QTextStream points(&plot);
    points << "# size_MB append_program_ms append_read_whole_ms read_program_ms read_toPlainText_ms "
              "read_replace_ms copy_program_ms\n";
    for (const char *size : {"10KB", "1MB", "10MB", "50MB"}) {
        const QString name = QString::fromLatin1(size);
        const double megabytes = name.endsWith(u"KB") ? name.chopped(2).toDouble() / 1000 : name.chopped(2).toDouble();
        points << megabytes;
        for (const char *way : {"append/program", "append/read_whole", "read/program", "read/toPlainText",
                                "read/replace", "copy/program"}) {
            const QString key = QString::fromLatin1(way) + u'/' + name;
            points << ' ' << (t.contains(key) ? QString::number(t.value(key), 'g', 6) : QStringLiteral("?"));
        }
        points << '\n';
    }
    return 0;
}

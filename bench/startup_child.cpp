#include "bench/startup_child.h"

#include "bench/item_text.h"
#include "bench/memory.h"
#include "item_editor/main_window.h"
#include "shell/fatal.h"
#include "shell/output_box.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QGroupBox>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWindow>
#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>

namespace bench {

namespace {

// Counts the paint events that widgets receive, to know when the window has been drawn.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// Shows the window and runs the event loop until the platform has exposed it and the
// widgets have painted themselves into it.
int showAndPaint(QWidget *window)
{
    PaintCounter counter;
    qApp->installEventFilter(&counter);
    window->show();
    QElapsedTimer waited;
    waited.start();
    while ((counter.paints == 0 || !window->windowHandle()->isExposed()) && !waited.hasExpired(20000))
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    qApp->removeEventFilter(&counter);
    return counter.paints;
}

void recordPainted(ChildReport &report, const QWidget *window, int paints)
{
    report.paintedNs = MonotonicNs();
    report.windowSize = window->size();
    report.paintEvents = paints;
}

void recordMemory(ChildReport &report)
{
    const ResidentMemory memory = ReadResidentMemory();
    report.peakKiB = memory.peakKiB;
    report.currentKiB = memory.currentKiB;
}

// As main() builds it.
item_editor::MainWindow *createMainWindow()
{
    QApplication::setApplicationName(QStringLiteral("ostravane-editor"));
    auto *window = new item_editor::MainWindow;
    if (!window->isBuilt())
        shell::FailFatally(shell::FatalFailure::MainWindowNotCreated);
    window->setAttribute(Qt::WA_DeleteOnClose);
    return window;
}

// A stock Qt widget of the form's kind, with its text, items and font.
QWidget *stockControl(const QJsonObject &control, QWidget *parent)
{
    const QString kind = control.value(u"kind").toString();
    const QString text = control.value(u"text").toString();
    QWidget *widget = nullptr;
    if (kind == u"push button") {
        widget = new QPushButton(text, parent);
    } else if (kind == u"label") {
        auto *label = new QLabel(text, parent);
        label->setWordWrap(control.value(u"wrap").toBool());
        widget = label;
    } else if (kind == u"edit box") {
        widget = new QLineEdit(parent);
    } else if (kind == u"multi-line edit box") {
        widget = new QPlainTextEdit(parent);
    } else if (kind == u"drop-down list") {
        auto *list = new QComboBox(parent);
        list->setEditable(true);
        for (const QJsonValue &item : control.value(u"items").toArray())
            list->addItem(item.toString());
        widget = list;
    } else {
        widget = new QGroupBox(text, parent);
    }
    const QString font = control.value(u"font").toString();
    if (!font.isEmpty()) {
        QFont chosen = widget->font();
        chosen.setPixelSize(font.section(u' ', 1, 1).toInt());
        chosen.setBold(font.startsWith(u"bold"));
        widget->setFont(chosen);
    }
    const QJsonArray geometry = control.value(u"geometry").toArray();
    widget->setGeometry(geometry[0].toInt(), geometry[1].toInt(), geometry[2].toInt(), geometry[3].toInt());
    return widget;
}

// One child's run: from QApplication to the window build() makes, shown and painted;
// afterPaint() runs before memory is read.
ChildReport measure(int argc, char *argv[], long long enteredNs,
                    const std::function<std::unique_ptr<QWidget>()> &build,
                    const std::function<void()> &afterPaint = {})
{
    ChildReport report;
    report.enteredNs = enteredNs;
    QApplication app(argc, argv);
    report.appNs = MonotonicNs();
    const std::unique_ptr<QWidget> window = build();
    report.builtNs = MonotonicNs();
    if (!window)
        return report;
    recordPainted(report, window.get(), showAndPaint(window.get()));
    if (afterPaint)
        afterPaint();
    recordMemory(report);
    return report;
}

} // namespace

long long MonotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

ChildReport RunMainWindow(int argc, char *argv[], long long enteredNs)
{
    return measure(argc, argv, enteredNs, [] { return std::unique_ptr<QWidget>(createMainWindow()); });
}

ChildReport RunBareWindow(int argc, char *argv[], long long enteredNs, QSize size, int childCount)
{
    return measure(argc, argv, enteredNs, [size, childCount] {
        auto window = std::make_unique<QWidget>();
        window->resize(size);
        // In a grid over the client area, like the controls of a form.
        const int columns = 4;
        const int rows = (childCount + columns - 1) / columns;
        const QSize cell(size.width() / columns, size.height() / rows);
        for (int i = 0; i < childCount; ++i) {
            auto *child = new QWidget(window.get());
            child->setGeometry(i % columns * cell.width() + 4, i / columns * cell.height() + 4,
                               cell.width() - 8, cell.height() - 8);
        }
        return window;
    });
}

ChildReport RunQtControlsWindow(int argc, char *argv[], long long enteredNs, QSize size)
{
    return measure(argc, argv, enteredNs, [size]() -> std::unique_ptr<QWidget> {
        QFile file(QStringLiteral(":/forms/main.json"));
        if (!file.open(QIODevice::ReadOnly))
            return nullptr;
        auto window = std::make_unique<QWidget>();
        window->resize(size);
        const QJsonObject form = QJsonDocument::fromJson(file.readAll()).object();
        QHash<QString, QWidget *> groups;
        for (const QJsonValue &value : form.value(u"controls").toArray()) {
            const QJsonObject control = value.toObject();
            QWidget *parent = groups.value(control.value(u"parent").toString(), window.get());
            groups.insert(control.value(u"name").toString(), stockControl(control, parent));
        }
        return window;
    });
}

ChildReport RunMainWindowWithOutput(int argc, char *argv[], long long enteredNs, qsizetype outputSize)
{
    return measure(
        argc, argv, enteredNs, [] { return std::unique_ptr<QWidget>(createMainWindow()); },
        [outputSize] {
            // Filled at once, then one click's append. The generated text is gone before
            // memory is read: in a user's session the text lives only in the box.
            shell::SetOutput(TypicalItemText(outputSize));
            shell::AppendOutput(AppendedFragment());
            for (int i = 0; i < 3; ++i)
                QCoreApplication::processEvents();
        });
}

void PrintChildReport(const ChildReport &report)
{
    std::printf("entered_ns=%lld app_ns=%lld built_ns=%lld painted_ns=%lld peak_kib=%ld current_kib=%ld "
                "width=%d height=%d paints=%d\n",
                report.enteredNs, report.appNs, report.builtNs, report.paintedNs, report.peakKiB,
                report.currentKiB, report.windowSize.width(), report.windowSize.height(), report.paintEvents);
    std::fflush(stdout);
}

bool ParseChildReport(const QString &line, ChildReport &report)
{
    int width = 0;
    int height = 0;
    const int matched = std::sscanf(line.toLatin1().constData(),
                                    "entered_ns=%lld app_ns=%lld built_ns=%lld painted_ns=%lld peak_kib=%ld "
                                    "current_kib=%ld width=%d height=%d paints=%d",
                                    &report.enteredNs, &report.appNs, &report.builtNs, &report.paintedNs,
                                    &report.peakKiB, &report.currentKiB, &width, &height, &report.paintEvents);
    report.windowSize = QSize(width, height);
    return matched == 9;
}

} // namespace bench

#pragma once
// What one child process of the start-up benchmark does, and what it reports.

#include <QSize>
#include <QString>

namespace bench {

// The system-wide monotonic clock, so that parent and child times compare.
long long MonotonicNs();

struct ChildReport
{
    // When main() was entered, QApplication existed, the window had been built and when
    // it had been painted.
    long long enteredNs = 0;
    long long appNs = 0;
    long long builtNs = 0;
    long long paintedNs = 0;
    long peakKiB = -1;    // VmHWM once painted (after filling, for the large output)
    long currentKiB = -1; // VmRSS then
    QSize windowSize;
    int paintEvents = 0;
};

// The program's main window, built and shown as main() does, until painted.
ChildReport RunMainWindow(int argc, char *argv[], long long enteredNs);
// A plain window of the given client size with childCount plain child widgets.
ChildReport RunBareWindow(int argc, char *argv[], long long enteredNs, QSize size, int childCount);
// The main window's 44 controls as stock Qt widgets, read from its form file with
// QJsonDocument alone: what Qt itself costs for this window, without the program's code.
ChildReport RunQtControlsWindow(int argc, char *argv[], long long enteredNs, QSize size);
// The main window, painted, then outputSize characters of item text in its output box.
ChildReport RunMainWindowWithOutput(int argc, char *argv[], long long enteredNs, qsizetype outputSize);

// One line on standard output that ParseChildReport reads back.
void PrintChildReport(const ChildReport &report);
bool ParseChildReport(const QString &line, ChildReport &report);

} // namespace bench

#include "shell/fatal.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <cstdlib>
#include <new>

namespace shell {

namespace {
bool failNextAllocation = false;
}

void FailFatally(FatalFailure failure)
{
    const QString message = failure == FatalFailure::OutOfMemory
        ? QStringLiteral("内存不足，程序无法继续运行。\n\nOut of memory: the program must end.")
        : QStringLiteral("无法创建主窗口，程序无法启动。\n\nThe main window could not be created.");
    if (qobject_cast<QApplication *>(QCoreApplication::instance()))
        QMessageBox::critical(nullptr, QStringLiteral("Quendril Ostravane编辑器"), message);
    // Nothing is saved and no window gets a chance to react.
    std::_Exit(-1);
}

void FailNextAllocation()
{
    failNextAllocation = true;
}

void ConsumeAllocationFailure()
{
    if (failNextAllocation) {
        failNextAllocation = false;
        throw std::bad_alloc();
    }
}

} // namespace shell

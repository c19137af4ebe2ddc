// Start-up: the main window, the event loop, and the exit code.

#include "item_editor/main_window.h"
#include "shell/fatal.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ostravane-editor"));

    auto *window = new item_editor::MainWindow;
    if (!window->isBuilt())
        shell::FailFatally(shell::FatalFailure::MainWindowNotCreated);
    // Closing the main window destroys it; with no window left the loop ends with 0.
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return QApplication::exec();
}

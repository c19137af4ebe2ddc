// Start-up: the main window, the event loop, and the exit code.

#include "item_editor/main_window.h"
#include "resources/icons/app_icon.h"
#include "shell/fatal.h"
#include "skill_combiner/skill_window.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ostravane-editor"));
    QApplication::setWindowIcon(resources::ApplicationIcon());
    // Where windows carry no icon of their own (Wayland), the desktop finds it through the menu entry.
    QApplication::setDesktopFileName(QStringLiteral("org.ostravane.editor"));

    auto *window = new item_editor::MainWindow;
    if (!window->isBuilt())
        shell::FailFatally(shell::FatalFailure::MainWindowNotCreated);
    // Closing the main window destroys it; with no window left the loop ends with 0.
    window->setAttribute(Qt::WA_DeleteOnClose);
    // The rooms meet here: the item editor knows nothing of the skill window it opens.
    window->onClick(u"按钮10", [window] { skill_combiner::ShowSkillWindow(window); });
    window->show();
    return QApplication::exec();
}

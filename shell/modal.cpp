#include "shell/modal.h"

#include "shell/form_window.h"

#include <QApplication>
#include <QEventLoop>
#include <QPointer>
#include <vector>

namespace shell {

namespace {

QPointer<QWidget> currentModal;

FormWindow *openWindowWithForm(const QString &formId)
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        auto *form = qobject_cast<FormWindow *>(window);
        if (form && form->isVisible() && form->form().id == formId)
            return form;
    }
    return nullptr;
}

struct DisabledWindow {
    QPointer<QWidget> window;
    bool wasEnabled;
};

// Disables every other open window of the program, remembering how each was. All states
// are read before any window is disabled: disabling a window also disables the windows
// it owns.
std::vector<DisabledWindow> disableOthers(const QWidget *modal)
{
    std::vector<DisabledWindow> disabled;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window != modal && window->isVisible() && qobject_cast<FormWindow *>(window))
            disabled.push_back({window, window->isEnabled()});
    }
    for (const DisabledWindow &entry : disabled)
        entry.window->setEnabled(false);
    return disabled;
}

} // namespace

QWidget *CurrentModalWindow()
{
    return currentModal;
}

void ShowModal(QWidget *opener, const QString &formId, const std::function<FormWindow *(QWidget *owner)> &create)
{
    if (FormWindow *open = openWindowWithForm(formId)) {
        if (open->isMinimized())
            open->showNormal();
        else
            open->activateWindow();
        return;
    }

    QWidget *owner = opener ? opener->window() : nullptr;
    FormWindow *window = create(owner);
    if (!window)
        return;
    if (!window->isBuilt()) {
        delete window;
        return;
    }
    window->setAttribute(Qt::WA_DeleteOnClose);

    std::vector<DisabledWindow> disabled = disableOthers(window);
    // The new window is owned by the opener's window, and Qt disables owned windows
    // along with their owner: the modal window itself must stay usable.
    window->setEnabled(true);
    QObject::connect(window, &FormWindow::closing, window, [&disabled] {
        for (const DisabledWindow &entry : disabled) {
            if (entry.window)
                entry.window->setEnabled(entry.wasEnabled);
        }
        disabled.clear();
    });

    QEventLoop loop;
    QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
    const QPointer<QWidget> savedModal = currentModal;
    currentModal = window;
    window->show();
    window->activateWindow();
    loop.exec();
    currentModal = savedModal;

    // As on any desktop, the window that opened the modal one is active again.
    if (owner && owner->isEnabled())
        owner->activateWindow();
}

} // namespace shell

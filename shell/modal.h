#pragma once
// Opening a window modally over the program's other windows.

#include <QString>
#include <functional>

class QWidget;

namespace shell {

class FormWindow;

// Creates a window with create(owner), shows it centred on the screen and waits until
// the user closes it. Meanwhile every other window of the program is disabled; each gets
// back its own earlier enabled state, in order, when the modal window closes. When the
// window with that form is already open, it is only restored or activated, at once.
// When create fails (returns nullptr or an unbuilt window) nothing happens.
void ShowModal(QWidget *opener, const QString &formId, const std::function<FormWindow *(QWidget *owner)> &create);

// The innermost modal window that is open, or nullptr.
QWidget *CurrentModalWindow();

} // namespace shell

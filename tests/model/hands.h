#pragma once
// The user's hands in the real windows: each action done as a person does it, with
// clicks, keys, an input method's commits and pastes, at the place the action names.

#include "model/action.h"

#include <QString>

namespace shell {
class FormWindow;
}

namespace model {

// Waits this long at most for the windows to follow a click or a key.
inline constexpr int kSettleMs = 5000;

// Does the action in its window. before is the text the action edits, as the model has
// it, to find the places inside it. Returns why the windows would not let the action be
// done, or nothing. A click that opens a modal window returns once that window closes.
QString Perform(shell::FormWindow &window, const Action &action, const QString &before);

} // namespace model

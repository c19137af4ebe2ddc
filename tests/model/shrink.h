#pragma once
// Shrinking a failing run: the shortest list of actions, with the shortest texts, that
// still makes the windows differ from the model.

#include "model/action.h"

#include <QDeadlineTimer>
#include <QList>
#include <QString>

namespace model {

struct Shrunk {
    QList<Action> actions;
    QString failure;
    int replays = 0;
    bool reproduced = false; // false: the failing run did not fail again when replayed
};

// failing: the performed actions of a failed run, up to the one after which it failed.
Shrunk ShrinkFailure(const QList<Action> &failing, QDeadlineTimer deadline);

} // namespace model

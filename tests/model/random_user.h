#pragma once
// The random user: takes actions one after another in the real windows (the main window
// as the program opens it, and the skill and note windows opened through their buttons)
// and, after each, compares what the windows show with the model.

#include "model/action.h"
#include "model/app_model.h"

#include <QList>
#include <QString>
#include <optional>

namespace model {

// Where the actions come from: made up as the user goes, or replayed from a list.
class ActionSource
{
public:
    virtual ~ActionSource() = default;
    // The next action to take; nothing when the run is over.
    virtual std::optional<Action> next(const AppModel &app) = 0;
};

class ReplaySource : public ActionSource
{
public:
    explicit ReplaySource(QList<Action> actions) : m_actions(std::move(actions)) {}
    // Skips actions that do not apply now (a window they belong to is not on top).
    std::optional<Action> next(const AppModel &app) override;

private:
    QList<Action> m_actions;
    qsizetype m_next = 0;
};

// What a run went through, to show that it reached the corners it is meant to reach.
struct Tally {
    qsizetype windowsOpened = 0;
    qsizetype copies = 0;
    qsizetype hugePastes = 0;   // values of more than 64 Ki characters
    qsizetype undone = 0;       // Ctrl+Z that took some of the user's typing back
    qsizetype largestOutput = 0;
    qint64 slowestMs = 0;       // the slowest action, with the check after it
    QString slowest;
};

struct RunResult {
    QList<Action> performed;
    Tally tally;
    QString failure;         // empty when the windows always matched the model
    qsizetype failedAt = -1; // the action after which they did not
};

// Opens a fresh main window, runs every action the source gives, closes what is open.
RunResult RunRandomUser(ActionSource &source);

} // namespace model

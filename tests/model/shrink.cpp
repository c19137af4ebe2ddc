#include "model/shrink.h"

#include "model/random_user.h"

namespace model {

namespace {

class Shrinker
{
public:
    explicit Shrinker(QDeadlineTimer deadline) : m_deadline(deadline) {}

    // Replays the actions; when they fail, keeps what ran up to the failure.
    bool fails(const QList<Action> &actions)
    {
        ReplaySource source(actions);
        const RunResult run = RunRandomUser(source);
        ++m_result.replays;
        if (run.failure.isEmpty())
            return false;
        m_result.actions = run.performed.mid(0, run.failedAt + 1);
        m_result.failure = run.failure;
        return true;
    }

    // Removes chunks of actions, halving the chunk size whenever none can go.
    void dropActions()
    {
        for (qsizetype chunk = m_result.actions.size() / 2; chunk >= 1 && !m_deadline.hasExpired();) {
            bool dropped = false;
            for (qsizetype at = 0; at < m_result.actions.size() && !m_deadline.hasExpired();) {
                QList<Action> candidate = m_result.actions;
                candidate.remove(at, std::min(chunk, candidate.size() - at));
                if (!candidate.isEmpty() && fails(candidate))
                    dropped = true;
                else
                    at += chunk;
            }
            if (!dropped)
                chunk /= 2;
        }
    }

    // Shortens every text: its first half, then its second half, as long as it fails.
    void shortenTexts()
    {
        for (qsizetype i = 0; i < m_result.actions.size() && !m_deadline.hasExpired(); ++i) {
            bool shorter = true;
            while (shorter && m_result.actions[i].text.size() > 1 && !m_deadline.hasExpired()) {
                shorter = false;
                const QString text = m_result.actions[i].text;
                for (const QString &half : {text.first(text.size() / 2), text.sliced(text.size() / 2)}) {
                    QList<Action> candidate = m_result.actions;
                    candidate[i].text = half;
                    if (fails(candidate)) {
                        shorter = true;
                        break;
                    }
                }
            }
        }
    }

    Shrunk m_result;

private:
    QDeadlineTimer m_deadline;
};

} // namespace

Shrunk ShrinkFailure(const QList<Action> &failing, QDeadlineTimer deadline)
{
    Shrinker shrinker(deadline);
    shrinker.m_result.actions = failing;
    shrinker.m_result.reproduced = shrinker.fails(failing);
    if (!shrinker.m_result.reproduced)
        return shrinker.m_result;
    shrinker.dropActions();
    shrinker.shortenTexts();
    shrinker.dropActions();
    return shrinker.m_result;
}

} // namespace model

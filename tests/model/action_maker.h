#pragma once
// The random user's choices: each next action is one the user can take in the window on
// top, with every box, list and button of it within reach.

#include "model/action.h"
#include "model/app_model.h"
#include "model/random_texts.h"

namespace model {

class ActionMaker
{
public:
    explicit ActionMaker(std::uint64_t seed) : m_random(seed), m_texts(m_random) {}
    Action next(const AppModel &app);

private:
    Action mainAction(const AppModel &app);
    Action skillAction(const AppModel &app);
    Action noteAction();
    Action editBox(const AppModel &app, Window window, const QString &box);
    Action editOutput(const AppModel &app);
    void fillInput(Action &a, bool pasteWithLineBreaks, int mostPresses);
    Action listAction(Window window, const QString &list);
    Action keyIn(Window window, const QString &control);
    Action click(Window window, int button);
    Action close(Window window);
    Place place(const QList<int> &weights);
    QString numbered(QStringView kind, int first, int last);

    Random m_random;
    TextMaker m_texts;
};

} // namespace model

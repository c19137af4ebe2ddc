#include "model/action_maker.h"

#include "model/list_items.h"

using namespace Qt::StringLiterals;

namespace model {

namespace {

// Beyond these sizes the user replaces a value whole, and edits the output box with
// single key presses only: Qt lays out such a paragraph again after every key.
constexpr qsizetype kLargeValue = 64 * 1024;
constexpr qsizetype kLargeOutput = 256 * 1024;
// Beyond this the user clears the output box now and then.
constexpr qsizetype kCrowdedOutput = 4 * 1024 * 1024;

// Picks an index with the given relative weights.
int weighted(Random &random, const QList<int> &weights)
{
    int total = 0;
    for (int w : weights)
        total += w;
    int roll = int(random.below(quint32(total)));
    for (int i = 0; i < weights.size(); ++i) {
        if (roll < weights[i])
            return i;
        roll -= weights[i];
    }
    return 0;
}

} // namespace

Action ActionMaker::next(const AppModel &app)
{
    switch (app.top()) {
    case Window::Main:
        return mainAction(app);
    case Window::Skill:
        return skillAction(app);
    case Window::Note:
        return noteAction();
    }
    return {};
}

QString ActionMaker::numbered(QStringView kind, int first, int last)
{
    return kind.toString() + QString::number(first + int(m_random.below(quint32(last - first + 1))));
}

Action ActionMaker::mainAction(const AppModel &app)
{
    if (app.output().text().size() > kCrowdedOutput && m_random.chance(30))
        return click(Window::Main, 13);
    static const int fragmentButtons[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 11};
    switch (weighted(m_random, {28, 10, 22, 4, 2, 20, 3, 3, 4})) {
    case 0:
        return editBox(app, Window::Main, numbered(u"编辑框", 2, 8));
    case 1:
        return listAction(Window::Main, numbered(u"组合框", 1, 3));
    case 2:
        return click(Window::Main, fragmentButtons[m_random.below(std::size(fragmentButtons))]);
    case 3:
        return click(Window::Main, 12);
    case 4:
        return click(Window::Main, 13);
    case 5:
        return editOutput(app);
    case 6: {
        Action undo;
        undo.verb = Verb::Undo;
        undo.control = u"编辑框1"_s;
        return undo;
    }
    case 7:
        return keyIn(Window::Main, m_random.chance(60) ? numbered(u"编辑框", 2, 8) : numbered(u"组合框", 1, 3));
    default:
        return click(Window::Main, 10);
    }
}

Action ActionMaker::skillAction(const AppModel &app)
{
    switch (weighted(m_random, {30, 30, 12, 3, 5, 3})) {
    case 0:
        return editBox(app, Window::Skill, numbered(u"编辑框", 1, 10));
    case 1:
        return listAction(Window::Skill, numbered(u"组合框", 1, 17));
    case 2:
        return click(Window::Skill, 2);
    case 3:
        return click(Window::Skill, 1);
    case 4:
        return close(Window::Skill);
    default:
        return keyIn(Window::Skill, m_random.chance(60) ? numbered(u"编辑框", 1, 10) : numbered(u"组合框", 1, 17));
    }
}

Action ActionMaker::noteAction()
{
    // The note window has nothing to type into or click: keys, then closing it.
    if (m_random.chance(20))
        return keyIn(Window::Note, QString());
    return close(Window::Note);
}

Place ActionMaker::place(const QList<int> &weights)
{
    return Place(weighted(m_random, weights));
}

Action ActionMaker::editBox(const AppModel &app, Window window, const QString &box)
{
    Action a;
    a.verb = Verb::Edit;
    a.window = window;
    a.control = box;
    a.from = quint32(m_random.next());
    a.to = quint32(m_random.next());
    if (app.textOf(window, box).size() > kLargeValue) {
        a.place = Place::All;
        a.input = Input::Paste;
        a.text = m_texts.pasted(false);
        return a;
    }
    a.place = place({25, 10, 40, 15, 10});
    a.input = Input(weighted(m_random, {40, 10, 35, 10, 5, 0, 0, 3, 2}));
    fillInput(a, !AppModel::isList(box), 4);
    return a;
}

Action ActionMaker::editOutput(const AppModel &app)
{
    Action a;
    a.verb = Verb::Edit;
    a.control = u"编辑框1"_s;
    a.from = quint32(m_random.next());
    a.to = quint32(m_random.next());
    a.place = place({10, 5, 20, 40, 25});
    const bool large = app.output().text().size() > kLargeOutput;
    a.input = Input(weighted(m_random, {large ? 0 : 35, 10, 20, 15, 10, 7, 3, 8, 4}));
    fillInput(a, false, large ? 2 : 4);
    return a;
}

// The text typed, committed or pasted, or how many times a key is pressed.
void ActionMaker::fillInput(Action &a, bool pasteWithLineBreaks, int mostPresses)
{
    switch (a.input) {
    case Input::Keys:
        a.text = m_texts.typed();
        break;
    case Input::Commit:
        a.text = m_texts.committed();
        break;
    case Input::Paste:
        a.text = m_texts.pasted(pasteWithLineBreaks);
        break;
    default:
        a.count = 1 + int(m_random.below(mostPresses));
        break;
    }
}

Action ActionMaker::listAction(Window window, const QString &list)
{
    const int items = int(ListItems(window, list).size());
    Action a;
    a.window = window;
    a.control = list;
    switch (weighted(m_random, {55, 20, 25})) {
    case 0:
        a.verb = Verb::Pick;
        a.count = int(m_random.below(quint32(items)));
        return a;
    case 1:
        a.verb = Verb::Arrow;
        a.key = m_random.chance(60) ? Qt::Key_Down : Qt::Key_Up;
        return a;
    default: {
        a.verb = Verb::Edit;
        a.place = place({40, 10, 30, 10, 10});
        a.from = quint32(m_random.next());
        a.to = quint32(m_random.next());
        // Often an item's own text, as a user who types the choice instead of picking it.
        if (m_random.chance(40)) {
            a.input = Input::Keys;
            a.place = Place::All;
            a.text = ListItems(window, list)[m_random.below(quint32(items))];
        } else {
            a.input = Input(weighted(m_random, {30, 20, 30, 15, 5}));
            a.text = a.input == Input::Keys ? m_texts.typed()
                : a.input == Input::Commit  ? m_texts.committed()
                : a.input == Input::Paste   ? m_texts.pasted(false)
                                            : QString();
            a.count = 1 + int(m_random.below(4));
        }
        return a;
    }
    }
}

Action ActionMaker::keyIn(Window window, const QString &control)
{
    static const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_F1, Qt::Key_Tab, Qt::Key_Backtab};
    Action a;
    a.verb = Verb::Key;
    a.window = window;
    a.control = control;
    a.key = keys[m_random.below(std::size(keys))];
    return a;
}

Action ActionMaker::click(Window window, int button)
{
    Action a;
    a.verb = Verb::Click;
    a.window = window;
    a.control = u"按钮"_s + QString::number(button);
    return a;
}

Action ActionMaker::close(Window window)
{
    Action a;
    a.verb = Verb::Close;
    a.window = window;
    a.key = m_random.chance(60) ? Qt::Key_Escape : Qt::Key_unknown;
    return a;
}

} // namespace model

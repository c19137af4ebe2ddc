#include "model/random_user.h"

#include "item_editor/main_window.h"
#include "model/hands.h"
#include "model/line_breaks.h"
#include "shell/modal.h"
#include "skill_combiner/skill_window.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <memory>

using namespace Qt::StringLiterals;
using shell::FormWindow;

namespace model {

std::optional<Action> ReplaySource::next(const AppModel &app)
{
    while (m_next < m_actions.size()) {
        const Action &action = m_actions[m_next++];
        if (app.applies(action))
            return action;
    }
    return std::nullopt;
}

namespace {

QString numbered(QStringView kind, int number)
{
    return kind.toString() + QString::number(number);
}

// The output box's text read independently of the program: every break as kBreak.
QString shownInBox(const QPlainTextEdit *box)
{
    QString raw = box->document()->toRawText();
    for (QChar &c : raw) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = kBreak;
    }
    return raw;
}

// Where the first difference lies, with a little of both texts around it.
QString difference(const QString &expected, const QString &shown)
{
    qsizetype at = 0;
    while (at < expected.size() && at < shown.size() && expected[at] == shown[at])
        ++at;
    const qsizetype from = std::max<qsizetype>(0, at - 20);
    return u"first difference at %1 of %2 (expected) / %3 (shown): expected …%4, shown …%5"_s.arg(at)
        .arg(expected.size())
        .arg(shown.size())
        .arg(Escaped(expected.mid(from, 60)), Escaped(shown.mid(from, 60)));
}

class Driver
{
public:
    explicit Driver(ActionSource &source) : m_source(source) {}
    RunResult run();

private:
    void runLevel(int depth);
    bool opensWindow(const Action &a) const;
    int shownDepth() const;
    FormWindow *windowOf(Window window) const;
    bool settle(int depth);
    void perform(const Action &a);
    void check();
    void checkControls(FormWindow &window, Window which);
    void fail(const QString &why);
    void tallyAction(const Action &a);

    ActionSource &m_source;
    AppModel m_model;
    std::unique_ptr<item_editor::MainWindow> m_main;
    RunResult m_result;
    std::optional<qsizetype> m_unchecked;
    QElapsedTimer m_sinceAction;
    bool m_stopping = false;
};

RunResult Driver::run()
{
    if (shell::CurrentModalWindow()) {
        fail(u"a modal window of an earlier run is still open"_s);
        return m_result;
    }
    // Every run starts from an empty clipboard, as the model does.
    QGuiApplication::clipboard()->clear();
    m_main = std::make_unique<item_editor::MainWindow>();
    // The same binding as the program's start-up.
    m_main->onClick(u"按钮10", [this] { skill_combiner::ShowSkillWindow(m_main.get()); });
    m_main->show();
    runLevel(0);
    m_main.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return m_result;
}

void Driver::fail(const QString &why)
{
    if (!m_result.failure.isEmpty())
        return;
    m_result.failure = why;
    m_result.failedAt = m_result.performed.size() - 1;
    m_stopping = true;
}

bool Driver::opensWindow(const Action &a) const
{
    return a.verb == Verb::Click
        && ((a.window == Window::Main && a.control == u"按钮10") || (a.window == Window::Skill && a.control == u"按钮1"));
}

int Driver::shownDepth() const
{
    const auto *modal = qobject_cast<FormWindow *>(shell::CurrentModalWindow());
    if (!modal)
        return 0;
    return modal->form().id == u"note" ? 2 : 1;
}

FormWindow *Driver::windowOf(Window window) const
{
    if (window == Window::Main)
        return m_main.get();
    auto *modal = qobject_cast<FormWindow *>(shell::CurrentModalWindow());
    const QString id = window == Window::Skill ? u"skill"_s : u"note"_s;
    return modal && modal->form().id == id ? modal : nullptr;
}

// Runs actions in the window at this depth. An action that opens a modal window waits in
// that window's event loop; the actions taken there run one level deeper, from a timer,
// until one closes the window and lets the loop end.
void Driver::runLevel(int depth)
{
    while (!m_stopping) {
        if (!settle(depth))
            break;
        check();
        if (m_stopping)
            break;
        const std::optional<Action> next = m_source.next(m_model);
        if (!next) {
            m_stopping = true;
            break;
        }
        const Action a = *next;
        m_sinceAction.start();
        m_result.performed.append(a);
        m_unchecked = m_result.performed.size() - 1;
        tallyAction(a);
        if (opensWindow(a)) {
            m_model.apply(a);
            const int inner = depth + 1;
            QTimer::singleShot(0, qApp, [this, inner] {
                if (shownDepth() == inner)
                    runLevel(inner);
            });
            perform(a); // returns once the new window has closed
            continue;
        }
        perform(a);
        m_model.apply(a);
        if (a.verb == Verb::Close)
            return; // the loop this level runs in ends with its window
    }
    // Stopping: close this level's window so that its opener's click returns.
    if (depth > 0 && shownDepth() == depth) {
        if (QWidget *modal = shell::CurrentModalWindow())
            modal->close();
    }
}

// Waits, as a user would, until the window on top is the active one.
bool Driver::settle(int depth)
{
    QWidget *const expected = depth == 0 ? static_cast<QWidget *>(m_main.get()) : shell::CurrentModalWindow();
    if (depth > 0 && shownDepth() != depth)
        return true; // the check reports windows that differ from the model
    if (QApplication::activeWindow() == expected || QTest::qWaitFor([&] { return QApplication::activeWindow() == expected; }, kSettleMs))
        return true;
    fail(u"the window on top never became the active window"_s);
    return false;
}

void Driver::perform(const Action &a)
{
    FormWindow *window = windowOf(a.window);
    if (!window)
        return fail(u"the window the action belongs to is not open"_s);
    const QString error = Perform(*window, a, m_model.textOf(a.window, a.control));
    if (!error.isEmpty())
        fail(error);
}

void Driver::tallyAction(const Action &a)
{
    Tally &t = m_result.tally;
    if (opensWindow(a))
        ++t.windowsOpened;
    if (a.verb == Verb::Click && a.window == Window::Main && a.control == u"按钮12")
        ++t.copies;
    if (a.verb == Verb::Edit && a.input == Input::Paste && a.text.size() > 64 * 1024)
        ++t.hugePastes;
}

void Driver::check()
{
    if (!m_unchecked)
        return;
    const Action &a = m_result.performed[*m_unchecked];
    m_unchecked.reset();
    if (m_sinceAction.elapsed() > m_result.tally.slowestMs) {
        m_result.tally.slowestMs = m_sinceAction.elapsed();
        m_result.tally.slowest = Describe(a);
    }

    if (shownDepth() != m_model.depth())
        return fail(u"%1 window(s) open above the main window, expected %2"_s.arg(shownDepth()).arg(m_model.depth()));

    const QString shown = shownInBox(m_main->control<QPlainTextEdit>(u"编辑框1"));
    m_result.tally.largestOutput = std::max(m_result.tally.largestOutput, shown.size());
    if (a.verb == Verb::Undo) {
        if (shown != m_model.output().text())
            ++m_result.tally.undone;
        if (!m_model.undoneTo(shown))
            return fail(u"Ctrl+Z left the output box in a state the user's own editing never made: "_s
                        + difference(m_model.output().text(), shown));
    } else if (shown != m_model.output().text()) {
        return fail(u"output box: "_s + difference(m_model.output().text(), shown));
    }

    const bool copies = (a.verb == Verb::Click && a.window == Window::Main && a.control == u"按钮12")
        || (a.verb == Verb::Edit && (a.input == Input::Copy || a.input == Input::Cut));
    if (copies) {
        const QString copied = QGuiApplication::clipboard()->text();
        if (copied != m_model.clipboard())
            return fail(u"clipboard: "_s + difference(m_model.clipboard(), copied));
    }
    if (FormWindow *top = windowOf(m_model.top()))
        checkControls(*top, m_model.top());
}

// Every box and list of the window shows what the user put there.
void Driver::checkControls(FormWindow &window, Window which)
{
    if (which == Window::Note)
        return;
    const int boxes = which == Window::Main ? 8 : 10;
    for (int n = which == Window::Main ? 2 : 1; n <= boxes; ++n) {
        const QString name = numbered(u"编辑框", n);
        const QString shown = window.control<QLineEdit>(name)->text();
        if (shown != m_model.textOf(which, name))
            return fail(name + u": "_s + difference(m_model.textOf(which, name), shown));
    }
    const int lists = which == Window::Main ? 3 : 17;
    for (int n = 1; n <= lists; ++n) {
        const QString name = numbered(u"组合框", n);
        const auto *list = window.control<QComboBox>(name);
        if (list->currentIndex() != m_model.positionOf(which, name))
            return fail(u"%1 has position %2, expected %3"_s.arg(name).arg(list->currentIndex()).arg(m_model.positionOf(which, name)));
        if (list->currentText() != m_model.textOf(which, name))
            return fail(name + u" field: "_s + difference(m_model.textOf(which, name), list->currentText()));
    }
}

} // namespace

RunResult RunRandomUser(ActionSource &source)
{
    Driver driver(source);
    return driver.run();
}

} // namespace model

#include "model/hands.h"

#include "model/app_model.h"
#include "shell/form_window.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextCursor>

using namespace Qt::StringLiterals;
using shell::FormWindow;

namespace model {

namespace {

Qt::Key keyTyping(const QString &press)
{
    const char16_t c = press[0].unicode();
    if (press.size() == 1 && c >= 0x20 && c < 0x7f)
        return Qt::Key(QChar(c).toUpper().unicode());
    return Qt::Key_unknown;
}

Qt::KeyboardModifiers modifiersOf(Qt::Key key)
{
    return key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier;
}

class Hands
{
public:
    Hands(FormWindow &window, const Action &action) : m_window(window), m_action(action) {}
    void perform(const QString &before);
    QString error;

private:
    void edit(const QString &before);
    void type(QWidget *focus, const Span &span);
    void pick(QComboBox *list, int item);
    QWidget *focusByClick(QWidget *control);
    bool focusOutputBox(QPlainTextEdit *box);
    void press(Qt::Key key);
    void fail(const QString &why)
    {
        if (error.isEmpty())
            error = why;
    }

    FormWindow &m_window;
    const Action &m_action;
};

void Hands::perform(const QString &before)
{
    const Action &a = m_action;
    QWidget *const target = a.control.isEmpty() ? nullptr : m_window.control<QWidget>(a.control);
    auto *const list = qobject_cast<QComboBox *>(target);
    switch (a.verb) {
    case Verb::Edit:
        edit(before);
        break;
    case Verb::Pick:
        pick(list, a.count);
        break;
    case Verb::Arrow:
    case Verb::Key:
        if (a.control.isEmpty())
            press(a.key);
        else if (QWidget *focus = focusByClick(list ? list->lineEdit() : target))
            QTest::keyClick(focus, a.key, modifiersOf(a.key));
        break;
    case Verb::Click:
        if (auto *button = qobject_cast<QAbstractButton *>(target))
            QTest::mouseClick(button, Qt::LeftButton);
        else
            fail(u"no such button"_s);
        break;
    case Verb::Undo: {
        auto *box = m_window.control<QPlainTextEdit>(u"编辑框1");
        if (focusOutputBox(box))
            QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        break;
    }
    case Verb::Close:
        if (a.key == Qt::Key_Escape)
            press(Qt::Key_Escape);
        else
            m_window.close(); // its close box
        break;
    }
    QCoreApplication::processEvents();
}

// A key goes where the keyboard sends it: the focused control, else the window.
void Hands::press(Qt::Key key)
{
    QWidget *focus = QApplication::focusWidget();
    QTest::keyClick(focus && focus->window() == &m_window ? focus : &m_window, key, modifiersOf(key));
}

// Clicks the control and returns the widget that has the focus then: the control itself,
// or for a list's field the list, which hands the keys on to its field.
QWidget *Hands::focusByClick(QWidget *control)
{
    if (!control) {
        fail(u"no such control"_s);
        return nullptr;
    }
    QTest::mouseClick(control, Qt::LeftButton);
    QWidget *focus = QApplication::focusWidget();
    if (focus && (focus == control || focus == qobject_cast<QComboBox *>(control->parentWidget())))
        return focus;
    fail(u"clicking %1 (in %2) did not give it the focus; the focus is on %3, the active window is %4"_s.arg(
        control->objectName(), control->window()->objectName(), focus ? focus->objectName() : u"nothing"_s,
        QApplication::activeWindow() ? QApplication::activeWindow()->objectName() : u"none"_s));
    return nullptr;
}

// A click into the output box; where the caret goes the action says afterwards.
bool Hands::focusOutputBox(QPlainTextEdit *box)
{
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, QPoint(4, 4));
    if (QApplication::focusWidget() == box)
        return true;
    fail(u"clicking the output box did not give it the focus"_s);
    return false;
}

void Hands::edit(const QString &before)
{
    const Action &a = m_action;
    const Span span = Resolve(a, before);
    QWidget *focus = nullptr;
    if (AppModel::isOutputBox(a.window, a.control)) {
        auto *box = m_window.control<QPlainTextEdit>(a.control);
        if (!focusOutputBox(box))
            return;
        focus = box;
        if (a.place == Place::All) {
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        } else if (a.place == Place::Start || a.place == Place::End) {
            QTest::keyClick(box, a.place == Place::Start ? Qt::Key_Home : Qt::Key_End, Qt::ControlModifier);
        } else {
            // Where a click, or a drag for a range, would put the caret.
            QTextCursor cursor(box->document());
            cursor.setPosition(int(span.start));
            cursor.setPosition(int(span.end), QTextCursor::KeepAnchor);
            box->setTextCursor(cursor);
        }
    } else {
        QWidget *control = m_window.control<QWidget>(a.control);
        auto *line = qobject_cast<QComboBox *>(control) ? static_cast<QComboBox *>(control)->lineEdit()
                                                         : qobject_cast<QLineEdit *>(control);
        focus = focusByClick(line);
        if (!focus)
            return;
        if (a.place == Place::All)
            QTest::keyClick(focus, Qt::Key_A, Qt::ControlModifier);
        else if (a.place == Place::Start || a.place == Place::End)
            QTest::keyClick(focus, a.place == Place::Start ? Qt::Key_Home : Qt::Key_End);
        else
            line->setSelection(int(span.start), int(span.end - span.start));
    }
    type(focus, span);
}

void Hands::type(QWidget *focus, const Span &span)
{
    const Action &a = m_action;
    switch (a.input) {
    case Input::Keys:
        for (const QString &press : KeyPresses(a.text))
            QTest::sendKeyEvent(QTest::Click, focus, keyTyping(press), press, Qt::NoModifier);
        break;
    case Input::Commit: {
        QInputMethodEvent commit;
        commit.setCommitString(a.text);
        QApplication::sendEvent(focus, &commit);
        break;
    }
    case Input::Paste:
        QGuiApplication::clipboard()->setText(a.text);
        QTest::keyClick(focus, Qt::Key_V, Qt::ControlModifier);
        break;
    case Input::Backspace:
        for (int i = 0; i < a.count; ++i)
            QTest::keyClick(focus, Qt::Key_Backspace);
        break;
    case Input::Delete:
        // With nothing selected Delete would take a whole grapheme; the model keeps to ranges.
        if (span.end > span.start)
            QTest::keyClick(focus, Qt::Key_Delete);
        break;
    case Input::Enter:
    case Input::ShiftEnter:
        QTest::keyClick(focus, Qt::Key_Return, a.input == Input::ShiftEnter ? Qt::ShiftModifier : Qt::NoModifier);
        break;
    case Input::Copy:
    case Input::Cut:
        QTest::keyClick(focus, a.input == Input::Copy ? Qt::Key_C : Qt::Key_X, Qt::ControlModifier);
        break;
    }
}

// Drops the list down from the keyboard (Alt+Down) and clicks the item.
void Hands::pick(QComboBox *list, int item)
{
    QWidget *focus = list ? focusByClick(list->lineEdit()) : nullptr;
    if (!focus)
        return;
    QTest::keyClick(focus, Qt::Key_Down, Qt::AltModifier);
    QAbstractItemView *view = list->view();
    if (!QTest::qWaitFor([view] { return view->isVisible(); }, kSettleMs))
        return fail(u"the list did not drop down"_s);
    const QModelIndex index = list->model()->index(item, 0);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    if (!QTest::qWaitFor([view] { return !view->isVisible(); }, kSettleMs))
        return fail(u"the dropped-down list did not close after the click"_s);
    // The offscreen platform activates every window it shows, the list's popup too, and
    // delivers that late, once the popup is gone; a window system never makes a popup the
    // active window. Give the activation back as the window system would.
    QCoreApplication::processEvents();
    if (QApplication::activeWindow() != &m_window) {
        m_window.activateWindow();
        if (!QTest::qWaitFor([this] { return QApplication::activeWindow() == &m_window; }, kSettleMs))
            fail(u"the window never became active again after its list closed"_s);
    }
}

} // namespace

QString Perform(FormWindow &window, const Action &action, const QString &before)
{
    Hands hands(window, action);
    hands.perform(before);
    return hands.error;
}

} // namespace model

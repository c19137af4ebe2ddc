#include "model/app_model.h"

#include "model/expected_texts.h"
#include "model/line_breaks.h"
#include "model/list_items.h"

using namespace Qt::StringLiterals;

namespace model {

namespace {

QString numbered(QStringView kind, int number)
{
    return kind.toString() + QString::number(number);
}

// Backspace pressed once before `at`: one character, or a whole surrogate pair.
qsizetype backspaceFrom(const QString &text, qsizetype at)
{
    if (at >= 2 && text[at - 1].isLowSurrogate() && text[at - 2].isHighSurrogate())
        return at - 2;
    return at - 1;
}

} // namespace

QStringList KeyPresses(const QString &text)
{
    QStringList presses;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        presses.append(text.mid(i, pair ? 2 : 1));
        if (pair)
            ++i;
    }
    return presses;
}

AppModel::AppModel() = default;

bool AppModel::applies(const Action &action) const
{
    if (action.window != top())
        return false;
    if (action.verb == Verb::Close)
        return action.window != Window::Main;
    if (action.verb == Verb::Undo)
        return action.window == Window::Main;
    return true;
}

bool AppModel::isOutputBox(Window window, const QString &control)
{
    return window == Window::Main && control == u"编辑框1";
}

bool AppModel::isList(const QString &control)
{
    return control.startsWith(u"组合框");
}

QString AppModel::textOf(Window window, const QString &control) const
{
    if (isOutputBox(window, control))
        return m_output.text();
    if (isList(control))
        return controls(window).lists.value(control).field;
    return controls(window).boxes.value(control);
}

int AppModel::positionOf(Window window, const QString &list) const
{
    return controls(window).lists.value(list).position;
}

QString AppModel::read(Window window, int box) const
{
    return AsRead(controls(window).boxes.value(numbered(u"编辑框", box)));
}

int AppModel::position(Window window, int list) const
{
    return positionOf(window, numbered(u"组合框", list));
}

// Leaving a list's field: text equal to one of its items, other than the chosen one,
// chooses that item (Qt's editable combo box does so when its field loses the focus).
void AppModel::leaveListField()
{
    if (!m_inListField)
        return;
    const auto [window, name] = *m_inListField;
    m_inListField.reset();
    if (!m_open.contains(window))
        return;
    List &list = controls(window).lists[name];
    const QStringList &items = ListItems(window, name);
    const QString chosen = list.position >= 0 ? items.value(list.position) : QString();
    if (list.field.isEmpty() || list.field == chosen)
        return;
    if (const qsizetype found = items.indexOf(list.field); found >= 0)
        list.position = int(found);
}

void AppModel::apply(const Action &a)
{
    const bool staysInField = (a.verb == Verb::Edit || a.verb == Verb::Arrow || a.verb == Verb::Key)
        && m_inListField && *m_inListField == std::pair(a.window, a.control);
    if (!staysInField)
        leaveListField();

    switch (a.verb) {
    case Verb::Edit:
        if (isOutputBox(a.window, a.control))
            editOutput(a);
        else
            edit(a);
        break;
    case Verb::Pick: {
        List &list = controls(a.window).lists[a.control];
        list.position = a.count;
        list.field = ListItems(a.window, a.control).value(a.count);
        break;
    }
    case Verb::Arrow:
        arrow(a);
        break;
    case Verb::Key:
        if (isList(a.control))
            m_inListField = std::pair(a.window, a.control);
        // Tab and Shift+Tab move the focus away; Enter and F1 do nothing here.
        if (a.key == Qt::Key_Tab || a.key == Qt::Key_Backtab)
            leaveListField();
        break;
    case Verb::Click:
        click(a);
        break;
    case Verb::Undo:
        break; // the box shows what was taken back: see undoneTo
    case Verb::Close:
        if (m_open.size() > 1)
            m_open.removeLast();
        break;
    }
}

void AppModel::edit(const Action &a)
{
    Controls &c = controls(a.window);
    QString &text = isList(a.control) ? c.lists[a.control].field : c.boxes[a.control];
    const Span span = Resolve(a, text);
    switch (a.input) {
    case Input::Keys:
    case Input::Commit:
    case Input::Paste:
        text.replace(span.start, span.end - span.start, a.text);
        break;
    case Input::Backspace: {
        text.remove(span.start, span.end - span.start);
        qsizetype at = span.start;
        for (int i = span.end > span.start ? 1 : 0; i < a.count && at > 0; ++i) {
            const qsizetype from = backspaceFrom(text, at);
            text.remove(from, at - from);
            at = from;
        }
        break;
    }
    case Input::Delete:
        text.remove(span.start, span.end - span.start);
        break;
    case Input::Enter:
    case Input::ShiftEnter:
        break; // a single-line field takes no line from Enter
    case Input::Copy:
    case Input::Cut:
        // The selection goes to the clipboard as it stands; nothing selected, nothing copied.
        if (span.end > span.start)
            m_clipboard = text.mid(span.start, span.end - span.start);
        if (a.input == Input::Cut)
            text.remove(span.start, span.end - span.start);
        break;
    }
    if (a.input == Input::Paste)
        m_clipboard = a.text;
    if (isList(a.control))
        m_inListField = std::pair(a.window, a.control);
}

void AppModel::editOutput(const Action &a)
{
    const Span span = Resolve(a, m_output.text());
    switch (a.input) {
    case Input::Keys: {
        qsizetype at = span.start;
        qsizetype end = span.end;
        for (const QString &press : KeyPresses(a.text)) {
            m_output.edit(at, end, InBox(press));
            at += press.size();
            end = at;
        }
        break;
    }
    case Input::Commit:
    case Input::Paste:
        m_output.edit(span.start, span.end, InBox(a.text));
        break;
    case Input::Backspace: {
        qsizetype at = span.start;
        int presses = a.count;
        if (span.end > span.start) {
            m_output.edit(span.start, span.end, QString());
            --presses;
        }
        for (; presses > 0 && at > 0; --presses) {
            const qsizetype from = backspaceFrom(m_output.text(), at);
            m_output.edit(from, at, QString());
            at = from;
        }
        break;
    }
    case Input::Delete:
        m_output.edit(span.start, span.end, QString());
        break;
    case Input::Enter:
    case Input::ShiftEnter:
        m_output.edit(span.start, span.end, QString(kBreak));
        break;
    case Input::Copy:
    case Input::Cut:
        // The selection leaves the box as the whole text does: each break as CR LF,
        // every other character unchanged.
        if (span.end > span.start)
            m_clipboard = WithCrLf(m_output.text().mid(span.start, span.end - span.start));
        if (a.input == Input::Cut)
            m_output.edit(span.start, span.end, QString());
        break;
    }
    if (a.input == Input::Paste)
        m_clipboard = a.text;
}

// Up and Down choose the item above or below; at either end, or Up with nothing chosen,
// nothing changes, the field included.
void AppModel::arrow(const Action &a)
{
    List &list = controls(a.window).lists[a.control];
    const QStringList &items = ListItems(a.window, a.control);
    const int next = a.key == Qt::Key_Up ? list.position - 1 : list.position + 1;
    if (list.position >= -1 && next >= 0 && next < items.size()) {
        list.position = next;
        list.field = items[next];
    }
    m_inListField = std::pair(a.window, a.control);
}

void AppModel::click(const Action &a)
{
    const int button = a.control.mid(2).toInt(); // "按钮n"
    if (a.window == Window::Skill) {
        if (button == 1) {
            m_open.append(Window::Note);
        } else if (button == 2) {
            SkillValues values;
            for (int n = 1; n <= 17; ++n)
                values.lists[n - 1] = position(Window::Skill, n);
            for (int n = 1; n <= 10; ++n)
                values.boxes[n - 1] = read(Window::Skill, n);
            m_output.set(SkillLine(values));
        }
        return;
    }
    const Window w = Window::Main;
    switch (button) {
    case 1:
        m_output.append(ItemHeader(read(w, 2), read(w, 3), read(w, 4)));
        break;
    case 2:
    case 5:
    case 8:
    case 9:
        m_output.append(Marker(button));
        break;
    case 4:
        m_output.append(OptionLines(position(w, 1), position(w, 2)));
        break;
    case 6:
        m_output.append(EnchantmentLine(position(w, 3), read(w, 6)));
        break;
    case 7:
        m_output.append(CustomEnchantmentLine(read(w, 7), read(w, 8)));
        break;
    case 10:
        m_skill = {}; // every opening starts from the form
        m_open.append(Window::Skill);
        break;
    case 12:
        m_clipboard = WithCrLf(m_output.text());
        break;
    case 13:
        m_output.set(QString());
        break;
    default:
        break; // 按钮3 and 按钮11 do nothing
    }
}

} // namespace model

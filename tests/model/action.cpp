#include "model/action.h"

#include <utility>

using namespace Qt::StringLiterals;

namespace model {

namespace {

// A point between two characters, moved back off the middle of a surrogate pair.
qsizetype pointIn(const QString &text, quint32 raw)
{
    qsizetype at = qsizetype(raw % quint32(text.size() + 1));
    if (at > 0 && at < text.size() && text[at - 1].isHighSurrogate() && text[at].isLowSurrogate())
        --at;
    return at;
}

QString windowName(Window window)
{
    switch (window) {
    case Window::Main:
        return u"main"_s;
    case Window::Skill:
        return u"skill"_s;
    case Window::Note:
        return u"note"_s;
    }
    return {};
}

QString keyName(Qt::Key key)
{
    switch (key) {
    case Qt::Key_Escape:
        return u"Esc"_s;
    case Qt::Key_Return:
        return u"Enter"_s;
    case Qt::Key_F1:
        return u"F1"_s;
    case Qt::Key_Tab:
        return u"Tab"_s;
    case Qt::Key_Backtab:
        return u"Shift+Tab"_s;
    case Qt::Key_Up:
        return u"Up"_s;
    case Qt::Key_Down:
        return u"Down"_s;
    default:
        return u"the close box"_s;
    }
}

QString placeName(const Action &a)
{
    switch (a.place) {
    case Place::All:
        return u"all (Ctrl+A)"_s;
    case Place::Start:
        return u"start"_s;
    case Place::End:
        return u"end"_s;
    case Place::At:
        return u"point #%1"_s.arg(a.from);
    case Place::Range:
        return u"range #%1..#%2"_s.arg(a.from).arg(a.to);
    }
    return {};
}

QString inputName(const Action &a)
{
    switch (a.input) {
    case Input::Keys:
        return u"type "_s + Escaped(a.text);
    case Input::Commit:
        return u"input method commits "_s + Escaped(a.text);
    case Input::Paste:
        return u"paste "_s + Escaped(a.text);
    case Input::Backspace:
        return u"Backspace x%1"_s.arg(a.count);
    case Input::Delete:
        return u"Delete"_s;
    case Input::Enter:
        return u"Enter"_s;
    case Input::ShiftEnter:
        return u"Shift+Enter"_s;
    case Input::Copy:
        return u"Ctrl+C"_s;
    case Input::Cut:
        return u"Ctrl+X"_s;
    }
    return {};
}

} // namespace

Span Resolve(const Action &action, const QString &text)
{
    switch (action.place) {
    case Place::All:
        return {0, text.size()};
    case Place::Start:
        return {0, 0};
    case Place::End:
        return {text.size(), text.size()};
    case Place::At: {
        const qsizetype at = pointIn(text, action.from);
        return {at, at};
    }
    case Place::Range: {
        qsizetype start = pointIn(text, action.from);
        qsizetype end = pointIn(text, action.to);
        if (end < start)
            std::swap(start, end);
        return {start, end};
    }
    }
    return {};
}

QString Escaped(const QString &text, qsizetype limit)
{
    QString out = u"\""_s;
    qsizetype shown = 0;
    for (qsizetype i = 0; i < text.size() && shown < limit; ++i, ++shown) {
        char32_t c = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        if (c >= 0x20 && c < 0x7f && c != u'"' && c != u'\\')
            out += QChar(c);
        else
            out += u"\\u{%1}"_s.arg(uint(c), 0, 16);
    }
    out += u"\""_s;
    if (shown < text.size())
        out += u" (%1 UTF-16 units in all)"_s.arg(text.size());
    return out;
}

QString Describe(const Action &a)
{
    const QString where = windowName(a.window) + u' ' + a.control;
    switch (a.verb) {
    case Verb::Edit:
        return u"edit %1 at %2: %3"_s.arg(where, placeName(a), inputName(a));
    case Verb::Pick:
        return u"pick item %1 of %2"_s.arg(a.count).arg(where);
    case Verb::Arrow:
    case Verb::Key:
        return u"press %1 in %2"_s.arg(keyName(a.key), where);
    case Verb::Click:
        return u"click "_s + where;
    case Verb::Undo:
        return u"press Ctrl+Z in main 编辑框1"_s;
    case Verb::Close:
        return u"close the %1 window with %2"_s.arg(windowName(a.window), keyName(a.key));
    }
    return {};
}

} // namespace model

#pragma once
// One thing the random user does, as plain data: recorded, replayed, shrunk and printed.
// Places inside a text are kept as raw numbers and resolved against the text when the
// action runs, so an action still means something after earlier actions are removed.

#include "model/list_items.h"

#include <QString>

namespace model {

enum class Verb {
    Edit,  // into an edit box, a list's field or the output box
    Pick,  // a list's item, from its dropped-down list with the mouse
    Arrow, // Up or Down in a list's field
    Click, // a push button
    Key,   // Enter, F1, Tab or Shift+Tab in an edit box or a list's field
    Undo,  // Ctrl+Z in the output box
    Close, // the top window, by Esc or by its close box
};

// Where an edit goes: all the text (Ctrl+A), its start (Home), its end (End), a point or
// a range put there with the mouse.
enum class Place { All, Start, End, At, Range };

// What an edit does there: keys pressed one by one, an input method's commit, a paste
// (Ctrl+V) of the text, Backspace, Delete, Enter, Shift+Enter, Ctrl+C, Ctrl+X.
enum class Input { Keys, Commit, Paste, Backspace, Delete, Enter, ShiftEnter, Copy, Cut };

struct Action {
    Verb verb = Verb::Click;
    Window window = Window::Main;
    QString control;             // the object name of the box, list or button
    Place place = Place::End;
    quint32 from = 0;            // Place::At and Place::Range
    quint32 to = 0;              // Place::Range
    Input input = Input::Keys;
    QString text;                // Keys, Commit, Paste
    int count = 1;               // Backspace presses; the item of a Pick
    Qt::Key key = Qt::Key_Escape; // Key; Arrow (Up, Down); Close (Escape; else the close box)
};

// The part of text an edit replaces: [start, end). Ends never split a surrogate pair.
struct Span {
    qsizetype start = 0;
    qsizetype end = 0;
};
Span Resolve(const Action &action, const QString &text);

// One line, with every character that is not printable ASCII written as \u{...}.
QString Describe(const Action &action);
QString Escaped(const QString &text, qsizetype limit = 80);

} // namespace model

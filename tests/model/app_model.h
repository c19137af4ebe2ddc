#pragma once
// The whole program as the user must find it: which windows are open, what each box and
// list holds, the output box and the clipboard. Each action the user takes changes it in
// the plain way written out here.

#include "model/action.h"
#include "model/output_model.h"

#include <QHash>
#include <QList>
#include <QString>
#include <optional>

namespace model {

class AppModel
{
public:
    AppModel();

    Window top() const { return m_open.last(); }
    qsizetype depth() const { return m_open.size() - 1; }
    // True when the action is one the user can take now: it belongs to the top window.
    bool applies(const Action &action) const;

    // The text an edit of the control starts from: a box's value, a list's field, or the
    // output box's text (main 编辑框1).
    QString textOf(Window window, const QString &control) const;
    int positionOf(Window window, const QString &list) const;
    static bool isOutputBox(Window window, const QString &control);
    static bool isList(const QString &control);

    void apply(const Action &action);
    // After Ctrl+Z: see OutputModel::undoneTo.
    bool undoneTo(const QString &shown) { return m_output.undoneTo(shown); }

    const OutputModel &output() const { return m_output; }
    // What the clipboard must hold: the last text pasted from elsewhere or copied.
    const QString &clipboard() const { return m_clipboard; }

private:
    struct List {
        int position = -1;
        QString field;
    };
    struct Controls {
        QHash<QString, QString> boxes;
        QHash<QString, List> lists;
    };

    Controls &controls(Window window) { return window == Window::Main ? m_main : m_skill; }
    const Controls &controls(Window window) const { return window == Window::Main ? m_main : m_skill; }
    QString read(Window window, int box) const;
    int position(Window window, int list) const;
    void leaveListField();
    void edit(const Action &action);
    void editOutput(const Action &action);
    void arrow(const Action &action);
    void click(const Action &action);

    QList<Window> m_open{Window::Main};
    Controls m_main;
    Controls m_skill;
    OutputModel m_output;
    QString m_clipboard;
    // The list whose field the user typed into and has not left yet.
    std::optional<std::pair<Window, QString>> m_inListField;
};

// A text split into what one key press types: a surrogate pair stays together.
QStringList KeyPresses(const QString &text);

} // namespace model

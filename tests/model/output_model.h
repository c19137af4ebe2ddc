#pragma once
// The output box as it must be: its text (each break as kBreak) and the user's own edits
// since the last fragment, skill line or clearing, which are all that Ctrl+Z may take back.

#include <QList>
#include <QString>

namespace model {

class OutputModel
{
public:
    const QString &text() const { return m_text; }

    // A fragment at the very end (AppendOutput), the skill line in place of everything
    // (SetOutput), nothing (ClearOutput): each drops what Ctrl+Z could take back.
    void append(const QString &fragment);
    void set(const QString &line);

    // The user's own editing: [start, end) of text() replaced by inserted (already in box
    // form). A replacement of a non-empty range is recorded as its removal, then its
    // insertion, so that Ctrl+Z may take back either part.
    void edit(qsizetype start, qsizetype end, const QString &inserted);

    // Ctrl+Z left the box holding shown: true when that is the text it holds, or the text
    // it held before one or more of the user's own edits since the last fragment, which
    // the model then takes over. Nothing before that fragment may come back.
    bool undoneTo(const QString &shown);

private:
    struct Edit {
        qsizetype at;
        QString removed;
        QString inserted;
    };
    void record(qsizetype at, const QString &removed, const QString &inserted);

    QString m_text;
    QList<Edit> m_edits;
};

} // namespace model

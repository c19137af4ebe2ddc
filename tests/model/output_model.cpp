#include "model/output_model.h"

#include "model/line_breaks.h"

namespace model {

void OutputModel::append(const QString &fragment)
{
    m_text += InBox(fragment);
    m_edits.clear();
}

void OutputModel::set(const QString &line)
{
    m_text = InBox(line);
    m_edits.clear();
}

void OutputModel::edit(qsizetype start, qsizetype end, const QString &inserted)
{
    if (end > start)
        record(start, m_text.mid(start, end - start), QString());
    if (!inserted.isEmpty())
        record(start, QString(), inserted);
}

void OutputModel::record(qsizetype at, const QString &removed, const QString &inserted)
{
    m_text.replace(at, removed.size(), inserted);
    m_edits.append({at, removed, inserted});
}

bool OutputModel::undoneTo(const QString &shown)
{
    // Qt's undo steps can be finer than the user's edits, and a step may change nothing
    // that shows (replacing a break with a break takes several): the text may stay.
    if (shown == m_text)
        return true;
    // Walk back through the edits, most recent first, looking for the text shown.
    QString before = m_text;
    for (qsizetype i = m_edits.size() - 1; i >= 0; --i) {
        const Edit &e = m_edits[i];
        before.replace(e.at, e.inserted.size(), e.removed);
        if (before.size() == shown.size() && before == shown) {
            m_text = before;
            m_edits.resize(i);
            return true;
        }
    }
    return false;
}

} // namespace model

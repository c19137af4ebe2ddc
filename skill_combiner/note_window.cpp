#include "skill_combiner/note_window.h"

#include "shell/modal.h"

namespace skill_combiner {

NoteWindow::NoteWindow(QWidget *owner)
    : FormWindow(QStringLiteral(":/forms/note.json"), owner)
{
}

void ShowNoteWindow(QWidget *opener)
{
    shell::ShowModal(opener, QStringLiteral("note"), [](QWidget *owner) { return new NoteWindow(owner); });
}

} // namespace skill_combiner

#pragma once

#include "shell/form_window.h"

namespace skill_combiner {

// "综合目标": a fixed explanation and the reference picture of compound target selectors.
// Nothing to read and nothing to click.
class NoteWindow : public shell::FormWindow
{
    Q_OBJECT
public:
    explicit NoteWindow(QWidget *owner);
};

// Opens a fresh note window modally over the program's windows and returns once the
// user has closed it.
void ShowNoteWindow(QWidget *opener);

} // namespace skill_combiner

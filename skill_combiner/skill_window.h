#pragma once

#include "shell/form_window.h"
#include "skill_combiner/skill_line.h"

namespace skill_combiner {

// "技能组合": 组合 composes the skill line into the output box in place of its text;
// 综合目标 opens the note window.
class SkillWindow : public shell::FormWindow
{
    Q_OBJECT
public:
    explicit SkillWindow(QWidget *owner);

private:
    SkillChoices readChoices() const;
};

// Opens a fresh skill window modally over the program's windows and returns once the
// user has closed it.
void ShowSkillWindow(QWidget *opener);

} // namespace skill_combiner

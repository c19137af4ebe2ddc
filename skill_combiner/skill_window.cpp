#include "skill_combiner/skill_window.h"

#include "shell/modal.h"
#include "shell/output_box.h"
#include "shell/texts.h"
#include "skill_combiner/note_window.h"

#include <QComboBox>
#include <QLineEdit>

using namespace shell;

namespace skill_combiner {

namespace {

QString numbered(QStringView kind, int number)
{
    return kind.toString() + QString::number(number);
}

} // namespace

SkillWindow::SkillWindow(QWidget *owner)
    : FormWindow(QStringLiteral(":/forms/skill.json"), owner)
{
    if (!isBuilt())
        return;
    onClick(u"按钮2", [this] { SetOutput(SkillLine(readChoices())); });
    onClick(u"按钮1", [this] { ShowNoteWindow(this); });
}

void ShowSkillWindow(QWidget *opener)
{
    ShowModal(opener, QStringLiteral("skill"), [](QWidget *owner) { return new SkillWindow(owner); });
}

SkillChoices SkillWindow::readChoices() const
{
    SkillChoices choices;
    for (int number = 1; number <= kListCount; ++number)
        choices.positions[number - 1] = ReadSelection(control<QComboBox>(numbered(u"组合框", number)));
    for (int number = 1; number <= kEditBoxCount; ++number)
        choices.texts[number - 1] = ReadText(control<QLineEdit>(numbered(u"编辑框", number)));
    return choices;
}

} // namespace skill_combiner

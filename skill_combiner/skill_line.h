#pragma once
// The skill line: one entry of an item's Skills list, composed from the skill window's
// lists and edit boxes. Every typed value is copied unchanged; a list with nothing
// chosen contributes nothing.

#include <QString>
#include <array>

namespace skill_combiner {

inline constexpr int kListCount = 16;    // 组合框1 to 组合框16 (组合框17 is read by nothing)
inline constexpr int kEditBoxCount = 10; // 编辑框1 to 编辑框10

struct SkillChoices {
    // positions[n - 1] is the selection position of 组合框n; -1 when nothing is chosen.
    std::array<int, kListCount> positions = [] {
        std::array<int, kListCount> nothing{};
        nothing.fill(-1);
        return nothing;
    }();
    // texts[n - 1] is the text of 编辑框n; the absent text when the box is empty.
    std::array<QString, kEditBoxCount> texts;
};

// "  - skill{s=name}" followed by the chosen selectors, the trigger with its condition
// and the timer, in a fixed order; no line break at the end.
QString SkillLine(const SkillChoices &choices);

} // namespace skill_combiner

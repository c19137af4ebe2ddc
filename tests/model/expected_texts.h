#pragma once
// What each button must write, built again here from the literals and tables of the
// item definition format, without the program's own composition code. Values are the
// boxes' values as read (line breaks as CR LF); a list position a table does not hold
// gives no piece.

#include <QString>
#include <array>

namespace model {

QString ItemHeader(const QString &code, const QString &id, const QString &displayName);
QString Marker(int button); // 按钮2, 按钮5, 按钮8, 按钮9
QString OptionLines(int unbreakable, int repairable);
QString EnchantmentLine(int position, const QString &level);
QString CustomEnchantmentLine(const QString &name, const QString &level);

struct SkillValues {
    std::array<int, 17> lists;       // lists[n - 1]: position of 组合框n
    std::array<QString, 10> boxes;   // boxes[n - 1]: 编辑框n as read
};
QString SkillLine(const SkillValues &values);

} // namespace model

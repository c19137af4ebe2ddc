#pragma once
// The fragments of an item definition that the main window's buttons append. Every
// value is copied unchanged; a list with nothing chosen contributes nothing.

#include <QString>
#include <QStringView>

namespace item_editor {

inline constexpr QStringView kLoreMarker = u"  Lore:\r\n";
inline constexpr QStringView kOptionsMarker = u"  Options:\r\n";
inline constexpr QStringView kEnchantmentsMarker = u"  Enchantments:\r\n";
inline constexpr QStringView kSkillsMarker = u"  Skills:\r\n";

// Three lines: "code: ", "  Id: id", "  Display: 'name'".
QString ItemHeader(QStringView code, QStringView id, QStringView displayName);

// Always two lines, Unbreakable then Repairable; a list with nothing chosen leaves its
// line empty.
QString OptionLines(int unbreakablePosition, int repairablePosition);

// The key of the enchantment list's position, then the level.
QString EnchantmentLine(int position, QStringView level);

// "  - name:level".
QString CustomEnchantmentLine(QStringView name, QStringView level);

} // namespace item_editor

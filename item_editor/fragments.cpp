#include "item_editor/fragments.h"

#include "shell/texts.h"

using shell::JoinTexts;
using shell::PieceAt;

namespace item_editor {

namespace {

constexpr QStringView kUnbreakable[] = {u"    Unbreakable: true", u"    Unbreakable: false"};
constexpr QStringView kRepairable[] = {u"    Repairable: false", u"    Repairable: true"};

// In the order of the list's items, which is the alphabetical order of the English names.
constexpr QStringView kEnchantmentKeys[] = {
    u"  - AquaAffinity:",
    u"  - Bane of Arthropods:",
    u"  - Blast Protection:",
    u"  - Curse of Binding:",
    u"  - Curse of Vanishing:",
    u"  - Depth Strider:",
    u"  - Efficiency:",
    u"  - Feather Falling:",
    u"  - Fire Aspect:",
    u"  - Fire Protection:",
    u"  - Flame:",
    u"  - Fortune:",
    u"  - Infinity:",
    u"  - Knockback:",
    u"  - Looting:",
    u"  - Luck of the Sea:",
    u"  - Lure:",
    u"  - Mending:",
    u"  - Power:",
    u"  - Projectile Protection:",
    u"  - Protection:",
    u"  - Punch:",
    u"  - Respiration:",
    u"  - Sharpness:",
    u"  - Silk Touch:",
    u"  - Smite:",
    u"  - Unbreaking:",
};

constexpr QStringView kLineBreak = u"\r\n";

} // namespace

QString ItemHeader(QStringView code, QStringView id, QStringView displayName)
{
    return JoinTexts({code, u": \r\n  Id: ", id, u"\r\n  Display: '", displayName, u"'\r\n"});
}

QString OptionLines(int unbreakablePosition, int repairablePosition)
{
    return JoinTexts({PieceAt(kUnbreakable, unbreakablePosition), kLineBreak,
                      PieceAt(kRepairable, repairablePosition), kLineBreak});
}

QString EnchantmentLine(int position, QStringView level)
{
    return JoinTexts({PieceAt(kEnchantmentKeys, position), level, kLineBreak});
}

QString CustomEnchantmentLine(QStringView name, QStringView level)
{
    return JoinTexts({u"  - ", name, u":", level, kLineBreak});
}

} // namespace item_editor

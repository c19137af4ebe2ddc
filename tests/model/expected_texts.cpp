#include "model/expected_texts.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace model {

namespace {

QString at(const QStringList &table, int position)
{
    return position >= 0 && position < table.size() ? table[position] : QString();
}

// 组合框3, positions 0 to 26. Position 4 ("消失组织") has no key in the format's table;
// the program's choice is "Curse of Vanishing", in the table's alphabetical order.
const QStringList enchantmentKeys = {
    u"  - AquaAffinity:"_s, u"  - Bane of Arthropods:"_s, u"  - Blast Protection:"_s,
    u"  - Curse of Binding:"_s, u"  - Curse of Vanishing:"_s, u"  - Depth Strider:"_s,
    u"  - Efficiency:"_s, u"  - Feather Falling:"_s, u"  - Fire Aspect:"_s,
    u"  - Fire Protection:"_s, u"  - Flame:"_s, u"  - Fortune:"_s, u"  - Infinity:"_s,
    u"  - Knockback:"_s, u"  - Looting:"_s, u"  - Luck of the Sea:"_s, u"  - Lure:"_s,
    u"  - Mending:"_s, u"  - Power:"_s, u"  - Projectile Protection:"_s, u"  - Protection:"_s,
    u"  - Punch:"_s, u"  - Respiration:"_s, u"  - Sharpness:"_s, u"  - Silk Touch:"_s,
    u"  - Smite:"_s, u"  - Unbreaking:"_s,
};

const QStringList singleTargets = {
    u" @Trigger"_s, u" @WolfOwner"_s, u" @Owner"_s, u" @Mount"_s, u" @Parent"_s, u" @Passenger"_s,
};
const QStringList groupTargets = {u" @LivingInWorld"_s, u" @PlayersInWorld"_s, u" @PlayersOnServer"_s};
// Position 3 ("当怪物射击时") is left open by the format; the program writes " ~onShoot".
const QStringList triggers = {
    u" ~onInteract"_s, u" ~onExplode"_s, u" ~onTeleport"_s, u" ~onShoot"_s, u" ~onAttack"_s,
    u" ~onDamaged"_s, u" ~onShoot"_s, u" ~onBowHit"_s, u" ~onSpawn"_s, u" ~onConsume"_s,
    u" ~onPotionSplash"_s, u" ~onDeath"_s, u" ~onSwing"_s, u" ~onUse"_s,
};

// The piece a one-item list writes when its item is chosen.
QString oneItem(int position, const QString &piece)
{
    return position == 0 ? piece : QString();
}

} // namespace

QString ItemHeader(const QString &code, const QString &id, const QString &displayName)
{
    return code + u": \r\n  Id: "_s + id + u"\r\n  Display: '"_s + displayName + u"'\r\n"_s;
}

QString Marker(int button)
{
    switch (button) {
    case 2:
        return u"  Lore:\r\n"_s;
    case 5:
        return u"  Options:\r\n"_s;
    case 8:
        return u"  Enchantments:\r\n"_s;
    case 9:
        return u"  Skills:\r\n"_s;
    }
    return {};
}

QString OptionLines(int unbreakable, int repairable)
{
    const QString unbreakablePiece = at({u"    Unbreakable: true"_s, u"    Unbreakable: false"_s}, unbreakable);
    const QString repairablePiece = at({u"    Repairable: false"_s, u"    Repairable: true"_s}, repairable);
    return unbreakablePiece + u"\r\n"_s + repairablePiece + u"\r\n"_s;
}

QString EnchantmentLine(int position, const QString &level)
{
    return at(enchantmentKeys, position) + level + u"\r\n"_s;
}

QString CustomEnchantmentLine(const QString &name, const QString &level)
{
    return u"  - "_s + name + u":"_s + level + u"\r\n"_s;
}

QString SkillLine(const SkillValues &v)
{
    const auto &l = v.lists;
    const auto &b = v.boxes;
    return u"  - skill{s="_s + b[0] + u"}"_s + at(singleTargets, l[0])
        + oneItem(l[3], u" @NearestPlayer{r="_s) + b[1] + oneItem(l[4], u"}"_s)
        + at(groupTargets, l[1])
        + oneItem(l[5], u" @LivingInCone{a="_s) + b[2] + oneItem(l[6], u";r="_s) + b[3]
        + oneItem(l[7], u";rot="_s) + b[4] + oneItem(l[8], u"}"_s)
        + oneItem(l[9], u" @PlayersNearOrigin{r="_s) + b[5] + oneItem(l[11], u"}"_s)
        + oneItem(l[10], u" @EntitiesNearOrigin{r="_s) + b[6] + oneItem(l[12], u"}"_s)
        + oneItem(l[13], u" @PlayersNearTargetLocation{r="_s) + b[7] + oneItem(l[14], u"}"_s)
        + at(triggers, l[2]) + b[9] + oneItem(l[15], u" ~onTimer:"_s) + b[8];
}

} // namespace model

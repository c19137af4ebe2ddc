#include "skill_combiner/skill_line.h"

#include "shell/texts.h"

#include <iterator>
#include <span>

using shell::PieceAt;

namespace skill_combiner {

namespace {

// 组合框1, in the order of the list's items.
constexpr QStringView kSingleTargets[] = {
    u" @Trigger", u" @WolfOwner", u" @Owner", u" @Mount", u" @Parent", u" @Passenger",
};

// 组合框2.
constexpr QStringView kGroups[] = {u" @LivingInWorld", u" @PlayersInWorld", u" @PlayersOnServer"};

// 组合框3, in the order of the list's items.
constexpr QStringView kTriggers[] = {
    u" ~onInteract",
    u" ~onExplode",
    u" ~onTeleport",
    u" ~onShoot", // "当怪物射击时": a monster's shot is the same shooting event as a player's
    u" ~onAttack",
    u" ~onDamaged",
    u" ~onShoot",
    u" ~onBowHit",
    u" ~onSpawn",
    u" ~onConsume",
    u" ~onPotionSplash",
    u" ~onDeath",
    u" ~onSwing",
    u" ~onUse",
};

// A one-item list is a table with one entry: its piece when the item is chosen.
QStringView oneItemPiece(const QStringView &piece, int position)
{
    return PieceAt(std::span<const QStringView>(&piece, 1), position);
}

} // namespace

QString SkillLine(const SkillChoices &choices)
{
    const auto list = [&choices](int number) { return choices.positions[number - 1]; };
    const auto text = [&choices](int number) { return QStringView(choices.texts[number - 1]); };

    // Rows follow the form's layout, not the lists' numbers: 组合框12 closes the
    // players-near-origin row, 组合框11 opens the entities-near-origin row.
    const QStringView pieces[] = {
        u"  - skill{s=",
        text(1),
        u"}",
        PieceAt(kSingleTargets, list(1)),
        oneItemPiece(u" @NearestPlayer{r=", list(4)),
        text(2),
        oneItemPiece(u"}", list(5)),
        PieceAt(kGroups, list(2)),
        oneItemPiece(u" @LivingInCone{a=", list(6)),
        text(3),
        oneItemPiece(u";r=", list(7)),
        text(4),
        oneItemPiece(u";rot=", list(8)),
        text(5),
        oneItemPiece(u"}", list(9)),
        oneItemPiece(u" @PlayersNearOrigin{r=", list(10)),
        text(6),
        oneItemPiece(u"}", list(12)),
        oneItemPiece(u" @EntitiesNearOrigin{r=", list(11)),
        text(7),
        oneItemPiece(u"}", list(13)),
        oneItemPiece(u" @PlayersNearTargetLocation{r=", list(14)),
        text(8),
        oneItemPiece(u"}", list(15)),
        PieceAt(kTriggers, list(3)),
        text(10),
        oneItemPiece(u" ~onTimer:", list(16)), // nothing closes the timer piece
        text(9),
    };
    static_assert(std::size(pieces) == 28);
    return shell::JoinTexts(pieces);
}

} // namespace skill_combiner

#pragma once
// The skill line's worked examples, shared by the test of the plain composition and the
// test through the real skill window.

#include <QList>
#include <QString>
#include <QTest>
#include <utility>

// (组合框 number, position) and (编辑框 number, text), set in this order.
using Chosen = QList<std::pair<int, int>>;
using Typed = QList<std::pair<int, QString>>;

namespace test {

// The columns chosen, typed and line, and one row per worked example.
inline void addWorkedSkillLines()
{
    using namespace Qt::StringLiterals;
    QTest::addColumn<Chosen>("chosen");
    QTest::addColumn<Typed>("typed");
    QTest::addColumn<QString>("line");

    QTest::newRow("nearest player, right click")
        << Chosen{{4, 0}, {5, 0}, {3, 13}} << Typed{{1, u"霹雳斩"_s}, {2, u"10"_s}}
        << u"  - skill{s=霹雳斩} @NearestPlayer{r=10} ~onUse"_s;
    QTest::newRow("cone with all four lists")
        << Chosen{{6, 0}, {7, 0}, {8, 0}, {9, 0}, {3, 4}}
        << Typed{{1, u"Fireball"_s}, {3, u"45"_s}, {4, u"8"_s}, {5, u"0"_s}}
        << u"  - skill{s=Fireball} @LivingInCone{a=45;r=8;rot=0} ~onAttack"_s;
    QTest::newRow("group with timer, no trigger")
        << Chosen{{2, 1}, {16, 0}} << Typed{{1, u"Fireball"_s}, {9, u"100"_s}}
        << u"  - skill{s=Fireball} @PlayersInWorld ~onTimer:100"_s;
    QTest::newRow("trigger with condition")
        << Chosen{{1, 0}, {3, 5}} << Typed{{1, u"Fireball"_s}, {10, u" <30% 0.9"_s}}
        << u"  - skill{s=Fireball} @Trigger ~onDamaged <30% 0.9"_s;
    QTest::newRow("two origin rows, picked last to first")
        << Chosen{{13, 0}, {11, 0}, {12, 0}, {10, 0}} << Typed{{1, u"Fireball"_s}, {6, u"5"_s}, {7, u"3"_s}}
        << u"  - skill{s=Fireball} @PlayersNearOrigin{r=5} @EntitiesNearOrigin{r=3}"_s;
}

} // namespace test

// The skill line composed from list positions and typed values, without any window.

#include "skill_combiner/skill_line.h"
#include "skill_line_examples.h"

#include <QTest>

using namespace Qt::StringLiterals;
using skill_combiner::SkillChoices;
using skill_combiner::SkillLine;


namespace {

SkillChoices choicesOf(const Chosen &chosen, const Typed &typed)
{
    SkillChoices choices;
    for (const auto &[list, position] : chosen)
        choices.positions[list - 1] = position;
    for (const auto &[box, text] : typed)
        choices.texts[box - 1] = text;
    return choices;
}

} // namespace

class SkillLineTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void composes_data();
    void composes();
    void listTablePieces_data();
    void listTablePieces();
};

void SkillLineTest::composes_data()
{
    test::addWorkedSkillLines();

    QTest::newRow("nothing chosen or typed") << Chosen{} << Typed{} << u"  - skill{s=}"_s;
    QTest::newRow("number without its lists stands bare")
        << Chosen{} << Typed{{1, u"霹雳斩"_s}, {2, u"10"_s}} << u"  - skill{s=霹雳斩}10"_s;
    QTest::newRow("opened, never closed")
        << Chosen{{4, 0}} << Typed{{1, u"霹雳斩"_s}, {2, u"10"_s}} << u"  - skill{s=霹雳斩} @NearestPlayer{r=10"_s;
    QTest::newRow("closing list alone") << Chosen{{5, 0}} << Typed{} << u"  - skill{s=}}"_s;
    // 组合框12 closes the players row, 组合框11 opens the entities row below it.
    QTest::newRow("origin rows paired by layout")
        << Chosen{{11, 0}, {12, 0}} << Typed{{6, u"5"_s}, {7, u"3"_s}} << u"  - skill{s=}5} @EntitiesNearOrigin{r=3"_s;
    QTest::newRow("condition without trigger follows the last selector")
        << Chosen{{2, 0}} << Typed{{10, u"=60% 0.5"_s}} << u"  - skill{s=} @LivingInWorld=60% 0.5"_s;
    QTest::newRow("every piece, in the fixed order")
        << Chosen{{16, 0}, {15, 0}, {14, 0}, {13, 0}, {12, 0}, {11, 0}, {10, 0}, {9, 0},
                  {8, 0}, {7, 0}, {6, 0}, {5, 0}, {4, 0}, {3, 12}, {2, 2}, {1, 5}}
        << Typed{{10, u"<c>"_s}, {9, u"20"_s}, {8, u"f"_s}, {7, u"e"_s}, {6, u"d"_s},
                 {5, u"c"_s}, {4, u"b"_s}, {3, u"a"_s}, {2, u"r"_s}, {1, u"n"_s}}
        << u"  - skill{s=n} @Passenger @NearestPlayer{r=r} @PlayersOnServer @LivingInCone{a=a;r=b;rot=c}"
           " @PlayersNearOrigin{r=d} @EntitiesNearOrigin{r=e} @PlayersNearTargetLocation{r=f}"
           " ~onSwing<c> ~onTimer:20"_s;
    QTest::newRow("typed text copied unchanged")
        << Chosen{{4, 0}}
        << Typed{{1, u" 霹雳 斩{a;b}} \u00a0𠀀😀 "_s}, {2, u"\"quoted\" 'x' \\ ;"_s}}
        << u"  - skill{s= 霹雳 斩{a;b}} \u00a0𠀀😀 } @NearestPlayer{r=\"quoted\" 'x' \\ ;"_s;
    QTest::newRow("positions past a table give nothing")
        << Chosen{{1, 6}, {2, 3}, {3, 14}, {4, 1}, {16, 1}} << Typed{} << u"  - skill{s=}"_s;
}

void SkillLineTest::composes()
{
    QFETCH(Chosen, chosen);
    QFETCH(Typed, typed);
    QFETCH(QString, line);
    QCOMPARE(SkillLine(choicesOf(chosen, typed)), line);
}

void SkillLineTest::listTablePieces_data()
{
    QTest::addColumn<int>("list");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("piece");

    const QString singleTargets[] = {u" @Trigger"_s, u" @WolfOwner"_s, u" @Owner"_s,
                                     u" @Mount"_s,   u" @Parent"_s,    u" @Passenger"_s};
    for (int position = 0; position < 6; ++position)
        QTest::addRow("组合框1 at %d", position) << 1 << position << singleTargets[position];

    const QString groups[] = {u" @LivingInWorld"_s, u" @PlayersInWorld"_s, u" @PlayersOnServer"_s};
    for (int position = 0; position < 3; ++position)
        QTest::addRow("组合框2 at %d", position) << 2 << position << groups[position];

    // Position 3, a monster shooting, is the same shooting event as position 6.
    const QString triggers[] = {
        u" ~onInteract"_s, u" ~onExplode"_s, u" ~onTeleport"_s,     u" ~onShoot"_s, u" ~onAttack"_s,
        u" ~onDamaged"_s,  u" ~onShoot"_s,   u" ~onBowHit"_s,       u" ~onSpawn"_s, u" ~onConsume"_s,
        u" ~onPotionSplash"_s, u" ~onDeath"_s, u" ~onSwing"_s,      u" ~onUse"_s,
    };
    for (int position = 0; position < 14; ++position)
        QTest::addRow("组合框3 at %d", position) << 3 << position << triggers[position];
}

void SkillLineTest::listTablePieces()
{
    QFETCH(int, list);
    QFETCH(int, position);
    QFETCH(QString, piece);
    QCOMPARE(SkillLine(choicesOf({{list, position}}, {})), u"  - skill{s=}"_s + piece);
}

QTEST_APPLESS_MAIN(SkillLineTest)
#include "skill_line_test.moc"

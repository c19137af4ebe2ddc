#include "bench/output_box_bench.h"

#include "shell/texts.h"

#include <QString>
#include <QStringView>
#include <array>
#include <benchmark/benchmark.h>

namespace bench {

namespace {

using SkillPieces = std::array<QStringView, 28>;

// What the user typed, as ReadText hands it over: owned texts, some absent.
struct TypedValues
{
    QString skillName = QStringLiteral("霹雳斩");
    QString nearestRadius = QStringLiteral("10");
    QString coneAngle = QStringLiteral("45");
    QString coneRadius = QStringLiteral("8");
    QString coneRotation = QStringLiteral("0");
    QString originPlayersRadius;
    QString originEntitiesRadius;
    QString targetLocationRadius;
    QString condition = QStringLiteral(" <30% 0.9");
    QString interval = QStringLiteral("100");
};

// A full skill line: selectors, a trigger with its condition and a timer.
SkillPieces skillPieces(const TypedValues &v)
{
    return {u"  - skill{s=", v.skillName, u"}",
            u" @Trigger", u" @NearestPlayer{r=", v.nearestRadius, u"}",
            u" @PlayersInWorld", u" @LivingInCone{a=", v.coneAngle, u";r=", v.coneRadius,
            u";rot=", v.coneRotation, u"}",
            {}, v.originPlayersRadius, {},
            {}, v.originEntitiesRadius, {},
            {}, v.targetLocationRadius, {},
            u" ~onDamaged", v.condition, u" ~onTimer:", v.interval};
}

// The join as one would write it by hand: one reserve, then append piece by piece.
QString handWrittenJoin(const SkillPieces &pieces)
{
    qsizetype total = 0;
    for (QStringView piece : pieces)
        total += piece.size();
    QString joined;
    joined.reserve(total);
    for (QStringView piece : pieces)
        joined.append(piece);
    return joined;
}

template<typename Join>
void joinRun(benchmark::State &state, Join join)
{
    const TypedValues values;
    const SkillPieces pieces = skillPieces(values);
    for (auto _ : state) {
        benchmark::DoNotOptimize(pieces.data());
        QString line = join(pieces);
        benchmark::DoNotOptimize(line.constData());
        benchmark::ClobberMemory();
    }
}

} // namespace

void RegisterJoinBenchmarks()
{
    benchmark::RegisterBenchmark("join/program", [](benchmark::State &state) {
        joinRun(state, [](const SkillPieces &pieces) { return shell::JoinTexts(pieces); });
    })->Repetitions(10);
    benchmark::RegisterBenchmark("join/hand_written", [](benchmark::State &state) {
        joinRun(state, handWrittenJoin);
    })->Repetitions(10);
}

} // namespace bench

#pragma once
// Benchmarks registered by hand so that they run in an order that lets the costly
// pre-filling of the output box be shared.

namespace bench {

// Append, read and copy on the registered output box, which must be shown.
void RegisterOutputBoxBenchmarks();
// JoinTexts of a skill line's 28 pieces against a hand-written join.
void RegisterJoinBenchmarks();

} // namespace bench

#pragma once
// Output text as the main window's buttons build it, in any amount.

#include <QString>

namespace bench {

inline constexpr qsizetype kKB = 1000;
inline constexpr qsizetype kMB = 1000 * kKB;

// Whole item definitions (header, markers, option and enchantment lines, CR LF breaks),
// each with its own code and name, cut to exactly size characters.
QString TypicalItemText(qsizetype size);

// One custom enchantment line of 60 characters, CR LF included: what one click appends.
QString AppendedFragment();

// "10KB", "1MB", "50MB": sizes as the benchmarks and the summary name them.
QString SizeName(qsizetype size);

} // namespace bench

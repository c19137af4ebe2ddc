#pragma once
// How line breaks travel, written out on their own: a value read from a single-line box
// has each of its line breaks as CR LF; the output box holds every line break as one
// break of its own; a break leaves the box as CR LF.

#include <QString>

namespace model {

// The model's own mark for one break in the output box.
inline constexpr QChar kBreak = u'\n';

// A single-line box's value as a button reads it: CR LF, a lone CR, a lone LF, U+2028 and
// U+2029 each become one CR LF; every other character stays.
QString AsRead(const QString &value);

// A text as the output box holds it, each break as kBreak. Besides the five line breaks,
// U+FDD0 and U+FDD1 become breaks: Qt's text document keeps those two noncharacters for
// its own frame marks.
QString InBox(const QString &text);

// The box's text as it leaves the box (一键复制): each break as CR LF.
QString WithCrLf(const QString &boxText);

} // namespace model

#pragma once
// A seeded source of random numbers and of the texts a user types, commits with an input
// method or pastes. The same seed gives the same texts on every machine.

#include <QString>
#include <cstdint>

namespace model {

class Random
{
public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t next();
    // 0 <= result < bound
    quint32 below(quint32 bound) { return bound == 0 ? 0 : quint32(next() % bound); }
    bool chance(quint32 inHundred) { return below(100) < inHundred; }

private:
    std::uint64_t m_state;
};

// Huge pastes (up to 1 MB) are rare; their runs without a space stay short, as in real
// text: Qt wraps a long unbroken run in the output box very slowly.
inline constexpr qsizetype kHugeText = 1 << 20;
inline constexpr qsizetype kLongestRun = 160;

class TextMaker
{
public:
    explicit TextMaker(Random &random) : m_random(random) {}
    // What keys type: printable characters, format characters, private use, characters
    // beyond the BMP; no control characters and no line breaks.
    QString typed();
    // What an input method commits: Chinese, and now and then an emoji.
    QString committed();
    // What a paste brings from elsewhere: any characters, control characters and line
    // breaks included, now and then long or huge; never empty.
    QString pasted(bool hugeAllowed);

private:
    void appendPrintable(QString &text);
    void appendAny(QString &text);
    qsizetype length(qsizetype longest);

    Random &m_random;
};

} // namespace model

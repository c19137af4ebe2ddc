#include "model/random_texts.h"

#include <QChar>
#include <array>

using namespace Qt::StringLiterals;

namespace model {

namespace {

struct Range {
    char32_t first;
    char32_t last;
};

// Characters a keyboard or an input method gives.
constexpr std::array printable = {
    Range{0x21, 0x7e},         // ASCII, YAML's : ' " # { } [ ] included
    Range{0x20, 0x20},         // space
    Range{0x4e00, 0x9fff},     // Chinese
    Range{0x0300, 0x036f},     // combining marks
    Range{0x05d0, 0x05ea},     // Hebrew
    Range{0x0627, 0x064a},     // Arabic
    Range{0x00a0, 0x00a0},     // no-break space
    Range{0x3000, 0x3000},     // ideographic space
    Range{0x200b, 0x200f},     // zero width space, joiners, direction marks
    Range{0x202a, 0x202e},     // direction embeddings and overrides
    Range{0xff01, 0xff5e},     // full-width forms
    Range{0xe000, 0xe0ff},     // private use
    Range{0x1f300, 0x1f64f},   // emoji
    Range{0x20000, 0x2a6df},   // Chinese beyond the BMP
    Range{0x1d400, 0x1d7ff},   // mathematical letters
};

// Characters only a paste brings: control characters, line breaks of every kind,
// noncharacters, the byte order mark, the replacement character.
constexpr std::array unusual = {
    Range{0x00, 0x00}, Range{0x09, 0x09}, Range{0x0a, 0x0a}, Range{0x0d, 0x0d}, Range{0x0b, 0x0c},
    Range{0x01, 0x1f}, Range{0x7f, 0x9f}, Range{0x2028, 0x2029}, Range{0xfdd0, 0xfdd1},
    Range{0xfffe, 0xffff}, Range{0xfeff, 0xfeff}, Range{0xfffc, 0xfffd}, Range{0x10fffe, 0x10ffff},
    Range{0x2060, 0x2069}, Range{0x0085, 0x0085},
};

template<std::size_t N>
void appendFrom(QString &text, const std::array<Range, N> &ranges, Random &random)
{
    const Range &range = ranges[random.below(N)];
    const char32_t c = range.first + random.below(quint32(range.last - range.first + 1));
    if (QChar::requiresSurrogates(c)) {
        text += QChar(QChar::highSurrogate(c));
        text += QChar(QChar::lowSurrogate(c));
    } else {
        text += QChar(char16_t(c));
    }
}

} // namespace

std::uint64_t Random::next()
{
    // splitmix64: small, fast, and the same everywhere.
    std::uint64_t z = (m_state += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

qsizetype TextMaker::length(qsizetype longest)
{
    switch (m_random.below(10)) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 4:
        return 1 + m_random.below(6);
    case 5:
    case 6:
    case 7:
        return 1 + m_random.below(24);
    case 8:
        return 1 + m_random.below(240);
    default:
        return 1 + m_random.below(quint32(longest));
    }
}

void TextMaker::appendPrintable(QString &text)
{
    // Plain ASCII letters half of the time, so that values look like values.
    if (m_random.chance(50))
        text += QChar(char16_t(u'a' + m_random.below(26)));
    else
        appendFrom(text, printable, m_random);
}

void TextMaker::appendAny(QString &text)
{
    const quint32 roll = m_random.below(100);
    if (roll < 8)
        text += u"\r\n";
    else if (roll < 22)
        appendFrom(text, unusual, m_random);
    else
        appendPrintable(text);
}

QString TextMaker::typed()
{
    QString text;
    for (qsizetype i = length(12); i > 0; --i)
        appendPrintable(text);
    return text;
}

QString TextMaker::committed()
{
    QString text;
    for (qsizetype i = 1 + m_random.below(6); i > 0; --i) {
        if (m_random.chance(80))
            appendFrom(text, std::array{Range{0x4e00, 0x9fff}}, m_random);
        else
            appendFrom(text, std::array{Range{0x1f300, 0x1f64f}, Range{0x20000, 0x2a6df}}, m_random);
    }
    return text;
}

QString TextMaker::pasted(bool hugeAllowed)
{
    // Now and then a few characters around line breaks and NUL only, so that values that
    // end or begin with a lone CR or LF meet in adjacent pieces of a line.
    if (m_random.chance(25)) {
        static const QString pieces[] = {u"\r"_s,       u"\r"_s,       u"\n"_s, u"\n"_s, u"\r\n"_s, u"\u2028"_s,
                                         u"\u2029"_s,   QString(QChar(0)), u"\t"_s, u"x"_s, u"x"_s};
        QString text;
        for (qsizetype i = 1 + m_random.below(3); i > 0; --i)
            text += pieces[m_random.below(std::size(pieces))];
        return text;
    }
    const bool huge = hugeAllowed && m_random.below(100) == 0;
    const qsizetype size = huge ? kHugeText / 16 + m_random.below(quint32(kHugeText - kHugeText / 16)) : length(4000);
    QString text;
    text.reserve(size + 2);
    qsizetype run = 0;
    while (text.size() < size) {
        if (run >= kLongestRun || (huge && m_random.below(12) == 0)) {
            text += u' ';
            run = 0;
            continue;
        }
        appendAny(text);
        ++run;
    }
    return text;
}

} // namespace model

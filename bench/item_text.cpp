#include "bench/item_text.h"

#include "item_editor/fragments.h"

using namespace item_editor;

namespace bench {

namespace {

// One item as a user builds it, about 420 characters.
void appendItem(QString &text, int number)
{
    const QString n = QString::number(number);
    text += ItemHeader(QStringLiteral("thunder_blade_") + n, u"DIAMOND_SWORD", QStringLiteral("&6霹雳斩之剑 &7#") + n);
    text += kLoreMarker;
    text += kOptionsMarker;
    text += OptionLines(0, 1);
    text += kEnchantmentsMarker;
    text += EnchantmentLine(23, n.right(1));
    text += EnchantmentLine(26, u"3");
    text += EnchantmentLine(17, u"1");
    text += EnchantmentLine(8, u"2");
    text += CustomEnchantmentLine(u"雷霆之怒", u"5");
    text += CustomEnchantmentLine(u"Lifesteal", u"10");
    text += kSkillsMarker;
}

} // namespace

QString TypicalItemText(qsizetype size)
{
    QString text;
    text.reserve(size + 1024);
    for (int number = 1; text.size() < size; ++number)
        appendItem(text, number);
    text.truncate(size);
    return text;
}

QString AppendedFragment()
{
    constexpr QStringView name = u"Wrath of the Northern Storm, forged in the Ostravane deep halls";
    constexpr qsizetype kLength = 60;
    // "  - " + name + ":" + level + CR LF
    const QStringView level = u"12";
    return CustomEnchantmentLine(name.left(kLength - 4 - 1 - level.size() - 2), level);
}

QString SizeName(qsizetype size)
{
    if (size >= kMB)
        return QString::number(size / kMB) + QStringLiteral("MB");
    return QString::number(size / kKB) + QStringLiteral("KB");
}

} // namespace bench

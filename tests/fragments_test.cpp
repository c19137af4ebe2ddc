// The item editor's fragments, byte for byte.

#include "item_editor/fragments.h"

#include <QTest>

using namespace item_editor;
using namespace Qt::StringLiterals;

class FragmentsTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void header_data();
    void header();
    void optionLines_data();
    void optionLines();
    void enchantmentLine_data();
    void enchantmentLine();
    void customEnchantmentLine_data();
    void customEnchantmentLine();
};

void FragmentsTest::header_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("fragment");
    QTest::newRow("worked example") << u"demo_item"_s << u"STONE"_s << u"Demo item"_s
                                    << u"demo_item: \r\n  Id: STONE\r\n  Display: 'Demo item'\r\n"_s;
    QTest::newRow("all empty") << QString() << QString() << QString() << u": \r\n  Id: \r\n  Display: ''\r\n"_s;
    QTest::newRow("apostrophe and spaces kept") << u" a "_s << u"DIAMOND_SWORD "_s << u"Tom's 剑"_s
                                                << u" a : \r\n  Id: DIAMOND_SWORD \r\n  Display: 'Tom's 剑'\r\n"_s;
}

void FragmentsTest::header()
{
    QFETCH(QString, code);
    QFETCH(QString, id);
    QFETCH(QString, name);
    QFETCH(QString, fragment);
    QCOMPARE(ItemHeader(code, id, name), fragment);
}

void FragmentsTest::optionLines_data()
{
    QTest::addColumn<int>("unbreakable");
    QTest::addColumn<int>("repairable");
    QTest::addColumn<QString>("fragment");
    QTest::newRow("0 0") << 0 << 0 << u"    Unbreakable: true\r\n    Repairable: false\r\n"_s;
    QTest::newRow("1 1") << 1 << 1 << u"    Unbreakable: false\r\n    Repairable: true\r\n"_s;
    QTest::newRow("nothing chosen") << -1 << -1 << u"\r\n\r\n"_s;
    QTest::newRow("only repairable") << -1 << 1 << u"\r\n    Repairable: true\r\n"_s;
    QTest::newRow("only unbreakable") << 0 << -1 << u"    Unbreakable: true\r\n\r\n"_s;
}

void FragmentsTest::optionLines()
{
    QFETCH(int, unbreakable);
    QFETCH(int, repairable);
    QFETCH(QString, fragment);
    QCOMPARE(OptionLines(unbreakable, repairable), fragment);
}

void FragmentsTest::enchantmentLine_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("level");
    QTest::addColumn<QString>("line");
    const char16_t *names[] = {u"AquaAffinity", u"Bane of Arthropods", u"Blast Protection", u"Curse of Binding",
                               u"Curse of Vanishing", u"Depth Strider", u"Efficiency", u"Feather Falling",
                               u"Fire Aspect", u"Fire Protection", u"Flame", u"Fortune", u"Infinity",
                               u"Knockback", u"Looting", u"Luck of the Sea", u"Lure", u"Mending", u"Power",
                               u"Projectile Protection", u"Protection", u"Punch", u"Respiration", u"Sharpness",
                               u"Silk Touch", u"Smite", u"Unbreaking"};
    for (int position = 0; position < 27; ++position) {
        QTest::addRow("position %d", position)
            << position << u"3"_s << u"  - "_s + QString::fromUtf16(names[position]) + u":3\r\n"_s;
    }
    QTest::newRow("nothing chosen: the level alone") << -1 << u"5"_s << u"5\r\n"_s;
    QTest::newRow("nothing at all: an empty line") << -1 << QString() << u"\r\n"_s;
    QTest::newRow("no level: ends in the colon") << 23 << QString() << u"  - Sharpness:\r\n"_s;
    QTest::newRow("level as typed") << 23 << u" V级"_s << u"  - Sharpness: V级\r\n"_s;
}

void FragmentsTest::enchantmentLine()
{
    QFETCH(int, position);
    QFETCH(QString, level);
    QFETCH(QString, line);
    QCOMPARE(EnchantmentLine(position, level), line);
}

void FragmentsTest::customEnchantmentLine_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("level");
    QTest::addColumn<QString>("line");
    QTest::newRow("worked example") << u"Sparkle"_s << u"1"_s << u"  - Sparkle:1\r\n"_s;
    QTest::newRow("both empty") << QString() << QString() << u"  - :\r\n"_s;
    QTest::newRow("chinese and spaces") << u"闪耀 "_s << u" 2"_s << u"  - 闪耀 : 2\r\n"_s;
}

void FragmentsTest::customEnchantmentLine()
{
    QFETCH(QString, name);
    QFETCH(QString, level);
    QFETCH(QString, line);
    QCOMPARE(CustomEnchantmentLine(name, level), line);
}

QTEST_APPLESS_MAIN(FragmentsTest)
#include "fragments_test.moc"

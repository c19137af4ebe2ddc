// Joining texts, reading controls, and turning document breaks into CR LF.

#include "shell/texts.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

using namespace shell;
using namespace Qt::StringLiterals;

class TextsTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void joinsPiecesInOrder_data();
    void joinsPiecesInOrder();
    void joinOfNothingIsPresentAndEmpty();
    void joinAllocatesExactly();
    void pieceAtGivesNothingOutsideTheTable();
    void crLfBreaks_data();
    void crLfBreaks();
    void singleLineBreaks_data();
    void singleLineBreaks();
    void readsAbsentTextFromEmptyBoxes();
    void readsEveryCharacterUnchanged();
    void readsSelectionPosition();
};

void TextsTest::joinsPiecesInOrder_data()
{
    QTest::addColumn<QStringList>("pieces");
    QTest::addColumn<QString>("joined");
    QTest::newRow("literals and values") << QStringList{u"a"_s, u": \r\n"_s, u"b"_s} << u"a: \r\nb"_s;
    QTest::newRow("absent pieces count as empty") << QStringList{QString(), u"x"_s, QString()} << u"x"_s;
    QTest::newRow("no separators, spaces kept") << QStringList{u" a "_s, u"' b'"_s} << u" a ' b'"_s;
    QTest::newRow("outside the BMP") << QStringList{u"𠀀"_s, u"😀"_s} << u"𠀀😀"_s;
}

void TextsTest::joinsPiecesInOrder()
{
    QFETCH(QStringList, pieces);
    QFETCH(QString, joined);
    std::vector<QStringView> views(pieces.begin(), pieces.end());
    QCOMPARE(JoinTexts(views), joined);
}

void TextsTest::joinOfNothingIsPresentAndEmpty()
{
    const QString joined = JoinTexts({QStringView(), QStringView(u"")});
    QVERIFY(joined.isEmpty());
    QVERIFY(!joined.isNull());
}

void TextsTest::joinAllocatesExactly()
{
    const QString joined = JoinTexts({u"  - skill{s=", u"霹雳斩", u"}"});
    QCOMPARE(joined.capacity(), joined.size());
}

void TextsTest::pieceAtGivesNothingOutsideTheTable()
{
    constexpr QStringView table[] = {u"zero", u"one"};
    QCOMPARE(PieceAt(table, 1), u"one");
    QVERIFY(PieceAt(table, -1).isEmpty());
    QVERIFY(PieceAt(table, 2).isEmpty());
}

void TextsTest::crLfBreaks_data()
{
    QTest::addColumn<QString>("raw");
    QTest::addColumn<QString>("text");
    QTest::newRow("paragraphs") << u"a\u2029b\u2029"_s << u"a\r\nb\r\n"_s;
    QTest::newRow("line separator") << u"a\u2028b"_s << u"a\r\nb"_s;
    QTest::newRow("only breaks") << u"\u2029\u2029"_s << u"\r\n\r\n"_s;
    QTest::newRow("no-break space kept") << u"a\u00a0b"_s << u"a\u00a0b"_s;
    QTest::newRow("break last, first and in between") << u"\u2029x\u2029\u2029y\u2029"_s << u"\r\nx\r\n\r\ny\r\n"_s;
}

void TextsTest::crLfBreaks()
{
    QFETCH(QString, raw);
    QFETCH(QString, text);
    QPlainTextEdit box;
    box.setPlainText(raw);
    QCOMPARE(ReadText(&box), text);
}

// A paste can bring line breaks of any kind into a single-line box; read, each is CR LF.
void TextsTest::singleLineBreaks_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("CR LF stays") << u"a\r\nb"_s << u"a\r\nb"_s;
    QTest::newRow("lone LF and lone CR") << u"a\nb\rc"_s << u"a\r\nb\r\nc"_s;
    QTest::newRow("CR at the end, LF at the start") << u"\na\r"_s << u"\r\na\r\n"_s;
    QTest::newRow("LF CR is two breaks") << u"\n\r"_s << u"\r\n\r\n"_s;
    QTest::newRow("separators") << u"a\u2028b\u2029"_s << u"a\r\nb\r\n"_s;
    QTest::newRow("other controls kept") << u"\t\u000b\u000c\u0085"_s + QChar(0) << u"\t\u000b\u000c\u0085"_s + QChar(0);
}

void TextsTest::singleLineBreaks()
{
    QFETCH(QString, value);
    QFETCH(QString, text);
    QLineEdit line;
    line.setText(value);
    QCOMPARE(ReadText(&line), text);
}

void TextsTest::readsAbsentTextFromEmptyBoxes()
{
    QLineEdit line;
    QPlainTextEdit box;
    QVERIFY(ReadText(&line).isNull());
    QVERIFY(ReadText(&box).isNull());
}

void TextsTest::readsEveryCharacterUnchanged()
{
    const QString value = u"𠀀😀 e\u0301 \u05e9\u05dc\u05d5\u05dd a\u00a0b 'x'"_s;
    QLineEdit line;
    line.setText(value);
    QCOMPARE(ReadText(&line), value);
    QPlainTextEdit box;
    box.setPlainText(value + u"\n"_s + value);
    QCOMPARE(ReadText(&box), value + u"\r\n"_s + value);
}

void TextsTest::readsSelectionPosition()
{
    QComboBox list;
    list.addItems({u"a"_s, u"b"_s});
    list.setCurrentIndex(-1);
    QCOMPARE(ReadSelection(&list), -1);
    list.setCurrentIndex(1);
    QCOMPARE(ReadSelection(&list), 1);
}

QTEST_MAIN(TextsTest)
#include "texts_test.moc"

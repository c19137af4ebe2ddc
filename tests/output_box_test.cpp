// The output box operations on a real multi-line edit box.

#include "shell/controls.h"
#include "shell/output_box.h"
#include "shell/texts.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

using namespace shell;
using namespace Qt::StringLiterals;

class OutputBoxTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void appendsAtTheVeryEnd_data();
    void appendsAtTheVeryEnd();
    void appendedFragmentSurvivesUndo();
    void appendScrollsTheEndIntoView();
    void setReplacesAndShowsTheBeginning();
    void clearEmptiesTheBox();
    void copyPutsCrLfTextOnTheClipboard();
    void copyOfEmptyBoxLeavesEmptyText();
    void selectionCopiedAndCutAsItStands();
    void unicodeSurvivesToTheClipboard();
    void enterTypedInTheBoxReadsAsCrLf();
    void veryLongOutputIsKeptWhole();

private:
    QString boxText() const { return ReadText(m_box); }
    // Types text key by key; each CR LF is one press of Enter.
    void typeIntoBox(const QString &text)
    {
        const QStringList lines = text.split(u"\r\n"_s);
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0)
                QTest::keyClick(m_box, Qt::Key_Return);
            QTest::keyClicks(m_box, lines[i]);
        }
    }
    QPlainTextEdit *m_box = nullptr;
};

void OutputBoxTest::init()
{
    m_box = static_cast<QPlainTextEdit *>(CreateControl(ControlKind::MultiLineEditBox, nullptr));
    m_box->resize(360, 320);
    m_box->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_box));
    RegisterOutputBox(m_box);
}

void OutputBoxTest::cleanup()
{
    delete m_box;
}

void OutputBoxTest::appendsAtTheVeryEnd_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("selectFrom");
    QTest::addColumn<int>("selectTo");
    QTest::addColumn<QString>("fragment");
    QTest::addColumn<QString>("after");
    QTest::newRow("empty box") << QString() << 0 << 0 << u"  Lore:\r\n"_s << u"  Lore:\r\n"_s;
    QTest::newRow("continues an unterminated line")
        << u"  - skill{s=x}"_s << 0 << 0 << u"  Skills:\r\n"_s << u"  - skill{s=x}  Skills:\r\n"_s;
    QTest::newRow("after a selection, which is dropped")
        << u"abc\r\ndef"_s << 1 << 5 << u"X\r\n"_s << u"abc\r\ndefX\r\n"_s;
    QTest::newRow("empty fragment adds nothing") << u"abc"_s << 0 << 2 << QString() << u"abc"_s;
}

void OutputBoxTest::appendsAtTheVeryEnd()
{
    QFETCH(QString, before);
    QFETCH(int, selectFrom);
    QFETCH(int, selectTo);
    QFETCH(QString, fragment);
    QFETCH(QString, after);

    m_box->setFocus();
    typeIntoBox(before); // the user's own typing
    QTextCursor cursor = m_box->textCursor();
    cursor.setPosition(selectFrom);
    cursor.setPosition(selectTo, QTextCursor::KeepAnchor);
    m_box->setTextCursor(cursor);

    AppendOutput(fragment);

    QCOMPARE(boxText().isNull() ? QString() : boxText(), after);
    QVERIFY(!m_box->textCursor().hasSelection());
    QCOMPARE(m_box->textCursor().position(), m_box->document()->characterCount() - 1);
}

void OutputBoxTest::appendedFragmentSurvivesUndo()
{
    m_box->setFocus();
    QTest::keyClicks(m_box, u"typed"_s);
    AppendOutput(u"  Lore:\r\n"_s);
    QTest::keyClick(m_box, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(m_box, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(boxText().endsWith(u"  Lore:\r\n"_s));
    QCOMPARE(boxText(), u"typed  Lore:\r\n"_s);
}

void OutputBoxTest::appendScrollsTheEndIntoView()
{
    for (int i = 0; i < 200; ++i)
        AppendOutput(u"  - Sharpness:5\r\n"_s);
    QScrollBar *bar = m_box->verticalScrollBar();
    QVERIFY(bar->maximum() > 0);
    QCOMPARE(bar->value(), bar->maximum());
}

void OutputBoxTest::setReplacesAndShowsTheBeginning()
{
    for (int i = 0; i < 200; ++i)
        AppendOutput(u"  - Sharpness:5\r\n"_s);
    SetOutput(u"  - skill{s=}"_s);
    QCOMPARE(boxText(), u"  - skill{s=}"_s);
    QCOMPARE(m_box->verticalScrollBar()->value(), 0);
    SetOutput(QString());
    QVERIFY(boxText().isNull());
}

void OutputBoxTest::clearEmptiesTheBox()
{
    AppendOutput(u"abc\r\n"_s);
    ClearOutput();
    QVERIFY(boxText().isNull());
    ClearOutput();
    QVERIFY(boxText().isNull());
}

void OutputBoxTest::copyPutsCrLfTextOnTheClipboard()
{
    AppendOutput(u"demo: \r\n  Id: STONE\r\n"_s);
    CopyOutput();
    QCOMPARE(QGuiApplication::clipboard()->text(), u"demo: \r\n  Id: STONE\r\n"_s);
}

void OutputBoxTest::copyOfEmptyBoxLeavesEmptyText()
{
    auto *previous = new QMimeData;
    previous->setText(u"old"_s);
    previous->setHtml(u"<b>old</b>"_s);
    QGuiApplication::clipboard()->setMimeData(previous);
    CopyOutput();
    const QMimeData *now = QGuiApplication::clipboard()->mimeData();
    QVERIFY(now->hasText());
    QCOMPARE(now->text(), QString());
    QVERIFY(!now->hasHtml());
}

// Ctrl+C and Ctrl+X in the box give the selection as 一键复制 gives the whole text.
void OutputBoxTest::selectionCopiedAndCutAsItStands()
{
    AppendOutput(u"a\u00a0b\r\n\u2028c\u00a0😀d"_s);
    m_box->setFocus();
    QTextCursor cursor = m_box->textCursor();
    cursor.setPosition(1);
    cursor.setPosition(9, QTextCursor::KeepAnchor);
    m_box->setTextCursor(cursor);
    QTest::keyClick(m_box, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"\u00a0b\r\n\r\nc\u00a0😀"_s);
    QTest::keyClick(m_box, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"\u00a0b\r\n\r\nc\u00a0😀"_s);
    QCOMPARE(boxText(), u"ad"_s);
}

void OutputBoxTest::unicodeSurvivesToTheClipboard()
{
    const QString value = u"𠀀𪚥😀 e\u0301 \u05e9\u05dc\u05d5\u05dd a\u00a0b\r\n"_s;
    AppendOutput(value);
    AppendOutput(value);
    CopyOutput();
    QCOMPARE(QGuiApplication::clipboard()->text(), value + value);
}

void OutputBoxTest::enterTypedInTheBoxReadsAsCrLf()
{
    m_box->setFocus();
    QTest::keyClicks(m_box, u"a"_s);
    QTest::keyClick(m_box, Qt::Key_Return);
    QTest::keyClicks(m_box, u"b"_s);
    QTest::keyClick(m_box, Qt::Key_Return, Qt::ShiftModifier); // a line separator in Qt
    QCOMPARE(boxText(), u"a\r\nb\r\n"_s);
}

void OutputBoxTest::veryLongOutputIsKeptWhole()
{
    const QString line = u"  - Sharpness:5\r\n"_s;
    const QString big = line.repeated(70000); // over 1 MB
    AppendOutput(big);
    AppendOutput(line);
    CopyOutput();
    QCOMPARE(QGuiApplication::clipboard()->text().size(), big.size() + line.size());
    QVERIFY(QGuiApplication::clipboard()->text() == big + line);
}

QTEST_MAIN(OutputBoxTest)
#include "output_box_test.moc"

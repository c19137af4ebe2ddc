// The main window's buttons, driven through its real controls.

#include "gui_helpers.h"
#include "item_editor/main_window.h"
#include "shell/output_box.h"
#include "shell/texts.h"

#include <QPlainTextEdit>

using namespace Qt::StringLiterals;
using test::click;
using test::paste;
using test::pick;
using test::type;

class ItemEditorTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void wholeItemReachesTheClipboard();
    void buttonsWithoutActionChangeNothing();
    void fragmentsFollowTheUsersOwnTyping();
    void unicodeSurvivesEveryKindOfField();
    void longValueArrivesWhole();
    void clearThenCopyLeavesEmptyText();

private:
    QString output() const { return shell::ReadText(m_window->control<QPlainTextEdit>(u"编辑框1")); }
    QString clipboard() const { return QGuiApplication::clipboard()->text(); }
    item_editor::MainWindow *m_window = nullptr;
};

void ItemEditorTest::init()
{
    m_window = new item_editor::MainWindow;
    QVERIFY(m_window->isBuilt());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
}

void ItemEditorTest::cleanup()
{
    delete m_window;
}

void ItemEditorTest::wholeItemReachesTheClipboard()
{
    auto &w = *m_window;
    type(w, u"编辑框2", u"demo_item"_s);
    type(w, u"编辑框3", u"STONE"_s);
    type(w, u"编辑框4", u"Demo item"_s);
    click(w, u"按钮1");
    click(w, u"按钮2");
    click(w, u"按钮5");
    pick(w, u"组合框1", 0);
    pick(w, u"组合框2", 0);
    click(w, u"按钮4");
    click(w, u"按钮8");
    pick(w, u"组合框3", 23);
    type(w, u"编辑框6", u"5"_s);
    click(w, u"按钮6");
    type(w, u"编辑框7", u"Sparkle"_s);
    type(w, u"编辑框8", u"1"_s);
    click(w, u"按钮7");
    click(w, u"按钮9");
    click(w, u"按钮12");

    const QString expected = u"demo_item: \r\n"
                             "  Id: STONE\r\n"
                             "  Display: 'Demo item'\r\n"
                             "  Lore:\r\n"
                             "  Options:\r\n"
                             "    Unbreakable: true\r\n"
                             "    Repairable: false\r\n"
                             "  Enchantments:\r\n"
                             "  - Sharpness:5\r\n"
                             "  - Sparkle:1\r\n"
                             "  Skills:\r\n"_s;
    QCOMPARE(output(), expected);
    QCOMPARE(clipboard(), expected);
}

void ItemEditorTest::buttonsWithoutActionChangeNothing()
{
    type(*m_window, u"编辑框5", u"lore text"_s);
    click(*m_window, u"按钮3");
    click(*m_window, u"按钮11");
    QVERIFY(output().isNull());
    click(*m_window, u"按钮1");
    QVERIFY(!output().contains(u"lore text"_s));
}

void ItemEditorTest::fragmentsFollowTheUsersOwnTyping()
{
    auto *box = m_window->control<QPlainTextEdit>(u"编辑框1");
    click(*m_window, u"按钮9");
    box->setFocus();
    QTest::keyClicks(box, u"  - skill{s=a}"_s);
    QTextCursor cursor = box->textCursor();
    cursor.setPosition(0);
    cursor.setPosition(4, QTextCursor::KeepAnchor);
    box->setTextCursor(cursor);
    click(*m_window, u"按钮2");
    QCOMPARE(output(), u"  Skills:\r\n  - skill{s=a}  Lore:\r\n"_s);
    QVERIFY(!box->textCursor().hasSelection());
}

void ItemEditorTest::unicodeSurvivesEveryKindOfField()
{
    // Extension B, emoji, a combining mark, right-to-left text and a no-break space.
    const QString value = u"𠀀😀e\u0301\u05e9\u05dc\u05d5\u05dd\u00a0x"_s;
    auto &w = *m_window;
    paste(w, u"编辑框2", value);
    paste(w, u"编辑框3", value);
    paste(w, u"编辑框4", value);
    click(w, u"按钮1");
    pick(w, u"组合框3", 0);
    paste(w, u"编辑框6", value);
    click(w, u"按钮6");
    paste(w, u"编辑框7", value);
    paste(w, u"编辑框8", value);
    click(w, u"按钮7");
    click(w, u"按钮12");
    const QString expected = value + u": \r\n  Id: "_s + value + u"\r\n  Display: '"_s + value + u"'\r\n"_s
        + u"  - AquaAffinity:"_s + value + u"\r\n"_s + u"  - "_s + value + u":"_s + value + u"\r\n"_s;
    QCOMPARE(output(), expected);
    QCOMPARE(clipboard(), expected);
}

void ItemEditorTest::longValueArrivesWhole()
{
    // Past the 32767 characters where a Qt line edit would stop by default. (Words, not
    // one unbroken run: wrapping a megabyte-long word is slow in Qt's text layout.)
    const QString big = u"lore text "_s.repeated(1 << 17);
    paste(*m_window, u"编辑框7", big);
    click(*m_window, u"按钮7");
    QCOMPARE(output(), u"  - "_s + big + u":\r\n"_s);
}

void ItemEditorTest::clearThenCopyLeavesEmptyText()
{
    click(*m_window, u"按钮1");
    click(*m_window, u"按钮13");
    QVERIFY(output().isNull());
    QGuiApplication::clipboard()->setText(u"before"_s);
    click(*m_window, u"按钮12");
    QCOMPARE(clipboard(), QString());
}

QTEST_MAIN(ItemEditorTest)
#include "item_editor_test.moc"

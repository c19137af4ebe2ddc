// The keyboard rules and the focus memory, on the main window.

#include "gui_helpers.h"
#include "item_editor/main_window.h"
#include "shell/modal.h"
#include "shell/texts.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPlainTextEdit>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

QStringList mainFocusOrder()
{
    QFile file(QStringLiteral(TEST_DATA_DIR "/forms.json"));
    file.open(QIODevice::ReadOnly);
    QStringList order;
    const QJsonObject tables = QJsonDocument::fromJson(file.readAll()).object();
    for (const QJsonValue &name : tables[u"main"][u"focus_order"].toArray())
        order.append(name.toString());
    return order;
}

} // namespace

class KeyboardTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void startsInTheItemCode();
    void tabFollowsTheFocusOrderBothWays();
    void tabNeverTypesATab();
    void escapeClosesFromAnyControl_data();
    void escapeClosesFromAnyControl();
    void enterOnlyReachesTheOutputBox();
    void keysWithCtrlOrAltFollowNoRule();
    void focusComesBackAfterAModalWindow();

private:
    QString focused() const { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }
    QString output() const { return shell::ReadText(m_window->control<QPlainTextEdit>(u"编辑框1")); }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    item_editor::MainWindow *m_window = nullptr;
};

void KeyboardTest::init()
{
    m_window = new item_editor::MainWindow;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
}

void KeyboardTest::cleanup()
{
    delete m_window;
}

void KeyboardTest::startsInTheItemCode()
{
    QCOMPARE(focused(), u"编辑框2"_s);
}

void KeyboardTest::tabFollowsTheFocusOrderBothWays()
{
    const QStringList order = mainFocusOrder();
    QCOMPARE(order.size(), 24);
    for (qsizetype i = 1; i <= order.size(); ++i) {
        press(Qt::Key_Tab);
        QCOMPARE(focused(), order[i % order.size()]);
    }
    for (qsizetype i = order.size() - 1; i >= 0; --i) {
        press(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(focused(), order[i]);
    }
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(focused(), u"按钮13"_s);
}

void KeyboardTest::tabNeverTypesATab()
{
    m_window->control<QWidget>(u"编辑框1")->setFocus();
    press(Qt::Key_Tab);
    QCOMPARE(focused(), u"按钮2"_s);
    QVERIFY(output().isNull());
}

void KeyboardTest::escapeClosesFromAnyControl_data()
{
    QTest::addColumn<QString>("control");
    QTest::newRow("output box") << u"编辑框1"_s;
    QTest::newRow("edit box") << u"编辑框3"_s;
    QTest::newRow("list") << u"组合框3"_s;
    QTest::newRow("button") << u"按钮10"_s;
}

void KeyboardTest::escapeClosesFromAnyControl()
{
    QFETCH(QString, control);
    m_window->control<QWidget>(control)->setFocus();
    press(Qt::Key_Escape);
    QVERIFY(!m_window->isVisible());
}

void KeyboardTest::enterOnlyReachesTheOutputBox()
{
    test::type(*m_window, u"编辑框2", u"code"_s);
    press(Qt::Key_Return);
    QCOMPARE(focused(), u"编辑框2"_s);

    m_window->control<QWidget>(u"按钮1")->setFocus();
    press(Qt::Key_Return);
    press(Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(focused(), u"按钮1"_s);
    QVERIFY(output().isNull()); // the focused button was not pressed

    m_window->control<QWidget>(u"组合框1")->setFocus();
    QTest::keyClicks(QApplication::focusWidget(), u"typed"_s);
    press(Qt::Key_Return);
    QCOMPARE(m_window->control<QComboBox>(u"组合框1")->count(), 2); // nothing inserted

    m_window->control<QWidget>(u"编辑框1")->setFocus();
    QTest::keyClicks(QApplication::focusWidget(), u"a"_s);
    press(Qt::Key_Return);
    QCOMPARE(output(), u"a\r\n"_s);
}

void KeyboardTest::keysWithCtrlOrAltFollowNoRule()
{
    m_window->control<QWidget>(u"编辑框4")->setFocus();
    press(Qt::Key_Tab, Qt::ControlModifier);
    press(Qt::Key_Escape, Qt::AltModifier);
    press(Qt::Key_F1);
    QVERIFY(m_window->isVisible());
    QCOMPARE(focused(), u"编辑框4"_s);
}

// A stand-in modal window: the main window is blocked while it is open, and its focus
// comes back to the control that had it.
void KeyboardTest::focusComesBackAfterAModalWindow()
{
    auto *opener = m_window->control<QWidget>(u"按钮12");
    opener->setFocus();
    bool mainWasBlocked = false;
    QTimer::singleShot(0, this, [&] {
        QWidget *modal = shell::CurrentModalWindow();
        QVERIFY(modal && QTest::qWaitForWindowActive(modal));
        mainWasBlocked = !m_window->isEnabled();
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    shell::ShowModal(m_window, u"note"_s, [](QWidget *owner) {
        return new shell::FormWindow(u":/forms/note.json"_s, owner);
    });
    QVERIFY(mainWasBlocked);
    QVERIFY(m_window->isEnabled());
    QTRY_COMPARE(focused(), u"按钮12"_s);
}

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"

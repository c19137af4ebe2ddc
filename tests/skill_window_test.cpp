// The skill window and the note window, opened as the program opens them (按钮10, then
// 综合目标) and driven through their real controls over the main window.

#include "gui_helpers.h"
#include "item_editor/main_window.h"
#include "shell/modal.h"
#include "shell/texts.h"
#include "skill_line_examples.h"
#include "skill_combiner/note_window.h"
#include "skill_combiner/skill_window.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <QtEndian>
#include <algorithm>
#include <functional>
#include <memory>

using namespace Qt::StringLiterals;
using shell::FormWindow;
using test::click;
using test::paste;
using test::pick;
using test::type;


namespace {

QString numbered(QStringView kind, int number)
{
    return kind.toString() + QString::number(number);
}

bool isAscii(const QString &text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

// Keys go where the keyboard sends them: to the focused control, else the active window.
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    QVERIFY(target);
    QTest::keyClick(target, key, modifiers);
}

bool hasFocusIn(const QWidget *control)
{
    const QWidget *focus = QApplication::focusWidget();
    return control && focus && (focus == control || control->isAncestorOf(focus));
}

// open() waits in the modal loop of the window it opens; inside() runs within that loop
// once the new window is the active one. A window that inside() leaves open is closed,
// so open() returns.
void whileModal(const std::function<void()> &open, const std::function<void(FormWindow &)> &inside)
{
    QWidget *const outer = shell::CurrentModalWindow();
    const QDeadlineTimer deadline(5000);
    bool ran = false;
    QTimer poll;
    poll.setInterval(0);
    QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
        const QPointer<QWidget> modal = shell::CurrentModalWindow();
        if (!modal || modal == outer || !modal->isVisible())
            return;
        if (QApplication::activeWindow() != modal && !deadline.hasExpired())
            return;
        poll.stop();
        ran = true;
        QVERIFY2(QApplication::activeWindow() == modal, "the modal window never became active");
        inside(*qobject_cast<FormWindow *>(modal.data()));
        if (modal && modal->isVisible())
            modal->close();
    });
    poll.start();
    open();
    poll.stop();
    QVERIFY2(ran, "no modal window opened");
}

// Activates a window as its taskbar button would and returns the window that is active
// once the activation has been handed on (the window itself when nothing hands it on).
QWidget *activateThroughTaskbar(QWidget *window)
{
    QList<QWindow *> activated;
    const auto connection = QObject::connect(qApp, &QGuiApplication::focusWindowChanged, qApp,
                                             [&activated](QWindow *now) { activated.append(now); });
    window->windowHandle()->requestActivate();
    const bool handedOn = QTest::qWaitFor([&] {
        const qsizetype at = activated.indexOf(window->windowHandle());
        return at >= 0 && at + 1 < activated.size();
    });
    QObject::disconnect(connection);
    return handedOn ? QApplication::activeWindow() : window;
}

} // namespace

class SkillWindowTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void composesIntoTheOutputBox_data();
    void composesIntoTheOutputBox();
    void eachClickReplacesTheOutput();
    void modalWindowsBlockTheirOpeners();
    void escClosesTheSkillWindow_data();
    void escClosesTheSkillWindow();
    void secondOpeningStartsFromTheForm();
    void skillTabOrder_data();
    void skillTabOrder();
    void noteWindowKeys();
    void referencePicture();

private:
    QString output() const { return shell::ReadText(m_main->control<QPlainTextEdit>(u"编辑框1")); }
    // Opens the skill window as the program does, from the main window's 按钮10.
    void openSkillWindow(const std::function<void(FormWindow &)> &inside)
    {
        whileModal([this] { click(*m_main, u"按钮10"); }, inside);
    }

    std::unique_ptr<item_editor::MainWindow> m_main;
};

void SkillWindowTest::init()
{
    m_main = std::make_unique<item_editor::MainWindow>();
    QVERIFY(m_main->isBuilt());
    // The same binding as the program's start-up.
    m_main->onClick(u"按钮10", [this] { skill_combiner::ShowSkillWindow(m_main.get()); });
    m_main->show();
    QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
}

void SkillWindowTest::cleanup()
{
    m_main.reset();
}

void SkillWindowTest::composesIntoTheOutputBox_data()
{
    test::addWorkedSkillLines();

    QTest::newRow("nothing chosen or typed") << Chosen{} << Typed{} << u"  - skill{s=}"_s;
    QTest::newRow("组合框17 is read by nothing")
        << Chosen{{16, 0}, {17, 0}} << Typed{{9, u"40"_s}} << u"  - skill{s=} ~onTimer:40"_s;
    QTest::newRow("pasted text copied unchanged")
        << Chosen{{14, 0}, {15, 0}} << Typed{{1, u"霹雳 斩{a;b}\u00a0𠀀😀 "_s}, {8, u" 3 "_s}}
        << u"  - skill{s=霹雳 斩{a;b}\u00a0𠀀😀 } @PlayersNearTargetLocation{r= 3 }"_s;
}

void SkillWindowTest::composesIntoTheOutputBox()
{
    QFETCH(Chosen, chosen);
    QFETCH(Typed, typed);
    QFETCH(QString, line);

    openSkillWindow([&](FormWindow &skill) {
        for (const auto &[box, text] : typed) {
            if (isAscii(text))
                type(skill, numbered(u"编辑框", box), text);
            else
                paste(skill, numbered(u"编辑框", box), text);
        }
        for (const auto &[list, position] : chosen)
            pick(skill, numbered(u"组合框", list), position);
        click(skill, u"按钮2");
        QCOMPARE(output(), line);
        QVERIFY(skill.isVisible()); // composing does not close the window
    });
    // The line stays after the window has closed, and copies whole.
    QCOMPARE(output(), line);
    click(*m_main, u"按钮12");
    QCOMPARE(QGuiApplication::clipboard()->text(), line);
}

void SkillWindowTest::eachClickReplacesTheOutput()
{
    type(*m_main, u"编辑框2", u"demo_item"_s);
    click(*m_main, u"按钮1");
    click(*m_main, u"按钮9");
    QVERIFY(output().startsWith(u"demo_item"_s));

    openSkillWindow([&](FormWindow &skill) {
        type(skill, u"编辑框1", u"A"_s);
        click(skill, u"按钮2");
        QCOMPARE(output(), u"  - skill{s=A}"_s);
        click(skill, u"按钮2");
        QCOMPARE(output(), u"  - skill{s=A}"_s);
        type(skill, u"编辑框1", u"B"_s);
        pick(skill, u"组合框3", 0);
        click(skill, u"按钮2");
        QCOMPARE(output(), u"  - skill{s=AB} ~onInteract"_s);
    });
}

void SkillWindowTest::modalWindowsBlockTheirOpeners()
{
    QPointer<QWidget> skillSeen;
    QPointer<QWidget> noteSeen;
    openSkillWindow([&](FormWindow &skill) {
        skillSeen = &skill;
        QCOMPARE(skill.windowTitle(), u"技能组合"_s);
        QVERIFY(!m_main->isEnabled());
        QVERIFY(skill.isEnabled());
        QVERIFY(hasFocusIn(skill.control<QWidget>(u"编辑框1")));
        QCOMPARE(activateThroughTaskbar(m_main.get()), &skill);

        whileModal([&] { click(skill, u"按钮1"); }, [&](FormWindow &note) {
            noteSeen = &note;
            QCOMPARE(note.windowTitle(), u"综合目标"_s);
            QVERIFY(!m_main->isEnabled());
            QVERIFY(!skill.isEnabled());
            QVERIFY(note.isEnabled());
            QCOMPARE(activateThroughTaskbar(m_main.get()), &note);
            note.close(); // its close box
        });
        QVERIFY(!noteSeen);
        QVERIFY(skill.isVisible());
        QVERIFY(skill.isEnabled());
        QVERIFY(!m_main->isEnabled());
        // The control that had the focus before the note window opened gets it back.
        QTRY_VERIFY(hasFocusIn(skill.control<QWidget>(u"按钮1")));
        skill.close();
    });
    QVERIFY(!skillSeen);
    QVERIFY(m_main->isEnabled());
    QTRY_VERIFY(hasFocusIn(m_main->control<QWidget>(u"按钮10")));
}

void SkillWindowTest::escClosesTheSkillWindow_data()
{
    QTest::addColumn<QString>("focused");
    QTest::newRow("edit box") << u"编辑框10"_s;
    QTest::newRow("list") << u"组合框3"_s;
    QTest::newRow("button") << u"按钮2"_s;
}

void SkillWindowTest::escClosesTheSkillWindow()
{
    QFETCH(QString, focused);
    openSkillWindow([&](FormWindow &skill) {
        skill.control<QWidget>(focused)->setFocus();
        QVERIFY(hasFocusIn(skill.control<QWidget>(focused)));
        press(Qt::Key_Escape);
        QVERIFY(!skill.isVisible());
    });
    QVERIFY(m_main->isEnabled());
    QVERIFY(!shell::CurrentModalWindow());
}

void SkillWindowTest::secondOpeningStartsFromTheForm()
{
    openSkillWindow([&](FormWindow &skill) {
        for (int box = 1; box <= 10; ++box)
            type(skill, numbered(u"编辑框", box), u"x"_s);
        for (int list = 1; list <= 17; ++list)
            pick(skill, numbered(u"组合框", list), 0);
        click(skill, u"按钮2");
    });
    const QString composed = output();
    QVERIFY(composed.contains(u"@NearestPlayer{r=x}"_s));

    openSkillWindow([&](FormWindow &skill) {
        for (int box = 1; box <= 10; ++box)
            QVERIFY(skill.control<QLineEdit>(numbered(u"编辑框", box))->text().isEmpty());
        for (int list = 1; list <= 17; ++list) {
            auto *combo = skill.control<QComboBox>(numbered(u"组合框", list));
            QCOMPARE(combo->currentIndex(), -1);
            QVERIFY(combo->currentText().isEmpty());
        }
    });
    QCOMPARE(output(), composed);
}

void SkillWindowTest::skillTabOrder_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<bool>("backwards");
    QTest::addColumn<QString>("to");
    // The order does not follow the screen: up from the radius, back from 组合.
    QTest::newRow("radius up to the single-target list") << u"编辑框2"_s << false << u"组合框1"_s;
    QTest::newRow("组合 back to the condition") << u"按钮2"_s << false << u"编辑框10"_s;
    QTest::newRow("condition back to 组合") << u"编辑框10"_s << true << u"按钮2"_s;
    QTest::newRow("last wraps to the skill name") << u"组合框17"_s << false << u"编辑框1"_s;
}

void SkillWindowTest::skillTabOrder()
{
    QFETCH(QString, from);
    QFETCH(bool, backwards);
    QFETCH(QString, to);
    openSkillWindow([&](FormWindow &skill) {
        skill.control<QWidget>(from)->setFocus();
        QVERIFY(hasFocusIn(skill.control<QWidget>(from)));
        if (backwards)
            press(Qt::Key_Backtab, Qt::ShiftModifier);
        else
            press(Qt::Key_Tab);
        QVERIFY(hasFocusIn(skill.control<QWidget>(to)));
    });
}

void SkillWindowTest::noteWindowKeys()
{
    openSkillWindow([&](FormWindow &skill) {
        whileModal([&] { click(skill, u"按钮1"); }, [&](FormWindow &note) {
            QWidget *const before = QApplication::focusWidget();
            QVERIFY(!before || before == &note);
            press(Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), before);
            press(Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(QApplication::focusWidget(), before);
            press(Qt::Key_Escape);
            QVERIFY(!note.isVisible());
        });
        QVERIFY(skill.isVisible());
        QVERIFY(skill.isEnabled());
    });
}

void SkillWindowTest::referencePicture()
{
    // The picture as compiled in: 8-bit RGB (colour type 2) with no transparency chunk.
    QFile file(u":/pictures/reference.png"_s);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray png = file.readAll();
    QVERIFY(png.startsWith("\x89PNG\r\n\x1a\n"));
    QCOMPARE(png.mid(12, 4), QByteArray("IHDR"));
    QCOMPARE(qFromBigEndian<quint32>(png.constData() + 16), 513u);
    QCOMPARE(qFromBigEndian<quint32>(png.constData() + 20), 625u);
    QCOMPARE(int(png.at(24)), 8);
    QCOMPARE(int(png.at(25)), 2);
    QVERIFY(!png.contains("tRNS"));

    const QImage image = QImage::fromData(png);
    QVERIFY(!image.hasAlphaChannel());
    QCOMPARE(image.pixelColor(0, 0), QColor(250, 240, 230));
    QCOMPARE(image.pixelColor(512, 624), QColor(250, 240, 230));

    // The note window squeezes it into its picture box.
    skill_combiner::NoteWindow note(nullptr);
    QVERIFY(note.isBuilt());
    auto *box = note.control<QLabel>(u"图片框1");
    QCOMPARE(box->size(), QSize(368, 288));
    QVERIFY(box->hasScaledContents());
    QCOMPARE(box->pixmap().size(), QSize(513, 625));
}

QTEST_MAIN(SkillWindowTest)
#include "skill_window_test.moc"

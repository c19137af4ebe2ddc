// ShowModal with stand-in windows: what it blocks, what it gives back, and when it
// returns at once.

#include "shell/form_window.h"
#include "shell/modal.h"

#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;
using shell::FormWindow;

namespace {

FormWindow *noteStandIn(QWidget *owner)
{
    return new FormWindow(u":/forms/note.json"_s, owner);
}

int openWindowsWithForm(const QString &id)
{
    int count = 0;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        auto *form = qobject_cast<FormWindow *>(window);
        count += form && form->isVisible() && form->form().id == id;
    }
    return count;
}

// Runs inside() once the modal window is active, then closes it with Esc.
void whileOpen(const std::function<void(QWidget *modal)> &inside)
{
    QTimer::singleShot(0, qApp, [inside] {
        QWidget *modal = shell::CurrentModalWindow();
        QVERIFY(modal && QTest::qWaitForWindowActive(modal));
        inside(modal);
        QTest::keyClick(modal, Qt::Key_Escape);
    });
}

} // namespace

class ModalTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void givesBackEachEarlierEnabledState();
    void alreadyOpenWindowIsOnlyActivated();
    void failedCreationBlocksNothing();

private:
    FormWindow *m_main = nullptr;
    FormWindow *m_other = nullptr;
};

void ModalTest::init()
{
    m_main = new FormWindow(u":/forms/main.json"_s);
    m_other = new FormWindow(u":/forms/skill.json"_s); // a second unowned window
    m_main->show();
    m_other->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_other));
}

void ModalTest::cleanup()
{
    delete m_other;
    delete m_main;
}

void ModalTest::givesBackEachEarlierEnabledState()
{
    m_other->setEnabled(false);
    bool mainBlocked = false;
    whileOpen([&](QWidget *) { mainBlocked = !m_main->isEnabled(); });
    shell::ShowModal(m_main, u"note"_s, noteStandIn);
    QVERIFY(mainBlocked);
    QVERIFY(m_main->isEnabled());
    QVERIFY(!m_other->isEnabled()); // was disabled before, stays so
    QCOMPARE(openWindowsWithForm(u"note"_s), 0);
    QCOMPARE(shell::CurrentModalWindow(), nullptr);
}

void ModalTest::alreadyOpenWindowIsOnlyActivated()
{
    int created = 0;
    whileOpen([&](QWidget *modal) {
        modal->showMinimized();
        shell::ShowModal(m_main, u"note"_s, [&](QWidget *owner) {
            ++created;
            return noteStandIn(owner);
        });
        QCOMPARE(openWindowsWithForm(u"note"_s), 1);
        QVERIFY(!modal->isMinimized());
    });
    shell::ShowModal(m_main, u"note"_s, noteStandIn);
    QCOMPARE(created, 0);
}

void ModalTest::failedCreationBlocksNothing()
{
    shell::ShowModal(m_main, u"missing"_s, [](QWidget *owner) {
        return new FormWindow(u":/forms/missing.json"_s, owner);
    });
    shell::ShowModal(m_main, u"none"_s, [](QWidget *) -> FormWindow * { return nullptr; });
    QVERIFY(m_main->isEnabled());
    QVERIFY(m_other->isEnabled());
}

QTEST_MAIN(ModalTest)
#include "modal_test.moc"

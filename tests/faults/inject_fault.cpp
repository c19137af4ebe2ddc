// Linked only into ostravane-editor-faults, the program built again from the same main.cpp
// for tests: at start-up it injects the fatal failure named by its first argument and
// answers the error box, printing its text, so that no run waits for a person. The
// shipped program has none of this and reads no arguments.
//
//   window-not-created  the forms are gone, so the main window cannot be built
//   out-of-memory       obtaining a text fails when 添加 (按钮1) is clicked

#include "shell/fatal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <cstdio>

// Outside any namespace, as Qt's resource macro requires.
static void removeCompiledResources()
{
    Q_CLEANUP_RESOURCE(ostravane_resources);
}

namespace {

void say(const QString &line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

void answerTheErrorBoxWhenItShows()
{
    auto *poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            say(QStringLiteral("error box: ") + box->text());
            box->accept();
        }
    });
    poll->start(20);
}

QWidget *mainWindow()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == u"main" && window->isVisible())
            return window;
    }
    return nullptr;
}

void injectFault()
{
    const QStringList arguments = QCoreApplication::arguments();
    const QString fault = arguments.value(1);
    answerTheErrorBoxWhenItShows();
    if (fault == u"window-not-created") {
        // The forms are compiled in with the program's resources; without them no window
        // can be built.
        removeCompiledResources();
    } else if (fault == u"out-of-memory") {
        QTimer::singleShot(0, qApp, [] {
            QWidget *window = mainWindow();
            auto *add = window ? window->findChild<QAbstractButton *>(QStringLiteral("按钮1")) : nullptr;
            if (!add) {
                say(QStringLiteral("no main window with 按钮1"));
                QApplication::exit(3);
                return;
            }
            shell::FailNextAllocation();
            say(QStringLiteral("clicking 按钮1"));
            QTest::mouseClick(add, Qt::LeftButton);
            say(QStringLiteral("not reached: the click returned"));
            QApplication::exit(4);
        });
    } else {
        say(QStringLiteral("unknown fault: ") + fault);
        QTimer::singleShot(0, qApp, [] { QApplication::exit(5); });
    }
}

} // namespace

// Runs inside QApplication's constructor, before main() builds the main window.
Q_COREAPP_STARTUP_FUNCTION(injectFault)

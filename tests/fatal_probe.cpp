// A tiny program that meets one fatal failure, named by its argument. It answers the
// error box itself (printing the box's text) so that no run waits for a person.

#include "shell/fatal.h"
#include "shell/form_window.h"
#include "shell/texts.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>

namespace {

void answerTheErrorBoxWhenItShows()
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            std::printf("error box: %s\n", qPrintable(box->text()));
            std::fflush(stdout);
            box->accept();
        }
    });
    poll->start(20);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QByteArray failure = argc > 1 ? argv[1] : "";
    answerTheErrorBoxWhenItShows();
    QTimer::singleShot(0, &app, [&] {
        if (failure == "out-of-memory") {
            shell::FailNextAllocation();
            const QString joined = shell::JoinTexts({u"a", u"b"});
            std::printf("not reached: %s\n", qPrintable(joined));
        } else if (failure == "window-not-created") {
            shell::FormWindow window(QStringLiteral(":/no/such/form.json"));
            if (!window.isBuilt())
                shell::FailFatally(shell::FatalFailure::MainWindowNotCreated);
        }
        QApplication::exit(0);
    });
    return QApplication::exec();
}

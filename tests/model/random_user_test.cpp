// A seeded random user drives the real windows; after every action the output box, and
// after every copy the clipboard, must hold exactly what the model says. A failure
// prints the seed and the shortest list of actions found that still fails.
//
// OSTRAVANE_RANDOM_SEEDS   seeds to run: "7,8,9" or "7+3" (three seeds from 7)
// OSTRAVANE_RANDOM_ACTIONS actions per seed
// OSTRAVANE_RANDOM_LONG    set by the long run: 10 seeds of 10,000 actions by default
// OSTRAVANE_SHRINK_SECONDS time allowed for shrinking a failure (default 300)

#include "model/action_maker.h"
#include "model/app_model.h"
#include "model/line_breaks.h"
#include "model/random_user.h"
#include "model/shrink.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace model;

namespace {

class MadeUpSource : public ActionSource
{
public:
    MadeUpSource(std::uint64_t seed, qsizetype actions) : m_maker(seed), m_left(actions) {}
    std::optional<Action> next(const AppModel &app) override
    {
        if (m_left <= 0)
            return std::nullopt;
        --m_left;
        return m_maker.next(app);
    }

private:
    ActionMaker m_maker;
    qsizetype m_left;
};

bool isLongRun()
{
    return qEnvironmentVariableIsSet("OSTRAVANE_RANDOM_LONG");
}

QList<quint64> seeds()
{
    QString given = qEnvironmentVariable("OSTRAVANE_RANDOM_SEEDS");
    if (given.isEmpty())
        given = isLongRun() ? QString::number(QDateTime::currentSecsSinceEpoch()) + u"+10"_s : u"1+6"_s;
    QList<quint64> list;
    if (given.contains(u'+')) {
        const quint64 first = given.section(u'+', 0, 0).toULongLong();
        for (int i = 0; i < given.section(u'+', 1).toInt(); ++i)
            list.append(first + quint64(i));
    } else {
        for (const QString &seed : given.split(u',', Qt::SkipEmptyParts))
            list.append(seed.trimmed().toULongLong());
    }
    return list;
}

qsizetype actionsPerSeed()
{
    bool ok = false;
    const qsizetype given = qEnvironmentVariableIntValue("OSTRAVANE_RANDOM_ACTIONS", &ok);
    return ok ? given : isLongRun() ? 10000 : 500;
}

// The offscreen platform warns on every dropped-down list that it cannot raise windows
// or grab the keyboard; those lines say nothing here.
QtMessageHandler previousHandler = nullptr;
void quietOffscreen(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(u"This plugin does not support"))
        return;
    previousHandler(type, context, message);
}

Action edit(Window window, const QString &control, const QString &text, Place place = Place::End)
{
    Action a;
    a.verb = Verb::Edit;
    a.window = window;
    a.control = control;
    a.place = place;
    a.input = Input::Paste;
    a.text = text;
    return a;
}

Action pick(Window window, const QString &list, int item)
{
    Action a;
    a.verb = Verb::Pick;
    a.window = window;
    a.control = list;
    a.count = item;
    return a;
}

Action click(Window window, const QString &button)
{
    Action a;
    a.verb = Verb::Click;
    a.window = window;
    a.control = button;
    return a;
}

} // namespace

class RandomUserTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void modelWritesTheDocumentedExamples_data();
    void modelWritesTheDocumentedExamples();
    void windowsMatchTheModel_data();
    void windowsMatchTheModel();
};

void RandomUserTest::initTestCase()
{
    previousHandler = qInstallMessageHandler(quietOffscreen);
}

// The model's own tables against the worked examples of the item definition format,
// so that the oracle is checked before it judges the program.
void RandomUserTest::modelWritesTheDocumentedExamples_data()
{
    QTest::addColumn<QList<Action>>("actions");
    QTest::addColumn<QString>("output");
    const Window m = Window::Main;
    const Window s = Window::Skill;
    QTest::newRow("whole item")
        << QList<Action>{edit(m, u"编辑框2"_s, u"demo_item"_s), edit(m, u"编辑框3"_s, u"STONE"_s),
                         edit(m, u"编辑框4"_s, u"Demo item"_s), click(m, u"按钮1"_s), click(m, u"按钮2"_s),
                         click(m, u"按钮5"_s), pick(m, u"组合框1"_s, 0), pick(m, u"组合框2"_s, 0),
                         click(m, u"按钮4"_s), click(m, u"按钮8"_s), pick(m, u"组合框3"_s, 23),
                         edit(m, u"编辑框6"_s, u"5"_s), click(m, u"按钮6"_s), edit(m, u"编辑框7"_s, u"Sparkle"_s),
                         edit(m, u"编辑框8"_s, u"1"_s), click(m, u"按钮7"_s), click(m, u"按钮9"_s)}
        << u"demo_item: \r\n  Id: STONE\r\n  Display: 'Demo item'\r\n  Lore:\r\n  Options:\r\n"
           u"    Unbreakable: true\r\n    Repairable: false\r\n  Enchantments:\r\n  - Sharpness:5\r\n"
           u"  - Sparkle:1\r\n  Skills:\r\n"_s;
    QTest::newRow("empty header, lists unchosen")
        << QList<Action>{click(m, u"按钮1"_s), click(m, u"按钮4"_s), click(m, u"按钮6"_s), click(m, u"按钮7"_s)}
        << u": \r\n  Id: \r\n  Display: ''\r\n\r\n\r\n\r\n  - :\r\n"_s;
    const Action open = click(m, u"按钮10"_s);
    const Action compose = click(s, u"按钮2"_s);
    QTest::newRow("nearest player")
        << QList<Action>{open, edit(s, u"编辑框1"_s, u"霹雳斩"_s), pick(s, u"组合框4"_s, 0),
                         edit(s, u"编辑框2"_s, u"10"_s), pick(s, u"组合框5"_s, 0), pick(s, u"组合框3"_s, 13), compose}
        << u"  - skill{s=霹雳斩} @NearestPlayer{r=10} ~onUse"_s;
    QTest::newRow("cone")
        << QList<Action>{open, edit(s, u"编辑框1"_s, u"Fireball"_s), pick(s, u"组合框6"_s, 0), edit(s, u"编辑框3"_s, u"45"_s),
                         pick(s, u"组合框7"_s, 0), edit(s, u"编辑框4"_s, u"8"_s), pick(s, u"组合框8"_s, 0),
                         edit(s, u"编辑框5"_s, u"0"_s), pick(s, u"组合框9"_s, 0), pick(s, u"组合框3"_s, 4), compose}
        << u"  - skill{s=Fireball} @LivingInCone{a=45;r=8;rot=0} ~onAttack"_s;
    QTest::newRow("group and timer")
        << QList<Action>{open, edit(s, u"编辑框1"_s, u"Fireball"_s), pick(s, u"组合框2"_s, 1), pick(s, u"组合框16"_s, 0),
                         edit(s, u"编辑框9"_s, u"100"_s), compose}
        << u"  - skill{s=Fireball} @PlayersInWorld ~onTimer:100"_s;
    QTest::newRow("trigger condition")
        << QList<Action>{open, edit(s, u"编辑框1"_s, u"Fireball"_s), pick(s, u"组合框1"_s, 0), pick(s, u"组合框3"_s, 5),
                         edit(s, u"编辑框10"_s, u" <30% 0.9"_s), compose}
        << u"  - skill{s=Fireball} @Trigger ~onDamaged <30% 0.9"_s;
    QTest::newRow("two origin rows")
        << QList<Action>{open, edit(s, u"编辑框1"_s, u"Fireball"_s), pick(s, u"组合框13"_s, 0), pick(s, u"组合框11"_s, 0),
                         pick(s, u"组合框12"_s, 0), pick(s, u"组合框10"_s, 0), edit(s, u"编辑框6"_s, u"5"_s),
                         edit(s, u"编辑框7"_s, u"3"_s), compose}
        << u"  - skill{s=Fireball} @PlayersNearOrigin{r=5} @EntitiesNearOrigin{r=3}"_s;
}

void RandomUserTest::modelWritesTheDocumentedExamples()
{
    QFETCH(QList<Action>, actions);
    QFETCH(QString, output);
    AppModel app;
    for (const Action &action : actions) {
        QVERIFY(app.applies(action));
        app.apply(action);
    }
    QCOMPARE(WithCrLf(app.output().text()), output);
}

void RandomUserTest::windowsMatchTheModel_data()
{
    QTest::addColumn<quint64>("seed");
    for (quint64 seed : seeds())
        QTest::addRow("seed %llu", seed) << seed;
}

void RandomUserTest::windowsMatchTheModel()
{
    QFETCH(quint64, seed);
    const qsizetype actions = actionsPerSeed();
    MadeUpSource source(seed, actions);
    QElapsedTimer clock;
    clock.start();
    const RunResult run = RunRandomUser(source);
    const Tally &t = run.tally;
    qInfo("seed %llu: %lld actions in %.1f s; %lld windows opened, %lld copies, %lld huge pastes, "
          "%lld Ctrl+Z that undid typing, largest output %lld characters; slowest action %lld ms: %s",
          seed, qlonglong(run.performed.size()), clock.elapsed() / 1000.0, qlonglong(t.windowsOpened),
          qlonglong(t.copies), qlonglong(t.hugePastes), qlonglong(t.undone), qlonglong(t.largestOutput),
          qlonglong(t.slowestMs), qPrintable(t.slowest));
    if (run.failure.isEmpty())
        return;

    QString report = u"seed %1, after action %2 of %3: %4\n"_s.arg(seed).arg(run.failedAt + 1).arg(actions).arg(run.failure);
    const int seconds = qEnvironmentVariableIsSet("OSTRAVANE_SHRINK_SECONDS")
        ? qEnvironmentVariableIntValue("OSTRAVANE_SHRINK_SECONDS") : 300;
    const Shrunk shrunk = ShrinkFailure(run.performed.mid(0, run.failedAt + 1), QDeadlineTimer(seconds * 1000));
    if (!shrunk.reproduced) {
        report += u"the same actions replayed did not fail again\n"_s;
    } else {
        report += u"shortest failing list found (%1 actions, %2 replays): %3\n"_s.arg(shrunk.actions.size())
                      .arg(shrunk.replays)
                      .arg(shrunk.failure);
        for (qsizetype i = 0; i < shrunk.actions.size(); ++i)
            report += u"  %1. %2\n"_s.arg(i + 1).arg(Describe(shrunk.actions[i]));
    }
    QFAIL(qPrintable(report));
}

QTEST_MAIN(RandomUserTest)
#include "random_user_test.moc"

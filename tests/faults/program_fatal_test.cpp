// The program's two fatal failures, met by the program itself (main.cpp, its real main
// window and handlers) built with a test-only fault hook: each shows its error box and
// the process ends with exit code -1, without waiting for anyone.

#include <QProcess>
#include <QTest>

class ProgramFatalTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void endsWithErrorBoxAndMinusOne_data();
    void endsWithErrorBoxAndMinusOne();
};

void ProgramFatalTest::endsWithErrorBoxAndMinusOne_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("boxText");
    QTest::addColumn<QString>("before");
    QTest::newRow("out of memory while obtaining a text")
        << QStringLiteral("out-of-memory") << QStringLiteral("内存不足") << QStringLiteral("clicking 按钮1\n");
    QTest::newRow("main window not created")
        << QStringLiteral("window-not-created") << QStringLiteral("无法创建主窗口") << QString();
}

void ProgramFatalTest::endsWithErrorBoxAndMinusOne()
{
    QFETCH(QString, fault);
    QFETCH(QString, boxText);
    QFETCH(QString, before);
    QProcess editor;
    editor.start(QStringLiteral(EDITOR_WITH_FAULTS), {fault});
    QVERIFY2(editor.waitForFinished(60000), "the program is still running: something waits for a person");
    const QString output = QString::fromUtf8(editor.readAllStandardOutput());
    QVERIFY2(output.startsWith(before + QStringLiteral("error box: ") + boxText), qPrintable(output));
    QVERIFY2(!output.contains(QStringLiteral("not reached")), qPrintable(output));
    QCOMPARE(editor.exitStatus(), QProcess::NormalExit);
    QCOMPARE(editor.exitCode(), 255); // -1 as the shell sees it
}

QTEST_GUILESS_MAIN(ProgramFatalTest)
#include "program_fatal_test.moc"

// The fatal failures end the process with exit code -1 after showing an error box.

#include <QProcess>
#include <QTest>

class FatalTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void endsWithErrorBoxAndMinusOne_data();
    void endsWithErrorBoxAndMinusOne();
};

void FatalTest::endsWithErrorBoxAndMinusOne_data()
{
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("boxText");
    QTest::newRow("out of memory while obtaining a text") << QStringLiteral("out-of-memory") << QStringLiteral("内存不足");
    QTest::newRow("main window not created") << QStringLiteral("window-not-created") << QStringLiteral("无法创建主窗口");
}

void FatalTest::endsWithErrorBoxAndMinusOne()
{
    QFETCH(QString, failure);
    QFETCH(QString, boxText);
    QProcess probe;
    probe.start(QStringLiteral(FATAL_PROBE), {failure});
    QVERIFY(probe.waitForFinished(60000));
    const QString output = QString::fromUtf8(probe.readAllStandardOutput());
    QVERIFY2(output.contains(QStringLiteral("error box: ") + boxText), qPrintable(output));
    QVERIFY(!output.contains(QStringLiteral("not reached")));
    QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
    QCOMPARE(probe.exitCode(), 255); // -1 as the shell sees it
}

QTEST_GUILESS_MAIN(FatalTest)
#include "fatal_test.moc"

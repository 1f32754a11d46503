#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTest>

namespace {

QProcessEnvironment offscreen()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return environment;
}

} // namespace

// bench/run reads one line from the programs it times; if a hook stops answering, its section
// of the benchmark would only say "skipped" or wait for its time-out.
class TestBenchHooks : public QObject {
    Q_OBJECT

private slots:
    void hookReportsItsLine_data();
    void hookReportsItsLine();
    void shippedProgramHasNoHooks();
};

void TestBenchHooks::hookReportsItsLine_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("variable");
    QTest::addColumn<QString>("event");
    QTest::addColumn<bool>("endsByItself");
    QTest::newRow("rekenrups probe, first paint")
        << QStringLiteral(REKENRUPS_PROBE) << QStringLiteral("REKENRUPS_BENCH_FIRST_PAINT")
        << QStringLiteral("first-paint") << true;
    QTest::newRow("bare window, first paint")
        << QStringLiteral(REKENRUPS_BAREWINDOW) << QStringLiteral("REKENRUPS_BENCH_FIRST_PAINT")
        << QStringLiteral("first-paint") << true;
    // The information screen takes 11 s to end the program; its start is enough here.
    QTest::newRow("rekenrups probe, information screen")
        << QStringLiteral(REKENRUPS_PROBE) << QStringLiteral("REKENRUPS_BENCH_INFO") << QStringLiteral("info-opened")
        << false;
}

void TestBenchHooks::hookReportsItsLine()
{
    QFETCH(QString, program);
    QFETCH(QString, variable);
    QFETCH(QString, event);
    QFETCH(bool, endsByItself);

    QProcess process;
    QProcessEnvironment environment = offscreen();
    environment.insert(variable, QStringLiteral("1"));
    process.setProcessEnvironment(environment);
    process.start(program, {});
    QVERIFY2(process.waitForStarted(), qPrintable(program));
    while (!process.canReadLine() && process.state() == QProcess::Running)
        process.waitForReadyRead(30000);
    const QString line = QString::fromUtf8(process.readLine()).trimmed();
    // The event, the wall-clock time in microseconds, the peak memory in kB.
    static const QRegularExpression format(QStringLiteral("^([a-z-]+) (\\d{16,}) (\\d+)$"));
    const QRegularExpressionMatch match = format.match(line);
    QVERIFY2(match.hasMatch(), qPrintable(line));
    QCOMPARE(match.captured(1), event);
    QVERIFY(match.captured(3).toLong() > 1000);

    if (endsByItself) {
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
    } else {
        process.kill();
        process.waitForFinished();
    }
}

// The program a school installs has no hook: it does not even hold the names of the variables
// that the probe reads (waiting to see that it keeps running would only show it more slowly).
void TestBenchHooks::shippedProgramHasNoHooks()
{
    const auto read = [](const char *path) {
        QFile file(QString::fromLocal8Bit(path));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray probe = read(REKENRUPS_PROBE);
    const QByteArray shipped = read(REKENRUPS_PROGRAM);
    QVERIFY(!shipped.isEmpty());
    for (const char *variable : {"REKENRUPS_BENCH_FIRST_PAINT", "REKENRUPS_BENCH_INFO"}) {
        QVERIFY2(probe.contains(variable), variable);
        QVERIFY2(!shipped.contains(variable), variable);
    }
}

QTEST_GUILESS_MAIN(TestBenchHooks)
#include "tst_benchhooks.moc"

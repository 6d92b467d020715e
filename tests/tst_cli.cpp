#include "CliRunner.h"
#include "DataFile.h"
#include "FactoryDefault.h"
#include "MemoryImage.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class CliTests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { QVERIFY(dir.isValid()); }
    void newWritesTheFactoryDefault();
    void infoShowsTheRadio();
    void usageAndFailureExitCodes();
    void shippedDefaultIsTheFactoryDefault();

private:
    QTemporaryDir dir;
};

void CliTests::newWritesTheFactoryDefault() {
    const QString path = dir.filePath("x.dat");
    const CliRun run = runCli({"new", "-o", path});
    QCOMPARE(run.exitCode, 0);
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), buildFactoryDefault().toFileBytes());
}

void CliTests::infoShowsTheRadio() {
    const QString path = dir.filePath("info.dat");
    MemoryImage image = buildFactoryDefault();
    const char serial[] = "AB12\x01zz"; // a control character ends the serial number
    std::copy_n(serial, 7, image.at(0xFF00, 7).begin());
    image.setByte(0xFF28, 0x14); // 2014-03-05
    image.setByte(0xFF29, 0x20);
    image.setByte(0xFF2A, 0x03);
    image.setByte(0xFF2B, 0x05);
    QVERIFY(saveDataFile(path, image).ok);

    const CliRun run = runCli({"info", path});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.contains(QRegularExpression("Serial number: +AB12\n")), qPrintable(run.out));
    QVERIFY(run.out.contains(QRegularExpression("Model name: +DUOBAND\n")));
    QVERIFY(run.out.contains(QRegularExpression("Model code: +\\(none\\)\n")));
    QVERIFY(run.out.contains(QRegularExpression("Last program date: +2014-03-05\n")));
    QVERIFY(
        run.out.contains(QRegularExpression("150M +134.00000 +180.00000 +136.00000 +174.00000\n")));
    QVERIFY(run.out.contains(QRegularExpression("108M +- +- +- +-\n")));
    QVERIFY(run.out.contains(QRegularExpression("Channels in use: +1 of 800")));

    image.fill(0xFF28, 4, 0xFF);
    QVERIFY(saveDataFile(path, image).ok);
    QVERIFY(
        runCli({"info", path}).out.contains(QRegularExpression("Last program date: +\\(never\\)")));
}

void CliTests::usageAndFailureExitCodes() {
    QCOMPARE(runCli({}).exitCode, 2);
    QCOMPARE(runCli({"bogus"}).exitCode, 2);
    QCOMPARE(runCli({"new"}).exitCode, 2);
    QCOMPARE(runCli({"new", "-o"}).exitCode, 2);
    QCOMPARE(runCli({"info"}).exitCode, 2);
    const CliRun help = runCli({"--help"});
    QCOMPARE(help.exitCode, 0);
    QVERIFY(help.out.contains("info"));
    QCOMPARE(runCli({"--version"}).exitCode, 0);

    // Failures name the file and the cause on stderr and leave no output behind.
    const CliRun missing = runCli({"info", dir.filePath("nope.dat")});
    QCOMPARE(missing.exitCode, 1);
    QVERIFY(missing.err.contains("nope.dat"));
    QVERIFY(missing.out.isEmpty());
    const CliRun badDir = runCli({"new", "-o", dir.filePath("no/dir/x.dat")});
    QCOMPARE(badDir.exitCode, 1);
    QVERIFY(badDir.err.contains("x.dat"));
    QFile junk(dir.filePath("junk.dat"));
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write("not a data file");
    junk.close();
    const CliRun wrong = runCli({"info", junk.fileName()});
    QCOMPARE(wrong.exitCode, 1);
    QVERIFY(wrong.err.contains("15 bytes"));
}

void CliTests::shippedDefaultIsTheFactoryDefault() {
    QFile shipped(qEnvironmentVariable("DUOBAND_BIN") + "/Default.dat");
    QVERIFY(shipped.open(QIODevice::ReadOnly));
    QCOMPARE(shipped.readAll(), buildFactoryDefault().toFileBytes());
}

QTEST_GUILESS_MAIN(CliTests)
#include "tst_cli.moc"

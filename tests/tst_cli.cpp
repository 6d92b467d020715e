#include "CliRunner.h"
#include "DataFile.h"
#include "FactoryDefault.h"
#include "ImageMap.h"
#include "MemoryImage.h"
#include "PdfText.h"
#include "TestFiles.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

class CliTests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { QVERIFY(dir.isValid()); }
    void newWritesTheFactoryDefault();
    void infoShowsTheRadio();
    void usageAndFailureExitCodes();
    void everyVerbHasItsHelp();
    void outputsNeverReplaceAnythingButAFile();
    void failedWritesSayWhy();
    void shippedDefaultIsTheFactoryDefault();
    void readAndWriteThroughTheVirtualRadio();
    void protectedRadioNeedsTheCode();
    void failedReadKeepsTheOutputFile();
    void reportAsTextAndPdf();
    void diffTellsWhatDiffers();
    void diffAgainstTheRadio();

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
    QVERIFY(run.out.contains(
        QRegularExpression("150M +yes +134.00000 +180.00000 +136.00000 +174.00000\n")));
    QVERIFY(run.out.contains(QRegularExpression("108M +no +- +- +- +-\n")));
    QVERIFY(run.out.contains(
        QRegularExpression("Main bands: +134.00000 - 180.00000 and 400.00000 - 512.00000\n")));
    QVERIFY(run.out.contains(QRegularExpression("Default band: +150M\n")));
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

void CliTests::everyVerbHasItsHelp() {
    // Help is asked of the verb before anything else: no file is opened, no port tried.
    for (const char* verb :
         {"new", "info", "read", "write", "export", "import", "report", "diff", "ports", "sim"}) {
        const CliRun help = runCli({verb, "--help"});
        QCOMPARE(help.exitCode, 0);
        QVERIFY2(help.out.startsWith(QStringLiteral("Usage: duoband-cli %1").arg(verb)),
                 qPrintable(help.out));
        QVERIFY(help.err.isEmpty());
    }
    QVERIFY(runCli({"read", "-h"}).out.contains("--port"));
    const CliRun unknown = runCli({"info", "--bogus", "x.dat"});
    QCOMPARE(unknown.exitCode, 2);
    QVERIFY2(unknown.err.contains("Usage: duoband-cli info FILE"), qPrintable(unknown.err));
}

// A device or a FIFO is written into, never replaced by a regular file; a folder is refused;
// "-" is standard output; a symbolic link keeps pointing at its file.
void CliTests::outputsNeverReplaceAnythingButAFile() {
    const QByteArray factory = buildFactoryDefault().toFileBytes();
    const QString fifo = dir.filePath("pipe");
    QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    QProcess reader;
    reader.start("cat", {fifo});
    QVERIFY(reader.waitForStarted());
    QCOMPARE(runCli({"new", "-o", fifo}).exitCode, 0);
    QVERIFY(reader.waitForFinished(10000));
    QCOMPARE(reader.readAllStandardOutput(), factory);
    QVERIFY(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile()); // still a FIFO

    QCOMPARE(runCli({"new", "-o", "/dev/null"}).exitCode, 0);
    QVERIFY(!QFileInfo("/dev/null").isFile());
    const CliRun toStdout = runCli({"new", "-o", "-"});
    QCOMPARE(toStdout.exitCode, 0);
    const QString file = dir.filePath("f.dat");
    QVERIFY(saveDataFile(file, buildFactoryDefault()).ok);
    const CliRun exported = runCli({"export", file, "-o", "/dev/stdout"});
    QCOMPARE(exported.exitCode, 0);
    QVERIFY(exported.out.startsWith("CH,Rx Freq"));

    const CliRun folder = runCli({"new", "-o", dir.path()});
    QCOMPARE(folder.exitCode, 1);
    QVERIFY2(folder.err.contains("it is a folder"), qPrintable(folder.err));
    QVERIFY(QFileInfo(dir.path()).isDir());

    const QString link = dir.filePath("link.dat");
    QVERIFY(QFile::link(file, link));
    QCOMPARE(runCli({"new", "-o", link}).exitCode, 0);
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(fileBytes(file), factory);
}

// A full device or a file size limit is reported with its cause, and the old file stays.
void CliTests::failedWritesSayWhy() {
    const CliRun full = runCli({"new", "-o", "/dev/full"});
    QCOMPARE(full.exitCode, 1);
    QVERIFY2(full.err.contains("No space left on device"), qPrintable(full.err));

    QTemporaryDir own;
    const QString file = own.filePath("old.dat");
    writeFile(file, "old contents");
    QProcess limited;
    limited.start("sh",
                  {"-c", "trap '' XFSZ; ulimit -f 8; exec \"$0\" new -o \"$1\"", cliPath(), file});
    QVERIFY(limited.waitForFinished(30000));
    QCOMPARE(limited.exitCode(), 1);
    const QString err = QString::fromLocal8Bit(limited.readAllStandardError());
    QVERIFY2(err.contains("File too large"), qPrintable(err));
    QCOMPARE(fileBytes(file), QByteArray("old contents"));
    QCOMPARE(QDir(own.path()).entryList(QDir::Files).size(), 1); // no temporary file left
}

void CliTests::shippedDefaultIsTheFactoryDefault() {
    QFile shipped(qEnvironmentVariable("DUOBAND_BIN") + "/Default.dat");
    QVERIFY(shipped.open(QIODevice::ReadOnly));
    QCOMPARE(shipped.readAll(), buildFactoryDefault().toFileBytes());
}

namespace {

// `duoband-cli sim` in the background; its first line is the device path.
struct SimProcess {
    explicit SimProcess(const QStringList& args) {
        process.start(cliPath(), QStringList{"sim"} + args);
        if (process.waitForStarted(5000))
            for (int i = 0; i < 100 && !process.canReadLine(); ++i)
                process.waitForReadyRead(100);
        path = QString::fromUtf8(process.readLine()).trimmed();
    }
    ~SimProcess() { stop(); }
    int stop() {
        if (process.state() == QProcess::NotRunning)
            return process.exitCode();
        process.terminate();
        if (!process.waitForFinished(5000))
            process.kill();
        return process.exitCode();
    }
    QProcess process;
    QString path;
};

} // namespace

void CliTests::readAndWriteThroughTheVirtualRadio() {
    SimProcess sim({});
    QVERIFY2(sim.path.startsWith("/dev/"), qPrintable(sim.path));
    const QString readFile = dir.filePath("r.dat");
    const CliRun read = runCli({"read", "--port", sim.path, "-o", readFile});
    QVERIFY2(read.exitCode == 0, qPrintable(read.err));
    // The virtual radio serves the factory default, and a read starts from it.
    QCOMPARE(fileBytes(readFile), buildFactoryDefault().toFileBytes());
    QVERIFY(!read.err.contains("%")); // no progress bar when stderr is no terminal

    const QByteArray before = fileBytes(readFile);
    const CliRun write = runCli({"write", "--port", sim.path, readFile});
    QVERIFY2(write.exitCode == 0, qPrintable(write.err));
    QCOMPARE(fileBytes(readFile), before); // the date stamp does not touch the file

    // Reading back shows today's date stamped by the write.
    const QString again = dir.filePath("again.dat");
    QCOMPARE(runCli({"read", "--port", sim.path, "-o", again}).exitCode, 0);
    const CliRun info = runCli({"info", again});
    QVERIFY2(info.out.contains(QDate::currentDate().toString("yyyy-MM-dd")), qPrintable(info.out));
    QCOMPARE(sim.stop(), 0);
    QVERIFY(sim.process.readAllStandardError().contains("3 session"));
}

void CliTests::protectedRadioNeedsTheCode() {
    SimProcess sim({"--protect"});
    QVERIFY(sim.path.startsWith("/dev/"));
    const QString out = dir.filePath("p.dat");
    const CliRun noCode = runCli({"read", "--port", sim.path, "-o", out}, 30000, true);
    QCOMPARE(noCode.exitCode, 1);
    QVERIFY2(noCode.err.contains("--code"), qPrintable(noCode.err));
    QVERIFY(!QFile::exists(out));
    const CliRun wrong = runCli({"read", "--port", sim.path, "-o", out, "--code", "0000"});
    QCOMPARE(wrong.exitCode, 1);
    QVERIFY(wrong.err.contains("wrong access code"));
    const CliRun right = runCli({"read", "--port", sim.path, "-o", out, "--code", "5172kb"});
    QVERIFY2(right.exitCode == 0, qPrintable(right.err));
    QVERIFY(QFile::exists(out));
}

void CliTests::failedReadKeepsTheOutputFile() {
    const QString out = dir.filePath("precious.dat");
    QFile f(out);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("old contents");
    f.close();
    const CliRun run = runCli({"read", "--port", dir.filePath("no-such-port"), "-o", out});
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.err.contains("Open port fail"));
    QCOMPARE(fileBytes(out), QByteArray("old contents"));
    QCOMPARE(runCli({"read", "-o", out}).exitCode, 2);              // no port
    QCOMPARE(runCli({"write", "--port", "/dev/null"}).exitCode, 2); // no file
    const CliRun missing = runCli({"write", "--port", "/dev/null", dir.filePath("none.dat")});
    QCOMPARE(missing.exitCode, 1);
    QVERIFY(missing.err.contains("none.dat"));
}

void CliTests::reportAsTextAndPdf() {
    const QString data = dir.filePath("abc.dat");
    QVERIFY(saveDataFile(data, buildFactoryDefault()).ok);
    const CliRun text = runCli({"report", data});
    QCOMPARE(text.exitCode, 0);
    QVERIFY(text.err.isEmpty());
    for (const char* heading :
         {"== Radio ==", "== Channel setting ==", "== Basic setting ==", "== 5Tone =="})
        QVERIFY2(text.out.contains(heading), heading);
    QVERIFY(text.out.contains("Printed:           " + QDate::currentDate().toString(Qt::ISODate)));
    QVERIFY(text.out.contains(QRegularExpression("\\nBeep: +On\\n")));

    // A .pdf output is a PDF; its header is the data file's name.
    const QString pdf = dir.filePath("abc.pdf");
    const CliRun drawn = runCli({"report", data, "-o", pdf});
    QCOMPARE(drawn.exitCode, 0);
    QVERIFY2(drawn.err.isEmpty(), qPrintable(drawn.err));
    QVERIFY(fileBytes(pdf).startsWith("%PDF"));
    const QString page = pdfFileText(pdf, 1);
    QVERIFY2(page.trimmed().startsWith("abc\n"), qPrintable(page));
    QVERIFY(page.contains(QRegularExpression("-- Page 1 of \\d+ --")));
    // --format wins over the name; a PDF never goes to a terminal by default.
    QVERIFY(runCli({"report", data, "--format", "text", "-o", dir.filePath("r.pdf")}).exitCode ==
            0);
    QVERIFY(fileBytes(dir.filePath("r.pdf")).startsWith("File:              abc.dat\n"));
    QCOMPARE(runCli({"report", data, "--format", "pdf"}).exitCode, 2);
    QCOMPARE(runCli({"report", data, "--format", "html"}).exitCode, 2);
    QCOMPARE(runCli({"report", dir.filePath("none.dat")}).exitCode, 1);
}

// As diff(1): 0 equal, 1 different, 2 trouble; two files that differ in any byte never compare
// equal, and a channel field only the channel edit dialog shows is named.
void CliTests::diffTellsWhatDiffers() {
    MemoryImage image = buildFactoryDefault();
    const QString a = dir.filePath("a.dat"), b = dir.filePath("b.dat");
    QVERIFY(saveDataFile(a, image).ok);
    image.setBits(0xCC24, 7, 1, 0);                           // Beep off
    image.setBits(ImageMap::channelAddress(1) + 15, 4, 2, 1); // channel 1: busy lock Carrier
    image.setBits(ImageMap::channelAddress(1) + 20, 4, 1, 1); // and AM
    QVERIFY(saveDataFile(b, image).ok);
    const CliRun same = runCli({"diff", a, a});
    QCOMPARE(same.exitCode, 0);
    QVERIFY(same.out.isEmpty());
    const CliRun differ = runCli({"diff", a, b});
    QCOMPARE(differ.exitCode, 1);
    QCOMPARE(differ.out, QStringLiteral("Channel 1: Busy lock: Off -> Carrier\n"
                                        "Channel 1: AM: Off -> On\n"
                                        "Basic setting: Beep: On -> Off\n"));
    QCOMPARE(runCli({"diff", a}).exitCode, 2);
    const CliRun missing = runCli({"diff", a, dir.filePath("none.dat")});
    QCOMPARE(missing.exitCode, 2);
    QVERIFY(missing.err.contains("none.dat"));

    // Bank B shows in no form: the files still differ.
    image = buildFactoryDefault();
    image.setByte(ImageMap::channelAddress(801) + 21, 0x05);
    QVERIFY(saveDataFile(b, image).ok);
    const CliRun outside = runCli({"diff", a, b});
    QCOMPARE(outside.exitCode, 1);
    QCOMPARE(outside.out, QStringLiteral("1 byte differs outside the forms (first at 0x6515)\n"));

    // An output that cannot be written is trouble, said in the system's words.
    QProcess full;
    full.setStandardOutputFile("/dev/full");
    full.start(cliPath(), {"diff", a, b});
    QVERIFY(full.waitForFinished(10000));
    QCOMPARE(full.exitCode(), 2);
    QVERIFY2(full.readAllStandardError().contains("No space left on device"), "no message");
}

// A data file compared with what the virtual radio holds; nothing is written to the radio.
void CliTests::diffAgainstTheRadio() {
    const QString file = dir.filePath("radio.dat");
    MemoryImage image = buildFactoryDefault();
    QVERIFY(saveDataFile(file, image).ok);
    SimProcess sim({"--image", file});
    QVERIFY2(sim.path.startsWith("/dev/"), qPrintable(sim.path));
    const CliRun same = runCli({"diff", file, "--port", sim.path});
    QVERIFY2(same.exitCode == 0, qPrintable(same.out + same.err));
    image.setBits(0xCC24, 7, 1, 0); // Beep off in the file only
    QVERIFY(saveDataFile(file, image).ok);
    const CliRun differ = runCli({"diff", file, "--port", sim.path});
    QCOMPARE(differ.exitCode, 1);
    QCOMPARE(differ.out, QStringLiteral("Basic setting: Beep: Off -> On\n"));
    QCOMPARE(runCli({"diff", file, "--port", "/dev/no-such-port"}).exitCode, 2);
    QCOMPARE(sim.stop(), 0);
    QVERIFY(sim.process.readAllStandardError().contains("2 session"));
}

QTEST_GUILESS_MAIN(CliTests)
#include "tst_cli.moc"

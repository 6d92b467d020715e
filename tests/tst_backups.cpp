// Backups of radio reads: their names and folders, reads from the command line, and opening a
// backup in the program and writing it back to a radio.
#include "BackupsDialog.h"
#include "CliRunner.h"
#include "DataFile.h"
#include "DifferencesDialog.h"
#include "Document.h"
#include "FactoryDefault.h"
#include "FileCommands.h"
#include "MainWindow.h"
#include "MainWindowFixture.h"
#include "ModalResponder.h"
#include "RadioBackups.h"
#include "RadioBench.h"
#include "RadioIdentity.h"
#include "WidgetLookup.h"

#include <QDirIterator>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList filesUnder(const QString& root) {
    QStringList files;
    QDirIterator it(root, {QStringLiteral("*.dat")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QFileInfo(it.next()).fileName();
    files.sort();
    return files;
}

MemoryImage radioNamed(const QString& serial) {
    MemoryImage image = buildFactoryDefault();
    RadioIdentity::writeEditable(image, serial, QStringLiteral("RX9"), QStringLiteral("A1"));
    return image;
}

} // namespace

class BackupTests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void namesFoldersAndTwoReadsInOneSecond();
    void listsNewestFirstAndRemovesOnlyWhenAsked();
    void commandLineReadsKeepBackups();
    void aBackupOpensAsUntitledDataAndWritesBack();

private:
    QTemporaryDir dir;
};

void BackupTests::initTestCase() {
    QVERIFY(dir.isValid());
    QVERIFY(prepareProgramFolder(dir, "DuobandBackupTest"));
}

void BackupTests::namesFoldersAndTwoReadsInOneSecond() {
    const QString root = dir.filePath("names");
    const QDateTime now(QDate(2026, 12, 9), QTime(14, 3, 7));
    MemoryImage first = radioNamed("S123");
    RadioBackups::Kept kept = RadioBackups::keep(root, first, now);
    QVERIFY(kept.ok && kept.added);
    QCOMPARE(QDir(root).relativeFilePath(kept.path),
             QStringLiteral("RX9-S123/2026-12-09 14-03-07.dat"));
    MemoryImage loaded;
    QVERIFY(loadDataFile(kept.path, loaded).ok);
    QVERIFY(loaded == first); // a plain data file, PC block and all

    // The same memory again adds nothing, whatever the PC block says.
    MemoryImage again = first;
    again.pc()[5] ^= 0xFF;
    kept = RadioBackups::keep(root, again, now.addSecs(60));
    QVERIFY(kept.ok && !kept.added);

    // Another read in the same second gets a name of its own; nothing is overwritten.
    MemoryImage changed = first;
    changed.setByte(0x2000, changed.byte(0x2000) ^ 0xFF);
    QVERIFY(RadioBackups::keep(root, changed, now).added);
    changed.setByte(0x2001, changed.byte(0x2001) ^ 0xFF);
    QVERIFY(RadioBackups::keep(root, changed, now).added);
    QCOMPARE(filesUnder(root),
             (QStringList{"2026-12-09 14-03-07 (2).dat", "2026-12-09 14-03-07 (3).dat",
                          "2026-12-09 14-03-07.dat"}));
    QCOMPARE(QFileInfo(RadioBackups::newest(root, "RX9-S123")->path).fileName(),
             QStringLiteral("2026-12-09 14-03-07 (3).dat"));

    // No serial number: "unknown"; characters a folder cannot hold are left out.
    QCOMPARE(RadioBackups::radioKey(radioNamed("")), QStringLiteral("RX9-unknown"));
    MemoryImage odd = buildFactoryDefault();
    RadioIdentity::writeEditable(odd, "AB12", "", "");
    QCOMPARE(RadioBackups::radioKey(odd), QStringLiteral("radio-AB12"));
}

void BackupTests::listsNewestFirstAndRemovesOnlyWhenAsked() {
    const QString root = dir.filePath("lists");
    const QDateTime start(QDate(2026, 1, 1), QTime(8, 0));
    for (int i = 0; i < 5; ++i) {
        MemoryImage image = radioNamed(i % 2 ? "ODD" : "EVEN");
        image.setByte(0x3000, std::uint8_t(i));
        QVERIFY(RadioBackups::keep(root, image, start.addDays(i)).added);
    }
    const auto all = RadioBackups::list(root);
    QCOMPARE(all.size(), std::size_t(5));
    QCOMPARE(all.front().taken.date(), QDate(2026, 1, 5));
    QCOMPARE(all.back().taken.date(), QDate(2026, 1, 1));
    QCOMPARE(RadioBackups::list(root, "odd").size(), std::size_t(2));
    const RadioBackups::Usage usage = RadioBackups::usage(root, "RX9-EVEN");
    QCOMPARE(usage.count, 3);
    QCOMPARE(usage.bytes, qint64(3) * MemoryImage::kFileSize);
    QCOMPARE(RadioBackups::removeOldest(root, "RX9-EVEN", 1), 2);
    const auto even = RadioBackups::list(root, "EVEN");
    QCOMPARE(even.size(), std::size_t(1));
    QCOMPARE(even.front().taken.date(), QDate(2026, 1, 5));
    QCOMPARE(RadioBackups::list(root, "ODD").size(), std::size_t(2)); // the other radio's stay
}

// duoband-cli read and diff --port keep one backup each; a failed read (wrong access code)
// none; `backups` lists them.
void BackupTests::commandLineReadsKeepBackups() {
    const QString data = dir.filePath("cli-data");
    qputenv("DUOBAND_DATA_DIR", data.toLocal8Bit());
    RadioBench bench;
    QVERIFY(bench.started);
    const QString out = dir.filePath("read.dat");
    CliRun run = runCli({"read", "--port", bench.radio.devicePath(), "-o", out});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QVERIFY(run.err.contains("Backup kept: "));
    QStringList files = filesUnder(data + "/Backups");
    QCOMPARE(files.size(), 1);
    MemoryImage read, kept;
    QVERIFY(loadDataFile(out, read).ok);
    const CliRun listed = runCli({"backups"});
    QCOMPARE(listed.exitCode, 0);
    QCOMPARE(listed.out.count(u'\n'), 1);
    const QString path = listed.out.trimmed().section(QStringLiteral("  "), 2);
    QVERIFY(loadDataFile(path, kept).ok);
    QCOMPARE(sentPart(kept), bench.radio.memory().mid(0x100));
    QCOMPARE(sentPart(kept), sentPart(read));

    // Compare with the radio: the same memory, no new backup; a changed one, one more.
    run = runCli({"diff", out, "--port", bench.radio.devicePath()});
    QCOMPARE(filesUnder(data + "/Backups").size(), 1);
    QByteArray changed = bench.radio.memory();
    changed[0x4000] = char(changed[0x4000] ^ 0x55);
    bench.radio.setMemory(changed);
    run = runCli({"diff", out, "--port", bench.radio.devicePath()});
    QCOMPARE(run.exitCode, 1); // they differ
    QCOMPARE(filesUnder(data + "/Backups").size(), 2);
    QCOMPARE(runCli({"backups", "--radio", "no-such-radio"}).out, QString());

    // A protected radio and a wrong code: the read fails and keeps nothing.
    RadioBench locked(VirtualRadioOptions{.readProtected = true});
    QVERIFY(locked.started);
    QByteArray other = RadioBench::radioMemory();
    other[0x5000] = 1;
    other[0xCC08] = 3;
    locked.radio.setMemory(other);
    run = runCli({"read", "--port", locked.radio.devicePath(), "--code", "WRONG", "-o",
                  dir.filePath("locked.dat")});
    QVERIFY(run.exitCode != 0);
    QCOMPARE(filesUnder(data + "/Backups").size(), 2);
    qunsetenv("DUOBAND_DATA_DIR");
}

// File > Backups...: the chosen backup opens as untitled data that says where it came from,
// and a Write from it puts it into a radio byte for byte.
void BackupTests::aBackupOpensAsUntitledDataAndWritesBack() {
    Document document;
    AppConfig config;
    MainWindow* frame = openMainWindow(document, config, dir.path());
    QVERIFY(frame->isActiveWindow());
    const QString root = config.paths.dataFolder + "/Backups";
    MemoryImage older = radioNamed("S7"), newer = radioNamed("S7");
    newer.setByte(0x0120, 0x42); // channel 1's receive frequency byte
    const QDateTime when(QDate(2026, 12, 9), QTime(14, 3, 7));
    QVERIFY(RadioBackups::keep(root, older, when).added);
    QVERIFY(RadioBackups::keep(root, newer, when.addSecs(3600)).added);

    // Looking is not editing: the list opened and closed changes nothing.
    const MemoryImage untouched = document.image();
    auto* look = ModalResponder::answer<BackupsDialog>(
        [](BackupsDialog* dialog) {
            QTest::mouseClick(byName<QPushButton>(*dialog, "Close"), Qt::LeftButton);
        },
        this);
    frame->files()->backups();
    QVERIFY(look->answered);
    QVERIFY(document.image() == untouched);
    QVERIFY(!document.isModified());
    QCOMPARE(frame->undoAction()->text(), QStringLiteral("Undo"));

    int rows = 0;
    auto* choose = ModalResponder::answer<BackupsDialog>(
        [&rows](BackupsDialog* dialog) {
            rows = dialog->table()->rowCount();
            dialog->table()->selectRow(1); // the older one
            QTest::mouseClick(byName<QPushButton>(*dialog, "Open"), Qt::LeftButton);
        },
        this);
    frame->files()->backups();
    QVERIFY(choose->answered);
    QCOMPARE(rows, 2);
    QVERIFY(document.path().isEmpty());
    QVERIFY(document.isModified());
    QVERIFY(std::ranges::equal(document.image().image(), older.image()));
    QCOMPARE(frame->documentTitle(),
             QStringLiteral("M1 [ backup of RX9-S7, 2026-12-09 14-03-07 ] *"));

    RadioBench bench;
    QVERIFY(bench.started);
    config.portName = bench.radio.devicePath();
    auto* confirm = ModalResponder::answer<DifferencesDialog>(
        [](DifferencesDialog* dialog) {
            for (auto* b : dialog->findChildren<QPushButton*>())
                if (b->text() == "Write")
                    b->click();
        },
        this);
    QVERIFY(frame->transfers()->write());
    QVERIFY(confirm->answered);
    const QByteArray sent = bench.radio.memory();
    QCOMPARE(sent.mid(0x60, 0xF400 - 0x60),
             QByteArray(reinterpret_cast<const char*>(document.image().image().data()) + 0x60,
                        0xF400 - 0x60));
    QVERIFY(std::ranges::equal(document.image().image().subspan(0x100, 0x6400),
                               older.image().subspan(0x100, 0x6400)));
    closeWithoutSaving(frame, this);
}

QTEST_MAIN(BackupTests)
#include "tst_backups.moc"

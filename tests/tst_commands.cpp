// The file, history and transfer commands on a workspace of their own, without a main window:
// what each asks of the workspace and what it leaves in the document.
#include "AppConfig.h"
#include "ChannelRecord.h"
#include "CloneProgressDialog.h"
#include "DataFile.h"
#include "Document.h"
#include "FactoryDefault.h"
#include "FileCommands.h"
#include "HistoryCommands.h"
#include "ImageMap.h"
#include "ModalResponder.h"
#include "RadioBackups.h"
#include "RadioBench.h"
#include "TransferCommands.h"
#include "Workspace.h"

#include <QAction>
#include <QDirIterator>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A workspace with no forms: it notes what the commands asked of it and answers as told.
class TestWorkspace : public Workspace {
public:
    Document doc;
    QStringList statusLines;
    QStringList shown;  // forms asked for
    QStringList doubts; // what goOnDespite was asked
    bool goOn = false;  // its answer
    int storesAll = 0;
    int reloads = 0;

    Document& document() override { return doc; }
    QWidget* dialogParent() override { return nullptr; }
    void storeAllForms() override { ++storesAll; }
    void storeFormEdits() override {}
    void reloadForm(const QString&) override { ++reloads; }
    void reloadAllForms() override { ++reloads; }
    bool showForm(const QString& text) override {
        shown << text;
        return false;
    }
    bool hasOpenForms() const override { return false; }
    ChannelTableView* activeChannelTable() const override { return nullptr; }
    QString pendingForm() const override { return {}; }
    bool isModified() override { return doc.isModified(); }
    void showStatus(const QString& text) override { statusLines << text; }
    bool maybeSave() override { return true; }
    bool goOnDespite(const QString& doubt, const QString& question) override {
        doubts << doubt + u' ' + question;
        return goOn;
    }
};

// A virtual radio, a workspace on the factory default and the transfer commands on a data
// folder of their own, at full speed.
struct RadioAtHand {
    RadioAtHand(const AppConfig& base, const QString& dataFolder, VirtualRadioOptions options = {})
        : bench(options), config(base), transfers(workspace, config) {
        workspace.doc.image() = buildFactoryDefault();
        config.paths.dataFolder = dataFolder;
        config.portName = bench.radio.devicePath();
        transfers.setTiming(fastTiming());
    }
    RadioBench bench;
    TestWorkspace workspace;
    AppConfig config;
    TransferCommands transfers;
};

Record channel(Document& document, int n) {
    return document.image().at<32>(ImageMap::channelAddress(n));
}

} // namespace

class CommandTests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void openAndSaveThroughTheWorkspace();
    void doubtfulFilesAskTheWorkspace();
    void undoAndRedoNameTheirSteps();
    void readFillsTheDocumentAndAsksForTheChannelTable();
    void writeAsksItsQuestionFirst();
    void everyReadKeepsOneBackup();
    void failedAndCancelledReadsKeepNone();
    void anUnwritableBackupFolderWarnsAndTheReadStands();
    void theWriteQuestionNamesTheNewestBackup();
    void readABackupFirstThenWrite();
    void pastTwoHundredBackupsTheOldestGoOnlyWhenAsked();

private:
    // A configuration with a data folder of its own and the bench's port.
    QString nextDataFolder() { return dir.filePath(QStringLiteral("data%1").arg(++folders)); }
    static QStringList backupFiles(const AppConfig& c);
    // Reads through the commands, "Start" pressed in the progress dialog.
    bool readThrough(TransferCommands& transfers);

    QTemporaryDir dir;
    AppConfig config;
    int folders = 0;
};

void CommandTests::initTestCase() {
    QVERIFY(dir.isValid());
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName("Belmora");
    QCoreApplication::setApplicationName("DuobandCommandTest");
    QSettings().clear();
    config.paths.dataFolder = dir.path();
    config.portName = QStringLiteral("COM3");
}

void CommandTests::openAndSaveThroughTheWorkspace() {
    MemoryImage data = buildFactoryDefault();
    ChannelRecord::setRxFrequency(data.at<32>(ImageMap::channelAddress(3)), 14550000);
    const QString path = dir.filePath("three.dat");
    QVERIFY(saveDataFile(path, data).ok);

    TestWorkspace workspace;
    FileCommands files(workspace, config);
    QVERIFY(files.openPath(path));
    QCOMPARE(ChannelRecord::rxFrequency(channel(workspace.doc, 3)), 14550000u);
    QCOMPARE(workspace.shown, QStringList{"Channel setting"}); // no form was open
    QVERIFY(workspace.reloads > 0);
    QVERIFY(workspace.statusLines.last().startsWith("Opened "));
    QVERIFY(!workspace.doc.isModified());

    const QString copy = dir.filePath("copy.dat");
    QVERIFY(files.saveToPath(copy));
    QCOMPARE(workspace.doc.path(), QFileInfo(copy).absoluteFilePath());
    QVERIFY(workspace.statusLines.last().startsWith("Saved "));
    MemoryImage saved;
    QVERIFY(loadDataFile(copy, saved).ok);
    QVERIFY(saved == workspace.doc.image());
}

void CommandTests::doubtfulFilesAskTheWorkspace() {
    QFile junk(dir.filePath("junk.dat"));
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(MemoryImage::kFileSize, '\xAA')); // no decimal frequency anywhere
    junk.close();
    TestWorkspace workspace;
    const MemoryImage before = workspace.doc.image();
    FileCommands files(workspace, config);
    QVERIFY(!files.openPath(junk.fileName()));
    QCOMPARE(workspace.doubts.size(), 1);
    QVERIFY(workspace.doubts.first().endsWith("Open anyway?"));
    QVERIFY(workspace.doc.image() == before);
    workspace.goOn = true;
    QVERIFY(files.openPath(junk.fileName()));
}

void CommandTests::undoAndRedoNameTheirSteps() {
    TestWorkspace workspace;
    workspace.doc.image() = buildFactoryDefault();
    workspace.doc.startHistory();
    HistoryCommands history(workspace);
    QAction undo, redo;
    history.setActions(&undo, &redo);
    QCOMPARE(undo.text(), QStringLiteral("Undo"));
    QVERIFY(!undo.isEnabled());

    ChannelRecord::setRxFrequency(channel(workspace.doc, 2), 14600000);
    workspace.doc.record(QStringLiteral("Edit channel 2"));
    history.updateActions();
    QCOMPARE(undo.text(), QStringLiteral("Undo Edit channel 2"));
    history.undo();
    QVERIFY(workspace.doc.image() == buildFactoryDefault());
    QCOMPARE(workspace.statusLines.last(), QStringLiteral("Undone: Edit channel 2"));
    QCOMPARE(redo.text(), QStringLiteral("Redo Edit channel 2"));
    history.redo();
    QCOMPARE(ChannelRecord::rxFrequency(channel(workspace.doc, 2)), 14600000u);
}

void CommandTests::readFillsTheDocumentAndAsksForTheChannelTable() {
    RadioBench bench;
    QVERIFY(bench.started);
    bench.radio.setMemory(
        QByteArray(reinterpret_cast<const char*>(buildFactoryDefault().image().data()),
                   MemoryImage::kImageSize));
    TestWorkspace workspace;
    AppConfig radioConfig = config;
    radioConfig.portName = bench.radio.devicePath();
    TransferCommands transfers(workspace, radioConfig);
    transfers.setTiming(fastTiming());
    auto* start = ModalResponder::answer<CloneProgressDialog>(
        [](CloneProgressDialog* dialog) { dialog->start(); }, this);
    QVERIFY(transfers.read());
    QVERIFY(start->answered);
    QCOMPARE(workspace.shown, QStringList{"Channel setting"});
    QCOMPARE(workspace.doc.path(), QString()); // the radio's data belongs to no file
    QVERIFY(workspace.doc.radioImage());
    QVERIFY(workspace.storesAll >= 2); // before the read, and after the forms took it
}

void CommandTests::writeAsksItsQuestionFirst() {
    TestWorkspace workspace;
    workspace.doc.image() = buildFactoryDefault();
    AppConfig radioConfig = config;
    radioConfig.portName = QStringLiteral("/dev/null-no-radio");
    radioConfig.paths.dataFolder = dir.filePath(QStringLiteral("no-reads-yet"));
    TransferCommands transfers(workspace, radioConfig);
    int asked = 0;
    TransferCommands::WriteQuestion question;
    transfers.setWriteQuestion([&](const TransferCommands::WriteQuestion& q) {
        ++asked;
        question = q;
        return TransferCommands::WriteAnswer::Cancel;
    });
    QVERIFY(!transfers.write());
    QCOMPARE(asked, 1);
    QCOMPARE(workspace.storesAll, 1);
    QVERIFY(question.backupNote.startsWith("There is no backup of this radio"));
    QVERIFY(question.offerBackupRead);
}

QStringList CommandTests::backupFiles(const AppConfig& c) {
    QStringList files;
    QDirIterator it(c.paths.dataFolder + QStringLiteral("/Backups"), {QStringLiteral("*.dat")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    return files;
}

bool CommandTests::readThrough(TransferCommands& transfers) {
    auto* start = ModalResponder::answer<CloneProgressDialog>(
        [](CloneProgressDialog* dialog) { dialog->start(); }, this);
    const bool ok = transfers.read();
    delete start;
    return ok;
}

// A read in the program and a Compare's read each keep what the radio sent, once.
void CommandTests::everyReadKeepsOneBackup() {
    RadioAtHand at(config, nextDataFolder());
    auto& [bench, workspace, c, transfers] = at;
    QVERIFY(bench.started);
    QVERIFY(readThrough(transfers));
    QStringList files = backupFiles(c);
    QCOMPARE(files.size(), 1);
    MemoryImage kept;
    QVERIFY(loadDataFile(files.first(), kept).ok);
    // What the radio sent, byte for byte (0x0100-0xFFFF; below is the program's own).
    const QByteArray radio = bench.radio.memory();
    QCOMPARE(sentPart(kept), radio.mid(0x100));
    QVERIFY(workspace.statusLines.last().contains("backup kept: "));

    // The same radio memory again: no new file.
    QVERIFY(readThrough(transfers));
    QCOMPARE(backupFiles(c).size(), 1);
    QVERIFY(workspace.statusLines.last().endsWith("the newest backup holds the same"));

    // A Compare's read of a changed radio: one more.
    QByteArray changed = radio;
    changed[0x1000] = char(changed[0x1000] ^ 0xFF);
    bench.radio.setMemory(changed);
    QVERIFY(transfers.readCopy());
    files = backupFiles(c);
    QCOMPARE(files.size(), 2);
}

void CommandTests::failedAndCancelledReadsKeepNone() {
    for (int fault = 0; fault < 3; ++fault) {
        VirtualRadioOptions options;
        options.silent = fault == 0;
        options.hangUpAfterBlocks = fault == 1 ? 5 : -1;
        RadioAtHand at(config, nextDataFolder(), options);
        auto& [bench, workspace, c, transfers] = at;
        QVERIFY(bench.started);
        // A silent radio's wake-up windows close on a clock that jumps, not in real time.
        transfers.setTiming(fastTiming(options.silent));
        bool ok = false;
        if (fault == 2) { // cancelled before it began
            auto* cancel = ModalResponder::answer<CloneProgressDialog>(
                [](CloneProgressDialog* dialog) { static_cast<QDialog*>(dialog)->reject(); }, this);
            ok = transfers.read();
            QVERIFY(cancel->answered);
        } else {
            BoxAnswer failure; // the dialog reports the failure before it closes
            auto* box = answerBox(QMessageBox::Ok, &failure, this);
            ok = readThrough(transfers);
            QVERIFY(box->answered);
            QVERIFY(!failure.text.isEmpty());
        }
        QVERIFY(!ok);
        QCOMPARE(backupFiles(c).size(), 0);
    }
}

// A "Backups" that is a file cannot hold folders: one warning, and the read stands.
void CommandTests::anUnwritableBackupFolderWarnsAndTheReadStands() {
    RadioAtHand at(config, nextDataFolder());
    auto& [bench, workspace, c, transfers] = at;
    QVERIFY(bench.started);
    QVERIFY(QDir().mkpath(c.paths.dataFolder));
    QFile blocker(c.paths.dataFolder + QStringLiteral("/Backups"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    BoxAnswer warning;
    auto* box = answerBox(QMessageBox::Ok, &warning, this);
    QVERIFY(readThrough(transfers));
    QVERIFY(box->answered);
    QVERIFY2(warning.text.startsWith("The read succeeded, but no backup of it could be kept."),
             qPrintable(warning.text));
    QVERIFY(workspace.doc.radioImage());
    QVERIFY(workspace.statusLines.last().endsWith("; no backup kept"));
}

void CommandTests::theWriteQuestionNamesTheNewestBackup() {
    RadioAtHand at(config, nextDataFolder());
    auto& [bench, workspace, c, transfers] = at;
    QVERIFY(bench.started);
    QVERIFY(readThrough(transfers));
    const QString taken =
        QFileInfo(backupFiles(c).first()).completeBaseName().left(16).replace(13, 1, u':');
    workspace.goOn = true; // the bench's memory is no real setup: write it anyway
    TransferCommands::WriteQuestion question;
    transfers.setWriteQuestion([&](const TransferCommands::WriteQuestion& q) {
        question = q;
        return TransferCommands::WriteAnswer::Cancel;
    });
    QVERIFY(!transfers.write());
    QCOMPARE(question.backupNote, QStringLiteral("Backup of this radio: %1").arg(taken));
    QVERIFY(!question.offerBackupRead);
}

// No backup yet: "Read a backup first" reads into the backups only, then the write goes on
// and reaches the radio byte for byte.
void CommandTests::readABackupFirstThenWrite() {
    RadioAtHand at(config, nextDataFolder());
    auto& [bench, workspace, c, transfers] = at;
    QVERIFY(bench.started);
    const QByteArray before = bench.radio.memory();
    const MemoryImage open = workspace.doc.image();
    transfers.setWriteQuestion([](const TransferCommands::WriteQuestion& q) {
        return q.offerBackupRead ? TransferCommands::WriteAnswer::ReadBackupFirst
                                 : TransferCommands::WriteAnswer::Cancel;
    });
    QVERIFY(transfers.write());
    const QStringList files = backupFiles(c);
    QCOMPARE(files.size(), 1);
    MemoryImage kept;
    QVERIFY(loadDataFile(files.first(), kept).ok);
    QCOMPARE(sentPart(kept), before.mid(0x100));
    // The open data went to the radio, not the backup: 0x0060-0xF3FF as the write sends it.
    const QByteArray sent = bench.radio.memory();
    const MemoryImage& written = workspace.doc.image();
    QCOMPARE(
        sent.mid(0x60, 0xF400 - 0x60),
        QByteArray(reinterpret_cast<const char*>(written.image().data()) + 0x60, 0xF400 - 0x60));
    QVERIFY(std::ranges::equal(open.image().subspan(0x100, 0x6400),
                               written.image().subspan(0x100, 0x6400)));
}

void CommandTests::pastTwoHundredBackupsTheOldestGoOnlyWhenAsked() {
    RadioAtHand at(config, nextDataFolder());
    auto& [bench, workspace, c, transfers] = at;
    QVERIFY(bench.started);
    // 200 older reads of the bench's radio.
    MemoryImage older = workspace.doc.image();
    const QByteArray memory = bench.radio.memory();
    std::copy(memory.begin(), memory.end(), older.image().begin());
    for (int i = 0; i < RadioBackups::kOfferToRemoveAbove; ++i) {
        older.setByte(0x3000, std::uint8_t(i));
        older.setByte(0x3001, std::uint8_t(i >> 8));
        QVERIFY(RadioBackups::keep(c.paths.dataFolder + "/Backups", older,
                                   QDateTime(QDate(2020, 1, 1), QTime(0, 0)).addSecs(i))
                    .added);
    }
    workspace.goOn = false; // "No": nothing is removed
    QVERIFY(readThrough(transfers));
    QCOMPARE(backupFiles(c).size(), 201);
    QCOMPARE(workspace.doubts.size(), 1);
    QVERIFY2(workspace.doubts.first().startsWith("There are 201 backups of this radio, taking "),
             qPrintable(workspace.doubts.first()));
    QVERIFY(workspace.doubts.first().endsWith("Remove the oldest, keeping the newest 200?"));
    // Another read, "Yes": the newest 200 stay, the new read among them.
    QByteArray changed = bench.radio.memory();
    changed[0x2000] = char(changed[0x2000] ^ 1);
    bench.radio.setMemory(changed);
    workspace.goOn = true;
    QVERIFY(readThrough(transfers));
    QCOMPARE(backupFiles(c).size(), 200);
    const auto newest = RadioBackups::newest(c.paths.dataFolder + "/Backups",
                                             RadioBackups::radioKey(workspace.doc.image()));
    QVERIFY(newest && newest->taken.date() == QDate::currentDate());
}

QTEST_MAIN(CommandTests)
#include "tst_commands.moc"

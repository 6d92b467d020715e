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
#include "RadioBench.h"
#include "TransferCommands.h"
#include "Workspace.h"

#include <QAction>
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

private:
    QTemporaryDir dir;
    AppConfig config;
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
    TransferCommands transfers(workspace, radioConfig);
    int asked = 0;
    transfers.setWriteQuestion([&asked] {
        ++asked;
        return false; // "Cancel"
    });
    QVERIFY(!transfers.write());
    QCOMPARE(asked, 1);
    QCOMPARE(workspace.storesAll, 1);
}

QTEST_MAIN(CommandTests)
#include "tst_commands.moc"

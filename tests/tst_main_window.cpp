#include "AppConfig.h"
#include "BandState.h"
#include "CellTyping.h"
#include "ChannelRecord.h"
#include "ChannelTableView.h"
#include "CloneProgressDialog.h"
#include "CommandRegistry.h"
#include "DataFile.h"
#include "DifferencesDialog.h"
#include "Document.h"
#include "FactoryDefault.h"
#include "FileCommands.h"
#include "FormFrame.h"
#include "FrequencyRangeDialog.h"
#include "GridControl.h"
#include "ImageMap.h"
#include "IniFile.h"
#include "MainWindow.h"
#include "MainWindowFixture.h"
#include "ModalResponder.h"
#include "ModelView.h"
#include "PdfText.h"
#include "RadioBench.h"
#include "RadioIdentity.h"
#include "ReportCommands.h"
#include "ReportPages.h"
#include "ReportPreview.h"
#include "TestFiles.h"
#include "TransferCommands.h"
#include "VfoDialog.h"
#include "WidgetLookup.h"

#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

namespace {} // namespace

class MainWindowTests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void startsOnTheChannelWindow();
    void oneWindowPerForm();
    void activationHandsValuesOn();
    void saveStoresTheFormsFirst();
    void openReloadsAndRemembers();
    void newAsksFirst();
    void newGivesWhatStartUpGives();
    void messagesCarryTheModelName();
    void languageIsKeptForTheNextStart();
    void toolbarIconsAreTheProgramsOwn();
    void unsavedChangesAreNeverLostSilently();
    void treeDispatch();
    void treeAndEditMenuFromTheRegistry();
    void basicSettingsStoreBeforeAnotherFormLoads();
    void frequencyRangeClearsChannelsOutsideTheBands();
    void readAndWriteThroughTheMainWindow();
    void readThenSaveLeavesTheOpenFileAlone();
    void exportPdfStartsBesideTheFile();
    void newChannelsFallBackToTheRadiosBand();
    void doubtfulFilesAskBeforeOpening();
    void windowsStayInsideTheWorkspace();
    void titleMarksAnEditAtOnce();
    void alarmListFollowsTheDtmfWindow();
    void vfoFromTheTree();
    void printingShowsTheDataAsTheFormsHoldIt();
    void previewStandsInForTheMainWindow();
    void printSetupIsWhatEveryOutputUses();
    void compareWithListsTheDifferences();
    void writeOffersWhatWillChange();

private:
    QTemporaryDir dir;
    Document document;
    MemoryImage& image = document.image();
    BandState& bands = document.bands();
    AppConfig config;
    MainWindow* frame = nullptr;
};

void MainWindowTests::initTestCase() {
    QVERIFY(prepareProgramFolder(dir, "DuobandTest"));
}

void MainWindowTests::init() {
    frame = openMainWindow(document, config, dir.path());
    QVERIFY(frame->isActiveWindow());
}

void MainWindowTests::cleanup() {
    closeWithoutSaving(frame, this);
}

void MainWindowTests::startsOnTheChannelWindow() {
    QMdiSubWindow* channels = frame->formWindow("Channel setting");
    QVERIFY(channels);
    QVERIFY(channels->isMaximized());
    QCOMPARE(frame->documentTitle(), QStringLiteral("M1"));
    QCOMPARE(byName<QLabel>(*frame, "COM")->text(), QStringLiteral("COM3"));
    QTreeWidgetItem* root = frame->tree()->topLevelItem(0);
    QCOMPARE(root->text(0), QStringLiteral("M1"));
    QVERIFY(root->isExpanded());
    QStringList children;
    for (int i = 0; i < root->childCount(); ++i)
        children << root->child(i)->text(0);
    QCOMPARE(children,
             (QStringList{"Channel setting", "VFO", "Scan channel", "Basic setting", "DTMF",
                          "2Tone", "5Tone", "Alarm", "Model", "Frequency range"}));
    QVERIFY(!frame->isModified());
    // The child window's bottom bar.
    auto* child = qobject_cast<FormFrame*>(channels->widget());
    QVERIFY(byName<QPushButton>(*child, "Help") && byName<QPushButton>(*child, "Close"));
}

void MainWindowTests::oneWindowPerForm() {
    QMdiSubWindow* model = frame->openForm("Model");
    QVERIFY(model);
    QCOMPARE(model->windowTitle(), QStringLiteral("Modle"));
    QCOMPARE(frame->openForm("Model"), model); // the second request only activates it
    QCOMPARE(frame->mdiArea()->subWindowList().size(), 2);
    model->close();
    QTRY_VERIFY(!frame->formWindow("Model"));
    // A new window loads from the image.
    RadioIdentity::writeEditable(image, "NEW1", "DUOBAND", "");
    QMdiSubWindow* again = frame->openForm("Model");
    QVERIFY(again && again != model);
    QCOMPARE(byName<QLineEdit>(*again, "Serial number")->text(), QStringLiteral("NEW1"));
    QVERIFY(!frame->openForm("Frequency range")); // not a form: no window
}

void MainWindowTests::activationHandsValuesOn() {
    QMdiSubWindow* model = frame->openForm("Model");
    auto* serial = byName<QLineEdit>(*model, "Serial number");
    serial->setFocus();
    QTest::keyClicks(serial, "ABC123");
    QCOMPARE(image.byte(0xFF00), 0xFF); // still only in the form
    frame->openForm("Channel setting"); // leaving the Model window stores it
    QCOMPARE(RadioIdentity::read(image).serialNumber, QStringLiteral("ABC123"));
    RadioIdentity::writeEditable(image, "XYZ", "DUOBAND", "");
    frame->openForm("Model"); // coming back loads it
    QCOMPARE(serial->text(), QStringLiteral("XYZ"));
}

void MainWindowTests::saveStoresTheFormsFirst() {
    ChannelTableView* view = channelView(*frame);
    QVERIFY(view);
    // A name typed into the table stays in its grid until the table is stored.
    view->commitCell(1, ChannelTable::Name, "SAVED");
    const QString path = dir.filePath("saved.dat");
    QVERIFY(frame->files()->saveToPath(path));
    MemoryImage saved;
    QVERIFY(loadDataFile(path, saved).ok);
    QCOMPARE(ChannelRecord::name(saved.at<32>(ImageMap::channelAddress(1))),
             QStringLiteral("SAVED"));
    QCOMPARE(saved.bits(ImageMap::kStorageFlags, 0, 2), 0);
    QCOMPARE(frame->documentTitle(),
             QStringLiteral("M1 [ %1 ]").arg(QFileInfo(path).absoluteFilePath()));
    QVERIFY(!frame->isModified());
}

void MainWindowTests::openReloadsAndRemembers() {
    MemoryImage other = buildFactoryDefault();
    writeInitialRecord(other.at<32>(ImageMap::channelAddress(9)), 14550000, kAbsoluteBands);
    const QString path = dir.filePath("other.dat");
    QVERIFY(saveDataFile(path, other).ok);
    QVERIFY(frame->files()->openPath(path));
    QCOMPARE(channelView(*frame)->grid()->text(9, ChannelTable::Rx), QStringLiteral("145.50000"));
    QVERIFY(frame->documentTitle().endsWith(QStringLiteral("other.dat ]")));
    QSettings settings;
    QCOMPARE(RecentFiles(settings).list().first(), QFileInfo(path).absoluteFilePath());
    // A file that cannot be opened is reported with its name and changes nothing.
    BoxAnswer seen;
    auto* responder = answerBox(QMessageBox::Ok, &seen, this);
    QVERIFY(!frame->files()->openPath(dir.filePath("absent.dat")));
    QVERIFY(responder->answered);
    QVERIFY(seen.text.contains("absent.dat"));
    QCOMPARE(channelView(*frame)->grid()->text(9, ChannelTable::Rx), QStringLiteral("145.50000"));
}

// The band defaults of New come from the built-in band table, as at start-up, not from the
// limits of the data loaded since (the 850 MHz band record's offset at 0xDB52 among them).
// Setting > Language keeps the choice in Program.ini and says it applies at the next start;
// the entry of the choice in use is checked, and choosing it again asks nothing.
void MainWindowTests::languageIsKeptForTheNextStart() {
    auto entry = [this](const QString& name) -> QAction* {
        for (QAction* menu : frame->menuBar()->actions())
            if (menu->text() == QLatin1String("&Setting"))
                for (QAction* a : menu->menu()->actions())
                    if (a->menu() && a->text() == QLatin1String("Language"))
                        for (QAction* choice : a->menu()->actions())
                            if (choice->text() == name)
                                return choice;
        return nullptr;
    };
    auto iniLanguage = [this] {
        return IniFile(dir.filePath("Program.ini")).get("Setup", "Language", "(none)");
    };
    QVERIFY(entry("System") && entry("System")->isChecked());
    BoxAnswer seen;
    auto* told = answerBox(QMessageBox::Ok, &seen, this);
    entry(QString::fromUtf8("Deutsch"))->trigger();
    QVERIFY(told->answered);
    QVERIFY2(seen.text.contains("next start"), qPrintable(seen.text));
    QCOMPARE(iniLanguage(), QStringLiteral("de"));
    QCOMPARE(IniFile(dir.filePath("Program.ini")).get("Setup", "Model"), QStringLiteral("M1"));
    QCOMPARE(config.language, QStringLiteral("de"));
    // The window keeps speaking the language it started in.
    QCOMPARE(frame->menuBar()->actions().first()->text(), QStringLiteral("&File"));
    auto* again = answerBox(QMessageBox::Ok, nullptr, this);
    entry(QString::fromUtf8("Deutsch"))->trigger();
    QTest::qWait(60);
    QVERIFY(!again->answered);
    answerBox(QMessageBox::Ok, nullptr, this);
    entry("System")->trigger();
    QCOMPARE(iniLanguage(), QStringLiteral("system"));
    QCOMPARE(config.language, QString());
    QCOMPARE(AppConfig::startUp(config.paths).language, QString()); // read back as the system's
}

// A file that cannot be opened is reported in a box captioned with the model name; the
// recent-file list stays where the program's own name keeps it.
void MainWindowTests::messagesCarryTheModelName() {
    BoxAnswer seen;
    auto* responder = answerBox(QMessageBox::Ok, &seen, this);
    QVERIFY(!frame->files()->openPath(dir.filePath("no-such-file.dat")));
    QVERIFY(responder->answered);
    QCOMPARE(seen.title, QStringLiteral("M1"));
    QVERIFY(seen.text.contains(QDir::toNativeSeparators(dir.filePath("no-such-file.dat"))));
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("DuobandTest"));
    QVERIFY(frame->files()->saveToPath(dir.filePath("remembered.dat")));
    QVERIFY(QSettings()
                .value(QStringLiteral("Recent File List/File1"))
                .toString()
                .endsWith(QStringLiteral("remembered.dat")));
}

// Every toolbar button shows the program's own drawing in four sizes, never an icon looked up by
// name in the desktop's theme (a stale theme cache makes each lookup cost hundreds of file
// checks at start-up).
void MainWindowTests::toolbarIconsAreTheProgramsOwn() {
    auto* tools = frame->findChild<QToolBar*>();
    QVERIFY(tools);
    int buttons = 0;
    for (QAction* a : tools->actions()) {
        if (a->isSeparator())
            continue;
        ++buttons;
        QVERIFY2(!a->icon().isNull(), qPrintable(a->text()));
        QVERIFY2(a->icon().name().isEmpty(), qPrintable(a->text())); // no theme name
        QCOMPARE(a->icon().availableSizes(),
                 (QList<QSize>{{16, 16}, {24, 24}, {32, 32}, {48, 48}}));
    }
    QCOMPARE(buttons, 10);
}

void MainWindowTests::newGivesWhatStartUpGives() {
    const QString a = dir.filePath("a.dat"), b = dir.filePath("b.dat");
    QVERIFY(frame->files()->saveToPath(a));
    answerBox(QMessageBox::Yes, nullptr, this);
    frame->files()->newData();
    QVERIFY(frame->files()->saveToPath(b));
    QFile fa(a), fb(b);
    QVERIFY(fa.open(QIODevice::ReadOnly) && fb.open(QIODevice::ReadOnly));
    const QByteArray bytesA = fa.readAll(), bytesB = fb.readAll();
    QCOMPARE(bytesA.size(), bytesB.size());
    for (int i = 0; i < bytesA.size(); ++i)
        QVERIFY2(bytesA[i] == bytesB[i], qPrintable(QStringLiteral("file byte %1 differs").arg(i)));
    QCOMPARE(quint8(bytesB[MemoryImage::kPcSize + 0xDB52]), quint8(0x76));
}

void MainWindowTests::newAsksFirst() {
    const QString path = dir.filePath("before-new.dat");
    QVERIFY(frame->files()->saveToPath(path));
    BoxAnswer seen;
    answerBox(QMessageBox::No, &seen, this);
    frame->files()->newData();
    QCOMPARE(seen.title, QStringLiteral("Warnning"));
    QCOMPARE(seen.text, QStringLiteral("Clear all data! \ncontinue?"));
    QVERIFY(frame->documentTitle().contains("before-new.dat")); // No: nothing changed
    answerBox(QMessageBox::Yes, nullptr, this);
    frame->files()->newData();
    QCOMPARE(frame->documentTitle(), QStringLiteral("M1"));
    QCOMPARE(document.path(), QString());
}

void MainWindowTests::unsavedChangesAreNeverLostSilently() {
    const QString path = dir.filePath("edited.dat");
    QVERIFY(frame->files()->saveToPath(path));
    ChannelTableView* view = channelView(*frame);
    view->commitCell(4, ChannelTable::Rx, "146"); // written at once
    QVERIFY(frame->isModified());
    QTRY_VERIFY(frame->documentTitle().endsWith(" *"));
    BoxAnswer seen;
    answerBox(QMessageBox::Cancel, &seen, this);
    frame->files()->newData();
    QCOMPARE(seen.text, QStringLiteral("Save changes to edited.dat?"));
    QCOMPARE(seen.title, QStringLiteral("M1")); // the model name of Program.ini
    QVERIFY(frame->isModified());               // cancelled: still there
    // Save, then New goes on to its own question.
    answerBox(QMessageBox::Save, nullptr, this);
    ModalResponder* warn = nullptr;
    QTimer::singleShot(0, this, [&] { warn = answerBox(QMessageBox::No, &seen, this); });
    frame->files()->newData();
    QTRY_VERIFY(warn && warn->answered);
    QCOMPARE(seen.title, QStringLiteral("Warnning"));
    MemoryImage saved;
    QVERIFY(loadDataFile(path, saved).ok);
    QVERIFY(!isEmptyRecord(saved.at<32>(ImageMap::channelAddress(4))));
    QVERIFY(!frame->isModified());
    // Closing with changes asks too; Cancel keeps the window.
    view->commitCell(5, ChannelTable::Rx, "147");
    answerBox(QMessageBox::Cancel, &seen, this);
    frame->close();
    QVERIFY(frame->isVisible());
}

void MainWindowTests::treeDispatch() {
    QTreeWidget* tree = frame->tree();
    QTreeWidgetItem* root = tree->topLevelItem(0);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(root).center());
    QCOMPARE(frame->mdiArea()->subWindowList().size(), 1); // the root does nothing
    QTreeWidgetItem* model = root->child(8);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(model).center());
    QVERIFY(frame->formWindow("Model"));
    QCOMPARE(frame->mdiArea()->activeSubWindow(), frame->formWindow("Model"));

    // From the keyboard: Enter and Space on an item open its form, arrows alone open nothing.
    tree->setFocus();
    QTRY_VERIFY(tree->hasFocus());
    QTest::keyClick(tree, Qt::Key_Up);
    QCOMPARE(tree->currentItem(), root->child(7));
    QVERIFY(!frame->formWindow("Alarm"));
    const struct {
        int child;
        Qt::Key key;
        const char* form;
    } keys[] = {{2, Qt::Key_Return, "Scan channel"},
                {3, Qt::Key_Space, "Basic setting"},
                {4, Qt::Key_Enter, "DTMF"}};
    for (const auto& k : keys) {
        tree->setCurrentItem(root->child(k.child));
        tree->setFocus();
        QTRY_VERIFY(tree->hasFocus());
        QTest::keyClick(tree, k.key);
        QVERIFY2(frame->formWindow(k.form), k.form);
        QCOMPARE(frame->mdiArea()->activeSubWindow(), frame->formWindow(k.form));
        // The title names the active form, not the maximized channel window behind it.
        QCOMPARE(frame->windowTitle(),
                 frame->documentTitle() + QStringLiteral(" - [%1]").arg(k.form));
    }
    frame->openForm("Channel setting");
    QCOMPARE(frame->windowTitle(), frame->documentTitle() + QStringLiteral(" - [Channel setting]"));
}

void MainWindowTests::treeAndEditMenuFromTheRegistry() {
    const QStringList order = {
        "Channel setting", "VFO",   "Scan channel", "Basic setting", "DTMF",
        "2Tone",           "5Tone", "Alarm",        "Model",         "Frequency range"};
    // Undo and Redo come first; the forms and dialogs follow in their own order.
    const QList<QAction*> actions = frame->editMenu()->actions();
    QCOMPARE(actions[0], frame->undoAction());
    QCOMPARE(actions[1], frame->redoAction());
    QStringList menu;
    for (QAction* a : actions)
        if (findCommand(a->text()))
            menu << a->text();
    QCOMPARE(menu, order);
    QTreeWidgetItem* root = frame->tree()->topLevelItem(0);
    QCOMPARE(root->childCount(), int(order.size()));
    // Commands whose form is not built yet are offered, but disabled.
    for (QAction* a : actions)
        if (const CommandEntry* command = findCommand(a->text()))
            QCOMPARE(a->isEnabled(), command->built());
    QVERIFY(frame->action("Basic setting")->isEnabled());
    QVERIFY(frame->action("5Tone")->isEnabled());
    // The Edit menu opens the same window as the tree.
    frame->action("Model")->trigger();
    QVERIFY(frame->formWindow("Model"));
    // The alarm form is reachable: from the menu and the tree, one window.
    frame->action("Alarm")->trigger();
    QMdiSubWindow* alarm = frame->formWindow("Alarm");
    QVERIFY(alarm);
    QTreeWidgetItem* alarmItem = root->child(7);
    QCOMPARE(alarmItem->text(0), QStringLiteral("Alarm"));
    QTest::mouseClick(frame->tree()->viewport(), Qt::LeftButton, {},
                      frame->tree()->visualItemRect(alarmItem).center());
    QCOMPARE(frame->formWindow("Alarm"), alarm);
    QCOMPARE(frame->mdiArea()->subWindowList().size(), 3);
}

// New band limits clear every channel they leave outside, as one step; closing the dialog
// without a change clears nothing (a channel from another radio stays).
void MainWindowTests::frequencyRangeClearsChannelsOutsideTheBands() {
    ChannelTableView* view = channelView(*frame);
    writeInitialRecord(image.at<32>(ImageMap::channelAddress(5)), 3000000, kAbsoluteBands);
    writeInitialRecord(image.at<32>(ImageMap::channelAddress(6)), 17800000, kAbsoluteBands);
    view->LoadFromImage();
    view->SaveToImage();
    document.record("Channels");
    QCOMPARE(view->grid()->text(5, ChannelTable::Rx), QStringLiteral("30.00000"));
    const MemoryImage before = image;
    auto* look = ModalResponder::answer<FrequencyRangeDialog>(
        [](FrequencyRangeDialog* dialog) { dialog->close(); }, this);
    frame->runCommand(*findCommand("Frequency range"));
    QVERIFY(look->answered);
    QVERIFY(image == before);
    QCOMPARE(frame->undoAction()->text(), QStringLiteral("Undo Channels"));

    bands.unlocked = true;
    auto* narrow = ModalResponder::answer<FrequencyRangeDialog>(
        [](FrequencyRangeDialog* dialog) {
            typeIntoCell(dialog->grid(), BandState::kVhf + 1, 2, "174"); // 150M Rx upper
            dialog->close();
        },
        this);
    frame->runCommand(*findCommand("Frequency range"));
    QVERIFY(narrow->answered);
    QVERIFY(isEmptyRecord(image.at<32>(ImageMap::channelAddress(5))));
    QVERIFY(isEmptyRecord(image.at<32>(ImageMap::channelAddress(6))));
    QCOMPARE(view->grid()->text(6, ChannelTable::Rx), QString());
    QCOMPARE(ChannelRecord::rxFrequency(image.at<32>(ImageMap::channelAddress(1))), 13400000u);
    QVERIFY(bands.enabled[4] && bands.enabled[7]);
    QCOMPARE(bands.nine[4].upper, 17400000u);
    QCOMPARE(frame->undoAction()->text(), QStringLiteral("Undo Frequency range"));
    // The channel table finds nothing left to store: the step holds all of the change.
    const quint64 steps = document.stepsRecorded();
    frame->storeAllForms();
    QCOMPARE(document.stepsRecorded(), steps);
}

void MainWindowTests::readAndWriteThroughTheMainWindow() {
    RadioBench bench;
    QVERIFY(bench.started);
    config.portName = bench.radio.devicePath();
    frame->openForm("Model"); // the main window's own handlers run while a form is active
    auto start = [this] {
        return ModalResponder::answer<CloneProgressDialog>(
            [](CloneProgressDialog* dialog) { dialog->start(); }, this);
    };
    ModalResponder* reading = start();
    QVERIFY(frame->transfers()->read());
    QVERIFY(reading->answered);
    // The regions no form rewrites came in unchanged (the forms have stored since).
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(image.image().data()) + 0xDD00, 0x2200),
             bench.radio.memory().mid(0xDD00, 0x2200));
    // The radio's data belongs to no file until it is saved.
    QVERIFY(frame->isModified());
    QCOMPARE(frame->documentTitle(), QStringLiteral("M1 *"));
    // The radio's band table now gives the working limits.
    const BandState fromRadio = BandState::fromImage(image);
    for (int b = 0; b < kBandCount; ++b)
        QCOMPARE(bands.nine[std::size_t(b)].lower, fromRadio.nine[std::size_t(b)].lower);

    frame->openForm("Model");
    // The bench's memory is a test pattern, not a radio's data: the write asks first.
    BoxAnswer seen;
    answerBox(QMessageBox::Yes, &seen, this);
    // The one question names what will change; its Write starts the transfer at once.
    ModalResponder* writing = ModalResponder::answer<DifferencesDialog>(
        [](DifferencesDialog* dialog) {
            for (QPushButton* b : dialog->findChildren<QPushButton*>())
                if (b->text() == QStringLiteral("Write"))
                    b->click();
        },
        this);
    QVERIFY(frame->transfers()->write());
    QVERIFY(writing->answered);
    QVERIFY2(seen.text.startsWith("This file does not look like data for this radio ("),
             qPrintable(seen.text));
    QVERIFY(seen.text.endsWith("Write anyway?"));
    QTRY_COMPARE_WITH_TIMEOUT(bench.radio.completedSessions(), 2, 5000);
    QCOMPARE(bench.radio.memory().mid(0x100, 0xF300),
             QByteArray(reinterpret_cast<const char*>(image.image().data()) + 0x100, 0xF300));
}

void MainWindowTests::basicSettingsStoreBeforeAnotherFormLoads() {
    QTreeWidgetItem* basic = frame->tree()->topLevelItem(0)->child(3);
    QTest::mouseClick(frame->tree()->viewport(), Qt::LeftButton, {},
                      frame->tree()->visualItemRect(basic).center());
    QMdiSubWindow* window = frame->formWindow("Basic setting");
    QVERIFY(window);
    byName<QComboBox>(*window, "SQL(Left)")->setCurrentText("Full");
    frame->openForm("Model");
    QCOMPARE(image.byte(0xCC20), 4);
    // F1 asks for the selected tab's context.
    QCOMPARE(qobject_cast<FormFrame*>(window->widget())->helpContext(), 151);
}

// The PDF is offered beside the open file, under its name.
void MainWindowTests::exportPdfStartsBesideTheFile() {
    QDir(dir.path()).mkdir("sub");
    const QString path = dir.filePath("sub/Repeater West.dat");
    QVERIFY(frame->files()->saveToPath(path));
    QString offered;
    auto* naming = declineFileDialog(&offered, this);
    frame->reports()->exportPdf();
    QVERIFY(naming->answered);
    QCOMPARE(QFileInfo(offered).absoluteFilePath(), dir.filePath("sub/Repeater West.pdf"));
}

// After a Read the data belongs to no file: Save asks for a name and the file that was open
// stays as it was.
void MainWindowTests::readThenSaveLeavesTheOpenFileAlone() {
    const QString path = dir.filePath("a.dat");
    QVERIFY(frame->files()->saveToPath(path));
    const QByteArray before = fileBytes(path);
    RadioBench bench;
    QVERIFY(bench.started);
    bench.radio.setMemory(buildFactoryDefault().toFileBytes().mid(MemoryImage::kPcSize));
    config.portName = bench.radio.devicePath();
    frame->openForm("Model");
    auto* reading = ModalResponder::answer<CloneProgressDialog>(
        [](CloneProgressDialog* dialog) { dialog->start(); }, this);
    QVERIFY(frame->transfers()->read());
    QVERIFY(reading->answered);
    QVERIFY(frame->statusBar()->currentMessage().startsWith(
        QStringLiteral("Read 64 KiB from %1; backup kept: ").arg(config.portName)));
    QCOMPARE(frame->documentTitle(), QStringLiteral("M1 *"));
    QCOMPARE(document.path(), QString());

    QString suggested;
    auto* naming = declineFileDialog(&suggested, this);
    QVERIFY(!frame->files()->save());
    QVERIFY(naming->answered);
    QCOMPARE(QFileInfo(suggested).fileName(), QStringLiteral("M1.dat"));
    QCOMPARE(fileBytes(path), before);
    QVERIFY(frame->isModified());
}

// The default data's band limits are the radio's: a frequency in no band becomes the first
// band of the radio, not a band it does not have; the status bar says why.
void MainWindowTests::newChannelsFallBackToTheRadiosBand() {
    ChannelTableView* view = channelView(*frame);
    GridControl* grid = view->grid();
    grid->setCurrentGridCell(5, ChannelTable::Rx);
    grid->setFocus();
    QTRY_VERIFY(grid->hasFocus());
    QTest::keyClick(grid, Qt::Key_5);
    auto* editor = byName<QLineEdit>(*view, "Frequency editor");
    QTRY_VERIFY(editor->hasFocus());
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(grid->text(5, ChannelTable::Rx), QStringLiteral("134.00000"));
    QCOMPARE(frame->statusBar()->currentMessage(),
             QStringLiteral("5 MHz lies in no band of this radio: 134.00000"));
}

// Random bytes of a data file's size ask before they replace the data; No changes nothing.
void MainWindowTests::doubtfulFilesAskBeforeOpening() {
    QByteArray noise(MemoryImage::kFileSize, '\0');
    QRandomGenerator rng(11);
    for (char& c : noise)
        c = char(rng.bounded(256));
    const QString path = dir.filePath("noise.dat");
    writeFile(path, noise);
    const MemoryImage before = image;
    BoxAnswer seen;
    answerBox(QMessageBox::No, &seen, this);
    QVERIFY(!frame->files()->openPath(path));
    QVERIFY2(seen.text.startsWith("This file does not look like data for this radio ("),
             qPrintable(seen.text));
    QVERIFY(seen.text.endsWith("Open anyway?"));
    QVERIFY(image == before);
    QCOMPARE(document.path(), QString());
    answerBox(QMessageBox::Yes, nullptr, this);
    QVERIFY(frame->files()->openPath(path));
    QCOMPARE(document.path(), QFileInfo(path).absoluteFilePath());
    // The program's own files never ask.
    const QString own = dir.filePath("own.dat");
    QVERIFY(saveDataFile(own, buildFactoryDefault()).ok);
    auto* unasked = answerBox(QMessageBox::No, nullptr, this);
    QVERIFY(frame->files()->openPath(own));
    QVERIFY(!unasked->answered);
    delete unasked;
}

void MainWindowTests::windowsStayInsideTheWorkspace() {
    const QRect workspace = frame->mdiArea()->viewport()->rect();
    for (const char* form : {"Basic setting", "Model"}) {
        QMdiSubWindow* w = frame->openForm(form);
        QVERIFY(w);
        QVERIFY2(workspace.contains(w->geometry()), form);
    }
    QVERIFY(frame->formWindow("Model")->pos() != frame->formWindow("Basic setting")->pos());
    // The Window menu lists them, and choosing one activates it.
    Q_EMIT frame->windowMenu()->aboutToShow();
    QStringList listed;
    for (QAction* a : frame->windowMenu()->actions())
        if (a->text().startsWith(u'&'))
            listed << a->text();
    QCOMPARE(listed, (QStringList{"&1 Channel setting", "&2 Basic setting", "&3 Modle"}));
    QCOMPARE(frame->action("&New(&N)")->toolTip(), QStringLiteral("New"));
    // Printing is offered from the toolbar as from the menu.
    auto* tools = frame->findChild<QToolBar*>();
    QVERIFY(tools->widgetForAction(frame->action("&Print..."))->isEnabled());
}

void MainWindowTests::titleMarksAnEditAtOnce() {
    QMdiSubWindow* window = frame->openForm("Basic setting");
    auto* beep = byName<QComboBox>(*window, "Beep");
    QVERIFY(!frame->documentTitle().endsWith(" *"));
    beep->setFocus();
    QTRY_VERIFY(beep->hasFocus());
    // The user's choice, not yet in the image.
    QTest::keyClick(beep, beep->currentIndex() > 0 ? Qt::Key_Up : Qt::Key_Down);
    QVERIFY(frame->documentTitle().endsWith(" *"));
}

// An entry added in the DTMF window is offered as an EMI code when the alarm window is
// activated again: leaving the DTMF window stores it, activating the alarm window reloads.
void MainWindowTests::alarmListFollowsTheDtmfWindow() {
    QMdiSubWindow* alarm = frame->openForm("Alarm");
    auto* emi = byName<QComboBox>(*alarm, "EMI code");
    QCOMPARE(emi->count(), 1); // "None": the factory table is empty
    QMdiSubWindow* dtmf = frame->openForm("DTMF");
    GridControl* codes = byName<GridControl>(*dtmf, "DTMF codes");
    QTest::mouseClick(codes->cellArea(), Qt::LeftButton, {}, codes->cellRect(4, 1).center());
    auto* type = byName<QComboBox>(*dtmf, "Type editor");
    QTRY_VERIFY(type->hasFocus());
    QTest::keyClick(type, Qt::Key_End); // "ANI": 000004 begins with 0, so not offered
    codes->setFocus();
    QTest::mouseClick(codes->cellArea(), Qt::LeftButton, {}, codes->cellRect(4, 2).center());
    auto* num = byName<QLineEdit>(*dtmf, "Num editor");
    QTRY_VERIFY(num->hasFocus());
    QTest::keyClicks(num, "4711");
    codes->setFocus();
    frame->mdiArea()->setActiveSubWindow(alarm);
    QCOMPARE(emi->count(), 2);
    QCOMPARE(emi->itemText(1), QStringLiteral("4"));
}

// The tree's "VFO" opens the modal VFO dialog; the channel table reloads after it.
void MainWindowTests::vfoFromTheTree() {
    QTreeWidgetItem* vfo = frame->tree()->topLevelItem(0)->child(1);
    QCOMPARE(vfo->text(0), QStringLiteral("VFO"));
    QString caption;
    auto* responder = ModalResponder::answer<VfoDialog>(
        [&](VfoDialog* dialog) {
            caption = dialog->windowTitle();
            dialog->close();
        },
        this);
    QTest::mouseClick(frame->tree()->viewport(), Qt::LeftButton, {},
                      frame->tree()->visualItemRect(vfo).center());
    QTRY_VERIFY(responder->answered);
    QCOMPARE(caption, QStringLiteral("VFO"));
    QCOMPARE(frame->mdiArea()->subWindowList().size(), 1); // no window of its own
}

QTEST_MAIN(MainWindowTests)
#include "tst_main_window.moc"

// Print stores the forms first; the header names the file, the footer counts the pages; with
// the channel table active only the channel list is printed.
void MainWindowTests::printingShowsTheDataAsTheFormsHoldIt() {
    QVERIFY(frame->files()->saveToPath(dir.filePath("abc.dat")));
    QMdiSubWindow* basic = frame->openForm("Basic setting");
    byName<QComboBox>(*basic, "Beep")->setCurrentText("Off"); // not stored yet
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("all.pdf"));
    QVERIFY(frame->reports()->printOn(printer));
    const PdfText all(fileBytes(dir.filePath("all.pdf")));
    const QString first = all.text(1);
    QVERIFY2(first.trimmed().startsWith("abc\n"), qPrintable(first));
    const QRegularExpression footer("-- Page 1 of (\\d+) --");
    const int pages = footer.match(first).captured(1).toInt();
    QVERIFY2(pages > 3, qPrintable(first));
    QString text;
    for (int page = 1; page <= pages; ++page)
        text += all.text(page);
    QVERIFY(text.contains(QRegularExpression("Beep: *Off")));

    frame->mdiArea()->setActiveSubWindow(frame->formWindow("Channel setting"));
    QVERIFY((frame->activeChannelTable() != nullptr));
    printer.setOutputFileName(dir.filePath("channels.pdf"));
    QVERIFY(frame->reports()->printOn(printer));
    const QString channels = pdfFileText(dir.filePath("channels.pdf"), 1);
    QVERIFY2(channels.contains("-- Page 1 of 1 --"), qPrintable(channels));
    QVERIFY(channels.contains(QRegularExpression("1 +134\\.00000 +134\\.00000")));
    QVERIFY(!channels.contains("Basic setting"));

    // The PDF export is the whole report, whichever form is active.
    QVERIFY(frame->reports()->exportPdfTo(dir.filePath("report.pdf")));
    QVERIFY(pdfFileText(dir.filePath("report.pdf"), 2).contains("-- Page 2 of"));
    QCOMPARE(frame->statusBar()->currentMessage(),
             "Report written to " + dir.filePath("report.pdf"));
    BoxAnswer refused;
    answerBox(QMessageBox::Ok, &refused, this);
    QVERIFY(!frame->reports()->exportPdfTo(dir.path()));
    QVERIFY2(refused.text.contains("folder"), qPrintable(refused.text));
}

// The preview hides the main window while it is open; choosing it again only raises it;
// closing it brings the main window back with its child windows.
void MainWindowTests::previewStandsInForTheMainWindow() {
    frame->openForm("Alarm");
    const auto windowsBefore = frame->mdiArea()->subWindowList();
    frame->reports()->preview();
    ReportPreview* preview = frame->reports()->previewWindow();
    QVERIFY(preview);
    QCOMPARE(preview->windowTitle(), QStringLiteral("Preview"));
    QVERIFY(preview->isVisible());
    QVERIFY(!frame->isVisible());
    frame->reports()->preview();
    QCOMPARE(frame->reports()->previewWindow(), preview);
    int previews = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        previews += qobject_cast<ReportPreview*>(w) && w->isVisible() ? 1 : 0;
    QCOMPARE(previews, 1);
    QVERIFY(!frame->isVisible());

    preview->close();
    QVERIFY(frame->isVisible());
    QCOMPARE(frame->mdiArea()->subWindowList(), windowsBefore);
    QTRY_VERIFY_WITH_TIMEOUT(!frame->reports()->previewWindow(), 5000); // deleted on close
    frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frame));
}

// The page size and orientation chosen in Print Setup are remembered and reach the printer
// Print offers, the preview and the PDF export.
void MainWindowTests::printSetupIsWhatEveryOutputUses() {
    auto isLetterLandscape = [](const QPageLayout& layout) {
        return layout.pageSize().id() == QPageSize::Letter &&
               layout.orientation() == QPageLayout::Landscape;
    };
    QStringList controls;
    auto* setup = ModalResponder::answer<QDialog>(
        [&controls](QDialog* dialog) {
            auto* sizes = dialog->findChild<QComboBox*>(QStringLiteral("pageSizeCombo"));
            auto* landscape = dialog->findChild<QRadioButton*>(QStringLiteral("landscape"));
            if (!sizes || !landscape) {
                for (QWidget* w : dialog->findChildren<QWidget*>())
                    controls << w->objectName();
                dialog->reject();
                return;
            }
            sizes->setCurrentIndex(sizes->findText(QStringLiteral("Letter"), Qt::MatchStartsWith));
            landscape->click();
            dialog->accept();
        },
        this);
    frame->action("P&rint Setup...")->trigger();
    QVERIFY2(setup->answered && controls.isEmpty(), qPrintable(controls.join(u' ')));
    QVERIFY(isLetterLandscape(savedReportPageLayout()));
    QCOMPARE(frame->statusBar()->currentMessage(),
             QStringLiteral("Pages: Letter / ANSI A, landscape"));

    QPageLayout offered;
    auto* print = ModalResponder::answer<QPrintDialog>(
        [&offered](QPrintDialog* dialog) {
            offered = dialog->printer()->pageLayout();
            dialog->reject();
        },
        this);
    frame->action("&Print...")->trigger();
    QVERIFY(print->answered);
    QVERIFY(isLetterLandscape(offered));

    frame->reports()->preview();
    QVERIFY(isLetterLandscape(frame->reports()->previewWindow()->printer()->pageLayout()));
    frame->reports()->previewWindow()->close();
    QTRY_VERIFY_WITH_TIMEOUT(!frame->reports()->previewWindow(), 5000);

    QVERIFY(frame->reports()->exportPdfTo(dir.filePath("letter.pdf")));
    QCOMPARE(PdfText(fileBytes(dir.filePath("letter.pdf"))).pageSize(),
             QStringLiteral("792 x 612 pts (letter)"));
    frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frame));
}

void MainWindowTests::compareWithListsTheDifferences() {
    QVERIFY(frame->files()->saveToPath(dir.filePath("before.dat")));
    QMdiSubWindow* basic = frame->openForm("Basic setting");
    byName<QComboBox>(*basic, "Beep")->setCurrentText("Off");
    QString shown;
    auto* responder = ModalResponder::answer<DifferencesDialog>(
        [&](DifferencesDialog* dialog) {
            shown = dialog->asText();
            dialog->accept();
        },
        this);
    QVERIFY(frame->reports()->compareWithPath(dir.filePath("before.dat")));
    QVERIFY(responder->answered);
    QCOMPARE(shown, QStringLiteral("Basic setting: Beep: On -> Off\n"));
    QCOMPARE(frame->statusBar()->currentMessage(), QStringLiteral("1 difference from before.dat"));

    // The radio, read without touching the open data.
    RadioBench bench;
    QVERIFY(bench.started);
    bench.radio.setMemory(buildFactoryDefault().toFileBytes().mid(MemoryImage::kPcSize));
    config.portName = bench.radio.devicePath();
    const MemoryImage open = image;
    auto* reading = ModalResponder::answer<CloneProgressDialog>(
        [](CloneProgressDialog* dialog) { dialog->start(); }, this);
    auto* fromRadio = ModalResponder::answer<DifferencesDialog>(
        [&](DifferencesDialog* dialog) {
            shown = dialog->asText();
            dialog->accept();
        },
        this);
    QVERIFY(frame->reports()->compareWithRadio());
    QVERIFY(reading->answered && fromRadio->answered);
    QVERIFY2(shown.startsWith("Basic setting: Beep: On -> Off\n"), qPrintable(shown));
    QVERIFY(image == open);
    frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frame));

    // A file that cannot be read is said so, and nothing is compared.
    BoxAnswer seen;
    answerBox(QMessageBox::Ok, &seen, this);
    QVERIFY(!frame->reports()->compareWithPath(dir.filePath("missing.dat")));
    QVERIFY2(seen.text.contains("missing.dat"), qPrintable(seen.text));
}

namespace {

// Every window a command waits on while it runs: each modal window seen, once, by class; the
// Write list is answered with `button` ("Write" or "Cancel"), its heading kept in `heading`.
// Every modal window is logged when it is shown: a transfer's progress window may come and go
// between two looks of the timer, which only answers the questions.
struct ModalLog : QObject {
    ModalLog(const QString& button, QObject* parent) : QObject(parent), button_(button) {
        qApp->installEventFilter(this);
        connect(&timer_, &QTimer::timeout, this, [this] {
            QWidget* w = QApplication::activeModalWidget();
            if (!w || seen_.contains(w))
                return;
            seen_ << w;
            if (auto* list = qobject_cast<DifferencesDialog*>(w)) {
                if (QLabel* label = list->findChildren<QLabel*>().value(0))
                    heading = label->text();
                listed = list->table()->isVisible() ? list->asText() : QString();
                for (QPushButton* b : list->findChildren<QPushButton*>())
                    if (b->text() == button_)
                        b->click();
            } else if (auto* box = qobject_cast<QMessageBox*>(w)) {
                box->reject();
            }
        });
        timer_.start(10);
    }
    QStringList classes;
    QString heading, listed;

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* w = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show && w && w->isWindow() && w->isModal() &&
            !shown_.contains(w)) {
            shown_ << w;
            classes << QString::fromLatin1(w->metaObject()->className());
        }
        return false;
    }

private:
    QString button_;
    QList<QPointer<QWidget>> seen_, shown_;
    QTimer timer_;
};

} // namespace

// A Write asks one question: a list of what it changes in the radio (or why that is not
// known), whose Write button starts the transfer at once.
void MainWindowTests::writeOffersWhatWillChange() {
    RadioBench bench;
    QVERIFY(bench.started);
    bench.radio.setMemory(buildFactoryDefault().toFileBytes().mid(MemoryImage::kPcSize));
    // A program that has read nothing yet: its own document and window.
    Document fresh;
    MainWindow* own = openMainWindow(fresh, config, dir.path());
    QVERIFY(own->isActiveWindow());
    config.portName = bench.radio.devicePath();
    const auto closeOwn = qScopeGuard([&] { closeWithoutSaving(own, this); });
    own->openForm("Model");
    const QStringList oneQuestion{"DifferencesDialog", "CloneProgressDialog"};

    // Nothing read yet: the question says so; Cancel writes nothing.
    {
        ModalLog log(QStringLiteral("Cancel"), this);
        QVERIFY(!own->transfers()->write());
        QCOMPARE(log.classes, QStringList{"DifferencesDialog"});
        QVERIFY2(log.heading.startsWith("Nothing was read from the radio"),
                 qPrintable(log.heading));
    }
    auto* reading = ModalResponder::answer<CloneProgressDialog>(
        [](CloneProgressDialog* dialog) { dialog->start(); }, this);
    QVERIFY(own->transfers()->read());
    QVERIFY(reading->answered);
    QTRY_COMPARE_WITH_TIMEOUT(bench.radio.completedSessions(), 1, 5000);

    QMdiSubWindow* basic = own->openForm("Basic setting");
    byName<QComboBox>(*basic, "Beep")->setCurrentText("Off");
    {
        ModalLog log(QStringLiteral("Write"), this);
        QVERIFY(own->transfers()->write());
        QCOMPARE(log.classes, oneQuestion);
        QCOMPARE(log.listed, QStringLiteral("Basic setting: Beep: On -> Off\n"));
    }
    QTRY_COMPARE_WITH_TIMEOUT(bench.radio.completedSessions(), 2, 5000); // counted by its thread
    QCOMPARE(own->document().history().undoName(), QStringLiteral("Programming date"));

    // The radio now holds the data: the question says so, and the Write goes on.
    {
        ModalLog log(QStringLiteral("Write"), this);
        QVERIFY(own->transfers()->write());
        QCOMPARE(log.classes, oneQuestion);
        QVERIFY2(log.heading.startsWith("The radio holds this data already"),
                 qPrintable(log.heading));
    }
    QTRY_COMPARE_WITH_TIMEOUT(bench.radio.completedSessions(), 3, 5000);

    // Cancel at the list writes nothing.
    byName<QComboBox>(*basic, "Beep")->setCurrentText("On");
    {
        ModalLog log(QStringLiteral("Cancel"), this);
        QVERIFY(!own->transfers()->write());
        QCOMPARE(log.classes, QStringList{"DifferencesDialog"});
    }
    QCOMPARE(bench.radio.completedSessions(), 3);
}

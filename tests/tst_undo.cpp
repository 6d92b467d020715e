#include "AppConfig.h"
#include "CellTyping.h"
#include "ChannelRecord.h"
#include "ChannelTableView.h"
#include "CloneProgressDialog.h"
#include "CommandRegistry.h"
#include "DataFile.h"
#include "Document.h"
#include "FactoryDefault.h"
#include "FileCommands.h"
#include "FormFrame.h"
#include "FrequencyRangeDialog.h"
#include "GridControl.h"
#include "HistoryCommands.h"
#include "ImageMap.h"
#include "MainWindow.h"
#include "MainWindowFixture.h"
#include "ModalResponder.h"
#include "RadioBench.h"
#include "SampleData.h"
#include "TransferCommands.h"
#include "WidgetLookup.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

namespace {

using T = ChannelTable;

QByteArray recordBytes(const MemoryImage& image, int channel) {
    const auto r = image.at<32>(ImageMap::channelAddress(channel));
    return QByteArray(reinterpret_cast<const char*>(r.data()), 32);
}

} // namespace

class UndoTests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void everyKindOfEditUndoesByteForByte();
    void modifiedStateFollowsTheHistory();
    void ctrlZInALineEditUndoesItsText();
    void rowsThroughTheClipboard();
    void insertAndDeleteRowsByKeys();
    void everyOpenFormReloadsWithoutEndingRedo();
    void undoTakesBackTheStepItNames();

private:
    // Types `text` into a cell of the channel table and ends the edit with Enter.
    void typeCell(int row, int column, const QString& text);
    void clickRowLabel(int row, Qt::KeyboardModifiers modifiers = {});

    QTemporaryDir dir;
    Document document;
    MemoryImage& image = document.image();
    AppConfig config;
    MainWindow* frame = nullptr;
    ChannelTableView* view = nullptr;
    GridControl* grid = nullptr;
};

void UndoTests::initTestCase() {
    QVERIFY(prepareProgramFolder(dir, "DuobandUndoTest"));
}

void UndoTests::init() {
    frame = openMainWindow(document, config, dir.path());
    QVERIFY(frame->isActiveWindow());
    view = channelView(*frame);
    grid = view->grid();
}

void UndoTests::cleanup() {
    closeWithoutSaving(frame, this);
}

void UndoTests::typeCell(int row, int column, const QString& text) {
    grid->setCurrentGridCell(row, column);
    grid->setFocus();
    QTRY_VERIFY(grid->hasFocus());
    QTest::keyClick(grid, Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
}

void UndoTests::clickRowLabel(int row, Qt::KeyboardModifiers modifiers) {
    ::clickRowLabel(grid, row, modifiers);
}

// A cell edit, a form store, an import and a read, each undone and redone to the exact bytes.
void UndoTests::everyKindOfEditUndoesByteForByte() {
    std::vector<MemoryImage> states{image};
    typeCell(12, T::Rx, "145.5");
    QCOMPARE(frame->undoAction()->text(), QStringLiteral("Undo Edit channel 12"));
    states.push_back(image);

    QMdiSubWindow* basic = frame->openForm("Basic setting");
    auto* sql = byName<QComboBox>(*basic, "SQL(Left)");
    const QString sqlBefore = sql->currentText();
    sql->setCurrentText(sqlBefore == "Full" ? "Off" : "Full");
    frame->openForm("Channel setting"); // leaving the form stores it
    QCOMPARE(frame->undoAction()->text(), QStringLiteral("Undo Basic setting"));
    states.push_back(image);

    const QString csv = dir.filePath("list.csv");
    QFile file(csv);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("CH,Rx Freq,Name\n30,146.00000,IMP\n31,146.50000,PORT\n");
    file.close();
    QCOMPARE(view->importChannelsFrom(csv), QString());
    QCOMPARE(frame->undoAction()->text(), QStringLiteral("Undo Import channels"));
    states.push_back(image);

    RadioBench bench;
    QVERIFY(bench.started);
    config.portName = bench.radio.devicePath();
    answerBox(QMessageBox::Discard, nullptr, this); // the edits stay in the history
    auto* reading = ModalResponder::answer<CloneProgressDialog>(
        [](CloneProgressDialog* dialog) { dialog->start(); }, this);
    QVERIFY(frame->transfers()->read());
    QVERIFY(reading->answered);
    QCOMPARE(frame->undoAction()->text(), QStringLiteral("Undo Read from radio"));
    states.push_back(image);
    QVERIFY(!(states[4] == states[3]));

    for (int i = int(states.size()) - 2; i >= 0; --i) {
        frame->undoAction()->trigger();
        QVERIFY2(image == states[std::size_t(i)], qPrintable(QString::number(i)));
    }
    QVERIFY(!frame->undoAction()->isEnabled());
    // Every open form shows the data as it is again.
    QCOMPARE(grid->text(12, T::Rx), QString());
    QCOMPARE(sql->currentText(), sqlBefore);
    for (std::size_t i = 1; i < states.size(); ++i) {
        frame->redoAction()->trigger();
        QVERIFY2(image == states[i], qPrintable(QString::number(i)));
    }
    QVERIFY(!frame->redoAction()->isEnabled());
    QVERIFY(grid->text(30, T::Name) != QStringLiteral("IMP")); // the read replaced the import
}

void UndoTests::modifiedStateFollowsTheHistory() {
    const QString path = dir.filePath("clean.dat");
    QVERIFY(frame->files()->saveToPath(path));
    QVERIFY(!frame->documentTitle().endsWith(" *"));
    const int steps = document.history().count();
    // Stores that change nothing are no steps.
    frame->storeAllForms();
    frame->openForm("Basic setting");
    frame->openForm("Channel setting");
    typeCell(1, T::Rx, grid->text(1, T::Rx));
    QCOMPARE(document.history().count(), steps);
    QVERIFY(!frame->documentTitle().endsWith(" *"));

    typeCell(5, T::Rx, "146");
    QVERIFY(frame->documentTitle().endsWith(" *"));
    frame->history()->undo();
    QVERIFY(!frame->isModified());
    QVERIFY(!frame->documentTitle().endsWith(" *"));
    frame->history()->redo();
    QVERIFY(frame->documentTitle().endsWith(" *"));
    QVERIFY(frame->files()->save());
    QVERIFY(!frame->documentTitle().endsWith(" *"));
    frame->history()->undo(); // before what was saved
    QVERIFY(frame->isModified());
    // An edit after the undo cannot reach the saved state again by redoing.
    typeCell(6, T::Rx, "147");
    QVERIFY(!frame->redoAction()->isEnabled());
    QVERIFY(frame->isModified());
}

void UndoTests::ctrlZInALineEditUndoesItsText() {
    typeCell(1, T::Name, "XY");
    const int steps = document.history().count();
    grid->setCurrentGridCell(1, T::Name);
    QTest::keyClick(grid, Qt::Key_F2);
    auto* editor = byName<QLineEdit>(*view, "Name editor");
    QTRY_VERIFY(editor->hasFocus());
    QTest::keyClick(editor, Qt::Key_End);
    QTest::keyClicks(editor, "Z");
    QCOMPARE(editor->text(), QStringLiteral("XYZ"));
    QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(editor->text(), QStringLiteral("XY")); // the text's own undo
    QVERIFY(editor->isVisible());
    QCOMPARE(document.history().count(), steps);
    QTest::keyClick(editor, Qt::Key_Escape);
    QTRY_VERIFY(grid->hasFocus());
    // On the grid, Ctrl+Z takes back the document's last step.
    QTest::keyClick(grid, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(grid->text(1, T::Name), QString());
    QCOMPARE(ChannelRecord::name(image.at<32>(ImageMap::channelAddress(1))), QString());
}

void UndoTests::rowsThroughTheClipboard() {
    typeCell(5, T::Rx, "145.1");
    typeCell(6, T::Rx, "145.2");
    typeCell(6, T::Name, "SIX");
    typeCell(7, T::Rx, "145.3");
    // Something no column shows travels with a copy inside the program.
    ChannelRecord::setCode(image.at<32>(ImageMap::channelAddress(6)), ChannelField::Am, 1);
    document.record("AM");
    clickRowLabel(5);
    clickRowLabel(7, Qt::ShiftModifier);
    QCOMPARE(view->selectedRows(), (std::vector<int>{5, 6, 7}));
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    QVERIFY(copied);
    QVERIFY(copied->text().startsWith("CH\tRx Freq\tTx Freq\t"));
    QVERIFY(copied->text().contains("\r\n6\t145.20000\t145.20000\t"));
    QVERIFY(copied->data("text/csv").startsWith("CH,Rx Freq,"));

    const MemoryImage before = image;
    clickRowLabel(20);
    QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(recordBytes(image, 20 + i), recordBytes(image, 5 + i));
        for (int c = T::Rx; c < T::kColumns; ++c)
            QCOMPARE(grid->text(20 + i, c), grid->text(5 + i, c));
    }
    QCOMPARE(view->selectedRows(), (std::vector<int>{20, 21, 22}));
    QCOMPARE(frame->undoAction()->text(), QStringLiteral("Undo Paste 3 channels"));
    QCOMPARE(frame->statusBar()->currentMessage(), QStringLiteral("Pasted 3 channels at 20"));
    frame->history()->undo();
    QVERIFY(image == before);
    QCOMPARE(grid->text(21, T::Name), QString());

    // A spreadsheet's cells, without a header, land at the current row.
    auto* sheet = new QMimeData;
    sheet->setText("146.52\t146.52\tOff\t100.0\t023\tPositive\tLow\tAllow\tWide\tOff\tSHEET\n");
    QGuiApplication::clipboard()->setMimeData(sheet);
    clickRowLabel(40);
    QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(grid->text(40, T::Rx), QStringLiteral("146.52000"));
    QCOMPARE(grid->text(40, T::Power), QStringLiteral("Low"));
    QCOMPARE(grid->text(40, T::Name), QStringLiteral("SHEET"));

    // Cut empties the rows it copied; Delete empties without copying; channel 1 stays.
    clickRowLabel(5);
    clickRowLabel(6, Qt::ShiftModifier);
    QTest::keyClick(grid, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(grid->text(5, T::Rx), QString());
    QCOMPARE(grid->text(6, T::Rx), QString());
    QVERIFY(QGuiApplication::clipboard()->text().contains("SIX"));
    clickRowLabel(1);
    clickRowLabel(7, Qt::ShiftModifier);
    QTest::keyClick(grid, Qt::Key_Delete);
    QVERIFY(!grid->text(1, T::Rx).isEmpty());
    QCOMPARE(grid->text(7, T::Rx), QString());
}

void UndoTests::insertAndDeleteRowsByKeys() {
    BandState bands;
    image = fullChannelImage(bands);
    document.bands() = bands;
    frame->reloadAllForms();
    document.startHistory();
    const MemoryImage full = image;
    // Channel 800 is in use: nothing can be pushed past it.
    clickRowLabel(10);
    BoxAnswer seen;
    auto* refusal = answerBox(QMessageBox::Ok, &seen, this);
    QTest::keyClick(grid, Qt::Key_Plus, Qt::ControlModifier);
    QTRY_VERIFY(refusal->answered);
    QVERIFY2(seen.text.startsWith("Channel 800 is in use"), qPrintable(seen.text));
    QVERIFY(image == full);
    frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frame));
    grid->setFocus();
    QTRY_VERIFY(grid->hasFocus());

    QTest::keyClick(grid, Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(recordBytes(image, 10), recordBytes(full, 11));
    QCOMPARE(recordBytes(image, 799), recordBytes(full, 800));
    QCOMPARE(grid->text(800, T::Rx), QString());
    QCOMPARE(grid->text(10, T::Name), QStringLiteral("CH11"));

    // Ctrl+= inserts as Ctrl++ does: no Shift needed.
    QTest::keyClick(grid, Qt::Key_Equal, Qt::ControlModifier);
    QCOMPARE(grid->text(10, T::Rx), QString());
    for (int n : {9, 11, 500, 800})
        QCOMPARE(recordBytes(image, n), recordBytes(full, n));

    // Moving down and back leaves the table as it was.
    clickRowLabel(11);
    clickRowLabel(12, Qt::ShiftModifier);
    QTest::keyClick(grid, Qt::Key_Down, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(grid->text(12, T::Name), QStringLiteral("CH11"));
    QCOMPARE(grid->text(11, T::Name), QStringLiteral("CH13"));
    QTest::keyClick(grid, Qt::Key_Up, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(grid->text(11, T::Name), QStringLiteral("CH11"));

    for (int i = 0; i < 4; ++i)
        frame->history()->undo();
    QVERIFY(image == full);
    QVERIFY(!frame->undoAction()->isEnabled());
}

// A form that wrote into the image as it loads would make a new step after every undo and end
// what could be redone.
void UndoTests::everyOpenFormReloadsWithoutEndingRedo() {
    for (const char* form : {"Scan channel", "Basic setting", "DTMF", "2Tone", "5Tone", "Alarm",
                             "Model", "Channel setting"})
        QVERIFY(frame->openForm(form));
    const MemoryImage before = image;
    typeCell(3, T::Rx, "146.2");
    const MemoryImage after = image;
    for (int round = 0; round < 3; ++round) {
        frame->history()->undo();
        QVERIFY(image == before);
        QVERIFY(frame->redoAction()->isEnabled());
        frame->history()->redo();
        QVERIFY(image == after);
    }
    frame->storeAllForms(); // storing every form again changes nothing
    QVERIFY(image == after);
    QCOMPARE(frame->undoAction()->text(), QStringLiteral("Undo Edit channel 3"));
}

// Undo and Redo record no step of their own, also after Frequency range was looked at; an edit
// still in a form becomes the step Undo takes back.
void UndoTests::undoTakesBackTheStepItNames() {
    auto* look = ModalResponder::answer<FrequencyRangeDialog>(
        [](FrequencyRangeDialog* dialog) { dialog->close(); }, this);
    frame->runCommand(*findCommand("Frequency range"));
    QVERIFY(look->answered);
    QVERIFY(!frame->undoAction()->isEnabled());
    frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frame));
    const MemoryImage start = image;
    typeCell(12, T::Rx, "145.5");
    const MemoryImage edited = image;
    typeCell(13, T::Rx, "146.5");
    const MemoryImage twice = image;
    const quint64 steps = document.stepsRecorded();
    auto status = [this] { return frame->statusBar()->currentMessage(); };

    QTest::keyClick(grid, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(status(), QStringLiteral("Undone: Edit channel 13"));
    QVERIFY(image == edited);
    QCOMPARE(frame->undoAction()->text(), QStringLiteral("Undo Edit channel 12"));
    frame->history()->undo();
    QCOMPARE(status(), QStringLiteral("Undone: Edit channel 12"));
    QVERIFY(image == start);
    QVERIFY(!frame->undoAction()->isEnabled());
    frame->history()->redo();
    frame->history()->redo();
    QCOMPARE(status(), QStringLiteral("Redone: Edit channel 13"));
    QVERIFY(image == twice);
    QCOMPARE(document.stepsRecorded(), steps);

    // A value chosen in a form and not stored yet is what Undo names and takes back.
    QMdiSubWindow* dtmf = frame->openForm("DTMF");
    auto* sideTone = byName<QCheckBox>(*dtmf, "Side tone");
    QVERIFY(sideTone);
    QTest::mouseClick(sideTone, Qt::LeftButton);
    QCOMPARE(frame->undoAction()->text(), QStringLiteral("Undo DTMF"));
    QVERIFY(frame->documentTitle().endsWith(" *"));
    frame->history()->undo();
    QCOMPARE(status(), QStringLiteral("Undone: DTMF"));
    QCOMPARE(document.stepsRecorded(), steps + 1); // the edit, stored as its own step
    QVERIFY(image == twice);
    QVERIFY(!sideTone->isChecked());
    QCOMPARE(frame->redoAction()->text(), QStringLiteral("Redo DTMF"));
    frame->history()->redo();
    QVERIFY(!(image == twice));
    QCOMPARE(document.stepsRecorded(), steps + 1);
}

QTEST_MAIN(UndoTests)
#include "tst_undo.moc"

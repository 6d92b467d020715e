// Sort, close gaps, find and one value for many rows through the real channel table of the
// main window: keys, dialogs, the find bar and undo, byte for byte.
#include "AppConfig.h"
#include "BandTable.h"
#include "Bcd.h"
#include "CellTyping.h"
#include "ChannelFindBar.h"
#include "ChannelRows.h"
#include "ChannelSortDialog.h"
#include "ChannelTableView.h"
#include "DataFile.h"
#include "Document.h"
#include "FileCommands.h"
#include "FormFrame.h"
#include "GridControl.h"
#include "ImageMap.h"
#include "MainWindow.h"
#include "MainWindowFixture.h"
#include "ModalResponder.h"
#include "WidgetLookup.h"

#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

using T = ChannelTable;

// 300 channels out of order (channel 1 the highest), priority channel 7; the 108 MHz band in
// the radio as well.
MemoryImage threeHundredChannels() {
    MemoryImage image = buildFactoryDefault();
    Bcd::write32(image.at<4>(ImageMap::kBandLimitRecords.at(3)), kAbsoluteBands[3].lower);
    Bcd::write32(image.at<4>(ImageMap::kBandLimitRecords.at(3) + 4), kAbsoluteBands[3].upper);
    BandState bands = BandState::fromImage(image);
    ChannelTable table(image, bands);
    table.fill();
    for (int n = 1; n <= 300; ++n) {
        const int k = (n * 97) % 300;
        const double mhz = n == 1 ? 479.0 : (k < 150 ? 144.0 + k * 0.0125 : 430.0 + k * 0.025);
        table.commit(n, T::Rx, QString::number(mhz, 'f', 5));
        table.commit(n, T::Name, QStringLiteral("C%1").arg(n));
    }
    table.commit(150, T::Name, QStringLiteral("HOME"));
    table.commit(250, T::Name, QStringLiteral("HOMER"));
    table.store();
    image.setWord(ImageMap::kLeftPriorityChannel, 7);
    return image;
}

} // namespace

class ChannelOrganizeTests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void sortThroughTheDialogAndUndo();
    void closeGapsAfterADeleteByKeys();
    void findBarFindsNamesAndFrequencies();
    void ctrlEnterSetsAValueForFortyRows();
    void setForChosenRowsFromTheContextMenu();

private:
    void pressInTable(int key, Qt::KeyboardModifiers modifiers = {});
    QString status() const { return frame->statusBar()->currentMessage(); }

    QTemporaryDir dir;
    Document document;
    MemoryImage& image = document.image();
    AppConfig config;
    MainWindow* frame = nullptr;
    ChannelTableView* view = nullptr;
    GridControl* grid = nullptr;
    MemoryImage opened;
};

void ChannelOrganizeTests::initTestCase() {
    QVERIFY(prepareProgramFolder(dir, "DuobandOrganizeTest"));
    QVERIFY(saveDataFile(dir.filePath("three.dat"), threeHundredChannels()).ok);
}

void ChannelOrganizeTests::init() {
    frame = openMainWindow(document, config, dir.path());
    QVERIFY(frame->isActiveWindow());
    QVERIFY(frame->files()->openPath(dir.filePath("three.dat")));
    view = channelView(*frame);
    QVERIFY(view);
    grid = view->grid();
    opened = image;
    grid->setFocus();
    QTRY_VERIFY(grid->hasFocus());
}

void ChannelOrganizeTests::cleanup() {
    closeWithoutSaving(frame, this);
}

void ChannelOrganizeTests::pressInTable(int key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
}

void ChannelOrganizeTests::sortThroughTheDialogAndUndo() {
    const int priorityBefore = image.word(ImageMap::kLeftPriorityChannel);
    const auto priorityRecord =
        QByteArray(reinterpret_cast<const char*>(
                       image.at<32>(ImageMap::channelAddress(priorityBefore)).data()),
                   32);
    // Looking is not editing: the dialog cancelled changes nothing.
    auto* cancel = ModalResponder::answer<ChannelSortDialog>(
        [](ChannelSortDialog* dialog) {
            QTest::mouseClick(byName<QPushButton>(*dialog, "Cancel"), Qt::LeftButton);
        },
        this);
    pressInTable(Qt::Key_S, Qt::ControlModifier | Qt::AltModifier);
    QTRY_VERIFY(cancel->answered);
    QVERIFY(image == opened);
    QCOMPARE(frame->undoAction()->text(), QStringLiteral("Undo"));
    QVERIFY(!document.isModified());
    frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frame));
    grid->setFocus();
    QTRY_VERIFY(grid->hasFocus());

    bool chosenRowsOffered = true;
    auto* answer = ModalResponder::answer<ChannelSortDialog>(
        [&](ChannelSortDialog* dialog) {
            chosenRowsOffered = byName<QWidget>(*dialog, "Chosen rows (0)")->isEnabled();
            auto* by = byName<QComboBox>(*dialog, "Sort by");
            by->setFocus();
            by->setCurrentIndex(by->findText("Rx Freq"));
            auto* then = byName<QComboBox>(*dialog, "Then by");
            then->setCurrentIndex(then->findText("Name"));
            QTest::mouseClick(byName<QPushButton>(*dialog, "Sort"), Qt::LeftButton);
        },
        this);
    pressInTable(Qt::Key_S, Qt::ControlModifier | Qt::AltModifier);
    QTRY_VERIFY(answer->answered);
    QVERIFY(!chosenRowsOffered); // one row chosen: all channels
    double previous = 0;
    for (int n = 1; n <= 300; ++n) {
        const double mhz = grid->text(n, T::Rx).toDouble();
        QVERIFY2(mhz >= previous, qPrintable(QString::number(n)));
        previous = mhz;
    }
    QCOMPARE(grid->text(300, T::Rx), QStringLiteral("479.00000")); // channel 1 went last
    QVERIFY(grid->text(301, T::Rx).isEmpty());
    const int priority = image.word(ImageMap::kLeftPriorityChannel);
    QVERIFY(priority != priorityBefore);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(
                            image.at<32>(ImageMap::channelAddress(priority)).data()),
                        32),
             priorityRecord);
    QCOMPARE(frame->undoAction()->text(), QStringLiteral("Undo Sort channels"));
    QVERIFY(status().startsWith("Sorted by Rx Freq, Name:"));
    const MemoryImage sorted = image;
    frame->undoAction()->trigger();
    QVERIFY(image == opened);
    QCOMPARE(grid->text(1, T::Rx), QStringLiteral("479.00000"));
    frame->redoAction()->trigger();
    QVERIFY(image == sorted);
}

void ChannelOrganizeTests::closeGapsAfterADeleteByKeys() {
    clickRowLabel(grid, 2);
    clickRowLabel(grid, 4, Qt::ShiftModifier);
    pressInTable(Qt::Key_Delete);
    QVERIFY(grid->text(3, T::Rx).isEmpty());
    const QString fifth = grid->text(5, T::Name);
    pressInTable(Qt::Key_G, Qt::ControlModifier | Qt::AltModifier); // rows 2-4 still chosen
    QCOMPARE(grid->text(5, T::Name), fifth);                        // only within 2-4
    clickRowLabel(grid, 1);
    pressInTable(Qt::Key_G, Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(grid->text(2, T::Name), fifth);
    QVERIFY(grid->text(298, T::Rx).isEmpty());
    QVERIFY(!grid->text(297, T::Rx).isEmpty());
    QCOMPARE(frame->undoAction()->text(), QStringLiteral("Undo Close gaps"));
    QCOMPARE(status(), QStringLiteral("Closed gaps: 296 channels moved up"));
    const MemoryImage closed = image;
    frame->undoAction()->trigger();
    QCOMPARE(grid->text(5, T::Name), fifth);
    frame->redoAction()->trigger();
    QVERIFY(image == closed);
    // Nothing left to close: no step.
    pressInTable(Qt::Key_G, Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(status(), QStringLiteral("There are no gaps to close"));
    QCOMPARE(frame->undoAction()->text(), QStringLiteral("Undo Close gaps"));
}

void ChannelOrganizeTests::findBarFindsNamesAndFrequencies() {
    ChannelFindBar* bar = view->findBar();
    QVERIFY(!bar->isVisible());
    pressInTable(Qt::Key_F, Qt::ControlModifier);
    QTRY_VERIFY(bar->field()->hasFocus());
    QTest::keyClicks(bar->field(), "home");
    QTest::keyClick(bar->field(), Qt::Key_Return);
    QCOMPARE(grid->currentGridCell().row, 150);
    QCOMPARE(grid->currentGridCell().column, int(T::Name));
    QTest::keyClick(bar->field(), Qt::Key_F3);
    QCOMPARE(grid->currentGridCell().row, 250);
    QTest::keyClick(bar->field(), Qt::Key_F3);
    QCOMPARE(grid->currentGridCell().row, 150); // round again
    QCOMPARE(bar->outcome(), QStringLiteral("channel 150, from the top again"));
    QTest::keyClick(bar->field(), Qt::Key_F3, Qt::ShiftModifier);
    QCOMPARE(grid->currentGridCell().row, 250);

    // A frequency as typed finds the channel that holds it.
    const QString wanted = grid->text(77, T::Rx);
    bar->field()->selectAll();
    QTest::keyClicks(bar->field(), QString::number(wanted.toDouble()));
    QTest::keyClick(bar->field(), Qt::Key_Return);
    QCOMPARE(grid->currentGridCell().row, 77);
    QCOMPARE(grid->currentGridCell().column, int(T::Rx));

    bar->field()->selectAll();
    QTest::keyClicks(bar->field(), "nowhere");
    QTest::keyClick(bar->field(), Qt::Key_Return);
    QCOMPARE(bar->outcome(), QStringLiteral("not found"));
    QCOMPARE(grid->currentGridCell().row, 77);
    QVERIFY(QApplication::activeModalWidget() == nullptr); // never a message box
    QTest::keyClick(bar->field(), Qt::Key_Escape);
    QVERIFY(!bar->isVisible());
    QTRY_VERIFY(grid->hasFocus());
    QVERIFY(image == opened); // finding changes nothing
    QCOMPARE(frame->undoAction()->text(), QStringLiteral("Undo"));
}

void ChannelOrganizeTests::ctrlEnterSetsAValueForFortyRows() {
    // Tx 120 MHz lies in the 108 MHz band: every chosen channel takes it but channel 1, which
    // keeps a main band.
    QStringList before;
    for (int n = 1; n <= 41; ++n)
        before << grid->text(n, T::Tx);
    grid->setCurrentGridCell(1, T::Tx);
    clickRowLabel(grid, 1);
    clickRowLabel(grid, 40, Qt::ShiftModifier);
    QCOMPARE(grid->selectedGridRows().size(), std::size_t(40));
    QCOMPARE(grid->currentGridCell().column, int(T::Tx)); // the column the user was in
    pressInTable(Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor);
    QCOMPARE(grid->selectedGridRows().size(), std::size_t(40)); // the edit keeps the choice
    editor->selectAll();
    QTest::keyClicks(editor, "120");
    QTest::keyClick(editor, Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(grid->text(1, T::Tx), before[0]);
    for (int n = 2; n <= 40; ++n)
        QCOMPARE(grid->text(n, T::Tx), QStringLiteral("120.00000"));
    QCOMPARE(grid->text(41, T::Tx), before[40]);
    QCOMPARE(frame->undoAction()->text(), QStringLiteral("Undo Set Tx Freq for 39 channels"));
    QVERIFY2(status().startsWith("Set Tx Freq for 39 channels; channel 1 kept its Tx Freq"),
             qPrintable(status()));
    frame->undoAction()->trigger();
    QVERIFY(image == opened);
    frame->redoAction()->trigger();
    QCOMPARE(grid->text(2, T::Tx), QStringLiteral("120.00000"));
}

void ChannelOrganizeTests::setForChosenRowsFromTheContextMenu() {
    // Rows 296-305 chosen; 301-305 are empty and stay so.
    clickRowLabel(grid, 296);
    clickRowLabel(grid, 305, Qt::ShiftModifier);
    QAction* chosen = nullptr;
    QTimer::singleShot(0, this, [&chosen] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction* set : menu->actions())
            if (set->text() == "Set for chosen rows")
                for (QAction* column : set->menu()->actions())
                    if (column->text() == "Power")
                        for (QAction* entry : column->menu()->actions())
                            if (entry->text() == "Middle 2")
                                chosen = entry;
        menu->close();
        if (chosen)
            chosen->trigger();
    });
    QWidget* labels = grid->rowLabelArea();
    const QPoint at = grid->rowLabelRect(300).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, labels->mapToGlobal(at));
    QApplication::sendEvent(labels, &event);
    QVERIFY(chosen);
    for (int n = 296; n <= 300; ++n)
        QCOMPARE(grid->text(n, T::Power), QStringLiteral("Middle 2"));
    for (int n = 301; n <= 305; ++n)
        QVERIFY(grid->text(n, T::Rx).isEmpty());
    QCOMPARE(frame->undoAction()->text(), QStringLiteral("Undo Set Power for 5 channels"));
}

QTEST_MAIN(ChannelOrganizeTests)
#include "tst_channel_organize.moc"

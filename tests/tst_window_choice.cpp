// The window the user chooses is the one on top: keys and clicks go where the user looks.
// Only a click inside the maximized channel window leaves the forms opened over it in place.
#include "ChannelRecord.h"
#include "DataFile.h"
#include "FileCommands.h"
#include "FormFrame.h"
#include "GridControl.h"
#include "ImageMap.h"
#include "MainWindow.h"
#include "MainWindowFixture.h"
#include "WidgetLookup.h"

#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace {

GridControl* channelGrid(MainWindow& frame) {
    return byName<GridControl>(*frame.formWindow("Channel setting"), "Channels");
}

QMdiSubWindow* topWindow(MainWindow& frame) {
    return frame.mdiArea()->subWindowList(QMdiArea::StackingOrder).last();
}

// Clicks the tree item of `form` with the mouse.
void clickTreeItem(MainWindow& frame, const QString& form) {
    QTreeWidget* tree = frame.tree();
    const QList<QTreeWidgetItem*> items =
        tree->findItems(form, Qt::MatchExactly | Qt::MatchRecursive);
    QVERIFY(!items.isEmpty());
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                      tree->visualItemRect(items.first()).center());
}

// Clicks the main window where the grid's cell appears: the click lands in whatever window is
// on top at that point, as a user's click does. Returns the widget that got it.
QWidget* clickWhereCellShows(MainWindow& frame, GridControl* grid, int row, int column) {
    const QPoint global = grid->cellArea()->mapToGlobal(grid->cellRect(row, column).center());
    QWidget* hit = frame.childAt(frame.mapFromGlobal(global));
    if (hit)
        QTest::mouseClick(hit, Qt::LeftButton, {}, hit->mapFromGlobal(global));
    return hit;
}

// A cell of the channel grid that no other window covers, or (0, 0) when none does.
GridControl::Cell uncoveredCell(MainWindow& frame, GridControl* grid) {
    for (int row = 20; row >= 1; --row)
        for (int column = 11; column >= 1; --column) {
            const QPoint global =
                grid->cellArea()->mapToGlobal(grid->cellRect(row, column).center());
            QWidget* hit = frame.childAt(frame.mapFromGlobal(global));
            if (hit && (hit == grid->cellArea() || grid->cellArea()->isAncestorOf(hit)))
                return {row, column};
        }
    return {};
}

} // namespace

class WindowChoiceTests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void theTreeBringsTheTableUpAndItsCellsTakeTheTyping();
    void aClickInsideTheTableLeavesTheFormsOverIt();
    void menusAndCtrlTabBringTheirWindowUp();
    void closingAFormActivatesTheOneBeneath();

private:
    // Basic setting and Model opened over the maximized channel window.
    void openFormsOverTheTable();

    QTemporaryDir dir;
    Document document;
    AppConfig config;
    MainWindow* frame = nullptr;
};

void WindowChoiceTests::initTestCase() {
    QVERIFY(prepareProgramFolder(dir, "DuobandWindowChoiceTest"));
}

void WindowChoiceTests::init() {
    frame = openMainWindow(document, config, dir.path());
    QVERIFY(frame->isActiveWindow());
    openFormsOverTheTable();
}

void WindowChoiceTests::cleanup() {
    closeWithoutSaving(frame, this);
}

void WindowChoiceTests::openFormsOverTheTable() {
    QVERIFY(frame->formWindow("Channel setting")->isMaximized());
    QVERIFY(frame->openForm("Basic setting"));
    QVERIFY(frame->openForm("Model"));
    QCOMPARE(topWindow(*frame), frame->formWindow("Model"));
}

void WindowChoiceTests::theTreeBringsTheTableUpAndItsCellsTakeTheTyping() {
    QMdiSubWindow* channels = frame->formWindow("Channel setting");
    clickTreeItem(*frame, "Channel setting");
    QCOMPARE(frame->mdiArea()->activeSubWindow(), channels);
    QCOMPARE(topWindow(*frame), channels);

    // A click where row 2's Rx cell shows opens the table's editor there, and the frequency
    // typed into it becomes channel 2 in the saved file.
    GridControl* grid = channelGrid(*frame);
    QWidget* hit = clickWhereCellShows(*frame, grid, 2, 1);
    QVERIFY(hit && (hit == grid->cellArea() || grid->isAncestorOf(hit)));
    QTRY_VERIFY(qobject_cast<QLineEdit*>(QApplication::focusWidget()));
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(grid->isAncestorOf(editor));
    QTest::keyClicks(editor, "145.5");
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(grid->text(2, 1), QStringLiteral("145.50000"));
    const QString path = dir.filePath("typed.dat");
    QVERIFY(frame->files()->saveToPath(path));
    MemoryImage saved;
    QVERIFY(loadDataFile(path, saved).ok);
    QCOMPARE(ChannelRecord::rxFrequency(saved.at<32>(ImageMap::channelAddress(2))), 14550000u);
}

void WindowChoiceTests::aClickInsideTheTableLeavesTheFormsOverIt() {
    QMdiSubWindow* channels = frame->formWindow("Channel setting");
    GridControl* grid = channelGrid(*frame);
    const GridControl::Cell free = uncoveredCell(*frame, grid);
    QVERIFY2(free.row > 0, "every cell is covered by a form");
    QWidget* hit = clickWhereCellShows(*frame, grid, free.row, free.column);
    QVERIFY(hit);
    QTRY_COMPARE(frame->mdiArea()->activeSubWindow(), channels);
    // The forms opened over the table are still over it.
    const QList<QMdiSubWindow*> stacking = frame->mdiArea()->subWindowList(QMdiArea::StackingOrder);
    QCOMPARE(stacking.first(), channels);
    QCOMPARE(topWindow(*frame), frame->formWindow("Model"));

    // Chosen from the tree again, the table comes up even though it is the active window.
    clickTreeItem(*frame, "Channel setting");
    QCOMPARE(topWindow(*frame), channels);
    // And a form chosen from the tree comes up over it.
    clickTreeItem(*frame, "Basic setting");
    QCOMPARE(topWindow(*frame), frame->formWindow("Basic setting"));
    QCOMPARE(frame->mdiArea()->activeSubWindow(), frame->formWindow("Basic setting"));
}

void WindowChoiceTests::menusAndCtrlTabBringTheirWindowUp() {
    QMdiSubWindow* channels = frame->formWindow("Channel setting");
    // Window menu.
    Q_EMIT frame->windowMenu()->aboutToShow();
    QAction* item = nullptr;
    for (QAction* a : frame->windowMenu()->actions())
        if (a->text() == QLatin1String("&1 Channel setting"))
            item = a;
    QVERIFY(item);
    item->trigger();
    QCOMPARE(frame->mdiArea()->activeSubWindow(), channels);
    QCOMPARE(topWindow(*frame), channels);

    // Edit menu: a form entry brings its window up over the table.
    QAction* model = nullptr;
    for (QAction* a : frame->editMenu()->actions())
        if (a->text() == QLatin1String("Model"))
            model = a;
    QVERIFY(model);
    model->trigger();
    QCOMPARE(topWindow(*frame), frame->formWindow("Model"));

    // Ctrl+Tab to the next window in the workspace's order: whichever it is, it is on top.
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus);
    QTest::keyPress(focus, Qt::Key_Tab, Qt::ControlModifier);
    QTest::keyRelease(focus, Qt::Key_Tab, Qt::ControlModifier);
    QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Control);
    QTRY_VERIFY(frame->mdiArea()->activeSubWindow() != frame->formWindow("Model"));
    QCOMPARE(topWindow(*frame), frame->mdiArea()->activeSubWindow());
}

// The window that shows when a form closes is the one that takes the keys.
void WindowChoiceTests::closingAFormActivatesTheOneBeneath() {
    QMdiSubWindow* model = frame->formWindow("Model");
    auto* close = byName<QPushButton>(*model, "Close");
    QVERIFY(close);
    QTest::mouseClick(close, Qt::LeftButton);
    QTRY_VERIFY(!frame->formWindow("Model"));
    QCOMPARE(frame->mdiArea()->activeSubWindow(), topWindow(*frame));
    QCOMPARE(topWindow(*frame), frame->formWindow("Basic setting"));
}

QTEST_MAIN(WindowChoiceTests)
#include "tst_window_choice.moc"

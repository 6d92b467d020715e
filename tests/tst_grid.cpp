#include "CellTyping.h"
#include "GridControl.h"
#include "InPlaceEditor.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

// The grid and its in-place editors as the channel table will use them: 801 x 12, list and
// editable list editors, row highlighting and cell colours.
class GridTests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup() { delete grid; }
    void cellsAndHeaders();
    void mousePressReportsTheCell();
    void highlightingAndColours();
    void listEditorCommitsOnFocusLoss();
    void editableListFiltersAndCommits();
    void scrollingEndsTheEdit();
    void editingAsInASpreadsheet();
    void rowLabelMakesItsRowCurrent();
    void columnsFillTheWidth();

private:
    GridControl* grid = nullptr;
};

void GridTests::init() {
    grid = new GridControl;
    grid->setGridSize(801, 12);
    grid->setText(0, 0, "CH");
    grid->setText(0, 1, "Rx Freq");
    for (int r = 1; r <= 800; ++r)
        grid->setText(r, 0, QString::number(r));
    grid->setColumnWidthTwips(1, 1100);
    grid->setRowHeightTwips(1, 300);
    grid->setColumnCentered(1);
    grid->resize(900, 500);
    grid->show();
    grid->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(grid));
}

void GridTests::cellsAndHeaders() {
    QCOMPARE(grid->gridRows(), 801);
    QCOMPARE(grid->gridColumns(), 12);
    QCOMPARE(grid->text(0, 0), QStringLiteral("CH"));
    QCOMPARE(grid->text(0, 1), QStringLiteral("Rx Freq"));
    QCOMPARE(grid->text(800, 0), QStringLiteral("800"));
    grid->setText(800, 11, "ABC");
    QCOMPARE(grid->text(800, 11), QStringLiteral("ABC"));
    QCOMPARE(grid->text(5, 5), QString());
    grid->setText(900, 1, "out of range"); // ignored, no crash
    grid->setCurrentGridCell(10, 3);
    QCOMPARE(grid->currentGridCell(), (GridControl::Cell{10, 3}));
    QCOMPARE(grid->columnWidthPixels(1), GridControl::twipsToPixels(1100, grid));
    grid->setText(2, 1, "145.00000");
    QCOMPARE(grid->cellAlignment(2, 1), Qt::AlignCenter);
}

void GridTests::mousePressReportsTheCell() {
    QSignalSpy pressed(grid, &GridControl::mousePressed);
    QSignalSpy entered(grid, &GridControl::cellEntered);
    const QRect cell = grid->cellRect(3, 2);
    QTest::mouseClick(grid->cellArea(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(pressed.size(), 1);
    QCOMPARE(pressed[0][1].toInt(), 3);
    QCOMPARE(pressed[0][2].toInt(), 2);
    QCOMPARE(grid->currentGridCell(), (GridControl::Cell{3, 2}));
    QVERIFY(!entered.isEmpty());
    QCOMPARE(entered.last()[0].toInt(), 3);
}

void GridTests::highlightingAndColours() {
    grid->setCurrentGridCell(4, 2);
    grid->setRowHighlighting(true);
    QCOMPARE(grid->selectedCellCount(), 11); // the whole row
    grid->setRowHighlighting(false);
    QCOMPARE(grid->selectedCellCount(), 1);
    grid->setCellBackground(2, 3, QColor(0xEC, 0xE9, 0xDB));
    QCOMPARE(grid->cellBackground(2, 3), QColor(0xEC, 0xE9, 0xDB));
    grid->setCellBackground(2, 3, QColor());
    QVERIFY(!grid->cellBackground(2, 3).isValid());
}

void GridTests::listEditorCommitsOnFocusLoss() {
    InPlaceEditor editor(grid, InPlaceEditor::Kind::List, "Power");
    editor.setItems({"Low", "Middle 2", "Middle 1", "High"});
    QSignalSpy committed(&editor, &InPlaceEditor::committed);
    grid->setText(2, 7, "High");
    editor.begin(2, 7, grid->text(2, 7));
    auto* combo = qobject_cast<QComboBox*>(editor.widget());
    QVERIFY(combo->isVisible());
    QCOMPARE(combo->geometry(), grid->cellRect(2, 7));
    QCOMPARE(combo->currentText(), QStringLiteral("High"));
    QTRY_VERIFY(combo->hasFocus());
    QTest::keyClick(combo, Qt::Key_Up);
    QCOMPARE(combo->currentText(), QStringLiteral("Middle 1"));
    QVERIFY(committed.isEmpty());
    grid->setFocus(); // leaving the editor commits it
    QCOMPARE(committed.size(), 1);
    QCOMPARE(committed[0][2].toString(), QStringLiteral("Middle 1"));
    QVERIFY(!combo->isVisible());
    QVERIFY(!editor.isActive());
}

void GridTests::editableListFiltersAndCommits() {
    InPlaceEditor editor(grid, InPlaceEditor::Kind::EditableList, "CTCSS");
    editor.setItems({"67.0", "88.5", "100.0"});
    editor.setMaxLength(5);
    editor.setFilter({[](QChar c) { return c.isDigit() || c == u'.'; }, false});
    QSignalSpy committed(&editor, &InPlaceEditor::committed);
    QSignalSpy enter(&editor, &InPlaceEditor::enterPressed);
    editor.begin(5, 4, "88.5");
    auto* combo = qobject_cast<QComboBox*>(editor.widget());
    QTRY_VERIFY(combo->hasFocus() || combo->lineEdit()->hasFocus());
    QTest::keyClicks(combo->lineEdit(), "1a23.45x6"); // replaces the selected text
    QCOMPARE(combo->lineEdit()->text(), QStringLiteral("123.4"));
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    QCOMPARE(committed.size(), 1);
    QCOMPARE(committed[0][2].toString(), QStringLiteral("123.4"));
    QCOMPARE(enter.size(), 1);
    QVERIFY(grid->hasFocus());
}

void GridTests::scrollingEndsTheEdit() {
    InPlaceEditor editor(grid, InPlaceEditor::Kind::Line, "Name");
    editor.setFilter({[](QChar c) { return c.isLetterOrNumber(); }, true});
    QSignalSpy committed(&editor, &InPlaceEditor::committed);
    editor.begin(1, 11, "");
    auto* line = qobject_cast<QLineEdit*>(editor.widget());
    QTRY_VERIFY(line->hasFocus());
    QTest::keyClicks(line, "ab1");
    QCOMPARE(line->text(), QStringLiteral("AB1"));
    grid->rowScrollBar()->setValue(100);
    QCOMPARE(committed.size(), 1);
    QCOMPARE(committed[0][2].toString(), QStringLiteral("AB1"));
}

// F2 and typing open the current cell's editor, Escape keeps the cell's text, Tab commits and
// moves on, and the current cell stays while an editor is open.
void GridTests::editingAsInASpreadsheet() {
    InPlaceEditor editor(grid, InPlaceEditor::Kind::Line, "Name");
    editor.setFilter({[](QChar c) { return c.isLetterOrNumber(); }, true});
    QStringList commits;
    connect(&editor, &InPlaceEditor::committed, this,
            [&](int row, int column, const QString& text) {
                commits << QStringLiteral("%1,%2:%3").arg(row).arg(column).arg(text);
                grid->setText(row, column, text);
            });
    grid->setEditing(1, 11, [&](int row, int column) {
        editor.begin(row, column, grid->text(row, column));
        return &editor;
    });
    auto* line = qobject_cast<QLineEdit*>(editor.widget());
    grid->setText(3, 11, "OLD");
    grid->setCurrentGridCell(3, 11);
    grid->setFocus();
    QTRY_VERIFY(grid->hasFocus());

    QTest::keyClick(grid, Qt::Key_F2);
    QTRY_VERIFY(line->hasFocus());
    QCOMPARE(line->selectedText(), QStringLiteral("OLD"));
    QTest::keyClicks(line, "new");
    QTest::keyClick(line, Qt::Key_Escape); // cancelled: the cell keeps its text
    QVERIFY(!editor.isActive());
    QVERIFY(grid->hasFocus());
    QVERIFY(commits.isEmpty());
    QCOMPARE(grid->text(3, 11), QStringLiteral("OLD"));

    QTest::keyClick(grid, Qt::Key_X); // typing starts an edit with the key itself
    QTRY_VERIFY(line->hasFocus());
    QCOMPARE(line->text(), QStringLiteral("X"));
    QCOMPARE(grid->currentGridCell(), (GridControl::Cell{3, 11}));
    QTest::keyClicks(line, "y");
    QTest::keyClick(line, Qt::Key_Tab); // commits, then the next cell across rows
    QCOMPARE(commits, QStringList{"3,11:XY"});
    QCOMPARE(grid->currentGridCell(), (GridControl::Cell{4, 1}));
    QTest::keyClick(grid, Qt::Key_F2);
    QTRY_VERIFY(line->hasFocus());
    QTest::keyClick(line, Qt::Key_Backtab);
    QCOMPARE(grid->currentGridCell(), (GridControl::Cell{3, 11}));
    QCOMPARE(commits.size(), 2);

    // Moving the current cell from outside ends the open edit first.
    QTest::keyClick(grid, Qt::Key_F2);
    QTRY_VERIFY(editor.isActive());
    grid->setCurrentGridCell(10, 2);
    QVERIFY(!editor.isActive());
    QCOMPARE(commits.size(), 3);
}

void GridTests::rowLabelMakesItsRowCurrent() {
    grid->setEditing(1, 11, [](int, int) { return nullptr; });
    grid->setCurrentGridCell(1, 3);
    QSignalSpy pressed(grid, &GridControl::mousePressed);
    clickRowLabel(grid, 7);
    QCOMPARE(grid->currentGridCell(), (GridControl::Cell{7, 3})); // at the first click
    QCOMPARE(pressed.size(), 1);
    QCOMPARE(pressed[0][1].toInt(), 7);
}

// Spare width is shared by the columns in proportion to their chosen widths; nothing scrolls
// sideways while the columns fit, and a narrow grid shows the chosen widths.
void GridTests::columnsFillTheWidth() {
    for (int c = 1; c < 12; ++c)
        grid->setColumnWidthPixels(c, c == 2 ? 80 : 40);
    grid->setFillsWidth(true);
    QScrollBar* sideways = nullptr;
    for (QScrollBar* bar : grid->findChildren<QScrollBar*>())
        if (bar->orientation() == Qt::Horizontal)
            sideways = bar;
    QVERIFY(sideways);
    auto total = [this] {
        int sum = 0;
        for (int c = 1; c < 12; ++c)
            sum += grid->columnWidthPixels(c);
        return sum;
    };
    const int room = total();
    QVERIFY2(room > 800, qPrintable(QString::number(room)));
    QTRY_COMPARE(sideways->maximum(), 0);
    QCOMPARE(grid->chosenColumnWidth(2), 80);
    QVERIFY(std::abs(grid->columnWidthPixels(2) - 2 * grid->columnWidthPixels(3)) <= 1);

    grid->resize(300, 500);
    QTRY_COMPARE(grid->columnWidthPixels(3), 40);
    QCOMPARE(grid->columnWidthPixels(2), 80);
    QVERIFY(sideways->maximum() > 0);

    grid->resize(900, 500);
    QTRY_COMPARE(total(), room);
    grid->setColumnWidthPixels(3, 80); // a new chosen width is shared out at once
    QCOMPARE(grid->chosenColumnWidth(3), 80);
    QVERIFY(std::abs(grid->columnWidthPixels(3) - grid->columnWidthPixels(2)) <= 1);
    QCOMPARE(total(), room);
}

QTEST_MAIN(GridTests)
#include "tst_grid.moc"

#pragma once

#include "GridControl.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

// Clicks a cell of a grid, types over what the editor that opens there holds and presses
// Enter, as a user edits a cell.
inline void typeIntoCell(GridControl* grid, int row, int column, const QString& text) {
    QTest::mouseClick(grid->cellArea(), Qt::LeftButton, {}, grid->cellRect(row, column).center());
    QTRY_VERIFY(qobject_cast<QLineEdit*>(QApplication::focusWidget()));
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QCOMPARE(editor->selectedText(), grid->text(row, column)); // starts with all selected
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    QVERIFY(!editor->isVisible());
}

// Clicks a row's label, as a user chooses the row.
inline void clickRowLabel(GridControl* grid, int row, Qt::KeyboardModifiers modifiers = {}) {
    grid->scrollToCell(row, 1);
    QTest::mouseClick(grid->rowLabelArea(), Qt::LeftButton, modifiers,
                      grid->rowLabelRect(row).center());
}

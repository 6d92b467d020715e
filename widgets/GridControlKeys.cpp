// The grid's keys: which key starts an edit of the current cell or moves across the row, and
// keys passed on from the grid to its table.
#include "GridControl.h"

#include "GridControlTable.h"
#include "InPlaceEditor.h"

#include <QApplication>
#include <algorithm>

void GridControl::setEditing(int firstColumn, int lastColumn, EditStarter begin) {
    firstColumn_ = firstColumn;
    lastColumn_ = lastColumn;
    begin_ = std::move(begin);
}

void GridControl::moveAcross(bool forward) {
    const Cell cell = currentGridCell();
    if (forward) {
        if (cell.column < lastColumn_)
            setCurrentGridCell(cell.row, std::max(cell.column + 1, firstColumn_));
        else if (cell.row < gridRows() - 1)
            setCurrentGridCell(cell.row + 1, firstColumn_);
    } else {
        if (cell.column > firstColumn_)
            setCurrentGridCell(cell.row, std::min(cell.column - 1, lastColumn_));
        else if (cell.row > 1)
            setCurrentGridCell(cell.row - 1, lastColumn_);
    }
}

bool GridControl::editingKey(QKeyEvent* event) {
    if (!begin_)
        return false;
    const Cell cell = currentGridCell();
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F2:
        begin_(cell.row, cell.column);
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        moveAcross(event->key() == Qt::Key_Tab);
        return true;
    case Qt::Key_Right:
    case Qt::Key_Left: {
        const bool right = event->key() == Qt::Key_Right;
        if (cell.column != (right ? lastColumn_ : firstColumn_))
            return false;
        moveAcross(right);
        return true;
    }
    default:
        break;
    }
    const QString typed = event->text();
    const bool command =
        event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (typed.isEmpty() || !typed[0].isPrint() || command)
        return false;
    if (InPlaceEditor* editor = begin_(cell.row, cell.column))
        editor->typeInto(event);
    return true;
}

void GridControl::setActiveEditor(InPlaceEditor* editor) {
    activeEditor_ = editor;
}

void GridControl::finishEditing() {
    if (activeEditor_ && activeEditor_->isActive())
        activeEditor_->finish();
}

void GridControl::forward(QKeyEvent* event) {
    // A key the table leaves comes back up here on its way to the form: it goes on from here.
    if (forwarding_) {
        event->ignore();
        return;
    }
    forwarding_ = true;
    QApplication::sendEvent(table_, event);
    forwarding_ = false;
}

void GridControl::keyPressEvent(QKeyEvent* event) {
    forward(event);
}

void GridControl::keyReleaseEvent(QKeyEvent* event) {
    forward(event);
}

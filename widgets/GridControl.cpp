#include "GridControl.h"

#include "InPlaceEditor.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <algorithm>

GridControl::GridControl(QWidget* parent) : QTableWidget(parent), corner_(new QLabel(this)) {
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
    setSelectionBehavior(SelectItems);
    setCornerButtonEnabled(false);
    setWordWrap(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    corner_->setAlignment(Qt::AlignCenter);
    connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int column) {
        if (row >= 0 && column >= 0)
            Q_EMIT cellEntered(row + 1, column + 1);
    });
    // A press on a row label makes that row current at once (the table's own row selection
    // does nothing in single-cell mode).
    connect(verticalHeader(), &QHeaderView::sectionPressed, this, [this](int section) {
        finishEditing();
        const int column = std::max(currentGridCell().column, firstColumn_);
        if (rowSelection_) // the table has chosen the rows; only the current cell moves
            selectionModel()->setCurrentIndex(model()->index(section, column - 1),
                                              QItemSelectionModel::NoUpdate);
        else
            setCurrentGridCell(section + 1, column);
        Q_EMIT mousePressed(Qt::LeftButton, section + 1, 0);
    });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &GridControl::scrolled);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &GridControl::scrolled);
}

void GridControl::setGridSize(int rows, int columns) {
    setRowCount(std::max(0, rows - 1));
    setColumnCount(std::max(0, columns - 1));
}

QTableWidgetItem* GridControl::itemFor(int row, int column) {
    if (row == 0 && column == 0)
        return nullptr;
    if (row == 0) {
        if (!horizontalHeaderItem(column - 1))
            setHorizontalHeaderItem(column - 1, new QTableWidgetItem);
        return horizontalHeaderItem(column - 1);
    }
    if (column == 0) {
        if (!verticalHeaderItem(row - 1))
            setVerticalHeaderItem(row - 1, new QTableWidgetItem);
        return verticalHeaderItem(row - 1);
    }
    QTableWidgetItem* it = item(row - 1, column - 1);
    if (!it) {
        it = new QTableWidgetItem;
        it->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        it->setTextAlignment(alignmentOf(column));
        setItem(row - 1, column - 1, it);
    }
    return it;
}

Qt::Alignment GridControl::alignmentOf(int column) const {
    return centered_.count(column) ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignVCenter);
}

void GridControl::setText(int row, int column, const QString& text) {
    if (row == 0 && column == 0) {
        corner_->setText(text);
        return;
    }
    if (row < 0 || column < 0 || row >= gridRows() || column >= gridColumns())
        return;
    itemFor(row, column)->setText(text);
}

QString GridControl::text(int row, int column) const {
    if (row == 0 && column == 0)
        return corner_->text();
    const QTableWidgetItem* it = row == 0      ? horizontalHeaderItem(column - 1)
                                 : column == 0 ? verticalHeaderItem(row - 1)
                                               : item(row - 1, column - 1);
    return it ? it->text() : QString();
}

GridControl::Cell GridControl::currentGridCell() const {
    return {currentRow() + 1, currentColumn() + 1};
}

void GridControl::setCurrentGridCell(int row, int column) {
    setCurrentCell(row - 1, column - 1);
}

int GridControl::twipsToPixels(int twips, const QWidget* widget) {
    return (twips * widget->logicalDpiY() + 720) / 1440;
}

void GridControl::setColumnWidthTwips(int column, int twips) {
    const int px = twipsToPixels(twips, this);
    if (column == 0)
        verticalHeader()->setFixedWidth(px);
    else
        setColumnWidth(column - 1, px);
}

void GridControl::setRowHeightTwips(int row, int twips) {
    const int px = twipsToPixels(twips, this);
    if (row == 0)
        horizontalHeader()->setFixedHeight(px);
    else
        verticalHeader()->setDefaultSectionSize(px);
}

void GridControl::setWholeGridSize(int widthTwips, int heightTwips) {
    const int frame = 2 * frameWidth();
    setFixedSize(twipsToPixels(widthTwips, this) + frame, twipsToPixels(heightTwips, this) + frame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void GridControl::setColumnCentered(int column, bool centered) {
    if (centered)
        centered_.insert(column);
    else
        centered_.erase(column);
    if (column == 0)
        return;
    for (int r = 0; r < rowCount(); ++r)
        if (QTableWidgetItem* it = item(r, column - 1))
            it->setTextAlignment(alignmentOf(column));
}

void GridControl::setColumnsResizable(bool resizable) {
    horizontalHeader()->setSectionResizeMode(resizable ? QHeaderView::Interactive
                                                       : QHeaderView::Fixed);
}

void GridControl::setHeaderTip(int column, const QString& tip) {
    if (column > 0)
        itemFor(0, column)->setToolTip(tip);
}

void GridControl::setRowHighlighting(bool on) {
    setSelectionBehavior(on ? SelectRows : SelectItems);
    // Rows chosen by their labels stay chosen.
    if (on && rowSelection_ && !selectionModel()->selectedRows().isEmpty())
        return;
    const auto cell = currentIndex();
    clearSelection();
    if (cell.isValid())
        selectionModel()->select(cell, on ? QItemSelectionModel::Select | QItemSelectionModel::Rows
                                          : QItemSelectionModel::Select);
}

void GridControl::setRowSelection(bool on) {
    rowSelection_ = on;
    setSelectionMode(on ? ExtendedSelection : SingleSelection);
}

std::vector<int> GridControl::selectedGridRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows.push_back(index.row() + 1);
    std::ranges::sort(rows);
    return rows;
}

void GridControl::selectGridRows(int first, int last) {
    if (first < 1 || last < first || last >= gridRows())
        return;
    finishEditing();
    setSelectionBehavior(SelectRows);
    const int column = std::max(currentGridCell().column, firstColumn_) - 1;
    selectionModel()->setCurrentIndex(model()->index(first - 1, column),
                                      QItemSelectionModel::NoUpdate);
    selectionModel()->select(
        QItemSelection(model()->index(first - 1, 0), model()->index(last - 1, columnCount() - 1)),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void GridControl::setDrawingSuspended(bool suspended) {
    setUpdatesEnabled(!suspended);
    if (!suspended)
        viewport()->update();
}

void GridControl::setCellBackground(int row, int column, const QColor& color) {
    if (row < 1 || column < 1)
        return;
    itemFor(row, column)->setBackground(color.isValid() ? QBrush(color) : QBrush());
}

QRect GridControl::cellRect(int row, int column) const {
    return visualRect(model()->index(row - 1, column - 1));
}

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

void GridControl::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    finishEditing();
    QTableWidget::currentChanged(current, previous);
}

void GridControl::mousePressEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    QTableWidget::mousePressEvent(event);
    if (index.isValid())
        Q_EMIT mousePressed(event->button(), index.row() + 1, index.column() + 1);
}

void GridControl::keyPressEvent(QKeyEvent* event) {
    if (rowSelection_ && event->key() == Qt::Key_Space && event->modifiers() == Qt::ShiftModifier) {
        setSelectionBehavior(SelectRows);
        selectionModel()->select(currentIndex(),
                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        event->accept();
        return;
    }
    if (editingKey(event)) {
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void GridControl::updateGeometries() {
    QTableWidget::updateGeometries();
    // The top-left cell (row 0, column 0) sits where the two headers meet.
    const int f = frameWidth();
    corner_->setGeometry(f, f, verticalHeader()->width(), horizontalHeader()->height());
}

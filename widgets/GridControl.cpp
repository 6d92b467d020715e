// The grid of the forms: cells, row and column labels, the current cell and the chosen rows,
// counted as the forms count them (row 0 and column 0 are the labels).
#include "GridControl.h"

#include "GridControlTable.h"

#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

GridControl::GridControl(QWidget* parent) : QWidget(parent), table_(new Table(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(table_);
    setFocusProxy(table_);
    setFocusPolicy(table_->focusPolicy());
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setSelectionBehavior(QAbstractItemView::SelectItems);
    table_->setCornerButtonEnabled(false);
    table_->setWordWrap(false);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->horizontalHeader()->setHighlightSections(false);
    table_->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    connect(table_, &QTableWidget::currentCellChanged, this, [this](int row, int column) {
        if (row >= 0 && column >= 0)
            Q_EMIT cellEntered(row + 1, column + 1);
    });
    // A press on a row label makes that row current at once (the table's own row selection
    // does nothing in single-cell mode).
    connect(table_->verticalHeader(), &QHeaderView::sectionPressed, this, [this](int section) {
        finishEditing();
        // The column the user was in, not the one the table's own row choice moved to.
        const int column = std::max(columnBeforeLabelPress_, firstColumn_);
        if (rowSelection_) // the table has chosen the rows; only the current cell moves
            table_->selectionModel()->setCurrentIndex(table_->model()->index(section, column - 1),
                                                      QItemSelectionModel::NoUpdate);
        else
            setCurrentGridCell(section + 1, column);
        Q_EMIT mousePressed(Qt::LeftButton, section + 1, 0);
    });
    connect(table_->verticalScrollBar(), &QScrollBar::valueChanged, this, &GridControl::scrolled);
    connect(table_->horizontalScrollBar(), &QScrollBar::valueChanged, this, &GridControl::scrolled);
    connect(table_->horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int column, int, int width) {
                if (filling_)
                    return;
                if (fillsWidth_ && column < int(chosen_.size()))
                    chosen_[std::size_t(column)] = std::max(1, int(width / fillFactor_ + 0.5));
                Q_EMIT columnResized();
            });
    table_->viewport()->installEventFilter(this);
    table_->verticalHeader()->viewport()->installEventFilter(this);
}

bool GridControl::event(QEvent* event) {
    if (event->type() == QEvent::Polish || event->type() == QEvent::Show)
        table_->setAccessibleName(accessibleName());
    return QWidget::event(event);
}

bool GridControl::eventFilter(QObject* watched, QEvent* event) {
    if (watched == table_->verticalHeader()->viewport() &&
        event->type() == QEvent::MouseButtonPress)
        columnBeforeLabelPress_ = currentGridCell().column;
    if (watched == table_->viewport() &&
        (event->type() == QEvent::Resize || event->type() == QEvent::Show))
        fillWidth();
    return QWidget::eventFilter(watched, event);
}

GridControl::~GridControl() = default;

void GridControl::setGridSize(int rows, int columns) {
    table_->setRowCount(std::max(0, rows - 1));
    table_->setColumnCount(std::max(0, columns - 1));
}

int GridControl::gridRows() const {
    return table_->rowCount() + 1;
}

int GridControl::gridColumns() const {
    return table_->columnCount() + 1;
}

Qt::Alignment GridControl::alignmentOf(int column) const {
    return centered_.count(column) ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignVCenter);
}

void GridControl::setText(int row, int column, const QString& text) {
    if (row == 0 && column == 0) {
        table_->corner()->setText(text);
        return;
    }
    if (row < 0 || column < 0 || row >= gridRows() || column >= gridColumns())
        return;
    // An unchanged cell needs no update and an empty one no item; a row label is the row's
    // number unless set otherwise. A reload of 800 rows touches only what changed.
    if (text == this->text(row, column))
        return;
    table_->itemFor(row, column)->setText(text);
}

QString GridControl::text(int row, int column) const {
    if (row == 0 && column == 0)
        return table_->corner()->text();
    if (const QTableWidgetItem* it = table_->cellItem(row, column))
        return it->text();
    if (row == 0 || column == 0) // a header's own label
        return table_->model()
            ->headerData(row == 0 ? column - 1 : row - 1, row == 0 ? Qt::Horizontal : Qt::Vertical)
            .toString();
    return {};
}

Qt::Alignment GridControl::cellAlignment(int row, int column) const {
    const QTableWidgetItem* it = table_->cellItem(row, column);
    return it ? Qt::Alignment(it->textAlignment()) : alignmentOf(column);
}

QColor GridControl::cellBackground(int row, int column) const {
    const QTableWidgetItem* it = table_->cellItem(row, column);
    return it && it->background().style() != Qt::NoBrush ? it->background().color() : QColor();
}

void GridControl::setCellBackground(int row, int column, const QColor& color) {
    if (row < 1 || column < 1)
        return;
    table_->itemFor(row, column)->setBackground(color.isValid() ? QBrush(color) : QBrush());
}

GridControl::Cell GridControl::currentGridCell() const {
    return {table_->currentRow() + 1, table_->currentColumn() + 1};
}

void GridControl::setCurrentGridCell(int row, int column) {
    table_->setCurrentCell(row - 1, column - 1);
}

void GridControl::scrollToCell(int row, int column) {
    table_->scrollTo(table_->model()->index(row - 1, std::max(0, column - 1)));
}

void GridControl::setRowHighlighting(bool on) {
    using QV = QAbstractItemView;
    table_->setSelectionBehavior(on ? QV::SelectRows : QV::SelectItems);
    QItemSelectionModel* selection = table_->selectionModel();
    // Rows chosen by their labels stay chosen.
    if (on && rowSelection_ && !selection->selectedRows().isEmpty())
        return;
    const auto cell = table_->currentIndex();
    table_->clearSelection();
    if (cell.isValid())
        selection->select(cell, on ? QItemSelectionModel::Select | QItemSelectionModel::Rows
                                   : QItemSelectionModel::Select);
}

void GridControl::setRowSelection(bool on) {
    rowSelection_ = on;
    table_->setSelectionMode(on ? QAbstractItemView::ExtendedSelection
                                : QAbstractItemView::SingleSelection);
}

std::vector<int> GridControl::selectedGridRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : table_->selectionModel()->selectedRows())
        rows.push_back(index.row() + 1);
    std::ranges::sort(rows);
    return rows;
}

int GridControl::selectedCellCount() const {
    return int(table_->selectionModel()->selectedIndexes().size());
}

void GridControl::selectGridRows(int first, int last) {
    if (first < 1 || last < first || last >= gridRows())
        return;
    finishEditing();
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    const int column = std::max(currentGridCell().column, firstColumn_) - 1;
    QItemSelectionModel* selection = table_->selectionModel();
    QAbstractItemModel* model = table_->model();
    selection->setCurrentIndex(model->index(first - 1, column), QItemSelectionModel::NoUpdate);
    selection->select(QItemSelection(model->index(first - 1, 0),
                                     model->index(last - 1, table_->columnCount() - 1)),
                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void GridControl::setDrawingSuspended(bool suspended) {
    table_->setUpdatesEnabled(!suspended);
    if (!suspended)
        table_->viewport()->update();
}

QRect GridControl::cellRect(int row, int column) const {
    return table_->visualRect(table_->model()->index(row - 1, column - 1));
}

QWidget* GridControl::cellArea() const {
    return table_->viewport();
}

QWidget* GridControl::rowLabelArea() const {
    return table_->verticalHeader()->viewport();
}

void GridControl::setContextMenus(bool on) {
    const auto policy = on ? Qt::CustomContextMenu : Qt::DefaultContextMenu;
    QHeaderView* labels = table_->verticalHeader();
    table_->setContextMenuPolicy(policy);
    labels->setContextMenuPolicy(policy);
    disconnect(table_, &QWidget::customContextMenuRequested, this, nullptr);
    disconnect(labels, &QWidget::customContextMenuRequested, this, nullptr);
    if (!on)
        return;
    connect(table_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        Q_EMIT menuRequested(table_->viewport()->mapToGlobal(at), 0);
    });
    connect(labels, &QWidget::customContextMenuRequested, this, [this, labels](const QPoint& at) {
        Q_EMIT menuRequested(labels->viewport()->mapToGlobal(at), rowAtLabel(at));
    });
}

int GridControl::rowAtLabel(const QPoint& point) const {
    const int section = table_->verticalHeader()->logicalIndexAt(point);
    return section < 0 ? -1 : section + 1;
}

QRect GridControl::rowLabelRect(int row) const {
    const QHeaderView* labels = table_->verticalHeader();
    return {0, labels->sectionViewportPosition(row - 1), labels->width(),
            labels->sectionSize(row - 1)};
}

QScrollBar* GridControl::rowScrollBar() const {
    return table_->verticalScrollBar();
}

#include "moc_GridControl.cpp"

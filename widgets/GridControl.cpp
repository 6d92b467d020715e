#include "GridControl.h"

#include "InPlaceEditor.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

// The platform's table inside the grid, counting from 0 as it does; only GridControl turns
// the forms' coordinates into its own.
class GridControl::Table : public QTableWidget {
public:
    explicit Table(GridControl* grid) : QTableWidget(grid), grid_(grid), corner_(new QLabel(this)) {
        corner_->setAlignment(Qt::AlignCenter);
    }

    QLabel* corner() const { return corner_; }

    QTableWidgetItem* itemFor(int row, int column) {
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
            it->setTextAlignment(grid_->alignmentOf(column));
            setItem(row - 1, column - 1, it);
        }
        return it;
    }
    const QTableWidgetItem* cellItem(int row, int column) const {
        return row == 0      ? horizontalHeaderItem(column - 1)
               : column == 0 ? verticalHeaderItem(row - 1)
                             : item(row - 1, column - 1);
    }

    using QTableWidget::updateGeometries;
    using QTableWidget::visualRect;

protected:
    void mousePressEvent(QMouseEvent* event) override {
        const QModelIndex index = indexAt(event->position().toPoint());
        QTableWidget::mousePressEvent(event);
        if (index.isValid())
            Q_EMIT grid_->mousePressed(event->button(), index.row() + 1, index.column() + 1);
    }
    void keyPressEvent(QKeyEvent* event) override {
        if (grid_->rowSelection_ && event->key() == Qt::Key_Space &&
            event->modifiers() == Qt::ShiftModifier) {
            setSelectionBehavior(SelectRows);
            selectionModel()->select(currentIndex(), QItemSelectionModel::ClearAndSelect |
                                                         QItemSelectionModel::Rows);
            event->accept();
            return;
        }
        if (grid_->editingKey(event)) {
            event->accept();
            return;
        }
        QTableWidget::keyPressEvent(event);
    }
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override {
        grid_->finishEditing();
        QTableWidget::currentChanged(current, previous);
    }
    void updateGeometries() override {
        QTableWidget::updateGeometries();
        // The top-left cell (row 0, column 0) sits where the two headers meet.
        const int f = frameWidth();
        corner_->setGeometry(f, f, verticalHeader()->width(), horizontalHeader()->height());
    }

private:
    GridControl* grid_;
    QLabel* corner_;
};

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
        const int column = std::max(currentGridCell().column, firstColumn_);
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
}

bool GridControl::event(QEvent* event) {
    if (event->type() == QEvent::Polish || event->type() == QEvent::Show)
        table_->setAccessibleName(accessibleName());
    return QWidget::event(event);
}

bool GridControl::eventFilter(QObject* watched, QEvent* event) {
    if (watched == table_->viewport() &&
        (event->type() == QEvent::Resize || event->type() == QEvent::Show))
        fillWidth();
    return QWidget::eventFilter(watched, event);
}

void GridControl::setFillsWidth(bool fills) {
    fillsWidth_ = fills;
    chosen_.clear(); // the widths now shown are the chosen ones
    fillFactor_ = 1.0;
    fillWidth();
}

int GridControl::chosenColumnWidth(int column) const {
    const auto c = std::size_t(column - 1);
    return fillsWidth_ && c < chosen_.size() ? chosen_[c] : columnWidthPixels(column);
}

void GridControl::fillWidth() {
    if (!fillsWidth_)
        return;
    for (auto c = chosen_.size(); c < std::size_t(table_->columnCount()); ++c)
        chosen_.push_back(table_->columnWidth(int(c))); // columns added since
    chosen_.resize(std::size_t(table_->columnCount()));
    int sum = 0;
    for (int width : chosen_)
        sum += width;
    const int room = table_->viewport()->width();
    fillFactor_ = sum > 0 && room > sum ? double(room) / sum : 1.0;
    filling_ = true;
    int used = 0;
    for (std::size_t c = 0; c < chosen_.size(); ++c) {
        // The last column takes what rounding left over, so that the columns end at the edge.
        const bool last = c + 1 == chosen_.size();
        const int width = last && fillFactor_ > 1.0 ? room - used : int(chosen_[c] * fillFactor_);
        table_->setColumnWidth(int(c), width);
        used += width;
    }
    filling_ = false;
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

int GridControl::twipsToPixels(int twips, const QWidget* widget) {
    return (twips * widget->logicalDpiY() + 720) / 1440;
}

void GridControl::setColumnWidthTwips(int column, int twips) {
    const int px = twipsToPixels(twips, this);
    if (column == 0)
        table_->verticalHeader()->setFixedWidth(px);
    else
        table_->setColumnWidth(column - 1, px);
}

void GridControl::setRowHeightTwips(int row, int twips) {
    const int px = twipsToPixels(twips, this);
    if (row == 0)
        table_->horizontalHeader()->setFixedHeight(px);
    else
        table_->verticalHeader()->setDefaultSectionSize(px);
}

void GridControl::setWholeGridSize(int widthTwips, int heightTwips) {
    const int frame = 2 * table_->frameWidth();
    setFixedSize(twipsToPixels(widthTwips, this) + frame, twipsToPixels(heightTwips, this) + frame);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void GridControl::setColumnCentered(int column, bool centered) {
    if (centered)
        centered_.insert(column);
    else
        centered_.erase(column);
    if (column == 0)
        return;
    for (int r = 0; r < table_->rowCount(); ++r)
        if (QTableWidgetItem* it = table_->item(r, column - 1))
            it->setTextAlignment(alignmentOf(column));
}

void GridControl::setColumnsResizable(bool resizable) {
    table_->horizontalHeader()->setSectionResizeMode(resizable ? QHeaderView::Interactive
                                                               : QHeaderView::Fixed);
}

int GridControl::columnWidthPixels(int column) const {
    return column == 0 ? table_->verticalHeader()->width() : table_->columnWidth(column - 1);
}

void GridControl::setColumnWidthPixels(int column, int pixels) {
    if (fillsWidth_ && std::size_t(column - 1) < chosen_.size()) {
        chosen_[std::size_t(column - 1)] = pixels;
        fillWidth();
        return;
    }
    table_->setColumnWidth(column - 1, pixels);
}

void GridControl::setHeaderTip(int column, const QString& tip) {
    if (column > 0)
        table_->itemFor(0, column)->setToolTip(tip);
}

QString GridControl::headerTip(int column) const {
    const QTableWidgetItem* it = column > 0 ? table_->cellItem(0, column) : nullptr;
    return it ? it->toolTip() : QString();
}

bool GridControl::columnsResizable() const {
    return table_->horizontalHeader()->sectionResizeMode(0) == QHeaderView::Interactive;
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

#include "moc_GridControl.cpp"

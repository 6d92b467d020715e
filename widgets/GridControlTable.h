#pragma once

#include "GridControl.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QTableWidget>

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

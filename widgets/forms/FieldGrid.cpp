#include "FieldGrid.h"

#include "FieldBinder.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

FieldGrid::FieldGrid(QWidget* owner, QGridLayout* grid, int columns, int firstRow)
    : owner_(owner), grid_(grid), columns_(columns), firstRow_(firstRow) {}

void FieldGrid::add(const QString& label, QWidget* control) {
    auto* text = new QLabel(label);
    text->setBuddy(control);
    place(text, control);
}

void FieldGrid::add(QWidget* control) {
    place(nullptr, control);
}

void FieldGrid::addHidden(QWidget* control) {
    control->setParent(owner_);
    control->hide();
}

void layOutFields(QWidget* owner, const FieldBinder& binder, int columns, FieldWidth width) {
    auto* grid = new QGridLayout;
    FieldGrid placer(owner, grid, columns);
    binder.place(placer);
    if (width == FieldWidth::Natural)
        grid->setColumnStretch(2 * columns, 1); // an empty column takes the spare width
    auto* outer = new QVBoxLayout(owner);
    outer->addLayout(grid);
    outer->addStretch();
}

void FieldGrid::place(QWidget* label, QWidget* control) {
    const int row = firstRow_ + placed_ / columns_;
    const int column = (placed_ % columns_) * 2;
    if (label)
        grid_->addWidget(label, row, column);
    grid_->addWidget(control, row, column + 1);
    ++placed_;
}

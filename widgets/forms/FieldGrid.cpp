#include "FieldGrid.h"
#include "Language.h"

#include "FieldBinder.h"

#include <QGridLayout>
#include <QGroupBox>
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

void FieldGrid::addAt(const FieldPlace& place, QWidget* control) {
    const int row = firstRow_ + place.row;
    if (!place.columnTitle.isEmpty())
        grid_->addWidget(new QLabel(Language::shown(place.columnTitle)), firstRow_, place.column);
    if (!place.title.isEmpty()) {
        auto* title = new QLabel(Language::shown(place.title));
        title->setBuddy(control);
        grid_->addWidget(title, row, place.column - 1);
    }
    grid_->addWidget(control, row, place.column);
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

QGroupBox* fieldBox(QWidget* owner, const FieldBinder& binder, const FieldBox& box) {
    auto* grid = new QGridLayout;
    FieldGrid placer(owner, grid, box.columns);
    if (box.selector)
        placer.add(box.selectorLabel, box.selector);
    binder.place(placer);
    auto* layout = new QVBoxLayout;
    layout->addLayout(grid);
    if (box.tableGroup >= 0) {
        auto* table = new QGridLayout;
        FieldGrid tablePlacer(owner, table, 1);
        binder.place(tablePlacer, box.tableGroup);
        layout->addLayout(table);
    }
    layout->addStretch(); // the fields at the top of the box
    auto* group = new QGroupBox(Language::shown(box.title));
    group->setLayout(layout);
    return group;
}

void FieldGrid::place(QWidget* label, QWidget* control) {
    const int row = firstRow_ + placed_ / columns_;
    const int column = (placed_ % columns_) * 2;
    if (label)
        grid_->addWidget(label, row, column);
    grid_->addWidget(control, row, column + 1);
    ++placed_;
}

#pragma once

#include "FieldDescription.h"

class FieldBinder;
class QGridLayout;
class QGroupBox;
class QWidget;

// Lays a form's fields out as label and control pairs, `columns` pairs a row, from `firstRow`
// down. Controls that are never shown only become children of the owner.
class FieldGrid {
public:
    FieldGrid(QWidget* owner, QGridLayout* grid, int columns, int firstRow = 0);

    // The label is the control's buddy, so its mnemonic reaches the control.
    void add(const QString& label, QWidget* control);
    // A control that carries its own text (a check box): its label cell stays empty.
    void add(QWidget* control);
    void addHidden(QWidget* control);
    // A field of a table: at its place's row (below a row of column titles) and column, its
    // title before it.
    void addAt(const FieldPlace& place, QWidget* control);

private:
    void place(QWidget* label, QWidget* control);

    QWidget* owner_;
    QGridLayout* grid_;
    int columns_;
    int firstRow_;
    int placed_ = 0;
};

// Whether a form's controls fill its width or keep their own.
enum class FieldWidth { Stretched, Natural };

// The whole layout of a form that is only its fields: the binder's controls on `owner`,
// `columns` pairs a row, from the top.
void layOutFields(QWidget* owner, const FieldBinder& binder, int columns, FieldWidth width);

// A titled box of a binder's fields on `owner`, `columns` pairs a row: the selector that
// switches their record first (with its label), then the main group's fields, then
// `tableGroup` (when not -1) as a table below them.
struct FieldBox {
    QString title;
    int columns = 1;
    QWidget* selector = nullptr;
    QString selectorLabel = {};
    int tableGroup = -1;
};
QGroupBox* fieldBox(QWidget* owner, const FieldBinder& binder, const FieldBox& box);

#pragma once

class FieldBinder;
class QGridLayout;
class QString;
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

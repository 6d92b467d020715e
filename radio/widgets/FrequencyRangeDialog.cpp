#include "FrequencyRangeDialog.h"
#include "Texts.h"

#include "BandState.h"
#include "CloseButton.h"
#include "FormTeardown.h"
#include "GridControl.h"
#include "InPlaceEditor.h"
#include "ModelGrid.h"
#include "OptionTables.h"
#include "ProblemBox.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kFirstColumn = 1;
constexpr int kLastColumn = 4;
} // namespace

FrequencyRangeDialog::FrequencyRangeDialog(MemoryImage& image, BandState& bands, QWidget* parent)
    : QDialog(parent), image_(image), bands_(bands), table_(BandLimitTable::fromImage(image)),
      grid_(new GridControl), passwordLabel_(new QLabel(Texts::tr("Input password"))),
      password_(new QLineEdit), editButton_(new QPushButton(Texts::tr("Edit"))) {
    setWindowTitle(Texts::tr("Frequency range"));
    grid_->setAccessibleName(Texts::tr("Frequency range"));
    setUpGrid(*grid_,
              {BandLimitTable::headers(), {800, 1300, 1300, 1300, 1300}, kBandCount, [](int row) {
                   return options(OptionTable::BandName)[row - 1];
               }});
    for (int b = 0; b < kBandCount; ++b)
        fillRow(b);
    grid_->setEnabled(bands_.unlocked);
    grid_->setEditing(kFirstColumn, kLastColumn,
                      [this](int row, int column) { return beginEdit(row, column); });
    connect(grid_, &GridControl::mousePressed, this,
            [this](Qt::MouseButton button, int row, int column) {
                if (button == Qt::LeftButton)
                    beginEdit(row, column);
            });

    editor_ = new InPlaceEditor(grid_, InPlaceEditor::Kind::Line, Texts::tr("Cell editor"));
    editor_->setMaxLength(9);
    editor_->setFilter({[](QChar c) { return accepts(CharSet::Frequency, c); }, false});
    connect(editor_, &InPlaceEditor::committed, this, &FrequencyRangeDialog::cellCommitted);
    connect(editor_, &InPlaceEditor::enterPressed, this,
            [this](int row, int column) { editorEnter(row, column); });

    password_->setAccessibleName(Texts::tr("Input password"));
    password_->setMaxLength(8);
    password_->setEchoMode(QLineEdit::Password);
    passwordLabel_->setBuddy(password_);
    editButton_->setAccessibleName(Texts::tr("Edit"));
    editButton_->setAutoDefault(false);
    connect(password_, &QLineEdit::returnPressed, this, &FrequencyRangeDialog::tryUnlock);
    connect(editButton_, &QPushButton::clicked, this, &FrequencyRangeDialog::tryUnlock);
    for (QWidget* w : {static_cast<QWidget*>(passwordLabel_), static_cast<QWidget*>(password_),
                       static_cast<QWidget*>(editButton_)})
        w->hide();

    auto* passwordRow = new QHBoxLayout;
    passwordRow->addWidget(passwordLabel_);
    passwordRow->addWidget(password_);
    passwordRow->addWidget(editButton_);
    passwordRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_);
    layout->addLayout(passwordRow);
    layout->addLayout(closeButtonRow(this));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

FrequencyRangeDialog::~FrequencyRangeDialog() {
    disconnectChildrenFrom(this);
}

void FrequencyRangeDialog::fillRow(int band) {
    for (int c = 0; c < 4; ++c)
        grid_->setText(band + 1, c + kFirstColumn, table_.cellText(band, c));
}

void FrequencyRangeDialog::showPasswordField() {
    passwordLabel_->show();
    password_->show();
    editButton_->show();
    password_->setFocus();
}

void FrequencyRangeDialog::tryUnlock() {
    if (password_->text() == QLatin1String(BandState::kAccessCode)) {
        bands_.unlocked = true;
        grid_->setEnabled(true);
        passwordLabel_->hide();
        password_->hide();
        editButton_->hide();
        grid_->setFocus();
        return;
    }
    showProblem(this, Texts::tr("Password error!"));
    password_->setFocus();
}

InPlaceEditor* FrequencyRangeDialog::beginEdit(int row, int column) {
    if (!bands_.unlocked || row < 1 || row > kBandCount || column < kFirstColumn ||
        column > kLastColumn || !BandLimitTable::editable(row - 1, column - kFirstColumn))
        return nullptr;
    grid_->setCurrentGridCell(row, column);
    editor_->begin(row, column, grid_->text(row, column));
    return editor_;
}

void FrequencyRangeDialog::cellCommitted(int row, int column, const QString& text) {
    table_.commit(row - 1, column - kFirstColumn, text);
    fillRow(row - 1);
}

// Enter ends the edit; from "Rx Lower" it goes on to "Rx Upper", from there to the next row.
void FrequencyRangeDialog::editorEnter(int row, int column) {
    if (column == 1)
        grid_->setCurrentGridCell(row, 2);
    else if (column == 2 && row < kBandCount)
        grid_->setCurrentGridCell(row + 1, kFirstColumn);
}

void FrequencyRangeDialog::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_F11:
        showPasswordField();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        return; // neither closes the dialog
    default:
        QDialog::keyPressEvent(event);
    }
}

void FrequencyRangeDialog::reject() {}

void FrequencyRangeDialog::closeEvent(QCloseEvent* event) {
    editor_->finish(); // a cell being edited is committed first
    if (!table_.closeAllowed()) {
        showProblem(this, Texts::tr("Frequency band is invalid!"));
        event->ignore();
        return;
    }
    limitsChanged_ = table_.writeBack(image_, bands_);
    event->accept();
    QDialog::done(QDialog::Accepted);
}

#include "moc_FrequencyRangeDialog.cpp"

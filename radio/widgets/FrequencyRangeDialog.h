#pragma once

#include "BandLimitEditing.h"

#include <QDialog>

class BandState;
class GridControl;
class InPlaceEditor;
class MemoryImage;
class QLabel;
class QLineEdit;
class QPushButton;

// The "Frequency range" dialog: the band-limit table in a 10 x 5 grid. It opens read-only;
// F11 shows a password field, and the access code unlocks the grid for the rest of the run.
// It has no OK or Cancel: it closes through its close box, and only when the bands are valid,
// writing them into the image and the band state.
class FrequencyRangeDialog : public QDialog {
    Q_OBJECT
public:
    FrequencyRangeDialog(MemoryImage& image, BandState& bands, QWidget* parent = nullptr);
    ~FrequencyRangeDialog() override;

    GridControl* grid() const { return grid_; }
    // Whether closing wrote new band limits (opening and closing alone changes none).
    bool limitsChanged() const { return limitsChanged_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

public Q_SLOTS:
    void reject() override; // Escape does not close

private:
    void showPasswordField();
    void tryUnlock();
    void fillRow(int band);
    InPlaceEditor* beginEdit(int row, int column);
    void cellCommitted(int row, int column, const QString& text);
    void editorEnter(int row, int column);

    MemoryImage& image_;
    BandState& bands_;
    BandLimitTable table_;
    GridControl* grid_;
    InPlaceEditor* editor_;
    QLabel* passwordLabel_;
    QLineEdit* password_;
    QPushButton* editButton_;
    bool limitsChanged_ = false;
};

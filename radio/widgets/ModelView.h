#pragma once

#include "FormView.h"

#include <vector>

class QLineEdit;

// The "Modle" form: the radio's serial number, model name and model code (editable), its
// firmware version and last programming date (shown only).
class ModelView : public FormView {
    Q_OBJECT
public:
    explicit ModelView(MemoryImage& image, QWidget* parent = nullptr);

    void LoadFromImage() override;
    void SaveToImage() override;

private:
    std::vector<QLineEdit*> edits_; // one a field, in the order of RadioIdentity::fields()
};

#pragma once

#include "CBaseFormView.h"

class QLineEdit;

// The "Modle" form: the radio's serial number, model name and model code (editable), its
// firmware version and last programming date (shown only).
class CModelView : public CBaseFormView {
    Q_OBJECT
public:
    explicit CModelView(MemoryImage& image, QWidget* parent = nullptr);

    void LoadFromImage() override;
    void SaveToImage() override;

private:
    QLineEdit* serial_;
    QLineEdit* model_;
    QLineEdit* code_;
    QLineEdit* firmware_;
    QLineEdit* date_;
};

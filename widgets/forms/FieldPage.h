#pragma once

#include "FieldBinder.h"
#include "FieldGrid.h"
#include "SettingsPage.h"

// A page whose fields are one table of descriptions, laid out `columns` pairs a row. It loads
// and stores its fields through its binder; pages with cross-field rules connect them to the
// binder's controls.
class FieldPage : public SettingsPage {
    Q_OBJECT
public:
    using Width = FieldWidth;

    FieldPage(MemoryImage& image, const std::vector<FieldDescription>& fields, int columns,
              Width width, QWidget* parent = nullptr);

    void LoadFromImage() override;
    void SaveToImage() override;

    FieldBinder& binder() { return binder_; }

private:
    FieldBinder binder_;
};

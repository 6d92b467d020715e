#pragma once

#include "FieldBinder.h"
#include "FormView.h"

// The alarm form: what the emergency alarm does, its cycles and times, and the DTMF code it
// sends (chosen from the DTMF code table as the image holds it at each load).
class AlarmView : public FormView {
    Q_OBJECT
public:
    explicit AlarmView(MemoryImage& image, QWidget* parent = nullptr);

    void LoadFromImage() override;
    void SaveToImage() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The EMI code's tip and the status bar say which DTMF entries are left out and why.
    void explainEmiCodes();

    FieldBinder binder_;
    QString emiTip_;
    bool shown_ = false;
};

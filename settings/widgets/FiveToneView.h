#pragma once

#include "FieldBinder.h"
#include "FormView.h"
#include "RecordSwitch.h"

class QComboBox;

// The 5-Tone form, all on one page: the standard chosen with its width, letters and tones (the
// working copies in the PC block), the timings and identities, the eight "Infomation" entries
// and the sixteen contacts, each of the last two switched by its group list.
class FiveToneView : public FormView {
    Q_OBJECT
public:
    explicit FiveToneView(MemoryImage& image, QWidget* parent = nullptr);

    void LoadFromImage() override;
    void SaveToImage() override;
    int shownStandard() const { return standards_.records().entry(); }

private:
    void standardShown();
    void letterChosen(int changed);
    bool codeAccepts(QChar c) const;
    QString aliasFallback(const QString& alias, const QString& previous) const;

    QComboBox* standardList_;
    QComboBox* infoGroup_;
    QComboBox* contactGroup_;
    RecordArrayBinder standards_;
    FieldBinder settings_;
    RecordArrayBinder information_;
    RecordArrayBinder contacts_;
};

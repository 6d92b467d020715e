#pragma once

#include "CBaseFormView.h"
#include "FieldBinder.h"
#include "FiveToneSettings.h"

#include <array>

class NumberField;
class QComboBox;
class QLineEdit;

// The 5-Tone form, all on one page: the standard with its width, letters and tones (the working
// copies in the PC block), the timings and identities, the eight "Infomation" entries and the
// sixteen contacts, each of the last two switched by its group list.
class FiveToneView : public CBaseFormView {
    Q_OBJECT
public:
    explicit FiveToneView(MemoryImage& image, QWidget* parent = nullptr);
    ~FiveToneView() override;

    void LoadFromImage() override;
    void SaveToImage() override;

    int shownStandard() const { return shown_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* buildStandard();
    QWidget* buildInformation();
    QWidget* buildContact();
    void fillStandard(int k);
    void storeStandardFields();
    void standardChosen(int k);
    void letterChosen(int changed);
    std::uint32_t information() const;
    std::uint32_t contact() const;
    void loadContact();
    void storeContact();
    void aliasFallback();
    void codeFallback();
    void enableMessage();
    bool codeAccepts(QChar c) const;

    FieldBinder binder_;
    FieldBinder infoBinder_;
    FieldBinder contactBinder_;
    QComboBox* standard_;
    NumberField* width_;
    std::array<QComboBox*, 3> letters_{}; // group, repeat, delimiter
    std::array<NumberField*, 16> tones_{};
    QComboBox* infoGroup_;
    QComboBox* contactGroup_;
    QLineEdit* alias_;
    QLineEdit* code_;
    int shown_ = 0;
    int shownInfo_ = 0;
    int shownContact_ = 0;
    QString previousAlias_;
    QString previousCode_;
};

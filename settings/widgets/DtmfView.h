#pragma once

#include "DtmfCodeTable.h"
#include "DtmfSettings.h"
#include "FieldBinder.h"
#include "ModelGrid.h"
#include "SettingsPage.h"
#include "TabbedFormView.h"

class QComboBox;

// "Code" page: the DTMF timings, separators, identity, response and stun code, and the table of
// sixteen stored DTMF codes in a grid.
class DtmfCodePage : public SettingsPage {
    Q_OBJECT
public:
    explicit DtmfCodePage(MemoryImage& image, QWidget* parent = nullptr);
    ~DtmfCodePage() override;

    void LoadFromImage() override;
    void SaveToImage() override;

    GridControl* grid() const { return grid_.grid(); }
    const DtmfCodeTable& table() const { return table_; }

private:
    void separatorChosen(DtmfSettings::Separator changed);
    void sideToneExcludesBeep(bool sideToneWins);
    void clearChosenEntries();
    QChar chosenSeparator(QComboBox* list) const;

    FieldBinder binder_;
    DtmfCodeTable table_;
    QComboBox* group_;
    QComboBox* delimiter_;
    ModelGrid grid_;
};

// "PTTID" page: the four PTT identity codes, each with its type and up and down codes.
class PttIdPage : public SettingsPage {
    Q_OBJECT
public:
    explicit PttIdPage(MemoryImage& image, QWidget* parent = nullptr);
    void LoadFromImage() override;
    void SaveToImage() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FieldBinder binder_;
};

// The DTMF form: "Code" and "PTTID" pages.
class DtmfView : public TabbedFormView {
    Q_OBJECT
public:
    explicit DtmfView(MemoryImage& image, QWidget* parent = nullptr);
};

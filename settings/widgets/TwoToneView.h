#pragma once

#include "RecordSwitch.h"
#include "SettingsPage.h"
#include "TabbedFormView.h"

class QTabBar;

// "System" page: the sixteen decoder systems, one inner tab each ("1" to "16") over one set of
// fields; no two decoders of a system share a format other than "Off".
class TwoToneSystemPage : public SettingsPage {
    Q_OBJECT
public:
    explicit TwoToneSystemPage(MemoryImage& image, QWidget* parent = nullptr);

    void LoadFromImage() override { systems_.load(); }
    void SaveToImage() override { systems_.store(); }
    QTabBar* systems() const { return tabs_; }

private:
    void applyFormatExclusivity();

    QTabBar* tabs_;
    RecordArrayBinder systems_;
};

// The 2-Tone form: "System" and "Contact" pages.
class TwoToneView : public TabbedFormView {
    Q_OBJECT
public:
    explicit TwoToneView(MemoryImage& image, QWidget* parent = nullptr);
};

#pragma once

#include "FieldPage.h"
#include "TabbedFormView.h"

// "Option" page: the general radio options at 0xCC18-0xCC2F.
class OptionPage : public FieldPage {
    Q_OBJECT
public:
    explicit OptionPage(MemoryImage& image, QWidget* parent = nullptr);
};

// "TOT" page: the transmit time-out timer.
class TotPage : public FieldPage {
    Q_OBJECT
public:
    explicit TotPage(MemoryImage& image, QWidget* parent = nullptr);
};

// "Key" page: the functions of the programmable keys P1 to P4.
class KeyPage : public FieldPage {
    Q_OBJECT
public:
    explicit KeyPage(MemoryImage& image, QWidget* parent = nullptr);
};

// The basic settings form: "Option", "TOT" and "Key" pages.
class BasicSettingView : public TabbedFormView {
    Q_OBJECT
public:
    explicit BasicSettingView(MemoryImage& image, QWidget* parent = nullptr);
};

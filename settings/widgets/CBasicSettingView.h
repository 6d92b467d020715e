#pragma once

#include "FieldPage.h"
#include "TabbedFormView.h"

// "Option" page: the general radio options at 0xCC18-0xCC2F.
class COptionPage : public FieldPage {
    Q_OBJECT
public:
    explicit COptionPage(MemoryImage& image, QWidget* parent = nullptr);
};

// "TOT" page: the transmit time-out timer.
class CTotPage : public FieldPage {
    Q_OBJECT
public:
    explicit CTotPage(MemoryImage& image, QWidget* parent = nullptr);
};

// "Key" page: the functions of the programmable keys P1 to P4.
class CKeyPage : public FieldPage {
    Q_OBJECT
public:
    explicit CKeyPage(MemoryImage& image, QWidget* parent = nullptr);
};

// The basic settings form: "Option", "TOT" and "Key" pages.
class CBasicSettingView : public TabbedFormView {
    Q_OBJECT
public:
    explicit CBasicSettingView(MemoryImage& image, QWidget* parent = nullptr);
};

#pragma once

#include "CSettingsPage.h"
#include "CTabbedFormView.h"

#include <QStringList>
#include <vector>

class NumberField;
class QComboBox;

// "Option" page: the general radio options at 0xCC18-0xCC2F.
class COptionPage : public CSettingsPage {
    Q_OBJECT
public:
    explicit COptionPage(MemoryImage& image, QWidget* parent = nullptr);
    void LoadFromImage() override;
    void SaveToImage() override;

    enum class Encoding {
        Code,            // the entry's position (bits or a byte)
        CodeOrFirst,     // as Code, a stored code without an entry shows the first entry
        Flag,            // a bit set for any position but the first
        PriorityChannel, // a 16-bit channel number, "Off" for 0, chosen by text
        Hours,           // hours x 10, chosen by text ("%G")
        Level,           // "Off" or the number, chosen by text
    };
    struct ListField {
        const char* label;
        std::uint32_t address;
        int shift;
        int width; // bits; 16 for a 16-bit number
        Encoding encoding;
        QStringList items;
        int fallback; // entry given to a list left without a choice; -1 for none
        bool hidden = false;
    };
    static const std::vector<ListField>& fields();

private:
    void fallbackStep();
    std::vector<QComboBox*> lists_;
    NumberField* scrambler_;
    NumberField* volume_;
};

// "TOT" page: the transmit time-out timer, four clamped numbers with "Off" for 0.
class CTotPage : public CSettingsPage {
    Q_OBJECT
public:
    explicit CTotPage(MemoryImage& image, QWidget* parent = nullptr);
    void LoadFromImage() override;
    void SaveToImage() override;

private:
    std::vector<NumberField*> fields_;
};

// "Key" page: the functions of the programmable keys P1 to P4.
class CKeyPage : public CSettingsPage {
    Q_OBJECT
public:
    explicit CKeyPage(MemoryImage& image, QWidget* parent = nullptr);
    void LoadFromImage() override;
    void SaveToImage() override;
    static const QStringList& functions();

private:
    std::vector<QComboBox*> keys_;
};

// The basic settings form: "Option", "TOT" and "Key" pages.
class CBasicSettingView : public CTabbedFormView {
    Q_OBJECT
public:
    explicit CBasicSettingView(MemoryImage& image, QWidget* parent = nullptr);
};

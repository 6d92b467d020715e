#include "CBasicSettingView.h"

#include "DecimalText.h"
#include "ImageMap.h"
#include "ListHelpers.h"
#include "MemoryImage.h"
#include "NumberField.h"
#include "RecordTemplates.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace ListHelpers;

namespace {

QStringList delays() {
    QStringList list;
    for (int tenths = 0; tenths <= 50; ++tenths)
        list << DecimalText::format(tenths, 1);
    return list;
}

// "Off" and the channels in use of a channel memory, by number.
QStringList channelsInUse(const MemoryImage& image, std::uint32_t bank) {
    QStringList list = {QStringLiteral("Off")};
    const ImageMap::RecordArray channels{bank, ImageMap::kRecordSize, ImageMap::kChannelsPerBank};
    for (int n = 1; n <= channels.count; ++n)
        if (!isEmptyRecord(image.at<32>(channels.number(n))))
            list << QString::number(n);
    return list;
}

// Lays label/control pairs out in two columns.
void addRow(QGridLayout* grid, const QString& label, QWidget* control) {
    const int index = grid->count() / 2;
    auto* text = new QLabel(label);
    text->setBuddy(control);
    grid->addWidget(text, index / 2, (index % 2) * 2);
    grid->addWidget(control, index / 2, (index % 2) * 2 + 1);
}

} // namespace

// --- Option page ----------------------------------------------------------------------------

const std::vector<COptionPage::ListField>& COptionPage::fields() {
    using E = Encoding;
    static const QStringList offOn = {"Off", "On"}, sql = {"Off", "2", "5", "9", "Full"};
    static const std::vector<ListField> table = {
        {"Left Priority Ch", 0xCC18, 0, 16, E::PriorityChannel, {}, 0, true},
        {"Right Priority Ch", 0xCC1A, 0, 16, E::PriorityChannel, {}, 0, true},
        {"SQL(Left)", 0xCC20, 0, 8, E::CodeOrFirst, sql, 0},
        {"Auto power off(h)", 0xCC21, 0, 8, E::Hours, {"Off", "0.5", "1.0", "1.5", "2.0"}, 0},
        {"Backlight Brightness", 0xCC22, 0, 8, E::Level, {"Off", "1", "2", "3", "4"}, 0},
        {"Backlight Color", 0xCC23, 0, 8, E::Code, {"Off", "Blue", "Purple", "Red"}, 0, true},
        {"Beep", 0xCC24, 7, 1, E::Code, offOn, -1},
        {"Key lock", 0xCC24, 6, 1, E::Code, {"Manual", "Auto"}, -1},
        {"PTT lock", 0xCC24, 4, 2, E::Code, {"Off", "Right", "Left", "Both"}, -1},
        {"Hyper Channel", 0xCC24, 1, 1, E::Code, {"Manual", "Auto"}, -1},
        {"Right Function Key", 0xCC24, 0, 1, E::Code, {"Key1", "Key2"}, -1},
        {"TBST Frequency(Hz)", 0xCC25, 6, 2, E::Code, {"1000", "1450", "1750", "2100"}, -1},
        {"ANI Display", 0xCC25, 5, 1, E::Code, offOn, -1},
        {"Selent mode", 0xCC25, 2, 2, E::Code, {"Off", "TX", "RX", "TX/RX"}, -1},
        {"STE", 0xCC25, 0, 2, E::Code, {"Frequency", "120", "180", "240"}, -1, true},
        {"Auto transfer", 0xCC26, 7, 1, E::Flag, offOn, -1},
        {"Auto contact", 0xCC26, 6, 1, E::Flag, {"Connect remind", "Always remind"}, -1},
        {"Auto AM", 0xCC26, 3, 1, E::Code, {"Off", "Auto"}, -1},
        {"AM Function", 0xCC26, 2, 1, E::Code, offOn, -1, true},
        {"Span Transit", 0xCC26, 1, 1, E::Code, offOn, -1, true},
        {"Scan mode", 0xCC27, 2, 1, E::Code, {"MEM", "MSM"}, -1},
        {"Scan resume mode", 0xCC27, 0, 2, E::Code, {"TO", "CO"}, 0},
        {"Span Transit Exit Delay", 0xCC2C, 0, 8, E::CodeOrFirst, delays(), 0},
        {"SQL(Right)", 0xCC2E, 0, 8, E::CodeOrFirst, sql, 0},
    };
    return table;
}

COptionPage::COptionPage(MemoryImage& image, QWidget* parent) : CSettingsPage(image, parent) {
    auto* grid = new QGridLayout;
    for (const ListField& rule : fields()) {
        auto* list = new QComboBox;
        list->setAccessibleName(QString::fromLatin1(rule.label));
        QStringList items = rule.items;
        if (rule.encoding == Encoding::PriorityChannel)
            items = channelsInUse(image, rule.address == ImageMap::kLeftPriorityChannel
                                             ? ImageMap::kBankA
                                             : ImageMap::kBankB);
        list->addItems(items);
        if (rule.hidden) {
            list->setParent(this);
            list->hide();
        } else {
            addRow(grid, QString::fromLatin1(rule.label), list);
        }
        lists_.push_back(list);
    }
    scrambler_ = new NumberField(
        QStringLiteral("Scarmbler(2600 - 4000Hz)"),
        {.minimum = 2600, .maximum = 4000, .fallback = 3300, .arrows = false, .maxLength = 4});
    volume_ = new NumberField(QStringLiteral("Volume"),
                              {.minimum = 1, .maximum = 15, .fallback = 15, .maxLength = 3});
    addRow(grid, scrambler_->accessibleName(), scrambler_);
    addRow(grid, volume_->accessibleName(), volume_);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(grid);
    outer->addStretch();
    LoadFromImage();
}

void COptionPage::fallbackStep() {
    for (std::size_t i = 0; i < lists_.size(); ++i)
        if (fields()[i].fallback >= 0)
            ensureSelection(lists_[i], fields()[i].fallback);
    scrambler_->normalize();
    volume_->normalize();
}

void COptionPage::LoadFromImage() {
    const MemoryImage& img = image();
    for (std::size_t i = 0; i < lists_.size(); ++i) {
        const ListField& rule = fields()[i];
        QComboBox* list = lists_[i];
        const int stored = rule.width == 16 ? img.word(rule.address)
                                            : img.bits(rule.address, rule.shift, rule.width);
        switch (rule.encoding) {
        case Encoding::PriorityChannel:
            selectCode(list, 0);
            selectByText(list, QString::number(stored));
            break;
        case Encoding::CodeOrFirst:
            selectCode(list, stored < list->count() ? stored : 0);
            break;
        case Encoding::Hours:
            selectByText(list, stored == 0 ? QStringLiteral("Off")
                                           : QString::number(stored * 0.1, 'g', 6));
            break;
        case Encoding::Level:
            selectByText(list, stored == 0 ? QStringLiteral("Off") : QString::number(stored));
            break;
        case Encoding::Code:
        case Encoding::Flag:
            selectCode(list, stored);
            break;
        }
    }
    scrambler_->setNumber(img.word(ImageMap::kScramblerFrequency));
    volume_->setNumber(img.byte(0xCC2F));
    fallbackStep();
}

void COptionPage::SaveToImage() {
    fallbackStep();
    MemoryImage& img = image();
    for (std::size_t i = 0; i < lists_.size(); ++i) {
        const ListField& rule = fields()[i];
        const QComboBox* list = lists_[i];
        const int position = std::max(0, list->currentIndex());
        int value = position;
        switch (rule.encoding) {
        case Encoding::PriorityChannel:
        case Encoding::Level:
            value = chosenNumber(list);
            break;
        case Encoding::Hours:
            value = int(DecimalText::scaled(list->currentText(), 1));
            break;
        case Encoding::Flag:
            value = position != 0 ? 1 : 0;
            break;
        case Encoding::Code:
        case Encoding::CodeOrFirst:
            break;
        }
        if (rule.width == 16)
            img.setWord(rule.address, std::uint16_t(value));
        else
            img.setBits(rule.address, rule.shift, rule.width, value);
    }
    img.setWord(ImageMap::kScramblerFrequency, std::uint16_t(scrambler_->number()));
    img.setByte(0xCC2F, std::uint8_t(volume_->number()));
}

// --- TOT page -------------------------------------------------------------------------------

namespace {
struct TotField {
    const char* label;
    std::uint32_t address;
    int maximum;
};
constexpr TotField kTotFields[] = {{"TOT (min)", 0xCC30, 30},
                                   {"TOT pre-alert (s)", 0xCC31, 15},
                                   {"TOT rekey (s)", 0xCC32, 30},
                                   {"TOT reset (s)", 0xCC33, 30}};
} // namespace

CTotPage::CTotPage(MemoryImage& image, QWidget* parent) : CSettingsPage(image, parent) {
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    for (const TotField& t : kTotFields) {
        auto* field =
            new NumberField(QString::fromLatin1(t.label), {.minimum = 0,
                                                           .maximum = t.maximum,
                                                           .clamp = true,
                                                           .zeroText = QStringLiteral("Off"),
                                                           .spinLowText = QStringLiteral("Off"),
                                                           .maxLength = 2});
        form->addRow(QString::fromLatin1(t.label), field);
        fields_.push_back(field);
    }
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(form);
    outer->addStretch();
    LoadFromImage();
}

void CTotPage::LoadFromImage() {
    for (std::size_t i = 0; i < fields_.size(); ++i)
        fields_[i]->setNumber(image().byte(kTotFields[i].address));
}

void CTotPage::SaveToImage() {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        fields_[i]->normalize();
        image().setByte(kTotFields[i].address, std::uint8_t(fields_[i]->number()));
    }
}

// --- Key page -------------------------------------------------------------------------------

namespace {
struct KeyField {
    const char* label;
    std::uint32_t address;
    int defaultCode;
};
constexpr KeyField kKeys[] = {
    {"P1", 0xCC38, 11}, {"P2", 0xCC39, 12}, {"P3", 0xCC3A, 7}, {"P4", 0xCC3B, 6}};
} // namespace

const QStringList& CKeyPage::functions() {
    static const QStringList list = {"Off",  "SCAN", "SQL.OFF", "TCALL", "PPTR", "PRI",   "LOW",
                                     "TONE", "MHz",  "REV",     "HOME",  "BAND", "VFO/MR"};
    return list;
}

CKeyPage::CKeyPage(MemoryImage& image, QWidget* parent) : CSettingsPage(image, parent) {
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    for (const KeyField& k : kKeys) {
        auto* list = new QComboBox;
        list->setAccessibleName(QString::fromLatin1(k.label));
        list->addItems(functions());
        form->addRow(QString::fromLatin1(k.label), list);
        keys_.push_back(list);
    }
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(form);
    outer->addStretch();
    LoadFromImage();
}

void CKeyPage::LoadFromImage() {
    for (std::size_t i = 0; i < keys_.size(); ++i) {
        int code = image().byte(kKeys[i].address);
        if (code >= functions().size())
            code = kKeys[i].defaultCode;
        selectByText(keys_[i], functions()[code]);
    }
}

void CKeyPage::SaveToImage() {
    for (std::size_t i = 0; i < keys_.size(); ++i) {
        const int code = functions().indexOf(keys_[i]->currentText());
        image().setByte(kKeys[i].address, std::uint8_t(code >= 0 ? code : kKeys[i].defaultCode));
    }
}

// --- The form -------------------------------------------------------------------------------

CBasicSettingView::CBasicSettingView(MemoryImage& image, QWidget* parent)
    : CTabbedFormView(image, parent) {
    setWindowTitle(QStringLiteral("Basic setting"));
    setNoTabHelpContext(32789);
    addPage(new COptionPage(image), QStringLiteral("Option"), 151);
    addPage(new CTotPage(image), QStringLiteral("TOT"), 146);
    addPage(new CKeyPage(image), QStringLiteral("Key"), 175);
    tabs()->setCurrentIndex(0);
}

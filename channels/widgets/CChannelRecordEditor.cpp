#include "CChannelRecordEditor.h"

#include "BandState.h"
#include "Bcd.h"
#include "ChannelEditRules.h"
#include "ChannelRules.h"
#include "CharFilterValidator.h"
#include "FieldGrid.h"
#include "FormTeardown.h"
#include "ListHelpers.h"
#include "MemoryImage.h"
#include "Tones.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

using ListHelpers::Match;
using ListHelpers::selectByText;
using ListHelpers::selectCode;

namespace {

QStringList numbers(int first, int last) {
    QStringList list;
    for (int i = first; i <= last; ++i)
        list << QString::number(i);
    return list;
}

void setFilter(QLineEdit* edit, CharSet set, bool upperCase = false) {
    edit->setValidator(
        new CharFilterValidator([set](QChar c) { return accepts(set, c); }, upperCase, edit));
}

} // namespace

CChannelRecordEditor::CChannelRecordEditor(MemoryImage& image, BandState& bands, RecordUse use,
                                           int firstRow, QWidget* parent)
    : QWidget(parent), image_(image), bands_(bands), use_(use), grid_(new QGridLayout(this)) {
    grid_->setContentsMargins(0, 0, 0, 0);
    grid_->setColumnStretch(1, 1);
    grid_->setColumnStretch(3, 1);
    grid_->setColumnMinimumWidth(2, 12);
    fields_ = std::make_unique<FieldGrid>(this, grid_, 2, firstRow);

    rx_ = addEdit(QStringLiteral("Rx frequency(MHz)"), 9, CharSet::Frequency);
    tx_ = addEdit(QStringLiteral("Tx frequency(MHz)"), 9, CharSet::Frequency);
    name_ = addEdit(QStringLiteral("Name"), 6, CharSet::Name);
    setFilter(name_, CharSet::Name, true);
    ctcss_ = addList(QStringLiteral("CTCSS tone"), Ctcss::toneList());
    dcs_ = addList(QStringLiteral("DCS code"), Dcs::codeList());
    for (auto [box, length, set] :
         {std::tuple{ctcss_, 5, CharSet::Tone}, {dcs_, 3, CharSet::Dcs}}) {
        box->setEditable(true);
        box->setCompleter(nullptr);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->lineEdit()->setMaxLength(length);
        setFilter(box->lineEdit(), set);
    }
    auto list = [this](const char* label, OptionTable table, ChannelField field) {
        QComboBox* box = addList(QString::fromLatin1(label), options(table));
        lists_.push_back({box, field});
        return box;
    };
    list("DCS polarity", OptionTable::DcsPolarity, ChannelField::DcsPolarity);
    decodeType_ = list("Decode type", OptionTable::DecodeType, ChannelField::DecodeType);
    signaling_ =
        list("Option signaling", OptionTable::OptionSignaling, ChannelField::OptionSignaling);
    signalingDecode_ = addList(QStringLiteral("Siganling decode"), numbers(1, 16));
    pttId_ = list("PTT ID", OptionTable::PttId, ChannelField::PttId);
    sqlMode_ = addList(QStringLiteral("SQL mode"), {});
    list("Tx stop", OptionTable::OnOff, ChannelField::TxStop);
    list("Bandwidth", OptionTable::Bandwidth, ChannelField::Bandwidth);
    list("Scan", OptionTable::Scan, ChannelField::Scan);
    txPower_ = list("Tx power", OptionTable::TxPower, ChannelField::TxPower);
    list("Busy lock", OptionTable::BusyLock, ChannelField::BusyLock);
    list("Display type", OptionTable::DisplayType, ChannelField::DisplayType);
    step_ = addList(QStringLiteral("Frequency step"), options(OptionTable::FrequencyStep));
    offsetDirection_ =
        addList(QStringLiteral("Offset direction"), options(OptionTable::OffsetDirection));
    offset_ = addEdit(QStringLiteral("Offset freq(MHz)"), 8, CharSet::Frequency);

    auto check = [this](const char* label, ChannelField field) {
        QCheckBox* box = addCheck(QString::fromLatin1(label));
        checks_.push_back({box, field});
        return box;
    };
    check("Reverse backup", ChannelField::ReverseBackup);
    check("Emphasis", ChannelField::Emphasis);
    check("Compander", ChannelField::Compander);
    check("Scrambler", ChannelField::Scrambler);
    reverse_ = check("Reverse", ChannelField::Reverse);
    talkAround_ = check("Talk around", ChannelField::TalkAround);
    check("Beat shift", ChannelField::BeatShift);
    check("AM", ChannelField::Am);

    connect(rx_, &QLineEdit::editingFinished, this, &CChannelRecordEditor::enterRx);
    connect(tx_, &QLineEdit::editingFinished, this, &CChannelRecordEditor::enterTx);
    connect(offset_, &QLineEdit::editingFinished, this,
            [this] { offset_->setText(ChannelEditRules::normalizeOffset(offset_->text())); });
    connect(ctcss_->lineEdit(), &QLineEdit::editingFinished, this,
            [this] { ctcss_->setEditText(Ctcss::normalize(ctcss_->currentText())); });
    connect(dcs_->lineEdit(), &QLineEdit::editingFinished, this,
            [this] { dcs_->setEditText(Dcs::normalize(dcs_->currentText())); });
    for (QComboBox* box : {decodeType_, signaling_})
        connect(box, &QComboBox::currentIndexChanged, this, [this] {
            if (!loading_)
                rebuildSqlModes(sqlMode_->currentText());
        });
    connect(signaling_, &QComboBox::currentIndexChanged, this,
            &CChannelRecordEditor::updateEnabling);
    connect(offsetDirection_, &QComboBox::currentIndexChanged, this,
            &CChannelRecordEditor::updateEnabling);
    connect(reverse_, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            talkAround_->setChecked(false);
    });
    connect(talkAround_, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            reverse_->setChecked(false);
    });
    for (QLineEdit* e : findChildren<QLineEdit*>())
        connect(e, &QLineEdit::textEdited, this, &CChannelRecordEditor::edited);
    for (QComboBox* b : findChildren<QComboBox*>())
        connect(b, &QComboBox::activated, this, &CChannelRecordEditor::edited);
    for (QCheckBox* c : findChildren<QCheckBox*>())
        connect(c, &QCheckBox::clicked, this, &CChannelRecordEditor::edited);
}

CChannelRecordEditor::~CChannelRecordEditor() {
    disconnectChildrenFrom(this);
}

Record CChannelRecordEditor::record() const {
    return image_.at<32>(address_);
}

// --- Building -------------------------------------------------------------------------------

// Each form's own texts for a few of the controls.
QString CChannelRecordEditor::labelFor(const QString& label) const {
    static const std::pair<const char*, const char*> vfo[] = {
        {"Rx frequency(MHz)", "Rx frequency (MHz)"},
        {"Tx frequency(MHz)", "Tx frequency (MHz)"},
        {"Decode type", "Deocde type"},
        {"Busy lock", "Busy lcok"}};
    if (use_ != RecordUse::Channel && label == QLatin1String("Decode type"))
        return QStringLiteral("Deocde type");
    if (use_ == RecordUse::Vfo)
        for (auto [base, own] : vfo)
            if (label == QLatin1String(base))
                return QString::fromLatin1(own);
    return label;
}

// The controls each form has but never shows (they are still loaded and stored).
bool CChannelRecordEditor::hiddenHere(const QString& label) const {
    static const QStringList channel = {"Tx stop", "Reverse backup", "Frequency step",
                                        "Offset direction", "Offset freq(MHz)"};
    static const QStringList vfo = {"Tx frequency(MHz)", "Name",          "Tx stop", "Scan",
                                    "Display type",      "Reverse backup"};
    return (use_ == RecordUse::Vfo ? vfo : channel).contains(label);
}

void CChannelRecordEditor::place(const QString& text, QWidget* control) {
    const QString label = labelFor(text);
    const bool hidden = hiddenHere(text);
    control->setAccessibleName(label);
    controls_.push_back(control);
    if (hidden)
        fields_->addHidden(control);
    else if (qobject_cast<QCheckBox*>(control))
        fields_->add(control);
    else
        fields_->add(label, control);
}

QLineEdit* CChannelRecordEditor::addEdit(const QString& label, int maxLength, CharSet set) {
    auto* edit = new QLineEdit;
    edit->setMaxLength(maxLength);
    setFilter(edit, set);
    place(label, edit);
    return edit;
}

QComboBox* CChannelRecordEditor::addList(const QString& label, const QStringList& items) {
    auto* box = new QComboBox;
    box->addItems(items);
    box->setCurrentIndex(-1);
    place(label, box);
    return box;
}

QCheckBox* CChannelRecordEditor::addCheck(const QString& label) {
    // The hidden backup flag carries the label "Reverse" on the radio's own form.
    auto* box = new QCheckBox(label == "Reverse backup" ? QStringLiteral("Reverse") : label);
    place(label, box);
    return box;
}

// --- Loading and storing --------------------------------------------------------------------

// The record's own controls only: rows an owner put above them (a channel number) stay usable.
void CChannelRecordEditor::setEditable(bool on) {
    for (QWidget* w : controls_)
        if (w != rx_)
            w->setEnabled(on);
    if (on)
        updateEnabling();
}

void CChannelRecordEditor::clearControls() {
    for (QLineEdit* e : {rx_, tx_, name_, offset_})
        e->clear();
    for (QCheckBox* c : findChildren<QCheckBox*>())
        c->setChecked(false);
    for (QComboBox* b : findChildren<QComboBox*>())
        b->setCurrentIndex(-1);
    ctcss_->setEditText({});
    dcs_->setEditText({});
}

QStringList CChannelRecordEditor::stepsFor(const QString& rx) const {
    const Frequency f = FrequencyText::toValue(rx);
    return use_ == RecordUse::ScanEdge ? ChannelEditRules::scanStepsFor(f, bands_)
                                       : ChannelEditRules::stepsFor(f, bands_);
}

void CChannelRecordEditor::rebuildSteps() {
    const QString previous = step_->currentText();
    step_->clear();
    step_->addItems(stepsFor(rx_->text()));
    selectByText(step_, previous, Match::Exact);
    if (step_->currentIndex() < 0)
        selectByText(step_, QStringLiteral("12.5"), Match::Exact);
}

// The modes decode type and option signaling allow; `wanted` stays chosen when allowed.
void CChannelRecordEditor::rebuildSqlModes(const QString& wanted) {
    sqlMode_->clear();
    sqlMode_->addItems(
        ChannelEditRules::sqlModes(decodeType_->currentIndex(), signaling_->currentIndex()));
    selectByText(sqlMode_, wanted, Match::Exact);
    if (sqlMode_->currentIndex() < 0)
        sqlMode_->setCurrentIndex(0);
}

void CChannelRecordEditor::updateEnabling() {
    if (!rx_->text().isEmpty()) {
        offset_->setEnabled(offsetDirection_->currentIndex() > 0);
        signalingDecode_->setEnabled(signaling_->currentText() == QLatin1String("2 Tone"));
    }
}

// Lists left without a choice take their defaults; the offset is normalized.
void CChannelRecordEditor::fillDefaults() {
    for (QComboBox* box : findChildren<QComboBox*>()) {
        if (box->currentIndex() >= 0 || box == ctcss_ || box == dcs_ || box->count() == 0)
            continue;
        if (box == txPower_)
            selectByText(box, QStringLiteral("High"), Match::Exact);
        else if (box == step_)
            box->setCurrentIndex(std::min(6, box->count() - 1));
        else
            box->setCurrentIndex(0);
    }
    offset_->setText(ChannelEditRules::normalizeOffset(offset_->text()));
}

void CChannelRecordEditor::loadFields(ConstRecord r) {
    using namespace ChannelRecord;
    loading_ = true;
    // A scan edge's offset is only read, when its direction is worked out on store.
    if (use_ != RecordUse::ScanEdge)
        offset_->setText(r[19] == 0xFF ? QString() : FrequencyText::fromValue(offset(r)));
    // Only a VFO record edits its direction; 3 (Tx set explicitly) shows "Off".
    if (use_ == RecordUse::Vfo) {
        const int direction = code(r, ChannelField::OffsetDirection);
        selectCode(offsetDirection_, direction == 3 ? 0 : direction);
    }
    ctcss_->setEditText(ctcssText(r));
    dcs_->setEditText(dcsText(r));
    for (const ListField& l : lists_)
        selectCode(l.box, code(r, l.field));
    for (QComboBox* box : {signaling_, pttId_})
        if (box->currentIndex() < 0)
            box->setCurrentIndex(0);
    selectCode(signalingDecode_, code(r, ChannelField::SignalingDecode));
    selectByText(step_, frequencyStepText(code(r, ChannelField::FrequencyStep)), Match::Exact);
    for (const CheckField& c : checks_)
        c.box->setChecked(code(r, c.field) == 1);
    name_->setText(name(r));
    rebuildSqlModes(sqlModeText(code(r, ChannelField::SqlMode)));
    loading_ = false;
    fillDefaults();
    if (reverse_->isChecked())
        talkAround_->setChecked(false);
    updateEnabling();
}

void CChannelRecordEditor::load(std::uint32_t address, int number) {
    address_ = address;
    number_ = number;
    const ConstRecord r = record();
    if (use_ == RecordUse::Vfo) {
        loadVfo(r);
    } else if (isEmptyRecord(r)) {
        clearControls();
        setEditable(false);
    } else {
        setEditable(true);
        rx_->setText(FrequencyText::fromValue(ChannelRecord::rxFrequency(r)));
        rebuildSteps();
        tx_->setText(ChannelRecord::txIsSet(r)
                         ? FrequencyText::fromValue(ChannelRecord::txFrequency(r))
                         : QString());
        loadFields(r);
    }
    previousRx_ = rx_->text();
    previousTx_ = tx_->text();
}

// A VFO record is never empty: an empty or out-of-band frequency shows the record's lower limit.
void CChannelRecordEditor::loadVfo(ConstRecord r) {
    setEditable(true);
    rx_->setText(isEmptyRecord(r) ? QString()
                                  : FrequencyText::fromValue(ChannelRecord::rxFrequency(r)));
    rebuildSteps();
    tx_->setText(ChannelRecord::txIsSet(r) ? FrequencyText::fromValue(ChannelRecord::txFrequency(r))
                                           : QString());
    loadFields(r);
    normalizeVfoFrequencies();
}

void CChannelRecordEditor::normalizeVfoFrequencies() {
    rx_->setText(ChannelEditRules::enterVfoFrequency(number_, rx_->text(), bands_));
    tx_->setText(ChannelEditRules::enterVfoFrequency(number_, tx_->text(), bands_));
    rebuildSteps();
}

void CChannelRecordEditor::store() {
    fillDefaults();
    if (use_ == RecordUse::Vfo)
        normalizeVfoFrequencies();
    const Record r = record();
    if (rx_->text().isEmpty()) {
        writeInitialRecord(r, 0, bands_.nine); // cleared: Rx FF FF FF FF
        return;
    }
    using namespace ChannelRecord;
    const Frequency rx = FrequencyText::toValue(rx_->text());
    const Frequency tx = FrequencyText::toValue(tx_->text()); // 0 when empty
    setRxFrequency(r, rx);
    if (tx_->text().isEmpty())
        std::fill(r.begin() + 4, r.begin() + 8, 0xFF);
    else
        setTxFrequency(r, tx);
    setCtcss(r, ctcss_->currentText());
    setDcs(r, dcs_->currentText());
    if (use_ == RecordUse::ScanEdge) {
        // A scan edge's direction follows Rx, Tx and the stored offset; 3 (Tx set) stays.
        const int stored = code(r, ChannelField::OffsetDirection);
        if (stored != 3)
            setCode(r, ChannelField::OffsetDirection,
                    ChannelRules::offsetDirection(rx, tx, stored, offset(r)));
    } else if (offset_->text().isEmpty()) {
        std::fill(r.begin() + 16, r.begin() + 20, 0xFF);
    } else {
        Bcd::write32(r.subspan<16, 4>(), FrequencyText::toValue(offset_->text()));
    }
    if (use_ == RecordUse::Vfo) {
        // Tx follows Rx, the direction and the offset; leaving Rx's band turns the offset off.
        int direction = std::max(0, offsetDirection_->currentIndex());
        setTxFrequency(r, ChannelEditRules::vfoTx(rx, direction, offset(r), bands_));
        setCode(r, ChannelField::OffsetDirection, direction);
    }
    for (const ListField& l : lists_)
        setCode(r, l.field, std::max(0, l.box->currentIndex()));
    for (const CheckField& c : checks_)
        setCode(r, c.field, c.box->isChecked() ? 1 : 0);
    setCode(r, ChannelField::SqlMode, sqlModeCode(sqlMode_->currentText()));
    setCode(r, ChannelField::FrequencyStep, frequencyStepCode(step_->currentText()));
    setCode(r, ChannelField::SignalingDecode,
            std::max(0, signalingDecode_->currentText().toInt() - 1));
    r[20] &= 0xDF; // bit 5 of +20 is not a field: the store writes it as 0
    setName(r, name_->text());
}

// --- Entries --------------------------------------------------------------------------------

void CChannelRecordEditor::enterRx() {
    if (use_ == RecordUse::Vfo) {
        rx_->setText(ChannelEditRules::enterVfoFrequency(number_, rx_->text(), bands_));
        rebuildSteps();
        previousRx_ = rx_->text();
        return;
    }
    const bool firstChannel = use_ == RecordUse::Channel && number_ == 1;
    const auto entry = use_ == RecordUse::ScanEdge
                           ? ChannelEditRules::enterScanRx(rx_->text(), previousRx_, bands_)
                           : ChannelEditRules::enterRx(number_, rx_->text(), previousRx_, bands_);
    if (!entry.changed)
        return;
    if (!firstChannel && entry.text.isEmpty()) {
        clearControls();
        setEditable(false);
        previousRx_.clear();
        return;
    }
    setEditable(true);
    rx_->setText(entry.text);
    rebuildSteps();
    if (!firstChannel && previousRx_.isEmpty()) {
        // A new record is written at once and its other fields come from it.
        tx_->setText(entry.text);
        writeInitialRecord(record(), FrequencyText::toValue(entry.text), bands_.nine);
        loadFields(record());
        previousTx_ = tx_->text();
    } else if (use_ == RecordUse::ScanEdge && tx_->text().isEmpty()) {
        tx_->setText(entry.text);
    }
    previousRx_ = rx_->text();
}

void CChannelRecordEditor::enterTx() {
    if (use_ == RecordUse::Vfo) {
        tx_->setText(ChannelEditRules::enterVfoFrequency(number_, tx_->text(), bands_));
        return;
    }
    if (rx_->text().isEmpty())
        return;
    const auto entry =
        use_ == RecordUse::ScanEdge
            ? ChannelEditRules::enterScanTx(tx_->text(), previousTx_, rx_->text(), bands_)
            : ChannelEditRules::enterTx(number_, tx_->text(), previousTx_, bands_);
    if (!entry.changed)
        return;
    tx_->setText(entry.text);
    previousTx_ = tx_->text();
}

bool CChannelRecordEditor::focusNextPrevChild(bool next) {
    if (next && rx_->hasFocus())
        enterRx();
    return QWidget::focusNextPrevChild(next);
}

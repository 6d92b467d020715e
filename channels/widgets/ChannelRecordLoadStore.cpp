// The record editor's loading and storing: a record shown in the controls as it is stored,
// and the controls' values stored back through the channel rules.
#include "ChannelRecordEditor.h"

#include "BandState.h"
#include "Bcd.h"
#include "ChannelEditRules.h"
#include "ChannelRules.h"
#include "CharFilterValidator.h"
#include "ListHelpers.h"
#include "MemoryImage.h"
#include "Tones.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

using ListHelpers::itemsOf;
using ListHelpers::Match;
using ListHelpers::selectByText;
using ListHelpers::selectCode;

// --- Loading and storing --------------------------------------------------------------------

// The record's own controls only: rows an owner put above them (a channel number) stay usable.
void ChannelRecordEditor::setEditable(bool on) {
    for (QWidget* w : controls_)
        if (w != rx_)
            w->setEnabled(on);
    if (on)
        updateEnabling();
}

void ChannelRecordEditor::clearControls() {
    for (QLineEdit* e : {rx_, tx_, name_, offset_})
        e->clear();
    for (QCheckBox* c : findChildren<QCheckBox*>())
        c->setChecked(false);
    for (QComboBox* b : findChildren<QComboBox*>())
        b->setCurrentIndex(-1);
    ctcss_->setEditText({});
    dcs_->setEditText({});
}

QStringList ChannelRecordEditor::stepsFor(const QString& rx) const {
    const Frequency f = FrequencyText::toValue(rx);
    return use_ == RecordUse::ScanEdge ? ChannelEditRules::scanStepsFor(f, bands_)
                                       : ChannelEditRules::stepsFor(f, bands_);
}

void ChannelRecordEditor::rebuildSteps() {
    const QString previous = ListHelpers::currentEntry(step_);
    step_->clear();
    ListHelpers::addEntries(step_, stepsFor(rx_->text()));
    selectByText(step_, previous, Match::Exact);
    if (step_->currentIndex() < 0)
        selectByText(step_, QStringLiteral("12.5"), Match::Exact);
}

// The modes decode type and option signaling allow; `wanted` stays chosen when allowed.
void ChannelRecordEditor::rebuildSqlModes(const QString& wanted) {
    sqlMode_->clear();
    ListHelpers::addEntries(sqlMode_, ChannelEditRules::sqlModes(decodeType_->currentIndex(),
                                                                 signaling_->currentIndex()));
    selectByText(sqlMode_, wanted, Match::Exact);
    if (sqlMode_->currentIndex() < 0)
        sqlMode_->setCurrentIndex(0);
}

void ChannelRecordEditor::updateEnabling() {
    if (!rx_->text().isEmpty()) {
        offset_->setEnabled(offsetDirection_->currentIndex() > 0);
        signalingDecode_->setEnabled(ListHelpers::currentEntry(signaling_) ==
                                     QLatin1String("2 Tone"));
    }
}

// Lists left without a choice take their defaults; the offset is normalized.
void ChannelRecordEditor::fillDefaults() {
    for (auto [box, field] : choices_)
        if (box->currentIndex() < 0 && box->count() > 0)
            selectByText(box, RecordFields::listFallback(*field, itemsOf(box)), Match::Exact);
    offset_->setText(ChannelEditRules::normalizeOffset(offset_->text()));
}

void ChannelRecordEditor::loadFields(ConstRecord r) {
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
    showStoredText(name_, name(r));
    rebuildSqlModes(sqlModeText(code(r, ChannelField::SqlMode)));
    loading_ = false;
    fillDefaults();
    if (reverse_->isChecked())
        talkAround_->setChecked(false);
    updateEnabling();
}

void ChannelRecordEditor::load(std::uint32_t address, int number) {
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
void ChannelRecordEditor::loadVfo(ConstRecord r) {
    setEditable(true);
    rx_->setText(isEmptyRecord(r) ? QString()
                                  : FrequencyText::fromValue(ChannelRecord::rxFrequency(r)));
    rebuildSteps();
    tx_->setText(ChannelRecord::txIsSet(r) ? FrequencyText::fromValue(ChannelRecord::txFrequency(r))
                                           : QString());
    loadFields(r);
    normalizeVfoFrequencies();
}

void ChannelRecordEditor::normalizeVfoFrequencies() {
    rx_->setText(ChannelEditRules::enterVfoFrequency(number_, rx_->text(), bands_));
    tx_->setText(ChannelEditRules::enterVfoFrequency(number_, tx_->text(), bands_));
    rebuildSteps();
}

void ChannelRecordEditor::store() {
    enterPending();
    fillDefaults();
    if (use_ == RecordUse::Vfo)
        normalizeVfoFrequencies();
    const Record r = record();
    if (rx_->text().isEmpty()) {
        // Cleared: Rx FF FF FF FF. A record that was empty already stays as it is.
        if (!isEmptyRecord(r))
            writeInitialRecord(r, 0, bands_.nine);
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
    setCode(r, ChannelField::SqlMode, sqlModeCode(ListHelpers::currentEntry(sqlMode_)));
    setCode(r, ChannelField::FrequencyStep, frequencyStepCode(ListHelpers::currentEntry(step_)));
    setCode(r, ChannelField::SignalingDecode,
            std::max(0, ListHelpers::currentEntry(signalingDecode_).toInt() - 1));
    r[20] &= 0xDF; // bit 5 of +20 is not a field: the store writes it as 0
    setName(r, name_->text());
}

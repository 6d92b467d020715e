// The record editor's entries: what leaving the Rx and Tx fields enters, as the channel
// rules give it.
#include "ChannelRecordEditor.h"

#include "BandState.h"
#include "ChannelEditRules.h"
#include "ChannelRules.h"
#include "Tones.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>

// Each edit field and what leaving it does.
std::vector<ChannelRecordEditor::Entry> ChannelRecordEditor::entries() {
    return {
        {rx_, [this] { enterRx(); }},
        {tx_, [this] { enterTx(); }},
        {offset_, [this] { offset_->setText(ChannelEditRules::normalizeOffset(offset_->text())); }},
        {ctcss_->lineEdit(),
         [this] { ctcss_->setEditText(Ctcss::normalize(ctcss_->currentText())); }},
        {dcs_->lineEdit(), [this] { dcs_->setEditText(Dcs::normalize(dcs_->currentText())); }},
    };
}

// A value still being typed is entered as leaving its field would enter it.
void ChannelRecordEditor::enterPending() {
    for (const Entry& e : entries())
        if (e.field->isModified()) {
            e.rule();
            e.field->setModified(false);
        }
}

// The texts the entry rules fall back on are taken when the field gets the focus: Tx always,
// Rx on a scan edge.
bool ChannelRecordEditor::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (watched == tx_)
            previousTx_ = tx_->text();
        else if (watched == rx_ && use_ == RecordUse::ScanEdge)
            previousRx_ = rx_->text();
    }
    return QWidget::eventFilter(watched, event);
}

void ChannelRecordEditor::enterRx() {
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

void ChannelRecordEditor::enterTx() {
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

bool ChannelRecordEditor::focusNextPrevChild(bool next) {
    if (next && rx_->hasFocus())
        enterRx();
    return QWidget::focusNextPrevChild(next);
}

#include "ChannelRecordEditor.h"

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
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

using ListHelpers::itemsOf;
using ListHelpers::Match;
using ListHelpers::selectByText;
using ListHelpers::selectCode;

ChannelRecordEditor::ChannelRecordEditor(MemoryImage& image, BandState& bands, RecordUse use,
                                         int firstRow, QWidget* parent)
    : QWidget(parent), image_(image), bands_(bands), use_(use), grid_(new QGridLayout(this)) {
    grid_->setContentsMargins(0, 0, 0, 0);
    grid_->setColumnStretch(1, 1);
    grid_->setColumnStretch(3, 1);
    grid_->setColumnMinimumWidth(2, 12);
    fields_ = std::make_unique<FieldGrid>(this, grid_, 2, firstRow);

    for (const RecordFields::Field& f : RecordFields::fields())
        addControl(f);
    for (QComboBox* box : {ctcss_, dcs_}) {
        box->setCompleter(nullptr);
        box->setInsertPolicy(QComboBox::NoInsert);
    }

    for (const Entry& e : entries())
        connect(e.field, &QLineEdit::editingFinished, this, e.rule);
    rx_->installEventFilter(this);
    tx_->installEventFilter(this);
    for (QComboBox* box : {decodeType_, signaling_})
        connect(box, &QComboBox::currentIndexChanged, this, [this] {
            if (!loading_)
                rebuildSqlModes(sqlMode_->currentText());
        });
    connect(signaling_, &QComboBox::currentIndexChanged, this,
            &ChannelRecordEditor::updateEnabling);
    connect(offsetDirection_, &QComboBox::currentIndexChanged, this,
            &ChannelRecordEditor::updateEnabling);
    // The user's click decides, not a load: a record with both bits loads as load step 6 says.
    connect(reverse_, &QCheckBox::clicked, this, [this](bool on) {
        if (on)
            talkAround_->setChecked(false);
    });
    connect(talkAround_, &QCheckBox::clicked, this, [this](bool on) {
        if (on)
            reverse_->setChecked(false);
    });
    for (QLineEdit* e : findChildren<QLineEdit*>())
        connect(e, &QLineEdit::textEdited, this, &ChannelRecordEditor::edited);
    for (QComboBox* b : findChildren<QComboBox*>())
        connect(b, &QComboBox::activated, this, &ChannelRecordEditor::edited);
    for (QCheckBox* c : findChildren<QCheckBox*>())
        connect(c, &QCheckBox::clicked, this, &ChannelRecordEditor::edited);
}

ChannelRecordEditor::~ChannelRecordEditor() {
    disconnectChildrenFrom(this);
}

Record ChannelRecordEditor::record() const {
    return image_.at<32>(address_);
}

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

// --- Building -------------------------------------------------------------------------------

// One control for a field of the record; the controls the rules work on are kept by name.
void ChannelRecordEditor::addControl(const RecordFields::Field& f) {
    using K = RecordFields::Kind;
    switch (f.kind) {
    case K::Rx:
        rx_ = addEdit(f);
        break;
    case K::Tx:
        tx_ = addEdit(f);
        break;
    case K::Name:
        name_ = addEdit(f);
        break;
    case K::Offset:
        offset_ = addEdit(f);
        break;
    case K::Ctcss:
        ctcss_ = addList(f, Ctcss::toneList());
        makeEditable(ctcss_, f);
        break;
    case K::Dcs:
        dcs_ = addList(f, Dcs::codeList());
        makeEditable(dcs_, f);
        break;
    case K::SignalingDecode:
        signalingDecode_ = addList(f, ListHelpers::numberItems(1, 16));
        break;
    case K::SqlMode:
        sqlMode_ = addList(f, {});
        break;
    case K::Step:
        step_ = addList(f, options(OptionTable::FrequencyStep));
        break;
    case K::OffsetDirection:
        offsetDirection_ = addList(f, options(f.table));
        break;
    case K::List: {
        QComboBox* box = addList(f, options(f.table));
        lists_.push_back({box, f.field});
        for (auto [field, member] : {std::pair{ChannelField::DecodeType, &decodeType_},
                                     {ChannelField::OptionSignaling, &signaling_},
                                     {ChannelField::PttId, &pttId_},
                                     {ChannelField::TxPower, &txPower_}})
            if (f.field == field)
                *member = box;
        break;
    }
    case K::Check: {
        // The hidden backup flag carries the label "Reverse" on the radio's own form.
        auto* box =
            new QCheckBox(f.field == ChannelField::ReverseBackup ? QStringLiteral("Reverse")
                                                                 : QString::fromLatin1(f.label));
        place(f, box);
        checks_.push_back({box, f.field});
        if (f.field == ChannelField::Reverse)
            reverse_ = box;
        if (f.field == ChannelField::TalkAround)
            talkAround_ = box;
        break;
    }
    }
}

void ChannelRecordEditor::place(const RecordFields::Field& f, QWidget* control) {
    const QString label = RecordFields::label(f, use_);
    control->setAccessibleName(label);
    controls_.push_back(control);
    if (RecordFields::hidden(f, use_))
        fields_->addHidden(control);
    else if (qobject_cast<QCheckBox*>(control))
        fields_->add(control);
    else
        fields_->add(label, control);
}

// A text field's length and characters come from its description.
void ChannelRecordEditor::limitText(QLineEdit* edit, const RecordFields::Field& f) {
    edit->setMaxLength(f.maxLength);
    const CharSet set = *f.chars;
    edit->setValidator(
        new CharFilterValidator([set](QChar c) { return accepts(set, c); }, f.upperCase, edit));
}

QLineEdit* ChannelRecordEditor::addEdit(const RecordFields::Field& f) {
    auto* edit = new QLineEdit;
    limitText(edit, f);
    place(f, edit);
    return edit;
}

void ChannelRecordEditor::makeEditable(QComboBox* box, const RecordFields::Field& f) {
    box->setEditable(true);
    limitText(box->lineEdit(), f);
}

QComboBox* ChannelRecordEditor::addList(const RecordFields::Field& f, const QStringList& items) {
    auto* box = new QComboBox;
    box->addItems(items);
    box->setCurrentIndex(-1);
    place(f, box);
    if (f.kind != RecordFields::Kind::Ctcss && f.kind != RecordFields::Kind::Dcs)
        choices_.push_back({box, &f});
    return box;
}

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
    const QString previous = step_->currentText();
    step_->clear();
    step_->addItems(stepsFor(rx_->text()));
    selectByText(step_, previous, Match::Exact);
    if (step_->currentIndex() < 0)
        selectByText(step_, QStringLiteral("12.5"), Match::Exact);
}

// The modes decode type and option signaling allow; `wanted` stays chosen when allowed.
void ChannelRecordEditor::rebuildSqlModes(const QString& wanted) {
    sqlMode_->clear();
    sqlMode_->addItems(
        ChannelEditRules::sqlModes(decodeType_->currentIndex(), signaling_->currentIndex()));
    selectByText(sqlMode_, wanted, Match::Exact);
    if (sqlMode_->currentIndex() < 0)
        sqlMode_->setCurrentIndex(0);
}

void ChannelRecordEditor::updateEnabling() {
    if (!rx_->text().isEmpty()) {
        offset_->setEnabled(offsetDirection_->currentIndex() > 0);
        signalingDecode_->setEnabled(signaling_->currentText() == QLatin1String("2 Tone"));
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
    setCode(r, ChannelField::SqlMode, sqlModeCode(sqlMode_->currentText()));
    setCode(r, ChannelField::FrequencyStep, frequencyStepCode(step_->currentText()));
    setCode(r, ChannelField::SignalingDecode,
            std::max(0, signalingDecode_->currentText().toInt() - 1));
    r[20] &= 0xDF; // bit 5 of +20 is not a field: the store writes it as 0
    setName(r, name_->text());
}

// --- Entries --------------------------------------------------------------------------------

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

#include "moc_ChannelRecordEditor.cpp"

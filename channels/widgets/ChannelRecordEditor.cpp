// The record editor's controls: one for each field of the record's description, placed in
// the grid of labels the dialogs share.
#include "ChannelRecordEditor.h"
#include "Texts.h"

#include "BandState.h"
#include "ChannelRules.h"
#include "CharFilterValidator.h"
#include "FieldGrid.h"
#include "FormTeardown.h"
#include "Language.h"
#include "ListHelpers.h"
#include "MemoryImage.h"
#include "Tones.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

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
                rebuildSqlModes(ListHelpers::currentEntry(sqlMode_));
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
        auto* box = new QCheckBox(f.field == ChannelField::ReverseBackup
                                      ? Texts::tr("Reverse")
                                      : Language::shown(QString::fromLatin1(f.label)));
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
    const QString label = Language::shown(RecordFields::label(f, use_));
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
    ListHelpers::addEntries(box, items);
    box->setCurrentIndex(-1);
    place(f, box);
    if (f.kind != RecordFields::Kind::Ctcss && f.kind != RecordFields::Kind::Dcs)
        choices_.push_back({box, &f});
    return box;
}

#include "moc_ChannelRecordEditor.cpp"

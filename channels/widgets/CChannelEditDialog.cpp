#include "CChannelEditDialog.h"

#include "BandState.h"
#include "Bcd.h"
#include "ChannelEditRules.h"
#include "ChannelRules.h"
#include "CharFilterValidator.h"
#include "FieldGrid.h"
#include "FormTeardown.h"
#include "ImageMap.h"
#include "ListHelpers.h"
#include "MemoryImage.h"
#include "Tones.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

using ListHelpers::Match;
using ListHelpers::selectByText;
using ListHelpers::selectCode;

namespace {

constexpr int kChannels = 800;

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

CChannelEditDialog::CChannelEditDialog(MemoryImage& image, BandState& bands, int channel,
                                       QWidget* parent)
    : QDialog(parent), image_(image), bands_(bands), channel_(std::clamp(channel, 1, kChannels)),
      form_(new QWidget) {
    setWindowTitle(QStringLiteral("Channel edit"));
    auto* grid = new QGridLayout(form_);
    // The fields fill two columns below the channel number.
    fields_ = std::make_unique<FieldGrid>(form_, grid, 2, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setColumnMinimumWidth(2, 12);

    // Channel number with its arrows.
    number_ = new QLineEdit;
    number_->setAccessibleName(QStringLiteral("Channel number"));
    number_->setMaxLength(3);
    setFilter(number_, CharSet::Dcs); // digits
    up_ = new QToolButton;
    down_ = new QToolButton;
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    up_->setAccessibleName(QStringLiteral("Next channel"));
    down_->setAccessibleName(QStringLiteral("Previous channel"));
    // The arrows stand one above the other, as on a spin box.
    for (QToolButton* arrow : {up_, down_}) {
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setFixedHeight(number_->sizeHint().height() / 2 + 1);
    }
    auto* arrows = new QVBoxLayout;
    arrows->setSpacing(0);
    arrows->addWidget(up_);
    arrows->addWidget(down_);
    auto* numberRow = new QHBoxLayout;
    numberRow->addWidget(number_, 1);
    numberRow->addLayout(arrows);
    number_->installEventFilter(this);
    grid->addWidget(new QLabel(QStringLiteral("Channel number")), 0, 0);
    grid->addLayout(numberRow, 0, 1);

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
    auto list = [this](const char* label, OptionTable table, ChannelField field,
                       bool hidden = false) {
        QComboBox* box = addList(QString::fromLatin1(label), options(table), hidden);
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
    list("Tx stop", OptionTable::OnOff, ChannelField::TxStop, true);
    list("Bandwidth", OptionTable::Bandwidth, ChannelField::Bandwidth);
    list("Scan", OptionTable::Scan, ChannelField::Scan);
    txPower_ = list("Tx power", OptionTable::TxPower, ChannelField::TxPower);
    list("Busy lock", OptionTable::BusyLock, ChannelField::BusyLock);
    list("Display type", OptionTable::DisplayType, ChannelField::DisplayType);
    step_ = addList(QStringLiteral("Frequency step"), options(OptionTable::FrequencyStep), true);
    offsetDirection_ =
        addList(QStringLiteral("Offset direction"), options(OptionTable::OffsetDirection), true);
    offset_ = addEdit(QStringLiteral("Offset freq(MHz)"), 8, CharSet::Frequency, true);

    auto check = [this](const char* label, ChannelField field, bool hidden = false) {
        QCheckBox* box = addCheck(QString::fromLatin1(label), hidden);
        checks_.push_back({box, field});
        return box;
    };
    check("Reverse backup", ChannelField::ReverseBackup, true);
    check("Emphasis", ChannelField::Emphasis);
    check("Compander", ChannelField::Compander);
    check("Scrambler", ChannelField::Scrambler);
    reverse_ = check("Reverse", ChannelField::Reverse);
    talkAround_ = check("Talk around", ChannelField::TalkAround);
    check("Beat shift", ChannelField::BeatShift);
    check("AM", ChannelField::Am);

    auto* close = new QPushButton(QStringLiteral("Close"));
    close->setAccessibleName(close->text());
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(form_);
    layout->addLayout(buttons);

    connect(up_, &QToolButton::clicked, this, [this] { step(1); });
    connect(down_, &QToolButton::clicked, this, [this] { step(-1); });
    connect(number_, &QLineEdit::editingFinished, this, &CChannelEditDialog::numberEntered);
    connect(rx_, &QLineEdit::editingFinished, this, &CChannelEditDialog::rxEntered);
    connect(tx_, &QLineEdit::editingFinished, this, &CChannelEditDialog::txEntered);
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
    connect(signaling_, &QComboBox::currentIndexChanged, this, &CChannelEditDialog::updateEnabling);
    connect(offsetDirection_, &QComboBox::currentIndexChanged, this,
            &CChannelEditDialog::updateEnabling);
    connect(reverse_, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            talkAround_->setChecked(false);
    });
    connect(talkAround_, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            reverse_->setChecked(false);
    });

    load();
}

CChannelEditDialog::~CChannelEditDialog() {
    disconnectChildrenFrom(this);
}

// --- Building -------------------------------------------------------------------------------

void CChannelEditDialog::place(const QString& label, QWidget* control, bool hidden) {
    control->setAccessibleName(label);
    if (hidden)
        fields_->addHidden(control);
    else if (qobject_cast<QCheckBox*>(control))
        fields_->add(control);
    else
        fields_->add(label, control);
}

QLineEdit* CChannelEditDialog::addEdit(const QString& label, int maxLength, CharSet set,
                                       bool hidden) {
    auto* edit = new QLineEdit;
    edit->setMaxLength(maxLength);
    setFilter(edit, set);
    place(label, edit, hidden);
    return edit;
}

QComboBox* CChannelEditDialog::addList(const QString& label, const QStringList& items,
                                       bool hidden) {
    auto* box = new QComboBox;
    box->addItems(items);
    box->setCurrentIndex(-1);
    place(label, box, hidden);
    return box;
}

QCheckBox* CChannelEditDialog::addCheck(const QString& label, bool hidden) {
    // The hidden backup flag carries the label "Reverse" on the radio's own form.
    auto* box =
        new QCheckBox(hidden && label == "Reverse backup" ? QStringLiteral("Reverse") : label);
    place(label, box, hidden);
    return box;
}

// --- Loading and storing --------------------------------------------------------------------

void CChannelEditDialog::setEditable(bool on) {
    for (QWidget* w : form_->findChildren<QWidget*>())
        if (w != number_ && w != up_ && w != down_ && w != rx_ && !qobject_cast<QLabel*>(w))
            w->setEnabled(on);
    if (on)
        updateEnabling();
}

void CChannelEditDialog::clearControls() {
    for (QLineEdit* e : {tx_, name_, offset_})
        e->clear();
    rx_->clear();
    for (QCheckBox* c : form_->findChildren<QCheckBox*>())
        c->setChecked(false);
    for (QComboBox* b : form_->findChildren<QComboBox*>())
        b->setCurrentIndex(-1);
    ctcss_->setEditText({});
    dcs_->setEditText({});
}

void CChannelEditDialog::rebuildSteps() {
    const QString previous = step_->currentText();
    step_->clear();
    step_->addItems(ChannelEditRules::stepsFor(FrequencyText::toValue(rx_->text()), bands_));
    selectByText(step_, previous, Match::Exact);
    if (step_->currentIndex() < 0)
        selectByText(step_, QStringLiteral("12.5"), Match::Exact);
}

// The modes decode type and option signaling allow; `wanted` stays chosen when allowed.
void CChannelEditDialog::rebuildSqlModes(const QString& wanted) {
    sqlMode_->clear();
    sqlMode_->addItems(
        ChannelEditRules::sqlModes(decodeType_->currentIndex(), signaling_->currentIndex()));
    selectByText(sqlMode_, wanted, Match::Exact);
    if (sqlMode_->currentIndex() < 0)
        sqlMode_->setCurrentIndex(0);
}

void CChannelEditDialog::updateEnabling() {
    if (!rx_->text().isEmpty()) {
        offset_->setEnabled(offsetDirection_->currentIndex() > 0);
        signalingDecode_->setEnabled(signaling_->currentText() == QLatin1String("2 Tone"));
    }
}

// Lists left without a choice take their defaults; the offset is normalized.
void CChannelEditDialog::fillDefaults() {
    for (QComboBox* box : form_->findChildren<QComboBox*>()) {
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

void CChannelEditDialog::loadFields(ConstRecord r) {
    using namespace ChannelRecord;
    loading_ = true;
    offset_->setText(r[19] == 0xFF ? QString() : FrequencyText::fromValue(offset(r)));
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

void CChannelEditDialog::load() {
    number_->setText(QString::number(channel_));
    const ConstRecord r = image_.at<32>(ImageMap::channelAddress(channel_));
    if (isEmptyRecord(r)) {
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

void CChannelEditDialog::store() {
    fillDefaults();
    const Record r = image_.at<32>(ImageMap::channelAddress(channel_));
    if (rx_->text().isEmpty()) {
        ChannelRules::initializeChannel(image_, channel_, 0, bands_);
        return;
    }
    using namespace ChannelRecord;
    setRxFrequency(r, FrequencyText::toValue(rx_->text()));
    if (tx_->text().isEmpty())
        std::fill(r.begin() + 4, r.begin() + 8, 0xFF);
    else
        setTxFrequency(r, FrequencyText::toValue(tx_->text()));
    setCtcss(r, ctcss_->currentText());
    setDcs(r, dcs_->currentText());
    if (offset_->text().isEmpty())
        std::fill(r.begin() + 16, r.begin() + 20, 0xFF);
    else
        Bcd::write32(r.subspan<16, 4>(), FrequencyText::toValue(offset_->text()));
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

// --- Entries and moves ----------------------------------------------------------------------

void CChannelEditDialog::rxEntered() {
    const auto entry = ChannelEditRules::enterRx(channel_, rx_->text(), previousRx_, bands_);
    if (!entry.changed)
        return;
    if (channel_ != 1 && entry.text.isEmpty()) {
        clearControls();
        setEditable(false);
        previousRx_.clear();
        return;
    }
    setEditable(true);
    rx_->setText(entry.text);
    rebuildSteps();
    if (channel_ != 1 && previousRx_.isEmpty()) {
        // A new channel is written at once and its other fields come from its record.
        tx_->setText(entry.text);
        ChannelRules::initializeChannel(image_, channel_, FrequencyText::toValue(entry.text),
                                        bands_);
        loadFields(image_.at<32>(ImageMap::channelAddress(channel_)));
        previousTx_ = tx_->text();
    }
    previousRx_ = rx_->text();
}

void CChannelEditDialog::txEntered() {
    if (rx_->text().isEmpty())
        return;
    const auto entry = ChannelEditRules::enterTx(channel_, tx_->text(), previousTx_, bands_);
    if (!entry.changed)
        return;
    tx_->setText(entry.text);
    previousTx_ = tx_->text();
}

void CChannelEditDialog::showChannel(int channel) {
    store();
    channel_ = std::clamp(channel, 1, kChannels);
    load();
}

void CChannelEditDialog::step(int delta) {
    int next = channel_ + delta;
    if (next > kChannels)
        next = 1;
    if (next < 1)
        next = kChannels;
    showChannel(next);
}

void CChannelEditDialog::numberEntered() {
    const int m = number_->text().toInt();
    if (m != channel_)
        showChannel(m);
    else
        number_->setText(QString::number(channel_));
}

void CChannelEditDialog::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Escape && rx_->hasFocus()) {
        close();
        return;
    }
    if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter)
        return; // nothing else closes the dialog or presses a button
    QDialog::keyPressEvent(event);
}

void CChannelEditDialog::reject() {}

// Up and Down step one channel, Page Up and Page Down ten, from the channel number.
bool CChannelEditDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == number_ && event->type() == QEvent::KeyPress) {
        static const std::pair<int, int> steps[] = {
            {Qt::Key_Up, 1}, {Qt::Key_Down, -1}, {Qt::Key_PageUp, 10}, {Qt::Key_PageDown, -10}};
        const int key = static_cast<QKeyEvent*>(event)->key();
        for (auto [k, delta] : steps)
            if (key == k) {
                step(delta);
                return true;
            }
    }
    return QDialog::eventFilter(watched, event);
}

// Leaving an empty channel's Rx field enables the other fields: it is entered first, so that
// Tab goes on to them instead of wrapping round to the channel number.
bool CChannelEditDialog::focusNextPrevChild(bool next) {
    if (next && rx_->hasFocus())
        rxEntered();
    return QDialog::focusNextPrevChild(next);
}

void CChannelEditDialog::closeEvent(QCloseEvent* event) {
    // A field being typed in is entered first, as leaving it would.
    if (QWidget* focused = focusWidget())
        focused->clearFocus();
    store();
    event->accept();
    QDialog::done(QDialog::Accepted);
}

#include "ChannelEditDialog.h"
#include "Texts.h"

#include "FieldTips.h"

#include "ChannelRecordEditor.h"
#include "CharFilterValidator.h"
#include "CloseButton.h"
#include "FormTeardown.h"
#include "ImageMap.h"
#include "OptionTables.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int kChannels = 800;
}

ChannelEditDialog::ChannelEditDialog(MemoryImage& image, BandState& bands, int channel,
                                     QWidget* parent)
    : QDialog(parent), channel_(std::clamp(channel, 1, kChannels)),
      editor_(new ChannelRecordEditor(image, bands, RecordUse::Channel, 1)) {
    setWindowTitle(Texts::tr("Channel edit"));

    // Channel number with its arrows, above the channel's fields.
    number_ = new QLineEdit;
    number_->setAccessibleName(Texts::tr("Channel number"));
    number_->setMaxLength(3);
    number_->setValidator(new CharFilterValidator([](QChar c) { return accepts(CharSet::Dcs, c); },
                                                  false, number_)); // digits
    up_ = new QToolButton;
    down_ = new QToolButton;
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    up_->setAccessibleName(Texts::tr("Next channel"));
    down_->setAccessibleName(Texts::tr("Previous channel"));
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
    editor_->grid()->addWidget(new QLabel(Texts::tr("Channel number")), 0, 0);
    editor_->grid()->addLayout(numberRow, 0, 1);
    setTabOrder(number_, editor_->rxField());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(editor_);
    layout->addLayout(closeButtonRow(this));

    connect(up_, &QToolButton::clicked, this, [this] { step(1); });
    connect(down_, &QToolButton::clicked, this, [this] { step(-1); });
    connect(number_, &QLineEdit::editingFinished, this, &ChannelEditDialog::numberEntered);
    applyFieldTips(this, Texts::tr("Channel setting"));

    load();
}

ChannelEditDialog::~ChannelEditDialog() {
    disconnectChildrenFrom(this);
}

void ChannelEditDialog::load() {
    number_->setText(QString::number(channel_));
    editor_->load(ImageMap::channelAddress(channel_), channel_);
}

void ChannelEditDialog::store() {
    editor_->store();
}

void ChannelEditDialog::showChannel(int channel) {
    store();
    channel_ = std::clamp(channel, 1, kChannels);
    load();
}

void ChannelEditDialog::step(int delta) {
    int next = channel_ + delta;
    if (next > kChannels)
        next = 1;
    if (next < 1)
        next = kChannels;
    showChannel(next);
}

void ChannelEditDialog::numberEntered() {
    const int m = number_->text().toInt();
    if (m != channel_)
        showChannel(m);
    else
        number_->setText(QString::number(channel_));
}

void ChannelEditDialog::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Escape && editor_->rxField()->hasFocus()) {
        close();
        return;
    }
    if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter)
        return; // nothing else closes the dialog or presses a button
    QDialog::keyPressEvent(event);
}

void ChannelEditDialog::reject() {}

// Up and Down step one channel, Page Up and Page Down ten, from the channel number.
bool ChannelEditDialog::eventFilter(QObject* watched, QEvent* event) {
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

void ChannelEditDialog::closeEvent(QCloseEvent* event) {
    // A channel number being typed is entered first: the channel it names is the one left.
    if (number_->hasFocus())
        numberEntered();
    store();
    event->accept();
    QDialog::done(QDialog::Accepted);
}

#include "moc_ChannelEditDialog.cpp"

#include "VfoDialog.h"
#include "Texts.h"

#include "ChannelRecordEditor.h"
#include "CloseButton.h"
#include "FormTeardown.h"
#include "ImageMap.h"
#include "RecordSwitch.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QTabBar>
#include <QVBoxLayout>

VfoDialog::VfoDialog(MemoryImage& image, BandState& bands, QWidget* parent)
    : QDialog(parent), shown_(ChannelEditRules::vfoTabs(bands)), tabs_(new QTabBar),
      editor_(new ChannelRecordEditor(image, bands, RecordUse::Vfo)) {
    setWindowTitle(QStringLiteral("VFO"));
    tabs_->setAccessibleName(Texts::tr("VFO records"));
    for (const auto& tab : shown_)
        tabs_->addTab(tab.caption);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(editor_);
    layout->addStretch();
    layout->addLayout(closeButtonRow(this));
    if (shown_.empty()) {
        editor_->setEnabled(false); // no band of the radio is enabled
        return;
    }
    records_ = new RecordSwitch(
        tabs_,
        [this](int t) { return ImageMap::kVfoRecordArray.at(shown_[std::size_t(t)].record); },
        [this](std::uint32_t record) { editor_->load(record, currentRecord()); },
        [this](std::uint32_t) { editor_->store(); });
    records_->load();
}

int VfoDialog::currentRecord() const {
    return records_ ? shown_[std::size_t(records_->entry())].record : -1;
}

VfoDialog::~VfoDialog() {
    disconnectChildrenFrom(this);
}

void VfoDialog::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape)
        return; // neither closes the dialog
    QDialog::keyPressEvent(event);
}

void VfoDialog::reject() {}

void VfoDialog::closeEvent(QCloseEvent* event) {
    if (records_)
        records_->store();
    event->accept();
    QDialog::done(QDialog::Accepted);
}

#include "moc_VfoDialog.cpp"

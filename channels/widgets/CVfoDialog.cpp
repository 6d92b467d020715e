#include "CVfoDialog.h"

#include "CChannelRecordEditor.h"
#include "FormTeardown.h"
#include "ImageMap.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QTabBar>
#include <QVBoxLayout>

CVfoDialog::CVfoDialog(MemoryImage& image, BandState& bands, QWidget* parent)
    : QDialog(parent), shown_(ChannelEditRules::vfoTabs(bands)), tabs_(new QTabBar),
      editor_(new CChannelRecordEditor(image, bands, RecordUse::Vfo)) {
    setWindowTitle(QStringLiteral("VFO"));
    tabs_->setAccessibleName(QStringLiteral("VFO records"));
    for (const auto& tab : shown_)
        tabs_->addTab(tab.caption);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(editor_);
    layout->addStretch();
    connect(tabs_, &QTabBar::currentChanged, this, &CVfoDialog::tabChanged);
    if (!shown_.empty())
        tabChanged(0);
    else
        editor_->setEnabled(false); // no band of the radio is enabled
}

CVfoDialog::~CVfoDialog() {
    disconnectChildrenFrom(this);
}

void CVfoDialog::tabChanged(int index) {
    if (index < 0 || index >= int(shown_.size()))
        return;
    tabs_->setFocus(); // the field being typed is corrected first
    if (record_ >= 0)
        editor_->store();
    record_ = shown_[std::size_t(index)].record;
    editor_->load(ImageMap::kVfoRecordArray.at(record_), record_);
}

void CVfoDialog::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape)
        return; // neither closes the dialog
    QDialog::keyPressEvent(event);
}

void CVfoDialog::reject() {}

void CVfoDialog::closeEvent(QCloseEvent* event) {
    if (record_ >= 0)
        editor_->store();
    event->accept();
    QDialog::done(QDialog::Accepted);
}

#include "ScanChannelView.h"
#include "Texts.h"

#include "ChannelEditRules.h"
#include "ChannelRecordEditor.h"
#include "FormTeardown.h"
#include "ImageMap.h"
#include "RecordSwitch.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QTabBar>
#include <QVBoxLayout>

ScanChannelView::ScanChannelView(MemoryImage& image, BandState& bands, QWidget* parent)
    : FormView(image, parent), tabs_(new QTabBar),
      editor_(new ChannelRecordEditor(image, bands, RecordUse::ScanEdge)) {
    setWindowTitle(Texts::tr("Scan channel"));
    tabs_->setAccessibleName(Texts::tr("Scan channels"));
    for (int k = 0; k < ImageMap::kScanEdgeCount; ++k)
        tabs_->addTab(ChannelEditRules::scanEdgeName(k));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(editor_);
    layout->addStretch();
    // The field being typed is corrected first (the focus moves to the tabs), then the record
    // left is stored and the one entered loaded.
    records_ = new RecordSwitch(
        tabs_, [](int k) { return ImageMap::kScanEdgeRecords.at(k); },
        [this](std::uint32_t record) { editor_->load(record); },
        [this](std::uint32_t) { editor_->store(); });
    connect(editor_, &ChannelRecordEditor::edited, this, &FormView::edited);
    LoadFromImage();
}

ScanChannelView::~ScanChannelView() {
    disconnectChildrenFrom(this);
}

void ScanChannelView::LoadFromImage() {
    records_->load();
}

void ScanChannelView::SaveToImage() {
    records_->store();
}

// Enter anywhere runs the Rx entry; neither Enter nor Escape closes anything.
void ScanChannelView::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        editor_->enterRx();
        return;
    }
    if (key == Qt::Key_Escape)
        return;
    FormView::keyPressEvent(event);
}

#include "moc_ScanChannelView.cpp"

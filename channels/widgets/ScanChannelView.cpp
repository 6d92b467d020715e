#include "ScanChannelView.h"

#include "CChannelRecordEditor.h"
#include "ChannelEditRules.h"
#include "FormTeardown.h"
#include "ImageMap.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QTabBar>
#include <QVBoxLayout>

ScanChannelView::ScanChannelView(MemoryImage& image, BandState& bands, QWidget* parent)
    : CBaseFormView(image, parent), tabs_(new QTabBar),
      editor_(new CChannelRecordEditor(image, bands, RecordUse::ScanEdge)) {
    setWindowTitle(QStringLiteral("Scan channel"));
    tabs_->setAccessibleName(QStringLiteral("Scan channels"));
    for (int k = 0; k < ImageMap::kScanEdgeCount; ++k)
        tabs_->addTab(ChannelEditRules::scanEdgeName(k));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(editor_);
    layout->addStretch();
    connect(tabs_, &QTabBar::currentChanged, this, &ScanChannelView::tabChanged);
    connect(editor_, &CChannelRecordEditor::edited, this, &CBaseFormView::edited);
    LoadFromImage();
}

ScanChannelView::~ScanChannelView() {
    disconnectChildrenFrom(this);
}

void ScanChannelView::LoadFromImage() {
    shown_ = std::max(0, tabs_->currentIndex());
    editor_->load(ImageMap::kScanEdgeRecords.at(shown_));
}

void ScanChannelView::SaveToImage() {
    editor_->store();
}

// The field being typed is corrected first (the focus moves to the tabs), then the record
// left is stored and the one entered loaded.
void ScanChannelView::tabChanged(int) {
    tabs_->setFocus();
    SaveToImage();
    LoadFromImage();
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
    CBaseFormView::keyPressEvent(event);
}

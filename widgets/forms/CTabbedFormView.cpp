#include "CTabbedFormView.h"

#include "CSettingsPage.h"

#include <QTabWidget>
#include <QVBoxLayout>

CTabbedFormView::CTabbedFormView(MemoryImage& image, QWidget* parent)
    : CBaseFormView(image, parent), tabs_(new QTabWidget) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tabs_);
    connect(tabs_, &QTabWidget::currentChanged, this, &CTabbedFormView::tabChanged);
}

CTabbedFormView::~CTabbedFormView() {
    // Closing stores the page shown. The hidden pages stored when they were left and cannot
    // have been edited since; storing them again would write back what they loaded then over
    // anything loaded into the image since (an Open or a Read while the window was open).
    SaveToImage();
    disconnect(tabs_, nullptr, this, nullptr);
}

void CTabbedFormView::addPage(CSettingsPage* page, const QString& title, int helpContext) {
    pages_.push_back(page);
    helpContexts_.push_back(helpContext);
    tabs_->addTab(page, title);
    connect(page, &CSettingsPage::edited, this, &CBaseFormView::edited);
    connect(page, &CSettingsPage::statusMessage, this, &CBaseFormView::statusMessage);
}

void CTabbedFormView::LoadFromImage() {
    if (current_ >= 0)
        pages_[std::size_t(current_)]->LoadFromImage();
}

void CTabbedFormView::SaveToImage() {
    if (current_ >= 0)
        pages_[std::size_t(current_)]->SaveToImage();
}

void CTabbedFormView::tabChanged(int index) {
    SaveToImage(); // the page being left
    Q_EMIT imageChanged();
    current_ = index;
    LoadFromImage(); // the page entered
}

int CTabbedFormView::helpContext() const {
    return current_ >= 0 ? helpContexts_[std::size_t(current_)] : noTabHelp_;
}

#include "moc_CTabbedFormView.cpp"

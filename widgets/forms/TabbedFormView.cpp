#include "TabbedFormView.h"

#include "SettingsPage.h"

#include <QTabWidget>
#include <QVBoxLayout>

TabbedFormView::TabbedFormView(MemoryImage& image, QWidget* parent)
    : FormView(image, parent), tabs_(new QTabWidget) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tabs_);
    connect(tabs_, &QTabWidget::currentChanged, this, &TabbedFormView::tabChanged);
}

TabbedFormView::~TabbedFormView() {
    // Closing stores the page shown. The hidden pages stored when they were left and cannot
    // have been edited since; storing them again would write back what they loaded then over
    // anything loaded into the image since (an Open or a Read while the window was open).
    SaveToImage();
    disconnect(tabs_, nullptr, this, nullptr);
}

void TabbedFormView::addPage(SettingsPage* page, const QString& title, int helpContext) {
    pages_.push_back(page);
    helpContexts_.push_back(helpContext);
    tabs_->addTab(page, title);
    connect(page, &SettingsPage::edited, this, &FormView::edited);
    connect(page, &SettingsPage::statusMessage, this, &FormView::statusMessage);
}

void TabbedFormView::LoadFromImage() {
    if (current_ >= 0)
        pages_[std::size_t(current_)]->LoadFromImage();
}

void TabbedFormView::SaveToImage() {
    if (current_ >= 0)
        pages_[std::size_t(current_)]->SaveToImage();
}

void TabbedFormView::tabChanged(int index) {
    SaveToImage(); // the page being left
    Q_EMIT imageChanged();
    current_ = index;
    LoadFromImage(); // the page entered
}

int TabbedFormView::helpContext() const {
    return current_ >= 0 ? helpContexts_[std::size_t(current_)] : noTabHelp_;
}

#include "moc_TabbedFormView.cpp"

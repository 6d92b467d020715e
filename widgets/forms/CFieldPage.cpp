#include "CFieldPage.h"

CFieldPage::CFieldPage(MemoryImage& image, const std::vector<FieldDescription>& fields, int columns,
                       Width width, QWidget* parent)
    : CSettingsPage(image, parent), binder_(fields, image) {
    layOutFields(this, binder_, columns, width);
    binder_.onEdited(this, [this] { Q_EMIT edited(); });
    LoadFromImage();
}

void CFieldPage::LoadFromImage() {
    binder_.load(image());
}

void CFieldPage::SaveToImage() {
    binder_.store(image());
}

#include "moc_CFieldPage.cpp"

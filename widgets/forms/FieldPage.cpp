#include "FieldPage.h"

FieldPage::FieldPage(MemoryImage& image, const std::vector<FieldDescription>& fields, int columns,
                     Width width, QWidget* parent)
    : SettingsPage(image, parent), binder_(fields, image) {
    layOutFields(this, binder_, columns, width);
    binder_.onEdited(this, [this] { Q_EMIT edited(); });
    LoadFromImage();
}

void FieldPage::LoadFromImage() {
    binder_.load(image());
}

void FieldPage::SaveToImage() {
    binder_.store(image());
}

#include "moc_FieldPage.cpp"

#include "CFieldPage.h"

#include "FieldGrid.h"

#include <QGridLayout>
#include <QVBoxLayout>

CFieldPage::CFieldPage(MemoryImage& image, const std::vector<FieldDescription>& fields, int columns,
                       Width width, QWidget* parent)
    : CSettingsPage(image, parent), binder_(fields, image) {
    auto* grid = new QGridLayout;
    FieldGrid placer(this, grid, columns);
    binder_.place(placer);
    if (width == Width::Natural)
        grid->setColumnStretch(2 * columns, 1); // an empty column takes the spare width
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(grid);
    outer->addStretch();
    binder_.onEdited(this, [this] { Q_EMIT edited(); });
    LoadFromImage();
}

void CFieldPage::LoadFromImage() {
    binder_.load(image());
}

void CFieldPage::SaveToImage() {
    binder_.store(image());
}

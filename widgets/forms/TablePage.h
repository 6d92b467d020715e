#pragma once

#include "GridControl.h"
#include "ModelGrid.h"
#include "SettingsPage.h"

#include <QVBoxLayout>

// A page that is one table model in a grid (2-Tone contacts): the model fills the grid when the
// page loads, and stores what the grid's editors committed when the page stores.
template <typename Table> class TablePage : public SettingsPage {
public:
    // The grid is named `name`; `below` (a note) stands under it.
    TablePage(MemoryImage& image, const QString& name,
              const std::vector<ModelGrid::Editor>& editors, QWidget* below = nullptr)
        : SettingsPage(image), table_(image),
          grid_(new GridControl, layoutOf<Table>(), ModelGrid::modelOf(table_), editors) {
        grid()->setAccessibleName(name);
        connect(&grid_, &ModelGrid::edited, this, &SettingsPage::edited);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(grid());
        if (below)
            layout->addWidget(below);
        layout->addStretch();
        TablePage::LoadFromImage();
    }

    void LoadFromImage() override {
        table_.fill();
        grid_.showAll();
    }
    void SaveToImage() override {
        grid_.finishEdits(); // an open edit belongs to the table being stored
        table_.store();
    }

    GridControl* grid() const { return grid_.grid(); }
    Table& table() { return table_; }
    ModelGrid& modelGrid() { return grid_; }

private:
    Table table_;
    ModelGrid grid_;
};

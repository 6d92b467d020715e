#pragma once

#include "InPlaceEditor.h"

#include <QColor>
#include <QObject>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

class GridControl;

// What a table form's grid shows: its column headers and widths (in twips), its data rows
// (1 to `rows`) with a label each, and whether it is shown whole (no scrolling).
struct GridLayout {
    QStringList headers;
    std::vector<int> widthsTwips;
    int rows = 0;
    std::function<QString(int row)> rowLabel = [](int row) { return QString::number(row); };
    bool centered = true;
    bool wholeGrid = true; // the grid's size fits every cell
};

// The grid set up as the layout says: header row and row labels 300 twips high, columns as
// wide as given.
void setUpGrid(GridControl& grid, const GridLayout& layout);

// The layout of a table model's grid: its static headers, widths and row count.
template <typename Table> GridLayout layoutOf() {
    GridLayout layout{Table::headers(), {}, Table::kRows};
    for (int c = 0; c < Table::kColumns; ++c)
        layout.widthsTwips.push_back(Table::widthTwips(c));
    return layout;
}

// A table model (DTMF codes, 2-Tone contacts) edited in a grid: every data cell shows the
// model's text; an edit starts where the model says (an empty row may edit another column)
// with the editor of that column, and the editor's text goes through the model's rules when it
// closes.
class ModelGrid : public QObject {
    Q_OBJECT
public:
    struct Model {
        std::function<QString(int row, int column)> text;
        std::function<int(int row, int column)> editColumn; // -1: nothing opens
        std::function<void(int row, int column, const QString& text)> commit;
        std::function<QColor(int row, int column)> background = {}; // invalid: normal
    };
    // The in-place editor of some columns.
    struct Editor {
        std::vector<int> columns;
        InPlaceEditor::Kind kind;
        QString name;
        int maxLength = 0;
        QStringList items = {};
        std::optional<InPlaceEditor::Filter> filter = std::nullopt;
    };

    ModelGrid(GridControl* grid, const GridLayout& layout, Model model,
              const std::vector<Editor>& editors);
    // A table model's texts, edit columns and rules.
    template <typename Table> static Model modelOf(Table& table) {
        return {[&table](int r, int c) { return table.text(r, c); },
                [&table](int r, int c) { return table.editColumn(r, c); },
                [&table](int r, int c, const QString& text) { table.commit(r, c, text); }};
    }

    GridControl* grid() const { return grid_; }
    // The colour of a cell's background (invalid: normal).
    void setBackground(std::function<QColor(int row, int column)> background) {
        model_.background = std::move(background);
    }
    InPlaceEditor* editor(int column) const;
    // Every data row from the model again.
    void showAll();
    void showRow(int row);
    // An edit still open ends (its text committed), as before the model stores.
    void finishEdits();

Q_SIGNALS:
    // A closed edit changed what a row shows.
    void edited();

private:
    InPlaceEditor* beginEdit(int row, int column);
    void editEnded(int row, int column, const QString& text);
    QStringList rowTexts(int row) const;

    GridControl* grid_;
    GridLayout layout_;
    Model model_;
    std::vector<std::pair<int, InPlaceEditor*>> editors_;
};

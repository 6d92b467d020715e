#include "ModelGrid.h"

#include "GridControl.h"
#include "Language.h"

namespace {
constexpr int kRowTwips = 300;
}

void setUpGrid(GridControl& grid, const GridLayout& layout) {
    const int columns = int(layout.headers.size());
    grid.setDrawingSuspended(true);
    grid.setGridSize(layout.rows + 1, columns);
    for (int c = 0; c < columns; ++c) {
        grid.setText(0, c, Language::shown(layout.headers[c]));
        grid.setColumnWidthTwips(c, layout.widthsTwips[std::size_t(c)]);
        grid.setColumnCentered(c, layout.centered);
    }
    grid.setRowHeightTwips(0, kRowTwips);
    grid.setRowHeightTwips(1, kRowTwips);
    for (int r = 1; r <= layout.rows; ++r)
        grid.setText(r, 0, layout.rowLabel(r));
    grid.setDrawingSuspended(false);
    if (!layout.wholeGrid)
        return;
    int width = 0;
    for (int twips : layout.widthsTwips)
        width += twips;
    grid.setWholeGridSize(width, kRowTwips * (layout.rows + 1));
}

ModelGrid::ModelGrid(GridControl* grid, const GridLayout& layout, Model model,
                     const std::vector<Editor>& editors)
    : QObject(grid), grid_(grid), layout_(layout), model_(std::move(model)) {
    setUpGrid(*grid_, layout_);
    int first = int(layout_.headers.size());
    int last = 0;
    for (const Editor& e : editors) {
        auto* editor = new InPlaceEditor(grid_, e.kind, e.name);
        if (e.maxLength > 0)
            editor->setMaxLength(e.maxLength);
        if (!e.items.isEmpty())
            editor->setItems(e.items);
        if (e.filter)
            editor->setFilter(*e.filter);
        connect(editor, &InPlaceEditor::committed, this, &ModelGrid::editEnded);
        for (int column : e.columns) {
            editors_.emplace_back(column, editor);
            first = std::min(first, column);
            last = std::max(last, column);
        }
    }
    grid_->setEditing(first, last, [this](int row, int column) { return beginEdit(row, column); });
    connect(grid_, &GridControl::mousePressed, this,
            [this](Qt::MouseButton button, int row, int column) {
                if (button == Qt::LeftButton)
                    beginEdit(row, column);
            });
}

InPlaceEditor* ModelGrid::editor(int column) const {
    for (const auto& [c, editor] : editors_)
        if (c == column)
            return editor;
    return nullptr;
}

QStringList ModelGrid::rowTexts(int row) const {
    QStringList texts;
    for (int c = 1; c < int(layout_.headers.size()); ++c)
        texts << model_.text(row, c);
    return texts;
}

void ModelGrid::showRow(int row) {
    for (int c = 1; c < int(layout_.headers.size()); ++c) {
        // Entries of a fixed list are shown translated; typed texts as they are.
        const InPlaceEditor* e = editor(c);
        const QString text = model_.text(row, c);
        grid_->setText(row, c,
                       e && e->kind() == InPlaceEditor::Kind::List ? Language::shown(text) : text);
        if (model_.background)
            grid_->setCellBackground(row, c, model_.background(row, c));
    }
}

void ModelGrid::showAll() {
    for (int r = 1; r <= layout_.rows; ++r)
        showRow(r);
}

void ModelGrid::finishEdits() {
    for (const auto& [column, editor] : editors_)
        editor->finish();
}

InPlaceEditor* ModelGrid::beginEdit(int row, int column) {
    if (row < 1 || row > layout_.rows)
        return nullptr;
    const int edited = model_.editColumn(row, column);
    InPlaceEditor* editor = edited < 0 ? nullptr : this->editor(edited);
    if (!editor)
        return nullptr;
    grid_->setCurrentGridCell(row, edited);
    editor->begin(row, edited, model_.text(row, edited));
    return editor;
}

void ModelGrid::editEnded(int row, int column, const QString& text) {
    const QStringList before = rowTexts(row);
    model_.commit(row, column, text);
    showRow(row);
    if (rowTexts(row) != before)
        Q_EMIT edited();
}

#include "moc_ModelGrid.cpp"

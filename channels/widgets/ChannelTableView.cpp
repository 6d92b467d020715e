// The channel table form: the grid, its in-place editors and what a typed cell does; the row
// commands, the clipboard and the list files have files of their own.
#include "ChannelTableView.h"
#include "Language.h"
#include "Texts.h"

#include "BandState.h"
#include "ChannelEditDialog.h"
#include "ChannelFindBar.h"
#include "ChannelRules.h"
#include "FormTeardown.h"
#include "GridControl.h"
#include "InPlaceEditor.h"
#include "ModelGrid.h"
#include "OptionTables.h"
#include "Tones.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

namespace {

constexpr int kFirstData = ChannelTable::Rx;
constexpr int kLastData = ChannelTable::Name;
const QString kColumnWidthsKey = QStringLiteral("Channel table/Column widths");

InPlaceEditor::Filter filterFor(CharSet set, bool upperCase = false) {
    return {[set](QChar c) { return accepts(set, c); }, upperCase};
}

} // namespace

ChannelTableView::ChannelTableView(MemoryImage& image, BandState& bands, QWidget* parent)
    : FormView(image, parent), bands_(bands), table_(std::make_unique<ChannelTable>(image, bands)),
      grid_(new GridControl), editButton_(new QPushButton(Texts::tr("Channel edit"))) {
    setWindowTitle(Texts::tr("Channel setting"));
    grid_->setAccessibleName(Texts::tr("Channels"));
    GridLayout columns = layoutOf<ChannelTable>();
    columns.wholeGrid = false; // 800 rows scroll
    setUpGrid(*grid_, columns);
    for (int c = 0; c < ChannelTable::kColumns; ++c)
        grid_->setHeaderTip(c, ChannelTable::headerTip(c));
    fitColumns();

    auto make = [this](InPlaceEditor::Kind kind, const QString& name, int maxLength,
                       std::optional<InPlaceEditor::Filter> filter) {
        auto* e = new InPlaceEditor(grid_, kind, name);
        if (maxLength > 0)
            e->setMaxLength(maxLength);
        if (filter)
            e->setFilter(*filter);
        connect(e, &InPlaceEditor::committed, this, &ChannelTableView::commitCell);
        connect(e, &InPlaceEditor::enterPressed, this, &ChannelTableView::editorEnter);
        connect(e, &InPlaceEditor::enteredForChosenRows, this, &ChannelTableView::setForChosenRows);
        return e;
    };
    frequencyEditor_ = make(InPlaceEditor::Kind::Line, Texts::tr("Frequency editor"), 9,
                            filterFor(CharSet::Frequency));
    nameEditor_ = make(InPlaceEditor::Kind::Line, Texts::tr("Name editor"), 6,
                       filterFor(CharSet::Name, true));
    listEditor_ = make(InPlaceEditor::Kind::List, Texts::tr("List editor"), 0, std::nullopt);
    ctcssEditor_ = make(InPlaceEditor::Kind::EditableList, Texts::tr("CTCSS editor"), 5,
                        filterFor(CharSet::Tone));
    dcsEditor_ = make(InPlaceEditor::Kind::EditableList, Texts::tr("DCS editor"), 3,
                      filterFor(CharSet::Dcs));
    ctcssEditor_->setItems(Ctcss::toneList());
    dcsEditor_->setItems(Dcs::codeList());

    grid_->setEditing(kFirstData, kLastData,
                      [this](int row, int column) { return beginEdit(row, column); });
    connect(grid_, &GridControl::mousePressed, this,
            [this](Qt::MouseButton button, int row, int column) {
                if (button != Qt::LeftButton)
                    return;
                grid_->setRowHighlighting(column == 0);
                if (column > 0)
                    beginEdit(row, column);
            });

    grid_->setRowSelection(true);
    for (const RowCommand& command : rowCommands()) {
        auto* action = new QAction(command.text, this);
        action->setShortcuts(command.keys);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(action, &QAction::triggered, this, command.run);
        addAction(action);
        rowActions_.push_back(action);
    }

    // The same menu over the cells and over the row labels.
    grid_->setContextMenus(true);
    connect(grid_, &GridControl::menuRequested, this, [this](const QPoint& at, int labelRow) {
        // A row label not chosen yet is chosen first, as the menu's commands act on it.
        const std::vector<int> chosen = grid_->selectedGridRows();
        if (labelRow >= 1 && std::ranges::find(chosen, labelRow) == chosen.end())
            grid_->selectGridRows(labelRow, labelRow);
        showContextMenu(at);
    });

    editButton_->setAccessibleName(editButton_->text());
    connect(editButton_, &QPushButton::clicked, this,
            [this] { openChannelEdit(std::max(1, grid_->currentGridCell().row)); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(editButton_);
    buttons->addStretch();
    findBar_ = new ChannelFindBar;
    findBar_->hide();
    connect(findBar_, &ChannelFindBar::findRequested, this, &ChannelTableView::find);
    connect(findBar_, &ChannelFindBar::closed, this, [this] { grid_->setFocus(); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(findBar_);
    layout->addWidget(grid_, 1);
    layout->addLayout(buttons);

    LoadFromImage();
    grid_->setCurrentGridCell(1, kFirstData);
}

// Every column shows its longest list entry ("Ctcss Codec") and its header; widths the user
// dragged are remembered.
void ChannelTableView::fitColumns() {
    const QFontMetrics metrics(grid_->font());
    const int padding = 2 * metrics.horizontalAdvance(u'M');
    const QStringList saved =
        QSettings().value(kColumnWidthsKey).toString().split(u',', Qt::SkipEmptyParts);
    for (int c = kFirstData; c <= kLastData; ++c) {
        QStringList texts = {Language::shown(ChannelTable::headers()[c])};
        if (const auto list = ChannelTable::listOf(c))
            texts += Language::shown(options(*list));
        int width = grid_->columnWidthPixels(c);
        for (const QString& t : texts)
            width = std::max(width, metrics.horizontalAdvance(t) + padding);
        if (saved.size() == kLastData - kFirstData + 1)
            width = std::max(20, saved[c - kFirstData].toInt());
        grid_->setColumnWidthPixels(c, width);
    }
    grid_->setColumnsResizable(true);
    grid_->setFillsWidth(true); // a wide window widens the columns instead of leaving a gap
    connect(grid_, &GridControl::columnResized, this, [this] {
        QStringList widths;
        for (int c = kFirstData; c <= kLastData; ++c)
            widths << QString::number(grid_->chosenColumnWidth(c));
        QSettings().setValue(kColumnWidthsKey, widths.join(u','));
    });
}

ChannelTableView::~ChannelTableView() {
    disconnectChildrenFrom(this);
}

void ChannelTableView::showContextMenu(const QPoint& at) {
    QMenu menu(this);
    for (QAction* action : rowActions_)
        menu.addAction(action);
    addSetForChosenRows(menu);
    menu.addSeparator();
    menu.addAction(Texts::tr("Import channels..."), this, &ChannelTableView::importChannelsCommand);
    menu.addAction(Texts::tr("Export channels..."), this, &ChannelTableView::exportChannelsCommand);
    menu.exec(at);
}

void ChannelTableView::showRow(int row) {
    // List entries are shown translated; the table keeps them in English.
    for (int c = kFirstData; c <= kLastData; ++c)
        grid_->setText(row, c,
                       ChannelTable::listOf(c) ? Language::shown(table_->text(row, c))
                                               : table_->text(row, c));
}

void ChannelTableView::LoadFromImage() {
    table_->fill();
    grid_->setDrawingSuspended(true);
    for (int r = 1; r <= ChannelTable::kRows; ++r)
        showRow(r);
    grid_->setDrawingSuspended(false);
}

void ChannelTableView::SaveToImage() {
    // An edit under way belongs to the table being stored.
    finishEdits();
    table_->store();
}

void ChannelTableView::finishEdits() {
    for (InPlaceEditor* e : {frequencyEditor_, nameEditor_, listEditor_, ctcssEditor_, dcsEditor_})
        e->finish();
}

InPlaceEditor* ChannelTableView::editorFor(int column) const {
    switch (column) {
    case ChannelTable::Rx:
    case ChannelTable::Tx:
        return frequencyEditor_;
    case ChannelTable::Ctcss:
        return ctcssEditor_;
    case ChannelTable::Dcs:
        return dcsEditor_;
    case ChannelTable::Name:
        return nameEditor_;
    default:
        return listEditor_;
    }
}

InPlaceEditor* ChannelTableView::beginEdit(int row, int column) {
    if (row < 1 || row > ChannelTable::kRows || column < kFirstData || column > kLastData)
        return nullptr;
    // An empty channel can only be given an Rx frequency first.
    if (table_->rowEmpty(row))
        column = ChannelTable::Rx;
    // Moving the current cell would end a choice of rows that the edit may be meant for.
    if (const GridControl::Cell at = grid_->currentGridCell(); at.row != row || at.column != column)
        grid_->setCurrentGridCell(row, column);
    InPlaceEditor* editor = editorFor(column);
    if (editor == listEditor_)
        listEditor_->setItems(options(*ChannelTable::listOf(column)));
    editor->begin(row, column, table_->text(row, column));
    return editor;
}

void ChannelTableView::commitCell(int row, int column, const QString& text) {
    const std::vector<int> changed = table_->edit(row, column, text);
    for (int r : changed)
        showRow(r);
    Q_EMIT statusMessage(table_->correction());
    if (!changed.empty())
        Q_EMIT imageChanged(Texts::tr("Edit channel %1").arg(row));
}

// Enter moves on: one column right, or one row down after an emptied frequency.
void ChannelTableView::editorEnter(int row, int column, const QString& text) {
    if ((column == ChannelTable::Rx || column == ChannelTable::Tx) && text.isEmpty())
        moveTo(std::min(row + 1, int(ChannelTable::kRows)), column);
    else
        moveTo(row, std::min(column + 1, kLastData));
}

void ChannelTableView::moveTo(int row, int column) {
    grid_->setCurrentGridCell(row, column);
}

void ChannelTableView::openChannelEdit(int channel) {
    SaveToImage();
    Q_EMIT channelEditRequested(channel);
    ChannelEditDialog dialog(image(), bands_, channel, this);
    dialog.exec();
    // What the dialog wrote, as the table stores it: the step holds all of the edit.
    table_->fill();
    table_->store();
    LoadFromImage();
    Q_EMIT imageChanged(Texts::tr("Edit channel %1").arg(channel));
    grid_->setFocus();
}

#include "moc_ChannelTableView.cpp"

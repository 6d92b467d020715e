#include "ChannelTableView.h"

#include "BandState.h"
#include "ChannelRules.h"
#include "FormTeardown.h"
#include "GridControl.h"
#include "InPlaceEditor.h"
#include "ModelGrid.h"
#include "OptionTables.h"
#include "ShownPath.h"
#include "Tones.h"
#include "WholeFile.h"

#include "ChannelClipboard.h"
#include "ChannelCsv.h"
#include "ChannelEditDialog.h"
#include "ChannelRows.h"
#include "ProblemBox.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
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

QString channelCount(int n) {
    return n == 1 ? QStringLiteral("1 channel") : QStringLiteral("%1 channels").arg(n);
}

QString rowCount(int n) {
    return n == 1 ? QStringLiteral("1 row") : QStringLiteral("%1 rows").arg(n);
}

// "5" or "5-7".
QString rangeText(int first, int last) {
    return first == last ? QString::number(first) : QStringLiteral("%1-%2").arg(first).arg(last);
}

} // namespace

ChannelTableView::ChannelTableView(MemoryImage& image, BandState& bands, QWidget* parent)
    : FormView(image, parent), bands_(bands), table_(std::make_unique<ChannelTable>(image, bands)),
      grid_(new GridControl), editButton_(new QPushButton(QStringLiteral("Channel edit"))) {
    setWindowTitle(QStringLiteral("Channel setting"));
    grid_->setAccessibleName(QStringLiteral("Channels"));
    GridLayout columns = layoutOf<ChannelTable>();
    columns.wholeGrid = false; // 800 rows scroll
    setUpGrid(*grid_, columns);
    for (int c = 0; c < ChannelTable::kColumns; ++c)
        grid_->setHeaderTip(c, ChannelTable::headerTip(c));
    fitColumns();

    auto make = [this](InPlaceEditor::Kind kind, const char* name, int maxLength,
                       std::optional<InPlaceEditor::Filter> filter) {
        auto* e = new InPlaceEditor(grid_, kind, QString::fromLatin1(name));
        if (maxLength > 0)
            e->setMaxLength(maxLength);
        if (filter)
            e->setFilter(*filter);
        connect(e, &InPlaceEditor::committed, this, &ChannelTableView::commitCell);
        connect(e, &InPlaceEditor::enterPressed, this, &ChannelTableView::editorEnter);
        return e;
    };
    frequencyEditor_ =
        make(InPlaceEditor::Kind::Line, "Frequency editor", 9, filterFor(CharSet::Frequency));
    nameEditor_ = make(InPlaceEditor::Kind::Line, "Name editor", 6, filterFor(CharSet::Name, true));
    listEditor_ = make(InPlaceEditor::Kind::List, "List editor", 0, std::nullopt);
    ctcssEditor_ =
        make(InPlaceEditor::Kind::EditableList, "CTCSS editor", 5, filterFor(CharSet::Tone));
    dcsEditor_ = make(InPlaceEditor::Kind::EditableList, "DCS editor", 3, filterFor(CharSet::Dcs));
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
    auto* layout = new QVBoxLayout(this);
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
        QStringList texts = {ChannelTable::headers()[c]};
        if (const auto list = ChannelTable::listOf(c))
            texts += options(*list);
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
    menu.addSeparator();
    menu.addAction(QStringLiteral("Import channels..."), this,
                   &ChannelTableView::importChannelsCommand);
    menu.addAction(QStringLiteral("Export channels..."), this,
                   &ChannelTableView::exportChannelsCommand);
    menu.exec(at);
}

void ChannelTableView::showRow(int row) {
    for (int c = kFirstData; c <= kLastData; ++c)
        grid_->setText(row, c, table_->text(row, c));
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
    grid_->setCurrentGridCell(row, column);
    InPlaceEditor* editor = editorFor(column);
    if (editor == listEditor_)
        listEditor_->setItems(options(*ChannelTable::listOf(column)));
    editor->begin(row, column, grid_->text(row, column));
    return editor;
}

void ChannelTableView::commitCell(int row, int column, const QString& text) {
    const std::vector<int> changed = table_->edit(row, column, text);
    for (int r : changed)
        showRow(r);
    Q_EMIT statusMessage(table_->correction());
    if (!changed.empty())
        Q_EMIT imageChanged(QStringLiteral("Edit channel %1").arg(row));
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
    Q_EMIT imageChanged(QStringLiteral("Edit channel %1").arg(channel));
    grid_->setFocus();
}

QString ChannelTableView::exportChannelsTo(const QString& path, bool interchange) {
    SaveToImage();
    const QByteArray csv =
        exportChannels(image(), bands_, interchange ? CsvDialect::Interchange : CsvDialect::Native);
    if (const Result written = writeWholeFile(path, csv); !written.ok)
        return written.message;
    Q_EMIT statusMessage(QStringLiteral("Exported %1 channel(s) to %2")
                             .arg(std::max<qsizetype>(0, csv.count('\n') - 1))
                             .arg(shownPath(path)));
    return {};
}

QString ChannelTableView::importChannelsFrom(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("Cannot open \"%1\": %2").arg(shownPath(path), file.errorString());
    QByteArray csv;
    if (const Result read = readChannelList(file, shownPath(path), csv); !read.ok)
        return read.message;
    SaveToImage();
    const ImportResult result = importChannels(image(), bands_, csv);
    if (!result.ok)
        return result.message;
    LoadFromImage();
    Q_EMIT imageChanged(QStringLiteral("Import channels"));
    Q_EMIT statusMessage(
        QStringLiteral("Imported %1 channel(s) from %2%3")
            .arg(result.imported)
            .arg(shownPath(path))
            .arg(result.warnings.isEmpty()
                     ? QString()
                     : QStringLiteral("; %1 line(s) skipped").arg(result.warnings.size())));
    QStringList told;
    if (!result.warnings.isEmpty())
        told << QStringLiteral("These lines were skipped:\n%1").arg(result.warnings.join(u'\n'));
    if (!result.notes.isEmpty())
        told << QStringLiteral("Note:\n%1").arg(result.notes.join(u'\n'));
    if (told.isEmpty())
        return {};
    return QStringLiteral("%1 channel(s) imported.\n%2").arg(result.imported).arg(told.join(u'\n'));
}

void ChannelTableView::exportChannelsCommand() {
    const QString native = QStringLiteral("Channel table (*.csv)");
    const QString interchange = QStringLiteral("Channel list for other programmers (*.csv)");
    QString filter;
    QString path =
        QFileDialog::getSaveFileName(this, QStringLiteral("Export channels"), {},
                                     native + QStringLiteral(";;") + interchange, &filter);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");
    if (const QString problem = exportChannelsTo(path, filter == interchange); !problem.isEmpty())
        showProblem(this, problem);
}

void ChannelTableView::importChannelsCommand() {
    const QString path =
        QFileDialog::getOpenFileName(this, QStringLiteral("Import channels"), {},
                                     QStringLiteral("CSV files (*.csv);;All files (*)"));
    if (path.isEmpty())
        return;
    if (const QString problem = importChannelsFrom(path); !problem.isEmpty())
        showProblem(this, problem);
}

// --- Row commands ---------------------------------------------------------------------------

const std::vector<ChannelTableView::RowCommand>& ChannelTableView::rowCommands() {
    static const std::vector<RowCommand> commands = {
        {QStringLiteral("Cut"), QKeySequence::keyBindings(QKeySequence::Cut),
         &ChannelTableView::cutRows},
        {QStringLiteral("Copy"), QKeySequence::keyBindings(QKeySequence::Copy),
         &ChannelTableView::copyRows},
        {QStringLiteral("Paste"), QKeySequence::keyBindings(QKeySequence::Paste),
         &ChannelTableView::pasteRows},
        {QStringLiteral("Delete"), QKeySequence::keyBindings(QKeySequence::Delete),
         &ChannelTableView::clearRows},
        // Ctrl+= as well: on most layouts "+" needs Shift.
        {QStringLiteral("Insert row"),
         {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
         &ChannelTableView::insertRows},
        {QStringLiteral("Delete row"),
         {QKeySequence(Qt::CTRL | Qt::Key_Minus)},
         &ChannelTableView::deleteRows},
        {QStringLiteral("Move up"),
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Up)},
         &ChannelTableView::moveRowsUp},
        {QStringLiteral("Move down"),
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Down)},
         &ChannelTableView::moveRowsDown},
    };
    return commands;
}

std::vector<int> ChannelTableView::selectedRows() const {
    std::vector<int> rows = grid_->selectedGridRows();
    if (rows.empty())
        rows.push_back(std::max(1, grid_->currentGridCell().row));
    return rows;
}

void ChannelTableView::recordsChanged(const QString& step, const QString& status) {
    grid_->setDrawingSuspended(true);
    for (int r : table_->recordsChanged())
        showRow(r);
    grid_->setDrawingSuspended(false);
    Q_EMIT imageChanged(step);
    Q_EMIT statusMessage(status);
}

void ChannelTableView::copyRows() {
    finishEdits();
    const std::vector<int> rows = selectedRows();
    const ChannelClipboard::Copied copied = ChannelClipboard::copy(*table_, image(), rows);
    auto* data = new QMimeData;
    data->setText(copied.text);
    data->setData(ChannelClipboard::kCsvFormat, copied.csv);
    data->setData(ChannelClipboard::kRecordsFormat, copied.records);
    QGuiApplication::clipboard()->setMimeData(data);
    Q_EMIT statusMessage(QStringLiteral("Copied %1").arg(channelCount(int(rows.size()))));
}

void ChannelTableView::cutRows() {
    copyRows();
    emptyRows(QStringLiteral("Cut"));
}

void ChannelTableView::clearRows() {
    finishEdits();
    emptyRows(QStringLiteral("Delete"));
}

void ChannelTableView::emptyRows(const QString& command) {
    const std::vector<int> rows = selectedRows();
    const int emptied = ChannelRows::clear(image(), rows);
    const QString step = QStringLiteral("%1 %2").arg(command, channelCount(emptied));
    recordsChanged(
        step, rows.front() == 1 ? step + QStringLiteral("; channel 1 can never be emptied") : step);
}

void ChannelTableView::pasteRows() {
    if (const QMimeData* data = QGuiApplication::clipboard()->mimeData())
        pasteAt(selectedRows().front(), *data);
    else
        Q_EMIT statusMessage(QStringLiteral("The clipboard holds no channel rows."));
}

void ChannelTableView::pasteAt(int first, const QMimeData& data) {
    finishEdits();
    // Records copied here keep every field; text goes through the rules of an import.
    if (data.hasFormat(ChannelClipboard::kRecordsFormat))
        if (const std::optional<int> placed = ChannelClipboard::pasteRecords(
                image(), bands_, data.data(ChannelClipboard::kRecordsFormat), first)) {
            const QString step = QStringLiteral("Paste %1").arg(channelCount(*placed));
            recordsChanged(step,
                           QStringLiteral("Pasted %1 at %2").arg(channelCount(*placed)).arg(first));
            grid_->selectGridRows(first, first + *placed - 1);
            return;
        }
    const QString text =
        data.hasText() ? data.text() : QString::fromUtf8(data.data(ChannelClipboard::kCsvFormat));
    const ImportResult result = ChannelClipboard::pasteText(image(), bands_, text, first);
    if (!result.ok) {
        Q_EMIT statusMessage(result.message);
        return;
    }
    const QString step = QStringLiteral("Paste %1").arg(channelCount(result.imported));
    QString status =
        QStringLiteral("Pasted %1 at %2").arg(channelCount(result.imported)).arg(first);
    if (!result.warnings.isEmpty())
        status += QStringLiteral("; %1").arg(result.warnings.join(QStringLiteral("; ")));
    if (!result.notes.isEmpty())
        status += QStringLiteral("; %1").arg(result.notes.join(QStringLiteral("; ")));
    recordsChanged(step, status);
    if (result.imported > 0)
        grid_->selectGridRows(first,
                              std::min<int>(first + result.imported - 1, ChannelTable::kRows));
}

void ChannelTableView::insertRows() {
    finishEdits();
    const std::vector<int> rows = selectedRows();
    const int at = rows.front();
    const int count = int(rows.size());
    if (const Result inserted = ChannelRows::insertEmpty(image(), at, count); !inserted.ok) {
        Q_EMIT statusMessage(inserted.message);
        showProblem(this, inserted.message);
        return;
    }
    const QString step = QStringLiteral("Insert %1 at %2").arg(rowCount(count)).arg(at);
    recordsChanged(step, step);
    grid_->selectGridRows(at, at + count - 1);
}

void ChannelTableView::deleteRows() {
    finishEdits();
    const std::vector<int> rows = selectedRows();
    // From the last up, so that each row is still where it was chosen.
    for (auto r = rows.rbegin(); r != rows.rend(); ++r)
        ChannelRows::remove(image(), *r, 1);
    const QString step = QStringLiteral("Delete %1 at %2")
                             .arg(rowCount(int(rows.size())))
                             .arg(rangeText(rows.front(), rows.back()));
    recordsChanged(step, step);
    grid_->selectGridRows(rows.front(), rows.front());
}

void ChannelTableView::moveRowsUp() {
    moveRows(-1);
}

void ChannelTableView::moveRowsDown() {
    moveRows(+1);
}

void ChannelTableView::moveRows(int by) {
    finishEdits();
    const std::vector<int> rows = selectedRows();
    const int first = rows.front();
    const int last = rows.back();
    if (last - first + 1 != int(rows.size())) {
        Q_EMIT statusMessage(QStringLiteral("Choose adjacent rows to move them."));
        return;
    }
    if (!ChannelRows::move(image(), first, last, by)) {
        Q_EMIT statusMessage(by < 0 ? QStringLiteral("Channel 1 is the first channel.")
                                    : QStringLiteral("Channel 800 is the last channel."));
        return;
    }
    const QString step =
        QStringLiteral("Move %1 %2 %3")
            .arg(first == last ? QStringLiteral("channel") : QStringLiteral("channels"),
                 rangeText(first, last), by < 0 ? QStringLiteral("up") : QStringLiteral("down"));
    recordsChanged(step, step);
    grid_->selectGridRows(first + by, last + by);
}

#include "moc_ChannelTableView.cpp"

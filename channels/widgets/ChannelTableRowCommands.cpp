// The channel table's row commands: which rows are chosen, and emptying, inserting, deleting and
// moving them, each one step for undo.
#include "ChannelTableView.h"

#include "ChannelRows.h"
#include "ChannelTableTexts.h"
#include "GridControl.h"
#include "ProblemBox.h"

#include <QKeySequence>

using namespace ChannelTableTexts;

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
        {QStringLiteral("Sort channels..."),
         {QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S)},
         &ChannelTableView::sortChannelsCommand},
        {QStringLiteral("Close gaps"),
         {QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_G)},
         &ChannelTableView::closeGaps},
        {QStringLiteral("Find..."), QKeySequence::keyBindings(QKeySequence::Find),
         &ChannelTableView::openFind},
        {QStringLiteral("Find next"), QKeySequence::keyBindings(QKeySequence::FindNext),
         &ChannelTableView::findNext},
        {QStringLiteral("Find previous"), QKeySequence::keyBindings(QKeySequence::FindPrevious),
         &ChannelTableView::findPrevious},
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

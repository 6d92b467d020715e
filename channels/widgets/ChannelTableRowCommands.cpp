// The channel table's row commands: which rows are chosen, and emptying, inserting, deleting and
// moving them, each one step for undo.
#include "ChannelTableView.h"
#include "Texts.h"

#include "ChannelRows.h"
#include "ChannelTableTexts.h"
#include "GridControl.h"
#include "ProblemBox.h"

#include <QKeySequence>

using namespace ChannelTableTexts;

const std::vector<ChannelTableView::RowCommand>& ChannelTableView::rowCommands() {
    static const std::vector<RowCommand> commands = {
        {Texts::tr("Cut"), QKeySequence::keyBindings(QKeySequence::Cut),
         &ChannelTableView::cutRows},
        {Texts::tr("Copy"), QKeySequence::keyBindings(QKeySequence::Copy),
         &ChannelTableView::copyRows},
        {Texts::tr("Paste"), QKeySequence::keyBindings(QKeySequence::Paste),
         &ChannelTableView::pasteRows},
        {Texts::tr("Delete"), QKeySequence::keyBindings(QKeySequence::Delete),
         &ChannelTableView::clearRows},
        // Ctrl+= as well: on most layouts "+" needs Shift.
        {Texts::tr("Insert row"),
         {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
         &ChannelTableView::insertRows},
        {Texts::tr("Delete row"),
         {QKeySequence(Qt::CTRL | Qt::Key_Minus)},
         &ChannelTableView::deleteRows},
        {Texts::tr("Move up"),
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Up)},
         &ChannelTableView::moveRowsUp},
        {Texts::tr("Move down"),
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Down)},
         &ChannelTableView::moveRowsDown},
        {Texts::tr("Sort channels..."),
         {QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S)},
         &ChannelTableView::sortChannelsCommand},
        {Texts::tr("Close gaps"),
         {QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_G)},
         &ChannelTableView::closeGaps},
        {Texts::tr("Find..."), QKeySequence::keyBindings(QKeySequence::Find),
         &ChannelTableView::openFind},
        {Texts::tr("Find next"), QKeySequence::keyBindings(QKeySequence::FindNext),
         &ChannelTableView::findNext},
        {Texts::tr("Find previous"), QKeySequence::keyBindings(QKeySequence::FindPrevious),
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
    emptyRows(Emptying::Delete);
}

void ChannelTableView::emptyRows(Emptying how) {
    const std::vector<int> rows = selectedRows();
    const int emptied = ChannelRows::clear(image(), rows);
    const QString step = how == Emptying::Cut ? Texts::tr("Cut %n channel(s)", nullptr, emptied)
                                              : Texts::tr("Delete %n channel(s)", nullptr, emptied);
    recordsChanged(step,
                   rows.front() == 1 ? step + Texts::tr("; channel 1 can never be emptied") : step);
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
    const QString step = Texts::tr("Insert %n row(s) at %1", nullptr, count).arg(at);
    recordsChanged(step, step);
    grid_->selectGridRows(at, at + count - 1);
}

void ChannelTableView::deleteRows() {
    finishEdits();
    const std::vector<int> rows = selectedRows();
    // From the last up, so that each row is still where it was chosen.
    for (auto r = rows.rbegin(); r != rows.rend(); ++r)
        ChannelRows::remove(image(), *r, 1);
    const QString step = Texts::tr("Delete %n row(s) at %1", nullptr, int(rows.size()))
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
        Q_EMIT statusMessage(Texts::tr("Choose adjacent rows to move them."));
        return;
    }
    if (!ChannelRows::move(image(), first, last, by)) {
        Q_EMIT statusMessage(by < 0 ? Texts::tr("Channel 1 is the first channel.")
                                    : Texts::tr("Channel 800 is the last channel."));
        return;
    }
    const QString range = rangeText(first, last);
    const QString step =
        first == last
            ? (by < 0 ? Texts::tr("Move channel %1 up") : Texts::tr("Move channel %1 down"))
                  .arg(range)
            : (by < 0 ? Texts::tr("Move channels %1 up") : Texts::tr("Move channels %1 down"))
                  .arg(range);
    recordsChanged(step, step);
    grid_->selectGridRows(first + by, last + by);
}

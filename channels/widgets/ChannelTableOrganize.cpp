// Putting order into the channel table: sorting, closing gaps, finding, and one value for many
// rows, each one step for undo named after what it did.
#include "ChannelTableView.h"
#include "Language.h"
#include "Texts.h"

#include "ChannelBulkEdit.h"
#include "ChannelFind.h"
#include "ChannelFindBar.h"
#include "ChannelSortDialog.h"
#include "ChannelTableTexts.h"
#include "GridControl.h"

#include <QMenu>

using namespace ChannelTableTexts;

void ChannelTableView::sortChannelsCommand() {
    finishEdits();
    const std::vector<int> chosen = grid_->selectedGridRows();
    ChannelSortDialog dialog(int(chosen.size()), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    sortChannels(dialog.keys(), dialog.chosenRowsOnly() ? chosen : std::vector<int>{});
}

void ChannelTableView::sortChannels(const std::vector<ChannelOrder::SortKey>& keys,
                                    const std::vector<int>& rows) {
    finishEdits();
    const ChannelOrder::Moved moved = ChannelOrder::sort(image(), bands_, keys, rows);
    QStringList by;
    for (const ChannelOrder::SortKey& key : keys)
        by << Language::shown(ChannelTable::headers()[key.column]);
    if (moved.moved == 0) {
        Q_EMIT statusMessage(Texts::tr("The channels are in that order already"));
        return;
    }
    QString status =
        (keys.front().descending
             ? Texts::tr("Sorted by %1, descending: %n channel(s) moved", nullptr, moved.moved)
             : Texts::tr("Sorted by %1: %n channel(s) moved", nullptr, moved.moved))
            .arg(by.join(QStringLiteral(", ")));
    if (!moved.note.isEmpty())
        status += QStringLiteral("; ") + moved.note;
    recordsChanged(Texts::tr("Sort channels"), status);
    if (!rows.empty())
        grid_->selectGridRows(rows.front(), rows.back());
}

void ChannelTableView::closeGaps() {
    finishEdits();
    const std::vector<int> chosen = grid_->selectedGridRows();
    const bool within = chosen.size() >= 2;
    const ChannelOrder::Moved moved =
        within ? ChannelOrder::closeGaps(image(), chosen.front(), chosen.back())
               : ChannelOrder::closeGaps(image());
    if (moved.moved == 0) {
        Q_EMIT statusMessage(Texts::tr("There are no gaps to close"));
        return;
    }
    recordsChanged(Texts::tr("Close gaps"),
                   Texts::tr("Closed gaps: %n channel(s) moved up", nullptr, moved.moved));
}

void ChannelTableView::setForChosenRows(int row, int column, const QString& text) {
    std::vector<int> rows = grid_->selectedGridRows();
    if (rows.size() < 2) {
        commitCell(row, column, text);
        return;
    }
    const QString header = Language::shown(ChannelTable::headers()[column]);
    if (column == ChannelTable::Rx && text.trimmed().isEmpty()) {
        Q_EMIT statusMessage(
            Texts::tr("Delete empties channels; an empty Rx Freq is not set for chosen rows"));
        return;
    }
    const ChannelBulkEdit::Outcome outcome =
        ChannelBulkEdit::setForRows(*table_, image(), rows, column, text);
    grid_->setDrawingSuspended(true);
    for (int r : outcome.changed)
        showRow(r);
    grid_->setDrawingSuspended(false);
    const QString step = Texts::tr("Set %1 for %n channel(s)", nullptr, outcome.set).arg(header);
    QString status = step;
    if (!outcome.refused.empty()) {
        QStringList refused;
        for (int r : outcome.refused)
            refused << QString::number(r);
        status += Texts::tr("; channel %1 kept its %2 (%3)")
                      .arg(refused.join(QStringLiteral(", ")), header, outcome.firstReason);
    }
    if (!outcome.changed.empty())
        Q_EMIT imageChanged(step);
    Q_EMIT statusMessage(status);
}

void ChannelTableView::addSetForChosenRows(QMenu& menu) {
    QMenu* set = menu.addMenu(Texts::tr("Set for chosen rows"));
    for (int column = ChannelTable::DecodeType; column < ChannelTable::kColumns; ++column) {
        const auto list = ChannelTable::listOf(column);
        if (!list)
            continue;
        QMenu* entries = set->addMenu(Language::shown(ChannelTable::headers()[column]));
        for (const QString& entry : options(*list))
            entries->addAction(Language::shown(entry), this, [this, column, entry] {
                finishEdits();
                setForChosenRows(std::max(1, grid_->currentGridCell().row), column, entry);
            });
    }
}

void ChannelTableView::openFind() {
    finishEdits();
    findBar_->open();
}

bool ChannelTableView::find(bool forward) {
    finishEdits();
    if (findBar_->text().trimmed().isEmpty()) {
        openFind();
        return false;
    }
    findBar_->show();
    const GridControl::Cell at = grid_->currentGridCell();
    bool wrapped = false;
    const auto found =
        ChannelFind::next(*table_, findBar_->text(), {at.row, at.column}, forward, &wrapped);
    if (!found) {
        findBar_->setOutcome(Texts::tr("not found"));
        return false;
    }
    grid_->setCurrentGridCell(found->row, found->column);
    grid_->scrollToCell(found->row, found->column);
    // The bar may have just moved the table down: a scroll in the same turn would leave parts
    // of the old rows on the screen.
    grid_->cellArea()->update();
    findBar_->setOutcome(!wrapped ? Texts::tr("channel %1").arg(found->row)
                         : forward
                             ? Texts::tr("channel %1, from the top again").arg(found->row)
                             : Texts::tr("channel %1, from the bottom again").arg(found->row));
    return true;
}

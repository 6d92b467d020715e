// The grid's sizes: columns and rows measured in twips as the forms describe them, widths the
// user chose, and columns stretched to fill the width when asked.
#include "GridControl.h"

#include "GridControlTable.h"

#include <algorithm>

void GridControl::setFillsWidth(bool fills) {
    fillsWidth_ = fills;
    chosen_.clear(); // the widths now shown are the chosen ones
    fillFactor_ = 1.0;
    fillWidth();
}

int GridControl::chosenColumnWidth(int column) const {
    const auto c = std::size_t(column - 1);
    return fillsWidth_ && c < chosen_.size() ? chosen_[c] : columnWidthPixels(column);
}

void GridControl::fillWidth() {
    if (!fillsWidth_)
        return;
    for (auto c = chosen_.size(); c < std::size_t(table_->columnCount()); ++c)
        chosen_.push_back(table_->columnWidth(int(c))); // columns added since
    chosen_.resize(std::size_t(table_->columnCount()));
    int sum = 0;
    for (int width : chosen_)
        sum += width;
    const int room = table_->viewport()->width();
    fillFactor_ = sum > 0 && room > sum ? double(room) / sum : 1.0;
    filling_ = true;
    int used = 0;
    for (std::size_t c = 0; c < chosen_.size(); ++c) {
        // The last column takes what rounding left over, so that the columns end at the edge.
        const bool last = c + 1 == chosen_.size();
        const int width = last && fillFactor_ > 1.0 ? room - used : int(chosen_[c] * fillFactor_);
        table_->setColumnWidth(int(c), width);
        used += width;
    }
    filling_ = false;
}

int GridControl::twipsToPixels(int twips, const QWidget* widget) {
    return (twips * widget->logicalDpiY() + 720) / 1440;
}

void GridControl::setColumnWidthTwips(int column, int twips) {
    const int px = twipsToPixels(twips, this);
    if (column == 0)
        table_->verticalHeader()->setFixedWidth(px);
    else
        table_->setColumnWidth(column - 1, px);
}

void GridControl::setRowHeightTwips(int row, int twips) {
    const int px = twipsToPixels(twips, this);
    if (row == 0)
        table_->horizontalHeader()->setFixedHeight(px);
    else
        table_->verticalHeader()->setDefaultSectionSize(px);
}

void GridControl::setWholeGridSize(int widthTwips, int heightTwips) {
    const int frame = 2 * table_->frameWidth();
    setFixedSize(twipsToPixels(widthTwips, this) + frame, twipsToPixels(heightTwips, this) + frame);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void GridControl::setColumnCentered(int column, bool centered) {
    if (centered)
        centered_.insert(column);
    else
        centered_.erase(column);
    if (column == 0)
        return;
    for (int r = 0; r < table_->rowCount(); ++r)
        if (QTableWidgetItem* it = table_->item(r, column - 1))
            it->setTextAlignment(alignmentOf(column));
}

void GridControl::setColumnsResizable(bool resizable) {
    table_->horizontalHeader()->setSectionResizeMode(resizable ? QHeaderView::Interactive
                                                               : QHeaderView::Fixed);
}

int GridControl::columnWidthPixels(int column) const {
    return column == 0 ? table_->verticalHeader()->width() : table_->columnWidth(column - 1);
}

void GridControl::setColumnWidthPixels(int column, int pixels) {
    if (fillsWidth_ && std::size_t(column - 1) < chosen_.size()) {
        chosen_[std::size_t(column - 1)] = pixels;
        fillWidth();
        return;
    }
    table_->setColumnWidth(column - 1, pixels);
}

void GridControl::setHeaderTip(int column, const QString& tip) {
    if (column > 0)
        table_->itemFor(0, column)->setToolTip(tip);
}

QString GridControl::headerTip(int column) const {
    const QTableWidgetItem* it = column > 0 ? table_->cellItem(0, column) : nullptr;
    return it ? it->toolTip() : QString();
}

bool GridControl::columnsResizable() const {
    return table_->horizontalHeader()->sectionResizeMode(0) == QHeaderView::Interactive;
}

#pragma once

#include "ChannelOrder.h"

#include <QDialog>

class QComboBox;
class QRadioButton;

// "Sort channels": one or two columns to sort by, ascending or descending, and the chosen rows
// or all channels in use. The last choice is remembered.
class ChannelSortDialog : public QDialog {
    Q_OBJECT
public:
    // `chosenRows`: how many rows are chosen; with fewer than two, all channels are sorted.
    explicit ChannelSortDialog(int chosenRows, QWidget* parent = nullptr);

    std::vector<ChannelOrder::SortKey> keys() const;
    bool chosenRowsOnly() const;

    void accept() override; // remembers the choice

private:
    QComboBox* first_;
    QComboBox* second_;
    QRadioButton* ascending_;
    QRadioButton* descending_;
    QRadioButton* chosen_;
    QRadioButton* all_;
};

#pragma once

#include "OptionTables.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

class BandState;
class MemoryImage;

// The channel table without its widgets: the texts of the 800 bank A rows, the rules that turn
// a typed cell into its new text (and, for a new or cleared channel, write the image at once),
// and the table store. The channel window, the CSV import and the tests all go through it.
class ChannelTable {
public:
    static constexpr int kRows = 800;
    enum Column {
        Channel,
        Rx,
        Tx,
        DecodeType,
        Ctcss,
        Dcs,
        DcsPolarity,
        Power,
        Scan,
        Bandwidth,
        Signaling,
        Name,
        kColumns
    };

    static const QStringList& headers();
    static int widthTwips(int column);
    // What a column's header stands for, in words.
    static QString headerTip(int column);
    // The option list a list column edits, or none for the other columns.
    static std::optional<OptionTable> listOf(int column);

    ChannelTable(MemoryImage& image, BandState& bands);
    // Channels changed outside any table (a dialog, new band limits) as the next table store
    // would leave them: filled from the image and stored, whether a channel window is open or
    // not, so that the change that made them is one step and no later store adds to it.
    static void settle(MemoryImage& image, BandState& bands);

    const QString& text(int row, int column) const {
        return rows_[std::size_t(row - 1)][std::size_t(column)];
    }
    bool rowEmpty(int row) const { return text(row, Rx).isEmpty(); }

    // Row r from channel r; an empty channel 1 first gets the default band's lower edge.
    void fillRow(int row);
    // All rows, then the band enabled flags from the image.
    void fill();
    // All rows into the image, then the normalization.
    void store();
    // After whole records were moved, inserted or emptied in the image: the rows are filled from
    // them, the table stored (the derived regions follow) and filled again. Returns the rows
    // whose texts changed.
    std::vector<int> recordsChanged();
    // A cell edit as the channel window makes it: committed, stored with the whole table and
    // shown from the image again. Returns the rows whose texts changed.
    std::vector<int> edit(int row, int column, const QString& editorText);

    // Ends an edit of a cell with the editor's text, as the table's rules say. Returns the rows
    // whose texts changed (the edited one; none when the edit was refused).
    bool commit(int row, int column, const QString& editorText);
    // Why the last commit did not take the text as typed ("4315 MHz lies in no band of this
    // radio: 134.00000"); empty when it did.
    const QString& correction() const { return correction_; }

    // The texts of every row, and the rows whose texts differ from such a snapshot: what an
    // edit of many rows shows again.
    using Row = std::array<QString, kColumns>;
    std::vector<Row> snapshot() const { return rows_; }
    std::vector<int> rowsChangedSince(const std::vector<Row>& before) const;

private:
    QString& cell(int row, int column) { return rows_[std::size_t(row - 1)][std::size_t(column)]; }
    void clearRow(int row);
    bool commitFrequency(int row, int column, const QString& editorText);
    QString firstChannelText(const QString& candidate, const QString& previous) const;
    void storeRow(int row);

    MemoryImage& image_;
    BandState& bands_;
    std::vector<Row> rows_;
    QString correction_;
};

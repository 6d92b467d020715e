#pragma once

#include "ChannelCsv.h"
#include "ChannelOrder.h"
#include "ChannelTable.h"
#include "FormView.h"

#include <QKeySequence>
#include <array>
#include <memory>
#include <vector>

class BandState;
class ChannelFindBar;
class GridControl;
class InPlaceEditor;
class QAction;
class QMenu;
class QMimeData;
class QPushButton;

// The channel table: the 800 bank A channels in a grid, edited through editors placed over
// the cells. Each committed cell stores the table, so the image is always current and each
// cell edit is one step for undo ("Edit channel 12").
class ChannelTableView : public FormView {
    Q_OBJECT
public:
    ChannelTableView(MemoryImage& image, BandState& bands, QWidget* parent = nullptr);
    ~ChannelTableView() override;

    void LoadFromImage() override; // fill table
    void SaveToImage() override;   // store table

    GridControl* grid() const { return grid_; }
    const ChannelTable& table() const { return *table_; }
    // Ends an edit of a cell with `text`, as an in-place editor does when it closes.
    void commitCell(int row, int column, const QString& text);

    // The "Channel edit" button: stores the table, edits the channel in the dialog, refills.
    void openChannelEdit(int channel);

    // CSV of the channels: export stores the table first; import applies the file's channels
    // to the image (nothing on failure) and refills the table. Both return a message to show
    // when something went wrong or rows were skipped (empty otherwise).
    QString exportChannelsTo(const QString& path, bool interchange);
    QString importChannelsFrom(const QString& path, ImportPlacement placement = {});
    // Shows what importing the list will do ("Import channels" dialog); Import applies it as
    // one step, Cancel leaves everything as it was.
    void previewImport(const QString& path);

    // The "Import channels..." and "Export channels..." commands with their file dialogs.
    void importChannelsCommand();
    void exportChannelsCommand();

    // The row commands, on the rows chosen by their labels (or the current row); each is one
    // step for undo. The table's context menu offers them with their keys, which work while the
    // table has the focus; the main window's Edit menu lists them too.
    struct RowCommand {
        QString text;
        QList<QKeySequence> keys; // the first is the one the menu shows
        void (ChannelTableView::*run)();
    };
    static const std::vector<RowCommand>& rowCommands();
    std::vector<int> selectedRows() const;
    void cutRows();
    void copyRows();
    void pasteRows();
    void clearRows();
    void insertRows();
    void deleteRows();
    void moveRowsUp();
    void moveRowsDown();
    // Pastes channel rows (this program's records, or tab-separated or CSV text) at `first`.
    void pasteAt(int first, const QMimeData& data);

    // Putting order into the channels, each one step for undo: "Sort channels..." asks for the
    // keys; sortChannels sorts the chosen rows (`rows`) or, with none, all channels in use.
    void sortChannelsCommand();
    void sortChannels(const std::vector<ChannelOrder::SortKey>& keys, const std::vector<int>& rows);
    // Channels in use follow each other from channel 1, or within the chosen rows.
    void closeGaps();
    // One value in one column of every chosen channel in use (Ctrl+Enter in a cell's editor,
    // or "Set for chosen rows"); only `row` when fewer than two rows are chosen.
    void setForChosenRows(int row, int column, const QString& text);
    // The find bar (Ctrl+F), and finding the next or previous match (F3, Shift+F3).
    ChannelFindBar* findBar() const { return findBar_; }
    void openFind();
    bool find(bool forward);
    void findNext() { find(true); }
    void findPrevious() { find(false); }

Q_SIGNALS:
    // "Channel edit" pressed: the table is stored; the channel of the current row is asked for.
    void channelEditRequested(int channel);

private:
    void fitColumns();
    static Result readListFile(const QString& path, QByteArray& csv);
    void showContextMenu(const QPoint& at);
    // "Set for chosen rows": each list column with its entries.
    void addSetForChosenRows(QMenu& menu);
    InPlaceEditor* editorFor(int column) const;
    void showRow(int row);
    InPlaceEditor* beginEdit(int row, int column);
    void editorEnter(int row, int column, const QString& text);
    void moveTo(int row, int column);
    void finishEdits();
    // Shows what a change of whole records did and records it as one step.
    void recordsChanged(const QString& step, const QString& status);
    void moveRows(int by);
    // The chosen rows emptied as one step named after `command`.
    enum class Emptying { Cut, Delete };
    void emptyRows(Emptying how);

    BandState& bands_;
    std::unique_ptr<ChannelTable> table_;
    GridControl* grid_;
    QPushButton* editButton_;
    InPlaceEditor* frequencyEditor_;
    InPlaceEditor* nameEditor_;
    InPlaceEditor* listEditor_;
    InPlaceEditor* ctcssEditor_;
    InPlaceEditor* dcsEditor_;
    std::vector<QAction*> rowActions_;
    ChannelFindBar* findBar_;
};

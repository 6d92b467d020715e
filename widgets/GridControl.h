#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <set>
#include <vector>

class InPlaceEditor;
class QHeaderView;
class QScrollBar;

// The table the table forms show (band limits, channels, DTMF codes, 2-Tone contacts). Rows
// and columns count as the forms count them: row 0 is the fixed header, column 0 the fixed row
// label, data from (1, 1); every call here takes and gives them so. Widths and heights are
// given in twips (1/1440 inch). The grid never edits a cell itself: forms place their editors
// (see InPlaceEditor) over the current cell.
class GridControl : public QWidget {
    Q_OBJECT
public:
    struct Cell {
        int row = 0;
        int column = 0;
        friend bool operator==(const Cell&, const Cell&) = default;
    };

    explicit GridControl(QWidget* parent = nullptr);
    ~GridControl() override;

    void setGridSize(int rows, int columns);
    int gridRows() const;
    int gridColumns() const;

    void setText(int row, int column, const QString& text);
    QString text(int row, int column) const;
    Qt::Alignment cellAlignment(int row, int column) const;
    QColor cellBackground(int row, int column) const;                 // invalid: normal
    void setCellBackground(int row, int column, const QColor& color); // invalid: normal

    Cell currentGridCell() const;
    void setCurrentGridCell(int row, int column);
    // Scrolls until the cell shows.
    void scrollToCell(int row, int column);

    static int twipsToPixels(int twips, const QWidget* widget);
    void setColumnWidthTwips(int column, int twips);
    void setRowHeightTwips(int row, int twips); // row 0: the header; others: every data row
    // The grid as large as its columns' widths and its rows' heights, in twips: every cell
    // shows, and there is nothing to scroll.
    void setWholeGridSize(int widthTwips, int heightTwips);
    void setColumnCentered(int column, bool centered = true);
    // Lets the user drag column widths (the row-label column stays fixed).
    void setColumnsResizable(bool resizable);
    int columnWidthPixels(int column) const;
    void setColumnWidthPixels(int column, int pixels);
    // The columns keep the widths set or dragged ("chosen") and share any spare width of the
    // grid in proportion to them, so that they fill it.
    void setFillsWidth(bool fills);
    int chosenColumnWidth(int column) const;
    void setHeaderTip(int column, const QString& tip);
    QString headerTip(int column) const;
    bool columnsResizable() const;
    void setRowHighlighting(bool on);
    // Several rows may be chosen by their labels: a press chooses one, Shift+press or a drag over
    // the labels a range, Ctrl+press adds or removes one; Shift+Space chooses the current row
    // and Shift+Up / Shift+Down then extend the choice.
    void setRowSelection(bool on);
    // The rows wholly chosen, in order; none when no whole row is.
    std::vector<int> selectedGridRows() const;
    // How many cells are chosen (a highlighted row counts all of its cells).
    int selectedCellCount() const;
    // Chooses rows first..last and makes the first current.
    void selectGridRows(int first, int last);
    void setDrawingSuspended(bool suspended);

    // The cell's rectangle in the coordinates of cellArea(), where editors are placed.
    QRect cellRect(int row, int column) const;
    QWidget* cellArea() const;
    QWidget* editorParent() const { return cellArea(); }
    // The row labels' area, the row a point of it lies on (-1 for none) and the rectangle of
    // a row's label in it.
    QWidget* rowLabelArea() const; // where its clicks go
    // Right-clicks on cells and row labels ask for a context menu through menuRequested().
    void setContextMenus(bool on);
    int rowAtLabel(const QPoint& point) const;
    QRect rowLabelRect(int row) const;
    QScrollBar* rowScrollBar() const;

    // The columns users edit and how an edit starts: `begin` opens the editor of a cell (or
    // of the cell the form edits instead) and returns it, or null when nothing opens. Then, as
    // in a spreadsheet, Enter and F2 edit the current cell, a typed character starts an edit
    // with itself, Tab and Shift+Tab move on and back, and Right on the last data column goes
    // to the first of the next row, Left on the first to the last of the previous row.
    using EditStarter = std::function<InPlaceEditor*(int row, int column)>;
    void setEditing(int firstColumn, int lastColumn, EditStarter begin);
    // The next (or previous) data cell, across rows, not past the first or last row.
    void moveAcross(bool forward);

    // An editor open over a cell; the current cell does not move while it stays open.
    void setActiveEditor(InPlaceEditor* editor);

Q_SIGNALS:
    void mousePressed(Qt::MouseButton button, int row, int column);
    void cellEntered(int row, int column);
    void scrolled();
    // The user dragged a column's width.
    void columnResized();
    // A context menu at `global`; `labelRow` is the row whose label was clicked, 0 for a cell.
    void menuRequested(const QPoint& global, int labelRow);

protected:
    // The table takes the grid's accessible name, so that a screen reader names the table.
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Keys sent to the grid go to its table.
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    class Table;
    friend class Table;
    bool editingKey(QKeyEvent* event);
    void forward(QKeyEvent* event);
    void finishEditing();
    Qt::Alignment alignmentOf(int column) const;
    void fillWidth();

    Table* table_;
    std::set<int> centered_;
    int firstColumn_ = 1;
    int columnBeforeLabelPress_ = 1;
    int lastColumn_ = 1;
    EditStarter begin_;
    QPointer<InPlaceEditor> activeEditor_;
    bool rowSelection_ = false;
    bool forwarding_ = false;
    bool fillsWidth_ = false;
    bool filling_ = false;    // our own width changes are no drags
    double fillFactor_ = 1.0; // shown width / chosen width
    std::vector<int> chosen_; // per table column
};

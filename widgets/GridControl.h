#pragma once

#include <QPointer>
#include <QTableWidget>
#include <functional>
#include <set>
#include <vector>

class InPlaceEditor;
class QLabel;

// The table the table forms show (band limits, channels, DTMF codes, 2-Tone contacts). Rows
// and columns count as the forms count them: row 0 is the fixed header, column 0 the fixed row
// label, data from (1, 1). Widths and heights are given in twips (1/1440 inch). The grid never
// edits a cell itself: forms place their editors (see InPlaceEditor) over the current cell.
class GridControl : public QTableWidget {
    Q_OBJECT
public:
    struct Cell {
        int row = 0;
        int column = 0;
        friend bool operator==(const Cell&, const Cell&) = default;
    };

    explicit GridControl(QWidget* parent = nullptr);

    void setGridSize(int rows, int columns);
    int gridRows() const { return rowCount() + 1; }
    int gridColumns() const { return columnCount() + 1; }

    void setText(int row, int column, const QString& text);
    QString text(int row, int column) const;

    Cell currentGridCell() const;
    void setCurrentGridCell(int row, int column);

    static int twipsToPixels(int twips, const QWidget* widget);
    void setColumnWidthTwips(int column, int twips);
    void setRowHeightTwips(int row, int twips); // row 0: the header; others: every data row
    // The grid as large as its columns' widths and its rows' heights, in twips: every cell
    // shows, and there is nothing to scroll.
    void setWholeGridSize(int widthTwips, int heightTwips);
    void setColumnCentered(int column, bool centered = true);
    // Lets the user drag column widths (the row-label column stays fixed).
    void setColumnsResizable(bool resizable);
    int columnWidthPixels(int column) const { return columnWidth(column - 1); }
    void setColumnWidthPixels(int column, int pixels) { setColumnWidth(column - 1, pixels); }
    void setHeaderTip(int column, const QString& tip);
    void setRowHighlighting(bool on);
    // Several rows may be chosen by their labels: a press chooses one, Shift+press or a drag over
    // the labels a range, Ctrl+press adds or removes one; Shift+Space chooses the current row
    // and Shift+Up / Shift+Down then extend the choice.
    void setRowSelection(bool on);
    // The rows wholly chosen, in order; none when no whole row is.
    std::vector<int> selectedGridRows() const;
    // Chooses rows first..last and makes the first current.
    void selectGridRows(int first, int last);
    void setDrawingSuspended(bool suspended);
    void setCellBackground(int row, int column, const QColor& color); // invalid: normal

    // The cell's rectangle in the coordinates of editorParent(), for placing an editor.
    QRect cellRect(int row, int column) const;
    QWidget* editorParent() const { return viewport(); }

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

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void updateGeometries() override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    bool editingKey(QKeyEvent* event);
    void finishEditing();

    QTableWidgetItem* itemFor(int row, int column);
    Qt::Alignment alignmentOf(int column) const;

    QLabel* corner_;
    std::set<int> centered_;
    int firstColumn_ = 1;
    int lastColumn_ = 1;
    EditStarter begin_;
    QPointer<InPlaceEditor> activeEditor_;
    bool rowSelection_ = false;
};

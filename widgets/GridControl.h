#pragma once

#include <QTableWidget>
#include <functional>
#include <set>

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
    void setColumnCentered(int column, bool centered = true);
    void setRowHighlighting(bool on);
    void setDrawingSuspended(bool suspended);
    void setCellBackground(int row, int column, const QColor& color); // invalid: normal

    // The cell's rectangle in the coordinates of editorParent(), for placing an editor.
    QRect cellRect(int row, int column) const;
    QWidget* editorParent() const { return viewport(); }

    // Right on the last data column goes to the first of the next row, Left on the first to the
    // last of the previous row (not past the first or last row). True when it handled the key.
    bool wrapAcrossRows(int key, int firstColumn, int lastColumn);
    // The keys of the table forms: Enter edits the current cell through `edit`, Left and Right
    // wrap across rows. True when the key was one of them.
    bool tableKey(int key, int firstColumn, int lastColumn,
                  const std::function<void(int row, int column)>& edit);

    // Keys pressed while the grid has the focus go here first; true means handled.
    void setKeyHandler(std::function<bool(int key)> handler) { keyHandler_ = std::move(handler); }

Q_SIGNALS:
    void mousePressed(Qt::MouseButton button, int row, int column);
    void cellEntered(int row, int column);
    void scrolled();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void updateGeometries() override;

private:
    QTableWidgetItem* itemFor(int row, int column);
    Qt::Alignment alignmentOf(int column) const;

    QLabel* corner_;
    std::set<int> centered_;
    std::function<bool(int)> keyHandler_;
};

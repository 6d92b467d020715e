#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

class MemoryImage;

// The sixteen stored DTMF codes at 0xD760 as the Code page's grid edits them, without the
// widgets: each row's Type ("None", "ANI", or empty for an entry not in use), Num (up to 16
// DTMF characters) and Alias (up to 6 characters), the rules an editor's text goes through when
// it closes, and the load and write of the table. Entry 1 can be changed but never emptied.
class DtmfCodeTable {
public:
    static constexpr int kRows = 16;
    enum Column { Number, Type, Num, Alias, kColumns };

    static const QStringList& headers();   // "No.", "Type", "Num", "Alias"
    static const QStringList& typeItems(); // "", "None", "ANI": the empty entry empties a row
    static int widthTwips(int column);
    // The bytes of an entry the grid shows: offset and length each (Num, Alias, Type).
    static const std::vector<std::pair<int, int>>& shownBytes();

    explicit DtmfCodeTable(MemoryImage& image);

    const QString& text(int row, int column) const {
        return rows_[std::size_t(row - 1)][std::size_t(column)];
    }
    bool rowEmpty(int row) const { return text(row, Type).isEmpty(); }
    bool isAni(int row) const { return text(row, Type).compare("ANI", Qt::CaseInsensitive) == 0; }

    void fill();
    // Fills the table's 384 bytes with 0xFF, then writes every row whose Type is "None" or "ANI".
    void store();

    // The column an edit started on (row, column) opens: an empty row always edits its Type;
    // column 0 opens nothing (-1).
    int editColumn(int row, int column) const;
    // The rules of an editor closing on `text`.
    void commit(int row, int column, const QString& text);

    // Every `delimiter` leaves the Num of each ANI row; a Num left empty becomes the entry
    // number "%06d".
    void removeFromAniNums(QChar delimiter);
    // Empties entry `row`; entry 1 can never be emptied (false then).
    bool clearEntry(int row);
    // Why entry `row`, in use, is not offered as the Alarm's EMI code; empty when it is offered
    // or not in use.
    QString emiCodeNote(int row) const;

private:
    QString& cell(int row, int column) { return rows_[std::size_t(row - 1)][std::size_t(column)]; }
    void clearRow(int row);
    void commitType(int row, const QString& chosen);

    MemoryImage& image_;
    std::array<std::array<QString, kColumns>, kRows> rows_{};
};

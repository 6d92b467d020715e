#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

class MemoryImage;

// The sixteen 2-Tone contacts at 0xD180 as the Contact page's grid edits them, without the
// widgets: each row's first and second tone (Hz, "%.1f"), format ("Two", "Single"), system
// ("1" to "16") and alias, the rules an editor's text goes through when it closes, and the load
// and store of the contacts. A contact without a first tone is empty; row 1 is never emptied.
class TwoToneContacts {
public:
    static constexpr int kRows = 16;
    enum Column { Number, First, Second, Format, System, Alias, kColumns };

    static const QStringList& headers();
    static const QStringList& formatItems(); // "Two", "Single"
    static const QStringList& systemItems(); // "1" to "16"
    static int widthTwips(int column);
    // The bytes of a contact the grid shows: offset and length each (alias, tones, format,
    // system).
    static const std::vector<std::pair<int, int>>& shownBytes();

    explicit TwoToneContacts(MemoryImage& image);

    const QString& text(int row, int column) const {
        return rows_[std::size_t(row - 1)][std::size_t(column)];
    }
    bool rowEmpty(int row) const { return text(row, First).isEmpty(); }
    // A "Single" contact has no second tone: its cell is greyed and cannot be edited.
    bool secondUnused(int row) const { return text(row, Format) == QLatin1String("Single"); }

    void fill();
    void store();

    // The column an edit started on (row, column) opens: an empty row always edits its first
    // tone; the second tone of a "Single" row and the number column open nothing (-1).
    int editColumn(int row, int column) const;
    // The rules of an editor closing on `text`.
    void commit(int row, int column, const QString& text);

    // A typed tone as the grid shows it: tenths, clamped to 288.0-3116.0, 0 as empty.
    static QString toneText(const QString& typed);

private:
    QString& cell(int row, int column) { return rows_[std::size_t(row - 1)][std::size_t(column)]; }
    void clearRow(int row);

    MemoryImage& image_;
    std::array<std::array<QString, kColumns>, kRows> rows_{};
};

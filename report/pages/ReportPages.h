#pragma once

#include "Report.h"
#include "Result.h"

#include <QByteArray>
#include <QFont>
#include <QHash>
#include <QPageLayout>
#include <QRect>
#include <optional>
#include <vector>

class QFontMetrics;
class QPagedPaintDevice;
class QPainter;
class QPdfWriter;

// A report on a paged device (a printer, a PDF), laid out from its structure: every page has
// the document's name as a bold header over a rule and "-- Page %d of %d --" under a rule as a
// footer; the body holds the report's header fields, then each section's title and fields,
// its record groups and its tables, in a 12-point serif font. Fields stand two to a row, a
// label (wrapped when long) beside its value. A table's columns are as wide as their texts, its
// font made smaller down to 9 points when it is wider than the page, its cells wrapped beyond
// that. No title stands alone at the foot of a page; a group or table that goes on over a page
// break repeats its title with "(continued)", a table its column headings too.
class ReportPages {
public:
    ReportPages(QPagedPaintDevice& device, QString documentName, const Report& report);

    // The page frame in device units, measured with the print font.
    struct Metrics {
        int lineHeight, charWidth, textHeight, pageWidth, pageHeight, bodyHeight;
    };
    Metrics metrics() const {
        return {lineHeight_, charWidth_, textHeight_, pageWidth_, pageHeight_, bodyHeight_};
    }
    int pageCount() const { return int(pages_.size()); }
    // Page `page` (1-based) with `painter`, which paints on the device.
    void paintPage(QPainter& painter, int page) const;
    // Every page on the device; false when the painter could not start or a page failed.
    bool paintAll();

private:
    struct Cell {
        QRect rect; // from the block's top left
        QString text;
        int flags;
        int font; // index into fonts_
    };
    // What a page holds whole: a title, a row of fields, a table's headings or one of its rows.
    struct Block {
        int height = 0;
        std::vector<Cell> cells;
        bool keepWithNext = false; // a title, or headings: never last on a page
        int context = -1;          // the group or table it belongs to
    };
    // A group or table: what a page it goes on over to starts with.
    struct Context {
        Block continuedTitle;
        std::optional<Block> headings;
    };
    struct Placed {
        const Block* block;
        int y;
    };

    void measure();
    void addGap(int height);
    void addTitle(const QString& text, int font, int context = -1);
    void addFields(const std::vector<ReportField>& fields, int context);
    void addTable(const ReportTable& table);
    void paginate();
    // The height of a text drawn in `width` with `flags` (wrapping), in font `font`.
    int textHeight(const QString& text, int width, int flags, int font) const;
    int advance(const QString& text, int font) const;

    QPagedPaintDevice& device_;
    QString name_;
    std::vector<QFont> fonts_; // body, bold, and the tables' own sizes
    mutable std::vector<QHash<QString, int>> advances_;
    int lineHeight_ = 0, charWidth_ = 0, textHeight_ = 0;
    int pageWidth_ = 0, pageHeight_ = 0, bodyHeight_ = 0, bodyWidth_ = 0;
    std::vector<Block> blocks_;
    std::vector<Context> contexts_;
    std::vector<Block> repeated_; // the continued titles and headings placed on pages
    std::vector<std::vector<Placed>> pages_;
};

// A4 portrait with 12 mm margins: a report's page unless Print Setup chose another.
QPageLayout defaultReportPageLayout();
// The page set-up last chosen in Print Setup (in the program's settings), else the default.
QPageLayout savedReportPageLayout();
void saveReportPageLayout(const QPageLayout& layout);

// A PDF writer as the reports use it: the report's page set-up at 300 dots per inch.
void setUpPdfWriter(QPdfWriter& writer, const QString& title, const QPageLayout& layout);

// The report as the bytes of a PDF document; nothing when a page could not be drawn.
std::optional<QByteArray> reportPdf(const QString& documentName, const Report& report,
                                    const QPageLayout& layout = defaultReportPageLayout());
// The report written as a PDF file (see writeWholeFile for what the path may be).
Result writeReportPdf(const QString& path, const QString& documentName, const Report& report,
                      const QPageLayout& layout = defaultReportPageLayout());

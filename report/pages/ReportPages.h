#pragma once

#include "Report.h"
#include "Result.h"

#include <QByteArray>
#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QStringList>
#include <optional>
#include <vector>

class QPagedPaintDevice;
class QPainter;
class QPdfWriter;

// Report pages on a paged device (a printer, a PDF): the document's name as a bold header over
// a rule, the body lines, a rule and "-- Page %d of %d --" as a footer, in a 12-point serif
// font. A body line is drawn left-aligned; a line with "^^" holds label:value fields, three to
// a line in six columns, each text made smaller when it would not fit its column; runs of
// tab-separated lines are tables in aligned columns, made smaller when they would not fit the
// width. Title lines are bold.
class ReportPages {
public:
    ReportPages(QPagedPaintDevice& device, QString documentName, BodyLines body);

    // The page frame in device units, measured with the print font.
    struct Metrics {
        int lineHeight, charWidth, textHeight, pageWidth, pageHeight, bodyHeight;
    };
    Metrics metrics() const {
        return {lineHeight_, charWidth_, textHeight_, pageWidth_, pageHeight_, bodyHeight_};
    }
    int pageCount() const { return int(starts_.size()); }
    // Page `page` (1-based) with `painter`, which paints on the device.
    void paintPage(QPainter& painter, int page) const;
    // Every page on the device; false when the painter could not start or a page failed.
    bool paintAll();

private:
    struct Table {
        int first = 0, last = 0;  // the lines of one run of tab-separated lines
        std::vector<int> columns; // x of each cell, at full size
        double scale = 1.0;       // below 1 when the table is wider than the body
        QFont font, headerFont;   // at that scale; the header row is bold
        int ascent = 0;
    };
    void measure();
    void findTables();
    const Table* tableOf(int line) const;
    int advance(const QString& text) const;
    void paintLine(QPainter& painter, int line, int y) const;
    void paintFields(QPainter& painter, const QString& line, int y) const;
    void drawFitted(QPainter& painter, const QRect& cell, int flags, const QString& text) const;

    QPagedPaintDevice& device_;
    QString name_;
    QStringList lines_;
    QSet<int> titles_;
    QFont font_;
    QFontMetrics metrics_;
    mutable QHash<QString, int> advances_;
    int lineHeight_ = 0, charWidth_ = 0, textHeight_ = 0;
    int pageWidth_ = 0, pageHeight_ = 0, bodyHeight_ = 0;
    std::vector<int> starts_;
    std::vector<Table> tables_;
};

// A PDF writer as the reports use it: A4 at 300 dots per inch, with the margins a printer's
// printable area would leave.
void setUpPdfWriter(QPdfWriter& writer, const QString& title);

// The report as the bytes of a PDF document, A4 at 300 dots per inch; nothing when a page
// could not be drawn.
std::optional<QByteArray> reportPdf(const QString& documentName, const BodyLines& body);
// The report written as a PDF file (see writeWholeFile for what the path may be).
Result writeReportPdf(const QString& path, const QString& documentName, const BodyLines& body);

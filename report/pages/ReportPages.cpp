#include "ReportPages.h"

#include "PageLayout.h"
#include "WholeFile.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace {

const QString kMeasureText =
    QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSATUVWXYZ");

// "Times New Roman" where it is installed, else the system's serif face.
QFont printFont(const QPaintDevice& device) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(qRound(12.0 * device.logicalDpiY() / 72.0));
    return font;
}

QFont bold(QFont font) {
    font.setBold(true);
    return font;
}

} // namespace

ReportPages::ReportPages(QPagedPaintDevice& device, QString documentName, BodyLines body)
    : device_(device), name_(std::move(documentName)), lines_(std::move(body.lines)),
      titles_(std::move(body.titles)), font_(printFont(device)), metrics_(font_, &device) {
    measure();
    findTables();
    starts_ = PageLayout::pageStarts(int(lines_.size()), lineHeight_, bodyHeight_);
}

void ReportPages::measure() {
    const QFontMetrics metrics(font_, &device_);
    lineHeight_ = metrics.height() + metrics.leading();
    charWidth_ = std::max(1, metrics.horizontalAdvance(kMeasureText.left(52)) / 52);
    textHeight_ = metrics.height();
    pageWidth_ = device_.width();
    pageHeight_ = device_.height();
    bodyHeight_ = PageLayout::bodyHeight(pageHeight_, textHeight_);
}

// Runs of lines with the same number of tab-separated cells share their columns.
void ReportPages::findTables() {
    const int width = pageWidth_ - 8 * charWidth_;
    for (int i = 0; i < int(lines_.size());) {
        const auto cells = lines_[i].count(u'\t');
        if (cells == 0) {
            ++i;
            continue;
        }
        Table table;
        table.first = table.last = i;
        std::vector<int> widths(std::size_t(cells + 1), 0);
        while (table.last < int(lines_.size()) && lines_[table.last].count(u'\t') == cells) {
            const QStringList parts = lines_[table.last].split(u'\t');
            for (qsizetype c = 0; c < parts.size(); ++c)
                widths[std::size_t(c)] = std::max(widths[std::size_t(c)], advance(parts[c]));
            ++table.last;
        }
        int x = 0;
        for (int w : widths) {
            table.columns.push_back(x);
            x += w + charWidth_ * 3 / 2;
        }
        table.scale = x > width ? double(width) / x : 1.0;
        table.font = font_;
        table.font.setPixelSize(std::max(1, int(font_.pixelSize() * table.scale)));
        table.headerFont = bold(table.font);
        table.ascent = QFontMetrics(table.font, &device_).ascent();
        i = table.last;
        tables_.push_back(table);
    }
}

// Texts repeat ("Off", "High"): each is measured once.
int ReportPages::advance(const QString& text) const {
    auto known = advances_.constFind(text);
    if (known != advances_.cend())
        return *known;
    return *advances_.insert(text, metrics_.horizontalAdvance(text));
}

const ReportPages::Table* ReportPages::tableOf(int line) const {
    for (const Table& t : tables_)
        if (line >= t.first && line < t.last)
            return &t;
    return nullptr;
}

void ReportPages::paintFields(QPainter& painter, const QString& line, int y) const {
    const int column = (pageWidth_ - 8 * charWidth_) / 6;
    QStringList fields = line.split(QStringLiteral("^^"));
    fields.removeLast(); // text after the last "^^" is not drawn
    for (qsizetype f = 0; f < fields.size() && f < 3; ++f) {
        const qsizetype colon = fields[f].indexOf(u':');
        const QString label = fields[f].left(colon + 1);
        const QString value = fields[f].mid(colon + 1);
        const int x = int(f) * 2 * column;
        drawFitted(painter, QRect(x, y, column, lineHeight_), Qt::AlignRight, label);
        drawFitted(painter, QRect(x + column + 20, y, column - 20, lineHeight_), Qt::AlignLeft,
                   value);
    }
}

// A text wider than its cell is drawn smaller rather than cut.
void ReportPages::drawFitted(QPainter& painter, const QRect& cell, int flags,
                             const QString& text) const {
    const int width = advance(text);
    if (width > cell.width()) {
        QFont smaller = font_;
        smaller.setPixelSize(std::max(1, font_.pixelSize() * cell.width() / width));
        painter.setFont(smaller);
    }
    painter.drawText(cell, flags | Qt::AlignVCenter | Qt::TextSingleLine, text);
    painter.setFont(font_);
}

void ReportPages::paintLine(QPainter& painter, int line, int y) const {
    const QString& text = lines_[line];
    if (text.contains(QStringLiteral("^^"))) {
        paintFields(painter, text, y);
    } else if (const Table* table = tableOf(line)) {
        painter.setFont(titles_.contains(line) ? table->headerFont : table->font);
        const QStringList cells = text.split(u'\t');
        for (qsizetype c = 0; c < cells.size(); ++c)
            painter.drawText(
                QPoint(int(table->columns[std::size_t(c)] * table->scale), y + table->ascent),
                cells[c]);
        painter.setFont(font_);
    } else {
        if (titles_.contains(line))
            painter.setFont(bold(font_));
        painter.drawText(QRect(0, y, pageWidth_ - 8 * charWidth_, lineHeight_),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextExpandTabs, text);
        painter.setFont(font_);
    }
}

void ReportPages::paintPage(QPainter& painter, int page) const {
    painter.save();
    painter.setFont(font_);
    painter.setPen(Qt::black);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.translate(4 * charWidth_, 0);
    const int width = pageWidth_ - 8 * charWidth_;

    // Header: the document's name over a rule.
    const QRect header(0, 0, width, 2 * textHeight_);
    painter.setFont(bold(font_));
    painter.drawText(header, Qt::AlignCenter | Qt::TextSingleLine, name_);
    painter.drawLine(header.bottomLeft(), header.bottomRight());
    painter.setFont(font_);

    // Body: the lines of this page.
    const int top = 2 * textHeight_ + 40;
    const int first = starts_[std::size_t(page - 1)];
    const int end = page < pageCount() ? starts_[std::size_t(page)] : int(lines_.size());
    for (int line = first, y = top; line < end; ++line, y += lineHeight_)
        paintLine(painter, line, y);

    // Footer: a rule and the page number, 30 units above the bottom.
    const QRect footer(0, pageHeight_ - 30 - textHeight_, width, textHeight_);
    painter.drawLine(footer.topLeft(), footer.topRight());
    painter.setFont(bold(font_));
    painter.drawText(footer.translated(0, textHeight_ / 2), Qt::AlignCenter | Qt::TextSingleLine,
                     PageLayout::footer(page, pageCount()));
    painter.restore();
}

bool ReportPages::paintAll() {
    QPainter painter;
    if (!painter.begin(&device_))
        return false;
    for (int page = 1; page <= pageCount(); ++page) {
        if (page > 1 && !device_.newPage())
            return false; // a failed page aborts the document
        paintPage(painter, page);
    }
    return painter.end();
}

void setUpPdfWriter(QPdfWriter& writer, const QString& title) {
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Duoband"));
    writer.setResolution(300);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
}

std::optional<QByteArray> reportPdf(const QString& documentName, const BodyLines& body) {
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QPdfWriter writer(&pdf);
    setUpPdfWriter(writer, documentName);
    ReportPages pages(writer, documentName, body);
    if (!pages.paintAll())
        return std::nullopt;
    return pdf.data();
}

Result writeReportPdf(const QString& path, const QString& documentName, const BodyLines& body) {
    const std::optional<QByteArray> pdf = reportPdf(documentName, body);
    if (!pdf)
        return Result::failure(QStringLiteral("Cannot make the report of %1").arg(documentName));
    return writeWholeFile(path, *pdf);
}

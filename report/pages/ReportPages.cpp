#include "ReportPages.h"
#include "Texts.h"

#include "PageLayout.h"
#include "WholeFile.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSettings>

namespace {

const QString kMeasureText =
    QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSATUVWXYZ");
// Asked for when used: the language is loaded after start-up.
QString continued() {
    return Texts::tr(" (continued)");
}

enum Font { Body, Bold };
constexpr int kPairsPerRow = 2;
constexpr double kSmallestTable = 0.75; // a table's font: 9 points at the least
const int kWrap = Qt::TextWordWrap | Qt::AlignTop;

// "Times New Roman" where it is installed, else the system's serif face.
QFont printFont(const QPaintDevice& device, double points = 12.0, bool bold = false) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(qRound(points * device.logicalDpiY() / 72.0));
    font.setBold(bold);
    return font;
}

} // namespace

ReportPages::ReportPages(QPagedPaintDevice& device, QString documentName, const Report& report)
    : device_(device), name_(std::move(documentName)) {
    fonts_ = {printFont(device), printFont(device, 12.0, true)};
    advances_.resize(fonts_.size());
    measure();
    addFields(report.header, -1);
    for (const ReportSection& s : report.sections) {
        addGap(lineHeight_ / 2);
        addTitle(s.title, Bold);
        addFields(s.fields, -1);
        for (const ReportGroup& g : s.groups) {
            contexts_.push_back({});
            const int context = int(contexts_.size()) - 1;
            addGap(lineHeight_ / 4);
            addTitle(g.title, Bold);
            contexts_[std::size_t(context)].continuedTitle = blocks_.back();
            contexts_[std::size_t(context)].continuedTitle.cells[0].text += continued();
            if (g.fields.empty())
                addFields({{QString(), recordNotInUse()}}, context);
            else
                addFields(g.fields, context);
        }
        for (const ReportTable& t : s.tables)
            addTable(t);
    }
    paginate();
}

void ReportPages::measure() {
    const QFontMetrics metrics(fonts_[Body], &device_);
    lineHeight_ = metrics.height() + metrics.leading();
    charWidth_ = std::max(1, metrics.horizontalAdvance(kMeasureText.left(52)) / 52);
    textHeight_ = metrics.height();
    pageWidth_ = device_.width();
    pageHeight_ = device_.height();
    bodyHeight_ = PageLayout::bodyHeight(pageHeight_, textHeight_);
    bodyWidth_ = pageWidth_ - 8 * charWidth_;
}

// Texts repeat ("Off", "High"): each is measured once a font.
int ReportPages::advance(const QString& text, int font) const {
    QHash<QString, int>& known = advances_[std::size_t(font)];
    auto it = known.constFind(text);
    if (it != known.cend())
        return *it;
    return *known.insert(text,
                         QFontMetrics(fonts_[std::size_t(font)], &device_).horizontalAdvance(text));
}

int ReportPages::textHeight(const QString& text, int width, int flags, int font) const {
    const QFontMetrics metrics(fonts_[std::size_t(font)], &device_);
    if (advance(text, font) <= width)
        return metrics.height();
    return metrics.boundingRect(QRect(0, 0, width, 1 << 20), flags, text).height();
}

// Space before a title, unless it would follow another title or open the report.
void ReportPages::addGap(int height) {
    if (!blocks_.empty() && !blocks_.back().keepWithNext)
        blocks_.push_back({height, {}, false, -1});
}

void ReportPages::addTitle(const QString& text, int font, int context) {
    Block title{lineHeight_,
                {{QRect(0, 0, bodyWidth_, lineHeight_), text,
                  Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, font}},
                true,
                context};
    blocks_.push_back(title);
}

// Two fields a row: a label column as wide as the longest label (wrapped beyond 55% of the
// field's width), then the value.
void ReportPages::addFields(const std::vector<ReportField>& fields, int context) {
    if (fields.empty())
        return;
    const int gap = 2 * charWidth_;
    const int pair = (bodyWidth_ - gap * (kPairsPerRow - 1)) / kPairsPerRow;
    int labelWidth = 0;
    for (const auto& [label, value] : fields)
        labelWidth = std::max(labelWidth, advance(label + u':', Body));
    labelWidth = std::min(labelWidth + charWidth_, pair * 55 / 100);
    const int valueWidth = pair - labelWidth - charWidth_;
    for (std::size_t i = 0; i < fields.size(); i += kPairsPerRow) {
        Block row{lineHeight_, {}, false, context};
        for (std::size_t j = i; j < std::min(i + kPairsPerRow, fields.size()); ++j) {
            const auto& [label, value] = fields[j];
            const int x = int(j - i) * (pair + gap);
            const QString shownLabel = label.isEmpty() ? QString() : label + u':';
            const int flags = kWrap;
            const int labelHeight = textHeight(shownLabel, labelWidth, flags, Body);
            const int valueHeight = textHeight(value, valueWidth, flags, Body);
            row.height = std::max({row.height, labelHeight, valueHeight});
            row.cells.push_back(
                {QRect(x, 0, labelWidth, labelHeight), shownLabel, flags | Qt::AlignRight, Body});
            row.cells.push_back({QRect(x + labelWidth + charWidth_, 0, valueWidth, valueHeight),
                                 value, flags | Qt::AlignLeft, Body});
        }
        blocks_.push_back(row);
    }
}

// Columns as wide as their widest cell (a heading may wrap between its words); a table wider
// than the page gets a smaller font, down to 9 points, and beyond that narrower columns whose
// cells wrap.
void ReportPages::addTable(const ReportTable& table) {
    const int columns = int(table.headers.size());
    std::vector<int> widths(std::size_t(columns), 0);
    for (int c = 0; c < columns; ++c) {
        for (const QString& word : table.headers[c].split(u' '))
            widths[std::size_t(c)] = std::max(widths[std::size_t(c)], advance(word, Bold));
        for (const QStringList& row : table.rows)
            widths[std::size_t(c)] = std::max(widths[std::size_t(c)], advance(row.value(c), Body));
    }
    const int padding = charWidth_ * 3 / 2;
    int natural = 0;
    for (int w : widths)
        natural += w + padding;
    double scale = 1.0;
    if (natural > bodyWidth_)
        scale = std::max(kSmallestTable, double(bodyWidth_) / natural);
    int body = Body, bold = Bold;
    if (scale < 1.0) {
        fonts_.push_back(printFont(device_, 12.0 * scale));
        fonts_.push_back(printFont(device_, 12.0 * scale, true));
        advances_.resize(fonts_.size());
        body = int(fonts_.size()) - 2;
        bold = int(fonts_.size()) - 1;
    }
    // What is still too wide shares the width in proportion.
    const double fit = std::min(1.0, double(bodyWidth_) / (natural * scale));
    std::vector<int> x(std::size_t(columns) + 1, 0);
    for (int c = 0; c < columns; ++c)
        x[std::size_t(c) + 1] =
            x[std::size_t(c)] + int((widths[std::size_t(c)] + padding) * scale * fit);
    auto rowBlock = [&](const QStringList& cells, int font, int context) {
        Block row{0, {}, false, context};
        for (int c = 0; c < columns; ++c) {
            const QRect cell(x[std::size_t(c)], 0,
                             x[std::size_t(c) + 1] - x[std::size_t(c)] - padding / 2, 0);
            const int height = textHeight(cells.value(c), cell.width(), kWrap, font);
            row.height = std::max(row.height, height);
            row.cells.push_back(
                {cell.adjusted(0, 0, 0, height), cells.value(c), kWrap | Qt::AlignLeft, font});
        }
        row.height =
            std::max(row.height, QFontMetrics(fonts_[std::size_t(font)], &device_).height());
        return row;
    };

    contexts_.push_back({});
    const int context = int(contexts_.size()) - 1;
    addGap(lineHeight_ / 4);
    addTitle(table.title, Bold);
    Context& own = contexts_.back();
    own.continuedTitle = blocks_.back();
    own.continuedTitle.cells[0].text += continued();
    own.headings = rowBlock(table.headers, bold, context);
    own.headings->keepWithNext = true;
    blocks_.push_back(*own.headings);
    for (const QStringList& row : table.rows)
        blocks_.push_back(rowBlock(row, body, context));
}

// Blocks fill a page until the next would pass the body; a title or headings go on with what
// follows them; a page that goes on with a group or table starts with its title (continued)
// and its headings.
void ReportPages::paginate() {
    repeated_.reserve(2 * blocks_.size()); // the places below keep pointing at them
    pages_.push_back({});
    int y = 0;
    std::vector<bool> started(contexts_.size(), false);
    for (std::size_t i = 0; i < blocks_.size(); ++i) {
        const Block& block = blocks_[i];
        const bool gap = block.cells.empty();
        if (gap && y == 0)
            continue; // a page never starts with space
        int need = block.height;
        for (std::size_t j = i; j + 1 < blocks_.size() && blocks_[j].keepWithNext; ++j)
            need += blocks_[j + 1].height;
        if (y > 0 && y + need > bodyHeight_) {
            if (gap)
                continue;
            pages_.push_back({});
            y = 0;
            const int c = block.context;
            if (c >= 0 && started[std::size_t(c)]) {
                const Context& context = contexts_[std::size_t(c)];
                repeated_.push_back(context.continuedTitle);
                pages_.back().push_back({&repeated_.back(), y});
                y += context.continuedTitle.height;
                if (context.headings) {
                    repeated_.push_back(*context.headings);
                    pages_.back().push_back({&repeated_.back(), y});
                    y += context.headings->height;
                }
            }
        }
        if (block.context >= 0)
            started[std::size_t(block.context)] = true;
        pages_.back().push_back({&block, y});
        y += block.height;
    }
}

void ReportPages::paintPage(QPainter& painter, int page) const {
    painter.save();
    painter.setPen(Qt::black);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.translate(4 * charWidth_, 0);

    // Header: the document's name over a rule.
    const QRect header(0, 0, bodyWidth_, 2 * textHeight_);
    painter.setFont(fonts_[Bold]);
    painter.drawText(header, Qt::AlignCenter | Qt::TextSingleLine, name_);
    painter.drawLine(header.bottomLeft(), header.bottomRight());

    // Body: the blocks of this page.
    const int top = 2 * textHeight_ + 40;
    for (const Placed& placed : pages_[std::size_t(page - 1)])
        for (const Cell& cell : placed.block->cells) {
            painter.setFont(fonts_[std::size_t(cell.font)]);
            painter.drawText(cell.rect.translated(0, top + placed.y), cell.flags, cell.text);
        }

    // Footer: a rule and the page number, 30 units above the bottom.
    const QRect footer(0, pageHeight_ - 30 - textHeight_, bodyWidth_, textHeight_);
    painter.drawLine(footer.topLeft(), footer.topRight());
    painter.setFont(fonts_[Bold]);
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

QPageLayout defaultReportPageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(12, 12, 12, 12),
                       QPageLayout::Millimeter);
}

namespace {
const QString kPageSizeKey = QStringLiteral("Print/Page size"); // a settings key, never shown
const QString kOrientationKey = QStringLiteral("Print/Orientation");
} // namespace

QPageLayout savedReportPageLayout() {
    QPageLayout layout = defaultReportPageLayout();
    const QSettings settings;
    const QString size = settings.value(kPageSizeKey).toString();
    for (int id = 0; id <= QPageSize::LastPageSize; ++id)
        if (QPageSize(QPageSize::PageSizeId(id)).key() == size)
            layout.setPageSize(QPageSize(QPageSize::PageSizeId(id)));
    if (settings.value(kOrientationKey).toString() == QLatin1String("landscape"))
        layout.setOrientation(QPageLayout::Landscape);
    return layout;
}

void saveReportPageLayout(const QPageLayout& layout) {
    QSettings settings;
    settings.setValue(kPageSizeKey, layout.pageSize().key());
    settings.setValue(kOrientationKey, layout.orientation() == QPageLayout::Landscape
                                           ? QStringLiteral("landscape")
                                           : QStringLiteral("portrait"));
}

void setUpPdfWriter(QPdfWriter& writer, const QString& title, const QPageLayout& layout) {
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Duoband"));
    writer.setResolution(300);
    writer.setPageLayout(layout);
}

std::optional<QByteArray> reportPdf(const QString& documentName, const Report& report,
                                    const QPageLayout& layout) {
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QPdfWriter writer(&pdf);
    setUpPdfWriter(writer, documentName, layout);
    ReportPages pages(writer, documentName, report);
    if (!pages.paintAll())
        return std::nullopt;
    return pdf.data();
}

Result writeReportPdf(const QString& path, const QString& documentName, const Report& report,
                      const QPageLayout& layout) {
    const std::optional<QByteArray> pdf = reportPdf(documentName, report, layout);
    if (!pdf)
        return Result::failure(Texts::tr("Cannot make the report of %1").arg(documentName));
    return writeWholeFile(path, *pdf);
}

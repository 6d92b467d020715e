#include "Report.h"

#include "FormCatalog.h"
#include "ReportSections.h"

#include <algorithm>

const QString kRecordNotInUse = QStringLiteral("(not in use)");

namespace {

// "label:value^^" three to a line.
void addFieldLines(QStringList& lines, const std::vector<ReportField>& fields) {
    for (std::size_t i = 0; i < fields.size(); i += 3) {
        QString line;
        for (std::size_t j = i; j < std::min(i + 3, fields.size()); ++j)
            line += fields[j].first + u':' + fields[j].second + QStringLiteral("^^");
        lines << line;
    }
}

// Columns wide enough for their widest cell.
std::vector<int> columnWidths(const ReportTable& table) {
    std::vector<int> widths(std::size_t(table.headers.size()), 0);
    auto widen = [&](const QStringList& cells) {
        for (qsizetype c = 0; c < cells.size() && c < qsizetype(widths.size()); ++c)
            widths[std::size_t(c)] = std::max(widths[std::size_t(c)], int(cells[c].size()));
    };
    widen(table.headers);
    for (const QStringList& row : table.rows)
        widen(row);
    return widths;
}

QString alignedRow(const QStringList& cells, const std::vector<int>& widths) {
    QString line;
    for (std::size_t c = 0; c < widths.size(); ++c)
        line += cells.value(qsizetype(c)).leftJustified(widths[c] + 2);
    return line.trimmed();
}

void addFieldText(QString& text, const std::vector<ReportField>& fields, const QString& indent) {
    int labelWidth = 0;
    for (const auto& [label, value] : fields)
        labelWidth = std::max(labelWidth, int(label.size()) + 1);
    for (const auto& [label, value] : fields)
        text +=
            (indent + label + u':').leftJustified(indent.size() + labelWidth + 1) + value + u'\n';
}

} // namespace

Report buildReport(const MemoryImage& image, const BandState& bands) {
    Report report;
    for (const FormInfo& form : formCatalog())
        if (form.section)
            report.sections.push_back(form.section(image, bands));
    return report;
}

Report buildChannelReport(const MemoryImage& image, const BandState& bands) {
    return {{ReportSections::channels(image, bands)}};
}

BodyLines reportLines(const Report& report) {
    BodyLines body;
    QStringList& lines = body.lines;
    auto title = [&](const QString& text) {
        body.titles.insert(int(lines.size()));
        lines << text;
    };
    for (const ReportSection& s : report.sections) {
        if (!lines.isEmpty())
            lines << QString();
        title(s.title);
        addFieldLines(lines, s.fields);
        for (const ReportGroup& g : s.groups) {
            title(g.title);
            if (g.fields.empty())
                lines << kRecordNotInUse;
            addFieldLines(lines, g.fields);
        }
        for (const ReportTable& t : s.tables) {
            title(t.title);
            title(t.headers.join(u'\t'));
            for (const QStringList& row : t.rows)
                lines << row.join(u'\t');
        }
    }
    return body;
}

QString reportText(const Report& report) {
    QString text;
    for (const ReportSection& s : report.sections) {
        text += QStringLiteral("== %1 ==\n").arg(s.title);
        addFieldText(text, s.fields, {});
        for (const ReportGroup& g : s.groups) {
            text +=
                u'\n' + g.title + (g.fields.empty() ? u' ' + kRecordNotInUse : QString()) + u'\n';
            addFieldText(text, g.fields, QStringLiteral("  "));
        }
        for (const ReportTable& t : s.tables) {
            const std::vector<int> widths = columnWidths(t);
            text += u'\n' + t.title + u'\n' + alignedRow(t.headers, widths) + u'\n';
            for (const QStringList& row : t.rows)
                text += alignedRow(row, widths) + u'\n';
        }
        text += u'\n';
    }
    return text;
}

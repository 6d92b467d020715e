#include "Report.h"
#include "Texts.h"

#include "FormCatalog.h"
#include "RadioIdentity.h"
#include "ReportSections.h"

#include <algorithm>

QString recordNotInUse() {
    return Texts::tr("(not in use)");
}

namespace {

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

std::vector<ReportField> reportHeader(const MemoryImage& image, const QString& fileName,
                                      const QDate& printed) {
    const RadioIdentity id = RadioIdentity::read(image);
    auto orNone = [](const QString& text) { return text.isEmpty() ? Texts::tr("(none)") : text; };
    return {{Texts::tr("File"), orNone(fileName)},
            {Texts::tr("Model"), orNone(id.modelName)},
            {Texts::tr("Firmware"), orNone(id.firmware)},
            {Texts::tr("Last program date"), orNone(id.programDate)},
            {Texts::tr("Printed"), printed.toString(Qt::ISODate)},
            {Texts::tr("Program"), Texts::tr("Duoband %1").arg(DUOBAND_VERSION)}};
}

Report buildReport(const MemoryImage& image, const BandState& bands) {
    Report report;
    for (const FormInfo& form : formCatalog())
        if (form.section)
            report.sections.push_back(form.section(image, bands));
    return report;
}

Report buildChannelReport(const MemoryImage& image, const BandState& bands) {
    return {{}, {ReportSections::channels(image, bands)}};
}

QString reportText(const Report& report) {
    QString text;
    if (!report.header.empty()) {
        addFieldText(text, report.header, {});
        text += u'\n';
    }
    for (const ReportSection& s : report.sections) {
        text += QStringLiteral("== %1 ==\n").arg(s.title);
        addFieldText(text, s.fields, {});
        for (const ReportGroup& g : s.groups) {
            text +=
                u'\n' + g.title + (g.fields.empty() ? u' ' + recordNotInUse() : QString()) + u'\n';
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

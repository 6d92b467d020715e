#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

class BandState;
class MemoryImage;

// A data file as readable text, in the order of the forms: every field as the form shows it,
// each record with many fields (a VFO record, a scan edge, a 2-Tone system) as a group of
// fields, and list-shaped data (channels, code tables, contacts) as tables. Built from the
// forms' own field tables and table models, without widgets.
using ReportField = std::pair<QString, QString>; // label, value as the form shows it

struct ReportGroup {
    QString title;                   // the record's name ("150M", "L1", "System 3")
    std::vector<ReportField> fields; // none for a record not in use
};

struct ReportTable {
    QString title;
    QStringList headers;
    std::vector<QStringList> rows; // a row's first cell names it (a channel number, ...)
    // What a row is, as the differences name it ("Channel" 12); the title when empty. Rows of
    // tables with the same row name are one record there (a channel's list and detail rows).
    QString rowName = {};
};

struct ReportSection {
    QString title;
    std::vector<ReportField> fields;
    std::vector<ReportGroup> groups;
    std::vector<ReportTable> tables;
};

struct Report {
    // What the report is of: file, model, firmware, last program date, printing date, program.
    std::vector<ReportField> header;
    std::vector<ReportSection> sections;
};

// The whole data file. `bands` decides what lies in which band, as the forms do.
Report buildReport(const MemoryImage& image, const BandState& bands);
// The lines above a report of the data file `fileName` (empty: untitled), printed on
// `printed` by this program.
std::vector<ReportField> reportHeader(const MemoryImage& image, const QString& fileName,
                                      const QDate& printed);
// The channels in use only, as the channel table shows them.
Report buildChannelReport(const MemoryImage& image, const BandState& bands);

// What a group of a record not in use shows.
QString recordNotInUse(); // in the language loaded

// The report as plain text: one field a line, tables in aligned columns.
QString reportText(const Report& report);

#pragma once

#include "FieldDescription.h"
#include "ImageMap.h"
#include "Report.h"

#include <QString>
#include <vector>

// The forms of the program as the shell, the help and the report know them, without widgets:
// each form's name (its tree and menu item and window), caption, help topic, field tables and
// report section. In the order of the report.
// A table of fields and the records it shows them for (one record at 0: absolute addresses).
struct FieldTableAt {
    const std::vector<FieldDescription>* fields;
    ImageMap::RecordArray records = {0, 0, 1};
};

struct FormInfo {
    QString text;    // names the form in the tree, the Edit menu and the Window menu
    QString caption; // of its window or dialog
    int helpContext; // of the window (with no tab chosen)
    std::vector<FieldTableAt> fieldTables = {};
    // The form's section of the report; none when another form's section shows its data.
    ReportSection (*section)(const MemoryImage&, const BandState&) = nullptr;
};

const std::vector<FormInfo>& formCatalog();
// The form named `text`, or null.
const FormInfo* findForm(const QString& text);

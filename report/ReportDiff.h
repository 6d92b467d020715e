#pragma once

#include "Report.h"

#include <vector>

// One field or table row whose text differs between two reports.
struct Difference {
    QString section;
    QString item;   // a field's label ("Beep", "150M Tx power"), or a table row ("Channel 12")
    QString before; // the text; for a table row the cells that differ, "header: text" each
    QString after;
};

// Every field and table row whose text differs, in report order. A field or row only one
// report has differs from an empty one.
std::vector<Difference> compareReports(const Report& before, const Report& after);

// "Basic setting: Beep: On -> Off"; an empty text shows as "(none)".
QString differenceLine(const Difference& difference);

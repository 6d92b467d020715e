#pragma once

#include "Report.h"

// The report's sections, one for each form (the radio's identity and band limits for the
// Model form): what the form shows, built from its field tables and table models.
namespace ReportSections {
ReportSection radio(const MemoryImage& image, const BandState& bands);
ReportSection channels(const MemoryImage& image, const BandState& bands);
ReportSection vfo(const MemoryImage& image, const BandState& bands);
ReportSection scanChannels(const MemoryImage& image, const BandState& bands);
ReportSection basic(const MemoryImage& image, const BandState& bands);
ReportSection alarm(const MemoryImage& image, const BandState& bands);
ReportSection dtmf(const MemoryImage& image, const BandState& bands);
ReportSection twoTone(const MemoryImage& image, const BandState& bands);
ReportSection fiveTone(const MemoryImage& image, const BandState& bands);
} // namespace ReportSections

#include "BandState.h"
#include "CliFiles.h"
#include "Document.h"
#include "ImageMap.h"
#include "MemoryImage.h"
#include "OptionTables.h"
#include "RadioIdentity.h"
#include "RecordTemplates.h"

#include <QCommandLineParser>

namespace {

QString orNone(const QString& text) {
    return text.isEmpty() ? QStringLiteral("(none)") : text;
}

int channelsInUse(const MemoryImage& image, int firstChannel) {
    int count = 0;
    for (int n = firstChannel; n < firstChannel + ImageMap::kChannelsPerBank; ++n)
        count += isEmptyRecord(image.at<32>(ImageMap::channelAddress(n))) ? 0 : 1;
    return count;
}

QString range(const BandRange& r) {
    if (r.lower == 0 && r.upper == 0)
        return QStringLiteral("(none)");
    return FrequencyText::fromValue(r.lower) + " - " + FrequencyText::fromValue(r.upper);
}

// The stored table and what the program makes of it: a band is in the radio when its receive
// lower edge lies in the band's range; the working edges are the receive edges.
void printBandTable(const MemoryImage& image, const BandState& bands, QTextStream& out) {
    out << "Band limits (MHz):\n";
    out << QStringLiteral("  %1 %2 %3 %4 %5 %6\n")
               .arg("Band", -5)
               .arg("In radio", -8)
               .arg("Rx lower", 10)
               .arg("Rx upper", 10)
               .arg("Tx lower", 10)
               .arg("Tx upper", 10);
    const auto& names = options(OptionTable::BandName);
    for (int b = 0; b < names.size(); ++b) {
        out << QStringLiteral("  %1 %2").arg(names[b], -5).arg(bands.enabled[b] ? "yes" : "no", -8);
        for (Frequency edge : readBandEdges(image, b))
            out << " " << QStringLiteral("%1").arg(edge ? FrequencyText::fromValue(edge) : "-", 10);
        out << "\n";
    }
    out << "Main bands:        " << (bands.firstMainPresent ? range(bands.mainBands[0]) : "(none)")
        << " and " << (bands.secondMainPresent ? range(bands.mainBands[1]) : "(none)") << "\n";
    const int fallback = bands.defaultBand();
    out << "Default band:      " << (fallback < 0 ? QStringLiteral("(none)") : names[fallback])
        << "\n";
}

} // namespace

int runInfo(const QStringList& args, CliStreams& io) {
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The data file."));
    if (const auto done = parseVerb(parser, "info", args, io))
        return *done;
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1)
        return usageError(io, "info", QStringLiteral("give exactly one data file"));
    Document document;
    if (!openForCommand(files.first(), document, io))
        return kExitFailure;
    const MemoryImage& image = document.image();
    const RadioIdentity id = RadioIdentity::read(image);
    auto& out = io.out;
    out << "File:              " << files.first() << "\n"
        << "Serial number:     " << orNone(id.serialNumber) << "\n"
        << "Model name:        " << orNone(id.modelName) << "\n"
        << "Model code:        " << orNone(id.modelCode) << "\n"
        << "Firmware version:  " << orNone(id.firmware) << "\n"
        << "Last program date: " << (id.programDate.isEmpty() ? "(never)" : id.programDate) << "\n";
    printBandTable(image, document.bands(), out);
    out << "Channels in use:   " << channelsInUse(image, 1)
        << " of 800 (bank B: " << channelsInUse(image, ImageMap::kChannelsPerBank + 1)
        << " of 800)\n";
    return kExitOk;
}

#include "BandState.h"
#include "CliFiles.h"
#include "Document.h"
#include "ImageMap.h"
#include "MemoryImage.h"
#include "OptionTables.h"
#include "RadioIdentity.h"
#include "RecordTemplates.h"
#include "Texts.h"

#include <QCommandLineParser>

namespace {

QString orNone(const QString& text) {
    return text.isEmpty() ? Texts::tr("(none)") : text;
}

int channelsInUse(const MemoryImage& image, int firstChannel) {
    int count = 0;
    for (int n = firstChannel; n < firstChannel + ImageMap::kChannelsPerBank; ++n)
        count += isEmptyRecord(image.at<32>(ImageMap::channelAddress(n))) ? 0 : 1;
    return count;
}

QString range(const BandRange& r) {
    if (r.lower == 0 && r.upper == 0)
        return Texts::tr("(none)");
    return FrequencyText::fromValue(r.lower) + " - " + FrequencyText::fromValue(r.upper);
}

// The stored table and what the program makes of it: a band is in the radio when its receive
// lower edge lies in the band's range; the working edges are the receive edges.
void printBandTable(const MemoryImage& image, const BandState& bands, QTextStream& out) {
    out << Texts::tr("Band limits (MHz):\n");
    out << QStringLiteral("  %1 %2 %3 %4 %5 %6\n")
               .arg(Texts::tr("Band"), -5)
               .arg(Texts::tr("In radio"), -8)
               .arg(Texts::tr("Rx lower"), 10)
               .arg(Texts::tr("Rx upper"), 10)
               .arg(Texts::tr("Tx lower"), 10)
               .arg(Texts::tr("Tx upper"), 10);
    const auto& names = options(OptionTable::BandName);
    for (int b = 0; b < names.size(); ++b) {
        out << QStringLiteral("  %1 %2").arg(names[b], -5).arg(bands.enabled[b] ? "yes" : "no", -8);
        for (Frequency edge : readBandEdges(image, b))
            out << " " << QStringLiteral("%1").arg(edge ? FrequencyText::fromValue(edge) : "-", 10);
        out << "\n";
    }
    out << Texts::tr("Main bands:        ")
        << (bands.firstMainPresent ? range(bands.mainBands[0]) : Texts::tr("(none)"))
        << Texts::tr(" and ")
        << (bands.secondMainPresent ? range(bands.mainBands[1]) : Texts::tr("(none)")) << "\n";
    const int fallback = bands.defaultBand();
    out << Texts::tr("Default band:      ")
        << (fallback < 0 ? Texts::tr("(none)") : names[fallback]) << "\n";
}

} // namespace

int runInfo(const QStringList& args, CliStreams& io) {
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("FILE"), Texts::tr("The data file."));
    if (const auto done = parseVerb(parser, "info", args, io))
        return *done;
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1)
        return usageError(io, "info", Texts::tr("give exactly one data file"));
    Document document;
    if (!openForCommand(files.first(), document, io))
        return kExitFailure;
    const MemoryImage& image = document.image();
    const RadioIdentity id = RadioIdentity::read(image);
    auto& out = io.out;
    out << Texts::tr("File:              ") << files.first() << "\n"
        << Texts::tr("Serial number:     ") << orNone(id.serialNumber) << "\n"
        << Texts::tr("Model name:        ") << orNone(id.modelName) << "\n"
        << Texts::tr("Model code:        ") << orNone(id.modelCode) << "\n"
        << Texts::tr("Firmware version:  ") << orNone(id.firmware) << "\n"
        << Texts::tr("Last program date: ")
        << (id.programDate.isEmpty() ? Texts::tr("(never)") : id.programDate) << "\n";
    printBandTable(image, document.bands(), out);
    out << Texts::tr("Channels in use:   ") << channelsInUse(image, 1)
        << Texts::tr(" of 800 (bank B: ") << channelsInUse(image, ImageMap::kChannelsPerBank + 1)
        << Texts::tr(" of 800)\n");
    return kExitOk;
}

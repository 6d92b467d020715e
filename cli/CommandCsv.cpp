#include "BandState.h"
#include "ChannelCsv.h"
#include "CliFiles.h"
#include "MemoryImage.h"

#include <QFile>
#include <QSaveFile>

int runExport(const QStringList& arguments, CliStreams& io) {
    QStringList args = arguments;
    QString output;
    CsvDialect dialect = CsvDialect::Native;
    if (!takeOutputOption(args, output))
        return usageError(io, "export", QStringLiteral("-o needs a file"));
    if (const auto at = args.indexOf("--format"); at >= 0) {
        const QString format = at + 1 < args.size() ? args[at + 1] : QString();
        if (format != "native" && format != "interchange")
            return usageError(io, "export", QStringLiteral("--format is native or interchange"));
        dialect = format == "native" ? CsvDialect::Native : CsvDialect::Interchange;
        args.remove(at, 2);
    }
    if (args.size() != 1)
        return usageError(io, "export", QStringLiteral("give one data file"));
    MemoryImage image;
    if (!loadForCommand(args.first(), image, io))
        return kExitFailure;
    const QByteArray csv = exportChannels(image, BandState::fromImage(image), dialect);
    if (output.isEmpty()) {
        io.out.flush();
        QFile out;
        if (!out.open(stdout, QIODevice::WriteOnly) || out.write(csv) != csv.size()) {
            io.err << "duoband-cli: cannot write to standard output\n";
            return kExitFailure;
        }
        return kExitOk;
    }
    QSaveFile file(output);
    if (!file.open(QIODevice::WriteOnly) || file.write(csv) != csv.size() || !file.commit()) {
        io.err << "duoband-cli: cannot write \"" << output << "\": " << file.errorString() << "\n";
        return kExitFailure;
    }
    return kExitOk;
}

int runImport(const QStringList& arguments, CliStreams& io) {
    QStringList args = arguments;
    QString output;
    if (!takeOutputOption(args, output) || output.isEmpty())
        return usageError(io, "import", QStringLiteral("the output file is missing"));
    if (args.size() != 2)
        return usageError(io, "import", QStringLiteral("give a data file and a CSV file"));
    MemoryImage image;
    if (!loadForCommand(args[0], image, io))
        return kExitFailure;
    QFile csvFile(args[1]);
    if (!csvFile.open(QIODevice::ReadOnly)) {
        io.err << "duoband-cli: cannot open \"" << args[1] << "\": " << csvFile.errorString()
               << "\n";
        return kExitFailure;
    }
    BandState bands = BandState::fromImage(image);
    const ImportResult result = importChannels(image, bands, csvFile.readAll());
    for (const QString& w : result.warnings)
        io.err << args[1] << ": " << w << "\n";
    if (!result.ok) {
        io.err << "duoband-cli: " << args[1] << ": " << result.message << "\n";
        return kExitFailure;
    }
    io.err << result.imported << " channel(s) imported\n";
    return saveForCommand(output, image, io) ? kExitOk : kExitFailure;
}

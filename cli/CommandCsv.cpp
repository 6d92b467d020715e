#include "ChannelCsv.h"
#include "CliFiles.h"
#include "Document.h"
#include "Texts.h"

#include <QCommandLineParser>
#include <QFile>

int runExport(const QStringList& args, CliStreams& io) {
    QCommandLineParser parser;
    const QCommandLineOption output =
        outputOption(Texts::tr("The CSV file to write (standard output by default)."));
    const QCommandLineOption format(
        QStringLiteral("format"),
        Texts::tr("native (the channel table's columns, the default) or interchange."),
        QStringLiteral("native|interchange"), QStringLiteral("native"));
    parser.addOptions({output, format});
    parser.addPositionalArgument(QStringLiteral("FILE"), Texts::tr("The data file."));
    if (const auto done = parseVerb(parser, "export", args, io))
        return *done;
    const QString dialectName = parser.value(format);
    if (dialectName != "native" && dialectName != "interchange")
        return usageError(io, "export", Texts::tr("--format is native or interchange"));
    const CsvDialect dialect =
        dialectName == "native" ? CsvDialect::Native : CsvDialect::Interchange;
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1)
        return usageError(io, "export", Texts::tr("give one data file"));
    Document document;
    if (!openForCommand(files.first(), document, io))
        return kExitFailure;
    const QByteArray csv = exportChannels(document.image(), document.bands(), dialect);
    const QString out = parser.value(output);
    return writeForCommand(out.isEmpty() ? QStringLiteral("-") : out, csv, io) ? kExitOk
                                                                               : kExitFailure;
}

int runImport(const QStringList& args, CliStreams& io) {
    QCommandLineParser parser;
    const QCommandLineOption output = outputOption(Texts::tr("The data file to write."));
    const QCommandLineOption at(
        QStringLiteral("at"),
        Texts::tr("Place the lines in file order from channel N, gaps closed (by default each line "
                  "goes to the channel it names)."),
        QStringLiteral("N"));
    parser.addOptions({output, at});
    parser.addPositionalArgument(QStringLiteral("FILE"), Texts::tr("The data file."));
    parser.addPositionalArgument(QStringLiteral("IN.csv"), Texts::tr("The channel list."));
    if (const auto done = parseVerb(parser, "import", args, io))
        return *done;
    if (parser.value(output).isEmpty())
        return usageError(io, "import", Texts::tr("the output file is missing"));
    const QStringList files = parser.positionalArguments();
    if (files.size() != 2)
        return usageError(io, "import", Texts::tr("give a data file and a CSV file"));
    ImportPlacement placement;
    if (parser.isSet(at)) {
        bool ok = false;
        placement.fromChannel = parser.value(at).toInt(&ok);
        if (!ok || placement.fromChannel < 1 || placement.fromChannel > 800)
            return usageError(io, "import", Texts::tr("--at takes a channel from 1 to 800"));
    }
    Document document;
    if (!openForCommand(files[0], document, io))
        return kExitFailure;
    QFile csvFile(files[1]);
    if (!csvFile.open(QIODevice::ReadOnly)) {
        io.err << Texts::tr("duoband-cli: cannot open \"") << files[1]
               << "\": " << csvFile.errorString() << "\n";
        return kExitFailure;
    }
    QByteArray csv;
    if (const Result read = readChannelList(csvFile, files[1], csv); !read.ok) {
        io.err << "duoband-cli: " << read.message << "\n";
        return kExitFailure;
    }
    const ImportResult result = importChannels(document.image(), document.bands(), csv, placement);
    if (!result.ok) {
        io.err << "duoband-cli: " << files[1] << ": " << result.message << "\n";
        return kExitFailure;
    }
    // Each line's fate in file order, then what many lines share, then the count.
    for (const ImportedLine& line : result.lines)
        if (!line.what.isEmpty())
            io.err << files[1] << ": line " << line.line << ": " << line.what << "\n";
    for (const QString& s : result.summary)
        io.err << files[1] << ": " << s << "\n";
    io.err << result.countText() << "\n";
    return saveForCommand(parser.value(output), document, io) ? kExitOk : kExitFailure;
}

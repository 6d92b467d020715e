// duoband-cli sort and compact: the channel table's Sort channels and Close gaps on a data
// file, printing what moved.
#include "ChannelOrder.h"
#include "CliFiles.h"
#include "Command.h"
#include "Document.h"
#include "Texts.h"

#include <QCommandLineParser>

namespace {

// "A-B" or "A": the channels from A to B.
std::optional<std::pair<int, int>> range(const QString& text) {
    const QStringList ends = text.split(u'-');
    bool okA = false, okB = false;
    const int a = ends.value(0).toInt(&okA);
    const int b = ends.size() == 2 ? ends[1].toInt(&okB) : a;
    if (ends.size() > 2 || !okA || (ends.size() == 2 && !okB) || a < 1 || b > 800 || a > b)
        return std::nullopt;
    return std::pair{a, b};
}

int finish(const ChannelOrder::Moved& moved, Document& document, const QString& out,
           CliStreams& io) {
    ChannelTable::settle(document.image(), document.bands());
    for (const QString& line : moved.lines())
        io.out << line << "\n";
    if (!moved.note.isEmpty())
        io.err << moved.note << "\n";
    io.err << Texts::tr("%n channel(s) moved", nullptr, moved.moved) << "\n";
    return saveForCommand(out, document, io) ? kExitOk : kExitFailure;
}

} // namespace

int runSort(const QStringList& args, CliStreams& io) {
    QCommandLineParser parser;
    const QCommandLineOption output = outputOption(Texts::tr("The data file to write."));
    QStringList names;
    for (int column : ChannelOrder::sortColumns())
        names << ChannelOrder::keyName(column);
    const QCommandLineOption by(QStringLiteral("by"),
                                Texts::tr("One or two keys, the second for equal first keys: %1.")
                                    .arg(names.join(QStringLiteral(", "))),
                                QStringLiteral("KEY[,KEY]"));
    const QCommandLineOption descending(QStringLiteral("descending"), Texts::tr("Highest first."));
    const QCommandLineOption within(
        QStringLiteral("range"),
        Texts::tr("Sort the channels A to B among themselves (empty ones stay); all channels in "
                  "use by default, empty ones to the end."),
        QStringLiteral("A-B"));
    parser.addOptions({output, by, descending, within});
    parser.addPositionalArgument(QStringLiteral("FILE"), Texts::tr("The data file."));
    if (const auto done = parseVerb(parser, "sort", args, io))
        return *done;
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1)
        return usageError(io, "sort", Texts::tr("give one data file"));
    if (parser.value(output).isEmpty())
        return usageError(io, "sort", Texts::tr("the output file is missing"));
    std::vector<ChannelOrder::SortKey> keys;
    for (const QString& name : parser.value(by).split(u',', Qt::SkipEmptyParts)) {
        const std::optional<int> column = ChannelOrder::columnOfKeyName(name);
        if (!column)
            return usageError(io, "sort", Texts::tr("no sort key \"%1\"").arg(name));
        keys.push_back({*column, parser.isSet(descending)});
    }
    if (keys.empty() || keys.size() > 2)
        return usageError(io, "sort", Texts::tr("--by takes one or two keys"));
    std::vector<int> rows;
    if (parser.isSet(within)) {
        const auto r = range(parser.value(within));
        if (!r)
            return usageError(io, "sort", Texts::tr("--range is A-B within 1-800"));
        for (int n = r->first; n <= r->second; ++n)
            rows.push_back(n);
    }
    Document document;
    if (!openForCommand(files.first(), document, io))
        return kExitFailure;
    return finish(ChannelOrder::sort(document.image(), document.bands(), keys, rows), document,
                  parser.value(output), io);
}

int runCompact(const QStringList& args, CliStreams& io) {
    QCommandLineParser parser;
    const QCommandLineOption output = outputOption(Texts::tr("The data file to write."));
    parser.addOption(output);
    parser.addPositionalArgument(QStringLiteral("FILE"), Texts::tr("The data file."));
    if (const auto done = parseVerb(parser, "compact", args, io))
        return *done;
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1)
        return usageError(io, "compact", Texts::tr("give one data file"));
    if (parser.value(output).isEmpty())
        return usageError(io, "compact", Texts::tr("the output file is missing"));
    Document document;
    if (!openForCommand(files.first(), document, io))
        return kExitFailure;
    return finish(ChannelOrder::closeGaps(document.image()), document, parser.value(output), io);
}

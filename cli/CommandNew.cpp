#include "CliFiles.h"
#include "Document.h"
#include "FactoryDefault.h"
#include "Texts.h"

#include <QCommandLineParser>

int runNew(const QStringList& args, CliStreams& io) {
    QCommandLineParser parser;
    const QCommandLineOption output = outputOption(Texts::tr("The data file to write."));
    parser.addOption(output);
    if (const auto done = parseVerb(parser, "new", args, io))
        return *done;
    if (parser.value(output).isEmpty())
        return usageError(io, "new", Texts::tr("the output file is missing"));
    if (!parser.positionalArguments().isEmpty())
        return usageError(io, "new",
                          Texts::tr("unexpected \"%1\"").arg(parser.positionalArguments()[0]));
    Document document;
    document.image() = buildFactoryDefault();
    return saveForCommand(parser.value(output), document, io) ? kExitOk : kExitFailure;
}

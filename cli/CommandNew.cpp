#include "CliFiles.h"
#include "FactoryDefault.h"
#include "MemoryImage.h"

int runNew(const QStringList& arguments, CliStreams& io) {
    QStringList args = arguments;
    QString output;
    if (!takeOutputOption(args, output) || output.isEmpty())
        return usageError(io, "new", QStringLiteral("the output file is missing"));
    if (!args.isEmpty())
        return usageError(io, "new", QStringLiteral("unexpected \"%1\"").arg(args.first()));
    return saveForCommand(output, buildFactoryDefault(), io) ? kExitOk : kExitFailure;
}

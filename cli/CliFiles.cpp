#include "CliFiles.h"

#include "Document.h"

#include <QCommandLineOption>

bool openForCommand(const QString& path, Document& document, CliStreams& io) {
    const Result result = document.open(path);
    if (!result.ok) {
        io.err << "duoband-cli: " << result.message << "\n";
        return false;
    }
    document.bands().deriveEnabledFlags(document.image());
    return true;
}

bool saveForCommand(const QString& path, Document& document, CliStreams& io) {
    const Result result = document.saveAs(path);
    if (!result.ok)
        io.err << "duoband-cli: " << result.message << "\n";
    return result.ok;
}

QCommandLineOption outputOption(const QString& what) {
    return QCommandLineOption({QStringLiteral("o"), QStringLiteral("output")}, what,
                              QStringLiteral("FILE"));
}

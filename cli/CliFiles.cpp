#include "CliFiles.h"
#include "Texts.h"

#include "Document.h"
#include "MemoryImage.h"
#include "WholeFile.h"

#include <QCommandLineOption>
#include <QFile>

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
    if (path == QLatin1String("-"))
        return writeForCommand(path, document.image().toFileBytes(), io);
    const Result result = document.saveAs(path);
    if (!result.ok)
        io.err << "duoband-cli: " << result.message << "\n";
    return result.ok;
}

bool writeForCommand(const QString& path, const QByteArray& bytes, CliStreams& io) {
    if (path == QLatin1String("-")) {
        io.out.flush();
        QFile out;
        if (!out.open(stdout, QIODevice::WriteOnly) || out.write(bytes) != bytes.size() ||
            !out.flush()) {
            io.err << Texts::tr("duoband-cli: cannot write to standard output: ")
                   << out.errorString() << "\n";
            return false;
        }
        return true;
    }
    const Result result = writeWholeFile(path, bytes);
    if (!result.ok)
        io.err << "duoband-cli: " << result.message << "\n";
    return result.ok;
}

QCommandLineOption outputOption(const QString& what) {
    return QCommandLineOption({QStringLiteral("o"), QStringLiteral("output")}, what,
                              QStringLiteral("FILE"));
}

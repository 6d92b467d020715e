#include "CliFiles.h"
#include "CloneEngine.h"
#include "DataFile.h"
#include "FactoryDefault.h"
#include "MemoryImage.h"
#include "QtSerialLink.h"
#include "Terminal.h"

namespace {

struct CloneArgs {
    QString port;
    QString code;
    bool hasCode = false;
    QStringList rest;
};

// Takes "--port P" and "--code C" out of the arguments; false on a dangling option.
bool parseCloneArgs(QStringList args, CloneArgs& out) {
    while (!args.isEmpty()) {
        const QString a = args.takeFirst();
        if (a == "--port" || a == "--code") {
            if (args.isEmpty())
                return false;
            (a == "--port" ? out.port : out.code) = args.takeFirst();
            out.hasCode = out.hasCode || a == "--code";
        } else {
            out.rest << a;
        }
    }
    return true;
}

CloneReport runClone(CloneDirection direction, const CloneArgs& args, MemoryImage& image,
                     CliStreams& io) {
    const char* what = direction == CloneDirection::Read ? "Read " : "Write";
    CloneEngine::Hooks hooks;
    if (Terminal::stderrIsTerminal())
        hooks.progress = [what](int done, int total) { Terminal::drawProgress(what, done, total); };
    bool noTerminal = false;
    hooks.askAccessCode = [&]() -> std::optional<QString> {
        if (args.hasCode)
            return args.code;
        auto answer = Terminal::askHidden(QStringLiteral("The radio is read protected. Access "
                                                         "code: "));
        noTerminal = !answer;
        return answer;
    };
    QtSerialLink link;
    CloneEngine engine(link, theCloneFlags(), hooks);
    CloneReport report = engine.run(direction, args.port, image);
    if (!report.ok) {
        if (Terminal::stderrIsTerminal())
            io.err << "\n";
        if (report.outcome == CloneReport::AccessDenied)
            io.err << "duoband-cli: "
                   << (noTerminal ? "the radio is read protected: give its access code with "
                                    "--code"
                                  : "wrong access code: the radio is read protected")
                   << "\n";
        else
            io.err << "duoband-cli: " << report.message << "\n  " << report.detail << "\n";
    }
    return report;
}

} // namespace

int runRead(const QStringList& arguments, CliStreams& io) {
    CloneArgs args;
    QStringList rest;
    QString output;
    if (!parseCloneArgs(arguments, args))
        return usageError(io, "read", QStringLiteral("an option lacks its value"));
    rest = args.rest;
    if (!takeOutputOption(rest, output) || output.isEmpty())
        return usageError(io, "read", QStringLiteral("the output file is missing"));
    if (args.port.isEmpty() || !rest.isEmpty())
        return usageError(io, "read", QStringLiteral("give --port and -o"));
    // The radio's memory lands in the factory default; the file is written only after the
    // whole read, so a failed read never touches an existing file.
    MemoryImage image = buildFactoryDefault();
    if (!runClone(CloneDirection::Read, args, image, io).ok)
        return kExitFailure;
    return saveForCommand(output, image, io) ? kExitOk : kExitFailure;
}

int runWrite(const QStringList& arguments, CliStreams& io) {
    CloneArgs args;
    if (!parseCloneArgs(arguments, args))
        return usageError(io, "write", QStringLiteral("an option lacks its value"));
    if (args.port.isEmpty() || args.rest.size() != 1)
        return usageError(io, "write", QStringLiteral("give --port and one data file"));
    MemoryImage image;
    const Result loaded = loadDataFile(args.rest.first(), image);
    if (!loaded.ok) {
        io.err << "duoband-cli: " << loaded.message << "\n";
        return kExitFailure;
    }
    // The date stamp goes into this copy only: the file stays as it is.
    return runClone(CloneDirection::Write, args, image, io).ok ? kExitOk : kExitFailure;
}

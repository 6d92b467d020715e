#include "CliClone.h"
#include "CliFiles.h"
#include "CloneEngine.h"
#include "Document.h"
#include "FactoryDefault.h"
#include "MemoryImage.h"
#include "SystemSerialLink.h"
#include "Terminal.h"
#include "Texts.h"

#include <QCommandLineParser>

CloneReport runClone(CloneDirection direction, const CloneArgs& args, MemoryImage& image,
                     CliStreams& io) {
    const QByteArray what =
        (direction == CloneDirection::Read ? Texts::tr("Read ") : Texts::tr("Write")).toLocal8Bit();
    CloneEngine::Hooks hooks;
    if (Terminal::stderrIsTerminal())
        hooks.progress = [what](int done, int total) {
            Terminal::drawProgress(what.constData(), done, total);
        };
    bool noTerminal = false;
    hooks.askAccessCode = [&]() -> std::optional<QString> {
        if (args.code)
            return args.code;
        auto answer = Terminal::askHidden(Texts::tr("The radio is read protected. Access code: "));
        noTerminal = !answer;
        return answer;
    };
    // The tests talk to the virtual radio without the pauses a real radio needs.
    if (qEnvironmentVariableIsSet("DUOBAND_NO_CLONE_PAUSES"))
        hooks.pause = [](std::chrono::milliseconds) {};
    SystemSerialLink link;
    CloneEngine engine(link, theCloneFlags(), hooks);
    CloneReport report = engine.run(direction, args.port, image);
    if (!report.ok) {
        if (Terminal::stderrIsTerminal())
            io.err << "\n";
        if (report.outcome == CloneReport::AccessDenied)
            io.err << "duoband-cli: "
                   << (noTerminal
                           ? Texts::tr(
                                 "the radio is read protected: give its access code with --code")
                           : Texts::tr("wrong access code: the radio is read protected"))
                   << "\n";
        else
            io.err << "duoband-cli: " << report.message << "\n  " << report.detail << "\n";
    }
    return report;
}

std::optional<int> parseClone(QCommandLineParser& parser, const char* verb, const QStringList& args,
                              CliStreams& io, CloneArgs& clone) {
    const QCommandLineOption port(QStringLiteral("port"),
                                  Texts::tr("The serial port, or any device path."),
                                  QStringLiteral("PORT"));
    const QCommandLineOption code(
        QStringLiteral("code"),
        Texts::tr("The access code of a read protected radio (asked for when missing)."),
        QStringLiteral("CODE"));
    parser.addOptions({port, code});
    if (const auto done = parseVerb(parser, verb, args, io))
        return done;
    clone.port = parser.value(port);
    if (parser.isSet(code))
        clone.code = parser.value(code);
    return std::nullopt;
}

int runRead(const QStringList& args, CliStreams& io) {
    QCommandLineParser parser;
    const QCommandLineOption output = outputOption(Texts::tr("The data file to write."));
    parser.addOption(output);
    CloneArgs clone;
    if (const auto done = parseClone(parser, "read", args, io, clone))
        return *done;
    if (parser.value(output).isEmpty())
        return usageError(io, "read", Texts::tr("the output file is missing"));
    if (clone.port.isEmpty() || !parser.positionalArguments().isEmpty())
        return usageError(io, "read", Texts::tr("give --port and -o"));
    // The radio's memory lands in the factory default; the file is written only after the
    // whole read, so a failed read never touches an existing file.
    Document document;
    document.image() = buildFactoryDefault();
    if (!runClone(CloneDirection::Read, clone, document.image(), io).ok)
        return kExitFailure;
    keepBackup(document.image(), io);
    return saveForCommand(parser.value(output), document, io) ? kExitOk : kExitFailure;
}

int runWrite(const QStringList& args, CliStreams& io) {
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("FILE"), Texts::tr("The data file to send."));
    CloneArgs clone;
    if (const auto done = parseClone(parser, "write", args, io, clone))
        return *done;
    const QStringList files = parser.positionalArguments();
    if (clone.port.isEmpty() || files.size() != 1)
        return usageError(io, "write", Texts::tr("give --port and one data file"));
    Document document;
    if (!openForCommand(files.first(), document, io))
        return kExitFailure;
    // The radio gets the coefficients and bitmaps of the tones and channels the file holds. The
    // date stamp goes into this copy only: the file stays as it is.
    document.refreshDerivedRegions();
    return runClone(CloneDirection::Write, clone, document.image(), io).ok ? kExitOk : kExitFailure;
}

#include "Command.h"
#include "Language.h"
#include "Texts.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <iterator>
#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#endif
#include <memory>

namespace {

const Command kCommands[] = {
    {"new", "-o FILE", QT_TRANSLATE_NOOP("Cli", "write the factory default data file"), runNew},
    {"info", "FILE",
     QT_TRANSLATE_NOOP("Cli", "show the radio identity, band limits and channels of a data file"),
     runInfo},
    {"read", "--port PORT -o FILE [--code CODE]",
     QT_TRANSLATE_NOOP("Cli",
                       "read the radio into a new data file (written only after a complete read)"),
     runRead},
    {"write", "--port PORT FILE",
     QT_TRANSLATE_NOOP("Cli", "write a data file into the radio (the file is not changed)"),
     runWrite},
    {"export", "FILE [-o OUT.csv] [--format native|interchange]",
     QT_TRANSLATE_NOOP("Cli", "write the channels in use as CSV (standard output by default)"),
     runExport},
    {"import", "FILE IN.csv -o OUT.dat [--at N]",
     QT_TRANSLATE_NOOP("Cli", "apply the channels of a CSV file to a data file, saved as OUT.dat"),
     runImport},
    {"sort", "FILE -o OUT.dat --by KEY[,KEY] [--descending] [--range A-B]",
     QT_TRANSLATE_NOOP(
         "Cli",
         "sort the channels by one or two columns (rx, tx, name, power, ...), printing what moved"),
     runSort},
    {"compact", "FILE -o OUT.dat",
     QT_TRANSLATE_NOOP(
         "Cli",
         "close the gaps between the channels in use, keeping their order, printing what moved"),
     runCompact},
    {"report", "FILE [-o OUT.txt|OUT.pdf] [--format text|pdf]",
     QT_TRANSLATE_NOOP(
         "Cli", "write a readable report of every setting (text to standard output by default)"),
     runReport},
    {"diff", "A B | A --port PORT [--code CODE]",
     QT_TRANSLATE_NOOP(
         "Cli",
         "list every setting and channel that differs between two data files, or between a data "
         "file and the radio, and the bytes no form shows (exit 0 equal, 1 different, 2 trouble)"),
     runDiff},
    {"backups", "[--radio SERIAL]",
     QT_TRANSLATE_NOOP("Cli",
                       "list the backups kept of every radio read, newest first, with their paths"),
     runBackups},
    {"ports", "", QT_TRANSLATE_NOOP("Cli", "list the serial ports"), runPorts},
#ifndef Q_OS_WIN // the virtual radio needs a pseudo-terminal
    {"sim", "[--image FILE] [--protect] [--pace] [--silent]",
     QT_TRANSLATE_NOOP(
         "Cli",
         "play a radio on a pseudo-terminal; prints its device path, serves until interrupted"),
     runSim},
#endif
};

void printHelp(QTextStream& out) {
    out << Texts::tr("Usage: duoband-cli COMMAND [ARGS]") << "\n\n"
        << Texts::tr("Commands:") << "\n";
    for (const auto& c : kCommands)
        out << QStringLiteral("  %1 %2").arg(QString::fromLatin1(c.name), -5).arg(c.synopsis)
            << "\n      " << QCoreApplication::translate("Cli", c.summary) << "\n";
    out << "\n"
        << Texts::tr("Options:\n"
                     "  --help     show this text (after a command: that command's)\n"
                     "  --version  show the version\n"
                     "\n"
                     "Exit codes: 0 success, 1 failure, 2 usage error.\n");
}

const Command& command(const char* verb) {
    for (const auto& c : kCommands)
        if (qstrcmp(c.name, verb) == 0)
            return c;
    qFatal("duoband-cli: no command %s", verb);
}

QString usageLine(const Command& c) {
    return Texts::tr("Usage: duoband-cli %1 %2").arg(QLatin1String(c.name), c.synopsis).trimmed();
}

} // namespace

int usageError(CliStreams& io, const char* verb, const QString& problem) {
    io.err << "duoband-cli " << verb << ": " << problem << "\n" << usageLine(command(verb)) << "\n";
    return kExitUsage;
}

std::optional<int> parseVerb(QCommandLineParser& parser, const char* verb, const QStringList& args,
                             CliStreams& io) {
    const Command& c = command(verb);
    parser.setApplicationDescription(QCoreApplication::translate("Cli", c.summary));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  Texts::tr("Show this help."));
    parser.addOption(help);
    if (!parser.parse(QStringList{QStringLiteral("duoband-cli")} + args))
        return usageError(io, verb, parser.errorText());
    if (parser.isSet(help)) {
        // The parser's own usage line names the program only; ours names the verb too.
        const QString text = parser.helpText();
        io.out << usageLine(c) << text.mid(text.indexOf(u'\n'));
        return kExitOk;
    }
    return std::nullopt;
}

namespace {

// A GUI application run without a desktop session says where it puts its runtime files; a
// command-line tool keeps that to itself.
void quietAboutTheRuntimeFolder(QtMsgType type, const QMessageLogContext& context,
                                const QString& message) {
    if (type == QtWarningMsg &&
        message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
        return;
    fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

} // namespace

int main(int argc, char* argv[]) {
#ifdef Q_OS_WIN
    // Bytes go out as on every other system: a CSV keeps its CRLF line ends, the rest its LF,
    // and a redirected output is the same file everywhere.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    // Drawing report pages needs fonts, and so a GUI application, without a screen.
    const bool drawsPages = argc > 1 && qstrcmp(argv[1], "report") == 0;
    if (drawsPages) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(quietAboutTheRuntimeFolder);
    }
    std::unique_ptr<QCoreApplication> application =
        drawsPages ? std::make_unique<QGuiApplication>(argc, argv)
                   : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication& app = *application;
    Language::install();
    QTextStream out(stdout);
    QTextStream err(stderr);
    CliStreams io{out, err};
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        printHelp(err);
        return kExitUsage;
    }
    const QString verb = args.takeFirst();
    if (verb == "--help" || verb == "-h" || verb == "help") {
        printHelp(out);
        return kExitOk;
    }
    if (verb == "--version") {
        out << "duoband-cli " << DUOBAND_VERSION << "\n";
        return kExitOk;
    }
    for (const auto& c : kCommands)
        if (verb == QLatin1String(c.name))
            return c.run(args, io);
    err << Texts::tr("duoband-cli: unknown command \"%1\" (see duoband-cli --help)").arg(verb)
        << "\n";
    return kExitUsage;
}

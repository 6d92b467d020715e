#include "BandState.h"
#include "CliClone.h"
#include "CliFiles.h"
#include "Document.h"
#include "PageLayout.h"
#include "Report.h"
#include "ReportDiff.h"
#include "ReportPages.h"
#include "Texts.h"

#include <QCommandLineParser>

int runReport(const QStringList& args, CliStreams& io) {
    QCommandLineParser parser;
    const QCommandLineOption output =
        outputOption(Texts::tr("The report to write (text to standard output by default)."));
    const QCommandLineOption format(
        QStringLiteral("format"),
        Texts::tr("text or pdf (by default pdf for an output file ending in .pdf)."),
        QStringLiteral("text|pdf"));
    parser.addOptions({output, format});
    parser.addPositionalArgument(QStringLiteral("FILE"), Texts::tr("The data file."));
    if (const auto done = parseVerb(parser, "report", args, io))
        return *done;
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1)
        return usageError(io, "report", Texts::tr("give one data file"));
    QString out = parser.value(output);
    QString kind = parser.value(format);
    if (kind.isEmpty())
        kind = out.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive) ? QStringLiteral("pdf")
                                                                        : QStringLiteral("text");
    if (kind != "text" && kind != "pdf")
        return usageError(io, "report", Texts::tr("--format is text or pdf"));
    if (out.isEmpty() && kind == "pdf")
        return usageError(io, "report", Texts::tr("a PDF report needs an output file (-o)"));
    if (out.isEmpty())
        out = QStringLiteral("-");

    Document document;
    if (!openForCommand(files.first(), document, io))
        return kExitFailure;
    const QString name = PageLayout::documentName(files.first(), document.suggestedName());
    Report report = buildReport(document.image(), document.bands());
    report.header = reportHeader(document.image(),
                                 PageLayout::shownFileName(files.first(), document.suggestedName()),
                                 QDate::currentDate());
    if (kind == "text")
        return writeForCommand(out, reportText(report).toUtf8(), io) ? kExitOk : kExitFailure;
    const std::optional<QByteArray> pdf = reportPdf(name, report);
    if (!pdf) {
        io.err << Texts::tr("duoband-cli: cannot draw the report's pages\n");
        return kExitFailure;
    }
    return writeForCommand(out, *pdf, io) ? kExitOk : kExitFailure;
}

// Exit codes as diff(1) has them: 0 equal, 1 different, 2 trouble (a file or the radio that
// cannot be read, an output that cannot be written).
int runDiff(const QStringList& args, CliStreams& io) {
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("A"), Texts::tr("The data file before."));
    parser.addPositionalArgument(QStringLiteral("B"),
                                 Texts::tr("The data file after (with --port: the radio)."));
    CloneArgs radio;
    if (const auto done = parseClone(parser, "diff", args, io, radio))
        return *done;
    const QStringList files = parser.positionalArguments();
    if (files.size() != (radio.port.isEmpty() ? 2 : 1))
        return usageError(io, "diff", Texts::tr("give two data files, or one and --port"));
    Document before, after;
    if (!openForCommand(files[0], before, io))
        return kExitUsage;
    if (radio.port.isEmpty()) {
        if (!openForCommand(files[1], after, io))
            return kExitUsage;
    } else {
        // What the radio holds, read into a copy of the file's data: nothing is written, and
        // what a read does not bring stays the file's.
        after.image() = before.image();
        if (!runClone(CloneDirection::Read, radio, after.image(), io).ok)
            return kExitUsage;
        keepBackup(after.image(), io);
        after.bands() = BandState::fromImage(after.image());
    }
    const Comparison comparison =
        compareData(before.image(), before.bands(), after.image(), after.bands());
    QString text;
    for (const Difference& d : comparison.differences)
        text += differenceLine(d) + u'\n';
    for (const QString& line : comparison.closingLines())
        text += line + u'\n';
    if (!writeForCommand(QStringLiteral("-"), text.toUtf8(), io))
        return kExitUsage;
    return comparison.equal() ? kExitOk : kExitFailure;
}

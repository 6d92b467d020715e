#include "CliFiles.h"
#include "Document.h"
#include "PageLayout.h"
#include "Report.h"
#include "ReportDiff.h"
#include "ReportPages.h"

#include <QCommandLineParser>

int runReport(const QStringList& args, CliStreams& io) {
    QCommandLineParser parser;
    const QCommandLineOption output =
        outputOption(QStringLiteral("The report to write (text to standard output by default)."));
    const QCommandLineOption format(
        QStringLiteral("format"),
        QStringLiteral("text or pdf (by default pdf for an output file ending in .pdf)."),
        QStringLiteral("text|pdf"));
    parser.addOptions({output, format});
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The data file."));
    if (const auto done = parseVerb(parser, "report", args, io))
        return *done;
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1)
        return usageError(io, "report", QStringLiteral("give one data file"));
    QString out = parser.value(output);
    QString kind = parser.value(format);
    if (kind.isEmpty())
        kind = out.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive) ? QStringLiteral("pdf")
                                                                        : QStringLiteral("text");
    if (kind != "text" && kind != "pdf")
        return usageError(io, "report", QStringLiteral("--format is text or pdf"));
    if (out.isEmpty() && kind == "pdf")
        return usageError(io, "report", QStringLiteral("a PDF report needs an output file (-o)"));
    if (out.isEmpty())
        out = QStringLiteral("-");

    Document document;
    if (!openForCommand(files.first(), document, io))
        return kExitFailure;
    const Report report = buildReport(document.image(), document.bands());
    if (kind == "text")
        return writeForCommand(out, reportText(report).toUtf8(), io) ? kExitOk : kExitFailure;
    const QString name = PageLayout::documentName(files.first(), document.suggestedName());
    const std::optional<QByteArray> pdf = reportPdf(name, reportLines(report));
    if (!pdf) {
        io.err << "duoband-cli: cannot draw the report's pages\n";
        return kExitFailure;
    }
    return writeForCommand(out, *pdf, io) ? kExitOk : kExitFailure;
}

// Exit codes as diff(1) has them: 0 equal, 1 different, 2 trouble.
int runDiff(const QStringList& args, CliStreams& io) {
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("A"), QStringLiteral("The data file before."));
    parser.addPositionalArgument(QStringLiteral("B"), QStringLiteral("The data file after."));
    if (const auto done = parseVerb(parser, "diff", args, io))
        return *done;
    const QStringList files = parser.positionalArguments();
    if (files.size() != 2)
        return usageError(io, "diff", QStringLiteral("give two data files"));
    Document before, after;
    if (!openForCommand(files[0], before, io) || !openForCommand(files[1], after, io))
        return kExitUsage;
    const auto differences = compareReports(buildReport(before.image(), before.bands()),
                                            buildReport(after.image(), after.bands()));
    for (const Difference& d : differences)
        io.out << differenceLine(d) << "\n";
    return differences.empty() ? kExitOk : kExitFailure;
}

#include "Command.h"
#include "QtSerialLink.h"

#include <QCommandLineParser>
#include <QSerialPortInfo>

int runPorts(const QStringList& args, CliStreams& io) {
    QCommandLineParser parser;
    if (const auto done = parseVerb(parser, "ports", args, io))
        return *done;
    if (!parser.positionalArguments().isEmpty())
        return usageError(io, "ports", QStringLiteral("takes no arguments"));
    const auto ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& p : ports) {
        QString ids;
        if (p.hasVendorIdentifier() && p.hasProductIdentifier())
            ids = QStringLiteral("%1:%2")
                      .arg(p.vendorIdentifier(), 4, 16, QChar(u'0'))
                      .arg(p.productIdentifier(), 4, 16, QChar(u'0'));
        io.out << QStringLiteral("%1  %2  %3  %4\n")
                      .arg(p.systemLocation(), -20)
                      .arg(canOpenPort(p.systemLocation()) ? "free" : "busy", -4)
                      .arg(ids, -9)
                      .arg(p.description());
    }
    if (ports.isEmpty())
        io.err << "No serial ports found. A port can still be given by its path, for example "
                  "one made by \"duoband-cli sim\".\n";
    return kExitOk;
}

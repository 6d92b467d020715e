#include "Command.h"
#include "SerialPorts.h"
#include "Texts.h"

#include <QCommandLineParser>

int runPorts(const QStringList& args, CliStreams& io) {
    QCommandLineParser parser;
    if (const auto done = parseVerb(parser, "ports", args, io))
        return *done;
    if (!parser.positionalArguments().isEmpty())
        return usageError(io, "ports", Texts::tr("takes no arguments"));
    const QList<SerialPortInfo> ports = systemSerialPorts();
    for (const SerialPortInfo& p : ports)
        io.out << QStringLiteral("%1  %2  %3  %4\n")
                      .arg(p.name, -20)
                      .arg(canOpenPort(p.name) ? "free" : "busy", -4)
                      .arg(p.usbIds, -9)
                      .arg(p.description);
    if (ports.isEmpty())
        io.err << Texts::tr("No serial ports found. A port can still be given by its path, for "
                            "example one made by \"duoband-cli sim\".\n");
    return kExitOk;
}

#include "Command.h"
#include "DataFile.h"
#include "FactoryDefault.h"
#include "MemoryImage.h"
#include "Texts.h"
#include "VirtualRadio.h"

#include <QCommandLineParser>
#include <csignal>
#include <pthread.h>

int runSim(const QStringList& args, CliStreams& io) {
    QCommandLineParser parser;
    const QCommandLineOption image(
        QStringLiteral("image"),
        Texts::tr("The data file whose memory the radio holds (the factory default otherwise)."),
        QStringLiteral("FILE"));
    const QCommandLineOption protect(QStringLiteral("protect"),
                                     Texts::tr("Be read protected: ask for the access code."));
    const QCommandLineOption pace(QStringLiteral("pace"),
                                  Texts::tr("Answer as slowly as a real 38,400-baud line."));
    const QCommandLineOption silent(QStringLiteral("silent"), Texts::tr("Never answer."));
    parser.addOptions({image, protect, pace, silent});
    if (const auto done = parseVerb(parser, "sim", args, io))
        return *done;
    if (!parser.positionalArguments().isEmpty())
        return usageError(io, "sim",
                          Texts::tr("unexpected \"%1\"").arg(parser.positionalArguments()[0]));
    VirtualRadioOptions options;
    options.readProtected = parser.isSet(protect);
    options.pace = parser.isSet(pace);
    options.silent = parser.isSet(silent);
    const QString imageFile = parser.value(image);
    MemoryImage memory = buildFactoryDefault();
    if (!imageFile.isEmpty()) {
        const Result loaded = loadDataFile(imageFile, memory);
        if (!loaded.ok) {
            io.err << "duoband-cli: " << loaded.message << "\n";
            return kExitFailure;
        }
    }
    // Interrupts are taken by sigwait below, not by whichever thread they hit.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    VirtualRadio radio(options);
    radio.setMemory(
        QByteArray(reinterpret_cast<const char*>(memory.image().data()), MemoryImage::kImageSize));
    QString error;
    if (!radio.start(&error)) {
        io.err << "duoband-cli: " << error << "\n";
        return kExitFailure;
    }
    io.out << radio.devicePath() << Qt::endl;
    io.err << Texts::tr("Virtual radio on ") << radio.devicePath()
           << ": point the port at it; Ctrl+C ends it.\n";
    io.err.flush();
    int signal = 0;
    sigwait(&stopSignals, &signal);
    radio.stop();
    io.err << Texts::tr("Virtual radio stopped after %n session(s).", nullptr,
                        int(radio.completedSessions()))
           << "\n";
    return kExitOk;
}

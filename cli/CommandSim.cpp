#include "Command.h"
#include "DataFile.h"
#include "FactoryDefault.h"
#include "MemoryImage.h"
#include "VirtualRadio.h"

#include <csignal>
#include <pthread.h>

int runSim(const QStringList& arguments, CliStreams& io) {
    QStringList args = arguments;
    VirtualRadioOptions options;
    QString imageFile;
    while (!args.isEmpty()) {
        const QString a = args.takeFirst();
        if (a == "--protect")
            options.readProtected = true;
        else if (a == "--pace")
            options.pace = true;
        else if (a == "--silent")
            options.silent = true;
        else if (a == "--image" && !args.isEmpty())
            imageFile = args.takeFirst();
        else
            return usageError(io, "sim", QStringLiteral("unexpected \"%1\"").arg(a));
    }
    MemoryImage image = buildFactoryDefault();
    if (!imageFile.isEmpty()) {
        const Result loaded = loadDataFile(imageFile, image);
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
        QByteArray(reinterpret_cast<const char*>(image.image().data()), MemoryImage::kImageSize));
    QString error;
    if (!radio.start(&error)) {
        io.err << "duoband-cli: " << error << "\n";
        return kExitFailure;
    }
    io.out << radio.devicePath() << Qt::endl;
    io.err << "Virtual radio on " << radio.devicePath()
           << ": point the port at it; Ctrl+C ends it.\n";
    io.err.flush();
    int signal = 0;
    sigwait(&stopSignals, &signal);
    radio.stop();
    io.err << "Virtual radio stopped after " << radio.completedSessions() << " session(s).\n";
    return kExitOk;
}

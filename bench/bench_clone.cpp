// Times full transfers against the virtual radio over a pseudo-terminal and compares them with
// what the protocol itself takes: its mandated waits and, with 38,400-baud pacing, the wire time.
#include "CloneEngine.h"
#include "FactoryDefault.h"
#include "MemoryImage.h"
#include "QtSerialLink.h"
#include "VirtualRadio.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>

namespace {

constexpr double kByteSeconds = 10.0 / 38400.0;
// Wake-up bytes wait 2 ms each (two handshakes), every read block and the protection check
// wait 10 ms before their acknowledge.
constexpr double kHandshakeWaits = 2 * 7 * 0.002 + 0.010;

// Bytes on the wire in both directions for a whole transfer.
int wireBytes(CloneDirection direction) {
    const int handshakes = 2 * (7 + 1);
    const int identification = 2 * (2 + 16 + 1 + 1);
    const int protection = 4 + 132 + 1 + 1;
    int transfer = 0;
    if (direction == CloneDirection::Read) {
        transfer = CloneEngine::kReadBlocks * (4 + 132 + 1 + 1) + 4;
    } else {
        for (std::uint32_t a = 0x60; a < 0x10000;) {
            if (a == 0xF400)
                a = 0xFF00;
            const std::uint32_t length = std::min<std::uint32_t>(128 - a % 128, 0x10000 - a);
            transfer += 4 + int(length) + 1;
            a += length;
        }
        transfer += 4;
    }
    return handshakes + identification + protection + transfer;
}

double mandatedSeconds(CloneDirection direction, bool paced) {
    double s = kHandshakeWaits;
    if (direction == CloneDirection::Read)
        s += CloneEngine::kReadBlocks * 0.010;
    if (paced)
        s += wireBytes(direction) * kByteSeconds;
    return s;
}

void run(const char* name, CloneDirection direction, bool paced, int rounds) {
    VirtualRadioOptions options;
    options.pace = paced;
    VirtualRadio radio(options);
    QString error;
    if (!radio.start(&error)) {
        std::printf("%s: %s\n", name, qPrintable(error));
        return;
    }
    const MemoryImage source = buildFactoryDefault();
    radio.setMemory(QByteArray(reinterpret_cast<const char*>(source.image().data()), 65536));
    double best = 1e9, sum = 0;
    for (int i = 0; i < rounds; ++i) {
        MemoryImage image = source;
        QtSerialLink link;
        CloneEngine engine(link, theCloneFlags(), {});
        QElapsedTimer timer;
        timer.start();
        const CloneReport report = engine.run(direction, radio.devicePath(), image);
        const double seconds = timer.nsecsElapsed() / 1e9;
        if (!report.ok) {
            std::printf("%s: failed: %s\n", name, qPrintable(report.detail));
            return;
        }
        best = std::min(best, seconds);
        sum += seconds;
    }
    const double floor = mandatedSeconds(direction, paced);
    std::printf("%-22s protocol floor %7.3f s  best %7.3f s (%+5.2f%%)  mean %7.3f s (%+5.2f%%)\n",
                name, floor, best, (best / floor - 1) * 100, sum / rounds,
                (sum / rounds / floor - 1) * 100);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 3;
    run("read, no pacing", CloneDirection::Read, false, rounds);
    run("write, no pacing", CloneDirection::Write, false, rounds);
    run("read, 38400 baud", CloneDirection::Read, true, rounds);
    run("write, 38400 baud", CloneDirection::Write, true, rounds);
    return 0;
}

#pragma once

#include "CloneEngine.h"
#include "FactoryDefault.h"
#include "FastTiming.h"
#include "MemoryImage.h"
#include "QtSerialLink.h"
#include "VirtualRadio.h"

#include <QTest>

// A virtual radio on a pseudo-terminal, filled with a recognisable memory, for clone tests.
// Conversations run at full speed: the protocol's pauses are skipped (a test that wants them
// asks for `paced`).
struct RadioBench {
    explicit RadioBench(VirtualRadioOptions options = {}) : radio(options) {
        QString error;
        started = radio.start(&error);
        if (!started)
            qWarning("virtual radio: %s", qPrintable(error));
        radio.setMemory(radioMemory());
    }

    // Every block differs from its neighbours, so that a misplaced block shows.
    static QByteArray radioMemory() {
        QByteArray m(0x10000, '\0');
        for (int i = 0; i < m.size(); ++i)
            m[i] = char((i * 31 + (i >> 7)) & 0xFF);
        m[0xCC08] = 0; // not read protected unless the option says so
        return m;
    }

    CloneReport run(CloneDirection direction, MemoryImage& image, CloneEngine::Hooks hooks = {},
                    bool paced = false) {
        if (!hooks.today)
            hooks.today = [] { return QDate(2014, 3, 5); };
        if (!paced && !hooks.pause)
            hooks.pause = fastTiming().pause;
        QtSerialLink link;
        CloneEngine engine(link, flags, std::move(hooks));
        return engine.run(direction, radio.devicePath(), image);
    }

    VirtualRadio radio;
    CloneFlags flags;
    bool started = false;
};

// The part of an image a read brings: 0x0100-0xFFFF.
inline QByteArray sentPart(const MemoryImage& image) {
    return QByteArray(reinterpret_cast<const char*>(image.image().data()) + 0x100, 0x10000 - 0x100);
}

// Program.ini of any content: reading never fails, a put changes only its own key's line, and
// what was put reads back.
#include "FuzzFiles.h"
#include "IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString path = scratchFile("Program.ini");
    writeScratch(path, data, size);
    const IniFile ini(path);
    const QString model = ini.get(QStringLiteral("Setup"), QStringLiteral("Model"));
    FUZZ_ASSERT(model.size() <= 255);
    const QString port = QStringLiteral("/dev/ttyUSB%1").arg(size % 10);
    if (!ini.put(QStringLiteral("Setup"), QStringLiteral("COM"), port))
        return 0;
    FUZZ_ASSERT(ini.get(QStringLiteral("setup"), QStringLiteral("com")) == port);
    // Another key is as it was, unless the put's own line was the one that held it.
    const QString modelAfter = ini.get(QStringLiteral("Setup"), QStringLiteral("Model"));
    FUZZ_ASSERT(modelAfter == model);
    // A second put of the same value changes nothing.
    QFile file(path);
    FUZZ_ASSERT(file.open(QIODevice::ReadOnly));
    const QByteArray once = file.readAll();
    file.close();
    FUZZ_ASSERT(ini.put(QStringLiteral("Setup"), QStringLiteral("COM"), port));
    FUZZ_ASSERT(file.open(QIODevice::ReadOnly));
    FUZZ_ASSERT(file.readAll() == once);
    return 0;
}

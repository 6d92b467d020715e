#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

// A scratch file the targets hand their input through, where the code under test takes a path.
inline QString scratchFile(const char* name) {
    static const QString dir = [] {
        QString d = QDir::tempPath() + QStringLiteral("/duoband-fuzz-%1").arg(getpid());
        QDir().mkpath(d);
        return d;
    }();
    return dir + u'/' + QLatin1String(name);
}

inline void writeScratch(const QString& path, const std::uint8_t* data, std::size_t size) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(reinterpret_cast<const char*>(data), qsizetype(size));
}

// A property of the code under test does not hold: the input is a finding.
#define FUZZ_ASSERT(condition)                                                                     \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "Property failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

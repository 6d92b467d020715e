#pragma once

#include <QByteArray>
#include <QString>

// The byte pipe the clone engine talks through: a real serial port, a pseudo-terminal, or a
// fake in a test. All calls block; a read returns fewer bytes when its time-out runs out.
class SerialLink {
public:
    virtual ~SerialLink() = default;

    // Opens the named port exclusively at 38,400 baud 8N1 raw. On failure `error` says why and
    // `permissionDenied` tells a lack of access apart from a missing or busy port.
    virtual bool open(const QString& name, QString* error, bool* permissionDenied) = 0;
    virtual void close() = 0;
    // Discards whatever has come in and not been read.
    virtual void purge() = 0;
    // Reads up to n bytes within 50 ms per byte plus 100 ms in all, giving up when 50 ms pass
    // between two bytes.
    virtual QByteArray read(int n) = 0;
    // Writes all bytes within 50 ms per byte plus 50 ms; false when they did not all go out.
    virtual bool write(const QByteArray& bytes) = 0;

protected:
    // How every open() begins: no denial known yet, and no name is no port.
    static bool startOpen(const QString& name, QString* error, bool* permissionDenied) {
        if (permissionDenied)
            *permissionDenied = false;
        if (name.isEmpty() && error)
            *error = QStringLiteral("No serial port is chosen.");
        return !name.isEmpty();
    }
};

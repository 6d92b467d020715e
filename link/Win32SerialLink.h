#pragma once

#include "SerialLink.h"

// SerialLink on the Win32 comm API: "\\.\COMn" at 38,400 baud 8N1, no flow control, with the
// same read and write time limits as on Linux. Create it in the thread that uses it.
class Win32SerialLink : public SerialLink {
public:
    Win32SerialLink() = default;
    ~Win32SerialLink() override;
    Win32SerialLink(const Win32SerialLink&) = delete;
    Win32SerialLink& operator=(const Win32SerialLink&) = delete;

    bool open(const QString& name, QString* error, bool* permissionDenied) override;
    void close() override;
    void purge() override;
    QByteArray read(int n) override;
    bool write(const QByteArray& bytes) override;

private:
    // Sets how long the next ReadFile may wait for its first byte, in ms (0: not at all).
    bool setReadWait(unsigned long ms);

    void* handle_ = nullptr; // a HANDLE; null while closed
};

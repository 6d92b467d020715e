#include "Win32SerialLink.h"
#include "Texts.h"

#include <QDeadlineTimer>
#include <windows.h>

namespace {
constexpr int kIntervalMs = 50;
constexpr int kPerByteMs = 50;
constexpr int kReadExtraMs = 100;
constexpr int kWriteExtraMs = 50;

HANDLE asHandle(void* h) {
    return static_cast<HANDLE>(h);
}

// The system's text for an error code, without its trailing line break.
QString systemMessage(DWORD code) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    QString message = length ? QString::fromWCharArray(text, int(length)).trimmed()
                             : Texts::tr("error %1").arg(code);
    LocalFree(text);
    return message;
}

// "COM3" and "\\.\COM12" both open as "\\.\COMn": the plain form only reaches COM1-COM9.
QString devicePath(const QString& name) {
    return name.startsWith(QLatin1String("\\\\.\\")) ? name : QStringLiteral("\\\\.\\") + name;
}
} // namespace

Win32SerialLink::~Win32SerialLink() {
    close();
}

// Windows has no access groups to join: a port that cannot be opened is busy or absent, never
// a permission to ask for, so `permissionDenied` stays false.
bool Win32SerialLink::open(const QString& name, QString* error, bool* permissionDenied) {
    close();
    if (!startOpen(name, error, permissionDenied))
        return false;
    const std::wstring path = devicePath(name).toStdWString();
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0,
                           nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(name, systemMessage(GetLastError()));
        return false;
    }
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    bool ok = GetCommState(h, &dcb);
    if (ok) {
        dcb.BaudRate = CBR_38400;
        dcb.ByteSize = 8;
        dcb.Parity = NOPARITY;
        dcb.StopBits = ONESTOPBIT;
        dcb.fBinary = TRUE;
        dcb.fParity = FALSE;
        dcb.fOutxCtsFlow = FALSE;
        dcb.fOutxDsrFlow = FALSE;
        dcb.fDsrSensitivity = FALSE;
        dcb.fDtrControl = DTR_CONTROL_ENABLE; // the cable's level converter draws on DTR and RTS
        dcb.fRtsControl = RTS_CONTROL_ENABLE;
        dcb.fOutX = FALSE;
        dcb.fInX = FALSE;
        dcb.fNull = FALSE;
        dcb.fAbortOnError = FALSE;
        ok = SetCommState(h, &dcb) && SetupComm(h, 4096, 4096);
    }
    handle_ = h;
    if (ok)
        ok = setReadWait(0) && PurgeComm(h, PURGE_RXCLEAR | PURGE_TXCLEAR);
    if (!ok) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(name, systemMessage(GetLastError()));
        close();
        return false;
    }
    return true;
}

void Win32SerialLink::close() {
    if (handle_) {
        CloseHandle(asHandle(handle_));
        handle_ = nullptr;
    }
}

bool Win32SerialLink::setReadWait(unsigned long ms) {
    // MAXDWORD, MAXDWORD, ms: a read returns at once with what has come in, or waits up to ms
    // for the first byte and returns as soon as one arrives.
    COMMTIMEOUTS t{};
    t.ReadIntervalTimeout = MAXDWORD;
    t.ReadTotalTimeoutMultiplier = ms ? MAXDWORD : 0;
    t.ReadTotalTimeoutConstant = ms;
    t.WriteTotalTimeoutMultiplier = kPerByteMs;
    t.WriteTotalTimeoutConstant = kWriteExtraMs;
    return SetCommTimeouts(asHandle(handle_), &t);
}

void Win32SerialLink::purge() {
    if (handle_)
        PurgeComm(asHandle(handle_), PURGE_RXCLEAR);
}

QByteArray Win32SerialLink::read(int n) {
    QByteArray out;
    if (!handle_ || n <= 0)
        return out;
    const QDeadlineTimer total(kPerByteMs * n + kReadExtraMs);
    char buffer[512];
    while (out.size() < n) {
        // Before the first byte only the total limit counts; after it also the gap between bytes.
        qint64 wait = total.remainingTime();
        if (!out.isEmpty())
            wait = std::min<qint64>(wait, kIntervalMs);
        if (wait <= 0 || !setReadWait(DWORD(wait)))
            break;
        DWORD got = 0;
        const DWORD want = DWORD(std::min<qsizetype>(n - out.size(), qsizetype(sizeof buffer)));
        if (!ReadFile(asHandle(handle_), buffer, want, &got, nullptr)) {
            close(); // the device went away: every later call fails at once
            break;
        }
        if (got == 0)
            break; // the wait ran out
        out.append(buffer, qsizetype(got));
    }
    return out;
}

bool Win32SerialLink::write(const QByteArray& bytes) {
    if (!handle_)
        return false;
    // The write time limit (50 ms per byte plus 50 ms) is part of the port's time-outs.
    DWORD written = 0;
    if (!WriteFile(asHandle(handle_), bytes.constData(), DWORD(bytes.size()), &written, nullptr)) {
        close();
        return false;
    }
    return written == DWORD(bytes.size());
}

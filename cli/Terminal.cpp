#include "Terminal.h"

#include <cstdio>
#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>
#endif

namespace Terminal {

bool stderrIsTerminal() {
#ifdef Q_OS_WIN
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(STDERR_FILENO) == 1;
#endif
}

void drawProgress(const char* what, int done, int total) {
    constexpr int kWidth = 40;
    const int filled = total > 0 ? done * kWidth / total : 0;
    std::fprintf(stderr, "\r%s [%.*s%*s] %3d%%", what, filled,
                 "########################################", kWidth - filled, "",
                 total > 0 ? done * 100 / total : 0);
    if (done == total)
        std::fputc('\n', stderr);
    std::fflush(stderr);
}

#ifdef Q_OS_WIN
std::optional<QString> askHidden(const QString& prompt) {
    // The console itself, as /dev/tty elsewhere: standard input may be a file.
    HANDLE in = CreateFileW(L"CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, 0, nullptr);
    HANDLE out = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                             OPEN_EXISTING, 0, nullptr);
    DWORD saved = 0;
    if (in == INVALID_HANDLE_VALUE || out == INVALID_HANDLE_VALUE || !GetConsoleMode(in, &saved)) {
        if (in != INVALID_HANDLE_VALUE)
            CloseHandle(in);
        if (out != INVALID_HANDLE_VALUE)
            CloseHandle(out);
        return std::nullopt;
    }
    const std::wstring text = prompt.toStdWString();
    DWORD written = 0;
    WriteConsoleW(out, text.c_str(), DWORD(text.size()), &written, nullptr);
    SetConsoleMode(in, (saved | ENABLE_LINE_INPUT) & ~DWORD(ENABLE_ECHO_INPUT));
    wchar_t buffer[256];
    DWORD got = 0;
    const bool ok = ReadConsoleW(in, buffer, 255, &got, nullptr);
    SetConsoleMode(in, saved);
    WriteConsoleW(out, L"\r\n", 2, &written, nullptr);
    CloseHandle(in);
    CloseHandle(out);
    if (!ok)
        return std::nullopt;
    QString answer = QString::fromWCharArray(buffer, int(got));
    while (answer.endsWith(u'\n') || answer.endsWith(u'\r'))
        answer.chop(1);
    return answer;
}
#else
std::optional<QString> askHidden(const QString& prompt) {
    const int tty = ::open("/dev/tty", O_RDWR | O_NOCTTY);
    if (tty < 0)
        return std::nullopt;
    const QByteArray text = prompt.toLocal8Bit();
    (void)!::write(tty, text.constData(), size_t(text.size()));
    termios saved{};
    tcgetattr(tty, &saved);
    termios quiet = saved;
    quiet.c_lflag &= tcflag_t(~ECHO);
    tcsetattr(tty, TCSAFLUSH, &quiet);
    QByteArray answer;
    char c = 0;
    while (::read(tty, &c, 1) == 1 && c != '\n' && c != '\r')
        answer += c;
    tcsetattr(tty, TCSAFLUSH, &saved);
    (void)!::write(tty, "\n", 1);
    ::close(tty);
    return QString::fromLocal8Bit(answer);
}
#endif

} // namespace Terminal

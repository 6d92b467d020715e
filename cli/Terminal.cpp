#include "Terminal.h"

#include <cstdio>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace Terminal {

bool stderrIsTerminal() {
    return isatty(STDERR_FILENO) == 1;
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

} // namespace Terminal

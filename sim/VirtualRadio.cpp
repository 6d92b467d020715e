#include "VirtualRadio.h"

#include "PreciseSleep.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {

const QByteArray kWake("\x02PROGRA", 7);
const QByteArray kIdentification("DUOBAND VR 1.00 ", 16);
constexpr int kBlockHeader = 4;
constexpr std::uint32_t kProtectionFlag = 0xCC08;

using Clock = std::chrono::steady_clock;

// 10 bits per byte at 38,400 baud.
Clock::duration wireTime(qsizetype bytes) {
    return std::chrono::microseconds(bytes * 10'000'000LL / 38400);
}

// After it has answered, the radio keeps listening without sleeping for a while: a transfer's
// next command comes within milliseconds, and waking a sleeping thread would add more delay
// than the program itself causes.
constexpr auto kHotListening = std::chrono::milliseconds(20);

} // namespace

struct VirtualRadio::Parser {
    QByteArray pending;
    bool awake = false;
    int wakeMatch = 0;
    bool identified = false;  // the next "A" acknowledges the identification
    int lastReadAddress = -1; // the next "A"s acknowledge this block
    int blocksServed = 0;
};

VirtualRadio::VirtualRadio(VirtualRadioOptions options)
    : options_(options), memory_(0x10000, char(0xFF)), parser_(std::make_unique<Parser>()) {}

VirtualRadio::~VirtualRadio() {
    stop();
}

bool VirtualRadio::start(QString* error) {
    auto failed = [&](const char* what) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(what, strerror(errno));
        stop();
        return false;
    };
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0)
        return failed("cannot create a pseudo-terminal");
    devicePath_ = QString::fromLocal8Bit(ptsname(master_));
    // Holding the far end open keeps the line up between the program's sessions, and raw mode
    // keeps the terminal layer from touching the bytes before the program sets the port up.
    slave_ = ::open(devicePath_.toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
    if (slave_ < 0)
        return failed("cannot open the pseudo-terminal");
    termios tio{};
    tcgetattr(slave_, &tio);
    cfmakeraw(&tio);
    tcsetattr(slave_, TCSANOW, &tio);
    if (pipe(wakePipe_) != 0)
        return failed("cannot create a pipe");
    running_ = true;
    thread_ = std::thread([this] { serve(); });
    return true;
}

void VirtualRadio::stop() {
    if (running_.exchange(false) && wakePipe_[1] >= 0)
        (void)!::write(wakePipe_[1], "x", 1);
    if (thread_.joinable())
        thread_.join();
    for (int* fd : {&master_, &slave_, &wakePipe_[0], &wakePipe_[1]}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
}

QByteArray VirtualRadio::memory() const {
    std::lock_guard lock(mutex_);
    return memory_;
}

void VirtualRadio::setMemory(const QByteArray& image) {
    std::lock_guard lock(mutex_);
    memory_ = image.left(0x10000);
    memory_.resize(0x10000, char(0xFF));
}

QByteArray VirtualRadio::received() const {
    std::lock_guard lock(mutex_);
    return received_;
}

void VirtualRadio::serve() {
    char buffer[4096];
    Clock::time_point lastActive = Clock::now() - kHotListening;
    while (running_) {
        pollfd fds[2] = {{master_, POLLIN, 0}, {wakePipe_[0], POLLIN, 0}};
        const bool hot = Clock::now() - lastActive < kHotListening;
        const int ready = poll(fds, 2, hot ? 0 : -1);
        if (ready == 0) {
            std::this_thread::yield();
            continue;
        }
        if (ready < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        if (fds[1].revents)
            break;
        if (!(fds[0].revents & POLLIN))
            continue;
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        if (n <= 0)
            continue;
        if (options_.pace) {
            // The bytes arrive one after another on the line.
            inputFree_ = std::max(Clock::now(), inputFree_) + wireTime(n);
            sleepUntil(inputFree_);
        }
        handle(QByteArray(buffer, n));
        lastActive = Clock::now();
    }
}

void VirtualRadio::reply(const QByteArray& bytes) {
    if (hungUp_)
        return;
    if (options_.pace) {
        outputFree_ = std::max(Clock::now(), outputFree_) + wireTime(bytes.size());
        sleepUntil(outputFree_);
    }
    qsizetype sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::write(master_, bytes.constData() + sent, size_t(bytes.size() - sent));
        if (n < 0) {
            if (errno == EINTR || errno == EAGAIN)
                continue;
            return;
        }
        sent += n;
    }
}

// Pulls the cable: both ends of the pseudo-terminal go away.
void VirtualRadio::hangUp() {
    hungUp_ = true;
    ::close(slave_);
    ::close(master_);
    slave_ = master_ = -1;
    running_ = false;
}

void VirtualRadio::handle(const QByteArray& bytes) {
    {
        std::lock_guard lock(mutex_);
        received_ += bytes;
    }
    Parser& p = *parser_;
    p.pending += bytes;
    while (!p.pending.isEmpty() && !hungUp_) {
        const auto c = std::uint8_t(p.pending[0]);
        if (!p.awake || c == 0x02) {
            // Asleep (or waking again): match the wake-up sequence byte by byte.
            p.awake = false;
            p.pending.remove(0, 1);
            p.wakeMatch = c == std::uint8_t(kWake[p.wakeMatch]) ? p.wakeMatch + 1 : (c == 0x02);
            if (p.wakeMatch == kWake.size()) {
                p.wakeMatch = 0;
                if (options_.silent)
                    continue;
                p.awake = true;
                p.lastReadAddress = -1;
                reply(QByteArray(options_.noiseBeforeAck, char(0x5A)) + "A");
            }
            continue;
        }
        if (c == 'M') {
            if (p.pending.size() < 2)
                return;
            p.pending.remove(0, 2);
            p.identified = true;
            reply(kIdentification);
        } else if (c == 'A') {
            p.pending.remove(0, 1);
            const bool nak =
                (p.identified && options_.nakIdentification) ||
                (p.lastReadAddress >= 0 && p.lastReadAddress == options_.nakReadAddress);
            p.identified = false;
            reply(nak ? "?" : "A");
        } else if (c == 'R' || c == 'W') {
            if (p.pending.size() < kBlockHeader)
                return;
            const int address = (std::uint8_t(p.pending[1]) << 8) | std::uint8_t(p.pending[2]);
            const int length = std::uint8_t(p.pending[3]);
            const int end = std::min(address + length, 0x10000);
            if (c == 'W' && p.pending.size() < kBlockHeader + length)
                return;
            const QByteArray header = p.pending.left(kBlockHeader);
            if (c == 'R') {
                p.pending.remove(0, kBlockHeader);
                QByteArray data;
                {
                    std::lock_guard lock(mutex_);
                    data = memory_.mid(address, end - address);
                    if (options_.readProtected && address <= int(kProtectionFlag) &&
                        int(kProtectionFlag) < end)
                        data[kProtectionFlag - address] = 3;
                }
                if (address == options_.shortReplyAddress)
                    data.truncate(data.size() / 2);
                p.lastReadAddress = address;
                reply(header + data);
            } else {
                {
                    std::lock_guard lock(mutex_);
                    memory_.replace(address, end - address,
                                    p.pending.mid(kBlockHeader, end - address));
                }
                p.pending.remove(0, kBlockHeader + length);
                reply(address == options_.nakWriteAddress ? "?" : "A");
            }
            if (++p.blocksServed == options_.hangUpAfterBlocks)
                hangUp();
        } else if (c == 'E') {
            if (p.pending.size() < 4)
                return;
            if (p.pending.startsWith("ENDR") || p.pending.startsWith("ENDW")) {
                p.pending.remove(0, 4);
                p.awake = false;
                ++sessions_;
            } else {
                p.pending.remove(0, 1);
            }
        } else {
            p.pending.remove(0, 1); // not a command: skip it
        }
    }
}

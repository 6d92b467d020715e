#pragma once

#include "Result.h"

#include <QDate>
#include <QString>
#include <atomic>
#include <chrono>
#include <functional>
#include <optional>

class MemoryImage;
class SerialLink;

enum class CloneDirection { Read, Write };

// The busy flag and the cancel request shared between a transfer and the dialog that shows it.
struct CloneFlags {
    std::atomic<bool> busy{false};
    std::atomic<bool> cancel{false};
};
CloneFlags& theCloneFlags();

// What a user on Linux does when the port may not be opened: install the udev rules that give
// the logged-in user the cable, or join the group that owns the device.
QString serialAccessAdvice(const QString& port);

// The message is what the user must see ("Open port fail", "Communication error" or empty);
// the detail names the port or the block.
struct CloneReport : Result {
    enum Outcome { Success, OpenFailed, CommunicationError, AccessDenied, Cancelled };
    Outcome outcome = Success;

    CloneReport() = default;
    CloneReport(Outcome o, QString message, QString detail)
        : Result{o == Success, std::move(message), std::move(detail)}, outcome(o) {}
};

// The clone protocol: wakes the radio, identifies it, checks its read protection, then reads
// 510 blocks (0x0100-0xFFFF) or writes 490 (0x0060-0xF3FF, 0xFF00-0xFFFF, dated today).
// A read fills `image` only when every block arrived; a write stamps the date into `image`.
class CloneEngine {
public:
    static constexpr int kReadBlocks = 510;
    static constexpr int kWriteBlocks = 490;
    static constexpr int kReadBytes = 0x10000 - 0x0100;                        // 0x0100-0xFFFF
    static constexpr int kWriteBytes = (0xF400 - 0x0060) + (0x10000 - 0xFF00); // two ranges
    static constexpr int kMaxWakeAttempts = 9;
    static inline const char* kAccessCode = "5172KB";

    struct Hooks {
        std::function<void(int done, int total)> progress;
        // Asked when the radio is read protected; nullopt when the prompt was cancelled.
        std::function<std::optional<QString>()> askAccessCode;
        std::function<QDate()> today; // the local date when not set
        // The protocol's waits and the clock of the wake-up window; a scripted link in a test or
        // fuzz target replaces them so that no real time passes. Real sleep and time when unset.
        std::function<void(std::chrono::milliseconds)> pause;
        std::function<qint64()> clockMs;
    };

    CloneEngine(SerialLink& link, CloneFlags& flags, Hooks hooks);

    CloneReport run(CloneDirection direction, const QString& portName, MemoryImage& image);

private:
    struct Abort {
        CloneReport report;
    };

    void handshake();
    void identify();
    bool protectionCheckPasses();
    void readLoop(MemoryImage& image);
    void writeLoop(MemoryImage& image);
    bool acknowledge();
    void send(const QByteArray& bytes);
    void reportProgress(int done, int total);
    void pause(std::chrono::milliseconds duration);
    [[noreturn]] void fail(const QString& detail);

    SerialLink& link_;
    CloneFlags& flags_;
    Hooks hooks_;
    QString port_;
    int attempts_ = 0;
};

// One line for the status bar on how a transfer ended: "Read 64 KiB from /dev/ttyUSB0",
// "Write cancelled", "Wrong access code" ... `promptCancelled`: the user dismissed the access
// code prompt, which ends the transfer like a cancel.
QString transferSummary(CloneDirection direction, const QString& port, const CloneReport& report,
                        bool promptCancelled = false);

// Packed BCD date bytes as the write stamps them at 0xFF28: year mod 100, century, month, day.
void stampProgrammingDate(MemoryImage& image, const QDate& date);

#pragma once

#include <QByteArray>
#include <QString>
#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <thread>

// A radio that answers the clone protocol on a pseudo-terminal, with its own 64 KiB memory:
// the test bench of every clone feature and a way to try Read and Write without a radio.
// Faults can be switched on to play a radio that misbehaves.
struct VirtualRadioOptions {
    bool readProtected = false;     // the protection flag (0xCC08) reads 3
    bool pace = false;              // bytes take their 38,400-baud wire time in both directions
    bool silent = false;            // never answers the wake-up sequence
    int noiseBeforeAck = 0;         // garbage bytes sent before the "A" to the wake-up sequence
    bool nakIdentification = false; // wrong reply to the "A" after the identification
    int nakReadAddress = -1;        // every "A" after reading this block gets a wrong reply
    int nakWriteAddress = -1;       // a wrong reply to the write packet of this address
    int shortReplyAddress = -1;     // only half the data of this read block
    int hangUpAfterBlocks = -1;     // hangs up after serving this many read or write blocks
};

class VirtualRadio {
public:
    explicit VirtualRadio(VirtualRadioOptions options = {});
    ~VirtualRadio();
    VirtualRadio(const VirtualRadio&) = delete;
    VirtualRadio& operator=(const VirtualRadio&) = delete;

    // Opens the pseudo-terminal and serves it on a thread of its own. False (with `error`
    // set) when no pseudo-terminal could be had.
    bool start(QString* error = nullptr);
    void stop();

    // The device path to point the program's port at.
    QString devicePath() const { return devicePath_; }

    // The radio's memory (0x0000-0xFFFF) and everything it received so far.
    QByteArray memory() const;
    void setMemory(const QByteArray& image);
    QByteArray received() const;
    int completedSessions() const { return sessions_; }
    bool hungUp() const { return hungUp_; }

private:
    struct Parser;
    void serve();
    void handle(const QByteArray& bytes);
    void reply(const QByteArray& bytes);
    void hangUp();

    VirtualRadioOptions options_;
    QString devicePath_;
    int master_ = -1;
    int slave_ = -1;
    int wakePipe_[2] = {-1, -1};
    std::thread thread_;
    std::atomic<bool> running_{false};
    std::atomic<int> sessions_{0};
    std::atomic<bool> hungUp_{false};
    mutable std::mutex mutex_;
    QByteArray memory_;
    QByteArray received_;
    std::unique_ptr<Parser> parser_;
    std::chrono::steady_clock::time_point inputFree_{};  // when the line to the radio is free
    std::chrono::steady_clock::time_point outputFree_{}; // when the line back is free
};

#pragma once

#include <QString>
#include <mutex>
#include <optional>

// The access code handed from the user-interface thread to a transfer's worker. The blocking
// queued call that asks for it already orders the two threads, but through a lock inside Qt
// that the thread sanitizer cannot see; the answer travels under this lock, which it can.
class AccessCodeMailbox {
public:
    // The code typed, or nullopt when the prompt was cancelled.
    void put(std::optional<QString> code) {
        const std::lock_guard guard(lock_);
        code_ = std::move(code);
    }
    std::optional<QString> take() {
        const std::lock_guard guard(lock_);
        return std::exchange(code_, std::nullopt);
    }

private:
    std::mutex lock_;
    std::optional<QString> code_;
};

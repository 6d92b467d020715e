#pragma once

#include "CloneEngine.h"
#include "MemoryImage.h"

#include <QObject>
#include <functional>
#include <optional>

class AppConfig;
class Workspace;

// Read and Write, whichever form is active: the forms store first, the progress dialog runs
// the transfer, and after a read the band limits, the first channels and every open form
// follow the radio's data. Both are one step of the document's history.
class TransferCommands : public QObject {
    Q_OBJECT
public:
    TransferCommands(Workspace& workspace, AppConfig& config, QObject* parent = nullptr);
    // The one question before a Write (what it changes, and the radio's newest backup or that
    // there is none); without one, a Write asks nothing.
    enum class WriteAnswer { Cancel, Write, ReadBackupFirst };
    struct WriteQuestion {
        QString backupNote;   // "Backup of this radio: 2026-12-09 14:03", or that there is none
        bool offerBackupRead; // no backup: "Read a backup first" is offered
    };
    void setWriteQuestion(std::function<WriteAnswer(const WriteQuestion&)> ask) {
        confirmWrite_ = std::move(ask);
    }

    // Where every image read from a radio is kept (the data folder's "Backups").
    QString backupFolder() const;

    bool read();
    bool write();
    // What the radio holds, read without touching the open data (its first bytes, which a read
    // does not bring, are the open data's); nothing when the read did not succeed.
    std::optional<MemoryImage> readCopy();

    // The clone engine's pauses and clock (real time when unset), for tests that must not wait.
    void setTiming(CloneEngine::Hooks timing) { timing_ = std::move(timing); }

private:
    // The progress dialog on the configured port; true when the transfer succeeded.
    // `confirmed`: the user already said yes, the transfer starts without "Start".
    bool transfer(CloneDirection direction, MemoryImage& image, bool confirmed = false);
    // Keeps what a read brought; a folder that cannot be written is one warning and the read
    // stands. Returns the status line's addition.
    QString keepBackup(const MemoryImage& read);

    Workspace& workspace_;
    AppConfig& config_;
    CloneEngine::Hooks timing_;
    std::function<WriteAnswer(const WriteQuestion&)> confirmWrite_;
    QString lastSummary_; // what the last transfer's dialog said
};

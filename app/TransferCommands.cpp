#include "TransferCommands.h"
#include "Texts.h"

#include "AppConfig.h"
#include "ChannelRules.h"
#include "CloneProgressDialog.h"
#include "CommandRegistry.h"
#include "Document.h"
#include "Plausibility.h"
#include "ProblemBox.h"
#include "RadioBackups.h"
#include "ShownPath.h"
#include "Workspace.h"

#include <QDir>

TransferCommands::TransferCommands(Workspace& workspace, AppConfig& config, QObject* parent)
    : QObject(parent), workspace_(workspace), config_(config) {}

QString TransferCommands::backupFolder() const {
    return RadioBackups::folderIn(config_.paths.dataFolder);
}

QString TransferCommands::keepBackup(const MemoryImage& read) {
    const QString root = backupFolder();
    const RadioBackups::Kept kept = RadioBackups::keep(root, read);
    if (!kept.ok) {
        showProblem(workspace_.dialogParent(),
                    Texts::tr("The read succeeded, but no backup of it could be kept.\n%1")
                        .arg(kept.message));
        return Texts::tr("; no backup kept");
    }
    if (!kept.added)
        return Texts::tr("; the newest backup holds the same");
    const QString key = RadioBackups::radioKey(read);
    const RadioBackups::Usage usage = RadioBackups::usage(root, key);
    if (usage.count > RadioBackups::kOfferToRemoveAbove &&
        workspace_.goOnDespite(Texts::tr("There are %n backup(s) of this radio, taking %1 MB.",
                                         nullptr, int(usage.count))
                                   .arg(double(usage.bytes) / (1024 * 1024), 0, 'f', 1),
                               Texts::tr("Remove the oldest, keeping the newest %1?")
                                   .arg(RadioBackups::kOfferToRemoveAbove)))
        RadioBackups::removeOldest(root, key, RadioBackups::kOfferToRemoveAbove);
    return Texts::tr("; backup kept: %1").arg(shownPath(kept.path));
}

bool TransferCommands::transfer(CloneDirection direction, MemoryImage& image, bool confirmed) {
    CloneProgressDialog dialog(direction, config_.portName, image, theCloneFlags(),
                               workspace_.dialogParent(), timing_);
    if (confirmed)
        dialog.startWhenShown();
    dialog.exec();
    lastSummary_ = dialog.summary();
    workspace_.showStatus(lastSummary_);
    return dialog.succeeded();
}

bool TransferCommands::read() {
    if (!workspace_.maybeSave())
        return false;
    Document& document = workspace_.document();
    workspace_.storeAllForms();
    // The read and what the forms make of it are one step: Undo brings back the data before it.
    document.beginStep(Texts::tr("Read from radio"));
    const bool ok = transfer(CloneDirection::Read, document.image());
    QString backup;
    if (ok)
        backup = keepBackup(document.image()); // what the radio sent, before the forms
    if (ok) {
        // The forms check the radio's data against its own bands, and show all of it: a form
        // left showing the data before would store it over the radio's.
        document.bands().loadLimitsFromImage(document.image());
        document.bands().deriveEnabledFlags(document.image());
        ChannelRules::ensureFirstChannels(document.image(), document.bands());
        workspace_.reloadAllForms();
        if (!workspace_.hasOpenForms())
            workspace_.showForm(channelTableForm());
        workspace_.storeAllForms();
    }
    document.endStep();
    if (ok) {
        // The radio's data belongs to no file: Save asks for a name, and closing, New and Open
        // ask before it is lost.
        document.becomeUntitled();
        document.rememberRadioData();
        workspace_.showStatus(lastSummary_ + backup);
    }
    return ok;
}

std::optional<MemoryImage> TransferCommands::readCopy() {
    workspace_.storeAllForms();
    MemoryImage copy = workspace_.document().image();
    if (!transfer(CloneDirection::Read, copy, true)) // asked by Compare with
        return std::nullopt;
    const QString backup = keepBackup(copy);
    workspace_.showStatus(lastSummary_ + backup);
    return copy;
}

bool TransferCommands::write() {
    // Every form stores first and the derived regions follow what is sent.
    workspace_.storeAllForms();
    Document& document = workspace_.document();
    if (const QString doubt = implausibility(document.image());
        !doubt.isEmpty() && !workspace_.goOnDespite(doubt, Texts::tr("Write anyway?")))
        return false;
    if (confirmWrite_) {
        const QString root = backupFolder();
        const auto newest = RadioBackups::newest(root, RadioBackups::radioKey(document.image()));
        const WriteQuestion question{
            newest
                ? Texts::tr("Backup of this radio: %1").arg(RadioBackups::shownTime(newest->taken))
                : Texts::tr("There is no backup of this radio: what it holds now is lost unless it "
                            "is read first."),
            !newest};
        const WriteAnswer answer = confirmWrite_(question);
        if (answer == WriteAnswer::Cancel)
            return false;
        if (answer == WriteAnswer::ReadBackupFirst) {
            // A read into the backups only; the open data stays as it is.
            MemoryImage copy = document.image();
            if (!transfer(CloneDirection::Read, copy, true))
                return false;
            keepBackup(copy);
        }
    }
    if (!transfer(CloneDirection::Write, document.image(), true))
        return false;
    document.record(Texts::tr("Programming date")); // what the write stamped
    document.rememberRadioData();
    return true;
}

#include "moc_TransferCommands.cpp"

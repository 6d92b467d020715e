#include "TransferCommands.h"

#include "AppConfig.h"
#include "ChannelRules.h"
#include "CloneProgressDialog.h"
#include "CommandRegistry.h"
#include "Document.h"
#include "Plausibility.h"
#include "Workspace.h"

TransferCommands::TransferCommands(Workspace& workspace, AppConfig& config, QObject* parent)
    : QObject(parent), workspace_(workspace), config_(config) {}

bool TransferCommands::transfer(CloneDirection direction, MemoryImage& image, bool confirmed) {
    CloneProgressDialog dialog(direction, config_.portName, image, theCloneFlags(),
                               workspace_.dialogParent(), timing_);
    if (confirmed)
        dialog.startWhenShown();
    dialog.exec();
    workspace_.showStatus(dialog.summary());
    return dialog.succeeded();
}

bool TransferCommands::read() {
    if (!workspace_.maybeSave())
        return false;
    Document& document = workspace_.document();
    workspace_.storeAllForms();
    // The read and what the forms make of it are one step: Undo brings back the data before it.
    document.beginStep(QStringLiteral("Read from radio"));
    const bool ok = transfer(CloneDirection::Read, document.image());
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
    }
    return ok;
}

std::optional<MemoryImage> TransferCommands::readCopy() {
    workspace_.storeAllForms();
    MemoryImage copy = workspace_.document().image();
    if (!transfer(CloneDirection::Read, copy, true)) // asked by Compare with
        return std::nullopt;
    return copy;
}

bool TransferCommands::write() {
    // Every form stores first and the derived regions follow what is sent.
    workspace_.storeAllForms();
    Document& document = workspace_.document();
    if (const QString doubt = implausibility(document.image());
        !doubt.isEmpty() && !workspace_.goOnDespite(doubt, QStringLiteral("Write anyway?")))
        return false;
    if (confirmWrite_ && !confirmWrite_())
        return false;
    if (!transfer(CloneDirection::Write, document.image(), true))
        return false;
    document.record(QStringLiteral("Programming date")); // what the write stamped
    document.rememberRadioData();
    return true;
}

#include "moc_TransferCommands.cpp"

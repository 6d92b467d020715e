#include "TransferCommands.h"

#include "AppConfig.h"
#include "ChannelRules.h"
#include "CloneProgressDialog.h"
#include "Document.h"
#include "MainWindow.h"
#include "Plausibility.h"
#include "ReportCommands.h"

#include <QMdiArea>

TransferCommands::TransferCommands(MainWindow& frame, AppConfig& config)
    : QObject(&frame), frame_(frame), config_(config) {}

bool TransferCommands::transfer(CloneDirection direction, MemoryImage& image, bool confirmed) {
    CloneProgressDialog dialog(direction, config_.portName, image, theCloneFlags(), &frame_,
                               timing_);
    if (confirmed)
        dialog.startWhenShown();
    dialog.exec();
    frame_.showStatus(dialog.summary());
    return dialog.succeeded();
}

bool TransferCommands::read() {
    if (!frame_.maybeSave())
        return false;
    Document& document = frame_.document();
    frame_.storeAllForms();
    // The read and what the forms make of it are one step: Undo brings back the data before it.
    document.beginStep(QStringLiteral("Read from radio"));
    const bool ok = transfer(CloneDirection::Read, document.image());
    if (ok) {
        // The forms check the radio's data against its own bands, and show all of it: a form
        // left showing the data before would store it over the radio's.
        document.bands().loadLimitsFromImage(document.image());
        document.bands().deriveEnabledFlags(document.image());
        ChannelRules::ensureFirstChannels(document.image(), document.bands());
        frame_.reloadAllForms();
        if (frame_.mdiArea()->subWindowList().isEmpty())
            frame_.openForm(QStringLiteral("Channel setting"));
        frame_.storeAllForms();
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
    frame_.storeAllForms();
    MemoryImage copy = frame_.document().image();
    if (!transfer(CloneDirection::Read, copy, true)) // asked by Compare with
        return std::nullopt;
    return copy;
}

bool TransferCommands::write() {
    // Every form stores first and the derived regions follow what is sent.
    frame_.storeAllForms();
    Document& document = frame_.document();
    if (const QString doubt = implausibility(document.image());
        !doubt.isEmpty() && !frame_.goOnDespite(doubt, QStringLiteral("Write anyway?")))
        return false;
    if (!frame_.reports()->confirmWrite())
        return false;
    if (!transfer(CloneDirection::Write, document.image(), true))
        return false;
    document.record(QStringLiteral("Programming date")); // what the write stamped
    document.rememberRadioData();
    return true;
}

#include "moc_TransferCommands.cpp"

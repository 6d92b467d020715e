#pragma once

#include <QString>

class ChannelTableView;
class Document;
class QWidget;

// What the commands of the program work on: the document, the open forms and the user. The main
// window is one; a test can be another, so that a command runs without a main window.
class Workspace {
public:
    virtual ~Workspace() = default;

    virtual Document& document() = 0;
    // The window the commands' dialogs open over.
    virtual QWidget* dialogParent() = 0;

    // Every open form stores into the image; the derived regions follow (what a save or a write
    // sends out matches the tones and channels it holds).
    virtual void storeAllForms() = 0;
    // Each open form stores what it holds, nothing else; what that changes is a step of its own.
    virtual void storeFormEdits() = 0;
    // The form's window, when it is open, loads from the image again.
    virtual void reloadForm(const QString& text) = 0;
    virtual void reloadAllForms() = 0;
    // Opens the form's window or brings it up; false for a form not built.
    virtual bool showForm(const QString& text) = 0;
    virtual bool hasOpenForms() const = 0;
    // The channel table when it is the active form, else null.
    virtual ChannelTableView* activeChannelTable() const = 0;
    // The form holding an edit not stored yet; empty when none does.
    virtual QString pendingForm() const = 0;
    // The data differs from what was last opened, saved or made new, or came from the radio and
    // was not saved, or a form holds an edit not yet stored.
    virtual bool isModified() = 0;

    // A line in the status bar.
    virtual void showStatus(const QString& text) = 0;
    // Asks before unsaved changes are lost: true to go on (saved, or discarded on purpose).
    virtual bool maybeSave() = 0;
    // Whether to go on with data that does not look like this radio's (`doubt` says why).
    virtual bool goOnDespite(const QString& doubt, const QString& question) = 0;
};

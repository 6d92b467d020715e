#pragma once

#include <QSize>
#include <QString>
#include <functional>
#include <vector>

class CBaseFormView;
class Document;
class QWidget;

// What a command may ask of the main window.
class CommandHost {
public:
    virtual ~CommandHost() = default;
    virtual Document& document() = 0;
    virtual QWidget* dialogParent() = 0;
    virtual void storeAllForms() = 0;
    // The form's window, when it is open, loads from the image again.
    virtual void reloadForm(const QString& text) = 0;
    virtual void reloadAllForms() = 0;
};

enum class CommandKind {
    FormWindow,  // a form in a child window of its own, one window per form
    ModalDialog, // a dialog shown over the main window
    Command,     // anything else
};

// One command of the Edit menu and the navigation tree. Adding a form or dialog is one entry
// here plus its class; an entry without a maker or a run is a form not built yet.
struct CommandEntry {
    QString text;     // the tree item and the menu item; names the form's window
    int treePosition; // -1: not in the tree
    int menuPosition; // -1: not in the Edit menu
    CommandKind kind;
    QString caption; // of the form's window or the dialog
    QSize size;
    int helpContext;
    bool maximized = false;
    std::function<CBaseFormView*(Document&)> makeForm = {}; // form windows
    std::function<void(CommandHost&)> run = {};             // dialogs and commands

    bool built() const { return makeForm || run; }
};

const std::vector<CommandEntry>& commandRegistry();
const CommandEntry* findCommand(const QString& text);
// The entries of the navigation tree and of the Edit menu, each in its own order.
std::vector<const CommandEntry*> treeCommands();
std::vector<const CommandEntry*> editMenuCommands();

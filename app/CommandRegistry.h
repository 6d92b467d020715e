#pragma once

#include "FormCatalog.h"

#include <QSize>
#include <QString>
#include <functional>
#include <vector>

class FormView;
class Document;
class Workspace;

enum class CommandKind {
    FormWindow,  // a form in a child window of its own, one window per form
    ModalDialog, // a dialog shown over the main window
    Command,     // anything else
};

// One command of the Edit menu and the navigation tree: a form of the catalogue (its caption and
// help come from there) with the widgets that show it. Adding a form or dialog is one entry in
// the catalogue, one here and its class; an entry without a maker or a run is not built yet.
struct CommandEntry {
    QString text;     // the tree item and the menu item; names the form's window
    int treePosition; // -1: not in the tree
    int menuPosition; // -1: not in the Edit menu
    CommandKind kind;
    QSize size; // a maximized window's size when restored; other windows fit their form
    bool maximized = false;
    std::function<FormView*(Document&)> makeForm = {}; // form windows
    std::function<void(Workspace&)> run = {};          // dialogs and commands

    bool built() const { return makeForm || run; }
    const FormInfo& form() const; // the catalogue's entry of the same name
    const QString& caption() const { return form().caption; }
    int helpContext() const { return form().helpContext; }
};

// "Channel setting": the channel table's form, which a program with no form open falls back on.
const QString& channelTableForm();

const std::vector<CommandEntry>& commandRegistry();
const CommandEntry* findCommand(const QString& text);
// The entries of the navigation tree and of the Edit menu, each in its own order.
std::vector<const CommandEntry*> treeCommands();
std::vector<const CommandEntry*> editMenuCommands();

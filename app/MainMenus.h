#pragma once

#include <QKeySequence>
#include <QString>
#include <functional>
#include <vector>

class ChannelTableView;
class FileCommands;
class HistoryCommands;
class QAction;
class QDockWidget;
class QMainWindow;
class QMenu;
class ReportCommands;
class TransferCommands;
struct CommandEntry;

// What the menus run: the command objects the main window assembles, and the few commands that
// are the window's own.
struct MenuCommands {
    FileCommands* files;
    HistoryCommands* history;
    TransferCommands* transfers;
    ReportCommands* reports;
    std::function<void()> choosePort;
    // Setting > Language: the code kept in Program.ini ("" follows the system) and a new choice.
    std::function<QString()> language;
    std::function<void(const QString& code)> chooseLanguage;
    std::function<void(int context)> help;
    std::function<void()> about;
    std::function<void()> exit;
    std::function<ChannelTableView*()> activeChannelTable;
    std::function<void(const CommandEntry&)> runCommand;
    // Cascade, Tile, Arrange and the open windows as items of the Window menu.
    std::function<void(QMenu*)> listWindows;
    QDockWidget* treeBar;
};

// The main window's menus and toolbar as one table: each row a menu item, what it runs, its
// keys and, for the toolbar's buttons, its icon. A few rows stand for items made from other
// tables (the channel table's row commands, the forms of the registry) or by the window (the
// recent files, the view toggles, the list of windows).
struct MenuItem {
    enum Kind {
        Command,
        Separator,
        RecentFiles,   // the recent-file submenu
        RowCommands,   // the channel table's row commands, for the table with the focus
        FormCommands,  // the registry's forms and dialogs, in its Edit-menu order
        ToolbarToggle, // the view toggles of the toolbar, the status bar and the tree bar
        StatusBarToggle,
        TreeBarToggle,
        WindowList,   // Cascade, Tile, Arrange and the open windows, made when the menu opens
        LanguageList, // the languages the program speaks, for its next start
    };
    QString menu; // "&File"
    Kind kind = Command;
    QString text = {};
    std::vector<QKeySequence> keys = {};
    std::function<void(const MenuCommands&)> run = {};
    // A toolbar button: its place (tens group the buttons between separators) and icon, one of
    // the program's own (":/toolbar/<icon>-<size>.png").
    int button = 0; // 0: none
    const char* icon = nullptr;
};

const std::vector<MenuItem>& mainMenuItems();

// What the main window keeps of its menus.
struct MainMenus {
    QMenu* edit = nullptr;
    QMenu* window = nullptr;
    std::vector<QAction*> rowActions;
};

// The menu bar and the toolbar of `window` from the table; the recent files and Undo and Redo
// are handed to the commands that keep them up to date.
MainMenus buildMainMenus(QMainWindow& window, const MenuCommands& commands);

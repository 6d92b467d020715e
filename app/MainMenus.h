#pragma once

#include <QKeySequence>
#include <QString>
#include <QStyle>
#include <functional>
#include <vector>

class MainWindow;
class QAction;
class QMenu;

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
        WindowList, // Cascade, Tile, Arrange and the open windows, made when the menu opens
    };
    QString menu; // "&File"
    Kind kind = Command;
    QString text = {};
    std::vector<QKeySequence> keys = {};
    std::function<void(MainWindow&)> run = {};
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
    QMenu* recent = nullptr;
    QAction* undo = nullptr;
    QAction* redo = nullptr;
    std::vector<QAction*> rowActions;
};

// The menu bar and the toolbar of `frame` from the table.
MainMenus buildMainMenus(MainWindow& frame);

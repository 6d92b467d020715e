#pragma once

#include "CommandRegistry.h"

#include <QMainWindow>

class AppConfig;
class FormFrame;
class ChannelTableView;
class HelpWindow;
class FormWindows;
class QAction;
class QDockWidget;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QTreeWidget;
class QTreeWidgetItem;
class ReportCommands;
class TransferCommands;

// The main window: menus, toolbar, status bar, the "Tree Bar" with the navigation tree, and one
// child window per form. It owns no radio data; it decides when the forms load from and store
// into the image, and it runs the file, radio, port and help commands.
class MainWindow : public QMainWindow, public CommandHost {
    Q_OBJECT
public:
    MainWindow(Document& document, AppConfig& config, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Opens the form's window, or activates it when it exists. Null for a form not built yet.
    QMdiSubWindow* openForm(const QString& name);
    QMdiSubWindow* formWindow(const QString& name) const;
    QMdiArea* mdiArea() const { return mdi_; }
    QTreeWidget* tree() const { return tree_; }
    QAction* action(const QString& text) const;
    QMenu* editMenu() const { return editMenu_; }
    QMenu* windowMenu() const { return windowMenu_; }

    // What the commands ask of the main window.
    Document& document() override { return document_; }
    QWidget* dialogParent() override { return this; }
    void storeAllForms() override;
    void reloadForm(const QString& text) override;
    void reloadAllForms() override;
    void runCommand(const CommandEntry& command);

    // The file and radio commands; the *Path variants skip the file dialogs.
    void newData();
    void openData();
    bool openPath(const QString& path);
    bool save();
    bool saveAs();
    bool saveToPath(const QString& path);
    // Undo and Redo of the document's history; every open form reloads after either.
    void undo();
    void redo();
    QAction* undoAction() const { return undoAction_; }
    QAction* redoAction() const { return redoAction_; }

    bool readRadio();
    bool writeRadio();
    // Asks before unsaved changes are lost: true to go on (saved, or discarded on purpose).
    bool maybeSave();
    // Whether to go on with data that does not look like this radio's (`doubt` says why).
    bool goOnDespite(const QString& doubt, const QString& question);
    void choosePort();
    void frequencyRange();
    // The channel table's CSV commands, its window opened first.
    void importChannels();
    void exportChannels();
    void about();
    // The help window at the topic of `context` (0: the contents).
    void help(int context);
    HelpWindow* helpWindow() const { return helpWindow_; }

    // Print, preview, PDF and differences; Read and Write.
    ReportCommands* reports() const { return reports_; }
    TransferCommands* transfers() const { return transfers_; }
    // The channel table is the active form: it prints the channel list.
    bool channelTableIsActive() const;
    ChannelTableView* activeChannelTable() const;
    QDockWidget* treeBar() const { return treeBar_; }
    // The open windows as items of `menu` ("&1 Channel setting", ...).
    void listWindowsIn(QMenu* menu);
    void showStatus(const QString& text);

    // The data differs from what was last opened, saved or made new, or came from the radio and
    // was not saved, or a form holds an edit not yet stored.
    bool isModified();
    // The window's own title (the platform may add the caption of a maximized form).
    const QString& documentTitle() const { return documentTitle_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildStatusBar();
    void buildTreeBar();
    void treeClicked(QTreeWidgetItem* item);
    // New, Open and start-up: the forms store, then the history starts afresh on the data.
    void startFresh();
    void travel(bool forwards);
    void updateUndoActions();
    void updateTitle();
    void updateRecentMenu();
    void rememberFile(const QString& path);
    void showFileError(const QString& message);

    Document& document_;
    AppConfig& config_;
    QMdiArea* mdi_;
    FormWindows* windows_;
    ReportCommands* reports_;
    TransferCommands* transfers_;
    QMenu* editMenu_ = nullptr;
    QMenu* windowMenu_ = nullptr;
    QDockWidget* treeBar_ = nullptr;
    QTreeWidget* tree_ = nullptr;
    QLabel* comPane_ = nullptr;
    QLabel* freqPane_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    QString documentTitle_;
    void updateRowActions();

    std::vector<QAction*> rowActions_; // the channel table's row commands in the Edit menu
    HelpWindow* helpWindow_ = nullptr;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
};

#pragma once

#include "Workspace.h"

#include <QMainWindow>

class AppConfig;
class FileCommands;
class FormWindows;
class HelpWindow;
class HistoryCommands;
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
struct CommandEntry;

// The main window: menus, toolbar, status bar, the "Tree Bar" with the navigation tree, and one
// child window per form. It owns no radio data and no command: it assembles the file, history,
// transfer and report commands on itself as their workspace, decides when the forms load from
// and store into the image, and keeps the title, the port pane and the help window.
class MainWindow : public QMainWindow, public Workspace {
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
    QAction* undoAction() const;
    QAction* redoAction() const;
    QDockWidget* treeBar() const { return treeBar_; }
    HelpWindow* helpWindow() const { return helpWindow_; }
    // A form window, dialog or command of the registry, as the tree and the Edit menu run it.
    void runCommand(const CommandEntry& command);

    // The commands the window assembles.
    FileCommands* files() const { return files_; }
    HistoryCommands* history() const { return history_; }
    TransferCommands* transfers() const { return transfers_; }
    ReportCommands* reports() const { return reports_; }

    // The workspace the commands work on.
    Document& document() override { return document_; }
    QWidget* dialogParent() override { return this; }
    void storeAllForms() override;
    void storeFormEdits() override;
    void reloadForm(const QString& text) override;
    void reloadAllForms() override;
    bool showForm(const QString& text) override;
    bool hasOpenForms() const override;
    ChannelTableView* activeChannelTable() const override;
    QString pendingForm() const override;
    bool isModified() override;
    void showStatus(const QString& text) override;
    bool maybeSave() override;
    bool goOnDespite(const QString& doubt, const QString& question) override;

    void choosePort();
    void chooseLanguage(const QString& code);
    void about();
    // The help window at the topic of `context` (0: the contents).
    void help(int context);
    // The window's own title (the platform may add the caption of a maximized form).
    const QString& documentTitle() const { return documentTitle_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildStatusBar();
    void buildTreeBar();
    void treeClicked(QTreeWidgetItem* item);
    void updateTitle();
    void updateRowActions();

    Document& document_;
    AppConfig& config_;
    QMdiArea* mdi_;
    FormWindows* windows_;
    FileCommands* files_;
    HistoryCommands* history_;
    TransferCommands* transfers_;
    ReportCommands* reports_;
    QMenu* editMenu_ = nullptr;
    QMenu* windowMenu_ = nullptr;
    QDockWidget* treeBar_ = nullptr;
    QTreeWidget* tree_ = nullptr;
    QLabel* comPane_ = nullptr;
    QLabel* freqPane_ = nullptr;
    QString documentTitle_;
    std::vector<QAction*> rowActions_; // the channel table's row commands in the Edit menu
    HelpWindow* helpWindow_ = nullptr;
};

#include "MainMenus.h"

#include "ChannelTableView.h"
#include "CommandRegistry.h"
#include "MainWindow.h"
#include "ReportCommands.h"

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QMdiArea>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStatusBar>
#include <QToolBar>
#include <map>

// A library's resources are registered by hand, outside any namespace.
static bool registerToolbarIcons() {
    Q_INIT_RESOURCE(toolbar);
    return true;
}

namespace {

using K = MenuItem;
using Keys = std::vector<QKeySequence>;

template <typename Member> std::function<void(MainWindow&)> call(Member member) {
    return [member](MainWindow& frame) { (frame.*member)(); };
}

template <typename Member> std::function<void(MainWindow&)> report(Member member) {
    return [member](MainWindow& frame) { (frame.reports()->*member)(); };
}

// A menu text as a tooltip: "&New(&N)" is "New", "&Open(&O)..." is "Open".
QString plainText(QString text) {
    text.remove(QRegularExpression(QStringLiteral("\\(&.\\)")));
    text.remove(u'&');
    if (text.endsWith(QLatin1String("...")))
        text.chop(3);
    return text;
}

// The program's own drawing of a toolbar button in every size it comes in: never looked up in
// the desktop's icon theme, whose lookups cost thousands of file checks when its cache is stale.
QIcon toolbarIcon(const char* name) {
    static const bool loaded = registerToolbarIcons();
    Q_UNUSED(loaded);
    QIcon icon;
    for (int size : {16, 24, 32, 48})
        icon.addFile(QStringLiteral(":/toolbar/%1-%2.png").arg(QLatin1String(name)).arg(size),
                     QSize(size, size));
    return icon;
}

} // namespace

const std::vector<MenuItem>& mainMenuItems() {
    const QString file = QStringLiteral("&File");
    const QString edit = QStringLiteral("&Edit");
    const QString program = QStringLiteral("&Program");
    const QString view = QStringLiteral("&View");
    const QString setting = QStringLiteral("&Setting");
    const QString window = QStringLiteral("&Window");
    const QString help = QStringLiteral("&Help");
    // clang-format off
    static const std::vector<MenuItem> items = {
        {file, K::Command, "&New(&N)", {QKeySequence::New}, call(&MainWindow::newData),
         10, "new"},
        {file, K::Command, "&Open(&O)...", {QKeySequence::Open}, call(&MainWindow::openData),
         11, "open"},
        {file, K::Command, "&Save(&S)", {QKeySequence::Save}, call(&MainWindow::save),
         12, "save"},
        {file, K::Command, "Save &As(&A)...", {}, call(&MainWindow::saveAs)},
        {file, K::Separator},
        {file, K::Command, "Import channels...", {}, call(&MainWindow::importChannels)},
        {file, K::Command, "Export channels...", {}, call(&MainWindow::exportChannels)},
        {file, K::Command, "Export report as PDF...", {}, report(&ReportCommands::exportPdf)},
        {file, K::Command, "Compare with...", {}, report(&ReportCommands::compareWith)},
        {file, K::Separator},
        {file, K::Command, "&Print...", {QKeySequence::Print}, report(&ReportCommands::print),
         40, "print"},
        {file, K::Command, "Print Pre&view", {}, report(&ReportCommands::preview)},
        {file, K::Command, "P&rint Setup...", {}, report(&ReportCommands::printSetup)},
        {file, K::Separator},
        {file, K::RecentFiles, "Recent Files"},
        {file, K::Separator},
        {file, K::Command, "E&xit(&X)", {}, call(&MainWindow::close)},

        // Ctrl+Y as well as the platform's Ctrl+Shift+Z.
        {edit, K::Command, "Undo", {QKeySequence::Undo}, call(&MainWindow::undo),
         20, "undo"},
        {edit, K::Command, "Redo",
         {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
         call(&MainWindow::redo), 21, "redo"},
        {edit, K::Separator},
        {edit, K::RowCommands},
        {edit, K::Separator},
        {edit, K::FormCommands},

        {program, K::Command, "Read", {}, call(&MainWindow::readRadio), 30, "read"},
        {program, K::Command, "Write", {}, call(&MainWindow::writeRadio), 31, "write"},

        {view, K::ToolbarToggle, "&Toolbar(&T)"},
        {view, K::StatusBarToggle, "&Status Bar(&S)"},
        {view, K::TreeBarToggle, "Tree View"},

        {setting, K::Command, "Port", {}, call(&MainWindow::choosePort), 41, "port"},

        {window, K::WindowList},

        {help, K::Command, "Help Topics", {}, [](MainWindow& frame) { frame.help(0); }},
        {help, K::Command, "About...", {}, call(&MainWindow::about), 42, "about"},
    };
    // clang-format on
    return items;
}

MainMenus buildMainMenus(MainWindow& frame) {
    MainMenus menus;
    QToolBar* toolbar = frame.addToolBar(QStringLiteral("Toolbar"));
    toolbar->setObjectName(QStringLiteral("Toolbar"));
    std::map<QString, QMenu*> byTitle;
    std::map<int, QAction*> buttons;
    auto menuOf = [&](const QString& title) {
        QMenu*& menu = byTitle[title];
        if (!menu)
            menu = frame.menuBar()->addMenu(title);
        return menu;
    };
    for (const MenuItem& item : mainMenuItems()) {
        QMenu* menu = menuOf(item.menu);
        QAction* action = nullptr;
        switch (item.kind) {
        case K::Command:
            action = menu->addAction(item.text, &frame, [&frame, run = item.run] { run(frame); });
            action->setShortcuts(QList<QKeySequence>(item.keys.begin(), item.keys.end()));
            break;
        case K::Separator:
            menu->addSeparator();
            break;
        case K::RecentFiles:
            menus.recent = menu->addMenu(item.text);
            break;
        case K::RowCommands:
            // Their keys belong to the table, so that they act only while it has the focus.
            for (const ChannelTableView::RowCommand& c : ChannelTableView::rowCommands())
                menus.rowActions.push_back(menu->addAction(
                    c.text + u'\t' + c.keys.value(0).toString(QKeySequence::NativeText), &frame,
                    [&frame, run = c.run] {
                        if (ChannelTableView* table = frame.activeChannelTable())
                            (table->*run)();
                    }));
            break;
        case K::FormCommands:
            for (const CommandEntry* c : editMenuCommands())
                menu->addAction(c->text, &frame, [&frame, c] { frame.runCommand(*c); })
                    ->setEnabled(c->built());
            break;
        case K::ToolbarToggle:
            action = toolbar->toggleViewAction();
            break;
        case K::StatusBarToggle:
            action = new QAction(&frame);
            action->setCheckable(true);
            action->setChecked(true);
            QObject::connect(action, &QAction::toggled, frame.statusBar(), &QWidget::setVisible);
            break;
        case K::TreeBarToggle:
            action = frame.treeBar()->toggleViewAction();
            break;
        case K::WindowList:
            menus.window = menu;
            QObject::connect(menu, &QMenu::aboutToShow, &frame, [&frame, menu] {
                menu->clear();
                QMdiArea* area = frame.mdiArea();
                menu->addAction(QStringLiteral("Cascade"), area, &QMdiArea::cascadeSubWindows);
                menu->addAction(QStringLiteral("Tile"), area, &QMdiArea::tileSubWindows);
                menu->addAction(QStringLiteral("Arrange"), area, &QMdiArea::tileSubWindows);
                menu->addSeparator();
                frame.listWindowsIn(menu);
            });
            break;
        }
        if (!action)
            continue;
        if (item.kind != K::Command) {
            action->setText(item.text);
            menu->addAction(action);
        }
        if (item.text == QLatin1String("Undo"))
            menus.undo = action;
        else if (item.text == QLatin1String("Redo"))
            menus.redo = action;
        if (item.button > 0) {
            action->setIcon(toolbarIcon(item.icon));
            action->setToolTip(plainText(action->text()));
            buttons[item.button] = action;
        }
    }
    int group = 0;
    for (const auto& [place, action] : buttons) {
        if (group != 0 && place / 10 != group)
            toolbar->addSeparator();
        group = place / 10;
        toolbar->addAction(action);
    }
    menus.edit = byTitle[QStringLiteral("&Edit")];
    return menus;
}

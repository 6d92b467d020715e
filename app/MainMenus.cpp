// The main window's menus and toolbar, built from one table.
#include "MainMenus.h"
#include "Language.h"
#include "Texts.h"
#include <QActionGroup>

#include "ChannelTableView.h"
#include "CommandRegistry.h"
#include "FileCommands.h"
#include "HistoryCommands.h"
#include "ReportCommands.h"
#include "TransferCommands.h"

#include <QAction>
#include <QDockWidget>
#include <QMainWindow>
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

// A command of one of the command objects, as a menu runs it.
template <typename Commands, typename Result>
std::function<void(const MenuCommands&)> run(Commands* MenuCommands::*object,
                                             Result (Commands::*member)()) {
    return [object, member](const MenuCommands& c) { ((c.*object)->*member)(); };
}
// One of the window's own commands.
std::function<void(const MenuCommands&)> own(std::function<void()> MenuCommands::*command) {
    return [command](const MenuCommands& c) { (c.*command)(); };
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
    const QString file = QStringLiteral(QT_TRANSLATE_NOOP("Radio", "&File"));
    const QString edit = QStringLiteral(QT_TRANSLATE_NOOP("Radio", "&Edit"));
    const QString program = QStringLiteral(QT_TRANSLATE_NOOP("Radio", "&Program"));
    const QString view = QStringLiteral(QT_TRANSLATE_NOOP("Radio", "&View"));
    const QString setting = QStringLiteral(QT_TRANSLATE_NOOP("Radio", "&Setting"));
    const QString window = QStringLiteral(QT_TRANSLATE_NOOP("Radio", "&Window"));
    const QString help = QStringLiteral(QT_TRANSLATE_NOOP("Radio", "&Help"));
    // clang-format off
    static const std::vector<MenuItem> items = {
        {file, K::Command, QT_TRANSLATE_NOOP("Radio", "&New(&N)"), {QKeySequence::New}, run(&MenuCommands::files, &FileCommands::newData),
         10, "new"},
        {file, K::Command, QT_TRANSLATE_NOOP("Radio", "&Open(&O)..."), {QKeySequence::Open}, run(&MenuCommands::files, &FileCommands::openData),
         11, "open"},
        {file, K::Command, QT_TRANSLATE_NOOP("Radio", "&Save(&S)"), {QKeySequence::Save}, run(&MenuCommands::files, &FileCommands::save),
         12, "save"},
        {file, K::Command, QT_TRANSLATE_NOOP("Radio", "Save &As(&A)..."), {}, run(&MenuCommands::files, &FileCommands::saveAs)},
        {file, K::Separator},
        {file, K::Command, QT_TRANSLATE_NOOP("Radio", "Import channels..."), {}, run(&MenuCommands::files, &FileCommands::importChannels)},
        {file, K::Command, QT_TRANSLATE_NOOP("Radio", "Export channels..."), {}, run(&MenuCommands::files, &FileCommands::exportChannels)},
        {file, K::Command, QT_TRANSLATE_NOOP("Radio", "Export report as PDF..."), {}, run(&MenuCommands::reports, &ReportCommands::exportPdf)},
        {file, K::Command, QT_TRANSLATE_NOOP("Radio", "Compare with..."), {}, run(&MenuCommands::reports, &ReportCommands::compareWith)},
        {file, K::Command, QT_TRANSLATE_NOOP("Radio", "Backups..."), {}, run(&MenuCommands::files, &FileCommands::backups)},
        {file, K::Separator},
        {file, K::Command, QT_TRANSLATE_NOOP("Radio", "&Print..."), {QKeySequence::Print}, run(&MenuCommands::reports, &ReportCommands::print),
         40, "print"},
        {file, K::Command, QT_TRANSLATE_NOOP("Radio", "Print Pre&view"), {}, run(&MenuCommands::reports, &ReportCommands::preview)},
        {file, K::Command, QT_TRANSLATE_NOOP("Radio", "P&rint Setup..."), {}, run(&MenuCommands::reports, &ReportCommands::printSetup)},
        {file, K::Separator},
        {file, K::RecentFiles, QT_TRANSLATE_NOOP("Radio", "Recent Files")},
        {file, K::Separator},
        {file, K::Command, QT_TRANSLATE_NOOP("Radio", "E&xit(&X)"), {}, own(&MenuCommands::exit)},

        // Ctrl+Y as well as the platform's Ctrl+Shift+Z.
        {edit, K::Command, QT_TRANSLATE_NOOP("Radio", "Undo"), {QKeySequence::Undo}, run(&MenuCommands::history, &HistoryCommands::undo),
         20, "undo"},
        {edit, K::Command, QT_TRANSLATE_NOOP("Radio", "Redo"),
         {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
         run(&MenuCommands::history, &HistoryCommands::redo), 21, "redo"},
        {edit, K::Separator},
        {edit, K::RowCommands},
        {edit, K::Separator},
        {edit, K::FormCommands},

        {program, K::Command, QT_TRANSLATE_NOOP("Radio", "Read"), {}, run(&MenuCommands::transfers, &TransferCommands::read), 30, "read"},
        {program, K::Command, QT_TRANSLATE_NOOP("Radio", "Write"), {}, run(&MenuCommands::transfers, &TransferCommands::write), 31, "write"},

        {view, K::ToolbarToggle, QT_TRANSLATE_NOOP("Radio", "&Toolbar(&T)")},
        {view, K::StatusBarToggle, QT_TRANSLATE_NOOP("Radio", "&Status Bar(&S)")},
        {view, K::TreeBarToggle, QT_TRANSLATE_NOOP("Radio", "Tree View")},

        {setting, K::Command, QT_TRANSLATE_NOOP("Radio", "Port"), {}, own(&MenuCommands::choosePort), 41, "port"},
        {setting, K::LanguageList, QT_TRANSLATE_NOOP("Radio", "Language")},

        {window, K::WindowList},

        {help, K::Command, QT_TRANSLATE_NOOP("Radio", "Help Topics"), {}, [](const MenuCommands& c) { c.help(0); }},
        {help, K::Command, QT_TRANSLATE_NOOP("Radio", "About..."), {}, own(&MenuCommands::about), 42, "about"},
    };
    // clang-format on
    return items;
}

MainMenus buildMainMenus(QMainWindow& window, const MenuCommands& commands) {
    MainMenus menus;
    QToolBar* toolbar = window.addToolBar(Texts::tr("Toolbar"));
    toolbar->setObjectName(QStringLiteral("Toolbar"));
    std::map<QString, QMenu*> byTitle;
    std::map<int, QAction*> buttons;
    QAction* undo = nullptr;
    QAction* redo = nullptr;
    auto menuOf = [&](const QString& title) {
        QMenu*& menu = byTitle[title];
        if (!menu)
            menu = window.menuBar()->addMenu(Language::shown(title));
        return menu;
    };
    for (const MenuItem& item : mainMenuItems()) {
        QMenu* menu = menuOf(item.menu);
        QAction* action = nullptr;
        switch (item.kind) {
        case K::Command:
            action = menu->addAction(Language::shown(item.text), &window,
                                     [commands, run = item.run] { run(commands); });
            action->setShortcuts(QList<QKeySequence>(item.keys.begin(), item.keys.end()));
            break;
        case K::Separator:
            menu->addSeparator();
            break;
        case K::RecentFiles:
            commands.files->listRecentIn(menu->addMenu(Language::shown(item.text)));
            break;
        case K::RowCommands:
            // Their keys belong to the table, so that they act only while it has the focus.
            for (const ChannelTableView::RowCommand& c : ChannelTableView::rowCommands())
                menus.rowActions.push_back(menu->addAction(
                    c.text + u'\t' + c.keys.value(0).toString(QKeySequence::NativeText), &window,
                    [commands, run = c.run] {
                        if (ChannelTableView* table = commands.activeChannelTable())
                            (table->*run)();
                    }));
            break;
        case K::FormCommands:
            for (const CommandEntry* c : editMenuCommands())
                menu->addAction(Language::shown(c->text), &window,
                                [commands, c] { commands.runCommand(*c); })
                    ->setEnabled(c->built());
            break;
        case K::ToolbarToggle:
            action = toolbar->toggleViewAction();
            break;
        case K::StatusBarToggle:
            action = new QAction(&window);
            action->setCheckable(true);
            action->setChecked(true);
            QObject::connect(action, &QAction::toggled, window.statusBar(), &QWidget::setVisible);
            break;
        case K::TreeBarToggle:
            action = commands.treeBar->toggleViewAction();
            break;
        case K::LanguageList: {
            QMenu* languages = menu->addMenu(Language::shown(item.text));
            auto* group = new QActionGroup(languages);
            const QString current = commands.language();
            for (const Language::Choice& choice : Language::choices()) {
                const QString code = QString::fromLatin1(choice.code);
                QAction* entry = languages->addAction(
                    code.isEmpty() ? QCoreApplication::translate("Language", choice.name)
                                   : QString::fromUtf8(choice.name));
                entry->setCheckable(true);
                entry->setChecked(code == current);
                group->addAction(entry);
                QObject::connect(entry, &QAction::triggered, &window,
                                 [commands, code] { commands.chooseLanguage(code); });
            }
            break;
        }
        case K::WindowList:
            menus.window = menu;
            QObject::connect(menu, &QMenu::aboutToShow, &window, [commands, menu] {
                menu->clear();
                commands.listWindows(menu);
            });
            break;
        }
        if (!action)
            continue;
        if (item.kind != K::Command) {
            action->setText(Language::shown(item.text));
            menu->addAction(action);
        }
        if (item.text == QLatin1String("Undo"))
            undo = action;
        else if (item.text == QLatin1String("Redo"))
            redo = action;
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
    commands.history->setActions(undo, redo);
    menus.edit = byTitle[QStringLiteral("&Edit")];
    return menus;
}

// The main window: assembles the commands, the tree, the menus and the status bar around the
// form windows, and keeps the title.
#include "MainWindow.h"
#include "Language.h"
#include "Texts.h"

#include "ActivationKeys.h"
#include "AppConfig.h"
#include "ChannelTableView.h"
#include "CloneEngine.h"
#include "CommandRegistry.h"
#include "Document.h"
#include "FileCommands.h"
#include "FormWindows.h"
#include "HelpCatalog.h"
#include "HelpWindow.h"
#include "HistoryCommands.h"
#include "ImageMap.h"
#include "MainMenus.h"
#include "PortDialog.h"
#include "ProblemBox.h"
#include "ReportCommands.h"
#include "ShownPath.h"
#include "TransferCommands.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTreeWidget>

namespace {
constexpr int kStatusMs = 8000;
} // namespace

MainWindow::MainWindow(Document& document, AppConfig& config, QWidget* parent)
    : QMainWindow(parent), document_(document), config_(config), mdi_(new QMdiArea),
      windows_(new FormWindows(mdi_, document, this)),
      files_(new FileCommands(*this, config, this)), history_(new HistoryCommands(*this, this)),
      transfers_(new TransferCommands(*this, config, this)),
      reports_(new ReportCommands(*this, config, this)) {
    setObjectName(QStringLiteral("MainWindow"));
    // The program's messages are captioned with the model it programs.
    setMessageCaption(config_.modelName);
    transfers_->setWriteQuestion([this](const TransferCommands::WriteQuestion& question) {
        return reports_->confirmWrite(question);
    });
    reports_->setRadioRead([this] { return transfers_->readCopy(); });
    // Each form opens at its own size, even over the maximized channel window.
    mdi_->setOption(QMdiArea::DontMaximizeSubWindowOnActivation);
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdi_);
    connect(windows_, &FormWindows::helpRequested, this, &MainWindow::help);
    connect(windows_, &FormWindows::statusMessage, this, &MainWindow::showStatus);
    connect(windows_, &FormWindows::edited, this, [this] {
        updateTitle();
        history_->updateActions();
    });
    connect(history_, &HistoryCommands::nothingChanged, this, &MainWindow::updateTitle);
    buildTreeBar();
    buildMenus();
    buildStatusBar();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());

    document_.setSuggestedName(config_.suggestedFileName());
    document_.loadDefault(config_.paths.defaultDataFile);
    // The title and Undo / Redo follow every step, undo, redo and save.
    document_.setHistoryListener([this] {
        updateTitle();
        history_->updateActions();
    });
    openForm(channelTableForm());
    files_->startFresh();
}

MainWindow::~MainWindow() {
    document_.setHistoryListener({});
}

// --- Building -------------------------------------------------------------------------------

void MainWindow::buildMenus() {
    MenuCommands commands{files_,
                          history_,
                          transfers_,
                          reports_,
                          [this] { choosePort(); },
                          [this] { return config_.language; },
                          [this](const QString& code) { chooseLanguage(code); },
                          [this](int context) { help(context); },
                          [this] { about(); },
                          [this] { close(); },
                          [this] { return activeChannelTable(); },
                          [this](const CommandEntry& c) { runCommand(c); },
                          [this](QMenu* menu) { windows_->listIn(menu); },
                          treeBar_};
    MainMenus menus = buildMainMenus(*this, commands);
    editMenu_ = menus.edit;
    windowMenu_ = menus.window;
    rowActions_ = std::move(menus.rowActions);
    connect(mdi_, &QMdiArea::subWindowActivated, this, &MainWindow::updateRowActions);
    connect(mdi_, &QMdiArea::subWindowActivated, this, &MainWindow::updateTitle);
}

void MainWindow::buildStatusBar() {
    comPane_ = new QLabel(config_.portName);
    comPane_->setAccessibleName(QStringLiteral("COM"));
    comPane_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("/dev/ttyUSB0")) + 8);
    freqPane_ = new QLabel;
    freqPane_->setAccessibleName(Texts::tr("Freq"));
    freqPane_->setMinimumWidth(100);
    statusBar()->addPermanentWidget(comPane_);
    statusBar()->addPermanentWidget(freqPane_);
    // Qt cannot tell the state of the lock keys on every platform, so there are no panes for
    // them.
}

void MainWindow::buildTreeBar() {
    tree_ = new QTreeWidget;
    tree_->setAccessibleName(Texts::tr("Tree Bar"));
    tree_->setHeaderHidden(true);
    auto* root = new QTreeWidgetItem(tree_, {config_.modelName});
    for (const CommandEntry* command : treeCommands())
        // Shown translated; the registry's own text finds the command again.
        (new QTreeWidgetItem(root, {Language::shown(command->text)}))
            ->setData(0, Qt::UserRole, command->text);
    root->setExpanded(true);
    connect(tree_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { treeClicked(item); });
    activateOnKeys(tree_, [this](const QModelIndex&) { treeClicked(tree_->currentItem()); });
    treeBar_ = new QDockWidget(Texts::tr("Tree Bar"), this);
    treeBar_->setObjectName(QStringLiteral("Tree Bar"));
    treeBar_->setWidget(tree_);
    treeBar_->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    addDockWidget(Qt::LeftDockWidgetArea, treeBar_);
    // Wide enough for the longest name in this language (German and Spanish
    // names run longer than English), never narrower than it always was.
    int widest = 0;
    for (int i = 0; i < root->childCount(); ++i)
        widest = std::max(widest, tree_->fontMetrics().horizontalAdvance(root->child(i)->text(0)));
    const int fitting = widest + 2 * tree_->indentation() + 2 * tree_->frameWidth() +
                        tree_->verticalScrollBar()->sizeHint().width();
    resizeDocks({treeBar_}, {std::clamp(fitting, 170, 320)}, Qt::Horizontal);
}

QAction* MainWindow::action(const QString& text) const {
    for (QAction* a : findChildren<QAction*>())
        if (a->text() == text)
            return a;
    return nullptr;
}

QAction* MainWindow::undoAction() const {
    return history_->undoAction();
}

QAction* MainWindow::redoAction() const {
    return history_->redoAction();
}

// --- Form windows ---------------------------------------------------------------------------

QMdiSubWindow* MainWindow::formWindow(const QString& name) const {
    return windows_->window(name);
}

QMdiSubWindow* MainWindow::openForm(const QString& name) {
    const CommandEntry* entry = findCommand(name);
    if (!entry || entry->kind != CommandKind::FormWindow)
        return nullptr;
    return windows_->open(*entry);
}

bool MainWindow::showForm(const QString& text) {
    return openForm(text) != nullptr;
}

bool MainWindow::hasOpenForms() const {
    return !mdi_->subWindowList().isEmpty();
}

void MainWindow::storeAllForms() {
    windows_->storeAll();
    document_.image().setBits(ImageMap::kStorageFlags, 0, 2, 0);
    // What a save or write sends out matches the tones and channels it holds.
    document_.refreshDerivedRegions();
    document_.record(Texts::tr("Store all"));
}

void MainWindow::storeFormEdits() {
    windows_->storeAll();
}

void MainWindow::reloadForm(const QString& text) {
    windows_->reload(text);
}

void MainWindow::reloadAllForms() {
    windows_->reloadAll();
}

ChannelTableView* MainWindow::activeChannelTable() const {
    return qobject_cast<ChannelTableView*>(windows_->activeView());
}

QString MainWindow::pendingForm() const {
    return windows_->pendingForm();
}

void MainWindow::runCommand(const CommandEntry& command) {
    if (command.kind == CommandKind::FormWindow) {
        openForm(command.text);
    } else if (command.run) {
        storeAllForms(); // edits made before it are steps of their own
        document_.beginStep(Language::shown(command.text));
        command.run(*this);
        document_.endStep();
    }
}

void MainWindow::treeClicked(QTreeWidgetItem* item) {
    if (!item || !item->parent())
        return; // the root does nothing
    if (const CommandEntry* command = findCommand(item->data(0, Qt::UserRole).toString()))
        runCommand(*command);
}

void MainWindow::updateRowActions() {
    const bool table = activeChannelTable() != nullptr;
    for (QAction* a : rowActions_)
        a->setEnabled(table);
}

// --- Title and status -----------------------------------------------------------------------

bool MainWindow::isModified() {
    return !windows_->pendingForm().isEmpty() || document_.isModified();
}

void MainWindow::updateTitle() {
    // While a transfer runs its worker owns the image; the title waits until it is done.
    if (theCloneFlags().busy)
        return;
    QString title = config_.modelForTitle();
    if (!document_.path().isEmpty())
        title += QStringLiteral(" [ ") + shownPath(document_.path()) + QStringLiteral(" ]");
    else if (!document_.origin().isEmpty())
        title += QStringLiteral(" [ ") + document_.origin() + QStringLiteral(" ]");
    if (isModified())
        title += QStringLiteral(" *");
    documentTitle_ = title;
    // The form being worked on, as the window list shows it.
    if (const QString form = windows_->activeCaption(); !form.isEmpty())
        title += QStringLiteral(" - [%1]").arg(form);
    if (windowTitle() != title)
        setWindowTitle(title);
}

void MainWindow::showStatus(const QString& text) {
    if (!text.isEmpty())
        statusBar()->showMessage(text, kStatusMs);
}

bool MainWindow::maybeSave() {
    return files_->maybeSave();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!maybeSave()) {
        event->ignore();
        return;
    }
    event->accept();
}

bool MainWindow::goOnDespite(const QString& doubt, const QString& question) {
    return QMessageBox::question(
               this, messageCaption(),
               Texts::tr("This file does not look like data for this radio (%1). %2")
                   .arg(doubt, question),
               QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

// --- The window's own commands --------------------------------------------------------------

void MainWindow::choosePort() {
    PortDialog dialog(scanPorts(), config_.portName, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    config_.portName = dialog.chosenPort();
    // Shown whichever window asked, so that the pane never names an old port.
    comPane_->setText(config_.portName);
}

void MainWindow::chooseLanguage(const QString& code) {
    if (code == config_.language)
        return;
    if (!config_.saveLanguage(code)) {
        QMessageBox::warning(this, config_.modelName,
                             Texts::tr("The language could not be kept in %1.")
                                 .arg(shownPath(config_.paths.configFile)));
        return;
    }
    config_.language = code;
    QMessageBox::information(this, config_.modelName,
                             Texts::tr("The new language is used from the next start of the "
                                       "program."));
}

void MainWindow::about() {
    QMessageBox box(this);
    box.setWindowTitle(Texts::tr("About"));
    const QIcon icon = QApplication::windowIcon().isNull()
                           ? style()->standardIcon(QStyle::SP_DriveNetIcon)
                           : QApplication::windowIcon();
    box.setIconPixmap(icon.pixmap(48, 48));
    box.setText(config_.companyText + u'\n' + aboutLine(config_.companyText, config_.modelName) +
                Texts::tr("\nVersion %1").arg(QStringLiteral(DUOBAND_VERSION)));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

// The program's own help window, opened at the topic of the help context (the contents for 0).
void MainWindow::help(int context) {
    if (!helpWindow_)
        helpWindow_ = new HelpWindow(HelpCatalog::builtIn(Language::current()), this);
    helpWindow_->showTopic(context);
    helpWindow_->show();
    helpWindow_->raise();
    helpWindow_->activateWindow();
}

#include "moc_MainWindow.cpp"

#include "MainWindow.h"

#include "ActivationKeys.h"
#include "AppConfig.h"
#include "ChannelTableView.h"
#include "Document.h"
#include "FormFrame.h"
#include "FormView.h"
#include "FormWindows.h"
#include "HelpCatalog.h"
#include "HelpWindow.h"
#include "ImageMap.h"
#include "MainMenus.h"
#include "Plausibility.h"
#include "PortDialog.h"
#include "ProblemBox.h"
#include "ReportCommands.h"
#include "ShownPath.h"
#include "TransferCommands.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTreeWidget>

namespace {

const QString kFileFilter = QStringLiteral("Param Files (*.dat)");
const QString kChannelSetting = QStringLiteral("Channel setting");

constexpr int kStatusMs = 8000;

} // namespace

MainWindow::MainWindow(Document& document, AppConfig& config, QWidget* parent)
    : QMainWindow(parent), document_(document), config_(config), mdi_(new QMdiArea),
      windows_(new FormWindows(mdi_, document, this)), reports_(new ReportCommands(*this, config)),
      transfers_(new TransferCommands(*this, config)) {
    setObjectName(QStringLiteral("MainWindow"));
    // The program's messages are captioned with the model it programs.
    setMessageCaption(config_.modelName);
    // Each form opens at its own size, even over the maximized channel window.
    mdi_->setOption(QMdiArea::DontMaximizeSubWindowOnActivation);
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdi_);
    connect(windows_, &FormWindows::helpRequested, this, &MainWindow::help);
    connect(windows_, &FormWindows::statusMessage, this, &MainWindow::showStatus);
    connect(windows_, &FormWindows::edited, this, [this] {
        updateTitle();
        updateUndoActions();
    });
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
        updateUndoActions();
    });
    openForm(kChannelSetting);
    startFresh();
}

MainWindow::~MainWindow() {
    document_.setHistoryListener({});
}

// --- Building -------------------------------------------------------------------------------

void MainWindow::buildMenus() {
    MainMenus menus = buildMainMenus(*this);
    editMenu_ = menus.edit;
    windowMenu_ = menus.window;
    recentMenu_ = menus.recent;
    undoAction_ = menus.undo;
    redoAction_ = menus.redo;
    rowActions_ = std::move(menus.rowActions);
    connect(mdi_, &QMdiArea::subWindowActivated, this, &MainWindow::updateRowActions);
    connect(mdi_, &QMdiArea::subWindowActivated, this, &MainWindow::updateTitle);
    updateRecentMenu();
    updateUndoActions();
}

void MainWindow::importChannels() {
    if (openForm(kChannelSetting))
        activeChannelTable()->importChannelsCommand();
}

void MainWindow::exportChannels() {
    if (openForm(kChannelSetting))
        activeChannelTable()->exportChannelsCommand();
}

void MainWindow::listWindowsIn(QMenu* menu) {
    windows_->listIn(menu);
}

void MainWindow::buildStatusBar() {
    comPane_ = new QLabel(config_.portName);
    comPane_->setAccessibleName(QStringLiteral("COM"));
    comPane_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("/dev/ttyUSB0")) + 8);
    freqPane_ = new QLabel;
    freqPane_->setAccessibleName(QStringLiteral("Freq"));
    freqPane_->setMinimumWidth(100);
    statusBar()->addPermanentWidget(comPane_);
    statusBar()->addPermanentWidget(freqPane_);
    // Qt cannot tell the state of the lock keys on every platform, so there are no panes for
    // them.
}

void MainWindow::buildTreeBar() {
    tree_ = new QTreeWidget;
    tree_->setAccessibleName(QStringLiteral("Tree Bar"));
    tree_->setHeaderHidden(true);
    auto* root = new QTreeWidgetItem(tree_, {config_.modelName});
    for (const CommandEntry* command : treeCommands())
        new QTreeWidgetItem(root, {command->text});
    root->setExpanded(true);
    connect(tree_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { treeClicked(item); });
    activateOnKeys(tree_, [this](const QModelIndex&) { treeClicked(tree_->currentItem()); });
    treeBar_ = new QDockWidget(QStringLiteral("Tree Bar"), this);
    treeBar_->setObjectName(QStringLiteral("Tree Bar"));
    treeBar_->setWidget(tree_);
    treeBar_->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    addDockWidget(Qt::LeftDockWidgetArea, treeBar_);
    resizeDocks({treeBar_}, {170}, Qt::Horizontal);
}

QAction* MainWindow::action(const QString& text) const {
    for (QAction* a : findChildren<QAction*>())
        if (a->text() == text)
            return a;
    return nullptr;
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

void MainWindow::storeAllForms() {
    windows_->storeAll();
    document_.image().setBits(ImageMap::kStorageFlags, 0, 2, 0);
    // What a save or write sends out matches the tones and channels it holds.
    document_.refreshDerivedRegions();
    document_.record(QStringLiteral("Store all"));
}

void MainWindow::reloadForm(const QString& text) {
    windows_->reload(text);
}

void MainWindow::reloadAllForms() {
    windows_->reloadAll();
}

bool MainWindow::channelTableIsActive() const {
    return activeChannelTable() != nullptr;
}

ChannelTableView* MainWindow::activeChannelTable() const {
    return qobject_cast<ChannelTableView*>(windows_->activeView());
}

void MainWindow::runCommand(const CommandEntry& command) {
    if (command.kind == CommandKind::FormWindow) {
        openForm(command.text);
    } else if (command.run) {
        storeAllForms(); // edits made before it are steps of their own
        document_.beginStep(command.text);
        command.run(*this);
        document_.endStep();
    }
}

void MainWindow::treeClicked(QTreeWidgetItem* item) {
    if (!item || !item->parent())
        return; // the root does nothing
    if (const CommandEntry* command = findCommand(item->text(0)))
        runCommand(*command);
}

// --- Modified state -------------------------------------------------------------------------

void MainWindow::startFresh() {
    storeAllForms();
    document_.startHistory();
}

bool MainWindow::isModified() {
    return !windows_->pendingForm().isEmpty() || document_.isModified();
}

// --- Undo and redo --------------------------------------------------------------------------

void MainWindow::updateRowActions() {
    const bool table = channelTableIsActive();
    for (QAction* a : rowActions_)
        a->setEnabled(table);
}

void MainWindow::updateUndoActions() {
    if (!undoAction_)
        return;
    const EditHistory& history = document_.history();
    // An edit in a form not stored yet is the step Undo takes back first.
    const QString pending = windows_->pendingForm();
    const QString undoName = !pending.isEmpty() ? pending : history.undoName();
    undoAction_->setEnabled(!undoName.isEmpty());
    undoAction_->setText(undoName.isEmpty() ? QStringLiteral("Undo")
                                            : QStringLiteral("Undo %1").arg(undoName));
    const QString redoName = pending.isEmpty() ? history.redoName() : QString();
    redoAction_->setEnabled(!redoName.isEmpty());
    redoAction_->setText(redoName.isEmpty() ? QStringLiteral("Redo")
                                            : QStringLiteral("Redo %1").arg(redoName));
    for (QAction* a : {undoAction_, redoAction_})
        a->setToolTip(a->text());
}

void MainWindow::undo() {
    travel(false);
}

void MainWindow::redo() {
    travel(true);
}

// Undo and Redo record nothing of their own: an edit still in a form is stored first and
// becomes the step Undo takes back, when it changed anything.
void MainWindow::travel(bool forwards) {
    if (theCloneFlags().busy)
        return;
    if (const QString pending = windows_->pendingForm(); !pending.isEmpty()) {
        const quint64 steps = document_.stepsRecorded();
        windows_->storeAll();
        if (document_.stepsRecorded() == steps) {
            // The form's edit left the data as it was: it was all there was to take back.
            updateTitle();
            updateUndoActions();
            showStatus(QStringLiteral("Nothing changed in %1").arg(pending));
            return;
        }
    }
    const QString name = forwards ? document_.history().redoName() : document_.history().undoName();
    if (!(forwards ? document_.redo() : document_.undo()))
        return;
    reloadAllForms();
    showStatus(forwards ? QStringLiteral("Redone: %1").arg(name)
                        : QStringLiteral("Undone: %1").arg(name));
}

void MainWindow::updateTitle() {
    // While a transfer runs its worker owns the image; the title waits until it is done.
    if (theCloneFlags().busy)
        return;
    QString title = config_.modelForTitle();
    if (!document_.path().isEmpty())
        title += QStringLiteral(" [ ") + shownPath(document_.path()) + QStringLiteral(" ]");
    if (isModified())
        title += QStringLiteral(" *");
    documentTitle_ = title;
    // The form being worked on, as the window list shows it.
    if (const QString form = windows_->activeCaption(); !form.isEmpty())
        title += QStringLiteral(" - [%1]").arg(form);
    if (windowTitle() != title)
        setWindowTitle(title);
}

// Unsaved changes are never thrown away without asking.
bool MainWindow::maybeSave() {
    storeAllForms();
    if (!isModified())
        return true;
    const auto answer = QMessageBox::question(
        this, messageCaption(), QStringLiteral("Save changes to %1?").arg(document_.displayName()),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Cancel)
        return false;
    return answer == QMessageBox::Discard || save();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!maybeSave()) {
        event->ignore();
        return;
    }
    event->accept();
}

// --- File commands --------------------------------------------------------------------------

void MainWindow::showStatus(const QString& text) {
    if (!text.isEmpty())
        statusBar()->showMessage(text, kStatusMs);
}

bool MainWindow::goOnDespite(const QString& doubt, const QString& question) {
    return QMessageBox::question(this, messageCaption(),
                                 QStringLiteral("This file does not look like data for this radio "
                                                "(%1). %2")
                                     .arg(doubt, question),
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

void MainWindow::showFileError(const QString& message) {
    showProblem(this, message.isEmpty() ? QStringLiteral("Sorry, error not find.") : message);
}

void MainWindow::rememberFile(const QString& path) {
    QSettings settings;
    RecentFiles(settings).add(QFileInfo(path).absoluteFilePath());
    updateRecentMenu();
}

void MainWindow::updateRecentMenu() {
    recentMenu_->clear();
    QSettings settings;
    const QStringList files = RecentFiles(settings).list();
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        recentMenu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shownPath(path)), this,
                               [this, path] {
                                   if (maybeSave())
                                       openPath(path);
                               });
    }
    recentMenu_->setEnabled(!files.isEmpty());
}

void MainWindow::newData() {
    if (!maybeSave())
        return;
    if (QMessageBox::question(this, QStringLiteral("Warnning"),
                              QStringLiteral("Clear all data! \ncontinue?"),
                              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    document_.loadDefault(config_.paths.defaultDataFile);
    reloadAllForms();
    startFresh();
    showStatus(QStringLiteral("New data from the factory default"));
}

void MainWindow::openData() {
    if (!maybeSave())
        return;
    QFileDialog dialog(this, QStringLiteral("Open"), config_.paths.dataFolder, kFileFilter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("dat"));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        openPath(dialog.selectedFiles().first());
}

bool MainWindow::openPath(const QString& path) {
    const Result result = document_.open(path, [this](const QString& doubt) {
        return goOnDespite(doubt, QStringLiteral("Open anyway?"));
    });
    if (!result.ok) {
        if (!result.message.isEmpty()) // else the user chose not to open a doubtful file
            showFileError(result.message);
        return false;
    }
    reloadAllForms();
    if (mdi_->subWindowList().isEmpty())
        openForm(kChannelSetting);
    rememberFile(path);
    startFresh();
    showStatus(QStringLiteral("Opened %1").arg(shownPath(document_.path())));
    return true;
}

bool MainWindow::save() {
    if (document_.path().isEmpty())
        return saveAs();
    return saveToPath(document_.path());
}

bool MainWindow::saveAs() {
    storeAllForms();
    QFileDialog dialog(this, QStringLiteral("Save As"), config_.paths.dataFolder, kFileFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("dat"));
    dialog.selectFile(document_.suggestedName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    return saveToPath(dialog.selectedFiles().first());
}

bool MainWindow::saveToPath(const QString& path) {
    storeAllForms();
    const Result result = document_.saveAs(path);
    if (!result.ok) {
        showFileError(result.message);
        return false;
    }
    rememberFile(path);
    showStatus(QStringLiteral("Saved %1").arg(shownPath(document_.path())));
    return true;
}

// --- Radio commands -------------------------------------------------------------------------

bool MainWindow::readRadio() {
    return transfers_->read();
}

bool MainWindow::writeRadio() {
    return transfers_->write();
}

void MainWindow::choosePort() {
    PortDialog dialog(scanPorts(), config_.portName, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    config_.portName = dialog.chosenPort();
    // Shown whichever window asked, so that the pane never names an old port.
    comPane_->setText(config_.portName);
}

void MainWindow::frequencyRange() {
    runCommand(*findCommand(QStringLiteral("Frequency range")));
}

void MainWindow::about() {
    QMessageBox box(this);
    box.setWindowTitle(QStringLiteral("About"));
    const QIcon icon = QApplication::windowIcon().isNull()
                           ? style()->standardIcon(QStyle::SP_DriveNetIcon)
                           : QApplication::windowIcon();
    box.setIconPixmap(icon.pixmap(48, 48));
    box.setText(config_.companyText + u'\n' + aboutLine(config_.companyText, config_.modelName) +
                QStringLiteral("\nVersion %1").arg(QStringLiteral(DUOBAND_VERSION)));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

// The program's own help window, opened at the topic of the help context (the contents for 0).
void MainWindow::help(int context) {
    if (!helpWindow_)
        helpWindow_ = new HelpWindow(HelpCatalog::builtIn(), this);
    helpWindow_->showTopic(context);
    helpWindow_->show();
    helpWindow_->raise();
    helpWindow_->activateWindow();
}

#include "moc_MainWindow.cpp"

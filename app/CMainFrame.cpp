#include "CMainFrame.h"

#include "AppConfig.h"
#include "CBaseFormView.h"
#include "CMyChildFrame.h"
#include "CProgramView.h"
#include "CloneProgressDialog.h"
#include "Document.h"
#include "ImageMap.h"
#include "PortDialog.h"

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
#include <QPageSetupDialog>
#include <QPrinter>
#include <QProcess>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

namespace {

const QString kFileFilter = QStringLiteral("Param Files (*.dat)");
const QString kChannelSetting = QStringLiteral("Channel setting");

QIcon themed(const char* name, QStyle::StandardPixmap fallback) {
    return QIcon::fromTheme(QLatin1String(name), QApplication::style()->standardIcon(fallback));
}

} // namespace

CMainFrame::CMainFrame(Document& document, AppConfig& config, QWidget* parent)
    : QMainWindow(parent), document_(document), config_(config), mdi_(new QMdiArea) {
    setObjectName(QStringLiteral("CMainFrame"));
    // Each form opens at its own size, even over the maximized channel window.
    mdi_->setOption(QMdiArea::DontMaximizeSubWindowOnActivation);
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdi_);
    connect(mdi_, &QMdiArea::subWindowActivated, this, &CMainFrame::childActivated);
    buildMenusAndToolbar();
    buildStatusBar();
    buildTreeBar();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());

    document_.setSuggestedName(config_.suggestedFileName());
    document_.loadDefault(config_.paths.defaultDataFile);
    openForm(kChannelSetting);
    markClean();

    // Edits reach the image when a form stores; the title follows within a moment.
    auto* titleTimer = new QTimer(this);
    connect(titleTimer, &QTimer::timeout, this, &CMainFrame::updateTitle);
    titleTimer->start(500);
}

// --- Building -------------------------------------------------------------------------------

void CMainFrame::buildMenusAndToolbar() {
    auto add = [this](QMenu* menu, const QString& text, auto slot, QKeySequence key = {}) {
        QAction* a = menu->addAction(text);
        a->setShortcut(key);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    QAction* newAction =
        add(file, QStringLiteral("&New(&N)"), &CMainFrame::newData, QKeySequence::New);
    QAction* openAction =
        add(file, QStringLiteral("&Open(&O)..."), &CMainFrame::openData, QKeySequence::Open);
    QAction* saveAction =
        add(file, QStringLiteral("&Save(&S)"), &CMainFrame::save, QKeySequence::Save);
    add(file, QStringLiteral("Save &As(&A)..."), &CMainFrame::saveAs);
    file->addSeparator();
    file->addAction(QStringLiteral("Import channels..."), this, [this] {
        if (openForm(kChannelSetting))
            activeChannelTable()->importChannelsCommand();
    });
    file->addAction(QStringLiteral("Export channels..."), this, [this] {
        if (openForm(kChannelSetting))
            activeChannelTable()->exportChannelsCommand();
    });
    file->addSeparator();
    QAction* printAction = file->addAction(QStringLiteral("&Print..."));
    printAction->setShortcut(QKeySequence::Print);
    printAction->setEnabled(false); // printing comes with its own form
    file->addAction(QStringLiteral("Print Pre&view"))->setEnabled(false);
    file->addAction(QStringLiteral("P&rint Setup..."), this, [this] {
        QPrinter printer;
        QPageSetupDialog(&printer, this).exec();
    });
    file->addSeparator();
    recentMenu_ = file->addMenu(QStringLiteral("Recent Files"));
    file->addSeparator();
    file->addAction(QStringLiteral("E&xit(&X)"), this, &QWidget::close);

    editMenu_ = menuBar()->addMenu(QStringLiteral("&Edit"));
    for (const CommandEntry* command : editMenuCommands()) {
        QAction* a =
            editMenu_->addAction(command->text, this, [this, command] { runCommand(*command); });
        a->setEnabled(command->built());
    }

    QMenu* program = menuBar()->addMenu(QStringLiteral("&Program"));
    QAction* readAction = add(program, QStringLiteral("Read"), &CMainFrame::readRadio);
    QAction* writeAction = add(program, QStringLiteral("Write"), &CMainFrame::writeRadio);

    QToolBar* tools = addToolBar(QStringLiteral("Toolbar"));
    tools->setObjectName(QStringLiteral("Toolbar"));
    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    QAction* toolbarToggle = tools->toggleViewAction();
    toolbarToggle->setText(QStringLiteral("&Toolbar(&T)"));
    view->addAction(toolbarToggle);
    QAction* statusToggle = view->addAction(QStringLiteral("&Status Bar(&S)"));
    statusToggle->setCheckable(true);
    statusToggle->setChecked(true);
    connect(statusToggle, &QAction::toggled, this,
            [this](bool on) { statusBar()->setVisible(on); });
    treeBar_ = new QDockWidget(QStringLiteral("Tree Bar"), this);
    treeBar_->setObjectName(QStringLiteral("Tree Bar"));
    QAction* treeToggle = treeBar_->toggleViewAction();
    treeToggle->setText(QStringLiteral("Tree View"));
    view->addAction(treeToggle);

    QMenu* setting = menuBar()->addMenu(QStringLiteral("&Setting"));
    QAction* portAction = add(setting, QStringLiteral("Port"), &CMainFrame::choosePort);

    QMenu* window = menuBar()->addMenu(QStringLiteral("&Window"));
    window->addAction(QStringLiteral("Cascade"), mdi_, &QMdiArea::cascadeSubWindows);
    window->addAction(QStringLiteral("Tile"), mdi_, &QMdiArea::tileSubWindows);
    window->addAction(QStringLiteral("Arrange"), mdi_, &QMdiArea::tileSubWindows);

    QMenu* helpMenu = menuBar()->addMenu(QStringLiteral("&Help"));
    helpMenu->addAction(QStringLiteral("Help Topics"), this, [this] { help(0); });
    QAction* aboutAction = add(helpMenu, QStringLiteral("About..."), &CMainFrame::about);

    const std::pair<QAction*, QIcon> buttons[] = {
        {newAction, themed("document-new", QStyle::SP_FileIcon)},
        {openAction, themed("document-open", QStyle::SP_DialogOpenButton)},
        {saveAction, themed("document-save", QStyle::SP_DialogSaveButton)},
        {nullptr, {}},
        {readAction, themed("go-down", QStyle::SP_ArrowDown)},
        {writeAction, themed("go-up", QStyle::SP_ArrowUp)},
        {nullptr, {}},
        {printAction, themed("document-print", QStyle::SP_FileDialogDetailedView)},
        {portAction, themed("network-wired", QStyle::SP_DriveNetIcon)},
        {aboutAction, themed("help-about", QStyle::SP_MessageBoxInformation)},
    };
    for (const auto& [a, icon] : buttons) {
        if (!a) {
            tools->addSeparator();
            continue;
        }
        a->setIcon(icon);
        tools->addAction(a);
    }
    updateRecentMenu();
}

void CMainFrame::buildStatusBar() {
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

void CMainFrame::buildTreeBar() {
    tree_ = new QTreeWidget;
    tree_->setAccessibleName(QStringLiteral("Tree Bar"));
    tree_->setHeaderHidden(true);
    auto* root = new QTreeWidgetItem(tree_, {config_.modelName});
    for (const CommandEntry* command : treeCommands())
        new QTreeWidgetItem(root, {command->text});
    root->setExpanded(true);
    connect(tree_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { treeClicked(item); });
    treeBar_->setWidget(tree_);
    treeBar_->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    addDockWidget(Qt::LeftDockWidgetArea, treeBar_);
    resizeDocks({treeBar_}, {170}, Qt::Horizontal);
}

QAction* CMainFrame::action(const QString& text) const {
    for (QAction* a : findChildren<QAction*>())
        if (a->text() == text)
            return a;
    return nullptr;
}

// --- Form windows ---------------------------------------------------------------------------

QMdiSubWindow* CMainFrame::formWindow(const QString& name) const {
    for (QMdiSubWindow* w : mdi_->subWindowList())
        if (w->property("form").toString() == name)
            return w;
    return nullptr;
}

QList<CMyChildFrame*> CMainFrame::childFrames() const {
    QList<CMyChildFrame*> frames;
    for (QMdiSubWindow* w : mdi_->subWindowList())
        if (auto* frame = qobject_cast<CMyChildFrame*>(w->widget()))
            frames << frame;
    return frames;
}

QMdiSubWindow* CMainFrame::openForm(const QString& name) {
    if (QMdiSubWindow* existing = formWindow(name)) {
        mdi_->setActiveSubWindow(existing);
        return existing;
    }
    const CommandEntry* entry = findCommand(name);
    if (!entry || entry->kind != CommandKind::FormWindow || !entry->makeForm)
        return nullptr;
    // The window being left stores before the new form loads itself as it is made.
    if (activeChild_)
        if (auto* frame = qobject_cast<CMyChildFrame*>(activeChild_->widget()))
            frame->view()->SaveToImage();
    CBaseFormView* view = entry->makeForm(document_);
    auto* frame = new CMyChildFrame(view, entry->helpContext);
    QMdiSubWindow* window = mdi_->addSubWindow(frame);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setProperty("form", name);
    window->setWindowTitle(entry->caption);
    window->resize(entry->size);
    connect(frame, &CMyChildFrame::closeRequested, window, &QWidget::close);
    connect(frame, &CMyChildFrame::helpRequested, this, &CMainFrame::help);
    window->installEventFilter(this); // a closing window stores first
    activeChild_ = window;            // already loaded: its activation needs no reload
    if (entry->maximized)
        window->showMaximized();
    else
        window->show();
    mdi_->setActiveSubWindow(window);
    return window;
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close)
        if (auto* window = qobject_cast<QMdiSubWindow*>(watched))
            if (auto* frame = qobject_cast<CMyChildFrame*>(window->widget()))
                frame->view()->SaveToImage();
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::childActivated(QMdiSubWindow* window) {
    if (!window || window == activeChild_)
        return; // the main window losing the focus does not count
    if (activeChild_)
        if (auto* frame = qobject_cast<CMyChildFrame*>(activeChild_->widget()))
            frame->view()->SaveToImage();
    activeChild_ = window;
    if (auto* frame = qobject_cast<CMyChildFrame*>(window->widget()))
        frame->view()->LoadFromImage();
}

void CMainFrame::storeAllForms() {
    for (CMyChildFrame* frame : childFrames())
        frame->view()->SaveToImage();
    document_.image().setBits(ImageMap::kStorageFlags, 0, 2, 0);
}

void CMainFrame::reloadForm(const QString& text) {
    if (QMdiSubWindow* w = formWindow(text))
        qobject_cast<CMyChildFrame*>(w->widget())->view()->LoadFromImage();
}

void CMainFrame::reloadAllForms() {
    for (CMyChildFrame* frame : childFrames())
        frame->view()->LoadFromImage();
}

CProgramView* CMainFrame::activeChannelTable() const {
    QMdiSubWindow* w = mdi_->activeSubWindow() ? mdi_->activeSubWindow() : activeChild_.data();
    if (!w)
        return nullptr;
    auto* frame = qobject_cast<CMyChildFrame*>(w->widget());
    return frame ? qobject_cast<CProgramView*>(frame->view()) : nullptr;
}

void CMainFrame::runCommand(const CommandEntry& command) {
    if (command.kind == CommandKind::FormWindow)
        openForm(command.text);
    else if (command.run)
        command.run(*this);
}

void CMainFrame::treeClicked(QTreeWidgetItem* item) {
    if (!item || !item->parent())
        return; // the root does nothing
    if (const CommandEntry* command = findCommand(item->text(0)))
        runCommand(*command);
}

// --- Modified state -------------------------------------------------------------------------

void CMainFrame::markClean() {
    storeAllForms();
    document_.markClean();
    updateTitle();
}

bool CMainFrame::isModified() {
    return document_.isModified();
}

void CMainFrame::updateTitle() {
    // While a transfer runs its worker owns the image; the title waits until it is done.
    if (theCloneFlags().busy)
        return;
    QString title = config_.modelForTitle();
    if (!document_.path().isEmpty())
        title += QStringLiteral(" [ ") + document_.path() + QStringLiteral(" ]");
    if (isModified())
        title += QStringLiteral(" *");
    if (documentTitle_ != title) {
        documentTitle_ = title;
        setWindowTitle(title);
    }
}

// Unsaved changes are never thrown away without asking.
bool CMainFrame::maybeSave() {
    storeAllForms();
    if (!isModified())
        return true;
    const auto answer = QMessageBox::question(
        this, QApplication::applicationDisplayName(),
        QStringLiteral("Save changes to %1?").arg(document_.displayName()),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Cancel)
        return false;
    return answer == QMessageBox::Discard || save();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!maybeSave()) {
        event->ignore();
        return;
    }
    event->accept();
}

// --- File commands --------------------------------------------------------------------------

void CMainFrame::showFileError(const QString& message) {
    QMessageBox::warning(this, QApplication::applicationDisplayName(),
                         message.isEmpty() ? QStringLiteral("Sorry, error not find.") : message);
}

void CMainFrame::rememberFile(const QString& path) {
    QSettings settings;
    RecentFiles(settings).add(QFileInfo(path).absoluteFilePath());
    updateRecentMenu();
}

void CMainFrame::updateRecentMenu() {
    recentMenu_->clear();
    QSettings settings;
    const QStringList files = RecentFiles(settings).list();
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        recentMenu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(path), this, [this, path] {
            if (maybeSave())
                openPath(path);
        });
    }
    recentMenu_->setEnabled(!files.isEmpty());
}

void CMainFrame::newData() {
    if (!maybeSave())
        return;
    if (QMessageBox::question(this, QStringLiteral("Warnning"),
                              QStringLiteral("Clear all data! \ncontinue?"),
                              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    document_.loadDefault(config_.paths.defaultDataFile);
    reloadAllForms();
    markClean();
}

void CMainFrame::openData() {
    if (!maybeSave())
        return;
    QFileDialog dialog(this, QStringLiteral("Open"), config_.paths.dataFolder, kFileFilter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("dat"));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        openPath(dialog.selectedFiles().first());
}

bool CMainFrame::openPath(const QString& path) {
    const Result result = document_.open(path);
    if (!result.ok) {
        showFileError(result.message);
        return false;
    }
    reloadAllForms();
    if (mdi_->subWindowList().isEmpty())
        openForm(kChannelSetting);
    rememberFile(path);
    markClean();
    return true;
}

bool CMainFrame::save() {
    if (document_.path().isEmpty())
        return saveAs();
    return saveToPath(document_.path());
}

bool CMainFrame::saveAs() {
    storeAllForms();
    QFileDialog dialog(this, QStringLiteral("Save As"), config_.paths.dataFolder, kFileFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("dat"));
    dialog.selectFile(document_.suggestedName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    return saveToPath(dialog.selectedFiles().first());
}

bool CMainFrame::saveToPath(const QString& path) {
    storeAllForms();
    const Result result = document_.saveAs(path);
    if (!result.ok) {
        showFileError(result.message);
        return false;
    }
    rememberFile(path);
    markClean();
    return true;
}

// --- Radio commands -------------------------------------------------------------------------

bool CMainFrame::readRadio() {
    if (!maybeSave())
        return false;
    // The channel table answers Read itself while it is the active form.
    if (CProgramView* table = activeChannelTable()) {
        const bool ok = table->readFromRadio(config_.portName);
        if (ok)
            markClean();
        return ok;
    }
    storeAllForms();
    CloneProgressDialog dialog(CloneDirection::Read, config_.portName, document_.image(),
                               theCloneFlags(), this);
    dialog.exec();
    if (!dialog.succeeded())
        return false;
    document_.bands().loadLimitsFromImage(document_.image());
    reloadAllForms();
    if (mdi_->subWindowList().isEmpty())
        openForm(kChannelSetting);
    markClean();
    return true;
}

bool CMainFrame::writeRadio() {
    if (CProgramView* table = activeChannelTable())
        return table->writeToRadio(config_.portName);
    storeAllForms();
    CloneProgressDialog dialog(CloneDirection::Write, config_.portName, document_.image(),
                               theCloneFlags(), this);
    dialog.exec();
    return dialog.succeeded();
}

void CMainFrame::choosePort() {
    PortDialog dialog(scanPorts(), config_.portName, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    config_.portName = dialog.chosenPort();
    // Shown whichever window asked, so that the pane never names an old port.
    comPane_->setText(config_.portName);
}

void CMainFrame::frequencyRange() {
    runCommand(*findCommand(QStringLiteral("Frequency range")));
}

void CMainFrame::about() {
    QMessageBox box(this);
    box.setWindowTitle(QStringLiteral("About"));
    const QIcon icon = QApplication::windowIcon().isNull()
                           ? style()->standardIcon(QStyle::SP_DriveNetIcon)
                           : QApplication::windowIcon();
    box.setIconPixmap(icon.pixmap(48, 48));
    box.setText(config_.companyText + u'\n' + aboutLine(config_.companyText, config_.modelName));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

// There is no HTML help viewer here: a help file is shown only when a viewer for it exists;
// otherwise a help request does nothing.
void CMainFrame::help(int context) {
    Q_UNUSED(context);
    if (!QFileInfo::exists(config_.paths.helpFile))
        return;
    const QString viewer = QStandardPaths::findExecutable(QStringLiteral("xchm"));
    if (!viewer.isEmpty())
        QProcess::startDetached(viewer, {config_.paths.helpFile});
}

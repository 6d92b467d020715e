// New, Open, Save, Save As and the recent files: what the data files of the program go through.
#include "FileCommands.h"
#include "Texts.h"

#include "AppConfig.h"
#include "BackupsDialog.h"
#include "ChannelTableView.h"
#include "CommandRegistry.h"
#include "Document.h"
#include "ProblemBox.h"
#include "RadioBackups.h"
#include "ShownPath.h"
#include "Workspace.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>

namespace {
QString fileFilter() { // asked for when used: the language is loaded after start-up
    return Texts::tr("Param Files (*.dat)");
}
} // namespace

FileCommands::FileCommands(Workspace& workspace, AppConfig& config, QObject* parent)
    : QObject(parent), workspace_(workspace), config_(config) {}

void FileCommands::showFileError(const QString& message) {
    showProblem(workspace_.dialogParent(),
                message.isEmpty() ? Texts::tr("Sorry, error not find.") : message);
}

void FileCommands::listRecentIn(QMenu* menu) {
    recentMenu_ = menu;
    updateRecentMenu();
}

void FileCommands::rememberFile(const QString& path) {
    QSettings settings;
    RecentFiles(settings).add(QFileInfo(path).absoluteFilePath());
    updateRecentMenu();
}

void FileCommands::updateRecentMenu() {
    if (!recentMenu_)
        return;
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

void FileCommands::startFresh() {
    workspace_.storeAllForms();
    workspace_.document().startHistory();
}

bool FileCommands::maybeSave() {
    workspace_.storeAllForms();
    if (!workspace_.isModified())
        return true;
    const auto answer = QMessageBox::question(
        workspace_.dialogParent(), messageCaption(),
        Texts::tr("Save changes to %1?").arg(workspace_.document().displayName()),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Cancel)
        return false;
    return answer == QMessageBox::Discard || save();
}

void FileCommands::newData() {
    if (!maybeSave())
        return;
    if (QMessageBox::question(workspace_.dialogParent(), Texts::tr("Warnning"),
                              Texts::tr("Clear all data! \ncontinue?"),
                              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    workspace_.document().loadDefault(config_.paths.defaultDataFile);
    workspace_.reloadAllForms();
    startFresh();
    workspace_.showStatus(Texts::tr("New data from the factory default"));
}

void FileCommands::openData() {
    if (!maybeSave())
        return;
    QFileDialog dialog(workspace_.dialogParent(), Texts::tr("Open"), config_.paths.dataFolder,
                       fileFilter());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("dat"));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        openPath(dialog.selectedFiles().first());
}

bool FileCommands::openPath(const QString& path) {
    Document& document = workspace_.document();
    const Result result = document.open(path, [this](const QString& doubt) {
        return workspace_.goOnDespite(doubt, Texts::tr("Open anyway?"));
    });
    if (!result.ok) {
        if (!result.message.isEmpty()) // else the user chose not to open a doubtful file
            showFileError(result.message);
        return false;
    }
    workspace_.reloadAllForms();
    if (!workspace_.hasOpenForms())
        workspace_.showForm(channelTableForm());
    rememberFile(path);
    startFresh();
    workspace_.showStatus(Texts::tr("Opened %1").arg(shownPath(document.path())));
    return true;
}

bool FileCommands::save() {
    const QString path = workspace_.document().path();
    return path.isEmpty() ? saveAs() : saveToPath(path);
}

bool FileCommands::saveAs() {
    workspace_.storeAllForms();
    QFileDialog dialog(workspace_.dialogParent(), Texts::tr("Save As"), config_.paths.dataFolder,
                       fileFilter());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("dat"));
    dialog.selectFile(workspace_.document().suggestedName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    return saveToPath(dialog.selectedFiles().first());
}

bool FileCommands::saveToPath(const QString& path) {
    workspace_.storeAllForms();
    Document& document = workspace_.document();
    const Result result = document.saveAs(path);
    if (!result.ok) {
        showFileError(result.message);
        return false;
    }
    rememberFile(path);
    workspace_.showStatus(Texts::tr("Saved %1").arg(shownPath(document.path())));
    return true;
}

void FileCommands::backups() {
    workspace_.storeAllForms();
    BackupsDialog dialog(RadioBackups::folderIn(config_.paths.dataFolder), workspace_.document(),
                         workspace_.dialogParent());
    if (dialog.exec() == QDialog::Accepted && !dialog.chosenPath().isEmpty())
        openBackup(dialog.chosenPath());
}

bool FileCommands::openBackup(const QString& path) {
    if (!workspace_.maybeSave())
        return false;
    Document& document = workspace_.document();
    const Result result = document.open(path, [this](const QString& doubt) {
        return workspace_.goOnDespite(doubt, Texts::tr("Open anyway?"));
    });
    if (!result.ok) {
        if (!result.message.isEmpty())
            showFileError(result.message);
        return false;
    }
    // As a Read leaves it: the data of no file, unsaved until saved under a name.
    startFresh();
    const QFileInfo file(path);
    document.becomeUntitled(
        Texts::tr("backup of %1, %2").arg(file.dir().dirName(), file.completeBaseName()));
    workspace_.reloadAllForms();
    if (!workspace_.hasOpenForms())
        workspace_.showForm(channelTableForm());
    workspace_.showStatus(Texts::tr("Opened the backup %1; Save As keeps it in a file of its own")
                              .arg(shownPath(path)));
    return true;
}

void FileCommands::importChannels() {
    if (workspace_.showForm(channelTableForm()))
        workspace_.activeChannelTable()->importChannelsCommand();
}

void FileCommands::exportChannels() {
    if (workspace_.showForm(channelTableForm()))
        workspace_.activeChannelTable()->exportChannelsCommand();
}

#include "moc_FileCommands.cpp"

#pragma once

#include <QObject>
#include <QPointer>

class AppConfig;
class QMenu;
class Workspace;

// The File menu's data commands: New, Open, Save and Save As, the recent files, and the channel
// table's import and export. The *Path variants skip the file dialogs.
class FileCommands : public QObject {
    Q_OBJECT
public:
    FileCommands(Workspace& workspace, AppConfig& config, QObject* parent = nullptr);

    void newData();
    void openData();
    bool openPath(const QString& path);
    bool save();
    bool saveAs();
    bool saveToPath(const QString& path);
    // Unsaved changes are never thrown away without asking: true to go on (saved, or discarded
    // on purpose).
    bool maybeSave();
    // New, Open and start-up: the forms store, then the history starts afresh on the data.
    void startFresh();

    // File > Backups...: the backups of radio reads; the chosen one opens as untitled data,
    // as a Read would leave it, and the title says where it came from.
    void backups();
    bool openBackup(const QString& path);

    // The channel table's CSV commands, its window opened first.
    void importChannels();
    void exportChannels();

    // The recent files as items of `menu`, kept up to date.
    void listRecentIn(QMenu* menu);

private:
    void rememberFile(const QString& path);
    void updateRecentMenu();
    void showFileError(const QString& message);

    Workspace& workspace_;
    AppConfig& config_;
    QPointer<QMenu> recentMenu_;
};

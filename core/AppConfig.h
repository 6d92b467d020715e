#pragma once

#include <QString>
#include <QStringList>

class QSettings;

// Where the program keeps its files. The shipped "Default.dat" and "Program.ini" sit in the
// program's own folder, or, installed, in the data folder of its prefix (bin/../share/duoband).
// Beside a program whose folder can be written, "Program.ini" and "DATA" are used in place;
// otherwise (a system-wide install) they move to the user's configuration and data locations,
// the ini seeded from the shipped one.
struct AppPaths {
    QString programDir;      // with a trailing "/"
    QString shippedDir;      // where Default.dat and the shipped Program.ini are; trailing "/"
    QString configFile;      // "Program.ini"
    QString dataFolder;      // "DATA", without a trailing "/"
    QString defaultDataFile; // "Default.dat", the shipped one

    // Paths for a program living in `programDir`, moving to the platform's per-user locations
    // when that folder cannot be written.
    static AppPaths forProgramDir(const QString& programDir);
    // The program's paths seen from another program of the package (the command-line tool):
    // the per-user folders of the organization and application the program runs as.
    static AppPaths forProgramDirOf(const QString& programDir);
    // The same with the decision and the per-user folders given.
    static AppPaths resolve(const QString& programDir, bool programDirWritable,
                            const QString& userConfigDir, const QString& userDataDir);
};

// The names the program runs under: its settings and per-user folders are filed under them.
inline const char* const kOrganizationName = "Belmora";
inline const char* const kApplicationName = "Duoband";

// The program-wide texts read from "Program.ini" at start.
struct AppConfig {
    AppPaths paths;
    QString portName;    // Setup/COM
    QString modelName;   // Setup/Model: application name, window title, file name stem
    QString companyText; // Setup/Company
    QString language;    // Setup/Language: "" (kept as "system") follows the system, else a code

    QString suggestedFileName() const { return modelName + QStringLiteral(".dat"); }

    // Start-up: reads the three keys and creates the data folder if it is missing (a failure is
    // ignored: the file dialogs then open in their own default folder).
    static AppConfig startUp(const AppPaths& paths);

    // Setup/Model read again (New, Open, Save As), with the current model name as default.
    QString modelForTitle() const;

    // Setup/Language written at once; the program reads it at its next start.
    bool saveLanguage(const QString& code) const;

    // Exit: Setup/COM gets the current port name; nothing is written when it is empty.
    bool saveAtExit() const;
};

// The program's one configuration; set once by start-up.
AppConfig& theConfig();

// "%s The software apply for %s model" with the company text and the model name.
QString aboutLine(const QString& company, const QString& model);

// The four most recently used data files, newest first, kept in the platform's settings
// store under the key "Belmora".
class RecentFiles {
public:
    static constexpr int kMaxEntries = 4;
    explicit RecentFiles(QSettings& store) : store_(store) {}

    QStringList list() const;
    void add(const QString& path);    // moves it to the top
    void remove(const QString& path); // e.g. when it can no longer be opened

private:
    void write(const QStringList& files);
    QSettings& store_;
};

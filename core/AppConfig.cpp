#include "AppConfig.h"
#include "Texts.h"

#include "IniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString kSetup = QStringLiteral("Setup");
const QString kSystemLanguage = QStringLiteral("system");

bool isWritableDir(const QString& dir) {
    const QFileInfo info(dir);
    return info.isDir() && info.isWritable();
}

QString withSlash(QString dir) {
    if (!dir.endsWith(u'/'))
        dir += u'/';
    return dir;
}

// The shipped files beside the program, else in the installed data folder when that has them.
QString shippedFolder(const QString& programDir) {
    for (const char* name : {"Program.ini", "Default.dat"})
        if (QFileInfo::exists(programDir + QLatin1String(name)))
            return programDir;
    const QString installed =
        withSlash(QDir::cleanPath(programDir + QStringLiteral(DUOBAND_SHARE_FROM_BIN)));
    for (const char* name : {"Program.ini", "Default.dat"})
        if (QFileInfo::exists(installed + QLatin1String(name)))
            return installed;
    return programDir;
}

} // namespace

AppPaths AppPaths::forProgramDir(const QString& programDir) {
    return resolve(programDir, isWritableDir(programDir),
                   QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation),
                   QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

AppPaths AppPaths::forProgramDirOf(const QString& programDir) {
    const QString organization = QCoreApplication::organizationName();
    const QString application = QCoreApplication::applicationName();
    QCoreApplication::setOrganizationName(QString::fromLatin1(kOrganizationName));
    QCoreApplication::setApplicationName(QString::fromLatin1(kApplicationName));
    AppPaths paths = forProgramDir(programDir);
    QCoreApplication::setOrganizationName(organization);
    QCoreApplication::setApplicationName(application);
    return paths;
}

AppPaths AppPaths::resolve(const QString& programDir, bool programDirWritable,
                           const QString& userConfigDir, const QString& userDataDir) {
    AppPaths p;
    p.programDir = withSlash(programDir);
    p.shippedDir = shippedFolder(p.programDir);
    p.defaultDataFile = p.shippedDir + QStringLiteral("Default.dat");
    const QString shippedIni = p.shippedDir + QStringLiteral("Program.ini");
    // Files of an installed program are never written in place.
    if (programDirWritable && p.shippedDir == p.programDir) {
        p.configFile = shippedIni;
        p.dataFolder = p.programDir + QStringLiteral("DATA");
        return p;
    }
    p.configFile = withSlash(userConfigDir) + QStringLiteral("Program.ini");
    p.dataFolder = withSlash(userDataDir) + QStringLiteral("DATA");
    // The user's own ini starts as a copy of the shipped one, so Model and Company carry over.
    if (!QFileInfo::exists(p.configFile) && QFileInfo::exists(shippedIni)) {
        QDir().mkpath(userConfigDir);
        QFile::copy(shippedIni, p.configFile);
        QFile(p.configFile).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    return p;
}

AppConfig AppConfig::startUp(const AppPaths& paths) {
    AppConfig c;
    c.paths = paths;
    const IniFile ini(paths.configFile);
    c.portName = ini.get(kSetup, QStringLiteral("COM"));
    c.modelName = ini.get(kSetup, QStringLiteral("Model"));
    c.companyText = ini.get(kSetup, QStringLiteral("Company"));
    c.language = ini.get(kSetup, QStringLiteral("Language"));
    if (c.language == kSystemLanguage)
        c.language.clear();
    if (!QFileInfo::exists(paths.dataFolder))
        QDir().mkpath(paths.dataFolder);
    return c;
}

QString AppConfig::modelForTitle() const {
    return IniFile(paths.configFile).get(kSetup, QStringLiteral("Model"), modelName);
}

namespace {

bool putSetup(const QString& configFile, const QString& key, const QString& value) {
    const QFileInfo dir(QFileInfo(configFile).absolutePath());
    if (!dir.exists())
        QDir().mkpath(dir.absoluteFilePath());
    return IniFile(configFile).put(kSetup, key, value);
}

} // namespace

bool AppConfig::saveLanguage(const QString& code) const {
    // An ini value is never empty: the system's language is kept by name.
    return putSetup(paths.configFile, QStringLiteral("Language"),
                    code.isEmpty() ? kSystemLanguage : code);
}

bool AppConfig::saveAtExit() const {
    if (portName.isEmpty())
        return false;
    return putSetup(paths.configFile, QStringLiteral("COM"), portName);
}

AppConfig& theConfig() {
    static AppConfig config;
    return config;
}

QString aboutLine(const QString& company, const QString& model) {
    return Texts::tr("%1 The software apply for %2 model").arg(company, model);
}

namespace {
const QString kRecentGroup = QStringLiteral("Recent File List");
QString recentKey(int i) {
    return QStringLiteral("File%1").arg(i + 1);
}
} // namespace

QStringList RecentFiles::list() const {
    QStringList files;
    store_.beginGroup(kRecentGroup);
    for (int i = 0; i < kMaxEntries; ++i) {
        const QString f = store_.value(recentKey(i)).toString();
        if (!f.isEmpty())
            files << f;
    }
    store_.endGroup();
    return files;
}

void RecentFiles::add(const QString& path) {
    QStringList files = list();
    files.removeAll(path);
    files.prepend(path);
    write(files.mid(0, kMaxEntries));
}

void RecentFiles::remove(const QString& path) {
    QStringList files = list();
    files.removeAll(path);
    write(files);
}

void RecentFiles::write(const QStringList& files) {
    store_.beginGroup(kRecentGroup);
    for (int i = 0; i < kMaxEntries; ++i) {
        if (i < files.size())
            store_.setValue(recentKey(i), files[i]);
        else
            store_.remove(recentKey(i));
    }
    store_.endGroup();
    store_.sync();
}

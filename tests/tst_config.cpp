#include "AppConfig.h"
#include "IniFile.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {} // namespace

class ConfigTests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { QVERIFY(dir.isValid()); }
    void getRules();
    void putKeepsTheRestOfTheFile();
    void putCreatesFileAndSection();
    void putRefusesEmptyKeyOrValue();
    void putKeepsEveryOtherLinesEnding();
    void startUpTexts();
    void exitWritesOnlyThePort();
    void readOnlyProgramFolderUsesUserLocations();
    void installedProgramFindsItsSharedFiles();
    void recentFiles();

private:
    QTemporaryDir dir;
};

void ConfigTests::getRules() {
    const QString path = dir.filePath("get.ini");
    writeFile(path, "; comment\r\n[Other]\r\nCOM=wrong\r\n[setup]\r\n  com = /dev/ttyUSB0 \r\n"
                    "Model=\"M 1\"\r\nLong=" +
                        QByteArray(300, 'x') + "\r\n");
    const IniFile ini(path);
    QCOMPARE(ini.get("Setup", "COM"), QStringLiteral("/dev/ttyUSB0")); // names ignore case
    QCOMPARE(ini.get("Setup", "Model"), QStringLiteral("M 1"));
    QCOMPARE(ini.get("Setup", "Long").size(), 255);
    QCOMPARE(ini.get("Setup", "Company", "dflt"), QStringLiteral("dflt"));
    QCOMPARE(ini.get("Setup", "", "dflt"), QStringLiteral("dflt"));
    QCOMPARE(IniFile(dir.filePath("absent.ini")).get("Setup", "COM", "x"), QStringLiteral("x"));
}

void ConfigTests::putKeepsTheRestOfTheFile() {
    const QString path = dir.filePath("keep.ini");
    const QByteArray before = "; Duoband settings\r\n[Setup]\r\nZeta=1\r\nCOM=COM1\r\n"
                              "Path=C:\\radio\\data\r\n\r\n[Later]\r\nA=b\r\n";
    writeFile(path, before);
    QVERIFY(IniFile(path).put("Setup", "COM", "/dev/ttyACM0"));
    QCOMPARE(fileBytes(path), QByteArray(before).replace("COM=COM1", "COM=/dev/ttyACM0"));
    // A new key joins the end of its section, not the end of the file.
    QVERIFY(IniFile(path).put("Later", "New", "v"));
    QVERIFY(IniFile(path).put("Setup", "Extra", "e"));
    QCOMPARE(fileBytes(path), QByteArray("; Duoband settings\r\n[Setup]\r\nZeta=1\r\n"
                                         "COM=/dev/ttyACM0\r\nPath=C:\\radio\\data\r\nExtra=e\r\n"
                                         "\r\n[Later]\r\nA=b\r\nNew=v\r\n"));
}

void ConfigTests::putCreatesFileAndSection() {
    const QString path = dir.filePath("new.ini");
    QVERIFY(IniFile(path).put("Setup", "COM", "COM3"));
    QCOMPARE(fileBytes(path), QByteArray("[Setup]\nCOM=COM3\n"));
    QCOMPARE(IniFile(path).get("Setup", "COM"), QStringLiteral("COM3"));
}

void ConfigTests::putRefusesEmptyKeyOrValue() {
    const QString path = dir.filePath("empty.ini");
    QVERIFY(!IniFile(path).put("Setup", "COM", ""));
    QVERIFY(!IniFile(path).put("Setup", "", "x"));
    QVERIFY(!QFile::exists(path));
}

// Found by fuzzing: a stray carriage return made the next put rewrite every line with CR LF.
void ConfigTests::putKeepsEveryOtherLinesEnding() {
    const QString path = dir.filePath("endings.ini");
    writeFile(path, QByteArray(";; settings\n\r\r[Setup]\r\nModel=M\nCOM=a\n[Other]\rX=1"));
    const IniFile ini(path);
    QVERIFY(ini.put("Setup", "COM", "b"));
    QCOMPARE(fileBytes(path),
             QByteArray(";; settings\n\r\r[Setup]\r\nModel=M\nCOM=b\n[Other]\rX=1"));
    QVERIFY(ini.put("Setup", "COM", "b"));
    QCOMPARE(fileBytes(path),
             QByteArray(";; settings\n\r\r[Setup]\r\nModel=M\nCOM=b\n[Other]\rX=1"));
    // A new key after a last line without an ending: that line ends first, as the first does.
    const QString open = dir.filePath("open.ini");
    writeFile(open, QByteArray("[Setup]\r\nModel=M"));
    QVERIFY(IniFile(open).put("Setup", "COM", "c"));
    QCOMPARE(fileBytes(open), QByteArray("[Setup]\r\nModel=M\r\nCOM=c\r\n"));
}

void ConfigTests::startUpTexts() {
    const QString program = dir.filePath("prog");
    QVERIFY(QDir().mkpath(program));
    writeFile(program + "/Program.ini", "[Setup]\r\nCOM=COM3\r\nModel=M1\r\nCompany=C1\r\n");
    const AppConfig config = AppConfig::startUp(AppPaths::forProgramDir(program));
    QCOMPARE(config.portName, QStringLiteral("COM3"));
    QCOMPARE(config.modelName, QStringLiteral("M1"));
    QCOMPARE(config.suggestedFileName(), QStringLiteral("M1.dat"));
    QCOMPARE(aboutLine(config.companyText, config.modelName),
             QStringLiteral("C1 The software apply for M1 model"));
    QCOMPARE(config.paths.dataFolder, program + "/DATA");
    QVERIFY(QFileInfo(program + "/DATA").isDir());
    QCOMPARE(config.paths.defaultDataFile, program + "/Default.dat");

    // Without an ini everything is empty and the program still starts.
    const QString bare = dir.filePath("bare");
    QVERIFY(QDir().mkpath(bare));
    const AppConfig empty = AppConfig::startUp(AppPaths::forProgramDir(bare));
    QVERIFY(empty.portName.isEmpty() && empty.modelName.isEmpty());
    QCOMPARE(empty.suggestedFileName(), QStringLiteral(".dat"));
    // The title's model is read again, with the current model name as default.
    AppConfig renamed = empty;
    renamed.modelName = "Current";
    QCOMPARE(renamed.modelForTitle(), QStringLiteral("Current"));
}

void ConfigTests::exitWritesOnlyThePort() {
    const QString program = dir.filePath("exit");
    QVERIFY(QDir().mkpath(program));
    AppConfig config = AppConfig::startUp(AppPaths::forProgramDir(program));
    QVERIFY(!config.saveAtExit()); // empty port: nothing written
    QVERIFY(!QFile::exists(program + "/Program.ini"));
    config.portName = "/dev/ttyUSB1";
    config.modelName = "NotStored";
    QVERIFY(config.saveAtExit());
    QCOMPARE(fileBytes(program + "/Program.ini"), QByteArray("[Setup]\nCOM=/dev/ttyUSB1\n"));
}

void ConfigTests::readOnlyProgramFolderUsesUserLocations() {
    const QString program = dir.filePath("ro");
    QVERIFY(QDir().mkpath(program));
    writeFile(program + "/Program.ini", "[Setup]\nModel=Shipped\n");
    const AppPaths paths =
        AppPaths::resolve(program, false, dir.filePath("user/config"), dir.filePath("user/data"));
    QCOMPARE(paths.configFile, dir.filePath("user/config/Program.ini"));
    QCOMPARE(paths.dataFolder, dir.filePath("user/data/DATA"));
    QCOMPARE(paths.defaultDataFile, program + "/Default.dat");
    // The user's ini starts from the shipped one, and the port is saved there at exit.
    QCOMPARE(IniFile(paths.configFile).get("Setup", "Model"), QStringLiteral("Shipped"));
    AppConfig config = AppConfig::startUp(paths);
    QCOMPARE(config.modelName, QStringLiteral("Shipped"));
    QVERIFY(QFileInfo(dir.filePath("user/data/DATA")).isDir());
    config.portName = "/dev/ttyUSB0";
    QVERIFY(config.saveAtExit());
    QCOMPARE(IniFile(paths.configFile).get("Setup", "COM"), QStringLiteral("/dev/ttyUSB0"));
    QCOMPARE(fileBytes(program + "/Program.ini"), QByteArray("[Setup]\nModel=Shipped\n"));
}

// bin/duoband with its shipped files in share/duoband: found there, and the user's own files
// elsewhere even when the bin folder could be written.
void ConfigTests::installedProgramFindsItsSharedFiles() {
    const QString bin = dir.filePath("usr/bin");
    const QString share = dir.filePath("usr/share/duoband");
    QVERIFY(QDir().mkpath(bin) && QDir().mkpath(share));
    writeFile(share + "/Program.ini", "[Setup]\nModel=Installed\n");
    writeFile(share + "/Default.dat", "");
    const AppPaths paths =
        AppPaths::resolve(bin, true, dir.filePath("home/config"), dir.filePath("home/data"));
    QCOMPARE(paths.shippedDir, share + "/");
    QCOMPARE(paths.defaultDataFile, share + "/Default.dat");
    QCOMPARE(paths.configFile, dir.filePath("home/config/Program.ini"));
    QCOMPARE(paths.dataFolder, dir.filePath("home/data/DATA"));
    QCOMPARE(IniFile(paths.configFile).get("Setup", "Model"), QStringLiteral("Installed"));
    // Files beside the program win: the build folder and a portable copy.
    writeFile(bin + "/Default.dat", "");
    const AppPaths beside =
        AppPaths::resolve(bin, true, dir.filePath("home/config"), dir.filePath("home/data"));
    QCOMPARE(beside.defaultDataFile, bin + "/Default.dat");
    QCOMPARE(beside.configFile, bin + "/Program.ini");
}

void ConfigTests::recentFiles() {
    QSettings store(dir.filePath("recent.ini"), QSettings::IniFormat);
    RecentFiles recent(store);
    QVERIFY(recent.list().isEmpty());
    for (const char* f : {"/a.dat", "/b.dat", "/c.dat", "/d.dat", "/e.dat"})
        recent.add(f);
    QCOMPARE(recent.list(), (QStringList{"/e.dat", "/d.dat", "/c.dat", "/b.dat"}));
    recent.add("/c.dat"); // reopening moves it to the top without a duplicate
    QCOMPARE(recent.list(), (QStringList{"/c.dat", "/e.dat", "/d.dat", "/b.dat"}));
    recent.remove("/e.dat");
    QCOMPARE(recent.list(), (QStringList{"/c.dat", "/d.dat", "/b.dat"}));
    // It survives a restart.
    QSettings reopened(dir.filePath("recent.ini"), QSettings::IniFormat);
    QCOMPARE(RecentFiles(reopened).list(), (QStringList{"/c.dat", "/d.dat", "/b.dat"}));
}

QTEST_APPLESS_MAIN(ConfigTests)
#include "tst_config.moc"

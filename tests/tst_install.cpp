#include "CliRunner.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int exitCode = -1;
    QString out;
};

Run run(const QString& program, const QStringList& args,
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess p;
    p.setProcessEnvironment(environment);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    Run result;
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished();
        return result;
    }
    result.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    result.out = QString::fromUtf8(p.readAll());
    return result;
}

QStringList filesBelow(const QString& root) {
    QStringList files;
    QDirIterator it(root, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next().mid(root.size());
    files.sort();
    return files;
}

} // namespace

// An installation into a scratch folder, as a package would lay it out below /usr.
class InstallTests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void installsEveryFileInItsPlace();
    void installedToolRuns();
    void installedProgramKeepsItsFilesPerUser();
    void desktopEntryAndMetainfoValidate();
    void manPagesCarryTheHelpText();
    void helpSpeaksTheTerminalsLanguage();
    void packageCarriesWhatTheProgramNeeds();

private:
    QString path(const QString& below) const { return root.path() + "/usr/" + below; }

    QTemporaryDir root;
    QTemporaryDir work;
};

void InstallTests::initTestCase() {
    QVERIFY(root.isValid() && work.isValid());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DESTDIR", root.path());
    const Run installed =
        run(qEnvironmentVariable("DUOBAND_CMAKE"),
            {"--install", qEnvironmentVariable("DUOBAND_BUILD_DIR"), "--prefix", "/usr"}, env);
    QVERIFY2(installed.exitCode == 0, qPrintable(installed.out));
}

void InstallTests::installsEveryFileInItsPlace() {
    const QStringList expected = {
        "bin/duoband",
        "bin/duoband-cli",
        "share/duoband/Default.dat",
        "share/duoband/Program.ini",
        "share/applications/org.duoband.Duoband.desktop",
        "share/metainfo/org.duoband.Duoband.metainfo.xml",
        "share/icons/hicolor/scalable/apps/duoband.svg",
        "share/icons/hicolor/48x48/apps/duoband.png",
        "share/icons/hicolor/256x256/apps/duoband.png",
        "share/man/man1/duoband.1.gz",
        "share/man/man1/duoband-cli.1.gz",
        "share/doc/duoband/changelog.gz",
        "share/doc/duoband/copyright",
        "lib/udev/rules.d/60-duoband-serial.rules",
    };
    for (const QString& file : expected)
        QVERIFY2(QFileInfo(path(file)).isFile(), qPrintable(file));
    QVERIFY(QFileInfo(path("bin/duoband")).isExecutable());
    QFile rules(path("lib/udev/rules.d/60-duoband-serial.rules"));
    QVERIFY(rules.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(rules.readAll());
    for (const char* vendor : {"10c4", "0403", "067b", "1a86"}) // CP210x, FTDI, PL2303, CH340
        QVERIFY2(text.contains(QStringLiteral("ATTRS{idVendor}==\"%1\"").arg(vendor)), vendor);
    QCOMPARE(text.count("TAG+=\"uaccess\""), 4);
}

void InstallTests::installedToolRuns() {
    const QString cli = path("bin/duoband-cli");
    const Run version = run(cli, {"--version"});
    QCOMPARE(version.exitCode, 0);
    QVERIFY2(version.out.contains(DUOBAND_VERSION), qPrintable(version.out));
    const QString made = work.filePath("new.dat");
    QCOMPARE(run(cli, {"new", "-o", made}).exitCode, 0);
    // The shipped default is the factory default the tool makes.
    QFile shipped(path("share/duoband/Default.dat"));
    QFile fresh(made);
    QVERIFY(shipped.open(QIODevice::ReadOnly) && fresh.open(QIODevice::ReadOnly));
    QCOMPARE(shipped.readAll(), fresh.readAll());
    const Run info = run(cli, {"info", made});
    QCOMPARE(info.exitCode, 0);
    QVERIFY2(info.out.contains("450M"), qPrintable(info.out));
}

// Started from an installed prefix, the program leaves the prefix alone: its Program.ini
// (seeded from the shipped one) and its DATA folder are the user's.
void InstallTests::installedProgramKeepsItsFilesPerUser() {
    const QStringList before = filesBelow(root.path());
    QProcess::execute("chmod", {"-R", "a-w", root.path() + "/usr"});
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("HOME", work.filePath("home"));
    env.insert("XDG_CONFIG_HOME", work.filePath("config"));
    env.insert("XDG_DATA_HOME", work.filePath("data"));
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(path("bin/duoband"), {});
    QVERIFY(program.waitForStarted());
    const QString userIni = work.filePath("config/Belmora/Duoband/Program.ini");
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(userIni), 20000);
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(work.filePath("data/Belmora/Duoband/DATA")).isDir(), 5000);
    QCOMPARE(program.state(), QProcess::Running);
    program.terminate();
    if (!program.waitForFinished(5000)) {
        program.kill();
        program.waitForFinished();
    }
    QProcess::execute("chmod", {"-R", "u+w", root.path() + "/usr"});
    QFile ini(userIni);
    QVERIFY(ini.open(QIODevice::ReadOnly));
    QVERIFY(ini.readAll().contains("Model=Duoband"));
    QCOMPARE(filesBelow(root.path()), before);
}

void InstallTests::desktopEntryAndMetainfoValidate() {
    const QString desktop = QStandardPaths::findExecutable("desktop-file-validate");
    const QString appstream = QStandardPaths::findExecutable("appstreamcli");
    if (desktop.isEmpty() || appstream.isEmpty())
        QSKIP("desktop-file-utils or appstream is not installed (tools/install-deps.sh)");
    const Run entry = run(desktop, {path("share/applications/org.duoband.Duoband.desktop")});
    QVERIFY2(entry.exitCode == 0, qPrintable(entry.out));
    QVERIFY2(!entry.out.contains("error"), qPrintable(entry.out));
    const Run meta = run(appstream, {"validate", "--no-net",
                                     path("share/metainfo/org.duoband.Duoband.metainfo.xml")});
    QVERIFY2(meta.exitCode == 0, qPrintable(meta.out));
}

void InstallTests::manPagesCarryTheHelpText() {
    const Run help = run(path("bin/duoband-cli"), {"--help"});
    const Run page = run("gzip", {"-dc", path("share/man/man1/duoband-cli.1.gz")});
    QCOMPARE(page.exitCode, 0);
    QVERIFY(page.out.startsWith(".TH DUOBAND-CLI 1 "));
    for (const QString& line : help.out.split(u'\n', Qt::SkipEmptyParts))
        QVERIFY2(page.out.contains(line), qPrintable(line));
    const Run gui = run("gzip", {"-dc", path("share/man/man1/duoband.1.gz")});
    QVERIFY(gui.out.contains("Usage: duoband [options] file"));
}

// --help answers in the terminal's language, not in the one the user chose for the window.
void InstallTests::helpSpeaksTheTerminalsLanguage() {
    QTemporaryDir config;
    QVERIFY(QDir(config.path()).mkpath("Belmora/Duoband"));
    QFile ini(config.filePath("Belmora/Duoband/Program.ini"));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("[Setup]\nModel=Duoband\nLanguage=es\n");
    ini.close();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_CONFIG_HOME", config.path());
    env.insert("XDG_DATA_HOME", work.filePath("data"));
    const auto helpIn = [&](const QString& lang) {
        setLanguage(env, lang);
        return run(path("bin/duoband"), {"--help"}, env);
    };
    const Run english = helpIn("C");
    QCOMPARE(english.exitCode, 0);
    QVERIFY2(english.out.contains("Programming software for a dual-band radio"),
             qPrintable(english.out));
    const Run german = helpIn("de_DE.UTF-8");
    QCOMPARE(german.exitCode, 0);
    QVERIFY2(
        german.out.contains(QString::fromUtf8("Programmiersoftware für ein Zweiband-Funkgerät")),
        qPrintable(german.out));
}

// The Debian package names what the programs load at run time besides what they link, and
// lintian finds no error in it.
void InstallTests::packageCarriesWhatTheProgramNeeds() {
    QTemporaryDir out;
    QVERIFY(out.isValid());
    const Run packed = run(qEnvironmentVariable("DUOBAND_CPACK"),
                           {"-G", "DEB", "-B", out.path(), "--config",
                            qEnvironmentVariable("DUOBAND_BUILD_DIR") + "/CPackConfig.cmake"});
    QVERIFY2(packed.exitCode == 0, qPrintable(packed.out));
    const QStringList debs = QDir(out.path()).entryList({"duoband_*.deb"});
    QCOMPARE(debs.size(), 1);
    const QString deb = out.filePath(debs.first());
    const Run depends = run("dpkg-deb", {"-f", deb, "Depends"});
    QCOMPARE(depends.exitCode, 0);
    for (const char* package : {"fonts-liberation2", "qt6-qpa-plugins", "libqt6widgets6",
                                "libqt6printsupport6", "libqt6serialport6"})
        QVERIFY2(depends.out.contains(QLatin1String(package)), qPrintable(depends.out));
    const Run lint = run("lintian", {"--no-tag-display-limit", deb});
    QVERIFY2(lint.exitCode >= 0, "lintian did not run");
    QStringList errors;
    for (const QString& line : lint.out.split(u'\n'))
        if (line.startsWith(QLatin1String("E: ")))
            errors << line;
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join(u'\n')));
}

QTEST_GUILESS_MAIN(InstallTests)
#include "tst_install.moc"

#include "AppConfig.h"
#include "Document.h"
#include "FileCommands.h"
#include "Language.h"
#include "MainWindow.h"
#include "QuitWhenShown.h"
#include "StartUp.h"

#include <algorithm>

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The recent-file list lives in the platform's settings under this key.
    QCoreApplication::setOrganizationName(QString::fromLatin1(kOrganizationName));
    QCoreApplication::setApplicationName(QString::fromLatin1(kApplicationName));
    QCoreApplication::setApplicationVersion(QStringLiteral(DUOBAND_VERSION));

    // The program's own icon, built in: no lookup in the desktop's icon theme.
    QIcon icon;
    for (const char* file : {":/icons/duoband-48.png", ":/icons/duoband-256.png"})
        icon.addFile(QLatin1String(file));
    QApplication::setWindowIcon(icon);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.duoband.Duoband"));

    startUpProgram(QCoreApplication::applicationDirPath());
    // --help and --version answer on the terminal, in the terminal's language as the command
    // line tool does (and as the man pages are made, under LANG=C); the window speaks the
    // language chosen under Setting > Language.
    static const QStringList terminalOptions = {"-h",         "-?", "--help",
                                                "--help-all", "-v", "--version"};
    const bool forTerminal =
        std::ranges::any_of(QCoreApplication::arguments().mid(1), [](const QString& argument) {
            return terminalOptions.contains(argument);
        });
    Language::install(forTerminal ? QString() : theConfig().language);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("main", "Programming software for a dual-band radio"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QCoreApplication::translate("main", "A data file to open."));
    parser.process(app);

    Document document;
    MainWindow frame(document, theConfig());
    frame.show();
    quitWhenShownIfAsked(&frame);
    if (!parser.positionalArguments().isEmpty())
        frame.files()->openPath(parser.positionalArguments().first());

    const int rc = app.exec();
    shutDownProgram();
    return rc;
}

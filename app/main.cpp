#include "AppConfig.h"
#include "CMainFrame.h"
#include "Document.h"
#include "StartUp.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QStyle>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The recent-file list lives in the platform's settings under this key.
    QCoreApplication::setOrganizationName(QStringLiteral("Belmora"));
    QCoreApplication::setApplicationName(QStringLiteral("Duoband"));
    QCoreApplication::setApplicationVersion(QStringLiteral(DUOBAND_VERSION));

    QApplication::setWindowIcon(
        QIcon::fromTheme(QStringLiteral("network-wireless"),
                         QApplication::style()->standardIcon(QStyle::SP_DriveNetIcon)));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Programming software for a dual-band radio"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A data file to open."));
    parser.process(app);

    startUpProgram(QCoreApplication::applicationDirPath());

    Document document;
    CMainFrame frame(document, theConfig());
    frame.show();
    if (!parser.positionalArguments().isEmpty())
        frame.openPath(parser.positionalArguments().first());

    const int rc = app.exec();
    shutDownProgram();
    return rc;
}

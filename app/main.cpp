#include "AppConfig.h"
#include "StartUp.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Belmora"));
    QCoreApplication::setApplicationName(QStringLiteral("Duoband"));
    QCoreApplication::setApplicationVersion(QStringLiteral(DUOBAND_VERSION));

    const StartUpResult started = startUpProgram(QCoreApplication::applicationDirPath());
    const AppConfig& config = theConfig();
    QApplication::setApplicationDisplayName(config.modelName);

    QMainWindow window;
    window.setWindowTitle(config.modelName);
    auto* label = new QLabel(
        QStringLiteral("<p>%1</p><p>Default data loaded from %2.</p><p>Port: %3</p>")
            .arg(aboutLine(config.companyText, config.modelName),
                 started.usedFactoryDefault ? QStringLiteral("the built-in factory default")
                                            : config.paths.defaultDataFile,
                 config.portName.isEmpty() ? QStringLiteral("(none)") : config.portName));
    label->setAlignment(Qt::AlignCenter);
    window.setCentralWidget(label);
    window.resize(640, 400);
    window.show();

    const int rc = app.exec();
    shutDownProgram();
    return rc;
}

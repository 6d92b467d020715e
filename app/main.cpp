#include "AppConfig.h"
#include "BandState.h"
#include "CModelView.h"
#include "CProgramView.h"
#include "ChannelRules.h"
#include "FrequencyRangeDialog.h"
#include "MemoryImage.h"
#include "RadioCommands.h"
#include "StartUp.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

// A plain window until the main frame with its forms exists: it shows where the data came
// from and offers the port and the two transfers.
void buildWindow(QMainWindow& window, const StartUpResult& started) {
    const AppConfig& config = theConfig();
    window.setWindowTitle(config.modelName);
    auto* channels = new CProgramView(theImage(), theBandState());
    window.setCentralWidget(channels);
    window.statusBar()->showMessage(QStringLiteral("Default data loaded from %1")
                                        .arg(started.usedFactoryDefault
                                                 ? QStringLiteral("the built-in factory default")
                                                 : config.paths.defaultDataFile),
                                    10000);
    auto* portPane = new QLabel(config.portName);
    portPane->setAccessibleName(QStringLiteral("COM"));
    window.statusBar()->addPermanentWidget(portPane);

    QToolBar* tools = window.addToolBar(QStringLiteral("Radio"));
    tools->addAction(QStringLiteral("Port"), &window, [&window, portPane] {
        RadioCommands::choosePort(&window);
        portPane->setText(theConfig().portName);
    });
    // While the channel table is the view, it runs Read and Write itself.
    tools->addAction(QStringLiteral("Read"), &window, [&window, channels] {
        if (channels->readFromRadio(theConfig().portName))
            window.statusBar()->showMessage(QStringLiteral("Read complete"), 5000);
    });
    tools->addAction(QStringLiteral("Write"), &window, [&window, channels] {
        if (channels->writeToRadio(theConfig().portName))
            window.statusBar()->showMessage(QStringLiteral("Write complete"), 5000);
    });
    tools->addSeparator();
    tools->addAction(QStringLiteral("Model"), &window, [&window] {
        // Until forms have child windows of their own, the form sits in a dialog and stores
        // when it closes.
        QDialog dialog(&window);
        dialog.setWindowTitle(QStringLiteral("Modle"));
        auto* form = new CModelView(theImage(), &dialog);
        (new QVBoxLayout(&dialog))->addWidget(form);
        dialog.resize(360, 240);
        dialog.exec();
        form->SaveToImage();
    });
    tools->addAction(QStringLiteral("Frequency range"), &window, [&window, channels] {
        channels->SaveToImage();
        FrequencyRangeDialog dialog(theImage(), theBandState(), &window);
        dialog.exec();
        ChannelRules::clearChannelsOutsideBands(theImage(), theBandState());
        channels->LoadFromImage();
    });
    window.resize(1100, 700);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Belmora"));
    QCoreApplication::setApplicationName(QStringLiteral("Duoband"));
    QCoreApplication::setApplicationVersion(QStringLiteral(DUOBAND_VERSION));

    const StartUpResult started = startUpProgram(QCoreApplication::applicationDirPath());
    QApplication::setApplicationDisplayName(theConfig().modelName);

    QMainWindow window;
    buildWindow(window, started);
    window.show();

    const int rc = app.exec();
    shutDownProgram();
    return rc;
}

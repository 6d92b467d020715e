#pragma once

#include "AppConfig.h"
#include "ChannelTableView.h"
#include "DataFile.h"
#include "Document.h"
#include "FactoryDefault.h"
#include "FastTiming.h"
#include "FormFrame.h"
#include "Language.h"
#include "MainWindow.h"
#include "ModalResponder.h"
#include "TransferCommands.h"

#include <QCoreApplication>
#include <QFile>
#include <QMdiSubWindow>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// A program folder for main-window tests: the factory default as Default.dat and a Program.ini
// naming port COM3, model M1 and company C1; settings kept apart from the user's under
// `application`, and empty.
inline bool prepareProgramFolder(const QTemporaryDir& dir, const char* application) {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName("Belmora");
    QCoreApplication::setApplicationName(application);
    QSettings().clear();
    if (!dir.isValid() || !saveDataFile(dir.filePath("Default.dat"), buildFactoryDefault()).ok)
        return false;
    QFile ini(dir.filePath("Program.ini"));
    return ini.open(QIODevice::WriteOnly) &&
           ini.write("[Setup]\nCOM=COM3\nModel=M1\nCompany=C1\n") > 0;
}

// The translation a run names in DUOBAND_TEST_LANGUAGE ("de", "es"), loaded into the process;
// true when none is named or it loaded.
inline bool installTestLanguage() {
    const QString language = qEnvironmentVariable("DUOBAND_TEST_LANGUAGE");
    return language.isEmpty() || Language::install(language) == language;
}

// A main window on fresh data from that folder, shown and active (check with isActiveWindow()).
inline MainWindow* openMainWindow(Document& document, AppConfig& config, const QString& folder) {
    document.image() = MemoryImage();
    document.bands() = BandState();
    config = AppConfig::startUp(AppPaths::resolve(folder, true, {}, {}));
    auto* frame = new MainWindow(document, config);
    frame->transfers()->setTiming(fastTiming()); // a transfer runs at full speed
    frame->show();
    frame->activateWindow();
    // The caller checks isActiveWindow(), where a failure names the test.
    static_cast<void>(QTest::qWaitForWindowActive(frame));
    return frame;
}

// Closes the window; nothing is saved on the way out of a test.
inline void closeWithoutSaving(MainWindow* frame, QObject* parent) {
    auto* responder = answerBox(QMessageBox::Discard, nullptr, parent);
    frame->close();
    delete frame;
    delete responder;
}

// The channel table of the window, when its form is open.
inline ChannelTableView* channelView(MainWindow& frame) {
    QMdiSubWindow* w = frame.formWindow("Channel setting");
    return w ? qobject_cast<ChannelTableView*>(qobject_cast<FormFrame*>(w->widget())->view())
             : nullptr;
}

#pragma once

#include "CloneEngine.h"

#include <QObject>

class AppConfig;
class CMainFrame;

// Read and Write, whichever form is active: the forms store first, the progress dialog runs
// the transfer, and after a read the band limits, the first channels and every open form
// follow the radio's data. Both are one step of the document's history.
class TransferCommands : public QObject {
    Q_OBJECT
public:
    TransferCommands(CMainFrame& frame, AppConfig& config);

    bool read();
    bool write();

    // The clone engine's pauses and clock (real time when unset), for tests that must not wait.
    void setTiming(CloneEngine::Hooks timing) { timing_ = std::move(timing); }

private:
    // The progress dialog on the configured port; true when the transfer succeeded.
    bool transfer(CloneDirection direction);

    CMainFrame& frame_;
    AppConfig& config_;
    CloneEngine::Hooks timing_;
};

#pragma once

#include "AccessCodeMailbox.h"
#include "CloneEngine.h"

#include <QDialog>
#include <QVariant>

class MemoryImage;
class QLabel;
class QProgressBar;
class QPushButton;
class QThread;

// The modal "Read" / "Write" dialog: "Start" runs one transfer on a worker thread, the bar
// counts blocks, "Exit" asks the transfer to stop at the next block and closes the dialog once
// nothing runs. Failures are reported in a message box before it closes.
class CloneProgressDialog : public QDialog {
    Q_OBJECT
public:
    // `timing` holds the engine's pause and clock hooks (real time when unset).
    CloneProgressDialog(CloneDirection direction, QString port, MemoryImage& image,
                        CloneFlags& flags, QWidget* parent = nullptr,
                        CloneEngine::Hooks timing = {});
    ~CloneProgressDialog() override;

    // The transfer starts as soon as the dialog shows, without waiting for "Start" (the user
    // already said yes to it).
    void startWhenShown() { startWhenShown_ = true; }

    bool succeeded() const { return succeeded_; }
    // How the transfer ended, in a line for the status bar; empty before it ran.
    const QString& summary() const { return summary_; }

public Q_SLOTS:
    void start();
    void requestExit();
    // Asked by the worker: the code typed goes into the mailbox, nullopt when the user cancelled.
    void askAccessCode();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void showProgress(int done, int total);
    void transferFinished(int outcome, const QString& message, const QString& detail);

    CloneDirection direction_;
    QString port_;
    MemoryImage& image_;
    CloneFlags& flags_;
    QProgressBar* bar_;
    QLabel* percent_;
    QPushButton* startButton_;
    QPushButton* exitButton_;
    QThread* thread_ = nullptr;
    bool startWhenShown_ = false;
    bool succeeded_ = false;
    bool promptCancelled_ = false;
    QString summary_;
    AccessCodeMailbox mailbox_;
    CloneEngine::Hooks timing_;
};

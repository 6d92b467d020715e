#pragma once

#include "CloneEngine.h"

#include <QObject>

class AccessCodeMailbox;
class MemoryImage;

// Runs one transfer on a thread of its own. It never touches a widget: progress and the result
// leave as queued signals, and the access code is asked of `asker` (an object living in the
// user-interface thread with a slot `void askAccessCode()` that puts the answer into
// `mailbox`) by a blocking queued call.
class CloneWorker : public QObject {
    Q_OBJECT
public:
    // `timing` holds the engine's pause and clock hooks (real time when unset).
    CloneWorker(CloneDirection direction, QString port, MemoryImage& image, CloneFlags& flags,
                QObject* asker, AccessCodeMailbox& mailbox, CloneEngine::Hooks timing = {});

public Q_SLOTS:
    void run();

Q_SIGNALS:
    void progressed(int done, int total);
    void finished(int outcome, const QString& message, const QString& detail);

private:
    CloneDirection direction_;
    QString port_;
    MemoryImage& image_;
    CloneFlags& flags_;
    QObject* asker_;
    AccessCodeMailbox& mailbox_;
    CloneEngine::Hooks timing_;
};

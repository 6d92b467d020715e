#pragma once

#include "CloneEngine.h"

#include <QObject>
#include <QVariant>

class MemoryImage;

// Runs one transfer on a thread of its own. It never touches a widget: progress and the result
// leave as queued signals, and the access code is asked of `asker` (an object living in the
// user-interface thread with a slot `QVariant askAccessCode()`, null when cancelled) by a
// blocking queued call.
class CloneWorker : public QObject {
    Q_OBJECT
public:
    CloneWorker(CloneDirection direction, QString port, MemoryImage& image, CloneFlags& flags,
                QObject* asker);

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
};

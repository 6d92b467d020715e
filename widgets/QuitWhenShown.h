#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

// For start-up measurements (tools/startup-bench.sh): with DUOBAND_QUIT_WHEN_SHOWN set, the
// program quits once its window has been shown and painted, so that the whole process can be
// timed from the outside. Without it, nothing happens.
inline void quitWhenShownIfAsked(QWidget* window) {
    if (!qEnvironmentVariableIsSet("DUOBAND_QUIT_WHEN_SHOWN") || !window->windowHandle())
        return;
    class Watch : public QObject {
    public:
        using QObject::QObject;
        bool eventFilter(QObject* watched, QEvent* event) override {
            // An exposed window is painted before the event loop runs again.
            if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed())
                QTimer::singleShot(0, qApp, &QCoreApplication::quit);
            return false;
        }
    };
    window->windowHandle()->installEventFilter(new Watch(window));
}

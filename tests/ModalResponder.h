#pragma once

#include <QApplication>
#include <QEvent>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>

// Answers a modal window that the code under test opens with exec() (a message box, a
// prompt): the test cannot act while that nested loop runs, so the window is handed to
// `answer` once that loop runs, noticed when it is shown (a window that closes by itself, as a
// fast transfer's progress does, is noticed all the same) or by a timer's look.
class ModalResponder : public QObject {
public:
    template <typename Window>
    static ModalResponder* answer(std::function<void(Window*)> answer, QObject* parent) {
        auto* r = new ModalResponder(parent);
        r->take_ = [r, answer](QWidget* widget) {
            auto* w = qobject_cast<Window*>(widget);
            if (!w || r->answered)
                return;
            r->timer_.stop();
            r->answered = true;
            QTimer::singleShot(0, w, [w, answer] {
                if (w->isVisible()) // not closed by itself meanwhile
                    answer(w);
            });
        };
        connect(&r->timer_, &QTimer::timeout, r,
                [r] { r->take_(QApplication::activeModalWidget()); });
        qApp->installEventFilter(r);
        r->timer_.start(20);
        return r;
    }
    bool answered = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType())
            if (auto* w = static_cast<QWidget*>(watched); w->isWindow() && w->isModal())
                take_(w);
        return false;
    }

private:
    explicit ModalResponder(QObject* parent) : QObject(parent) {}
    QTimer timer_;
    std::function<void(QWidget*)> take_;
};

// What a message box said.
struct BoxAnswer {
    QString title;
    QString text;
};

// Answers the next message box with `button`, noting its caption and text in `seen`.
inline ModalResponder* answerBox(QMessageBox::StandardButton button, BoxAnswer* seen,
                                 QObject* parent) {
    return ModalResponder::answer<QMessageBox>(
        [button, seen](QMessageBox* box) {
            if (seen)
                *seen = {box->windowTitle(), box->text()};
            box->button(button)->click();
        },
        parent);
}

// Cancels the next file dialog, noting in `offered` the file it suggested.
inline ModalResponder* declineFileDialog(QString* offered, QObject* parent) {
    return ModalResponder::answer<QFileDialog>(
        [offered](QFileDialog* dialog) {
            *offered = dialog->selectedFiles().value(0);
            dialog->reject();
        },
        parent);
}

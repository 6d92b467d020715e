#pragma once

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>

// Answers a modal window that the code under test opens with exec() (a message box, a
// prompt): the test cannot act while that nested loop runs, so a timer looks for the window
// and hands it to `answer`, once.
class ModalResponder : public QObject {
public:
    template <typename Window>
    static ModalResponder* answer(std::function<void(Window*)> answer, QObject* parent) {
        auto* r = new ModalResponder(parent);
        connect(&r->timer_, &QTimer::timeout, r, [r, answer] {
            if (auto* w = qobject_cast<Window*>(QApplication::activeModalWidget())) {
                r->timer_.stop();
                r->answered = true;
                answer(w);
            }
        });
        r->timer_.start(20);
        return r;
    }
    bool answered = false;

private:
    explicit ModalResponder(QObject* parent) : QObject(parent) {}
    QTimer timer_;
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

#include "ActivationKeys.h"

#include <QAbstractItemView>
#include <QKeyEvent>

namespace {

class ActivationKeys : public QObject {
public:
    ActivationKeys(QAbstractItemView* view, std::function<void(const QModelIndex&)> activate)
        : QObject(view), view_(view), activate_(std::move(activate)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool activating = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
                                key->key() == Qt::Key_Space;
        // An open cell editor has the focus itself: keys reaching the view are not typing.
        if (!activating || key->modifiers() & ~Qt::KeypadModifier ||
            !view_->currentIndex().isValid())
            return QObject::eventFilter(watched, event);
        activate_(view_->currentIndex());
        return true;
    }

private:
    QAbstractItemView* view_;
    std::function<void(const QModelIndex&)> activate_;
};

} // namespace

void activateOnKeys(QAbstractItemView* view, std::function<void(const QModelIndex&)> activate) {
    view->installEventFilter(new ActivationKeys(view, std::move(activate)));
}

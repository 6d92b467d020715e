#include "FormWindows.h"
#include "Language.h"
#include "Texts.h"

#include "CommandRegistry.h"
#include "Document.h"
#include "FieldTips.h"
#include "FormFrame.h"
#include "FormView.h"

#include <QApplication>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QProxyStyle>

namespace {
constexpr int kCascadeStep = 28;       // about a title bar: each new window shows the last one's
constexpr char kPending[] = "pending"; // the window's form holds an edit not stored yet

FormView* viewOf(QMdiSubWindow* window) {
    auto* frame = window ? qobject_cast<FormFrame*>(window->widget()) : nullptr;
    return frame ? frame->view() : nullptr;
}
// A maximized form keeps its own title bar inside the work area instead of moving its buttons
// into the menu bar and its caption into the main window's title: that title names the active
// form, which need not be the maximized one.
class OwnTitleBarStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        if (hint == SH_Workspace_FillSpaceOnMaximize)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};
} // namespace

FormWindows::FormWindows(QMdiArea* area, Document& document, QObject* parent)
    : QObject(parent), area_(area), document_(document) {
    connect(area_, &QMdiArea::subWindowActivated, this, &FormWindows::activated);
}

QMdiSubWindow* FormWindows::window(const QString& text) const {
    for (QMdiSubWindow* w : area_->subWindowList())
        if (w->property("form").toString() == text)
            return w;
    return nullptr;
}

QMdiSubWindow* FormWindows::activeWindow() const {
    return area_->activeSubWindow() ? area_->activeSubWindow() : active_.data();
}

FormView* FormWindows::activeView() const {
    return viewOf(activeWindow());
}

QString FormWindows::activeCaption() const {
    QMdiSubWindow* w = activeWindow();
    return w ? w->windowTitle() : QString();
}

QMdiSubWindow* FormWindows::open(const CommandEntry& form) {
    if (QMdiSubWindow* existing = window(form.text)) {
        choose(existing);
        return existing;
    }
    if (!form.makeForm)
        return nullptr;
    // The window being left stores before the new form loads itself as it is made.
    store(activeWindow());
    FormView* view = form.makeForm(document_);
    applyFieldTips(view, form.text);
    auto* frame = new FormFrame(view, form.helpContext());
    QMdiSubWindow* window = area_->addSubWindow(frame);
    if (!titleBarStyle_) {
        titleBarStyle_ = new OwnTitleBarStyle; // the application's style, one hint changed
        titleBarStyle_->setParent(area_);      // it outlives the windows it draws
    }
    window->setStyle(titleBarStyle_);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setProperty("form", form.text);
    window->setWindowTitle(Language::shown(form.caption()));
    connect(frame, &FormFrame::closeRequested, window, &QWidget::close);
    connect(frame, &FormFrame::helpRequested, this, &FormWindows::helpRequested);
    connect(view, &FormView::edited, this, [this, window, text = form.text] {
        window->setProperty(kPending, true);
        Q_EMIT edited(text);
    });
    connect(view, &FormView::imageChanged, this,
            [this, window, text = form.text](const QString& step) {
                window->setProperty(kPending, false);
                document_.record(step.isEmpty() ? text : step);
            });
    connect(view, &FormView::statusMessage, this, &FormWindows::statusMessage);
    window->installEventFilter(this); // a closing window stores first
    active_ = window;                 // already loaded: its activation needs no reload
    if (form.maximized) {
        window->resize(form.size);
        window->showMaximized();
    } else {
        place(window);
        window->show();
    }
    choose(window);
    return window;
}

void FormWindows::choose(QMdiSubWindow* window) {
    if (!window)
        return;
    window->raise();
    area_->setActiveSubWindow(window);
}

// Cascaded from the last window placed, and wholly inside the workspace: a window that would
// reach past its edge starts again at the top left. A window is as large as its whole form
// where the workspace allows (no empty half); in a smaller one the form scrolls.
void FormWindows::place(QMdiSubWindow* window) {
    const QSize room = area_->viewport()->size();
    const QSize size = window->sizeHint().boundedTo(room);
    if (nextPosition_.x() + size.width() > room.width() ||
        nextPosition_.y() + size.height() > room.height())
        nextPosition_ = {};
    window->setGeometry(QRect(nextPosition_, size));
    nextPosition_ += QPoint(kCascadeStep, kCascadeStep);
}

bool FormWindows::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close) {
        auto* window = qobject_cast<QMdiSubWindow*>(watched);
        store(window);
        // The window that shows once this one is gone takes over, not the next one in the
        // workspace's own order, which may lie beneath the others.
        if (window && window == area_->activeSubWindow())
            choose(topmostBesides(window));
    }
    return QObject::eventFilter(watched, event);
}

QMdiSubWindow* FormWindows::topmostBesides(QMdiSubWindow* window) const {
    const QList<QMdiSubWindow*> stacking = area_->subWindowList(QMdiArea::StackingOrder);
    for (auto it = stacking.rbegin(); it != stacking.rend(); ++it)
        if (*it != window && (*it)->isVisible() && !(*it)->isMinimized())
            return *it;
    return nullptr;
}

void FormWindows::store(QMdiSubWindow* window) {
    FormView* view = viewOf(window);
    if (!view)
        return;
    view->SaveToImage();
    window->setProperty(kPending, false);
    document_.record(window->property("form").toString());
}

void FormWindows::load(QMdiSubWindow* window) {
    if (FormView* view = viewOf(window)) {
        view->LoadFromImage();
        window->setProperty(kPending, false);
    }
}

QString FormWindows::pendingForm() const {
    for (QMdiSubWindow* w : area_->subWindowList())
        if (w->property(kPending).toBool())
            return w->property("form").toString();
    return {};
}

void FormWindows::activated(QMdiSubWindow* window) {
    if (!window)
        return; // the main window losing the focus does not count
    // A maximized window is the workspace's background: a click inside it makes it active
    // without burying the windows the user opened over it. Chosen any other way (tree, menus,
    // Ctrl+Tab) it comes to the top, where its keys and clicks go.
    // (The focus that activates a clicked window comes with the press, before its button is up.)
    if (window->isMaximized() && QGuiApplication::mouseButtons() != Qt::NoButton)
        window->lower();
    if (window == active_)
        return;
    store(active_);
    active_ = window;
    load(window);
}

void FormWindows::storeAll() {
    for (QMdiSubWindow* w : area_->subWindowList())
        store(w);
}

void FormWindows::reloadAll() {
    for (QMdiSubWindow* w : area_->subWindowList())
        load(w);
}

void FormWindows::reload(const QString& text) {
    load(window(text));
}

void FormWindows::listIn(QMenu* menu) {
    menu->addAction(Texts::tr("Cascade"), area_, &QMdiArea::cascadeSubWindows);
    menu->addAction(Texts::tr("Tile"), area_, &QMdiArea::tileSubWindows);
    menu->addAction(Texts::tr("Arrange"), area_, &QMdiArea::tileSubWindows);
    menu->addSeparator();
    const QList<QMdiSubWindow*> windows = area_->subWindowList();
    for (int i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* w = windows[i];
        const QString mnemonic = i < 9 ? QStringLiteral("&%1").arg(i + 1) : QString::number(i + 1);
        QAction* a =
            menu->addAction(mnemonic + u' ' + w->windowTitle(), this, [this, w] { choose(w); });
        a->setCheckable(true);
        a->setChecked(w == area_->activeSubWindow());
    }
}

#include "moc_FormWindows.cpp"

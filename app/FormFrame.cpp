#include "FormFrame.h"
#include "Texts.h"

#include "FormView.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QVBoxLayout>

FormFrame::FormFrame(FormView* view, int windowHelpContext, QWidget* parent)
    : QWidget(parent), view_(view), helpContext_(windowHelpContext) {
    auto* help = new QPushButton(Texts::tr("Help"));
    auto* close = new QPushButton(Texts::tr("Close"));
    help->setAccessibleName(help->text());
    close->setAccessibleName(close->text());
    help->setAutoDefault(false);
    close->setAutoDefault(false);
    // "Help" ends 20 pixels left of the middle, "Close" starts 20 pixels right of it.
    auto* bar = new QHBoxLayout;
    bar->addStretch(1);
    bar->addWidget(help);
    bar->addSpacing(40);
    bar->addWidget(close);
    bar->addStretch(1);
    // On a screen too small for the form it scrolls, never squeezes; the buttons stay in view.
    scroll_ = new QScrollArea;
    scroll_->setObjectName(QStringLiteral("formScroll"));
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    scroll_->setWidget(view);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 4);
    layout->addWidget(scroll_, 1);
    layout->addLayout(bar);
    setFocusProxy(view);
    connect(help, &QPushButton::clicked, this, [this] { Q_EMIT helpRequested(helpContext()); });
    connect(close, &QPushButton::clicked, this, &FormFrame::closeRequested);
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this, nullptr, nullptr,
                             Qt::WidgetWithChildrenShortcut);
    connect(f1, &QShortcut::activated, this, [this] { Q_EMIT helpRequested(helpContext()); });
}

// The whole form unscrolled, with the buttons below it.
QSize FormFrame::sizeHint() const {
    const QMargins margins = layout()->contentsMargins();
    const QSize form = view_->sizeHint().expandedTo(view_->minimumSizeHint());
    const int bar = layout()->itemAt(1)->sizeHint().height() + layout()->spacing();
    return {form.width() + margins.left() + margins.right(),
            form.height() + bar + margins.top() + margins.bottom()};
}

int FormFrame::helpContext() const {
    const int own = view_->helpContext();
    return own != 0 ? own : helpContext_;
}

void FormFrame::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    view_->setFocus();
}

#include "moc_FormFrame.cpp"

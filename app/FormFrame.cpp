#include "FormFrame.h"

#include "CBaseFormView.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

FormFrame::FormFrame(CBaseFormView* view, int windowHelpContext, QWidget* parent)
    : QWidget(parent), view_(view), helpContext_(windowHelpContext) {
    auto* help = new QPushButton(QStringLiteral("Help"));
    auto* close = new QPushButton(QStringLiteral("Close"));
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
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 4);
    layout->addWidget(view, 1);
    layout->addLayout(bar);
    setFocusProxy(view);
    connect(help, &QPushButton::clicked, this, [this] { Q_EMIT helpRequested(helpContext()); });
    connect(close, &QPushButton::clicked, this, &FormFrame::closeRequested);
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this, nullptr, nullptr,
                             Qt::WidgetWithChildrenShortcut);
    connect(f1, &QShortcut::activated, this, [this] { Q_EMIT helpRequested(helpContext()); });
}

int FormFrame::helpContext() const {
    const int own = view_->helpContext();
    return own != 0 ? own : helpContext_;
}

void FormFrame::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    view_->setFocus();
}

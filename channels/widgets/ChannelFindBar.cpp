// The channel table's find bar: a field, two buttons and a line for what was found.
#include "ChannelFindBar.h"
#include "Texts.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

ChannelFindBar::ChannelFindBar(QWidget* parent)
    : QWidget(parent), field_(new QLineEdit), outcome_(new QLabel) {
    field_->setAccessibleName(Texts::tr("Find"));
    field_->setPlaceholderText(Texts::tr("Name or frequency"));
    field_->setClearButtonEnabled(true);
    auto button = [this](const QString& text, const QString& tip, auto slot) {
        auto* b = new QToolButton;
        b->setText(text);
        b->setToolTip(tip);
        b->setAccessibleName(text);
        connect(b, &QToolButton::clicked, this, slot);
        return b;
    };
    auto* next = button(Texts::tr("Next"), Texts::tr("Find next (F3)"),
                        [this] { Q_EMIT findRequested(true); });
    auto* previous = button(Texts::tr("Previous"), Texts::tr("Find previous (Shift+F3)"),
                            [this] { Q_EMIT findRequested(false); });
    auto* close = button(Texts::tr("Close"), Texts::tr("Close the find bar (Escape)"), [this] {
        hide();
        Q_EMIT closed();
    });
    outcome_->setAccessibleName(Texts::tr("Find result"));
    connect(field_, &QLineEdit::returnPressed, this, [this] { Q_EMIT findRequested(true); });
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(Texts::tr("Find:")));
    layout->addWidget(field_, 1);
    layout->addWidget(next);
    layout->addWidget(previous);
    layout->addWidget(outcome_, 1);
    layout->addWidget(close);
}

QString ChannelFindBar::text() const {
    return field_->text();
}

void ChannelFindBar::open() {
    show();
    field_->setFocus(Qt::ShortcutFocusReason);
    field_->selectAll();
}

void ChannelFindBar::setOutcome(const QString& text) {
    outcome_->setText(text);
}

QString ChannelFindBar::outcome() const {
    return outcome_->text();
}

void ChannelFindBar::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        hide();
        Q_EMIT closed();
        return;
    }
    QWidget::keyPressEvent(event);
}

#include "moc_ChannelFindBar.cpp"

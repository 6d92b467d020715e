#include "SettingsPage.h"

#include <QKeyEvent>

bool swallowsFormKey(QKeyEvent* event) {
    const int key = event->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Escape)
        return false;
    event->accept();
    return true;
}

void SettingsPage::keyPressEvent(QKeyEvent* event) {
    if (!swallowsFormKey(event))
        QWidget::keyPressEvent(event);
}

#include "moc_SettingsPage.cpp"

#include "CSettingsPage.h"

#include <QKeyEvent>

void CSettingsPage::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
        event->accept(); // swallowed: they neither close nor reset anything
        return;
    }
    QWidget::keyPressEvent(event);
}

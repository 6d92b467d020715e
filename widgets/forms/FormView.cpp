#include "FormView.h"

#include "SettingsPage.h"

#include <QKeyEvent>

void FormView::keyPressEvent(QKeyEvent* event) {
    if (swallowsFormKey(event))
        return;
    QWidget::keyPressEvent(event);
}

#include "moc_FormView.cpp"

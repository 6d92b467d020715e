#include "CBaseFormView.h"

#include "CSettingsPage.h"

#include <QKeyEvent>

void CBaseFormView::keyPressEvent(QKeyEvent* event) {
    if (swallowsFormKey(event))
        return;
    QWidget::keyPressEvent(event);
}

#include "moc_CBaseFormView.cpp"

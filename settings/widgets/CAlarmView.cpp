#include "CAlarmView.h"

#include "AlarmSettings.h"
#include "FieldGrid.h"

#include <QKeyEvent>

CAlarmView::CAlarmView(MemoryImage& image, QWidget* parent)
    : CBaseFormView(image, parent), binder_(AlarmSettings::fields(), image) {
    setWindowTitle(QStringLiteral("Alarm"));
    layOutFields(this, binder_, 1, FieldWidth::Natural);
    binder_.onEdited(this, [this] { Q_EMIT edited(); });
    LoadFromImage();
}

void CAlarmView::LoadFromImage() {
    binder_.load(image());
}

void CAlarmView::SaveToImage() {
    binder_.store(image());
}

void CAlarmView::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
        event->accept(); // neither closes nor resets the form
        return;
    }
    CBaseFormView::keyPressEvent(event);
}

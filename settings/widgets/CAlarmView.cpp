#include "CAlarmView.h"

#include "AlarmSettings.h"
#include "FieldGrid.h"

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

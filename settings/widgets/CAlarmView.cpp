#include "CAlarmView.h"

#include "AlarmSettings.h"
#include "FieldGrid.h"

#include <QComboBox>

CAlarmView::CAlarmView(MemoryImage& image, QWidget* parent)
    : FormView(image, parent), binder_(AlarmSettings::fields(), image) {
    setWindowTitle(QStringLiteral("Alarm"));
    layOutFields(this, binder_, 1, FieldWidth::Natural);
    binder_.onEdited(this, [this] { Q_EMIT edited(); });
    LoadFromImage();
}

void CAlarmView::LoadFromImage() {
    binder_.load(image());
    if (shown_)
        explainEmiCodes();
}

void CAlarmView::showEvent(QShowEvent* event) {
    FormView::showEvent(event);
    if (!shown_) {
        shown_ = true;
        emiTip_ = binder_.control<QComboBox>("EMI code")->toolTip(); // the field's help
        explainEmiCodes();
    }
}

void CAlarmView::explainEmiCodes() {
    const QString note = AlarmSettings::emiCodesLeftOut(image());
    auto* list = binder_.control<QComboBox>("EMI code");
    list->setToolTip(note.isEmpty() || emiTip_.isEmpty() ? emiTip_ + note : emiTip_ + u'\n' + note);
    if (!note.isEmpty())
        Q_EMIT statusMessage(note);
}

void CAlarmView::SaveToImage() {
    binder_.store(image());
}

#include "moc_CAlarmView.cpp"

#include "AlarmView.h"
#include "Texts.h"

#include "AlarmSettings.h"
#include "FieldGrid.h"

#include <QComboBox>

AlarmView::AlarmView(MemoryImage& image, QWidget* parent)
    : FormView(image, parent), binder_(AlarmSettings::fields(), image) {
    setWindowTitle(Texts::tr("Alarm"));
    layOutFields(this, binder_, 1, FieldWidth::Natural);
    binder_.onEdited(this, [this] { Q_EMIT edited(); });
    LoadFromImage();
}

void AlarmView::LoadFromImage() {
    binder_.load(image());
    if (shown_)
        explainEmiCodes();
}

void AlarmView::showEvent(QShowEvent* event) {
    FormView::showEvent(event);
    if (!shown_) {
        shown_ = true;
        emiTip_ =
            binder_.control<QComboBox>(QStringLiteral("EMI code"))->toolTip(); // the field's help
        explainEmiCodes();
    }
}

void AlarmView::explainEmiCodes() {
    const QString note = AlarmSettings::emiCodesLeftOut(image());
    auto* list = binder_.control<QComboBox>(QStringLiteral("EMI code"));
    list->setToolTip(note.isEmpty() || emiTip_.isEmpty() ? emiTip_ + note : emiTip_ + u'\n' + note);
    if (!note.isEmpty())
        Q_EMIT statusMessage(note);
}

void AlarmView::SaveToImage() {
    binder_.store(image());
}

#include "moc_AlarmView.cpp"

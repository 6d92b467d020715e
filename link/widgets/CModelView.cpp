#include "CModelView.h"

#include "CharFilterValidator.h"
#include "RadioIdentity.h"

#include <QFormLayout>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

QLineEdit* field(QFormLayout* form, const QString& label, int maxLength, bool (*accept)(QChar)) {
    auto* edit = new QLineEdit;
    edit->setAccessibleName(label);
    edit->setMaxLength(maxLength);
    if (accept)
        // The test is made on the upper-case form; the character is kept as typed.
        edit->setValidator(new CharFilterValidator(
            [accept](QChar c) { return accept(c.toUpper()); }, false, edit));
    else
        edit->setReadOnly(true);
    if (edit->isReadOnly()) {
        // Shown, not edited: the field takes the window's colour, as a label would.
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Window));
        edit->setPalette(palette);
    }
    form->addRow(label, edit);
    return edit;
}

} // namespace

CModelView::CModelView(MemoryImage& image, QWidget* parent) : CBaseFormView(image, parent) {
    setWindowTitle(QStringLiteral("Modle"));
    auto* form = new QFormLayout(this);
    serial_ = field(form, QStringLiteral("Serial number"), 8, RadioIdentity::serialCharacter);
    model_ = field(form, QStringLiteral("Model name"), 8, RadioIdentity::serialCharacter);
    code_ = field(form, QStringLiteral("Model code"), 16, RadioIdentity::codeCharacter);
    firmware_ = field(form, QStringLiteral("Firmware Version"), 8, nullptr);
    date_ = field(form, QStringLiteral("Last program date"), 10, nullptr);
    for (QLineEdit* edit : {serial_, model_, code_})
        connect(edit, &QLineEdit::textEdited, this, &CBaseFormView::edited);
    LoadFromImage();
}

void CModelView::LoadFromImage() {
    const RadioIdentity id = RadioIdentity::read(image());
    serial_->setText(id.serialNumber);
    model_->setText(id.modelName);
    code_->setText(id.modelCode);
    firmware_->setText(id.firmware);
    date_->setText(id.programDate);
}

void CModelView::SaveToImage() {
    RadioIdentity::writeEditable(image(), serial_->text(), model_->text(), code_->text());
}

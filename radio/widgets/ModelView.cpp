#include "ModelView.h"
#include "Language.h"
#include "Texts.h"

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

ModelView::ModelView(MemoryImage& image, QWidget* parent) : FormView(image, parent) {
    setWindowTitle(Texts::tr("Modle"));
    auto* form = new QFormLayout(this);
    for (const RadioIdentity::Field& f : RadioIdentity::fields())
        edits_.push_back(
            field(form, Language::shown(QString::fromLatin1(f.label)), f.maxLength, f.accept));
    for (QLineEdit* edit : edits_)
        connect(edit, &QLineEdit::textEdited, this, &FormView::edited);
    LoadFromImage();
}

void ModelView::LoadFromImage() {
    const RadioIdentity id = RadioIdentity::read(image());
    for (std::size_t i = 0; i < edits_.size(); ++i)
        showStoredText(edits_[i], id.*RadioIdentity::fields()[i].value);
}

void ModelView::SaveToImage() {
    RadioIdentity::writeEditable(image(), edits_[0]->text(), edits_[1]->text(), edits_[2]->text());
}

#include "moc_ModelView.cpp"

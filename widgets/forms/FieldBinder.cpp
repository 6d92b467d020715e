#include "FieldBinder.h"

#include "CharFilterValidator.h"
#include "FieldCodecs.h"
#include "FieldGrid.h"
#include "NumberField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

FieldBinder::FieldBinder(const std::vector<FieldDescription>& fields, const MemoryImage& image)
    : fields_(fields) {
    for (const FieldDescription& f : fields_) {
        items_.push_back(Fields::items(f, image));
        controls_.push_back(makeControl(f, items_.back()));
    }
}

QWidget* FieldBinder::makeControl(const FieldDescription& f, const QStringList& items) const {
    const QString label = QString::fromLatin1(f.label);
    QWidget* control = nullptr;
    switch (f.codec->control) {
    case FieldControl::List: {
        auto* list = new QComboBox;
        list->addItems(items);
        control = list;
        break;
    }
    case FieldControl::Number:
        return new NumberField(label, f.number);
    case FieldControl::Check:
        control = new QCheckBox(label);
        break;
    case FieldControl::Text: {
        auto* edit = new QLineEdit;
        edit->setMaxLength(f.width);
        if (f.chars) {
            const CharSet set = *f.chars;
            edit->setValidator(new CharFilterValidator([set](QChar c) { return accepts(set, c); },
                                                       f.upperCase, edit));
        }
        control = edit;
        break;
    }
    }
    control->setAccessibleName(label);
    return control;
}

void FieldBinder::place(FieldGrid& grid) const {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        QWidget* control = controls_[i];
        if (fields_[i].hidden)
            grid.addHidden(control);
        else if (fields_[i].codec->control == FieldControl::Check)
            grid.add(control);
        else
            grid.add(QString::fromLatin1(fields_[i].label), control);
    }
}

FieldValue FieldBinder::value(std::size_t i) const {
    QWidget* c = controls_[i];
    switch (fields_[i].codec->control) {
    case FieldControl::List: {
        // By text: a form may show fewer entries than the field has (exclusive choices).
        const auto* list = static_cast<QComboBox*>(c);
        return {list->currentIndex() < 0 ? -1 : int(items_[i].indexOf(list->currentText())), {}};
    }
    case FieldControl::Number:
        return {-1, static_cast<NumberField*>(c)->text()};
    case FieldControl::Check:
        return {static_cast<QCheckBox*>(c)->isChecked() ? 1 : 0, {}};
    case FieldControl::Text:
        break;
    }
    return {-1, static_cast<QLineEdit*>(c)->text()};
}

void FieldBinder::setValue(std::size_t i, const FieldValue& v) {
    QWidget* c = controls_[i];
    switch (fields_[i].codec->control) {
    case FieldControl::List: {
        auto* list = static_cast<QComboBox*>(c);
        list->setCurrentIndex(v.index < 0 ? -1 : list->findText(items_[i].value(v.index)));
        break;
    }
    case FieldControl::Number:
        if (auto* edit = static_cast<NumberField*>(c)->editor(); edit->text() != v.text)
            edit->setText(v.text);
        break;
    case FieldControl::Check:
        static_cast<QCheckBox*>(c)->setChecked(v.index > 0);
        break;
    case FieldControl::Text: {
        // The stored text is shown as it is: the filter is for typing.
        auto* edit = static_cast<QLineEdit*>(c);
        const QValidator* filter = edit->validator();
        edit->setValidator(nullptr);
        edit->setText(v.text);
        edit->setValidator(filter);
        break;
    }
    }
}

void FieldBinder::load(const MemoryImage& image, std::uint32_t base) {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (fields_[i].itemsFrom) {
            QStringList items = fields_[i].itemsFrom(image);
            if (items != items_[i]) {
                auto* list = static_cast<QComboBox*>(controls_[i]);
                list->clear();
                list->addItems(items);
                items_[i] = std::move(items);
            }
        }
        setValue(i, Fields::load(fields_[i], items_[i], image, base));
    }
}

void FieldBinder::fallbackStep() {
    for (std::size_t i = 0; i < fields_.size(); ++i)
        setValue(i, Fields::withFallback(fields_[i], items_[i], value(i)));
}

void FieldBinder::onLeave(const char* label, std::function<void()> rule) {
    auto* edit = qobject_cast<QLineEdit*>(control(label));
    QObject::connect(edit, &QLineEdit::editingFinished, edit, rule);
    leaveRules_.emplace_back(edit, std::move(rule));
}

// A value still being typed is entered as leaving its field would enter it.
void FieldBinder::enterPending() {
    for (const auto& [edit, rule] : leaveRules_)
        if (edit->isModified()) {
            rule();
            edit->setModified(false);
        }
}

void FieldBinder::store(MemoryImage& image, std::uint32_t base) {
    enterPending();
    fallbackStep();
    for (std::size_t i = 0; i < fields_.size(); ++i)
        Fields::store(fields_[i], items_[i], value(i), image, base);
}

void FieldBinder::onEdited(QObject* context, const std::function<void()>& edited) const {
    for (QWidget* c : controls_) {
        if (auto* list = qobject_cast<QComboBox*>(c))
            QObject::connect(list, &QComboBox::activated, context, edited);
        else if (auto* number = qobject_cast<NumberField*>(c))
            QObject::connect(number, &NumberField::edited, context, edited);
        else if (auto* box = qobject_cast<QCheckBox*>(c))
            QObject::connect(box, &QCheckBox::clicked, context, edited);
        else if (auto* edit = qobject_cast<QLineEdit*>(c))
            QObject::connect(edit, &QLineEdit::textEdited, context, edited);
    }
}

QWidget* FieldBinder::control(const char* label) const {
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (qstrcmp(fields_[i].label, label) == 0)
            return controls_[i];
    return nullptr;
}

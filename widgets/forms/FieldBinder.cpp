#include "FieldBinder.h"
#include "ListHelpers.h"

#include "CharFilterValidator.h"
#include "FieldCodecs.h"
#include "FieldGrid.h"
#include "Language.h"
#include "NumberField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>

FieldBinder::FieldBinder(const std::vector<FieldDescription>& fields, const MemoryImage& image)
    : fields_(fields) {
    for (const FieldDescription& f : fields_) {
        items_.push_back(Fields::items(f, image));
        controls_.push_back(makeControl(f, items_.back()));
    }
}

QWidget* FieldBinder::makeControl(const FieldDescription& f, const QStringList& items) const {
    const QString label = Language::shown(f.label);
    QWidget* control = nullptr;
    switch (f.codec->control) {
    case FieldControl::List: {
        auto* list = new QComboBox;
        ListHelpers::addEntries(list, items);
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

void FieldBinder::place(FieldGrid& grid, int group) const {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const FieldDescription& f = fields_[i];
        QWidget* control = controls_[i];
        if (f.place.group != group)
            continue;
        if (f.hidden)
            grid.addHidden(control);
        else if (f.place.row >= 0)
            grid.addAt(f.place, control);
        else if (f.codec->control == FieldControl::Check)
            grid.add(control);
        else
            grid.add(Language::shown(f.label), control);
    }
}

FieldValue FieldBinder::value(std::size_t i) const {
    QWidget* c = controls_[i];
    switch (fields_[i].codec->control) {
    case FieldControl::List: {
        // By text: a form may show fewer entries than the field has (exclusive choices).
        const auto* list = static_cast<QComboBox*>(c);
        return {list->currentIndex() < 0 ? -1
                                         : int(items_[i].indexOf(ListHelpers::currentEntry(list))),
                {}};
    }
    case FieldControl::Number:
        return {-1, static_cast<NumberField*>(c)->storedText()};
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
        list->setCurrentIndex(v.index < 0 ? -1 : list->findData(items_[i].value(v.index)));
        break;
    }
    case FieldControl::Number:
        if (auto* field = static_cast<NumberField*>(c); field->storedText() != v.text)
            field->setStoredText(v.text);
        break;
    case FieldControl::Check:
        static_cast<QCheckBox*>(c)->setChecked(v.index > 0);
        break;
    case FieldControl::Text: {
        showStoredText(static_cast<QLineEdit*>(c), v.text);
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
                ListHelpers::addEntries(list, items);
                items_[i] = std::move(items);
            }
        }
        setValue(i, Fields::load(fields_[i], items_[i], image, base));
    }
    for (const Leave& leave : leaveRules_)
        *leave.previous = leave.edit->text();
}

void FieldBinder::fallbackStep() {
    for (std::size_t i = 0; i < fields_.size(); ++i)
        setValue(i, Fields::withFallback(fields_[i], items_[i], value(i)));
}

namespace {
// Takes a field's text as the one to fall back on when the field gets the focus.
class PreviousText : public QObject {
public:
    PreviousText(QLineEdit* edit, std::shared_ptr<QString> previous)
        : QObject(edit), edit_(edit), previous_(std::move(previous)) {
        edit->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn)
            *previous_ = edit_->text();
        return QObject::eventFilter(watched, event);
    }

private:
    QLineEdit* edit_;
    std::shared_ptr<QString> previous_;
};
} // namespace

void FieldBinder::onLeave(const QString& label, LeaveRule rule) {
    Leave leave{qobject_cast<QLineEdit*>(control(label)), std::move(rule),
                std::make_shared<QString>()};
    new PreviousText(leave.edit, leave.previous);
    QObject::connect(leave.edit, &QLineEdit::editingFinished, connections_.get(),
                     [this, leave] { enter(leave); });
    leaveRules_.push_back(std::move(leave));
}

void FieldBinder::enter(const Leave& leave) {
    const QString text = leave.rule(leave.edit->text(), *leave.previous);
    if (text != leave.edit->text())
        leave.edit->setText(text);
    leave.edit->setModified(false);
}

// A value still being typed is entered as leaving its field would enter it.
void FieldBinder::enterPending() {
    for (const Leave& leave : leaveRules_)
        if (leave.edit->isModified())
            enter(leave);
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

std::size_t FieldBinder::indexOf(const QString& label) const {
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (fields_[i].label == label)
            return i;
    return fields_.size();
}

QWidget* FieldBinder::control(const QString& label) const {
    const std::size_t i = indexOf(label);
    return i < controls_.size() ? controls_[i] : nullptr;
}

FieldValue FieldBinder::value(const QString& label) const {
    const std::size_t i = indexOf(label);
    return i < fields_.size() ? value(i) : FieldValue();
}

void FieldBinder::setRule(const QString& label, const NumberRule& rule) {
    const std::size_t i = indexOf(label);
    if (i >= fields_.size() || fields_[i].codec->control != FieldControl::Number)
        return;
    fields_[i].number = rule;
    static_cast<NumberField*>(controls_[i])->setRule(rule);
}

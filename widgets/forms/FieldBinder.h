#pragma once

#include "FieldDescription.h"

#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

class FieldGrid;
class QObject;
class MemoryImage;
class QLineEdit;

// The controls of a table of field descriptions: each built from its description (a list, a
// number field, a check box or a filtered line edit, named by its label), loaded, corrected
// and stored through the field codecs. A form is its table, a binder and its named rules.
class FieldBinder {
public:
    // Builds the controls; lists built from the image take the image as it is now.
    FieldBinder(const std::vector<FieldDescription>& fields, const MemoryImage& image);

    // Places the shown controls of `group` in the grid, as their places say (in table order
    // unless they name a row); the hidden ones only join its owner.
    void place(FieldGrid& grid, int group = 0) const;

    // Every field from the record at `base` (0 for absolute addresses), fallback applied. Lists
    // built from the image are built again first, so that they never offer what it lacks.
    void load(const MemoryImage& image, std::uint32_t base = 0);
    // The fallback step, shown in the controls, then every field into the record at `base`.
    void store(MemoryImage& image, std::uint32_t base = 0);
    // Lists without a choice take their fallback; number fields are corrected.
    void fallbackStep();

    // Calls `edited` whenever the user changes a control (not when a load does).
    void onEdited(QObject* context, const std::function<void()>& edited) const;
    // What a text field shows after the user leaves it, from what it holds and what it held
    // before (when it loaded or last got the focus): a fallback for an emptied field.
    using LeaveRule = std::function<QString(const QString& text, const QString& previous)>;
    // `rule` runs when the user leaves the text field `label`, and before every store while a
    // value typed into it has not been entered yet.
    void onLeave(const QString& label, LeaveRule rule);

    QWidget* control(const QString& label) const;
    template <typename Control> Control* control(const QString& label) const {
        return qobject_cast<Control*>(control(label));
    }
    FieldValue value(std::size_t field) const;
    FieldValue value(const QString& label) const;
    void setValue(std::size_t field, const FieldValue& value);
    // A number field whose range depends on another choice (a standard's nominal width) takes
    // a new rule, for its control and its loads and stores.
    void setRule(const QString& label, const NumberRule& rule);

private:
    QWidget* makeControl(const FieldDescription& field, const QStringList& items) const;
    void enterPending();

    std::size_t indexOf(const QString& label) const;

    std::vector<FieldDescription> fields_;
    std::vector<QStringList> items_;
    std::vector<QWidget*> controls_;
    struct Leave {
        QLineEdit* edit;
        LeaveRule rule;
        std::shared_ptr<QString> previous;
    };
    void enter(const Leave& leave);
    std::vector<Leave> leaveRules_;
    // The receiver of the binder's own connections: they end with the binder.
    std::unique_ptr<QObject> connections_ = std::make_unique<QObject>();
};

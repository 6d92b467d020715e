#pragma once

#include "FieldDescription.h"

#include <QStringList>
#include <functional>
#include <vector>

class FieldGrid;
class QObject;
class MemoryImage;
class QLineEdit;
class QWidget;

// The controls of a table of field descriptions: each built from its description (a list, a
// number field, a check box or a filtered line edit, named by its label), loaded, corrected
// and stored through the field codecs. A form is its table, a binder and its named rules.
class FieldBinder {
public:
    // Builds the controls; lists built from the image take the image as it is now.
    FieldBinder(const std::vector<FieldDescription>& fields, const MemoryImage& image);

    // Places the shown controls in the grid in table order; the hidden ones only join its owner.
    void place(FieldGrid& grid) const;

    // Every field from the record at `base` (0 for absolute addresses), fallback applied. Lists
    // built from the image are built again first, so that they never offer what it lacks.
    void load(const MemoryImage& image, std::uint32_t base = 0);
    // The fallback step, shown in the controls, then every field into the record at `base`.
    void store(MemoryImage& image, std::uint32_t base = 0);
    // Lists without a choice take their fallback; number fields are corrected.
    void fallbackStep();

    // Calls `edited` whenever the user changes a control (not when a load does).
    void onEdited(QObject* context, const std::function<void()>& edited) const;
    // `rule` runs when the user leaves the text field `label`, and before every store while a
    // value typed into it has not been entered yet.
    void onLeave(const char* label, std::function<void()> rule);

    QWidget* control(const char* label) const;
    FieldValue value(std::size_t field) const;
    void setValue(std::size_t field, const FieldValue& value);

private:
    QWidget* makeControl(const FieldDescription& field, const QStringList& items) const;
    void enterPending();

    const std::vector<FieldDescription>& fields_;
    std::vector<QStringList> items_;
    std::vector<QWidget*> controls_;
    std::vector<std::pair<QLineEdit*, std::function<void()>>> leaveRules_;
};

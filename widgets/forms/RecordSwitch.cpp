#include "RecordSwitch.h"

#include <QComboBox>
#include <QTabBar>

RecordSwitch::RecordSwitch(QWidget* selector, RecordOf recordOf, Io load, Io store)
    : QObject(selector), selector_(selector), recordOf_(std::move(recordOf)),
      load_(std::move(load)), store_(std::move(store)) {
    if (auto* tabs = qobject_cast<QTabBar*>(selector))
        connect(tabs, &QTabBar::currentChanged, this, &RecordSwitch::entryChosen);
    else if (auto* list = qobject_cast<QComboBox*>(selector))
        connect(list, &QComboBox::currentIndexChanged, this, &RecordSwitch::entryChosen);
}

int RecordSwitch::selected() const {
    if (auto* tabs = qobject_cast<QTabBar*>(selector_))
        return std::max(0, tabs->currentIndex());
    return std::max(0, qobject_cast<QComboBox*>(selector_)->currentIndex());
}

void RecordSwitch::load() {
    entry_ = selected();
    shown_ = true;
    load_(record());
}

void RecordSwitch::store() {
    if (shown_)
        store_(record());
}

void RecordSwitch::entryChosen(int entry) {
    // Entries added before anything was shown switch nothing.
    if (entry < 0 || !shown_ || entry == entry_)
        return;
    selector_->setFocus();
    store();
    entry_ = entry;
    load_(record());
    Q_EMIT switched();
}

RecordArrayBinder::RecordArrayBinder(const std::vector<FieldDescription>& fields,
                                     MemoryImage& image, QWidget* selector,
                                     RecordSwitch::RecordOf recordOf)
    : FieldBinder(fields, image), image_(image), records_(
                                                     selector, std::move(recordOf),
                                                     [this](std::uint32_t record) {
                                                         loading();
                                                         FieldBinder::load(image_, record);
                                                         loaded();
                                                     },
                                                     [this](std::uint32_t record) {
                                                         storing();
                                                         FieldBinder::store(image_, record);
                                                     }) {}

#include "moc_RecordSwitch.cpp"

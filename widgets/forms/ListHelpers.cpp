#include "ListHelpers.h"
#include "Language.h"

#include "DecimalText.h"

#include <QComboBox>

namespace ListHelpers {

QStringList itemsOf(const QComboBox* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << (list->itemData(i).isValid() ? list->itemData(i).toString() : list->itemText(i));
    return items;
}

void selectByText(QComboBox* list, const QString& text, Match match) {
    list->setCurrentIndex(ListChoice::indexOfText(itemsOf(list), text, match));
}

void selectCode(QComboBox* list, int code) {
    list->setCurrentIndex(ListChoice::indexOfCode(itemsOf(list), code));
}

void ensureSelection(QComboBox* list, int fallback, bool byText) {
    if (list->currentIndex() >= 0)
        return;
    if (byText)
        selectByText(list, QString::number(fallback));
    else
        selectCode(list, fallback);
}

QStringList numberItems(int first, int last) {
    QStringList list;
    for (int i = first; i <= last; ++i)
        list << QString::number(i);
    return list;
}

QComboBox* newList(const QString& name, const QStringList& items) {
    auto* list = new QComboBox;
    list->setAccessibleName(name);
    addEntries(list, items);
    return list;
}

void addEntries(QComboBox* list, const QStringList& items) {
    for (const QString& item : items)
        list->addItem(Language::shown(item), item);
}

QString currentEntry(const QComboBox* list) {
    const QVariant entry = list->currentData();
    return entry.isValid() ? entry.toString() : list->currentText();
}

int chosenNumber(const QComboBox* list) {
    return DecimalText::leadingInt(list->currentText());
}

} // namespace ListHelpers

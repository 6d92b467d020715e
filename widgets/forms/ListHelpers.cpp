#include "ListHelpers.h"

#include "DecimalText.h"

#include <QComboBox>

namespace ListHelpers {

void selectByText(QComboBox* list, const QString& text) {
    for (int i = 0; i < list->count(); ++i)
        if (list->itemText(i).startsWith(text, Qt::CaseInsensitive)) {
            list->setCurrentIndex(i);
            return;
        }
    list->setCurrentIndex(-1);
}

void selectCode(QComboBox* list, int code) {
    list->setCurrentIndex(code >= 0 && code < list->count() ? code : -1);
}

void ensureSelection(QComboBox* list, int fallback, bool byText) {
    if (list->currentIndex() >= 0)
        return;
    if (byText)
        selectByText(list, QString::number(fallback));
    else
        selectCode(list, fallback);
}

int chosenNumber(const QComboBox* list) {
    return DecimalText::leadingInt(list->currentText());
}

} // namespace ListHelpers

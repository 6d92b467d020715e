#include "CharFilterValidator.h"

#include <QLineEdit>

CharFilterValidator::CharFilterValidator(std::function<bool(QChar)> accept, bool upperCase,
                                         QObject* parent)
    : QValidator(parent), accept_(std::move(accept)), upperCase_(upperCase) {}

QValidator::State CharFilterValidator::validate(QString& input, int& position) const {
    QString kept;
    int keptBeforeCursor = 0;
    for (int i = 0; i < input.size(); ++i) {
        const QChar c = upperCase_ ? input[i].toUpper() : input[i];
        if (!accept_ || accept_(c)) {
            kept += c;
            if (i < position)
                ++keptBeforeCursor;
        }
    }
    input = kept;
    position = keptBeforeCursor;
    return Acceptable;
}

void showStoredText(QLineEdit* edit, const QString& text) {
    const QValidator* filter = edit->validator();
    edit->setValidator(nullptr);
    edit->setText(text);
    edit->setValidator(filter);
}

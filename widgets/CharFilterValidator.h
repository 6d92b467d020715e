#pragma once

#include <QValidator>
#include <functional>

class QLineEdit;

// Keeps only the characters an edit field accepts (typed or pasted), optionally turning
// letters to upper case first. Dropped characters vanish without a message.
class CharFilterValidator : public QValidator {
public:
    CharFilterValidator(std::function<bool(QChar)> accept, bool upperCase, QObject* parent);
    State validate(QString& input, int& position) const override;

private:
    std::function<bool(QChar)> accept_;
    bool upperCase_;
};

// Shows `text` as stored: the edit's filter applies to what is typed, not to what is loaded, so
// that a name holding characters the filter drops is shown, and stored back, as it is.
void showStoredText(QLineEdit* edit, const QString& text);

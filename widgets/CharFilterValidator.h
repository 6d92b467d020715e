#pragma once

#include <QValidator>
#include <functional>

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

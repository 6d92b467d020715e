#pragma once

#include <QString>

// The outcome of a file, CSV or link operation. On failure `message` is what the user must see
// and `detail` says what happened, naming the file, port or block; either may be empty.
struct Result {
    bool ok = true;
    QString message;
    QString detail;

    static Result failure(QString message, QString detail = {}) {
        return {false, std::move(message), std::move(detail)};
    }
};

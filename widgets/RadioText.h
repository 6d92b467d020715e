#pragma once

#include <QCoreApplication>
#include <QString>

// A text of the radio program's tables (a list entry, a column title) as shown: its
// translation in the "Radio" context, where the tables mark them.
inline QString radioText(const QString& text) {
    return text.isEmpty() ? text : QCoreApplication::translate("Radio", text.toUtf8().constData());
}

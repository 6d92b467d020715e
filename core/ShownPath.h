#pragma once

#include <QDir>
#include <QString>

// A file's path as people of the system read it: "C:\Users\..." on Windows, as stored elsewhere.
inline QString shownPath(const QString& path) {
    return QDir::toNativeSeparators(path);
}

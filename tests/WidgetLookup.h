#pragma once

#include <QTest>
#include <QWidget>

// Controls are found the way a screen reader finds them: by their label.
template <typename T> T* byName(const QWidget& parent, const QString& name) {
    for (T* w : parent.findChildren<T*>())
        if (w->accessibleName() == name)
            return w;
    return nullptr;
}

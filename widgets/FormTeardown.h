#pragma once

#include <QObject>

// A form going away hides its fields, and a field that loses the focus reports its entry.
// Called first thing in a form's destructor, this stops those reports reaching a form whose
// own members are already gone.
inline void disconnectChildrenFrom(QObject* form) {
    for (QObject* child : form->findChildren<QObject*>())
        QObject::disconnect(child, nullptr, form, nullptr);
}

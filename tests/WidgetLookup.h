#pragma once

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

// Controls are found the way a screen reader finds them: by their label, given in English and
// found in the language the run loaded (a form's label or a program text).
template <typename T> T* byName(const QWidget& parent, const QString& name) {
    const QByteArray english = name.toUtf8();
    const QString radio = QCoreApplication::translate("Radio", english.constData());
    const QString program = QCoreApplication::translate("Duoband", english.constData());
    for (T* w : parent.findChildren<T*>())
        if (const QString shown = w->accessibleName();
            shown == name || shown == radio || shown == program)
            return w;
    return nullptr;
}

// A list's entries, in order.
inline QStringList itemsOf(const QComboBox* box) {
    QStringList list;
    for (int i = 0; i < box->count(); ++i)
        list << box->itemText(i);
    return list;
}

// Types `text` over what a line edit holds and leaves it with Tab, as a user does.
inline void enter(QLineEdit* field, const QString& text) {
    field->setFocus();
    QTRY_VERIFY(field->hasFocus());
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Tab);
}

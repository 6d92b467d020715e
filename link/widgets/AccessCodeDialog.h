#pragma once

#include <QDialog>

class QLineEdit;

// The "Password" prompt of a read protected radio: at most 8 characters.
class AccessCodeDialog : public QDialog {
    Q_OBJECT
public:
    explicit AccessCodeDialog(QWidget* parent = nullptr);
    QString code() const;

private:
    QLineEdit* edit_;
};

#include "AccessCodeDialog.h"
#include "Texts.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

AccessCodeDialog::AccessCodeDialog(QWidget* parent) : QDialog(parent), edit_(new QLineEdit) {
    setWindowTitle(Texts::tr("Password"));
    edit_->setMaxLength(8);
    edit_->setEchoMode(QLineEdit::Password);
    edit_->setAccessibleName(Texts::tr("Password"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QFormLayout(this);
    layout->addRow(Texts::tr("This radio is read protected. Access code:"), edit_);
    layout->addRow(buttons);
}

QString AccessCodeDialog::code() const {
    return edit_->text();
}

#include "moc_AccessCodeDialog.cpp"

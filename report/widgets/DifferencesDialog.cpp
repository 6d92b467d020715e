#include "DifferencesDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

DifferencesDialog::DifferencesDialog(const QString& caption, const QString& heading,
                                     const std::vector<Difference>& differences,
                                     const QString& goOnText, QWidget* parent)
    : QDialog(parent), list_(new QPlainTextEdit) {
    setWindowTitle(caption);
    auto* label = new QLabel(heading);
    label->setWordWrap(true);
    QStringList lines;
    for (const Difference& d : differences)
        lines << differenceLine(d);
    list_->setPlainText(lines.isEmpty() ? QStringLiteral("No differences.") : lines.join(u'\n'));
    list_->setReadOnly(true);
    list_->setLineWrapMode(QPlainTextEdit::NoWrap);
    list_->setAccessibleName(QStringLiteral("Differences"));
    label->setBuddy(list_);

    auto* buttons = new QDialogButtonBox;
    if (goOnText.isEmpty()) {
        buttons->addButton(QDialogButtonBox::Close);
    } else {
        buttons->addButton(goOnText, QDialogButtonBox::AcceptRole);
        buttons->addButton(QDialogButtonBox::Cancel)->setDefault(true);
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    resize(760, 420);
    list_->setFocus();
}

// The sort dialog of the channel table: the keys, the order and the range, kept in the
// configuration between uses.
#include "ChannelSortDialog.h"
#include "Language.h"
#include "Texts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QVBoxLayout>

namespace {

const QString kKeysSetting = QStringLiteral("Channel table/Sort keys");
const QString kDescendingSetting = QStringLiteral("Channel table/Sort descending");

QComboBox* columnList(bool withNone) {
    auto* box = new QComboBox;
    if (withNone)
        box->addItem(Texts::tr("(none)"), -1);
    for (int column : ChannelOrder::sortColumns())
        box->addItem(Language::shown(ChannelTable::headers()[column]), column);
    return box;
}

} // namespace

ChannelSortDialog::ChannelSortDialog(int chosenRows, QWidget* parent)
    : QDialog(parent), first_(columnList(false)), second_(columnList(true)),
      ascending_(new QRadioButton(Texts::tr("Ascending"))),
      descending_(new QRadioButton(Texts::tr("Descending"))),
      chosen_(new QRadioButton(Texts::tr("Chosen rows (%1)").arg(chosenRows))),
      all_(new QRadioButton(Texts::tr("All channels in use"))) {
    setWindowTitle(Texts::tr("Sort channels"));
    first_->setAccessibleName(Texts::tr("Sort by"));
    second_->setAccessibleName(Texts::tr("Then by"));
    for (QRadioButton* b : {ascending_, descending_, chosen_, all_})
        b->setAccessibleName(b->text());

    const QStringList keys = QSettings().value(kKeysSetting).toString().split(u',');
    if (const auto column = ChannelOrder::columnOfKeyName(keys.value(0)))
        first_->setCurrentIndex(first_->findData(*column));
    if (const auto column = ChannelOrder::columnOfKeyName(keys.value(1)))
        second_->setCurrentIndex(second_->findData(*column));
    (QSettings().value(kDescendingSetting).toBool() ? descending_ : ascending_)->setChecked(true);
    chosen_->setEnabled(chosenRows >= 2);
    (chosenRows >= 2 ? chosen_ : all_)->setChecked(true);

    auto* order = new QHBoxLayout;
    order->addWidget(ascending_);
    order->addWidget(descending_);
    order->addStretch();
    auto* range = new QVBoxLayout;
    range->addWidget(chosen_);
    range->addWidget(all_);
    auto* form = new QFormLayout;
    form->addRow(Texts::tr("Sort by:"), first_);
    form->addRow(Texts::tr("Then by:"), second_);
    form->addRow(Texts::tr("Order:"), order);
    form->addRow(Texts::tr("Channels:"), range);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(Texts::tr("Sort"));
    buttons->button(QDialogButtonBox::Ok)->setAccessibleName(Texts::tr("Sort"));
    buttons->button(QDialogButtonBox::Cancel)->setAccessibleName(Texts::tr("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

std::vector<ChannelOrder::SortKey> ChannelSortDialog::keys() const {
    const bool down = descending_->isChecked();
    std::vector<ChannelOrder::SortKey> keys{{first_->currentData().toInt(), down}};
    const int second = second_->currentData().toInt();
    if (second >= 0 && second != keys.front().column)
        keys.push_back({second, down});
    return keys;
}

bool ChannelSortDialog::chosenRowsOnly() const {
    return chosen_->isChecked();
}

void ChannelSortDialog::accept() {
    QStringList names;
    for (const ChannelOrder::SortKey& key : keys())
        names << ChannelOrder::keyName(key.column);
    QSettings settings;
    settings.setValue(kKeysSetting, names.join(u','));
    settings.setValue(kDescendingSetting, descending_->isChecked());
    QDialog::accept();
}

#include "moc_ChannelSortDialog.cpp"

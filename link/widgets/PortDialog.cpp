#include "PortDialog.h"
#include "Texts.h"

#include "SerialPorts.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

QList<PortEntry> scanPorts() {
    QList<PortEntry> ports;
    for (const SerialPortInfo& info : systemSerialPorts())
        ports << PortEntry{info.name, info.description, info.usbIds, canOpenPort(info.name)};
    return ports;
}

PortDialog::PortDialog(const QList<PortEntry>& ports, const QString& currentPort, QWidget* parent)
    : QDialog(parent), list_(new QTreeWidget), path_(new QLineEdit), current_(currentPort) {
    setWindowTitle(Texts::tr("Port"));
    list_->setAccessibleName(Texts::tr("Port"));
    list_->setHeaderLabels({Texts::tr("Port"), Texts::tr("Description"), Texts::tr("USB id")});
    list_->setRootIsDecorated(false);
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    bool currentListed = false;
    for (const PortEntry& p : ports) {
        auto* item = new QTreeWidgetItem(list_, {p.name, p.description, p.usbIds});
        if (!p.available) {
            item->setFlags(item->flags() & ~Qt::ItemIsEnabled);
            item->setToolTip(0, Texts::tr("In use or not accessible"));
        } else if (p.name == currentPort) {
            list_->setCurrentItem(item);
            item->setSelected(true);
            currentListed = true;
        }
    }
    // A current port that is not listed (typed by hand) shows in the path field.
    if (!currentListed)
        path_->setText(currentPort);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    path_->setAccessibleName(Texts::tr("Device path"));
#ifdef Q_OS_WIN
    path_->setPlaceholderText(QStringLiteral("COM5, \\\\.\\COM12 ..."));
#else
    path_->setPlaceholderText(Texts::tr("/dev/serial/by-id/... or a pseudo-terminal"));
#endif
    // What the user picks counts, not the list's current item: the list makes its first item
    // current when it takes the focus, and that must not replace a typed path.
    connect(list_, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (!list_->selectedItems().isEmpty())
            path_->clear();
    });
    connect(path_, &QLineEdit::textEdited, this, [this] { list_->clearSelection(); });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    if (ports.isEmpty())
        layout->addWidget(new QLabel(Texts::tr("No serial ports were found.")));
    layout->addWidget(list_);
    auto* pathLabel = new QLabel(Texts::tr("Device path"));
    pathLabel->setBuddy(path_);
    layout->addWidget(pathLabel);
    layout->addWidget(path_);
    layout->addWidget(buttons);
    resize(520, 320);
}

QString PortDialog::chosenPort() const {
    const QList<QTreeWidgetItem*> picked = list_->selectedItems();
    if (!picked.isEmpty() && (picked.first()->flags() & Qt::ItemIsEnabled))
        return picked.first()->text(0);
    const QString typed = path_->text().trimmed();
    return typed.isEmpty() ? current_ : typed;
}

#include "moc_PortDialog.cpp"

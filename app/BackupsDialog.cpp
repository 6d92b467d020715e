// The list of backups: read from the backup folders, the differences from the open data counted
// row by row after the dialog shows, so that a long list opens at once.
#include "BackupsDialog.h"
#include "Texts.h"

#include "BandState.h"
#include "ChannelRows.h"
#include "DataFile.h"
#include "Document.h"
#include "MemoryImage.h"
#include "RadioBackups.h"
#include "ReportDiff.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

enum Column { Radio, Taken, Channels, Differences, kColumns };

int channelsInUse(const MemoryImage& image) {
    int n = 0;
    for (int c = 1; c <= 800; ++c)
        n += ChannelRows::inUse(image, c) ? 1 : 0;
    return n;
}

} // namespace

BackupsDialog::BackupsDialog(const QString& root, const Document& open, QWidget* parent)
    : QDialog(parent), open_(open), table_(new QTableWidget) {
    setWindowTitle(Texts::tr("Backups"));
    const std::vector<RadioBackups::Backup> backups = RadioBackups::list(root);
    table_->setColumnCount(kColumns);
    table_->setHorizontalHeaderLabels({Texts::tr("Radio"), Texts::tr("Read on"),
                                       Texts::tr("Channels in use"),
                                       Texts::tr("Differences from the open data")});
    table_->setAccessibleName(Texts::tr("Backups"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setRowCount(int(backups.size()));
    for (int r = 0; r < int(backups.size()); ++r) {
        const RadioBackups::Backup& b = backups[std::size_t(r)];
        paths_ << b.path;
        MemoryImage image;
        const bool readable = loadDataFile(b.path, image).ok;
        const QStringList cells{b.radio, RadioBackups::shownTime(b.taken),
                                readable ? QString::number(channelsInUse(image))
                                         : Texts::tr("cannot be read"),
                                QString()};
        for (int c = 0; c < kColumns; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setToolTip(QDir::toNativeSeparators(b.path));
            table_->setItem(r, c, item);
        }
    }
    table_->resizeColumnsToContents();

    auto* where = new QLabel(
        backups.empty() ? Texts::tr("No radio has been read yet. Every read is kept in %1.")
                              .arg(QDir::toNativeSeparators(root))
                        : Texts::tr("The backups are plain data files in %1; removing one there "
                                    "removes it from this list.")
                              .arg(QDir::toNativeSeparators(root)));
    where->setWordWrap(true);
    where->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QDialogButtonBox;
    openButton_ = buttons->addButton(Texts::tr("Open"), QDialogButtonBox::AcceptRole);
    openButton_->setAccessibleName(Texts::tr("Open"));
    openButton_->setEnabled(false);
    buttons->addButton(QDialogButtonBox::Close)->setAccessibleName(Texts::tr("Close"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(table_, &QTableWidget::itemSelectionChanged, this,
            [this] { openButton_->setEnabled(!table_->selectedItems().isEmpty()); });
    connect(table_, &QTableWidget::cellDoubleClicked, this, &QDialog::accept);
    if (!backups.empty())
        table_->selectRow(0);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_, 1);
    layout->addWidget(where);
    layout->addWidget(buttons);
    resize(720, 420);
    QTimer::singleShot(0, this, &BackupsDialog::countNextDifferences);
}

QString BackupsDialog::chosenPath() const {
    const int row = table_->currentRow();
    return row >= 0 && row < paths_.size() ? paths_[row] : QString();
}

void BackupsDialog::countNextDifferences() {
    if (counted_ >= paths_.size())
        return;
    const int row = counted_++;
    MemoryImage image;
    QString text = QStringLiteral("-");
    if (loadDataFile(paths_[row], image).ok) {
        const Comparison comparison =
            compareData(image, BandState::fromImage(image), open_.image(), open_.bands());
        text = comparison.equal() ? QStringLiteral("none")
                                  : QString::number(comparison.differences.size() +
                                                    (comparison.bytesOutside > 0 ? 1 : 0));
    }
    table_->item(row, Differences)->setText(text);
    QTimer::singleShot(0, this, &BackupsDialog::countNextDifferences);
}

#include "moc_BackupsDialog.cpp"

// The preview of a channel list's import: the import run on a copy of the data, shown line by
// line, run again when the placement changes.
#include "ChannelImportDialog.h"
#include "Language.h"
#include "Texts.h"

#include "BandState.h"
#include "ChannelTable.h"
#include "MemoryImage.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// The table's columns shown for each line, then what happens to it.
constexpr int kShownColumns[] = {
    ChannelTable::Rx,    ChannelTable::Tx,        ChannelTable::DecodeType,
    ChannelTable::Ctcss, ChannelTable::Dcs,       ChannelTable::Power,
    ChannelTable::Scan,  ChannelTable::Bandwidth, ChannelTable::Name};
constexpr int kFirstValue = 2; // after "Line" and "CH"

} // namespace

ChannelImportDialog::ChannelImportDialog(const MemoryImage& image, const BandState& bands,
                                         const QByteArray& csv, const QString& listName,
                                         QWidget* parent)
    : QDialog(parent), image_(image), bands_(bands), csv_(csv), summary_(new QLabel),
      atLocations_(new QRadioButton(Texts::tr("At the channels the list names"))),
      inFileOrder_(new QRadioButton(Texts::tr("In file order from channel"))),
      firstChannel_(new QSpinBox), lines_(new QTableWidget) {
    setWindowTitle(Texts::tr("Import channels - %1").arg(listName));
    summary_->setWordWrap(true);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    atLocations_->setAccessibleName(atLocations_->text());
    inFileOrder_->setAccessibleName(inFileOrder_->text());
    atLocations_->setChecked(true);
    firstChannel_->setRange(1, ChannelTable::kRows);
    firstChannel_->setAccessibleName(Texts::tr("First channel"));
    firstChannel_->setEnabled(false);

    QStringList headers{Texts::tr("Line"),
                        Language::shown(ChannelTable::headers()[ChannelTable::Channel])};
    for (int c : kShownColumns)
        headers << Language::shown(ChannelTable::headers()[c]);
    headers << Texts::tr("What happens");
    lines_->setColumnCount(int(headers.size()));
    lines_->setHorizontalHeaderLabels(headers);
    lines_->verticalHeader()->hide();
    lines_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lines_->setSelectionBehavior(QAbstractItemView::SelectRows);
    lines_->setWordWrap(false);
    lines_->setAccessibleName(Texts::tr("Lines of the list"));

    auto* placement = new QHBoxLayout;
    placement->addWidget(new QLabel(Texts::tr("Place the lines:")));
    placement->addWidget(atLocations_);
    placement->addWidget(inFileOrder_);
    placement->addWidget(firstChannel_);
    placement->addStretch();

    auto* buttons = new QDialogButtonBox;
    import_ = buttons->addButton(Texts::tr("Import"), QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
    import_->setAccessibleName(Texts::tr("Import"));
    cancel->setAccessibleName(Texts::tr("Cancel"));
    import_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(placement);
    layout->addWidget(lines_, 1);
    layout->addWidget(summary_);
    layout->addWidget(buttons);

    connect(inFileOrder_, &QRadioButton::toggled, this, [this](bool on) {
        firstChannel_->setEnabled(on);
        showPreview();
    });
    connect(firstChannel_, &QSpinBox::valueChanged, this, [this] {
        if (inFileOrder_->isChecked())
            showPreview();
    });
    showPreview();
    resize(1000, 560);
}

ChannelImportDialog::~ChannelImportDialog() = default;

ImportPlacement ChannelImportDialog::placement() const {
    return {inFileOrder_->isChecked() ? firstChannel_->value() : 0};
}

void ChannelImportDialog::showPreview() {
    MemoryImage image = image_;
    BandState bands = bands_;
    preview_ = importChannels(image, bands, csv_, placement());
    import_->setEnabled(preview_.ok && preview_.imported > 0);
    if (!preview_.ok) {
        lines_->setRowCount(0);
        summary_->setText(preview_.message);
        return;
    }
    ChannelTable table(image, bands);
    table.fill();
    lines_->setUpdatesEnabled(false);
    lines_->setRowCount(int(preview_.lines.size()));
    auto set = [this](int row, int column, const QString& text) {
        auto* item = lines_->item(row, column);
        if (!item) {
            item = new QTableWidgetItem;
            lines_->setItem(row, column, item);
        }
        item->setText(text);
    };
    const int whatColumn = lines_->columnCount() - 1;
    for (int i = 0; i < int(preview_.lines.size()); ++i) {
        const ImportedLine& line = preview_.lines[std::size_t(i)];
        set(i, 0, QString::number(line.line));
        set(i, 1, line.channel > 0 ? QString::number(line.channel) : QString());
        for (int k = 0; k < int(std::size(kShownColumns)); ++k)
            set(i, kFirstValue + k,
                line.imported ? table.text(line.channel, kShownColumns[k]) : QString());
        set(i, whatColumn, line.what);
        lines_->item(i, whatColumn)->setToolTip(line.what);
        lines_->item(i, whatColumn)
            ->setForeground(line.imported ? palette().text() : QBrush(Qt::darkRed));
    }
    lines_->resizeColumnsToContents();
    lines_->setUpdatesEnabled(true);
    summary_->setText((preview_.summary + QStringList{preview_.countText()}).join(u'\n'));
}

#include "moc_ChannelImportDialog.cpp"

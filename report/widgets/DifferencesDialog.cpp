#include "DifferencesDialog.h"
#include "Texts.h"

#include "ProblemBox.h"
#include "WholeFile.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// Column titles in the language loaded (so asked for when used, not at start-up).
QStringList headers() {
    return {Texts::tr("Section"), Texts::tr("Item"), Texts::tr("Field"), Texts::tr("Before"),
            Texts::tr("After")};
}

QStringList cellsOf(const Difference& d) {
    return {d.section, d.item, d.moved ? Texts::tr("moved to") : d.field, d.before, d.after};
}

// A CSV cell: quoted when it holds a separator, a quote or a line break.
QString csvCell(QString text) {
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n'))
        return text;
    return u'"' + text.replace(u'"', QStringLiteral("\"\"")) + u'"';
}

} // namespace

DifferencesDialog::DifferencesDialog(const QString& caption, const QString& heading,
                                     const Comparison& comparison, const QString& goOnText,
                                     QWidget* parent, bool compared)
    : QDialog(parent), comparison_(comparison), table_(new QTableWidget) {
    setWindowTitle(caption);
    auto* label = new QLabel(heading);
    label->setWordWrap(true);
    const auto& differences = comparison_.differences;
    table_->setAccessibleName(Texts::tr("Differences"));
    table_->setColumnCount(int(headers().size()));
    table_->setHorizontalHeaderLabels(headers());
    table_->setRowCount(int(differences.size()));
    for (int r = 0; r < int(differences.size()); ++r) {
        const QStringList cells = cellsOf(differences[std::size_t(r)]);
        for (int c = 0; c < int(cells.size()); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            item->setToolTip(cells[c]);
            table_->setItem(r, c, item);
        }
    }
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setWordWrap(true);
    table_->verticalHeader()->hide();
    // The columns share the width: nothing to scroll sideways, long texts wrap.
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->resizeRowsToContents();
    table_->setSortingEnabled(true);
    label->setBuddy(table_);

    QStringList notes = comparison_.closingLines();
    if (differences.empty() && notes.isEmpty() && compared)
        notes << Texts::tr("No differences.");
    auto* closing = new QLabel(notes.join(u'\n'));
    closing->setAccessibleName(Texts::tr("Bytes no form shows"));

    auto* buttons = new QDialogButtonBox;
    buttons_ = buttons;
    auto* copyButton = buttons->addButton(Texts::tr("Copy"), QDialogButtonBox::ActionRole);
    auto* saveButton = buttons->addButton(Texts::tr("Save as..."), QDialogButtonBox::ActionRole);
    connect(copyButton, &QPushButton::clicked, this, &DifferencesDialog::copy);
    connect(saveButton, &QPushButton::clicked, this, &DifferencesDialog::save);
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
    layout->addWidget(table_);
    layout->addWidget(closing);
    layout->addWidget(buttons);
    if (differences.empty()) {
        table_->hide();
        copyButton->hide();
        saveButton->hide();
        closing->setVisible(!notes.isEmpty());
        resize(std::max(sizeHint().width(), 480), sizeHint().height());
        return;
    }
    resize(900, 480);
    table_->setFocus();
}

void DifferencesDialog::addOtherChoice(const QString& text) {
    QPushButton* other = buttons_->addButton(text, QDialogButtonBox::ActionRole);
    other->setAccessibleName(text);
    connect(other, &QPushButton::clicked, this, [this] { done(kOtherChoice); });
}

QString DifferencesDialog::asText() const {
    QStringList lines;
    for (const Difference& d : comparison_.differences)
        lines << differenceLine(d);
    lines << comparison_.closingLines();
    return lines.join(u'\n') + u'\n';
}

QString DifferencesDialog::asCsv() const {
    auto line = [](const QStringList& cells) {
        QStringList quoted;
        for (const QString& cell : cells)
            quoted << csvCell(cell);
        return quoted.join(u',');
    };
    QStringList lines = {line(headers())};
    for (const Difference& d : comparison_.differences)
        lines << line(cellsOf(d));
    return lines.join(u'\n') + u'\n';
}

void DifferencesDialog::copy() const {
    QStringList lines = {headers().join(u'\t')};
    for (const Difference& d : comparison_.differences)
        lines << cellsOf(d).join(u'\t');
    QGuiApplication::clipboard()->setText(lines.join(u'\n') + u'\n');
}

QString DifferencesDialog::saveTo(const QString& path) const {
    const bool csv = path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive);
    const Result written = writeWholeFile(path, (csv ? asCsv() : asText()).toUtf8());
    return written.ok ? QString() : written.message;
}

void DifferencesDialog::save() {
    const QString path = QFileDialog::getSaveFileName(this, Texts::tr("Save differences"),
                                                      QStringLiteral("differences.txt"),
                                                      Texts::tr("Text (*.txt);;CSV (*.csv)"));
    if (path.isEmpty())
        return;
    if (const QString problem = saveTo(path); !problem.isEmpty())
        showProblem(this, problem);
}

#include "moc_DifferencesDialog.cpp"

#include "CDtmfView.h"

#include "CharFilterValidator.h"
#include "FieldGrid.h"
#include "FormTeardown.h"
#include "GridControl.h"
#include "InPlaceEditor.h"
#include "ListHelpers.h"
#include "MemoryImage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>

using Separator = DtmfSettings::Separator;
using T = DtmfCodeTable;

namespace {

bool printable(QChar c) {
    return c.unicode() >= 0x20 && c.unicode() <= 0x7E;
}

} // namespace

// --- Code page ------------------------------------------------------------------------------

CDtmfCodePage::CDtmfCodePage(MemoryImage& image, QWidget* parent)
    : CSettingsPage(image, parent), binder_(DtmfSettings::codeFields(), image), table_(image),
      group_(qobject_cast<QComboBox*>(binder_.control("Group code"))),
      delimiter_(qobject_cast<QComboBox*>(binder_.control("Delimiter"))), grid_(new GridControl) {
    auto* fields = new QGridLayout;
    FieldGrid placer(this, fields, 1);
    binder_.place(placer);
    auto* left = new QVBoxLayout;
    left->addLayout(fields);
    left->addStretch();
    buildGrid();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addWidget(grid_, 0, Qt::AlignTop);
    layout->addStretch();

    // The Self ID cannot hold the characters that separate codes.
    auto* selfId = qobject_cast<QLineEdit*>(binder_.control("Self ID"));
    selfId->setValidator(new CharFilterValidator(
        [this](QChar c) {
            return accepts(CharSet::Dtmf, c) && c != chosenSeparator(group_) &&
                   c != chosenSeparator(delimiter_);
        },
        true, selfId));
    connect(group_, &QComboBox::activated, this, [this] { separatorChosen(Separator::Group); });
    connect(delimiter_, &QComboBox::activated, this,
            [this] { separatorChosen(Separator::Delimiter); });
    auto* sideTone = qobject_cast<QCheckBox*>(binder_.control("Side tone"));
    auto* beep = qobject_cast<QCheckBox*>(binder_.control("Beep"));
    connect(sideTone, &QCheckBox::clicked, this, [this] { sideToneExcludesBeep(true); });
    connect(beep, &QCheckBox::clicked, this, [this] { sideToneExcludesBeep(false); });
    binder_.onEdited(this, [this] { Q_EMIT edited(); });
    LoadFromImage();
}

CDtmfCodePage::~CDtmfCodePage() {
    disconnectChildrenFrom(this);
}

void CDtmfCodePage::buildGrid() {
    grid_->setAccessibleName(QStringLiteral("DTMF codes"));
    grid_->setGridSize(T::kRows + 1, T::kColumns);
    for (int c = 0; c < T::kColumns; ++c) {
        grid_->setText(0, c, T::headers()[c]);
        grid_->setColumnWidthTwips(c, T::widthTwips(c));
        grid_->setColumnCentered(c);
    }
    grid_->setRowHeightTwips(0, 300);
    grid_->setRowHeightTwips(1, 300);
    for (int r = 1; r <= T::kRows; ++r)
        grid_->setText(r, 0, table_.text(r, T::Number));
    // All sixteen rows show without scrolling.
    const int frame = 2 * grid_->frameWidth();
    int width = frame;
    for (int c = 0; c < T::kColumns; ++c)
        width += GridControl::twipsToPixels(T::widthTwips(c), grid_);
    grid_->setFixedSize(width, GridControl::twipsToPixels(300 * (T::kRows + 1), grid_) + frame);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    typeEditor_ =
        new InPlaceEditor(grid_, InPlaceEditor::Kind::List, QStringLiteral("Type editor"));
    typeEditor_->setItems(T::typeItems());
    numEditor_ = new InPlaceEditor(grid_, InPlaceEditor::Kind::Line, QStringLiteral("Num editor"));
    numEditor_->setMaxLength(16);
    // An ANI number cannot hold the delimiter chosen now.
    numEditor_->setFilter({[this](QChar c) {
                               return accepts(CharSet::Dtmf, c) &&
                                      !(table_.isAni(numEditor_->row()) &&
                                        c == chosenSeparator(delimiter_));
                           },
                           true});
    aliasEditor_ =
        new InPlaceEditor(grid_, InPlaceEditor::Kind::Line, QStringLiteral("Alias editor"));
    aliasEditor_->setMaxLength(6);
    aliasEditor_->setFilter({printable, true});
    for (InPlaceEditor* e : {typeEditor_, numEditor_, aliasEditor_})
        connect(e, &InPlaceEditor::committed, this, &CDtmfCodePage::editEnded);
    grid_->setEditing(T::Type, T::Alias,
                      [this](int row, int column) { return beginEdit(row, column); });
    connect(grid_, &GridControl::mousePressed, this,
            [this](Qt::MouseButton button, int row, int column) {
                if (button == Qt::LeftButton)
                    beginEdit(row, column);
            });
}

QChar CDtmfCodePage::chosenSeparator(QComboBox* list) const {
    const QString text = list->currentText();
    return text.isEmpty() ? QChar() : text[0];
}

void CDtmfCodePage::showRow(int row) {
    for (int c : {T::Type, T::Num, T::Alias})
        grid_->setText(row, c, table_.text(row, c));
}

InPlaceEditor* CDtmfCodePage::beginEdit(int row, int column) {
    const int edited = table_.editColumn(row, column);
    if (edited < 0)
        return nullptr;
    InPlaceEditor* editor = edited == T::Type  ? typeEditor_
                            : edited == T::Num ? numEditor_
                                               : aliasEditor_;
    grid_->setCurrentGridCell(row, edited);
    editor->begin(row, edited, table_.text(row, edited));
    return editor;
}

void CDtmfCodePage::editEnded(int row, int column, const QString& text) {
    const QString before = table_.text(row, T::Type) + u'|' + table_.text(row, T::Num) + u'|' +
                           table_.text(row, T::Alias);
    table_.commit(row, column, text);
    showRow(row);
    if (before != table_.text(row, T::Type) + u'|' + table_.text(row, T::Num) + u'|' +
                      table_.text(row, T::Alias))
        Q_EMIT edited();
}

// Group code and Delimiter must differ; the delimiter leaves every ANI number and both leave
// the Self ID.
void CDtmfCodePage::separatorChosen(Separator changed) {
    QComboBox* chosen = changed == Separator::Group ? group_ : delimiter_;
    QComboBox* other = changed == Separator::Group ? delimiter_ : group_;
    const QString replacement =
        DtmfSettings::afterChoice(changed, chosen->currentText(), other->currentText());
    if (replacement != other->currentText())
        ListHelpers::selectByText(other, replacement, ListHelpers::Match::Exact);
    if (group_->currentIndex() < 0 || delimiter_->currentIndex() < 0)
        return;
    table_.removeFromAniNums(chosenSeparator(delimiter_));
    for (int r = 1; r <= T::kRows; ++r)
        showRow(r);
    auto* selfId = qobject_cast<QLineEdit*>(binder_.control("Self ID"));
    selfId->setText(DtmfSettings::withoutSeparators(selfId->text(), chosenSeparator(group_),
                                                    chosenSeparator(delimiter_)));
}

void CDtmfCodePage::sideToneExcludesBeep(bool sideToneWins) {
    auto* sideTone = qobject_cast<QCheckBox*>(binder_.control("Side tone"));
    auto* beep = qobject_cast<QCheckBox*>(binder_.control("Beep"));
    if (sideTone->isChecked() && beep->isChecked())
        (sideToneWins ? beep : sideTone)->setChecked(false);
}

void CDtmfCodePage::LoadFromImage() {
    binder_.load(image());
    sideToneExcludesBeep(true);
    table_.fill();
    for (int r = 1; r <= T::kRows; ++r)
        showRow(r);
}

void CDtmfCodePage::SaveToImage() {
    for (InPlaceEditor* e : {typeEditor_, numEditor_, aliasEditor_})
        e->finish(); // an open edit belongs to the table being stored
    sideToneExcludesBeep(true);
    binder_.store(image());
    DtmfSettings::storeFixedBytes(image());
    table_.store();
}

// --- PTTID page -----------------------------------------------------------------------------

CPttIdPage::CPttIdPage(MemoryImage& image, QWidget* parent)
    : CSettingsPage(image, parent), binder_(DtmfSettings::pttIdFields(), image) {
    auto* grid = new QGridLayout;
    const char* const columns[] = {"Type", "Up", "Down"};
    for (int c = 0; c < 3; ++c)
        grid->addWidget(new QLabel(QLatin1String(columns[c])), 0, c + 1);
    const auto& fields = DtmfSettings::pttIdFields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const int k = int(i / 3);
        QWidget* control = binder_.control(fields[i].label);
        if (i % 3 == 0) {
            auto* label = new QLabel(QStringLiteral("PTT ID %1").arg(k + 1));
            label->setBuddy(control);
            grid->addWidget(label, k + 1, 0);
        }
        grid->addWidget(control, k + 1, int(i % 3) + 1);
        control->installEventFilter(this);
    }
    grid->setColumnStretch(2, 1);
    grid->setColumnStretch(3, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    binder_.onEdited(this, [this] { Q_EMIT edited(); });
    LoadFromImage();
}

void CPttIdPage::LoadFromImage() {
    binder_.load(image());
}

void CPttIdPage::SaveToImage() {
    binder_.store(image());
}

// Only DTMF characters can be typed on this page, into the lists as into the codes.
bool CPttIdPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent*>(event)->text();
        if (!text.isEmpty() && text[0].isPrint() && !accepts(CharSet::Dtmf, text[0].toUpper()))
            return true;
    }
    return CSettingsPage::eventFilter(watched, event);
}

// --- The form -------------------------------------------------------------------------------

CDtmfView::CDtmfView(MemoryImage& image, QWidget* parent) : CTabbedFormView(image, parent) {
    setWindowTitle(QStringLiteral("DTMF"));
    setNoTabHelpContext(205);
    addPage(new CDtmfCodePage(image), QStringLiteral("Code"), 205);
    addPage(new CPttIdPage(image), QStringLiteral("PTTID"), 215);
    tabs()->setCurrentIndex(0);
}

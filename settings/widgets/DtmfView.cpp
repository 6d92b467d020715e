#include "DtmfView.h"
#include "Texts.h"

#include "CharFilterValidator.h"
#include "FieldGrid.h"
#include "FormTeardown.h"
#include "GridControl.h"
#include "HelpContexts.h"
#include "ImageMap.h"
#include "ListHelpers.h"
#include "MemoryImage.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

using Separator = DtmfSettings::Separator;
using T = DtmfCodeTable;

namespace {

bool printable(QChar c) {
    return c.unicode() >= 0x20 && c.unicode() <= 0x7E;
}

} // namespace

// --- Code page ------------------------------------------------------------------------------

DtmfCodePage::DtmfCodePage(MemoryImage& image, QWidget* parent)
    : SettingsPage(image, parent), binder_(DtmfSettings::codeFields(), image), table_(image),
      group_(binder_.control<QComboBox>(QStringLiteral("Group code"))),
      delimiter_(binder_.control<QComboBox>(QStringLiteral("Delimiter"))),
      grid_(new GridControl, layoutOf<T>(), ModelGrid::modelOf(table_),
            {{{T::Type}, InPlaceEditor::Kind::List, Texts::tr("Type editor"), 0, T::typeItems()},
             // An ANI number cannot hold the delimiter chosen now.
             {{T::Num},
              InPlaceEditor::Kind::Line,
              Texts::tr("Num editor"),
              16,
              {},
              InPlaceEditor::Filter{[this](QChar c) {
                                        return accepts(CharSet::Dtmf, c) &&
                                               !(table_.isAni(grid_.editor(T::Num)->row()) &&
                                                 c == chosenSeparator(delimiter_));
                                    },
                                    true}},
             {{T::Alias},
              InPlaceEditor::Kind::Line,
              Texts::tr("Alias editor"),
              6,
              {},
              InPlaceEditor::Filter{printable, true}}}) {
    grid()->setAccessibleName(Texts::tr("DTMF codes"));
    auto* fields = new QGridLayout;
    FieldGrid placer(this, fields, 1);
    binder_.place(placer);
    auto* left = new QVBoxLayout;
    left->addLayout(fields);
    left->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addWidget(grid(), 0, Qt::AlignTop);
    layout->addStretch();

    // The Self ID cannot hold the characters that separate codes.
    auto* selfId = binder_.control<QLineEdit>(QStringLiteral("Self ID"));
    selfId->setValidator(new CharFilterValidator(
        [this](QChar c) {
            return accepts(CharSet::Dtmf, c) && c != chosenSeparator(group_) &&
                   c != chosenSeparator(delimiter_);
        },
        true, selfId));
    connect(group_, &QComboBox::activated, this, [this] { separatorChosen(Separator::Group); });
    connect(delimiter_, &QComboBox::activated, this,
            [this] { separatorChosen(Separator::Delimiter); });
    connect(binder_.control<QCheckBox>(QStringLiteral("Side tone")), &QCheckBox::clicked, this,
            [this] { sideToneExcludesBeep(true); });
    connect(binder_.control<QCheckBox>(QStringLiteral("Beep")), &QCheckBox::clicked, this,
            [this] { sideToneExcludesBeep(false); });
    binder_.onEdited(this, [this] { Q_EMIT edited(); });
    connect(&grid_, &ModelGrid::edited, this, [this] {
        Q_EMIT edited();
        if (const QString note = table_.emiCodeNote(grid()->currentGridCell().row); !note.isEmpty())
            Q_EMIT statusMessage(note);
    });

    // Delete, or "Clear entry" on the grid's menu, empties the chosen entries.
    grid()->setRowSelection(true);
    auto* clear = new QAction(Texts::tr("Clear entry"), this);
    clear->setShortcut(QKeySequence::Delete);
    clear->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(clear, &QAction::triggered, this, &DtmfCodePage::clearChosenEntries);
    grid()->addAction(clear);
    grid()->setContextMenus(true);
    connect(grid(), &GridControl::menuRequested, this, [this, clear](const QPoint& at, int row) {
        const std::vector<int> chosen = grid()->selectedGridRows();
        if (row >= 1 && std::ranges::find(chosen, row) == chosen.end())
            grid()->selectGridRows(row, row);
        QMenu menu(this);
        menu.addAction(clear);
        menu.exec(at);
    });
    LoadFromImage();
}

// The rows chosen by their labels, else the current row; entry 1 stays.
void DtmfCodePage::clearChosenEntries() {
    std::vector<int> rows = grid()->selectedGridRows();
    if (rows.empty() && grid()->currentGridCell().row >= 1)
        rows = {grid()->currentGridCell().row};
    grid_.finishEdits();
    int cleared = 0;
    bool first = false;
    for (int row : rows) {
        if (table_.rowEmpty(row))
            continue;
        if (table_.clearEntry(row))
            ++cleared;
        else
            first = true;
    }
    if (cleared > 0) {
        grid_.showAll();
        Q_EMIT edited();
    }
    QString message = Texts::tr("Cleared %n entry(s)", nullptr, cleared);
    if (first)
        message += Texts::tr("; entry 1 can never be emptied");
    Q_EMIT statusMessage(message);
}

DtmfCodePage::~DtmfCodePage() {
    disconnectChildrenFrom(this);
}

QChar DtmfCodePage::chosenSeparator(QComboBox* list) const {
    const QString text = list->currentText();
    return text.isEmpty() ? QChar() : text[0];
}

// Group code and Delimiter must differ; the delimiter leaves every ANI number and both leave
// the Self ID.
void DtmfCodePage::separatorChosen(Separator changed) {
    QComboBox* chosen = changed == Separator::Group ? group_ : delimiter_;
    QComboBox* other = changed == Separator::Group ? delimiter_ : group_;
    const QString replacement =
        DtmfSettings::afterChoice(changed, chosen->currentText(), other->currentText());
    if (replacement != other->currentText())
        ListHelpers::selectByText(other, replacement, ListHelpers::Match::Exact);
    if (group_->currentIndex() < 0 || delimiter_->currentIndex() < 0)
        return;
    table_.removeFromAniNums(chosenSeparator(delimiter_));
    grid_.showAll();
    auto* selfId = binder_.control<QLineEdit>(QStringLiteral("Self ID"));
    selfId->setText(DtmfSettings::withoutSeparators(selfId->text(), chosenSeparator(group_),
                                                    chosenSeparator(delimiter_)));
}

void DtmfCodePage::sideToneExcludesBeep(bool sideToneWins) {
    auto* sideTone = binder_.control<QCheckBox>(QStringLiteral("Side tone"));
    auto* beep = binder_.control<QCheckBox>(QStringLiteral("Beep"));
    if (sideTone->isChecked() && beep->isChecked())
        (sideToneWins ? beep : sideTone)->setChecked(false);
}

void DtmfCodePage::LoadFromImage() {
    binder_.load(image());
    sideToneExcludesBeep(true);
    table_.fill();
    grid_.showAll();
}

void DtmfCodePage::SaveToImage() {
    grid_.finishEdits(); // an open edit belongs to the table being stored
    sideToneExcludesBeep(true);
    binder_.store(image());
    DtmfSettings::storeFixedBytes(image());
    table_.store();
}

// --- PTTID page -----------------------------------------------------------------------------

PttIdPage::PttIdPage(MemoryImage& image, QWidget* parent)
    : SettingsPage(image, parent), binder_(DtmfSettings::pttIdFields(), image) {
    auto* grid = new QGridLayout;
    FieldGrid placer(this, grid, 1);
    binder_.place(placer);
    for (const FieldDescription& f : DtmfSettings::pttIdFields())
        binder_.control(f.label)->installEventFilter(this);
    grid->setColumnStretch(2, 1);
    grid->setColumnStretch(3, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    binder_.onEdited(this, [this] { Q_EMIT edited(); });
    LoadFromImage();
}

void PttIdPage::LoadFromImage() {
    binder_.load(image());
}

void PttIdPage::SaveToImage() {
    binder_.store(image());
}

// Only DTMF characters can be typed on this page, into the lists as into the codes.
bool PttIdPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent*>(event)->text();
        if (!text.isEmpty() && text[0].isPrint() && !accepts(CharSet::Dtmf, text[0].toUpper()))
            return true;
    }
    return SettingsPage::eventFilter(watched, event);
}

// --- The form -------------------------------------------------------------------------------

DtmfView::DtmfView(MemoryImage& image, QWidget* parent) : TabbedFormView(image, parent) {
    setWindowTitle(QStringLiteral("DTMF"));
    setNoTabHelpContext(HelpContext::kDtmf);
    addPage(new DtmfCodePage(image), Texts::tr("Code"), HelpContext::kDtmfCode);
    addPage(new PttIdPage(image), Texts::tr("PTTID"), HelpContext::kDtmfPttId);
    tabs()->setCurrentIndex(0);
}

#include "moc_DtmfView.cpp"

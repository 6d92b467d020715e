#include "TwoToneView.h"
#include "Texts.h"

#include "FieldGrid.h"
#include "GridControl.h"
#include "HelpContexts.h"
#include "ImageMap.h"
#include "ListHelpers.h"
#include "TablePage.h"
#include "Tones.h"
#include "TwoToneContacts.h"
#include "TwoToneSettings.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

using C = TwoToneContacts;
using namespace TwoToneSettings;

TwoToneSystemPage::TwoToneSystemPage(MemoryImage& image, QWidget* parent)
    : SettingsPage(image, parent), tabs_(new QTabBar),
      systems_(systemFields(), image, tabs_,
               [](int s) { return ImageMap::kTwoToneSystemRecords.at(s); }) {
    tabs_->setAccessibleName(Texts::tr("Systems"));
    for (int s = 1; s <= ImageMap::kTwoToneSystemRecords.count; ++s)
        tabs_->addTab(QString::number(s));
    // The system's own fields in two columns, its four decoders in a table below.
    auto* fields = new QGridLayout;
    FieldGrid placer(this, fields, 2);
    systems_.place(placer);
    auto* decoders = new QGridLayout;
    FieldGrid table(this, decoders, 1);
    systems_.place(table, kDecoderGroup);
    decoders->setColumnStretch(3, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(fields);
    layout->addSpacing(8);
    layout->addLayout(decoders);
    layout->addStretch();

    // The lists offer every format again before a system loads, so that whatever it holds is
    // shown (and kept); then exclusivity takes out what the other decoders chose.
    systems_.loading = [this] {
        for (int k = 1; k <= 4; ++k) {
            auto* list = systems_.control<QComboBox>(formatLabel(k));
            const QSignalBlocker quiet(list);
            list->clear();
            ListHelpers::addEntries(list, formats());
        }
    };
    systems_.loaded = [this] { applyFormatExclusivity(); };
    for (int k = 1; k <= 4; ++k)
        connect(systems_.control<QComboBox>(formatLabel(k)), &QComboBox::activated, this,
                &TwoToneSystemPage::applyFormatExclusivity);
    systems_.onLeave(QStringLiteral("Alias"),
                     [this](const QString& alias, const QString& previous) {
                         return aliasFallback(alias, previous, systems_.records().entry() + 1);
                     });
    systems_.onEdited(this, [this] { Q_EMIT edited(); });
    LoadFromImage();
}

// No two decoders share a format other than "Off", and decoder 1 is never "Off".
void TwoToneSystemPage::applyFormatExclusivity() {
    std::array<QComboBox*, 4> lists;
    std::array<QString, 4> chosen;
    for (std::size_t k = 0; k < 4; ++k) {
        lists[k] = systems_.control<QComboBox>(formatLabel(int(k) + 1));
        chosen[k] = ListHelpers::currentEntry(lists[k]);
    }
    const auto choices = formatChoices(chosen);
    for (std::size_t k = 0; k < 4; ++k) {
        const QSignalBlocker quiet(lists[k]);
        lists[k]->clear();
        ListHelpers::addEntries(lists[k], choices[k]);
        ListHelpers::selectByText(lists[k], chosen[k], ListHelpers::Match::Exact);
    }
}

namespace {

// "Contact" page: the sixteen contacts in a grid with in-place editors; a "Single" contact's
// second tone is greyed.
SettingsPage* contactPage(MemoryImage& image) {
    const InPlaceEditor::Filter tone{[](QChar c) { return c.isDigit() || c == u'.'; }};
    auto* range = new QLabel(SignalTone::rangeText());
    QPalette red = range->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    range->setPalette(red);
    auto* page = new TablePage<C>(
        image, Texts::tr("Contacts"),
        {{{C::First, C::Second}, InPlaceEditor::Kind::Line, Texts::tr("Tone editor"), 6, {}, tone},
         {{C::Format}, InPlaceEditor::Kind::List, Texts::tr("Format editor"), 0, C::formatItems()},
         {{C::System}, InPlaceEditor::Kind::List, Texts::tr("System editor"), 0, C::systemItems()},
         {{C::Alias}, InPlaceEditor::Kind::Line, Texts::tr("Alias editor"), 6}},
        range);
    page->modelGrid().setBackground([page](int row, int column) {
        return column == C::Second && page->table().secondUnused(row) ? QColor(0xEC, 0xE9, 0xDB)
                                                                      : QColor();
    });
    page->LoadFromImage();
    return page;
}

} // namespace

TwoToneView::TwoToneView(MemoryImage& image, QWidget* parent) : TabbedFormView(image, parent) {
    setWindowTitle(Texts::tr("2Tone"));
    setNoTabHelpContext(HelpContext::kTwoTone);
    addPage(new TwoToneSystemPage(image), Texts::tr("System"), HelpContext::kTwoToneSystem);
    addPage(contactPage(image), Texts::tr("Contact"), HelpContext::kTwoToneContact);
    tabs()->setCurrentIndex(0);
}

#include "moc_TwoToneView.cpp"

#include "FiveToneView.h"
#include "Texts.h"

#include "CharFilterValidator.h"
#include "FieldGrid.h"
#include "FiveToneSettings.h"
#include "ImageMap.h"
#include "ListHelpers.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

using namespace FiveToneSettings;

using ListHelpers::newList;
using ListHelpers::numberItems;

FiveToneView::FiveToneView(MemoryImage& image, QWidget* parent)
    : FormView(image, parent), standardList_(newList(Texts::tr("Standard"), standardNames())),
      infoGroup_(newList(Texts::tr("Infomation Group"), numberItems(1, 8))),
      contactGroup_(newList(Texts::tr("Contact Group"), numberItems(1, 16))),
      standards_(standardFields(), image, standardList_,
                 [](int k) { return ImageMap::kFiveToneStandardRecords.at(k); }),
      settings_(fields(), image),
      information_(informationFields(), image, infoGroup_,
                   [](int m) { return ImageMap::kFiveToneInfoRecords.at(m); }),
      contacts_(contactFields(), image, contactGroup_,
                [](int n) { return ImageMap::kFiveToneContactRecords.at(n); }) {
    setWindowTitle(Texts::tr("5Tone"));
    const QString group = Texts::tr("Group");
    auto* left = new QVBoxLayout;
    left->addWidget(
        fieldBox(this, standards_,
                 {Texts::tr("Standard"), 2, standardList_, Texts::tr("Standard"), kToneGroup}));
    left->addWidget(fieldBox(this, information_, {Texts::tr("Infomation"), 1, infoGroup_, group}));
    auto* right = new QVBoxLayout;
    right->addWidget(fieldBox(this, settings_, {Texts::tr("Setting")}));
    right->addWidget(fieldBox(this, contacts_, {Texts::tr("Contact"), 1, contactGroup_, group}));
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right, 1);

    // A standard's width, editable tones and letters follow the standard shown.
    standards_.loaded = [this] { standardShown(); };
    for (int x = 0; x < 3; ++x)
        connect(standards_.control<QComboBox>(letterLabels()[std::size_t(x)]),
                &QComboBox::activated, this, [this, x] { letterChosen(x); });
    // Identity codes cannot hold digits the standard has no tone for, nor its repeat letter.
    for (QLineEdit* id : {information_.control<QLineEdit>("ID"),
                          contacts_.control<QLineEdit>(QStringLiteral("Code"))})
        id->setValidator(
            new CharFilterValidator([this](QChar c) { return codeAccepts(c); }, true, id));
    // A contact's alias falls back when it loads and when it is left (or stored while being
    // typed); its code only when left.
    auto* alias = contacts_.control<QLineEdit>(QStringLiteral("Alias"));
    auto* message = contacts_.control(QStringLiteral("Message"));
    auto* codeType = contacts_.control<QComboBox>(QStringLiteral("Code type"));
    contacts_.loaded = [this, alias, message, codeType] {
        alias->setText(aliasFallback(alias->text(), alias->text()));
        message->setEnabled(ListHelpers::currentEntry(codeType) == QLatin1String("Message"));
    };
    contacts_.onLeave(QStringLiteral("Alias"),
                      [this](const QString& text, const QString& previous) {
                          return aliasFallback(text, previous);
                      });
    contacts_.onLeave(QStringLiteral("Code"), [this](const QString& code, const QString& previous) {
        return contactCodeFallback(code, previous, contacts_.records().entry() + 1);
    });
    connect(codeType, &QComboBox::currentIndexChanged, this, [message, codeType] {
        message->setEnabled(ListHelpers::currentEntry(codeType) == QLatin1String("Message"));
    });
    for (FieldBinder* b :
         std::initializer_list<FieldBinder*>{&standards_, &settings_, &information_, &contacts_})
        b->onEdited(this, [this] { Q_EMIT edited(); });
    connect(standardList_, &QComboBox::activated, this, &FormView::edited);
    LoadFromImage();
}

// The standard's own width range, its letters kept apart; only the user's tones can change.
void FiveToneView::standardShown() {
    const int k = shownStandard();
    standards_.setRule(QStringLiteral("Width"), widthRule(k));
    for (int i = 0; i < 16; ++i)
        standards_.control(toneLabel(i))->setEnabled(tonesEditable(k));
    letterChosen(0);
}

void FiveToneView::letterChosen(int changed) {
    std::array<QComboBox*, 3> lists;
    std::array<QString, 3> shown;
    for (std::size_t x = 0; x < 3; ++x) {
        lists[x] = standards_.control<QComboBox>(letterLabels()[x]);
        shown[x] = lists[x]->currentText();
    }
    keepLettersApart(shown, changed);
    for (std::size_t x = 0; x < 3; ++x)
        if (shown[x] != lists[x]->currentText())
            ListHelpers::selectByText(lists[x], shown[x], ListHelpers::Match::Exact);
}

bool FiveToneView::codeAccepts(QChar c) const {
    std::array<QString, 16> tones;
    for (int i = 0; i < 16; ++i)
        tones[std::size_t(i)] = standards_.value(toneLabel(i)).text;
    return FiveToneSettings::codeAccepts(
        c, tones, standards_.control<QComboBox>(QStringLiteral("Repeat"))->currentText());
}

QString FiveToneView::aliasFallback(const QString& alias, const QString& previous) const {
    return contactAliasFallback(alias, previous, contacts_.records().entry() + 1);
}

void FiveToneView::LoadFromImage() {
    const int k = loadStandard(image());
    {
        const QSignalBlocker quiet(standardList_); // shown, not switched to
        standardList_->setCurrentIndex(k);
    }
    standards_.load();
    settings_.load(image());
    information_.load();
    contacts_.load();
}

void FiveToneView::SaveToImage() {
    standards_.store();
    storeStandard(image(), shownStandard());
    information_.store();
    settings_.store(image());
    contacts_.store();
}

#include "moc_FiveToneView.cpp"

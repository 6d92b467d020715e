#include "FiveToneView.h"

#include "CharFilterValidator.h"
#include "FieldGrid.h"
#include "FiveToneStandards.h"
#include "FormTeardown.h"
#include "ImageMap.h"
#include "ListHelpers.h"
#include "MemoryImage.h"
#include "NumberField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

using namespace FiveToneSettings;
using ListHelpers::Match;
using ListHelpers::selectByText;

namespace {

QStringList numbers(int last) {
    QStringList list;
    for (int i = 1; i <= last; ++i)
        list << QString::number(i);
    return list;
}

QComboBox* newList(const QString& name, const QStringList& items) {
    auto* list = new QComboBox;
    list->setAccessibleName(name);
    list->addItems(items);
    return list;
}

NumberRule widthRule(int nominal) {
    return {.minimum = nominal, .maximum = 255, .fallback = nominal};
}

const NumberRule kToneRule = {.tenths = true,
                              .minimum = 2880,
                              .maximum = 31160,
                              .fallback = 0,
                              .zeroText = QString(),
                              .maxLength = 6};

// A group of label and control rows.
QGroupBox* box(const QString& title, QGridLayout* grid) {
    auto* group = new QGroupBox(title);
    group->setLayout(grid);
    return group;
}

} // namespace

FiveToneView::FiveToneView(MemoryImage& image, QWidget* parent)
    : CBaseFormView(image, parent), binder_(fields(), image),
      infoBinder_(informationFields(), image), contactBinder_(contactFields(), image),
      standard_(newList(standardLabels()[0], standardNames())),
      width_(new NumberField(standardLabels()[1], widthRule(70))),
      infoGroup_(newList(QStringLiteral("Infomation Group"), numbers(8))),
      contactGroup_(newList(QStringLiteral("Contact Group"), numbers(16))),
      alias_(qobject_cast<QLineEdit*>(contactBinder_.control("Alias"))),
      code_(qobject_cast<QLineEdit*>(contactBinder_.control("Code"))) {
    setWindowTitle(QStringLiteral("5Tone"));

    auto* settings = new QGridLayout;
    FieldGrid placer(this, settings, 1);
    binder_.place(placer);

    auto* left = new QVBoxLayout;
    left->addWidget(buildStandard());
    left->addWidget(buildInformation());
    auto* right = new QVBoxLayout;
    right->addWidget(box(QStringLiteral("Setting"), settings));
    right->addWidget(buildContact());
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right, 1);

    // Identity codes cannot hold digits the standard has no tone for, nor its repeat letter.
    for (QLineEdit* id : {qobject_cast<QLineEdit*>(infoBinder_.control("ID")), code_})
        id->setValidator(
            new CharFilterValidator([this](QChar c) { return codeAccepts(c); }, true, id));
    connect(standard_, &QComboBox::activated, this, &FiveToneView::standardChosen);
    for (int x = 0; x < 3; ++x)
        connect(letters_[std::size_t(x)], &QComboBox::activated, this,
                [this, x] { letterChosen(x); });
    connect(infoGroup_, &QComboBox::currentIndexChanged, this, [this](int m) {
        infoBinder_.store(this->image(), information()); // the entry left
        shownInfo_ = std::max(0, m);
        infoBinder_.load(this->image(), information());
    });
    connect(contactGroup_, &QComboBox::currentIndexChanged, this, [this](int n) {
        storeContact(); // the contact left
        shownContact_ = std::max(0, n);
        loadContact();
    });
    connect(qobject_cast<QComboBox*>(contactBinder_.control("Code type")),
            &QComboBox::currentIndexChanged, this, &FiveToneView::enableMessage);
    contactBinder_.onLeave("Alias", [this] { aliasFallback(); });
    contactBinder_.onLeave("Code", [this] { codeFallback(); });
    alias_->installEventFilter(this);
    code_->installEventFilter(this);
    for (const FieldBinder* b : {&binder_, &infoBinder_, &contactBinder_})
        b->onEdited(this, [this] { Q_EMIT edited(); });
    connect(width_, &NumberField::edited, this, &CBaseFormView::edited);
    LoadFromImage();
}

FiveToneView::~FiveToneView() {
    disconnectChildrenFrom(this);
}

// --- Building -------------------------------------------------------------------------------

QWidget* FiveToneView::buildStandard() {
    auto* grid = new QGridLayout;
    FieldGrid placer(this, grid, 2);
    const QStringList labels = standardLabels();
    placer.add(labels[0], standard_);
    placer.add(labels[1], width_);
    for (std::size_t x = 0; x < 3; ++x) {
        QStringList items = letters();
        if (x == 2)
            items.prepend(QStringLiteral("None"));
        letters_[x] = newList(labels[qsizetype(x) + 2], items);
        placer.add(labels[qsizetype(x) + 2], letters_[x]);
    }
    // The sixteen tones, digits 0-9 then A-F, four a row.
    auto* tones = new QGridLayout;
    for (int i = 0; i < 16; ++i) {
        const QString name = labels[i + 5]; // "Tone 0": the label shows its digit
        tones_[std::size_t(i)] = new NumberField(name, kToneRule);
        auto* label = new QLabel(name.right(1));
        label->setBuddy(tones_[std::size_t(i)]);
        tones->addWidget(label, i / 4, (i % 4) * 2);
        tones->addWidget(tones_[std::size_t(i)], i / 4, (i % 4) * 2 + 1);
    }
    auto* layout = new QVBoxLayout;
    layout->addLayout(grid);
    layout->addLayout(tones);
    auto* group = new QGroupBox(QStringLiteral("Standard"));
    group->setLayout(layout);
    return group;
}

QWidget* FiveToneView::buildInformation() {
    auto* grid = new QGridLayout;
    FieldGrid placer(this, grid, 1);
    placer.add(QStringLiteral("Group"), infoGroup_);
    infoBinder_.place(placer);
    return box(QStringLiteral("Infomation"), grid);
}

QWidget* FiveToneView::buildContact() {
    auto* grid = new QGridLayout;
    FieldGrid placer(this, grid, 1);
    placer.add(QStringLiteral("Group"), contactGroup_);
    contactBinder_.place(placer);
    return box(QStringLiteral("Contact"), grid);
}

// --- Standards ------------------------------------------------------------------------------

void FiveToneView::fillStandard(int k) {
    const Standard s = FiveToneSettings::shownStandard(image(), k);
    selectByText(standard_, standardNames()[k], Match::Exact);
    width_->setRule(widthRule(fiveToneStandard(k).nominalWidthMs));
    width_->setNumber(s.width);
    for (auto [list, letter] :
         {std::pair{letters_[0], s.group}, {letters_[1], s.repeat}, {letters_[2], s.delimiter}})
        selectByText(list, letter, Match::Exact);
    for (std::size_t i = 0; i < 16; ++i) {
        tones_[i]->editor()->setText(s.tones[i]);
        tones_[i]->normalize();
        // The built-in standards show their own tones; only the user's can be changed.
        tones_[i]->setEnabled(k == kUserStandard);
    }
}

void FiveToneView::storeStandardFields() {
    Standard s;
    width_->normalize();
    s.width = width_->number();
    s.group = letters_[0]->currentText();
    s.repeat = letters_[1]->currentText();
    s.delimiter = letters_[2]->currentText();
    for (std::size_t i = 0; i < 16; ++i) {
        tones_[i]->normalize();
        s.tones[i] = tones_[i]->text();
    }
    writeStandard(image(), shown_, s);
}

// The standard shown so far goes into its own PC block entry first; the image is written only
// by a store.
void FiveToneView::standardChosen(int k) {
    storeStandardFields();
    shown_ = k;
    fillStandard(k);
    Q_EMIT edited();
}

void FiveToneView::letterChosen(int changed) {
    std::array<QString, 3> shown;
    for (std::size_t x = 0; x < 3; ++x)
        shown[x] = letters_[x]->currentText();
    keepLettersApart(shown, changed);
    for (std::size_t x = 0; x < 3; ++x)
        if (shown[x] != letters_[x]->currentText())
            selectByText(letters_[x], shown[x], Match::Exact);
}

bool FiveToneView::codeAccepts(QChar c) const {
    std::array<QString, 16> tones;
    for (std::size_t i = 0; i < 16; ++i)
        tones[i] = tones_[i]->text();
    return FiveToneSettings::codeAccepts(c, tones, letters_[1]->currentText());
}

// --- Entries and contacts -------------------------------------------------------------------

std::uint32_t FiveToneView::information() const {
    return ImageMap::kFiveToneInfoRecords.at(shownInfo_);
}

std::uint32_t FiveToneView::contact() const {
    return ImageMap::kFiveToneContactRecords.at(shownContact_);
}

// The alias falls back when a contact loads and stores; the code only when the user leaves
// its field empty (and a stored empty code stays empty).
void FiveToneView::loadContact() {
    contactBinder_.load(image(), contact());
    previousAlias_ = alias_->text();
    previousCode_ = code_->text();
    aliasFallback();
    enableMessage();
}

void FiveToneView::storeContact() {
    aliasFallback();
    contactBinder_.store(image(), contact());
}

void FiveToneView::aliasFallback() {
    alias_->setText(contactAliasFallback(alias_->text(), previousAlias_, shownContact_ + 1));
}

void FiveToneView::codeFallback() {
    code_->setText(contactCodeFallback(code_->text(), previousCode_, shownContact_ + 1));
}

void FiveToneView::enableMessage() {
    auto* type = qobject_cast<QComboBox*>(contactBinder_.control("Code type"));
    contactBinder_.control("Message")->setEnabled(type->currentText() == QLatin1String("Message"));
}

// The fallbacks are what the fields held when they got the focus.
bool FiveToneView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (watched == alias_)
            previousAlias_ = alias_->text();
        else if (watched == code_)
            previousCode_ = code_->text();
    }
    return CBaseFormView::eventFilter(watched, event);
}

void FiveToneView::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape)
        return; // neither closes nor resets the form
    CBaseFormView::keyPressEvent(event);
}

// --- Load and store -------------------------------------------------------------------------

void FiveToneView::LoadFromImage() {
    shown_ = loadStandard(image());
    fillStandard(shown_);
    binder_.load(image()); // timings, own identity and PTT identities
    shownInfo_ = std::max(0, infoGroup_->currentIndex());
    infoBinder_.load(image(), information());
    shownContact_ = std::max(0, contactGroup_->currentIndex());
    loadContact();
}

void FiveToneView::SaveToImage() {
    storeStandardFields();
    storeStandard(image(), shown_);
    infoBinder_.store(image(), information());
    binder_.store(image());
    storeContact();
}

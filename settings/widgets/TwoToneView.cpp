#include "TwoToneView.h"

#include "FieldGrid.h"
#include "FormTeardown.h"
#include "GridControl.h"
#include "ImageMap.h"
#include "InPlaceEditor.h"
#include "ListHelpers.h"
#include "MemoryImage.h"
#include "TwoToneSettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

using C = TwoToneContacts;

// --- System page ----------------------------------------------------------------------------

TwoToneSystemPage::TwoToneSystemPage(MemoryImage& image, QWidget* parent)
    : CSettingsPage(image, parent), binder_(TwoToneSettings::systemFields(), image),
      systems_(new QTabBar), alias_(qobject_cast<QLineEdit*>(binder_.control("Alias"))) {
    systems_->setAccessibleName(QStringLiteral("Systems"));
    for (int s = 1; s <= ImageMap::kTwoToneSystemRecords.count; ++s)
        systems_->addTab(QString::number(s));

    // The system's own fields in two columns, its four decoders in a table below.
    auto* fields = new QGridLayout;
    FieldGrid placer(this, fields, 2);
    auto* decoders = new QGridLayout;
    decoders->addWidget(new QLabel(QStringLiteral("Format")), 0, 1);
    decoders->addWidget(new QLabel(QStringLiteral("Response")), 0, 2);
    for (const FieldDescription& f : TwoToneSettings::systemFields()) {
        QWidget* control = binder_.control(f.label);
        const QString label = QString::fromLatin1(f.label);
        if (label.startsWith(QLatin1String("Decode "))) {
            const int k = label.mid(7, 1).toInt();
            const bool format = label.endsWith(QLatin1String("Format"));
            if (format) {
                formats_[std::size_t(k - 1)] = qobject_cast<QComboBox*>(control);
                auto* name = new QLabel(QStringLiteral("Decode %1").arg(k));
                name->setBuddy(control);
                decoders->addWidget(name, k, 0);
            }
            decoders->addWidget(control, k, format ? 1 : 2);
        } else if (f.hidden) {
            placer.addHidden(control);
        } else if (qobject_cast<QCheckBox*>(control)) {
            placer.add(control);
        } else {
            placer.add(label, control);
        }
    }
    decoders->setColumnStretch(3, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(systems_);
    layout->addLayout(fields);
    layout->addSpacing(8);
    layout->addLayout(decoders);
    layout->addStretch();

    connect(systems_, &QTabBar::currentChanged, this, &TwoToneSystemPage::systemChanged);
    for (QComboBox* format : formats_)
        connect(format, &QComboBox::activated, this, &TwoToneSystemPage::applyFormatExclusivity);
    binder_.onLeave("Alias", [this] { aliasLeft(); });
    alias_->installEventFilter(this);
    binder_.onEdited(this, [this] { Q_EMIT edited(); });
    LoadFromImage();
}

TwoToneSystemPage::~TwoToneSystemPage() {
    disconnectChildrenFrom(this);
}

std::uint32_t TwoToneSystemPage::base() const {
    return ImageMap::kTwoToneSystemRecords.at(shown_);
}

void TwoToneSystemPage::LoadFromImage() {
    shown_ = std::max(0, systems_->currentIndex());
    // The lists still leave out what the system shown before had taken: they offer every
    // format again, so that whatever this system holds is shown (and kept).
    for (QComboBox* list : formats_) {
        const QSignalBlocker quiet(list);
        list->clear();
        list->addItems(TwoToneSettings::formats());
    }
    binder_.load(image(), base());
    previousAlias_ = alias_->text();
    applyFormatExclusivity();
}

void TwoToneSystemPage::SaveToImage() {
    binder_.store(image(), base());
}

// The field being typed is corrected first, then the system left is stored and the one entered
// loaded.
void TwoToneSystemPage::systemChanged(int) {
    systems_->setFocus();
    SaveToImage();
    LoadFromImage();
}

// No two decoders share a format other than "Off", and decoder 1 is never "Off".
void TwoToneSystemPage::applyFormatExclusivity() {
    std::array<QString, 4> chosen;
    for (std::size_t k = 0; k < 4; ++k)
        chosen[k] = formats_[k]->currentText();
    const auto choices = TwoToneSettings::formatChoices(chosen);
    for (std::size_t k = 0; k < 4; ++k) {
        QComboBox* list = formats_[k];
        const QSignalBlocker quiet(list);
        list->clear();
        list->addItems(choices[k]);
        ListHelpers::selectByText(list, chosen[k], ListHelpers::Match::Exact);
    }
}

void TwoToneSystemPage::aliasLeft() {
    alias_->setText(TwoToneSettings::aliasFallback(alias_->text(), previousAlias_, shown_ + 1));
}

// The alias to fall back on is the one the field had when it got the focus.
bool TwoToneSystemPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == alias_ && event->type() == QEvent::FocusIn)
        previousAlias_ = alias_->text();
    return CSettingsPage::eventFilter(watched, event);
}

// --- Contact page ---------------------------------------------------------------------------

TwoToneContactPage::TwoToneContactPage(MemoryImage& image, QWidget* parent)
    : CSettingsPage(image, parent), contacts_(image), grid_(new GridControl) {
    grid_->setAccessibleName(QStringLiteral("Contacts"));
    grid_->setGridSize(C::kRows + 1, C::kColumns);
    for (int c = 0; c < C::kColumns; ++c) {
        grid_->setText(0, c, C::headers()[c]);
        grid_->setColumnWidthTwips(c, C::widthTwips(c));
        grid_->setColumnCentered(c);
    }
    grid_->setRowHeightTwips(0, 300);
    grid_->setRowHeightTwips(1, 300);
    for (int r = 1; r <= C::kRows; ++r)
        grid_->setText(r, 0, contacts_.text(r, C::Number));
    const int frame = 2 * grid_->frameWidth();
    int width = frame;
    for (int c = 0; c < C::kColumns; ++c)
        width += GridControl::twipsToPixels(C::widthTwips(c), grid_);
    grid_->setFixedSize(width, GridControl::twipsToPixels(300 * (C::kRows + 1), grid_) + frame);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto tone = [](QChar c) { return c.isDigit() || c == u'.'; };
    toneEditor_ =
        new InPlaceEditor(grid_, InPlaceEditor::Kind::Line, QStringLiteral("Tone editor"));
    toneEditor_->setMaxLength(6);
    toneEditor_->setFilter({tone, false});
    formatEditor_ =
        new InPlaceEditor(grid_, InPlaceEditor::Kind::List, QStringLiteral("Format editor"));
    formatEditor_->setItems(C::formatItems());
    systemEditor_ =
        new InPlaceEditor(grid_, InPlaceEditor::Kind::List, QStringLiteral("System editor"));
    systemEditor_->setItems(C::systemItems());
    aliasEditor_ =
        new InPlaceEditor(grid_, InPlaceEditor::Kind::Line, QStringLiteral("Alias editor"));
    aliasEditor_->setMaxLength(6);
    for (InPlaceEditor* e : {toneEditor_, formatEditor_, systemEditor_, aliasEditor_})
        connect(e, &InPlaceEditor::committed, this, &TwoToneContactPage::editEnded);
    grid_->setEditing(C::First, C::Alias,
                      [this](int row, int column) { return beginEdit(row, column); });
    connect(grid_, &GridControl::mousePressed, this,
            [this](Qt::MouseButton button, int row, int column) {
                if (button == Qt::LeftButton)
                    beginEdit(row, column);
            });

    auto* range = new QLabel(QStringLiteral("Tone range: 288 - 3116Hz"));
    QPalette red = range->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    range->setPalette(red);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_);
    layout->addWidget(range);
    layout->addStretch();
    LoadFromImage();
}

TwoToneContactPage::~TwoToneContactPage() {
    disconnectChildrenFrom(this);
}

void TwoToneContactPage::showRow(int row) {
    for (int c = C::First; c < C::kColumns; ++c)
        grid_->setText(row, c, contacts_.text(row, c));
    grid_->setCellBackground(row, C::Second,
                             contacts_.secondUnused(row) ? QColor(0xEC, 0xE9, 0xDB) : QColor());
}

void TwoToneContactPage::LoadFromImage() {
    contacts_.fill();
    for (int r = 1; r <= C::kRows; ++r)
        showRow(r);
}

void TwoToneContactPage::SaveToImage() {
    for (InPlaceEditor* e : {toneEditor_, formatEditor_, systemEditor_, aliasEditor_})
        e->finish(); // an open edit belongs to the contacts being stored
    contacts_.store();
}

InPlaceEditor* TwoToneContactPage::beginEdit(int row, int column) {
    const int edited = contacts_.editColumn(row, column);
    if (edited < 0)
        return nullptr;
    InPlaceEditor* editor = edited == C::First || edited == C::Second ? toneEditor_
                            : edited == C::Format                     ? formatEditor_
                            : edited == C::System                     ? systemEditor_
                                                                      : aliasEditor_;
    grid_->setCurrentGridCell(row, edited);
    editor->begin(row, edited, contacts_.text(row, edited));
    return editor;
}

void TwoToneContactPage::editEnded(int row, int column, const QString& text) {
    QStringList before;
    for (int c = C::First; c < C::kColumns; ++c)
        before << contacts_.text(row, c);
    contacts_.commit(row, column, text);
    showRow(row);
    QStringList after;
    for (int c = C::First; c < C::kColumns; ++c)
        after << contacts_.text(row, c);
    if (after != before)
        Q_EMIT edited();
}

// --- The form -------------------------------------------------------------------------------

TwoToneView::TwoToneView(MemoryImage& image, QWidget* parent) : CTabbedFormView(image, parent) {
    setWindowTitle(QStringLiteral("2Tone"));
    setNoTabHelpContext(157);
    addPage(new TwoToneSystemPage(image), QStringLiteral("System"), 141);
    addPage(new TwoToneContactPage(image), QStringLiteral("Contact"), 142);
    tabs()->setCurrentIndex(0);
}

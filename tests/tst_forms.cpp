#include "FieldCodecs.h"
#include "FieldPage.h"
#include "MemoryImage.h"
#include "NumberField.h"
#include "WidgetLookup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <array>

namespace {

using namespace FieldCodecs;

// A record of 8 bytes: a list on bits 1-0 of +0, a check box on bit 7 of +0, a number on +1, a
// DTMF code of 4 on +2, and a list nobody sees on +6.
const std::vector<FieldDescription>& recordFields() {
    static const std::vector<FieldDescription> table = {
        {.label = "Mode",
         .address = 0,
         .shift = 0,
         .width = 2,
         .codec = &code,
         .items = {"Up", "Down", "Both"},
         .fallback = 0},
        {.label = "Side tone", .address = 0, .shift = 7, .width = 1, .codec = &check},
        {.label = "Auto reset time(s)",
         .address = 1,
         .codec = &numberField,
         .number = {.minimum = 0,
                    .maximum = 255,
                    .fallback = 10,
                    .zeroText = "Continuous",
                    .spinLowText = "Off"}},
        {.label = "Stun code",
         .address = 2,
         .width = 4,
         .codec = &dtmfDigits,
         .chars = CharSet::Dtmf,
         .upperCase = true},
        {.label = "Secret", .address = 6, .codec = &code, .items = {"No", "Yes"}, .hidden = true},
    };
    return table;
}

constexpr std::uint32_t kBase = 0x3000;
constexpr std::uint32_t kStride = 8;

} // namespace

class FormTests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void controlsFromTheTable();
    void loadFallsBackAndShows();
    void typedValuesStoreIntoTheirRecordOnly();

private:
    void open(std::uint32_t base);
    MemoryImage image;
    FieldPage* page = nullptr;
};

void FormTests::init() {
    image.fill(kBase, 4 * kStride, 0x55);
}

void FormTests::cleanup() {
    delete page;
    page = nullptr;
}

void FormTests::open(std::uint32_t base) {
    page = new FieldPage(image, recordFields(), 1, FieldPage::Width::Natural);
    page->binder().load(image, base);
    page->show();
    page->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(page));
}

void FormTests::controlsFromTheTable() {
    open(kBase);
    auto* mode = byName<QComboBox>(*page, "Mode");
    QVERIFY(mode);
    QCOMPARE(mode->count(), 3);
    QVERIFY(byName<QCheckBox>(*page, "Side tone"));
    QVERIFY(byName<NumberField>(*page, "Auto reset time(s)"));
    auto* stun = byName<QLineEdit>(*page, "Stun code");
    QVERIFY(stun);
    QCOMPARE(stun->maxLength(), 4);
    auto* secret = byName<QComboBox>(*page, "Secret");
    QVERIFY(secret && !secret->isVisible()); // carried, never shown
    QVERIFY(mode->isVisible());
    QCOMPARE(page->binder().control("Mode"), mode);
}

void FormTests::loadFallsBackAndShows() {
    image.setByte(kBase + kStride, 0x83); // Mode code 3 (no entry), Side tone on
    image.setByte(kBase + kStride + 1, 0);
    for (std::uint32_t i = 0; i < 4; ++i)
        image.setByte(kBase + kStride + 2 + i, std::uint8_t(std::array{1, 14, 16, 3}[i]));
    open(kBase + kStride);
    QCOMPARE(byName<QComboBox>(*page, "Mode")->currentText(), QStringLiteral("Up"));
    QVERIFY(byName<QCheckBox>(*page, "Side tone")->isChecked());
    QCOMPARE(byName<NumberField>(*page, "Auto reset time(s)")->text(),
             QStringLiteral("Continuous"));
    QCOMPARE(byName<QLineEdit>(*page, "Stun code")->text(), QStringLiteral("1*")); // 16 ends it
}

void FormTests::typedValuesStoreIntoTheirRecordOnly() {
    const std::uint32_t record = kBase + 2 * kStride;
    image.setByte(record + 6, 1); // the hidden list's "Yes" is carried through
    open(record);
    auto* stun = byName<QLineEdit>(*page, "Stun code");
    stun->setFocus();
    stun->selectAll();
    QTest::keyClicks(stun, "ab*x#9"); // upper case; x is no DTMF character; cut at 4
    QCOMPARE(stun->text(), QStringLiteral("AB*#"));
    auto* reset = byName<NumberField>(*page, "Auto reset time(s)");
    reset->setFocus();
    reset->editor()->selectAll();
    QTest::keyClicks(reset, "300");
    auto* mode = byName<QComboBox>(*page, "Mode");
    mode->setFocus();
    QTest::keyClick(mode, Qt::Key_End);            // "Both"
    QCOMPARE(reset->text(), QStringLiteral("10")); // corrected on leaving
    QTest::mouseClick(byName<QCheckBox>(*page, "Side tone"), Qt::LeftButton);

    page->binder().store(image, record);
    QCOMPARE(image.byte(record), 0xD6); // bits 1-0 "Both", bit 7 on; bits 6-2 of 0x55 kept
    QCOMPARE(image.byte(record + 1), 10);
    QCOMPARE(image.byte(record + 2), 10);
    QCOMPARE(image.byte(record + 5), 15);
    QCOMPARE(image.byte(record + 6), 1);
    QCOMPARE(image.byte(record + 7), 0x55);
    for (std::uint32_t other : {kBase + kStride, kBase + 3 * kStride})
        for (std::uint32_t i = 0; i < kStride; ++i)
            QCOMPARE(image.byte(other + i), 0x55);
}

QTEST_MAIN(FormTests)
#include "tst_forms.moc"

#include "BandState.h"
#include "ChannelRecord.h"
#include "ChannelTable.h"
#include "FactoryDefault.h"
#include "ImageMap.h"
#include "MemoryImage.h"
#include "VfoDialog.h"
#include "WidgetLookup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

// The VFO dialog on the factory default with the built-in band ranges (the air band among
// them) and only the 150M and 450M bands enabled, as the radio has them.
class VfoTests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void tabsForTheEnabledBands();
    void frequenciesStayInTheRecordsBand();
    void emptyRecordShowsItsLowerLimit();
    void txFollowsTheOffset();
    void closingStoresAndTouchesNothingElse();
    void disabledBandsRecordResetByATableStore();
    void airBandIn150MSurvivesATableStore();
    void reverseWinsOverTalkAroundOnLoad();

private:
    void open();
    QLineEdit* edit(const char* name) const { return byName<QLineEdit>(*dialog, name); }
    QComboBox* list(const char* name) const { return byName<QComboBox>(*dialog, name); }
    void showTab(const QString& caption);
    Record record(int k) { return image.at<32>(ImageMap::kVfoRecordArray.at(k)); }

    MemoryImage image;
    BandState bands;
    VfoDialog* dialog = nullptr;
};

void VfoTests::init() {
    image = buildFactoryDefault();
    bands = BandState();
    bands.enabled = {};
    bands.enabled[BandState::kVhf] = bands.enabled[BandState::kUhf] = true;
}

void VfoTests::cleanup() {
    delete dialog;
    dialog = nullptr;
}

void VfoTests::open() {
    dialog = new VfoDialog(image, bands);
    dialog->show();
    dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
}

void VfoTests::showTab(const QString& caption) {
    for (int t = 0; t < dialog->tabs()->count(); ++t)
        if (dialog->tabs()->tabText(t) == caption)
            dialog->tabs()->setCurrentIndex(t);
    QCOMPARE(dialog->tabs()->tabText(dialog->tabs()->currentIndex()), caption);
}

void VfoTests::tabsForTheEnabledBands() {
    open();
    QStringList captions;
    for (int t = 0; t < dialog->tabs()->count(); ++t)
        captions << dialog->tabs()->tabText(t);
    QCOMPARE(captions, (QStringList{"150M", "450M", "150M R", "450M R"}));
    showTab("150M R");
    QCOMPARE(dialog->currentRecord(), 9);
    // The VFO form's own controls: the direction and offset shown, the name and Tx not.
    QVERIFY(list("Offset direction")->isVisible());
    QVERIFY(edit("Offset freq(MHz)")->isVisible());
    QVERIFY(!edit("Name")->isVisible());
    QVERIFY(!edit("Tx frequency (MHz)")->isVisible());
    QVERIFY(list("Busy lcok") && list("Deocde type"));
}

void VfoTests::frequenciesStayInTheRecordsBand() {
    open();
    QLineEdit* rx = edit("Rx frequency (MHz)");
    enter(rx, "121.5"); // the air band is accepted in the 150M record
    QCOMPARE(rx->text(), QStringLiteral("121.50000"));
    showTab("450M");
    enter(rx, "121.5");
    QCOMPARE(rx->text(), QStringLiteral("400.00000"));
    enter(rx, "446.0063");
    QCOMPARE(rx->text(), QStringLiteral("446.00625"));
}

void VfoTests::emptyRecordShowsItsLowerLimit() {
    std::fill(record(7).begin(), record(7).begin() + 4, 0xFF);
    open();
    showTab("450M");
    QCOMPARE(edit("Rx frequency (MHz)")->text(), QStringLiteral("400.00000"));
}

void VfoTests::txFollowsTheOffset() {
    open();
    QLineEdit* rx = edit("Rx frequency (MHz)");
    enter(rx, "145");
    list("Offset direction")->setCurrentIndex(2); // "+"
    enter(edit("Offset freq(MHz)"), "0.6");
    showTab("450M"); // stores the 150M record
    QCOMPARE(ChannelRecord::txFrequency(record(4)), 14560000u);
    QCOMPARE(ChannelRecord::code(record(4), ChannelField::OffsetDirection), 2);
    showTab("150M");
    enter(rx, "179.8"); // 180.40000 leaves the band: the direction turns off
    showTab("450M");
    QCOMPARE(ChannelRecord::txFrequency(record(4)), 17980000u);
    QCOMPARE(ChannelRecord::code(record(4), ChannelField::OffsetDirection), 0);
    showTab("150M");
    QCOMPARE(list("Offset direction")->currentText(), QStringLiteral("Off"));
}

void VfoTests::closingStoresAndTouchesNothingElse() {
    const MemoryImage before = image;
    open();
    enter(edit("Rx frequency (MHz)"), "150");
    showTab("450M R");
    enter(edit("Rx frequency (MHz)"), "440");
    // Left with its Close button from the keyboard, as with the close box; Enter stays ignored.
    auto* close = byName<QPushButton>(*dialog, "Close");
    QVERIFY(close);
    close->setFocus();
    QTest::keyClick(close, Qt::Key_Enter);
    QVERIFY(dialog->isVisible());
    QTest::keyClick(close, Qt::Key_Space);
    QTRY_VERIFY(!dialog->isVisible());
    QCOMPARE(ChannelRecord::rxFrequency(record(4)), 15000000u);
    QCOMPARE(ChannelRecord::rxFrequency(record(10)), 44000000u);
    for (int a = 0; a < MemoryImage::kImageSize; ++a) {
        if (a >= 0xCA40 && a <= 0xCB9F)
            continue;
        if (image.byte(std::uint32_t(a)) != before.byte(std::uint32_t(a)))
            QFAIL(qPrintable(QStringLiteral("0x%1 changed").arg(a, 4, 16)));
    }
}

// The normalization after a table store puts the record of a band the radio lacks on its
// built-in lower limit.
void VfoTests::disabledBandsRecordResetByATableStore() {
    ChannelRecord::setRxFrequency(record(1), 5200000);
    BandState fromImage = BandState::fromImage(image);
    ChannelTable table(image, fromImage);
    table.fill();
    table.store();
    QCOMPARE(ChannelRecord::rxFrequency(record(1)), kAbsoluteBands[1].lower);
}

// What the "150M" record accepts, the check after a table store keeps; the "450M" record still
// takes no air-band frequency.
void VfoTests::airBandIn150MSurvivesATableStore() {
    open();
    QLineEdit* rx = edit("Rx frequency (MHz)");
    enter(rx, "121.5");
    dialog->close();
    QCOMPARE(ChannelRecord::rxFrequency(record(4)), 12150000u);
    ChannelRecord::setRxFrequency(record(7), 12150000);
    ChannelTable table(image, bands);
    table.fill();
    table.store();
    QCOMPARE(ChannelRecord::rxFrequency(record(4)), 12150000u);
    QCOMPARE(ChannelRecord::rxFrequency(record(7)), 40000000u);
    // and the copy of the first nine records follows
    QVERIFY(std::ranges::equal(image.at<32>(ImageMap::kVfoCopy + 4 * 32), record(4)));
}

// A record with both bits set loads with Reverse on and Talk around off, and stores so.
void VfoTests::reverseWinsOverTalkAroundOnLoad() {
    record(4)[14] = 0xB6; // "+", reverse, talk around, step "12.5"
    open();
    QVERIFY(byName<QCheckBox>(*dialog, "Reverse")->isChecked());
    QVERIFY(!byName<QCheckBox>(*dialog, "Talk around")->isChecked());
    dialog->close();
    QCOMPARE(record(4)[14] & 0x3F, 0x26);
}

QTEST_MAIN(VfoTests)
#include "tst_vfo.moc"

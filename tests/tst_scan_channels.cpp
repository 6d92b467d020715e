#include "BandState.h"
#include "Bcd.h"
#include "ChannelRecord.h"
#include "FactoryDefault.h"
#include "ImageMap.h"
#include "MemoryImage.h"
#include "ScanChannelView.h"
#include "WidgetLookup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>

// The scan edges on the built-in band state, where every band has its absolute range.
class ScanChannelTests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void emptyRecordThenANewOne();
    void entriesSnapToTheRaster();
    void outOfBandEntries();
    void stepListsByBand();
    void offsetDirectionOnStore_data();
    void offsetDirectionOnStore();
    void clearingARecordAndChangingTabs();
    void factoryDefaultPassesUnchanged();
    void reverseWinsOverTalkAroundOnLoad();
    void previousTxIsTakenWhenTxGetsTheFocus();
    void valuesBeingTypedAreEnteredBeforeAStore();

private:
    void open();
    QLineEdit* edit(const char* name) const { return byName<QLineEdit>(*view, name); }
    QComboBox* list(const char* name) const { return byName<QComboBox>(*view, name); }
    Record record(int k) { return image.at<32>(ImageMap::kScanEdgeRecords.at(k)); }
    void writeRecord(int k, Frequency rx);

    MemoryImage image;
    BandState bands;
    ScanChannelView* view = nullptr;
};

void ScanChannelTests::init() {
    image = buildFactoryDefault(); // the ten scan edges empty
    bands = BandState();
}

void ScanChannelTests::cleanup() {
    delete view;
    view = nullptr;
}

void ScanChannelTests::open() {
    view = new ScanChannelView(image, bands);
    view->resize(720, 580);
    view->show();
    view->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(view));
}

void ScanChannelTests::writeRecord(int k, Frequency rx) {
    writeInitialRecord(record(k), rx, bands.nine);
}

void ScanChannelTests::emptyRecordThenANewOne() {
    open();
    QCOMPARE(view->tabs()->tabText(0), QStringLiteral("L1"));
    QCOMPARE(view->tabs()->tabText(9), QStringLiteral("U5"));
    QVERIFY(edit("Rx frequency(MHz)")->isEnabled());
    QVERIFY(!edit("Tx frequency(MHz)")->isEnabled());
    QVERIFY(!list("Tx power")->isEnabled());
    QVERIFY(!byName<QCheckBox>(*view, "Emphasis")->isEnabled());
    QVERIFY(list("Deocde type")); // the form's own label
    enter(edit("Rx frequency(MHz)"), "145");
    // The record is written at once, from the template.
    QCOMPARE(ChannelRecord::rxFrequency(record(0)), 14500000u);
    QCOMPARE(ChannelRecord::txFrequency(record(0)), 14500000u);
    QCOMPARE(edit("Tx frequency(MHz)")->text(), QStringLiteral("145.00000"));
    QCOMPARE(list("CTCSS tone")->currentText(), QStringLiteral("100.0"));
    QCOMPARE(list("DCS code")->currentText(), QStringLiteral("023"));
    QCOMPARE(list("Tx power")->currentText(), QStringLiteral("High"));
    QVERIFY(list("Tx power")->isEnabled());
    // Enter anywhere runs the Rx entry.
    QLineEdit* rx = edit("Rx frequency(MHz)");
    rx->setText("146.0001");
    QTest::keyClick(view, Qt::Key_Return);
    QCOMPARE(rx->text(), QStringLiteral("146.00000"));
}

void ScanChannelTests::entriesSnapToTheRaster() {
    writeRecord(2, 14500000);
    open();
    view->tabs()->setCurrentIndex(2);
    QLineEdit* rx = edit("Rx frequency(MHz)");
    enter(rx, "140.0041");
    QCOMPARE(rx->text(), QStringLiteral("140.00000"));
    enter(rx, "118.008");
    QCOMPARE(rx->text(), QStringLiteral("118.00833"));
    enter(rx, "851.0063");
    QCOMPARE(rx->text(), QStringLiteral("851.00500"));
    enter(edit("Tx frequency(MHz)"), "145.0088");
    QCOMPARE(edit("Tx frequency(MHz)")->text(), QStringLiteral("145.00833"));
}

// An entry in no band takes the previous frequency back; with none (an empty record, an empty
// Tx) it is refused rather than written into a record the radio cannot use.
void ScanChannelTests::outOfBandEntries() {
    writeRecord(1, 14500000);
    open();
    QLineEdit* rx = edit("Rx frequency(MHz)");
    enter(rx, "1000"); // record 0 is empty
    QCOMPARE(rx->text(), QString());
    QVERIFY(isEmptyRecord(record(0)));
    QVERIFY(!edit("Tx frequency(MHz)")->isEnabled());

    view->tabs()->setCurrentIndex(1);
    enter(rx, "1000");
    QCOMPARE(rx->text(), QStringLiteral("145.00000"));
    // A Tx left empty takes its previous text; one in no band without a previous one the Rx.
    QLineEdit* tx = edit("Tx frequency(MHz)");
    tx->setFocus();
    QTRY_VERIFY(tx->hasFocus());
    tx->clear();
    QTest::keyClick(tx, Qt::Key_Tab);
    QCOMPARE(tx->text(), QStringLiteral("145.00000"));
    std::fill(record(3).begin() + 4, record(3).begin() + 8, 0xFF);
    writeRecord(3, 14600000);
    std::fill(record(3).begin() + 4, record(3).begin() + 8, 0xFF); // no Tx
    view->tabs()->setCurrentIndex(3);
    QCOMPARE(tx->text(), QString());
    enter(tx, "1000");
    QCOMPARE(tx->text(), QStringLiteral("146.00000"));
}

void ScanChannelTests::stepListsByBand() {
    writeRecord(0, 14500000);
    writeRecord(1, 12000000);
    open();
    QStringList steps = itemsOf(list("Frequency step"));
    QCOMPARE(steps.size(), 12);
    QVERIFY(!steps.contains("8.33"));
    view->tabs()->setCurrentIndex(1);
    steps = itemsOf(list("Frequency step"));
    QCOMPARE(steps.size(), 13);
    QVERIFY(steps.contains("8.33"));
}

void ScanChannelTests::offsetDirectionOnStore_data() {
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("tx");
    QTest::addColumn<int>("expected");
    QTest::newRow("minus offset kept") << 2 << "145.60000" << 2;
    QTest::newRow("other Tx") << 2 << "146.00000" << 3;
    QTest::newRow("Tx = Rx") << 2 << "145.00000" << 0;
    QTest::newRow("explicit stays") << 3 << "145.00000" << 3;
}

// Rx 145.00000 and an offset of 0.60000; "+" is stored direction 2.
void ScanChannelTests::offsetDirectionOnStore() {
    QFETCH(int, stored);
    QFETCH(QString, tx);
    QFETCH(int, expected);
    writeRecord(4, 14500000);
    Bcd::write32(record(4).subspan<16, 4>(), 60000);
    ChannelRecord::setCode(record(4), ChannelField::OffsetDirection, stored);
    open();
    view->tabs()->setCurrentIndex(4);
    enter(edit("Tx frequency(MHz)"), tx);
    view->SaveToImage();
    QCOMPARE(ChannelRecord::code(record(4), ChannelField::OffsetDirection), expected);
    QCOMPARE(ChannelRecord::offset(record(4)), 60000u); // the offset is only read
}

void ScanChannelTests::clearingARecordAndChangingTabs() {
    writeRecord(5, 14500000);
    open();
    view->tabs()->setCurrentIndex(5);
    QCOMPARE(view->tabs()->tabText(5), QStringLiteral("U3"));
    QLineEdit* rx = edit("Rx frequency(MHz)");
    rx->setFocus();
    QTRY_VERIFY(rx->hasFocus());
    rx->clear(); // still being typed when the tab changes
    view->tabs()->setCurrentIndex(6);
    const ConstRecord r = image.at<32>(0xC9A0);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(r[std::size_t(i)], 0xFF);
    MemoryImage initialised;
    writeInitialRecord(initialised.at<32>(0xC9A0), 0, bands.nine);
    QVERIFY(std::ranges::equal(r, initialised.at<32>(0xC9A0)));
}

void ScanChannelTests::factoryDefaultPassesUnchanged() {
    const MemoryImage factory = image;
    open();
    for (int tab = 1; tab < 10; ++tab)
        view->tabs()->setCurrentIndex(tab);
    view->SaveToImage();
    QVERIFY(image == factory);
}

void ScanChannelTests::reverseWinsOverTalkAroundOnLoad() {
    writeRecord(2, 14500000);
    ChannelRecord::setTxFrequency(record(2), 14560000); // Rx plus the 0.6 MHz offset
    record(2)[14] = 0xBE;                               // "+", reverse, talk around, step code 14
    open();
    view->tabs()->setCurrentIndex(2);
    QVERIFY(byName<QCheckBox>(*view, "Reverse")->isChecked());
    QVERIFY(!byName<QCheckBox>(*view, "Talk around")->isChecked());
    view->SaveToImage();
    QCOMPARE(record(2)[14], 0xA6); // "+", reverse, step "12.5"
}

// A Tx left empty takes back what it held when it got the focus, not what was loaded.
void ScanChannelTests::previousTxIsTakenWhenTxGetsTheFocus() {
    writeRecord(0, 14500000);
    std::fill(record(0).begin() + 4, record(0).begin() + 8, 0xFF); // no Tx
    open();
    QCOMPARE(edit("Tx frequency(MHz)")->text(), QString());
    enter(edit("Rx frequency(MHz)"), "146");
    QCOMPARE(edit("Tx frequency(MHz)")->text(), QStringLiteral("146.00000")); // follows Rx
    enter(edit("Tx frequency(MHz)"), "");
    QCOMPARE(edit("Tx frequency(MHz)")->text(), QStringLiteral("146.00000"));
}

// Typed and not left: the entry rules run before the record is stored.
void ScanChannelTests::valuesBeingTypedAreEnteredBeforeAStore() {
    writeRecord(1, 14500000);
    open();
    auto typeOnly = [](QLineEdit* field, const QString& text) {
        field->setFocus();
        QTRY_VERIFY(field->hasFocus());
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    };
    typeOnly(edit("Rx frequency(MHz)"), "1000"); // L1 is empty: an entry in no band is refused
    view->SaveToImage();
    QVERIFY(isEmptyRecord(record(0)));
    view->tabs()->setCurrentIndex(1);
    typeOnly(edit("Rx frequency(MHz)"), "1000"); // in no band: 145.00000 comes back
    typeOnly(list("CTCSS tone")->lineEdit(), "300");
    view->SaveToImage();
    QCOMPARE(ChannelRecord::rxFrequency(record(1)), 14500000u);
    QCOMPARE(ChannelRecord::ctcssText(record(1)), QStringLiteral("100.0"));
    QCOMPARE(edit("Rx frequency(MHz)")->text(), QStringLiteral("145.00000"));
}

QTEST_MAIN(ScanChannelTests)
#include "tst_scan_channels.moc"

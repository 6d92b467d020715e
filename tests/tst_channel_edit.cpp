#include "BandState.h"
#include "ChannelEditDialog.h"
#include "ChannelRecord.h"
#include "ChannelRules.h"
#include "ChannelTable.h"
#include "FactoryDefault.h"
#include "ImageMap.h"
#include "MemoryImage.h"
#include "WidgetLookup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>
#include <QToolButton>
#include <array>

class ChannelEditTests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup() { delete dialog; }
    void spinWrapsAndNumbersClamp();
    void emptyChannelCreatedFromTheTemplate();
    void channelOneStaysInAMainBand();
    void clearingAChannel();
    void sqlModeListFollowsDecodeAndSignaling();
    void reverseWinsOverTalkAroundOnLoad();
    void valuesBeingTypedAreEnteredBeforeAStore();
    void offsetCorrection();
    void txSnapping();
    void everyFieldSurvivesStoreAndReload();
    void enterAndEscape();
    void whatTheDialogStoresSurvivesATableStore();
    void keyboardThroughTheDialog();
    void storedNamesShowAsTheyAreAndTypingIsFiltered();

private:
    void open(int channel);
    QLineEdit* edit(const char* name) const { return byName<QLineEdit>(*dialog, name); }
    QComboBox* list(const char* name) const { return byName<QComboBox>(*dialog, name); }
    QCheckBox* check(const char* name) const { return byName<QCheckBox>(*dialog, name); }
    // Types into a field and leaves it with Tab, as a user would.
    void type(QWidget* field, const QString& text);
    Record record(int n) { return image.at<32>(ImageMap::channelAddress(n)); }

    MemoryImage image;
    BandState bands;
    ChannelEditDialog* dialog = nullptr;
};

void ChannelEditTests::init() {
    image = buildFactoryDefault();
    bands = BandState::fromImage(image);
}

void ChannelEditTests::open(int channel) {
    dialog = new ChannelEditDialog(image, bands, channel);
    dialog->show();
    dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
}

void ChannelEditTests::type(QWidget* field, const QString& text) {
    field->setFocus();
    QTRY_VERIFY(field->hasFocus());
    if (auto* line = qobject_cast<QLineEdit*>(field))
        line->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Tab);
}

void ChannelEditTests::spinWrapsAndNumbersClamp() {
    open(1);
    QTest::mouseClick(byName<QToolButton>(*dialog, "Previous channel"), Qt::LeftButton);
    QCOMPARE(dialog->channel(), 800);
    QCOMPARE(edit("Channel number")->text(), QStringLiteral("800"));
    QTest::mouseClick(byName<QToolButton>(*dialog, "Next channel"), Qt::LeftButton);
    QCOMPARE(dialog->channel(), 1);
    type(edit("Channel number"), "900");
    QCOMPARE(dialog->channel(), 800);
    type(edit("Channel number"), "0");
    QCOMPARE(dialog->channel(), 1);
    QCOMPARE(edit("Channel number")->text(), QStringLiteral("1"));
}

void ChannelEditTests::emptyChannelCreatedFromTheTemplate() {
    open(5);
    QVERIFY(edit("Rx frequency(MHz)")->isEnabled());
    QVERIFY(edit("Channel number")->isEnabled());
    QVERIFY(!edit("Tx frequency(MHz)")->isEnabled());
    QVERIFY(!list("Tx power")->isEnabled());
    QVERIFY(!check("Emphasis")->isEnabled());
    type(edit("Rx frequency(MHz)"), "145");
    QCOMPARE(edit("Rx frequency(MHz)")->text(), QStringLiteral("145.00000"));
    QCOMPARE(edit("Tx frequency(MHz)")->text(), QStringLiteral("145.00000"));
    QCOMPARE(list("CTCSS tone")->currentText(), QStringLiteral("100.0"));
    QCOMPARE(list("DCS code")->currentText(), QStringLiteral("023"));
    QCOMPARE(list("Tx power")->currentText(), QStringLiteral("High"));
    QCOMPARE(list("Bandwidth")->currentText(), QStringLiteral("Wide"));
    QVERIFY(check("Emphasis")->isChecked());
    QCOMPARE(edit("Offset freq(MHz)")->text(), QStringLiteral("0.60000"));
    QVERIFY(list("Tx power")->isEnabled());
    // Written at once.
    QCOMPARE(ChannelRecord::rxFrequency(record(5)), 14500000u);
}

void ChannelEditTests::channelOneStaysInAMainBand() {
    open(1);
    type(edit("Rx frequency(MHz)"), "30"); // band 0 is no main band: the old text comes back
    QCOMPARE(edit("Rx frequency(MHz)")->text(), QStringLiteral("134.00000"));
    type(edit("Rx frequency(MHz)"), ""); // channel 1 cannot be emptied
    QCOMPARE(edit("Rx frequency(MHz)")->text(), QStringLiteral("134.00000"));
    type(edit("Rx frequency(MHz)"), "145.0088"); // grid check only, no 8.33 kHz raster
    QCOMPARE(edit("Rx frequency(MHz)")->text(), QStringLiteral("145.00625"));
}

void ChannelEditTests::clearingAChannel() {
    ChannelRules::initializeChannel(image, 7, 14500000, bands);
    open(7);
    type(edit("Rx frequency(MHz)"), "");
    QVERIFY(!list("Tx power")->isEnabled());
    dialog->close();
    QVERIFY(isEmptyRecord(record(7)));
    QCOMPARE(ChannelRecord::offset(record(7)), 60000u);
}

void ChannelEditTests::sqlModeListFollowsDecodeAndSignaling() {
    open(1);
    QCOMPARE(list("Decode type")->currentText(), QStringLiteral("Off"));
    QCOMPARE(itemsOf(list("SQL mode")), QStringList{"Carrier"});
    list("Decode type")->setCurrentText("Ctcss Codec");
    QCOMPARE(itemsOf(list("SQL mode")), (QStringList{"Carrier", "Tone"}));
    list("SQL mode")->setCurrentText("Tone");
    list("Option signaling")->setCurrentText("DTMF");
    QCOMPARE(itemsOf(list("SQL mode")).size(), 5);
    QCOMPARE(list("SQL mode")->currentText(), QStringLiteral("Tone")); // kept
    QVERIFY(!list("Siganling decode")->isEnabled());
    list("Option signaling")->setCurrentText("2 Tone");
    QVERIFY(list("Siganling decode")->isEnabled());
    list("Decode type")->setCurrentText("Off");
    QCOMPARE(itemsOf(list("SQL mode")), (QStringList{"Carrier", "Signaling"}));
    QCOMPARE(list("SQL mode")->currentText(), QStringLiteral("Carrier"));
    // Reverse and Talk around exclude each other: the one clicked wins.
    QTest::mouseClick(check("Reverse"), Qt::LeftButton);
    QTest::mouseClick(check("Talk around"), Qt::LeftButton);
    QVERIFY(check("Talk around")->isChecked());
    QVERIFY(!check("Reverse")->isChecked());
    QTest::mouseClick(check("Reverse"), Qt::LeftButton);
    QVERIFY(!check("Talk around")->isChecked());
}

// A record with both bits set loads with Reverse on and Talk around off, and stores so.
void ChannelEditTests::reverseWinsOverTalkAroundOnLoad() {
    ChannelRules::initializeChannel(image, 6, 14500000, bands);
    record(6)[14] = 0xBE; // "+", reverse, talk around, step code 14
    open(6);
    QVERIFY(check("Reverse")->isChecked());
    QVERIFY(!check("Talk around")->isChecked());
    dialog->close();
    QCOMPARE(record(6)[14], 0xA6); // "+", reverse, step "12.5"
}

// What is being typed when the channel changes or the dialog closes is entered first, by the
// field's rule, never stored as typed.
void ChannelEditTests::valuesBeingTypedAreEnteredBeforeAStore() {
    ChannelRules::initializeChannel(image, 3, 14550000, bands);
    open(3);
    auto typeWithoutLeaving = [](QWidget* field, const QString& text) {
        field->setFocus();
        QTRY_VERIFY(field->hasFocus());
        if (auto* line = qobject_cast<QLineEdit*>(field))
            line->selectAll();
        else
            qobject_cast<QComboBox*>(field)->lineEdit()->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    };
    auto* next = byName<QToolButton>(*dialog, "Next channel");
    typeWithoutLeaving(edit("Rx frequency(MHz)"), "1000"); // in no band: the old value stays
    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(dialog->channel(), 4);
    QCOMPARE(ChannelRecord::rxFrequency(record(3)), 14550000u);

    dialog->step(-1);
    typeWithoutLeaving(list("CTCSS tone"), "300"); // no tone: 100.0
    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(ChannelRecord::ctcssText(record(3)), QStringLiteral("100.0"));

    dialog->step(-3);
    QCOMPARE(dialog->channel(), 1);
    typeWithoutLeaving(edit("Rx frequency(MHz)"), "");
    QTest::mouseClick(next, Qt::LeftButton);
    QVERIFY(!isEmptyRecord(record(1))); // channel 1 can never be emptied
    QCOMPARE(ChannelRecord::rxFrequency(record(1)), 13400000u);
}

void ChannelEditTests::offsetCorrection() {
    open(1);
    QLineEdit* offset = edit("Offset freq(MHz)");
    const std::pair<const char*, const char*> cases[] = {
        {"60", "7.60000"}, {"0.6", "0.60000"}, {"", "0.00000"}, {"0.6037", "0.60000"}};
    for (auto [typed, shown] : cases) {
        offset->setText(typed);
        Q_EMIT offset->editingFinished();
        QCOMPARE(offset->text(), QString::fromLatin1(shown));
    }
    offset->clear();
    dialog->close(); // normalized before the store: 0.00000, not FF FF FF FF
    QCOMPARE(record(1)[19], 0x00);
    QCOMPARE(ChannelRecord::offset(record(1)), 0u);
}

void ChannelEditTests::txSnapping() {
    bands = BandState(); // built-in limits: 850M is a band
    ChannelRules::initializeChannel(image, 3, 85100000, bands);
    open(3);
    type(edit("Tx frequency(MHz)"), "851.0063");
    QCOMPARE(edit("Tx frequency(MHz)")->text(), QStringLiteral("851.00500"));
    QCOMPARE(itemsOf(list("Frequency step")).size(), 9); // the 850M steps
    type(edit("Tx frequency(MHz)"), "145.0088");
    QCOMPARE(edit("Tx frequency(MHz)")->text(), QStringLiteral("145.00833"));
    type(edit("Tx frequency(MHz)"), ""); // empty: the previous text comes back
    QCOMPARE(edit("Tx frequency(MHz)")->text(), QStringLiteral("145.00833"));
}

void ChannelEditTests::everyFieldSurvivesStoreAndReload() {
    ChannelRules::initializeChannel(image, 2, 14600000, bands);
    open(2);
    type(edit("Tx frequency(MHz)"), "146.6");
    type(edit("Name"), "rep2");
    type(list("CTCSS tone"), "88.5");
    type(list("DCS code"), "754");
    list("DCS polarity")->setCurrentText("Invert");
    list("Decode type")->setCurrentText("Dcs Codec");
    list("Option signaling")->setCurrentText("2 Tone");
    list("Siganling decode")->setCurrentText("12");
    list("PTT ID")->setCurrentText("PTTID 3");
    list("SQL mode")->setCurrentText("Signaling & Tone");
    list("Tx stop")->setCurrentText("On");
    list("Bandwidth")->setCurrentText("Narrow");
    list("Scan")->setCurrentText("Priority");
    list("Tx power")->setCurrentText("Middle 2");
    list("Busy lock")->setCurrentText("2 Tone");
    list("Display type")->setCurrentText("Name");
    list("Frequency step")->setCurrentText("25");
    for (const char* name :
         {"Reverse backup", "Compander", "Scrambler", "Talk around", "Beat shift", "AM"})
        check(name)->setChecked(true);
    check("Emphasis")->setChecked(false);
    dialog->step(1);  // store channel 2
    dialog->step(-1); // and load it again
    const Record r = record(2);
    QCOMPARE(ChannelRecord::txFrequency(r), 14660000u);
    QCOMPARE(ChannelRecord::name(r), QStringLiteral("REP2"));
    QCOMPARE(r[12], 0b0111'0110); // Middle 2, beat, backup, Name, Priority
    QCOMPARE(r[13], 0b1011'0011); // Narrow, scrambler, compander, no emphasis, Signaling & Tone
    QCOMPARE(r[14] & 0x3F, 0b01'1001); // talk around, step 25
    QCOMPARE(r[15], 0b1110'1011);      // Invert, 2 Tone busy lock, Tx stop, Dcs Codec
    QCOMPARE(r[20], 0b0101'1011);      // 2 Tone, AM, decode 12
    QCOMPARE(r[21], 3);
    QCOMPARE(ChannelRecord::dcsText(r), QStringLiteral("754"));
    QCOMPARE(ChannelRecord::ctcssText(r), QStringLiteral("88.5"));
    // The controls show the same after the reload.
    QCOMPARE(list("Siganling decode")->currentText(), QStringLiteral("12"));
    QCOMPARE(list("SQL mode")->currentText(), QStringLiteral("Signaling & Tone"));
    QCOMPARE(list("Tx stop")->currentText(), QStringLiteral("On"));
    QVERIFY(check("Reverse backup")->isChecked());
    QVERIFY(!check("Reverse")->isChecked());
    QCOMPARE(list("Frequency step")->currentText(), QStringLiteral("25"));
}

void ChannelEditTests::enterAndEscape() {
    ChannelRules::initializeChannel(image, 4, 14500000, bands);
    open(4);
    QLineEdit* name = edit("Name");
    name->setFocus();
    QTRY_VERIFY(name->hasFocus());
    QTest::keyClick(name, Qt::Key_Escape);
    QTest::keyClick(name, Qt::Key_Return);
    QVERIFY(dialog->isVisible()); // neither key closes the dialog from other fields
    QLineEdit* rx = edit("Rx frequency(MHz)");
    rx->setFocus();
    QTRY_VERIFY(rx->hasFocus());
    rx->selectAll();
    QTest::keyClicks(rx, "145.0037");
    QTest::keyClick(rx, Qt::Key_Return); // Enter ends the entry
    QCOMPARE(rx->text(), QStringLiteral("145.00000"));
    QTest::keyClick(rx, Qt::Key_Escape); // Escape in the Rx field closes, storing the channel
    QTRY_VERIFY(!dialog->isVisible());
    QCOMPARE(ChannelRecord::rxFrequency(record(4)), 14500000u);
}

// A new channel's Rx left with Tab goes on to Tx, never back to the channel number; the number
// field steps channels with Up, Down, Page Up and Page Down; Close stores and closes.
void ChannelEditTests::keyboardThroughTheDialog() {
    open(2);
    QLineEdit* rx = edit("Rx frequency(MHz)");
    rx->setFocus();
    QTRY_VERIFY(rx->hasFocus());
    QTest::keyClicks(rx, "145");
    QTest::keyClick(rx, Qt::Key_Tab);
    QTRY_VERIFY(edit("Tx frequency(MHz)")->hasFocus());
    QTest::keyClicks(edit("Tx frequency(MHz)"), "9"); // lands in Tx, not in the channel number
    QCOMPARE(dialog->channel(), 2);

    QLineEdit* number = edit("Channel number");
    number->setFocus();
    QTRY_VERIFY(number->hasFocus());
    QTest::keyClick(number, Qt::Key_Up);
    QCOMPARE(dialog->channel(), 3);
    QTest::keyClick(number, Qt::Key_PageUp);
    QCOMPARE(dialog->channel(), 13);
    QTest::keyClick(number, Qt::Key_PageDown);
    QTest::keyClick(number, Qt::Key_Down);
    QTest::keyClick(number, Qt::Key_Down);
    QCOMPARE(dialog->channel(), 1);
    QCOMPARE(number->text(), QStringLiteral("1"));
    // Channel 2 was stored when it was left.
    QVERIFY(!isEmptyRecord(record(2)));
    QCOMPARE(ChannelRecord::rxFrequency(record(2)), 14500000u);

    auto* up = byName<QToolButton>(*dialog, "Next channel");
    auto* down = byName<QToolButton>(*dialog, "Previous channel");
    QVERIFY(up->geometry().bottom() <= down->geometry().top()); // up stands above down
    auto* close = byName<QPushButton>(*dialog, "Close");
    QVERIFY(close);
    QTest::mouseClick(close, Qt::LeftButton);
    QTRY_VERIFY(!dialog->isVisible());
}

// Whatever the dialog stores, the channel table's next store keeps, but for the offset
// direction it works out from Rx, Tx and the offset.
void ChannelEditTests::whatTheDialogStoresSurvivesATableStore() {
    QRandomGenerator random(20261209);
    ChannelRules::initializeChannel(image, 9, 14500000, bands);
    open(9);
    for (int round = 0; round < 40; ++round) {
        for (QComboBox* box : dialog->findChildren<QComboBox*>())
            if (box->isVisible() && box->isEnabled() && box->count() > 0)
                box->setCurrentIndex(int(random.bounded(box->count())));
        for (QCheckBox* box : dialog->findChildren<QCheckBox*>())
            if (box->isVisible() && random.bounded(2) == 1)
                QTest::mouseClick(box, Qt::LeftButton);
        type(edit("Tx frequency(MHz)"),
             FrequencyText::fromValue(random.bounded(2) ? 14400000 + 2500 * random.bounded(400)
                                                        : 43000000 + 1250 * random.bounded(800)));
        type(edit("Name"), QStringLiteral("N%1").arg(round));
        dialog->step(1);
        const QByteArray stored(reinterpret_cast<const char*>(record(9).data()), 32);
        ChannelTable::settle(image, bands);
        QByteArray settled(reinterpret_cast<const char*>(record(9).data()), 32);
        settled[14] = char((settled[14] & 0x3F) | (stored[14] & 0xC0)); // the direction
        QVERIFY2(settled == stored, qPrintable(QStringLiteral("round %1: %2 -> %3")
                                                   .arg(round)
                                                   .arg(QString::fromLatin1(stored.toHex(' ')),
                                                        QString::fromLatin1(settled.toHex(' ')))));
        dialog->step(-1);
    }
}

// A stored name the name filter would not let anyone type ("ab!C", or "AB" with a byte no form
// shows after it) is shown as the table shows it and left alone by a store; what is typed goes
// through the filter.
void ChannelEditTests::storedNamesShowAsTheyAreAndTypingIsFiltered() {
    ChannelRules::initializeChannel(image, 2, 14500000, bands);
    ChannelRules::initializeChannel(image, 3, 14600000, bands);
    const std::array<std::uint8_t, 6> odd = {0x61, 0x62, 0x21, 0x43, 0xFF, 0xFF};
    const std::array<std::uint8_t, 6> hidden = {0x41, 0x42, 0x00, 0x43, 0xFF, 0xFF};
    std::copy(odd.begin(), odd.end(), record(2).begin() + 24);
    std::copy(hidden.begin(), hidden.end(), record(3).begin() + 24);
    const MemoryImage before = image;
    open(2);
    QCOMPARE(edit("Name")->text(), QStringLiteral("ab!C"));
    QTest::mouseClick(byName<QToolButton>(*dialog, "Next channel"), Qt::LeftButton);
    QCOMPARE(edit("Name")->text(), QStringLiteral("AB"));
    QTest::mouseClick(byName<QToolButton>(*dialog, "Previous channel"), Qt::LeftButton);
    // Through the name field and out again without typing.
    edit("Name")->setFocus();
    QTRY_VERIFY(edit("Name")->hasFocus());
    QTest::keyClick(edit("Name"), Qt::Key_Tab);
    dialog->close();
    QVERIFY(image == before);

    // Typed: filtered and upper-cased, spaces kept.
    open(2);
    type(edit("Name"), "x!y z");
    QCOMPARE(edit("Name")->text(), QStringLiteral("XY Z"));
    dialog->close();
    QCOMPARE(ChannelRecord::name(record(2)), QStringLiteral("XY Z"));
    QCOMPARE(record(2)[28], 0xFF);
}

QTEST_MAIN(ChannelEditTests)
#include "tst_channel_edit.moc"

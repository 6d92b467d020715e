#include "BandState.h"
#include "BasicSettingView.h"
#include "ChannelRules.h"
#include "FactoryDefault.h"
#include "ImageMap.h"
#include "ListHelpers.h"
#include "MemoryImage.h"
#include "NumberField.h"
#include "RecordTemplates.h"
#include "WidgetLookup.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

class BasicSettingsTests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { image = buildFactoryDefault(); }
    void cleanup() {
        delete view;
        view = nullptr;
    }
    void autoPowerOff();
    void volumeAndScrambler();
    void totFieldsAndArrows();
    void keys();
    void switchingTabsStoresThePageLeft();
    void priorityChannelsByPrefix();
    void untouchedBitsAndBytes();
    void closingStores();
    void closingKeepsWhatWasLoadedSince();
    void helpContextsByTab();
    void sharedHelpers();
    void factoryDefaultNeedsNoFallback();

private:
    void open();
    QComboBox* list(const char* name) const { return byName<QComboBox>(*view, name); }
    NumberField* number(const char* name) const { return byName<NumberField>(*view, name); }
    void leave(QWidget* field); // Tab out of a field, as a user would
    void showTab(int index) { view->tabs()->setCurrentIndex(index); }

    MemoryImage image;
    BasicSettingView* view = nullptr;
};

void BasicSettingsTests::open() {
    view = new BasicSettingView(image);
    view->resize(620, 580);
    view->show();
    view->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(view));
}

void BasicSettingsTests::leave(QWidget* field) {
    field->setFocus();
    QTRY_VERIFY(field->hasFocus());
    view->tabs()->tabBar()->setFocus();
    QTRY_VERIFY(!field->hasFocus());
}

void BasicSettingsTests::autoPowerOff() {
    image.setByte(0xCC21, 10);
    open();
    QCOMPARE(list("Auto power off(h)")->currentText(), QStringLiteral("1.0"));
    view->SaveToImage();
    QCOMPARE(image.byte(0xCC21), 10);
    delete view;
    image.setByte(0xCC21, 25);
    view = nullptr;
    open();
    QCOMPARE(list("Auto power off(h)")->currentText(), QStringLiteral("Off"));
    list("Auto power off(h)")->setCurrentText("1.5");
    view->SaveToImage();
    QCOMPARE(image.byte(0xCC21), 15);
}

void BasicSettingsTests::volumeAndScrambler() {
    open();
    NumberField* volume = number("Volume");
    volume->setFocus();
    volume->editor()->selectAll();
    QTest::keyClick(volume, Qt::Key_Backspace);
    leave(volume);
    QCOMPARE(volume->text(), QStringLiteral("15"));
    view->SaveToImage();
    QCOMPARE(image.byte(0xCC2F), 15);
    // The arrows wrap between 1 and 15.
    QTest::keyClick(volume, Qt::Key_Up);
    QCOMPARE(volume->text(), QStringLiteral("1"));
    QTest::keyClick(volume, Qt::Key_Down);
    QCOMPARE(volume->text(), QStringLiteral("15"));

    NumberField* scrambler = number("Scarmbler(2600 - 4000Hz)");
    scrambler->setFocus();
    scrambler->editor()->selectAll();
    QTest::keyClicks(scrambler, "25x99"); // letters are dropped
    QCOMPARE(scrambler->text(), QStringLiteral("2599"));
    leave(scrambler);
    QCOMPARE(scrambler->text(), QStringLiteral("3300"));
    scrambler->setFocus();
    scrambler->editor()->selectAll();
    QTest::keyClicks(scrambler, "4000");
    leave(scrambler);
    QCOMPARE(scrambler->text(), QStringLiteral("4000"));
    view->SaveToImage();
    QCOMPARE(image.word(0xCC28), 4000);
}

void BasicSettingsTests::totFieldsAndArrows() {
    image.setByte(0xCC30, 0);
    open();
    showTab(1);
    NumberField* tot = number("TOT (min)");
    QCOMPARE(tot->text(), QStringLiteral("Off"));
    tot->setFocus();
    QTRY_VERIFY(tot->hasFocus());
    QTest::keyClick(tot, Qt::Key_Down); // down from "Off" wraps to the top
    QCOMPARE(tot->text(), QStringLiteral("30"));
    QTest::keyClick(tot, Qt::Key_Up);
    QCOMPARE(tot->text(), QStringLiteral("Off"));
    tot->editor()->selectAll();
    QTest::keyClicks(tot, "45");
    leave(tot);
    QCOMPARE(tot->text(), QStringLiteral("30")); // clamped, not the default
    // Held arrows take aligned larger steps.
    tot->editor()->setText("7");
    tot->stepBy(5);
    QCOMPARE(tot->text(), QStringLiteral("10"));
    view->SaveToImage();
    QCOMPARE(image.byte(0xCC30), 10);
    NumberField* preAlert = number("TOT pre-alert (s)");
    preAlert->editor()->setText("0");
    view->SaveToImage();
    QCOMPARE(preAlert->text(), QStringLiteral("Off"));
    QCOMPARE(image.byte(0xCC31), 0);
}

void BasicSettingsTests::keys() {
    image.setByte(0xCC38, 13);
    image.setByte(0xCC3B, 2);
    open();
    showTab(2);
    QCOMPARE(list("P1")->currentText(), QStringLiteral("BAND"));
    QCOMPARE(list("P4")->currentText(), QStringLiteral("SQL.OFF"));
    view->SaveToImage();
    QCOMPARE(image.byte(0xCC38), 11);
    QCOMPARE(image.byte(0xCC3B), 2);
    delete view;
    view = nullptr;
    image.setByte(0xCC38, 255);
    open();
    showTab(2);
    QCOMPARE(list("P1")->currentText(), QStringLiteral("BAND"));
}

void BasicSettingsTests::switchingTabsStoresThePageLeft() {
    open();
    list("SQL(Left)")->setCurrentText("Full");
    QCOMPARE(image.byte(0xCC20), 2); // still only in the page
    showTab(1);
    QCOMPARE(image.byte(0xCC20), 4); // stored as the tab changed
    // The page entered loads from the image.
    showTab(2);
    image.setByte(0xCC32, 12);
    showTab(1);
    QCOMPARE(number("TOT rekey (s)")->text(), QStringLiteral("12"));
}

void BasicSettingsTests::priorityChannelsByPrefix() {
    const BandState bands = BandState::fromImage(image);
    ChannelRules::initializeChannel(image, 52, 14500000, bands);
    image.setWord(0xCC18, 5); // channel 5 is empty, but 52 begins with 5
    open();
    QCOMPARE(list("Left Priority Ch")->currentText(), QStringLiteral("52"));
    view->SaveToImage();
    QCOMPARE(image.word(0xCC18), 52);
    delete view;
    view = nullptr;
    image.setWord(0xCC18, 7); // no channel begins with 7
    open();
    QCOMPARE(list("Left Priority Ch")->currentText(), QStringLiteral("Off"));
    view->SaveToImage();
    QCOMPARE(image.word(0xCC18), 0);
    QCOMPARE(list("Right Priority Ch")->count(), 2); // "Off" and channel 801
}

void BasicSettingsTests::untouchedBitsAndBytes() {
    image.setBits(0xCC24, 2, 2, 3);
    image.setBits(0xCC25, 4, 1, 1);
    image.setByte(0xCC1C, 0x5A);
    image.setByte(0xCC2D, 0xA5);
    image.setBits(0xCC27, 0, 2, 2); // a scan resume mode the list does not have
    const std::uint16_t coefficient = image.word(0xCC2A);
    open();
    QCOMPARE(list("Scan resume mode")->currentText(), QStringLiteral("TO"));
    list("PTT lock")->setCurrentText("Both");
    list("Beep")->setCurrentText("Off");
    view->SaveToImage();
    QCOMPARE(image.bits(0xCC24, 2, 2), 3);
    QCOMPARE(image.bits(0xCC24, 4, 2), 3);
    QCOMPARE(image.bits(0xCC24, 7, 1), 0);
    QCOMPARE(image.bits(0xCC25, 4, 1), 1);
    QCOMPARE(image.byte(0xCC1C), 0x5A);
    QCOMPARE(image.byte(0xCC2D), 0xA5);
    QCOMPARE(image.word(0xCC2A), coefficient);
    QCOMPARE(image.bits(0xCC27, 0, 2), 0);
}

void BasicSettingsTests::closingStores() {
    open();
    list("Backlight Brightness")->setCurrentText("1");
    showTab(1);
    number("TOT reset (s)")->editor()->setText("20");
    delete view;
    view = nullptr;
    QCOMPARE(image.byte(0xCC22), 1);
    QCOMPARE(image.byte(0xCC33), 20);
}

// A file opened while the form is open reloads the page shown; closing the form then must not
// write the hidden pages' old values over the file's.
void BasicSettingsTests::closingKeepsWhatWasLoadedSince() {
    open();
    showTab(1);
    showTab(0);                // the TOT page loaded and stored once, now hidden
    image.setByte(0xCC30, 17); // as an Open brings a file with another TOT
    image.setByte(0xCC38, 5);
    view->LoadFromImage();
    delete view;
    view = nullptr;
    QCOMPARE(image.byte(0xCC30), 17);
    QCOMPARE(image.byte(0xCC38), 5);
}

void BasicSettingsTests::helpContextsByTab() {
    open();
    const int expected[] = {151, 146, 175};
    for (int tab = 0; tab < 3; ++tab) {
        showTab(tab);
        QCOMPARE(view->helpContext(), expected[tab]);
    }
    QCOMPARE(view->tabs()->tabText(0), QStringLiteral("Option"));
}

void BasicSettingsTests::sharedHelpers() {
    QComboBox box;
    box.addItems({"Off", "0.5", "1.0", "1.5"});
    ListHelpers::selectByText(&box, "1");
    QCOMPARE(box.currentText(), QStringLiteral("1.0"));
    ListHelpers::selectByText(&box, "OF");
    QCOMPARE(box.currentText(), QStringLiteral("Off"));
    ListHelpers::selectByText(&box, "3");
    QCOMPARE(box.currentIndex(), -1);
    ListHelpers::ensureSelection(&box, 1, true);
    QCOMPARE(box.currentText(), QStringLiteral("1.0"));
    ListHelpers::ensureSelection(&box, 3); // a list with a choice stays
    QCOMPARE(box.currentText(), QStringLiteral("1.0"));

    // A millisecond field cut to steps of 10, and a tenths field with "Off" for 0.
    NumberField ms("Reply delay(ms)", {.minimum = 0,
                                       .maximum = 2550,
                                       .fallback = 100,
                                       .step = 10,
                                       .spinUnit = 10,
                                       .maxLength = 4});
    ms.editor()->setText("1234");
    ms.normalize();
    QCOMPARE(ms.number(), 1230);
    ms.stepBy(1);
    QCOMPARE(ms.text(), QStringLiteral("1240"));
    NumberField wait("Reply wait (s)", {.tenths = true,
                                        .minimum = 0,
                                        .maximum = 50,
                                        .fallback = 0,
                                        .zeroText = QStringLiteral("Off"),
                                        .spinLowText = QStringLiteral("Off")});
    wait.setNumber(25);
    QCOMPARE(wait.text(), QStringLiteral("2.5"));
    wait.setNumber(0);
    QCOMPARE(wait.text(), QStringLiteral("Off"));
    wait.stepBy(-1);
    QCOMPARE(wait.text(), QStringLiteral("5.0"));
    QCOMPARE(wait.number(), 50);
}

void BasicSettingsTests::factoryDefaultNeedsNoFallback() {
    // Every field of the factory default is a value the form offers: loading and storing all
    // three pages changes no byte.
    const MemoryImage factory = buildFactoryDefault();
    open();
    for (int tab : {1, 2, 0})
        showTab(tab);
    delete view;
    view = nullptr;
    QVERIFY(image == factory);
}

QTEST_MAIN(BasicSettingsTests)
#include "tst_basic_settings.moc"

#include "Digits.h"
#include "FactoryDefault.h"
#include "FiveToneView.h"
#include "ImageMap.h"
#include "MemoryImage.h"
#include "NumberField.h"
#include "WidgetLookup.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace {

std::uint32_t pcEntry(int k) {
    return ImageMap::pcFiveToneSystem(k);
}

std::uint16_t pcWord(const MemoryImage& image, std::uint32_t at) {
    return std::uint16_t(image.pc()[at] | (image.pc()[at + 1] << 8));
}

} // namespace

class FiveToneTests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { image = buildFactoryDefault(); }
    void cleanup();
    void factoryDefaultPassesUnchanged();
    void userStandardTones();
    void standardIndexOutOfRange();
    void switchingStandards();
    void zvei3LimitsTheCodes();
    void widthFromTheNominalWidth();
    void lettersStayApart();
    void timingsAndAutoReset();
    void contactsAndTheirFallbacks();
    void informationEntries();

private:
    void open();
    QComboBox* list(const char* name) const { return byName<QComboBox>(*view, name); }
    QLineEdit* edit(const char* name) const { return byName<QLineEdit>(*view, name); }
    NumberField* number(const char* name) const { return byName<NumberField>(*view, name); }
    void choose(QComboBox* box, const QString& text);
    void typeAndLeave(QWidget* field, const QString& text);

    MemoryImage image;
    FiveToneView* view = nullptr;
};

void FiveToneTests::cleanup() {
    delete view;
    view = nullptr;
}

void FiveToneTests::open() {
    view = new FiveToneView(image);
    view->resize(830, 650);
    view->show();
    view->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(view));
}

// Picks the entry from the list's popup, as a user does.
void FiveToneTests::choose(QComboBox* box, const QString& text) {
    const int target = box->findText(text);
    QVERIFY(target >= 0);
    box->showPopup();
    QAbstractItemView* popup = box->view();
    QTRY_VERIFY(popup->isVisible());
    QTest::mouseClick(popup->viewport(), Qt::LeftButton, {},
                      popup->visualRect(popup->model()->index(target, 0)).center());
    QTRY_VERIFY(!popup->isVisible());
}

void FiveToneTests::typeAndLeave(QWidget* field, const QString& text) {
    field->setFocus();
    QTRY_VERIFY(field->hasFocus());
    QLineEdit* line = qobject_cast<QLineEdit*>(field);
    if (!line)
        line = static_cast<NumberField*>(field)->editor();
    line->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
    list("Decode response")->setFocus();
    QTRY_VERIFY(!field->hasFocus());
}

void FiveToneTests::factoryDefaultPassesUnchanged() {
    const MemoryImage factory = image;
    open();
    view->SaveToImage();
    QVERIFY(image == factory); // the PC block included
}

void FiveToneTests::userStandardTones() {
    image.setByte(ImageMap::kFiveToneSystem, 0x0F);
    for (std::uint32_t i = 0; i < 16; ++i)
        image.setWord(ImageMap::kFiveToneTones + 2 * i, std::uint16_t(3000 + 100 * i));
    image.setWord(ImageMap::kFiveToneTones + 2 * 5, 40000); // out of range
    open();
    QCOMPARE(list("Standard")->currentText(), QStringLiteral("USER DEFINDE"));
    QVERIFY(number("Tone 0")->isEnabled());
    QCOMPARE(number("Tone 1")->text(), QStringLiteral("310.0"));
    QCOMPARE(number("Tone 5")->text(), QString());
    view->SaveToImage();
    for (std::uint32_t i = 0; i < 16; ++i) {
        const std::uint16_t expected = i == 5 ? 0 : std::uint16_t(3000 + 100 * i);
        QCOMPARE(image.word(ImageMap::kFiveToneTones + 2 * i), expected);
        QCOMPARE(pcWord(image, pcEntry(15) + 8 + 2 * i), expected);
    }
}

void FiveToneTests::standardIndexOutOfRange() {
    image.setByte(ImageMap::kFiveToneSystem, 0x20);
    open();
    QCOMPARE(list("Standard")->currentText(), QStringLiteral("ZVEI1"));
    QVERIFY(!number("Tone 0")->isEnabled()); // a built-in standard's tones are its own
    QCOMPARE(number("Tone 0")->text(), QStringLiteral("2400.0"));
}

// The standard shown goes into its PC block entry before another is shown; the image takes
// the selected one only when the form stores.
void FiveToneTests::switchingStandards() {
    open();
    choose(list("Standard"), "USER DEFINDE");
    typeAndLeave(number("Tone 3"), "999.9");
    choose(list("Standard"), "CCIR1");
    QCOMPARE(pcWord(image, pcEntry(15) + 8 + 6), 9999);
    QCOMPARE(image.byte(ImageMap::kFiveToneSystem), 0); // not stored yet
    view->SaveToImage();
    QCOMPARE(image.byte(ImageMap::kFiveToneSystem), 6);
    QCOMPARE(image.pc()[pcEntry(6)], 6);
    QVERIFY(std::equal(image.pc().begin() + pcEntry(6), image.pc().begin() + pcEntry(6) + 40,
                       image.at(ImageMap::kFiveToneSystem, 40).begin()));
}

void FiveToneTests::zvei3LimitsTheCodes() {
    open();
    choose(list("Standard"), "ZVEI3");
    for (const char* tone : {"Tone B", "Tone C", "Tone D", "Tone F"})
        QVERIFY2(byName<NumberField>(*view, tone)->text().isEmpty(), tone);
    QCOMPARE(list("Repeat")->currentText(), QStringLiteral("E"));
    QLineEdit* id = edit("ID");
    typeAndLeave(id, "1b2c3d4e5f6a");
    QCOMPARE(id->text(), QStringLiteral("123456A")); // no B, C, D, F tone; E repeats
    typeAndLeave(edit("Code"), "9FE8");
    QCOMPARE(edit("Code")->text(), QStringLiteral("98"));
}

void FiveToneTests::widthFromTheNominalWidth() {
    open();
    choose(list("Standard"), "EIA"); // nominal 33 ms
    typeAndLeave(number("Width"), "35");
    QCOMPARE(number("Width")->text(), QStringLiteral("35"));
    typeAndLeave(number("Width"), "20");
    QCOMPARE(number("Width")->text(), QStringLiteral("33"));
    choose(list("Standard"), "CCIR1"); // nominal 100 ms
    typeAndLeave(number("Width"), "80");
    QCOMPARE(number("Width")->text(), QStringLiteral("100"));
    view->SaveToImage();
    QCOMPARE(image.byte(ImageMap::kFiveToneSystem + 1), 100);
    QCOMPARE(image.pc()[pcEntry(13) + 1], 33); // EIA kept its own
}

void FiveToneTests::lettersStayApart() {
    open(); // ZVEI1: group A, repeat E, delimiter F
    choose(list("Delimiter"), "A");
    QCOMPARE(list("Group")->currentText(), QStringLiteral("B")); // the first letter free
    QCOMPARE(list("Repeat")->currentText(), QStringLiteral("E"));
    choose(list("Delimiter"), "None");
    view->SaveToImage();
    QCOMPARE(image.byte(ImageMap::kFiveToneSystem + 4), 0);
    QCOMPARE(image.byte(ImageMap::kFiveToneSystem + 2), 0x0B);
    view->LoadFromImage();
    QCOMPARE(list("Delimiter")->currentText(), QStringLiteral("None"));
}

void FiveToneTests::timingsAndAutoReset() {
    image.setByte(0xD2AF, 0xF2); // beep set, side tone off, other bits set
    open();
    typeAndLeave(number("Reply delay(ms)"), "1234");
    QCOMPARE(number("Reply delay(ms)")->text(), QStringLiteral("1230"));
    typeAndLeave(number("Auto reset time(s)"), "300");
    QCOMPARE(number("Auto reset time(s)")->text(), QStringLiteral("10"));
    list("Decode response")->setCurrentIndex(-1);
    view->SaveToImage();
    QCOMPARE(image.byte(0xD2AB), 123);
    QCOMPARE(image.byte(0xD2C9), 10);
    QCOMPARE(image.byte(0xD2C8), 0xFF); // no choice
    QCOMPARE(image.byte(0xD2AF), 0xF2);
}

void FiveToneTests::contactsAndTheirFallbacks() {
    open();
    QLineEdit* code = edit("Code");
    QCOMPARE(code->text(), QStringLiteral("12345"));
    typeAndLeave(code, "");
    QCOMPARE(code->text(), QStringLiteral("12345")); // contact 1 takes its code back
    choose(list("Contact Group"), "2");
    typeAndLeave(code, "");
    typeAndLeave(edit("Alias"), "");
    QCOMPARE(edit("Alias")->text(), QStringLiteral("2T-S02")); // its previous alias
    choose(list("Code type"), "Message");
    QVERIFY(edit("Message")->isEnabled());
    typeAndLeave(edit("Message"), "HELLO");
    choose(list("Contact Group"), "3"); // stores contact 2
    const std::uint32_t c2 = ImageMap::kFiveToneContactRecords.number(2);
    for (std::uint32_t i = 0; i < 8; ++i)
        QCOMPARE(image.byte(c2 + i), 0xFF);
    QCOMPARE(image.byte(c2 + 15), 2);
    QCOMPARE(image.byte(c2 + 16), 'H');
    QVERIFY(!edit("Message")->isEnabled()); // contact 3: code type Off
}

void FiveToneTests::informationEntries() {
    open();
    choose(list("Type"), "Kill");
    typeAndLeave(edit("ID"), "123");
    choose(list("Infomation Group"), "4"); // stores entry 1
    const std::uint32_t e1 = ImageMap::kFiveToneInfoRecords.number(1);
    QCOMPARE(image.byte(e1 + 15), 2);
    QCOMPARE(Digits::readCode(image.at(e1, 8), Digits::Code::Hex), QStringLiteral("123"));
    QCOMPARE(list("Type")->currentText(), QStringLiteral("Select"));
    choose(list("Infomation Group"), "1");
    QCOMPARE(list("Type")->currentText(), QStringLiteral("Kill"));
}

QTEST_MAIN(FiveToneTests)
#include "tst_five_tone.moc"

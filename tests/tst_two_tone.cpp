#include "DerivedValues.h"
#include "FactoryDefault.h"
#include "GridControl.h"
#include "ImageMap.h"
#include "MemoryImage.h"
#include "NumberField.h"
#include "Tones.h"
#include "TwoToneContacts.h"
#include "TwoToneView.h"
#include "WidgetLookup.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

using C = TwoToneContacts;

class TwoToneTests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { image = buildFactoryDefault(); }
    void cleanup();
    void factoryDefaultPassesUnchanged();
    void tonesOutOfRangeLoadTheirDefaults();
    void formatsAreExclusive();
    void sharedFormatsAreDropped();
    void formatsLoadWhateverThePreviousSystemHeld();
    void aliasFallbacks();
    void zeroShowsOff();
    void untouchedBytesAndSystemTabs();
    void contactTones();
    void clearingContacts();
    void singleContactsHaveNoSecondTone();

private:
    void open();
    std::uint32_t system(int s) const { return ImageMap::kTwoToneSystemRecords.number(s); }
    std::uint32_t contact(int n) const { return ImageMap::kTwoToneContactRecords.number(n); }
    QComboBox* list(const char* name) const { return byName<QComboBox>(*view, name); }
    NumberField* number(const char* name) const { return byName<NumberField>(*view, name); }
    GridControl* contacts() const { return byName<GridControl>(*view, "Contacts"); }
    void editCell(int row, int column, const QString& text); // tone and alias cells
    QStringList entries(const char* name) const { return itemsOf(list(name)); }

    MemoryImage image;
    TwoToneView* view = nullptr;
};

void TwoToneTests::cleanup() {
    delete view;
    view = nullptr;
}

void TwoToneTests::open() {
    view = new TwoToneView(image);
    view->resize(670, 630);
    view->show();
    view->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(view));
}

void TwoToneTests::editCell(int row, int column, const QString& text) {
    GridControl* grid = contacts();
    QTest::mouseClick(grid->cellArea(), Qt::LeftButton, {}, grid->cellRect(row, column).center());
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClicks(editor, text);
    grid->setFocus(); // leaving the editor takes its text
}

void TwoToneTests::factoryDefaultPassesUnchanged() {
    const MemoryImage factory = image;
    open();
    for (int s = 1; s < 16; ++s)
        byName<QTabBar>(*view, "Systems")->setCurrentIndex(s);
    view->tabs()->setCurrentIndex(1);
    view->tabs()->setCurrentIndex(0);
    delete view;
    view = nullptr;
    QVERIFY(image == factory);
}

void TwoToneTests::tonesOutOfRangeLoadTheirDefaults() {
    for (std::uint32_t t = 0; t < 4; ++t)
        image.setWord(system(1) + 16 + 2 * t, 0xFFFF); // 6553.5 Hz
    open();
    QCOMPARE(number("A tone")->text(), QStringLiteral("321.7"));
    QCOMPARE(number("B tone")->text(), QStringLiteral("928.1"));
    QCOMPARE(number("C tone")->text(), QStringLiteral("626.5"));
    QCOMPARE(number("D tone")->text(), QStringLiteral("2043.8"));
    number("A tone")->editor()->setText("1060");
    view->SaveToImage();
    QCOMPARE(image.word(system(1) + 16), 10600);
}

void TwoToneTests::formatsAreExclusive() {
    open(); // system 1: Decode 1 "A-B"
    QVERIFY(!entries("Decode 1 Format").contains("Off"));
    QVERIFY(!entries("Decode 2 Format").contains("A-B"));
    QComboBox* second = list("Decode 2 Format");
    second->showPopup();
    QAbstractItemView* popup = second->view();
    QTRY_VERIFY(popup->isVisible());
    const int at = second->findText("A-C");
    QTest::mouseClick(popup->viewport(), Qt::LeftButton, {},
                      popup->visualRect(popup->model()->index(at, 0)).center());
    QCOMPARE(second->currentText(), QStringLiteral("A-C"));
    for (const char* other : {"Decode 1 Format", "Decode 3 Format", "Decode 4 Format"})
        QVERIFY2(!entries(other).contains("A-C"), other);
    QVERIFY(entries("Decode 3 Format").contains("Off"));
    view->SaveToImage();
    QCOMPARE(image.byte(system(1) + 25), 0x13);
}

void TwoToneTests::sharedFormatsAreDropped() {
    image.setByte(system(1) + 24, 0x21); // "B-A" twice
    image.setByte(system(1) + 26, 0x21);
    image.setByte(system(1) + 27, 0x77); // no such format: "Off"
    open();
    QCOMPARE(list("Decode 1 Format")->currentIndex(), -1);
    QCOMPARE(list("Decode 3 Format")->currentIndex(), -1);
    QCOMPARE(list("Decode 4 Format")->currentText(), QStringLiteral("Off"));
    view->SaveToImage();
    QCOMPARE(image.byte(system(1) + 24), 0x00);
    QCOMPARE(image.byte(system(1) + 26), 0x00);
    QCOMPARE(image.byte(system(1) + 27), 0x00);
}

// A format the system shown before had taken is still shown and kept by the next system.
void TwoToneTests::formatsLoadWhateverThePreviousSystemHeld() {
    image.setByte(system(2) + 24, 0x13); // "A-C"
    image.setByte(system(2) + 25, 0x12); // "A-B", decoder 1's format on system 1
    open();
    QTabBar* systems = byName<QTabBar>(*view, "Systems");
    QVERIFY(!entries("Decode 2 Format").contains("A-B"));
    systems->setCurrentIndex(1);
    QCOMPARE(list("Decode 2 Format")->currentText(), QStringLiteral("A-B"));
    QCOMPARE(list("Decode 1 Format")->currentText(), QStringLiteral("A-C"));
    systems->setCurrentIndex(0); // stores system 2
    QCOMPARE(image.byte(system(2) + 25), 0x12);
    QCOMPARE(image.byte(system(2) + 24), 0x13);
}

// An alias left empty falls back to the one it had, else to its system's name; one that is
// empty and not touched stays so.
void TwoToneTests::aliasFallbacks() {
    image.fill(system(3), 6, 0xFF); // system 3 without an alias
    open();
    auto* alias = byName<QLineEdit>(*view, "Alias");
    alias->setFocus();
    QTRY_VERIFY(alias->hasFocus());
    alias->selectAll();
    QTest::keyClick(alias, Qt::Key_Backspace);
    number("Interval(s)")->setFocus();
    QTRY_COMPARE(alias->text(), QStringLiteral("2T-S01")); // the previous alias
    QTabBar* systems = byName<QTabBar>(*view, "Systems");
    systems->setCurrentIndex(2);
    QCOMPARE(alias->text(), QString());
    view->SaveToImage(); // only looked at: stays empty
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(image.at(system(3), 6).data()), 6),
             QByteArray(6, char(0xFF)));
    alias->setFocus();
    QTRY_VERIFY(alias->hasFocus());
    QTest::keyClick(alias, Qt::Key_X); // typed and taken back: left empty, no previous alias
    QTest::keyClick(alias, Qt::Key_Backspace);
    systems->setCurrentIndex(3); // stored as it is left
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(image.at(system(3), 6).data()), 6),
             QByteArray("2T-S03"));
}

void TwoToneTests::zeroShowsOff() {
    image.setByte(system(1) + 30, 0);
    image.setByte(system(1) + 31, 0);
    open();
    QCOMPARE(number("Reply wait (s)")->text(), QStringLiteral("Off"));
    QCOMPARE(number("Auto reset time (s)")->text(), QStringLiteral("Off"));
    view->SaveToImage();
    QCOMPARE(image.byte(system(1) + 30), 0);
    QCOMPARE(image.byte(system(1) + 31), 0);
}

void TwoToneTests::untouchedBytesAndSystemTabs() {
    for (std::uint32_t at : {6u, 7u, 14u, 15u, 29u})
        image.setByte(system(2) + at, std::uint8_t(0x40 + at));
    image.setByte(system(2) + 13, 0x7E); // bits 6-2 set, beep set, side tone off
    open();
    QTabBar* systems = byName<QTabBar>(*view, "Systems");
    systems->setCurrentIndex(1);
    number("Interval(s)")->editor()->setText("1.5");
    systems->setCurrentIndex(0); // stores system 2
    QCOMPARE(image.byte(system(2) + 12), 15);
    for (std::uint32_t at : {6u, 7u, 14u, 15u, 29u})
        QCOMPARE(image.byte(system(2) + at), 0x40 + at);
    QCOMPARE(image.byte(system(2) + 13), 0x7E);
}

void TwoToneTests::contactTones() {
    open();
    view->tabs()->setCurrentIndex(1);
    editCell(2, C::First, "5000");
    QCOMPARE(contacts()->text(2, C::First), QStringLiteral("3116.0"));
    QCOMPARE(contacts()->text(2, C::Second), QStringLiteral("3116.0"));
    QCOMPARE(contacts()->text(2, C::Format), QStringLiteral("Two"));
    QCOMPARE(contacts()->text(2, C::System), QStringLiteral("1"));
    QCOMPARE(contacts()->text(2, C::Alias), QStringLiteral("2T-02"));
    editCell(2, C::Second, "100");
    QCOMPARE(contacts()->text(2, C::Second), QStringLiteral("288.0"));
    editCell(2, C::Second, "0");
    QCOMPARE(contacts()->text(2, C::Second), QString());
    editCell(2, C::First, "307.2");
    view->SaveToImage();
    QCOMPARE(image.word(contact(2) + 8), 3072);
    QCOMPARE(image.word(contact(2) + 10), 0xFFFF);
    view->LoadFromImage();
    QCOMPARE(contacts()->text(2, C::First), QStringLiteral("307.2"));
}

void TwoToneTests::clearingContacts() {
    open();
    view->tabs()->setCurrentIndex(1);
    editCell(1, C::First, "1000");
    editCell(2, C::First, "1200");
    editCell(1, C::First, ""); // row 1 is never emptied
    QCOMPARE(contacts()->text(1, C::First), QStringLiteral("1000.0"));
    editCell(2, C::First, "");
    QCOMPARE(contacts()->text(2, C::Alias), QString());
    view->SaveToImage();
    QByteArray expected(12, '\xFF');
    expected += QByteArray("\x00\x01\xFF\xFF", 4);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(image.at(contact(2), 16).data()), 16),
             expected);
    QCOMPARE(image.word(contact(1) + 8), 10000);
}

void TwoToneTests::singleContactsHaveNoSecondTone() {
    image.fill(contact(4), 16, 0xFF);
    image.setWord(contact(4) + 8, 12000);
    image.setByte(contact(4) + 12, 1); // single
    image.setByte(contact(4) + 13, 5);
    open();
    view->tabs()->setCurrentIndex(1);
    GridControl* grid = contacts();
    QCOMPARE(grid->text(4, C::Format), QStringLiteral("Single"));
    QCOMPARE(grid->cellBackground(4, C::Second), QColor(0xEC, 0xE9, 0xDB));
    QTest::mouseClick(grid->cellArea(), Qt::LeftButton, {}, grid->cellRect(4, C::Second).center());
    QVERIFY(!byName<QLineEdit>(*view, "Tone editor")->isVisible()); // closed for Single rows
    view->SaveToImage();
    QCOMPARE(image.byte(contact(4) + 12), 1);
    QCOMPARE(image.byte(contact(4) + 13), 5);
}

QTEST_MAIN(TwoToneTests)
#include "tst_two_tone.moc"

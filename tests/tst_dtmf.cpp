#include "CellTyping.h"
#include "Digits.h"
#include "DtmfView.h"
#include "FactoryDefault.h"
#include "GridControl.h"
#include "ImageMap.h"
#include "MemoryImage.h"
#include "NumberField.h"
#include "WidgetLookup.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

using T = DtmfCodeTable;

namespace {

std::uint32_t entry(int n) {
    return ImageMap::kDtmfCodeRecords.number(n);
}

// Writes code table entry n as the radio keeps it.
void writeEntry(MemoryImage& image, int n, int type, const QString& num, const QByteArray& alias) {
    image.fill(entry(n), 24, 0xFF);
    image.setByte(entry(n) + 23, std::uint8_t(type));
    Digits::writeCode(image.at(entry(n), 16), num, Digits::Code::Dtmf);
    for (int i = 0; i < alias.size(); ++i)
        image.setByte(entry(n) + 16 + std::uint32_t(i), std::uint8_t(alias[i]));
}

} // namespace

class DtmfTests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { image = buildFactoryDefault(); }
    void cleanup();
    void factoryDefaultPassesUnchanged();
    void timingListsAndTheirFallbacks();
    void separatorsNeverClash();
    void delimiterLeavesAniNumbersAndTheSelfId();
    void codeStringsAndTheFixedByte();
    void sideToneAndBeep();
    void autoResetTime();
    void pttIdPage();
    void codeTableEditors();
    void deleteClearsChosenEntriesButTheFirst();
    void codeTableLoadAndWrite();
    void numRefusesTheDelimiterInAniRows();
    void helpContextsByTab();

private:
    void open();
    QComboBox* list(const char* name) const { return byName<QComboBox>(*view, name); }
    QLineEdit* edit(const char* name) const { return byName<QLineEdit>(*view, name); }
    DtmfCodePage* codePage() const { return static_cast<DtmfCodePage*>(view->page(0)); }
    GridControl* grid() const { return codePage()->grid(); }
    void choose(QComboBox* box, const QString& text); // as a user picks an entry
    void press(int row, int column);                  // a mouse press on a grid cell
    void typeInto(QLineEdit* field, const QString& text);

    MemoryImage image;
    DtmfView* view = nullptr;
};

void DtmfTests::cleanup() {
    delete view;
    view = nullptr;
}

void DtmfTests::open() {
    view = new DtmfView(image);
    view->resize(730, 550);
    view->show();
    view->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(view));
}

// Picks the entry from the list's popup, so that no entry in between counts as a choice.
void DtmfTests::choose(QComboBox* box, const QString& text) {
    const int target = box->findText(text);
    QVERIFY(target >= 0);
    box->showPopup();
    QAbstractItemView* popup = box->view();
    QTRY_VERIFY(popup->isVisible());
    const QRect item = popup->visualRect(popup->model()->index(target, 0));
    QTest::mouseClick(popup->viewport(), Qt::LeftButton, {}, item.center());
    QTRY_VERIFY(!popup->isVisible());
    QCOMPARE(box->currentIndex(), target);
}

void DtmfTests::press(int row, int column) {
    QTest::mouseClick(grid()->cellArea(), Qt::LeftButton, {},
                      grid()->cellRect(row, column).center());
}

void DtmfTests::typeInto(QLineEdit* field, const QString& text) {
    field->setFocus();
    QTRY_VERIFY(field->hasFocus());
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

// Every value of the factory default is one the form offers: loading and storing both pages
// changes no byte.
void DtmfTests::factoryDefaultPassesUnchanged() {
    const MemoryImage factory = image;
    open();
    view->tabs()->setCurrentIndex(1);
    view->tabs()->setCurrentIndex(0);
    delete view;
    view = nullptr;
    QVERIFY(image == factory);
}

void DtmfTests::timingListsAndTheirFallbacks() {
    image.setByte(0xD6B1, 9);
    image.setByte(0xD6B3, 11); // no entry and no fallback
    open();
    QCOMPARE(list("First digit delay(ms)")->currentText(), QStringLiteral("450"));
    view->SaveToImage();
    QCOMPARE(image.byte(0xD6B1), 9);
    QCOMPARE(image.byte(0xD6B3), 0);
    delete view;
    image.setByte(0xD6B1, 7); // 350 ms is no entry: the fallback "450"
    open();
    QCOMPARE(list("First digit delay(ms)")->currentText(), QStringLiteral("450"));
    view->SaveToImage();
    QCOMPARE(image.byte(0xD6B1), 9);
}

void DtmfTests::separatorsNeverClash() {
    open(); // group "*", delimiter "D"
    choose(list("Group code"), "D");
    QCOMPARE(list("Delimiter")->currentText(), QStringLiteral("*"));
    choose(list("Delimiter"), "D");
    QCOMPARE(list("Group code")->currentText(), QStringLiteral("A")); // the clash was on "D"
    choose(list("Group code"), "*");
    choose(list("Delimiter"), "*");
    QCOMPARE(list("Group code")->currentText(), QStringLiteral("D"));
    view->SaveToImage();
    QCOMPARE(image.byte(0xD6B4), 13);
    QCOMPARE(image.byte(0xD6B5), 14);
}

void DtmfTests::delimiterLeavesAniNumbersAndTheSelfId() {
    writeEntry(image, 2, 1, "12#34", "A");
    writeEntry(image, 5, 1, "#", "B");
    writeEntry(image, 16, 1, "9#", "C");
    writeEntry(image, 7, 0, "1#2", "NONE"); // not ANI: keeps its #
    Digits::writeCode(image.at(0xD6B8, 8), "1#2*3", Digits::Code::Dtmf);
    open();
    QCOMPARE(edit("Self ID")->text(), QStringLiteral("1#2*3"));
    choose(list("Delimiter"), "#");
    QCOMPARE(grid()->text(2, T::Num), QStringLiteral("1234"));
    QCOMPARE(grid()->text(5, T::Num), QStringLiteral("000005"));
    QCOMPARE(grid()->text(16, T::Num), QStringLiteral("9"));
    QCOMPARE(grid()->text(7, T::Num), QStringLiteral("1#2"));
    QCOMPARE(edit("Self ID")->text(), QStringLiteral("123")); // "#" and the group's "*" left
    // Neither separator can be typed into the Self ID.
    typeInto(edit("Self ID"), "4*5#6");
    QCOMPARE(edit("Self ID")->text(), QStringLiteral("456"));
    view->SaveToImage();
    QCOMPARE(Digits::readCode(image.at(entry(2), 16), Digits::Code::Dtmf), QStringLiteral("1234"));
}

void DtmfTests::codeStringsAndTheFixedByte() {
    image.fill(0xD6C0, 8, 0x5A); // not the form's
    image.setByte(0xD6D9, 0x33);
    image.fill(0xD6DC, 4, 0x44);
    image.setByte(0xD6B7, 0xF0); // bits 7-2 not the form's
    image.setByte(0xD6D7, 0x00);
    open();
    typeInto(edit("Self ID"), "12345678");
    typeInto(edit("Stun code"), "abcd1*#x");
    QCOMPARE(edit("Stun code")->text(), QStringLiteral("ABCD1*#"));
    view->SaveToImage();
    for (std::uint32_t i = 0; i < 8; ++i)
        QCOMPARE(image.byte(0xD6B8 + i), std::uint8_t(i + 1)); // eight codes, no 0xFF
    QCOMPARE(image.byte(0xD6D7), 0xFF);
    typeInto(edit("Self ID"), "123");
    view->SaveToImage();
    QCOMPARE(image.byte(0xD6BA), 3);
    for (std::uint32_t a = 0xD6BB; a <= 0xD6BF; ++a)
        QCOMPARE(image.byte(a), 0xFF);
    for (std::uint32_t a = 0xD6C0; a < 0xD6C8; ++a)
        QCOMPARE(image.byte(a), 0x5A);
    QCOMPARE(image.byte(0xD6D9), 0x33);
    QCOMPARE(image.byte(0xD6DF), 0x44);
    QCOMPARE(image.byte(0xD6B7) & 0xFC, 0xF0);
}

void DtmfTests::sideToneAndBeep() {
    image.setByte(0xD6B7, 0x03); // both set
    open();
    QVERIFY(byName<QCheckBox>(*view, "Side tone")->isChecked());
    QVERIFY(!byName<QCheckBox>(*view, "Beep")->isChecked());
    QVERIFY(!byName<QCheckBox>(*view, "Beep")->isVisible());
    view->SaveToImage();
    QCOMPARE(image.byte(0xD6B7) & 0x03, 0x01);
}

void DtmfTests::autoResetTime() {
    open();
    auto* reset = byName<NumberField>(*view, "Auto reset time(s)");
    reset->setFocus();
    QTRY_VERIFY(reset->hasFocus());
    reset->editor()->selectAll();
    QTest::keyClick(reset, Qt::Key_Backspace);
    list("Stun type")->setFocus(); // leaving it empty
    QTRY_COMPARE(reset->text(), QStringLiteral("10"));
    view->SaveToImage();
    QCOMPARE(image.byte(0xD6DB), 10);
    reset->setFocus();
    reset->editor()->selectAll();
    QTest::keyClicks(reset, "0");
    list("Stun type")->setFocus();
    QTRY_COMPARE(reset->text(), QStringLiteral("Continuous"));
    view->SaveToImage();
    QCOMPARE(image.byte(0xD6DB), 0);
    reset->editor()->setText("1");
    reset->stepBy(-1);
    QCOMPARE(reset->text(), QStringLiteral("Off"));
    image.setByte(0xD6DB, 7);
    view->SaveToImage();
    QCOMPARE(image.byte(0xD6DB), 0);
}

void DtmfTests::pttIdPage() {
    image.setBits(0xD6B6, 4, 2, 3); // PTT ID 3 type 3: no entry
    image.setBits(0xD6B6, 2, 2, 2);
    open();
    view->tabs()->setCurrentIndex(1);
    QCOMPARE(list("PTT ID 3 Type")->currentText(), QStringLiteral("Up"));
    QCOMPARE(list("PTT ID 2 Type")->currentText(), QStringLiteral("Both"));
    QLineEdit* up = edit("PTT ID 4 Up");
    typeInto(up, "12ab*#z9");
    QCOMPARE(up->text(), QStringLiteral("12AB*#9"));
    QCOMPARE(up->maxLength(), 16);
    view->SaveToImage();
    QCOMPARE(image.bits(0xD6B6, 4, 2), 0);
    QCOMPARE(image.bits(0xD6B6, 2, 2), 2);
    const std::uint32_t record = ImageMap::kDtmfPttIdRecords.at(3);
    QCOMPARE(Digits::readCode(image.at(record, 16), Digits::Code::Dtmf), QStringLiteral("12AB*#9"));
    QCOMPARE(image.byte(record + 16), 0xFF); // Down empty
}

// Opening and closing rules of the Type, Num and Alias editors, through the grid.
// Delete empties the entries chosen by their labels (or the current one); entry 1 stays, and
// the status bar says so. The grid's menu offers the same as "Clear entry".
void DtmfTests::deleteClearsChosenEntriesButTheFirst() {
    for (int n : {1, 2, 3, 5})
        writeEntry(image, n, 0, QStringLiteral("12%1").arg(n), "A");
    open();
    QStringList said;
    connect(view, &FormView::statusMessage, this, [&said](const QString& m) { said << m; });
    int edits = 0;
    connect(view, &FormView::edited, this, [&edits] { ++edits; });

    clickRowLabel(grid(), 1);
    QTest::mouseClick(grid()->rowLabelArea(), Qt::LeftButton, Qt::ShiftModifier,
                      grid()->rowLabelRect(3).center());
    QCOMPARE(grid()->selectedGridRows(), (std::vector<int>{1, 2, 3}));
    QTest::keyClick(grid(), Qt::Key_Delete);
    QCOMPARE(grid()->text(1, T::Num), QStringLiteral("121"));
    QCOMPARE(grid()->text(2, T::Type), QString());
    QCOMPARE(grid()->text(3, T::Num), QString());
    QCOMPARE(grid()->text(5, T::Num), QStringLiteral("125"));
    QCOMPARE(said.last(), QStringLiteral("Cleared 2 entries; entry 1 can never be emptied"));
    QCOMPARE(edits, 1);
    view->SaveToImage();
    for (std::uint32_t i = 0; i < 24; ++i)
        QCOMPARE(image.byte(entry(2) + i), 0xFF);
    QCOMPARE(image.byte(entry(1) + 23), 0);

    // The menu over a row label chooses that row; its "Clear entry" clears it.
    QPointer<QAction> clear;
    QTimer::singleShot(0, this, [&clear] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (QAction* a : menu->actions())
                if (a->text() == QStringLiteral("Clear entry"))
                    clear = a;
            menu->close();
        }
    });
    const QPoint at = grid()->rowLabelRect(5).center();
    QContextMenuEvent click(QContextMenuEvent::Mouse, at, grid()->rowLabelArea()->mapToGlobal(at));
    QApplication::sendEvent(grid()->rowLabelArea(), &click);
    QVERIFY(clear);
    QCOMPARE(grid()->selectedGridRows(), std::vector<int>{5});
    clear->trigger();
    QCOMPARE(grid()->text(5, T::Type), QString());
    view->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(view));

    // A new entry numbered 0000NN is not offered as the EMI code: the status bar says why.
    press(4, T::Type);
    auto* type = byName<QComboBox>(*view, "Type editor");
    QTRY_VERIFY(type->isVisible());
    QTest::keyClick(type, Qt::Key_End); // "ANI"
    grid()->setFocus();
    QCOMPARE(grid()->text(4, T::Num), QStringLiteral("000004"));
    QCOMPARE(said.last(), QStringLiteral("Entry 4 is not offered as the Alarm's EMI code: its "
                                         "Num 000004 begins with 0"));
}

void DtmfTests::codeTableEditors() {
    open();
    press(4, T::Alias); // an empty row edits its Type
    auto* type = byName<QComboBox>(*view, "Type editor");
    QTRY_VERIFY(type->isVisible());
    QCOMPARE(type->geometry(), grid()->cellRect(4, T::Type));
    QTest::keyClick(type, Qt::Key_End); // "ANI"
    grid()->setFocus();
    QCOMPARE(grid()->text(4, T::Type), QStringLiteral("ANI"));
    QCOMPARE(grid()->text(4, T::Num), QStringLiteral("000004"));
    QCOMPARE(grid()->text(4, T::Alias), QStringLiteral("DTMF04"));

    press(4, T::Num);
    auto* num = byName<QLineEdit>(*view, "Num editor");
    QTRY_VERIFY(num->hasFocus());
    QTest::keyClick(num, Qt::Key_Backspace); // emptied: the row is cleared
    grid()->setFocus();
    QCOMPARE(grid()->text(4, T::Type), QString());
    QCOMPARE(grid()->text(4, T::Alias), QString());

    press(1, T::Type);
    QTRY_VERIFY(type->isVisible());
    QTest::keyClick(type, Qt::Key_Down); // "None"
    grid()->setFocus();
    QCOMPARE(grid()->text(1, T::Num), QStringLiteral("000001"));
    press(1, T::Type); // row 1 cannot be emptied
    QTRY_VERIFY(type->isVisible());
    QTest::keyClick(type, Qt::Key_Home); // the empty entry
    grid()->setFocus();
    QCOMPARE(grid()->text(1, T::Type), QStringLiteral("None"));
    press(1, T::Alias);
    auto* alias = byName<QLineEdit>(*view, "Alias editor");
    QTRY_VERIFY(alias->hasFocus());
    QTest::keyClicks(alias, "ab");
    grid()->setFocus();
    QCOMPARE(grid()->text(1, T::Alias), QStringLiteral("AB"));
    grid()->setFocus();
    clickRowLabel(grid(), 1); // the "No." column opens nothing
    QVERIFY(!type->isVisible() && !num->isVisible() && !alias->isVisible());

    view->SaveToImage();
    QCOMPARE(image.byte(entry(1) + 16), 'A');
    QCOMPARE(image.byte(entry(1) + 17), 'B');
    QCOMPARE(image.byte(entry(1) + 18), 0xFF);
    for (std::uint32_t i = 0; i < 24; ++i)
        QCOMPARE(image.byte(entry(4) + i), 0xFF);
}

void DtmfTests::codeTableLoadAndWrite() {
    writeEntry(image, 3, 5, "123", "X"); // a type that is no entry: not in use
    writeEntry(image, 6, 0, "1A*",
               QByteArray("AB\x7F"
                          "CD",
                          5));
    open();
    QCOMPARE(grid()->text(3, T::Type), QString());
    QCOMPARE(grid()->text(3, T::Num), QString());
    QCOMPARE(grid()->text(6, T::Type), QStringLiteral("None"));
    QCOMPARE(grid()->text(6, T::Num), QStringLiteral("1A*"));
    QCOMPARE(grid()->text(6, T::Alias), QStringLiteral("AB")); // 0x7F ends the alias
    view->SaveToImage();
    for (std::uint32_t i = 0; i < 24; ++i)
        QCOMPARE(image.byte(entry(3) + i), 0xFF);
    QCOMPARE(image.byte(entry(6) + 22), 0xFF); // reserved
    QCOMPARE(image.byte(entry(6) + 18), 0xFF);
}

void DtmfTests::numRefusesTheDelimiterInAniRows() {
    writeEntry(image, 2, 1, "1", "ANI");
    writeEntry(image, 3, 0, "1", "NONE");
    open();
    choose(list("Delimiter"), "#");
    press(2, T::Num);
    auto* num = byName<QLineEdit>(*view, "Num editor");
    QTRY_VERIFY(num->hasFocus());
    QTest::keyClick(num, Qt::Key_End);
    QTest::keyClicks(num, "#2");
    QCOMPARE(num->text(), QStringLiteral("12"));
    grid()->setFocus();
    press(3, T::Num);
    QTRY_VERIFY(num->hasFocus());
    QTest::keyClick(num, Qt::Key_End);
    QTest::keyClicks(num, "#2");
    QCOMPARE(num->text(), QStringLiteral("1#2"));
}

void DtmfTests::helpContextsByTab() {
    open();
    QCOMPARE(view->helpContext(), 205);
    view->tabs()->setCurrentIndex(1);
    QCOMPARE(view->helpContext(), 215);
    QCOMPARE(view->tabs()->tabText(1), QStringLiteral("PTTID"));
}

QTEST_MAIN(DtmfTests)
#include "tst_dtmf.moc"

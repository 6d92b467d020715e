#include "AlarmView.h"
#include "Digits.h"
#include "FactoryDefault.h"
#include "ImageMap.h"
#include "MemoryImage.h"
#include "NumberField.h"
#include "WidgetLookup.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace {

// DTMF code table entry n with the number `num` ("ANI").
void writeEntry(MemoryImage& image, int n, const QString& num) {
    const std::uint32_t e = ImageMap::kDtmfCodeRecords.number(n);
    image.fill(e, 24, 0xFF);
    Digits::writeCode(image.at(e, 16), num, Digits::Code::Dtmf);
    image.setByte(e + 23, 1);
}

} // namespace

class AlarmTests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { image = buildFactoryDefault(); }
    void cleanup();
    void factoryDefaultPassesUnchanged();
    void timesAndCycles();
    void spinsWrap();
    void emiCodeTypeKeepsTheOtherBits();
    void emiCodesFromTheCodeTable();

private:
    void open();
    NumberField* number(const char* name) const { return byName<NumberField>(*view, name); }
    QComboBox* list(const char* name) const { return byName<QComboBox>(*view, name); }
    void typeAndLeave(NumberField* field, const QString& text);

    MemoryImage image;
    AlarmView* view = nullptr;
};

void AlarmTests::cleanup() {
    delete view;
    view = nullptr;
}

void AlarmTests::open() {
    view = new AlarmView(image);
    view->resize(490, 535);
    view->show();
    view->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(view));
}

void AlarmTests::typeAndLeave(NumberField* field, const QString& text) {
    field->setFocus();
    QTRY_VERIFY(field->hasFocus());
    field->editor()->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
    list("Alarm type")->setFocus();
    QTRY_VERIFY(!field->hasFocus());
}

void AlarmTests::factoryDefaultPassesUnchanged() {
    const MemoryImage factory = image;
    open();
    view->SaveToImage();
    QVERIFY(image == factory);
}

void AlarmTests::timesAndCycles() {
    image.setByte(0xCC72, 0); // Tx time 0 is out of range
    open();
    QCOMPARE(number("Tx time (s)")->text(), QStringLiteral("5"));
    typeAndLeave(number("Cycle"), "300");
    QCOMPARE(number("Cycle")->text(), QStringLiteral("5"));
    typeAndLeave(number("Cycle"), "12");
    QCOMPARE(number("Cycle")->text(), QStringLiteral("12"));
    view->SaveToImage();
    QCOMPARE(image.byte(0xCC72), 5);
    QCOMPARE(image.byte(0xCC71), 12);
    typeAndLeave(number("Cycle"), "0");
    QCOMPARE(number("Cycle")->text(), QStringLiteral("Continuous"));
    typeAndLeave(number("Rx time (s)"), "");
    QCOMPARE(number("Rx time (s)")->text(), QStringLiteral("8"));
    view->SaveToImage();
    QCOMPARE(image.byte(0xCC71), 0);
    QCOMPARE(image.byte(0xCC73), 8);
}

void AlarmTests::spinsWrap() {
    image.setByte(0xCC71, 0);
    image.setByte(0xCC72, 255);
    open();
    NumberField* cycle = number("Cycle");
    QCOMPARE(cycle->text(), QStringLiteral("Continuous"));
    cycle->setFocus();
    QTRY_VERIFY(cycle->hasFocus());
    QTest::keyClick(cycle, Qt::Key_Down);
    QCOMPARE(cycle->text(), QStringLiteral("255"));
    QTest::keyClick(cycle, Qt::Key_Up);
    QCOMPARE(cycle->text(), QStringLiteral("Continuous"));
    NumberField* tx = number("Tx time (s)");
    tx->setFocus();
    QTRY_VERIFY(tx->hasFocus());
    QTest::keyClick(tx, Qt::Key_Up);
    QCOMPARE(tx->text(), QStringLiteral("1"));
    // A held arrow's larger steps are not aligned to their size here.
    tx->editor()->setText("7");
    tx->stepBy(5);
    QCOMPARE(tx->text(), QStringLiteral("12"));
}

void AlarmTests::emiCodeTypeKeepsTheOtherBits() {
    image.setByte(0xCC77, 0xFF); // type 3, remote alarm on, bits 6-2 set
    image.setByte(0xCC74, 0x12);
    image.setByte(0xCC75, 0x34);
    open();
    QCOMPARE(list("EMI code type")->currentText(), QStringLiteral("None"));
    QCOMPARE(list("Remote EMI alarm")->currentText(), QStringLiteral("On"));
    view->SaveToImage();
    QCOMPARE(image.byte(0xCC77), 0xFC);
    QCOMPARE(image.byte(0xCC74), 0x12);
    QCOMPARE(image.byte(0xCC75), 0x34);
}

// The list holds the entries in use whose number does not begin with 0, and the stored entry
// is chosen by its exact number.
void AlarmTests::emiCodesFromTheCodeTable() {
    writeEntry(image, 2, "0123");
    writeEntry(image, 3, "123");
    writeEntry(image, 12, "45");
    image.setByte(ImageMap::kEmiCode, 1); // entry 1 is not in use; 12 begins with "1"
    open();
    QCOMPARE(itemsOf(list("EMI code")), (QStringList{"None", "3", "12"}));
    QCOMPARE(list("EMI code")->currentText(), QStringLiteral("None"));
    // Why entry 2 is missing: in the list's tip, and in the status bar at each load.
    const QString why("DTMF entry 2 is not offered: its Num is empty or begins with 0");
    QVERIFY2(list("EMI code")->toolTip().contains(why), qPrintable(list("EMI code")->toolTip()));
    QStringList said;
    connect(view, &FormView::statusMessage, this, [&said](const QString& m) { said << m; });
    view->SaveToImage();
    QCOMPARE(image.byte(ImageMap::kEmiCode), 0);
    // An entry added since shows at the next load, and an entry gone leaves the list.
    writeEntry(image, 5, "7");
    image.fill(ImageMap::kDtmfCodeRecords.number(3), 24, 0xFF);
    image.setByte(ImageMap::kEmiCode, 5);
    view->LoadFromImage();
    QCOMPARE(itemsOf(list("EMI code")), (QStringList{"None", "5", "12"}));
    QCOMPARE(list("EMI code")->currentText(), QStringLiteral("5"));
    QCOMPARE(said, QStringList{why});
    view->SaveToImage();
    QCOMPARE(image.byte(ImageMap::kEmiCode), 5);
    writeEntry(image, 2, "9123");
    view->LoadFromImage();
    QVERIFY(!list("EMI code")->toolTip().contains("not offered"));
}

QTEST_MAIN(AlarmTests)
#include "tst_alarm.moc"

#include "BandState.h"
#include "Bcd.h"
#include "CellTyping.h"
#include "FactoryDefault.h"
#include "FrequencyRangeDialog.h"
#include "GridControl.h"
#include "ImageMap.h"
#include "MemoryImage.h"
#include "ModalResponder.h"
#include "ModelView.h"
#include "WidgetLookup.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace {

constexpr int kVhfRow = 5; // "150M"
constexpr int kUhfRow = 8; // "450M"

// The band-limit dialog on the factory default, already unlocked, shown.
struct UnlockedDialog {
    UnlockedDialog() { dialog.show(); }
    MemoryImage image = buildFactoryDefault();
    BandState bands = [this] {
        BandState b = BandState::fromImage(image);
        b.unlocked = true;
        return b;
    }();
    FrequencyRangeDialog dialog{image, bands};
};

void editCell(FrequencyRangeDialog& dialog, int row, int column, const QString& text) {
    typeIntoCell(dialog.grid(), row, column, text);
}

} // namespace

class BandWidgetTests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void modelForm();
    void lockedUntilTheAccessCode();
    void editingCells();
    void clearingRules();
    void arrowsWrapRows();
    void closingChecksAndWritesBack();
};

void BandWidgetTests::modelForm() {
    MemoryImage image = buildFactoryDefault();
    const std::uint8_t date[] = {0x14, 0x20, 0x03, 0x05};
    std::copy_n(date, 4, image.at(0xFF28, 4).begin());
    const char firmware[] = "V1.2";
    std::copy_n(firmware, 4, image.at(0xFF20, 4).begin());
    ModelView form(image);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(form.windowTitle(), QStringLiteral("Modle"));
    QCOMPARE(byName<QLineEdit>(form, "Model name")->text(), QStringLiteral("DUOBAND"));
    QCOMPARE(byName<QLineEdit>(form, "Last program date")->text(), QStringLiteral("2014-03-05"));
    QCOMPARE(byName<QLineEdit>(form, "Firmware Version")->text(), QStringLiteral("V1.2"));
    QVERIFY(byName<QLineEdit>(form, "Firmware Version")->isReadOnly());

    auto* serial = byName<QLineEdit>(form, "Serial number");
    serial->setFocus();
    QTest::keyClicks(serial, "ab-12 x34567"); // only letters and digits, at most 8
    QCOMPARE(serial->text(), QStringLiteral("ab12x345"));
    auto* code = byName<QLineEdit>(form, "Model code");
    code->setFocus();
    QTest::keyClicks(code, "DB-750 (EU)");
    form.SaveToImage();
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(image.at(0xFF00, 8).data()), 8),
             QByteArray("ab12x345"));
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(image.at(0xFF10, 12).data()), 12),
             QByteArray("DB-750 (EU)\xFF"));
    QCOMPARE(image.byte(0xFF20), 'V'); // firmware is never written
}

void BandWidgetTests::lockedUntilTheAccessCode() {
    MemoryImage image = buildFactoryDefault();
    BandState bands = BandState::fromImage(image);
    FrequencyRangeDialog dialog(image, bands);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QVERIFY(!dialog.grid()->isEnabled());
    QCOMPARE(dialog.grid()->text(0, 0), QStringLiteral("No."));
    QCOMPARE(dialog.grid()->text(kVhfRow, 0), QStringLiteral("150M"));
    QCOMPARE(dialog.grid()->text(kVhfRow, 3), QStringLiteral("136.00000"));
    QCOMPARE(dialog.grid()->text(4, 1), QString()); // 108M is empty
    auto* password = byName<QLineEdit>(dialog, "Input password");
    QVERIFY(password && !password->isVisible());

    QTest::keyClick(&dialog, Qt::Key_F11);
    QVERIFY(password->isVisible());
    QTRY_VERIFY(password->hasFocus());
    QCOMPARE(password->maxLength(), 8);
    BoxAnswer seen;
    auto* responder = answerBox(QMessageBox::Ok, &seen, this);
    QTest::keyClicks(password, "3957hvd"); // the code is case-sensitive
    QTest::keyClick(password, Qt::Key_Return);
    QTRY_VERIFY(responder->answered);
    QCOMPARE(seen.text, QStringLiteral("Password error!"));
    QVERIFY(!dialog.grid()->isEnabled());
    QVERIFY(dialog.isVisible());

    password->clear();
    QTest::keyClicks(password, "3957HVD");
    QTest::mouseClick(byName<QPushButton>(dialog, "Edit"), Qt::LeftButton);
    QVERIFY(dialog.grid()->isEnabled());
    QVERIFY(!password->isVisible());
    QVERIFY(bands.unlocked);
}

void BandWidgetTests::editingCells() {
    UnlockedDialog open;
    QVERIFY(QTest::qWaitForWindowActive(&open.dialog));
    auto& [image, bands, dialog] = open;
    GridControl* grid = dialog.grid();
    editCell(dialog, kVhfRow, 1, "140");
    QCOMPARE(grid->text(kVhfRow, 1), QStringLiteral("140.00000"));
    QCOMPARE(grid->currentGridCell(), (GridControl::Cell{kVhfRow, 2})); // on to Rx Upper
    editCell(dialog, kVhfRow, 1, "190");
    QCOMPARE(grid->text(kVhfRow, 1), QStringLiteral("134.00000"));
    editCell(dialog, kVhfRow, 2, "17a4"); // letters cannot be typed
    QCOMPARE(grid->text(kVhfRow, 2), QStringLiteral("174.00000"));
    QCOMPARE(grid->currentGridCell(), (GridControl::Cell{kVhfRow + 1, 1})); // next row

    // The transmit cells of the receive-only bands open no editor.
    const QRect airTx = grid->cellRect(4, 3);
    QTest::mouseClick(grid->cellArea(), Qt::LeftButton, {}, airTx.center());
    QVERIFY(!byName<QLineEdit>(dialog, "Cell editor")->isVisible());
    // Escape and Enter do not close the dialog.
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Escape);
    QVERIFY(dialog.isVisible());
}

void BandWidgetTests::clearingRules() {
    UnlockedDialog open;
    QVERIFY(QTest::qWaitForWindowActive(&open.dialog));
    auto& [image, bands, dialog] = open;
    GridControl* grid = dialog.grid();
    editCell(dialog, kUhfRow, 3, ""); // an empty transmit cell clears both
    QCOMPARE(grid->text(kUhfRow, 3), QString());
    QCOMPARE(grid->text(kUhfRow, 4), QString());
    QCOMPARE(grid->text(kUhfRow, 1), QStringLiteral("400.00000"));
    editCell(dialog, kUhfRow, 1, ""); // an empty receive cell clears the row
    for (int c = 1; c <= 4; ++c)
        QCOMPARE(grid->text(kUhfRow, c), QString());
    editCell(dialog, kVhfRow, 1, ""); // but not the last of 150M, 250M and 450M
    QCOMPARE(grid->text(kVhfRow, 1), QStringLiteral("134.00000"));
    editCell(dialog, 2, 2, "52"); // an empty band takes its whole range
    QCOMPARE(grid->text(2, 1), QStringLiteral("47.00000"));
    QCOMPARE(grid->text(2, 2), QStringLiteral("54.00000"));
}

void BandWidgetTests::arrowsWrapRows() {
    UnlockedDialog open;
    QVERIFY(QTest::qWaitForWindowActive(&open.dialog));
    auto& [image, bands, dialog] = open;
    GridControl* grid = dialog.grid();
    grid->setFocus();
    grid->setCurrentGridCell(3, 4);
    QTest::keyClick(grid, Qt::Key_Right);
    QCOMPARE(grid->currentGridCell(), (GridControl::Cell{4, 1}));
    QTest::keyClick(grid, Qt::Key_Left);
    QCOMPARE(grid->currentGridCell(), (GridControl::Cell{3, 4}));
    QTest::keyClick(grid, Qt::Key_Left);
    QCOMPARE(grid->currentGridCell(), (GridControl::Cell{3, 3}));
    // Enter on a cell edits it.
    grid->setCurrentGridCell(kVhfRow, 1);
    QTest::keyClick(grid, Qt::Key_Return);
    QVERIFY(byName<QLineEdit>(dialog, "Cell editor")->isVisible());
}

void BandWidgetTests::closingChecksAndWritesBack() {
    UnlockedDialog open;
    QVERIFY(QTest::qWaitForWindowActive(&open.dialog));
    auto& [image, bands, dialog] = open;
    editCell(dialog, 2, 1, "50"); // 50M
    editCell(dialog, 3, 1, "70"); // and 60M together are not allowed
    BoxAnswer seen;
    auto* responder = answerBox(QMessageBox::Ok, &seen, this);
    dialog.close();
    QTRY_VERIFY(responder->answered);
    QCOMPARE(seen.text, QStringLiteral("Frequency band is invalid!"));
    QVERIFY(dialog.isVisible());
    QCOMPARE(Bcd::read32(image.at<4>(ImageMap::kBandLimits + 16)), 0u); // nothing written yet

    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    editCell(dialog, 3, 1, "");
    editCell(dialog, kUhfRow, 2, "470");
    // The Close button does what the close box does; Enter on it does nothing.
    auto* close = byName<QPushButton>(dialog, "Close");
    QVERIFY(close);
    close->setFocus();
    QTest::keyClick(close, Qt::Key_Return);
    QVERIFY(dialog.isVisible());
    QTest::keyClick(close, Qt::Key_Space);
    QTRY_VERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(Bcd::read32(image.at<4>(ImageMap::kBandLimits + 16)), 4700000u);
    QCOMPARE(Bcd::read32(image.at<4>(ImageMap::kBandLimits + 16 * 7 + 4)), 47000000u);
    QVERIFY(bands.enabled[1]);
    QCOMPARE(bands.nine[7].upper, 47000000u);
    QCOMPARE(bands.mainBands[1].upper, 47000000u);
}

QTEST_MAIN(BandWidgetTests)
#include "tst_band_widgets.moc"

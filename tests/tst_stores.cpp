// What is typed is what is stored: a value still being typed is entered by its field's rule
// before any command stores the forms, and what a file or the radio gets matches the rest.
#include "AppConfig.h"
#include "Bcd.h"
#include "ChannelRecord.h"
#include "CommandRegistry.h"
#include "DataFile.h"
#include "Document.h"
#include "FileCommands.h"
#include "FiveToneStandards.h"
#include "ImageMap.h"
#include "MainWindow.h"
#include "MainWindowFixture.h"
#include "ModalResponder.h"
#include "RecordTemplates.h"
#include "Tones.h"
#include "VfoDialog.h"
#include "WidgetLookup.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

namespace {

using namespace ImageMap;

// Types into a field without leaving it.
void typeOnly(QLineEdit* field, const QString& text) {
    field->setFocus();
    QTRY_VERIFY(field->hasFocus());
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

// The data as the file at `path` holds it.
MemoryImage saved(const QString& path) {
    MemoryImage image;
    if (!loadDataFile(path, image).ok)
        qWarning("cannot read %s", qPrintable(path));
    return image;
}

} // namespace

class StoreTests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void valuesBeingTypedReachTheFileAsEntered();
    void aCommandEntersWhatIsBeingTyped();
    void coefficientsFollowTheChosenStandard();
    void airBandIn150MSurvivesSaveAndOpen();

private:
    QTemporaryDir dir;
    Document document;
    MemoryImage& image = document.image();
    AppConfig config;
    MainWindow* frame = nullptr;
};

void StoreTests::initTestCase() {
    QVERIFY(prepareProgramFolder(dir, "DuobandStoreTest"));
}

void StoreTests::init() {
    frame = openMainWindow(document, config, dir.path());
    QVERIFY(frame->isActiveWindow());
    QVERIFY(frame->files()->saveToPath(dir.filePath("data.dat"))); // Ctrl+S saves there from now on
}

void StoreTests::cleanup() {
    closeWithoutSaving(frame, this);
}

// "300" typed into an empty scan edge's Rx and saved with Ctrl+S is refused (it lies in no
// band); a CTCSS "300" is stored as 100.0 Hz.
void StoreTests::valuesBeingTypedReachTheFileAsEntered() {
    writeInitialRecord(image.at<32>(kScanEdgeRecords.at(1)), 14500000, document.bands().nine);
    QMdiSubWindow* scan = frame->openForm("Scan channel");
    QVERIFY(scan);
    auto* rx = byName<QLineEdit>(*scan, "Rx frequency(MHz)");
    typeOnly(rx, "300");
    QTest::keyClick(rx, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(isEmptyRecord(saved(dir.filePath("data.dat")).at<32>(kScanEdgeRecords.at(0))));

    byName<QTabBar>(*scan, "Scan channels")->setCurrentIndex(1);
    auto* ctcss = byName<QComboBox>(*scan, "CTCSS tone")->lineEdit();
    typeOnly(ctcss, "300");
    QTest::keyClick(ctcss, Qt::Key_S, Qt::ControlModifier);
    const MemoryImage file = saved(dir.filePath("data.dat"));
    QCOMPARE(ChannelRecord::ctcssText(file.at<32>(kScanEdgeRecords.at(1))),
             QStringLiteral("100.0"));
    QCOMPARE(ctcss->text(), QStringLiteral("100.0")); // the form shows what was stored
    QVERIFY(!frame->documentTitle().endsWith(" *"));
}

// An Edit-menu command stores the forms first: what is being typed is entered there too.
void StoreTests::aCommandEntersWhatIsBeingTyped() {
    writeInitialRecord(image.at<32>(kScanEdgeRecords.at(0)), 14500000, document.bands().nine);
    QMdiSubWindow* scan = frame->openForm("Scan channel");
    typeOnly(byName<QLineEdit>(*scan, "Rx frequency(MHz)"), "1000"); // no band: 145 comes back
    auto* vfo = ModalResponder::answer<VfoDialog>([](VfoDialog* d) { d->close(); }, this);
    frame->runCommand(*findCommand("VFO"));
    QVERIFY(vfo->answered);
    QCOMPARE(ChannelRecord::rxFrequency(image.at<32>(kScanEdgeRecords.at(0))), 14500000u);
    QCOMPARE(byName<QLineEdit>(*scan, "Rx frequency(MHz)")->text(), QStringLiteral("145.00000"));
}

// Choosing a 5-Tone standard with its window active and saving gives the radio the decoder
// coefficients of that standard's tones, not of the one before.
void StoreTests::coefficientsFollowTheChosenStandard() {
    QMdiSubWindow* five = frame->openForm("5Tone");
    auto* standard = byName<QComboBox>(*five, "Standard");
    QVERIFY(standard);
    standard->setFocus();
    QTRY_VERIFY(standard->hasFocus());
    while (standard->currentText() != QLatin1String("CCIR1"))
        QTest::keyClick(standard, Qt::Key_Down);
    QTest::keyClick(standard, Qt::Key_S, Qt::ControlModifier);
    const MemoryImage file = saved(dir.filePath("data.dat"));
    const auto& ccir1 = fiveToneStandard(6).tones;
    QCOMPARE(file.word(kFiveToneTones), ccir1[0]);
    for (std::uint32_t i = 0; i < 16; ++i)
        QCOMPARE(file.word(kFiveToneCoefficients + 2 * i), toneDecoderCoefficient(ccir1[i]));
    QCOMPARE(file.word(kFiveToneCoefficients), toneDecoderCoefficient(19810));
}

// 121.5 MHz entered in the "150M" VFO (the radio receives the air band) is saved and opened
// again as it was entered.
void StoreTests::airBandIn150MSurvivesSaveAndOpen() {
    Bcd::write32(image.at<4>(kBandLimitRecords.at(3)), kAbsoluteBands[3].lower);
    Bcd::write32(image.at<4>(kBandLimitRecords.at(3) + 4), kAbsoluteBands[3].upper);
    QVERIFY(frame->files()->saveToPath(dir.filePath("air.dat")));
    QVERIFY(frame->files()->openPath(dir.filePath("air.dat")));
    auto* vfo = ModalResponder::answer<VfoDialog>(
        [](VfoDialog* d) {
            QCOMPARE(d->tabs()->tabText(d->tabs()->currentIndex()), QStringLiteral("150M"));
            enter(byName<QLineEdit>(*d, "Rx frequency (MHz)"), "121.5");
            d->close();
        },
        this);
    frame->runCommand(*findCommand("VFO"));
    QVERIFY(vfo->answered);
    QVERIFY(frame->files()->save());
    QVERIFY(frame->files()->openPath(dir.filePath("air.dat")));
    const auto record = image.at<32>(kVfoRecordArray.at(4));
    QCOMPARE(ChannelRecord::rxFrequency(record), 12150000u);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(record.data()), 4),
             QByteArray("\x00\x00\x15\x12", 4));
    QCOMPARE(saved(dir.filePath("air.dat")).toFileBytes(), image.toFileBytes());
}

QTEST_MAIN(StoreTests)
#include "tst_stores.moc"

#include "AccessCodeDialog.h"
#include "CloneProgressDialog.h"
#include "ModalResponder.h"
#include "PortDialog.h"
#include "RadioBench.h"
#include "WidgetLookup.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace {

QByteArray imageBytes(const MemoryImage& image) {
    return QByteArray(reinterpret_cast<const char*>(image.image().data()), 0x10000);
}

constexpr int kTransferTimeout = 30000;

} // namespace

class LinkWidgetTests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readThroughTheDialog();
    void startTwiceRunsOnce();
    void exitCancelsAtABlockBoundary();
    void passwordPrompt();
    void openFailureIsReported();
    void portDialogChoices();
    void portDialogKeepsATypedPath();
    void accessCodePromptSaysWhatItAsks();
};

void LinkWidgetTests::readThroughTheDialog() {
    RadioBench bench;
    QVERIFY(bench.started);
    MemoryImage image = buildFactoryDefault();
    CloneProgressDialog dialog(CloneDirection::Read, bench.radio.devicePath(), image, bench.flags,
                               nullptr, fastTiming());
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Read"));
    auto* bar = byName<QProgressBar>(dialog, "Progress");
    auto* percent = byName<QLabel>(dialog, "Percent");
    QVERIFY(bar && percent);
    QCOMPARE(bar->maximum(), 510);
    QCOMPARE(percent->text(), QStringLiteral("0%"));
    QTest::mouseClick(byName<QPushButton>(dialog, "Start"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.isVisible(), kTransferTimeout);
    QVERIFY(dialog.succeeded());
    QCOMPARE(percent->text(), QStringLiteral("100%"));
    QCOMPARE(imageBytes(image).mid(0x100), bench.radio.memory().mid(0x100));
}

void LinkWidgetTests::startTwiceRunsOnce() {
    RadioBench bench;
    QVERIFY(bench.started);
    MemoryImage image = buildFactoryDefault();
    CloneProgressDialog dialog(CloneDirection::Write, bench.radio.devicePath(), image, bench.flags,
                               nullptr, fastTiming());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Write"));
    dialog.show();
    dialog.start();
    dialog.start(); // a second "Start" while the transfer runs does nothing
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.isVisible(), kTransferTimeout);
    QVERIFY(dialog.succeeded());
    QTRY_COMPARE_WITH_TIMEOUT(bench.radio.completedSessions(), 1, 2000);
    QCOMPARE(bench.radio.received().count("\x02PROGRA"), 2); // one transfer: two wake-ups
}

void LinkWidgetTests::exitCancelsAtABlockBoundary() {
    RadioBench bench;
    QVERIFY(bench.started);
    MemoryImage image = buildFactoryDefault();
    const MemoryImage before = image;
    // At the protocol's own pace, so that Exit comes while the blocks still come in.
    CloneProgressDialog dialog(CloneDirection::Read, bench.radio.devicePath(), image, bench.flags);
    dialog.show();
    auto* bar = byName<QProgressBar>(dialog, "Progress");
    QTest::mouseClick(byName<QPushButton>(dialog, "Start"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(bar->value() >= 20, kTransferTimeout);
    QTest::mouseClick(byName<QPushButton>(dialog, "Exit"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.isVisible(), kTransferTimeout);
    QVERIFY(!dialog.succeeded());
    QVERIFY(bar->value() < 510);
    QVERIFY(image == before); // a cancelled read changes nothing
    QTRY_VERIFY_WITH_TIMEOUT(bench.radio.received().endsWith("ENDW"), 2000);
}

void LinkWidgetTests::passwordPrompt() {
    RadioBench bench({.readProtected = true});
    QVERIFY(bench.started);
    MemoryImage image = buildFactoryDefault();
    CloneProgressDialog dialog(CloneDirection::Read, bench.radio.devicePath(), image, bench.flags,
                               nullptr, fastTiming());
    dialog.show();
    auto* responder = ModalResponder::answer<AccessCodeDialog>(
        [](AccessCodeDialog* prompt) {
            QCOMPARE(prompt->windowTitle(), QStringLiteral("Password"));
            auto* edit = byName<QLineEdit>(*prompt, "Password");
            QVERIFY(edit);
            QCOMPARE(edit->maxLength(), 8);
            QTest::keyClicks(edit, "5172kb");
            prompt->accept();
        },
        this);
    dialog.start();
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.isVisible(), kTransferTimeout);
    QVERIFY(responder->answered);
    QVERIFY(dialog.succeeded());
    QCOMPARE(image.byte(0xCC08), 3);
}

void LinkWidgetTests::openFailureIsReported() {
    CloneFlags flags;
    MemoryImage image = buildFactoryDefault();
    const QString port =
        QStringLiteral("/dev/serial/by-id/usb-Serial_Controller_no-such-radio-if00-port0");
    CloneProgressDialog dialog(CloneDirection::Read, port, image, flags);
    dialog.show();
    QString text;
    int pathRoom = 0, pathWidth = 0;
    auto* responder = ModalResponder::answer<QMessageBox>(
        [&](QMessageBox* box) {
            text = box->text();
            // The box is wide enough for the device path on one line.
            if (auto* detail = box->findChild<QLabel*>("qt_msgbox_informativelabel")) {
                QVERIFY(detail->text().startsWith(port));
                pathRoom = detail->width();
                pathWidth = detail->fontMetrics().horizontalAdvance(port + u':');
            }
            box->accept();
        },
        this);
    dialog.start();
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.isVisible(), 10000);
    QVERIFY(responder->answered);
    QCOMPARE(text, QStringLiteral("Open port fail"));
    QVERIFY(pathWidth > 0);
    QVERIFY2(pathRoom >= pathWidth,
             qPrintable(QStringLiteral("%1 < %2").arg(pathRoom).arg(pathWidth)));
    QVERIFY(!dialog.succeeded());
    QVERIFY(!flags.busy);
}

void LinkWidgetTests::portDialogChoices() {
    const QList<PortEntry> ports = {{"/dev/ttyUSB0", "USB serial", "0403:6001", true},
                                    {"/dev/ttyS0", "Built-in", "", false},
                                    {"/dev/ttyACM0", "Modem", "1546:01a7", true}};
    {
        PortDialog dialog(ports, "/dev/ttyACM0");
        auto* list = byName<QTreeWidget>(dialog, "Port");
        QVERIFY(list);
        QCOMPARE(list->topLevelItemCount(), 3);
        QCOMPARE(list->currentItem()->text(0), QStringLiteral("/dev/ttyACM0"));
        QVERIFY(!(list->topLevelItem(1)->flags() & Qt::ItemIsEnabled)); // busy port greyed
        QCOMPARE(list->topLevelItem(0)->text(2), QStringLiteral("0403:6001"));
        list->setCurrentItem(list->topLevelItem(0));
        QCOMPARE(dialog.chosenPort(), QStringLiteral("/dev/ttyUSB0"));
    }
    {
        // A path typed by hand, e.g. the virtual radio.
        PortDialog dialog(ports, "/dev/ttyUSB0");
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto* path = byName<QLineEdit>(dialog, "Device path");
        QVERIFY(path);
        path->setFocus();
        QTest::keyClicks(path, "/dev/pts/7");
        QCOMPARE(dialog.chosenPort(), QStringLiteral("/dev/pts/7"));
    }
    {
        // Nothing usable chosen: the current name stays, even when it is not listed.
        PortDialog dialog({{"/dev/ttyS0", "Built-in", "", false}}, "/dev/pts/3");
        QCOMPARE(byName<QLineEdit>(dialog, "Device path")->text(), QStringLiteral("/dev/pts/3"));
        QCOMPARE(dialog.chosenPort(), QStringLiteral("/dev/pts/3"));
        PortDialog empty({}, "COM3");
        byName<QLineEdit>(empty, "Device path")->clear();
        QCOMPARE(empty.chosenPort(), QStringLiteral("COM3"));
    }
}

// Opened again on a typed path, the dialog shows that path, and OK without a change keeps it,
// even though the list takes the focus and makes a port current.
void LinkWidgetTests::portDialogKeepsATypedPath() {
    const QList<PortEntry> ports = {{"/dev/ttyS0", "Built-in", "", true}};
    PortDialog dialog(ports, "/dev/pts/1");
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto* list = byName<QTreeWidget>(dialog, "Port");
    list->setFocus();
    QTRY_VERIFY(list->hasFocus());
    QVERIFY(list->currentItem()); // the focus made a port current
    QCOMPARE(byName<QLineEdit>(dialog, "Device path")->text(), QStringLiteral("/dev/pts/1"));
    QCOMPARE(dialog.chosenPort(), QStringLiteral("/dev/pts/1"));
    // Picking the listed port is.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->topLevelItem(0)).center());
    QCOMPARE(dialog.chosenPort(), QStringLiteral("/dev/ttyS0"));
    QCOMPARE(byName<QLineEdit>(dialog, "Device path")->text(), QString());
}

void LinkWidgetTests::accessCodePromptSaysWhatItAsks() {
    AccessCodeDialog prompt;
    QVERIFY(byName<QLineEdit>(prompt, "Password"));
    bool found = false;
    for (QLabel* label : prompt.findChildren<QLabel*>())
        found = found || label->text() == "This radio is read protected. Access code:";
    QVERIFY(found);
}

QTEST_MAIN(LinkWidgetTests)
#include "tst_link_widgets.moc"

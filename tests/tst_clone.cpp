#include "ImageMap.h"
#include "Plausibility.h"
#include "RadioBench.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>

namespace {

const QByteArray kWake("\x02PROGRA", 7);
const QByteArray kIdentify("M\x02", 2);

QByteArray command(char op, int address, int length) {
    QByteArray c(4, '\0');
    c[0] = op;
    c[1] = char(address >> 8);
    c[2] = char(address & 0xFF);
    c[3] = char(length);
    return c;
}

// What the program sends before the transfer proper: two wake-ups with identification and
// the read protection check in between.
QByteArray opening() {
    return kWake + kIdentify + "A" + command('R', 0xCC00, 0x80) + "A" + kWake + kIdentify + "A";
}

QByteArray bytesOf(const MemoryImage& image, std::uint32_t address, int length) {
    return QByteArray(reinterpret_cast<const char*>(image.at(address, std::size_t(length)).data()),
                      length);
}

MemoryImage startImage() {
    return buildFactoryDefault();
}

} // namespace

class CloneTests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fullReadSequence();
    void fullWriteSequence();
    void openFailure();
    void permissionAdviceNamesBothRemedies();
    void silentRadioGivesUpAfterNineTries();
    void noiseBeforeTheAcknowledge();
    void wrongIdentificationAcknowledge();
    void accessCode_data();
    void accessCode();
    void readBlockNotAcknowledged();
    void shortReplyLeavesImageAlone();
    void hangUpDuringRead();
    void writePacketNotAcknowledged();
    void cancelRead();
    void cancelWrite();
    void readDataLooksLikeTheRadios();
    void summariesForTheStatusBar();
};

void CloneTests::fullReadSequence() {
    RadioBench bench;
    QVERIFY(bench.started);
    MemoryImage image = startImage();
    const MemoryImage before = image;
    QList<int> progress;
    CloneEngine::Hooks hooks;
    hooks.progress = [&](int done, int total) {
        QCOMPARE(total, 510);
        progress << done;
    };
    // The one read at the protocol's own pace.
    const CloneReport report = bench.run(CloneDirection::Read, image, hooks, true);
    QVERIFY2(report.ok, qPrintable(report.detail));
    QVERIFY(!bench.flags.busy);
    // The end command may still be on its way through the pseudo-terminal.
    QTRY_COMPARE_WITH_TIMEOUT(bench.radio.completedSessions(), 1, 2000);

    QByteArray expected = opening();
    for (int a = 0x0100; a < 0x10000; a += 0x80)
        expected += command('R', a, 0x80) + "A";
    expected += "ENDR";
    QCOMPARE(bench.radio.received(), expected);
    QCOMPARE(progress.size(), 510);
    QCOMPARE(progress.last(), 510);

    const QByteArray memory = bench.radio.memory();
    QCOMPARE(bytesOf(image, 0x0100, 0xFF00), memory.mid(0x0100));
    QCOMPARE(bytesOf(image, 0, 0x100), bytesOf(before, 0, 0x100)); // never transferred
    QVERIFY(std::ranges::equal(image.pc(), before.pc()));
}

void CloneTests::fullWriteSequence() {
    RadioBench bench;
    QVERIFY(bench.started);
    MemoryImage image = startImage();
    image.fill(0xF400, 0xB00, 0x33); // never sent
    QList<int> progress;
    CloneEngine::Hooks hooks;
    hooks.progress = [&](int done, int total) {
        QCOMPARE(total, 490);
        progress << done;
    };
    const CloneReport report = bench.run(CloneDirection::Write, image, hooks);
    QVERIFY2(report.ok, qPrintable(report.detail));
    QCOMPARE(progress.size(), 490);
    QTRY_COMPARE_WITH_TIMEOUT(bench.radio.completedSessions(), 1, 2000);

    // Date stamp of 2014-03-05.
    QCOMPARE(bytesOf(image, 0xFF28, 4), QByteArray("\x14\x20\x03\x05", 4));

    QByteArray expected = opening();
    expected += command('W', 0x0060, 0x20) + bytesOf(image, 0x0060, 0x20);
    for (int a = 0x0080; a < 0xF400; a += 0x80)
        expected += command('W', a, 0x80) + bytesOf(image, std::uint32_t(a), 0x80);
    expected += QByteArray("\x57\xFF\x00\x80", 4) + bytesOf(image, 0xFF00, 0x80);
    expected += QByteArray("\x57\xFF\x80\x80", 4) + bytesOf(image, 0xFF80, 0x80);
    expected += "ENDW";
    const QByteArray received = bench.radio.received();
    qsizetype firstDifference = 0;
    while (firstDifference < std::min(received.size(), expected.size()) &&
           received[firstDifference] == expected[firstDifference])
        ++firstDifference;
    QVERIFY2(received == expected,
             qPrintable(QStringLiteral("first difference at byte %1 of %2 (expected %3)")
                            .arg(firstDifference)
                            .arg(received.size())
                            .arg(expected.size())));

    const QByteArray memory = bench.radio.memory();
    const QByteArray original = RadioBench::radioMemory();
    QCOMPARE(memory.left(0x60), original.left(0x60));
    QCOMPARE(memory.mid(0x60, 0xF400 - 0x60), bytesOf(image, 0x60, 0xF400 - 0x60));
    QCOMPARE(memory.mid(0xF400, 0xB00), original.mid(0xF400, 0xB00));
    QCOMPARE(memory.mid(0xFF00), bytesOf(image, 0xFF00, 0x100));
}

void CloneTests::openFailure() {
    CloneFlags flags;
    for (const QString& port : {QStringLiteral("/dev/no-such-port"), QString()}) {
        QtSerialLink link;
        CloneEngine engine(link, flags, {});
        MemoryImage image = startImage();
        const MemoryImage before = image;
        const CloneReport report = engine.run(CloneDirection::Read, port, image);
        QCOMPARE(report.outcome, CloneReport::OpenFailed);
        QCOMPARE(report.message, QStringLiteral("Open port fail"));
        QVERIFY(image == before);
        QVERIFY(!flags.busy);
    }
}

void CloneTests::silentRadioGivesUpAfterNineTries() {
    RadioBench bench({.silent = true});
    QVERIFY(bench.started);
    MemoryImage image = startImage();
    const MemoryImage before = image;
    // Each try waits out its half-second window on the engine's clock, here one that jumps a
    // second at every look.
    CloneEngine::Hooks hooks = fastTiming(true);
    int looks = 0;
    hooks.clockMs = [&looks, clock = hooks.clockMs] {
        ++looks;
        return clock();
    };
    const CloneReport report = bench.run(CloneDirection::Read, image, hooks);
    QCOMPARE(report.outcome, CloneReport::CommunicationError);
    QCOMPARE(report.message, QStringLiteral("Communication error"));
    QCOMPARE(bench.radio.received(), kWake.repeated(9));
    QCOMPARE(looks, 9 * 2); // the window's start, and the look past its end
    QVERIFY(image == before);
}

void CloneTests::noiseBeforeTheAcknowledge() {
    RadioBench bench({.noiseBeforeAck = 5});
    QVERIFY(bench.started);
    MemoryImage image = startImage();
    const CloneReport report = bench.run(CloneDirection::Read, image);
    QVERIFY2(report.ok, qPrintable(report.detail));
    QCOMPARE(bytesOf(image, 0x0100, 0xFF00), bench.radio.memory().mid(0x0100));
}

void CloneTests::wrongIdentificationAcknowledge() {
    RadioBench bench({.nakIdentification = true});
    QVERIFY(bench.started);
    MemoryImage image = startImage();
    const CloneReport report = bench.run(CloneDirection::Write, image);
    QCOMPARE(report.outcome, CloneReport::CommunicationError);
    QCOMPARE(report.message, QStringLiteral("Communication error"));
    QCOMPARE(bench.radio.received(), kWake + kIdentify + "A"); // nothing more
    QCOMPARE(image.byte(0xFF28), buildFactoryDefault().byte(0xFF28));
}

void CloneTests::accessCode_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("cancelled");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("lower case") << "5172kb" << false << true;
    QTest::newRow("exact") << "5172KB" << false << true;
    QTest::newRow("wrong") << "1234" << false << false;
    QTest::newRow("prefix only") << "5172K" << false << false;
    QTest::newRow("cancelled") << "" << true << false;
}

void CloneTests::accessCode() {
    QFETCH(QString, typed);
    QFETCH(bool, cancelled);
    QFETCH(bool, accepted);
    RadioBench bench({.readProtected = true});
    QVERIFY(bench.started);
    MemoryImage image = startImage();
    const MemoryImage before = image;
    int asked = 0;
    CloneEngine::Hooks hooks;
    hooks.askAccessCode = [&]() -> std::optional<QString> {
        ++asked;
        return cancelled ? std::nullopt : std::optional<QString>(typed);
    };
    const CloneReport report = bench.run(CloneDirection::Read, image, hooks);
    QCOMPARE(asked, 1);
    if (accepted) {
        QVERIFY2(report.ok, qPrintable(report.detail));
        QCOMPARE(image.byte(0xCC08), 3);
    } else {
        QCOMPARE(report.outcome, CloneReport::AccessDenied);
        QVERIFY(report.message.isEmpty()); // no message box for a wrong code
        QVERIFY(image == before);
        // No end command: the program just goes away.
        QCOMPARE(bench.radio.received(),
                 kWake + kIdentify + "A" + command('R', 0xCC00, 0x80) + "A");
    }
}

void CloneTests::readBlockNotAcknowledged() {
    RadioBench bench({.nakReadAddress = 0x1280});
    QVERIFY(bench.started);
    MemoryImage image = startImage();
    const MemoryImage before = image;
    const CloneReport report = bench.run(CloneDirection::Read, image);
    QCOMPARE(report.outcome, CloneReport::CommunicationError);
    QVERIFY(report.detail.contains("0x1280"));
    // Four tries, then nothing more.
    QVERIFY(bench.radio.received().endsWith(command('R', 0x1280, 0x80) + "AAAA"));
    QVERIFY(image == before); // the blocks read so far are not half-applied
}

void CloneTests::shortReplyLeavesImageAlone() {
    RadioBench bench({.shortReplyAddress = 0x2000});
    QVERIFY(bench.started);
    MemoryImage image = startImage();
    const MemoryImage before = image;
    const CloneReport report = bench.run(CloneDirection::Read, image);
    QCOMPARE(report.outcome, CloneReport::CommunicationError);
    QVERIFY(report.detail.contains("0x2000"));
    QVERIFY(image == before);
}

void CloneTests::hangUpDuringRead() {
    RadioBench bench({.hangUpAfterBlocks = 50});
    QVERIFY(bench.started);
    MemoryImage image = startImage();
    const MemoryImage before = image;
    QElapsedTimer timer;
    timer.start();
    const CloneReport report = bench.run(CloneDirection::Read, image);
    QCOMPARE(report.outcome, CloneReport::CommunicationError);
    QVERIFY(bench.radio.hungUp());
    QVERIFY(image == before);
    QVERIFY(timer.elapsed() < 10000); // fails, it does not hang
}

void CloneTests::writePacketNotAcknowledged() {
    RadioBench bench({.nakWriteAddress = 0x1280});
    QVERIFY(bench.started);
    MemoryImage image = startImage();
    const CloneReport report = bench.run(CloneDirection::Write, image);
    QCOMPARE(report.outcome, CloneReport::CommunicationError);
    QCOMPARE(report.message, QStringLiteral("Communication error"));
    QVERIFY(report.detail.contains("0x1280"));
    QTRY_COMPARE_WITH_TIMEOUT(bench.radio.completedSessions(), 1, 2000);
    QVERIFY(bench.radio.received().endsWith(command('W', 0x1280, 0x80) +
                                            bytesOf(image, 0x1280, 0x80) + "ENDW"));
}

void CloneTests::cancelRead() {
    RadioBench bench;
    QVERIFY(bench.started);
    MemoryImage image = startImage();
    const MemoryImage before = image;
    CloneEngine::Hooks hooks;
    hooks.progress = [&](int done, int) {
        if (done == 100)
            bench.flags.cancel = true;
    };
    const CloneReport report = bench.run(CloneDirection::Read, image, hooks);
    QCOMPARE(report.outcome, CloneReport::Cancelled);
    QVERIFY(report.message.isEmpty());
    // The block under way completes, then the end command.
    QTRY_COMPARE_WITH_TIMEOUT(bench.radio.completedSessions(), 1, 2000);
    QVERIFY(bench.radio.received().endsWith(command('R', 0x0100 + 99 * 0x80, 0x80) + "AENDW"));
    QVERIFY(image == before);
    QVERIFY(!bench.flags.busy);
}

void CloneTests::cancelWrite() {
    RadioBench bench;
    QVERIFY(bench.started);
    MemoryImage image = startImage();
    CloneEngine::Hooks hooks;
    hooks.progress = [&](int done, int) {
        if (done == 100)
            bench.flags.cancel = true;
    };
    const CloneReport report = bench.run(CloneDirection::Write, image, hooks);
    QCOMPARE(report.outcome, CloneReport::Cancelled);
    QTRY_COMPARE_WITH_TIMEOUT(bench.radio.completedSessions(), 1, 2000);
    QVERIFY(bench.radio.received().endsWith("ENDW"));
    QCOMPARE(bench.radio.memory().mid(0x3200, 0x80), RadioBench::radioMemory().mid(0x3200, 0x80));
    QCOMPARE(image.byte(0xFF28), buildFactoryDefault().byte(0xFF28)); // not dated before 0xF400
}

// Data read from a radio passes the check that Open and Write make; noise does not.
void CloneTests::readDataLooksLikeTheRadios() {
    QCOMPARE(implausibility(buildFactoryDefault()), QString());
    RadioBench bench;
    QVERIFY(bench.started);
    bench.radio.setMemory(buildFactoryDefault().toFileBytes().mid(MemoryImage::kPcSize));
    MemoryImage image = buildFactoryDefault();
    QVERIFY(bench.run(CloneDirection::Read, image).ok);
    QCOMPARE(implausibility(image), QString());

    QRandomGenerator rng(3);
    MemoryImage noise;
    for (std::uint8_t& b : noise.image())
        b = std::uint8_t(rng.bounded(256));
    QVERIFY(!implausibility(noise).isEmpty());
    // Each check on its own.
    MemoryImage bad = buildFactoryDefault();
    bad.setByte(ImageMap::kBandLimitRecords.at(4) + 1, 0xA5); // 150M: a digit of 10
    QVERIFY(implausibility(bad).contains("band limits"));
    bad = buildFactoryDefault();
    bad.fill(ImageMap::channelAddress(1), 4, 0xFF);
    QCOMPARE(implausibility(bad), QStringLiteral("channel 1 is empty"));
    bad = buildFactoryDefault();
    bad.setByte(ImageMap::channelAddress(801), 0x3C);
    QCOMPARE(implausibility(bad),
             QStringLiteral("the frequency of channel 801 is not a decimal number"));
    bad = buildFactoryDefault();
    bad.setByte(ImageMap::kIdentity + 3, 0x07);
    QVERIFY(implausibility(bad).contains("model block"));
}

void CloneTests::summariesForTheStatusBar() {
    using R = CloneReport;
    const QString port = QStringLiteral("/dev/pts/3");
    QCOMPARE(transferSummary(CloneDirection::Read, port, R()),
             QStringLiteral("Read 64 KiB from /dev/pts/3"));
    QCOMPARE(transferSummary(CloneDirection::Write, port, R()),
             QStringLiteral("Wrote 61 KiB to /dev/pts/3"));
    QCOMPARE(transferSummary(CloneDirection::Write, port, R(R::Cancelled, {}, {})),
             QStringLiteral("Write cancelled"));
    QCOMPARE(transferSummary(CloneDirection::Read, port, R(R::AccessDenied, {}, {})),
             QStringLiteral("Wrong access code"));
    QCOMPARE(transferSummary(CloneDirection::Read, port, R(R::AccessDenied, {}, {}), true),
             QStringLiteral("Read cancelled"));
    QCOMPARE(transferSummary(CloneDirection::Read, port, R(R::OpenFailed, "Open port fail", {})),
             QStringLiteral("Open port fail: /dev/pts/3"));
    QCOMPARE(transferSummary(CloneDirection::Read, port, R(R::CommunicationError, {}, {})),
             QStringLiteral("Communication error on /dev/pts/3"));
}

// Run as root here, a port is never refused: the advice is checked on its own.
void CloneTests::permissionAdviceNamesBothRemedies() {
    const QString advice = serialAccessAdvice(QStringLiteral("/dev/null-no-such-port"));
    QVERIFY(advice.contains("60-duoband-serial.rules"));
    QVERIFY(advice.contains("plug the cable in again"));
    QVERIFY(advice.contains("sudo usermod -aG dialout $USER"));
}

QTEST_GUILESS_MAIN(CloneTests)
#include "tst_clone.moc"

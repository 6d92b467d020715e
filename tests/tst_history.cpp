#include "DataFile.h"
#include "Document.h"
#include "EditHistory.h"
#include "FactoryDefault.h"
#include "ImageDelta.h"
#include "ImageMap.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {

// `count` bytes anywhere in the image and the PC block set to values they did not hold.
void scramble(MemoryImage& data, int count, quint32 seed) {
    QRandomGenerator random(seed);
    for (int i = 0; i < count; ++i) {
        const int at = random.bounded(MemoryImage::kFileSize);
        std::uint8_t& byte = at < MemoryImage::kImageSize
                                 ? data.image()[std::size_t(at)]
                                 : data.pc()[std::size_t(at - MemoryImage::kImageSize)];
        byte = std::uint8_t(byte + 1 + random.bounded(255));
    }
}

} // namespace

class HistoryTests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void deltaTurnsEitherStateIntoTheOther();
    void undoRedoAndTheCleanIndex();
    void oldestStepsGoWhenTheBudgetIsSpent();
    void documentRecordsOnlyChanges();
    void undoBringsBackTheBandLimits();
    void groupedChangesAreOneStep();
    void savedAndUntitledState();
};

void HistoryTests::deltaTurnsEitherStateIntoTheOther() {
    const MemoryImage before = buildFactoryDefault();
    QVERIFY(ImageDelta::between(before, before).isEmpty());
    for (quint32 seed : {1u, 2u, 3u, 20261208u}) {
        MemoryImage after = before;
        scramble(after, int(seed % 500) + 1, seed);
        // The very first and last bytes of both areas, where runs begin and end.
        after.image()[0] ^= 0x5A;
        after.image()[MemoryImage::kImageSize - 1] ^= 0x5A;
        after.pc()[0] ^= 0x5A;
        after.pc()[MemoryImage::kPcSize - 1] ^= 0x5A;
        const ImageDelta delta = ImageDelta::between(before, after);
        MemoryImage data = before;
        delta.applyForwards(data);
        QVERIFY(data == after);
        delta.applyBackwards(data);
        QVERIFY(data == before);
        std::size_t differing = 0;
        for (int i = 0; i < MemoryImage::kImageSize; ++i)
            differing += before.image()[std::size_t(i)] != after.image()[std::size_t(i)];
        for (int i = 0; i < MemoryImage::kPcSize; ++i)
            differing += before.pc()[std::size_t(i)] != after.pc()[std::size_t(i)];
        QCOMPARE(delta.changedBytes(), differing);
        // Applied to a state with other changes, only the step's own bytes move.
        MemoryImage other = after;
        other.setByte(0x8000, other.byte(0x8000) ^ 0xFF);
        const std::uint8_t untouched = other.byte(0x8000);
        if (before.byte(0x8000) == after.byte(0x8000)) {
            delta.applyBackwards(other);
            QCOMPARE(other.byte(0x8000), untouched);
        }
    }
}

void HistoryTests::undoRedoAndTheCleanIndex() {
    MemoryImage data;
    EditHistory history;
    QVERIFY(history.isClean());
    QVERIFY(!history.canUndo() && !history.canRedo());
    std::vector<MemoryImage> states{data};
    for (int i = 1; i <= 3; ++i) {
        MemoryImage next = states.back();
        next.setByte(std::uint32_t(0x100 * i), std::uint8_t(i));
        history.push(QStringLiteral("Step %1").arg(i), ImageDelta::between(states.back(), next));
        states.push_back(next);
    }
    data = states.back();
    QVERIFY(!history.isClean());
    history.setClean(); // saved after three steps
    QCOMPARE(history.undoName(), QStringLiteral("Step 3"));
    QVERIFY(history.undo(data));
    QVERIFY(data == states[2]);
    QVERIFY(!history.isClean());
    QCOMPARE(history.redoName(), QStringLiteral("Step 3"));
    QVERIFY(history.undo(data) && history.undo(data));
    QVERIFY(data == states[0]);
    QVERIFY(!history.undo(data)); // nothing before the first
    QVERIFY(history.redo(data) && history.redo(data) && history.redo(data));
    QVERIFY(data == states[3]);
    QVERIFY(history.isClean()); // back where it was saved
    QVERIFY(!history.redo(data));

    // A new step after an undo drops what could be redone, and the saved state with it.
    QVERIFY(history.undo(data));
    MemoryImage branch = data;
    branch.setByte(0x9000, 0x77);
    history.push(QStringLiteral("Branch"), ImageDelta::between(data, branch));
    QVERIFY(!history.canRedo());
    QCOMPARE(history.count(), 3);
    QVERIFY(history.undo(data));
    QVERIFY(!history.isClean()); // the saved state cannot come back
    history.clear();
    QVERIFY(history.isClean());
    QCOMPARE(history.count(), 0);
}

void HistoryTests::oldestStepsGoWhenTheBudgetIsSpent() {
    EditHistory history;
    MemoryImage zero;
    MemoryImage full;
    full.fill(0, MemoryImage::kImageSize, 0xFF);
    const ImageDelta big = ImageDelta::between(zero, full); // some 128 KiB a step
    const int steps = int(EditHistory::kByteBudget / big.size()) + 10;
    for (int i = 0; i < steps; ++i)
        history.push(QStringLiteral("Step %1").arg(i),
                     i % 2 ? ImageDelta::between(full, zero) : ImageDelta::between(zero, full));
    QVERIFY(history.count() < steps);
    QCOMPARE(history.index(), history.count());
    QCOMPARE(history.undoName(), QStringLiteral("Step %1").arg(steps - 1));
    QVERIFY(!history.isClean()); // the start was dropped
}

void HistoryTests::documentRecordsOnlyChanges() {
    Document document;
    document.loadDefault({});
    int changes = 0;
    document.setHistoryListener([&] { ++changes; });
    QVERIFY(!document.record("Nothing"));
    QCOMPARE(document.history().count(), 0);
    QCOMPARE(changes, 0);
    QVERIFY(!document.isModified());

    const MemoryImage before = document.image();
    document.image().setByte(ImageMap::channelAddress(12), 0x42);
    QVERIFY(document.isModified()); // even before it is recorded
    QVERIFY(document.record("Edit channel 12"));
    QCOMPARE(changes, 1);
    QCOMPARE(document.history().undoName(), QStringLiteral("Edit channel 12"));
    const MemoryImage after = document.image();
    QVERIFY(document.undo());
    QVERIFY(document.image() == before);
    QVERIFY(!document.isModified());
    QVERIFY(document.redo());
    QVERIFY(document.image() == after);

    // A change not recorded when Undo comes is a step of its own, undone first.
    document.image().setByte(0x100, document.image().byte(0x100) ^ 1);
    QVERIFY(document.undo());
    QVERIFY(document.image() == after);
    QCOMPARE(document.history().redoName(), QStringLiteral("Edit"));
}

void HistoryTests::undoBringsBackTheBandLimits() {
    Document document;
    document.loadDefault({});
    const BandState before = BandState::fromImage(document.image());
    // The VHF band's receive edges change.
    auto edges = document.image().at<8>(ImageMap::kBandLimitRecords.at(BandState::kVhf));
    const std::uint8_t newEdges[8] = {0x00, 0x00, 0x00, 0x14, 0x00, 0x00, 0x00, 0x15};
    std::copy(std::begin(newEdges), std::end(newEdges), edges.begin());
    document.bands().loadLimitsFromImage(document.image());
    QVERIFY(document.bands().nine[BandState::kVhf].lower != before.nine[BandState::kVhf].lower);
    QVERIFY(document.record("Frequency range"));
    QVERIFY(document.undo());
    for (int b = 0; b < kBandCount; ++b) {
        QCOMPARE(document.bands().nine[std::size_t(b)].lower, before.nine[std::size_t(b)].lower);
        QCOMPARE(document.bands().nine[std::size_t(b)].upper, before.nine[std::size_t(b)].upper);
    }
    QCOMPARE(document.bands().enabled, before.enabled);
}

void HistoryTests::groupedChangesAreOneStep() {
    Document document;
    document.loadDefault({});
    const MemoryImage before = document.image();
    document.beginStep("Read from radio");
    document.image().setByte(0x10, 1);
    QVERIFY(!document.record("Channel setting")); // waits for the end of the group
    document.image().setByte(0x20, 2);
    document.endStep();
    QCOMPARE(document.history().count(), 1);
    QCOMPARE(document.history().undoName(), QStringLiteral("Read from radio"));
    QVERIFY(document.undo());
    QVERIFY(document.image() == before);
}

void HistoryTests::savedAndUntitledState() {
    QTemporaryDir dir;
    Document document;
    document.loadDefault({});
    document.image().setByte(0x10, 1);
    document.record("Edit");
    const QString path = dir.filePath("a.dat");
    QVERIFY(document.saveAs(path).ok);
    QVERIFY(!document.isModified());
    QVERIFY(document.undo());
    QVERIFY(document.isModified());
    QVERIFY(document.redo());
    QVERIFY(!document.isModified());
    // Data from the radio is unsaved whatever is undone or redone.
    document.becomeUntitled();
    QVERIFY(document.isModified());
    QVERIFY(document.undo());
    QVERIFY(document.redo());
    QVERIFY(document.isModified());
    // Opening starts afresh.
    QVERIFY(document.open(path).ok);
    QCOMPARE(document.history().count(), 0);
    QVERIFY(!document.isModified());
}

QTEST_GUILESS_MAIN(HistoryTests)
#include "tst_history.moc"

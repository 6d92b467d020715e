// Sorting channels and closing gaps on the data: whole records move, the priority channel
// follows, channel 1 keeps a main-band channel, bank B stays; and the same from the command line.
#include "BandState.h"
#include "ChannelBulkEdit.h"
#include "ChannelFind.h"
#include "ChannelOrder.h"
#include "ChannelRecord.h"
#include "ChannelRows.h"
#include "ChannelTable.h"
#include "CliRunner.h"
#include "DataFile.h"
#include "FactoryDefault.h"
#include "ImageMap.h"
#include "MemoryImage.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

namespace {

using T = ChannelTable;
using Bytes = QByteArray;

Bytes recordOf(const MemoryImage& image, int channel) {
    const auto r = image.at<32>(ImageMap::channelAddress(channel));
    return Bytes(reinterpret_cast<const char*>(r.data()), 32);
}

// Channels typed into the table: {channel, Rx, name}, stored once.
struct Typed {
    int channel;
    QString rx;
    QString name;
};
MemoryImage withChannels(const std::vector<Typed>& channels) {
    MemoryImage image = buildFactoryDefault();
    BandState bands = BandState::fromImage(image);
    ChannelTable table(image, bands);
    table.fill();
    for (const Typed& t : channels) {
        table.commit(t.channel, T::Rx, t.rx);
        table.commit(t.channel, T::Name, t.name);
    }
    table.store();
    return image;
}

// 300 channels at 1-300, frequencies out of order, channel 1 the highest; priority channel 7.
MemoryImage threeHundred() {
    std::vector<Typed> typed;
    for (int n = 1; n <= 300; ++n) {
        const int k = (n * 97) % 300; // a permutation of 0-299
        const double mhz = n == 1 ? 479.0 : (k < 150 ? 144.0 + k * 0.0125 : 430.0 + k * 0.025);
        typed.push_back({n, QString::number(mhz, 'f', 5), QStringLiteral("C%1").arg(n)});
    }
    MemoryImage image = withChannels(typed);
    image.setWord(ImageMap::kLeftPriorityChannel, 7);
    return image;
}

QString cell(MemoryImage image, int row, int column) {
    BandState bands = BandState::fromImage(image);
    ChannelTable table(image, bands);
    table.fill();
    return table.text(row, column);
}

} // namespace

class ChannelOrderTests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sortByRxMovesChannelOneAndThePriority();
    void twoKeysAndDescending();
    void chosenRowsSortAmongThemselves();
    void channelOneKeepsAMainBandChannel();
    void closeGapsAfterADelete();
    void ordersKeepEveryRecordWhole();
    void oneValueForManyRows();
    void findByNameAndFrequency();
    void theCommandLineSortsAndCompacts();
};

void ChannelOrderTests::sortByRxMovesChannelOneAndThePriority() {
    MemoryImage image = threeHundred();
    const Bytes priorityRecord = recordOf(image, 7);
    const Bytes firstRecord = recordOf(image, 1);
    const MemoryImage before = image;
    const ChannelOrder::Moved moved =
        ChannelOrder::sort(image, BandState::fromImage(image), {{T::Rx, false}});
    QVERIFY(moved.moved > 290);
    double previous = 0;
    for (int n = 1; n <= 300; ++n) {
        const double mhz = cell(image, n, T::Rx).toDouble();
        QVERIFY2(mhz >= previous, qPrintable(QString::number(n)));
        previous = mhz;
    }
    QCOMPARE(recordOf(image, 300), firstRecord); // 479 MHz, the highest, went last
    const int priority = image.word(ImageMap::kLeftPriorityChannel);
    QCOMPARE(recordOf(image, priority), priorityRecord);
    QCOMPARE(moved.source[std::size_t(priority)], 7);
    // Bank B and everything outside bank A's records stay as they were.
    for (std::uint32_t a = 0; a < MemoryImage::kImageSize; ++a) {
        const bool bankARecord =
            a >= ImageMap::channelAddress(1) && a < ImageMap::channelAddress(T::kRows) + 32;
        if (!bankARecord && a != ImageMap::kLeftPriorityChannel &&
            a != ImageMap::kLeftPriorityChannel + 1)
            QVERIFY2(image.byte(a) == before.byte(a), qPrintable(QString::number(a, 16)));
    }
}

void ChannelOrderTests::twoKeysAndDescending() {
    MemoryImage image = withChannels(
        {{1, "145.5", "B"}, {2, "146", "a"}, {3, "145.5", "A"}, {4, "146", "c"}, {5, "147", "b"}});
    const BandState bands = BandState::fromImage(image);
    ChannelOrder::sort(image, bands, {{T::Rx, false}, {T::Name, false}});
    QStringList names;
    for (int n = 1; n <= 5; ++n)
        names << cell(image, n, T::Name);
    QCOMPARE(names, (QStringList{"A", "B", "A", "C", "B"})); // names are typed upper case
    ChannelOrder::sort(image, bands, {{T::Rx, true}});
    QCOMPARE(cell(image, 1, T::Rx), QStringLiteral("147.00000"));
    QCOMPARE(cell(image, 5, T::Rx), QStringLiteral("145.50000"));
}

void ChannelOrderTests::chosenRowsSortAmongThemselves() {
    MemoryImage image = withChannels({{1, "145", "ONE"},
                                      {10, "440", "X"},
                                      {12, "146", "Y"},
                                      {13, "145.5", "Z"},
                                      {20, "144", "OUT"}});
    const Bytes one = recordOf(image, 1), out = recordOf(image, 20);
    std::vector<int> rows;
    for (int n = 10; n <= 13; ++n)
        rows.push_back(n);
    ChannelOrder::sort(image, BandState::fromImage(image), {{T::Rx, false}}, rows);
    QCOMPARE(cell(image, 10, T::Name), QStringLiteral("Z"));
    QVERIFY(cell(image, 11, T::Rx).isEmpty()); // the empty row stays where it is
    QCOMPARE(cell(image, 12, T::Name), QStringLiteral("Y"));
    QCOMPARE(cell(image, 13, T::Name), QStringLiteral("X"));
    QCOMPARE(recordOf(image, 1), one);
    QCOMPARE(recordOf(image, 20), out);
}

void ChannelOrderTests::channelOneKeepsAMainBandChannel() {
    // A radio with the 108 MHz band: its channels sort first, but channel 1 takes a main band's.
    MemoryImage image = buildFactoryDefault();
    BandState bands = BandState::fromImage(image);
    bands.nine[3] = {108'00000, 135'99999};
    ChannelTable table(image, bands);
    table.fill();
    table.commit(1, T::Rx, "146");
    table.commit(2, T::Rx, "118.1");
    table.commit(3, T::Rx, "145");
    table.store();
    QCOMPARE(table.text(2, T::Rx), QStringLiteral("118.10000"));
    const ChannelOrder::Moved moved = ChannelOrder::sort(image, bands, {{T::Rx, false}});
    table.fill();
    QCOMPARE(table.text(1, T::Rx), QStringLiteral("145.00000"));
    QCOMPARE(table.text(2, T::Rx), QStringLiteral("118.10000"));
    QCOMPARE(table.text(3, T::Rx), QStringLiteral("146.00000"));
    QVERIFY(moved.note.contains("channel 1 stays in a main band"));
    // A store after the sort changes nothing: the sort left nothing for the rules to correct.
    const MemoryImage sorted = image;
    table.store();
    QVERIFY(image == sorted);
}

void ChannelOrderTests::closeGapsAfterADelete() {
    MemoryImage image = threeHundred();
    ChannelRows::clear(image, {2, 3, 50, 299});
    const Bytes fourth = recordOf(image, 4), last = recordOf(image, 300);
    const ChannelOrder::Moved moved = ChannelOrder::closeGaps(image);
    QCOMPARE(recordOf(image, 2), fourth);
    QCOMPARE(recordOf(image, 296), last);
    QVERIFY(!ChannelRows::inUse(image, 297));
    QCOMPARE(moved.moved, 295); // 296 in use, all but channel 1 move up
    QVERIFY(moved.lines().contains("4 -> 2"));
    // Within a range only.
    MemoryImage ranged = threeHundred();
    ChannelRows::clear(ranged, {11, 12});
    const Bytes beyond = recordOf(ranged, 21);
    ChannelOrder::closeGaps(ranged, 10, 20);
    QVERIFY(!ChannelRows::inUse(ranged, 19) && !ChannelRows::inUse(ranged, 20));
    QCOMPARE(recordOf(ranged, 21), beyond);
}

// Random files: a sort or close gaps keeps every record whole, only places change, and it is
// one rearrangement the priority channel follows.
void ChannelOrderTests::ordersKeepEveryRecordWhole() {
    QRandomGenerator random(39);
    for (int round = 0; round < 20; ++round) {
        std::vector<Typed> typed{{1, "145", "FIRST"}};
        for (int i = 0; i < 120; ++i)
            typed.push_back({2 + int(random.bounded(798)),
                             QString::number(random.bounded(2) ? 144 + random.bounded(2000) * 0.0025
                                                               : 400 + random.bounded(800) * 0.1,
                                             'f', 5),
                             QStringLiteral("N%1").arg(random.bounded(50))});
        MemoryImage image = withChannels(typed);
        const int priority = 1 + int(random.bounded(800));
        image.setWord(ImageMap::kLeftPriorityChannel, std::uint16_t(priority));
        const Bytes priorityRecord = recordOf(image, priority);
        const bool priorityInUse = ChannelRows::inUse(image, priority);
        // The records in use, in order of their bytes: what the operation must keep.
        auto recordsInUse = [](const MemoryImage& data) {
            std::vector<Bytes> records;
            for (int n = 1; n <= T::kRows; ++n)
                if (ChannelRows::inUse(data, n))
                    records.push_back(recordOf(data, n));
            std::ranges::sort(records);
            return records;
        };
        const std::vector<Bytes> before = recordsInUse(image);
        const int column =
            ChannelOrder::sortColumns()[random.bounded(int(ChannelOrder::sortColumns().size()))];
        const ChannelOrder::Moved moved =
            round % 3 == 0 ? ChannelOrder::closeGaps(image)
                           : ChannelOrder::sort(image, BandState::fromImage(image),
                                                {{column, random.bounded(2) == 1}});
        QCOMPARE(recordsInUse(image), before);
        // In use from channel 1 on without a gap, when all channels were sorted or compacted.
        const int used = int(before.size());
        for (int n = 1; n <= T::kRows; ++n)
            QCOMPARE(ChannelRows::inUse(image, n), n <= used);
        if (priorityInUse) {
            const int now = image.word(ImageMap::kLeftPriorityChannel);
            QCOMPARE(recordOf(image, now), priorityRecord);
        }
        QCOMPARE(int(moved.source.size()), T::kRows + 1);
    }
}

void ChannelOrderTests::oneValueForManyRows() {
    std::vector<Typed> typed;
    for (int n = 1; n <= 40; ++n)
        typed.push_back(
            {n, QString::number(145.0 + n * 0.025, 'f', 5), QStringLiteral("R%1").arg(n)});
    typed.push_back({41, "440", "UHF"});
    MemoryImage image = withChannels(typed);
    BandState bands = BandState::fromImage(image);
    ChannelTable table(image, bands);
    table.fill();
    std::vector<int> rows;
    for (int n = 2; n <= 45; ++n)
        rows.push_back(n); // 42-45 are empty
    const auto power = ChannelBulkEdit::setForRows(table, image, rows, T::Power, "Low");
    QCOMPARE(power.set, 40);
    QVERIFY(power.refused.empty());
    for (int n = 2; n <= 41; ++n)
        QCOMPARE(table.text(n, T::Power), QStringLiteral("Low"));
    QVERIFY(table.rowEmpty(42) && table.rowEmpty(45));
    // A split to the 2 m band: the 70 cm channel 41 takes it as well.
    const auto split = ChannelBulkEdit::setForRows(table, image, rows, T::Tx, "145.9");
    QCOMPARE(split.set, 40);
    QCOMPARE(table.text(41, T::Tx), QStringLiteral("145.90000"));
    const MemoryImage afterPower = image;
    const auto tx = ChannelBulkEdit::setForRows(table, image, {5, 6}, T::Tx, "9999");
    QCOMPARE(tx.set, 0);
    QCOMPARE(tx.refused, (std::vector<int>{5, 6}));
    QVERIFY(tx.firstReason.contains("lies in no band"));
    QVERIFY(image == afterPower);
}

void ChannelOrderTests::findByNameAndFrequency() {
    MemoryImage image = withChannels(
        {{1, "145", "HOME"}, {20, "145.5", "RPT"}, {30, "146", "HOMER"}, {40, "439.5", "X"}});
    BandState bands = BandState::fromImage(image);
    ChannelTable table(image, bands);
    table.fill();
    bool wrapped = false;
    auto found = ChannelFind::next(table, "145.5", {1, T::Rx}, true, &wrapped);
    QVERIFY(found);
    QCOMPARE(found->row, 20);
    QCOMPARE(found->column, int(T::Rx));
    found = ChannelFind::next(table, "home", {1, T::Name}, true, &wrapped);
    QCOMPARE(found->row, 30);
    QVERIFY(!wrapped);
    found = ChannelFind::next(table, "home", {30, T::Name}, true, &wrapped);
    QCOMPARE(found->row, 1); // round to the top
    QVERIFY(wrapped);
    found = ChannelFind::next(table, "home", {1, T::Name}, false, &wrapped);
    QCOMPARE(found->row, 30);
    QVERIFY(wrapped);
    QVERIFY(!ChannelFind::next(table, "nothing", {1, T::Rx}, true));
    QVERIFY(!ChannelFind::matches(table, 40, T::Rx, "439.6"));
}

void ChannelOrderTests::theCommandLineSortsAndCompacts() {
    QTemporaryDir dir;
    const QString in = dir.filePath("in.dat");
    MemoryImage image = withChannels({{1, "146", "B"}, {3, "145", "A"}, {7, "147", "C"}});
    QVERIFY(saveDataFile(in, image).ok);
    const QString sorted = dir.filePath("sorted.dat");
    const CliRun sort = runCli({"sort", in, "-o", sorted, "--by", "rx"});
    QVERIFY2(sort.exitCode == 0, qPrintable(sort.err));
    QCOMPARE(sort.out, QStringLiteral("3 -> 1\n1 -> 2\n7 -> 3\n")); // all sorted: no gaps
    MemoryImage result;
    QVERIFY(loadDataFile(sorted, result).ok);
    QCOMPARE(cell(result, 1, T::Name), QStringLiteral("A"));
    QCOMPARE(cell(result, 2, T::Name), QStringLiteral("B"));

    const QString compact = dir.filePath("compact.dat");
    const CliRun run = runCli({"compact", in, "-o", compact});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QCOMPARE(run.out, QStringLiteral("3 -> 2\n7 -> 3\n"));
    QVERIFY(run.err.contains("2 channels moved"));

    QCOMPARE(runCli({"sort", in, "-o", sorted, "--by", "colour"}).exitCode, 2);
    QCOMPARE(runCli({"sort", in, "-o", sorted, "--by", "rx", "--range", "9-3"}).exitCode, 2);
}

QTEST_GUILESS_MAIN(ChannelOrderTests)
#include "tst_channel_order.moc"

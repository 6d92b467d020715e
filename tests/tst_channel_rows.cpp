#include "BandState.h"
#include "ChannelClipboard.h"
#include "ChannelCsv.h"
#include "ChannelRecord.h"
#include "ChannelRows.h"
#include "ChannelTable.h"
#include "ImageMap.h"
#include "RecordTemplates.h"
#include "SampleData.h"

#include <QTest>

namespace {

using T = ChannelTable;
using Bytes = std::array<std::uint8_t, 32>;

Bytes recordAt(const MemoryImage& image, int channel) {
    Bytes bytes;
    std::ranges::copy(image.at<32>(ImageMap::channelAddress(channel)), bytes.begin());
    return bytes;
}

bool inUse(const MemoryImage& image, int channel) {
    return !isEmptyRecord(image.at<32>(ImageMap::channelAddress(channel)));
}

QStringList rowTexts(const ChannelTable& table, int row) {
    QStringList texts;
    for (int c = T::Rx; c < T::kColumns; ++c)
        texts << table.text(row, c);
    return texts;
}

} // namespace

class ChannelRowsTests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void insertMovesTheChannelsBelowDown();
    void insertRefusesToPushAChannelPast800();
    void deleteRowMovesTheChannelsBelowUp();
    void moveTakesTheNeighbourToTheOtherEnd();
    void clearNeverEmptiesChannelOne();
    void copiedRowsPasteElsewhereAsTheSameChannels();
    void spreadsheetRowsWithoutHeader();
    void pastedRowsGoThroughTheImportRules();
    void recordsKeepEveryFieldOrGiveWayToText();

private:
    BandState bands;
    MemoryImage image;
};

void ChannelRowsTests::init() {
    bands = BandState();
    image = fullChannelImage(bands);
    image.fill(ImageMap::channelAddress(800), 32, 0xFF); // channel 800 empty
    image.setWord(ImageMap::kLeftPriorityChannel, 12);
}

void ChannelRowsTests::insertMovesTheChannelsBelowDown() {
    const MemoryImage before = image;
    QVERIFY(ChannelRows::insertEmpty(image, 10, 1).ok);
    for (int n = 1; n <= 9; ++n)
        QCOMPARE(recordAt(image, n), recordAt(before, n));
    QVERIFY(!inUse(image, 10));
    for (int n = 10; n <= 799; ++n)
        QCOMPARE(recordAt(image, n + 1), recordAt(before, n));
    QCOMPARE(image.word(ImageMap::kLeftPriorityChannel), 13); // follows its channel
}

void ChannelRowsTests::insertRefusesToPushAChannelPast800() {
    QVERIFY(ChannelRows::insertEmpty(image, 10, 1).ok); // 800 was empty; now 799 moved there
    const MemoryImage before = image;
    const Result refused = ChannelRows::insertEmpty(image, 10, 1);
    QVERIFY(!refused.ok);
    QVERIFY2(refused.message.contains("Channel 800 is in use"), qPrintable(refused.message));
    QVERIFY(image == before);
    // Two rows at once need the last two empty.
    image.fill(ImageMap::channelAddress(800), 32, 0xFF);
    QVERIFY(!ChannelRows::insertEmpty(image, 10, 2).ok);
    QVERIFY(ChannelRows::insertEmpty(image, 10, 1).ok);
}

void ChannelRowsTests::deleteRowMovesTheChannelsBelowUp() {
    const MemoryImage before = image;
    ChannelRows::remove(image, 10, 1);
    for (int n = 10; n <= 799; ++n)
        QCOMPARE(recordAt(image, n), recordAt(before, n + 1));
    QVERIFY(!inUse(image, 800));
    QCOMPARE(image.word(ImageMap::kLeftPriorityChannel), 11); // follows its channel up
    ChannelRows::remove(image, 20, 1);                        // below it: stays
    QCOMPARE(image.word(ImageMap::kLeftPriorityChannel), 11);
    ChannelRows::remove(image, 11, 1); // the priority channel goes
    QCOMPARE(image.word(ImageMap::kLeftPriorityChannel), 0);
}

void ChannelRowsTests::moveTakesTheNeighbourToTheOtherEnd() {
    const MemoryImage before = image;
    QVERIFY(ChannelRows::move(image, 5, 7, -1));
    QCOMPARE(recordAt(image, 4), recordAt(before, 5));
    QCOMPARE(recordAt(image, 6), recordAt(before, 7));
    QCOMPARE(recordAt(image, 7), recordAt(before, 4));
    QVERIFY(ChannelRows::move(image, 4, 6, +1));
    QVERIFY(image == before);
    QVERIFY(ChannelRows::move(image, 12, 12, +1));
    QCOMPARE(image.word(ImageMap::kLeftPriorityChannel), 13);
    QVERIFY(!ChannelRows::move(image, 1, 3, -1)); // nothing above channel 1
    QVERIFY(!ChannelRows::move(image, 790, 800, +1));
}

void ChannelRowsTests::clearNeverEmptiesChannelOne() {
    QCOMPARE(ChannelRows::clear(image, {1, 2, 3, 800}), 2); // 1 kept, 800 already empty
    QVERIFY(inUse(image, 1));
    QVERIFY(!inUse(image, 2) && !inUse(image, 3));
    QVERIFY(inUse(image, 4));
}

void ChannelRowsTests::copiedRowsPasteElsewhereAsTheSameChannels() {
    ChannelTable table(image, bands);
    table.fill();
    const ChannelClipboard::Copied copied = ChannelClipboard::copy(table, image, {5, 6, 7});
    const QStringList lines = copied.text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines[0], T::headers().join(u'\t'));
    QVERIFY(lines[1].startsWith(QStringLiteral("5\t") + table.text(5, T::Rx) + u'\t'));
    QVERIFY(copied.csv.startsWith("CH,Rx Freq,"));
    QCOMPARE(copied.records.size(), 3 * 32);

    for (const QString& text : {copied.text, QString::fromUtf8(copied.csv)}) {
        MemoryImage target = image;
        BandState targetBands = bands;
        const ImportResult result = ChannelClipboard::pasteText(target, targetBands, text, 20);
        QVERIFY2(result.ok, qPrintable(result.message));
        QCOMPARE(result.imported, 3);
        QVERIFY(result.warnings.isEmpty());
        ChannelTable pasted(target, targetBands);
        pasted.fill();
        for (int i = 0; i < 3; ++i)
            QCOMPARE(rowTexts(pasted, 20 + i), rowTexts(table, 5 + i));
        QCOMPARE(rowTexts(pasted, 23), rowTexts(table, 23)); // nothing beyond
    }
}

void ChannelRowsTests::spreadsheetRowsWithoutHeader() {
    // Cells from Rx on, as a spreadsheet copies them.
    const QString fromRx =
        "146.52000\t146.52000\tCtcss Codec\t88.5\t023\tPositive\tLow\tSkip\tNarrow"
        "\tOff\tSIMPLX\n"
        "145.50000\t145.50000\tOff\t100.0\t023\tPositive\tHigh\tAllow\tWide\tOff"
        "\tCALL\n";
    const ImportResult result = ChannelClipboard::pasteText(image, bands, fromRx, 30);
    QVERIFY2(result.ok, qPrintable(result.message));
    QCOMPARE(result.imported, 2);
    ChannelTable table(image, bands);
    table.fill();
    QCOMPARE(rowTexts(table, 30),
             (QStringList{"146.52000", "146.52000", "Ctcss Codec", "88.5", "023", "Positive", "Low",
                          "Skip", "Narrow", "Off", "SIMPLX"}));
    QCOMPARE(table.text(31, T::Name), QStringLiteral("CALL"));

    // With the channel numbers in front, which the paste does not follow; one column alone.
    QVERIFY(ChannelClipboard::pasteText(image, bands, "7\t147.00000\n8\t147.50000\n", 40).ok);
    table.fill();
    QCOMPARE(table.text(40, T::Rx), QStringLiteral("147.00000"));
    QCOMPARE(table.text(41, T::Rx), QStringLiteral("147.50000"));
    QCOMPARE(table.text(40, T::Name), QStringLiteral("CH40")); // the rest stays
    QVERIFY(ChannelClipboard::pasteText(image, bands, "144.80000", 50).ok);
    table.fill();
    QCOMPARE(table.text(50, T::Rx), QStringLiteral("144.80000"));
}

void ChannelRowsTests::pastedRowsGoThroughTheImportRules() {
    const QString text = "CH\tRx Freq\tName\n"
                         "1\t145.00000\tGOOD\n"
                         "2\tabc\tBAD\n"
                         "3\t4315\tFAR\n"
                         "4\t146.00000\n"; // short row
    const ImportResult result = ChannelClipboard::pasteText(image, bands, text, 799);
    QVERIFY2(result.ok, qPrintable(result.message));
    QCOMPARE(result.imported, 1);
    QCOMPARE(result.warnings.size(), 3);
    QVERIFY(result.warnings[0].startsWith("line 3: \"abc\" is not a number"));
    QVERIFY(result.warnings[1].startsWith("line 4:"));
    QVERIFY(result.warnings[2].startsWith("line 5: 2 of 3 columns; skipped"));
    ChannelTable table(image, bands);
    table.fill();
    QCOMPARE(table.text(799, T::Name), QStringLiteral("GOOD"));
    QVERIFY(table.rowEmpty(800)); // the bad row changed nothing

    // Past channel 800 nothing lands; an interchange list lands at the paste too.
    const ImportResult past =
        ChannelClipboard::pasteText(image, bands, "145.00000\n145.10000\n", 800);
    QCOMPARE(past.imported, 1);
    QVERIFY(past.warnings[0].contains("channel 801 is outside 1-800"));
    const ImportResult interchange = ChannelClipboard::pasteText(
        image, bands, "Location,Name,Frequency,Duplex,Offset\n3,RPT,145.60000,-,0.600000\n", 60);
    QCOMPARE(interchange.imported, 1);
    table.fill();
    QCOMPARE(table.text(60, T::Tx), QStringLiteral("145.00000"));
    QVERIFY(!ChannelClipboard::pasteText(image, bands, "", 1).ok);

    // A tab-separated file imports like a CSV one.
    QCOMPARE(importChannels(image, bands, "CH\tRx Freq\n70\t146.00000\n").imported, 1);
}

void ChannelRowsTests::recordsKeepEveryFieldOrGiveWayToText() {
    const Record five = image.at<32>(ImageMap::channelAddress(5));
    ChannelRecord::setCode(five, ChannelField::Am, 1); // no column shows it
    ChannelTable table(image, bands);
    table.fill();
    const ChannelClipboard::Copied copied = ChannelClipboard::copy(table, image, {5, 6});
    QCOMPARE(ChannelClipboard::pasteRecords(image, bands, copied.records, 799), 2);
    QCOMPARE(recordAt(image, 799), recordAt(image, 5));
    QCOMPARE(recordAt(image, 800), recordAt(image, 6));
    QCOMPARE(ChannelClipboard::pasteRecords(image, bands, copied.records, 800), 1); // 801: none

    // Data whose bands lack the channels takes the text, and its rules, instead.
    BandState narrow = bands;
    narrow.nine = {};
    const MemoryImage before = image;
    QVERIFY(!ChannelClipboard::pasteRecords(image, narrow, copied.records, 30));
    QVERIFY(!ChannelClipboard::pasteRecords(image, bands, copied.records.left(40), 30));
    QVERIFY(image == before);
}

QTEST_GUILESS_MAIN(ChannelRowsTests)
#include "tst_channel_rows.moc"

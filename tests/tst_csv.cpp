#include "BandState.h"
#include "ChannelCsv.h"
#include "ChannelRecord.h"
#include "ChannelTable.h"
#include "CliRunner.h"
#include "DataFile.h"
#include "FactoryDefault.h"
#include "ImageMap.h"
#include "MemoryImage.h"
#include "Plausibility.h"
#include "TestFiles.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <set>

namespace {

// A data file with a varied set of channels, stored through the table as the program would.
MemoryImage sample() {
    MemoryImage image = buildFactoryDefault();
    BandState bands = BandState::fromImage(image);
    ChannelTable table(image, bands);
    table.fill();
    using T = ChannelTable;
    struct Row {
        int ch;
        const char *rx, *tx, *decode, *ctcss, *dcs, *polarity, *power, *scan, *bw, *sig, *name;
    } rows[] = {
        {1, "145.5", "145.5", "Off", "100.0", "023", "Positive", "High", "Allow", "Wide", "Off",
         "CALL"},
        {2, "145.6", "145", "Ctcss Encode", "88.5", "023", "Positive", "Low", "Skip", "Narrow",
         "Off", "RPT-1"},
        {3, "438.5", "431.1", "Ctcss Codec", "123.0", "023", "Positive", "Middle 1", "Priority",
         "Wide", "2 Tone", "UHF"},
        {17, "446.00625", "446.00625", "Dcs Codec", "100.0", "754", "Invert", "Middle 2", "Allow",
         "Middle", "DTMF", "PMR #1"},
        {800, "174", "146", "Dcs Codec", "67.0", "023", "Decode Invert", "High", "Allow", "Wide",
         "5 Tone", ""},
    };
    for (const Row& r : rows) {
        const char* cells[] = {r.rx,    r.tx,   r.decode, r.ctcss, r.dcs, r.polarity,
                               r.power, r.scan, r.bw,     r.sig,   r.name};
        for (int c = T::Rx; c < T::kColumns; ++c)
            table.commit(r.ch, c, QString::fromLatin1(cells[c - 1]));
    }
    table.store();
    return image;
}

ImportResult importInto(MemoryImage& image, const QByteArray& csv) {
    BandState bands = BandState::fromImage(image);
    return importChannels(image, bands, csv);
}

} // namespace

class CsvTests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void nativeRoundTrip();
    void interchangeRoundTrip();
    void interchangeMapping();
    void badInputIsSkippedByLine();
    void unusableFilesChangeNothing_data();
    void unusableFilesChangeNothing();
    void cliRoundTrip();
    void garbageRowsNeverHalfApply();
    void aFullListLooksLikeTheRadios();
    void shortRowsAreMalformed();
    void blankListCellsChooseNothing();
    void numbersBeyondTheirFieldsAreRefused();
    void duplexOffGivesTxEqualRx();
    void importIsAFixedPointOfItsOwnExport_data();
    void importIsAFixedPointOfItsOwnExport();
    void oversizedInputIsRefusedEarly();
    void everyLineEndingWorks();
    void namesSettleInOnePass();
    void longCellsAreCutInWarnings();
};

void CsvTests::nativeRoundTrip() {
    const MemoryImage source = sample();
    const QByteArray csv = exportChannels(source, BandState::fromImage(source), CsvDialect::Native);
    QCOMPARE(csv.count('\n'), 6); // header and five channels
    QVERIFY(csv.contains(
        "17,446.00625,446.00625,Dcs Codec,100.0,754,Invert,Middle 2,Allow,Middle,DTMF,PMR #1"));
    MemoryImage target = buildFactoryDefault();
    const ImportResult result = importInto(target, csv);
    QVERIFY(result.ok);
    QVERIFY2(result.warnings.isEmpty(), qPrintable(result.warnings.join('\n')));
    QCOMPARE(result.imported, 5);
    QVERIFY(target == source);
}

void CsvTests::interchangeRoundTrip() {
    const MemoryImage source = sample();
    const QByteArray csv =
        exportChannels(source, BandState::fromImage(source), CsvDialect::Interchange);
    // The 21 columns other programs write, so that their readers take the list unchanged.
    QVERIFY(csv.startsWith("Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,"
                           "DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,"
                           "Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n"));
    QVERIFY(csv.contains("2,RPT-1,145.600000,-,0.600000,Tone,88.5,88.5,023,NN,023,Tone->Tone,NFM,"
                         "12.50,S,Low,,,,,\r\n"));
    QVERIFY(csv.contains("3,UHF,438.500000,-,7.400000,TSQL,123.0,123.0,023,NN,023,Tone->Tone,FM,"
                         "12.50,P,Middle 1,,,,,\r\n"));
    MemoryImage target = buildFactoryDefault();
    const ImportResult result = importInto(target, csv);
    QVERIFY(result.ok);
    QVERIFY2(result.warnings.isEmpty(), qPrintable(result.warnings.join('\n')));
    // Everything the table shows comes back; the records match but for fields the interchange
    // columns do not carry (option signaling).
    const auto a = exportChannels(source, BandState::fromImage(source), CsvDialect::Interchange);
    const auto b = exportChannels(target, BandState::fromImage(target), CsvDialect::Interchange);
    QCOMPARE(b, a);
}

void CsvTests::interchangeMapping() {
    MemoryImage image = buildFactoryDefault();
    const QByteArray csv =
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
        "Mode,TStep,Skip,Power,Comment,Unknown\n"
        "4,rep,146.940000,-,0.600000,Tone,100.0,88.5,023,NN,FM,5.00,,High,a comment,x\n"
        "5,tsql,146.520000,,0.000000,TSQL,67.0,107.2,023,NN,NFM,6.25,S,Low,,\n"
        "6,dcs,440.000000,+,5.000000,DTCS,88.5,88.5,411,RN,FM,12.50,P,5W,,\n"
        "7,split,145.000000,split,435.000000,,88.5,88.5,023,NN,FM,12.50,,High,,\n"
        "8,air,120.000000,,0.000000,,88.5,88.5,023,NN,AM,8.33,,High,,\n";
    const ImportResult result = importInto(image, csv);
    QVERIFY(result.ok);
    // 120 MHz lies in no band of the factory radio (no 108M band): that row is skipped.
    QCOMPARE(result.warnings.size(), 1);
    QVERIFY(result.warnings[0].startsWith("line 6:"));
    auto record = [&](int n) { return ConstRecord(image.at<32>(ImageMap::channelAddress(n))); };
    QCOMPARE(ChannelRecord::txFrequency(record(4)), 14634000u);
    QCOMPARE(ChannelRecord::ctcssText(record(4)), QStringLiteral("100.0"));
    QCOMPARE(ChannelRecord::code(record(4), ChannelField::DecodeType), 1);
    QCOMPARE(ChannelRecord::code(record(4), ChannelField::FrequencyStep), 1); // 5.0 kHz
    QCOMPARE(ChannelRecord::name(record(4)), QStringLiteral("REP"));
    QCOMPARE(ChannelRecord::ctcssText(record(5)), QStringLiteral("107.2")); // TSQL: cToneFreq
    QCOMPARE(ChannelRecord::code(record(5), ChannelField::Bandwidth), 2);
    QCOMPARE(ChannelRecord::code(record(5), ChannelField::Scan), 1);
    QCOMPARE(ChannelRecord::dcsText(record(6)), QStringLiteral("411"));
    QCOMPARE(ChannelRecord::code(record(6), ChannelField::DcsPolarity), 2); // Encode Invert
    QCOMPARE(ChannelRecord::code(record(6), ChannelField::TxPower), 3);     // unknown: High
    QCOMPARE(ChannelRecord::code(record(6), ChannelField::Scan), 2);
    QCOMPARE(ChannelRecord::txFrequency(record(6)), 44500000u);
    QCOMPARE(ChannelRecord::txFrequency(record(7)), 43500000u);
    QVERIFY(isEmptyRecord(record(8)));
}

void CsvTests::badInputIsSkippedByLine() {
    MemoryImage image = buildFactoryDefault();
    QByteArray csv = "CH,Rx Freq,Tx Freq,Decode Type,CTCSS,DCS,DCS Polarity,Power,Scan,"
                     "Bandwidth,Signaling,Name\n"
                     "2,145.5,145.5,Off,100.0,023,Positive,High,Allow,Wide,Off,OK\n"
                     "3,14x5.5,145.5,Off,100.0,023,Positive,High,Allow,Wide,Off,BADNUM\n"
                     "4,300,300,Off,100.0,023,Positive,High,Allow,Wide,Off,NOBAND\n"
                     "5,145.5,145.5,Sometimes,100.0,023,Positive,High,Allow,Wide,Off,BADLIST\n"
                     "abc,145.5,145.5,Off,100.0,023,Positive,High,Allow,Wide,Off,BADCH\n"
                     "\"6\",\"146,0\",146,Off,100.0,023,Positive,High,Allow,Wide,Off,QUOTED\n";
    for (int ch = 801; ch <= 900; ++ch)
        csv +=
            QByteArray::number(ch) + ",145.5,145.5,Off,100.0,023,Positive,High,Allow,Wide,Off,\n";
    const ImportResult result = importInto(image, csv);
    QVERIFY(result.ok);
    QCOMPARE(result.imported, 1);
    QCOMPARE(result.warnings.size(), 105);
    QVERIFY(result.warnings[0].startsWith("line 3:"));
    QVERIFY(result.warnings[1].startsWith("line 4:"));
    QVERIFY(result.warnings[1].contains("no band"));
    QVERIFY(result.warnings[4].startsWith("line 7:"));
    QVERIFY(result.warnings[5].contains("outside 1-800"));
    auto record = [&](int n) { return ConstRecord(image.at<32>(ImageMap::channelAddress(n))); };
    QCOMPARE(ChannelRecord::name(record(2)), QStringLiteral("OK"));
    for (int n = 3; n <= 6; ++n)
        QVERIFY(isEmptyRecord(record(n))); // nothing of a skipped row is applied
}

void CsvTests::unusableFilesChangeNothing_data() {
    QTest::addColumn<QByteArray>("csv");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("blank lines") << QByteArray("\n\n\r\n");
    QTest::newRow("wrong columns") << QByteArray("Channel,Freq\n1,145.5\n");
    QTest::newRow("binary") << QByteArray("\x00\x01\x02\xFF", 4);
}

void CsvTests::unusableFilesChangeNothing() {
    QFETCH(QByteArray, csv);
    MemoryImage image = sample();
    const MemoryImage before = image;
    BandState bands = BandState::fromImage(image);
    const ImportResult result = importChannels(image, bands, csv);
    QVERIFY(!result.ok);
    QVERIFY(!result.message.isEmpty());
    QVERIFY(image == before);
}

void CsvTests::cliRoundTrip() {
    QTemporaryDir dir;
    const QString x = dir.filePath("x.dat");
    QVERIFY(saveDataFile(x, sample()).ok);
    const CliRun exported = runCli({"export", x});
    QCOMPARE(exported.exitCode, 0);
    QFile csv(dir.filePath("x.csv"));
    QVERIFY(csv.open(QIODevice::WriteOnly));
    csv.write(exported.out.toUtf8());
    csv.close();
    const QString y = dir.filePath("y.dat");
    const CliRun imported = runCli({"import", x, csv.fileName(), "-o", y});
    QVERIFY2(imported.exitCode == 0, qPrintable(imported.err));
    QFile a(x), b(y);
    QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    QCOMPARE(b.readAll(), a.readAll());

    QCOMPARE(runCli({"export", x, "--format", "other"}).exitCode, 2);
    const CliRun interchange =
        runCli({"export", x, "--format", "interchange", "-o", dir.filePath("i.csv")});
    QCOMPARE(interchange.exitCode, 0);
    QVERIFY(QFileInfo(dir.filePath("i.csv")).size() > 100);
    const CliRun bad = runCli({"import", x, x, "-o", dir.filePath("z.dat")});
    QCOMPARE(bad.exitCode, 1);
    QVERIFY(!QFile::exists(dir.filePath("z.dat")));
}

void CsvTests::garbageRowsNeverHalfApply() {
    // Rows of random fields under a real header: every row is either applied whole or skipped
    // with a warning, and the result is a stored table (a second store changes nothing).
    QRandomGenerator rng(7);
    const char* pieces[] = {
        "",     "145.5", "440",          "abc", "-3",   "1e5", "\"q,uo\"\"te\"", "Off",
        "High", "Skip",  "999999999999", "0",   "88.5", "754", "Narrow",         "ÄÖ"};
    QByteArray csv = "CH,Rx Freq,Tx Freq,Decode Type,CTCSS,DCS,DCS Polarity,Power,Scan,Bandwidth,"
                     "Signaling,Name\n";
    std::vector<int> channelOfLine(302, 0); // by line number; the header is line 1
    for (int line = 2; line < 302; ++line) {
        channelOfLine[std::size_t(line)] = int(rng.bounded(820));
        QByteArray row = QByteArray::number(channelOfLine[std::size_t(line)]);
        for (int c = 1; c < 12; ++c)
            row += ',' + QByteArray(pieces[rng.bounded(16)]);
        csv += row + '\n';
    }
    const MemoryImage before = buildFactoryDefault();
    MemoryImage image = before;
    BandState bands = BandState::fromImage(image);
    const ImportResult result = importChannels(image, bands, csv);
    QVERIFY(result.ok);
    QCOMPARE(result.imported + result.warnings.size(), 300);
    // A channel that only skipped rows name is as it was.
    std::set<int> skippedLines;
    const QRegularExpression lineNumber(QStringLiteral("^line (\\d+): "));
    for (const QString& w : result.warnings)
        skippedLines.insert(lineNumber.match(w).captured(1).toInt());
    std::set<int> applied;
    for (int line = 2; line < 302; ++line)
        if (!skippedLines.count(line))
            applied.insert(channelOfLine[std::size_t(line)]);
    int untouched = 0;
    for (int c = 1; c <= ChannelTable::kRows; ++c) {
        if (applied.count(c))
            continue;
        ++untouched;
        const auto a = before.at<32>(ImageMap::channelAddress(c));
        const auto b = image.at<32>(ImageMap::channelAddress(c));
        QVERIFY2(std::ranges::equal(a, b), qPrintable(QStringLiteral("channel %1").arg(c)));
    }
    QVERIFY(untouched > 400 && !skippedLines.empty());
    MemoryImage again = image;
    BandState againBands = BandState::fromImage(again);
    ChannelTable table(again, againBands);
    table.fill();
    table.store();
    QVERIFY(again == image);
}

// 800 imported channels across the radio's bands pass the check Open and Write make.
void CsvTests::aFullListLooksLikeTheRadios() {
    QByteArray csv = "CH,Rx Freq,Tx Freq,Decode Type,CTCSS,DCS,DCS Polarity,Power,Scan,Bandwidth,"
                     "Signaling,Name\n";
    for (int n = 1; n <= 800; ++n) {
        const QByteArray rx = n % 2 ? QByteArray::number(136 + n % 38) + ".125"
                                    : QByteArray::number(400 + n % 110) + ".5";
        csv += QByteArray::number(n) + ',' + rx + ',' + rx +
               ",Ctcss Codec,88.5,023,Positive,High,Allow,Wide,Off,CH" + QByteArray::number(n) +
               '\n';
    }
    MemoryImage image = buildFactoryDefault();
    const ImportResult result = importInto(image, csv);
    QVERIFY(result.ok);
    QCOMPARE(result.imported, 800);
    QCOMPARE(implausibility(image), QString());
}

namespace {
const QByteArray kNativeHeader = "CH,Rx Freq,Tx Freq,Decode Type,CTCSS,DCS,DCS Polarity,Power,"
                                 "Scan,Bandwidth,Signaling,Name\n";
const QByteArray kInterchangeHeader = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,"
                                      "cToneFreq,DtcsCode,DtcsPolarity,Mode,TStep,Skip,Power,"
                                      "Comment\n";
QByteArray recordBytes(const MemoryImage& image, int channel) {
    const auto r = image.at<32>(ImageMap::channelAddress(channel));
    return QByteArray(reinterpret_cast<const char*>(r.data()), 32);
}
} // namespace

// A row shorter than the header changes nothing of its channel; a full row with an empty Rx
// still clears its channel, and says so.
void CsvTests::shortRowsAreMalformed() {
    MemoryImage image = sample(); // channels 1, 2, 3, 17, 800
    const MemoryImage before = image;
    const ImportResult result =
        importInto(image, kNativeHeader + "2\n3,\n17,146.50000\n"
                                          "800,,,Off,100.0,023,Positive,High,Allow,Wide,Off,\n");
    QVERIFY(result.ok);
    QCOMPARE(result.warnings,
             (QStringList{"line 2: 1 of 12 columns; skipped", "line 3: 2 of 12 columns; skipped",
                          "line 4: 2 of 12 columns; skipped"}));
    QCOMPARE(result.notes, QStringList{"line 5: channel 800 cleared"});
    for (int ch : {2, 3, 17})
        QCOMPARE(recordBytes(image, ch), recordBytes(before, ch));
    QVERIFY(isEmptyRecord(image.at<32>(ImageMap::channelAddress(800))));
}

// A blank list cell leaves its field as it is, in both dialects; a new channel starts from the
// template.
void CsvTests::blankListCellsChooseNothing() {
    MemoryImage image = sample(); // channel 3: Middle 1, Priority; channel 17: Middle 2
    QVERIFY(importInto(image, kNativeHeader +
                                  "3,438.5,431.1,Ctcss Codec,123.0,023,Positive,,,Wide,2 Tone,UHF\n"
                                  "9,145.5,145.5,,100.0,023,,,,,,NEW\n")
                .ok);
    auto record = [&](int n) { return ConstRecord(image.at<32>(ImageMap::channelAddress(n))); };
    QCOMPARE(ChannelRecord::code(record(3), ChannelField::TxPower), 2); // Middle 1 stays
    QCOMPARE(ChannelRecord::code(record(3), ChannelField::Scan), 2);    // Priority stays
    QCOMPARE(ChannelRecord::code(record(9), ChannelField::TxPower), 3); // the template's High
    QVERIFY(importInto(image, kInterchangeHeader +
                                  "17,PMR #1,446.006250,,0.000000,DTCS,100.0,100.0,754,RR,FM,6.25,,"
                                  ",\n")
                .ok);
    QCOMPARE(ChannelRecord::code(record(17), ChannelField::TxPower), 1); // Middle 2 stays
}

void CsvTests::numbersBeyondTheirFieldsAreRefused() {
    MemoryImage image = sample();
    const MemoryImage before = image;
    const ImportResult result =
        importInto(image, kInterchangeHeader + "2,A,145.600000,+,99999999,,,,,,FM,,,,\n"
                                               "2,B,145.600000,-,146,,,,,,FM,,,,\n"
                                               "3,C,438.5,,0,TONE,1265.2,1265.2,023,NN,FM,,,,\n");
    QVERIFY(result.ok);
    QCOMPARE(result.imported, 0);
    QCOMPARE(result.warnings.size(), 3);
    QVERIFY(result.warnings[0].contains("offset"));
    QVERIFY(result.warnings[1].contains("Tx"));
    QVERIFY(result.warnings[2].contains("CTCSS"));
    QVERIFY(image == before);
    const ImportResult dcs = importInto(
        image, kNativeHeader + "2,145.6,145,Dcs Codec,88.5,12110,Positive,Low,Skip,Narrow,Off,X\n");
    QVERIFY(dcs.warnings.value(0).contains("DCS"));
    QVERIFY(image == before);
}

// The record keeps no transmit inhibit through a store: "off" becomes Tx = Rx for an existing
// and a new channel alike, with a note naming the line.
void CsvTests::duplexOffGivesTxEqualRx() {
    MemoryImage image = sample(); // channel 2: 145.6 / 145.0
    const ImportResult result =
        importInto(image, kInterchangeHeader + "2,RPT,145.600000,off,0.000000,,,,,,FM,,,,\n"
                                               "20,NEW,145.700000,off,0.000000,,,,,,FM,,,,\n");
    QCOMPARE(result.imported, 2);
    QCOMPARE(result.notes.size(), 2);
    QVERIFY(result.notes[0].startsWith("line 2: "));
    for (int ch : {2, 20}) {
        const ConstRecord r = image.at<32>(ImageMap::channelAddress(ch));
        QCOMPARE(ChannelRecord::txFrequency(r), ChannelRecord::rxFrequency(r));
    }
}

void CsvTests::importIsAFixedPointOfItsOwnExport_data() {
    QTest::addColumn<int>("dialect");
    QTest::newRow("native") << int(CsvDialect::Native);
    QTest::newRow("interchange") << int(CsvDialect::Interchange);
}

// Exported and imported onto the same data, nothing changes: what a dialect cannot say
// (signaling, busy lock, Middle bandwidth under FM) stays as it was.
void CsvTests::importIsAFixedPointOfItsOwnExport() {
    QFETCH(int, dialect);
    MemoryImage image = sample();
    ChannelRecord::setCode(image.at<32>(ImageMap::channelAddress(2)), ChannelField::BusyLock, 2);
    const MemoryImage before = image;
    const QByteArray csv = exportChannels(image, BandState::fromImage(image), CsvDialect(dialect));
    const ImportResult result = importInto(image, csv);
    QVERIFY(result.ok);
    QVERIFY2(result.warnings.isEmpty(), qPrintable(result.warnings.join('\n')));
    for (int ch : {1, 2, 3, 17, 800})
        QCOMPARE(recordBytes(image, ch), recordBytes(before, ch));
    QVERIFY(image == before);
}

// A stream that never ends, or never ends a line, is refused after a bounded read.
void CsvTests::oversizedInputIsRefusedEarly() {
    QFile zero("/dev/zero");
    QVERIFY(zero.open(QIODevice::ReadOnly));
    QByteArray csv;
    const Result endless = readChannelList(zero, "/dev/zero", csv);
    QVERIFY(!endless.ok);
    QVERIFY2(endless.message.contains("line 1 is longer than 64 KiB"), qPrintable(endless.message));
    QVERIFY(csv.size() <= kMaxChannelListLine + 64 * 1024);

    QTemporaryDir dir;
    // A 2 MB cell is one line far beyond a channel list's: refused with a short message.
    const QString cell = dir.filePath("cell.csv");
    writeFile(cell, kNativeHeader + "2,145.5,145.5," + QByteArray(2'000'000, 'Z') + '\n');
    QFile cellFile(cell);
    QVERIFY(cellFile.open(QIODevice::ReadOnly));
    const Result longLine = readChannelList(cellFile, cell, csv);
    QVERIFY(!longLine.ok);
    QVERIFY(longLine.message.contains("line 2 is longer than 64 KiB"));
    QVERIFY(longLine.message.size() < 200);

    const QString big = dir.filePath("big.csv");
    {
        QFile f(big);
        QVERIFY(f.open(QIODevice::WriteOnly));
        const QByteArray line = QByteArray(100, 'x') + '\n';
        for (int i = 0; i < 17 * 1024 * 1024 / 101 + 10; ++i)
            f.write(line);
    }
    QFile bigFile(big);
    QVERIFY(bigFile.open(QIODevice::ReadOnly));
    const Result tooBig = readChannelList(bigFile, big, csv);
    QVERIFY(!tooBig.ok);
    QVERIFY(tooBig.message.contains("larger than 16 MiB"));

    const CliRun cli = runCli({"import", dir.filePath("none.dat"), "/dev/zero", "-o", "o.dat"});
    QCOMPARE(cli.exitCode, 1); // the data file is missing: refused before any read
    const QString x = dir.filePath("x.dat");
    QVERIFY(saveDataFile(x, sample()).ok);
    const CliRun zeros = runCli({"import", x, "/dev/zero", "-o", dir.filePath("o.dat")});
    QCOMPARE(zeros.exitCode, 1);
    QVERIFY2(zeros.err.contains("not a channel list"), qPrintable(zeros.err));
    QVERIFY(!QFile::exists(dir.filePath("o.dat")));
}

void CsvTests::everyLineEndingWorks() {
    const QByteArray rows[] = {"2,145.5,145.5,Off,100.0,023,Positive,High,Allow,Wide,Off,A",
                               "4,146.5,146.5,Off,100.0,023,Positive,Low,Allow,Wide,Off,B"};
    for (const char* end : {"\n", "\r\n", "\r"}) {
        MemoryImage image = buildFactoryDefault();
        const QByteArray csv = kNativeHeader.chopped(1) + end + rows[0] + end + rows[1] + end;
        const ImportResult result = importInto(image, csv);
        QVERIFY(result.ok);
        QCOMPARE(result.imported, 2);
        QCOMPARE(ChannelRecord::name(image.at<32>(ImageMap::channelAddress(4))),
                 QStringLiteral("B"));
    }
    // A header and nothing else is no channel list.
    MemoryImage image = buildFactoryDefault();
    const ImportResult empty = importInto(image, kNativeHeader + "\r\n");
    QVERIFY(!empty.ok);
    QCOMPARE(empty.message, QStringLiteral("The file holds no channel rows."));
}

// Filtered and cut to six characters, spaces kept: "CTCSS CODEC" is stored as "CTCSS " and
// exported quoted, so that it comes back the same.
void CsvTests::namesSettleInOnePass() {
    MemoryImage image = buildFactoryDefault();
    QVERIFY(importInto(image, kNativeHeader + "2,145.5,145.5,Off,100.0,023,Positive,High,Allow,"
                                              "Wide,Off,CTCSS CODEC\n")
                .ok);
    QCOMPARE(ChannelRecord::name(image.at<32>(ImageMap::channelAddress(2))),
             QStringLiteral("CTCSS "));
    const MemoryImage once = image;
    for (CsvDialect dialect : {CsvDialect::Native, CsvDialect::Interchange}) {
        const QByteArray csv = exportChannels(image, BandState::fromImage(image), dialect);
        QVERIFY(csv.contains("\"CTCSS \""));
        QVERIFY(importInto(image, csv).ok);
        QVERIFY(image == once);
    }
    // Spaces around an unquoted cell are the list's layout, not the name's.
    QVERIFY(importInto(image, kNativeHeader + "3,145.5,145.5,Off,100.0,023,Positive,High,Allow,"
                                              "Wide,Off,  AB  \n4,145.5,145.5,Off,100.0,023,"
                                              "Positive,High,Allow,Wide,Off, \" AB\" \n")
                .ok);
    QCOMPARE(ChannelRecord::name(image.at<32>(ImageMap::channelAddress(3))), QStringLiteral("AB"));
    QCOMPARE(ChannelRecord::name(image.at<32>(ImageMap::channelAddress(4))), QStringLiteral(" AB"));
}

void CsvTests::longCellsAreCutInWarnings() {
    MemoryImage image = buildFactoryDefault();
    const QByteArray cell(10000, 'Z');
    const ImportResult result =
        importInto(image, kNativeHeader + "2,145.5,145.5," + cell +
                              ",100.0,023,Positive,High,Allow,Wide,Off,A\n");
    QCOMPARE(result.warnings.size(), 1);
    QVERIFY2(result.warnings[0].size() < 120, qPrintable(result.warnings[0]));
    QVERIFY(result.warnings[0].contains("ZZZZ..."));
}

QTEST_GUILESS_MAIN(CsvTests)
#include "tst_csv.moc"

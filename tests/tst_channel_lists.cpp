// Channel lists as other programs and people write them: watts, lists counted from 0, tone modes
// this radio cannot hold, lines the rules would change, channels named twice, long names; and
// the property that every line is a channel or a warning.
#include "BandState.h"
#include "BandTable.h"
#include "Bcd.h"
#include "ChannelCsv.h"
#include "ChannelTable.h"
#include "CliRunner.h"
#include "DataFile.h"
#include "FactoryDefault.h"
#include "ImageMap.h"
#include "MemoryImage.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray kHeader = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,"
                           "DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,"
                           "Comment\n";

// One line of a list with the usual columns; the tone columns and power as given.
QByteArray line(int location, const char* name, const char* frequency, const char* power = "",
                const char* tones = ",88.5,88.5,023,NN,023,Tone->Tone",
                const char* duplexOffset = ",0.000000") {
    return QStringLiteral("%1,%2,%3,%4,%5,FM,5.00,,%6,\n")
        .arg(location)
        .arg(QLatin1String(name), QLatin1String(frequency), QLatin1String(duplexOffset),
             QLatin1String(tones), QLatin1String(power))
        .toUtf8();
}

struct Imported {
    MemoryImage image = buildFactoryDefault();
    BandState bands = BandState::fromImage(image);
    ImportResult result;
    ChannelTable table() {
        ChannelTable t(image, bands);
        t.fill();
        return t;
    }
    QString cell(int channel, int column) { return table().text(channel, column); }
};

Imported importList(const QByteArray& csv, ImportPlacement placement = {},
                    MemoryImage image = buildFactoryDefault()) {
    Imported done;
    done.image = image;
    done.bands = BandState::fromImage(done.image);
    done.result = importChannels(done.image, done.bands, csv, placement);
    return done;
}

QByteArray recordOf(const MemoryImage& image, int channel) {
    const auto r = image.at<32>(ImageMap::channelAddress(channel));
    return QByteArray(reinterpret_cast<const char*>(r.data()), 32);
}

bool anyContains(const QStringList& lines, const QString& text) {
    return std::ranges::any_of(lines, [&](const QString& l) { return l.contains(text); });
}

} // namespace

class ChannelListTests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void wattsMapByOrder();
    void powerLevelsAreTakenAsText();
    void listsCountingFromZeroMoveUp();
    void fileOrderFromAChannelClosesGaps();
    void toneModesBecomeTheNearestSetting_data();
    void toneModesBecomeTheNearestSetting();
    void aFrequencyIsStoredAsGivenOrSkipped();
    void theLaterLineAloneMakesTheChannel();
    void namesAreTypedNames();
    void duplexAndOffsetsAsListsWriteThem();
    void everyLineIsAChannelOrAWarning();
    void cliPlacesAndSummarizes();
};

void ChannelListTests::wattsMapByOrder() {
    // Three wattages in no order: the lowest Low, the highest High, the middle one between.
    Imported three =
        importList(kHeader + line(1, "A", "146.52", "25W") + line(2, "B", "146.54", "5.0W") +
                   line(3, "C", "146.56", "50 W") + line(4, "D", "146.58", "5.0W"));
    QCOMPARE(three.cell(1, ChannelTable::Power), QStringLiteral("Middle 1"));
    QCOMPARE(three.cell(2, ChannelTable::Power), QStringLiteral("Low"));
    QCOMPARE(three.cell(3, ChannelTable::Power), QStringLiteral("High"));
    QCOMPARE(three.cell(4, ChannelTable::Power), QStringLiteral("Low"));
    QVERIFY(anyContains(three.result.summary, "5 W as Low, 25 W as Middle 1, 50 W as High"));

    Imported two =
        importList(kHeader + line(1, "A", "146.52", "1W") + line(2, "B", "146.54", "8W"));
    QCOMPARE(two.cell(1, ChannelTable::Power), QStringLiteral("Low"));
    QCOMPARE(two.cell(2, ChannelTable::Power), QStringLiteral("High"));

    // More watts never gives a lower level, however many wattages there are.
    QByteArray many = kHeader;
    const char* watts[] = {"0.5W", "1W", "2W", "5W", "10W", "25W", "50W"};
    for (int i = 0; i < 7; ++i)
        many +=
            line(i + 1, "X", QByteArray::number(146.5 + i * 0.02, 'f', 2).constData(), watts[i]);
    Imported seven = importList(many);
    const QStringList levels{"Low", "Middle 2", "Middle 1", "High"};
    int previous = 0;
    for (int ch = 1; ch <= 7; ++ch) {
        const int level = int(levels.indexOf(seven.cell(ch, ChannelTable::Power)));
        QVERIFY2(level >= previous, qPrintable(QString::number(ch)));
        previous = level;
    }
    QCOMPARE(seven.cell(1, ChannelTable::Power), QStringLiteral("Low"));
    QCOMPARE(seven.cell(7, ChannelTable::Power), QStringLiteral("High"));

    // One wattage says nothing about levels: the channels keep theirs, and the summary says so.
    MemoryImage start = buildFactoryDefault();
    {
        BandState bands = BandState::fromImage(start);
        ChannelTable table(start, bands);
        table.fill();
        table.commit(2, ChannelTable::Rx, "146.54");
        table.commit(2, ChannelTable::Power, "Middle 2");
        table.store();
    }
    Imported one = importList(kHeader + line(2, "B", "146.54", "5.0W"), {}, start);
    QCOMPARE(one.cell(2, ChannelTable::Power), QStringLiteral("Middle 2"));
    QVERIFY(anyContains(one.result.summary, "every line gives 5 W"));
}

void ChannelListTests::powerLevelsAreTakenAsText() {
    Imported done =
        importList(kHeader + line(1, "A", "146.52", "low") + line(2, "B", "146.54", "MID") +
                   line(3, "C", "146.56", "High") + line(4, "D", "146.58", "Turbo"));
    QCOMPARE(done.cell(1, ChannelTable::Power), QStringLiteral("Low"));
    QCOMPARE(done.cell(2, ChannelTable::Power), QStringLiteral("Middle 1"));
    QCOMPARE(done.cell(3, ChannelTable::Power), QStringLiteral("High"));
    QCOMPARE(done.cell(4, ChannelTable::Power), QStringLiteral("High")); // a new channel's own
    QVERIFY(anyContains(done.result.notes, "line 5: power \"Turbo\" is no level"));
}

void ChannelListTests::listsCountingFromZeroMoveUp() {
    Imported done = importList(kHeader + line(0, "ZERO", "146.52") + line(1, "ONE", "146.54") +
                               line(5, "FIVE", "146.56"));
    QCOMPARE(done.result.imported, 3);
    QCOMPARE(done.cell(1, ChannelTable::Name), QStringLiteral("ZERO"));
    QCOMPARE(done.cell(2, ChannelTable::Name), QStringLiteral("ONE"));
    QCOMPARE(done.cell(6, ChannelTable::Name), QStringLiteral("FIVE"));
    QVERIFY(done.table().rowEmpty(5));
    QCOMPARE(done.result.summary.filter("counts channels from 0"),
             QStringList{"the list counts channels from 0: placed at 1-6"});

    // A list from 1 stays where it says.
    Imported fromOne = importList(kHeader + line(3, "THREE", "146.52"));
    QCOMPARE(fromOne.cell(3, ChannelTable::Name), QStringLiteral("THREE"));
    QVERIFY(fromOne.result.summary.filter("counts").isEmpty());
}

void ChannelListTests::fileOrderFromAChannelClosesGaps() {
    const QByteArray csv = kHeader + line(40, "A", "146.52") + line(7, "BAD", "12.5") +
                           line(41, "B", "146.54") + line(90, "C", "146.56");
    Imported done = importList(csv, {20});
    QCOMPARE(done.cell(20, ChannelTable::Name), QStringLiteral("A"));
    QCOMPARE(done.cell(21, ChannelTable::Name), QStringLiteral("B")); // the bad line took none
    QCOMPARE(done.cell(22, ChannelTable::Name), QStringLiteral("C"));
    QVERIFY(done.table().rowEmpty(40));
    QCOMPARE(done.result.skipped, 1);

    // Past channel 800 a line has nowhere to go and says so.
    Imported end = importList(csv, {799});
    QCOMPARE(end.result.imported, 2);
    QVERIFY(anyContains(end.result.warnings, "channel 801 is outside 1-800; skipped"));
}

void ChannelListTests::toneModesBecomeTheNearestSetting_data() {
    QTest::addColumn<QString>(
        "tones"); // Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode
    QTest::addColumn<QString>("decode");
    QTest::addColumn<QString>("ctcss");
    QTest::addColumn<QString>("dcs");
    QTest::addColumn<QString>("polarity");
    QTest::addColumn<QString>("note"); // empty: the line says nothing
    QTest::newRow("Tone") << "Tone,100.0,88.5,023,NN,023,Tone->Tone"
                          << "Ctcss Encode"
                          << "100.0"
                          << "023"
                          << "Positive"
                          << "";
    QTest::newRow("TSQL") << "TSQL,88.5,123.0,023,NN,023,Tone->Tone"
                          << "Ctcss Codec"
                          << "123.0"
                          << "023"
                          << "Positive"
                          << "";
    QTest::newRow("DTCS") << "DTCS,88.5,88.5,754,RR,754,Tone->Tone"
                          << "Dcs Codec"
                          << "88.5"
                          << "754"
                          << "Invert"
                          << "";
    QTest::newRow("DTCS pair") << "DTCS,88.5,88.5,023,NR,754,Tone->Tone"
                               << "Dcs Codec"
                               << "88.5"
                               << "023"
                               << "Decode Invert"
                               << "DTCS 023/754 became \"Dcs Codec\"";
    QTest::newRow("->Tone") << "Cross,88.5,123.0,023,NN,023,->Tone"
                            << "Off"
                            << "88.5"
                            << "023"
                            << "Positive"
                            << "Cross ->Tone became \"Off\" (receives open)";
    QTest::newRow("Tone->") << "Cross,131.8,88.5,023,NN,023,Tone->"
                            << "Ctcss Encode"
                            << "131.8"
                            << "023"
                            << "Positive"
                            << "Cross Tone-> became \"Ctcss Encode\"";
    QTest::newRow("Tone->Tone same") << "Cross,100.0,100.0,023,NN,023,Tone->Tone"
                                     << "Ctcss Codec"
                                     << "100.0"
                                     << "023"
                                     << "Positive"
                                     << "Cross Tone->Tone became \"Ctcss Codec\"";
    QTest::newRow("Tone->Tone two") << "Cross,103.5,110.9,023,NN,023,Tone->Tone"
                                    << "Ctcss Encode"
                                    << "103.5"
                                    << "023"
                                    << "Positive"
                                    << "(sends 103.5 Hz, receives open)";
    QTest::newRow("DTCS->") << "Cross,88.5,88.5,125,RN,023,DTCS->"
                            << "Dcs Codec"
                            << "88.5"
                            << "125"
                            << "Encode Invert"
                            << "(sends DCS 125 and receives on it)";
    QTest::newRow("Tone->DTCS") << "Cross,94.8,88.5,023,NN,411,Tone->DTCS"
                                << "Ctcss Encode"
                                << "94.8"
                                << "023"
                                << "Positive"
                                << "sends 94.8 Hz";
    QTest::newRow("DTCS->Tone") << "Cross,88.5,88.5,125,NN,023,DTCS->Tone"
                                << "Dcs Codec"
                                << "88.5"
                                << "125"
                                << "Positive"
                                << "sends DCS 125";
    QTest::newRow("TSQL-R") << "TSQL-R,88.5,88.5,023,NN,023,Tone->Tone"
                            << "Off"
                            << "88.5"
                            << "023"
                            << "Positive"
                            << "TSQL-R became \"Off\"";
    QTest::newRow("DTCS-R") << "DTCS-R,88.5,88.5,023,NN,023,Tone->Tone"
                            << "Off"
                            << "88.5"
                            << "023"
                            << "Positive"
                            << "DTCS-R became \"Off\"";
}

void ChannelListTests::toneModesBecomeTheNearestSetting() {
    QFETCH(QString, tones);
    QFETCH(QString, decode);
    QFETCH(QString, ctcss);
    QFETCH(QString, dcs);
    QFETCH(QString, polarity);
    QFETCH(QString, note);
    Imported done = importList(kHeader + line(4, "T", "146.52", "", tones.toLatin1().constData()));
    QCOMPARE(done.result.imported, 1);
    QCOMPARE(done.cell(4, ChannelTable::DecodeType), decode);
    QCOMPARE(done.cell(4, ChannelTable::Ctcss), ctcss);
    QCOMPARE(done.cell(4, ChannelTable::Dcs), dcs);
    QCOMPARE(done.cell(4, ChannelTable::DcsPolarity), polarity);
    if (note.isEmpty())
        QVERIFY2(done.result.notes.isEmpty(), qPrintable(done.result.notes.join(u'\n')));
    else
        QVERIFY2(anyContains(done.result.notes, note), qPrintable(done.result.notes.join(u'\n')));
    // A mode no program writes is still skipped and named.
    Imported odd =
        importList(kHeader + line(4, "T", "146.52", "", ",88.5,88.5,023,NN,023,Tone->Morse"));
    QCOMPARE(odd.result.imported, 1); // no cross mode asked for: the column is not read
    Imported bad =
        importList(kHeader + line(4, "T", "146.52", "", "Cross,88.5,88.5,023,NN,023,Tone->Morse"));
    QCOMPARE(bad.result.imported, 0);
    QVERIFY(anyContains(bad.result.warnings, "cross mode \"Tone->Morse\" is not supported"));
}

void ChannelListTests::aFrequencyIsStoredAsGivenOrSkipped() {
    // A radio with the 220 MHz band: a channel there is fine, but never channel 1.
    MemoryImage image = buildFactoryDefault();
    const auto& band = kAbsoluteBands[BandState::kBand220];
    Bcd::write32(image.at<4>(ImageMap::kBandLimitRecords.at(BandState::kBand220)), band.lower);
    Bcd::write32(image.at<4>(ImageMap::kBandLimitRecords.at(BandState::kBand220) + 4), band.upper);
    const QByteArray before1 = recordOf(image, 1);
    Imported done =
        importList(kHeader + line(1, "RPT220", "223.5", "", "Tone,100.0,100.0,023,NN,023,") +
                       line(2, "RPT221", "223.6"),
                   {}, image);
    QCOMPARE(done.result.imported, 1);
    QCOMPARE(done.result.skipped, 1);
    QVERIFY2(anyContains(done.result.warnings, "line 2: Rx Freq 223.50000 MHz cannot be stored in "
                                               "channel 1"),
             qPrintable(done.result.warnings.join(u'\n')));
    QCOMPARE(recordOf(done.image, 1), before1); // not even the line's name or tone
    QCOMPARE(done.cell(2, ChannelTable::Rx), QStringLiteral("223.60000"));
    QCOMPARE(done.result.countText(), QStringLiteral("1 channel imported, 1 line skipped"));
}

void ChannelListTests::theLaterLineAloneMakesTheChannel() {
    const QByteArray later = line(9, "LATER", "146.52", "Low", "TSQL,88.5,88.5,023,NN,023,");
    Imported twice = importList(
        kHeader + line(9, "FIRST", "438.5", "High", "Tone,123.0,123.0,754,RR,754,", "-,7.600000") +
        later);
    Imported alone = importList(kHeader + later);
    QCOMPARE(recordOf(twice.image, 9), recordOf(alone.image, 9));
    QVERIFY(twice.image == alone.image);
    QCOMPARE(twice.result.warnings,
             QStringList{"line 2: channel 9 is given again on line 3; skipped"});
    QCOMPARE(twice.result.countText(), QStringLiteral("1 channel imported, 1 line skipped"));

    // Export and import of the result gives the same image again.
    MemoryImage again = twice.image;
    BandState bands = BandState::fromImage(again);
    const QByteArray csv = exportChannels(twice.image, twice.bands, CsvDialect::Interchange);
    QVERIFY(importChannels(again, bands, csv).ok);
    QVERIFY(again == twice.image);
}

void ChannelListTests::namesAreTypedNames() {
    Imported done =
        importList(kHeader + line(1, "Repeater North", "146.52") + line(2, "ab!c", "146.54") +
                   line(3, "low", "146.56") + line(4, "OK", "146.58"));
    QCOMPARE(done.cell(1, ChannelTable::Name), QStringLiteral("REPEAT"));
    QCOMPARE(done.cell(2, ChannelTable::Name), QStringLiteral("ABC"));
    QCOMPARE(done.cell(3, ChannelTable::Name), QStringLiteral("LOW"));
    QVERIFY(anyContains(done.result.notes, "line 2: name \"Repeater North\" stored as \"REPEAT\""));
    QVERIFY(anyContains(done.result.notes, "line 3: name \"ab!c\" stored as \"ABC\""));
    QVERIFY(!anyContains(done.result.notes, "line 4:"));
    QVERIFY(done.result.summary.contains("1 name shortened to 6 characters"));
    QVERIFY(done.result.summary.contains("1 name changed to the characters a name can hold"));
    QVERIFY(done.result.summary.contains("1 name raised to upper case"));
}

void ChannelListTests::duplexAndOffsetsAsListsWriteThem() {
    Imported done = importList(
        kHeader + line(1, "SPLIT", "146.52", "", ",88.5,88.5,023,NN,023,", "split,446.000000") +
        line(2, "OFF", "146.54", "", ",88.5,88.5,023,NN,023,", "off,0") +
        line(3, "NEG", "146.94", "", ",88.5,88.5,023,NN,023,", "+,-0.6") +
        line(4, "BLANK", "146.96", "", ",,,,,,", ",") +
        line(5, "SPLITN", "146.52", "", ",88.5,88.5,023,NN,023,", "split,-446"));
    QCOMPARE(done.cell(1, ChannelTable::Tx), QStringLiteral("446.00000"));
    QCOMPARE(done.cell(2, ChannelTable::Tx), QStringLiteral("146.54000"));
    QVERIFY(anyContains(done.result.notes, "line 3: Duplex \"off\" cannot be kept; Tx = Rx"));
    QCOMPARE(done.cell(3, ChannelTable::Tx), QStringLiteral("146.34000"));
    QVERIFY(anyContains(done.result.notes, "line 4: negative offset: Tx 146.34000 MHz"));
    QCOMPARE(done.cell(4, ChannelTable::Tx), QStringLiteral("146.96000")); // blank: simplex
    QCOMPARE(done.cell(4, ChannelTable::DecodeType), QStringLiteral("Off"));
    QVERIFY(anyContains(done.result.warnings, "line 6: split Tx \"-446\""));

    // Absent columns: only Location and Frequency.
    Imported bare = importList("Location,Frequency\n7,146.52\n");
    QCOMPARE(bare.result.imported, 1);
    QCOMPARE(bare.cell(7, ChannelTable::Rx), QStringLiteral("146.52000"));
}

// Random lists: every data line is either a channel holding the line's frequency or named in a
// warning, and nothing else changes.
void ChannelListTests::everyLineIsAChannelOrAWarning() {
    QRandomGenerator random(38);
    const char* modes[] = {"", "Tone", "TSQL", "DTCS", "Cross", "TSQL-R", "DTCS-R", "Bogus"};
    const char* cross[] = {"Tone->Tone", "->Tone",     "Tone->",     "DTCS->",
                           "Tone->DTCS", "DTCS->Tone", "DTCS->DTCS", "x"};
    const char* duplex[] = {"", "+", "-", "split", "off", "?"};
    const char* power[] = {"", "5W", "50W", "25.0W", "High", "mid", "Turbo"};
    for (int round = 0; round < 30; ++round) {
        QByteArray csv = kHeader;
        const int count = 1 + int(random.bounded(40));
        for (int i = 0; i < count; ++i) {
            const int location = int(random.bounded(30)) - 1;
            const double mhz = std::array{146.52, 438.5, 12.0, 223.5, 9999.0}[random.bounded(5)] +
                               random.bounded(40) * 0.0125;
            csv += QStringLiteral("%1,N%2,%3,%4,%5,%6,%7,88.5,%8,NN,%9,%10,FM,5.00,,%11,\n")
                       .arg(location)
                       .arg(i)
                       .arg(mhz, 0, 'f', 6)
                       .arg(QLatin1String(duplex[random.bounded(6)]))
                       .arg(random.bounded(2) ? "0.600000" : "5.000000")
                       .arg(QLatin1String(modes[random.bounded(8)]))
                       .arg(random.bounded(2) ? "100.0" : "88.5")
                       .arg(random.bounded(2) ? "023" : "754")
                       .arg(random.bounded(2) ? "023" : "411")
                       .arg(QLatin1String(cross[random.bounded(8)]))
                       .arg(QLatin1String(power[random.bounded(7)]))
                       .toUtf8();
        }
        Imported done = importList(csv);
        QVERIFY(done.result.ok);
        QCOMPARE(int(done.result.lines.size()), count);
        QCOMPARE(done.result.imported + done.result.skipped, count);
        const QList<ListRow> rows = splitChannelList(QString::fromUtf8(csv));
        for (const ImportedLine& l : done.result.lines) {
            if (!l.imported) {
                QVERIFY(l.what.endsWith("; skipped"));
                continue;
            }
            // The line's own frequency, in the channel it landed on.
            const QString given = rows[l.line - 1].fields[2];
            QCOMPARE(done.cell(l.channel, ChannelTable::Rx),
                     QString::number(given.toDouble(), 'f', 5));
        }
        // Export, import: a fixed point.
        MemoryImage again = done.image;
        BandState bands = BandState::fromImage(again);
        QVERIFY(importChannels(again, bands,
                               exportChannels(done.image, done.bands, CsvDialect::Interchange))
                    .ok);
        QVERIFY2(again == done.image, qPrintable(QString::number(round)));
    }
}

void ChannelListTests::cliPlacesAndSummarizes() {
    QTemporaryDir dir;
    const QString data = dir.filePath("a.dat");
    QVERIFY(saveDataFile(data, buildFactoryDefault()).ok);
    QFile list(dir.filePath("list.csv"));
    QVERIFY(list.open(QIODevice::WriteOnly));
    list.write(kHeader + line(0, "ZERO", "146.52", "5W") + line(3, "THREE", "146.54", "50W") +
               line(4, "BAD", "12.0"));
    list.close();
    const QString out = dir.filePath("b.dat");
    const CliRun run = runCli({"import", data, list.fileName(), "--at", "100", "-o", out});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    const QStringList err = run.err.trimmed().split(u'\n');
    QCOMPARE(err.last(), QStringLiteral("2 channels imported, 1 line skipped"));
    QVERIFY(
        run.err.contains("list.csv: line 4: \"12.0\" MHz lies in no band of the radio; skipped"));
    QVERIFY(run.err.contains("power in watts: 5 W as Low, 50 W as High"));
    MemoryImage image;
    QVERIFY(loadDataFile(out, image).ok);
    BandState bands = BandState::fromImage(image);
    ChannelTable table(image, bands);
    table.fill();
    QCOMPARE(table.text(100, ChannelTable::Name), QStringLiteral("ZERO"));
    QCOMPARE(table.text(101, ChannelTable::Name), QStringLiteral("THREE"));
    QCOMPARE(table.text(101, ChannelTable::Power), QStringLiteral("High"));

    const CliRun refused = runCli({"import", data, list.fileName(), "--at", "0", "-o", out});
    QCOMPARE(refused.exitCode, 2);
    QVERIFY(refused.err.contains("--at takes a channel from 1 to 800"));
}

QTEST_GUILESS_MAIN(ChannelListTests)
#include "tst_channel_lists.moc"

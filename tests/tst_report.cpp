// The report without widgets: its page arithmetic, its two body line forms, what it holds and
// the differences between two data files.
#include "BandState.h"
#include "BasicSettings.h"
#include "ChannelRecord.h"
#include "ChannelRows.h"
#include "ChannelRules.h"
#include "ChannelTable.h"
#include "FactoryDefault.h"
#include "FieldCodecs.h"
#include "ImageMap.h"
#include "MemoryImage.h"
#include "PageLayout.h"
#include "Report.h"
#include "ReportDiff.h"
#include "SampleData.h"
#include "TwoToneContacts.h"

#include <QTest>

namespace {

using ImageMap::channelAddress;

const ReportSection* section(const Report& report, const QString& title) {
    for (const ReportSection& s : report.sections)
        if (s.title == title)
            return &s;
    return nullptr;
}

QString field(const Report& report, const QString& title, const QString& label) {
    if (const ReportSection* s = section(report, title))
        for (const auto& [l, value] : s->fields)
            if (l == label)
                return value;
    return QStringLiteral("<missing>");
}

QStringList lines(const MemoryImage& before, const MemoryImage& after, const BandState& bands) {
    QStringList lines;
    for (const Difference& d :
         compareReports(buildReport(before, bands), buildReport(after, bands)))
        lines << differenceLine(d);
    return lines;
}

} // namespace

class ReportTests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        image = buildFactoryDefault();
        bands = BandState();
        bands.loadLimitsFromImage(image);
        bands.deriveEnabledFlags(image);
    }

    void documentNameIsTheFileNameBeforeItsFirstDot_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("suggested");
        QTest::addColumn<QString>("name");
        QTest::newRow("file") << "/data/abc.dat"
                              << "Radio.dat"
                              << "abc";
        QTest::newRow("first dot") << "/data/my.radio.dat"
                                   << ""
                                   << "my";
        QTest::newRow("folder with a dot") << "/a.b/abc.dat"
                                           << ""
                                           << "abc";
        QTest::newRow("no file: suggested") << ""
                                            << "Duoband.dat"
                                            << "Duoband";
        QTest::newRow("no dot") << "/data/abc"
                                << "Radio.dat"
                                << "";
        QTest::newRow("suggested without dot") << ""
                                               << "Radio"
                                               << "";
    }
    void documentNameIsTheFileNameBeforeItsFirstDot() {
        QFETCH(QString, path);
        QFETCH(QString, suggested);
        QFETCH(QString, name);
        QCOMPARE(PageLayout::documentName(path, suggested), name);
    }

    void pageFrame() {
        QCOMPARE(PageLayout::bodyHeight(3000, 50), 3000 - 150 - 100);
        QCOMPARE(PageLayout::footer(2, 7), QStringLiteral("-- Page 2 of 7 --"));
    }

    // The text begins with what the report is of, before the first section.
    void reportTextHasItsHeader() {
        Report report = buildReport(image, bands);
        report.header = reportHeader(image, "abc", QDate(2026, 12, 9));
        const QString text = reportText(report);
        QVERIFY2(text.startsWith("File:              abc\n"
                                 "Model:             DUOBAND\n"
                                 "Firmware:          (none)\n"
                                 "Last program date: (none)\n"
                                 "Printed:           2026-12-09\n"
                                 "Program:           Duoband "),
                 qPrintable(text.left(300)));
        QVERIFY(text.indexOf("Program:") < text.indexOf("== Radio =="));
    }

    void reportFollowsTheFormsAndShowsChannelsInUse() {
        const Report report = buildReport(image, bands);
        QStringList titles;
        for (const ReportSection& s : report.sections)
            titles << s.title;
        QCOMPARE(titles, (QStringList{"Radio", "Channel setting", "VFO", "Scan channel",
                                      "Basic setting", "Alarm", "DTMF", "2Tone", "5Tone"}));
        QCOMPARE(field(report, "Basic setting", "Beep"), QStringLiteral("On"));
        QCOMPARE(field(report, "Radio", "Model name"), QStringLiteral("DUOBAND"));
        // The factory default uses channel 1 only; the fields only the channel edit dialog shows
        // follow in a second table.
        const ReportTable& channels = section(report, "Channel setting")->tables.at(0);
        QCOMPARE(channels.headers, ChannelTable::headers());
        QCOMPARE(channels.rows.size(), std::size_t(1));
        QCOMPARE(channels.rows[0].value(ChannelTable::Rx), QStringLiteral("134.00000"));
        const ReportTable& details = section(report, "Channel setting")->tables.at(1);
        QCOMPARE(details.headers,
                 (QStringList{"CH", "Siganling decode", "PTT ID", "SQL mode", "Busy lock",
                              "Display type", "Emphasis", "Compander", "Scrambler", "Reverse",
                              "Talk around", "Beat shift", "AM"}));
        QCOMPARE(details.rows.at(0), (QStringList{"1", "1", "Off", "Carrier", "Off", "Frequency",
                                                  "On", "Off", "Off", "Off", "Off", "Off", "Off"}));
        // Scan edges not in use show as such, in their form's order.
        const ReportSection* scan = section(report, "Scan channel");
        QCOMPARE(scan->groups.size(), std::size_t(10));
        QCOMPARE(scan->groups[1].title, QStringLiteral("U1"));
        QVERIFY(scan->groups[1].fields.empty());
        QVERIFY(reportText(report).contains("U1 " + recordNotInUse() + "\n"));

        BandState fullBands;
        const MemoryImage full = fullChannelImage(fullBands);
        const Report channelsOnly = buildChannelReport(full, fullBands);
        QCOMPARE(channelsOnly.sections.size(), std::size_t(1));
        const auto& rows = channelsOnly.sections[0].tables.at(0).rows;
        QCOMPARE(rows.size(), std::size_t(ChannelTable::kRows));
        QCOMPARE(rows.back().value(ChannelTable::Name), QStringLiteral("CH800"));
    }

    void reportLeavesTheImageAlone() {
        const MemoryImage before = image;
        buildReport(image, bands);
        QVERIFY(image == before);
    }

    void diffOfAFileWithItselfIsEmpty() {
        QVERIFY(compareReports(buildReport(image, bands), buildReport(image, bands)).empty());
    }

    void diffListsExactlyWhatChanged() {
        MemoryImage after = image;
        BandState afterBands = bands;
        ChannelTable channels(after, afterBands);
        channels.fill();
        QVERIFY(channels.commit(1, ChannelTable::Power, "Low"));
        channels.store();
        const FieldDescription* beep = Fields::find(BasicSettings::optionFields(), "Beep");
        QVERIFY(beep);
        Fields::store(*beep, Fields::items(*beep, after), {0, {}}, after);
        TwoToneContacts contacts(after);
        contacts.fill();
        contacts.commit(3, TwoToneContacts::First, "1000");
        contacts.store();
        QCOMPARE(lines(image, after, afterBands),
                 (QStringList{
                     "Channel 1: Power: High -> Low", "Basic setting: Beep: On -> Off",
                     "Contacts 3: First: (none) -> 1000.0", "Contacts 3: Second: (none) -> 1000.0",
                     "Contacts 3: Format: (none) -> Two", "Contacts 3: System: (none) -> 1",
                     "Contacts 3: Alias: (none) -> 2T-03"}));
    }

    // Fields only the channel edit dialog shows are compared like the table's, one line each.
    void diffSeesEveryChannelField() {
        MemoryImage after = image;
        const Record r = after.at<32>(channelAddress(1));
        ChannelRecord::setCode(r, ChannelField::BusyLock, 1);
        ChannelRecord::setCode(r, ChannelField::Am, 1);
        QCOMPARE(lines(image, after, bands),
                 (QStringList{"Channel 1: Busy lock: Off -> Carrier", "Channel 1: AM: Off -> On"}));
    }

    // A channel that came gives a line a field; one that went gives them the other way.
    void diffShowsRowsThatCameAndWent() {
        MemoryImage after = image;
        BandState afterBands = bands;
        ChannelTable channels(after, afterBands);
        channels.fill();
        QVERIFY(channels.commit(2, ChannelTable::Rx, "145.50000"));
        channels.store();
        const QStringList added = lines(image, after, afterBands);
        QCOMPARE(added.first(), QStringLiteral("Channel 2: Rx Freq: (none) -> 145.50000"));
        QVERIFY(added.contains("Channel 2: Busy lock: (none) -> Off"));
        const QStringList removed = lines(after, image, bands);
        QCOMPARE(removed.first(), QStringLiteral("Channel 2: Rx Freq: 145.50000 -> (none)"));
        QCOMPARE(removed.size(), added.size());
    }

    // Rows pushed down by an insert are one move, not a change of every row.
    void movedChannelsAreNamedOnce() {
        MemoryImage before = image;
        for (int n = 10; n <= 15; ++n)
            ChannelRules::initializeChannel(before, n, 14500000 + 2500 * n, bands);
        MemoryImage after = before;
        QVERIFY(ChannelRows::insertEmpty(after, 12, 1).ok);
        QCOMPARE(lines(before, after, bands), QStringList{"Channels 12-15 moved to 13-16"});
        ChannelRows::move(before, 11, 11, 1); // 11 and 12 change places
        QCOMPARE(lines(after, before, bands).first(), QStringLiteral("Channel 11 moved to 12"));
    }

    // Bytes no form shows still make two sets of data differ; so do bytes the forms show alike.
    void bytesOutsideTheFormsAreCounted() {
        MemoryImage after = image;
        after.setByte(channelAddress(801) + 12, 0x00); // bank B: no form shows it
        after.setByte(channelAddress(1) + 15, after.byte(channelAddress(1) + 15) ^ 0x08); // Tx stop
        after.pc()[0x100 + 40 * 15 + 10] ^= 1; // the user's 5-Tone standard in the PC block
        Comparison c = compareData(image, bands, after, bands);
        QVERIFY(c.differences.empty());
        QVERIFY(!c.equal());
        QCOMPARE(c.bytesOutside, 3);
        QCOMPARE(c.closingLines(),
                 QStringList{"3 bytes differ outside the forms (first at 0x010F)"}); // Tx stop
        // Decode type 4 has no entry and shows "Off", as 0 does.
        MemoryImage four = image;
        four.setBits(channelAddress(1) + 15, 2, 1, 1);
        c = compareData(image, bands, four, bands);
        QVERIFY(c.differences.empty());
        QCOMPARE(c.bytesAlike, 1);
        QVERIFY(
            c.closingLines().first().startsWith("1 byte differs where the forms show the same"));
        QVERIFY(compareData(image, bands, image, bands).equal());
    }

private:
    MemoryImage image;
    BandState bands;
};

QTEST_GUILESS_MAIN(ReportTests) // English plural forms come with the application
#include "tst_report.moc"

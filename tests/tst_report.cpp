// The report without widgets: its page arithmetic, its two body line forms, what it holds and
// the differences between two data files.
#include "BandState.h"
#include "BasicSettings.h"
#include "ChannelTable.h"
#include "FactoryDefault.h"
#include "FieldCodecs.h"
#include "SampleData.h"
#include "MemoryImage.h"
#include "PageLayout.h"
#include "Report.h"
#include "ReportDiff.h"
#include "TwoToneContacts.h"

#include <QTest>

namespace {

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

    void pagesBreakWhenTheBodyIsFull() {
        QCOMPARE(PageLayout::bodyHeight(3000, 50), 3000 - 150 - 100);
        using Starts = std::vector<int>;
        // An empty body still makes one page.
        QCOMPARE(PageLayout::pageStarts(0, 10, 100), Starts{0});
        // Ten lines of 10 fill 100 exactly; the eleventh starts page 2.
        QCOMPARE(PageLayout::pageStarts(10, 10, 100), Starts{0});
        QCOMPARE(PageLayout::pageStarts(11, 10, 100), (Starts{0, 10}));
        QCOMPARE(PageLayout::pageStarts(25, 10, 100), (Starts{0, 10, 20}));
        QCOMPARE(PageLayout::pageStarts(7, 15, 100), (Starts{0, 6}));
        // A line taller than the body still gets a page of its own, once.
        QCOMPARE(PageLayout::pageStarts(2, 150, 100), (Starts{0, 1}));
        QCOMPARE(PageLayout::footer(2, 7), QStringLiteral("-- Page 2 of 7 --"));
    }

    void bodyLinesUseTheTwoLineForms() {
        Report report{{{"Alpha",
                        {{"A", "1"}, {"B", "2"}, {"C", "3"}, {"D", ""}},
                        {{"Record", {{"E", "5"}}}, {"Unused", {}}},
                        {{"Table", {"No.", "X"}, {{"1", "x1"}, {"2", ""}}}}},
                       {"Beta", {}, {}, {}}}};
        const BodyLines body = reportLines(report);
        const QStringList expected = {"Alpha",  "A:1^^B:2^^C:3^^", "D:^^",  "Record", "E:5^^",
                                      "Unused", kRecordNotInUse,   "Table", "No.\tX", "1\tx1",
                                      "2\t",    QString(),         "Beta"};
        QCOMPARE(body.lines, expected);
        QCOMPARE(body.titles, (QSet<int>{0, 3, 5, 7, 8, 12}));
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
        // The factory default uses channel 1 only.
        const ReportTable& channels = section(report, "Channel setting")->tables.at(0);
        QCOMPARE(channels.headers, ChannelTable::headers());
        QCOMPARE(channels.rows.size(), std::size_t(1));
        QCOMPARE(channels.rows[0].value(ChannelTable::Rx), QStringLiteral("134.00000"));
        // Scan edges not in use show as such, in their form's order.
        const ReportSection* scan = section(report, "Scan channel");
        QCOMPARE(scan->groups.size(), std::size_t(10));
        QCOMPARE(scan->groups[1].title, QStringLiteral("U1"));
        QVERIFY(scan->groups[1].fields.empty());
        QVERIFY(reportText(report).contains("U1 " + kRecordNotInUse + "\n"));

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

        const auto differences =
            compareReports(buildReport(image, bands), buildReport(after, afterBands));
        QStringList lines;
        for (const Difference& d : differences)
            lines << differenceLine(d);
        QCOMPARE(lines, (QStringList{
                            "Channel setting: Channel 1: Power: High -> Power: Low",
                            "Basic setting: Beep: On -> Off",
                            "2Tone: Contacts 3: (none) -> First: 1000.0, Second: 1000.0, "
                            "Format: Two, System: 1, Alias: 2T-03",
                        }));
    }

    void diffShowsRowsThatCameAndWent() {
        MemoryImage after = image;
        BandState afterBands = bands;
        ChannelTable channels(after, afterBands);
        channels.fill();
        QVERIFY(channels.commit(2, ChannelTable::Rx, "145.50000"));
        channels.store();
        const auto added =
            compareReports(buildReport(image, bands), buildReport(after, afterBands));
        QCOMPARE(added.size(), std::size_t(1));
        QCOMPARE(added[0].item, QStringLiteral("Channel 2"));
        QCOMPARE(added[0].before, QString());
        QVERIFY2(added[0].after.startsWith("Rx Freq: 145.50000, Tx Freq: 145.50000, "),
                 qPrintable(added[0].after));
        QVERIFY(differenceLine(added[0]).contains(": (none) -> Rx Freq"));
        const auto removed =
            compareReports(buildReport(after, afterBands), buildReport(image, bands));
        QCOMPARE(removed.size(), std::size_t(1));
        QCOMPARE(removed[0].after, QString());
    }

private:
    MemoryImage image;
    BandState bands;
};

QTEST_APPLESS_MAIN(ReportTests)
#include "tst_report.moc"

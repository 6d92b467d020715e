// The report says what the forms show: for the same data, every field of a report section has
// a control of that label in its form showing the same text, and every table row is the grid's.
#include "AlarmView.h"
#include "BandState.h"
#include "BasicSettingView.h"
#include "ChannelTable.h"
#include "ChannelTableView.h"
#include "DtmfView.h"
#include "FactoryDefault.h"
#include "FiveToneView.h"
#include "FrequencyRangeDialog.h"
#include "GridControl.h"
#include "ImageMap.h"
#include "MemoryImage.h"
#include "ModelView.h"
#include "RecordTemplates.h"
#include "Report.h"
#include "ScanChannelView.h"
#include "TwoToneView.h"
#include "VfoDialog.h"
#include "WidgetLookup.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTabBar>
#include <QTest>

namespace {

// The text a control shows, as the report words it.
std::optional<QString> shownText(const QWidget& form, const QString& label) {
    for (QWidget* w : form.findChildren<QWidget*>()) {
        if (w->accessibleName() != label)
            continue;
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            return edit->text();
        if (auto* list = qobject_cast<QComboBox*>(w))
            return list->currentText();
        if (auto* check = qobject_cast<QCheckBox*>(w))
            return check->isChecked() ? QStringLiteral("On") : QStringLiteral("Off");
        if (auto* number = qobject_cast<QAbstractSpinBox*>(w))
            return number->text();
    }
    return std::nullopt;
}

void compareFields(const QWidget& form, const std::vector<ReportField>& fields,
                   const QString& where) {
    QVERIFY2(!fields.empty(), qPrintable(where));
    for (const auto& [label, value] : fields) {
        const auto shown = shownText(form, label);
        const QString what = where + ": " + label;
        QVERIFY2(shown, qPrintable(what + " has no control"));
        QVERIFY2(*shown == value, qPrintable(what + ": form " + *shown + ", report " + value));
    }
}

// Each row's cells are the grid's cells of the row its first cell names.
void compareTable(const GridControl& grid, const ReportTable& table, int firstRow = 1) {
    for (const QStringList& row : table.rows) {
        const int r = row[0].toInt() - 1 + firstRow;
        for (qsizetype c = 0; c < row.size(); ++c)
            QVERIFY2(grid.text(r, int(c)) == row[c],
                     qPrintable(QString("%1 row %2 column %3: grid %4, report %5")
                                    .arg(table.title, row[0])
                                    .arg(c)
                                    .arg(grid.text(r, int(c)), row[c])));
    }
}

// Each group shown by choosing its tab.
void compareGroups(QWidget& form, QTabBar& tabs, const std::vector<ReportGroup>& groups) {
    QCOMPARE(std::size_t(tabs.count()), groups.size());
    for (int k = 0; k < tabs.count(); ++k) {
        tabs.setCurrentIndex(k);
        QVERIFY(groups[std::size_t(k)].title.endsWith(tabs.tabText(k)));
        if (!groups[std::size_t(k)].fields.empty())
            compareFields(form, groups[std::size_t(k)].fields, groups[std::size_t(k)].title);
    }
}

const ReportSection& section(const Report& report, const QString& title) {
    for (const ReportSection& s : report.sections)
        if (s.title == title)
            return s;
    qFatal("no section %s", qPrintable(title));
}

} // namespace

class ReportFormTests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Every form on the factory default and on scrambled data: whatever the bytes, the report
    // says what the forms make of them. These seeds once found forms and report apart.
    void initTestCase_data() {
        QTest::addColumn<int>("seed");
        QTest::newRow("factory default") << 0;
        for (int seed : {2, 19, 26, 20261208})
            QTest::newRow(qPrintable(QString("scrambled %1").arg(seed))) << seed;
    }
    void init() {
        QFETCH_GLOBAL(int, seed);
        image = buildFactoryDefault();
        if (seed) {
            QRandomGenerator rng{quint32(seed)};
            for (std::uint32_t a = 0; a < ImageMap::kBandLimits; ++a)
                image.setByte(a, std::uint8_t(rng.bounded(256)));
        }
        bands = BandState();
        bands.loadLimitsFromImage(image);
        bands.deriveEnabledFlags(image);
        // A scan edge in use, so that its record is compared field by field.
        writeInitialRecord(image.at<32>(ImageMap::kScanEdgeRecords.at(0)), 14500000, bands.nine);
        report = buildReport(image, bands);
    }

    void model() {
        ModelView form(image);
        compareFields(form, section(report, "Radio").fields, "Radio");
    }
    void frequencyRange() {
        FrequencyRangeDialog form(image, bands);
        const ReportTable& limits = section(report, "Radio").tables.at(0);
        for (std::size_t b = 0; b < limits.rows.size(); ++b)
            for (qsizetype c = 0; c < limits.rows[b].size(); ++c)
                QCOMPARE(form.grid()->text(int(b) + 1, int(c)), limits.rows[b][c]);
    }
    void channels() {
        ChannelTableView form(image, bands);
        compareTable(*form.grid(), section(report, "Channel setting").tables.at(0));
    }
    void vfo() {
        VfoDialog form(image, bands);
        compareGroups(form, *byName<QTabBar>(form, "VFO records"), section(report, "VFO").groups);
    }
    void scanChannels() {
        ScanChannelView form(image, bands);
        const auto& groups = section(report, "Scan channel").groups;
        QVERIFY(!groups.at(0).fields.empty());
        compareGroups(form, *form.findChild<QTabBar*>(), groups);
    }
    void basic() {
        BasicSettingView form(image);
        compareFields(form, section(report, "Basic setting").fields, "Basic setting");
    }
    void alarm() {
        AlarmView form(image);
        compareFields(form, section(report, "Alarm").fields, "Alarm");
    }
    void dtmf() {
        DtmfView form(image);
        const ReportSection& s = section(report, "DTMF");
        compareFields(form, s.fields, "DTMF");
        compareTable(*form.findChild<DtmfCodePage*>()->grid(), s.tables.at(0));
    }
    void twoTone() {
        TwoToneView form(image);
        const ReportSection& s = section(report, "2Tone");
        compareGroups(form, *byName<QTabBar>(form, "Systems"), s.groups);
        compareTable(*byName<GridControl>(form, "Contacts"), s.tables.at(0));
    }
    void fiveTone() {
        FiveToneView form(image);
        const ReportSection& s = section(report, "5Tone");
        compareFields(form, s.fields, "5Tone");
        // One entry and one contact at a time, chosen by their group lists.
        const std::pair<const char*, const ReportTable*> tables[] = {
            {"Infomation Group", &s.tables.at(0)}, {"Contact Group", &s.tables.at(1)}};
        for (const auto& [list, table] : tables) {
            auto* group = byName<QComboBox>(form, list);
            QVERIFY(group);
            QCOMPARE(std::size_t(group->count()), table->rows.size());
            for (std::size_t k = 0; k < table->rows.size(); ++k) {
                group->setCurrentIndex(int(k));
                std::vector<ReportField> fields;
                for (qsizetype c = 1; c < table->headers.size(); ++c)
                    fields.emplace_back(table->headers[c], table->rows[k][c]);
                compareFields(form, fields, table->title + " " + table->rows[k][0]);
            }
        }
    }

private:
    MemoryImage image;
    BandState bands;
    Report report;
};

QTEST_MAIN(ReportFormTests)
#include "tst_report_forms.moc"

// Report timings on a data file with all 800 channels in use: the report as text and as PDF,
// and the differences between two such files.
#include "BandState.h"
#include "ChannelTable.h"
#include "SampleData.h"
#include "Report.h"
#include "ReportDiff.h"
#include "ReportPages.h"

#include <QTest>

class ReportBench : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        image = fullChannelImage(bands);
        other = image;
        BandState otherBands = bands;
        ChannelTable table(other, otherBands);
        table.fill();
        for (int r = 1; r <= ChannelTable::kRows; r += 8)
            table.commit(r, ChannelTable::Power, QStringLiteral("Low"));
        table.store();
    }
    void reportText() {
        QBENCHMARK {
            const QString text = ::reportText(buildReport(image, bands));
            QVERIFY(text.size() > 0);
        }
    }
    void reportPdf() {
        QBENCHMARK {
            const auto pdf =
                ::reportPdf(QStringLiteral("full"), reportLines(buildReport(image, bands)));
            QVERIFY(pdf && pdf->startsWith("%PDF"));
        }
    }
    void diffTwoFullFiles() {
        QBENCHMARK {
            const auto differences =
                compareReports(buildReport(image, bands), buildReport(other, bands));
            QCOMPARE(differences.size(), std::size_t(100));
        }
    }

private:
    BandState bands;
    MemoryImage image;
    MemoryImage other;
};

QTEST_MAIN(ReportBench)
#include "bench_report.moc"

// Report timings on a data file with all 800 channels in use: the report as text and as PDF,
// and the differences between two such files.
#include "BandState.h"
#include "ChannelTable.h"
#include "DataFile.h"
#include "Report.h"
#include "ReportDiff.h"
#include "ReportPages.h"
#include "SampleData.h"

#include <QProcess>
#include <QTemporaryDir>
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
            const auto pdf = ::reportPdf(QStringLiteral("full"), buildReport(image, bands));
            QVERIFY(pdf && pdf->startsWith("%PDF"));
        }
    }
    void diffTwoFullFiles() {
        QBENCHMARK {
            const Comparison c = compareData(image, bands, other, bands);
            QCOMPARE(c.differences.size(), std::size_t(100));
        }
    }

    // What a user waits for: the command line program from start to exit.
    void wholeProcess_data() {
        QVERIFY(saveDataFile(dir.filePath("a.dat"), image).ok);
        QVERIFY(saveDataFile(dir.filePath("b.dat"), other).ok);
        QTest::addColumn<QStringList>("args");
        QTest::newRow("report text") << QStringList{"report", dir.filePath("a.dat")};
        QTest::newRow("report pdf")
            << QStringList{"report", dir.filePath("a.dat"), "-o", dir.filePath("a.pdf")};
        QTest::newRow("diff") << QStringList{"diff", dir.filePath("a.dat"), dir.filePath("b.dat")};
    }
    void wholeProcess() {
        QFETCH(QStringList, args);
        QBENCHMARK {
            QProcess cli;
            cli.setStandardOutputFile(QProcess::nullDevice());
            cli.start(QStringLiteral(DUOBAND_CLI), args);
            QVERIFY(cli.waitForFinished(10000));
            QVERIFY(cli.exitCode() == 0 || (args.first() == "diff" && cli.exitCode() == 1));
        }
    }

private:
    QTemporaryDir dir;
    BandState bands;
    MemoryImage image;
    MemoryImage other;
};

QTEST_MAIN(ReportBench)
#include "bench_report.moc"

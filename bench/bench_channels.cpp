// Channel table timings with all 800 channels in use: filling the table (the model alone and
// the form with its grid), storing it with the normalization, and CSV export and import.
#include "BandState.h"
#include "CProgramView.h"
#include "ChannelCsv.h"
#include "ChannelTable.h"
#include "FactoryDefault.h"
#include "FullImage.h"
#include "MemoryImage.h"

#include <QTest>

class ChannelBench : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { image = fullChannelImage(bands); }
    void fillTableModel() {
        ChannelTable table(image, bands);
        QBENCHMARK {
            table.fill();
        }
    }
    void fillTableForm() {
        CProgramView view(image, bands);
        QBENCHMARK {
            view.LoadFromImage();
        }
    }
    void openTableForm() {
        QBENCHMARK {
            CProgramView view(image, bands);
        }
    }
    void storeTableWithNormalization() {
        ChannelTable table(image, bands);
        table.fill();
        QBENCHMARK {
            table.store();
        }
    }
    void exportCsv() {
        QByteArray csv;
        QBENCHMARK {
            csv = exportChannels(image, bands, CsvDialect::Native);
        }
        QCOMPARE(csv.count('\n'), 801);
    }
    void importCsv() {
        const QByteArray csv = exportChannels(image, bands, CsvDialect::Native);
        QBENCHMARK {
            MemoryImage target = buildFactoryDefault();
            BandState b = bands;
            const ImportResult r = importChannels(target, b, csv);
            QCOMPARE(r.imported, 800);
        }
    }

private:
    BandState bands;
    MemoryImage image;
};

QTEST_MAIN(ChannelBench)
#include "bench_channels.moc"

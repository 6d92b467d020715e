// Channel table timings with all 800 channels in use: filling the table (the model alone and
// the form with its grid), storing it with the normalization, CSV export and import, a cell
// edit stored at once, undo steps, and pasting 800 rows.
#include "BandState.h"
#include "ChannelClipboard.h"
#include "ChannelCsv.h"
#include "ChannelImportDialog.h"
#include "ChannelOrder.h"
#include "ChannelRows.h"
#include "ChannelTable.h"
#include "ChannelTableView.h"
#include "Document.h"
#include "FactoryDefault.h"
#include "GridControl.h"
#include "ImageMap.h"
#include "MemoryImage.h"
#include "SampleData.h"

#include <QMimeData>
#include <QTest>

// 800 lines as other programs write them, counted from 0.
QByteArray otherProgramsList() {
    QByteArray csv = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
                     "DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment\n";
    const char* tones[] = {",88.5,88.5,023,NN,023,Tone->Tone",
                           "Tone,100.0,100.0,023,NN,023,Tone->Tone",
                           "Cross,103.5,110.9,023,NN,023,Tone->Tone", "DTCS,88.5,88.5,023,NR,754,"};
    for (int i = 0; i < 800; ++i)
        csv += QStringLiteral("%1,Repeater %2,%3,+,0.600000,%4,FM,5.00,,%5W,\n")
                   .arg(i)
                   .arg(i)
                   .arg(i % 2 ? 145.0 + i * 0.0125 : 430.0 + i * 0.0125, 0, 'f', 6)
                   .arg(QLatin1String(tones[i % 4]))
                   .arg(i % 3 ? 5 : 50)
                   .toUtf8();
    return csv;
}

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
        ChannelTableView view(image, bands);
        QBENCHMARK {
            view.LoadFromImage();
        }
    }
    void openTableForm() {
        QBENCHMARK {
            ChannelTableView view(image, bands);
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
    // A list of 800 lines from another program: watts, tones, names to shorten.
    void importInterchangeList() {
        const QByteArray csv = otherProgramsList();
        QBENCHMARK {
            MemoryImage target = buildFactoryDefault();
            BandState b = bands;
            const ImportResult r = importChannels(target, b, csv);
            QCOMPARE(r.imported, 800);
        }
    }
    // "Import channels" opened on that list: the import on a copy and its 800 lines shown.
    void previewOfAnImport() {
        const QByteArray csv = otherProgramsList();
        QBENCHMARK {
            ChannelImportDialog dialog(image, bands, csv, QStringLiteral("list.csv"));
            dialog.show();
            QCoreApplication::processEvents();
            QCOMPARE(dialog.preview().imported, 800);
        }
    }

    // 800 channels sorted by Rx then name, and the gaps of a half-empty bank closed.
    void sortEightHundred() {
        QBENCHMARK {
            MemoryImage target = image;
            const ChannelOrder::Moved moved = ChannelOrder::sort(
                target, bands, {{ChannelTable::Rx, true}, {ChannelTable::Name, false}});
            QVERIFY(moved.moved > 0);
        }
    }
    void closeGapsOfFourHundred() {
        MemoryImage holes = image;
        std::vector<int> odd;
        for (int n = 3; n <= 800; n += 2)
            odd.push_back(n);
        ChannelRows::clear(holes, odd);
        QBENCHMARK {
            MemoryImage target = holes;
            QVERIFY(ChannelOrder::closeGaps(target).moved > 0);
        }
    }
    // What the table does after a sort: every row refilled from the records and stored once.
    void tableAfterASort() {
        MemoryImage target = image;
        BandState b = bands;
        ChannelTableView view(target, b);
        bool descending = false;
        QBENCHMARK {
            descending = !descending;
            view.sortChannels({{ChannelTable::Rx, descending}}, {});
        }
    }

    void cellEditStoredAtOnce() {
        MemoryImage target = image;
        BandState b = bands;
        ChannelTable table(target, b);
        table.fill();
        int n = 0;
        QBENCHMARK {
            table.edit(1 + n % 800, ChannelTable::Name, QStringLiteral("N%1").arg(n));
            ++n;
        }
    }
    // A cell edit's step: the difference of the whole data before and after.
    void recordACellStep() {
        Document document;
        document.image() = image;
        document.startHistory();
        int n = 0;
        QBENCHMARK {
            document.image().setByte(ImageMap::channelAddress(1 + n % 800) + 24, std::uint8_t(n));
            document.record(QStringLiteral("Edit channel"));
            ++n;
        }
    }
    void undoAndRedoACellStep() {
        Document document;
        document.image() = image;
        document.startHistory();
        document.image().setByte(ImageMap::channelAddress(5) + 24, 0x41);
        document.record(QStringLiteral("Edit channel 5"));
        QBENCHMARK {
            document.undo();
            document.redo();
        }
    }
    // A read's step: every channel differs.
    void recordAndUndoAReadSizedStep() {
        Document document;
        document.image() = buildFactoryDefault();
        document.startHistory();
        QBENCHMARK {
            document.image() = image;
            document.record(QStringLiteral("Read from radio"));
            document.undo();
        }
    }
    void paste800RowsModel() {
        const QString text = copiedText();
        QBENCHMARK {
            MemoryImage target = buildFactoryDefault();
            BandState b = bands;
            QCOMPARE(ChannelClipboard::pasteText(target, b, text, 1).imported, 800);
        }
    }
    // Pasted into the channel window: the rules of an import, the table store and the grid.
    // Two lists take turns, so that every paste changes all 800 rows.
    void paste800RowsForm() {
        QMimeData lists[2];
        lists[0].setText(copiedText());
        lists[1].setText(copiedText().replace(QStringLiteral("\tCH"), QStringLiteral("\tXY")));
        MemoryImage target = buildFactoryDefault();
        BandState b = bands;
        ChannelTableView view(target, b);
        int n = 0;
        QBENCHMARK {
            view.pasteAt(1, lists[n++ % 2]);
        }
        QVERIFY(view.grid()->text(800, ChannelTable::Name).endsWith(QStringLiteral("800")));
    }

private:
    QString copiedText() {
        ChannelTable table(image, bands);
        table.fill();
        std::vector<int> all(800);
        for (int r = 1; r <= 800; ++r)
            all[std::size_t(r - 1)] = r;
        return ChannelClipboard::copy(table, image, all).text;
    }

    BandState bands;
    MemoryImage image;
};

QTEST_MAIN(ChannelBench)
#include "bench_channels.moc"

// Settings form timings: opening a form's window (the form made, its lists filled, loaded from
// the image and shown) and one store and load of its page, as a window switch does them.
#include "BandState.h"
#include "CDtmfView.h"
#include "CScanChView.h"
#include "FactoryDefault.h"
#include "ImageMap.h"
#include "MemoryImage.h"
#include "RecordTemplates.h"

#include <QApplication>
#include <QTabBar>
#include <QTest>

class FormBench : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        image = buildFactoryDefault();
        for (int k = 0; k < ImageMap::kScanEdgeCount; ++k) // ten edges in use
            writeInitialRecord(image.at<32>(ImageMap::kScanEdgeRecords.at(k)),
                               14400000 + 100000 * Frequency(k), bands.nine);
    }

    void openDtmfWindow() {
        QBENCHMARK {
            CDtmfView view(image);
            view.resize(730, 550);
            view.show();
            QCoreApplication::processEvents();
        }
    }

    void storeAndLoadDtmfCodePage() {
        CDtmfView view(image);
        view.resize(730, 550);
        view.show();
        QBENCHMARK {
            view.SaveToImage();
            view.LoadFromImage();
        }
    }

    void openScanChannelWindow() {
        QBENCHMARK {
            CScanChView view(image, bands);
            view.resize(720, 580);
            view.show();
            QCoreApplication::processEvents();
        }
    }

    void scanChannelTabChange() {
        CScanChView view(image, bands);
        view.resize(720, 580);
        view.show();
        int tab = 0;
        QBENCHMARK {
            tab = (tab + 1) % ImageMap::kScanEdgeCount;
            view.tabs()->setCurrentIndex(tab); // stores the edge left, loads the one entered
        }
    }

private:
    MemoryImage image;
    BandState bands;
};

QTEST_MAIN(FormBench)
#include "bench_forms.moc"

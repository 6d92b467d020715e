// Settings form timings: opening a form's window (the form made, its lists filled, loaded from
// the image and shown) and one store and load of its page, as a window switch does them.
#include "BandState.h"
#include "DtmfView.h"
#include "FactoryDefault.h"
#include "FiveToneView.h"
#include "ImageMap.h"
#include "MemoryImage.h"
#include "RecordTemplates.h"
#include "ScanChannelView.h"
#include "TwoToneView.h"

#include <QApplication>
#include <QComboBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

class FormBench : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        image = buildFactoryDefault();
        for (int k = 0; k < ImageMap::kScanEdgeCount; ++k) // ten edges in use
            writeInitialRecord(image.at<32>(ImageMap::kScanEdgeRecords.at(k)),
                               14400000 + 100000 * Frequency(k), bands.nine);
        for (int n = 1; n <= ImageMap::kTwoToneContactRecords.count; ++n) { // sixteen contacts
            const std::uint32_t c = ImageMap::kTwoToneContactRecords.number(n);
            image.setWord(c + 8, std::uint16_t(3000 + 100 * n));
            image.setWord(c + 10, std::uint16_t(6000 + 100 * n));
            image.fill(c, 6, 'C');
        }
    }

    void openDtmfWindow() {
        QBENCHMARK {
            DtmfView view(image);
            view.resize(730, 550);
            view.show();
            QCoreApplication::processEvents();
        }
    }

    void storeAndLoadDtmfCodePage() {
        DtmfView view(image);
        view.resize(730, 550);
        view.show();
        QBENCHMARK {
            view.SaveToImage();
            view.LoadFromImage();
        }
    }

    void openScanChannelWindow() {
        QBENCHMARK {
            ScanChannelView view(image, bands);
            view.resize(720, 580);
            view.show();
            QCoreApplication::processEvents();
        }
    }

    void scanChannelTabChange() {
        ScanChannelView view(image, bands);
        view.resize(720, 580);
        view.show();
        int tab = 0;
        QBENCHMARK {
            tab = (tab + 1) % ImageMap::kScanEdgeCount;
            view.tabs()->setCurrentIndex(tab); // stores the edge left, loads the one entered
        }
    }

    void openTwoToneWindow() {
        QBENCHMARK {
            TwoToneView view(image);
            view.resize(670, 630);
            view.show();
            QCoreApplication::processEvents();
        }
    }

    void twoToneSystemChange() {
        TwoToneView view(image);
        view.resize(670, 630);
        view.show();
        QTabBar* systems = static_cast<TwoToneSystemPage*>(view.page(0))->systems();
        int s = 0;
        QBENCHMARK {
            s = (s + 1) % 16;
            systems->setCurrentIndex(s); // stores the system left, loads the one entered
        }
    }

    void twoToneContactStore() {
        TwoToneView view(image);
        view.tabs()->setCurrentIndex(1);
        QBENCHMARK {
            view.SaveToImage(); // all sixteen contacts
        }
    }

    void openFiveToneWindow() {
        QBENCHMARK {
            FiveToneView view(image);
            view.resize(830, 650);
            view.show();
            QCoreApplication::processEvents();
        }
    }

    void fiveToneStandardSwitch() {
        FiveToneView view(image);
        view.resize(830, 650);
        view.show();
        QComboBox* standards = nullptr;
        for (QComboBox* list : view.findChildren<QComboBox*>())
            if (list->accessibleName() == QLatin1String("Standard"))
                standards = list;
        int k = 0;
        QBENCHMARK {
            k = (k + 1) % 16;
            Q_EMIT standards->activated(k); // stores the one shown, fills the one chosen
        }
    }

private:
    MemoryImage image;
    BandState bands;
};

QTEST_MAIN(FormBench)
#include "bench_forms.moc"

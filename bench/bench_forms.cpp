// Settings form timings: opening a form's window (the form made, its lists filled, loaded from
// the image and shown) and one store and load of its page, as a window switch does them.
#include "CDtmfView.h"
#include "FactoryDefault.h"
#include "MemoryImage.h"

#include <QApplication>
#include <QTest>

class FormBench : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { image = buildFactoryDefault(); }

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

private:
    MemoryImage image;
};

QTEST_MAIN(FormBench)
#include "bench_forms.moc"

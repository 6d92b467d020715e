// The hardening run's own check: a leak in a test, which LeakSanitizer must report with the
// program's suppressions in force. Built only into the AddressSanitizer build.
#include <QTest>

namespace {
int* volatile kept = nullptr; // the allocation cannot be optimized away
}

class PlantedLeakTests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void plantedLeak() {
        kept = new int[100];
        kept[0] = 1;
        kept = nullptr; // lost: nothing points at the block any more
        QVERIFY(true);
    }
};

QTEST_GUILESS_MAIN(PlantedLeakTests)
#include "tst_planted_leak.moc"

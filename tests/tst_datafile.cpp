#include "DataFile.h"
#include "FactoryDefault.h"
#include "FiveToneStandards.h"
#include "ImageMap.h"
#include "MemoryImage.h"
#include "TestFiles.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

namespace {

// An image whose every byte differs from its neighbours, so that shifted copies show.
MemoryImage patterned() {
    MemoryImage image;
    for (int i = 0; i < MemoryImage::kImageSize; ++i)
        image.image()[std::size_t(i)] = std::uint8_t(i * 7 + (i >> 8));
    for (int i = 0; i < MemoryImage::kPcSize; ++i)
        image.pc()[std::size_t(i)] = std::uint8_t(i * 13 + 5);
    return image;
}

} // namespace

class DataFileTests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { QVERIFY(dir.isValid()); }
    void imageAccess();
    void saveAndReopenRoundTrip();
    void openRestoresStandardToneTables();
    void bareImageKeepsPcBlock();
    void wrongSizesAreRefused_data();
    void wrongSizesAreRefused();
    void missingFileReportsSystemText();
    void randomAndTruncatedFiles();
    void failedSaveKeepsOldFile();

private:
    QTemporaryDir dir;
};

void DataFileTests::imageAccess() {
    MemoryImage image;
    image.setWord(0xCC28, 3300);
    QCOMPARE(image.byte(0xCC28), 0xE4);
    QCOMPARE(image.byte(0xCC29), 0x0C);
    QCOMPARE(image.word(0xCC28), 3300);
    // Bit fields leave the other bits of the byte alone.
    image.setByte(0xCC24, 0b1010'1101);
    image.setBits(0xCC24, 4, 2, 0b10);
    QCOMPARE(image.byte(0xCC24), 0b1010'1101);
    image.setBits(0xCC24, 4, 2, 0b01);
    QCOMPARE(image.byte(0xCC24), 0b1001'1101);
    QCOMPARE(image.bits(0xCC24, 4, 2), 0b01);
    image.setBits(0xCC24, 0, 1, 7); // only the field's width is written
    QCOMPARE(image.byte(0xCC24), 0b1001'1101);
    image.fill(0xFFF0, 16, 0xAB);
    QCOMPARE(image.byte(0xFFFF), 0xAB);
}

void DataFileTests::saveAndReopenRoundTrip() {
    const QString path = dir.filePath("round.dat");
    MemoryImage original = buildFactoryDefault();
    original.setByte(0x1234, 0x56);
    original.pc()[0x0FFF] = 0x77;
    QVERIFY(saveDataFile(path, original).ok);
    QCOMPARE(QFileInfo(path).size(), 69632);

    MemoryImage reopened;
    QVERIFY(openDataFile(path, reopened).ok);
    QVERIFY(reopened == original);

    // Opening and saving again gives the same bytes.
    const QString again = dir.filePath("again.dat");
    QVERIFY(saveDataFile(again, reopened).ok);
    QCOMPARE(fileBytes(again), fileBytes(path));
}

void DataFileTests::openRestoresStandardToneTables() {
    const QString path = dir.filePath("tones.dat");
    MemoryImage image = patterned();
    QVERIFY(saveDataFile(path, image).ok);
    MemoryImage opened;
    QVERIFY(openDataFile(path, opened).ok);
    QVERIFY(opened.image().size() == image.image().size());
    QVERIFY(std::equal(opened.image().begin(), opened.image().end(), image.image().begin()));
    for (int k = 0; k < 16; ++k) {
        const auto entry = ImageMap::pcFiveToneSystem(k);
        // Headers (bytes 0-7) always stay as the file had them.
        for (std::uint32_t i = 0; i < 8; ++i)
            QCOMPARE(opened.pc()[entry + i], image.pc()[entry + i]);
        for (std::uint32_t d = 0; d < 16; ++d) {
            const int tone = opened.pc()[entry + 8 + 2 * d] | (opened.pc()[entry + 9 + 2 * d] << 8);
            const int fileTone =
                image.pc()[entry + 8 + 2 * d] | (image.pc()[entry + 9 + 2 * d] << 8);
            if (k < 15)
                QCOMPARE(tone, int(fiveToneStandard(k).tones[d]));
            else
                QCOMPARE(tone, fileTone); // the user standard keeps the file's tones
        }
    }
    // Spot checks against the published tables.
    QCOMPARE(fiveToneStandard(0).tones[10], 28000); // ZVEI1 "A" 2800 Hz
    QCOMPARE(fiveToneStandard(10).tones[0], 9798);  // Euro SIGNAL "0" 979.8 Hz
    QCOMPARE(fiveToneStandard(14).tones[14], 4875); // MODAT "E" 487.5 Hz
}

void DataFileTests::bareImageKeepsPcBlock() {
    const QString path = dir.filePath("bare.img");
    const MemoryImage source = patterned();
    writeFile(path, QByteArray(reinterpret_cast<const char*>(source.image().data()), 65536));

    MemoryImage target = buildFactoryDefault();
    const MemoryImage before = target;
    QVERIFY(loadDataFile(path, target).ok);
    QVERIFY(std::equal(target.image().begin(), target.image().end(), source.image().begin()));
    QVERIFY(std::equal(target.pc().begin(), target.pc().end(), before.pc().begin()));
}

void DataFileTests::wrongSizesAreRefused_data() {
    QTest::addColumn<int>("size");
    QTest::newRow("empty") << 0;
    QTest::newRow("truncated data file") << 69631;
    QTest::newRow("one byte more") << 69633;
    QTest::newRow("pc block only") << 4096;
    QTest::newRow("much larger") << 200000;
}

void DataFileTests::wrongSizesAreRefused() {
    QFETCH(int, size);
    const QString path = dir.filePath(QStringLiteral("size%1.dat").arg(size));
    writeFile(path, QByteArray(size, '\x5A'));
    MemoryImage image = buildFactoryDefault();
    const MemoryImage before = image;
    const Result result = openDataFile(path, image);
    QVERIFY(!result.ok);
    QVERIFY(result.message.contains(QFileInfo(path).fileName()));
    QVERIFY2(result.message.contains(size > 69632 ? QStringLiteral("more than 69632")
                                                  : QString::number(size)),
             qPrintable(result.message));
    QVERIFY(image == before); // nothing changed
}

void DataFileTests::missingFileReportsSystemText() {
    MemoryImage image;
    const Result result = openDataFile(dir.filePath("absent.dat"), image);
    QVERIFY(!result.ok);
    QVERIFY(result.message.contains("absent.dat"));
    QVERIFY(result.message.contains("No such file", Qt::CaseInsensitive));
}

void DataFileTests::randomAndTruncatedFiles() {
    auto* rng = QRandomGenerator::global();
    const QByteArray good = buildFactoryDefault().toFileBytes();
    for (int round = 0; round < 40; ++round) {
        const QString path = dir.filePath(QStringLiteral("r%1.dat").arg(round));
        QByteArray bytes;
        if (round % 2 == 0) {
            bytes = good.left(int(rng->bounded(69632)));
        } else {
            const int sizes[] = {69632, 65536, int(rng->bounded(80000))};
            bytes.resize(sizes[rng->bounded(3)]);
            for (auto& b : bytes)
                b = char(rng->bounded(256));
        }
        writeFile(path, bytes);
        MemoryImage image;
        const Result result = openDataFile(path, image);
        QCOMPARE(result.ok, bytes.size() == 69632 || bytes.size() == 65536);
    }
}

void DataFileTests::failedSaveKeepsOldFile() {
    const QString path = dir.filePath("keep.dat");
    const MemoryImage old = patterned();
    QVERIFY(saveDataFile(path, old).ok);
    const QByteArray oldBytes = fileBytes(path);

    // A file size limit makes the write fail part-way, as a full disk would.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit limited = saved;
    limited.rlim_cur = 10000;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const Result result = saveDataFile(path, buildFactoryDefault());
    setrlimit(RLIMIT_FSIZE, &saved);

    QVERIFY(!result.ok);
    QVERIFY(result.message.contains("keep.dat"));
    QVERIFY2(result.message.contains("File too large"), qPrintable(result.message)); // the cause
    QCOMPARE(fileBytes(path), oldBytes);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).filter("keep").size(), 1); // no leftovers

    // A folder that does not exist is reported with the file's name.
    const Result missing = saveDataFile(dir.filePath("no/such/dir/x.dat"), old);
    QVERIFY(!missing.ok);
    QVERIFY(missing.message.contains("x.dat"));
    // A folder is never replaced by a file.
    const Result folder = saveDataFile(dir.path(), old);
    QVERIFY(!folder.ok);
    QVERIFY(folder.message.contains("it is a folder"));
    QVERIFY(QFileInfo(dir.path()).isDir());
}

QTEST_APPLESS_MAIN(DataFileTests)
#include "tst_datafile.moc"

#include "Bcd.h"
#include "DataFile.h"
#include "DefaultData.h"
#include "DerivedValues.h"
#include "Digits.h"
#include "FactoryDefault.h"
#include "FiveToneStandards.h"
#include "ImageMap.h"
#include "MemoryImage.h"
#include "RecordTemplates.h"
#include "Tones.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <set>

using namespace ImageMap;

namespace {

Frequency rxOf(const MemoryImage& image, std::uint32_t record) {
    return Bcd::read32(image.at<4>(record));
}
Frequency txOf(const MemoryImage& image, std::uint32_t record) {
    return Bcd::read32(image.at<4>(record + 4));
}

// One field of a settings form and the stored codes its list or range offers.
struct Field {
    const char* name;
    std::uint32_t address;
    int shift;
    int width; // bits; 8 for a whole byte, 16 for a little-endian word
    std::set<int> offered;
};

std::set<int> range(int lo, int hi) {
    std::set<int> s;
    for (int v = lo; v <= hi; ++v)
        s.insert(v);
    return s;
}

int readField(const MemoryImage& image, const Field& f) {
    if (f.width == 16)
        return image.word(f.address);
    return image.bits(f.address, f.shift, f.width);
}

const std::vector<Field>& settingsFields() {
    static const std::vector<Field> fields = {
        {"Left Priority Ch", 0xCC18, 0, 16, {0, 1}},
        {"Right Priority Ch", 0xCC1A, 0, 16, {0, 1}},
        {"SQL(Left)", 0xCC20, 0, 8, range(0, 4)},
        {"Auto power off", 0xCC21, 0, 8, {0, 5, 10, 15, 20}},
        {"Backlight Brightness", 0xCC22, 0, 8, range(0, 4)},
        {"Backlight Color", 0xCC23, 0, 8, range(0, 3)},
        {"STE (cleared by every store)", 0xCC25, 0, 2, {0}},
        {"Scan resume mode", 0xCC27, 0, 2, {0, 1}},
        {"Scrambler", 0xCC28, 0, 16, range(2600, 4000)},
        {"Span Transit Exit Delay", 0xCC2C, 0, 8, range(0, 50)},
        {"SQL(Right)", 0xCC2E, 0, 8, range(0, 4)},
        {"Volume", 0xCC2F, 0, 8, range(1, 15)},
        {"TOT", 0xCC30, 0, 8, range(0, 30)},
        {"TOT pre-alert", 0xCC31, 0, 8, range(0, 15)},
        {"TOT rekey", 0xCC32, 0, 8, range(0, 30)},
        {"TOT reset", 0xCC33, 0, 8, range(0, 30)},
        {"P1", 0xCC38, 0, 8, range(0, 12)},
        {"P2", 0xCC39, 0, 8, range(0, 12)},
        {"P3", 0xCC3A, 0, 8, range(0, 12)},
        {"P4", 0xCC3B, 0, 8, range(0, 12)},
        {"Alarm type", 0xCC70, 0, 8, range(0, 4)},
        {"Cycle", 0xCC71, 0, 8, range(0, 255)},
        {"Tx time", 0xCC72, 0, 8, range(1, 255)},
        {"Rx time", 0xCC73, 0, 8, range(1, 255)},
        {"EMI code (no code table entries)", 0xCC76, 0, 8, {0}},
        {"EMI code type", 0xCC77, 0, 2, {0, 1}},
        {"DTMF speed", 0xD6B0, 0, 8, {50, 75, 100}},
        {"First digit delay", 0xD6B1, 0, 8, {1, 5, 9, 15, 20}},
        {"First digit", 0xD6B2, 0, 8, {0, 2, 10, 20}},
        {"Hold time", 0xD6B3, 0, 8, range(0, 10)},
        {"Group code", 0xD6B4, 0, 8, range(10, 15)},
        {"Delimiter", 0xD6B5, 0, 8, range(10, 15)},
        {"PTT ID 1 type", 0xD6B6, 0, 2, range(0, 2)},
        {"PTT ID 2 type", 0xD6B6, 2, 2, range(0, 2)},
        {"PTT ID 3 type", 0xD6B6, 4, 2, range(0, 2)},
        {"PTT ID 4 type", 0xD6B6, 6, 2, range(0, 2)},
        {"Decode response", 0xD6D8, 0, 8, range(0, 3)},
        {"Stun type", 0xD6DA, 0, 8, range(0, 2)},
        {"Auto reset time", 0xD6DB, 0, 8, range(0, 255)},
        {"5-Tone standard", 0xD280, 0, 8, range(0, 15)},
        {"5-Tone pre-carrier", 0xD2A8, 0, 8, range(0, 255)},
        {"5-Tone decode response", 0xD2C8, 0, 8, range(0, 3)},
        {"5-Tone auto reset", 0xD2C9, 0, 8, range(0, 255)},
    };
    return fields;
}

void checkTemplate(const MemoryImage& image, std::uint32_t address, Frequency shift, bool am) {
    const auto r = image.at<32>(address);
    QCOMPARE(r[8], 0x00);
    QCOMPARE(r[9], 0x10);
    QCOMPARE(r[10], 0x23);
    QCOMPARE(r[11], 0x00);
    QCOMPARE(r[12], 0xC0);
    QCOMPARE(r[13], 0x08);
    QCOMPARE(r[14], 0x06);
    QCOMPARE(r[15], 0x00);
    QCOMPARE(Bcd::read32(r.subspan<16, 4>()), shift);
    QCOMPARE(r[20], am ? 0x10 : 0x00);
    QCOMPARE(r[21], 0x00);
    for (int i = 22; i < 32; ++i)
        QCOMPARE(r[std::size_t(i)], 0xFF);
}

} // namespace

class DefaultTests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { QVERIFY(dir.isValid()); }
    void bandDefaultsAfterNew();
    void missingDefaultFileStillClears_data();
    void missingDefaultFileStillClears();
    void defaultFileContentIsUsed();
    void factorySettingsAreOffered();
    void factoryChannelsAndRecords();
    void factoryBandTableIsValid();
    void factoryToneSystems();
    void factoryDerivedRegionsAreConsistent();

private:
    QTemporaryDir dir;
};

void DefaultTests::bandDefaultsAfterNew() {
    const QString path = dir.filePath("Default.dat");
    QVERIFY(saveDataFile(path, buildFactoryDefault()).ok);
    MemoryImage image;
    QCOMPARE(loadDefaultData(image, path), DefaultSource::File);

    const Frequency expected[12] = {3000000,  45000000, 5000000,  45000000, 15000000, 45000000,
                                    35000000, 45000000, 45000000, 45000000, 85000000, 45000000};
    for (std::uint32_t i = 0; i < 12; ++i) {
        const std::uint32_t r = kBandVfoPairs + 32 * i;
        QCOMPARE(rxOf(image, r), expected[i]);
        QCOMPARE(txOf(image, r), expected[i]);
        const bool longShift = expected[i] >= 45000000;
        checkTemplate(image, r, longShift ? 760000 : 60000, false);
    }
    const int firstBand[6] = {0, 1, 4, 6, 7, 8};
    for (std::uint32_t b = 0; b < 6; ++b) {
        const std::uint32_t r = kBandSettings + 64 * b;
        QCOMPARE(int(image.byte(r + 2)), firstBand[b]);
        QCOMPARE(int(image.byte(r + 6)), 7);
        // The rest is a copy of the settings record.
        for (std::uint32_t i = 0; i < 64; ++i)
            if (i != 2 && i != 6)
                QCOMPARE(image.byte(r + i), image.byte(kSettings + i));
    }
    // A 120 MHz default VFO record would get AM: the air band.
    MemoryImage air;
    writeInitialRecord(air.at<32>(kVfoRecords), 12000000, kAbsoluteBands);
    QCOMPARE(air.byte(kVfoRecords + 20), 0x10);
}

void DefaultTests::missingDefaultFileStillClears_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("present");
    QTest::newRow("absent") << QByteArray() << false;
    QTest::newRow("truncated") << QByteArray(1000, '\x11') << true;
}

void DefaultTests::missingDefaultFileStillClears() {
    QFETCH(QByteArray, content);
    QFETCH(bool, present);
    const QString path =
        dir.filePath(QStringLiteral("Default-%1.dat").arg(QTest::currentDataTag()));
    if (present) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    MemoryImage image;
    image.fill(0, MemoryImage::kImageSize, 0x42); // the user's old data
    QCOMPARE(loadDefaultData(image, path), DefaultSource::Factory);

    MemoryImage expected = buildFactoryDefault();
    applyBandDefaults(expected, kAbsoluteBands);
    restoreStandardFiveToneTables(expected);
    QVERIFY(image == expected);
}

void DefaultTests::defaultFileContentIsUsed() {
    const QString path = dir.filePath("Default.dat");
    MemoryImage custom = buildFactoryDefault();
    custom.setByte(kSettings + 0x2F, 12); // volume 12
    custom.pc()[0x10] = 0x99;             // reserved PC bytes travel with the file
    QVERIFY(saveDataFile(path, custom).ok);
    MemoryImage image;
    QCOMPARE(loadDefaultData(image, path), DefaultSource::File);
    QCOMPARE(image.byte(0xCC2F), 12);
    QCOMPARE(image.pc()[0x10], 0x99);
}

void DefaultTests::factorySettingsAreOffered() {
    const MemoryImage image = buildFactoryDefault();
    for (const Field& f : settingsFields())
        QVERIFY2(f.offered.count(readField(image, f)),
                 qPrintable(QStringLiteral("%1 holds %2").arg(f.name).arg(readField(image, f))));
    // Untouched bits and reserved bytes of the settings block start cleared.
    QCOMPARE(image.bits(0xCC24, 2, 2), 0);
    QCOMPARE(image.byte(0xCC2D), 0);
    // Both priority channels name no channel or a channel in use.
    QVERIFY(!isEmptyRecord(image.at<32>(channelAddress(1))));
    // Code fields decode to what their edits accept.
    QCOMPARE(Digits::readCode(image.at(0xD6B8, 8), Digits::Code::Dtmf), QString());
    QCOMPARE(image.byte(0xD6D7), 0xFF);
    for (std::uint32_t i = 0; i < 16 * 24; ++i)
        QCOMPARE(image.byte(kDtmfCodeTable + i), 0xFF); // code table entries not in use
}

void DefaultTests::factoryChannelsAndRecords() {
    const MemoryImage image = buildFactoryDefault();
    const NineBands bands = factoryWorkingBands();
    // Channels 1 and 801 on the VHF band's lower edge; every other bank A channel as the table
    // stores an empty row; bank B unprogrammed.
    for (int n : {1, 801}) {
        QCOMPARE(rxOf(image, channelAddress(n)), 13400000u);
        QCOMPARE(txOf(image, channelAddress(n)), 13400000u);
        checkTemplate(image, channelAddress(n), 60000, false);
    }
    for (int n = 2; n <= 800; ++n) {
        QVERIFY(isEmptyRecord(image.at<32>(channelAddress(n))));
        QCOMPARE(image.word(channelAddress(n)), 0xFFFF);
        checkTemplate(image, channelAddress(n), 760000, false);
    }
    for (int n = 802; n <= 1600; ++n)
        QVERIFY(isEmptyRecord(image.at<32>(channelAddress(n))));
    // Scan edges are empty records as the scan form clears them.
    for (std::uint32_t k = 0; k < 10; ++k) {
        QVERIFY(isEmptyRecord(image.at<32>(kScanEdges + 32 * k)));
        checkTemplate(image, kScanEdges + 32 * k, 60000, false);
    }
    // VFO records: enabled bands inside their limits, the others on the built-in lower edge.
    for (int k = 0; k < 11; ++k) {
        const Frequency rx = rxOf(image, kVfoRecords + 32 * std::uint32_t(k));
        QCOMPARE(txOf(image, kVfoRecords + 32 * std::uint32_t(k)), rx);
        if (k == 4 || k == 9)
            QVERIFY(bands[4].contains(rx));
        else if (k == 7 || k == 10)
            QVERIFY(bands[7].contains(rx));
        else
            QCOMPARE(rx, kAbsoluteBands[std::size_t(k)].lower);
    }
    QVERIFY(std::ranges::equal(image.at(kVfoRecords, 288), image.at(kVfoCopy, 288)));
    // Band VFO pairs all lie in an enabled band; band settings name enabled bands and usable
    // pairs.
    for (std::uint32_t b = 0; b < 6; ++b) {
        const int first = bandOf(bands, rxOf(image, kBandVfoPairs + 64 * b));
        const int second = bandOf(bands, rxOf(image, kBandVfoPairs + 64 * b + 32));
        QVERIFY(first == 4 || first == 7);
        QCOMPARE(second, 7);
    }
    for (std::uint32_t r : {0xCC00u, 0xDB80u, 0xDBC0u, 0xDC00u, 0xDC40u, 0xDC80u, 0xDCC0u}) {
        QVERIFY(image.word(r) == 1 && image.word(r + 4) == 1);
        QVERIFY(image.byte(r + 2) == 4 || image.byte(r + 2) == 7);
        QCOMPARE(image.byte(r + 6), 7);
        QCOMPARE(image.byte(r + 8), 0xFF);
        QVERIFY(image.byte(r + 11) <= 5);
        for (std::uint32_t i : {16u, 17u, 18u, 20u, 21u, 22u})
            QVERIFY(image.byte(r + i) <= 15);
    }
}

void DefaultTests::factoryBandTableIsValid() {
    const MemoryImage image = buildFactoryDefault();
    auto rxLowerSet = [&](int b) {
        const std::uint8_t msb = image.byte(kBandLimits + 16 * std::uint32_t(b) + 3);
        return msb != 0x00 && msb != 0xFF;
    };
    // The band-limit editor would close on it.
    QVERIFY(!(rxLowerSet(1) && rxLowerSet(2)));
    QVERIFY(!(rxLowerSet(5) && rxLowerSet(7)));
    QVERIFY(rxLowerSet(4) || rxLowerSet(5) || rxLowerSet(7));
    // Its consistency rule would change nothing.
    for (int b = 0; b < 9; ++b) {
        if (!rxLowerSet(b))
            continue;
        const std::uint32_t r = kBandLimits + 16 * std::uint32_t(b);
        const Frequency l = rxOf(image, r), u = txOf(image, r);
        const Frequency tl = rxOf(image, r + 8), tu = txOf(image, r + 8);
        const BandRange abs = kAbsoluteBands[std::size_t(b)];
        QVERIFY(l < u && l >= abs.lower && l < abs.upper && u > abs.lower && u <= abs.upper);
        QVERIFY(tl >= l && tl <= u && tu >= l && tu <= u);
        QCOMPARE(gridCheck(l), l);
        QCOMPARE(gridCheck(u), u);
    }
}

void DefaultTests::factoryToneSystems() {
    const MemoryImage image = buildFactoryDefault();
    const std::set<int> formats = {0x00, 0x12, 0x13, 0x14, 0x21, 0x23, 0x24, 0x31,
                                   0x32, 0x34, 0x41, 0x42, 0x43, 0x10, 0x20, 0x30};
    for (std::uint32_t s = 0; s < 16; ++s) {
        const std::uint32_t r = kTwoToneSystems + 32 * s;
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(image.at(r, 6).data()), 6),
                 QStringLiteral("2T-S%1").arg(s + 1, 2, 10, QChar(u'0')).toLatin1());
        const int limits[5][2] = {{0, 50}, {0, 40}, {0, 40}, {5, 100}, {0, 20}};
        for (std::uint32_t i = 0; i < 5; ++i)
            QVERIFY(image.byte(r + 8 + i) >= limits[i][0] && image.byte(r + 8 + i) <= limits[i][1]);
        for (std::uint32_t t = 0; t < 4; ++t)
            QVERIFY(image.word(r + 16 + 2 * t) >= 2880 && image.word(r + 16 + 2 * t) <= 31160);
        QVERIFY(image.byte(r + 24) != 0x00); // Decode 1 is never "Off"
        std::set<int> used;
        for (std::uint32_t d = 0; d < 4; ++d) {
            const int code = image.byte(r + 24 + d);
            QVERIFY(formats.count(code));
            QVERIFY(code == 0 || used.insert(code).second); // no format twice
        }
        QVERIFY(image.byte(r + 30) <= 50);
    }
    for (std::uint32_t n = 0; n < 16; ++n) {
        const std::uint32_t r = kTwoToneContacts + 16 * n;
        QCOMPARE(image.word(r + 8), 0xFFFF); // empty contact
        QCOMPARE(image.byte(r + 12), 0);
        QCOMPARE(image.byte(r + 13), 1);
    }
    // 5-Tone: PC block headers as built in, the image block is ZVEI1's entry, and the
    // standard's letters differ.
    for (int k = 0; k < 16; ++k) {
        const auto e = pcFiveToneSystem(k);
        QCOMPARE(int(image.pc()[e]), k);
        QCOMPARE(int(image.pc()[e + 1]), fiveToneStandard(k).nominalWidthMs);
        QCOMPARE(image.pc()[e + 2], 0x0A);
        QCOMPARE(image.pc()[e + 3], 0x0E);
        QCOMPARE(image.pc()[e + 4], fiveToneStandard(k).hasDelimiter ? 0x0F : 0x00);
    }
    QVERIFY(std::ranges::equal(image.at(kFiveToneSystem, 40),
                               image.pc().subspan(pcFiveToneSystem(0), 40)));
    QCOMPARE(Digits::readCode(image.at(0xD2D0, 8), Digits::Code::Hex), QStringLiteral("12345"));
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(image.at(0xD2D0 + 32 + 8, 6).data()), 6),
             QByteArray("2T-S02"));
}

void DefaultTests::factoryDerivedRegionsAreConsistent() {
    const MemoryImage image = buildFactoryDefault();
    MemoryImage again = image;
    recomputeToneDecoderCoefficients(again);
    recomputeScramblerCoefficient(again);
    rebuildChannelBitmaps(again, factoryWorkingBands());
    QVERIFY(again == image);
    QCOMPARE(image.word(kScramblerCoefficient), 9011);
    // Only channel 1 (and 801 in bank B) are in use and scanned.
    QCOMPARE(image.byte(0xCC80), 0x01);
    QCOMPARE(image.byte(0xCD00), 0x01);
    QCOMPARE(image.byte(0xCD80), 0x00);
    QCOMPARE(image.byte(0xCE00), 0x01);
    // Bit of channel 800 is bit 7 of byte 99.
    MemoryImage last = image;
    writeInitialRecord(last.at<32>(channelAddress(800)), 14500000, kAbsoluteBands);
    last.setBits(channelAddress(800) + 12, 0, 2, 2); // priority
    rebuildChannelBitmaps(last, kAbsoluteBands);
    for (std::uint32_t map : {0xCC80u, 0xCD00u, 0xCD80u})
        QCOMPARE(last.byte(map + 99), 0x80);
}

QTEST_APPLESS_MAIN(DefaultTests)
#include "tst_defaults.moc"

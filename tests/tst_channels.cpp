#include "BandState.h"
#include "Bcd.h"
#include "ChannelRecord.h"
#include "ChannelRules.h"
#include "ChannelTable.h"
#include "FactoryDefault.h"
#include "ImageMap.h"
#include "MemoryImage.h"
#include "Normalization.h"

#include <QRandomGenerator>
#include <QTest>

using namespace ImageMap;
using T = ChannelTable;

namespace {

constexpr Frequency MHz(double mhz) {
    return Frequency(mhz * 100000 + 0.5);
}

Record channel(MemoryImage& image, int n) {
    return image.at<32>(channelAddress(n));
}

} // namespace

class ChannelTests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void snapping_data();
    void snapping();
    void recordFields();
    void emptyTestAndTemplates();
    void offsetDirection();
    void sqlModeRule();
    void firstChannelsAndBandChange();
    void factoryDefaultIsAFixedPoint();
    void normalizationSteps();
    void tableNewAndClearedChannels();
    void tableFirstRowRules();
    void tableToneAndCodeCells();
    void tableStore();
    void randomImagesSettleAfterOneStore();
};

void ChannelTests::snapping_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("snapped");
    QTest::newRow("both remainders 370") << "145.0037"
                                         << "145.00000";
    QTest::newRow("5 kHz nearer") << "438.017"
                                  << "438.01500";
    QTest::newRow("8.33 kHz in VHF") << "145.0088"
                                     << "145.00833";
    QTest::newRow("6.25 kHz stays") << "446.00625"
                                    << "446.00625";
    QTest::newRow("2.5 kHz stays") << "446.0075"
                                   << "446.00750";
    QTest::newRow("air band 8.33") << "118.008"
                                   << "118.00833";
    QTest::newRow("air band 16.66") << "118.0166"
                                    << "118.01666";
    QTest::newRow("850M 12.5 kHz stays") << "851.0125"
                                         << "851.01250";
    QTest::newRow("850M down to 5 kHz") << "851.0063"
                                        << "851.00500";
}

void ChannelTests::snapping() {
    QFETCH(QString, typed);
    QFETCH(QString, snapped);
    const BandState bands;
    const Frequency f = FrequencyText::toValue(typed);
    QCOMPARE(FrequencyText::fromValue(ChannelRules::snapFrequency(f, bands.bandOf(f))), snapped);
}

void ChannelTests::recordFields() {
    MemoryImage image;
    const Record r = channel(image, 7);
    std::fill(r.begin(), r.end(), 0x00);
    ChannelRecord::setCode(r, ChannelField::TxPower, 2);
    ChannelRecord::setCode(r, ChannelField::Scan, 3);
    ChannelRecord::setCode(r, ChannelField::SqlMode, 4);
    ChannelRecord::setCode(r, ChannelField::Bandwidth, 2);
    ChannelRecord::setCode(r, ChannelField::DecodeType, 7);
    ChannelRecord::setCode(r, ChannelField::TableDecodeType, 1); // keeps bit 2
    ChannelRecord::setCode(r, ChannelField::PttId, 5);
    QCOMPARE(r[12], 0b1000'0011);
    QCOMPARE(r[13], 0b1000'0100);
    QCOMPARE(r[15], 0b0000'0101);
    QCOMPARE(r[21], 5);
    QCOMPARE(ChannelRecord::code(r, ChannelField::DecodeType), 5);
    ChannelRecord::setName(r, "AB");
    QCOMPARE(r[24], 'A');
    QCOMPARE(r[26], 0xFF);
    QCOMPARE(r[29], 0xFF);
    r[19] = 0xFF;
    QCOMPARE(ChannelRecord::offset(r), 0u); // offset not set
    r[26] = 0x7F;                           // a byte that is not printable ends the name
    ChannelRecord::setName(r, "ABCDEFGH");
    QCOMPARE(ChannelRecord::name(r), QStringLiteral("ABCDEF"));
}

void ChannelTests::emptyTestAndTemplates() {
    MemoryImage image;
    const BandState bands;
    const Record r = channel(image, 3);
    r[3] = 0x00;
    QVERIFY(isEmptyRecord(r));
    r[3] = 0xFF;
    QVERIFY(isEmptyRecord(r));
    r[3] = 0x14;
    QVERIFY(!isEmptyRecord(r));
    // The initializer without a frequency writes a 0.6 MHz offset; the empty row 7.6 MHz.
    ChannelRules::initializeChannel(image, 3, 0, bands);
    QCOMPARE(ChannelRecord::offset(r), 60000u);
    QVERIFY(isEmptyRecord(r));
    writeEmptyRowRecord(r);
    QCOMPARE(ChannelRecord::offset(r), 760000u);
    ChannelRules::initializeChannel(image, 3, MHz(440), bands);
    QCOMPARE(ChannelRecord::offset(r), 760000u); // 450M band
    QCOMPARE(ChannelRecord::txFrequency(r), MHz(440));
    ChannelRules::initializeChannel(image, 3, MHz(120), bands);
    QCOMPARE(ChannelRecord::code(r, ChannelField::Am), 1); // air band
}

void ChannelTests::offsetDirection() {
    using ChannelRules::offsetDirection;
    QCOMPARE(offsetDirection(MHz(145), MHz(145.6), 2, MHz(0.6)), 2);
    QCOMPARE(offsetDirection(MHz(145), MHz(145.6), 2, MHz(0.5)), 3);
    QCOMPARE(offsetDirection(MHz(145), MHz(144.4), 1, MHz(0.6)), 1);
    QCOMPARE(offsetDirection(MHz(145), MHz(145), 3, MHz(0.6)), 0);
    QCOMPARE(offsetDirection(MHz(145), MHz(145.6), 0, MHz(0.6)), 3);
}

void ChannelTests::sqlModeRule() {
    MemoryImage image;
    const Record r = channel(image, 1);
    struct Case {
        int decode, signaling, mode, expected;
    } cases[] = {{0, 0, 1, 0}, {2, 0, 1, 1}, {3, 1, 2, 2}, {3, 0, 2, 0},
                 {2, 1, 3, 3}, {1, 1, 4, 0}, {2, 0, 4, 0}, {0, 0, 0, 0}};
    for (const Case& c : cases) {
        ChannelRecord::setCode(r, ChannelField::DecodeType, c.decode);
        ChannelRecord::setCode(r, ChannelField::OptionSignaling, c.signaling);
        ChannelRecord::setCode(r, ChannelField::SqlMode, c.mode);
        ChannelRules::applySqlModeRule(r);
        QCOMPARE(ChannelRecord::code(r, ChannelField::SqlMode), c.expected);
    }
}

void ChannelTests::firstChannelsAndBandChange() {
    MemoryImage image = buildFactoryDefault();
    const BandState bands = BandState::fromImage(image);
    channel(image, 1)[3] = 0xFF;
    channel(image, 801)[3] = 0xFF;
    ChannelRules::ensureFirstChannels(image, bands);
    QCOMPARE(ChannelRecord::rxFrequency(channel(image, 1)), MHz(134));
    QCOMPARE(ChannelRecord::txFrequency(channel(image, 801)), MHz(134));
    QCOMPARE(ChannelRecord::offset(channel(image, 1)), 60000u); // the offset of band 4
    // Only band 7: the lower edge of band 7.
    BandState uhf = bands;
    uhf.enabled[4] = false;
    channel(image, 1)[3] = 0xFF;
    ChannelRules::ensureFirstChannels(image, uhf);
    QCOMPARE(ChannelRecord::rxFrequency(channel(image, 1)), MHz(400));
    QCOMPARE(ChannelRecord::txFrequency(channel(image, 1)), MHz(400));
    QCOMPARE(ChannelRecord::offset(channel(image, 1)), 760000u); // band 7's, as a table fill gives

    ChannelRules::initializeChannel(image, 9, MHz(145), bands);
    ChannelRules::initializeChannel(image, 10, MHz(440), bands);
    BandState vhfOnly = bands;
    vhfOnly.nine[7] = {};
    ChannelRules::clearChannelsOutsideBands(image, vhfOnly);
    QVERIFY(!isEmptyRecord(channel(image, 9)));
    QVERIFY(isEmptyRecord(channel(image, 10)));
}

void ChannelTests::factoryDefaultIsAFixedPoint() {
    const MemoryImage factory = buildFactoryDefault();
    MemoryImage image = factory;
    BandState bands = BandState::fromImage(image);
    ChannelTable table(image, bands);
    table.fill();
    table.store();
    QVERIFY(image == factory);
}

void ChannelTests::normalizationSteps() {
    MemoryImage image = buildFactoryDefault();
    const BandState bands = BandState::fromImage(image);
    // 5-Tone codes: letters without a tone in the standard and the repeat letter go.
    image.setByte(0xD283, 0x0C);       // repeat "C"
    image.setWord(0xD288 + 2 * 11, 0); // no tone for "B"
    const std::uint8_t code[8] = {1, 0x0B, 2, 0x0C, 0x0A, 0x20, 3, 0xFF};
    std::copy_n(code, 8, image.at(0xD2B0, 8).begin());
    // The EMI code names an unused DTMF code entry; priority channels name empty channels.
    image.setByte(kEmiCode, 3);
    image.setWord(kLeftPriorityChannel, 5);
    image.setWord(kRightPriorityChannel, 1);
    image.setWord(kScramblerFrequency, 5000); // out of range: computed from 3300 Hz
    // A VFO record outside its band and one of a disabled band.
    ChannelRecord::setRxFrequency(image.at<32>(kVfoRecords + 32 * 4), MHz(300));
    ChannelRecord::setRxFrequency(image.at<32>(kVfoRecords + 32 * 1), MHz(50));
    // A band settings record naming a disabled band and an unusable pair.
    image.setByte(kSettings + 2, 0);
    image.setByte(kSettings + 11, 9);
    image.setByte(kSettings + 9, 0x0F);
    image.setWord(kSettings + 4, 900);
    image.setByte(kSettings + 20, 16);

    normalizeAfterTableStore(image, bands);
    const std::uint8_t cleaned[8] = {1, 2, 0x0A, 3, 0xFF, 0xFF, 0xFF, 0xFF};
    QVERIFY(std::ranges::equal(image.at(0xD2B0, 8), cleaned));
    QCOMPARE(image.byte(kEmiCode), 0);
    QCOMPARE(image.word(kLeftPriorityChannel), 0);
    QCOMPARE(image.word(kRightPriorityChannel), 1); // channel 801 is in use
    QCOMPARE(image.word(kScramblerCoefficient), 9011);
    QCOMPARE(ChannelRecord::rxFrequency(image.at<32>(kVfoRecords + 32 * 4)), MHz(134));
    QCOMPARE(ChannelRecord::rxFrequency(image.at<32>(kVfoRecords + 32 * 1)), MHz(47));
    QVERIFY(std::ranges::equal(image.at(kVfoRecords, 288), image.at(kVfoCopy, 288)));
    QCOMPARE(image.byte(kSettings + 2), 4);
    QCOMPARE(image.byte(kSettings + 11), 0);
    QCOMPARE(image.byte(kSettings + 9), 0x00);
    QCOMPARE(image.word(kSettings + 4), 1);
    QCOMPARE(image.byte(kSettings + 20), 0);
    // Band VFO pairs follow the band limits: 30M's pair on the first defined band.
    QCOMPARE(ChannelRecord::rxFrequency(image.at<32>(kBandVfoPairs)), MHz(134));
    QCOMPARE(ChannelRecord::rxFrequency(image.at<32>(kBandVfoPairs + 64 * 4)), MHz(400));
    QCOMPARE(ChannelRecord::rxFrequency(image.at<32>(kBandVfoPairs + 32)), MHz(400));
}

void ChannelTests::tableNewAndClearedChannels() {
    MemoryImage image = buildFactoryDefault();
    BandState bands; // built-in limits: 30 MHz lies in band 0
    ChannelTable table(image, bands);
    table.fill();
    QVERIFY(table.rowEmpty(5));
    QVERIFY(table.commit(5, T::Rx, "30"));
    const QStringList expected = {"5",        "30.00000", "30.00000", "Off",  "100.0", "023",
                                  "Positive", "High",     "Allow",    "Wide", "Off",   ""};
    for (int c = 0; c < T::kColumns; ++c)
        QCOMPARE(table.text(5, c), expected[c]);
    QCOMPARE(ChannelRecord::rxFrequency(channel(image, 5)), MHz(30)); // written at once
    QVERIFY(table.commit(6, T::Rx, "5")); // in no band: the first defined band's edge
    QCOMPARE(table.text(6, T::Rx), QStringLiteral("26.00000"));
    QVERIFY(table.commit(5, T::Rx, ""));
    for (int c = T::Rx; c < T::kColumns; ++c)
        QVERIFY(table.text(5, c).isEmpty());
    QVERIFY(isEmptyRecord(channel(image, 5)));
    QCOMPARE(ChannelRecord::offset(channel(image, 5)), 60000u); // cleared at once
    // Option cells of an empty row stay empty.
    QVERIFY(table.commit(7, T::Power, "Low"));
    QCOMPARE(table.text(7, T::Power), QString());
    QVERIFY(table.commit(7, T::Tx, "145"));
    QCOMPARE(table.text(7, T::Tx), QString());
}

void ChannelTests::tableFirstRowRules() {
    MemoryImage image = buildFactoryDefault();
    BandState bands = BandState::fromImage(image);
    ChannelTable table(image, bands);
    table.fill();
    QVERIFY(!table.commit(1, T::Rx, "")); // channel 1 cannot be emptied
    QCOMPARE(table.text(1, T::Rx), QStringLiteral("134.00000"));
    QVERIFY(table.commit(1, T::Rx, "120")); // not a main band: the previous text stays
    QCOMPARE(table.text(1, T::Rx), QStringLiteral("134.00000"));
    QVERIFY(table.commit(1, T::Rx, "440"));
    QCOMPARE(table.text(1, T::Rx), QStringLiteral("440.00000"));
    // An empty channel 1 is given the default band's lower edge while filling.
    channel(image, 1)[3] = 0xFF;
    table.fillRow(1);
    QCOMPARE(table.text(1, T::Rx), QStringLiteral("134.00000"));
}

void ChannelTests::tableToneAndCodeCells() {
    MemoryImage image = buildFactoryDefault();
    BandState bands = BandState::fromImage(image);
    ChannelTable table(image, bands);
    table.fill();
    const std::pair<const char*, const char*> ctcss[] = {
        {"88.5", "88.5"}, {"100.1", "100.1"}, {"300", "100.0"}, {"59.9", "100.0"}, {"", "100.0"}};
    for (auto [typed, shown] : ctcss) {
        table.commit(1, T::Ctcss, typed);
        QCOMPARE(table.text(1, T::Ctcss), QString::fromLatin1(shown));
    }
    const std::pair<const char*, const char*> dcs[] = {
        {"999", "023"}, {"7", "007"}, {"089", "089"}, {"", "023"}};
    for (auto [typed, shown] : dcs) {
        table.commit(1, T::Dcs, typed);
        QCOMPARE(table.text(1, T::Dcs), QString::fromLatin1(shown));
    }
    table.commit(1, T::Name, "ab!c");
    QCOMPARE(table.text(1, T::Name), QStringLiteral("ABC"));
}

void ChannelTests::tableStore() {
    MemoryImage image = buildFactoryDefault();
    BandState bands = BandState::fromImage(image);
    ChannelTable table(image, bands);
    table.fill();
    QVERIFY(table.commit(2, T::Rx, "145"));
    ChannelRecord::setName(channel(image, 2), "ABCDEF");
    ChannelRecord::setCode(channel(image, 2), ChannelField::TxStop, 1);
    ChannelRecord::setCode(channel(image, 2), ChannelField::SqlMode, 1);
    ChannelRecord::setCode(channel(image, 2), ChannelField::OffsetDirection, 2);
    table.commit(2, T::Name, "AB");
    table.commit(2, T::Tx, "145.6");
    table.commit(2, T::Scan, "Priority");
    table.commit(2, T::DecodeType, "Ctcss Codec");
    table.store();
    const Record r = channel(image, 2);
    QCOMPARE(ChannelRecord::txFrequency(r), MHz(145.6));
    QCOMPARE(ChannelRecord::code(r, ChannelField::OffsetDirection), 2); // "+" with 0.6 MHz
    QCOMPARE(ChannelRecord::code(r, ChannelField::TxStop), 0);
    QCOMPARE(ChannelRecord::code(r, ChannelField::SqlMode), 1); // tone decoding is on
    QCOMPARE(r[24], 'A');
    QCOMPARE(r[26], 0xFF);
    QCOMPARE(image.byte(0xCD80), 0x02); // channel 2 in the priority bitmap

    table.commit(2, T::Tx, "145"); // Tx equal to Rx: direction off
    table.commit(2, T::DecodeType, "Off");
    table.store();
    QCOMPARE(ChannelRecord::code(r, ChannelField::OffsetDirection), 0);
    QCOMPARE(ChannelRecord::code(r, ChannelField::SqlMode), 0); // no tone decoding any more
    // Every empty bank A channel is stored as the empty-row template.
    QCOMPARE(ChannelRecord::offset(channel(image, 3)), 760000u);

    // A Tx that is not set (the channel edit dialog keeps one so) shows empty and stays unset,
    // never a frequency made of the FF bytes.
    std::fill(r.begin() + 4, r.begin() + 8, 0xFF);
    table.fill();
    QCOMPARE(table.text(2, T::Tx), QString());
    table.store();
    QVERIFY(!ChannelRecord::txIsSet(r));
    QCOMPARE(r[7], 0xFF);
}

void ChannelTests::randomImagesSettleAfterOneStore() {
    // Whatever a file or a radio holds, one table store brings it into line: a second store
    // changes nothing, and nothing reads or writes out of bounds on the way.
    QRandomGenerator rng(20261208);
    for (int round = 0; round < 20; ++round) {
        MemoryImage image;
        for (auto& b : image.image())
            b = std::uint8_t(rng.bounded(256));
        if (round % 2 == 0) // half of them with a sane band table
            std::ranges::copy(buildFactoryDefault().at(kBandLimits, 144),
                              image.at(kBandLimits, 144).begin());
        BandState bands = BandState::fromImage(image);
        ChannelTable table(image, bands);
        table.fill();
        table.store();
        const MemoryImage once = image;
        table.fill();
        table.store();
        QString differences;
        for (std::uint32_t a = 0; a < 0x10000 && differences.size() < 200; ++a)
            if (image.byte(a) != once.byte(a))
                differences += QStringLiteral(" %1:%2>%3")
                                   .arg(a, 4, 16)
                                   .arg(once.byte(a), 2, 16)
                                   .arg(image.byte(a), 2, 16);
        QVERIFY2(image == once,
                 qPrintable(QStringLiteral("round %1:%2").arg(round).arg(differences)));
    }
}

QTEST_APPLESS_MAIN(ChannelTests)
#include "tst_channels.moc"

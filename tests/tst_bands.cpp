#include "BandLimitEditing.h"
#include "BandState.h"
#include "Bcd.h"
#include "FactoryDefault.h"
#include "ImageMap.h"
#include "MemoryImage.h"
#include "RadioIdentity.h"

#include <QTest>

namespace {

constexpr Frequency MHz(double mhz) {
    return Frequency(mhz * 100000 + 0.5);
}

// An image whose band-limit table holds exactly the given receive edges; other bands empty.
MemoryImage withBands(std::initializer_list<std::tuple<int, Frequency, Frequency>> bands,
                      std::uint8_t emptyByte = 0x00) {
    MemoryImage image = buildFactoryDefault();
    image.fill(ImageMap::kBandLimits, 9 * 16, emptyByte);
    for (auto [b, lo, hi] : bands) {
        Bcd::write32(image.at<4>(ImageMap::kBandLimits + 16 * std::uint32_t(b)), lo);
        Bcd::write32(image.at<4>(ImageMap::kBandLimits + 16 * std::uint32_t(b) + 4), hi);
    }
    return image;
}

} // namespace

class BandTests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void builtInState();
    void loadedState();
    void emptyEdgesAndTheSecondMainBand();
    void lookups();
    void commitRules();
    void consistencyAndClosing();
    void writeBack();
    void identity();
};

void BandTests::builtInState() {
    const BandState s;
    QVERIFY(s.enabled[0]);
    for (int b = 1; b < 9; ++b)
        QVERIFY(!s.enabled[std::size_t(b)]);
    QVERIFY(!s.firstMainPresent && !s.secondMainPresent);
    QCOMPARE(s.mainBands[0].lower, MHz(134));
    QCOMPARE(s.mainBands[1].upper, MHz(512));
    QCOMPARE(s.bandOf(MHz(30)), 0);
    QCOMPARE(s.bandOf(MHz(133.995)), 3);
    QCOMPARE(s.bandOf(MHz(134)), 4);
    QCOMPARE(s.bandOf(MHz(5)), -1);
    QCOMPARE(s.bandOf(MHz(145), true), 0);
    QCOMPARE(s.bandOf(MHz(440), true), 1);
    QCOMPARE(s.bandOf(MHz(240), true), -1);
    QCOMPARE(s.defaultBand(), -1); // neither 150M nor 450M enabled at start
    QCOMPARE(s.firstDefinedBand(), 0);
}

void BandTests::loadedState() {
    const BandState s = BandState::fromImage(buildFactoryDefault());
    QVERIFY(s.enabled[4] && s.enabled[7]);
    QVERIFY(!s.enabled[0] && !s.enabled[3]);
    QVERIFY(s.firstMainPresent && s.secondMainPresent);
    QCOMPARE(s.defaultBand(), 4);
    QCOMPARE(s.firstDefinedBand(), 4);
    QCOMPARE(s.bandOf(MHz(30)), -1); // band 0 has no working edges now
    QCOMPARE(s.nine[0].lower, 0u);
    QCOMPARE(s.bandOf(MHz(145)), 4);
}

void BandTests::emptyEdgesAndTheSecondMainBand() {
    // 0xFF FF FF FF edges read as empty: the band is absent.
    const MemoryImage ffEmpty = withBands({{5, MHz(220), MHz(260)}}, 0xFF);
    const BandState s = BandState::fromImage(ffEmpty);
    QCOMPARE(s.nine[7].lower, 0u);
    QVERIFY(!s.enabled[7]);
    QVERIFY(s.enabled[5]);
    // 250M present and 450M absent: the second main band is 220-260 MHz.
    QCOMPARE(s.mainBands[1].lower, MHz(220));
    QCOMPARE(s.mainBands[1].upper, MHz(260));
    QVERIFY(s.secondMainPresent);
    QVERIFY(!s.firstMainPresent);
    QCOMPARE(s.defaultBand(), -1);
    QCOMPARE(BandLimitTable::fromImage(ffEmpty).cellText(7, 0), QString());

    // Both 250M and 450M: the 250M band wins the second main band; the editor refuses to close.
    const MemoryImage both =
        withBands({{4, MHz(136), MHz(174)}, {5, MHz(220), MHz(260)}, {7, MHz(400), MHz(470)}});
    QCOMPARE(BandState::fromImage(both).mainBands[1].lower, MHz(220));
    QVERIFY(!BandLimitTable::fromImage(both).closeAllowed());

    // An edge outside its band's range does not enable the band, even though it loads.
    const BandState odd = BandState::fromImage(withBands({{4, MHz(100), MHz(174)}}));
    QVERIFY(!odd.enabled[4]);
    QCOMPARE(odd.nine[4].lower, MHz(100));
}

void BandTests::lookups() {
    const BandState s = BandState::fromImage(buildFactoryDefault());
    QCOMPARE(s.mainBandCheck(MHz(145)), 4);
    QCOMPARE(s.mainBandCheck(MHz(440)), 7);
    QCOMPARE(s.mainBandCheck(MHz(120)), -1);
    QVERIFY(s.sameBand(MHz(145), MHz(146)));
    QVERIFY(!s.sameBand(MHz(145), MHz(440)));
    QVERIFY(s.sameBand(MHz(5), MHz(300))); // both in no band
    QVERIFY(s.sameBand(MHz(440), MHz(500), true));
    QCOMPARE(s.firstDefinedBand(true), 0);
    BandState none;
    none.nine = {};
    none.mainBands = {};
    QCOMPARE(none.firstDefinedBand(), -1);
    QCOMPARE(none.firstDefinedBand(true), -1);
}

void BandTests::commitRules() {
    BandLimitTable t = BandLimitTable::fromImage(buildFactoryDefault());
    // Typing 140 in 150M's receive lower cell with upper 180 stays; 190 gives the band's edge.
    QVERIFY(t.commit(4, BandLimitTable::RxLower, "140"));
    QCOMPARE(t.cellText(4, 0), QStringLiteral("140.00000"));
    QVERIFY(t.commit(4, BandLimitTable::RxLower, "190"));
    QCOMPARE(t.cellText(4, 0), QStringLiteral("134.00000"));
    // Upper: below the lower edge or past the band gives the band's upper edge.
    QVERIFY(t.commit(4, BandLimitTable::RxUpper, "174.0037"));
    QCOMPARE(t.cellText(4, 1), QStringLiteral("174.00000")); // grid check
    QVERIFY(t.commit(4, BandLimitTable::RxUpper, "100"));
    QCOMPARE(t.cellText(4, 1), QStringLiteral("180.00000"));
    // An empty pair takes the whole band.
    QVERIFY(t.commit(1, BandLimitTable::RxUpper, "52"));
    QCOMPARE(t.cellText(1, 0), QStringLiteral("47.00000"));
    QCOMPARE(t.cellText(1, 1), QStringLiteral("54.00000"));
    // Emptying a transmit cell clears both transmit cells; a receive cell clears the row.
    QVERIFY(t.commit(7, BandLimitTable::TxUpper, ""));
    QCOMPARE(t.cellText(7, 2), QString());
    QCOMPARE(t.cellText(7, 3), QString());
    QVERIFY(!t.cellText(7, 0).isEmpty());
    QVERIFY(t.commit(1, BandLimitTable::RxLower, ""));
    for (int c = 0; c < 4; ++c)
        QCOMPARE(t.cellText(1, c), QString());
    // The last of 150M, 250M and 450M cannot be emptied.
    QVERIFY(t.commit(7, BandLimitTable::RxUpper, ""));
    QVERIFY(!t.commit(4, BandLimitTable::RxLower, ""));
    QCOMPARE(t.cellText(4, 0), QStringLiteral("134.00000"));
    // The transmit cells of the receive-only bands are not editable.
    QVERIFY(!BandLimitTable::editable(3, BandLimitTable::TxLower));
    QVERIFY(!BandLimitTable::editable(8, BandLimitTable::TxUpper));
    QVERIFY(BandLimitTable::editable(8, BandLimitTable::RxUpper));
}

void BandTests::consistencyAndClosing() {
    MemoryImage image = withBands({{4, MHz(190), MHz(170)}, {7, MHz(400), MHz(600)}});
    Bcd::write32(image.at<4>(ImageMap::kBandLimits + 16 * 4 + 8), MHz(100));  // tx lower
    Bcd::write32(image.at<4>(ImageMap::kBandLimits + 16 * 4 + 12), MHz(200)); // tx upper
    Bcd::write32(image.at<4>(ImageMap::kBandLimits + 16 * 3 + 8), MHz(120));  // 108M tx
    const BandLimitTable t = BandLimitTable::fromImage(image);
    QCOMPARE(t.cellText(4, 0), QStringLiteral("134.00000")); // lower above upper
    QCOMPARE(t.cellText(4, 1), QStringLiteral("170.00000"));
    QCOMPARE(t.cellText(4, 2), QStringLiteral("134.00000")); // transmit inside receive
    QCOMPARE(t.cellText(4, 3), QStringLiteral("170.00000"));
    QCOMPARE(t.cellText(7, 1), QStringLiteral("512.00000")); // upper past the band
    QCOMPARE(t.cellText(3, 2), QString());                   // receive only
    QVERIFY(t.closeAllowed());

    BandLimitTable u = t;
    QVERIFY(u.commit(1, BandLimitTable::RxLower, "50"));
    QVERIFY(u.commit(2, BandLimitTable::RxLower, "70"));
    QVERIFY(!u.closeAllowed()); // 50M and 60M together
    QVERIFY(u.commit(2, BandLimitTable::RxLower, ""));
    QVERIFY(u.closeAllowed());
}

void BandTests::writeBack() {
    MemoryImage image = buildFactoryDefault();
    BandState state = BandState::fromImage(image);
    BandLimitTable t = BandLimitTable::fromImage(image);
    QVERIFY(t.commit(7, BandLimitTable::RxLower, ""));    // drop 450M
    QVERIFY(t.commit(5, BandLimitTable::RxLower, "225")); // an empty band first takes 220-260
    QVERIFY(t.commit(5, BandLimitTable::RxLower, "225")); // then the typed edge
    t.writeBack(image, state);
    QVERIFY(state.enabled[5] && !state.enabled[7]);
    QCOMPARE(state.mainBands[1].lower, MHz(225));
    QCOMPARE(state.nine[5].upper, MHz(260));
    QCOMPARE(state.defaultBand(), 4);
    // The table in the image: 450M written as zeros, 250M with its new edges.
    QCOMPARE(Bcd::read32(image.at<4>(ImageMap::kBandLimits + 16 * 7)), 0u);
    QCOMPARE(Bcd::read32(image.at<4>(ImageMap::kBandLimits + 16 * 5)), MHz(225));
    QCOMPARE(image.byte(ImageMap::kBandLimits + 16 * 7 + 3), 0x00);
    // Reloading gives the same state.
    const BandState again = BandState::fromImage(image);
    QCOMPARE(again.enabled, state.enabled);
    QCOMPARE(again.mainBands[1].lower, state.mainBands[1].lower);
}

void BandTests::identity() {
    MemoryImage image = buildFactoryDefault();
    RadioIdentity::writeEditable(image, "AB12-X", "DUOBAND9ZZ", QString("Code 7\x01rest"));
    const RadioIdentity id = RadioIdentity::read(image);
    QCOMPARE(id.serialNumber, QStringLiteral("AB12"));  // "-" is not a serial character
    QCOMPARE(id.modelName, QStringLiteral("DUOBAND9")); // at most 8
    QCOMPARE(id.modelCode, QStringLiteral("Code 7"));   // stops at the control character
    QCOMPARE(image.byte(0xFF04), 0xFF);
    QCOMPARE(image.byte(0xFF16), 0xFF);

    const std::uint8_t dates[][4] = {{0x14, 0x20, 0x03, 0x05},
                                     {0xFF, 0xFF, 0xFF, 0xFF},
                                     {0x14, 0x20, 0x02, 0x30},
                                     {0x14, 0x20, 0x0A, 0x01}};
    const char* shown[] = {"2014-03-05", "", "", ""};
    for (int i = 0; i < 4; ++i) {
        std::copy_n(dates[i], 4, image.at(0xFF28, 4).begin());
        QCOMPARE(RadioIdentity::read(image).programDate, QString::fromLatin1(shown[i]));
    }
}

QTEST_APPLESS_MAIN(BandTests)
#include "tst_bands.moc"

#include "Bcd.h"
#include "DecimalText.h"
#include "Digits.h"
#include "FieldNormalizers.h"
#include "Frequency.h"
#include "OptionTables.h"
#include "Tones.h"

#include <QTest>
#include <array>

class CodecTests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void plainDecimals();
    void packedBcd();
    void bcdNumbers();
    void frequencyText_data();
    void frequencyText();
    void frequencyFormat();
    void gridCheck_data();
    void gridCheck();
    void ctcss();
    void dcs();
    void coefficients_data();
    void coefficients();
    void digitCodes();
    void optionLookups();
    void characterSets();
    void intField();
    void tenthsField();
    void spinSteps();
};

void CodecTests::packedBcd() {
    QCOMPARE(Bcd::toByte(45), 0x45);
    QCOMPARE(Bcd::toByte(0), 0x00);
    QCOMPARE(Bcd::fromByte(0x99), 99);
    // No validity check on reading: a nibble above 9 counts with its value.
    QCOMPARE(Bcd::fromByte(0xFF), 165);
    QCOMPARE(Bcd::fromByte(0x1A), 20);
}

void CodecTests::bcdNumbers() {
    std::array<std::uint8_t, 4> f{};
    Bcd::write32(f, 14512500);
    QCOMPARE(f, (std::array<std::uint8_t, 4>{0x00, 0x25, 0x51, 0x14}));
    QCOMPARE(Bcd::read32(f), 14512500u);
    Bcd::write32(f, 99999999);
    QCOMPARE(f, (std::array<std::uint8_t, 4>{0x99, 0x99, 0x99, 0x99}));
    // Nine digits cannot be stored: clamped rather than silently wrapped to another frequency.
    Bcd::write32(f, 123456789);
    QCOMPARE(Bcd::read32(f), 99999999u);
    f = {0xFF, 0xFF, 0xFF, 0xFF};
    QCOMPARE(Bcd::read32(f), 166666665u);

    std::array<std::uint8_t, 2> t{};
    Bcd::write16(t, 885);
    QCOMPARE(t, (std::array<std::uint8_t, 2>{0x85, 0x08}));
    Bcd::write16(t, 1000);
    QCOMPARE(t, (std::array<std::uint8_t, 2>{0x00, 0x10}));
    QCOMPARE(Bcd::read16(t), 1000);
}

void CodecTests::frequencyText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<quint32>("value");
    QTest::newRow("plain") << "145.125" << 14512500u;
    QTest::newRow("cut past fifth decimal") << "145.123456" << 14512345u;
    QTest::newRow("binary float trap") << "145.12500" << 14512500u;
    QTest::newRow("0.00001 steps") << "438.00001" << 43800001u;
    QTest::newRow("zero") << "0" << 0u;
    QTest::newRow("empty") << "" << 0u;
    QTest::newRow("letters") << "abc" << 0u;
    QTest::newRow("trailing junk") << "446.5MHz" << 44650000u;
    QTest::newRow("leading dot") << ".5" << 50000u;
    QTest::newRow("negative gives 0") << "-5" << 0u;
    QTest::newRow("huge saturates") << "99999999999999999999999" << 4294967295u;
}

void CodecTests::frequencyText() {
    QFETCH(QString, text);
    QFETCH(quint32, value);
    QCOMPARE(FrequencyText::toValue(text), value);
}

void CodecTests::frequencyFormat() {
    QCOMPARE(FrequencyText::fromValue(14512500), QStringLiteral("145.12500"));
    QCOMPARE(FrequencyText::fromValue(60000), QStringLiteral("0.60000"));
    QCOMPARE(FrequencyText::fromValue(99999999), QStringLiteral("999.99999"));
    QCOMPARE(FrequencyText::fromValue(0), QStringLiteral("0.00000"));
    // Text and value convert back and forth without drift over the whole 5-decimal range.
    for (quint32 f = 13400000; f < 13400000 + 20000; f += 7)
        QCOMPARE(FrequencyText::toValue(FrequencyText::fromValue(f)), f);
}

void CodecTests::gridCheck_data() {
    QTest::addColumn<quint32>("in");
    QTest::addColumn<quint32>("out");
    QTest::newRow("2.5 kHz raster") << 14512500u << 14512500u;
    QTest::newRow("6.25 kHz raster") << 14500625u << 14500625u;
    QTest::newRow("tie goes to 5 kHz") << 14500100u << 14500000u;
    QTest::newRow("5 kHz nearer") << 14500550u << 14500500u;
    QTest::newRow("6.25 kHz nearer") << 14500700u << 14500625u;
}

void CodecTests::gridCheck() {
    QFETCH(quint32, in);
    QFETCH(quint32, out);
    QCOMPARE(::gridCheck(in), out);
}

void CodecTests::ctcss() {
    std::array<std::uint8_t, 2> b{};
    Ctcss::toBytes(b, "88.5");
    QCOMPARE(b, (std::array<std::uint8_t, 2>{0x85, 0x08}));
    QCOMPARE(Ctcss::fromBytes(b), QStringLiteral("88.5"));
    b = {0x00, 0x10};
    QCOMPARE(Ctcss::fromBytes(b), QStringLiteral("100.0"));
    QCOMPARE(Ctcss::normalize("300"), QStringLiteral("100.0"));
    QCOMPARE(Ctcss::normalize("60"), QStringLiteral("60.0"));
    QCOMPARE(Ctcss::normalize("260"), QStringLiteral("260.0"));
    QCOMPARE(Ctcss::normalize("59.9"), QStringLiteral("100.0"));
    QCOMPARE(Ctcss::normalize("127.39"), QStringLiteral("127.3"));
    QCOMPARE(Ctcss::normalize(""), QStringLiteral("100.0"));
    QCOMPARE(Ctcss::normalize("abc"), QStringLiteral("100.0"));
    QCOMPARE(Ctcss::toneList().size(), 51);
    QCOMPARE(Ctcss::toneList().first(), QStringLiteral("63.0"));
    QCOMPARE(Ctcss::toneList().last(), QStringLiteral("254.1"));
}

void CodecTests::dcs() {
    std::array<std::uint8_t, 2> b{};
    Dcs::toBytes(b, "023");
    QCOMPARE(b, (std::array<std::uint8_t, 2>{0x23, 0x00}));
    QCOMPARE(Dcs::fromBytes(b), QStringLiteral("023"));
    Dcs::toBytes(b, "754");
    QCOMPARE(b, (std::array<std::uint8_t, 2>{0x54, 0x07}));
    QCOMPARE(Dcs::normalize("23"), QStringLiteral("023"));
    QCOMPARE(Dcs::normalize("800"), QStringLiteral("023"));
    QCOMPARE(Dcs::normalize("abc"), QStringLiteral("023"));
    QCOMPARE(Dcs::normalize(""), QStringLiteral("023"));
    QCOMPARE(Dcs::normalize("777"), QStringLiteral("777"));
    QCOMPARE(Dcs::normalize("0"), QStringLiteral("000"));
    // Digits 8 and 9 are left to the code list to refuse.
    QCOMPARE(Dcs::normalize("089"), QStringLiteral("089"));
    QCOMPARE(Dcs::codeList().size(), 106);
    QCOMPARE(Dcs::codeList().first(), QStringLiteral("017"));
    QCOMPARE(Dcs::codeList().last(), QStringLiteral("754"));
}

void CodecTests::coefficients_data() {
    QTest::addColumn<int>("tenths");
    QTest::addColumn<int>("coefficient");
    QTest::newRow("1000 Hz") << 10000 << 23170;
    QTest::newRow("2000 Hz") << 20000 << 0;
    QTest::newRow("2400 Hz") << 24000 << -10125;
    QTest::newRow("no tone") << 0 << -32768; // 32768 stored as 0x8000
}

void CodecTests::coefficients() {
    QFETCH(int, tenths);
    QFETCH(int, coefficient);
    QCOMPARE(int(std::int16_t(toneDecoderCoefficient(tenths))), coefficient);
    if (tenths == 24000) {
        const std::uint16_t c = toneDecoderCoefficient(tenths);
        QCOMPARE(c & 0xFF, 0x73);
        QCOMPARE(c >> 8, 0xD8);
    }
}

void CodecTests::digitCodes() {
    QCOMPARE(Digits::dtmfValue(u'*'), 14);
    QCOMPARE(Digits::dtmfValue(u'#'), 15);
    QCOMPARE(Digits::dtmfValue(u'd'), 13);
    QCOMPARE(Digits::dtmfValue(u'E'), 14); // not typeable, but read as a hex digit
    QCOMPARE(Digits::dtmfValue(u'x'), 0xFF);
    QCOMPARE(Digits::dtmfChar(14), QChar(u'*'));
    QCOMPARE(Digits::dtmfChar(15), QChar(u'#'));
    QCOMPARE(Digits::dtmfChar(10), QChar(u'A'));
    QVERIFY(Digits::dtmfChar(16).isNull());
    QCOMPARE(Digits::hexValue(u'f'), 15);
    QCOMPARE(Digits::hexValue(u'G'), 0xFF);
    QCOMPARE(Digits::hexChar(15), QChar(u'F'));
    QVERIFY(Digits::hexChar(16).isNull());

    std::array<std::uint8_t, 8> field{};
    Digits::writeCode(field, "12#A", Digits::Code::Dtmf);
    QCOMPARE(field, (std::array<std::uint8_t, 8>{1, 2, 15, 10, 0xFF, 0xFF, 0xFF, 0xFF}));
    QCOMPARE(Digits::readCode(field, Digits::Code::Dtmf), QStringLiteral("12#A"));
    // A character that is no digit code ends the code when read back.
    Digits::writeCode(field, "12X45", Digits::Code::Hex);
    QCOMPARE(Digits::readCode(field, Digits::Code::Hex), QStringLiteral("12"));
    // Longer texts are cut at the field size.
    Digits::writeCode(field, "123456789", Digits::Code::Hex);
    QCOMPARE(Digits::readCode(field, Digits::Code::Hex), QStringLiteral("12345678"));
}

void CodecTests::optionLookups() {
    QCOMPARE(options(OptionTable::FrequencyStep).size(), 13);
    QCOMPARE(options(OptionTable::SqlMode).last(), QStringLiteral("Signalling | Tone"));
    QCOMPARE(options(OptionTable::BandName).size(), 9);
    QCOMPARE(frequencyStepCode("12.5"), 6);
    QCOMPARE(frequencyStepCode("5.0"), 1);
    QCOMPARE(frequencyStepCode("5"), 0); // exact text only: no prefix match here
    QCOMPARE(frequencyStepText(13), QStringLiteral("12.5"));
    QCOMPARE(frequencyStepText(-1), QStringLiteral("12.5"));
    QCOMPARE(sqlModeCode("signaling & tone"), 3);
    QCOMPARE(sqlModeCode("nonsense"), 0);
    QCOMPARE(sqlModeText(5), QStringLiteral("Carrier"));
    QCOMPARE(sqlModeText(4), QStringLiteral("Signalling | Tone"));
}

void CodecTests::characterSets() {
    QCOMPARE(filtered(CharSet::Frequency, "14a5.1-25"), QStringLiteral("145.125"));
    QCOMPARE(filtered(CharSet::Dcs, "0.23"), QStringLiteral("023"));
    QCOMPARE(filtered(CharSet::Name, "ab C+-*/#!@"), QStringLiteral("ab C+-*/#"));
    QCOMPARE(filtered(CharSet::Dtmf, "12abcdef*#"), QStringLiteral("12abcd*#"));
    QCOMPARE(filtered(CharSet::Hex, "0aFgZ9"), QStringLiteral("0aF9"));
    QVERIFY(!accepts(CharSet::Name, QChar(0xE9))); // the radio has no accented letters
}

void CodecTests::intField() {
    const IntFieldRule reply{0, 2550, 100, 10};
    QCOMPARE(normalizeIntField("1234", reply), QStringLiteral("1230"));
    QCOMPARE(normalizeIntField("", reply), QStringLiteral("100"));
    QCOMPARE(normalizeIntField("3000", reply), QStringLiteral("100"));
    const IntFieldRule autoReset{0, 255, 10, 1, QStringLiteral("Off")};
    QCOMPARE(normalizeIntField("300", autoReset), QStringLiteral("10"));
    QCOMPARE(normalizeIntField("0", autoReset), QStringLiteral("Off"));
    QCOMPARE(normalizeIntField("Off", autoReset), QStringLiteral("Off"));
    QCOMPARE(normalizeIntField("-3", autoReset), QStringLiteral("10"));
    QCOMPARE(intFieldValue("Continuous"), 0);
}

void CodecTests::tenthsField() {
    const TenthsFieldRule tone{2880, 31160, 3217};
    QCOMPARE(normalizeTenthsField("6553.5", tone), QStringLiteral("321.7"));
    QCOMPARE(normalizeTenthsField("1000.09", tone), QStringLiteral("1000.0"));
    QCOMPARE(normalizeTenthsField("", tone), QStringLiteral("321.7"));
    const TenthsFieldRule replyWait{0, 50, 0, QStringLiteral("Off")};
    QCOMPARE(normalizeTenthsField("0", replyWait), QStringLiteral("Off"));
    QCOMPARE(normalizeTenthsField("2.5", replyWait), QStringLiteral("2.5"));
    const TenthsFieldRule fiveToneTone{2880, 31160, 0, QString()};
    QCOMPARE(normalizeTenthsField("100", fiveToneTone), QString());
}

void CodecTests::spinSteps() {
    const SpinRange tot{0, 30, QStringLiteral("Off")};
    QCOMPARE(spinIntStep("Off", -1, tot), QStringLiteral("30"));
    QCOMPARE(spinIntStep("30", 1, tot), QStringLiteral("Off"));
    QCOMPARE(spinIntStep("5", 1, tot), QStringLiteral("6"));
    // Held arrows align to the step size.
    QCOMPARE(spinIntStep("7", 5, tot), QStringLiteral("10"));
    QCOMPARE(spinIntStep("7", -5, tot), QStringLiteral("5"));
    QCOMPARE(spinIntStep("3", -5, tot), QStringLiteral("Off"));
    QCOMPARE(spinIntStep("28", 5, tot), QStringLiteral("30"));
    QCOMPARE(spinIntStep("30", 5, tot), QStringLiteral("Off")); // past the top wraps
    const SpinRange ms{0, 2550};
    QCOMPARE(spinIntStep("2550", 10, ms), QStringLiteral("0"));
    QCOMPARE(spinIntStep("0", -10, ms), QStringLiteral("2550"));
    const SpinRange volume{1, 15};
    QCOMPARE(spinIntStep("15", 1, volume), QStringLiteral("1"));
    QCOMPARE(spinIntStep("1", -1, volume), QStringLiteral("15"));
    QCOMPARE(spinIntStep("40", -1, volume), QStringLiteral("15")); // from above the top
    const SpinRange tone{2880, 31160};
    QCOMPARE(spinTenthsStep("3116.0", 1, tone), QStringLiteral("288.0"));
    QCOMPARE(spinTenthsStep("288.0", -1, tone), QStringLiteral("3116.0"));
    QCOMPARE(spinTenthsStep("1000.0", 1, tone), QStringLiteral("1000.1"));
    const SpinRange wait{0, 50, QStringLiteral("Off")};
    QCOMPARE(spinTenthsStep("0.1", -1, wait), QStringLiteral("Off"));
}

// What a channel list's number cell may hold: digits and one point, nothing else.
void CodecTests::plainDecimals() {
    for (const char* yes : {"145", "145.", "145.5", ".5", "0", "0007"})
        QVERIFY2(DecimalText::isPlainDecimal(QString::fromLatin1(yes)), yes);
    for (const char* no : {"", ".", "1.2.3", "+1", "-1", " 1", "1 ", "1e5", "1,5", "x"})
        QVERIFY2(!DecimalText::isPlainDecimal(QString::fromLatin1(no)), no);
}

QTEST_APPLESS_MAIN(CodecTests)
#include "tst_codecs.moc"

#include "AlarmSettings.h"
#include "BasicSettings.h"
#include "DtmfSettings.h"
#include "FactoryDefault.h"
#include "FieldCodecs.h"
#include "ImageMap.h"
#include "ListChoice.h"
#include "MemoryImage.h"

#include <QTest>

namespace {

using namespace FieldCodecs;

constexpr std::uint32_t kAt = 0x4000; // a scratch address for the codecs under test

// Decodes the field from an image whose bytes at kAt are `stored` (fallback applied).
FieldValue loaded(const FieldDescription& f, std::initializer_list<std::uint8_t> stored) {
    MemoryImage image;
    image.fill(kAt, 32, 0x00);
    std::uint32_t a = kAt;
    for (std::uint8_t b : stored)
        image.setByte(a++, b);
    return Fields::load(f, f.items, image, 0);
}

// The bytes at kAt after storing `value` over `before`.
QByteArray stored(const FieldDescription& f, const FieldValue& value,
                  std::initializer_list<std::uint8_t> before, int length) {
    MemoryImage image;
    std::uint32_t a = kAt;
    for (std::uint8_t b : before)
        image.setByte(a++, b);
    Fields::store(f, f.items, value, image, 0);
    return QByteArray(reinterpret_cast<const char*>(image.at(kAt, std::size_t(length)).data()),
                      length);
}

FieldValue entry(int index) {
    return {index, {}};
}
FieldValue typed(const QString& text) {
    return {-1, text};
}

} // namespace

class FieldTests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void listChoice();
    void listCodes();
    void listsChosenByText();
    void characters();
    void numberFields();
    void digitStringsAndTexts();
    void recordsAtABase();
    void shownTexts();
    void formTablesPassTheFactoryDefaultUnchanged_data() { oneRowPerTable(); }
    void formTablesPassTheFactoryDefaultUnchanged();
    void formTablesKeepWhatTheyDoNotOwn_data() { oneRowPerTable(); }
    void formTablesKeepWhatTheyDoNotOwn();
    void untouchedBitsByName();

private:
    static void oneRowPerTable();
};

void FieldTests::listChoice() {
    const QStringList items = {"Off", "0.5", "1.0", "Full"};
    using ListChoice::Match;
    QCOMPARE(ListChoice::indexOfText(items, "1"), 2); // prefix, as the forms choose
    QCOMPARE(ListChoice::indexOfText(items, "full"), 3);
    QCOMPARE(ListChoice::indexOfText(items, "1", Match::Exact), -1);
    QCOMPARE(ListChoice::indexOfText(items, "Full", Match::Exact), 3);
    QCOMPARE(ListChoice::indexOfText(items, "full", Match::Exact), -1);
    QCOMPARE(ListChoice::indexOfCode(items, 4), -1);
    QCOMPARE(ListChoice::indexOfCode(items, -1), -1);
    QCOMPARE(ListChoice::textAt(items, -1), QString());
}

void FieldTests::listCodes() {
    // Bits 5-4 of a byte whose other bits are set: they survive every store.
    const FieldDescription bits{.label = "PTT lock",
                                .address = kAt,
                                .shift = 4,
                                .width = 2,
                                .codec = &code,
                                .items = {"Off", "Right", "Left"}};
    QCOMPARE(loaded(bits, {0x20}).index, 2);
    QCOMPARE(loaded(bits, {0x30}).index, -1); // code 3 has no entry and no fallback
    QCOMPARE(stored(bits, entry(1), {0xFF}, 1), QByteArray("\xDF"));
    QCOMPARE(stored(bits, entry(-1), {0xFF}, 1), QByteArray("\xCF")); // no choice stores 0

    FieldDescription withFallback = bits;
    withFallback.fallback = 0;
    QCOMPARE(loaded(withFallback, {0x30}).index, 0);
    QCOMPARE(stored(withFallback, entry(-1), {0x30}, 1), QByteArray("\x00", 1));

    const FieldDescription first{
        .label = "SQL", .address = kAt, .codec = &codeOrFirst, .items = {"Off", "2", "5"}};
    QCOMPARE(loaded(first, {0xFF}).index, 0);
    QCOMPARE(loaded(first, {2}).index, 2);

    const FieldDescription flagBit{.label = "Auto contact",
                                   .address = kAt,
                                   .shift = 6,
                                   .width = 1,
                                   .codec = &flag,
                                   .items = {"A", "B", "C"}};
    QCOMPARE(stored(flagBit, entry(2), {0x00}, 1), QByteArray("\x40"));
    QCOMPARE(stored(flagBit, entry(0), {0xFF}, 1), QByteArray("\xBF"));
}

void FieldTests::listsChosenByText() {
    const FieldDescription level{.label = "Level",
                                 .address = kAt,
                                 .codec = &FieldCodecs::level,
                                 .items = {"Off", "1", "2"},
                                 .fallback = 0};
    QCOMPARE(loaded(level, {0}).index, 0);
    QCOMPARE(loaded(level, {2}).index, 2);
    QCOMPARE(loaded(level, {9}).index, 0); // no entry: the fallback
    QCOMPARE(stored(level, entry(2), {0xFF}, 1), QByteArray("\x02"));
    QCOMPARE(stored(level, entry(0), {0xFF}, 1), QByteArray("\x00", 1));

    // Milliseconds / 50 in a byte, chosen by the printed number (prefix rule).
    const FieldDescription ms{.label = "First digit delay(ms)",
                              .address = kAt,
                              .codec = &number,
                              .items = {"50", "250", "450", "750", "1000"},
                              .fallback = 2,
                              .unit = 50};
    QCOMPARE(loaded(ms, {9}).index, 2);
    QCOMPARE(loaded(ms, {7}).index, 2); // "350" is no entry: the fallback "450"
    QCOMPARE(loaded(ms, {20}).index, 4);
    QCOMPARE(stored(ms, entry(4), {0}, 1), QByteArray("\x14"));

    // A 16-bit channel number: "52" is chosen for 5 when no entry is "5".
    const FieldDescription channel{.label = "Priority",
                                   .address = kAt,
                                   .width = 16,
                                   .codec = &number,
                                   .items = {"Off", "1", "52"},
                                   .fallback = 0};
    QCOMPARE(loaded(channel, {5, 0}).index, 2);
    QCOMPARE(loaded(channel, {7, 0}).index, 0);
    QCOMPARE(loaded(channel, {0, 0}).index, 0);
    QCOMPARE(stored(channel, entry(2), {0xFF, 0xFF}, 2), QByteArray("\x34\x00", 2));

    const FieldDescription hours{.label = "Auto power off(h)",
                                 .address = kAt,
                                 .codec = &FieldCodecs::hours,
                                 .items = {"Off", "0.5", "1.0", "1.5", "2.0"},
                                 .fallback = 0};
    QCOMPARE(loaded(hours, {10}).index, 2);
    QCOMPARE(loaded(hours, {5}).index, 1);
    QCOMPARE(loaded(hours, {25}).index, 0);
    QCOMPARE(stored(hours, entry(3), {0}, 1), QByteArray("\x0F"));
}

void FieldTests::characters() {
    const FieldDescription group{.label = "Group code",
                                 .address = kAt,
                                 .codec = &dtmfChar,
                                 .items = {"A", "B", "C", "D", "*", "#"}};
    QCOMPARE(loaded(group, {14}).index, 4);
    QCOMPARE(loaded(group, {15}).index, 5);
    QCOMPARE(loaded(group, {5}).index, -1);    // a digit is no group code
    QCOMPARE(loaded(group, {0xFF}).index, -1); // no character at all
    QCOMPARE(stored(group, entry(5), {0}, 1), QByteArray("\x0F"));
    QCOMPARE(stored(group, entry(0), {0}, 1), QByteArray("\x0A"));

    const FieldDescription letter{.label = "Repeat",
                                  .address = kAt,
                                  .codec = &hexChar,
                                  .items = {"A", "B", "C", "D", "E", "F"}};
    QCOMPARE(loaded(letter, {14}).index, 4);
    QCOMPARE(stored(letter, entry(5), {0}, 1), QByteArray("\x0F"));
}

void FieldTests::numberFields() {
    // A byte with a text for 0.
    const FieldDescription cycle{
        .label = "Cycle",
        .address = kAt,
        .codec = &numberField,
        .number = {.minimum = 0, .maximum = 255, .fallback = 5, .zeroText = "Continuous"}};
    QCOMPARE(loaded(cycle, {0}).text, QStringLiteral("Continuous"));
    QCOMPARE(loaded(cycle, {255}).text, QStringLiteral("255"));
    QCOMPARE(stored(cycle, typed("Continuous"), {9}, 1), QByteArray("\x00", 1));
    QCOMPARE(stored(cycle, typed("300"), {9}, 1), QByteArray("\x05")); // out of range: fallback
    QCOMPARE(stored(cycle, typed(""), {9}, 1), QByteArray("\x05"));

    // Tenths of a hertz in a little-endian word: 0xFFFF is out of range and takes the fallback.
    const FieldDescription tone{
        .label = "A tone",
        .address = kAt,
        .width = 16,
        .codec = &numberField,
        .number = {.tenths = true, .minimum = 2880, .maximum = 31160, .fallback = 3217}};
    QCOMPARE(loaded(tone, {0xFF, 0xFF}).text, QStringLiteral("321.7"));
    QCOMPARE(loaded(tone, {0x68, 0x29}).text, QStringLiteral("1060.0"));
    QCOMPARE(stored(tone, typed("1060"), {0, 0}, 2), QByteArray("\x68\x29"));

    // A byte of tenths.
    const FieldDescription wait{
        .label = "Reply wait (s)",
        .address = kAt,
        .codec = &numberField,
        .number = {.tenths = true, .minimum = 0, .maximum = 50, .zeroText = "Off"}};
    QCOMPARE(loaded(wait, {25}).text, QStringLiteral("2.5"));
    QCOMPARE(loaded(wait, {0}).text, QStringLiteral("Off"));
    QCOMPARE(stored(wait, typed("4.99"), {0}, 1), QByteArray("\x31")); // truncated to 4.9

    // Milliseconds in steps of 10, stored / 10.
    const FieldDescription delay{
        .label = "Reply delay(ms)",
        .address = kAt,
        .codec = &numberField,
        .number = {.minimum = 0, .maximum = 2550, .fallback = 100, .step = 10, .maxLength = 4},
        .unit = 10};
    QCOMPARE(loaded(delay, {123}).text, QStringLiteral("1230"));
    QCOMPARE(stored(delay, typed("1234"), {0}, 1), QByteArray("\x7B"));

    // A clamping field takes the nearest limit, not the fallback.
    const FieldDescription tot{
        .label = "TOT (min)",
        .address = kAt,
        .codec = &numberField,
        .number = {.minimum = 0, .maximum = 30, .clamp = true, .zeroText = "Off", .maxLength = 2}};
    QCOMPARE(loaded(tot, {45}).text, QStringLiteral("30"));
    QCOMPARE(stored(tot, typed("Off"), {7}, 1), QByteArray("\x00", 1));
}

void FieldTests::digitStringsAndTexts() {
    const FieldDescription selfId{
        .label = "Self ID", .address = kAt, .width = 8, .codec = &dtmfDigits};
    QCOMPARE(stored(selfId, typed("12345678"), {}, 9), QByteArray("\1\2\3\4\5\6\7\x08\0", 9));
    QCOMPARE(stored(selfId, typed("1*#"), {}, 9),
             QByteArray("\x01\x0E\x0F\xFF\xFF\xFF\xFF\xFF\0", 9));
    QCOMPARE(stored(selfId, typed("123456789"), {}, 9).back(), '\0');     // cut at 8 characters
    QCOMPARE(loaded(selfId, {1, 2, 0x10, 3}).text, QStringLiteral("12")); // 16 ends the code
    QCOMPARE(loaded(selfId, {0xFF}).text, QString());

    const FieldDescription code{.label = "Code", .address = kAt, .width = 8, .codec = &hexDigits};
    QCOMPARE(stored(code, typed("AB"), {}, 3), QByteArray("\x0A\x0B\xFF"));
    QCOMPARE(loaded(code, {14, 15, 0xFF}).text, QStringLiteral("EF"));

    const FieldDescription alias{.label = "Alias", .address = kAt, .width = 6, .codec = &text};
    QCOMPARE(stored(alias, typed("AB"), {}, 7), QByteArray("AB\xFF\xFF\xFF\xFF\0", 7));
    QCOMPARE(stored(alias, typed("ABCDEFGH"), {}, 7), QByteArray("ABCDEF\0", 7));
    QCOMPARE(loaded(alias, {'A', 'B', 0x7F, 'C'}).text, QStringLiteral("AB"));
    QCOMPARE(loaded(alias, {'A', 'B', 'C', 'D', 'E', 'F', 'G'}).text, QStringLiteral("ABCDEF"));

    const FieldDescription side{
        .label = "Side tone", .address = kAt, .shift = 1, .width = 1, .codec = &check};
    QCOMPARE(loaded(side, {0x02}).index, 1);
    QCOMPARE(loaded(side, {0xFD}).index, 0);
    QCOMPARE(stored(side, entry(0), {0xFF}, 1), QByteArray("\xFD"));
    QCOMPARE(stored(side, entry(1), {0x00}, 1), QByteArray("\x02"));
}

void FieldTests::recordsAtABase() {
    // One table serves every record of an array: the field of record 3 only.
    constexpr ImageMap::RecordArray records{0x5000, 16, 4};
    const FieldDescription alias{.label = "Alias", .address = 2, .width = 6, .codec = &text};
    MemoryImage image;
    image.fill(records.base, 64, 0xEE);
    Fields::store(alias, {}, typed("XY"), image, records.number(3));
    QCOMPARE(image.byte(records.number(3) + 2), 'X');
    QCOMPARE(image.byte(records.number(3) + 4), 0xFF);
    QCOMPARE(image.byte(records.number(3) + 1), 0xEE);
    QCOMPARE(image.byte(records.number(3) + 8), 0xEE);
    for (int r : {1, 2, 4})
        QCOMPARE(image.byte(records.number(r) + 2), 0xEE);
    QCOMPARE(Fields::load(alias, {}, image, records.number(3)).text, QStringLiteral("XY"));
}

void FieldTests::shownTexts() {
    const FieldDescription list{.label = "L", .address = kAt, .codec = &code, .items = {"x", "y"}};
    QCOMPARE(Fields::shownText(list, list.items, entry(1)), QStringLiteral("y"));
    QCOMPARE(Fields::shownText(list, list.items, entry(-1)), QString());
    const FieldDescription box{.label = "B", .address = kAt, .width = 1, .codec = &check};
    QCOMPARE(Fields::shownText(box, {}, entry(1)), QStringLiteral("On"));
    QCOMPARE(Fields::shownText(box, {}, entry(0)), QStringLiteral("Off"));
}

namespace {

// Every form's field table, by name.
const std::vector<std::pair<const char*, const std::vector<FieldDescription>*>>& formTables() {
    static const std::vector<std::pair<const char*, const std::vector<FieldDescription>*>> all = {
        {"Option", &BasicSettings::optionFields()},   {"TOT", &BasicSettings::totFields()},
        {"Key", &BasicSettings::keyFields()},         {"DTMF Code", &DtmfSettings::codeFields()},
        {"DTMF PTTID", &DtmfSettings::pttIdFields()}, {"Alarm", &AlarmSettings::fields()},
    };
    return all;
}

// The bits of each byte a field writes.
void markOwned(const FieldDescription& f,
               std::array<std::uint8_t, MemoryImage::kImageSize>& owned) {
    if (f.codec->control == FieldControl::Text) {
        for (int i = 0; i < f.width; ++i)
            owned[f.address + std::uint32_t(i)] = 0xFF;
    } else if (f.width == 16) {
        owned[f.address] = owned[f.address + 1] = 0xFF;
    } else {
        owned[f.address] |= std::uint8_t(((1 << f.width) - 1) << f.shift);
    }
}

} // namespace

void FieldTests::oneRowPerTable() {
    QTest::addColumn<int>("table");
    for (std::size_t i = 0; i < formTables().size(); ++i)
        QTest::newRow(formTables()[i].first) << int(i);
}

// Every value of the factory default is one the form offers: a load and a store of every field
// change no byte.
void FieldTests::formTablesPassTheFactoryDefaultUnchanged() {
    QFETCH(int, table);
    const MemoryImage factory = buildFactoryDefault();
    MemoryImage image = factory;
    for (const FieldDescription& f : *formTables()[std::size_t(table)].second) {
        const QStringList items = Fields::items(f, image);
        Fields::store(f, items, Fields::load(f, items, image), image);
    }
    QVERIFY(image == factory);
}

// Storing every field over an image of 0xA5 changes only the bits the fields own.
void FieldTests::formTablesKeepWhatTheyDoNotOwn() {
    QFETCH(int, table);
    MemoryImage image;
    image.fill(0, MemoryImage::kImageSize, 0xA5);
    const MemoryImage before = image;
    std::array<std::uint8_t, MemoryImage::kImageSize> owned{};
    for (const FieldDescription& f : *formTables()[std::size_t(table)].second) {
        Fields::store(f, Fields::items(f, image), {-1, QString()}, image);
        markOwned(f, owned);
    }
    for (int a = 0; a < MemoryImage::kImageSize; ++a) {
        const auto mask = std::uint8_t(~owned[std::size_t(a)]);
        if ((image.byte(std::uint32_t(a)) & mask) != (before.byte(std::uint32_t(a)) & mask))
            QFAIL(qPrintable(QStringLiteral("bits not owned changed at 0x%1").arg(a, 4, 16)));
    }
}

// The bits and bytes the forms leave alone, by name.
void FieldTests::untouchedBitsByName() {
    std::array<std::uint8_t, MemoryImage::kImageSize> owned{};
    for (const auto& [name, table] : formTables())
        for (const FieldDescription& f : *table)
            markOwned(f, owned);
    QCOMPARE(owned[0xCC24] & 0x0C, 0); // bits 3-2
    QCOMPARE(owned[0xCC2D], 0);
    QCOMPARE(owned[0xCC2A] | owned[0xCC2B], 0);
    QCOMPARE(owned[0xD6B7] & 0xFC, 0); // bits 7-2
    for (std::uint32_t a : {0xD6C0u, 0xD6C7u, 0xD6D9u, 0xD6DCu, 0xD6DFu, 0xCC74u, 0xCC75u})
        QCOMPARE(owned[a], 0);
    QCOMPARE(owned[0xCC77] & 0x7C, 0); // bits 6-2
}

QTEST_GUILESS_MAIN(FieldTests)
#include "tst_fields.moc"

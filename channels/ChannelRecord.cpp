#include "ChannelRecord.h"

#include "Bcd.h"
#include "PrintableText.h"
#include "Tones.h"

#include <algorithm>
#include <array>

namespace {

struct BitField {
    ChannelField field;
    int offset;
    int shift;
    int width;
};

// Indexed by ChannelField: entry i describes field i.
constexpr std::array<BitField, std::size_t(ChannelField::kCount)> kBitFields = {{
    {ChannelField::TxPower, 12, 6, 2},
    {ChannelField::BeatShift, 12, 5, 1},
    {ChannelField::ReverseBackup, 12, 4, 1},
    {ChannelField::DisplayType, 12, 2, 2},
    {ChannelField::Scan, 12, 0, 2},
    {ChannelField::Bandwidth, 13, 6, 2},
    {ChannelField::Scrambler, 13, 5, 1},
    {ChannelField::Compander, 13, 4, 1},
    {ChannelField::Emphasis, 13, 3, 1},
    {ChannelField::SqlMode, 13, 0, 3},
    {ChannelField::OffsetDirection, 14, 6, 2},
    {ChannelField::Reverse, 14, 5, 1},
    {ChannelField::TalkAround, 14, 4, 1},
    {ChannelField::FrequencyStep, 14, 0, 4},
    {ChannelField::DcsPolarity, 15, 6, 2},
    {ChannelField::BusyLock, 15, 4, 2},
    {ChannelField::TxStop, 15, 3, 1},
    {ChannelField::DecodeType, 15, 0, 3},
    {ChannelField::TableDecodeType, 15, 0, 2},
    {ChannelField::OptionSignaling, 20, 6, 2},
    {ChannelField::Am, 20, 4, 1},
    {ChannelField::SignalingDecode, 20, 0, 4},
    {ChannelField::PttId, 21, 0, 8},
}};

// Every field has its entry, in enum order, inside the record's bytes.
constexpr bool tableIsComplete() {
    for (std::size_t i = 0; i < kBitFields.size(); ++i) {
        const BitField& b = kBitFields[i];
        if (std::size_t(b.field) != i || b.offset < 0 || b.offset >= 32 || b.width < 1 ||
            b.shift + b.width > 8)
            return false;
    }
    return true;
}
static_assert(tableIsComplete(), "the channel bit table must list every ChannelField in order");

constexpr const BitField& bitField(ChannelField field) {
    return kBitFields[std::size_t(field)];
}

} // namespace

namespace ChannelRecord {

std::pair<int, std::uint8_t> bitsOf(ChannelField field) {
    const BitField& b = bitField(field);
    return {b.offset, std::uint8_t(((1 << b.width) - 1) << b.shift)};
}

int code(ConstRecord r, ChannelField field) {
    const BitField& b = bitField(field);
    return (r[std::size_t(b.offset)] >> b.shift) & ((1 << b.width) - 1);
}

void setCode(Record r, ChannelField field, int value) {
    const BitField& b = bitField(field);
    const int mask = ((1 << b.width) - 1) << b.shift;
    auto& byte = r[std::size_t(b.offset)];
    byte = std::uint8_t((byte & ~mask) | ((value << b.shift) & mask));
}

Frequency rxFrequency(ConstRecord r) {
    return Bcd::read32(r.subspan<0, 4>());
}
Frequency txFrequency(ConstRecord r) {
    return Bcd::read32(r.subspan<4, 4>());
}
void setRxFrequency(Record r, Frequency f) {
    Bcd::write32(r.subspan<0, 4>(), f);
}
void setTxFrequency(Record r, Frequency f) {
    Bcd::write32(r.subspan<4, 4>(), f);
}

Frequency offset(ConstRecord r) {
    return r[19] == 0xFF ? 0 : Bcd::read32(r.subspan<16, 4>());
}

bool txIsSet(ConstRecord r) {
    return r[7] != 0x00 && r[7] != 0xFF;
}

QString ctcssText(ConstRecord r) {
    return Ctcss::fromBytes(r.subspan<8, 2>());
}
QString dcsText(ConstRecord r) {
    return Dcs::fromBytes(r.subspan<10, 2>());
}
void setCtcss(Record r, const QString& text) {
    Ctcss::toBytes(r.subspan<8, 2>(), text);
}
void setDcs(Record r, const QString& text) {
    Dcs::toBytes(r.subspan<10, 2>(), text);
}

QString name(ConstRecord r) {
    return PrintableText::read(r.subspan<24, 6>());
}

void setName(Record r, const QString& text) {
    PrintableText::write(r.subspan<24, 6>(), text);
}

} // namespace ChannelRecord

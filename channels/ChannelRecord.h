#pragma once

#include "Frequency.h"
#include "RecordTemplates.h"

#include <QString>
#include <cstdint>
#include <span>

// The fields of the 32-byte channel record, which VFO records, scan edges and band VFO pairs
// share. Bit fields are described once in a table (ChannelRecord.cpp); frequencies, tones,
// codes and the name have their own encodings.
enum class ChannelField {
    TxPower,         // +12 bits 7-6
    BeatShift,       // +12 bit 5
    ReverseBackup,   // +12 bit 4
    DisplayType,     // +12 bits 3-2
    Scan,            // +12 bits 1-0
    Bandwidth,       // +13 bits 7-6
    Scrambler,       // +13 bit 5
    Compander,       // +13 bit 4
    Emphasis,        // +13 bit 3
    SqlMode,         // +13 bits 2-0
    OffsetDirection, // +14 bits 7-6: 0 off, 1 "-", 2 "+", 3 Tx set explicitly
    Reverse,         // +14 bit 5
    TalkAround,      // +14 bit 4
    FrequencyStep,   // +14 bits 3-0
    DcsPolarity,     // +15 bits 7-6
    BusyLock,        // +15 bits 5-4
    TxStop,          // +15 bit 3
    DecodeType,      // +15 bits 2-0
    TableDecodeType, // +15 bits 1-0: what the channel table shows and stores
    OptionSignaling, // +20 bits 7-6
    Am,              // +20 bit 4
    SignalingDecode, // +20 bits 3-0: entry number minus 1
    PttId,           // +21
    kCount
};

using ConstRecord = std::span<const std::uint8_t, 32>;

namespace ChannelRecord {

int code(ConstRecord r, ChannelField field);
// The bits a field takes in its byte of the record: the byte's offset and the mask.
std::pair<int, std::uint8_t> bitsOf(ChannelField field);
void setCode(Record r, ChannelField field, int value); // other bits of the byte stay

Frequency rxFrequency(ConstRecord r);
Frequency txFrequency(ConstRecord r);
void setRxFrequency(Record r, Frequency f);
void setTxFrequency(Record r, Frequency f);
// The offset, or 0 when it is not set (byte +19 is 0xFF).
Frequency offset(ConstRecord r);
bool txIsSet(ConstRecord r); // byte +7 neither 0x00 nor 0xFF

QString ctcssText(ConstRecord r); // "%.1f"
QString dcsText(ConstRecord r);   // "%03d"
void setCtcss(Record r, const QString& text);
void setDcs(Record r, const QString& text);

// The name: up to 6 bytes from +24, ending at the first byte that is not printable.
QString name(ConstRecord r);
// +24..+29 become 0xFF, then at most 6 characters of the text.
void setName(Record r, const QString& text);

} // namespace ChannelRecord

#include "ShownBits.h"

#include "BandState.h"
#include "ChannelEditRules.h"
#include "DtmfCodeTable.h"
#include "FieldCodecs.h"
#include "FormCatalog.h"
#include "ImageMap.h"
#include "MemoryImage.h"
#include "RecordFields.h"
#include "TwoToneContacts.h"

using namespace ImageMap;

void ShownBits::markBytes(std::uint32_t address, std::uint32_t length) {
    for (std::uint32_t i = 0; i < length; ++i)
        mark(address + i, 0xFF);
}

void ShownBits::unite(const ShownBits& other) {
    for (std::size_t i = 0; i < masks_.size(); ++i)
        masks_[i] |= other.masks_[i];
}

ShownBits ShownBits::of(const BandState& bands) {
    ShownBits shown;
    shown.masks_.assign(MemoryImage::kPcBase + MemoryImage::kPcSize, 0);

    // The forms' field tables, for each record they show.
    for (const FormInfo& form : formCatalog())
        for (const FieldTableAt& table : form.fieldTables)
            for (int i = 0; i < table.records.count; ++i)
                for (const FieldDescription& f : *table.fields) {
                    if (f.hidden)
                        continue;
                    const std::uint32_t at = table.records.at(i) + f.address;
                    if (f.codec->control == FieldControl::Text)
                        shown.markBytes(at, std::uint32_t(f.width));
                    else if (f.width == 16)
                        shown.markBytes(at, 2);
                    else
                        shown.mark(at, std::uint8_t(((1 << f.width) - 1) << f.shift));
                }
    shown.mark(kFiveToneSystem, 0xFF); // the standard chosen

    // The channel-shaped records: bank A, the scan edges and the VFO records the bands show.
    auto records = [&shown](std::uint32_t base, RecordUse use) {
        const auto bits = RecordFields::shownBits(use);
        for (std::uint32_t b = 0; b < 32; ++b)
            shown.mark(base + b, bits[b]);
    };
    for (int n = 1; n <= kChannelsPerBank; ++n)
        records(channelAddress(n), RecordUse::Channel);
    for (int k = 0; k < kScanEdgeCount; ++k)
        records(kScanEdgeRecords.at(k), RecordUse::ScanEdge);
    for (const ChannelEditRules::VfoTab& tab : ChannelEditRules::vfoTabs(bands))
        records(kVfoRecordArray.at(tab.record), RecordUse::Vfo);

    // The grids' table models.
    for (int c = 0; c < kDtmfCodeRecords.count; ++c)
        for (auto [offset, length] : DtmfCodeTable::shownBytes())
            shown.markBytes(kDtmfCodeRecords.at(c) + std::uint32_t(offset), std::uint32_t(length));
    for (int n = 0; n < kTwoToneContactRecords.count; ++n)
        for (auto [offset, length] : TwoToneContacts::shownBytes())
            shown.markBytes(kTwoToneContactRecords.at(n) + std::uint32_t(offset),
                            std::uint32_t(length));

    // The radio's identity and its band limits (no transmit edges for receive-only bands).
    shown.markBytes(kIdentity, kProgrammingDate + 4 - kIdentity);
    for (int b = 0; b < kBandCount; ++b)
        shown.markBytes(kBandLimitRecords.at(b), kBandTransmits[b] ? 16 : 8);
    return shown;
}

#include "SampleData.h"

#include "BandState.h"
#include "ChannelTable.h"
#include "FactoryDefault.h"
#include "MemoryImage.h"

MemoryImage fullChannelImage(BandState& bands) {
    MemoryImage image = buildFactoryDefault();
    bands.loadLimitsFromImage(image);
    bands.deriveEnabledFlags(image);
    ChannelTable table(image, bands);
    table.fill();
    for (int r = 1; r <= ChannelTable::kRows; ++r) {
        table.commit(r, ChannelTable::Rx, FrequencyText::fromValue(14400000 + 1250 * r));
        table.commit(r, ChannelTable::Name, QStringLiteral("CH%1").arg(r));
        table.commit(r, ChannelTable::DecodeType, "Ctcss Codec");
    }
    table.store();
    return image;
}

// Channel lists of any content in both dialects, imported onto the factory default: a failed
// import changes nothing; every row is applied or reported; the table it leaves is stored, so a
// second store changes nothing.
#include "BandState.h"
#include "ChannelCsv.h"
#include "ChannelTable.h"
#include "FactoryDefault.h"
#include "FuzzFiles.h"
#include "MemoryImage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const MemoryImage factory = buildFactoryDefault();
    static const BandState factoryBands = BandState::fromImage(factory);
    if (size < 1)
        return 0;
    // The first byte picks a header, so that most inputs reach the rows.
    static const QByteArray headers[] = {
        "CH,Rx Freq,Tx Freq,Decode Type,CTCSS,DCS,DCS Polarity,Power,Scan,Bandwidth,Signaling,"
        "Name\n",
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
        "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment\n",
        "CH\tRx Freq\tTx Freq\tName\n", ""};
    const QByteArray csv = headers[data[0] % 4] +
                           QByteArray(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    MemoryImage image = factory;
    BandState bands = factoryBands;
    const ImportResult result = importChannels(image, bands, csv);
    if (!result.ok) {
        FUZZ_ASSERT(image == factory);
        FUZZ_ASSERT(!result.message.isEmpty());
        return 0;
    }
    QString text = QString::fromUtf8(csv);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    const qsizetype rows = splitChannelList(text).size() - 1;
    FUZZ_ASSERT(result.imported + result.warnings.size() == rows);
    FUZZ_ASSERT(qsizetype(result.lines.size()) == rows && result.skipped == result.warnings.size());
    FUZZ_ASSERT(result.imported <= ChannelTable::kRows * rows);
    // Channel 1 is never empty, and the table as imported stores onto itself.
    ChannelTable table(image, bands);
    table.fill();
    FUZZ_ASSERT(!table.rowEmpty(1));
    const MemoryImage imported = image;
    table.store();
    FUZZ_ASSERT(image == imported);
    return 0;
}

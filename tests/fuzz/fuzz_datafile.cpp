// Data files of any content and size: a file that loads saves back byte for byte; one that does
// not load leaves the image as it was.
#include "DataFile.h"
#include "FuzzFiles.h"
#include "MemoryImage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Either size the program reads, whatever the input's length: a first byte below 0x80 pads
    // or cuts the rest to a data file, one from 0x80 to a bare image, others keep the length.
    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    if (!bytes.isEmpty()) {
        const std::uint8_t shape = std::uint8_t(bytes[0]);
        bytes.remove(0, 1);
        if (shape < 0x80)
            bytes.resize(MemoryImage::kFileSize, '\xFF');
        else if (shape < 0xC0)
            bytes.resize(MemoryImage::kImageSize, '\0');
    }
    const QString in = scratchFile("in.dat");
    writeScratch(in, reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                 std::size_t(bytes.size()));
    MemoryImage image;
    image.pc()[7] = 0x5A; // a bare image keeps the PC block
    const MemoryImage before = image;
    const Result loaded = loadDataFile(in, image);
    if (!loaded.ok) {
        FUZZ_ASSERT(image == before);
        FUZZ_ASSERT(!loaded.message.isEmpty());
        return 0;
    }
    FUZZ_ASSERT(bytes.size() == MemoryImage::kFileSize || bytes.size() == MemoryImage::kImageSize);
    if (bytes.size() == MemoryImage::kImageSize)
        FUZZ_ASSERT(image.pc()[7] == 0x5A);
    const QString out = scratchFile("out.dat");
    FUZZ_ASSERT(saveDataFile(out, image).ok);
    QFile saved(out);
    FUZZ_ASSERT(saved.open(QIODevice::ReadOnly));
    const QByteArray written = saved.readAll();
    FUZZ_ASSERT(written == image.toFileBytes());
    if (bytes.size() == MemoryImage::kFileSize)
        FUZZ_ASSERT(written == bytes);
    else
        FUZZ_ASSERT(written.mid(MemoryImage::kPcSize) == bytes);
    // Open rewrites only the built-in 5-Tone tables of the PC block.
    MemoryImage opened;
    FUZZ_ASSERT(openDataFile(out, opened).ok);
    FUZZ_ASSERT(std::equal(opened.image().begin(), opened.image().end(), image.image().begin()));
    return 0;
}

#include "DataFile.h"
#include "Texts.h"

#include "FiveToneStandards.h"
#include "MemoryImage.h"
#include "ShownPath.h"
#include "WholeFile.h"

#include <QDir>
#include <QFile>
#include <algorithm>

namespace {} // namespace

Result loadDataFile(const QString& path, MemoryImage& image) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Result::failure(
            Texts::tr("Cannot open \"%1\": %2").arg(shownPath(path), file.errorString()));
    // One byte more than a data file tells a longer file apart; pipes may deliver in pieces.
    QByteArray bytes;
    while (bytes.size() <= MemoryImage::kFileSize) {
        const QByteArray piece = file.read(MemoryImage::kFileSize + 1 - bytes.size());
        if (piece.isEmpty())
            break;
        bytes += piece;
    }
    if (file.error() != QFile::NoError)
        return Result::failure(
            Texts::tr("Cannot read \"%1\": %2").arg(shownPath(path), file.errorString()));

    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    if (bytes.size() == MemoryImage::kFileSize) {
        std::copy_n(data, MemoryImage::kPcSize, image.pc().begin());
        std::copy_n(data + MemoryImage::kPcSize, MemoryImage::kImageSize, image.image().begin());
    } else if (bytes.size() == MemoryImage::kImageSize) {
        std::copy_n(data, MemoryImage::kImageSize, image.image().begin());
    } else {
        const QString size = bytes.size() > MemoryImage::kFileSize
                                 ? Texts::tr("more than %1").arg(MemoryImage::kFileSize)
                                 : QString::number(bytes.size());
        return Result::failure(Texts::tr("\"%1\" is not a data file: it holds %2 bytes; a data "
                                         "file holds %3 bytes, a bare memory image %4.")
                                   .arg(shownPath(path), size)
                                   .arg(MemoryImage::kFileSize)
                                   .arg(MemoryImage::kImageSize));
    }
    return {};
}

Result openDataFile(const QString& path, MemoryImage& image) {
    Result result = loadDataFile(path, image);
    if (result.ok)
        restoreStandardFiveToneTables(image);
    return result;
}

Result saveDataFile(const QString& path, const MemoryImage& image) {
    return writeWholeFile(path, image.toFileBytes());
}

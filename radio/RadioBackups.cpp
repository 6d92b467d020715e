// Backups of what radios held: one data file per read, in a folder per radio, listed newest
// first from their names.
#include "RadioBackups.h"
#include "Texts.h"

#include "DataFile.h"
#include "ImageMap.h"
#include "MemoryImage.h"
#include "RadioIdentity.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace {

const QString kStamp = QStringLiteral("yyyy-MM-dd hh-mm-ss");

// Letters, digits, '-' and '_' only: a key is a folder name on every system.
QString safe(const QString& text) {
    QString out;
    for (QChar c : text)
        if (c.isLetterOrNumber() || c == u'-' || c == u'_')
            out += c;
    return out;
}

// "2026-12-09 14-03-07.dat" or "2026-12-09 14-03-07 (2).dat": the time of the read.
std::optional<QDateTime> takenFrom(const QString& fileName) {
    static const QRegularExpression name(
        QStringLiteral("^(\\d{4}-\\d\\d-\\d\\d \\d\\d-\\d\\d-\\d\\d)( \\((\\d+)\\))?\\.dat$"));
    const QRegularExpressionMatch m = name.match(fileName);
    if (!m.hasMatch())
        return std::nullopt;
    QDateTime taken = QDateTime::fromString(m.captured(1), kStamp);
    if (!taken.isValid())
        return std::nullopt;
    // Later reads of the same second sort after the first.
    return taken.addMSecs(m.captured(3).isEmpty() ? 0 : m.captured(3).toInt());
}

std::vector<RadioBackups::Backup> inFolder(const QDir& folder) {
    std::vector<RadioBackups::Backup> found;
    for (const QFileInfo& file : folder.entryInfoList({QStringLiteral("*.dat")}, QDir::Files))
        if (const auto taken = takenFrom(file.fileName()))
            found.push_back({file.absoluteFilePath(), folder.dirName(), *taken});
    return found;
}

void newestFirst(std::vector<RadioBackups::Backup>& backups) {
    std::ranges::sort(backups, [](const RadioBackups::Backup& a, const RadioBackups::Backup& b) {
        return a.taken != b.taken ? a.taken > b.taken : a.path > b.path;
    });
}

} // namespace

namespace RadioBackups {

QString folderIn(const QString& dataFolder) {
    return QDir(dataFolder).filePath(QStringLiteral("Backups"));
}

QString radioKey(const MemoryImage& image) {
    const RadioIdentity identity = RadioIdentity::read(image);
    const QString model = safe(identity.modelName);
    const QString serial = safe(identity.serialNumber);
    return (model.isEmpty() ? QStringLiteral("radio") : model) + u'-' +
           (serial.isEmpty() ? QStringLiteral("unknown") : serial);
}

Kept keep(const QString& root, const MemoryImage& image, const QDateTime& now) {
    Kept kept;
    const QString key = radioKey(image);
    if (const auto last = newest(root, key)) {
        MemoryImage held;
        // What the radio sent: the PC block and the bytes below the read are the program's own.
        const auto sent = [](const MemoryImage& m) {
            return m.image().subspan(ImageMap::kRadioReadStart);
        };
        if (loadDataFile(last->path, held).ok && std::ranges::equal(sent(held), sent(image))) {
            kept.path = last->path;
            return kept;
        }
    }
    const QString folder = QDir(root).filePath(key);
    if (!QDir().mkpath(folder)) {
        kept.ok = false;
        kept.message = Texts::tr("Cannot make the backup folder \"%1\".")
                           .arg(QDir::toNativeSeparators(folder));
        return kept;
    }
    const QString stem = now.toString(kStamp);
    QString path = QDir(folder).filePath(stem + QStringLiteral(".dat"));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = QDir(folder).filePath(QStringLiteral("%1 (%2).dat").arg(stem).arg(n));
    if (const Result saved = saveDataFile(path, image); !saved.ok) {
        kept.ok = false;
        kept.message = saved.message;
        return kept;
    }
    kept.path = path;
    kept.added = true;
    return kept;
}

std::vector<Backup> list(const QString& root, const QString& radio) {
    std::vector<Backup> all;
    const QDir dir(root);
    for (const QString& key : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (!radio.isEmpty() && !key.contains(radio, Qt::CaseInsensitive))
            continue;
        std::ranges::move(inFolder(QDir(dir.filePath(key))), std::back_inserter(all));
    }
    newestFirst(all);
    return all;
}

std::optional<Backup> newest(const QString& root, const QString& radioKey) {
    std::vector<Backup> backups = inFolder(QDir(QDir(root).filePath(radioKey)));
    if (backups.empty())
        return std::nullopt;
    newestFirst(backups);
    return backups.front();
}

Usage usage(const QString& root, const QString& radioKey) {
    Usage u;
    for (const Backup& b : inFolder(QDir(QDir(root).filePath(radioKey)))) {
        ++u.count;
        u.bytes += QFileInfo(b.path).size();
    }
    return u;
}

int removeOldest(const QString& root, const QString& radioKey, int keep) {
    std::vector<Backup> backups = inFolder(QDir(QDir(root).filePath(radioKey)));
    newestFirst(backups);
    int removed = 0;
    for (std::size_t i = std::size_t(std::max(keep, 0)); i < backups.size(); ++i)
        if (QFile::remove(backups[i].path))
            ++removed;
    return removed;
}

QString shownTime(const QDateTime& taken) {
    return taken.toString(QStringLiteral("yyyy-MM-dd hh:mm"));
}

} // namespace RadioBackups

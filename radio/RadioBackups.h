#pragma once

#include "Result.h"

#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

class MemoryImage;

// A copy of every image read from a radio, kept as a plain data file under the data folder:
// Backups/<model>-<serial number, or "unknown">/<yyyy-mm-dd hh-mm-ss>.dat. A backup is written
// atomically and never overwritten (a second read in the same second gets " (2)"); a read
// whose radio memory is identical to the newest backup of the same radio adds none. Nothing is ever
// deleted unless the user asks.
namespace RadioBackups {

// Past this many backups of one radio the program offers to remove the oldest.
constexpr int kOfferToRemoveAbove = 200;

struct Backup {
    QString path;
    QString radio; // the folder: "<model>-<serial>"
    QDateTime taken;
};

// The backups' folder in a data folder ("Backups").
QString folderIn(const QString& dataFolder);

// The folder name of the radio whose image this is.
QString radioKey(const MemoryImage& image);

struct Kept : Result {
    QString path;       // the backup written, or the newest that already held the same
    bool added = false; // false: identical to the newest (or the write failed)
};
// Keeps `image` (as the read left it) under `root`. A failure names the folder or file; the
// caller warns and goes on: a backup never costs the read.
Kept keep(const QString& root, const MemoryImage& image,
          const QDateTime& now = QDateTime::currentDateTime());

// Every backup under `root`, newest first; only those of radios whose key or serial number
// contains `radio` when given.
std::vector<Backup> list(const QString& root, const QString& radio = {});
std::optional<Backup> newest(const QString& root, const QString& radioKey);

struct Usage {
    int count = 0;
    qint64 bytes = 0;
};
Usage usage(const QString& root, const QString& radioKey);
// Removes the oldest backups of a radio until `keep` are left. Returns how many went.
int removeOldest(const QString& root, const QString& radioKey, int keep);

// "2026-12-09 14:03" as the Write question and the lists name a backup.
QString shownTime(const QDateTime& taken);

} // namespace RadioBackups

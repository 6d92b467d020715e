#pragma once

#include "Result.h"

#include <QString>

class MemoryImage;

// On failure the results' messages name the file and the cause.

// Reads a data file into `image`. 69,632 bytes are the PC block and the image; 65,536 bytes are
// a bare memory image, loaded at 0x0000 with the PC block kept. Any other size is refused and
// nothing changes.
Result loadDataFile(const QString& path, MemoryImage& image);

// Open: loadDataFile, then the standard 5-Tone tone tables are written back into the PC block.
Result openDataFile(const QString& path, MemoryImage& image);

// Writes the PC block and the image as writeWholeFile does: over a regular file atomically (on
// any failure the old file stays as it was), never replacing anything but a regular file.
Result saveDataFile(const QString& path, const MemoryImage& image);

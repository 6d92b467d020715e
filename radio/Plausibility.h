#pragma once

#include <QString>

class MemoryImage;

// Why the data does not look like this radio's memory, or an empty text when it does: the
// band-limit table and every channel frequency are decimal numbers, channel 1 is set and the
// model block holds text. Data read from a radio or saved by this program always passes; a
// random or foreign file almost never does.
QString implausibility(const MemoryImage& image);

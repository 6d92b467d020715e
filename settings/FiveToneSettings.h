#pragma once

#include "FieldDescription.h"

#include <QStringList>
#include <array>
#include <vector>

class MemoryImage;

// The 5-Tone settings at 0xD280-0xD54F and the sixteen 5-Tone standards kept in the PC block.
// The standard shown is a working copy in its PC block entry; the image's block at 0xD280 holds
// the selected standard only and is written by a store.
namespace FiveToneSettings {

constexpr int kStandards = 16;
constexpr int kUserStandard = 15;

// "ZVEI1" ... "USER DEFINDE".
const QStringList& standardNames();
// "A" ... "F"; the delimiter list also has "None" first.
const QStringList& letters();

// What the standard part of the form shows for one PC block entry.
struct Standard {
    int width = 70;                // tone width in ms
    QString group, repeat;         // letters
    QString delimiter;             // a letter or "None"
    std::array<QString, 16> tones; // "%.1f" Hz, empty for no tone (outside 288.0-3116.0)
};

// Load standard: the index at 0xD280 (above 15 taken as 0) and the image's block copied into
// that entry: all 40 bytes for the user's standard, bytes 0-7 for a built-in one.
int loadStandard(MemoryImage& image);
// Store standard: entry k gets its index in byte 0 and is copied whole to 0xD280.
void storeStandard(MemoryImage& image, int k);

// Entry k as the form shows it. A header never filled in (a width below the nominal one, a
// letter that is no letter) shows the standard's own: nominal width, group A, repeat E,
// delimiter F or none.
Standard readStandard(const MemoryImage& image, int k);
// Entry k as the form shows it: as read, with its group, repeat and delimiter letters kept
// apart (the group's letter wins).
Standard shownStandard(const MemoryImage& image, int k);
// A standard as the form labels and shows it: "Standard", "Width", "Group", "Repeat",
// "Delimiter", then "Tone 0" to "Tone F".
std::vector<std::pair<QString, QString>> standardFields(int k, const Standard& standard);
QStringList standardLabels();
// The shown standard into entry k: width, letters, and for the user's standard its tones.
void writeStandard(MemoryImage& image, int k, const Standard& standard);

// Letter exclusivity: after `changed` (0 group, 1 repeat, 2 delimiter) took a letter, another
// list showing the same letter takes the first letter none of the three shows.
void keepLettersApart(std::array<QString, 3>& shown, int changed);

// The characters an identity code takes: hex digits, except those whose tone is empty and the
// repeat letter.
bool codeAccepts(QChar c, const std::array<QString, 16>& tones, const QString& repeat);

// The fields at fixed addresses: timings, side tone (beep carried), PTT and own identities,
// decode response and auto reset.
const std::vector<FieldDescription>& fields();
// An information entry (16 bytes, 0xD4D0 + 16 (m - 1)): offsets in the record.
const std::vector<FieldDescription>& informationFields();
// A contact (32 bytes, 0xD2D0 + 32 (n - 1)): offsets in the record.
const std::vector<FieldDescription>& contactFields();

// A contact's alias left empty: the previous alias, else "2T-S%02d".
QString contactAliasFallback(const QString& alias, const QString& previous, int contact);
// A contact's code left empty: contact 1 only takes the previous code back, else "12345".
QString contactCodeFallback(const QString& code, const QString& previous, int contact);

} // namespace FiveToneSettings

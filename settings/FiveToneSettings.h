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

// Load standard: the index at 0xD280 (above 15 taken as 0) and the image's block copied into
// that entry: all 40 bytes for the user's standard, bytes 0-7 for a built-in one.
int loadStandard(MemoryImage& image);
// Store standard: entry k gets its index in byte 0 and is copied whole to 0xD280.
void storeStandard(MemoryImage& image, int k);

// The fields of a standard's record, its working copy in the PC block (offsets in the record;
// the "Standard" list chooses the record): "Width", "Group", "Repeat", "Delimiter" and the
// tones "Tone 0" to "Tone F", four a row in a table of their own (kToneGroup). A letter that
// is no letter shows group A and repeat E; an empty tone is no tone.
const std::vector<FieldDescription>& standardFields();
constexpr int kToneGroup = 1;
QString toneLabel(int digit); // "Tone 0" ... "Tone F"
// The width of standard k: its nominal width to 255 ms.
NumberRule widthRule(int k);
// What the form shows of standard k: "Standard", then its fields under its own width rule,
// with its letters kept apart (the group's letter wins).
std::vector<std::pair<QString, QString>> shownStandard(const MemoryImage& image, int k);
// Only the user's standard has tones of its own to edit.
inline bool tonesEditable(int k) {
    return k == kUserStandard;
}

// Letter exclusivity: after `changed` (0 group, 1 repeat, 2 delimiter) took a letter, another
// list showing the same letter takes the first letter none of the three shows.
void keepLettersApart(std::array<QString, 3>& shown, int changed);
// The labels of those three lists, in that order.
const std::array<QString, 3>& letterLabels();

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

#pragma once

#include "NumberRule.h"
#include "OptionTables.h"

#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

class MemoryImage;
struct FieldDescription;

// The kind of control a field is edited in.
enum class FieldControl { List, Number, Check, Text };

// What a field's control holds: the chosen entry of a list (-1 for no choice) or the state of a
// check box (0 or 1); the text of a number or text field.
struct FieldValue {
    int index = -1;
    QString text;
    friend bool operator==(const FieldValue&, const FieldValue&) = default;
};

// How a field's stored bits or bytes become what its control holds, and back. `address` is
// the field's own address (the record base already added); `items` is the field's list.
struct FieldCodec {
    FieldControl control;
    FieldValue (*decode)(const FieldDescription& field, const QStringList& items,
                         const MemoryImage& image, std::uint32_t address);
    void (*encode)(const FieldDescription& field, const QStringList& items, const FieldValue& value,
                   MemoryImage& image, std::uint32_t address);
};

// Where a form places a field. Fields of a group share a box or table of the form (0: the
// form's main one). A field with a row stands in that row (from 1) and column of its group's
// table, with a title in the column before it (its short label, or its row's title) and a
// column's title above the first row; the others follow one another in table order.
struct FieldPlace {
    int group = 0;
    int row = -1;
    int column = 0;
    QString title = {};
    QString columnTitle = {};
};

// One field of a form, described once: what the form shows, where the image keeps it and how.
// Forms build their controls from it, load and store through it, and the report reads it.
struct FieldDescription {
    QString label;         // shown beside the control; also its accessible name
    std::uint32_t address; // in the image (the PC block from 0x10000), or from a record's base
    int shift = 0;         // the lowest bit of a bit field
    int width = 8;         // bits of a number (16: a little-endian word); characters of a text
    const FieldCodec* codec = nullptr;
    QStringList items = {};                                 // a list's entries in stored-code order
    std::vector<int> codes = {};                            // a coded list: entry i stores codes[i]
    QStringList (*itemsFrom)(const MemoryImage&) = nullptr; // a list built from the image
    std::optional<int> fallback = std::nullopt; // the entry a list without a choice takes
    std::optional<int> noChoice = std::nullopt; // what a list without a choice stores (0 else)
    bool hidden = false;    // never shown, but loaded and stored like the others
    NumberRule number = {}; // a number field's range, fallback and arrows
    int unit = 1;           // a stored step in shown units: 50 for "ms / 50"
    std::optional<CharSet> chars = std::nullopt; // the characters a text field takes
    bool upperCase = false;                      // typed letters become upper case
    FieldPlace place = {};
};

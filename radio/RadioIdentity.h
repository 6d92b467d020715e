#pragma once

#include "Frequency.h"

#include <QString>
#include <array>

class MemoryImage;

// The radio's identity block at 0xFF00 and its band-limit table at 0xFF30, decoded.
struct RadioIdentity {
    QString serialNumber; // letters and digits
    QString modelName;    // letters and digits
    QString modelCode;    // printable characters
    QString firmware;     // printable characters
    QString programDate;  // "YYYY-MM-DD", empty unless a valid calendar date

    static RadioIdentity read(const MemoryImage& image);

    // Stores the three editable texts: 0xFF00-0xFF1F filled with 0xFF, then each text up to its
    // field's length or its first character the field does not allow.
    static void writeEditable(MemoryImage& image, const QString& serialNumber,
                              const QString& modelName, const QString& modelCode);

    // The characters each field allows.
    static bool serialCharacter(QChar c); // letters and digits (serial number, model name)
    static bool codeCharacter(QChar c);   // printable (model code, firmware)

    // The fields as the "Modle" form shows them; a field without `accept` is only shown.
    struct Field {
        const char* label;
        QString RadioIdentity::*value;
        int maxLength;
        bool (*accept)(QChar);
    };
    static const std::array<Field, 5>& fields();
};

// One band's four edges (receive lower/upper, transmit lower/upper); 0 is an empty edge
// (stored with 0x00 or 0xFF in its most significant byte).
using BandEdges = std::array<Frequency, 4>;
BandEdges readBandEdges(const MemoryImage& image, int band);

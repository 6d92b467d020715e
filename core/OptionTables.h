#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

// The lists whose position is the stored code of a setting, shared by several forms.
enum class OptionTable {
    DecodeType,
    DcsPolarity,
    TxPower,
    Scan,
    Bandwidth,
    DisplayType,
    BusyLock,
    SqlMode,
    OptionSignaling,
    PttId,
    FrequencyStep,
    OffsetDirection,
    Ani,
    OnOff,
    BandName,
};

const QStringList& options(OptionTable table);

// Text lookups of the channel, VFO and scan forms: the first entry equal to the text ignoring
// case, code 0 when none; a code without an entry shows as the named fallback.
int frequencyStepCode(const QString& text);
QString frequencyStepText(int code); // codes outside 0..12 give "12.5"
int sqlModeCode(const QString& text);
QString sqlModeText(int code); // codes outside 0..4 give "Carrier"

// The characters an edit field accepts; backspace is always accepted by the widgets.
enum class CharSet {
    Frequency, // digits and "."
    Tone,      // digits and "."
    Dcs,       // digits
    Name,      // letters, digits, space and "+-*/#"
    Dtmf,      // digits, "A"-"D", "*", "#"
    Hex,       // digits, "A"-"F"
};

// Letters are tested on their upper-case form, as the edit fields convert them.
bool accepts(CharSet set, QChar c);
// The text with every character outside the set dropped.
QString filtered(CharSet set, const QString& text);

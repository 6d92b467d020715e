#pragma once

#include "ChannelRecord.h"
#include "OptionTables.h"

#include <QStringList>
#include <array>
#include <optional>
#include <vector>

class BandState;

// What the forms that edit a channel record do differently.
enum class RecordUse {
    // A memory channel (channel edit dialog): channel 1 keeps to the main bands, the offset is
    // loaded and stored, the offset direction bits stay as they are.
    Channel,
    // A scan edge (scan channel form): its own step list, an entry in no band is never taken,
    // the offset is only read, the offset direction follows Rx and Tx when stored.
    ScanEdge,
    // A VFO record (VFO dialog): never empty, frequencies kept within the record's band, the
    // offset direction edited and Tx derived from it; name, scan, display type, Tx stop and
    // reverse backup hidden.
    Vfo,
};

// The fields of a 32-byte channel record as the forms that edit one place them: the editor
// builds its controls from this table and a report reads it, so both show the same labels and
// the same texts.
namespace RecordFields {

enum class Kind {
    Rx,
    Tx,
    Name,
    Ctcss,
    Dcs,
    List,            // a list stored through its code (`field`, items from `table`)
    SignalingDecode, // entries 1 to 16
    SqlMode,         // the modes the decode type and option signaling allow
    Step,            // the steps the receive frequency's band allows
    OffsetDirection, // edited by a VFO record only
    Offset,
    Check, // a check box on `field`
};

struct Field {
    Kind kind;
    const char* label; // the channel edit dialog's text; `label()` gives each form's own
    ChannelField field = ChannelField::TxPower;
    OptionTable table = OptionTable::OnOff;
    int maxLength = 0;                           // a text field's length; its control shows no more
    std::optional<CharSet> chars = std::nullopt; // the characters a text field takes
    bool upperCase = false;                      // letters taken in upper case
};

// In the order the forms place them.
const std::vector<Field>& fields();

// The form's own text for a field ("Deocde type" on the scan channel form and the VFO dialog).
QString label(const Field& field, RecordUse use);
// Fields a form has but never shows (they are still loaded and stored).
bool hidden(const Field& field, RecordUse use);

// The list a field chooses from when a record's code is not one of its items.
QString listFallback(const Field& field, const QStringList& items);

// A text as a field's control holds it: cut to its length. What a form loads is not filtered:
// the filter is for typing.
QString fieldText(const Field& field, const QString& text);

// The texts a form shows for its shown fields, in `fields()` order (empty for an empty record,
// a VFO record is never empty). `number` is the channel's number or the VFO record's index.
QStringList shownLabels(RecordUse use);
// The bits of a record that its shown fields take, byte by byte.
std::array<std::uint8_t, 32> shownBits(RecordUse use);
QStringList shownTexts(ConstRecord r, RecordUse use, int number, const BandState& bands);

} // namespace RecordFields

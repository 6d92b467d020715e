#pragma once

#include "Frequency.h"

#include "BandTable.h"

#include <QString>
#include <QStringList>
#include <vector>

class BandState;

// The rules of the channel edit dialog that decide what a field shows, kept free of widgets.
namespace ChannelEditRules {

// The SQL modes a channel can use: tone modes need decode type 2 or 3 ("Ctcss Codec", "Dcs
// Codec"), signaling modes need option signaling other than "Off". -1 stands for no choice.
QStringList sqlModes(int decodeType, int optionSignaling);

// The frequency steps offered for a receive frequency: fewer in the 850M band.
QStringList stepsFor(Frequency rx, const BandState& bands);

// An offset as the field shows it: 0 to 50 MHz on the frequency grid, anything else 7.6 MHz.
QString normalizeOffset(const QString& text);

// What a frequency field shows after an entry. `previous` is the field's text before it;
// `changed` tells whether the text changes at all (channel 1 may keep what was typed).
struct Entry {
    QString text;
    bool changed = true;
};

// Receive frequency of channel n. Channel 1 must stay in a main band (band 4 or 7) and is only
// put on the frequency grid; other channels are snapped to their raster, and an entry in no
// band falls back to the previous frequency or the first defined band. An empty entry on a
// channel other than 1 stays empty (the channel is cleared).
Entry enterRx(int channel, const QString& text, const QString& previous, const BandState& bands);

// Transmit frequency of channel n: as Rx, but an empty entry takes the previous text back.
Entry enterTx(int channel, const QString& text, const QString& previous, const BandState& bands);

// Scan edges. The steps offered: all in the air band (band 3), fewer in the 850M band, and all
// but 8.33 kHz elsewhere.
QStringList scanStepsFor(Frequency rx, const BandState& bands);
// Scan edge k's name: "L1", "U1", ... "L5", "U5".
QString scanEdgeName(int k);
// Receive frequency of a scan edge: an entry in no band takes the previous frequency back; with
// no previous frequency (an empty record) it is refused and the field stays empty, as the radio
// cannot use a record outside its bands. Then the raster.
Entry enterScanRx(const QString& text, const QString& previous, const BandState& bands);
// Transmit frequency of a scan edge: empty while Rx is; an empty entry takes the previous text
// back; an entry in no band takes the previous frequency, or the Rx text when that lies in no
// band or there is none. Then the raster.
Entry enterScanTx(const QString& text, const QString& previous, const QString& rx,
                  const BandState& bands);

// VFO records: one a band of the radio (0-8 but the air band, 3), and two for the main bands
// (9: the VHF one, 10: the UHF or 220 MHz one).
struct VfoTab {
    int record;
    QString caption;
};
// The records the VFO dialog shows, in record order: band k when it is enabled ("%s" of its
// name), 9 as "150M R" when band 4 is, 10 as "250M R" or "450M R" when band 5 or band 7 is.
std::vector<VfoTab> vfoTabs(const BandState& bands);
// The band limits of VFO record k.
BandRange vfoLimits(int record, const BandState& bands);
// Whether the radio has record k's band: band k (0-8), band 4 (9), band 5 or 7 (10).
bool vfoEnabled(int record, const BandState& bands);
// Where a record of a band the radio lacks rests: the built-in lower limit of its band.
Frequency vfoBuiltInLower(int record);
// A frequency VFO record k keeps: one inside its limits, or an air-band one (band 3) in the
// "150M" record. The dialog's entries and the check after a table store both ask this.
bool vfoAccepts(int record, Frequency f, const BandState& bands);
// A frequency typed into VFO record k: one the record does not accept becomes its lower limit,
// then the raster.
QString enterVfoFrequency(int record, const QString& text, const BandState& bands);
// The Tx a VFO record stores: Rx, or Rx minus or plus the offset for direction 1 or 2. An
// offset that would leave Rx's band turns the direction off (`direction` becomes 0) and gives
// Tx = Rx.
Frequency vfoTx(Frequency rx, int& direction, Frequency offset, const BandState& bands);

} // namespace ChannelEditRules

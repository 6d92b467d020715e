#include "ChannelTable.h"
#include "Language.h"
#include "Texts.h"

#include "BandState.h"
#include "ChannelRecord.h"
#include "ChannelRules.h"
#include "ImageMap.h"
#include "MemoryImage.h"
#include "Normalization.h"
#include "Tones.h"

namespace {

struct ListColumn {
    int column;
    OptionTable table;
    ChannelField field;
};

// The option columns: which list they show and which record field they store.
constexpr ListColumn kListColumns[] = {
    {ChannelTable::DecodeType, OptionTable::DecodeType, ChannelField::TableDecodeType},
    {ChannelTable::DcsPolarity, OptionTable::DcsPolarity, ChannelField::DcsPolarity},
    {ChannelTable::Power, OptionTable::TxPower, ChannelField::TxPower},
    {ChannelTable::Scan, OptionTable::Scan, ChannelField::Scan},
    {ChannelTable::Bandwidth, OptionTable::Bandwidth, ChannelField::Bandwidth},
    {ChannelTable::Signaling, OptionTable::OptionSignaling, ChannelField::OptionSignaling},
};

constexpr int kWidths[ChannelTable::kColumns] = {500,  1100, 1100, 1200, 900,  1000,
                                                 1400, 1000, 900,  1000, 1000, 1100};

// A code the list has no entry for shows the entry the table store writes for it: the first.
QString listText(OptionTable table, int code) {
    const QStringList& list = options(table);
    return code >= 0 && code < list.size() ? list[code] : list.value(0);
}

Record recordOf(MemoryImage& image, int row) {
    return image.at<32>(ImageMap::channelAddress(row));
}

} // namespace

const QStringList& ChannelTable::headers() {
    static const QStringList h = {"CH",
                                  QT_TRANSLATE_NOOP("Radio", "Rx Freq"),
                                  QT_TRANSLATE_NOOP("Radio", "Tx Freq"),
                                  QT_TRANSLATE_NOOP("Radio", "Decode Type"),
                                  QT_TRANSLATE_NOOP("Radio", "CTCSS"),
                                  "DCS",
                                  QT_TRANSLATE_NOOP("Radio", "DCS Polarity"),
                                  QT_TRANSLATE_NOOP("Radio", "Power"),
                                  QT_TRANSLATE_NOOP("Radio", "Scan"),
                                  QT_TRANSLATE_NOOP("Radio", "Bandwidth"),
                                  QT_TRANSLATE_NOOP("Radio", "Signaling"),
                                  QT_TRANSLATE_NOOP("Radio", "Name")};
    return h;
}

int ChannelTable::widthTwips(int column) {
    return kWidths[column];
}

QString ChannelTable::headerTip(int column) {
    static const char* const tips[kColumns] = {
        QT_TRANSLATE_NOOP("Radio", "Channel number"),
        QT_TRANSLATE_NOOP("Radio", "Receive frequency (MHz)"),
        QT_TRANSLATE_NOOP("Radio", "Transmit frequency (MHz)"),
        QT_TRANSLATE_NOOP("Radio", "Which tones the channel sends and decodes"),
        QT_TRANSLATE_NOOP("Radio", "CTCSS tone (Hz)"),
        QT_TRANSLATE_NOOP("Radio", "DCS code"),
        QT_TRANSLATE_NOOP("Radio", "DCS polarity"),
        QT_TRANSLATE_NOOP("Radio", "Transmit power"),
        QT_TRANSLATE_NOOP("Radio", "Scan: allowed, skipped or priority"),
        QT_TRANSLATE_NOOP("Radio", "Bandwidth"),
        QT_TRANSLATE_NOOP("Radio", "Option signaling"),
        QT_TRANSLATE_NOOP("Radio", "Channel name (up to 6 characters)"),
    };
    return Language::shown(QString::fromLatin1(tips[column]));
}

std::optional<OptionTable> ChannelTable::listOf(int column) {
    for (const ListColumn& l : kListColumns)
        if (l.column == column)
            return l.table;
    return std::nullopt;
}

ChannelTable::ChannelTable(MemoryImage& image, BandState& bands)
    : image_(image), bands_(bands), rows_(kRows) {
    for (int r = 1; r <= kRows; ++r)
        cell(r, Channel) = QString::number(r);
}

void ChannelTable::clearRow(int row) {
    for (int c = Rx; c < kColumns; ++c)
        cell(row, c).clear();
}

void ChannelTable::fillRow(int row) {
    const Record r = recordOf(image_, row);
    if (isEmptyRecord(r)) {
        if (row != 1) {
            clearRow(row);
            return;
        }
        const int fallback = bands_.defaultBand();
        ChannelRules::initializeChannel(
            image_, 1, fallback < 0 ? 40000000 : bands_.nine[std::size_t(fallback)].lower, bands_);
    }
    using namespace ChannelRecord;
    cell(row, Rx) = FrequencyText::fromValue(rxFrequency(r));
    // A Tx that is not set (as the channel edit dialog leaves one) shows empty, as there.
    cell(row, Tx) = txIsSet(r) ? FrequencyText::fromValue(txFrequency(r)) : QString();
    cell(row, Ctcss) = ctcssText(r);
    cell(row, Dcs) = dcsText(r);
    for (const ListColumn& l : kListColumns)
        cell(row, l.column) = listText(l.table, code(r, l.field));
    cell(row, Name) = name(r);
}

void ChannelTable::fill() {
    for (int r = 1; r <= kRows; ++r)
        fillRow(r);
    bands_.deriveEnabledFlags(image_);
}

// Row 1 must stay in a main band: an entry outside band 4 and band 7 falls back to what the
// cell held, or to the default band's lower edge.
QString ChannelTable::firstChannelText(const QString& candidate, const QString& previous) const {
    if (bands_.mainBandCheck(FrequencyText::toValue(candidate)) >= 0)
        return candidate;
    if (!previous.isEmpty() && bands_.mainBandCheck(FrequencyText::toValue(previous)) >= 0)
        return previous;
    const int fallback = bands_.defaultBand();
    return fallback < 0 ? QString()
                        : FrequencyText::fromValue(bands_.nine[std::size_t(fallback)].lower);
}

bool ChannelTable::commitFrequency(int row, int column, const QString& editorText) {
    Frequency f = FrequencyText::toValue(editorText);
    QString newText;
    bool inNoBand = false;
    if (f != 0) {
        if (bands_.bandOf(f) < 0) {
            inNoBand = true;
            const int first = bands_.firstDefinedBand();
            if (first >= 0)
                f = bands_.nine[std::size_t(first)].lower;
        }
        f = ChannelRules::snapFrequency(f, bands_.bandOf(f));
        newText = FrequencyText::fromValue(f);
    }
    auto correctedTo = [&](const QString& shown) {
        if (inNoBand)
            correction_ = Texts::tr("%1 MHz lies in no band of this radio: %2")
                              .arg(editorText.trimmed(), shown);
        else if (shown != newText)
            correction_ = Texts::tr("Channel 1 stays in the 150M or 450M band: %1").arg(shown);
    };
    const bool rowWasEmpty = rowEmpty(row);
    if (column == Rx) {
        if (!newText.isEmpty()) {
            if (rowWasEmpty) {
                // A new channel is written at once and shown from its record.
                ChannelRules::initializeChannel(image_, row, f, bands_);
                fillRow(row);
            } else {
                cell(row, Rx) = row == 1 ? firstChannelText(newText, text(row, Rx)) : newText;
            }
            correctedTo(text(row, Rx));
            return true;
        }
        if (row == 1) {
            correction_ = Texts::tr("Channel 1 can never be emptied");
            return false;
        }
        clearRow(row);
        if (!rowWasEmpty)
            ChannelRules::initializeChannel(image_, row, 0, bands_);
        return true;
    }
    if (rowWasEmpty) {
        cell(row, Tx).clear();
        return true;
    }
    if (!newText.isEmpty()) {
        cell(row, Tx) = row == 1 ? firstChannelText(newText, text(row, Tx)) : newText;
        correctedTo(text(row, Tx));
    }
    return true;
}

bool ChannelTable::commit(int row, int column, const QString& editorText) {
    correction_.clear();
    if (row < 1 || row > kRows)
        return false;
    switch (column) {
    case Rx:
    case Tx:
        return commitFrequency(row, column, editorText);
    case Ctcss:
        cell(row, Ctcss) = Ctcss::normalize(editorText);
        return true;
    case Dcs:
        cell(row, Dcs) = Dcs::normalize(editorText);
        return true;
    case Name:
        // What was typed, filtered and cut to the field's six characters, spaces and all. A name
        // left as it was shown keeps even characters no one could type.
        if (rowEmpty(row))
            cell(row, Name).clear();
        else if (editorText != text(row, Name))
            cell(row, Name) = filtered(CharSet::Name, editorText.toUpper()).left(6);
        return true;
    default:
        if (!listOf(column))
            return false;
        cell(row, column) = rowEmpty(row) ? QString() : editorText;
        return true;
    }
}

void ChannelTable::storeRow(int row) {
    const Record r = recordOf(image_, row);
    if (rowEmpty(row)) {
        writeEmptyRowRecord(r);
        return;
    }
    using namespace ChannelRecord;
    // Compared as they will be stored, so that the next store finds the same direction.
    const Frequency rx = std::min(FrequencyText::toValue(text(row, Rx)), kMaxStorableFrequency);
    const Frequency tx = std::min(FrequencyText::toValue(text(row, Tx)), kMaxStorableFrequency);
    setRxFrequency(r, rx);
    // An empty Tx cell stores 00 00 00 00; a Tx that is not set stays as it is.
    if (!text(row, Tx).isEmpty() || txIsSet(r))
        setTxFrequency(r, tx);
    setCode(
        r, ChannelField::OffsetDirection,
        ChannelRules::offsetDirection(rx, tx, code(r, ChannelField::OffsetDirection), offset(r)));
    setCtcss(r, text(row, Ctcss));
    setDcs(r, text(row, Dcs));
    for (const ListColumn& l : kListColumns)
        setCode(r, l.field, std::max<int>(0, options(l.table).indexOf(text(row, l.column))));
    setName(r, text(row, Name));
    setCode(r, ChannelField::TxStop, 0);
    ChannelRules::applySqlModeRule(r);
}

void ChannelTable::settle(MemoryImage& image, BandState& bands) {
    ChannelTable table(image, bands);
    table.fill();
    table.store();
}

void ChannelTable::store() {
    for (int r = 1; r <= kRows; ++r)
        storeRow(r);
    normalizeAfterTableStore(image_, bands_);
}

std::vector<int> ChannelTable::recordsChanged() {
    const auto before = rows_;
    fill();
    store();
    fill();
    return rowsChangedSince(before);
}

std::vector<int> ChannelTable::edit(int row, int column, const QString& editorText) {
    const auto before = rows_;
    if (!commit(row, column, editorText))
        return {};
    store();
    fill();
    return rowsChangedSince(before);
}

std::vector<int> ChannelTable::rowsChangedSince(const std::vector<Row>& before) const {
    std::vector<int> changed;
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i] != before[i])
            changed.push_back(int(i) + 1);
    return changed;
}

#include "ReportSections.h"
#include "Language.h"
#include "Texts.h"

#include "AlarmSettings.h"
#include "BandLimitEditing.h"
#include "BandState.h"
#include "BasicSettings.h"
#include "ChannelEditRules.h"
#include "ChannelTable.h"
#include "DtmfCodeTable.h"
#include "DtmfSettings.h"
#include "FieldCodecs.h"
#include "FiveToneSettings.h"
#include "ImageMap.h"
#include "MemoryImage.h"
#include "OptionTables.h"
#include "RadioIdentity.h"
#include "RecordFields.h"
#include "TwoToneContacts.h"
#include "TwoToneSettings.h"

#include <algorithm>

namespace {

using FieldTable = std::vector<FieldDescription>;

// What the form shows for the fields of the record at `base`.
std::vector<ReportField> shownFields(const FieldTable& table, const MemoryImage& image,
                                     std::uint32_t base = 0) {
    std::vector<ReportField> fields;
    for (const FieldDescription& f : table) {
        if (f.hidden)
            continue;
        const QStringList items = ::Fields::items(f, image);
        const QString text = ::Fields::shownText(f, items, ::Fields::load(f, items, image, base));
        // List entries and labels read in the user's language, as on the form.
        fields.emplace_back(Language::shown(f.label),
                            f.codec->control == FieldControl::List ? Language::shown(text) : text);
    }
    return fields;
}

// The channel edit dialog's fields that the channel table has a column for.
bool channelTableShows(const QString& dialogLabel) {
    static const QStringList inTable = {"Rx frequency(MHz)", "Tx frequency(MHz)", "Name",
                                        "CTCSS tone",        "DCS code",          "DCS polarity",
                                        "Decode type",       "Bandwidth",         "Scan",
                                        "Tx power",          "Option signaling"};
    return inTable.contains(dialogLabel);
}

void append(std::vector<ReportField>& to, const std::vector<ReportField>& fields) {
    to.insert(to.end(), fields.begin(), fields.end());
}

// A table model's rows as its grid shows them; empty rows are left out when `inUseOnly`.
template <typename Model, typename... Args>
ReportTable modelTable(const QString& title, bool inUseOnly, Args&&... args) {
    ReportTable table{title, Model::headers(), {}};
    Model model(std::forward<Args>(args)...);
    model.fill();
    for (int r = 1; r <= Model::kRows; ++r) {
        QStringList row;
        bool empty = true;
        for (int c = 0; c < Model::kColumns; ++c) {
            row << model.text(r, c);
            empty = empty && (c == 0 || row.back().isEmpty());
        }
        if (!(inUseOnly && empty))
            table.rows.push_back(row);
    }
    return table;
}

// A channel-shaped record (VFO record, scan edge) as its form shows it.
ReportGroup recordGroup(const QString& title, std::uint32_t address, RecordUse use, int number,
                        const MemoryImage& image, const BandState& bands) {
    const QStringList labels = RecordFields::shownLabels(use);
    const QStringList texts = RecordFields::shownTexts(image.at<32>(address), use, number, bands);
    ReportGroup group{title, {}};
    for (qsizetype i = 0; i < texts.size(); ++i)
        group.fields.emplace_back(labels[i], texts[i]);
    return group;
}

// A format another decoder holds, or "Off" for decoder 1, is not among a decoder's choices:
// its list shows none.
std::vector<ReportField> twoToneSystem(const MemoryImage& image, std::uint32_t base) {
    std::vector<ReportField> fields = shownFields(TwoToneSettings::systemFields(), image, base);
    std::array<ReportField*, 4> formats{};
    for (ReportField& f : fields)
        for (int k = 0; k < 4; ++k)
            if (f.first == TwoToneSettings::formatLabel(k + 1))
                formats[std::size_t(k)] = &f;
    std::array<QString, 4> chosen;
    for (std::size_t k = 0; k < 4; ++k)
        chosen[k] = formats[k]->second;
    const auto choices = TwoToneSettings::formatChoices(chosen);
    for (std::size_t k = 0; k < 4; ++k)
        if (!choices[k].contains(chosen[k]))
            formats[k]->second.clear();
    return fields;
}

// One row a record, one column a shown field.
ReportTable recordTable(const QString& title, const QString& first, const FieldTable& fields,
                        const ImageMap::RecordArray& records, const MemoryImage& image) {
    ReportTable table{title, {first}, {}};
    for (const FieldDescription& f : fields)
        if (!f.hidden)
            table.headers << Language::shown(f.label);
    for (int i = 0; i < records.count; ++i) {
        QStringList row = {QString::number(i + 1)};
        for (const ReportField& field : shownFields(fields, image, records.at(i)))
            row << field.second;
        table.rows.push_back(row);
    }
    return table;
}

} // namespace

namespace ReportSections {

ReportSection radio(const MemoryImage& image, const BandState&) {
    const RadioIdentity id = RadioIdentity::read(image);
    ReportSection s{Texts::tr("Radio"), {}, {}, {}};
    for (const RadioIdentity::Field& f : RadioIdentity::fields())
        s.fields.emplace_back(Language::shown(QString::fromLatin1(f.label)), id.*f.value);
    ReportTable limits{
        Texts::tr("Frequency range"), Language::shown(BandLimitTable::headers()), {}};
    const BandLimitTable table = BandLimitTable::fromImage(image);
    for (int b = 0; b < kBandCount; ++b) {
        QStringList row = {options(OptionTable::BandName)[b]};
        for (int c = 0; c < 4; ++c)
            row << table.cellText(b, c);
        limits.rows.push_back(row);
    }
    s.tables.push_back(limits);
    return s;
}

// The channel list as the table shows it, and for each channel in use the fields only the
// channel edit dialog shows, as it shows them.
ReportSection channels(const MemoryImage& image, const BandState& bands) {
    // The table model edits what it is given: it gets copies.
    MemoryImage copy = image;
    BandState bandsCopy = bands;
    ReportTable list = modelTable<ChannelTable>(Texts::tr("Channel"), true, copy, bandsCopy);
    const QStringList labels = RecordFields::shownLabels(RecordUse::Channel);
    ReportTable details{Texts::tr("Channel details"), {list.headers[0]}, {}, Texts::tr("Channel")};
    // Column titles and list entries in the user's language; names and numbers as they are.
    for (qsizetype c = 0; c < list.headers.size(); ++c) {
        list.headers[c] = Language::shown(list.headers[c]);
        if (ChannelTable::listOf(int(c)))
            for (QStringList& row : list.rows)
                row[c] = Language::shown(row[c]);
    }
    std::vector<qsizetype> shown;
    for (qsizetype i = 0; i < labels.size(); ++i)
        if (!channelTableShows(labels[i])) {
            details.headers << Language::shown(labels[i]);
            shown.push_back(i);
        }
    for (const QStringList& row : list.rows) {
        const int n = row[0].toInt();
        const QStringList texts = RecordFields::shownTexts(
            image.at<32>(ImageMap::channelAddress(n)), RecordUse::Channel, n, bands);
        QStringList detail = {row[0]};
        for (qsizetype i : shown)
            detail << Language::shown(texts.value(i));
        details.rows.push_back(detail);
    }
    return {Texts::tr("Channel setting"), {}, {}, {list, details}};
}

ReportSection vfo(const MemoryImage& image, const BandState& bands) {
    ReportSection s{QStringLiteral("VFO"), {}, {}, {}};
    for (const auto& tab : ChannelEditRules::vfoTabs(bands))
        s.groups.push_back(recordGroup(tab.caption, ImageMap::kVfoRecordArray.at(tab.record),
                                       RecordUse::Vfo, tab.record, image, bands));
    return s;
}

ReportSection scanChannels(const MemoryImage& image, const BandState& bands) {
    ReportSection s{Texts::tr("Scan channel"), {}, {}, {}};
    for (int k = 0; k < ImageMap::kScanEdgeCount; ++k)
        s.groups.push_back(recordGroup(ChannelEditRules::scanEdgeName(k),
                                       ImageMap::kScanEdgeRecords.at(k), RecordUse::ScanEdge, k,
                                       image, bands));
    return s;
}

ReportSection basic(const MemoryImage& image, const BandState&) {
    ReportSection s{Texts::tr("Basic setting"), {}, {}, {}};
    for (const FieldTable* table :
         {&BasicSettings::optionFields(), &BasicSettings::totFields(), &BasicSettings::keyFields()})
        append(s.fields, shownFields(*table, image));
    return s;
}

ReportSection alarm(const MemoryImage& image, const BandState&) {
    return {Texts::tr("Alarm"), shownFields(AlarmSettings::fields(), image), {}, {}};
}

ReportSection dtmf(const MemoryImage& image, const BandState&) {
    ReportSection s{QStringLiteral("DTMF"), shownFields(DtmfSettings::codeFields(), image), {}, {}};
    append(s.fields, shownFields(DtmfSettings::pttIdFields(), image));
    MemoryImage copy = image;
    s.tables.push_back(modelTable<DtmfCodeTable>(Texts::tr("DTMF codes"), false, copy));
    return s;
}

ReportSection twoTone(const MemoryImage& image, const BandState&) {
    ReportSection s{Texts::tr("2Tone"), {}, {}, {}};
    const auto& records = ImageMap::kTwoToneSystemRecords;
    for (int k = 0; k < records.count; ++k)
        s.groups.push_back(
            {Texts::tr("System %1").arg(k + 1), twoToneSystem(image, records.at(k))});
    MemoryImage copy = image;
    s.tables.push_back(modelTable<TwoToneContacts>(Texts::tr("Contacts"), false, copy));
    return s;
}

ReportSection fiveTone(const MemoryImage& image, const BandState&) {
    using namespace FiveToneSettings;
    MemoryImage copy = image;
    const int k = loadStandard(copy); // the form shows the standard it loads into the image
    ReportSection s{Texts::tr("5Tone"), shownStandard(copy, k), {}, {}};
    append(s.fields, shownFields(fields(), copy));
    s.tables.push_back(recordTable(Texts::tr("Infomation"), Texts::tr("Group"), informationFields(),
                                   ImageMap::kFiveToneInfoRecords, copy));
    ReportTable contacts = recordTable(Texts::tr("Contact"), Texts::tr("Group"), contactFields(),
                                       ImageMap::kFiveToneContactRecords, copy);
    // An empty alias shows what the form falls back on when it loads a contact (an empty code
    // stays empty until the user leaves its field).
    const qsizetype alias = contacts.headers.indexOf(Language::shown(QStringLiteral("Alias")));
    for (std::size_t n = 0; n < contacts.rows.size(); ++n) {
        QStringList& row = contacts.rows[n];
        row[alias] = contactAliasFallback(row[alias], row[alias], int(n) + 1);
    }
    s.tables.push_back(contacts);
    return s;
}

} // namespace ReportSections

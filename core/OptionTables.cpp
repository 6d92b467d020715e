#include "OptionTables.h"

#include <array>

namespace {

struct Table {
    OptionTable id;
    QStringList entries;
};

const std::array<Table, 15>& tables() {
    static const std::array<Table, 15> all = {{
        {OptionTable::DecodeType, {"Off", "Ctcss Encode", "Ctcss Codec", "Dcs Codec"}},
        {OptionTable::DcsPolarity, {"Positive", "Decode Invert", "Encode Invert", "Invert"}},
        {OptionTable::TxPower, {"Low", "Middle 2", "Middle 1", "High"}},
        {OptionTable::Scan, {"Allow", "Skip", "Priority"}},
        {OptionTable::Bandwidth, {"Wide", "Middle", "Narrow"}},
        {OptionTable::DisplayType, {"Frequency", "Name"}},
        {OptionTable::BusyLock, {"Off", "Carrier", "2 Tone"}},
        {OptionTable::SqlMode,
         {"Carrier", "Tone", "Signaling", "Signaling & Tone", "Signalling | Tone"}},
        {OptionTable::OptionSignaling, {"Off", "2 Tone", "5 Tone", "DTMF"}},
        {OptionTable::PttId, {"Off", "PTTID 1", "PTTID 2", "PTTID 3", "PTTID 4", "5 Tone"}},
        {OptionTable::FrequencyStep,
         {"2.5", "5.0", "6.25", "7.5", "8.33", "10", "12.5", "15", "20", "25", "30", "50", "100"}},
        {OptionTable::OffsetDirection, {"Off", "-", "+"}},
        {OptionTable::Ani, {"", "None", "ANI"}},
        {OptionTable::OnOff, {"Off", "On"}},
        {OptionTable::BandName,
         {"30M", "50M", "60M", "108M", "150M", "250M", "350M", "450M", "850M"}},
    }};
    return all;
}

int codeOf(OptionTable table, const QString& text) {
    const auto& list = options(table);
    for (int i = 0; i < list.size(); ++i)
        if (list[i].compare(text, Qt::CaseInsensitive) == 0)
            return i;
    return 0;
}

QString textOf(OptionTable table, int code, const char* fallback) {
    const auto& list = options(table);
    return code >= 0 && code < list.size() ? list[code] : QString::fromLatin1(fallback);
}

} // namespace

const QStringList& options(OptionTable table) {
    for (const auto& t : tables())
        if (t.id == table)
            return t.entries;
    Q_UNREACHABLE();
}

int frequencyStepCode(const QString& text) {
    return codeOf(OptionTable::FrequencyStep, text);
}
QString frequencyStepText(int code) {
    return textOf(OptionTable::FrequencyStep, code, "12.5");
}
int sqlModeCode(const QString& text) {
    return codeOf(OptionTable::SqlMode, text);
}
QString sqlModeText(int code) {
    return textOf(OptionTable::SqlMode, code, "Carrier");
}

bool accepts(CharSet set, QChar c) {
    const char16_t u = c.toUpper().unicode();
    const bool digit = u >= u'0' && u <= u'9';
    const bool letter = u >= u'A' && u <= u'Z';
    switch (set) {
    case CharSet::Frequency:
    case CharSet::Tone:
        return digit || u == u'.';
    case CharSet::Dcs:
        return digit;
    case CharSet::Name:
        return digit || letter || QStringView(u" +-*/#").contains(QChar(u));
    case CharSet::Dtmf:
        return digit || (u >= u'A' && u <= u'D') || u == u'*' || u == u'#';
    case CharSet::Hex:
        return digit || (u >= u'A' && u <= u'F');
    }
    return false;
}

QString filtered(CharSet set, const QString& text) {
    QString out;
    for (QChar c : text)
        if (accepts(set, c))
            out += c;
    return out;
}

#include "OptionTables.h"

#include <array>

namespace {

struct Table {
    OptionTable id;
    QStringList entries;
};

const std::array<Table, 15>& tables() {
    static const std::array<Table, 15> all = {{
        {OptionTable::DecodeType,
         {QT_TRANSLATE_NOOP("Radio", "Off"), QT_TRANSLATE_NOOP("Radio", "Ctcss Encode"),
          QT_TRANSLATE_NOOP("Radio", "Ctcss Codec"), QT_TRANSLATE_NOOP("Radio", "Dcs Codec")}},
        {OptionTable::DcsPolarity,
         {QT_TRANSLATE_NOOP("Radio", "Positive"), QT_TRANSLATE_NOOP("Radio", "Decode Invert"),
          QT_TRANSLATE_NOOP("Radio", "Encode Invert"), QT_TRANSLATE_NOOP("Radio", "Invert")}},
        {OptionTable::TxPower,
         {QT_TRANSLATE_NOOP("Radio", "Low"), QT_TRANSLATE_NOOP("Radio", "Middle 2"),
          QT_TRANSLATE_NOOP("Radio", "Middle 1"), QT_TRANSLATE_NOOP("Radio", "High")}},
        {OptionTable::Scan,
         {QT_TRANSLATE_NOOP("Radio", "Allow"), QT_TRANSLATE_NOOP("Radio", "Skip"),
          QT_TRANSLATE_NOOP("Radio", "Priority")}},
        {OptionTable::Bandwidth,
         {QT_TRANSLATE_NOOP("Radio", "Wide"), QT_TRANSLATE_NOOP("Radio", "Middle"),
          QT_TRANSLATE_NOOP("Radio", "Narrow")}},
        {OptionTable::DisplayType,
         {QT_TRANSLATE_NOOP("Radio", "Frequency"), QT_TRANSLATE_NOOP("Radio", "Name")}},
        {OptionTable::BusyLock,
         {QT_TRANSLATE_NOOP("Radio", "Off"), QT_TRANSLATE_NOOP("Radio", "Carrier"),
          QT_TRANSLATE_NOOP("Radio", "2 Tone")}},
        {OptionTable::SqlMode,
         {QT_TRANSLATE_NOOP("Radio", "Carrier"), QT_TRANSLATE_NOOP("Radio", "Tone"),
          QT_TRANSLATE_NOOP("Radio", "Signaling"), QT_TRANSLATE_NOOP("Radio", "Signaling & Tone"),
          QT_TRANSLATE_NOOP("Radio", "Signalling | Tone")}},
        {OptionTable::OptionSignaling,
         {QT_TRANSLATE_NOOP("Radio", "Off"), QT_TRANSLATE_NOOP("Radio", "2 Tone"),
          QT_TRANSLATE_NOOP("Radio", "5 Tone"), QT_TRANSLATE_NOOP("Radio", "DTMF")}},
        {OptionTable::PttId,
         {QT_TRANSLATE_NOOP("Radio", "Off"), "PTTID 1", "PTTID 2", "PTTID 3", "PTTID 4",
          QT_TRANSLATE_NOOP("Radio", "5 Tone")}},
        {OptionTable::FrequencyStep,
         {"2.5", "5.0", "6.25", "7.5", "8.33", "10", "12.5", "15", "20", "25", "30", "50", "100"}},
        {OptionTable::OffsetDirection, {QT_TRANSLATE_NOOP("Radio", "Off"), "-", "+"}},
        {OptionTable::Ani, {"", QT_TRANSLATE_NOOP("Radio", "None"), "ANI"}},
        {OptionTable::OnOff, {QT_TRANSLATE_NOOP("Radio", "Off"), QT_TRANSLATE_NOOP("Radio", "On")}},
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

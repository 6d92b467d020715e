#include "FormCatalog.h"

#include "AlarmSettings.h"
#include "BasicSettings.h"
#include "DtmfSettings.h"
#include "FiveToneSettings.h"
#include "HelpContexts.h"
#include "ReportSections.h"
#include "TwoToneSettings.h"

const std::vector<FormInfo>& formCatalog() {
    using namespace HelpContext;
    namespace S = ReportSections;
    // clang-format off
    static const std::vector<FormInfo> forms = {
        {QT_TRANSLATE_NOOP("Radio", "Model"), QT_TRANSLATE_NOOP("Radio", "Modle"), kModel, {}, S::radio},
        {QT_TRANSLATE_NOOP("Radio", "Frequency range"), QT_TRANSLATE_NOOP("Radio", "Frequency range"), kFrequencyRange},
        {QT_TRANSLATE_NOOP("Radio", "Channel setting"), QT_TRANSLATE_NOOP("Radio", "Channel setting"), kChannelSetting, {}, S::channels},
        {"VFO", "VFO", kVfo, {}, S::vfo},
        {QT_TRANSLATE_NOOP("Radio", "Scan channel"), QT_TRANSLATE_NOOP("Radio", "Scan channel"), kScanChannel, {}, S::scanChannels},
        {QT_TRANSLATE_NOOP("Radio", "Basic setting"), QT_TRANSLATE_NOOP("Radio", "Basic setting"), kBasicSetting,
         {{&BasicSettings::optionFields()}, {&BasicSettings::totFields()},
          {&BasicSettings::keyFields()}},
         S::basic},
        {QT_TRANSLATE_NOOP("Radio", "Alarm"), QT_TRANSLATE_NOOP("Radio", "Alarm"), kAlarm, {{&AlarmSettings::fields()}}, S::alarm},
        {"DTMF", "DTMF", kDtmf, {{&DtmfSettings::codeFields()}, {&DtmfSettings::pttIdFields()}},
         S::dtmf},
        {QT_TRANSLATE_NOOP("Radio", "2Tone"), QT_TRANSLATE_NOOP("Radio", "2Tone"), kTwoTone,
         {{&TwoToneSettings::systemFields(), ImageMap::kTwoToneSystemRecords}}, S::twoTone},
        // The standard shown is the one the image's block holds (a copy of its PC block entry).
        {QT_TRANSLATE_NOOP("Radio", "5Tone"), QT_TRANSLATE_NOOP("Radio", "5Tone"), kFiveTone,
         {{&FiveToneSettings::standardFields(), {ImageMap::kFiveToneSystem, 0, 1}},
          {&FiveToneSettings::fields()},
          {&FiveToneSettings::informationFields(), ImageMap::kFiveToneInfoRecords},
          {&FiveToneSettings::contactFields(), ImageMap::kFiveToneContactRecords}},
         S::fiveTone},
    };
    // clang-format on
    return forms;
}

const FormInfo* findForm(const QString& text) {
    for (const FormInfo& form : formCatalog())
        if (form.text == text)
            return &form;
    return nullptr;
}

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
        {"Model", "Modle", kModel, {}, S::radio},
        {"Frequency range", "Frequency range", kFrequencyRange},
        {"Channel setting", "Channel setting", kChannelSetting, {}, S::channels},
        {"VFO", "VFO", kVfo, {}, S::vfo},
        {"Scan channel", "Scan channel", kScanChannel, {}, S::scanChannels},
        {"Basic setting", "Basic setting", kBasicSetting,
         {{&BasicSettings::optionFields()}, {&BasicSettings::totFields()},
          {&BasicSettings::keyFields()}},
         S::basic},
        {"Alarm", "Alarm", kAlarm, {{&AlarmSettings::fields()}}, S::alarm},
        {"DTMF", "DTMF", kDtmf, {{&DtmfSettings::codeFields()}, {&DtmfSettings::pttIdFields()}},
         S::dtmf},
        {"2Tone", "2Tone", kTwoTone,
         {{&TwoToneSettings::systemFields(), ImageMap::kTwoToneSystemRecords}}, S::twoTone},
        // The standard shown is the one the image's block holds (a copy of its PC block entry).
        {"5Tone", "5Tone", kFiveTone,
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

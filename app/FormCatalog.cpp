#include "FormCatalog.h"

#include "CBasicSettingView.h"
#include "CModelView.h"
#include "CProgramView.h"

const std::vector<FormEntry>& formCatalog() {
    static const std::vector<FormEntry> forms = {
        {"Channel setting",
         "Channel setting",
         {860, 620},
         101,
         [](MemoryImage& image, BandState& bands) -> CBaseFormView* {
             return new CProgramView(image, bands);
         }},
        {"Scan channel", "Scan channel", {720, 580}, 194, nullptr},
        {"Basic setting",
         "Basic setting",
         {620, 580},
         201,
         [](MemoryImage& image, BandState&) -> CBaseFormView* {
             return new CBasicSettingView(image);
         }},
        {"DTMF", "DTMF", {730, 550}, 205, nullptr},
        {"2Tone", "2Tone", {670, 630}, 157, nullptr},
        {"5Tone", "5Tone", {830, 650}, 190, nullptr},
        {"Model",
         "Modle",
         {360, 360},
         196,
         [](MemoryImage& image, BandState&) -> CBaseFormView* { return new CModelView(image); }},
        {"Alarm", "Alarm", {490, 535}, 208, nullptr},
    };
    return forms;
}

const FormEntry* findForm(const QString& name) {
    for (const FormEntry& f : formCatalog())
        if (f.name == name)
            return &f;
    return nullptr;
}

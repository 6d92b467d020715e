#include "CommandRegistry.h"

#include "CBasicSettingView.h"
#include "CDtmfView.h"
#include "CModelView.h"
#include "CProgramView.h"
#include "ChannelRules.h"
#include "Document.h"
#include "FrequencyRangeDialog.h"

#include <algorithm>

namespace {

const QString kChannelSetting = QStringLiteral("Channel setting");

// The band-limit editor, then every channel outside the bands it leaves is cleared.
void frequencyRange(CommandHost& host) {
    Document& document = host.document();
    host.storeAllForms();
    FrequencyRangeDialog dialog(document.image(), document.bands(), host.dialogParent());
    dialog.exec();
    ChannelRules::clearChannelsOutsideBands(document.image(), document.bands());
    host.reloadForm(kChannelSetting);
}

std::vector<const CommandEntry*> ordered(int CommandEntry::*position) {
    std::vector<const CommandEntry*> entries;
    for (const CommandEntry& e : commandRegistry())
        if (e.*position >= 0)
            entries.push_back(&e);
    std::ranges::sort(entries, {}, [position](const CommandEntry* e) { return e->*position; });
    return entries;
}

} // namespace

const std::vector<CommandEntry>& commandRegistry() {
    using K = CommandKind;
    static const std::vector<CommandEntry> entries = {
        {kChannelSetting,
         0,
         0,
         K::FormWindow,
         kChannelSetting,
         {860, 620},
         101,
         true,
         [](Document& d) -> CBaseFormView* { return new CProgramView(d.image(), d.bands()); }},
        {"VFO", 1, 1, K::ModalDialog, "VFO", {}, 0},
        {"Scan channel", 2, 2, K::FormWindow, "Scan channel", {720, 580}, 194},
        {"Basic setting",
         3,
         3,
         K::FormWindow,
         "Basic setting",
         {620, 580},
         201,
         false,
         [](Document& d) -> CBaseFormView* { return new CBasicSettingView(d.image()); }},
        {"DTMF",
         4,
         4,
         K::FormWindow,
         "DTMF",
         {730, 550},
         205,
         false,
         [](Document& d) -> CBaseFormView* { return new CDtmfView(d.image()); }},
        {"2Tone", 5, 5, K::FormWindow, "2Tone", {670, 630}, 157},
        {"5Tone", 6, 6, K::FormWindow, "5Tone", {830, 650}, 190},
        {"Model",
         7,
         7,
         K::FormWindow,
         "Modle",
         {360, 360},
         196,
         false,
         [](Document& d) -> CBaseFormView* { return new CModelView(d.image()); }},
        {"Frequency range", 8, 8, K::Command, {}, {}, 0, false, {}, frequencyRange},
        // Opened by no menu, tree item, button or key.
        {"Alarm", -1, -1, K::FormWindow, "Alarm", {490, 535}, 208},
    };
    return entries;
}

const CommandEntry* findCommand(const QString& text) {
    for (const CommandEntry& e : commandRegistry())
        if (e.text == text)
            return &e;
    return nullptr;
}

std::vector<const CommandEntry*> treeCommands() {
    return ordered(&CommandEntry::treePosition);
}

std::vector<const CommandEntry*> editMenuCommands() {
    return ordered(&CommandEntry::menuPosition);
}

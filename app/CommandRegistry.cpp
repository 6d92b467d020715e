#include "CommandRegistry.h"

#include "AlarmView.h"
#include "BasicSettingView.h"
#include "ChannelRules.h"
#include "ChannelTable.h"
#include "ChannelTableView.h"
#include "Document.h"
#include "DtmfView.h"
#include "FieldTips.h"
#include "FiveToneView.h"
#include "FormCatalog.h"
#include "FrequencyRangeDialog.h"
#include "MemoryImage.h"
#include "ModelView.h"
#include "ScanChannelView.h"
#include "TwoToneView.h"
#include "VfoDialog.h"
#include "Workspace.h"

#include <algorithm>
#include <type_traits>

namespace {

// The band-limit editor; when it changed the limits, every channel outside the new bands is
// cleared, and the channels are stored as the channel table stores them, so that the step
// holds all the change.
void frequencyRange(Workspace& workspace) {
    Document& document = workspace.document();
    workspace.storeAllForms();
    FrequencyRangeDialog dialog(document.image(), document.bands(), workspace.dialogParent());
    dialog.exec();
    if (!dialog.limitsChanged())
        return;
    ChannelRules::clearChannelsOutsideBands(document.image(), document.bands());
    ChannelTable::settle(document.image(), document.bands());
    workspace.reloadForm(channelTableForm());
}

// The VFO dialog writes the image directly: the forms store before it and reload after it.
void vfo(Workspace& workspace) {
    Document& document = workspace.document();
    workspace.storeAllForms();
    VfoDialog dialog(document.image(), document.bands(), workspace.dialogParent());
    applyFieldTips(&dialog, QStringLiteral("VFO"));
    dialog.exec();
    workspace.reloadAllForms();
}

std::vector<const CommandEntry*> ordered(int CommandEntry::*position) {
    std::vector<const CommandEntry*> entries;
    for (const CommandEntry& e : commandRegistry())
        if (e.*position >= 0)
            entries.push_back(&e);
    std::ranges::sort(entries, {}, [position](const CommandEntry* e) { return e->*position; });
    return entries;
}

// A form made on the document's image (and band state).
template <typename Form> FormView* makeForm(Document& d) {
    if constexpr (std::is_constructible_v<Form, MemoryImage&, BandState&>)
        return new Form(d.image(), d.bands());
    else
        return new Form(d.image());
}

} // namespace

const QString& channelTableForm() {
    static const QString text = QStringLiteral(QT_TRANSLATE_NOOP("Radio", "Channel setting"));
    return text;
}

const std::vector<CommandEntry>& commandRegistry() {
    using K = CommandKind;
    // clang-format off
    static const std::vector<CommandEntry> entries = {
        // text          tree menu kind          size        maximized
        {channelTableForm(),  0,   0, K::FormWindow,  {860, 620}, true,  makeForm<ChannelTableView>},
        {"VFO",            1,   1, K::ModalDialog, {},         false, {}, vfo},
        {QT_TRANSLATE_NOOP("Radio", "Scan channel"),   2,   2, K::FormWindow,  {},         false, makeForm<ScanChannelView>},
        {QT_TRANSLATE_NOOP("Radio", "Basic setting"),  3,   3, K::FormWindow,  {},         false, makeForm<BasicSettingView>},
        {"DTMF",           4,   4, K::FormWindow,  {},         false, makeForm<DtmfView>},
        {QT_TRANSLATE_NOOP("Radio", "2Tone"),          5,   5, K::FormWindow,  {},         false, makeForm<TwoToneView>},
        {QT_TRANSLATE_NOOP("Radio", "5Tone"),          6,   6, K::FormWindow,  {},         false, makeForm<FiveToneView>},
        {QT_TRANSLATE_NOOP("Radio", "Alarm"),          7,   7, K::FormWindow,  {},         false, makeForm<AlarmView>},
        {QT_TRANSLATE_NOOP("Radio", "Model"),          8,   8, K::FormWindow,  {},         false, makeForm<ModelView>},
        {QT_TRANSLATE_NOOP("Radio", "Frequency range"),9,   9, K::Command,     {},         false, {}, frequencyRange},
    };
    // clang-format on
    return entries;
}

const FormInfo& CommandEntry::form() const {
    const FormInfo* info = findForm(text);
    if (!info)
        qFatal("\"%s\" is in no form catalogue entry", qPrintable(text));
    return *info;
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

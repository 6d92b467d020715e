#pragma once

// The help topic of each form, tab and dialog, by the number its topic file gives it.
namespace HelpContext {
constexpr int kContents = 0;
constexpr int kChannelSetting = 101;
constexpr int kVfo = 193;
constexpr int kScanChannel = 194;
constexpr int kBasicSetting = 201;
constexpr int kBasicSettingNoTab = 32789;
constexpr int kBasicOption = 151;
constexpr int kBasicTot = 146;
constexpr int kBasicKey = 175;
constexpr int kDtmf = 205;
constexpr int kDtmfCode = 205;
constexpr int kDtmfPttId = 215;
constexpr int kTwoTone = 157;
constexpr int kTwoToneSystem = 141;
constexpr int kTwoToneContact = 142;
constexpr int kFiveTone = 190;
constexpr int kAlarm = 208;
constexpr int kModel = 196;
constexpr int kFrequencyRange = 197;
} // namespace HelpContext

#include "findaro/lists/settings_summary.h"

#include "common/number_format.h"
#include "findaro/lists/value_names.h"
#include "findaro/state/finder.h"

namespace findaro {
namespace {

std::string onOff(int flag) { return choiceName(flag, {"Off", "On"}); }

}  // namespace

std::string settingsSummaryText(const Settings& s) {
  return "  Letters-" + choiceName(s.EnableSpeakLetters, {"No", "Letters", "Words", "Both"}) +
         "  ExcludeSystem-" + onOff(s.ExcludeSystemFolders) +
         "  UseIgnoreLst-" + onOff(s.UseIgnoreList) +
         "  STFocus-" + onOff(s.FocusOnRE) +
         "  UseMagnora-" + onOff(s.UseMagnora) +
         "  MagnoraHover-" + choiceName(s.UseHover, {"Off", "Text", "Speak", "Both"}) +
         "  VisualPrintFont-" + onOff(s.PrintFont) +
         "  MaxPrintLines-" + (s.MaxPrintLines == 0 ? std::string("UnLmtd") : common::formatNumber(s.MaxPrintLines)) +
         "  DisableSpeech-" + onOff(s.DisableSpeech) +
         "  SpeakShortCuts-" + onOff(s.SpeakShortcuts) +
         "  IncludeKey-" + onOff(s.IncludeShortcutKey) +
         "  MinimalKey-" + onOff(s.SpeakMinimalKey);
}

void showSettingsSummary(Finder& finder) {
  finder.window.setTitle(std::string("Findaro ") + kVersion + "   " + settingsSummaryText(finder.settings));
}

}  // namespace findaro

#include <gtest/gtest.h>

#include "common/text.h"
#include "e2e/finder_session_win32.h"

using namespace e2e;

namespace {

const std::vector<std::string> kSavedKeys = {
    "Left", "Top", "Width", "Height", "SearchTerm", "FontName", "IgnoreList", "Minimized", "Maximized",
    "FontSize", "FG", "BG", "ShowToolbar", "IconSize", "SortType", "HideToolbarText", "MaxResults",
    "ExcludeSystemFolders", "EnableSpeakLetters", "SpeakNonLetters", "ShortPath", "EnableToolTips", "EnableTime",
    "vRate", "SlowRate", "FastRate", "UseIgnoreList", "UseMagnora", "FocusOnRE", "UseHover", "UseKB",
    "PrintFont", "MaxPrintLines", "SearchType", "ShowPreview", "LastRow", "TopRow", "SpeakShortcuts",
    "IncludeShortcutKey", "SpeakMinimalKey", "PreviewResize", "ImageBG", "WideToolbar", "DisableSpeech",
    "LastSearchType", "SearchTimeLimit", "EngineInstance"};

std::vector<std::string> iniLines(const std::string& text) {
  std::vector<std::string> lines = common::split(text, "\r\n");
  if (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
}

std::string valueOf(const std::vector<std::string>& lines, const std::string& key) {
  for (const std::string& line : lines)
    if (line.rfind(key + "=", 0) == 0) return line.substr(key.size() + 1);
  return "<missing>";
}

}  // namespace

TEST(FinderStartup, FirstStartShowsTheDefaultsAndExitWritesEverySetting) {
  ScratchFolder folder;
  FinderSession finder(folder);
  ASSERT_TRUE(finder.start());
  EXPECT_EQ(finder.title().rfind(L"Findaro 4.1   Compiled: ", 0), 0u) << narrow(finder.title());
  EXPECT_EQ(finder.statusText(), L"Welcome to Findaro!");
  EXPECT_EQ(finder.searchText(), L"texas");
  RECT r = windowRect(finder.window());
  EXPECT_EQ(r.right - r.left, 1600);
  EXPECT_EQ(r.bottom - r.top, 800);
  ASSERT_TRUE(finder.close());

  std::vector<std::string> lines = iniLines(finder.settingsFile());
  ASSERT_EQ(lines.size(), 48u);
  EXPECT_EQ(lines[0], "[All]");
  for (size_t i = 0; i < kSavedKeys.size(); ++i) EXPECT_EQ(lines[i + 1].substr(0, lines[i + 1].find('=')), kSavedKeys[i]);
  EXPECT_EQ(valueOf(lines, "Width"), " 1600");
  EXPECT_EQ(valueOf(lines, "Height"), " 800");
  EXPECT_EQ(valueOf(lines, "FontSize"), " 48");
  EXPECT_EQ(valueOf(lines, "SlowRate"), "-3");
  EXPECT_EQ(valueOf(lines, "FastRate"), " 3");
  EXPECT_EQ(valueOf(lines, "SearchTerm"), "texas");
  EXPECT_EQ(valueOf(lines, "FG"), " 65535");
  EXPECT_EQ(valueOf(lines, "SearchTimeLimit"), " 60");

  std::vector<std::string> said = finder.audioLog();
  ASSERT_FALSE(said.empty());
  EXPECT_EQ(said.back(), "Speak 2 Exiting Findaro");
}

TEST(FinderStartup, AHandEditedFileIsHonouredAndRewrittenAtExit) {
  ScratchFolder folder;
  writeFile(folder.file(L"findaro.ini"),
            "[Extra]\r\nColour=red\r\n[All]\r\nFastRate=+3\r\nFontSize=abc\r\nWidth=1200\r\nHeight=700\r\n"
            "Left=50\r\nTop=60\r\nSearchTerm=dallas\r\nMystery=1\r\n");
  FinderSession finder(folder);
  ASSERT_TRUE(finder.start());
  RECT r = windowRect(finder.window());
  EXPECT_EQ(r.left, 50);
  EXPECT_EQ(r.top, 60);
  EXPECT_EQ(r.right - r.left, 1200);
  EXPECT_EQ(r.bottom - r.top, 700);
  EXPECT_EQ(finder.searchText(), L"dallas");
  ASSERT_TRUE(finder.close());

  std::string text = finder.settingsFile();
  std::vector<std::string> lines = iniLines(text);
  ASSERT_EQ(lines.size(), 48u);
  EXPECT_EQ(text.find("Extra"), std::string::npos);
  EXPECT_EQ(text.find("Mystery"), std::string::npos);
  EXPECT_EQ(valueOf(lines, "FastRate"), " 3");
  EXPECT_EQ(valueOf(lines, "FontSize"), " 0");
  EXPECT_EQ(valueOf(lines, "Left"), " 50");
  EXPECT_EQ(valueOf(lines, "Top"), " 60");
  EXPECT_EQ(valueOf(lines, "Width"), " 1200");
  EXPECT_EQ(valueOf(lines, "SearchTerm"), "dallas");
}

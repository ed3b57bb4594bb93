#include "findaro/state/settings_store.h"

#include <gtest/gtest.h>

#include "common/text.h"
#include "support/finder_fixture.h"

using namespace findaro;
using namespace std::string_literals;
using testing_support::FinderTest;

namespace {

const char* kIni = "C:\\prog\\findaro.ini";

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines = common::split(text, "\r\n");
  if (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
}

std::string keyOf(const std::string& line) { return line.substr(0, line.find('=')); }

}  // namespace

class SettingsStoreTest : public FinderTest {};

TEST_F(SettingsStoreTest, WithoutAFileEveryKeyTakesItsDefaultAndTheWindowStaysPut) {
  finder.settings.FontSize = 7;
  finder.settings.SearchTerm = "changed";
  loadOrSaveSettings(finder, "get");
  const Settings& s = finder.settings;
  EXPECT_EQ(s.Width, 1600);
  EXPECT_EQ(s.Height, 800);
  EXPECT_EQ(s.SearchTerm, "texas");
  EXPECT_EQ(s.FontName, "Arial Black");
  EXPECT_EQ(s.FontSize, 48);
  EXPECT_EQ(s.FG, 65535);
  EXPECT_EQ(s.BG, 16711680);
  EXPECT_EQ(s.FastRate, 3);
  EXPECT_EQ(s.SlowRate, -3);
  EXPECT_EQ(s.IconSize, 64);
  EXPECT_EQ(s.DisableSpeech, 0);
  EXPECT_EQ(s.LastSearchType, 1);
  EXPECT_TRUE(calls.called("size 1600x800"));
  for (const std::string& c : calls.calls) EXPECT_EQ(c.rfind("move", 0), std::string::npos) << c;
}

TEST_F(SettingsStoreTest, TheFirstSizeGrowsWithTheScaleButASavedOneIsKeptAsTheUserSawIt) {
  window.displayScale = common::Scale(192);
  loadOrSaveSettings(finder, "get");
  EXPECT_EQ(finder.settings.Width, 3200);
  EXPECT_EQ(finder.settings.Height, 1600);
  EXPECT_TRUE(calls.called("size 3200x1600"));

  // A file without the two keys still gets the first size at the scale.
  files.files[kIni] = "[All]\r\nLeft=5\r\nTop=6\r\n";
  loadOrSaveSettings(finder, "get");
  EXPECT_EQ(finder.settings.Width, 3200);

  files.files[kIni] = "[All]\r\nWidth=1700\r\nHeight=900\r\nLeft=5\r\nTop=6\r\n";
  calls.clear();
  loadOrSaveSettings(finder, "get");
  EXPECT_EQ(finder.settings.Width, 1700);
  EXPECT_EQ(finder.settings.Height, 900);
  EXPECT_TRUE(calls.called("size 1700x900"));
  EXPECT_TRUE(calls.called("move 5,6"));
  // And it is saved as it was read: the window's own pixels.
  window.bounds = {5, 6, 1705, 906};
  loadOrSaveSettings(finder, "save");
  EXPECT_NE(files.files.at(kIni).find("Left= 5\r\nTop= 6\r\nWidth= 1700\r\nHeight= 900\r\n"), std::string::npos);
}

TEST_F(SettingsStoreTest, ReadingADefaultRecordBackGivesTheInitialRecord) {
  // The record's initial values and the reader's defaults must agree, or the
  // first "get" would silently change settings.
  Settings fromDefaults;
  readSettings(fromDefaults, ProfileText::parse(""));
  Settings initial;
  EXPECT_EQ(settingsFileText(fromDefaults), settingsFileText(initial));
}

TEST_F(SettingsStoreTest, HandEditedValuesAreReadAsTheProfileReaderWould) {
  files.files[kIni] =
      "; written by hand\r\n"
      "[Other]\r\nFontSize=12\r\n"
      "[all]\r\n"
      "  fastrate =+3  \r\n"
      "SlowRate= -5\r\n"
      "FontSize=abc\r\n"
      "IconSize=96.5\r\n"
      "SearchTerm=\"quoted term\"\r\n"
      "FontName= Verdana \r\n"
      "Left=-40\r\nTop=25\r\nWidth=1000\r\nHeight=700\r\n"
      "BG=0\r\nBG=255\r\n";
  loadOrSaveSettings(finder, "get");
  const Settings& s = finder.settings;
  EXPECT_EQ(s.FastRate, 3);
  EXPECT_EQ(s.SlowRate, -5);
  EXPECT_EQ(s.FontSize, 0);   // not a number
  EXPECT_EQ(s.IconSize, 96);  // half to even
  EXPECT_EQ(s.SearchTerm, "quoted term");
  EXPECT_EQ(s.FontName, "Verdana");
  EXPECT_EQ(s.BG, 0);  // the first of two
  EXPECT_EQ(s.MaxResults, 100);
  EXPECT_TRUE(calls.called("size 1000x700"));
  EXPECT_TRUE(calls.called("move -40,25"));
}

TEST_F(SettingsStoreTest, TextFieldsAreCutToTheirCapacity) {
  std::string longText(400, 'x');
  files.files[kIni] = "[All]\nSearchTerm=" + longText + "\nIgnoreList=" + longText + "\nFontName=" + longText + "\n";
  loadOrSaveSettings(finder, "get");
  EXPECT_EQ(finder.settings.SearchTerm.size(), 99u);
  EXPECT_EQ(finder.settings.FontName.size(), 99u);
  EXPECT_EQ(finder.settings.IgnoreList.size(), 259u);
}

TEST_F(SettingsStoreTest, ReadsUtf16AndAnsiFilesAsWellAsUtf8) {
  std::string utf16 = "\xFF\xFE";
  for (char c : std::string("[All]\r\nSearchTerm=caf")) utf16 += std::string(1, c) + '\0';
  utf16 += std::string("\xE9\0", 2);
  files.files[kIni] = utf16;
  loadOrSaveSettings(finder, "get");
  EXPECT_EQ(finder.settings.SearchTerm, "caf\xC3\xA9");

  files.files[kIni] = "[All]\r\nSearchTerm=caf\xE9\r\n";  // the ANSI code page
  loadOrSaveSettings(finder, "get");
  EXPECT_EQ(finder.settings.SearchTerm, "caf\xC3\xA9");

  files.files[kIni] = "\xEF\xBB\xBF[All]\r\nSearchTerm=caf\xC3\xA9\r\n";
  loadOrSaveSettings(finder, "get");
  EXPECT_EQ(finder.settings.SearchTerm, "caf\xC3\xA9");
}

TEST_F(SettingsStoreTest, SaveWritesEveryKeyInItsOrderWithTheNumberFormat) {
  finder.settings.SlowRate = -3;
  loadOrSaveSettings(finder, "save");
  std::vector<std::string> lines = linesOf(files.files.at(kIni));
  ASSERT_EQ(lines.size(), 48u);
  EXPECT_EQ(lines[0], "[All]");
  std::vector<std::string> keys;
  for (size_t i = 1; i < lines.size(); ++i) keys.push_back(keyOf(lines[i]));
  EXPECT_EQ(keys, savedKeyOrder());
  EXPECT_EQ(keys.front(), "Left");
  EXPECT_EQ(keys[4], "SearchTerm");
  EXPECT_EQ(keys[7], "Minimized");
  EXPECT_EQ(keys[44], "LastSearchType");
  EXPECT_EQ(keys[45], "SearchTimeLimit");
  EXPECT_EQ(keys[46], "EngineInstance");
  std::string text = files.files.at(kIni);
  EXPECT_NE(text.find("\r\nFontSize= 48\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\nSlowRate=-3\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\nFastRate= 3\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\nSearchTerm=texas\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\nSearchTimeLimit= 60\r\nEngineInstance=\r\n"), std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
}

TEST_F(SettingsStoreTest, SaveTakesTheRestoredBoundsAndTheWindowState) {
  window.bounds = {30, 40, 1230, 940};
  window.maximized = true;
  loadOrSaveSettings(finder, "save");
  const std::string& text = files.files.at(kIni);
  EXPECT_NE(text.find("Left= 30\r\nTop= 40\r\nWidth= 1200\r\nHeight= 900\r\n"), std::string::npos);
  EXPECT_NE(text.find("Minimized= 0\r\nMaximized= 1\r\n"), std::string::npos);
  EXPECT_EQ(finder.settings.Maximized, 1);
}

TEST_F(SettingsStoreTest, UnknownKeysAndSectionsAreLostAtTheNextSave) {
  files.files[kIni] = "[Extra]\r\nColour=red\r\n[All]\r\nMystery=1\r\nFontSize=36\r\n";
  loadOrSaveSettings(finder, "get");
  loadOrSaveSettings(finder, "save");
  const std::string& text = files.files.at(kIni);
  EXPECT_EQ(text.find("Extra"), std::string::npos);
  EXPECT_EQ(text.find("Mystery"), std::string::npos);
  EXPECT_NE(text.find("FontSize= 36"), std::string::npos);
}

TEST_F(SettingsStoreTest, AFailedSaveLeavesThePreviousFileWhole) {
  files.files[kIni] = "[All]\r\nFontSize=36\r\n";
  files.failWrites = true;
  finder.settings.FontSize = 12;
  loadOrSaveSettings(finder, "save");
  EXPECT_EQ(files.files.at(kIni), "[All]\r\nFontSize=36\r\n");
}

TEST_F(SettingsStoreTest, AnyOtherModeDoesNothing) {
  files.files[kIni] = "[All]\r\nFontSize=36\r\n";
  finder.settings.FontSize = 12;
  loadOrSaveSettings(finder, "Get");
  loadOrSaveSettings(finder, "SAVE");
  loadOrSaveSettings(finder, "");
  EXPECT_EQ(finder.settings.FontSize, 12);
  EXPECT_EQ(files.files.at(kIni), "[All]\r\nFontSize=36\r\n");
  EXPECT_TRUE(calls.calls.empty());
}

TEST_F(SettingsStoreTest, ARecordSurvivesTheRoundTrip) {
  Settings& s = finder.settings;
  s.SearchTerm = "pic: holiday";
  s.FontName = "Verdana";
  s.IgnoreList = ".lnk .tmp";
  s.FontSize = 60;
  s.vRate = -3;
  s.SearchType = 6;
  s.TopRow = 0;
  s.LastRow = 17;
  window.bounds = {-8, -8, 1592, 792};
  loadOrSaveSettings(finder, "save");
  std::string saved = files.files.at(kIni);
  finder.settings = Settings();
  loadOrSaveSettings(finder, "get");
  EXPECT_EQ(settingsFileText(finder.settings), saved);
  EXPECT_EQ(finder.settings.Left, -8);
}

TEST_F(SettingsStoreTest, ALineBreakInATextValueCannotSplitTheFile) {
  finder.settings.SearchTerm = "two\r\nFontSize=1";
  std::string text = settingsFileText(finder.settings);
  Settings back;
  readSettings(back, ProfileText::parse(text));
  EXPECT_EQ(back.FontSize, 48);
  EXPECT_EQ(back.SearchTerm, "two  FontSize=1");
}

TEST_F(SettingsStoreTest, OnlyTheFirstAllSectionIsRead) {
  files.files[kIni] =
      "[All]\r\nFontSize=36\r\n[Extra]\r\nIconSize=128\r\n"
      "[ALL]\r\nFontSize=12\r\nIconSize=96\r\nSearchTerm=pasted\r\n";
  loadOrSaveSettings(finder, "get");
  EXPECT_EQ(finder.settings.FontSize, 36);
  EXPECT_EQ(finder.settings.IconSize, 64);
  EXPECT_EQ(finder.settings.SearchTerm, "texas");
}

TEST_F(SettingsStoreTest, ReadsUtf16BigEndianFiles) {
  std::string utf16be = "\xFE\xFF";
  for (char c : std::string("[All]\r\nFontSize=36\r\nSearchTerm=caf")) utf16be += std::string(1, '\0') + c;
  utf16be += "\x00\xE9\xD8\x3D\xDC\xC1"s;  // é and a character beyond the basic plane
  utf16be += "\x00\r\x00\n"s;
  files.files[kIni] = utf16be;
  loadOrSaveSettings(finder, "get");
  EXPECT_EQ(finder.settings.FontSize, 36);
  EXPECT_EQ(finder.settings.SearchTerm, "caf\xC3\xA9\xF0\x9F\x93\x81");
}

TEST_F(SettingsStoreTest, AValueEndsAtANul) {
  files.files[kIni] = "[All]\r\nSearchTerm=abc\0def\r\nFontName=Arial\0\r\nFontSize=36\r\n"s;
  loadOrSaveSettings(finder, "get");
  EXPECT_EQ(finder.settings.SearchTerm, "abc");
  EXPECT_EQ(finder.settings.FontName, "Arial");
  EXPECT_EQ(finder.settings.FontSize, 36);
  finder.settings.IgnoreList = ".lnk\0.tmp"s;
  loadOrSaveSettings(finder, "save");
  const std::string& saved = files.files.at(kIni);
  EXPECT_EQ(saved.find('\0'), std::string::npos);
  EXPECT_NE(saved.find("\r\nIgnoreList=.lnk\r\n"), std::string::npos);
}

TEST_F(SettingsStoreTest, ValuesWithBlanksOrQuotesAtTheirEndsReadBackExactly) {
  const std::vector<std::string> values = {"\"annual report\"", "Arial ", " .lnk", "'x'", "\"", "a\"", "\t",
                                           "\"\"", " \"q\" ", "plain words"};
  for (const std::string& value : values) {
    finder.settings.SearchTerm = value;
    finder.settings.FontName = value;
    finder.settings.IgnoreList = value;
    loadOrSaveSettings(finder, "save");
    finder.settings = Settings();
    loadOrSaveSettings(finder, "get");
    EXPECT_EQ(finder.settings.SearchTerm, value);
    EXPECT_EQ(finder.settings.FontName, value);
    EXPECT_EQ(finder.settings.IgnoreList, value);
  }
  // A plain value is written unchanged.
  EXPECT_NE(files.files.at(kIni).find("\r\nSearchTerm=plain words\r\n"), std::string::npos);
  // A font name cut at its capacity right after a blank.
  finder.settings.FontName = std::string(98, 'f') + " ";
  loadOrSaveSettings(finder, "save");
  finder.settings = Settings();
  loadOrSaveSettings(finder, "get");
  EXPECT_EQ(finder.settings.FontName, std::string(98, 'f') + " ");
}

TEST(SearchTimeLimit, WholeSecondsUpToAnHourAndAnythingElseTheDefault) {
  const std::pair<const char*, int> cases[] = {
      {"60", 60},   {"0", 0},      {"3600", 3600}, {" 3 ", 3},  {"+30", 30},  {"90.4", 90},
      {"3601", 60}, {"-1", 60},    {"-0", 60},     {"", 60},    {"abc", 60},  {"never", 60},
      {"99999999999999", 60},      {"1e3", 1},     {".5", 60},  {"+", 60},
  };
  for (const auto& [text, seconds] : cases) EXPECT_EQ(searchTimeLimitFrom(text), seconds) << "[" << text << "]";
}

TEST_F(SettingsStoreTest, TheLimitAndTheInstanceAreReadAndSavedBack) {
  files.files[kIni] = "[All]\r\nSearchTimeLimit=5000\r\nEngineInstance= 1.5a \r\n";
  loadOrSaveSettings(finder, "get");
  EXPECT_EQ(finder.settings.SearchTimeLimit, 60);
  EXPECT_EQ(finder.settings.EngineInstance, "1.5a");
  files.files[kIni] = "[All]\r\nSearchTimeLimit=0\r\n";
  loadOrSaveSettings(finder, "get");
  EXPECT_EQ(finder.settings.SearchTimeLimit, 0);
  EXPECT_EQ(finder.settings.EngineInstance, "");
  finder.settings.EngineInstance = " my instance";
  loadOrSaveSettings(finder, "save");
  loadOrSaveSettings(finder, "get");
  EXPECT_EQ(finder.settings.SearchTimeLimit, 0);
  EXPECT_EQ(finder.settings.EngineInstance, " my instance");
}

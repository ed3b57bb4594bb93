#include "magnora/actions/bookmarks.h"

#include "magnora/buttons/buttons.h"
#include "unit/magnora/magnora_fakes.h"

using namespace magnora;
using magnora_testing::Events;
using magnora_testing::MagnoraTest;

namespace {

const std::string kHead = "<html><body><h1>Bookmarks (";
const std::string kTail = "\r\n</font></body></html>\r\n";

// A store as the browsers write it: indented, quoted, CR LF line ends.
std::string store(const std::vector<std::pair<std::string, std::string>>& marks) {
  std::string text = "{\r\n   \"roots\": {\r\n      \"bookmark_bar\": {\r\n         \"children\": [ ";
  for (const auto& [name, url] : marks)
    text += "{\r\n            \"date_added\": \"1\",\r\n            \"name\": \"" + name +
            "\",\r\n            \"type\": \"url\",\r\n            \"url\": \"" + url + "\"\r\n         }, ";
  text += "],\r\n         \"name\": \"Bookmarks bar\",\r\n         \"type\": \"folder\"\r\n      }\r\n   }\r\n}";
  return text;
}

}  // namespace

TEST(MagnoraBookmarksPage, TwoChromeBookmarksGiveTwoLinksWithTheirTrailingCommas) {
  std::string page = bookmarksPage(store({{"News", "https://news.example/"}, {"Mail", "https://mail.example/"}}), "");
  EXPECT_EQ(page, kHead + "2)</h1><font size=5>\r\n" +
                      "<a href=\"https://news.example/\"><b>News,</b></a><p>\r\n"
                      "<a href=\"https://mail.example/\"><b>Mail,</b></a><p>\r\n" +
                      kTail);
}

TEST(MagnoraBookmarksPage, BothStoresAreCountedInOneHeading) {
  std::string page = bookmarksPage(store({{"A", "http://a/"}}), store({{"B", "http://b/"}, {"C", "http://c/"}}));
  EXPECT_EQ(page.rfind(kHead + "3)</h1>", 0), 0u);
  EXPECT_NE(page.find("<a href=\"http://c/\"><b>C,</b></a><p>"), std::string::npos);
}

TEST(MagnoraBookmarksPage, NoStoresGiveAnEmptyPageWithCountZero) {
  EXPECT_EQ(bookmarksPage("", ""), kHead + "0)</h1><font size=5>\r\n" + kTail);
}

TEST(MagnoraBookmarksPage, AUrlWithoutANameBeforeItRepeatsTheLastNameOrNone) {
  EXPECT_EQ(bookmarksPage("url: http://first/\r\nurl: http://second/", ""),
            kHead + "2)</h1><font size=5>\r\n<a href=\"http://first/\"><b></b></a><p>\r\n"
                    "<a href=\"http://second/\"><b></b></a><p>\r\n" + kTail);
  std::string page = bookmarksPage("name: Kept,\r\nurl: http://1/\r\nurl: http://2/", "");
  EXPECT_NE(page.find("<a href=\"http://2/\"><b>Kept,</b></a>"), std::string::npos);
}

TEST(MagnoraBookmarksPage, OnlyCrLfEndsALineAndIndentationDoesNotMatter) {
  EXPECT_EQ(bookmarksPage("name: A,\nurl: http://a/", ""), kHead + "0)</h1><font size=5>\r\n" + kTail);
  EXPECT_NE(bookmarksPage("      name: A,\r\n\t", "    url: http://a/").find("<b>A,</b>"), std::string::npos);
  // Any key that starts with the four letters is a name line.
  std::string page = bookmarksPage("names: xyz\r\nurl: http://a/", "");
  EXPECT_NE(page.find("<b> xyz</b>"), std::string::npos);
  // Lines too short for their value give an empty one.
  EXPECT_NE(bookmarksPage("name\r\nurl", "").find("<a href=\"\"><b></b></a>"), std::string::npos);
}

TEST(MagnoraBookmarksPage, MarkupInNamesAndAddressesIsEscaped) {
  std::string page = bookmarksPage(
      "name: <script>alert(1)</script> & more,\r\nurl: http://x/?a=1&b=<2>\"onmouseover=alert(1)", "");
  EXPECT_EQ(page, kHead + "1)</h1><font size=5>\r\n" +
                      "<a href=\"http://x/?a=1&amp;b=&lt;2&gt;onmouseover=alert(1)\"><b>&lt;script&gt;alert(1)&lt;/"
                      "script&gt; &amp; more,</b></a><p>\r\n" +
                      kTail);
  EXPECT_EQ(escapeHtml("a\"b<c>&d"), "a&quot;b&lt;c&gt;&amp;d");
}

TEST(MagnoraBookmarksPage, StoresLieBesideTheLocalAppDataFolder) {
  BookmarkStores s = bookmarkStorePaths("C:\\Users\\ann\\AppData\\Local");
  EXPECT_EQ(s.chrome, "C:\\Users\\ann\\AppData\\local\\google\\chrome\\user data\\default\\bookmarks");
  EXPECT_EQ(s.edge, "C:\\Users\\ann\\AppData\\local\\microsoft\\edge\\user data\\default\\bookmarks");
  EXPECT_EQ(bookmarkStorePaths("D:").chrome, "D:local\\google\\chrome\\user data\\default\\bookmarks");
  EXPECT_EQ(bookmarkStorePaths("").edge, "local\\microsoft\\edge\\user data\\default\\bookmarks");
}

class MagnoraBookmarks : public MagnoraTest {};

TEST_F(MagnoraBookmarks, ThePageIsWrittenBesideTheProgramAndOpenedEachTime) {
  start("0 0 0 0 0 1");
  system.environment["LocalAppData"] = "C:\\Users\\ann\\AppData\\Local";
  system.files["C:\\Users\\ann\\AppData\\local\\google\\chrome\\user data\\default\\bookmarks"] =
      store({{"Weather", "https://weather.example/"}});
  handleCommand(bar, id::kShowBookmarks);
  handleCommand(bar, id::kShowBookmarks);
  EXPECT_EQ(events, (Events{"Beep 250 300", "Write C:\\prog\\pagelume_bookmarks.htm",
                            "Open C:\\prog\\pagelume_bookmarks.htm", "Topmost", "Beep 250 300",
                            "Write C:\\prog\\pagelume_bookmarks.htm", "Open C:\\prog\\pagelume_bookmarks.htm",
                            "Topmost"}));
  EXPECT_NE(system.files.at("C:\\prog\\pagelume_bookmarks.htm").find("Bookmarks (1)"), std::string::npos);
  EXPECT_TRUE(spoken().empty());
}

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "tools/es/standin_search.h"

using namespace standin;

namespace {

constexpr uint32_t kFile = kAttributeArchive;
constexpr uint32_t kFolder = kAttributeDirectory;
constexpr uint32_t kJunction = kAttributeDirectory | kAttributeReparsePoint;

// A file system in memory: folder path -> its entries. A folder that is not in
// the map cannot be opened.
class FakeFolders : public FolderSource {
 public:
  void add(const std::string& folder, ListedEntry entry) { folders_[folder].push_back(std::move(entry)); }
  void addEmpty(const std::string& folder) { folders_[folder]; }
  bool list(const std::string& folder, const std::function<void(const ListedEntry&)>& each) override {
    opened.push_back(folder);
    auto it = folders_.find(folder);
    if (it == folders_.end()) return false;
    for (const ListedEntry& e : it->second) each(e);
    return true;
  }
  std::vector<std::string> opened;

 private:
  std::map<std::string, std::vector<ListedEntry>> folders_;
};

// Times as whole minutes make the expected text easy to read: the local time
// of `minutes` is 2023-05-17, that many minutes after midnight.
CivilTime minutesOfTheDay(uint64_t minutes) {
  return {2023, 5, 17, static_cast<int>(minutes / 60), static_cast<int>(minutes % 60)};
}

std::string run(FakeFolders& folders, const std::vector<std::string>& args,
                const std::vector<std::string>& roots = {"C:\\"}) {
  return searchToCsv(parseCommandLine(args), roots, folders, minutesOfTheDay);
}

const std::vector<std::string> kFilesByDate{"!c:\\windows\\", "-size", "-size-format", "2", "-dm", "/a-d",
                                            "-sort", "dm", "-n", "100", "-export-csv", "results.txt"};

std::vector<std::string> with(std::vector<std::string> args, const std::string& word) {
  args.push_back(word);
  return args;
}

class StandinSearch : public ::testing::Test {
 protected:
  void SetUp() override {
    folders.add("C:\\", {"Texas", kFolder, 0, 600});
    folders.add("C:\\", {"texas.txt", kFile, 12, 630});
    folders.add("C:\\", {"windows", kFolder, 0, 10});
    folders.add("C:\\Texas", {"Austin", kFolder, 0, 20});
    folders.add("C:\\Texas", {"TEXAS map.pdf", kFile, 3000000000ull, 700});
    folders.add("C:\\Texas\\Austin", {"capitol texas.jpg", kFile, 0, 5});
    folders.add("C:\\windows", {"texas.dll", kFile, 7, 900});
  }
  FakeFolders folders;
};

}  // namespace

TEST_F(StandinSearch, WritesTheFindersFilesSearchNewestFirst) {
  EXPECT_EQ(run(folders, with(kFilesByDate, "texas")),
            "Size,Date Modified,Filename\r\n"
            "3000000000,05/17/2023 11:40,\"C:\\Texas\\TEXAS map.pdf\"\r\n"
            "12,05/17/2023 10:30,\"C:\\texas.txt\"\r\n"
            "0,05/17/2023 00:05,\"C:\\Texas\\Austin\\capitol texas.jpg\"\r\n");
}

TEST_F(StandinSearch, AnExcludedFolderIsListedButNeverOpened) {
  EXPECT_EQ(run(folders, {"!c:\\windows\\", "/ad"}), "Filename\r\n\"C:\\Texas\\Austin\"\r\n\"C:\\Texas\"\r\n\"C:\\windows\"\r\n");
  EXPECT_EQ(std::count(folders.opened.begin(), folders.opened.end(), "C:\\windows"), 0);
  // A root inside the exclusion gives nothing and is not opened either.
  folders.opened.clear();
  EXPECT_EQ(run(folders, {"!c:\\windows\\"}, {"C:\\windows"}), "Filename\r\n");
  EXPECT_TRUE(folders.opened.empty());
  // Another alternative in the same term could still match below, so the folder is walked.
  EXPECT_EQ(run(folders, {"!c:\\windows\\|dll"}, {"C:\\windows"}), "Filename\r\n\"C:\\windows\\texas.dll\"\r\n");
}

TEST_F(StandinSearch, FoldersHaveAnEmptySizeAndNameOrderIsTheDefault) {
  EXPECT_EQ(run(folders, {"-size", "-dm", "/ad"}),
            "Size,Date Modified,Filename\r\n"
            ",05/17/2023 00:20,\"C:\\Texas\\Austin\"\r\n"
            ",05/17/2023 10:00,\"C:\\Texas\"\r\n"
            ",05/17/2023 00:10,\"C:\\windows\"\r\n");
  // Files and folders together, A to Z ignoring case.
  EXPECT_EQ(run(folders, {"-sort", "name", "texas"}),
            "Filename\r\n"
            "\"C:\\Texas\\Austin\\capitol texas.jpg\"\r\n"
            "\"C:\\Texas\"\r\n"
            "\"C:\\Texas\\TEXAS map.pdf\"\r\n"
            "\"C:\\windows\\texas.dll\"\r\n"
            "\"C:\\texas.txt\"\r\n");
}

TEST_F(StandinSearch, TheLimitIsTakenAfterSorting) {
  EXPECT_EQ(run(folders, {"-dm", "-sort", "dm", "-n", "2"}),
            "Date Modified,Filename\r\n"
            "05/17/2023 15:00,\"C:\\windows\\texas.dll\"\r\n"
            "05/17/2023 11:40,\"C:\\Texas\\TEXAS map.pdf\"\r\n");
  // Oldest first to check that pruning keeps the right half of a long walk.
  FakeFolders many;
  for (int i = 0; i < 1000; ++i) many.add("C:\\", {"f" + std::to_string(i), kFile, 0, 5000u - i});
  EXPECT_EQ(run(many, {"-sort", "dm-ascending", "-n", "2"}), "Filename\r\n\"C:\\f999\"\r\n\"C:\\f998\"\r\n");
  EXPECT_EQ(run(many, {"-n", "0"}), "Filename\r\n");
}

TEST_F(StandinSearch, NoMatchGivesTheHeaderAlone) {
  EXPECT_EQ(run(folders, with(kFilesByDate, "oklahoma")), "Size,Date Modified,Filename\r\n");
  FakeFolders nothing;
  EXPECT_EQ(run(nothing, with(kFilesByDate, "texas")), "Size,Date Modified,Filename\r\n");
}

TEST_F(StandinSearch, JunctionsAreListedButNotEntered) {
  folders.add("C:\\Texas", {"Loop", kJunction, 0, 1});
  folders.add("C:\\Texas\\Loop", {"texas.txt", kFile, 1, 1});
  EXPECT_EQ(run(folders, {"loop|texas.txt"}), "Filename\r\n\"C:\\Texas\\Loop\"\r\n\"C:\\texas.txt\"\r\n");
  EXPECT_EQ(std::count(folders.opened.begin(), folders.opened.end(), "C:\\Texas\\Loop"), 0);
}

TEST_F(StandinSearch, FoldersThatCannotBeOpenedAreListedAndTheWalkGoesOn) {
  folders.add("C:\\", {"Locked", kFolder, 0, 1});  // not in the map: access denied
  EXPECT_EQ(run(folders, {"locked|capitol"}),
            "Filename\r\n\"C:\\Texas\\Austin\\capitol texas.jpg\"\r\n\"C:\\Locked\"\r\n");
  EXPECT_NE(std::find(folders.opened.begin(), folders.opened.end(), "C:\\Locked"), folders.opened.end());
}

TEST_F(StandinSearch, PathsAreQuotedAndKeepTheirOwnSpelling) {
  folders.add("C:\\Texas", {"say \"howdy\", y'all.txt", kFile, 1, 1});
  folders.add("C:\\Texas", {"\xC3\x84rger \xE6\x97\xA5\xE6\x9C\xAC.txt", kFile, 2, 1});
  // Names compare by their folded characters' code points, so Ä comes after Z.
  EXPECT_EQ(run(folders, {"-size", "howdy|\xC3\xA4rger"}),
            "Size,Filename\r\n"
            "1,\"C:\\Texas\\say \"\"howdy\"\", y'all.txt\"\r\n"
            "2,\"C:\\Texas\\\xC3\x84rger \xE6\x97\xA5\xE6\x9C\xAC.txt\"\r\n");
}

TEST_F(StandinSearch, EveryRootIsWalkedAndTheRootsThemselvesAreNotResults) {
  folders.add("D:\\music", {"texas blues.mp3", kFile, 1, 1});
  EXPECT_EQ(run(folders, {"ext:mp3;jpg"}, {"C:\\Texas", "D:\\music"}),
            "Filename\r\n\"C:\\Texas\\Austin\\capitol texas.jpg\"\r\n\"D:\\music\\texas blues.mp3\"\r\n");
  EXPECT_EQ(run(folders, {"/ad"}, {"C:\\Texas"}), "Filename\r\n\"C:\\Texas\\Austin\"\r\n");
}

TEST(StandinRoots, ReadsTheSettingAndDropsRootsInsideOthers) {
  EXPECT_EQ(rootsFromSetting(""), (std::vector<std::string>{"C:\\"}));
  EXPECT_EQ(rootsFromSetting(" ; ;"), (std::vector<std::string>{"C:\\"}));
  EXPECT_EQ(rootsFromSetting("Z:\\tmp\\tree; \"D:\\My Music\" ;"),
            (std::vector<std::string>{"Z:\\tmp\\tree", "D:\\My Music"}));
  EXPECT_EQ(normalizeRoots({"c:", "Z:/tmp/tree/", "\\\\server\\share\\"}),
            (std::vector<std::string>{"c:\\", "Z:\\tmp\\tree", "\\\\server\\share"}));
  EXPECT_EQ(normalizeRoots({"C:\\Users", "c:\\", "D:\\a", "d:\\A\\", "D:\\ab"}),
            (std::vector<std::string>{"c:\\", "D:\\a", "D:\\ab"}));
}

TEST(StandinCsv, FormatsDatesAndFields) {
  EXPECT_EQ(formatDateModified({2023, 5, 7, 9, 3}), "05/07/2023 09:03");
  EXPECT_EQ(formatDateModified({999, 12, 31, 23, 59}), "12/31/0999 23:59");
  EXPECT_EQ(quoteField("a\"b\"\""), "\"a\"\"b\"\"\"\"\"");
  EXPECT_EQ(csvHeader({true, true}), "Size,Date Modified,Filename\r\n");
  EXPECT_EQ(csvHeader({false, true}), "Date Modified,Filename\r\n");
}

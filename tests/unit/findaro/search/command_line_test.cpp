// What reaches the search client: no interpreter, and whatever the user typed or
// exclusion.txt holds, the client's own argument parsing gives back each piece as
// the words it means.
#include <gtest/gtest.h>

#include <algorithm>

#include "findaro/search/search_arguments.h"
#include "findaro/search/search_run.h"
#include "support/argv_model.h"
#include "support/finder_fixture.h"

using namespace findaro;
using testing_support::commandLineToArgv;
using testing_support::FinderTest;
using testing_support::queryWords;
using Words = std::vector<std::string>;

namespace {

// The client's arguments after its name, for a piece written on its own.
Words parsedPiece(const std::string& piece) {
  Words all = commandLineToArgv("es " + quoteQueryPiece(piece));
  return Words(all.begin() + 1, all.end());
}

}  // namespace

TEST(ArgvModel, SplitsAsTheSystemIsDocumentedTo) {
  EXPECT_EQ(commandLineToArgv("es a b\tc"), (Words{"es", "a", "b", "c"}));
  EXPECT_EQ(commandLineToArgv("es \"a b\" c"), (Words{"es", "a b", "c"}));
  EXPECT_EQ(commandLineToArgv("es a\\\\b\\ c"), (Words{"es", "a\\\\b\\", "c"}));  // no quote after: unchanged
  EXPECT_EQ(commandLineToArgv("es \"c:\\x y\\\\\" z"), (Words{"es", "c:\\x y\\", "z"}));
  EXPECT_EQ(commandLineToArgv("es \"c:\\x y\\\" z"), (Words{"es", "c:\\x y\" z"}));  // the quote escaped
  EXPECT_EQ(commandLineToArgv("es a\\\\\\\"b"), (Words{"es", "a\\\"b"}));
  EXPECT_EQ(commandLineToArgv("es \"a\"\"b\" c"), (Words{"es", "a\"b c"}));  // a quote pair inside a part
  EXPECT_EQ(commandLineToArgv("es \"\" x "), (Words{"es", "", "x"}));
  EXPECT_EQ(commandLineToArgv("\"c:\\my tools\\es.exe\" a"), (Words{"c:\\my tools\\es.exe", "a"}));
  EXPECT_EQ(commandLineToArgv("es   "), (Words{"es"}));
}

TEST(ClientQuoting, APieceComesBackAsTheWordsItMeans) {
  for (std::string piece :
       {"texas", "c:\\windows\\", "a|b <c> ^d & %path% !x! 50%", "\"annual report\" texas", "\"c:\\program files\\\"",
        "\"c:\\x\\\\\" y", "a\"\"b", "\"\"\"c d\"\"\" e", "\\\"\"x", "\"unclosed \\", "\"unclosed", "x\\\\\\\"",
        "\"\"", " \" \" ", "tab\there", "caf\xC3\xA9 \xE2\x82\xAC", "a\"b c\"d\"e f"}) {
    EXPECT_EQ(parsedPiece(piece), queryWords(piece)) << piece;
  }
  // Windows names hold no line breaks: each one becomes a blank rather than a
  // piece of a word.
  EXPECT_EQ(parsedPiece("one\r\ntwo\nthree\x1A"), (Words{"one", "two", "three"}));
}

TEST(ClientQuoting, APieceWrittenPlainlyStaysAsItStands) {
  for (std::string piece : {"texas !path! !\"big\" !(c) !50% a|b", " !c:\\windows\\ ", "\"annual report\"",
                            "a&b <c> ^d \"e&f\" %temp% !x! 7%"})
    EXPECT_EQ(quoteQueryPiece(piece), piece);
  // The folder the user quoted keeps its final backslash; an open quote is closed.
  EXPECT_EQ(quoteQueryPiece("\"c:\\program files\\\""), "\"c:\\program files\\\\\"");
  EXPECT_EQ(quoteQueryPiece("\"c:\\new folder\\"), "\"c:\\new folder\\\\\"");
  EXPECT_EQ(quoteQueryPiece("a\"\"b \"\"\"c\""), "ab \"c\"");
}

TEST(ClientQuoting, ANameIsOneArgumentWhateverItHolds) {
  for (std::string name : {"1.5a", "my instance", "a\"b", "ends\\", "ends in \\", "\\\\\"", "", "\t"}) {
    EXPECT_EQ(commandLineToArgv("es " + quoteArgument(name) + " x"), (Words{"es", name, "x"})) << name;
  }
  EXPECT_EQ(quoteArgument("1.5a"), "1.5a");
  EXPECT_EQ(instanceOption("1.5a"), " -instance 1.5a");
  EXPECT_EQ(instanceOption(""), "");
}

class CommandLineTest : public FinderTest {
 protected:
  void SetUp() override {
    buildCategoryLists(finder);
    processes.onRun = [this] { files.files["results.txt"] = "Size,Date Modified,Filename\r\n"; };
  }
  // The client's arguments for a search of the given type.
  Words search(int type, const std::string& typed) {
    searchBox.content = typed;
    processes.commandLines.clear();
    processes.programs.clear();
    runSearch(finder, type);
    EXPECT_EQ(processes.commandLines.size(), 1u);
    if (processes.commandLines.empty()) return {};
    EXPECT_EQ(processes.programs[0], "C:\\prog\\es.exe");
    EXPECT_EQ(processes.commandLines[0], "es " + finder.engineArguments);
    return commandLineToArgv(processes.commandLines[0]);
  }
};

TEST_F(CommandLineTest, TheClientRunsDirectlyInTheProgramsFolder) {
  search(1, "texas");
  EXPECT_EQ(processes.commandLines[0],
            "es  !c:\\windows\\ !c:\\$recycle.bin\\  -size -size-format 2 -dm /a-d  -sort dm  -n 100 "
            "-export-csv results.txt texas");
  EXPECT_EQ(processes.folders[0], "C:\\prog\\");
  EXPECT_EQ(clipboard.text_, finder.engineArguments);
}

TEST_F(CommandLineTest, AnExclusionEndingInBackslashQuoteNoLongerSwallowsTheOptions) {
  files.files["exclusion.txt"] = "\"c:\\program files\\\"\r\nc:\\R&D\\\nc:\\%PATH%\\";
  EXPECT_EQ(search(1, "texas"), (Words{"es", "!c:\\program files\\", "!c:\\R&D\\", "!c:\\%PATH%\\", "-size",
                                       "-size-format", "2", "-dm", "/a-d", "-sort", "dm", "-n", "100",
                                       "-export-csv", "results.txt", "texas"}));
}

TEST_F(CommandLineTest, EveryKindOfSearchPassesTheTermAsItsWords) {
  auto termOf = [](const Words& received) {
    auto end = std::find(received.begin(), received.end(), "results.txt");
    return end == received.end() ? Words{} : Words(end + 1, received.end());
  };
  EXPECT_EQ(termOf(search(1, "%PATH% !x! \"Annual Report\" a|b (c)")),
            (Words{"%path%", "!x!", "annual report", "a|b", "(c)"}));
  EXPECT_EQ(termOf(search(3, "\"c:\\my files\\")), (Words{"c:\\my files\\"}));
  Words custom = search(4, "a&b <c> ^d \"e&f\" %temp% !x! 50%");
  EXPECT_EQ(custom, (Words{"es", "-export-csv", "results.txt", "a&b", "<c>", "^d", "e&f", "%temp%", "!x!", "50%"}));
  EXPECT_EQ(termOf(search(4, "one\ntwo")), (Words{"one", "two"}));
}

TEST_F(CommandLineTest, TheEnginesNewerInstanceIsAskedForByName) {
  processes.windowClasses = {"EVERYTHING_TASKBAR_NOTIFICATION_(1.5a)"};
  Words received = search(1, "texas");
  ASSERT_GE(received.size(), 3u);
  EXPECT_EQ(Words(received.begin(), received.begin() + 3), (Words{"es", "-instance", "1.5a"}));
  EXPECT_EQ(finder.engineArguments.rfind(" -instance 1.5a !c:\\windows\\", 0), 0u) << finder.engineArguments;
  // The usual instance beside it is the one asked, without a name.
  processes.windowClasses.push_back("EVERYTHING_TASKBAR_NOTIFICATION");
  EXPECT_EQ(search(1, "texas")[1], "!c:\\windows\\");
  // Named outright, the instance is asked whatever windows are open, and a
  // category prefix in its name is no category.
  finder.settings.EngineInstance = "my pic: copy";
  received = search(1, "texas");
  EXPECT_EQ(Words(received.begin(), received.begin() + 3), (Words{"es", "-instance", "my pic: copy"}));
}

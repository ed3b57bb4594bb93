// What reaches the command interpreter: whatever the user typed or exclusion.txt
// holds, the interpreter sees one command, no variable and no line break, and
// hands the client the text unchanged.
#include <gtest/gtest.h>

#include "findaro/search/search_arguments.h"
#include "findaro/search/search_run.h"
#include "support/command_interpreter_model.h"
#include "support/finder_fixture.h"

using namespace findaro;
using testing_support::FinderTest;
using testing_support::interpretCommandLine;

namespace {

const std::string kInterpreter = "CMD /V:OFF /C ";

// The text the client is started with, as the modelled interpreter gives it;
// fails the test when the line does anything but start the client.
std::string clientReceives(const std::string& commandLine) {
  size_t after = commandLine.find("/C ");
  EXPECT_NE(after, std::string::npos) << commandLine;
  if (after == std::string::npos) return {};
  // Without /V:OFF the system's own setting may have delayed expansion on.
  bool delayed = commandLine.substr(0, after).find("/V:OFF") == std::string::npos;
  testing_support::InterpretedLine line =
      interpretCommandLine(commandLine.substr(after + 3), testing_support::everyNameDefined(), delayed);
  EXPECT_EQ(line.commands.size(), 1u) << commandLine;
  EXPECT_FALSE(line.redirected) << commandLine;
  EXPECT_FALSE(line.expanded) << commandLine;
  EXPECT_FALSE(line.lineBreak) << commandLine;
  EXPECT_FALSE(line.danglingCaret) << commandLine;
  return line.commands.empty() ? std::string() : line.commands[0];
}

std::string escaped(const std::string& text) {
  return clientReceives(kInterpreter + "es " + escapeForCommandInterpreter(text));
}

}  // namespace

TEST(CommandInterpreterModel, BehavesAsTheInterpreterIsDocumentedTo) {
  auto path = [](std::string_view name) -> std::optional<std::string> {
    if (name == "PATH") return "c:\\bin";
    return std::nullopt;
  };
  auto run = [&path](const char* text, bool delayed = false) { return interpretCommandLine(text, path, delayed); };
  EXPECT_EQ(run("es a&b").commands, (std::vector<std::string>{"es a", "b"}));
  EXPECT_EQ(run("es a^&b").commands, (std::vector<std::string>{"es a&b"}));
  EXPECT_EQ(run("es \"a&b\"").commands, (std::vector<std::string>{"es \"a&b\""}));
  EXPECT_EQ(run("es \"a^&b\"").commands, (std::vector<std::string>{"es \"a^&b\""}));
  EXPECT_EQ(run("es ^\"a&b").commands.size(), 2u);  // an escaped quote opens nothing
  EXPECT_TRUE(run("es a|b").redirected);
  EXPECT_TRUE(run("es a>b").redirected);
  EXPECT_FALSE(run("es a^>b").redirected);
  EXPECT_EQ(run("es %PATH%").commands[0], "es c:\\bin");
  EXPECT_EQ(run("es \"%PATH%\"").commands[0], "es \"c:\\bin\"");  // quotes do not stop it
  EXPECT_EQ(run("es %^PATH%").commands[0], "es %PATH%");
  EXPECT_EQ(run("es %nothing% %PATH%").commands[0], "es %nothing% c:\\bin");
  EXPECT_EQ(run("es !PATH!", true).commands[0], "es ");
  EXPECT_EQ(run("es !PATH!", false).commands[0], "es !PATH!");
  EXPECT_TRUE(run("es a\nb").lineBreak);
  EXPECT_EQ(run("es a\r\rb").commands[0], "es ab");
  EXPECT_TRUE(run("es a^").danglingCaret);
}

TEST(CommandLineEscaping, EverySpecialCharacterReachesTheClientAsText) {
  for (std::string text : {"a|b<c>d^e", "c:\\r&d\\", "x ^| y", "\"a&b\" & c", "%path% %x:~1% !x! 100%",
                           "%^x% ^^ ^", "\"unbalanced & quote", "(a) @b ,;= c", "%", "%%", "a%", "^%path%^",
                           "%&x%|y%\"z%<", "%%%^%^^%",
                           "tab\there", "caf\xC3\xA9 \xE2\x82\xAC"}) {
    EXPECT_EQ(escaped(text), "es " + text) << text;
  }
  // Windows names hold no line breaks: each one becomes a blank rather than end the line.
  EXPECT_EQ(escaped("one\r\ntwo\nthree\rfour\x1A"), "es one  two three four ");
  EXPECT_EQ(escapeForCommandInterpreter("a|b<c>d^e"), "a^|b^<c^>d^^e");
  EXPECT_EQ(escapeForCommandInterpreter("\"a&b\""), "^\"a^&b^\"");
  EXPECT_EQ(escapeForCommandInterpreter("%path%"), "%^path%");  // the last percent needs no caret
  EXPECT_EQ(escapeForCommandInterpreter("%&"), "%^&");           // the percent's caret serves the next one too
}

class CommandLineTest : public FinderTest {
 protected:
  void SetUp() override {
    buildCategoryLists(finder);
    processes.onRun = [this] { files.files["results.txt"] = "Size,Date Modified,Filename\r\n"; };
  }
  std::string search(int type, const std::string& typed) {
    finder.settings.SearchType = type;
    searchBox.content = typed;
    processes.commandLines.clear();
    runSearch(finder);
    EXPECT_EQ(processes.commandLines.size(), 1u);
    if (processes.commandLines.empty()) return {};
    EXPECT_EQ(processes.commandLines[0].rfind(kInterpreter + "es ", 0), 0u) << processes.commandLines[0];
    return clientReceives(processes.commandLines[0]);
  }
};

TEST_F(CommandLineTest, ExclusionLinesAreSplitAtEveryLineEndAndPassedAsText) {
  // An ampersand, angle brackets, a caret before a bar and a percent pair, with
  // CR LF, LF and CR line ends.
  files.files["exclusion.txt"] = "c:\\R&D\\\r\nc:\\x<y>\\\nc:\\p^|q\\\rc:\\%PATH%\\";
  std::string received = search(1, "texas");
  EXPECT_EQ(received,
            "es  !c:\\R&D\\ !c:\\x<y>\\ !c:\\p^|q\\ !c:\\%PATH%\\ -size -size-format 2 -dm /a-d  -sort dm  -n 100 "
            "-export-csv results.txt texas");
  EXPECT_EQ(finder.engineArguments, clipboard.text_);
}

TEST_F(CommandLineTest, EveryKindOfSearchPassesTheTermUnchanged) {
  EXPECT_EQ(search(1, "%PATH% !x! \"Annual Report\" a|b (c)"),
            "es  !c:\\windows\\ !c:\\$recycle.bin\\  -size -size-format 2 -dm /a-d  -sort dm  -n 100 "
            "-export-csv results.txt %path% !x! \"annual report\" a|b (c)");
  EXPECT_EQ(search(3, "\"a|b"), "es  !c:\\windows\\ !c:\\$recycle.bin\\  -size -size-format 2 -dm  -sort dm  -n 100 "
                                "-export-csv results.txt \"a|b");
  EXPECT_EQ(search(4, "a&b <c> ^d \"e&f\" %temp% !x! 50%"),
            "es  -export-csv results.txt a&b <c> ^d \"e&f\" %temp% !x! 50%");
  EXPECT_EQ(search(4, "one\ntwo"), "es  -export-csv results.txt one two");
}

TEST_F(CommandLineTest, DelayedExpansionIsSwitchedOffWhateverTheSystemSays) {
  search(4, "!path!");
  ASSERT_EQ(processes.commandLines.size(), 1u);
  EXPECT_EQ(processes.commandLines[0], kInterpreter + "es  -export-csv results.txt !path!");
}

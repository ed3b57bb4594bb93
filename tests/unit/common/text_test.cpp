#include "common/text.h"

#include <gtest/gtest.h>

#include "common/audio_log.h"
#include "support/fake_voice.h"

using namespace common;

TEST(Text, SplitKeepsEmptyPieces) {
  EXPECT_EQ(split("a\r\nb\r\n", "\r\n"), (std::vector<std::string>{"a", "b", ""}));
  EXPECT_EQ(split("", "\r\n"), (std::vector<std::string>{""}));
  EXPECT_EQ(replaceAll("a|b|c", "|", "^|"), "a^|b^|c");
  EXPECT_EQ(trimBlanks("  a b \t "), "a b \t");
  EXPECT_EQ(trimSpace(" \r\n a \n"), "a");
}

TEST(Text, ConvertsBetweenUtf8AndUtf16) {
  std::string text = "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80";  // café € and an emoji
  std::u16string wide = utf8ToUtf16(text);
  EXPECT_EQ(wide.size(), 9u);  // the emoji takes two units
  EXPECT_EQ(utf16ToUtf8(wide), text);
  EXPECT_TRUE(isValidUtf8(text));
  EXPECT_FALSE(isValidUtf8("caf\xE9"));      // Latin-1, not UTF-8
  EXPECT_FALSE(isValidUtf8("\xC3"));         // cut short
  EXPECT_FALSE(isValidUtf8("\xC0\xAF"));     // overlong
  EXPECT_EQ(utf8ToUtf16("a\xFF" "b"), u"a\uFFFDb");
}

TEST(Text, TruncationNeverCutsACharacterInHalf) {
  std::string text = "ab\xC3\xA9\xF0\x9F\x98\x80";  // a b é emoji: 5 units
  EXPECT_EQ(utf16Length(text), 5u);
  EXPECT_EQ(truncateUtf16Units(text, 3), "ab\xC3\xA9");
  EXPECT_EQ(truncateUtf16Units(text, 4), "ab\xC3\xA9");  // the emoji needs two
  EXPECT_EQ(truncateUtf16Units(text, 5), text);
  EXPECT_EQ(truncateUtf16Units("abc", 0), "");
}

TEST(Text, LinesEndAtCrLfLfOrALoneCr) {
  EXPECT_EQ(splitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(splitLines("a\r\r\n"), (std::vector<std::string>{"a", "", ""}));
  EXPECT_EQ(splitLines("\n\r"), (std::vector<std::string>{"", "", ""}));
  EXPECT_EQ(splitLines(""), (std::vector<std::string>{""}));
}

TEST(Text, AStrayByteCountsAsOneCharacter) {
  EXPECT_EQ(utf8Characters("\x80\x80\x80"), 3u);
  EXPECT_EQ(utf8Characters("\xC3\xA9\xF0\x9F\x93\x81"), 2u);
  EXPECT_EQ(utf8Characters("\xF0\x9F\x93"), 3u);  // a sequence cut short
  EXPECT_EQ(utf8BytesForCharacters(std::string(300, '\x80'), 31), 31u);
  EXPECT_EQ(utf8BytesForCharacters("\xC3\xA9\xC3\xA9\xC3\xA9", 2), 4u);
}

TEST(AudioLog, WritesOneLinePerSoundWithLineBreaksEscaped) {
  std::string written;
  AudioLog log([&written](const std::string& line) { written += line; });
  log.speak(3, "one\r\ntwo");
  log.setRate(-3);
  log.beep(275, 150);
  EXPECT_EQ(written, "Speak 3 one\\r\\ntwo\nSetRate -3\nBeep 275 150\n");
}

TEST(AudioLog, LoggedVoiceLogsEvenWithoutAnEngine) {
  std::string written;
  AudioLog log([&written](const std::string& line) { written += line; });
  LoggedVoice silent(nullptr, log);
  silent.speak("Exiting Findaro", kSpeakPurgeBeforeSpeak);
  EXPECT_FALSE(silent.isSpeaking());
  EXPECT_EQ(written, "Speak 2 Exiting Findaro\n");

  auto engine = std::make_unique<testing_support::FakeVoice>();
  auto* heard = engine.get();
  LoggedVoice voice(std::move(engine), log);
  voice.setRate(3);
  voice.speak("hello", kSpeakAsyncPurge);
  EXPECT_EQ(heard->rates, std::vector<int>{3});
  EXPECT_EQ(heard->lastText(), "hello");
}

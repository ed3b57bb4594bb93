#include "magnora/copy_page.h"

#include "common/text.h"
#include "magnora/keystrokes.h"
#include "magnora/speech.h"

namespace magnora {
namespace {

std::string trimLineEndsAndBlanks(std::string_view text) {
  const char* edges = " \r\n";
  size_t begin = text.find_first_not_of(edges);
  if (begin == std::string_view::npos) return {};
  size_t end = text.find_last_not_of(edges);
  return std::string(text.substr(begin, end - begin + 1));
}

void copyFromTarget(Bar& bar) {
  sendChord(bar.system, {vk::kControl}, 'C');
  bar.system.sleep(kCopyWait);
}

}  // namespace

std::string cleanText(std::string_view text) {
  std::string result = trimLineEndsAndBlanks(text);
  std::vector<std::string> lines = common::split(result, "\r\n");
  result.clear();
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) result += "\r\n";
    result += common::trimBlanks(lines[i]);
  }
  while (result.find("\r\n\r\n") != std::string::npos) result = common::replaceAll(result, "\r\n\r\n", "\r\n");
  return trimLineEndsAndBlanks(result);
}

void copyPageOrSelection(Bar& bar) {
  bar.clipboardSpeaking = false;
  bar.copiedText.clear();
  bar.system.emptyClipboard();
  focusTarget(bar);
  copyFromTarget(bar);
  bar.copiedText = cleanText(bar.system.clipboardText());
  if (bar.copiedText.empty()) {
    sendChord(bar.system, {vk::kControl}, 'A');
    bar.system.sleep(kCopyWait);
    copyFromTarget(bar);
    bar.copiedText = bar.system.clipboardText();
    speakNow(bar, "Page Copied");
  } else {
    speakNow(bar, "Selection Copied");
  }
  bar.copiedText = cleanText(bar.copiedText);
  if (bar.copiedText.empty()) {
    speakNow(bar, "Nothing Copied");
    return;
  }
  bar.system.setClipboardText(bar.copiedText);
  bar.system.writeFile(kViewerFile, bar.copiedText + "\r\n");
}

}  // namespace magnora

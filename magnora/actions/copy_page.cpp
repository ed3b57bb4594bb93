#include "magnora/actions/copy_page.h"

#include "common/text.h"
#include "magnora/actions/keystrokes.h"
#include "magnora/actions/speech.h"

namespace magnora {
namespace {

void copyFromTarget(Bar& bar) {
  sendChord(bar.system, {vk::kControl}, 'C');
  bar.system.sleep(kCopyWait);
}

}  // namespace

std::string cleanText(std::string_view text) {
  // Pages copied from some programs end their lines with LF or CR alone.
  std::string result;
  for (const std::string& line : common::splitLines(text)) {
    std::string trimmed = common::trimBlanks(line);
    if (trimmed.empty()) continue;
    if (!result.empty()) result += "\r\n";
    result += trimmed;
  }
  return result;
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

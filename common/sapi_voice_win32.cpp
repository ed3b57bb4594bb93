#include "common/sapi_voice_win32.h"

#include <windows.h>
#include <sapi.h>

#include <cstdio>

#include "common/handles_win32.h"
#include "common/wide_win32.h"

namespace common {
namespace {

// {6C44DF74-72B9-4992-A1EC-EF996E0422D4}
const IID kVoiceInterface = {0x6C44DF74, 0x72B9, 0x4992, {0xA1, 0xEC, 0xEF, 0x99, 0x6E, 0x04, 0x22, 0xD4}};

class SapiVoice : public Voice {
 public:
  explicit SapiVoice(ComPtr<ISpVoice> voice) : voice_(std::move(voice)) {}

  void speak(const std::string& text, unsigned flags) override {
    // The engine reads the text while it speaks in the background, so the buffer
    // has to outlive the call: it stays until the next one replaces it.
    buffer_ = toWide(text);
    voice_->Speak(buffer_.c_str(), flags, nullptr);
  }

  bool isSpeaking() override {
    SPVOICESTATUS status{};
    if (FAILED(voice_->GetStatus(&status, nullptr))) return false;
    return status.dwRunningState == SPRS_IS_SPEAKING;
  }

  void setRate(int rate) override { voice_->SetRate(rate); }

 private:
  ComPtr<ISpVoice> voice_;
  std::wstring buffer_;
};

}  // namespace

std::unique_ptr<Voice> createSapiVoice() {
  CLSID classId;
  if (FAILED(CLSIDFromProgID(L"SAPI.SpVoice", &classId))) return nullptr;
  ComPtr<ISpVoice> voice;
  HRESULT hr = CoCreateInstance(classId, nullptr, CLSCTX_ALL, kVoiceInterface,
                                reinterpret_cast<void**>(voice.put()));
  if (FAILED(hr) || !voice) return nullptr;
  return std::make_unique<SapiVoice>(std::move(voice));
}

AudioLog openAudioLog(const wchar_t* variable) {
  std::wstring path = environmentVariable(variable);
  if (path.empty()) return AudioLog();
  std::FILE* raw = _wfopen(path.c_str(), L"ab");
  if (!raw) return AudioLog();
  std::shared_ptr<std::FILE> file(raw, [](std::FILE* f) { std::fclose(f); });
  return AudioLog([file](const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), file.get());
    std::fflush(file.get());
  });
}

}  // namespace common

#pragma once
// The platform's speech engine (SAPI 5, "SAPI.SpVoice") behind the Voice seam.
#include <memory>

#include "common/audio_log.h"
#include "common/voice.h"

namespace common {

// The engine's voice, or null when the speech object cannot be created.
std::unique_ptr<Voice> createSapiVoice();

// The audio log named by an environment variable (disabled when it is not set).
AudioLog openAudioLog(const wchar_t* variable);

}  // namespace common

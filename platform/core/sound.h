#pragma once

#include <string_view>

namespace platform {

enum class SoundMode {
    Asynchronous,  // returns at once
    Synchronous,   // returns when the sound has ended
    Looping,       // returns at once; repeats until stopped or replaced
};

// Plays WAVE data. A new sound replaces the one playing. Where there is no audio
// device, or the data is not a sound, nothing is heard and nothing is reported.
class ISoundPlayer {
public:
    virtual ~ISoundPlayer() = default;
    virtual void Play(std::string_view waveData, SoundMode mode) = 0;
    virtual void Stop() = 0;
};

}  // namespace platform

#pragma once

#include "platform/core/sound.h"

#include <QString>

#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <string_view>

class QSoundEffect;
class QTemporaryDir;

namespace platform {

// The playing time of RIFF WAVE data, from its format and data chunks; nothing when the
// data is not a WAVE file.
std::optional<int> WaveDurationMilliseconds(std::string_view waveData);

// Plays WAVE data through Qt Multimedia. Qt plays sounds from files, so each distinct
// sound is written once to a private temporary folder and kept loaded for the next time.
// Without an audio device every call returns at once and nothing is heard.
class SoundPlayer : public ISoundPlayer {
public:
    SoundPlayer();
    ~SoundPlayer() override;
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    void Play(std::string_view waveData, SoundMode mode) override;
    void Stop() override;

    static bool HasAudioDevice();
    // A sound started by Play is still loading or playing.
    bool IsPlaying() const;

private:
    QSoundEffect* EffectFor(std::string_view waveData);
    void WaitUntilEnded(QSoundEffect& effect, int durationMs);

    std::unique_ptr<QTemporaryDir> m_folder;
    std::map<std::size_t, std::unique_ptr<QSoundEffect>> m_effects;  // by the data's hash
    QSoundEffect* m_current = nullptr;
};

}  // namespace platform

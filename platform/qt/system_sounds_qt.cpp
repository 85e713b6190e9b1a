#include "platform/qt/system_sounds_qt.h"

#include "platform/core/resource_library.h"
#include "platform/qt/sound_player.h"

namespace platform {

SystemSounds::SystemSounds(Lookup lookup, std::unique_ptr<ISoundPlayer> player, IsPlaying isPlaying)
    : m_lookup(std::move(lookup)), m_owned(std::move(player)), m_player(m_owned.get()), m_isPlaying(std::move(isPlaying)) {}

SystemSounds::SystemSounds(Lookup lookup, ISoundPlayer& player, IsPlaying isPlaying)
    : m_lookup(std::move(lookup)), m_player(&player), m_isPlaying(std::move(isPlaying)) {}

void SystemSounds::PlayAlias(std::string_view name) {
    if (!m_lookup || m_player == nullptr) return;
    if (m_isPlaying && m_isPlaying()) return;
    const std::optional<std::string> wave = m_lookup(name);
    if (!wave || wave->empty()) return;
    m_player->Play(*wave, SoundMode::Asynchronous);
}

std::unique_ptr<SystemSounds> MakeSystemSounds(const IResourceLibrary& library, SoundPlayer& player) {
    return std::make_unique<SystemSounds>(
        [&library](std::string_view name) -> std::optional<std::string> {
            std::string wave = library.WaveData(name);
            if (wave.empty()) return std::nullopt;
            return wave;
        },
        player, [&player] { return player.IsPlaying(); });
}

}  // namespace platform

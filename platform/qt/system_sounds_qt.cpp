#include "platform/qt/system_sounds_qt.h"

namespace platform {

SystemSounds::SystemSounds(Lookup lookup, std::unique_ptr<ISoundPlayer> player, IsPlaying isPlaying)
    : m_lookup(std::move(lookup)), m_player(std::move(player)), m_isPlaying(std::move(isPlaying)) {}

void SystemSounds::PlayAlias(std::string_view name) {
    if (!m_lookup || !m_player) return;
    if (m_isPlaying && m_isPlaying()) return;
    const std::optional<std::string> wave = m_lookup(name);
    if (!wave || wave->empty()) return;
    m_player->Play(*wave, SoundMode::Asynchronous);
}

}  // namespace platform

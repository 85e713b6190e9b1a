#include "tests/support/media_doubles.h"

#include <algorithm>
#include <cctype>

namespace test_support {

void RecordingSoundPlayer::Play(std::string_view waveData, platform::SoundMode mode) {
    m_events.push_back({SoundEvent::Kind::Play, std::string(waveData), mode});
}

void RecordingSoundPlayer::Stop() { m_events.push_back({SoundEvent::Kind::Stop, {}, {}}); }

std::size_t RecordingSoundPlayer::PlayCount() const {
    return static_cast<std::size_t>(std::count_if(
        m_events.begin(), m_events.end(), [](const SoundEvent& e) { return e.kind == SoundEvent::Kind::Play; }));
}

bool FakeResourceLibrary::Open(const std::filesystem::path& path) {
    m_openedPaths.push_back(path);
    m_open = m_openResult;
    return m_open;
}

std::string FakeResourceLibrary::Key(std::string_view name) {
    std::string key(name);
    std::transform(key.begin(), key.end(), key.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return key;
}

std::string FakeResourceLibrary::Find(const Entries& entries, std::string_view name) const {
    if (!m_open) return {};
    const auto found = entries.find(Key(name));
    return found == entries.end() ? std::string() : found->second;
}

bool RecordingCursorTable::LoadCursor(int id, const platform::IResourceLibrary& library, std::string_view name) {
    if (library.CursorData(name).empty()) return false;
    m_loaded[id] = std::string(name);
    return true;
}

}  // namespace test_support

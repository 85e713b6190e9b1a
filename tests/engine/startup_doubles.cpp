#include "tests/engine/startup_doubles.h"

#include <system_error>

namespace engine_test {

namespace {

template <typename Value>
Value Find(const std::map<std::string, Value, std::less<>>& values, std::string_view key, Value missing) {
    const auto found = values.find(key);
    return found == values.end() ? missing : found->second;
}

}  // namespace

std::string RecordingWindowItems::ItemCaption(std::string_view item) const {
    return Find<std::string>(m_captions, item, {});
}

void RecordingWindowItems::SetItemCaption(std::string_view item, std::string_view caption) {
    m_captions[std::string(item)] = std::string(caption);
    m_log.push_back("caption " + std::string(item) + " " + std::string(caption));
}

bool RecordingWindowItems::IsItemEnabled(std::string_view item) const {
    return Find(m_enabled, item, true);
}

void RecordingWindowItems::SetItemEnabled(std::string_view item, bool enabled) {
    m_enabled[std::string(item)] = enabled;
    m_log.push_back("enabled " + std::string(item) + (enabled ? " 1" : " 0"));
}

void RecordingWindowItems::SetItemVisible(std::string_view item, bool visible) {
    m_visible[std::string(item)] = visible;
    m_log.push_back("visible " + std::string(item) + (visible ? " 1" : " 0"));
}

void RecordingWindowItems::SetItemGlyph(std::string_view item, std::string_view bitmapName) {
    m_glyphs[std::string(item)] = std::string(bitmapName);
    m_log.push_back("glyph " + std::string(item) + " " + std::string(bitmapName));
}

bool RecordingWindowItems::IsVisible(std::string_view item) const {
    return Find(m_visible, item, true);
}

std::string RecordingWindowItems::Glyph(std::string_view item) const {
    return Find<std::string>(m_glyphs, item, {});
}

void RecordingStartupShell::ApplyToolbar(bool large, bool flat) {
    m_log.push_back(std::string("toolbar") + (large ? " large" : " small") + (flat ? " flat" : " raised"));
}

bool RecordingAdviceBox::ShowAdvice(const std::string& text, int page) {
    m_texts.push_back(text);
    m_pages.push_back(page);
    return false;
}

bool FileBackedLibrary::Open(const std::filesystem::path& path) {
    std::error_code ec;
    SetOpenResult(std::filesystem::is_regular_file(path, ec));
    return FakeResourceLibrary::Open(path);
}

}  // namespace engine_test
